// SPDX-License-Identifier: GPL-3.0-or-later
// The two worked lines of the "R/A Explained" panel: the retirement annuity a
// taxpayer may still contribute is the greatest of A (R3 500 less the employee's
// fund contributions), B (R1 750) and C (15% of the income that is not
// retirement-funding income). The panel shows annual figures and is only
// informational: nothing else reads them.
#pragma once

#include <string>

#include "calc/package/package.h"

namespace reventa {

struct RetirementAnnuityLines {
  double EmployeeContributions = 0;  // X of line A, annual
  double NonFundingIncome = 0;       // Y of line C, annual
  std::string LineA;                 // "ie: R 3 500 - R... = R..."
  std::string LineC;                 // "ie: R ... X 15% = R..."
};

// `held` is the window's copy of the inputs (its percentages included), `result`
// the PackageResult it keeps, `shownResult` the amount in numGrossSal, and
// `anyPercentage` whether any of the employee, employer and the two provident
// percentages is above 0. The car term of C uses the travel allowance inclusion
// rate, as these windows always have.
RetirementAnnuityLines ExplainRetirementAnnuity(PackageWindow window, const PackageInputs& held,
                                                const PackageResult& result, double shownResult,
                                                bool anyPercentage);

}  // namespace reventa
