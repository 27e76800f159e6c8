// SPDX-License-Identifier: GPL-3.0-or-later
// The reports of the vehicle calculators. The travel allowance report is the one
// row of traveldeduction that every print edits in place: the fields common to
// both methods first, then those of the method the records choose; the other
// method's fields keep what an earlier print left there. The company car report
// refills compcar with one row per car of the register, in register order.
#pragma once

#include <QString>

#include "calc/vehicle/company_car.h"
#include "store/report.h"
#include "taxyear/shared_state.h"

namespace reventa {

// The fields in the order they are written. The dates are the window's, as
// dd/mm/yyyy texts; the figures are those the last calculation left in the
// state. caeprk.rpt with records kept, caepnrk.rpt without.
Report TravelAllowanceReport(const TravelAllowanceState& travel, const QString& employeeName,
                             double startDate, double endDate);

// One row per car 1 to N, the fields in the order the table lists them, with the
// results of `run` (the print computation). The three flags are written as "Yes"
// or "No" and left out when they hold anything else; the dates as dd/mm/yyyy.
Report CompanyCarReport(const CompanyCarRegister& cars, const CompanyCarRun& run);

}  // namespace reventa
