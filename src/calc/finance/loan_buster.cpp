// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/finance/loan_buster.h"

#include <algorithm>
#include <cmath>

namespace reventa {
namespace {

// The rate as the routines use it: the single-precision value, widened.
double Rate(float loanRate) { return static_cast<double>(loanRate); }

double NotNegative(double value) { return value < 0 ? 0 : value; }

}  // namespace

double BRPAYMENT(double principal, std::int16_t workPeriod, float loanRate) {
  return LoanRepayment(principal, workPeriod, Rate(loanRate));
}

double BPAMOUNT(std::int16_t workPeriod, float loanRate, double repayment) {
  return LoanPrincipal(workPeriod, Rate(loanRate), repayment);
}

LoanSolve BPER(double principal, float loanRate, double repayment) {
  return SolveLoanPeriod(principal, Rate(loanRate), repayment);
}

void BBCalc(LoanBusterState& buster, double& loanRepayment, std::int16_t period,
            LoanBusterResult& result) {
  const double principal = buster.LoanPrincipal;
  loanRepayment = BRPAYMENT(principal, period, buster.LoanRate);
  result.Repayment = loanRepayment;
  result.TotalInterest = NotNegative(result.Repayment * period - principal);
  result.TotalRepayments = NotNegative(period * result.Repayment);
  result.ExtraWorked = false;
  result.Adjusted = false;
  if (!(result.Repayment * 10 >= buster.ExtraPayment)) return;

  const double typedExtra = buster.ExtraPayment;
  buster.ExtraPayment -= 0.01;
  loanRepayment = buster.ExtraPayment + result.Repayment;
  buster.SavedPrincipal = principal;
  const LoanSolve solve = BPER(principal, buster.LoanRate, loanRepayment);
  // With no repayment and no extra payment the search starts a cent below 0; a
  // repayment is never negative.
  loanRepayment = NotNegative(solve.Repayment);

  result.ExtraWorked = true;
  result.Adjusted = solve.Adjusted;
  result.NewRepayment = loanRepayment;
  result.NewPeriod = static_cast<std::int16_t>(solve.Period);
  result.NewTotalInterest = NotNegative(result.NewRepayment * result.NewPeriod - principal);
  result.NewTotalRepayments = NotNegative(result.NewPeriod * result.NewRepayment);
  result.TotalSaving = period * result.Repayment - result.NewPeriod * result.NewRepayment;
  if (typedExtra == 0) {
    buster.ExtraPayment = 0;
    result.NewTotalInterest = result.TotalInterest;
    result.NewTotalRepayments = result.TotalRepayments;
    result.TotalSaving = 0;
    return;
  }
  // The extra payment saves only when the loan is paid off in fewer months for
  // less. The cent the search starts below the extra payment can cancel a small
  // one (the raise then overshoots), a loan of one month cannot be shortened (its
  // one-month repayment differs from the repayment by rounding alone), and a
  // search beyond 600 months finds no period: the loan then stays as it is.
  const bool saves = result.NewPeriod > 0 && result.NewPeriod < period && result.TotalSaving > 0;
  if (!saves) {
    buster.ExtraPayment = typedExtra;
    loanRepayment = result.Repayment;
    result.NewPeriod = period;
    result.NewRepayment = result.Repayment;
    result.NewTotalInterest = result.TotalInterest;
    result.NewTotalRepayments = result.TotalRepayments;
    result.TotalSaving = 0;
    return;
  }
  // The extra payment actually needed after the cent steps.
  buster.ExtraPayment = loanRepayment - result.Repayment;
}

std::vector<double> OutstandingBalances(double principal, float loanRate, double repayment,
                                        int months) {
  std::vector<double> balances;
  if (months < 0) return balances;
  balances.reserve(static_cast<std::size_t>(months) + 1);
  const double growth = 1 + MonthlyLoanRate(Rate(loanRate));
  double balance = principal;
  balances.push_back(balance);
  for (int month = 1; month <= months; ++month) {
    balance = std::max(0.0, balance * growth - repayment);
    balances.push_back(balance);
  }
  return balances;
}

}  // namespace reventa
