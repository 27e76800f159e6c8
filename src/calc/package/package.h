// SPDX-License-Identifier: GPL-3.0-or-later
// Salary package calculations: net-to-gross (the gross salary an employer must pay
// for a given take-home pay, found by a whole-rand search) and gross-to-net (the
// take-home pay of a package, in one pass), each for a year or a month, with the
// employer's total cost. The four package windows fill a PackageInputs record,
// call CalculatePackage with the PackageResult they keep, and show what it returns.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "taxyear/income_tax.h"
#include "taxyear/input_range.h"
#include "taxyear/settings_ranges.h"

namespace reventa {

enum class PackageDirection { NetToGross, GrossToNet };
enum class PackagePeriod { Annual, Monthly };

struct PackageWindow {
  PackageDirection Direction = PackageDirection::NetToGross;
  PackagePeriod Period = PackagePeriod::Annual;
};

inline constexpr PackageWindow NetToGrossAnnual{PackageDirection::NetToGross,
                                                PackagePeriod::Annual};
inline constexpr PackageWindow NetToGrossMonthly{PackageDirection::NetToGross,
                                                 PackagePeriod::Monthly};
inline constexpr PackageWindow GrossToNetAnnual{PackageDirection::GrossToNet,
                                                PackagePeriod::Annual};
inline constexpr PackageWindow GrossToNetMonthly{PackageDirection::GrossToNet,
                                                 PackagePeriod::Monthly};

// The limits of the package windows' fields. Values outside them never reach a
// calculation: the fields refuse them, and the command line reports them.
inline constexpr double PackageMoneyMax = 99999999.99;
inline constexpr double PackagePercentMax = SettingPercentRange.Max;
inline constexpr double PackageUifLimitMax = SettingUifLimitRange.Max;
// The four "Other Expenses" amounts come in as their total.
inline constexpr double PackageOtherExpensesMax = 4 * PackageMoneyMax;
// Beneficiary-months a year, or beneficiaries in the monthly windows.
constexpr std::int16_t PackageBeneficiariesMax(PackagePeriod period) {
  return period == PackagePeriod::Annual ? 999 : 99;
}
// In the net-to-gross windows the employee and employer retirement-fund percentages
// together may not exceed the 27.5% that the fund deduction allows.
inline constexpr double NetToGrossPercentLimit = 27.5;

// Amounts are rand of the window's period (a year or a month); percentages are held
// as percentages (7.5 means 7.5%).
struct PackageInputs {
  std::int16_t Age = 0;
  double NetRequired = 0;  // net-to-gross: the take-home pay wanted
  double Package = 0;      // gross-to-net: the package offered (same window field)
  double CarValue = 0;     // determined value of the company car, 0 = no car
  double CarCostCC = 0;    // employer's cost of the car (cost-to-company column)
  double Travel = 0;       // travel allowance
  double MedEmployee = 0;  // employee's medical scheme contribution
  double MedEmployer = 0;  // employer's medical scheme contribution
  // Beneficiary-months a year in the annual windows, beneficiaries in the monthly.
  std::int16_t Beneficiaries = 0;
  double OtherFB = 0;        // other taxable fringe benefits
  double MedDeduct = 0;      // medical deductions, used only from age 65
  double OtherDedTotal = 0;  // the four "Other Expenses" amounts together
  // The retirement-fund amounts in the window's fields; replaced by the calculation
  // while the matching percentage is above 0.
  double RFundEmployeeTyped = 0;
  double RFundEmployerTyped = 0;
  double EmployeePct = 0;  // employee retirement-fund contribution, percent
  double EmployerPct = 0;  // employer retirement-fund contribution, percent
  double UifEmployeePct = 1;
  double UifEmployerPct = 1;
  double SdlPct = 1;
  double UifLimit = 17712;  // UIF monthly remuneration limit, in both periods
  double TaRate = 0.8;      // travel allowance inclusion rate, 0.8 or 0.2
  double CarFbRate = 0.8;   // company car fringe benefit inclusion rate, 0.8 or 0.2
  bool MaintenancePlan = false;
};

// A message box the window shows (OK button, no icon).
struct PackageMessage {
  std::string Title;
  std::string Text;
};

inline constexpr const char* PackageMessageTitle = "Reventa2024";
inline constexpr const char* FringeBenefitsMessage = "Fringe benefits more than salary required!";
inline constexpr const char* RFundWarningText = "R/Fund contributions exceed allowable limits!";
// Only reachable by calling the search with values the windows refuse (an
// employee percentage of 100 or more): no whole-rand salary then ever gives more
// than the net required, and a plain rand-by-rand search would never end.
inline constexpr const char* NoGrossSalaryMessage =
    "No gross salary gives more than the net salary required.";
// The search gave up at its limit of trial salaries (package_search.h) before it
// found the gross salary; the text names the limit.
std::string SearchLimitMessage();

// The inputs of the window, in its order (the main fields, the cost-to-company
// column, the settings): age 0 to 999, beneficiaries 0 to 999 (annual) or 99
// (monthly), money 0 to 99 999 999.99 (the other expenses together four times
// that), percentages 0 to 100, the UIF limit 0 to 999 999, the two inclusion
// rates 0 to 1. The net-to-gross windows take NetRequired, the gross-to-net ones
// Package. Within these limits no figure of either calculation overflows.
RangeTable<PackageInputs> PackageRanges(PackageWindow window);
// One money field of the windows, as each of the four other expenses.
inline constexpr InputRange PackageMoneyRange{"", 0, PackageMoneyMax, 2};

// The first input, in the window's order, outside PackageRanges.
std::optional<InputError> ValidatePackageInputs(PackageWindow window, const PackageInputs& inputs);

// What a calculation writes back into the window's own input fields.
struct PackageFieldUpdates {
  bool MedDeductCleared = false;      // numMedDeduct := 0 (age under 65)
  bool BeneficiariesCleared = false;  // numPMems := 0 (no medical contributions)
  bool RFundEmployeeSet = false;      // numRFundCont := RFundEmployee
  bool RFundEmployerSet = false;      // numCCRFundCont := RFundEmployer
};

// The result fields as the window shows them after Calculate.
struct PackageShownValues {
  double numUIFCont = 0;     // employee UIF
  double numCCUIFCont = 0;   // employer UIF
  double numCCSkillLev = 0;  // skills levy
  double numMAns = 0;        // "Tax due"
  double numTaxCredit = 0;   // "Tax credit"
  double numTaxDeduct = 0;   // "Tax deduction"
  // Net-to-gross: "Gross salary", built from the net required; gross-to-net:
  // "Net salary(take-home)".
  double numGrossSal = 0;
  double numTotCostComp = 0;  // "Total cost to company R"
  double numOnceOff = 0;      // the car's value while the once-off note shows, else 0
  bool OnceOffShown = false;
  bool RFundWarning = false;  // "R/Fund contributions exceed allowable limits!", Print off
};

struct PackageResult {
  // Working values. The window keeps them between calculations: a calculation that
  // stops early leaves the previous figures here, and the fields show them again.
  double TrialSalary = 0;  // net-to-gross: the gross salary found
  double CarBenefit = 0;
  double Rebate = 0;  // annual amount
  double MedCredit = 0;
  double AddMedCredit = 0;
  double RFundEmployee = 0;
  double RFundEmployer = 0;
  double RFundAllowable = 0;
  double UifBase = 0;
  double UifEmployee = 0;
  double UifEmployer = 0;
  double SdlAmount = 0;
  double TaxDue = 0;      // tax of the period after the rebate, before credits
  double NetAtTrial = 0;  // net-to-gross: net pay at TrialSalary
  bool NoResult = false;  // the last calculation stopped before a result

