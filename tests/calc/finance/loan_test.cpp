// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/finance/loan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace reventa {
namespace {

constexpr double kTiny = 1e-6;
// A stepped search that takes longer than this is skipped in the comparison
// (loan_bench --compare runs the long comparison).
constexpr long long kStepBound = 500'000;

// LoanCalc in each mode ---------------------------------------------------------

struct CalcCase {
  const char* name;
  friend void PrintTo(const CalcCase& c, std::ostream* os) { *os << c.name; }
  const char* mode;
  double principal, period, rate, repayment;  // as typed
  double wantPrincipal, wantPeriod, wantRate, wantRepayment;
  bool wantRateError = false;
  bool wantAdjusted = false;
};

class LoanCalcModes : public ::testing::TestWithParam<CalcCase> {};

TEST_P(LoanCalcModes, SolvesTheModesQuantity) {
  const CalcCase& c = GetParam();
  LoanState loan;
  loan.CalcMode = c.mode;
  loan.Principal = c.principal;
  loan.Period = c.period;
  loan.AnnualRate = c.rate;
  loan.Repayment = c.repayment;
  double saved = -1;
  const LoanCalcResult r = LoanCalc(loan, saved);
  EXPECT_NEAR(loan.Principal, c.wantPrincipal, kTiny);
  EXPECT_EQ(loan.Period, c.wantPeriod);
  EXPECT_NEAR(loan.AnnualRate, c.wantRate, 1e-9);
  EXPECT_NEAR(loan.Repayment, c.wantRepayment, kTiny);
  EXPECT_EQ(r.RateError, c.wantRateError);
  EXPECT_EQ(r.Solve.Adjusted, c.wantAdjusted);
  EXPECT_EQ(r.Solve.Repayment, loan.Repayment);
  // A total is never negative: no period or no rate found leaves no interest.
  EXPECT_GE(loan.Repayment, 0);
  EXPECT_DOUBLE_EQ(r.TotalRepayments, std::max(0.0, loan.Repayment * loan.Period));
  EXPECT_DOUBLE_EQ(r.TotalInterest, std::max(0.0, loan.Repayment * loan.Period - loan.Principal));
  if (std::string(c.mode) == LoanModePeriod && c.repayment - 0.01 != 0) {
    EXPECT_EQ(saved, c.principal) << "the period search keeps its target";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Worked, LoanCalcModes,
    ::testing::Values(
        CalcCase{"Repayment", LoanModeRepayment, 100000, 60, 12, 0, 100000, 60, 12,
                 2224.4447684902},
        CalcCase{"RepaymentAtRateZero", LoanModeRepayment, 100000, 60, 0, 5, 100000, 60, 0, 0},
        CalcCase{"Principal", LoanModePrincipal, 0, 60, 12, 2224.4447684902, 100000, 60, 12,
                 2224.4447684902},
        CalcCase{"PrincipalWithPeriodZero", LoanModePrincipal, 500, 0, 12, 100, 0, 0, 12, 100},
        // The repayment at 12% is 2224.4448, above 2224.44: the rate is 11.99, not 12.
        CalcCase{"RateBelowTwelve", LoanModeRate, 100000, 60, 12, 2224.44, 100000, 60, 11.99,
                 2224.44},
        CalcCase{"RateExactlyTwelve", LoanModeRate, 100000, 60, 7, LoanRepayment(100000, 60, 12),
                 100000, 60, 12, LoanRepayment(100000, 60, 12)},
        CalcCase{"RateTooSmallForTheGrid", LoanModeRate, 100000, 60, 3, 1666.67, 100000, 60, 0,
                 1666.67},
        CalcCase{"RateAboveFifty", LoanModeRate, 1000, 12, 0, 1000, 1000, 12, 1199.7, 1000, true},
        CalcCase{"Period", LoanModePeriod, 100000, 0, 12, 2000, 100000, 69, 12, 2013.28},
        CalcCase{"PeriodBeyond600Months", LoanModePeriod, 100000, 0, 12, 1000, 100000, 0, 12,
                 999.99},
        CalcCase{"PeriodOfOneMonthAdjusted", LoanModePeriod, 1000, 0, 12, 2000, 1000, 1, 12, 1010,
                 false, true},
        CalcCase{"PeriodWithRepaymentZero", LoanModePeriod, 1000, 7, 12, 0.01, 1000, 0, 12, 0},
        // Searched from a cent below 0, the repayment stays 0.
        CalcCase{"PeriodFromRepaymentZeroStaysZero", LoanModePeriod, 1000, 7, 12, 0, 1000, 0, 12,
                 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The stepped searches give the worked answers too, with every cent step made.
TEST(SteppedLoanSearches, WorkedFigures) {
  double rate = -1;
  ASSERT_TRUE(SteppedLoanRate(100000, 60, 2224.44, kStepBound, rate));
  EXPECT_NEAR(rate, 11.99, 1e-9);
  LoanSolve s;
  ASSERT_TRUE(SteppedLoanPeriod(100000, 12, 1999.99, kStepBound, s));
  EXPECT_EQ(s.Period, 69);
  EXPECT_NEAR(s.Repayment, 2013.28, kTiny);
  // Where the steps would never end, the reference ends with the one-month answer.
  ASSERT_TRUE(SteppedLoanPeriod(1000, 12, 1999.99, kStepBound, s));
  EXPECT_TRUE(s.Adjusted);
  EXPECT_EQ(s.Period, 1);
  EXPECT_DOUBLE_EQ(s.Repayment, 1010);
  // The bound is honoured.
  EXPECT_FALSE(SteppedLoanPeriod(99999999.99, 12, 9999999.98, 1000, s));
  EXPECT_FALSE(SteppedLoanRate(1, 12, 9999999.99, 1000, rate));
}

// Schedules ------------------------------------------------------------------------

struct YearCase {
  const char* name;
  friend void PrintTo(const YearCase& c, std::ostream* os) { *os << c.name; }
  double period;
  int wholeYears, yearRows, lastYearKind;
};

class AnnualSchedules : public ::testing::TestWithParam<YearCase> {};

TEST_P(AnnualSchedules, YearRowsAndPartYear) {
  const YearCase& c = GetParam();
  LoanState loan;
  loan.Principal = 100000;
  loan.Period = c.period;
  loan.AnnualRate = 12;
  loan.Repayment = std::ceil(LoanRepayment(100000, c.period, 12) * 100) / 100;  // as typed
  const AnnualSchedule a = CalcAnnAmort(loan);
  EXPECT_EQ(a.WholeYears, c.wholeYears);
  EXPECT_EQ(a.YearRows, c.yearRows);
  EXPECT_EQ(a.LastYearKind, c.lastYearKind);
  ASSERT_EQ(a.Years.size(), static_cast<std::size_t>(c.yearRows));
  const std::vector<AmortisationRow> months = MonthlySchedule(loan);
  double capital = 0;
  double interest = 0;
  for (int y = 0; y < c.wholeYears; ++y) {
    EXPECT_EQ(a.Years[y].Number, y + 1);
    EXPECT_DOUBLE_EQ(a.Years[y].Balance, months[12 * y + 11].Balance);
    capital += a.Years[y].Capital;
    interest += a.Years[y].Interest;
  }
  const AmortisationRow& last = a.Years.back();
  EXPECT_EQ(last.Number, c.yearRows);
  EXPECT_NEAR(last.Balance, 0, kTiny);
  if (c.lastYearKind == 2) {
    EXPECT_EQ(last.Balance, 0);
    EXPECT_DOUBLE_EQ(last.Capital, loan.Principal - capital);
    EXPECT_DOUBLE_EQ(last.Interest, (loan.Repayment * loan.Period - loan.Principal) - interest);
  }
}

INSTANTIATE_TEST_SUITE_P(Loans, AnnualSchedules,
                         ::testing::Values(YearCase{"TwoWholeYears", 24, 2, 2, 1},
                                           YearCase{"PartThirdYear", 30, 2, 3, 2},
                                           YearCase{"EightMonths", 8, 0, 1, 2},
                                           YearCase{"FiftyYears", 600, 50, 50, 1},
                                           YearCase{"OneMonth", 1, 0, 1, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ScheduleCase {
  const char* name;
  friend void PrintTo(const ScheduleCase& c, std::ostream* os) { *os << c.name; }
  double principal, period, rate, repayment;
};

class MonthlySchedules : public ::testing::TestWithParam<ScheduleCase> {};

// Each repayment is the recomputed R split into capital and interest, and the
// balance runs down to a tiny non-negative amount.
TEST_P(MonthlySchedules, CapitalPlusInterestIsTheRepayment) {
  const ScheduleCase& c = GetParam();
  LoanState loan;
  loan.Principal = c.principal;
  loan.Period = c.period;
  loan.AnnualRate = c.rate;
  loan.Repayment = c.repayment;
  const std::vector<AmortisationRow> rows = MonthlySchedule(loan);
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(c.period));
  const double r = LoanRepayment(c.principal, c.period, c.rate);
  double balance = c.principal;
  for (const AmortisationRow& row : rows) {
    EXPECT_NEAR(row.Capital + row.Interest, r, 1e-9 * r) << "month " << row.Number;
    EXPECT_LT(row.Balance, balance) << "month " << row.Number;
    EXPECT_GE(row.Balance, 0);
    balance = row.Balance;
  }
  EXPECT_NEAR(rows.back().Balance, 0, 1e-6 * c.principal);
  EXPECT_NEAR(rows.front().Interest, c.principal * MonthlyLoanRate(c.rate), kTiny);
}

INSTANTIATE_TEST_SUITE_P(
    Loans, MonthlySchedules,
    ::testing::Values(ScheduleCase{"Worked", 100000, 60, 12, 2224.44},
                      // A typed repayment that differs from R does not change the rows.
                      ScheduleCase{"RepaymentTypedHigher", 100000, 60, 12, 2500},
                      ScheduleCase{"LongAtHighRate", 99999999.99, 600, 50, 4166666.67},
                      ScheduleCase{"ShortAtLowRate", 0.01, 2, 0.001, 1},
                      // 1 + i rounds to 1: the repayment is still the principal / 60.
                      ScheduleCase{"RateFarBelowAThousandth", 1000, 60, 1e-20, 16.67}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Schedules, NoRowsWhileAnyLoanValueIsZero) {
  const double values[4] = {100000, 60, 12, 2224.44};
  // Each value at 0, then a principal that shows as 0.00 (its figures would sink
  // below the smallest normal double).
  const std::pair<int, double> zeros[] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, 1e-300}, {0, 0.0049}};
  for (const auto& [zero, value] : zeros) {
    double v[4] = {values[0], values[1], values[2], values[3]};
    v[zero] = value;
    LoanState loan;
    loan.Principal = v[0];
    loan.Period = v[1];
    loan.AnnualRate = v[2];
    loan.Repayment = v[3];
    EXPECT_TRUE(MonthlySchedule(loan).empty()) << "value " << zero << " at " << value;
    EXPECT_TRUE(CalcAnnAmort(loan).Years.empty()) << "value " << zero << " at " << value;
  }
}

// Fast searches against the stepped ones ------------------------------------------

// Random loans over the whole range of the window's fields: amounts in cents, the
// rate to three decimals, whole months. Each amount is drawn uniformly or
// log-uniformly, and the repayment often sits on or beside the loan's own
// repayment so that ties and neighbouring cents come up.
class LoanSampler {
 public:
  explicit LoanSampler(std::uint64_t seed) : gen_(seed) {}

  double Principal() { return Money(0.01, LoanPrincipalMax); }
  double Period() { return std::uniform_int_distribution<int>(1, 600)(gen_); }
  double Rate() {
    const double r = Coin() ? Uniform(0.001, LoanRateMax) : LogUniform(0.001, LoanRateMax);
    return std::max(0.001, std::round(r * 1000) / 1000);
  }
  // A repayment for the loan: anywhere in the field, or the repayment of the loan
  // over some period at its rate (rounded to the cent, a cent either side, or
  // exact), which makes the period search end on a tie or just beside one.
  double Repayment(double principal, double rate) {
    switch (std::uniform_int_distribution<int>(0, 4)(gen_)) {
      case 0:
        return Money(0.01, LoanRepaymentMax);
      case 1:
        return LoanRepayment(principal, Period(), rate);
      default: {
        const double r = LoanRepayment(principal, Period(), rate);
        const double cents = std::round(r * 100) + std::uniform_int_distribution<int>(-1, 1)(gen_);
        return std::clamp(cents / 100, 0.01, LoanRepaymentMax);
      }
    }
  }
  // A repayment for the rate search: at a rate on or just off the 0.01 grid.
  double RateRepayment(double principal, double period) {
    switch (std::uniform_int_distribution<int>(0, 3)(gen_)) {
      case 0:
        return Money(0.01, LoanRepaymentMax);
      case 1: {
        const double grid = std::round(Uniform(0.01, 60) * 100) / 100;
        return LoanRepayment(principal, period, grid);
      }
      default: {
        const double rate = std::round(Uniform(0.01, 60) * 100) / 100 +
                            std::uniform_int_distribution<int>(-1, 1)(gen_) * 1e-7;
        return std::round(LoanRepayment(principal, period, rate) * 100) / 100;
      }
    }
  }

 private:
  bool Coin() { return std::bernoulli_distribution(0.5)(gen_); }
  double Uniform(double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(gen_); }
  double LogUniform(double lo, double hi) { return std::exp(Uniform(std::log(lo), std::log(hi))); }
  double Money(double lo, double hi) {
    const double v = Coin() ? Uniform(lo, hi) : LogUniform(lo, hi);
    return std::clamp(std::round(v * 100) / 100, lo, hi);
  }
  std::mt19937_64 gen_;
};

// The searches are compared bit for bit: the fast period search makes its cent
// sums as the steps do, so even the repayment is the same double.
void ExpectSamePeriodSolve(double principal, double rate, double repayment, int& skipped) {
  LoanSolve stepped;
  if (!SteppedLoanPeriod(principal, rate, repayment, kStepBound, stepped)) {
    ++skipped;
    return;
  }
  const LoanSolve fast = SolveLoanPeriod(principal, rate, repayment);
  EXPECT_EQ(fast.Period, stepped.Period)
      << "P=" << principal << " rate=" << rate << " R=" << repayment;
  EXPECT_EQ(fast.Repayment, stepped.Repayment)
      << "P=" << principal << " rate=" << rate << " R=" << repayment;
  EXPECT_EQ(fast.Principal, stepped.Principal);
  EXPECT_EQ(fast.Adjusted, stepped.Adjusted);
}

void ExpectSameRate(double principal, double period, double repayment, int& skipped) {
  double stepped = 0;
  if (!SteppedLoanRate(principal, period, repayment, kStepBound, stepped)) {
    ++skipped;
    return;
  }
  EXPECT_EQ(SolveLoanRate(principal, period, repayment), stepped)
      << "P=" << principal << " n=" << period << " R=" << repayment;
}

TEST(FastLoanSearches, PeriodEqualsSteppedOnRandomLoans) {
  LoanSampler sampler(20240301);
  int skipped = 0;
  constexpr int kCases = 2000;
  for (int k = 0; k < kCases && !HasFailure(); ++k) {
    const double principal = sampler.Principal();
    const double rate = sampler.Rate();
    // LoanCalc lowers the typed repayment by a cent before the search.
    ExpectSamePeriodSolve(principal, rate, sampler.Repayment(principal, rate) - 0.01, skipped);
  }
  RecordProperty("skipped", skipped);
  std::printf("period search: %d of %d cases skipped (over %lld steps)\n", skipped, kCases,
              kStepBound);
  EXPECT_LT(skipped, kCases / 4);
}

TEST(FastLoanSearches, RateEqualsSteppedOnRandomLoans) {
  LoanSampler sampler(20240302);
  int skipped = 0;
  constexpr int kCases = 2000;
  for (int k = 0; k < kCases && !HasFailure(); ++k) {
    const double principal = sampler.Principal();
    const double period = sampler.Period();
    ExpectSameRate(principal, period, sampler.RateRepayment(principal, period), skipped);
  }
  RecordProperty("skipped", skipped);
  std::printf("rate search: %d of %d cases skipped (over %lld steps)\n", skipped, kCases,
              kStepBound);
  EXPECT_LT(skipped, kCases / 4);
}

struct PeriodEdge {
  const char* name;
  friend void PrintTo(const PeriodEdge& c, std::ostream* os) { *os << c.name; }
  double principal, rate, repayment;
};

class FastPeriodEdges : public ::testing::TestWithParam<PeriodEdge> {};

TEST_P(FastPeriodEdges, EqualsStepped) {
  int skipped = 0;
  ExpectSamePeriodSolve(GetParam().principal, GetParam().rate, GetParam().repayment, skipped);
  EXPECT_EQ(skipped, 0);
}

// 600 months at 12% on 100 000 need a repayment of 1002.51 (1002.5078…).
const double k600 = LoanRepayment(100000, 600, 12);

INSTANTIATE_TEST_SUITE_P(
    Loans, FastPeriodEdges,
    ::testing::Values(
        PeriodEdge{"Exactly600Months", 100000, 12, k600},
        PeriodEdge{"JustShortOf600Months", 100000, 12, std::nextafter(k600, 0.0)},
        PeriodEdge{"CentAbove600Months", 100000, 12, 1002.51},
        PeriodEdge{"CentBelow600Months", 100000, 12, 1002.50},
        PeriodEdge{"InterestOnly", 100000, 12, 1000},
        PeriodEdge{"ExactTieAt37Months", LoanPrincipal(37, 9.5, 1234.56), 9.5, 1234.56},
        PeriodEdge{"ExactTieAtOneMonth", LoanPrincipal(1, 9.5, 1234.56), 9.5, 1234.56},
        PeriodEdge{"OneMonthAdjusted", 1000, 12, 1999.99},
        PeriodEdge{"JustPaysInTwoMonths", 1000, 12, LoanRepayment(1000, 2, 12)},
        PeriodEdge{"NegativeAfterLowering", 1000, 12, -0.01},
        PeriodEdge{"TinyRepaymentInTieBinade", 0.03, 0.001, 0.0199},
        PeriodEdge{"TinyLoan", 0.01, 50, 0.01}),
    [](const auto& info) { return std::string(info.param.name); });

struct RateEdge {
  const char* name;
  friend void PrintTo(const RateEdge& c, std::ostream* os) { *os << c.name; }
  double principal, period, repayment;
};

class FastRateEdges : public ::testing::TestWithParam<RateEdge> {};

TEST_P(FastRateEdges, EqualsStepped) {
  int skipped = 0;
  ExpectSameRate(GetParam().principal, GetParam().period, GetParam().repayment, skipped);
  EXPECT_EQ(skipped, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Loans, FastRateEdges,
    ::testing::Values(RateEdge{"OnFiveStep", 100000, 60, LoanRepayment(100000, 60, 10)},
                      RateEdge{"JustBelowFiveStep", 100000, 60,
                               std::nextafter(LoanRepayment(100000, 60, 10), 0.0)},
                      RateEdge{"OnCentStep", 100000, 60, LoanRepayment(100000, 60, 12.34)},
                      RateEdge{"JustAboveCentStep", 100000, 60,
                               std::nextafter(LoanRepayment(100000, 60, 12.34), 1e9)},
                      RateEdge{"BelowTheFirstCent", 100000, 60, 1666.67},
                      RateEdge{"AtTheFirstCent", 100000, 60, LoanRepayment(100000, 60, 0.01)},
                      RateEdge{"FiftyPercent", 100000, 600, LoanRepayment(100000, 600, 50)},
                      RateEdge{"OneMonth", 1000, 1, 1500},
                      RateEdge{"LongPeriodSmallRepayment", 99999999.99, 600, 83333.34}),
    [](const auto& info) { return std::string(info.param.name); });

// The worst inputs of the fields, far beyond what the steps can finish, answer
// with the figures that bracket the repayment given.
TEST(FastLoanSearches, WorstInputsAreBracketed) {
  const double rate = SolveLoanRate(1, 12, LoanRepaymentMax);
  EXPECT_LE(LoanRepayment(1, 12, rate), LoanRepaymentMax);
  EXPECT_GT(LoanRepayment(1, 12, rate + 0.01), LoanRepaymentMax);
  const LoanSolve s = SolveLoanPeriod(LoanPrincipalMax, 12, 9999999.98);
  EXPECT_EQ(s.Period, 10);
  EXPECT_GE(LoanPrincipal(10, 12, s.Repayment), LoanPrincipalMax);
  EXPECT_LT(LoanPrincipal(10, 12, s.Repayment - 0.01), LoanPrincipalMax);
  // The longest raise: from just over two months' repayment to one month's.
  const LoanSolve one =
      SolveLoanPeriod(LoanPrincipalMax, 12, LoanRepayment(LoanPrincipalMax, 2, 12) + 0.01);
  EXPECT_EQ(one.Period, 1);
  EXPECT_GE(LoanPrincipal(1, 12, one.Repayment), LoanPrincipalMax);
  EXPECT_LT(LoanPrincipal(1, 12, one.Repayment - 0.01), LoanPrincipalMax);
  // The repayment field takes every repayment the other fields' loans have.
  EXPECT_LE(LoanRepayment(LoanPrincipalMax, 1, LoanRateMax), LoanRepaymentMax);
  EXPECT_GT(LoanRepayment(LoanPrincipalMax, 1, LoanRateMax) + 0.01, LoanRepaymentMax);
}

}  // namespace
}  // namespace reventa
