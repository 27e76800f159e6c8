// SPDX-License-Identifier: GPL-3.0-or-later
// What sets the four salary package windows apart: their names and captions and
// the fields only some of them have. One window class serves all
// four and takes one of these records.
#pragma once

#include <cstdint>

#include "calc/package/package.h"
#include "store/reports/package_report.h"

namespace reventa {

struct PackageVariant {
  const char* objectName;  // frmReventaAnn ...
  const char* caption;
  PackageWindow kind;

  const char* amountCaption;  // numNetMonSalReq
  std::int16_t beneficiariesMax;
  const char* resultCaption;           // numGrossSal
  const char* pensionDeductedCaption;  // empty: the field is shown uncaptioned
  const char* skillsLevyCaption;
  const char* travelRateCaption;  // the settings panel's travel allowance option pair

  bool netToGross() const { return kind.Direction == PackageDirection::NetToGross; }
  // numRADeduct, numProvFund, numPenDeduct and their cost-to-company twins; the
  // monthly net-to-gross window has none of them.
  bool providentRows() const { return HasProvidentRows(kind); }
  bool annual() const { return kind.Period == PackagePeriod::Annual; }
};

inline constexpr PackageVariant kReventaAnnual{
    "frmReventaAnn",
    "Reventa : Annual Calculation",
    NetToGrossAnnual,
    "Net annual salary required",
    PackageBeneficiariesMax(PackagePeriod::Annual),
    "Gross salary",
    "",
    "Skills levy",
    "Travel allowance inclusion rate :",
};

inline constexpr PackageVariant kReventaMonthly{
    "frmReventaMon",
    "Reventa : Monthly Calculation",
    NetToGrossMonthly,
    "Net monthly salary required",
    PackageBeneficiariesMax(PackagePeriod::Monthly),
    "Gross salary",
    "",
    "Skills levy",
    "Travel allowance inclusion rate",
};

inline constexpr PackageVariant kVeloxaAnnual{
    "frmVeloxaAnn",
    "Veloxa : Annual Calculation",
    GrossToNetAnnual,
    "Total package amount",
    PackageBeneficiariesMax(PackagePeriod::Annual),
    "Net salary(take-home)",
    "Pension deducted",
    "Skills levy",
    "Travel allowance inclusion rate :",
};

inline constexpr PackageVariant kVeloxaMonthly{
    "frmVeloxaMon",
    "Veloxa : Monthly Calculation",
    GrossToNetMonthly,
    "Total package amount",
    PackageBeneficiariesMax(PackagePeriod::Monthly),
    "Net salary(take-home)",
    "Pension deducted",
    "Skills Development Levy",
    "Travel allowance inclusion rate :",
};

}  // namespace reventa
