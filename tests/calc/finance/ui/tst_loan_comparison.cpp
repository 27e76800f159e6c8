// SPDX-License-Identifier: GPL-3.0-or-later
// The loan comparison window driven as a user drives it: the grid's captions,
// the worked figures typed in with the chart beside them, activation
// recalculating from the shared bond, the rate message, the Tab path, and the
// record "&Print" writes with the report it produces.
#include <QAction>
#include <QTableWidget>
#include <QtTest>

#include "calc/finance/ui/loan_comparison_window.h"
#include "support/print_support.h"
#include "taxyear/shared_state.h"
#include "widgets/chart_view.h"

using namespace reventa;
using namespace reventa::test;

namespace {

const QString kWindow = QStringLiteral("frmLoanComp");

// The shared loan amount and rate as another finance window left them.
QWidget* OpenWith(TestApp& app, double amount, float rate) {
  app.window->state().LoanComparison = {amount, rate};
  return app.openAtDefaultSize(kWindow);
}

QTableWidget* Grid(QWidget* w) { return Child<QTableWidget>(w, QStringLiteral("grdPayments")); }

QStringList GridRow(QWidget* w, int row) {
  QStringList texts;
  for (int c = 0; c < 4; ++c) texts << Grid(w)->item(row, c)->text();
  return texts;
}

const QStringList k20Years{"20 yrs.", "5 505.43 ", "821 303.36 ", "1 321 303.36 "};

}  // namespace

class TestLoanComparison : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void gridCaptions_data();
  void gridCaptions();
  void workedFigures_data();
  void workedFigures();
  void activationRecalculates();
  void rateEntries_data();
  void rateEntries();
  void tabOrder();
  void printCondition_data();
  void printCondition();
  void printingTwiceKeepsOneRecord();
  void reportExports();
};

void TestLoanComparison::gridCaptions_data() {
  QTest::addColumn<int>("row");
  QTest::addColumn<int>("column");
  QTest::addColumn<QString>("text");
  const QStringList headings{" Period ", "Monthly repayment", "   Total Interest   ",
                             "  Total Paid    "};
  for (int c = 0; c < 4; ++c) QTest::addRow("heading %d", c) << 0 << c << headings.at(c);
  for (int r = 1; r <= 6; ++r)
    QTest::addRow("%d yrs.", 5 * r) << r << 0 << QString::number(5 * r) + " yrs.";
}

void TestLoanComparison::gridCaptions() {
  QFETCH(int, row);
  QFETCH(int, column);
  QFETCH(QString, text);
  TestApp app;
  QVERIFY(app.window->findChild<QAction*>(QStringLiteral("mnuLoansComparison"))->isEnabled());
  QWidget* w = app.openAtDefaultSize(kWindow);
  QCOMPARE(w->windowTitle(), QStringLiteral("Loan Comparison"));
  QCOMPARE(Grid(w)->rowCount(), 7);
  const QTableWidgetItem* item = Grid(w)->item(row, column);
  QCOMPARE(item->text(), text);
  QCOMPARE(item->textAlignment() == Qt::AlignCenter, row == 0 || column > 0);
  QVERIFY(!(item->flags() & Qt::ItemIsEditable));
}

void TestLoanComparison::workedFigures_data() {
  QTest::addColumn<QString>("amount");
  QTest::addColumn<QString>("rate");
  QTest::addColumn<int>("row");
  QTest::addColumn<QStringList>("shown");
  QTest::addColumn<int>("chartSeries");
  QTest::newRow("500 000 at 12% over 20 years") << "500000"
                                                << "12" << 4 << k20Years << 2;
  QTest::newRow("500 000 at 12% over 5 years")
      << "500000"
      << "12" << 1 << QStringList{"5 yrs.", "11 122.22 ", "167 333.43 ", "667 333.43 "} << 2;
  QTest::newRow("an amount without a rate is not clamped")
      << "500000"
      << "0" << 3 << QStringList{"15 yrs.", "0.00 ", "-500 000.00 ", "0.00 "} << 0;
  QTest::newRow("a rate without an amount")
      << "0"
      << "12" << 5 << QStringList{"25 yrs.", "0.00 ", "0.00 ", "0.00 "} << 2;
  QTest::newRow("the largest bond at 50% fits its columns")
      << "99999999.99"
      << "50" << 6
      << QStringList{"30 yrs.", "4 166 668.39 ", "1 400 000 621.78 ", "1 500 000 621.77 "} << 2;
}

