// SPDX-License-Identifier: GPL-3.0-or-later
// The package report: the figures on screen of a package window, written into
// the one row of SalPackage in the order the report reads them. All four package
// windows share the table; each writes only the fields it has.
#pragma once

#include <QString>
#include <array>

#include "calc/package/package.h"
#include "store/report.h"

namespace reventa {

// The values shown in the window when Print runs.
struct PackageSheet {
  QString taxpayerName;  // Text1 of the print panel
  double age = 0;
  double amount = 0;               // numNetMonSalReq
  double amountCostToCompany = 0;  // numCCNetMonSalReq (gross-to-net)
  double carValue = 0;
  double carValueCostToCompany = 0;
  double travel = 0;
  double travelCostToCompany = 0;
  double medicalEmployee = 0;
  double medicalEmployer = 0;
  double beneficiaries = 0;
  double additionalBeneficiaries = 0;  // numAddBens, never shown
  double otherFringeBenefits = 0;
  double otherFringeBenefitsCostToCompany = 0;
  double fundEmployee = 0;  // numRFundCont
  double fundEmployer = 0;  // numCCRFundCont
  double providentFund = 0;
  double providentFundCostToCompany = 0;
  double annuityDeduction = 0;  // numRADeduct
  double medicalDeductions = 0;
  double uifEmployee = 0;
  double uifEmployer = 0;
  double skillsLevy = 0;
  double taxDue = 0;
  double taxCredit = 0;
  double taxDeduction = 0;
  double otherExpensesTotal = 0;  // OtherDedTotal
  std::array<QString, 4> otherExpenseText;
  std::array<double, 4> otherExpense{};
  std::array<double, 4> otherExpenseCostToCompany{};
  double result = 0;  // numGrossSal
  double totalCost = 0;
  double onceOff = 0;  // numOnceOff
};

// The fields of SalPackage as the window writes them: all 53, less CostToComp
// in the net-to-gross windows and ProvDeduct, ProvDeductCC and RADeduct in the
// monthly net-to-gross window, which keep what the last print wrote.
Report PackageReport(PackageWindow window, const PackageSheet& sheet);

// The caption of the beneficiaries field: months a year in the annual windows,
// beneficiaries in the monthly ones. The report prints it as RADirective.
const char* PackageBeneficiariesCaption(PackagePeriod period);
// Whether the window has the provident fund, pension deducted and R/A deduction
// rows: all but the monthly net-to-gross window.
bool HasProvidentRows(PackageWindow window);

// The note on the once-off cost of a company car the employer has not costed.
QString OnceOffText(double carValue);
inline const QString kOnceOffTail =
    QStringLiteral("for the company car and this does not include fuel, maintenance etc).");

}  // namespace reventa
