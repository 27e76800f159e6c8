// SPDX-License-Identifier: GPL-3.0-or-later
// Random loan buster inputs over the whole range of the window's fields, for the
// comparison of the fast period search with the stepped one (the tests and
// loan_bench --buster-compare share them): principal in cents, whole months, the
// rate to three decimals as a float, and an extra payment up to ten times the
// repayment (beyond that the window does not search). The extra payment is often
// near the top, where the new period is shortest and the cent steps longest.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

#include "calc/finance/loan_buster.h"

namespace reventa::test {

struct BusterSample {
  double principal = 0;
  std::int16_t period = 0;
  float rate = 0;
  double repayment = 0;  // BRPAYMENT for the period
  double extra = 0;
  // What BBCalc hands the period search: the repayment plus the extra less a cent.
  double searched() const { return extra - 0.01 + repayment; }
};

class BusterSampler {
 public:
  explicit BusterSampler(std::uint64_t seed) : gen_(seed) {}

  BusterSample Next() {
    BusterSample s;
    s.principal = Money(0.01, LoanBusterAmountMax);
    s.period = static_cast<std::int16_t>(std::uniform_int_distribution<int>(1, 600)(gen_));
    const double r = Coin() ? Uniform(0.001, LoanRateMax) : LogUniform(0.001, LoanRateMax);
    s.rate = static_cast<float>(std::max(0.001, std::round(r * 1000) / 1000));
    s.repayment = BRPAYMENT(s.principal, s.period, s.rate);
    const double top = s.repayment * 10;
    switch (std::uniform_int_distribution<int>(0, 3)(gen_)) {
      case 0:
        s.extra = std::round(Uniform(0, top) * 100) / 100;
        break;
      case 1:
        s.extra = std::round(LogUniform(0.01, std::max(0.02, top)) * 100) / 100;
        break;
      case 2:
        s.extra = std::floor(top * 100) / 100;  // the largest extra that is searched
        break;
      default:
        s.extra = 0;
        break;
    }
    return s;
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

}  // namespace reventa::test
