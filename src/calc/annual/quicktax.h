// SPDX-License-Identifier: GPL-3.0-or-later
// QuickTax: income tax, rebates, tax commitment and average rates on an annual
// taxable income for an age in whole years.
#pragma once

#include <cstdint>

#include "taxyear/income_tax.h"
#include "taxyear/input_range.h"

namespace reventa {

struct QuickTaxInput {
  double TaxableIncome = 0;
  std::int16_t QuickAge = 0;
};

// The window's two inputs: a taxable income in rand and cents up to
// 9 999 999 999.99, and an age in whole years.
inline constexpr InputField<QuickTaxInput> QuickTaxRanges[] = {
    {{"TaxableIncome", 0, 9999999999.99, 2}, &QuickTaxInput::TaxableIncome},
    {AgeRange.Named("QuickAge"), &QuickTaxInput::QuickAge},
};

struct QuickTaxResult {
  double QuickIncome = 0;         // the income taken at this calculation
  double QuickRebate = 0;         // total rebate for the age
  double QuickTotalTax = 0;       // tax before rebates
  double QuickTaxCommitment = 0;  // tax after rebates, never below 0
  double QuickAvgBefore = 0;      // percent
  double QuickAvgAfter = 0;       // percent, never below 0
  IncomeTaxResult Tax;            // the bracket split shown on the portion line
  // The monthly tax commitment printed on the report: one twelfth of the commitment.
  double TaxCom4Monthly() const { return QuickTaxCommitment / 12; }
};

// The average rate before rebates falls back to the marginal rate when there is no
// tax (an income of 0 shows 18%); nothing is rounded.
QuickTaxResult ComputeQuickTax(const QuickTaxInput& input);

}  // namespace reventa
