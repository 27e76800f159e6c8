// SPDX-License-Identifier: GPL-3.0-or-later
// The loan solver: the four quantities of an ordinary annuity loan with monthly
// repayments (principal, period in months, annual rate in per cent, monthly
// repayment), one solved from the other three, and the monthly and yearly
// amortisation schedules. LoanState lives in the shared state
// (taxyear/shared_state.h): the loans window keeps it between openings and the
// loan buster shares its repayment.
#pragma once

#include <string>
#include <vector>

#include "taxyear/input_range.h"
#include "taxyear/shared_state.h"

namespace reventa {

// The window's limits.
inline constexpr double LoanPrincipalMax = 99999999.99;
inline constexpr double LoanPeriodMax = 600;
inline constexpr double LoanRateMax = 50;
// The largest repayment a loan within the other three limits has: the largest
// principal repaid in one month at the highest rate, 99 999 999.99 x (1 + 50 / 1200)
// = 104 166 666.656 25, to the cent above. A repayment the solver answers can be
// typed back in, and every schedule of such a loan can be asked for.
inline constexpr double LoanRepaymentMax = 104166666.66;

// The four modes, as the options caption them and CalcMode holds them.
inline constexpr const char* LoanModeRepayment = "Monthly repayment";
inline constexpr const char* LoanModePrincipal = "Principal amount";
inline constexpr const char* LoanModePeriod = "Repayment period";
inline constexpr const char* LoanModeRate = "Interest rate";

// The monthly rate i = AnnualRate / 12 / 100.
double MonthlyLoanRate(double annualRate);

// RPAYMENT: the repayment of the loan, 0 unless principal, period and rate are all
// non-zero (interest-free loans are not supported).
double LoanRepayment(double principal, double period, double annualRate);
// PAMOUNT: the principal that the repayment pays off, 0 unless period, rate and
// repayment are all non-zero.
double LoanPrincipal(double period, double annualRate, double repayment);

// What a solve found. Adjusted: the period search reached 0 months (the
// repayment pays more than the whole loan with one month's interest); the
// result is then a period of 1 month with the repayment that pays the loan off
// in one month.
struct LoanSolve {
  double Principal = 0;
  double Period = 0;
  double AnnualRate = 0;
  double Repayment = 0;
  bool Adjusted = false;
};

// PER, found directly: the whole months the repayment does not yet overpay, and
// the repayment raised in steps of 0.01 until that many months pay off the loan;
// period 0 (and the repayment as given) when 600 months are not enough. The
// repayment given is the one to search from (LoanCalc lowers the typed repayment
// by 0.01 first). Guard: principal, rate and repayment all non-zero, else period 0.
LoanSolve SolveLoanPeriod(double principal, double annualRate, double repayment);
// Rate, found directly: the largest rate on the 0.01 grid, built by steps of 5, 1,
// 0.1 and 0.01 from 0 exactly as the stepped search accumulates it, whose
// repayment does not exceed the repayment given; 0 when even 0.01 is too much.
// Guard: principal, period and repayment all non-zero, else 0.
double SolveLoanRate(double principal, double period, double repayment);

// The same searches step by step, as the reference the fast ones are checked
// against. They can take millions of steps; `maxSteps` bounds them (false when
// the bound was reached, with the result then unset).
bool SteppedLoanPeriod(double principal, double annualRate, double repayment, long long maxSteps,
                       LoanSolve& out);
bool SteppedLoanRate(double principal, double period, double repayment, long long maxSteps,
                     double& rate);

// LoanCalc: solves the mode's quantity in the state (the period mode lowers the
// repayment by 0.01 first and adjusts it, never below 0, and keeps the principal it searched
// for in `savedPrincipal`, the loan buster's SavedPrincipal; the rate mode starts
// from 0). Returns the solve; RateError when a solved rate is above 50.
struct LoanCalcResult {
  LoanSolve Solve;
  bool RateError = false;
  double TotalInterest = 0;    // LoanTotalInterest
  double TotalRepayments = 0;  // LoanTotalRepayments
};
LoanCalcResult LoanCalc(LoanState& loan, double& savedPrincipal);

// The loan's total interest (Repayment x Period - Principal) and total repayments
// (Repayment x Period), each 0 where it would be negative: a period search that
// found no period, or a rate search that found no rate, leaves no interest.
double LoanTotalInterest(const LoanState& loan);
double LoanTotalRepayments(const LoanState& loan);

// One line of a schedule: a month (or year) number, the capital and interest
// parts and the balance outstanding after it.
struct AmortisationRow {
  int Number = 0;
  double Capital = 0;
  double Interest = 0;
  double Balance = 0;
};

// The monthly schedule of the loan, the repayment recomputed from principal, rate
// and period; empty unless all four loan values are non-zero. A principal below
// half a cent counts as the 0.00 it shows, so no schedule has figures down where
// a double loses its precision.
std::vector<AmortisationRow> MonthlySchedule(const LoanState& loan);

struct AnnualSchedule {
  std::vector<AmortisationRow> Years;
  int WholeYears = 0;
  int YearRows = 0;
  int LastYearKind = 0;  // 1: whole years; 2: a part year ends the schedule
};
// CalcAnnAmort: whole years from the monthly schedule, then a part year balanced
// against the loan's totals with the repayment held in the state.
AnnualSchedule CalcAnnAmort(const LoanState& loan);

// The messages of the window's fields.
inline constexpr const char* LoanRateTitle = "Incorrect Interest Rate!";
inline constexpr const char* LoanRateText = "The maximum interest rate allowed is 50%";
inline constexpr const char* LoanPeriodTitle = "Incorrect Period!";
inline constexpr const char* LoanPeriodText = "The maximum period  allowed is 600 months";

// The period and rate fields, which the loan buster and the loan comparison share.
inline constexpr InputRange LoanPeriodRange{"Period",      0, LoanPeriodMax, 0, LoanPeriodTitle,
                                            LoanPeriodText};
inline constexpr InputRange LoanRateRange{"AnnualRate",  0,           LoanRateMax, 3,
                                          LoanRateTitle, LoanRateText};
// The loans window's four fields.
inline constexpr InputField<LoanState> LoanRanges[] = {
    {{"Principal", 0, LoanPrincipalMax, 2}, &LoanState::Principal},
    {LoanPeriodRange, &LoanState::Period},
    {LoanRateRange, &LoanState::AnnualRate},
    {{"Repayment", 0, LoanRepaymentMax, 2}, &LoanState::Repayment},
};

}  // namespace reventa
