// SPDX-License-Identifier: GPL-3.0-or-later
// The loans window driven as a user drives it: the four modes and their solved
// field, activation recalculating from the shared loan, the finance charges
// toggle, the worked figures typed in, the rate and period messages, the
// schedules in the grid with their chart, and the report rows the print panel
// writes.
#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

#include "calc/finance/ui/loans_grid_panel.h"
#include "calc/finance/ui/loans_window.h"
#include "support/print_support.h"
#include "taxyear/shared_state.h"
#include "widgets/chart_view.h"

using namespace reventa;
using namespace reventa::test;

namespace {

const QString kWindow = QStringLiteral("frmLoans");
const QStringList kFields{"numMonRePay", "numPrinAmount", "numPeriod", "numIntRate"};
const QStringList kModes{"Monthly repayment", "Principal amount", "Repayment period",
                         "Interest rate"};

void SetLoan(TestApp& app, double principal, double period, double rate, double repayment,
             int mode = 0) {
  LoanState& l = app.window->state().Loan;
  l.Principal = principal;
  l.Period = period;
  l.AnnualRate = rate;
  l.Repayment = repayment;
  l.CalcMode = kModes.at(mode).toStdString();
}

void ChooseMode(QWidget* w, int mode) {
  auto* option = Child<QRadioButton>(w, QStringLiteral("optLoanCalc_%1").arg(mode));
  QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

QTableWidget* Grid(QWidget* w) { return Child<QTableWidget>(w, QStringLiteral("grdPayments")); }

QStringList Headings(QTableWidget* grid) {
  QStringList h;
  for (int c = 0; c < grid->columnCount(); ++c) h << grid->horizontalHeaderItem(c)->text();
  return h;
}

int AmortRows(const TestApp& app) {
  const auto rows = TableStore(app.reportDb(), QStringLiteral("report data store"))
                        .ReadRows(QStringLiteral("Amort"));
  return rows.index() == 0 ? static_cast<int>(std::get<0>(rows).size()) : -1;
}

}  // namespace

class TestLoans : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void freshStart();
  void modeChange_data();
  void modeChange();
  void activationRecalculates_data();
  void activationRecalculates();
  void finChargesToggle();
  void workedFigures_data();
  void workedFigures();
  void fieldMessages_data();
  void fieldMessages();
  void schedules_data();
  void schedules();
  void printWritesTheRows_data();
  void printWritesTheRows();
  void printDoesNothingWithoutALoan();
  void includeBoxEnablesTheKinds();
  void initialiseAllResetsTheLoan();
};

void TestLoans::freshStart() {
  TestApp app;
  QVERIFY(app.window->findChild<QAction*>(QStringLiteral("mnuLoans"))->isEnabled());
  auto* w = app.openAtDefaultSize<LoansWindow>(kWindow);
  QCOMPARE(w->windowTitle(), QStringLiteral("Loans"));
  QVERIFY(Child<QRadioButton>(w, QStringLiteral("optLoanCalc_0"))->isChecked());
  QCOMPARE(Child<QLabel>(w, QStringLiteral("Label12_1"))->text(),
           QStringLiteral("Monthly repayment"));
  for (const char* hidden : {"numAns1", "numAns2", "Text1", "fraGrid", "fraPrint"})
    QVERIFY2(!Child(w, QString::fromLatin1(hidden))->isVisible(), hidden);
  QCOMPARE(Child<QLabel>(w, QStringLiteral("Text1"))->text(), QStringLiteral("   Error"));
  QVERIFY(Child(w, QStringLiteral("numPrinAmount"))->hasFocus());
  QVERIFY(app.messages.shown.isEmpty());
  Snapshot(app.window.get(), QStringLiteral("loans-fresh"));
}

void TestLoans::modeChange_data() {
  QTest::addColumn<int>("mode");
  QTest::addColumn<QString>("focus");
  QTest::newRow("repayment") << 0 << "numPrinAmount";
  QTest::newRow("principal") << 1 << "numPeriod";
  QTest::newRow("period") << 2 << "numPrinAmount";
  QTest::newRow("rate") << 3 << "numPrinAmount";
}

