// SPDX-License-Identifier: GPL-3.0-or-later
// The loan solver's searches: the fast ones against the step-by-step ones.
//
//   loan_bench [benchmark options]          times the searches
//   loan_bench --compare N [SEED [STEPS]]   runs N random loans through both
//       searches of each kind (N period searches and N rate searches) and counts
//       differences; a stepped search that needs more than STEPS evaluations
//       (default 1 000 000) is skipped, counted, and left out of "compared"
//   loan_bench --buster-compare N [SEED [STEPS]]   the same for N loan buster
//       period searches (the repayment plus an extra payment of up to ten times it)
//
// The comparison prints "N compared, M mismatches" and each mismatch with its
// inputs, and exits 1 when there is any.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "calc/finance/loan.h"
#include "calc/finance/loan_buster_samples.h"

namespace {

using reventa::LoanSolve;

// The worst inputs of the fields: about 56 million cent steps for the period, and
// about 2.4 billion 5% steps for the rate.
void BM_FastPeriodWorst(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        reventa::SolveLoanPeriod(reventa::LoanPrincipalMax, 12, reventa::LoanRepaymentMax - 0.01));
  }
}
BENCHMARK(BM_FastPeriodWorst)->Unit(benchmark::kMicrosecond);

void BM_FastRateWorst(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(reventa::SolveLoanRate(1, 12, reventa::LoanRepaymentMax));
  }
}
BENCHMARK(BM_FastRateWorst)->Unit(benchmark::kMicrosecond);

