// SPDX-License-Identifier: GPL-3.0-or-later
// The loan buster, loan comparison, daily balance and inflation computations:
// the worked figures and rules, a table each, and the loan buster's fast period
// search against the cent-by-cent one.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <ostream>

#include "calc/finance/daily_balance.h"
#include "calc/finance/inflation.h"
#include "calc/finance/loan_buster.h"
#include "calc/finance/loan_comparison.h"
#include "loan_buster_samples.h"

namespace reventa {
namespace {

constexpr double kCent = 0.005;  // shown to two decimals

// Loan buster ---------------------------------------------------------------------

struct BusterCase {
  const char* name;
  friend void PrintTo(const BusterCase& c, std::ostream* os) { *os << c.name; }
  double principal;
  std::int16_t period;
  float rate;
  double extra;
  double repayment, totalInterest, totalRepayments;
  bool worked;  // the second column worked out
  std::int16_t newPeriod;
  double newRepayment, extraAfter, saving;
  bool adjusted = false;
};

class LoanBusterFigures : public ::testing::TestWithParam<BusterCase> {};

TEST_P(LoanBusterFigures, BothColumns) {
  const BusterCase& c = GetParam();
  LoanBusterState buster;
  buster.LoanPrincipal = c.principal;
  buster.LoanRate = c.rate;
  buster.ExtraPayment = c.extra;
  double loanRepayment = -1;
  // The previous calculation's second column, which a skipped search keeps.
  LoanBusterResult r;
  r.NewPeriod = 7;
  r.NewRepayment = 77;
  r.TotalSaving = 777;
  BBCalc(buster, loanRepayment, c.period, r);
  EXPECT_NEAR(r.Repayment, c.repayment, kCent);
  EXPECT_NEAR(r.TotalInterest, c.totalInterest, kCent);
  EXPECT_NEAR(r.TotalRepayments, c.totalRepayments, kCent);
  EXPECT_EQ(r.ExtraWorked, c.worked);
  EXPECT_EQ(r.NewPeriod, c.newPeriod);
  EXPECT_NEAR(r.NewRepayment, c.newRepayment, kCent);
  EXPECT_NEAR(buster.ExtraPayment, c.extraAfter, kCent);
  EXPECT_NEAR(r.TotalSaving, c.saving, kCent);
  EXPECT_EQ(r.Adjusted, c.adjusted);
  EXPECT_EQ(buster.LoanPrincipal, c.principal) << "the search gives the principal back";
  if (c.worked) {
    EXPECT_EQ(loanRepayment, r.NewRepayment) << "the loan solver's repayment follows";
    EXPECT_EQ(buster.SavedPrincipal, c.principal);
    if (c.extraAfter == 0) {
      EXPECT_EQ(r.NewTotalInterest, r.TotalInterest);
      EXPECT_EQ(r.NewTotalRepayments, r.TotalRepayments);
    } else {
      EXPECT_DOUBLE_EQ(r.NewTotalRepayments, r.NewPeriod * r.NewRepayment);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Loans, LoanBusterFigures,
    ::testing::Values(
        BusterCase{"NoExtraPaymentSavesNothing", 100000, 12, 12, 0, 8884.88, 6618.55, 106618.55,
                   true, 12, 8884.88, 0, 0},
        BusterCase{"ExtraThousandShortensToTenMonths", 100000, 12, 12, 1000, 8884.88, 6618.55,
                   106618.55, true, 10, 10558.21, 1673.33, 1036.46},
        BusterCase{"MoreThan600MonthsGivesPeriod0", 100000, 600, 12, 0, 1002.56, 501536.16,
                   601536.16, true, 0, 1002.55, 0, 0},
        BusterCase{"ExtraAboveTenTimesKeepsThePreviousColumn", 100000, 12, 12, 88849, 8884.88,
                   6618.55, 106618.55, false, 7, 77, 88849, 777},
        // A one-month loan cannot be shortened: it stands, the extra as typed.
        BusterCase{"OneMonthPayingMoreThanTheLoanIsOneMonth", 100000, 1, 12, 500000, 101000, 1000,
                   101000, true, 1, 101000, 500000, 0, true},
        // Where the extra payment saves nothing the loan stands as it is.
        BusterCase{"CentCancelledByTheSearchSavesNothing", 30.08, 351, 43.601f, 0.01, 1.09, 353.54,
                   383.62, true, 351, 1.09, 0.01, 0},
        BusterCase{"LongerPaymentsOfATinyLoanSaveNothing", 3.33, 600, 0.001f, 0.02, 0.01, 0, 3.33,
                   true, 600, 0.01, 0.02, 0},
        BusterCase{"OneMonthRoundingIsNoExtraPayment", 99999999.99, 1, 0.001f, 70859.68,
                   100000083.32, 83.33, 100000083.32, true, 1, 100000083.32, 70859.68, 0, true},
        BusterCase{"NoPrincipalNoRepayment", 0, 12, 12, 0, 0, 0, 0, true, 0, 0, 0, 0}));

// The fast period search gives what the cent-by-cent search gives, bit for bit, on
// the inputs BBCalc hands it. loan_bench --buster-compare runs the long comparison.
TEST(LoanBusterSearch, FastEqualsSteppedOnRandomLoans) {
  constexpr int kCases = 2000;
  constexpr long long kStepBound = 100'000;
  test::BusterSampler sampler(20230301);
  int skipped = 0;
  for (int k = 0; k < kCases && !HasFailure(); ++k) {
    const test::BusterSample s = sampler.Next();
    LoanSolve stepped;
    if (!SteppedLoanPeriod(s.principal, s.rate, s.searched(), kStepBound, stepped)) {
      ++skipped;
      continue;
    }
    const LoanSolve fast = BPER(s.principal, s.rate, s.searched());
    EXPECT_EQ(fast.Period, stepped.Period)
        << "P=" << s.principal << " n=" << s.period << " rate=" << s.rate << " extra=" << s.extra;
    EXPECT_EQ(fast.Repayment, stepped.Repayment)
        << "P=" << s.principal << " n=" << s.period << " rate=" << s.rate << " extra=" << s.extra;
    EXPECT_EQ(fast.Adjusted, stepped.Adjusted);
  }
  std::printf("loan buster search: %d of %d cases skipped (over %lld steps)\n", skipped, kCases,
              kStepBound);
  EXPECT_LT(skipped, kCases / 2);
}

// Loan comparison -----------------------------------------------------------------

TEST(LoanComparison, SixTermsWithCaptions) {
  const BondComparison rows = CompareBondTerms(500000, 12);
  const char* captions[] = {"5 yrs.", "10 yrs.", "15 yrs.", "20 yrs.", "25 yrs.", "30 yrs."};
  for (std::size_t k = 0; k < rows.size(); ++k) {
    EXPECT_EQ(rows[k].Caption, captions[k]);
    EXPECT_EQ(rows[k].Months, 60 * static_cast<int>(k + 1));
    EXPECT_DOUBLE_EQ(rows[k].Total, rows[k].Months * rows[k].Repayment);
  }
  EXPECT_NEAR(rows[3].Repayment, 5505.43, kCent);
  EXPECT_NEAR(rows[3].Interest, 821303.36, kCent);
  EXPECT_NEAR(rows[3].Total, 1321303.36, kCent);
}

TEST(LoanComparison, NothingClampedWithoutARate) {
  for (const BondTermRow& row : CompareBondTerms(500000, 0)) {
    EXPECT_EQ(row.Repayment, 0);
    EXPECT_EQ(row.Interest, -500000);
    EXPECT_EQ(row.Total, 0);
  }
}

// Daily balance -------------------------------------------------------------------

struct DepositCase {
  const char* name;
  friend void PrintTo(const DepositCase& c, std::ostream* os) { *os << c.name; }
  float capital, rate;
  std::int32_t start, end;
  std::int32_t days;
  double interest;
};

class DailyBalanceFigures : public ::testing::TestWithParam<DepositCase> {};

TEST_P(DailyBalanceFigures, DaysAndInterest) {
  const DepositCase& c = GetParam();
  DailyBalanceState d;
  d.DepositCapital = c.capital;
  d.DepositRate = c.rate;
  d.DepositStart = c.start;
  d.DepositEnd = c.end;
  const DailyBalanceResult r = ComputeDailyBalance(d);
  EXPECT_EQ(r.DayCount, c.days);
  EXPECT_NEAR(r.InterestAccrued, c.interest, kCent);
}

INSTANTIATE_TEST_SUITE_P(
    Deposits, DailyBalanceFigures,
    ::testing::Values(
        DepositCase{"MarchIs30DaysWithoutTheStartDay", 100000, 10, 44986, 45016, 30, 821.92},
        DepositCase{"SameDayIsNoInterest", 100000, 10, 44986, 44986, 0, 0},
        DepositCase{"CapitalHeldToSevenDigits", 12345678.91f, 10, 44986, 45351, 365, 1234567.875},
        DepositCase{"NoDatesNoDays", 100000, 10, NoDepositDate, NoDepositDate, 0, 0}));

TEST(DailyBalance, CapitalIsSinglePrecision) {
  DailyBalanceState d;
  d.DepositCapital = static_cast<float>(12345678.91);
  EXPECT_EQ(static_cast<double>(d.DepositCapital), 12345679);
}

struct SpinCase {
  const char* name;
  friend void PrintTo(const SpinCase& c, std::ostream* os) { *os << c.name; }
  double from;
  bool up;
  double to;
  bool beep;
};

class DepositRateSpin : public ::testing::TestWithParam<SpinCase> {};

TEST_P(DepositRateSpin, StaysWithinTheField) {
  const SpinCase& c = GetParam();
  bool beep = !c.beep;
  EXPECT_DOUBLE_EQ(StepDepositRate(c.from, 0.25, c.up, beep), c.to);
  EXPECT_EQ(beep, c.beep);
}

INSTANTIATE_TEST_SUITE_P(
    Spins, DepositRateSpin,
    ::testing::Values(SpinCase{"HalfDownIsAQuarter", 0.5, false, 0.25, false},
                      SpinCase{"TenUp", 10, true, 10.25, false},
                      SpinCase{"QuarterDownBeepsAndWrapsTo40", 0.25, false, 40, true},
                      SpinCase{"BelowZeroBeepsAndWrapsTo40", 0.1, false, 40, true},
                      SpinCase{"Past40WrapsToTheStep", 39.9, true, 0.25, false},
                      SpinCase{"On40", 39.75, true, 40, false}));

TEST(DailyBalance, DateSpinKeepsTheSpan) {
  DailyBalanceState d;
  d.DepositStart = 44986;
  d.DepositEnd = 44986;
  EXPECT_FALSE(StepDepositEnd(d, false)) << "never before the start";
  EXPECT_EQ(d.DepositEnd, 44986);
  EXPECT_TRUE(StepDepositEnd(d, true));
  EXPECT_EQ(d.DepositEnd, 44987);
  d.DepositEnd = 44986 + DepositSpanDays;
  EXPECT_FALSE(StepDepositEnd(d, true)) << "never beyond 30 years";
  EXPECT_EQ(d.DepositEnd, 44986 + DepositSpanDays);
  d.DepositEnd = NoDepositDate;
  EXPECT_TRUE(StepDepositEnd(d, true)) << "an end not yet given starts at the start";
  EXPECT_EQ(d.DepositEnd, 44987);
}

// Inflation -----------------------------------------------------------------------

struct InflationCase {
  const char* name;
  friend void PrintTo(const InflationCase& c, std::ostream* os) { *os << c.name; }
  double cost, years, rate;
  double future, buying;
  bool tooLarge;
};

class InflationFigures : public ::testing::TestWithParam<InflationCase> {};

TEST_P(InflationFigures, FutureCostAndBuyingPower) {
  const InflationCase& c = GetParam();
  InflationState s;
  s.PresentCost = c.cost;
  s.InflationYears = c.years;
  s.InflationRate = c.rate;
  const InflationResult r = ProjectInflation(s);
  EXPECT_EQ(r.TooLarge, c.tooLarge);
  if (!c.tooLarge) {
    EXPECT_NEAR(r.FutureCost, c.future, kCent);
  }
  EXPECT_NEAR(r.BuyingPower, c.buying, kCent);
  EXPECT_TRUE(std::isfinite(r.FutureCost));
}

INSTANTIATE_TEST_SUITE_P(
    Projections, InflationFigures,
    ::testing::Values(InflationCase{"TenPercentTwoYears", 1000, 2, 10, 1210, 826.45, false},
                      InflationCase{"MinusFivePercentRaisesBuyingPower", 1000, 1, -5, 950, 1052.63,
                                    false},
                      InflationCase{"NoYearsKeepsThePresentCost", 1000, 0, 10, 1000, 1000, false},
                      InflationCase{"TooLargeToDisplay", 99999999, 40, 40, 0, 142.85, true}));

struct InflationSpinCase {
  const char* name;
  friend void PrintTo(const InflationSpinCase& c, std::ostream* os) { *os << c.name; }
  bool rate;  // the rate spin, else the period spin
  double from;
  bool up;
  double to;
  bool beep;
};

class InflationSpins : public ::testing::TestWithParam<InflationSpinCase> {};

TEST_P(InflationSpins, Cycle) {
  const InflationSpinCase& c = GetParam();
  bool beep = !c.beep;
  const double to =
      c.rate ? StepInflationRate(c.from, c.up, beep) : StepInflationYears(c.from, c.up, beep);
  EXPECT_DOUBLE_EQ(to, c.to);
  EXPECT_EQ(beep, c.beep);
}

INSTANTIATE_TEST_SUITE_P(
    Spins, InflationSpins,
    ::testing::Values(InflationSpinCase{"Rate30UpIsMinus5", true, 30, true, -5, false},
                      InflationSpinCase{"RateMinus5DownIs30", true, -5, false, 30, false},
                      InflationSpinCase{"RateUpOnto0Beeps", true, -0.25, true, 0, true},
                      InflationSpinCase{"RateDown", true, 10, false, 9.75, false},
                      InflationSpinCase{"Period40UpIs1", false, 40, true, 1, false},
                      InflationSpinCase{"Period1DownBeepsAndIs40", false, 1, false, 40, true},
                      InflationSpinCase{"PeriodUp", false, 5, true, 6, false}));

}  // namespace
}  // namespace reventa
