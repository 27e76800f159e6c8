// SPDX-License-Identifier: GPL-3.0-or-later
// The reports of the finance calculators. The loan report is the single row of
// Loans with the loan and, when shown, its totals, then the schedule lines of
// Amort; the calculate mode and the schedule kind choose its template and title.
// The loan buster (BondBust), loan comparison (BondComp), daily balance (DailyBal)
// and inflation (Inflation) reports are one row each, and have nothing to print
// until their window has a result.
#pragma once

#include <QString>
#include <optional>

#include "calc/finance/daily_balance.h"
#include "calc/finance/inflation.h"
#include "calc/finance/loan.h"
#include "calc/finance/loan_buster.h"
#include "calc/finance/loan_comparison.h"
#include "store/report.h"

namespace reventa {

// What the print panel asks for: no schedule, or the yearly or monthly one.
enum class AmortKind { None = 0, Monthly = 1, Annual = 2 };

// The totals fields are blank (and their amounts the whole number 0) unless the
// window shows the totals; YearMon is written only with a schedule, so a report
// without one leaves it as it was. A report without a schedule has no title of
// its own, and then shows the window's caption.
Report LoansReport(const LoanState& loan, AmortKind schedule);

// Nothing to print without a principal.
std::optional<Report> LoanBusterReport(const LoanBusterState& buster, std::int16_t period,
                                       const LoanBusterResult& result);

// The rows as calculated for the amount and rate; nothing without both.
std::optional<Report> LoanComparisonReport(double amount, float rate, const BondComparison& rows);

// The deposit the result was calculated on; nothing without interest over days.
std::optional<Report> DailyBalanceReport(const DailyBalanceState& deposit,
                                         const DailyBalanceResult& result);

// Nothing without a future cost the window can show.
std::optional<Report> InflationReport(const InflationState& inflation);

}  // namespace reventa
