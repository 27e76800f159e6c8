// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/package/ui/ra_explained.h"

#include <cmath>

#include "taxyear/numbers.h"
#include "taxyear/tax_year.h"

namespace reventa {
namespace {

// The retirement annuity allowance of line A, a year.
constexpr double kAllowanceA = 3500;
constexpr double kShareC = 0.15;

}  // namespace

RetirementAnnuityLines ExplainRetirementAnnuity(PackageWindow window, const PackageInputs& held,
                                                const PackageResult& result, double shownResult,
                                                bool anyPercentage) {
  const bool monthly = window.Period == PackagePeriod::Monthly;
  const bool netToGross = window.Direction == PackageDirection::NetToGross;
  RetirementAnnuityLines lines;

  // Only the monthly net-to-gross window brings the employee's contribution to a
  // year; the monthly gross-to-net window shows the month's amount as it is.
  lines.EmployeeContributions =
      monthly && netToGross ? 12 * result.RFundEmployee : result.RFundEmployee;

  const double rate = held.MaintenancePlan ? CarBenefitRateMaintPlan : CarBenefitRate;
  const double otherIncome =
      held.CarValue * rate * held.TaRate * 12 + held.Travel + held.OtherFB + held.OtherDedTotal;
  if (anyPercentage || (monthly && netToGross)) {
    lines.NonFundingIncome = otherIncome;
  } else if (netToGross) {
    lines.NonFundingIncome = shownResult;
  } else {
    lines.NonFundingIncome = monthly ? 12 * held.Package : held.Package;
  }

  const double x = lines.EmployeeContributions;
  const double left = kAllowanceA - x;
  lines.LineA = "ie: R 3 500 - R" + FormatAmount(x) + (left >= 0 ? " = R" : " = - R") +
                FormatAmount(std::fabs(left));
  const double y = lines.NonFundingIncome;
  lines.LineC = "ie: R " + FormatAmount(y) + " X 15% = R" + FormatAmount(kShareC * y);
  return lines;
}

}  // namespace reventa
