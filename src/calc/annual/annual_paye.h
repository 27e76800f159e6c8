// SPDX-License-Identifier: GPL-3.0-or-later
// Annual PAYE: the employees' tax of one employee for the tax year, or for the part
// of it between a start and an end date, with the retirement-fund deduction, the tax
// on a bonus, the medical scheme fees credits month by month and the additional
// medical credit from age 65.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "taxyear/income_tax.h"
#include "taxyear/input_range.h"
#include "taxyear/tax_year.h"

namespace reventa {

// Beneficiary counts by calendar month: index 1 is January, 12 is December; index 0
// is unused so that the index is the month number, as in the window's grid.
using MonthCounts = std::array<std::int16_t, 13>;

struct AnnualInputs {
  std::int16_t AnnAge = 0;
  double AnnSalary = 0;  // without travel allowance and the employer's fund contribution
  double AnnEmployerMedAid = 0;
  double AnnEmployeeMedAid = 0;
  double AnnEmployerRFund = 0;
  double AnnEmployeeRFund = 0;
  double AnnCommissions = 0;
  double AnnBonus = 0;
  double AnnTravelAllowance = 0;
  double AnnInclusionRate = TravelInclusionHigh;  // 0.8 or 0.2
  double AnnStartDate = TaxYearStart;
  double AnnEndDate = TaxYearEnd;
  MonthCounts AnnMonthBens{};
};

struct AnnualResult {
  // Set when the calculation was refused; nothing below is then computed.
  std::optional<std::string> Error;

  double AnnAllowableRFund = 0;  // unrounded; the window shows it in whole rand
  double AnnTaxExclBonus = 0;
  double AnnBonusTax = 0;
  double AnnTaxLiability = 0;
  double AnnPAYEBeforeCredits = 0;
  double AnnSITE = 0;  // always 0 in this tax year; the report keeps the line
  double AnnMedCredit = 0;
  double AnnAddMedCredit = 0;
  double AnnTotalTaxDeduction = 0;
  double AnnPAYE = 0;
  // The counts after the calculation: months outside the period are cleared to 0
  // while medical aid contributions are present. The window shows these.
  MonthCounts AnnMonthBens{};

  // The last income tax computation made (on the regular income without the bonus),
  // for the shared state that QuickTax shows.
  double LastTaxableIncome = 0;
  IncomeTaxResult LastIncomeTax;
};

// Runs the annual calculation in the order the tax rules fix: medical credits month
// by month, rebate, allowable fund deduction, annualisation by 366 / days, tax with
// and without the bonus (whole rands when there is a travel allowance or commission),
// the period's share, the additional credit, and the floors at 0.
//
// Refuses (Error set) a start date after the end date, and a month count whose
// credit does not fit the 16-bit arithmetic the credits use (above 132 beneficiaries
// in a month); the window's fields keep both from happening.
AnnualResult CalculateAnnual(const AnnualInputs& inputs);

// The window's inputs in its order: age, the eight amounts (rand and cents up to
// 99 999 999), the travel allowance inclusion rate of the settings and the two
// dates of the tax year.
extern const InputField<AnnualInputs> AnnualRanges[12];
// Each month's beneficiary count. The window's boxes take two digits and cap a
// count above 24 with this message when they are left.
inline constexpr InputRange AnnualMonthBensRange{
    "AnnMonthBens",
    0,
    24,
    0,
    nullptr,
    "Only a maximum of 24 are allowed i.e. Principal member & first beneficiary!"};

// Checks the inputs against what the window's fields accept (AnnualRanges, then
// a start date in the tax year, an end date from the start date to the end of the
// tax year, and month counts 0 to 24). The date messages are the window's own.
std::optional<InputError> ValidateAnnualInputs(const AnnualInputs& inputs);

}  // namespace reventa