void TestLoans::modeChange() {
  QFETCH(int, mode);
  QFETCH(QString, focus);
  TestApp app;
  auto* w = app.openAtDefaultSize<LoansWindow>(kWindow);
  // A loan whose repayment field disagrees with the state: no recalculation may
  // run when the mode changes.
  Enter(w, {"numPrinAmount=100000", "numPeriod=60", "numIntRate=12"});
  ChooseMode(w, mode == 0 ? 3 : 0);
  app.window->state().Loan.Repayment = 1;
  ChooseMode(w, mode);
  QCOMPARE(app.window->state().Loan.CalcMode, kModes.at(mode).toStdString());
  QCOMPARE(Child<QLabel>(w, QStringLiteral("Label12_1"))->text(), kModes.at(mode));
  QCOMPARE(app.window->state().Loan.Repayment, 1.0);
  QCOMPARE(Shown(w, QStringLiteral("numMonRePay")), QStringLiteral("2 224.44"));
  for (int q = 0; q < 4; ++q) {
    auto* f = Child<QLineEdit>(w, kFields.at(q));
    const bool solved = q == mode;
    QCOMPARE(f->isReadOnly(), solved);
    QCOMPARE(f->palette().color(QPalette::Base), solved ? QColor(Qt::yellow) : QColor(Qt::white));
    QCOMPARE(bool(f->focusPolicy() & Qt::TabFocus), !solved);
  }
  QVERIFY(Child(w, focus)->hasFocus());
  Snapshot(app.window.get(), QStringLiteral("loans-mode-%1").arg(mode));
}

void TestLoans::activationRecalculates_data() {
  QTest::addColumn<int>("mode");
  QTest::addColumn<QList<double>>("loan");  // principal, period, rate, repayment
  QTest::addColumn<QStringList>("shown");
  QTest::newRow("repayment") << 0 << QList<double>{100000, 60, 12, 0}
                             << QStringList{"numMonRePay=2 224.44", "numPrinAmount=100 000.00"};
  QTest::newRow("rate") << 3 << QList<double>{100000, 60, 0, 2224.44}
                        << QStringList{"numIntRate=11.990", "numMonRePay=2 224.44"};
  QTest::newRow("period") << 2 << QList<double>{100000, 0, 12, 2000}
                          << QStringList{"numPeriod=69", "numMonRePay=2 013.28"};
  QTest::newRow("rate 0 gives no repayment")
      << 0 << QList<double>{100000, 60, 0, 5} << QStringList{"numMonRePay=0.00"};
}

void TestLoans::activationRecalculates() {
  QFETCH(int, mode);
  QFETCH(QList<double>, loan);
  QFETCH(QStringList, shown);
  TestApp app;
  SetLoan(app, loan[0], loan[1], loan[2], loan[3], mode);
  auto* w = app.openAtDefaultSize<LoansWindow>(kWindow);
  QVERIFY(Child<QRadioButton>(w, QStringLiteral("optLoanCalc_%1").arg(mode))->isChecked());
  QVERIFY(Child<QLineEdit>(w, kFields.at(mode))->isReadOnly());
  ExpectShown(w, shown);
  // Another window changes the shared loan (the loan buster shares the
  // repayment); coming back recalculates from it.
  if (mode == 0) {
    app.window->state().Loan.Period = 120;
    app.window->openCalculator(QStringLiteral("frmKwikTax"));
    app.window->openCalculator(kWindow);
    QCOMPARE(Shown(w, QStringLiteral("numPeriod")), QStringLiteral("120"));
    QCOMPARE(Shown(w, QStringLiteral("numMonRePay")),
             loan[2] == 0 ? QStringLiteral("0.00") : QStringLiteral("1 434.71"));
  }
}

