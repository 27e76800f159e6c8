// SPDX-License-Identifier: GPL-3.0-or-later
// The loan scenarios report: the loan, its changes, the loan as it stands beside
// the scenario, the rate table, a chart of both balances and the scenario's
// monthly schedule with the months of the changes marked.
#pragma once

#include <QString>

#include "calc/finance/loan_scenario.h"
#include "store/report.h"

namespace reventa {

// A change as the window's list and the report word it: "Lump sum of R 20 000.00,
// shorter term".
QString LoanChangeText(const LoanChange& change);
// The repayments of an outcome: "R 2 224.44" or "R 2 224.44 from month 1, R 1 803.83
// from month 13".
QString LoanRepaymentsText(const LoanOutcome& outcome);

Report LoanScenarioReport(const LoanScenarioInput& input, const LoanScenarioResult& result);

}  // namespace reventa
