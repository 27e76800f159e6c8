// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/finance/daily_balance.h"

namespace reventa {

DailyBalanceResult ComputeDailyBalance(const DailyBalanceState& deposit) {
  DailyBalanceResult r;
  // Serials lie between 1 January 1800 and 31 December 9999; the difference fits.
  r.DayCount = deposit.DepositEnd - deposit.DepositStart;
  const double capital = deposit.DepositCapital;
  const double rate = deposit.DepositRate;
  r.InterestAccrued = static_cast<float>(capital * rate / 100 * r.DayCount / 365);
  return r;
}

double StepDepositRate(double rate, double step, bool up, bool& beep) {
  beep = false;
  if (up) {
    const double next = rate + step;
    return next > DepositRateMax ? step : next;
  }
  const double next = rate - step;
  if (next <= 0) {
    beep = true;
    return DepositRateMax;
  }
  return next;
}

bool StepDepositEnd(DailyBalanceState& deposit, bool up) {
  const std::int32_t start = deposit.DepositStart;
  std::int32_t end = deposit.DepositEnd < start ? start : deposit.DepositEnd;
  const std::int32_t before = deposit.DepositEnd;
  if (up) {
    end = end + 1 > start + DepositSpanDays ? end : end + 1;
  } else {
    end = end - 1 < start ? start : end - 1;
  }
  deposit.DepositEnd = end;
  return end != before;
}

}  // namespace reventa
