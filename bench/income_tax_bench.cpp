// SPDX-License-Identifier: GPL-3.0-or-later
// The income tax table lookup and the QuickTax computation, which every tax
// calculator and every step of the net-to-gross search call.
#include <benchmark/benchmark.h>

#include "calc/annual/quicktax.h"
#include "taxyear/income_tax.h"

namespace {

void BM_ComputeIncomeTax(benchmark::State& state) {
  double income = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(reventa::ComputeIncomeTax(income));
    income += 997;  // walk through every bracket
    if (income > 2500000) income = 0;
  }
}
BENCHMARK(BM_ComputeIncomeTax);

void BM_QuickTax(benchmark::State& state) {
  reventa::QuickTaxInput input{500000, 40};
  for (auto _ : state) {
    benchmark::DoNotOptimize(reventa::ComputeQuickTax(input));
    input.TaxableIncome += 1;
  }
}
BENCHMARK(BM_QuickTax);

}  // namespace

BENCHMARK_MAIN();