// The steps can finish the worst period search, in seconds; the worst rate search
// would take billions of steps and is not run.
void BM_SteppedPeriodWorst(benchmark::State& state) {
  for (auto _ : state) {
    LoanSolve s;
    benchmark::DoNotOptimize(reventa::SteppedLoanPeriod(
        reventa::LoanPrincipalMax, 12, reventa::LoanRepaymentMax - 0.01, 1'000'000'000, s));
  }
}
BENCHMARK(BM_SteppedPeriodWorst)->Iterations(1)->Unit(benchmark::kMillisecond);

// The worked loans, which the steps can finish: 100 000 at 12% repaid with 2 000
// (69 months, 1 329 cent steps), and the rate of 100 000 over 60 months at 2 224.44.
void BM_FastPeriodWorked(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(reventa::SolveLoanPeriod(100000, 12, 1999.99));
}
BENCHMARK(BM_FastPeriodWorked)->Unit(benchmark::kMicrosecond);

void BM_SteppedPeriodWorked(benchmark::State& state) {
  for (auto _ : state) {
    LoanSolve s;
    benchmark::DoNotOptimize(reventa::SteppedLoanPeriod(100000, 12, 1999.99, 1'000'000'000, s));
  }
}
BENCHMARK(BM_SteppedPeriodWorked)->Unit(benchmark::kMicrosecond);

void BM_FastRateWorked(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(reventa::SolveLoanRate(100000, 60, 2224.44));
}
BENCHMARK(BM_FastRateWorked)->Unit(benchmark::kMicrosecond);

void BM_SteppedRateWorked(benchmark::State& state) {
  for (auto _ : state) {
    double rate = 0;
    benchmark::DoNotOptimize(reventa::SteppedLoanRate(100000, 60, 2224.44, 1'000'000'000, rate));
  }
}
BENCHMARK(BM_SteppedRateWorked)->Unit(benchmark::kMicrosecond);

// Random loans over the fields' whole ranges: amounts in cents and the rate to
// three decimals, each uniform or log-uniform; repayments often on or a cent
// beside a loan's own repayment, so ties and neighbouring steps come up.
class LoanSampler {
 public:
  explicit LoanSampler(std::uint64_t seed) : gen_(seed) {}

  double Principal() { return Money(0.01, reventa::LoanPrincipalMax); }
  double Period() { return std::uniform_int_distribution<int>(1, 600)(gen_); }
  double Rate() {
    const double r = Coin() ? Uniform(0.001, 50) : LogUniform(0.001, 50);
    return std::max(0.001, std::round(r * 1000) / 1000);
  }
  double Repayment(double principal, double rate) {
    const int kind = std::uniform_int_distribution<int>(0, 4)(gen_);
    if (kind == 0) return Money(0.01, reventa::LoanRepaymentMax);
    const double r = reventa::LoanRepayment(principal, Period(), rate);
    if (kind == 1) return r;
    const double cents = std::round(r * 100) + std::uniform_int_distribution<int>(-1, 1)(gen_);
    return std::clamp(cents / 100, 0.01, reventa::LoanRepaymentMax);
  }
  double RateRepayment(double principal, double period) {
    const int kind = std::uniform_int_distribution<int>(0, 3)(gen_);
    if (kind == 0) return Money(0.01, reventa::LoanRepaymentMax);
    const double grid = std::round(Uniform(0.01, 60) * 100) / 100;
    if (kind == 1) return reventa::LoanRepayment(principal, period, grid);
    const double rate = grid + std::uniform_int_distribution<int>(-1, 1)(gen_) * 1e-7;
    return std::round(reventa::LoanRepayment(principal, period, rate) * 100) / 100;
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

int Compare(std::uint64_t count, std::uint64_t seed, long long steps) {
  LoanSampler sampler(seed);
  std::uint64_t mismatches = 0;
  std::uint64_t skippedPeriod = 0;
  std::uint64_t skippedRate = 0;
  const auto start = std::chrono::steady_clock::now();
  for (std::uint64_t k = 0; k < count; ++k) {
    // The period search, from the typed repayment lowered by a cent.
    const double principal = sampler.Principal();
    const double rate = sampler.Rate();
    const double repayment = sampler.Repayment(principal, rate) - 0.01;
    LoanSolve stepped;
    if (reventa::SteppedLoanPeriod(principal, rate, repayment, steps, stepped)) {
      const LoanSolve fast = reventa::SolveLoanPeriod(principal, rate, repayment);
      if (fast.Period != stepped.Period || fast.Repayment != stepped.Repayment ||
          fast.Adjusted != stepped.Adjusted) {
        ++mismatches;
        std::printf(
            "period mismatch %llu: P=%.17g rate=%.17g R=%.17g stepped %g %.17g fast %g %.17g\n",
            static_cast<unsigned long long>(k), principal, rate, repayment, stepped.Period,
            stepped.Repayment, fast.Period, fast.Repayment);
      }
    } else {
      ++skippedPeriod;
    }
    // The rate search.
    const double p2 = sampler.Principal();
    const double n2 = sampler.Period();
    const double r2 = sampler.RateRepayment(p2, n2);
    double steppedRate = 0;
    if (reventa::SteppedLoanRate(p2, n2, r2, steps, steppedRate)) {
      const double fastRate = reventa::SolveLoanRate(p2, n2, r2);
      if (fastRate != steppedRate) {
        ++mismatches;
        std::printf("rate mismatch %llu: P=%.17g n=%g R=%.17g stepped %.17g fast %.17g\n",
                    static_cast<unsigned long long>(k), p2, n2, r2, steppedRate, fastRate);
      }
    } else {
      ++skippedRate;
    }
    if ((k + 1) % 10000 == 0) {
      const double seconds =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      std::fprintf(stderr, "%llu cases, %llu mismatches, %.0f s\n",
                   static_cast<unsigned long long>(k + 1),
                   static_cast<unsigned long long>(mismatches), seconds);
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const std::uint64_t compared = 2 * count - skippedPeriod - skippedRate;
  std::printf("%llu compared, %llu mismatches\n", static_cast<unsigned long long>(compared),
              static_cast<unsigned long long>(mismatches));
  std::printf("skipped over %lld steps: period %llu, rate %llu; %.1f s\n", steps,
              static_cast<unsigned long long>(skippedPeriod),
              static_cast<unsigned long long>(skippedRate), seconds);
  return mismatches == 0 ? 0 : 1;
}

int CompareBuster(std::uint64_t count, std::uint64_t seed, long long steps) {
  reventa::test::BusterSampler sampler(seed);
  std::uint64_t mismatches = 0;
  std::uint64_t skipped = 0;
  const auto start = std::chrono::steady_clock::now();
  for (std::uint64_t k = 0; k < count; ++k) {
    const reventa::test::BusterSample s = sampler.Next();
    LoanSolve stepped;
    if (!reventa::SteppedLoanPeriod(s.principal, s.rate, s.searched(), steps, stepped)) {
      ++skipped;
      continue;
    }
    const LoanSolve fast = reventa::BPER(s.principal, s.rate, s.searched());
    if (fast.Period != stepped.Period || fast.Repayment != stepped.Repayment ||
        fast.Adjusted != stepped.Adjusted) {
      ++mismatches;
      std::printf(
          "mismatch %llu: P=%.17g n=%d rate=%.9g extra=%.17g stepped %g %.17g fast %g %.17g\n",
          static_cast<unsigned long long>(k), s.principal, s.period, static_cast<double>(s.rate),
          s.extra, stepped.Period, stepped.Repayment, fast.Period, fast.Repayment);
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%llu compared, %llu mismatches\n", static_cast<unsigned long long>(count - skipped),
              static_cast<unsigned long long>(mismatches));
  std::printf("skipped over %lld steps: %llu; %.1f s\n", steps,
              static_cast<unsigned long long>(skipped), seconds);
  return mismatches == 0 ? 0 : 1;
}

// The loan buster's worst input: the largest loan over 600 months at 50% with the
// largest extra payment searched, about ten times the repayment.
void BM_BusterWorst(benchmark::State& state) {
  reventa::LoanBusterState buster;
  buster.LoanPrincipal = reventa::LoanBusterAmountMax;
  buster.LoanRate = 50;
  const double repayment = reventa::BRPAYMENT(buster.LoanPrincipal, 600, buster.LoanRate);
  for (auto _ : state) {
    buster.ExtraPayment = std::floor(repayment * 1000) / 100;
    double loanRepayment = 0;
    reventa::LoanBusterResult result;
    reventa::BBCalc(buster, loanRepayment, 600, result);
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_BusterWorst)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "--buster-compare") == 0) {
    const std::uint64_t count = std::strtoull(argv[2], nullptr, 10);
    const std::uint64_t seed = argc >= 4 ? std::strtoull(argv[3], nullptr, 10) : 20230301;
    const long long steps = argc >= 5 ? std::strtoll(argv[4], nullptr, 10) : 1'000'000;
    return CompareBuster(count, seed, steps);
  }
  if (argc >= 3 && std::strcmp(argv[1], "--compare") == 0) {
    const std::uint64_t count = std::strtoull(argv[2], nullptr, 10);
    const std::uint64_t seed = argc >= 4 ? std::strtoull(argv[3], nullptr, 10) : 20240229;
    const long long steps = argc >= 5 ? std::strtoll(argv[4], nullptr, 10) : 1'000'000;
    return Compare(count, seed, steps);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
