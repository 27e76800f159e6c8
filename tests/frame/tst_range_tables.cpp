// SPDX-License-Identifier: GPL-3.0-or-later
// Every calculator's range table walked through both doors: the window's field of
// each input holds the table's limits and places and refuses a value just outside
// them as it is typed, and the command-line tool takes the limits and refuses the
// same value just outside, with the table's message. And the frame's print panel:
// the focus starts on its first control and Tab and Shift+Tab go round the panel.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>
#include <cmath>
#include <vector>

#include "calc/annual/annual_paye.h"
#include "calc/annual/quicktax.h"
#include "calc/finance/daily_balance.h"
#include "calc/finance/inflation.h"
#include "calc/finance/loan.h"
#include "calc/finance/loan_buster.h"
#include "calc/finance/loan_comparison.h"
#include "calc/package/package.h"
#include "calc/period/pay_period.h"
#include "calc/vehicle/company_car.h"
#include "calc/vehicle/travel_claim.h"
#include "frame/form.h"
#include "support/test_app.h"
#include "taxyear/numbers.h"

using namespace reventa;
using namespace reventa::test;

namespace {

// A calculator: its window, its command, and the inputs its table lists. A car's
// inputs go into the first car of the register.
struct Calculator {
  QString window;
  QString command;
  std::vector<InputRange> ranges;
  bool car = false;
};

template <class Record>
std::vector<InputRange> Ranges(RangeTable<Record> table) {
  std::vector<InputRange> ranges;
  for (const InputField<Record>& f : table) {
    // Dates have the calculator's date rule; the settings their panel.
    if (!f.Range.Date) ranges.push_back(f.Range);
  }
  return ranges;
}

// The inputs no field of the window is typed into: the settings (the settings
// panel's), the other expenses' total (the sum of four fields) and the values a
// car's run works out.
const QStringList kNotTyped{
    "AnnInclusionRate", "EmployeeUIF",  "EmployerUIF", "SkillLevy",      "UIFLimit",
    "InclusionRate",    "EmployeePct",  "EmployerPct", "UifEmployeePct", "UifEmployerPct",
    "SdlPct",           "UifLimit",     "TaRate",      "CarFbRate",      "OtherDedTotal",
    "AdjustTaxableInc", "FuelComponent"};

QString Number(double value) { return QString::fromStdString(FormatShortest(value)); }

// The tool's answers to one line per input, in order.
QList<QJsonObject> RunTool(const Calculator& c, const QStringList& lines) {
  QProcess tool;
  tool.start(QStringLiteral(REVENTA_CALC_PATH), {c.command});
  tool.write(lines.join(QLatin1Char('\n')).toUtf8() + '\n');
  tool.closeWriteChannel();
  tool.waitForFinished(30000);
  QList<QJsonObject> answers;
  for (const QByteArray& line : tool.readAllStandardOutput().split('\n')) {
    if (!line.isEmpty()) answers.append(QJsonDocument::fromJson(line).object());
  }
  return answers;
}

}  // namespace

Q_DECLARE_METATYPE(Calculator)

class TestRangeTables : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void windowAndToolAgree_data();
  void windowAndToolAgree();
  void printPanelKeepsTheKeyboard_data();
  void printPanelKeepsTheKeyboard();
};

void TestRangeTables::windowAndToolAgree_data() {
  QTest::addColumn<Calculator>("calculator");
  const Calculator calculators[] = {
      {"frmKwikTax", "quicktax", Ranges<QuickTaxInput>(QuickTaxRanges)},
      {"frmAnnual", "annual", Ranges<AnnualInputs>(AnnualRanges)},
      {"frmMonthly", "monthly", Ranges(PayPeriodRanges(PayPeriodKind::Monthly))},
      {"frmWeekly", "weekly", Ranges(PayPeriodRanges(PayPeriodKind::Weekly))},
      {"frmFortNight", "fortnightly", Ranges(PayPeriodRanges(PayPeriodKind::Fortnightly))},
      {"frmDaily", "daily", Ranges(PayPeriodRanges(PayPeriodKind::Daily))},
      {"frmReventaAnn", "net-to-gross-annual", Ranges(PackageRanges(NetToGrossAnnual))},
      {"frmReventaMon", "net-to-gross-monthly", Ranges(PackageRanges(NetToGrossMonthly))},
      {"frmVeloxaAnn", "gross-to-net-annual", Ranges(PackageRanges(GrossToNetAnnual))},
      {"frmVeloxaMon", "gross-to-net-monthly", Ranges(PackageRanges(GrossToNetMonthly))},
      {"frmCarAll1", "travel-allowance", Ranges<TravelClaimInputs>(TravelClaimRanges)},
      {"frmCompCar", "company-car", Ranges<CompanyCar>(CompanyCarRanges), true},
      {"frmCompCar", "company-car", Ranges<CompanyCarRegister>(CompanyCarRegisterRanges)},
      {"frmLoans", "loan", Ranges<LoanState>(LoanRanges)},
      {"frmLoanBuster", "loan-buster", Ranges<LoanBusterState>(LoanBusterRanges)},
      {"frmLoanComp", "loan-comparison", Ranges<LoanComparisonState>(LoanComparisonRanges)},
      {"frmDayBal", "daily-balance", Ranges<DailyBalanceState>(DailyBalanceRanges)},
      {"frmInflation", "inflation", Ranges<InflationState>(InflationRanges)},
  };
  for (const Calculator& c : calculators) {
    QTest::newRow(qPrintable(c.window + (c.car ? QStringLiteral(" car") : QString()))) << c;
  }
}

