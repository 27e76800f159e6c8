// SPDX-License-Identifier: GPL-3.0-or-later
// The loan buster: what a fixed extra monthly payment does to a loan repaid in
// equal monthly instalments. It works on the shared loan buster values and on the
// loan solver's repayment (LoanState::Repayment), so a calculation here changes
// what the loans window shows when it is next activated.
#pragma once

#include <cstdint>
#include <vector>

#include "calc/finance/loan.h"
#include "taxyear/shared_state.h"

namespace reventa {

// The window's limits: principal and extra payment as the loans window's
// principal, the period and rate as its period and rate.
inline constexpr double LoanBusterAmountMax = LoanPrincipalMax;

// BRPAYMENT: the monthly repayment of `principal` over `workPeriod` months at the
// single-precision annual rate, 0 unless all three are non-zero.
double BRPAYMENT(double principal, std::int16_t workPeriod, float loanRate);
// BPAMOUNT: the principal `workPeriod` repayments pay off, 0 unless the rate, the
// period and the repayment are all non-zero.
double BPAMOUNT(std::int16_t workPeriod, float loanRate, double repayment);
// BPER: the period the repayment pays the principal off in, the repayment raised
// by cents until that period does, found directly (no cent-by-cent loop). Period
// 0 when more than 600 months are needed; 1 month, adjusted, when even one
// month's payment pays off more than the loan. Guard: principal, rate and
// repayment non-zero, else period 0.
LoanSolve BPER(double principal, float loanRate, double repayment);

// The window's results: without the extra payment, then with it.
struct LoanBusterResult {
  double Repayment = 0;
  double TotalInterest = 0;
  double TotalRepayments = 0;
  std::int16_t NewPeriod = 0;
  double NewRepayment = 0;
  double NewTotalInterest = 0;
  double NewTotalRepayments = 0;
  double TotalSaving = 0;
  // The second column was worked out by this calculation (false when the extra
  // payment is more than ten times the repayment: it keeps the previous values).
  bool ExtraWorked = false;
  bool Adjusted = false;  // the period search reached 0 months
};

// BBCalc: the repayment and totals for `period` months, then the shorter period
// with the extra payment, the extra payment actually needed after the cent steps
// (written back into `buster.ExtraPayment`) and the saving. Where the extra
// payment saves nothing (no shorter period for less), the second column is the
// loan as it stands, the extra payment stays as typed and the saving is 0. `loanRepayment` is
// the loan solver's repayment, left at the new repayment; `buster.SavedPrincipal`
// holds the principal searched for. `result` holds the previous calculation,
// whose second column stays when the extra payment is above ten times the
// repayment.
void BBCalc(LoanBusterState& buster, double& loanRepayment, std::int16_t period,
            LoanBusterResult& result);

// The balance outstanding after each of `months` repayments (element 0 is the
// principal), never below 0: the chart of the loan with and without the extra.
std::vector<double> OutstandingBalances(double principal, float loanRate, double repayment,
                                        int months);

// The window's inputs; it keeps the period itself, in whole months.
inline constexpr InputField<LoanBusterState> LoanBusterRanges[] = {
    {{"LoanPrincipal", 0, LoanBusterAmountMax, 2}, &LoanBusterState::LoanPrincipal},
    {LoanPeriodRange},
    {LoanRateRange.Named("LoanRate"), &LoanBusterState::LoanRate},
    {{"ExtraPayment", 0, LoanBusterAmountMax, 2}, &LoanBusterState::ExtraPayment},
};

}  // namespace reventa
