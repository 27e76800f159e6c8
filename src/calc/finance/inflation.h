// SPDX-License-Identifier: GPL-3.0-or-later
// The inflation projection: a present cost carried over whole years at a constant
// annual rate, compounded yearly, and the buying power of the present amount
// after those years in today's terms.
#pragma once

#include "taxyear/input_range.h"
#include "taxyear/shared_state.h"

namespace reventa {

inline constexpr double PresentCostMax = 99999999;
inline constexpr double InflationYearsMax = 40;
inline constexpr double InflationRateMin = -5;
inline constexpr double InflationRateMax = 40;
// A future cost above this is too large for the window's field and is not printed.
inline constexpr double FutureCostShownMax = 9999999999;

struct InflationResult {
  double FutureCost = 0;
  double BuyingPower = 0;
  bool TooLarge = false;  // "Amount too large to display" in place of the future cost
};

// ProjectInflation on the shared values; the years are taken whole, at most 40.
InflationResult ProjectInflation(const InflationState& inflation);

// The rate spin: 0.25 up or down, cycling through -5 to 30; `beep` when a step
// up lands exactly on 0.
double StepInflationRate(double rate, bool up, bool& beep);
// The period spin on a period other than 0: one year up or down, cycling through
// 1 to 40; `beep` when a step down reaches 0.
double StepInflationYears(double years, bool up, bool& beep);

inline constexpr const char* InflationRateTitle = "Incorrect Inflation Rate!";
inline constexpr const char* InflationRateText =
    "The range of the Inflation Rate is between -5% and 40%";
inline constexpr const char* InflationPeriodTitle = "Incorrect Period!";
inline constexpr const char* InflationPeriodText = "The maximum period allowed 40 years";
inline constexpr const char* InflationTooLargeText = "Amount too large to display";

inline constexpr InputField<InflationState> InflationRanges[] = {
    {{"PresentCost", 0, PresentCostMax, 0}, &InflationState::PresentCost},
    {{"InflationYears", 0, InflationYearsMax, 0, InflationPeriodTitle, InflationPeriodText},
     &InflationState::InflationYears},
    {{"InflationRate", InflationRateMin, InflationRateMax, 3, InflationRateTitle,
      InflationRateText},
     &InflationState::InflationRate},
};

}  // namespace reventa
