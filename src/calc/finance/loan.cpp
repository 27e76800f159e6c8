// SPDX-License-Identifier: GPL-3.0-or-later
// The loan solver. The stepped searches are kept exactly as the loans window has
// always run them; the fast ones reach the same answers with a handful of
// evaluations by exploiting that the principal a repayment pays off grows with the
// period and the repayment, and the repayment grows with the rate.
#include "calc/finance/loan.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace reventa {
namespace {

// The repayment is raised, and the rate built, by adding these to a double, as the
// window does; the sums carry the rounding of every addition.
constexpr double CentStep = 0.01;
constexpr double RateSteps[] = {5, 1, 0.1, 0.01};
constexpr int LastPeriod = 600;

// Counts the evaluations of a stepped search against its bound.
struct StepBudget {
  long long left;
  bool Take() { return left-- > 0; }
};

// The value after `count` additions of 0.01 to `x`, each rounded to double, as the
// cent-by-cent raise leaves it. Inside one binade every addition after the second
// adds the same amount (after a tie rounded to even the parity of the last bit
// stays even), so whole runs are added at once; the additions near a binade edge
// and the first two in each binade are made one by one.
double AddCents(double x, std::int64_t count) {
  while (count > 0) {
    x += CentStep;
    --count;
    if (count == 0 || x <= 0 || !std::isfinite(x)) continue;
    const double second = x + CentStep;
    if (std::ilogb(second) != std::ilogb(x)) continue;
    x = second;
    --count;
    const double delta = (x + CentStep) - x;
    const double binadeEnd = std::ldexp(1.0, std::ilogb(x) + 1);
    // Stop two additions short of the binade's end; those are made one by one.
    const double room = std::floor((binadeEnd - x) / delta) - 2;
    if (room <= 0) continue;
    const std::int64_t run = std::min<std::int64_t>(count, static_cast<std::int64_t>(room));
    x += static_cast<double>(run) * delta;  // exact: a multiple of the binade's unit
    count -= run;
  }
  return x;
}

// The smallest m >= 1 for which `holds(m)` is true, for a test that is false and
// then true as m grows, searched outwards from the guess and then by halving.
template <typename Test>
std::int64_t FirstHolding(std::int64_t guess, Test holds) {
  constexpr std::int64_t Limit = std::int64_t{1} << 52;
  std::int64_t lo = 0;  // holds(lo) false (0 counts as false)
  std::int64_t hi = 0;  // holds(hi) true
  guess = std::max<std::int64_t>(1, std::min(guess, Limit));
  if (holds(guess)) {
    hi = guess;
    std::int64_t step = 1;
    while (true) {
      const std::int64_t below = hi - step;
      if (below < 1) break;
      if (!holds(below)) {
        lo = below;
        break;
      }
      hi = below;
      step *= 2;
    }
  } else {
    lo = guess;
    std::int64_t step = 1;
    while (true) {
      const std::int64_t above = std::min(lo + step, Limit);
      if (holds(above)) {
        hi = above;
        break;
      }
      if (above == Limit) return Limit;
      lo = above;
      step *= 2;
    }
  }
  while (hi - lo > 1) {
    const std::int64_t mid = lo + (hi - lo) / 2;
    if (holds(mid)) {
      hi = mid;
    } else {
      lo = mid;
    }
  }
  return hi;
}

// The answer when the search reaches 0 months: one month that pays the loan off.
LoanSolve OneMonth(double target, double annualRate) {
  LoanSolve s;
  s.Principal = target;
  s.Period = 1;
  s.AnnualRate = annualRate;
  s.Repayment = target * (1 + MonthlyLoanRate(annualRate));
  s.Adjusted = true;
  return s;
}

// One stage of the rate search: add `step` while the repayment at the rate stays
// within the target, then take the last step back. False when the budget ran out.
bool RateStage(double principal, double period, double target, double step, double& rate,
               StepBudget& budget) {
  do {
    if (!budget.Take()) return false;
    // A rate so large that the step no longer changes it (a principal far below a
    // cent): there is nothing finer to find, and adding would never end.
    if (rate + step == rate) return true;
    rate += step;
  } while (LoanRepayment(principal, period, rate) <= target);
  rate -= step;
  return true;
}

// The share of the principal that `period` repayments pay off per rand of
// repayment, times i: 1 - (1 + i)^-period. A rate so small that 1 + i rounds to 1
// would make it 0 (and the repayment infinite); it is then worked out without
// forming 1 + i. Every other rate gives the plain formula's value, bit for bit.
double PaidOffShare(double i, double period) {
  const double share = 1 - std::pow(1 + i, -period);
  if (share != 0) return share;
  return -std::expm1(-period * std::log1p(i));
}

double NotNegative(double value) { return value < 0 ? 0 : value; }

// Half a cent: an amount below it shows as 0.00.
constexpr double HalfCent = 0.005;

}  // namespace

