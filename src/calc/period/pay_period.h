// SPDX-License-Identifier: GPL-3.0-or-later
// Employees' tax of one pay period: a month (or part of one), a week, a fortnight or
// a day, with UIF, the skills development levy, the medical scheme fees credits and
// the retirement-fund deduction. Each period's pay is annualised, taxed with and
// without the bonus, and the tax brought back to the period.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "taxyear/income_tax.h"
#include "taxyear/input_range.h"
#include "taxyear/tax_year.h"

namespace reventa {

// 31 March 2023, the monthly window's end date when it opens.
inline constexpr double MonthlyDefaultEndDate = 45016;

struct PayPeriodInput {
  std::int16_t Age = 0;
  double Salary = 0;  // including fringe benefits, without travel allowance and the
                      // employer's fund contribution
  double EmployerMedAid = 0;
  double EmployeeMedAid = 0;
  double RFundEmployer = 0;
  double RFundEmployee = 0;
  double Commission = 0;
  double Bonus = 0;
  double TravelAllowance = 0;
  std::int16_t Beneficiaries = 0;
  // Monthly only: first and last day paid.
  double StartDate = TaxYearStart;
  double EndDate = MonthlyDefaultEndDate;
  // Weekly and fortnightly only: working days of a normal period and days paid in
  // this one (the weekly window opens with 7 and 7, the fortnightly with 14 and 14).
  double NormalDays = 7;
  double ThisDays = 7;
  // Settings: percentages as percentages (1 means 1%), the UIF ceiling a month.
  double EmployeeUIF = 0;
  double EmployerUIF = 0;
  double SkillLevy = 0;
  double UIFLimit = 0;
  double InclusionRate = TravelInclusionHigh;  // 0.8 or 0.2
};

// Where the window puts the focus after a message.
enum class FocusTarget { StartDate, EndDate, ThisDays, CalculateButton };

// A message that stops the calculation; the window shows it with the error icon and
// leaves its previous results on screen.
struct PayPeriodMessage {
  std::string Title;
  std::string Text;
  FocusTarget Focus = FocusTarget::CalculateButton;
};

struct PayPeriodResult {
  // Set when a check stopped the calculation; nothing below is then computed.
  std::optional<PayPeriodMessage> Error;

  double RFundAllowable = 0;
  double TaxableTravelAllowance = 0;
  double UifEmployee = 0;
  double UifEmployer = 0;
  double SdlAmount = 0;
  double PeriodTax = 0;  // before credits
  double MedCredit = 0;
  double AddMedCredit = 0;
  double NetPeriodTax = 0;  // never below 0

  // The period's taxable income at a yearly rate, without the bonus.
  double AnnualisedIncome = 0;
  // The last income tax computation made (without the bonus), for the shared state
  // that QuickTax shows.
  double LastTaxableIncome = 0;
  IncomeTaxResult LastIncomeTax;
};

// Monthly PAYE. Both dates must lie in the tax year and in the same calendar month,
// the start day not after the end day. A part month is scaled up to the whole month
// before it is annualised; the regular tax is taken back in proportion to the days
// paid and the bonus tax in full. Each annual tax is floored at 0 after the rebate,
// the difference is taken, and the period tax is floored again.
PayPeriodResult ComputeMonthlyPaye(const PayPeriodInput& input);

// Weekly (P 52, D 4) and fortnightly (P 26, D 2) PAYE. ThisDays may not exceed
// NormalDays and must be at least 1. The medical credit is the monthly credit divided
// by D. The rebate is taken off the annual tax without the bonus before it is scaled
// to the period, and only the period's sum is floored at 0, so a regular income
// below the threshold reduces the tax on a bonus.
PayPeriodResult ComputeWeeklyPaye(const PayPeriodInput& input, int P, int D);

// The medical credit divisors D of the weekly and fortnightly calculations: a quarter
// and a half of the monthly credit (not 12 / 52 or 12 / 26 of it).
inline constexpr int WeeklyMedCreditDivisor = 4;
inline constexpr int FortnightlyMedCreditDivisor = 2;

// Daily PAYE: a day's pay annualised as 260 working days; the monthly medical credit
// is taken as 12 / 260 of a month. Only the period's sum is floored at 0.
PayPeriodResult ComputeDailyPaye(const PayPeriodInput& input);

// The four pay-period windows, for the limits of their fields.
enum class PayPeriodKind { Monthly, Weekly, Fortnightly, Daily };

// The inputs a window of the kind takes, in its order: age 0 to 999; the amounts
// in whole rand up to 99 999 999 (monthly) or rand and cents up to 9 999 999.99
// (the others), the retirement-fund contributions in whole rand up to 99 999 999
// in every window; beneficiaries 0 to 99; the monthly dates in the tax year, the
// weekly and fortnightly day counts 0 to 7 or 0 to 14; then the settings.
RangeTable<PayPeriodInput> PayPeriodRanges(PayPeriodKind kind);

// Checks the inputs against what the window's fields accept, for inputs that do not
// come through the window: the kind's ranges, whole day counts, and the monthly
// dates in the tax year (with the window's date messages).
std::optional<InputError> ValidatePayPeriodInput(const PayPeriodInput& input, PayPeriodKind kind);

}  // namespace reventa