void TestRangeTables::windowAndToolAgree() {
  QFETCH(Calculator, calculator);
  TestApp app;
  QWidget* w = app.openAtDefaultSize(calculator.window);
  // A car on screen, so that its fields take what is typed.
  if (calculator.window == QLatin1String("frmCompCar")) {
    Click(w, QStringLiteral("cmdAdd"));
    TypeInto(Child(w, QStringLiteral("txtCCRegNumber")), QStringLiteral("CA 1"));
  }
  QHash<QString, NumericField*> fields;
  for (NumericField* f : w->findChildren<NumericField*>()) {
    const QString key = f->property(kInputKeyProperty).toString();
    if (!key.isEmpty()) fields.insert(key, f);
  }

  QStringList lines;
  const auto line = [&](const InputRange& r, double value) {
    QJsonObject input{{QString::fromLatin1(r.Key), value}};
    if (calculator.car) {
      input = QJsonObject{{QStringLiteral("Cars"), QJsonArray{input}}};
    }
    lines << QString::fromUtf8(QJsonDocument(input).toJson(QJsonDocument::Compact));
  };
  int checked = 0;
  for (const InputRange& r : calculator.ranges) {
    const QString key = QString::fromLatin1(r.Key);
    const double step = std::pow(10.0, -r.Decimals);
    line(r, r.Min);
    line(r, r.Max);
    line(r, r.Max + step);
    NumericField* field = fields.value(key);
    QVERIFY2((field == nullptr) == kNotTyped.contains(key), qPrintable(key));
    if (field == nullptr) continue;
    ++checked;
    QCOMPARE(field->minimum(), r.Min);
    QCOMPARE(field->maximum(), r.Max);
    QCOMPARE(field->decimals(), r.Decimals);
    if (!field->isEnabled() || field->isReadOnly()) continue;
    TypeInto(field, Number(r.Max));
    QCOMPARE(field->value(), r.Max);
    TypeInto(field, Number(r.Max + step));
    QVERIFY2(field->value() <= r.Max, qPrintable(key));
    // Back to nothing, so that no rule between two fields meets two limits.
    TypeInto(field, QStringLiteral("0"));
  }
  QVERIFY(checked > 0);
  app.messages.shown.clear();

  const QList<QJsonObject> answers = RunTool(calculator, lines);
  QCOMPARE(answers.size(), lines.size());
  for (std::size_t i = 0; i < calculator.ranges.size(); ++i) {
    const InputRange& r = calculator.ranges[i];
    const QString key = QString::fromLatin1(r.Key);
    const QString prefix = (calculator.car ? QStringLiteral("Cars: car 1: ") : QString()) + key;
    for (int k : {0, 1}) {
      const QString error =
          answers[static_cast<int>(3 * i) + k].value(QStringLiteral("error")).toString();
      QVERIFY2(!error.startsWith(prefix + QLatin1Char(':')), qPrintable(error));
    }
    const double step = std::pow(10.0, -r.Decimals);
    QCOMPARE(answers[static_cast<int>(3 * i) + 2].value(QStringLiteral("error")).toString(),
             prefix + QStringLiteral(": ") + Number(r.Max + step) + QStringLiteral(" is outside ") +
                 Number(r.Min) + QStringLiteral(" to ") + Number(r.Max));
  }
}

void TestRangeTables::printPanelKeepsTheKeyboard_data() {
  QTest::addColumn<QString>("window");
  // The focus when "&Print" opens the panel, then after each Tab, round to the first.
  QTest::addColumn<QStringList>("tabs");
  QTest::newRow("Travel Allowance: the name first")
      << "frmCarAll1" << QStringList{"Text3", "cmdVR", "cmdPD", "cmdCancel", "Text3"};
  QTest::newRow("Annual: the language chosen, then the name")
      << "frmAnnual" << QStringList{"Option1", "Text1", "cmdVR", "cmdPD", "cmdCancel", "Option1"};
  QTest::newRow("QuickTax: buttons only")
      << "frmKwikTax" << QStringList{"cmdVR", "cmdPD", "cmdCancel", "cmdVR"};
}

void TestRangeTables::printPanelKeepsTheKeyboard() {
  QFETCH(QString, window);
  QFETCH(QStringList, tabs);
  TestApp app;
  QWidget* w = app.openAtDefaultSize(window);
  QPushButton* print =
      w->findChildren<QPushButton*>(QRegularExpression(QStringLiteral("^cmd?Print$"))).first();
  print->setFocus();
  QTest::keyClick(print, Qt::Key_Space);
  QStringList visited{QApplication::focusWidget()->objectName()};
  while (visited.size() < tabs.size()) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  QCOMPARE(visited, tabs);
  // Shift+Tab goes round the other way, to Cancel, which closes the panel only.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  QVERIFY(w->isVisible());
  QCOMPARE(QApplication::focusWidget(), print);
}

QTEST_MAIN(TestRangeTables)
#include "tst_range_tables.moc"