void TestLoans::finChargesToggle() {
  TestApp app;
  SetLoan(app, 100000, 60, 12, 0);
  auto* w = app.openAtDefaultSize<LoansWindow>(kWindow);
  Click(w, QStringLiteral("cmdFinCharge"));
  QCOMPARE(app.window->state().Loan.FinChargesShown, std::string("DOWN"));
  QVERIFY(Child(w, QStringLiteral("numAns1"))->isVisible());
  ExpectShown(w, {"numAns1=33 466.69", "numAns2=133 466.69"});
  // Calculate refreshes the totals while they are shown.
  Enter(w, {"numPeriod=12"});
  ExpectShown(w, {"numMonRePay=8 884.88", "numAns1=6 618.55", "numAns2=106 618.55"});
  Snapshot(app.window.get(), QStringLiteral("loans-totals"));
  Click(w, QStringLiteral("cmdFinCharge"));
  QCOMPARE(app.window->state().Loan.FinChargesShown, std::string("UP"));
  QVERIFY(!Child(w, QStringLiteral("numAns1"))->isVisible());
  QVERIFY(!Child(w, QStringLiteral("numAns2"))->isVisible());
  // Shown again when the window reopens with the totals down.
  Click(w, QStringLiteral("cmdFinCharge"));
  Click(w, QStringLiteral("cmdOk"));
  w = app.openAtDefaultSize<LoansWindow>(kWindow);
  QVERIFY(Child(w, QStringLiteral("numAns2"))->isVisible());
  ExpectShown(w, {"numAns2=106 618.55"});
}

void TestLoans::workedFigures_data() {
  QTest::addColumn<int>("mode");
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QStringList>("shown");
  QTest::addColumn<bool>("rateError");
  QTest::newRow("repayment 2224.44")
      << 0 << QStringList{"numPrinAmount=100000", "numPeriod=60", "numIntRate=12"}
      << QStringList{"numMonRePay=2 224.44"} << false;
  QTest::newRow("principal back from the repayment")
      << 1 << QStringList{"numPeriod=60", "numIntRate=12", "numMonRePay=2224.44"}
      << QStringList{"numPrinAmount=99 999.79"} << false;
  QTest::newRow("rate 11.99 not 12")
      << 3 << QStringList{"numPrinAmount=100000", "numPeriod=60", "numMonRePay=2224.44"}
      << QStringList{"numIntRate=11.990"} << false;
  QTest::newRow("period 69 and 2013.28")
      << 2 << QStringList{"numPrinAmount=100000", "numIntRate=12", "numMonRePay=2000"}
      << QStringList{"numPeriod=69", "numMonRePay=2 013.28"} << false;
  QTest::newRow("600 months not enough")
      << 2 << QStringList{"numPrinAmount=100000", "numIntRate=12", "numMonRePay=1000"}
      << QStringList{"numPeriod=0", "numMonRePay=999.99"} << false;
  QTest::newRow("solved rate above 50")
      << 3 << QStringList{"numPrinAmount=1000", "numPeriod=12", "numMonRePay=200"} << QStringList{}
      << true;
  QTest::newRow("leading number of the text")
      << 0 << QStringList{"numPrinAmount=100000 rand", "numPeriod=60", "numIntRate=12% p.a."}
      << QStringList{"numPrinAmount=100 000.00", "numIntRate=12.000", "numMonRePay=2 224.44"}
      << false;
}

void TestLoans::workedFigures() {
  QFETCH(int, mode);
  QFETCH(QStringList, typed);
  QFETCH(QStringList, shown);
  QFETCH(bool, rateError);
  TestApp app;
  auto* w = app.openAtDefaultSize<LoansWindow>(kWindow);
  ChooseMode(w, mode);
  Enter(w, typed);
  ExpectShown(w, shown);
  QCOMPARE(Child(w, QStringLiteral("Text1"))->isVisible(), rateError);
  if (rateError) QVERIFY(app.window->state().Loan.AnnualRate > 50);
  QVERIFY(app.messages.shown.isEmpty());
}

void TestLoans::fieldMessages_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("title");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("shown");
  QTest::newRow("rate above 50") << "numIntRate"
                                 << "55"
                                 << "Incorrect Interest Rate!"
                                 << "The maximum interest rate allowed is 50%"
                                 << "5";
  QTest::newRow("period above 600") << "numPeriod"
                                    << "6001"
                                    << "Incorrect Period!"
                                    << "The maximum period  allowed is 600 months"
                                    << "600";
  QTest::newRow("a decimal too many has no message") << "numIntRate"
                                                     << "12.3456"
                                                     << ""
                                                     << ""
                                                     << "12.345";
  QTest::newRow("50 itself is taken") << "numIntRate"
                                      << "50"
                                      << ""
                                      << ""
                                      << "50";
}

