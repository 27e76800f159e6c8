// SPDX-License-Identifier: GPL-3.0-or-later
// annual, monthly, weekly, fortnightly and daily: the employees' tax calculators.
// Values outside what the window's fields accept are refused with the field's name;
// a calculation stopped by a window message gives that message as the error.
#include <string>
#include <vector>

#include "calc/annual/annual_paye.h"
#include "calc/period/pay_period.h"
#include "calc/period/payroll_batch.h"
#include "cli/command.h"
#include "taxyear/numbers.h"
#include "taxyear/tax_year.h"

namespace reventa::cli {
namespace {

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
    // A count that fits no 16-bit number is outside the boxes' range; the others
    // are checked with the rest of the inputs.
    const double d = v.get<double>();
    const auto n = ToInt16(d);
    if (!n) throw CliError(CheckRange(AnnualMonthBensRange, d)->Text());
    counts[i + 1] = *n;
  }
  return counts;
}

Json RunAnnual(const Input& in) {
  AnnualInputs a;
  ReadInputs(in, AnnualRanges, a);
  a.AnnMonthBens = ReadMonthCounts(in);
  if (const auto e = ValidateAnnualInputs(a)) throw CliError(e->Text());

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
    Ranges(AnnualRanges),
    {"AnnMonthBens"},
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

// The employee number and name of a payroll file, carried through a CSV run.
const std::vector<std::string> PayrollTextColumns{EmployeeNumberKey, EmployeeNameKey};

Json RunPayPeriod(const Input& in, PayPeriodKind kind) {
  // A freshly opened window with the settings of a new settings store, as the
  // payroll batch window starts each row with its own settings.
  PayPeriodInput p = OpenedPayPeriodInput(kind);
  ReadInputs(in, PayPeriodRanges(kind), p);
  if (const auto e = ValidatePayPeriodInput(p, kind)) throw CliError(e->Text());
  const PayPeriodResult r = ComputePayPeriod(p, kind);
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
    Ranges(PayPeriodRanges(PayPeriodKind::Monthly)),
    {},
    PayPeriodResultKeys,
    [](const Input& in) { return RunPayPeriod(in, PayPeriodKind::Monthly); },
    PayrollTextColumns,
});

const bool kWeekly = RegisterCommand({
    "weekly",
    Ranges(PayPeriodRanges(PayPeriodKind::Weekly)),
    {},
    PayPeriodResultKeys,
    [](const Input& in) { return RunPayPeriod(in, PayPeriodKind::Weekly); },
    PayrollTextColumns,
});

const bool kFortnightly = RegisterCommand({
    "fortnightly",
    Ranges(PayPeriodRanges(PayPeriodKind::Fortnightly)),
    {},
    PayPeriodResultKeys,
    [](const Input& in) { return RunPayPeriod(in, PayPeriodKind::Fortnightly); },
    PayrollTextColumns,
});

const bool kDaily = RegisterCommand({
    "daily",
    Ranges(PayPeriodRanges(PayPeriodKind::Daily)),
    {},
    PayPeriodResultKeys,
    [](const Input& in) { return RunPayPeriod(in, PayPeriodKind::Daily); },
    PayrollTextColumns,
});

}  // namespace
}  // namespace reventa::cli
