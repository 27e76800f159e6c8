// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/package/package.h"

#include "calc/package/package_search.h"
#include "taxyear/numbers.h"
#include "taxyear/tax_year.h"

namespace reventa {

namespace {

// The annual windows count medical beneficiary-months over the year: the first 24
// (a principal member and one dependant for twelve months) at the main rate.
constexpr double kMainRateBeneficiaryMonths = 24;

bool IsMonthly(PackageWindow window) { return window.Period == PackagePeriod::Monthly; }

double CarFringeBenefit(PackageWindow window, const PackageInputs& in) {
  const double rate = in.MaintenancePlan ? CarBenefitRateMaintPlan : CarBenefitRate;
  const double benefit = in.CarValue * rate * in.CarFbRate;
  return IsMonthly(window) ? benefit : benefit * 12;
}

double MedicalCredit(PackageWindow window, std::int16_t beneficiaries) {
  const double b = beneficiaries;
  if (IsMonthly(window)) return MedCreditForMonth(beneficiaries);
  if (b <= kMainRateBeneficiaryMonths) return MedCreditMain * b;
  return kMainRateBeneficiaryMonths * MedCreditMain +
         MedCreditExtra * (b - kMainRateBeneficiaryMonths);
}

double RFundAllowableCap(PackageWindow window) {
  return IsMonthly(window) ? RFundDeductionCap / 12 : RFundDeductionCap;
}

// Rebate, medical credits and the clearing of the fields they make meaningless,
// shared by both directions. `held` is the window's copy of the inputs and is
// updated the way the window's fields are.
// Returns the credits, MedCredit + AddMedCredit.
double ApplyRebateAndCredits(PackageWindow window, PackageInputs& held, PackageResult& r) {
  r.CarBenefit = CarFringeBenefit(window, held);
  r.Rebate = TotalRebate(held.Age);
  // Medical deductions count only from age 65.
  if (held.Age < AgeThreshold65) {
    held.MedDeduct = 0;
    r.Updates.MedDeductCleared = true;
  }
  const bool contributions = held.MedEmployer > 0 || held.MedEmployee > 0;
  if (contributions) {
    r.MedCredit = MedicalCredit(window, held.Beneficiaries);
  } else {
    r.MedCredit = 0;
    held.Beneficiaries = 0;
    r.Updates.BeneficiariesCleared = true;
  }
  r.AddMedCredit = 0;
  if (contributions && r.MedCredit > 0 && held.Age >= AgeThreshold65) {
    r.AddMedCredit = (held.MedEmployer + held.MedEmployee - AddMedCreditMultiple * r.MedCredit) *
                     AddMedCreditFactor;
    if (r.AddMedCredit < 0) r.AddMedCredit = 0;
  }
  return r.MedCredit + r.AddMedCredit;
}

void TakeTrial(const PackageTrial& trial, PackageResult& r) {
  r.RFundEmployee = trial.RFundEmployee;
  r.RFundEmployer = trial.RFundEmployer;
  r.TaxDue = trial.TaxDue;
  r.UifBase = trial.UifBase;
  r.UifEmployee = trial.UifEmployee;
  r.UifEmployer = trial.UifEmployer;
  r.SdlAmount = trial.SdlAmount;
  r.NetAtTrial = trial.NetAtTrial;
  r.IncomeTaxComputed = true;
  r.LastTaxableIncome = trial.TaxableIncome;
  r.LastIncomeTax = trial.Tax;
}

}  // namespace

TrialConstants NetToGrossSearchConstants(PackageWindow window, const PackageInputs& inputs) {
  PackageInputs held = inputs;
  PackageResult r;
  const double credits = ApplyRebateAndCredits(window, held, r);
  return MakeTrialConstants(window.Period, held, r.CarBenefit, r.Rebate, credits, held.MedDeduct);
}

namespace {

// Net-to-gross after the fringe check. Returns the message that stopped it when no
// trial salary was found; the figures worked out before the search then stay.
std::optional<std::string> RunNetToGross(PackageWindow window, PackageInputs& held,
                                         PackageResult& r) {
  const double credits = ApplyRebateAndCredits(window, held, r);
  const TrialConstants constants =
      MakeTrialConstants(window.Period, held, r.CarBenefit, r.Rebate, credits, held.MedDeduct);
  const SearchOutcome found = FastSearch(constants, held.NetRequired);
  if (found.WorkLimitReached) return SearchLimitMessage();
  if (!found.TrialSalary) return NoGrossSalaryMessage;
  r.TrialSalary = *found.TrialSalary;
  TakeTrial(EvaluateTrial(constants, r.TrialSalary), r);

  const double contributions = r.RFundEmployer + r.RFundEmployee;
  const double limit = (r.TrialSalary + held.MedEmployer + held.MedEmployee +
                        held.Travel * held.TaRate + r.RFundEmployer) *
                       RFundDeductionRate;
  r.RFundAllowable = contributions < limit ? contributions : limit;
  if (r.RFundAllowable >= RFundAllowableCap(window)) r.RFundAllowable = RFundAllowableCap(window);
  return std::nullopt;
}

void RunGrossToNet(PackageWindow window, PackageInputs& held, PackageResult& r) {
  // Here the credits enter only the shown tax deduction.
  ApplyRebateAndCredits(window, held, r);
  const double package = held.Package;
  // The percentages apply to the package alone.
  r.RFundEmployee =
      held.EmployeePct > 0 ? package * held.EmployeePct / 100 : held.RFundEmployeeTyped;
  r.RFundEmployer =
      held.EmployerPct > 0 ? package * held.EmployerPct / 100 : held.RFundEmployerTyped;

  const double contributions = r.RFundEmployer + r.RFundEmployee;
  const double limit = (package + held.MedEmployer + held.Travel * held.TaRate + r.RFundEmployer) *
                       RFundDeductionRate;
  r.RFundAllowable = contributions < limit ? contributions : limit;
  if (r.RFundAllowable >= RFundAllowableCap(window)) r.RFundAllowable = RFundAllowableCap(window);

  // The allowable amount, not the contributions, comes off taxable income; medical
  // contributions, other fringe benefits and deductions do not enter it here.
  const double taxable =
      package - held.Travel + held.Travel * held.TaRate + r.CarBenefit - r.RFundAllowable;
  double taxableIncome = 0;
  if (!(taxable < 0)) taxableIncome = IsMonthly(window) ? 12 * taxable : taxable;
  r.LastIncomeTax = ComputeIncomeTax(taxableIncome);
  r.LastTaxableIncome = taxableIncome;
  r.IncomeTaxComputed = true;
  r.TaxDue = r.LastIncomeTax.TaxBeforeRebates - r.Rebate;
  if (r.TaxDue < 0) r.TaxDue = 0;
  if (IsMonthly(window)) r.TaxDue = r.TaxDue / 12;

  r.UifBase = package - held.Travel + held.Travel * held.TaRate + r.CarBenefit;
  const double cap = IsMonthly(window) ? held.UifLimit : held.UifLimit * 12;
  const double uifRemuneration = r.UifBase <= cap ? r.UifBase : cap;
  r.UifEmployee = uifRemuneration * held.UifEmployeePct / 100;
  r.UifEmployer = uifRemuneration * held.UifEmployerPct / 100;
  r.SdlAmount = (r.UifBase - r.RFundAllowable) * held.SdlPct / 100;
}

void MarkRFundFieldsSet(PackageInputs& held, PackageResult& r) {
  if (held.EmployeePct > 0) {
    held.RFundEmployeeTyped = r.RFundEmployee;
    r.Updates.RFundEmployeeSet = true;
  }
  if (held.EmployerPct > 0) {
    held.RFundEmployerTyped = r.RFundEmployer;
    r.Updates.RFundEmployerSet = true;
  }
}

bool ContributionsExceedAllowable(const PackageResult& r) {
  return r.RFundEmployee + r.RFundEmployer > r.RFundAllowable;
}

// The result fields, filled from the working values whether or not this
// calculation ran to the end.
void FillShownValues(PackageWindow window, const PackageInputs& held, bool warningSet,
                     PackageResult& r) {
  PackageShownValues& s = r.Shown;
  s.numUIFCont = r.UifEmployee;
  s.numCCUIFCont = r.UifEmployer;
  s.numCCSkillLev = r.SdlAmount;
  s.numMAns = r.TaxDue;
  s.numTaxCredit = r.MedCredit + r.AddMedCredit;
  const double deduction = r.TaxDue - (r.MedCredit + r.AddMedCredit);
  s.numTaxDeduct = deduction > 0 ? deduction : 0;

  if (window.Direction == PackageDirection::NetToGross) {
    // Built from the net required, not from the net of the last trial.
    s.numGrossSal = held.NetRequired + held.MedDeduct + s.numUIFCont + s.numTaxDeduct +
                    held.OtherDedTotal + r.RFundEmployee + held.MedEmployee;
  } else {
    // The employer's medical and retirement contributions and the other fringe
    // benefits are parts of the package not paid out in cash; the other expenses are
    // paid out of the take-home pay.
    s.numGrossSal = held.Package - held.MedEmployee - held.OtherFB - r.RFundEmployee -
                    held.MedDeduct - s.numUIFCont - s.numTaxDeduct - held.MedEmployer -
                    r.RFundEmployer - held.OtherDedTotal;
  }

  s.OnceOffShown = held.CarValue > 0 && held.CarCostCC == 0 && !r.NoResult;
  s.numOnceOff = s.OnceOffShown ? held.CarValue : 0;

  if (window.Direction == PackageDirection::NetToGross) {
    s.numTotCostComp = s.numGrossSal + held.MedEmployer + s.numCCUIFCont + s.numCCSkillLev +
                       held.CarCostCC + r.RFundEmployer;
    // Set with the results, so the previous figures can show it after an early stop.
    s.RFundWarning = ContributionsExceedAllowable(r);
  } else {
    // The pension deducted in the cost-to-company column is always 0.
    const double pensionDeductedCC = 0;
    s.numTotCostComp = pensionDeductedCC + held.Package + r.RFundEmployer + s.numCCUIFCont +
                       s.numCCSkillLev + held.CarCostCC;
    // Set inside the calculation: an early stop leaves it hidden.
    s.RFundWarning = warningSet && ContributionsExceedAllowable(r);
  }
}

}  // namespace

PackageResult CalculatePackage(PackageWindow window, const PackageInputs& inputs,
                               const PackageResult& previous) {
  PackageResult r = previous;
  r.Error.reset();
  r.Updates = {};
  r.Shown = {};
  r.IncomeTaxComputed = false;
  r.AddMedCredit = 0;

  PackageInputs held = inputs;
  const bool netToGross = window.Direction == PackageDirection::NetToGross;
  const double amount = netToGross ? held.NetRequired : held.Package;
  bool ranToEnd = false;

  if (const auto bad = ValidatePackageInputs(window, inputs)) {
    r.NoResult = true;
    r.Error = PackageMessage{PackageMessageTitle, bad->Field + ": " + bad->Message};
  } else if (amount == 0) {
    r.NoResult = true;
  } else if (netToGross) {
    double fringe = held.Travel + held.OtherFB + held.OtherDedTotal;
    if (!IsMonthly(window)) fringe = fringe + held.RFundEmployeeTyped - held.RFundEmployerTyped;
    if (fringe > held.NetRequired) {
      r.NoResult = true;
      r.Error = PackageMessage{PackageMessageTitle, FringeBenefitsMessage};
    } else if (const auto stopped = RunNetToGross(window, held, r)) {
      r.NoResult = true;
      r.Error = PackageMessage{PackageMessageTitle, *stopped};
    } else {
      ranToEnd = true;
    }
  } else {
    RunGrossToNet(window, held, r);
    ranToEnd = true;
  }

  if (ranToEnd) {
    MarkRFundFieldsSet(held, r);
    r.NoResult = false;
  }
  FillShownValues(window, held, ranToEnd, r);
  return r;
}

std::string SearchLimitMessage() {
  return "No gross salary was found: the search stopped after " +
         FormatAmount(static_cast<double>(SearchTrialLimit), 0) + " trial salaries.";
}

namespace {

using Field = InputField<PackageInputs>;

template <PackageDirection direction, PackagePeriod period>
constexpr Field PackageWindowRanges[] = {
    {AgeRange, &PackageInputs::Age},
    direction == PackageDirection::NetToGross
        ? Field{PackageMoneyRange.Named("NetRequired"), &PackageInputs::NetRequired}
        : Field{PackageMoneyRange.Named("Package"), &PackageInputs::Package},
    {PackageMoneyRange.Named("CarValue"), &PackageInputs::CarValue},
    {PackageMoneyRange.Named("Travel"), &PackageInputs::Travel},
    {PackageMoneyRange.Named("OtherFB"), &PackageInputs::OtherFB},
    {PackageMoneyRange.Named("MedEmployee"), &PackageInputs::MedEmployee},
    {{"Beneficiaries", 0, static_cast<double>(PackageBeneficiariesMax(period)), 0},
     &PackageInputs::Beneficiaries},
    {PackageMoneyRange.Named("MedDeduct"), &PackageInputs::MedDeduct},
    {PackageMoneyRange.Named("RFundEmployeeTyped"), &PackageInputs::RFundEmployeeTyped},
    {{"OtherDedTotal", 0, PackageOtherExpensesMax, 2}, &PackageInputs::OtherDedTotal},
    {PackageMoneyRange.Named("CarCostCC"), &PackageInputs::CarCostCC},
    {PackageMoneyRange.Named("MedEmployer"), &PackageInputs::MedEmployer},
    {PackageMoneyRange.Named("RFundEmployerTyped"), &PackageInputs::RFundEmployerTyped},
    {SettingPercentRange.Named("EmployeePct"), &PackageInputs::EmployeePct},
    {SettingPercentRange.Named("EmployerPct"), &PackageInputs::EmployerPct},
    {SettingPercentRange.Named("UifEmployeePct"), &PackageInputs::UifEmployeePct},
    {SettingPercentRange.Named("UifEmployerPct"), &PackageInputs::UifEmployerPct},
    {SettingPercentRange.Named("SdlPct"), &PackageInputs::SdlPct},
    {SettingUifLimitRange.Named("UifLimit"), &PackageInputs::UifLimit},
    {SettingInclusionRateRange.Named("TaRate"), &PackageInputs::TaRate},
    {SettingInclusionRateRange.Named("CarFbRate"), &PackageInputs::CarFbRate},
};

}  // namespace

RangeTable<PackageInputs> PackageRanges(PackageWindow window) {
  using enum PackageDirection;
  using enum PackagePeriod;
  if (window.Direction == NetToGross) {
    return window.Period == Annual
               ? RangeTable<PackageInputs>(PackageWindowRanges<NetToGross, Annual>)
               : PackageWindowRanges<NetToGross, Monthly>;
  }
  return window.Period == Annual
             ? RangeTable<PackageInputs>(PackageWindowRanges<GrossToNet, Annual>)
             : PackageWindowRanges<GrossToNet, Monthly>;
}

std::optional<InputError> ValidatePackageInputs(PackageWindow window, const PackageInputs& in) {
  return CheckInputs(PackageRanges(window), in);
}

bool ApplyNetToGrossPercentLimit(PackageInputs& inputs) {
  if (inputs.EmployeePct + inputs.EmployerPct > NetToGrossPercentLimit) {
    inputs.EmployeePct = 0;
    inputs.EmployerPct = 0;
    return true;
  }
  return false;
}

}  // namespace reventa