  // Of this calculation only.
  std::optional<PackageMessage> Error;  // the message the window shows, if it stopped
  PackageFieldUpdates Updates;
  PackageShownValues Shown;
  // The last income tax computation of this calculation, for the shared state.
  // False when it stopped before computing any tax; the Last values are then the
  // previous calculation's.
  bool IncomeTaxComputed = false;
  double LastTaxableIncome = 0;
  IncomeTaxResult LastIncomeTax;
};

// Runs Calculate of the window on the inputs. `previous` is the PackageResult the
// window holds (a default record when the window has just opened or was reset); the
// working values are carried from it when the calculation stops early:
// - an input that ValidatePackageInputs refuses stops with "<Field>: <what is
//   wrong>" as the message;
// - the net required (or package) exactly 0 stops with no message;
// - net-to-gross only: travel allowance + other fringe benefits + other expenses
//   (annual window: + employee - employer retirement-fund amounts typed) above the
//   net required stops with "Fringe benefits more than salary required!";
// - net-to-gross only: a search that reaches its limit of trials stops with
//   SearchLimitMessage().
// Nothing is rounded; the arithmetic follows the windows' order step by step.
PackageResult CalculatePackage(PackageWindow window, const PackageInputs& inputs,
                               const PackageResult& previous = {});

// Net-to-gross windows: the employee and employer percentages together above 27.5
// are both set to 0, silently, whenever either changes and when the settings are
// saved. Returns whether it reset them.
bool ApplyNetToGrossPercentLimit(PackageInputs& inputs);

}  // namespace reventa
