// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/finance/loan_comparison.h"

#include "calc/finance/loan.h"

namespace reventa {

double BCPayCalc(double amount, std::int16_t termMonths, float bondRate) {
  return LoanRepayment(amount, termMonths, static_cast<double>(bondRate));
}

BondComparison CompareBondTerms(double amount, float bondRate) {
  BondComparison rows;
  for (std::size_t k = 0; k < BondTerms.size(); ++k) {
    BondTermRow& row = rows[k];
    row.Months = BondTerms[k];
    row.Caption = std::to_string(row.Months / 12) + " yrs.";
    row.Repayment = BCPayCalc(amount, row.Months, bondRate);
    row.Interest = row.Months * row.Repayment - amount;
    row.Total = row.Months * row.Repayment;
  }
  return rows;
}

}  // namespace reventa
