// SPDX-License-Identifier: GPL-3.0-or-later
// The loan buster window driven as a user drives it: the worked loans typed in,
// the second column kept when the extra payment is too large, activation showing
// the shared values, the working repayment shared with the loans window, the
// field messages, the keyboard order, and the record and report "&Print" makes.
#include <QtTest>

#include "calc/finance/ui/loan_buster_window.h"
#include "support/print_support.h"
#include "taxyear/shared_state.h"
#include "widgets/chart_view.h"

using namespace reventa;
using namespace reventa::test;

namespace {

const QString kWindow = QStringLiteral("frmLoanBuster");

// The number of points of each chart line.
QList<int> ChartLines(QWidget* w) {
  QList<int> points;
  for (const ChartSeries& s : Child<ChartView>(w, QStringLiteral("chtBalance"))->series())
    points << static_cast<int>(s.points.size());
  return points;
}

}  // namespace

class TestLoanBuster : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void workedFigures_data();
  void workedFigures();
  void activationShowsTheSharedValues_data();
  void activationShowsTheSharedValues();
  void fieldMessages_data();
  void fieldMessages();
  void tabOrder();
  void printWithoutPrincipalWritesNothing();
  void printWritesTheRecord();
};

void TestLoanBuster::workedFigures_data() {
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QStringList>("shown");
  QTest::addColumn<QList<int>>("chartLines");
  QTest::newRow("no extra payment, no saving")
      << QStringList{"numPrinAmount=100000", "numPeriod=12", "numIntRate=12", "numXtraPay=0"}
      << QStringList{"numMonRePay=8 884.88", "numAns1_0=6 618.55", "numAns1_1=106 618.55",
                     "numXtraPay=0.00",      "numAns1_5=6 618.55", "numAns1_6=106 618.55",
                     "numAns1_7=0.00"}
      << QList<int>{13, 13};
  QTest::newRow("extra 1000 repays in 10 months")
      << QStringList{"numPrinAmount=100000", "numPeriod=12", "numIntRate=12", "numXtraPay=1000"}
      << QStringList{"numMonRePay=8 884.88", "numAns1_2=100 000.00", "numAns2=10",
                     "numAns1_3=12.000",     "numAns1_4=10 558.21",  "numXtraPay=1 673.33",
                     "numAns1_7=1 036.46"}
      << QList<int>{13, 11};
  QTest::newRow("one month pays more than the loan")
      << QStringList{"numPrinAmount=1000", "numPeriod=2", "numIntRate=12", "numXtraPay=1000"}
      << QStringList{"numMonRePay=507.51", "numAns2=1", "numAns1_4=1 010.00", "numXtraPay=502.49"}
      << QList<int>{3, 2};
  // Ten times the repayment is 88 848.83: the second column stays as it was.
  QTest::newRow("extra above ten times the repayment")
      << QStringList{"numPrinAmount=100000", "numPeriod=12", "numIntRate=12", "numXtraPay=1000",
                     "numXtraPay=88849"}
      << QStringList{"numXtraPay=88 849.00", "numAns2=10", "numAns1_4=10 558.21",
                     "numAns1_7=1 036.46"}
      << QList<int>{13};
  QTest::newRow("no period gives no repayment")
      << QStringList{"numPrinAmount=100000", "numPeriod=0", "numIntRate=12"}
      << QStringList{"numMonRePay=0.00", "numAns2=0", "numAns1_7=0.00"} << QList<int>{};
}

void TestLoanBuster::workedFigures() {
  QFETCH(QStringList, typed);
  QFETCH(QStringList, shown);
  QFETCH(QList<int>, chartLines);
  TestApp app;
  auto* w = app.openAtDefaultSize<LoanBusterWindow>(kWindow);
  Enter(w, typed);
  ExpectShown(w, shown);
  QCOMPARE(ChartLines(w), chartLines);
  QVERIFY(app.messages.shown.isEmpty());
  Snapshot(app.window.get(), QStringLiteral("loanbuster-") + QTest::currentDataTag());
}

void TestLoanBuster::activationShowsTheSharedValues_data() {
  QTest::addColumn<double>("extra");
  QTest::addColumn<QStringList>("shown");
  QTest::addColumn<QString>("loansRepayment");
  QTest::newRow("no extra") << 0.0
                            << QStringList{"numPrinAmount=100 000.00", "numMonRePay=8 884.88",
                                           "numAns2=12"}
                            << "8 884.88";
  QTest::newRow("extra 1000") << 1000.0
                              << QStringList{"numIntRate=12.000", "numXtraPay=1 673.33",
                                             "numAns2=10"}
                              << "10 558.21";
}

