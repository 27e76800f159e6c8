// What sets the four salary package windows apart: their names and captions, the
// fields only some of them have, and their report. One window class serves all
// four and takes one of these records.
#pragma once

#include <cstdint>

#include "calc/package/package.h"

namespace reventa {

struct PackageVariant {
  const char* objectName;  // frmReventaAnn ...
  const char* caption;
  PackageWindow kind;

  const char* amountCaption;         // numNetMonSalReq
  const char* beneficiariesCaption;  // numPMems, also printed as RADirective
  std::int16_t beneficiariesMax;
  const char* resultCaption;  // numGrossSal
  // numRADeduct, numProvFund, numPenDeduct and their cost-to-company twins; the
  // monthly net-to-gross window has none of them.
  bool providentRows;
  const char* pensionDeductedCaption;  // empty: the field is shown uncaptioned
  const char* skillsLevyCaption;
  const char* travelRateCaption;  // the settings panel's travel allowance option pair

  // Report: the heading, the caption of the amount, template and window title.
  const char* reportHeading;
  const char* reportAmountCaption;
  const char* templateName;
  const char* reportTitle;

  bool netToGross() const { return kind.Direction == PackageDirection::NetToGross; }
  bool annual() const { return kind.Period == PackagePeriod::Annual; }
};

inline constexpr PackageVariant kReventaAnnual{
    "frmReventaAnn",
    "Reventa : Annual Calculation",
    NetToGrossAnnual,
    "Net annual salary required",
    "Medical beneficiaries months",
    PackageBeneficiariesMax(PackagePeriod::Annual),
    "Gross salary",
    true,
    "",
    "Skills levy",
    "Travel allowance inclusion rate :",
    "Reventa Salary Package Calculation : Annual",
    "Net annual salary required",
    "Reventa.rpt",
    "Reventa2020 Annual - To export printout click on the suitcase button or goto Help",
};

inline constexpr PackageVariant kReventaMonthly{
    "frmReventaMon",
    "Reventa : Monthly Calculation",
    NetToGrossMonthly,
    "Net monthly salary required",
    "Med. aid fund beneficiaries",
    PackageBeneficiariesMax(PackagePeriod::Monthly),
    "Gross salary",
    false,
    "",
    "Skills levy",
    "Travel allowance inclusion rate",
    "Reventa Salary Package Calculation : Monthly",
    "Net monthly salary required",
    "Reventa.rpt",
    "Reventa2020 Monthly - To export printout click on the suitcase button or goto Help",
};

// The gross-to-net windows print the net-to-gross caption of the amount as well;
// their template labels the amount itself.
inline constexpr PackageVariant kVeloxaAnnual{
    "frmVeloxaAnn",
    "Veloxa : Annual Calculation",
    GrossToNetAnnual,
    "Total package amount",
    "Medical beneficiaries months",
    PackageBeneficiariesMax(PackagePeriod::Annual),
    "Net salary(take-home)",
    true,
    "Pension deducted",
    "Skills levy",
    "Travel allowance inclusion rate :",
    "Veloxa Salary Package Calculation : Annual",
    "Net annual salary required",
    "Veloxa.rpt",
    "Veloxa2020 Annual - To export printout click on the suitcase button or goto Help",
};

inline constexpr PackageVariant kVeloxaMonthly{
    "frmVeloxaMon",
    "Veloxa : Monthly Calculation",
    GrossToNetMonthly,
    "Total package amount",
    "Med. aid fund beneficiaries",
    PackageBeneficiariesMax(PackagePeriod::Monthly),
    "Net salary(take-home)",
    true,
    "Pension deducted",
    "Skills Development Levy",
    "Travel allowance inclusion rate :",
    "Veloxa Salary Package Calculation : Monthly",
    "Net monthly salary required",
    "Veloxa.rpt",
    "Veloxa2020 Monthly - To export printout click on the suitcase button or goto Help",
};

}  // namespace reventa