void TestLoans::fieldMessages() {
  QFETCH(QString, field);
  QFETCH(QString, typed);
  QFETCH(QString, title);
  QFETCH(QString, text);
  QFETCH(QString, shown);
  TestApp app;
  auto* w = app.openAtDefaultSize<LoansWindow>(kWindow);
  auto* f = Child<QLineEdit>(w, field);
  Focus(f);
  f->selectAll();
  QTest::keyClicks(f, typed);
  QCOMPARE(f->text(), shown);
  if (title.isEmpty()) {
    QVERIFY(app.messages.shown.isEmpty());
    return;
  }
  QCOMPARE(app.messages.shown.size(), 1);
  QCOMPARE(app.messages.shown[0].title, title);
  QCOMPARE(app.messages.shown[0].text, text);
  QCOMPARE(app.messages.shown[0].icon, Message::Icon::Critical);
  QVERIFY(f->hasFocus());
}

void TestLoans::schedules_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<double>("period");
  QTest::addColumn<int>("rows");
  QTest::addColumn<QStringList>("headings");
  QTest::addColumn<QStringList>("lastRow");
  const QStringList months{" Month   ", "Capital payment ", "Interest payment", "    Balance    "};
  const QStringList years{" Year ", "Capital payments", "Interest payment", "    Balance      "};
  QTest::newRow("monthly 8") << "cmdMonAmort" << 8.0 << 8 << months
                             << QStringList{"8", "12 939.63", "129.40", "0.00"};
  QTest::newRow("monthly 30") << "cmdMonAmort" << 30.0 << 30 << months
                              << QStringList{"30", "3 836.45", "38.36", "0.00"};
  QTest::newRow("annual 30") << "cmdAnnAmort" << 30.0 << 3 << years
                             << QStringList{"3", "22 456.38", "792.49", "0.00"};
  QTest::newRow("annual 8 one year row")
      << "cmdAnnAmort" << 8.0 << 1 << years << QStringList{"1", "100 000.00", "4 552.23", "0.00"};
  QTest::newRow("monthly 600") << "cmdMonAmort" << 600.0 << 600 << months
                               << QStringList{"600", "992.63", "9.93", "0.00"};
}

void TestLoans::schedules() {
  QFETCH(QString, button);
  QFETCH(double, period);
  QFETCH(int, rows);
  QFETCH(QStringList, headings);
  QFETCH(QStringList, lastRow);
  TestApp app;
  SetLoan(app, 100000, period, 12, 0);
  auto* w = app.openAtDefaultSize<LoansWindow>(kWindow);
  Click(w, button);
  auto* panel = Child(w, QStringLiteral("fraGrid"));
  QVERIFY(panel->isVisible());
  QTableWidget* grid = Grid(w);
  QCOMPARE(grid->rowCount(), rows);
  QCOMPARE(Headings(grid), headings);
  QStringList last;
  for (int c = 0; c < 4; ++c) last << grid->item(rows - 1, c)->text();
  QCOMPARE(last, lastRow);
  for (int c = 1; c < 4; ++c) QCOMPARE(grid->item(0, c)->textAlignment(), int(Qt::AlignCenter));
  // Up to 10 lines in full; more scroll within the height of 10.
  QApplication::processEvents();
  const int rowHeight = grid->rowHeight(0);
  const int visible = grid->viewport()->height() / rowHeight;
  QCOMPARE(visible, qMin(rows, LoansGridPanel::kVisibleRows));
  QCOMPARE(grid->verticalScrollBar()->isVisible(), rows > LoansGridPanel::kVisibleRows);
  // The chart shows the same lines: the balance and the two parts of each.
  const auto* chart = Child<ChartView>(w, QStringLiteral("chtBalance"));
  QCOMPARE(static_cast<int>(chart->series().size()), 3);
  for (const ChartSeries& s : chart->series()) QCOMPARE(static_cast<int>(s.points.size()), rows);
  for (int r : {0, rows - 1}) {
    const ChartPoint at = chart->series()[0].points[static_cast<std::size_t>(r)];
    QCOMPARE(at.x, grid->item(r, 0)->text().toDouble());
    QVERIFY(qAbs(at.y - grid->item(r, 3)->text().remove(QLatin1Char(' ')).toDouble()) < 0.005);
  }
  // The window with its panel fits the main window's child area.
  QVERIFY(w->parentWidget()->height() <= 640);
  QVERIFY(w->parentWidget()->width() <= 1150);
  Snapshot(app.window.get(), QStringLiteral("loans-grid-") + QTest::currentDataTag());
  Click(panel, QStringLiteral("cmdGridClose"));
  QVERIFY(!panel->isVisible());
  QVERIFY(Child(w, QStringLiteral("cmdOk"))->hasFocus());
  // Nothing without all four values.
  app.window->state().Loan.AnnualRate = 0;
  Click(w, button);
  QVERIFY(!panel->isVisible());
}

