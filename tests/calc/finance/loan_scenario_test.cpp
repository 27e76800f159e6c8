// SPDX-License-Identifier: GPL-3.0-or-later
// Loan scenarios against an independent model: the annuity's closed forms for the
// balance after k payments and the count of payments that clear a balance, the
// loans window's repayment, totals and monthly schedule, and the loans' repayment
// formula at each rate of the table.
#include "calc/finance/loan_scenario.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <vector>

#include "calc/finance/loan.h"

namespace reventa {
namespace {

constexpr double kCent = 0.005;
using Kind = LoanChangeKind;
constexpr auto Shorter = LoanChangeChoice::ShorterTerm;
constexpr auto Lower = LoanChangeChoice::LowerRepayment;

// The balance of `b` after k payments of `pay` at the annual rate.
double After(double b, double pay, double rate, int k) {
  const double i = rate / 1200, g = std::pow(1 + i, k);
  return i == 0 ? b - pay * k : b * g - pay * (g - 1) / i;
}
// The payments of `pay` that clear `b`: ceil(-log(1 - B i / R) / log(1 + i)).
int Count(double b, double pay, double rate) {
  const double i = rate / 1200;
  return static_cast<int>(std::ceil(-std::log(1 - b * i / pay) / std::log(1 + i)));
}

const double R = LoanRepayment(100000, 60, 12);

struct ScenarioCase {
  const char* name;
  friend void PrintTo(const ScenarioCase& c, std::ostream* os) { *os << c.name; }
  LoanScenarioInput input;
  int months;
  std::vector<LoanRepaymentFrom> repayments;
};

class LoanScenarioModel : public ::testing::TestWithParam<ScenarioCase> {};

TEST_P(LoanScenarioModel, AgreesWithTheClosedForms) {
  const ScenarioCase& c = GetParam();
  const LoanScenarioInput& in = c.input;
  ASSERT_FALSE(ValidateLoanScenario(in));
  const LoanScenarioResult r = ComputeLoanScenario(in);
  const LoanOutcome& s = r.Scenario;
  EXPECT_EQ(s.Months, c.months);
  // No repayments given: too many changes to list them.
  if (!c.repayments.empty()) {
    ASSERT_EQ(s.Repayments.size(), c.repayments.size());
  }
  for (std::size_t k = 0; k < c.repayments.size(); ++k) {
    EXPECT_EQ(s.Repayments[k].Month, c.repayments[k].Month) << k;
    EXPECT_NEAR(s.Repayments[k].Repayment, c.repayments[k].Repayment, 1e-6) << k;
  }
  // Every rand is repaid once: the payments less the interest are the principal.
  EXPECT_NEAR(s.TotalRepayments - s.TotalInterest, in.Principal, kCent);
  EXPECT_EQ(s.Schedule.back().Balance, 0);

  // The loan as it stands is the loans window's loan, to the cent.
  const double n = in.Period;
  LoanState loan;
  loan.Principal = in.Principal;
  loan.Period = n;
  loan.AnnualRate = in.AnnualRate;
  loan.Repayment =
      in.AnnualRate == 0 ? in.Principal / n : LoanRepayment(in.Principal, n, in.AnnualRate);
  EXPECT_NEAR(r.AsItStands.TotalInterest, LoanTotalInterest(loan), kCent);
  if (in.AnnualRate != 0) {
    const std::vector<AmortisationRow> window = MonthlySchedule(loan);
    ASSERT_EQ(r.AsItStands.Schedule.size(), window.size());
    for (std::size_t k = 0; k < window.size(); ++k) {
      EXPECT_NEAR(r.AsItStands.Schedule[k].Capital, window[k].Capital, kCent) << k;
      EXPECT_NEAR(r.AsItStands.Schedule[k].Balance, window[k].Balance, kCent) << k;
    }
  }

  // The rate table: the loans' formula at 2 % either side in steps of 0.25 %.
  std::size_t row = 0;
  for (int k = -8; k <= 8; ++k) {
    const double rate = in.AnnualRate + 0.25 * k;
    if (rate < 0 || rate > 50) continue;
    ASSERT_LT(row, r.RateTable.size());
    const LoanRateRow& t = r.RateTable[row++];
    const double want = rate == 0 ? in.Principal / n : LoanRepayment(in.Principal, n, rate);
    EXPECT_NEAR(t.AnnualRate, rate, 1e-9);
    EXPECT_NEAR(t.Repayment, want, 1e-6 * want) << rate;
    EXPECT_EQ(t.Current, k == 0) << rate;
  }
  EXPECT_EQ(row, r.RateTable.size());
}

// 600 changes over 600 months of the largest loan: every kind, extras taken as a
// lower repayment among them, so the repayment is recomputed every month.
LoanScenarioInput Worst() {
  LoanScenarioInput in{LoanPrincipalMax, 600, 49, {}};
  for (int m = 1; m <= 600; ++m) {
    const Kind kind = m % 3 == 0 ? Kind::Rate : m % 3 == 1 ? Kind::Extra : Kind::LumpSum;
    in.Changes.push_back({m, kind, kind == Kind::Rate ? 45.0 + m % 5 : 1000.0 * (m % 7), Lower});
  }
  return in;
}

const double B13 = After(100000, R, 12, 13);
const double B18 = After(After(100000, R, 12, 6), R + 1000, 12, 12);
const double B24 = After(100000, R, 12, 24);

INSTANTIATE_TEST_SUITE_P(
    Rules, LoanScenarioModel,
    ::testing::Values(
        ScenarioCase{"NoChanges", {100000, 60, 12, {}}, 60, {{1, R}}},
        ScenarioCase{"RateZeroDividesEvenly", {100000, 60, 0, {}}, 60, {{1, 100000.0 / 60}}},
        ScenarioCase{"LumpSumShorterTermEndsAtTheClosedFormCount",
                     {100000, 60, 12, {{13, Kind::LumpSum, 20000, Shorter}}},
                     13 + Count(B13 - 20000, R, 12),
                     {{1, R}}},
        ScenarioCase{"LumpSumLargerThanTheBalanceEndsTheLoanThatMonth",
                     {100000, 60, 12, {{13, Kind::LumpSum, 1e6, Shorter}}},
                     13,
                     {{1, R}}},
        ScenarioCase{"LumpSumLowerRepaymentEndsAtTheTerm",
                     {100000, 60, 12, {{13, Kind::LumpSum, 20000, Lower}}},
                     60,
                     {{1, R}, {14, LoanRepayment(B13 - 20000, 47, 12)}}},
        ScenarioCase{
            "ExtraThenZeroStopsItListedOutOfOrder",
            {100000, 60, 12, {{19, Kind::Extra, 0, Shorter}, {7, Kind::Extra, 1000, Shorter}}},
            18 + Count(B18, R, 12),
            {{1, R}, {7, R + 1000}, {19, R}}},
        ScenarioCase{"ExtraLowerRepaymentEndsAtTheTerm",
                     {100000, 60, 12, {{13, Kind::Extra, 100, Lower}}},
                     60,
                     {{1, R}, {13, R + 100}}},
        ScenarioCase{"RateChangeRecomputesOverTheMonthsLeft",
                     {100000, 60, 12, {{25, Kind::Rate, 15, Shorter}}},
                     60,
                     {{1, R}, {25, LoanRepayment(B24, 36, 15)}}},
        ScenarioCase{"RateChangeToZeroDividesWhatIsLeft",
                     {100000, 60, 12, {{25, Kind::Rate, 0, Shorter}}},
                     60,
                     {{1, R}, {25, B24 / 36}}},
        ScenarioCase{"SixHundredChangesOverSixHundredMonthsEndAtTheTerm", Worst(), 600, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace reventa