void TestLoanComparison::workedFigures() {
  QFETCH(QString, amount);
  QFETCH(QString, rate);
  QFETCH(int, row);
  QFETCH(QStringList, shown);
  QFETCH(int, chartSeries);
  TestApp app;
  QWidget* w = OpenWith(app, 100000, 9);
  Enter(w, {"numBAmt=" + amount, "numIntRate=" + rate});
  QCOMPARE(GridRow(w, row), shown);
  QVERIFY(app.messages.shown.isEmpty());
  const QFontMetrics metrics(Grid(w)->font());
  for (int c = 0; c < 4; ++c)
    QVERIFY2(metrics.horizontalAdvance(shown.at(c)) < Grid(w)->columnWidth(c),
             qPrintable(shown.at(c)));
  // The chart stacks the interest of each term on its capital; a bond without
  // interest shows none.
  const auto* chart = Child<ChartView>(w, QStringLiteral("chtTerms"));
  QCOMPARE(static_cast<int>(chart->series().size()), chartSeries);
  if (chartSeries == 0) return;
  const ChartPoint capital = chart->series()[0].points.at(static_cast<std::size_t>(row - 1));
  const ChartPoint interest = chart->series()[1].points.at(static_cast<std::size_t>(row - 1));
  QCOMPARE(capital, (ChartPoint{5.0 * row, amount.toDouble()}));
  QCOMPARE(interest.x, 5.0 * row);
  QVERIFY(qAbs(interest.y - QString(shown.at(2)).remove(u' ').toDouble()) < 0.005);
  Snapshot(app.window.get(), QStringLiteral("loan-comparison-") + QTest::currentDataTag());
}

void TestLoanComparison::activationRecalculates() {
  TestApp app;
  QWidget* w = OpenWith(app, 500000, 12);
  ExpectShown(w, {"numBAmt=500 000.00", "numIntRate=12.000"});
  QCOMPARE(GridRow(w, 4), k20Years);
  // The shared bond changes while another window is active.
  app.window->openCalculator(QStringLiteral("frmKwikTax"));
  app.window->state().LoanComparison = {250000, 10.5f};
  app.window->openCalculator(kWindow);
  ExpectShown(w, {"numBAmt=250 000.00", "numIntRate=10.500"});
  QCOMPARE(GridRow(w, 2), (QStringList{"10 yrs.", "3 373.37 ", "154 804.99 ", "404 804.99 "}));
}

void TestLoanComparison::rateEntries_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("shown");
  QTest::addColumn<bool>("message");
  QTest::newRow("rate above 50") << "numIntRate"
                                 << "55"
                                 << "5" << true;
  QTest::newRow("rate 50.001") << "numIntRate"
                               << "50.001"
                               << "50.00" << true;
  QTest::newRow("rate 50 itself is taken") << "numIntRate"
                                           << "50"
                                           << "50" << false;
  QTest::newRow("a fourth decimal is refused quietly") << "numIntRate"
                                                       << "12.3456"
                                                       << "12.345" << false;
  QTest::newRow("an amount above the limit has no message") << "numBAmt"
                                                            << "100000000"
                                                            << "10000000" << false;
}

void TestLoanComparison::rateEntries() {
  QFETCH(QString, field);
  QFETCH(QString, typed);
  QFETCH(QString, shown);
  QFETCH(bool, message);
  TestApp app;
  auto* f = Child<QLineEdit>(app.openAtDefaultSize(kWindow), field);
  Focus(f);
  f->selectAll();
  QTest::keyClicks(f, typed);
  QCOMPARE(f->text(), shown);
  QCOMPARE(app.messages.shown.size(), message ? 1 : 0);
  if (!message) return;
  QCOMPARE(app.messages.shown[0].title, QStringLiteral("Incorrect Interest Rate!"));
  QCOMPARE(app.messages.shown[0].text, QStringLiteral("The maximum interest rate allowed is 50%"));
  QCOMPARE(app.messages.shown[0].icon, Message::Icon::Critical);
  QVERIFY(f->hasFocus());
}

void TestLoanComparison::tabOrder() {
  TestApp app;
  QWidget* w = app.openAtDefaultSize(kWindow);
  // Tab as a user presses it: the grid hands it on rather than keep it for its cells.
  Focus(Child(w, QStringLiteral("numBAmt")));
  QStringList path{QApplication::focusWidget()->objectName()};
  for (int k = 0; k < 5; ++k) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    path << QApplication::focusWidget()->objectName();
  }
  QCOMPARE(path, (QStringList{"numBAmt", "numIntRate", "grdPayments", "cmdCalculate", "cmdPrint",
                              "cmdOK"}));
}