double MonthlyLoanRate(double annualRate) { return annualRate / 12 / 100; }

double LoanRepayment(double principal, double period, double annualRate) {
  if (principal == 0 || period == 0 || annualRate == 0) return 0;
  const double i = MonthlyLoanRate(annualRate);
  return i * principal / PaidOffShare(i, period);
}

double LoanPrincipal(double period, double annualRate, double repayment) {
  if (period == 0 || annualRate == 0 || repayment == 0) return 0;
  const double i = MonthlyLoanRate(annualRate);
  return PaidOffShare(i, period) * repayment / i;
}

bool SteppedLoanPeriod(double principal, double annualRate, double repayment, long long maxSteps,
                       LoanSolve& out) {
  LoanSolve s;
  s.Principal = principal;
  s.AnnualRate = annualRate;
  s.Repayment = repayment;
  if (principal == 0 || annualRate == 0 || repayment == 0) {
    out = s;
    return true;
  }
  const double target = principal;
  StepBudget budget{maxSteps};
  for (int period = 1;; ++period) {
    if (!budget.Take()) return false;
    const double paidOff = LoanPrincipal(period, annualRate, repayment);
    if (period > LastPeriod) {
      s.Period = 0;
      break;
    }
    if (paidOff > target) {
      --period;
      // At 0 months nothing is ever paid off and the raise would never end.
      if (period == 0) {
        out = OneMonth(target, annualRate);
        return true;
      }
      double raised = repayment;
      do {
        if (!budget.Take()) return false;
        raised += CentStep;
      } while (!(LoanPrincipal(period, annualRate, raised) >= target));
      s.Period = period;
      s.Repayment = raised;
      break;
    }
    if (paidOff == target) {
      s.Period = period;
      break;
    }
  }
  out = s;
  return true;
}

bool SteppedLoanRate(double principal, double period, double repayment, long long maxSteps,
                     double& rate) {
  if (principal == 0 || period == 0 || repayment == 0) {
    rate = 0;
    return true;
  }
  StepBudget budget{maxSteps};
  double r = 0;
  for (const double step : RateSteps) {
    if (!RateStage(principal, period, repayment, step, r, budget)) return false;
  }
  rate = r;
  return true;
}

LoanSolve SolveLoanPeriod(double principal, double annualRate, double repayment) {
  LoanSolve s;
  s.Principal = principal;
  s.AnnualRate = annualRate;
  s.Repayment = repayment;
  if (principal == 0 || annualRate == 0 || repayment == 0) return s;
  const double target = principal;
  auto paysOff = [&](int period) { return LoanPrincipal(period, annualRate, repayment) >= target; };

  // The first month count whose principal reaches the target: the closed form
  // n = -log(1 - P i / R) / log(1 + i) as the guess, then the neighbours checked
  // exactly as the stepped search compares them.
  const double i = MonthlyLoanRate(annualRate);
  const double estimate = -std::log(1 - principal * i / repayment) / std::log(1 + i);
  int n = LastPeriod + 1;
  if (std::isfinite(estimate)) {
    n = static_cast<int>(std::clamp(std::ceil(estimate), 1.0, LastPeriod + 1.0));
  }
  while (n > 1 && paysOff(n - 1)) --n;
  while (n <= LastPeriod && !paysOff(n)) ++n;
  if (n > LastPeriod) return s;  // 600 months are not enough: period 0

  if (LoanPrincipal(n, annualRate, repayment) == target) {
    s.Period = n;
    return s;
  }
  const int period = n - 1;
  if (period == 0) return OneMonth(target, annualRate);

  // The fewest cent steps after which `period` months pay off the loan: the closed
  // form repayment as the guess, the cent sums made as the steps make them.
  const double needed = LoanRepayment(target, period, annualRate);
  const double guess = std::ceil((needed - repayment) / CentStep);
  const std::int64_t cents =
      FirstHolding(std::isfinite(guess) ? static_cast<std::int64_t>(std::max(guess, 1.0)) : 1,
                   [&](std::int64_t m) {
                     return LoanPrincipal(period, annualRate, AddCents(repayment, m)) >= target;
                   });
  s.Period = period;
  s.Repayment = AddCents(repayment, cents);
  return s;
}