void TestLoans::printWritesTheRows_data() {
  QTest::addColumn<int>("mode");
  QTest::addColumn<QString>("kind");  // "", "Option1_0" annual, "Option1_1" monthly
  QTest::addColumn<int>("amortRows");
  QTest::addColumn<QString>("yearMon");
  QTest::addColumn<QString>("title");
  QTest::addColumn<QString>("pdf");
  QTest::addColumn<double>("months");  // of the repayment mode's loan
  const QString suffix =
      QStringLiteral(" - To export printout click on the suitcase button or goto Help");
  QTest::newRow("no schedule leaves Amort") << 0 << "" << 2 << "kept"
                                            << "Loans"
                                            << "" << 30.0;
  QTest::newRow("annual 3 rows") << 0 << "Option1_0" << 3 << "Year"
                                 << "Annual repayment of Loan with Amortisation" + suffix
                                 << "loan-annual.pdf" << 30.0;
  QTest::newRow("monthly 30 rows") << 0 << "Option1_1" << 30 << "Month"
                                   << "Annual repayment of Loan with Monthly Amortisation" + suffix
                                   << "loan-monthly.pdf" << 30.0;
  QTest::newRow("monthly 600 pages")
      << 0 << "Option1_1" << 600 << "Month"
      << "Annual repayment of Loan with Monthly Amortisation" + suffix << "loan-monthly-600.pdf"
      << 600.0;
  QTest::newRow("principal annual")
      << 1 << "Option1_0" << 3 << "Year"
      << "Principal calculation of Loan with Annual Amortisation" + suffix << "" << 30.0;
  QTest::newRow("period monthly")
      << 2 << "Option1_1" << 30 << "Month"
      << "Repayment period calculation of Loan with Monthly Amortisation" + suffix << "" << 30.0;
  QTest::newRow("rate without") << 3 << "" << 2 << "kept"
                                << "Loans"
                                << "" << 30.0;
}

void TestLoans::printWritesTheRows() {
  QFETCH(int, mode);
  QFETCH(QString, kind);
  QFETCH(int, amortRows);
  QFETCH(QString, yearMon);
  QFETCH(QString, title);
  QFETCH(QString, pdf);
  QFETCH(double, months);
  TestApp app;
  // What an earlier print left: two schedule lines and a label.
  const TableStore store(app.reportDb(), QStringLiteral("report data store"));
  QCOMPARE(store.Refill(QStringLiteral("Amort"),
                        {FieldList{{QStringLiteral("Year"), 1}}, {{QStringLiteral("Year"), 2}}}),
           std::nullopt);
  QCOMPARE(store.WriteRow(QStringLiteral("Loans"), {{QStringLiteral("YearMon"), "kept"}}),
           std::nullopt);
  const std::array<QList<double>, 4> loans{QList<double>{100000, months, 12, 0},
                                           {0, 30, 12, 3874.811321584711},
                                           {100000, 0, 12, 3874.82},
                                           {100000, 30, 0, 3874.82}};
  SetLoan(app, loans[mode][0], loans[mode][1], loans[mode][2], loans[mode][3], mode);
  auto* w = app.openAtDefaultSize<LoansWindow>(kWindow);
  const std::int16_t destination = app.window->state().ReportDestination = 7;
  Click(w, QStringLiteral("cmdPrint"));
  auto* panel = Child(w, QStringLiteral("fraPrint"));
  QVERIFY(panel->isVisible());
  if (!kind.isEmpty()) {
    QTest::mouseClick(Child<QCheckBox>(panel, QStringLiteral("Check1")), Qt::LeftButton, {},
                      QPoint(8, 8));
    QTest::mouseClick(Child<QRadioButton>(panel, kind), Qt::LeftButton, {}, QPoint(8, 8));
  }
  Snapshot(app.window.get(), QStringLiteral("loans-print-%1").arg(QTest::currentDataTag()));
  Click(panel, QStringLiteral("cmdVR"));
  QVERIFY2(app.messages.shown.isEmpty(), qPrintable(ShownTexts(app)));
  QVERIFY(!panel->isVisible());
  QCOMPARE(app.window->state().ReportDestination, destination);
  const QVariantMap row = app.row(QStringLiteral("Loans"));
  QCOMPARE(row.value(QStringLiteral("Heading")).toString(), kModes.at(mode));
  QCOMPARE(row.value(QStringLiteral("Num2")).toDouble(), months);
  QCOMPARE(row.value(QStringLiteral("FinText1")).toString(), QString());
  QCOMPARE(row.value(QStringLiteral("FinNum1")).toInt(), 0);
  QCOMPARE(row.value(QStringLiteral("YearMon")).toString(), yearMon);
  QCOMPARE(AmortRows(app), amortRows);
  ReportWindow* report = app.window->context().reports.lastWindow();
  QVERIFY(report != nullptr);
  QCOMPARE(report->windowTitle(), title);
  // Every report states the loan; a schedule's heads its first column with the
  // kind the store holds.
  const QString text = report->document().toPlainText();
  QVERIFY2(text.contains(QStringLiteral("12.000")), qPrintable(text.left(400)));
  if (!kind.isEmpty()) QVERIFY(text.contains(yearMon));
  if (!pdf.isEmpty()) KeepPdf(app, pdf);
}

