// SPDX-License-Identifier: GPL-3.0-or-later
// Income tax before rebates on an annual taxable income, by the 2024 bracket table.
#pragma once

#include <array>

namespace reventa {

struct TaxBracket {
  double floor;    // income above this amount
  double ceiling;  // income up to and including this amount
  double baseTax;  // tax at the floor
  double rate;     // marginal rate, percent
};

// The seven rows of the 2024 table (s 5(2), Rates and Monetary Amounts Act 2023).
// Each base tax is the previous base tax plus the previous row's full width at its
// rate, so the tax is continuous at every boundary.
inline constexpr std::array<TaxBracket, 7> IncomeTaxTable{{
    {0, 237100, 0, 18},
    {237100, 370500, 42678, 26},
    {370500, 512800, 77362, 31},
    {512800, 673000, 121475, 36},
    {673000, 857900, 179147, 39},
    {857900, 1817000, 251258, 41},
    {1817000, 9999999999, 644489, 45},
}};

struct IncomeTaxResult {
  double MarginalRate = 0;  // percent
  double BracketFloor = 0;
  double BracketCeiling = 0;
  double BracketBaseTax = 0;
  double PortionTax = 0;
  double TaxBeforeRebates = 0;
};

// Finds the row (an income equal to a boundary belongs to the lower row; 0 and
// negative incomes fall into row 1, an income above the last ceiling into row 7)
// and computes the portion as (income - floor) x rate / 100 in that order.
// Nothing is rounded.
IncomeTaxResult ComputeIncomeTax(double taxableIncome);

}  // namespace reventa