void TestLoanComparison::printCondition_data() {
  QTest::addColumn<float>("rate");
  QTest::addColumn<QString>("typedAfter");  // typed without Enter before "&Print"
  QTest::addColumn<double>("pAmt");         // 0: nothing printed
  QTest::newRow("500 000 at 12% prints") << 12.0f << "" << 500000.0;
  QTest::newRow("rate 0 prints nothing") << 0.0f << "" << 0.0;
  QTest::newRow("an amount typed since prints the grid's bond")
      << 12.0f << "numBAmt=600000" << 500000.0;
  QTest::newRow("a rate of 0 typed since prints nothing") << 12.0f << "numIntRate=0" << 0.0;
}

void TestLoanComparison::printCondition() {
  QFETCH(float, rate);
  QFETCH(QString, typedAfter);
  QFETCH(double, pAmt);
  TestApp app;
  QWidget* w = OpenWith(app, 500000, rate);
  if (!typedAfter.isEmpty())
    TypeInto(Child(w, typedAfter.section(u'=', 0, 0)), typedAfter.section(u'=', 1));
  Click(w, QStringLiteral("cmdPrint"));
  auto* panel = Child(w, QStringLiteral("fraPrint"));
  QCOMPARE(panel->isVisible(), pAmt > 0);
  QVERIFY(Child(w, pAmt > 0 ? QStringLiteral("cmdVR") : QStringLiteral("cmdOK"))->hasFocus());
  const QVariantMap row = app.row(QStringLiteral("BondComp"));
  QCOMPARE(row.value(QStringLiteral("PAmt")).toDouble(), pAmt);
  if (pAmt == 0) return;
  QCOMPARE(row.value(QStringLiteral("IntRate")).toDouble(), 12.0);
  QVERIFY(qAbs(row.value(QStringLiteral("MonRep4")).toDouble() - 5505.43) < 0.005);
  QVERIFY(qAbs(row.value(QStringLiteral("IntPaid4")).toDouble() - 821303.36) < 0.005);
  QVERIFY(qAbs(row.value(QStringLiteral("Total6")).toDouble() - 1851502.67) < 0.005);
  // The window with its panel open fits the main window's child area.
  QVERIFY(w->parentWidget()->height() <= 640 && w->parentWidget()->width() <= 1150);
  Snapshot(app.window.get(), QStringLiteral("loan-comparison-print"));
}

void TestLoanComparison::printingTwiceKeepsOneRecord() {
  TestApp app;
  QWidget* w = OpenWith(app, 500000, 12);
  Click(w, QStringLiteral("cmdPrint"));
  Click(Child(w, QStringLiteral("fraPrint")), QStringLiteral("cmdPrintCancel"));
  Enter(w, {"numBAmt=250000", "numIntRate=10.5"});
  Click(w, QStringLiteral("cmdPrint"));
  const auto rows = TableStore(app.reportDb(), QStringLiteral("report data store"))
                        .ReadRows(QStringLiteral("BondComp"));
  QCOMPARE(std::get<0>(rows).size(), 1);
  const QVariantMap row = app.row(QStringLiteral("BondComp"));
  QCOMPARE(row.value(QStringLiteral("PAmt")).toDouble(), 250000.0);
  QCOMPARE(row.value(QStringLiteral("IntRate")).toDouble(), 10.5);
  QVERIFY(qAbs(row.value(QStringLiteral("Total2")).toDouble() - 404804.99) < 0.005);
}

void TestLoanComparison::reportExports() {
  TestApp app;
  QWidget* w = OpenWith(app, 500000, 12.25f);
  Click(w, QStringLiteral("cmdPrint"));
  Click(Child(w, QStringLiteral("fraPrint")), QStringLiteral("cmdVR"));
  QVERIFY2(app.messages.shown.isEmpty(), qPrintable(ShownTexts(app)));
  ReportWindow* report = app.window->context().reports.lastWindow();
  QVERIFY(report != nullptr);
  QCOMPARE(report->windowTitle(), QStringLiteral("Loan Comparison"));
  const QString text = report->document().toPlainText();
  QVERIFY(text.contains(QStringLiteral("12.250")));
  for (int r = 1; r <= 6; ++r)
    for (const QString& cell : GridRow(w, r))
      QVERIFY2(text.contains(cell.trimmed()), qPrintable(cell));
  KeepPdf(app, QStringLiteral("loan-comparison.pdf"));
}

QTEST_MAIN(TestLoanComparison)
#include "tst_loan_comparison.moc"
