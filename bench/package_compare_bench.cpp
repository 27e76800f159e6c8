// SPDX-License-Identifier: GPL-3.0-or-later
// The net-to-gross search: the fast search against the rand-by-rand one.
//
//   package_compare_bench [benchmark options]   times both searches
//   package_compare_bench --compare N [SEED [LOW HIGH]]
//       runs N random cases through both searches and counts differences; the
//       annual net required is mostly log-uniform from LOW (default 1) to HIGH
//       (default 300 000), a twelfth of it in the monthly windows
//
// The comparison prints "N compared, M mismatches" and each mismatch with its
// inputs, and exits 1 when there is any.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "calc/package/package.h"
#include "calc/package/package_samples.h"
#include "calc/package/package_search.h"

namespace {

using reventa::FastSearch;
using reventa::NetToGrossAnnual;
using reventa::NetToGrossSearchConstants;
using reventa::PackageInputs;
using reventa::SteppedSearch;
using reventa::TrialConstants;

// A 40-year-old with a medical scheme, a travel allowance and the default settings.
TrialConstants Typical(double netRequired) {
  PackageInputs in;
  in.Age = 40;
  in.NetRequired = netRequired;
  in.Travel = 36000;
  in.MedEmployee = 24000;
  in.MedEmployer = 12000;
  in.Beneficiaries = 36;
  return NetToGrossSearchConstants(NetToGrossAnnual, in);
}

void BM_FastSearch(benchmark::State& state, double netRequired) {
  const TrialConstants c = Typical(netRequired);
  for (auto _ : state) {
    benchmark::DoNotOptimize(FastSearch(c, netRequired));
  }
  state.counters["trials"] = static_cast<double>(FastSearch(c, netRequired).Evaluations);
}
BENCHMARK_CAPTURE(BM_FastSearch, R1000000, 1000000.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FastSearch, FieldMaximum, reventa::PackageMoneyMax)
    ->Unit(benchmark::kMicrosecond);

void BM_SteppedSearch(benchmark::State& state, double netRequired) {
  const TrialConstants c = Typical(netRequired);
  for (auto _ : state) {
    benchmark::DoNotOptimize(SteppedSearch(c, netRequired));
  }
  state.counters["trials"] = static_cast<double>(SteppedSearch(c, netRequired).Evaluations);
}
BENCHMARK_CAPTURE(BM_SteppedSearch, R1000000, 1000000.0)->Unit(benchmark::kMillisecond);

int Compare(std::uint64_t count, std::uint64_t seed, double low, double high) {
  reventa::samples::PackageSampler sampler(seed, high, low);
  std::uint64_t mismatches = 0;
  std::uint64_t steppedTrials = 0;
  std::uint64_t fastTrials = 0;
  const auto start = std::chrono::steady_clock::now();
  for (std::uint64_t i = 0; i < count; ++i) {
    const reventa::samples::PackageSampler::Case c = sampler.Next();
    const reventa::SearchOutcome stepped = SteppedSearch(c.Constants, c.NetRequired);
    const reventa::SearchOutcome fast = FastSearch(c.Constants, c.NetRequired);
    steppedTrials += stepped.Evaluations;
    fastTrials += fast.Evaluations;
    if (stepped.TrialSalary != fast.TrialSalary) {
      ++mismatches;
      const PackageInputs& in = c.Inputs;
      std::printf(
          "mismatch %llu: %s required=%.17g stepped=%.17g fast=%.17g age=%d travel=%.17g "
          "otherFB=%.17g otherDed=%.17g medEe=%.17g medEr=%.17g bens=%d medDed=%.17g car=%.17g "
          "mp=%d ta=%.17g carFb=%.17g rfEe=%.17g rfEr=%.17g pctEe=%.17g pctEr=%.17g "
          "uifEe=%.17g uifEr=%.17g sdl=%.17g limit=%.17g\n",
          static_cast<unsigned long long>(i),
          c.Window.Period == reventa::PackagePeriod::Monthly ? "monthly" : "annual", c.NetRequired,
          stepped.TrialSalary ? *stepped.TrialSalary : -1.0,
          fast.TrialSalary ? *fast.TrialSalary : -1.0, in.Age, in.Travel, in.OtherFB,
          in.OtherDedTotal, in.MedEmployee, in.MedEmployer, in.Beneficiaries, in.MedDeduct,
          in.CarValue, in.MaintenancePlan ? 1 : 0, in.TaRate, in.CarFbRate, in.RFundEmployeeTyped,
          in.RFundEmployerTyped, in.EmployeePct, in.EmployerPct, in.UifEmployeePct,
          in.UifEmployerPct, in.SdlPct, in.UifLimit);
    }
    if ((i + 1) % 100000 == 0) {
      const double seconds =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      std::fprintf(stderr, "%llu cases, %llu mismatches, %.0f s\n",
                   static_cast<unsigned long long>(i + 1),
                   static_cast<unsigned long long>(mismatches), seconds);
    }
  }
  std::printf("%llu compared, %llu mismatches\n", static_cast<unsigned long long>(count),
              static_cast<unsigned long long>(mismatches));
  std::printf("trials evaluated: stepped %llu, fast %llu\n",
              static_cast<unsigned long long>(steppedTrials),
              static_cast<unsigned long long>(fastTrials));
  return mismatches == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "--compare") == 0) {
    const std::uint64_t count = std::strtoull(argv[2], nullptr, 10);
    const std::uint64_t seed = argc >= 4 ? std::strtoull(argv[3], nullptr, 10) : 20240229;
    // By default the stepped search stays affordable: R300 000 a year, R25 000 a month.
    const double low = argc >= 6 ? std::strtod(argv[4], nullptr) : 1;
    const double high = argc >= 6 ? std::strtod(argv[5], nullptr) : 300000;
    return Compare(count, seed, low, high);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