void TestLoans::printDoesNothingWithoutALoan() {
  TestApp app;
  SetLoan(app, 100000, 30, 0, 0);
  auto* w = app.openAtDefaultSize<LoansWindow>(kWindow);
  Click(w, QStringLiteral("cmdPrint"));
  auto* panel = Child(w, QStringLiteral("fraPrint"));
  Click(panel, QStringLiteral("cmdPD"));
  Click(panel, QStringLiteral("cmdVR"));
  QVERIFY(panel->isVisible());
  QVERIFY(app.window->context().reports.lastWindow() == nullptr);
  QCOMPARE(app.row(QStringLiteral("Loans")).value(QStringLiteral("Heading")).toString(), QString());
  Click(panel, QStringLiteral("cmdPrintCancel"));
  QVERIFY(!panel->isVisible());
}

void TestLoans::includeBoxEnablesTheKinds() {
  TestApp app;
  auto* w = app.openAtDefaultSize<LoansWindow>(kWindow);
  Click(w, QStringLiteral("cmdPrint"));
  auto* panel = Child(w, QStringLiteral("fraPrint"));
  auto* include = Child<QCheckBox>(panel, QStringLiteral("Check1"));
  auto* annual = Child<QRadioButton>(panel, QStringLiteral("Option1_0"));
  auto* monthly = Child<QRadioButton>(panel, QStringLiteral("Option1_1"));
  QCOMPARE(include->text(), QStringLiteral("Include Amortization"));
  QCOMPARE(monthly->text(), QStringLiteral("Monthly "));
  QVERIFY(!annual->isEnabled() && !monthly->isEnabled());
  include->click();
  QVERIFY(annual->isChecked() && annual->isEnabled() && monthly->isEnabled());
  monthly->click();
  include->click();
  // Cleared: both disabled, the choice kept.
  QVERIFY(!annual->isEnabled() && !monthly->isEnabled());
  QVERIFY(monthly->isChecked());
}

void TestLoans::initialiseAllResetsTheLoan() {
  TestApp app;
  SetLoan(app, 100000, 60, 12, 0, 3);
  app.window->state().Loan.FinChargesShown = "DOWN";
  app.openAtDefaultSize<LoansWindow>(kWindow);
  app.window->initialiseAll();
  QVERIFY(app.window->findCalculator(kWindow) == nullptr);
  const LoanState& l = app.window->state().Loan;
  QCOMPARE(l.Principal, 0.0);
  QCOMPARE(l.CalcMode, std::string("Monthly repayment"));
  QCOMPARE(l.FinChargesShown, std::string("UP"));
}

QTEST_MAIN(TestLoans)
#include "tst_loans.moc"
