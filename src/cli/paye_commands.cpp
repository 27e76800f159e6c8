// annual, monthly, weekly, fortnightly and daily: the employees' tax calculators.
// Values outside what the window's fields accept are refused with the field's name;
// a calculation stopped by a window message gives that message as the error.
#include <string>
#include <vector>

#include "calc/annual/annual_paye.h"
#include "calc/period/pay_period.h"
#include "cli/command.h"
#include "taxyear/numbers.h"
#include "taxyear/tax_year.h"

namespace reventa::cli {
namespace {

// The whole-number fields: ages and beneficiary counts.
constexpr double MaxAge = 999;
constexpr double MaxBeneficiaries = 99;

// Annual ----------------------------------------------------------------------

// AnnMonthBens on the command line: 12 counts, January first.
MonthCounts ReadMonthCounts(const Input& in) {
  MonthCounts counts{};
  const Json& raw = in.Raw("AnnMonthBens");
  if (raw.is_null()) return counts;
  if (!raw.is_array() || raw.size() != 12) {
    throw CliError("AnnMonthBens: expected an array of 12 counts, January first");
  }
  for (std::size_t i = 0; i < 12; ++i) {
    const Json& v = raw[i];
    if (!v.is_number()) throw CliError("AnnMonthBens: expected numbers");
    const double d = v.get<double>();
    const auto n = ToInt16(d);
    if (!n) {
      throw CliError("AnnMonthBens: " + FormatNumber(d) + " is outside 0 to " +
                     FormatNumber(AnnualMonthBensRange.Max));
    }
    counts[i + 1] = *n;
  }
  return counts;
}

Json RunAnnual(const Input& in) {
  AnnualInputs a;
  a.AnnAge = in.Int16("AnnAge", 0, 0, AgeRange.Max);
  a.AnnSalary = in.Number("AnnSalary", 0);
  a.AnnEmployerMedAid = in.Number("AnnEmployerMedAid", 0);
  a.AnnEmployeeMedAid = in.Number("AnnEmployeeMedAid", 0);
  a.AnnEmployerRFund = in.Number("AnnEmployerRFund", 0);
  a.AnnEmployeeRFund = in.Number("AnnEmployeeRFund", 0);
  a.AnnCommissions = in.Number("AnnCommissions", 0);
  a.AnnBonus = in.Number("AnnBonus", 0);
  a.AnnTravelAllowance = in.Number("AnnTravelAllowance", 0);
  a.AnnInclusionRate = in.Number("AnnInclusionRate", TravelInclusionHigh);
  a.AnnStartDate = in.Number("AnnStartDate", TaxYearStart);
  a.AnnEndDate = in.Number("AnnEndDate", TaxYearEnd);
  a.AnnMonthBens = ReadMonthCounts(in);
  if (const auto e = ValidateAnnualInputs(a)) throw CliError(e->Field + ": " + e->Message);

  const AnnualResult r = CalculateAnnual(a);
  if (r.Error) return Json{{"error", *r.Error}};
  Json months = Json::array();
  for (std::size_t m = 1; m <= 12; ++m) months.push_back(r.AnnMonthBens[m]);
  return Json{{"AnnAllowableRFund", r.AnnAllowableRFund},
              {"AnnTaxExclBonus", r.AnnTaxExclBonus},
              {"AnnBonusTax", r.AnnBonusTax},
              {"AnnTaxLiability", r.AnnTaxLiability},
              {"AnnPAYEBeforeCredits", r.AnnPAYEBeforeCredits},
              {"AnnSITE", r.AnnSITE},
              {"AnnMedCredit", r.AnnMedCredit},
              {"AnnAddMedCredit", r.AnnAddMedCredit},
              {"AnnTotalTaxDeduction", r.AnnTotalTaxDeduction},
              {"AnnPAYE", r.AnnPAYE},
              {"AnnMonthBens", months}};
}

const bool kAnnual = RegisterCommand({
    "annual",
    {"AnnAge", "AnnSalary", "AnnEmployerMedAid", "AnnEmployeeMedAid", "AnnEmployerRFund",
     "AnnEmployeeRFund", "AnnCommissions", "AnnBonus", "AnnTravelAllowance", "AnnInclusionRate",
     "AnnStartDate", "AnnEndDate", "AnnMonthBens"},
    {"AnnAllowableRFund", "AnnTaxExclBonus", "AnnBonusTax", "AnnTaxLiability",
     "AnnPAYEBeforeCredits", "AnnSITE", "AnnMedCredit", "AnnAddMedCredit", "AnnTotalTaxDeduction",
     "AnnPAYE", "AnnMonthBens"},
    RunAnnual,
});

// Pay periods -----------------------------------------------------------------

const std::vector<std::string> PayPeriodResultKeys{"RFundAllowable", "TaxableTravelAllowance",
                                                   "UifEmployee",    "UifEmployer",
                                                   "SdlAmount",      "PeriodTax",
                                                   "MedCredit",      "AddMedCredit",
                                                   "NetPeriodTax"};

std::vector<std::string> PayPeriodInputKeys(PayPeriodKind kind) {
  std::vector<std::string> keys{
      "Age",           "Salary",     "EmployerMedAid", "EmployeeMedAid",  "RFundEmployer",
      "RFundEmployee", "Commission", "Bonus",          "TravelAllowance", "Beneficiaries"};
  if (kind == PayPeriodKind::Monthly) {
    keys.insert(keys.end(), {"StartDate", "EndDate"});
  } else if (kind != PayPeriodKind::Daily) {
    keys.insert(keys.end(), {"NormalDays", "ThisDays"});
  }
  keys.insert(keys.end(), {"EmployeeUIF", "EmployerUIF", "SkillLevy", "UIFLimit", "InclusionRate"});
  return keys;
}

PayPeriodInput ReadPayPeriod(const Input& in, PayPeriodKind kind) {
  PayPeriodInput p;
  p.Age = in.Int16("Age", 0, 0, MaxAge);
  p.Salary = in.Number("Salary", 0);
  p.EmployerMedAid = in.Number("EmployerMedAid", 0);
  p.EmployeeMedAid = in.Number("EmployeeMedAid", 0);
  p.RFundEmployer = in.Number("RFundEmployer", 0);
  p.RFundEmployee = in.Number("RFundEmployee", 0);
  p.Commission = in.Number("Commission", 0);
  p.Bonus = in.Number("Bonus", 0);
  p.TravelAllowance = in.Number("TravelAllowance", 0);
  p.Beneficiaries = in.Int16("Beneficiaries", 0, 0, MaxBeneficiaries);
  switch (kind) {
    case PayPeriodKind::Monthly:
      p.StartDate = in.Number("StartDate", TaxYearStart);
      p.EndDate = in.Number("EndDate", MonthlyDefaultEndDate);
      break;
    case PayPeriodKind::Weekly:
      p.NormalDays = in.Number("NormalDays", 7);
      p.ThisDays = in.Number("ThisDays", 7);
      break;
    case PayPeriodKind::Fortnightly:
      p.NormalDays = in.Number("NormalDays", 14);
      p.ThisDays = in.Number("ThisDays", 14);
      break;
    case PayPeriodKind::Daily:
      break;
  }
  p.EmployeeUIF = in.Number("EmployeeUIF", DefaultUifPercent);
  p.EmployerUIF = in.Number("EmployerUIF", DefaultUifPercent);
  p.SkillLevy = in.Number("SkillLevy", DefaultSkillLevyPercent);
  p.UIFLimit = in.Number("UIFLimit", DefaultUifMonthlyLimit);
  p.InclusionRate = in.Number("InclusionRate", TravelInclusionHigh);
  if (const auto e = ValidatePayPeriodInput(p, kind)) {
    throw CliError(e->Field + ": " + e->Message);
  }
  return p;
}

Json PayPeriodJson(const PayPeriodResult& r) {
  if (r.Error) return Json{{"error", r.Error->Text}};
  return ResultObject({{"RFundAllowable", r.RFundAllowable},
                       {"TaxableTravelAllowance", r.TaxableTravelAllowance},
                       {"UifEmployee", r.UifEmployee},
                       {"UifEmployer", r.UifEmployer},
                       {"SdlAmount", r.SdlAmount},
                       {"PeriodTax", r.PeriodTax},
                       {"MedCredit", r.MedCredit},
                       {"AddMedCredit", r.AddMedCredit},
                       {"NetPeriodTax", r.NetPeriodTax}});
}

const bool kMonthly = RegisterCommand({
    "monthly",
    PayPeriodInputKeys(PayPeriodKind::Monthly),
    PayPeriodResultKeys,
    [](const Input& in) {
      return PayPeriodJson(ComputeMonthlyPaye(ReadPayPeriod(in, PayPeriodKind::Monthly)));
    },
});

const bool kWeekly = RegisterCommand({
    "weekly",
    PayPeriodInputKeys(PayPeriodKind::Weekly),
    PayPeriodResultKeys,
    [](const Input& in) {
      return PayPeriodJson(ComputeWeeklyPaye(ReadPayPeriod(in, PayPeriodKind::Weekly),
                                             PeriodsPerYearWeekly, WeeklyMedCreditDivisor));
    },
});

const bool kFortnightly = RegisterCommand({
    "fortnightly",
    PayPeriodInputKeys(PayPeriodKind::Fortnightly),
    PayPeriodResultKeys,
    [](const Input& in) {
      return PayPeriodJson(ComputeWeeklyPaye(ReadPayPeriod(in, PayPeriodKind::Fortnightly),
                                             PeriodsPerYearFortnightly,
                                             FortnightlyMedCreditDivisor));
    },
});

const bool kDaily = RegisterCommand({
    "daily",
    PayPeriodInputKeys(PayPeriodKind::Daily),
    PayPeriodResultKeys,
    [](const Input& in) {
      return PayPeriodJson(ComputeDailyPaye(ReadPayPeriod(in, PayPeriodKind::Daily)));
    },
});

}  // namespace
}  // namespace reventa::cli
