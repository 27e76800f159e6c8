// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/reports/package_report.h"

#include "taxyear/numbers.h"

namespace reventa {
namespace {

// The texts about additional medical beneficiaries are fixed: they no longer
// follow the credits the calculation uses.
const QString kPrincipalMembers = QStringLiteral("(R 720pm each)");
const QString kOtherMembers = QStringLiteral("(R 440pm each)");

// Whole-number fields of the report (ages, counts) are written as integers.
int Whole(double value) { return static_cast<int>(RoundHalfEven(value)); }

// An empty text, stored as such (a null QString would be stored as NULL).
const QString kEmpty = QStringLiteral("");

// The report's heading and the caption of its amount: the gross-to-net windows
// print the net-to-gross caption too, their template labels the amount itself.
const char* Heading(PackageWindow w) {
  const bool annual = w.Period == PackagePeriod::Annual;
  if (w.Direction == PackageDirection::NetToGross) {
    return annual ? "Reventa Salary Package Calculation : Annual"
                  : "Reventa Salary Package Calculation : Monthly";
  }
  return annual ? "Veloxa Salary Package Calculation : Annual"
                : "Veloxa Salary Package Calculation : Monthly";
}

const char* AmountCaption(PackagePeriod period) {
  return period == PackagePeriod::Annual ? "Net annual salary required"
                                         : "Net monthly salary required";
}

QString Title(PackageWindow w) {
  return QString::fromLatin1(w.Direction == PackageDirection::NetToGross ? "Reventa2020"
                                                                         : "Veloxa2020") +
         QString::fromLatin1(w.Period == PackagePeriod::Annual ? " Annual" : " Monthly") +
         QStringLiteral(" - To export printout click on the suitcase button or goto Help");
}

}  // namespace

const char* PackageBeneficiariesCaption(PackagePeriod period) {
  return period == PackagePeriod::Annual ? "Medical beneficiaries months"
                                         : "Med. aid fund beneficiaries";
}

bool HasProvidentRows(PackageWindow w) {
  return !(w.Direction == PackageDirection::NetToGross && w.Period == PackagePeriod::Monthly);
}

QString OnceOffText(double carValue) {
  // The amount in plain decimal notation, unrounded like every figure the report
  // table holds (no grouping, no fixed decimals); the package templates print it
  // as money.
  return QStringLiteral("(plus a 'once-off' cost of R ") +
         QString::fromStdString(FormatShortest(carValue));
}

Report PackageReport(PackageWindow window, const PackageSheet& s) {
  const bool all = HasProvidentRows(window);
  const bool netToGross = window.Direction == PackageDirection::NetToGross;
  FieldList f;
  f.append({QStringLiteral("MonAnn"), QString::fromUtf8(Heading(window))});
  f.append({QStringLiteral("TPName"), s.taxpayerName.isNull() ? kEmpty : s.taxpayerName});
  f.append({QStringLiteral("TPAge"), Whole(s.age)});
  f.append({QStringLiteral("MonAnnSal"), QString::fromUtf8(AmountCaption(window.Period))});
  f.append({QStringLiteral("NetMonSal"), s.amount});
  if (!netToGross) f.append({QStringLiteral("CostToComp"), s.amountCostToCompany});
  f.append({QStringLiteral("CompCar"), s.carValue});
  f.append({QStringLiteral("CompCarCC"), s.carValueCostToCompany});
  f.append({QStringLiteral("TravAll"), s.travel});
  f.append({QStringLiteral("TravAllCC"), s.travelCostToCompany});
  f.append({QStringLiteral("MedAidCont"), s.medicalEmployee});
  f.append({QStringLiteral("MedAidContCC"), s.medicalEmployer});
  f.append({QStringLiteral("PMems"), Whole(s.beneficiaries)});
  f.append({QStringLiteral("AddBens"), Whole(s.additionalBeneficiaries)});
  // The tax-free medical amount is never set by these calculations.
  f.append({QStringLiteral("TaxFreeMedPrint"), 0.0});
  f.append({QStringLiteral("OtherTaxFB"), s.otherFringeBenefits});
  f.append({QStringLiteral("OtherTaxFBCC"), s.otherFringeBenefitsCostToCompany});
  f.append({QStringLiteral("PenDeduct"), s.fundEmployee});
  f.append({QStringLiteral("PenDeductCC"), s.fundEmployer});
  if (all) {
    f.append({QStringLiteral("ProvDeduct"), s.providentFund});
    f.append({QStringLiteral("ProvDeductCC"), s.providentFundCostToCompany});
  }
  f.append({QStringLiteral("RADirective"),
            QString::fromUtf8(PackageBeneficiariesCaption(window.Period))});
  if (all) f.append({QStringLiteral("RADeduct"), s.annuityDeduction});
  f.append({QStringLiteral("MedDeduct"), s.medicalDeductions});
  f.append({QStringLiteral("UIFCont"), s.uifEmployee});
  f.append({QStringLiteral("UIFContCC"), s.uifEmployer});
  f.append({QStringLiteral("SkillLevy"), s.skillsLevy});
  f.append({QStringLiteral("TaxDue"), s.taxDue});
  f.append({QStringLiteral("TaxCredit"), s.taxCredit});
  f.append({QStringLiteral("TaxDeduct"), s.taxDeduction});
  f.append({QStringLiteral("PrinMembers"), kPrincipalMembers});
  f.append({QStringLiteral("BenMembers"), kOtherMembers});

  const bool expenses = s.otherExpensesTotal > 0;
  f.append({QStringLiteral("OEXPTXT"), expenses ? QStringLiteral("Other Expenses :") : kEmpty});
  // Each row in its own place: a row without an amount stays empty, the rows
  // after it are not moved up.
  for (std::size_t i = 0; i < s.otherExpense.size(); ++i) {
    const QString n = QString::number(i);
    if (expenses && s.otherExpense[i] > 0) {
      f.append({QStringLiteral("ODedTxt") + n,
                s.otherExpenseText[i].isNull() ? kEmpty : s.otherExpenseText[i]});
      f.append({QStringLiteral("ODedR") + n, QStringLiteral("R")});
      f.append({QStringLiteral("ODedNum") + n, s.otherExpense[i]});
      f.append({QStringLiteral("ODedNumCC") + n, s.otherExpenseCostToCompany[i]});
    } else {
      f.append({QStringLiteral("ODedTxt") + n, kEmpty});
      f.append({QStringLiteral("ODedR") + n, kEmpty});
      f.append({QStringLiteral("ODedNum") + n, 0});
      f.append({QStringLiteral("ODedNumCC") + n, 0});
    }
  }

  f.append({QStringLiteral("GSal"), s.result});
  f.append({QStringLiteral("TotCostComp"), s.totalCost});
  const bool onceOff = s.onceOff > 0;
  f.append({QStringLiteral("PlusCompCar1"), onceOff ? OnceOffText(s.onceOff) : kEmpty});
  f.append({QStringLiteral("PlusCompCar2"), onceOff ? kOnceOffTail : kEmpty});
  return SingleRowReport(QStringLiteral("SalPackage"), f,
                         netToGross ? QStringLiteral("Reventa.rpt") : QStringLiteral("Veloxa.rpt"),
                         Title(window));
}

}  // namespace reventa
