// SPDX-License-Identifier: GPL-3.0-or-later
// Loan scenarios at the fields' limits: the largest loan over 600 months with 600
// changes, and a bond with a handful of them, as the window works them out on
// every Calculate.
//
//   loan_scenario_bench [benchmark options]
#include <benchmark/benchmark.h>

#include "calc/finance/loan.h"
#include "calc/finance/loan_scenario.h"

namespace {

using reventa::LoanChange;
using reventa::LoanChangeChoice;
using reventa::LoanChangeKind;
using reventa::LoanScenarioInput;

// One change every month, listed from the last month back so that the sort has
// work: rate changes, lump sums and extra payments in turn, half of them taken as
// a lower repayment. The extras taken so recompute the repayment every month.
LoanScenarioInput Worst() {
  LoanScenarioInput in{reventa::LoanPrincipalMax, 600, 50, {}};
  for (int m = 600; m >= 1; --m) {
    const auto kind = static_cast<LoanChangeKind>(m % 3);
    const double amount = kind == LoanChangeKind::Rate ? 40 + m % 11 : 100.0 * (m % 13);
    const auto choice =
        m % 2 == 0 ? LoanChangeChoice::LowerRepayment : LoanChangeChoice::ShorterTerm;
    in.Changes.push_back({m, kind, amount, choice});
  }
  return in;
}

void BM_ScenarioWorst(benchmark::State& state) {
  const LoanScenarioInput in = Worst();
  for (auto _ : state) benchmark::DoNotOptimize(reventa::ComputeLoanScenario(in));
}
BENCHMARK(BM_ScenarioWorst)->Unit(benchmark::kMicrosecond);

// A 20-year bond with a rate rise, a lump sum and an extra payment.
void BM_ScenarioBond(benchmark::State& state) {
  const LoanScenarioInput in{1500000,
                             240,
                             11.75,
                             {{13, LoanChangeKind::Rate, 12.25, LoanChangeChoice::ShorterTerm},
                              {25, LoanChangeKind::LumpSum, 50000, LoanChangeChoice::ShorterTerm},
                              {37, LoanChangeKind::Extra, 2000, LoanChangeChoice::LowerRepayment}}};
  for (auto _ : state) benchmark::DoNotOptimize(reventa::ComputeLoanScenario(in));
}
BENCHMARK(BM_ScenarioBond)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
