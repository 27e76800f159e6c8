// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of the 2024 year of assessment (1 March 2023 to 29 February 2024).
// Every calculator reads them from here; no setting can change them. Amounts are
// rand, rates are fractions unless the name says percent, dates are day serials.
#pragma once

#include <cstdint>

namespace reventa {

// Dates and periods ---------------------------------------------------------

// 1 March 2023: first day of the tax year and the lowest date a tax field takes.
inline constexpr double TaxYearStart = 44986;
// 29 February 2024: last day of the tax year and the highest date a tax field takes.
inline constexpr double TaxYearEnd = 45351;
// Days in the tax year (a leap year); a shorter period is annualised by x 366 / days.
inline constexpr int TaxYearDays = 366;
static_assert(TaxYearEnd - TaxYearStart + 1 == TaxYearDays);

// Pay periods in a year, used to annualise one period's pay and divide the tax back.
inline constexpr int PeriodsPerYearMonthly = 12;
inline constexpr int PeriodsPerYearFortnightly = 26;
inline constexpr int PeriodsPerYearWeekly = 52;
inline constexpr int PeriodsPerYearDaily = 260;

// Rebates (Income Tax Act s 6(2)) -------------------------------------------

inline constexpr double PrimaryRebate = 17235;  // every natural person
inline constexpr double AgeRebate65 = 9444;     // secondary rebate, 65 to 74
inline constexpr double AgeRebate75 = 12589;    // tertiary-only addition, 75 and over
inline constexpr double RebateAge65Total = PrimaryRebate + AgeRebate65;  // 26 679
inline constexpr double RebateAge75Total = PrimaryRebate + AgeRebate75;  // 29 824
inline constexpr int AgeThreshold65 = 65;
inline constexpr int AgeThreshold75 = 75;

// Medical scheme fees tax credits (s 6A) and the additional credit (s 6B) -----

inline constexpr double MedCreditMain = 364;   // a month, first two beneficiaries each
inline constexpr double MedCreditExtra = 246;  // a month, each further beneficiary
inline constexpr double MedCreditFirstTwo = 2 * MedCreditMain;  // 728
// The additional credit uses 0.333 exactly, not one third.
inline constexpr double AddMedCreditFactor = 0.333;
inline constexpr double AddMedCreditMultiple = 3;

// Retirement funds, allowances and company cars -----------------------------

inline constexpr double RFundDeductionRate = 0.275;        // s 11F: 27.5% of the base
inline constexpr double RFundDeductionCap = 350000;        // s 11F: a year
inline constexpr double TravelInclusionHigh = 0.8;         // s 8(1)(b): usual inclusion
inline constexpr double TravelInclusionLow = 0.2;          // at least 80% business travel
inline constexpr double CarBenefitRate = 0.035;            // 7th Schedule, a month
inline constexpr double CarBenefitRateMaintPlan = 0.0325;  // with a maintenance plan
// The same two rates as per cent, for the true inclusion's daily factor. Written
// out, not 100 x the rates: 0.035 x 100 is a hair above 3.5, enough to tip a true
// inclusion of exactly half a rand the wrong way when it is rounded.
inline constexpr double CarBenefitPercent = 3.5;
inline constexpr double CarBenefitPercentMaintPlan = 3.25;

// Preferences of a new installation (the settings store's first row) -----------

// UIF: 1% each from employee and employer on remuneration up to R17 712 a month
// (Unemployment Insurance Contributions Act); skills development levy 1%.
inline constexpr double DefaultUifPercent = 1;
inline constexpr double DefaultSkillLevyPercent = 1;
inline constexpr double DefaultUifMonthlyLimit = 17712;

// Medical scheme fees credit of one month for n beneficiaries: n x 364 for up to
// two, 728 + (n - 2) x 246 above that. The arithmetic is 16-bit in the annual
// calculator; callers keep n small enough for that (see the annual calculation).
constexpr double MedCreditForMonth(int n) {
  return n <= 2 ? n * MedCreditMain : MedCreditFirstTwo + (n - 2) * MedCreditExtra;
}

// Total rebate for an age in whole years: 17 235 under 65, 26 679 from 65 to 74,
// 29 824 from 75.
constexpr double TotalRebate(std::int16_t age) {
  if (age > 64) {
    return age < 75 ? RebateAge65Total : RebateAge75Total;
  }
  return PrimaryRebate;
}

}  // namespace reventa