void TestLoanBuster::activationShowsTheSharedValues() {
  QFETCH(double, extra);
  QFETCH(QStringList, shown);
  QFETCH(QString, loansRepayment);
  TestApp app;
  auto* w = app.openAtDefaultSize<LoanBusterWindow>(kWindow);
  Enter(w, {"numPeriod=12"});
  SharedState& state = app.window->state();
  state.LoanBuster = LoanBusterState{100000, 12, extra, 0};
  app.window->openCalculator(QStringLiteral("frmKwikTax"));
  app.window->openCalculator(kWindow);
  ExpectShown(w, shown);
  // The loans window solving the principal shows the repayment worked out here.
  state.Loan = LoanState{0, 10, 12, state.Loan.Repayment, "Principal amount", "UP"};
  auto* loans = app.window->openCalculator(QStringLiteral("frmLoans"));
  QCOMPARE(Shown(loans, QStringLiteral("numMonRePay")), loansRepayment);
}

void TestLoanBuster::fieldMessages_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("title");
  QTest::addColumn<QString>("text");
  QTest::newRow("rate above 50") << "numIntRate"
                                 << "51"
                                 << "Incorrect Interest Rate!"
                                 << "The maximum interest rate allowed is 50%";
  QTest::newRow("period above 600") << "numPeriod"
                                    << "601"
                                    << "Incorrect Period!"
                                    << "The maximum period  allowed is 600 months";
}

void TestLoanBuster::fieldMessages() {
  QFETCH(QString, field);
  QFETCH(QString, typed);
  QFETCH(QString, title);
  QFETCH(QString, text);
  TestApp app;
  auto* w = app.openAtDefaultSize<LoanBusterWindow>(kWindow);
  auto* f = Child<QLineEdit>(w, field);
  Focus(Child(w, QStringLiteral("numXtraPay")));
  Focus(f);
  f->selectAll();
  QTest::keyClicks(f, typed);
  QCOMPARE(app.messages.shown.size(), 1);
  QCOMPARE(app.messages.shown[0].title, title);
  QCOMPARE(app.messages.shown[0].text, text);
  QCOMPARE(app.messages.shown[0].icon, Message::Icon::Critical);
  QVERIFY(f->hasFocus());
}

void TestLoanBuster::tabOrder() {
  TestApp app;
  auto* w = app.openAtDefaultSize<LoanBusterWindow>(kWindow);
  Focus(Child(w, QStringLiteral("numPrinAmount")));
  QStringList visited;
  for (int step = 0; step < 6; ++step) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  QCOMPARE(visited, (QStringList{"numPeriod", "numIntRate", "numXtraPay", "cmdCalculate",
                                 "cmdPrint", "cmdOK"}));
}

void TestLoanBuster::printWithoutPrincipalWritesNothing() {
  TestApp app;
  auto* w = app.openAtDefaultSize<LoanBusterWindow>(kWindow);
  Enter(w, {"numPeriod=12", "numIntRate=12"});
  Click(w, QStringLiteral("cmdPrint"));
  QVERIFY(!Child(w, QStringLiteral("fraPrint"))->isVisible());
  QVERIFY(Child(w, QStringLiteral("cmdOK"))->hasFocus());
  QCOMPARE(app.row(QStringLiteral("BondBust")).value(QStringLiteral("Period")).toInt(), 0);
}

void TestLoanBuster::printWritesTheRecord() {
  TestApp app;
  auto* w = app.openAtDefaultSize<LoanBusterWindow>(kWindow);
  Enter(w, {"numPrinAmount=100000", "numPeriod=12", "numIntRate=12", "numXtraPay=1000"});
  Click(w, QStringLiteral("cmdPrint"));
  auto* panel = Child(w, QStringLiteral("fraPrint"));
  QVERIFY(panel->isVisible());
  QVERIFY(w->parentWidget()->width() <= 1180 && w->parentWidget()->height() <= 690);
  Snapshot(app.window.get(), QStringLiteral("loanbuster-print"));
  // Written when the panel opens; "C&ancel" leaves it.
  Click(panel, QStringLiteral("cmdPrintCancel"));
  const QVariantMap row = app.row(QStringLiteral("BondBust"));
  const QList<QPair<QString, double>> expected{{"PAmt", 100000},        {"Period", 12},
                                               {"IntRate", 12},         {"MonRep", 8884.88},
                                               {"TotIntPaid", 6618.55}, {"TotRep", 106618.55},
                                               {"XtraPay", 1673.33},    {"Xper", 10},
                                               {"XMonRep", 10558.21},   {"XTotIntPaid", 5582.09},
                                               {"XTotRep", 105582.09},  {"XTotSavings", 1036.46}};
  for (const auto& [field, value] : expected)
    QVERIFY2(qAbs(row.value(field).toDouble() - value) < 0.005,
             qPrintable(field + QLatin1Char(' ') + row.value(field).toString()));
  Click(w, QStringLiteral("cmdPrint"));
  Click(panel, QStringLiteral("cmdVR"));
  QVERIFY2(app.messages.shown.isEmpty(), qPrintable(ShownTexts(app)));
  ReportWindow* report = app.window->context().reports.lastWindow();
  QVERIFY(report != nullptr);
  QCOMPARE(report->windowTitle(), QStringLiteral("Loan Buster"));
  QVERIFY(report->document().toPlainText().contains(QStringLiteral("1 036.46")));
  KeepPdf(app, QStringLiteral("loanbuster.pdf"));
}

QTEST_MAIN(TestLoanBuster)
#include "tst_loan_buster.moc"
