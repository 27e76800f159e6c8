// SPDX-License-Identifier: GPL-3.0-or-later
// Daily balance interest: simple interest on a capital amount for the days
// between two dates, on a 365-day year. The capital, the rate and the result are
// single precision, as the window holds them (about seven significant digits:
// 12 345 678.91 is held as 12 345 679).
#pragma once

#include <cstdint>

#include "taxyear/input_range.h"
#include "taxyear/shared_state.h"

namespace reventa {

inline constexpr double DepositCapitalMax = 99999999.99;
inline constexpr double DepositRateMax = 40;
// The window's 30-year limit between the two dates, in days.
inline constexpr std::int32_t DepositSpanDays = 10960;
// The serial the shared dates hold when there is no date (1 January 1800); the
// window shows dates from NoDepositDate + 2 on (serials of -36520 and later).
inline constexpr std::int32_t NoDepositDate = -36522;
inline constexpr std::int32_t FirstShownDepositDate = -36520;

struct DailyBalanceResult {
  std::int32_t DayCount = 0;  // the end date less the start date: the start day not counted
  float InterestAccrued = 0;
};

// ComputeDailyBalance: capital x rate / 100 x days / 365, kept in single precision.
DailyBalanceResult ComputeDailyBalance(const DailyBalanceState& deposit);

// The rate spin: the rate stepped by `step` up or down, kept within the rate
// field's 0 to 40. Up past 40 starts again at one step; down to 0 or below beeps
// (`beep` set) and starts again at 40.
double StepDepositRate(double rate, double step, bool up, bool& beep);

// The date spin (only with a start date): the end date one day later or earlier,
// never before the start date nor more than the 30-year span after it; an end
// date not yet given starts at the start date. False when the end date could not
// move (the window beeps).
bool StepDepositEnd(DailyBalanceState& deposit, bool up);

// The window's messages.
inline constexpr const char* DepositRateTitle = "Incorrect Interest Rate!";
inline constexpr const char* DepositRateText = "The maximum Interest Rate allowed is 40%";
inline constexpr const char* DepositRangeTitle = "DATE OUT OF RANGE";
inline constexpr const char* DepositStartRangeText =
    "The date entered is more than 30 years(360 months) before ";
inline constexpr const char* DepositEndRangeText =
    "The date entered is more than 30 years(360 months) after ";
inline constexpr const char* DepositInvalidTitle = "INVALID DATE";
inline constexpr const char* DepositInvalidText =
    "The date entered is invalid please enter a valid date.";

// The window's inputs in its order; the dates are any day a date field takes.
inline constexpr InputField<DailyBalanceState> DailyBalanceRanges[] = {
    {{"DepositCapital", 0, DepositCapitalMax, 2}, &DailyBalanceState::DepositCapital},
    {AnyDateRange.Named("DepositStart"), &DailyBalanceState::DepositStart},
    {AnyDateRange.Named("DepositEnd"), &DailyBalanceState::DepositEnd},
    {{"DepositRate", 0, DepositRateMax, 3, DepositRateTitle, DepositRateText},
     &DailyBalanceState::DepositRate},
};

}  // namespace reventa
