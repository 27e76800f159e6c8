// SPDX-License-Identifier: GPL-3.0-or-later
// The differences between the four pay-period windows (monthly, fortnightly,
// weekly, daily) as data. One window class,
// PayPeriodWindow, lays itself out and calculates from a design.
#pragma once

#include <QString>
#include <cstdint>

#include "calc/period/pay_period.h"

namespace reventa {

struct PayPeriodDesign {
  PayPeriodKind kind;
  const char* objectName;  // frmMonthly ...
  const char* caption;     // the window's caption
  PayPeriodResult (*compute)(const PayPeriodInput&);

  // Fields whose names differ between the windows.
  const char* ageField;
  const char* bonusField;
  const char* travelField;
  const char* travelLabel;
  // The weekly and fortnightly day counts: labels, largest count, value at load.
  const char* normalDaysLabel;
  const char* thisDaysLabel;
  double maxDays;

  bool hasDates() const { return kind == PayPeriodKind::Monthly; }
  bool hasDayCounts() const {
    return kind == PayPeriodKind::Weekly || kind == PayPeriodKind::Fortnightly;
  }
  // The monthly window takes whole rands; the others take rand and cents except
  // for the retirement-fund contributions.
  bool wholeRandAmounts() const { return kind == PayPeriodKind::Monthly; }
};

const PayPeriodDesign& MonthlyDesign();
const PayPeriodDesign& WeeklyDesign();
const PayPeriodDesign& FortnightlyDesign();
const PayPeriodDesign& DailyDesign();

}  // namespace reventa