double SolveLoanRate(double principal, double period, double repayment) {
  if (principal == 0 || period == 0 || repayment == 0) return 0;
  // The 5% stage: the first count a of 5-steps whose repayment exceeds the target.
  // 5a is exact in double, so it is the rate the stepped sum reaches.
  const std::int64_t over = FirstHolding(1, [&](std::int64_t a) {
    return LoanRepayment(principal, period, 5.0 * static_cast<double>(a)) > repayment;
  });
  double rate = 5.0 * static_cast<double>(over - 1);
  // The finer stages as the stepped search runs them; each takes about ten steps,
  // and the budget bounds them whatever the inputs.
  StepBudget budget{1'000'000};
  for (std::size_t k = 1; k < std::size(RateSteps); ++k) {
    RateStage(principal, period, repayment, RateSteps[k], rate, budget);
  }
  return rate;
}

LoanCalcResult LoanCalc(LoanState& loan, double& savedPrincipal) {
  LoanCalcResult result;
  if (loan.CalcMode == LoanModePrincipal) {
    loan.Principal = LoanPrincipal(loan.Period, loan.AnnualRate, loan.Repayment);
  } else if (loan.CalcMode == LoanModePeriod) {
    loan.Repayment -= 0.01;
    if (loan.Principal != 0 && loan.AnnualRate != 0 && loan.Repayment != 0) {
      savedPrincipal = loan.Principal;
    }
    const LoanSolve s = SolveLoanPeriod(loan.Principal, loan.AnnualRate, loan.Repayment);
    loan.Principal = s.Principal;
    loan.Period = s.Period;
    // A repayment of 0 is searched from a cent below it; a repayment is never
    // negative.
    loan.Repayment = NotNegative(s.Repayment);
    result.Solve.Adjusted = s.Adjusted;
  } else if (loan.CalcMode == LoanModeRate) {
    loan.AnnualRate = 0;
    loan.AnnualRate = SolveLoanRate(loan.Principal, loan.Period, loan.Repayment);
    result.RateError = loan.AnnualRate > LoanRateMax;
  } else {
    loan.Repayment = LoanRepayment(loan.Principal, loan.Period, loan.AnnualRate);
  }
  result.Solve.Principal = loan.Principal;
  result.Solve.Period = loan.Period;
  result.Solve.AnnualRate = loan.AnnualRate;
  result.Solve.Repayment = loan.Repayment;
  result.TotalInterest = LoanTotalInterest(loan);
  result.TotalRepayments = LoanTotalRepayments(loan);
  return result;
}

double LoanTotalInterest(const LoanState& loan) {
  return NotNegative(loan.Repayment * loan.Period - loan.Principal);
}

double LoanTotalRepayments(const LoanState& loan) {
  return NotNegative(loan.Repayment * loan.Period);
}

std::vector<AmortisationRow> MonthlySchedule(const LoanState& loan) {
  std::vector<AmortisationRow> rows;
  if (std::fabs(loan.Principal) < HalfCent || loan.Period == 0 || loan.AnnualRate == 0 ||
      loan.Repayment == 0) {
    return rows;
  }
  const double i = MonthlyLoanRate(loan.AnnualRate);
  const double n = loan.Period;
  // Recomputed from principal, rate and period, not the repayment held.
  const double r = LoanRepayment(loan.Principal, n, loan.AnnualRate);
  double balance = loan.Principal;
  for (int k = 1; k <= n; ++k) {
    AmortisationRow row;
    row.Number = k;
    row.Capital = r * std::pow(1 + i, k - n - 1);
    row.Interest = r - row.Capital;
    // The absolute value keeps the last balance a tiny positive amount.
    balance = std::fabs(balance - row.Capital);
    row.Balance = balance;
    rows.push_back(row);
  }
  return rows;
}

AnnualSchedule CalcAnnAmort(const LoanState& loan) {
  AnnualSchedule out;
  const std::vector<AmortisationRow> months = MonthlySchedule(loan);
  if (months.empty()) return out;
  double sumCapital = 0;
  double sumInterest = 0;
  for (std::size_t k = 12; k <= months.size(); k += 12) {
    AmortisationRow year;
    year.Number = static_cast<int>(k / 12);
    for (std::size_t m = k - 12; m < k; ++m) {
      year.Capital += months[m].Capital;
      year.Interest += months[m].Interest;
    }
    year.Balance = months[k - 1].Balance;
    sumCapital += year.Capital;
    sumInterest += year.Interest;
    out.WholeYears = year.Number;
    out.LastYearKind = 1;
    out.Years.push_back(year);
  }
  out.YearRows = out.WholeYears;
  const double n = std::nearbyint(loan.Period);
  if (std::fmod(n, 12) != 0) {
    // The part year is balanced against the loan's totals, with the repayment held.
    AmortisationRow year;
    year.Number = out.WholeYears + 1;
    year.Capital = loan.Principal - sumCapital;
    year.Interest = (loan.Repayment * loan.Period - loan.Principal) - sumInterest;
    year.Balance = 0;
    out.LastYearKind = 2;
    out.YearRows = year.Number;
    out.Years.push_back(year);
  }
  return out;
}

}  // namespace reventa
