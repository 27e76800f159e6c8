// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/finance/inflation.h"

#include <algorithm>
#include <cmath>

namespace reventa {
namespace {

constexpr double RateStep = 0.25;
constexpr double RateSpinMax = 30;

}  // namespace

InflationResult ProjectInflation(const InflationState& inflation) {
  InflationResult r;
  r.FutureCost = inflation.PresentCost;
  r.BuyingPower = inflation.PresentCost;
  const double rate = inflation.InflationRate;
  // The field holds 0 to 40 whole years; the bound keeps the loop finite for any
  // value the state could hold.
  const int years =
      static_cast<int>(std::clamp(std::floor(inflation.InflationYears), 0.0, InflationYearsMax));
  for (int y = 0; y < years; ++y) {
    r.FutureCost = r.FutureCost + r.FutureCost * rate / 100;
    r.BuyingPower = r.BuyingPower - r.BuyingPower * rate / (rate + 100);
  }
  r.TooLarge = r.FutureCost > FutureCostShownMax;
  return r;
}

double StepInflationRate(double rate, bool up, bool& beep) {
  beep = false;
  if (up) {
    const double next = rate + RateStep;
    if (next == 0) beep = true;
    return next > RateSpinMax ? InflationRateMin : next;
  }
  const double next = rate - RateStep;
  return next < InflationRateMin ? RateSpinMax : next;
}

double StepInflationYears(double years, bool up, bool& beep) {
  beep = false;
  if (up) {
    const double next = years + 1;
    return next > InflationYearsMax ? 1 : next;
  }
  const double next = years - 1;
  if (next <= 0) {
    beep = true;
    return InflationYearsMax;
  }
  return next;
}

}  // namespace reventa
