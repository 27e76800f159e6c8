// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/period/ui/pay_period_design.h"

namespace reventa {
namespace {

const PayPeriodDesign kMonthly{
    PayPeriodKind::Monthly,
    "frmMonthly",
    "Monthly",
    [](const PayPeriodInput& in) { return ComputeMonthlyPaye(in); },
    "silgEdit9",
    "silgEdit12",
    "silgEdit13",
    "Travel Allowance R",
    "",
    "",
    0,
};

const PayPeriodDesign kWeekly{
    PayPeriodKind::Weekly,
    "frmWeekly",
    "Weekly",
    [](const PayPeriodInput& in) {
      return ComputeWeeklyPaye(in, PeriodsPerYearWeekly, WeeklyMedCreditDivisor);
    },
    "silgEdit14",
    "sidbEdit4",
    "sidbEdit6",
    "Travel allowance received",
    "Normal work week",
    "This work week",
    7,
};

const PayPeriodDesign kFortnightly{
    PayPeriodKind::Fortnightly,
    "frmFortNight",
    "Fortnightly",
    [](const PayPeriodInput& in) {
      return ComputeWeeklyPaye(in, PeriodsPerYearFortnightly, FortnightlyMedCreditDivisor);
    },
    "silgEdit14",
    "sidbEdit4",
    "sidbEdit6",
    "Travel allowance received",
    "Normal fortnight",
    "This fortnight",
    14,
};

const PayPeriodDesign kDaily{
    PayPeriodKind::Daily,
    "frmDaily",
    "Daily",
    [](const PayPeriodInput& in) { return ComputeDailyPaye(in); },
    "silgEdit23",
    "sidbEdit4",
    "sidbEdit6",
    "Travel allowance received",
    "",
    "",
    0,
};

}  // namespace

const PayPeriodDesign& MonthlyDesign() { return kMonthly; }
const PayPeriodDesign& WeeklyDesign() { return kWeekly; }
const PayPeriodDesign& FortnightlyDesign() { return kFortnightly; }
const PayPeriodDesign& DailyDesign() { return kDaily; }

}  // namespace reventa
