// SPDX-License-Identifier: GPL-3.0-or-later
// The loan comparison: one bond amount at one annual rate over the six terms of
// 5, 10, 15, 20, 25 and 30 years, each with its level monthly repayment, total
// interest and total paid.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "calc/finance/loan.h"

namespace reventa {

inline constexpr double BondAmountMax = 99999999.99;
inline constexpr double BondRateMax = 50;
inline constexpr std::array<std::int16_t, 6> BondTerms{60, 120, 180, 240, 300, 360};

inline constexpr InputField<LoanComparisonState> LoanComparisonRanges[] = {
    {{"BondAmount", 0, BondAmountMax, 2}, &LoanComparisonState::BondAmount},
    {LoanRateRange.Named("BondRate"), &LoanComparisonState::BondRate},
};

// BCPayCalc: the monthly repayment of `amount` over `termMonths` at the
// single-precision annual rate; 0 unless all three are non-zero.
double BCPayCalc(double amount, std::int16_t termMonths, float bondRate);

struct BondTermRow {
  std::int16_t Months = 0;
  std::string Caption;  // "5 yrs." ... "30 yrs."
  double Repayment = 0;
  double Interest = 0;  // Months x Repayment - amount, not clamped
  double Total = 0;     // Months x Repayment
};
using BondComparison = std::array<BondTermRow, BondTerms.size()>;

// The six rows, in the order of the terms.
BondComparison CompareBondTerms(double amount, float bondRate);

}  // namespace reventa
