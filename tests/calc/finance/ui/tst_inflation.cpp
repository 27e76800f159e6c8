// SPDX-License-Identifier: GPL-3.0-or-later
// The inflation window driven as a user drives it: activation projecting from the
// shared values, the worked figures typed in, the notice for a future cost too
// large to show, the range messages, the two spins (mouse and keyboard) with their
// beeps, the tab order, and the report record with its report.
#include <QLabel>
#include <QToolButton>
#include <QtTest>

#include "calc/finance/ui/inflation_window.h"
#include "support/print_support.h"
#include "taxyear/shared_state.h"
#include "widgets/chart_view.h"
#include "widgets/spin_buttons.h"

using namespace reventa;
using namespace reventa::test;

namespace {

const QString kWindow = QStringLiteral("frmInflation");

void SetInflation(TestApp& app, double presentCost, double years, double rate) {
  InflationState& s = app.window->state().Inflation;
  s.PresentCost = presentCost;
  s.InflationYears = years;
  s.InflationRate = rate;
}

QToolButton* SpinButton(QWidget* w, const QString& spin, bool up) {
  auto* buttons = Child<SpinButtons>(w, spin);
  return up ? buttons->upButton() : buttons->downButton();
}

bool Near(double actual, double expected) { return qAbs(actual - expected) < 0.005; }

}  // namespace

class TestInflation : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void activationProjects_data();
  void activationProjects();
  void workedFigures_data();
  void workedFigures();
  void fieldMessages_data();
  void fieldMessages();
  void spins_data();
  void spins();
  void keyboardSteps_data();
  void keyboardSteps();
  void tabOrder();
  void print_data();
  void print();
};

void TestInflation::activationProjects_data() {
  QTest::addColumn<QList<double>>("shared");  // present cost, years, rate
  QTest::addColumn<QStringList>("shown");
  QTest::newRow("10% over 2 years")
      << QList<double>{1000, 2, 10}
      << QStringList{"numPresCost=1 000", "numPeriod=2", "numInflaRate=10.000", "numAns1=1 210",
                     "numAns2=826"};
  QTest::newRow("rate typed above the spin's range")
      << QList<double>{250000, 3, 35.5}
      << QStringList{"numInflaRate=35.500", "numAns1=621 953", "numAns2=100 490"};
}

void TestInflation::activationProjects() {
  QFETCH(QList<double>, shared);
  QFETCH(QStringList, shown);
  TestApp app;
  SetInflation(app, shared[0], shared[1], shared[2]);
  auto* w = app.openAtDefaultSize<InflationWindow>(kWindow);
  QCOMPARE(w->windowTitle(), QStringLiteral("Inflation"));
  ExpectShown(w, shown);
  // The shared values change while another window is in front; coming back
  // shows and projects them.
  app.window->state().Inflation.PresentCost = 2000;
  app.window->state().Inflation.InflationYears = 1;
  app.window->state().Inflation.InflationRate = 10;
  app.window->openCalculator(QStringLiteral("frmKwikTax"));
  app.window->openCalculator(kWindow);
  ExpectShown(w, {"numPresCost=2 000", "numPeriod=1", "numAns1=2 200", "numAns2=1 818"});
  QCOMPARE(app.window->state().Inflation.FutureCost, 2200.0);
  QVERIFY(app.messages.shown.isEmpty());
}

void TestInflation::workedFigures_data() {
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QStringList>("shown");
  QTest::addColumn<bool>("tooLarge");
  QTest::addColumn<double>("futureCost");
  QTest::addColumn<double>("buyingPower");
  QTest::newRow("1000 at 10% over 2 years")
      << QStringList{"numPresCost=1000", "numPeriod=2", "numInflaRate=10"}
      << QStringList{"numAns1=1 210", "numAns2=826"} << false << 1210.0 << 826.45;
  QTest::newRow("-5% over 1 year raises the buying power")
      << QStringList{"numPresCost=1000", "numPeriod=1", "numInflaRate=-5"}
      << QStringList{"numInflaRate=-5.000", "numAns1=950", "numAns2=1 053"} << false << 950.0
      << 1052.63;
  QTest::newRow("0 years keeps the present cost")
      << QStringList{"numPresCost=1000", "numPeriod=0", "numInflaRate=10"}
      << QStringList{"numAns1=1 000", "numAns2=1 000"} << false << 1000.0 << 1000.0;
  QTest::newRow("99 999 999 at 40% over 40 years is too large")
      << QStringList{"numPresCost=99999999", "numPeriod=40", "numInflaRate=40"}
      << QStringList{"numAns2=143"} << true << 70003768959069.3 << 142.85;
}

void TestInflation::workedFigures() {
  QFETCH(QStringList, typed);
  QFETCH(QStringList, shown);
  QFETCH(bool, tooLarge);
  QFETCH(double, futureCost);
  QFETCH(double, buyingPower);
  TestApp app;
  auto* w = app.openAtDefaultSize<InflationWindow>(kWindow);
  Enter(w, typed);
  ExpectShown(w, shown);
  const InflationState& s = app.window->state().Inflation;
  QVERIFY2(qAbs(s.FutureCost / futureCost - 1) < 1e-9, qPrintable(QString::number(s.FutureCost)));
  QVERIFY2(Near(s.BuyingPower, buyingPower), qPrintable(QString::number(s.BuyingPower)));
  QCOMPARE(Child(w, QStringLiteral("numAns1"))->isVisible(), !tooLarge);
  auto* notice = Child<QLabel>(w, QStringLiteral("lblTooLarge"));
  QCOMPARE(notice->isVisible(), tooLarge);
  QCOMPARE(notice->text(), QStringLiteral("Amount too large to display"));
  // The chart follows the projection, a point a year from year 0; a future cost
  // too large to show is not drawn either.
  const auto& series = Child<ChartView>(w, QStringLiteral("chtInflation"))->series();
  QCOMPARE(series.size(), 2);
  QCOMPARE(QString::fromStdString(series[0].name), QStringLiteral("Future cost"));
  QCOMPARE(QString::fromStdString(series[1].name), QStringLiteral("Buying power"));
  const int years = static_cast<int>(s.InflationYears);
  QCOMPARE(static_cast<int>(series[1].points.size()), years + 1);
  QCOMPARE(series[1].points.front(), (ChartPoint{0, s.PresentCost}));
  QCOMPARE(series[1].points.back(), (ChartPoint{double(years), s.BuyingPower}));
  if (tooLarge) {
    QVERIFY(static_cast<int>(series[0].points.size()) < years + 1);
    for (const ChartPoint& p : series[0].points) QVERIFY(p.y <= 9999999999);
  } else {
    QCOMPARE(series[0].points.back(), (ChartPoint{double(years), s.FutureCost}));
  }
  QVERIFY(app.messages.shown.isEmpty());
  Snapshot(app.window.get(), QStringLiteral("inflation-") + QTest::currentDataTag());
  // A later projection that fits brings the field back.
  Enter(w, {"numPeriod=1"});
  QVERIFY(Child(w, QStringLiteral("numAns1"))->isVisible());
  QVERIFY(!notice->isVisible());
}

void TestInflation::fieldMessages_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("message");  // title|text, or none
  QTest::addColumn<QString>("shown");
  const QString rateField = QStringLiteral("numInflaRate");
  const QString rate = QStringLiteral(
      "Incorrect Inflation Rate!|The range of the Inflation Rate is between -5% and 40%");
  const QString period = QStringLiteral("Incorrect Period!|The maximum period allowed 40 years");
  QTest::newRow("rate above 40") << rateField << "41" << rate << "4";
  QTest::newRow("rate below -5") << rateField << "-6" << rate << "-";
  QTest::newRow("period above 40") << "numPeriod"
                                   << "41" << period << "4";
  QTest::newRow("rate 40 is taken") << rateField << "40" << QString() << "40";
}

void TestInflation::fieldMessages() {
  QFETCH(QString, field);
  QFETCH(QString, typed);
  QFETCH(QString, message);
  QFETCH(QString, shown);
  TestApp app;
  auto* w = app.openAtDefaultSize<InflationWindow>(kWindow);
  auto* f = Child<QLineEdit>(w, field);
  Focus(f);
  f->selectAll();
  QTest::keyClicks(f, typed);
  QCOMPARE(f->text(), shown);
  QStringList messages;
  for (const Message& m : app.messages.shown) {
    QCOMPARE(m.icon, Message::Icon::Critical);
    messages << m.title + QLatin1Char('|') + m.text;
  }
  QCOMPARE(messages, message.isEmpty() ? QStringList() : QStringList{message});
  QVERIFY(f->hasFocus());
}

void TestInflation::spins_data() {
  QTest::addColumn<QString>("spin");
  QTest::addColumn<double>("years");  // of 1 000
  QTest::addColumn<double>("rate");
  QTest::addColumn<bool>("up");
  QTest::addColumn<QString>("shown");  // the stepped field
  QTest::addColumn<int>("beeps");
  QTest::addColumn<double>("futureCost");  // -1: no projection ran
  QTest::newRow("rate 30 up wraps to -5")
      << "spInflation" << 1.0 << 30.0 << true << "-5.000" << 0 << 950.0;
  QTest::newRow("rate -5 down wraps to 30")
      << "spInflation" << 1.0 << -5.0 << false << "30.000" << 0 << 1300.0;
  QTest::newRow("rate -0.25 up beeps at 0")
      << "spInflation" << 1.0 << -0.25 << true << "0.000" << 1 << 1000.0;
  QTest::newRow("typed rate 35 up wraps to -5")
      << "spInflation" << 1.0 << 35.0 << true << "-5.000" << 0 << 950.0;
  QTest::newRow("period 40 up wraps to 1")
      << "spPeriod" << 40.0 << 10.0 << true << "1" << 0 << 1100.0;
  QTest::newRow("period 1 down beeps and gives 40")
      << "spPeriod" << 1.0 << 10.0 << false << "40" << 1 << 45259.2555682;
  QTest::newRow("period 0 only moves the focus")
      << "spPeriod" << 0.0 << 10.0 << true << "0" << 0 << -1.0;
}

void TestInflation::spins() {
  QFETCH(QString, spin);
  QFETCH(double, years);
  QFETCH(double, rate);
  QFETCH(bool, up);
  QFETCH(QString, shown);
  QFETCH(int, beeps);
  QFETCH(double, futureCost);
  TestApp app;
  SetInflation(app, 1000, years, rate);
  auto* w = app.openAtDefaultSize<InflationWindow>(kWindow);
  const InflationState& s = app.window->state().Inflation;
  // A projection would overwrite this.
  app.window->state().Inflation.FutureCost = -1;
  QTest::mouseClick(SpinButton(w, spin, up), Qt::LeftButton);
  const bool period = spin == QStringLiteral("spPeriod");
  QCOMPARE(Shown(w, period ? QStringLiteral("numPeriod") : QStringLiteral("numInflaRate")), shown);
  QCOMPARE(period ? s.InflationYears : s.InflationRate, shown.toDouble());
  QCOMPARE(app.messages.beeps, beeps);
  QVERIFY2(Near(s.FutureCost, futureCost), qPrintable(QString::number(s.FutureCost, 'f', 7)));
  QVERIFY(Child(w, QStringLiteral("cmdOK"))->hasFocus());
}

void TestInflation::keyboardSteps_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<int>("key");
  QTest::addColumn<QString>("shown");
  QTest::addColumn<QString>("futureCost");
  QTest::newRow("Up in the period") << "numPeriod" << int(Qt::Key_Up) << "3"
                                    << "1 331";
  QTest::newRow("Down in the rate") << "numInflaRate" << int(Qt::Key_Down) << "9.750"
                                    << "1 205";
}

void TestInflation::keyboardSteps() {
  QFETCH(QString, field);
  QFETCH(int, key);
  QFETCH(QString, shown);
  QFETCH(QString, futureCost);
  TestApp app;
  SetInflation(app, 1000, 2, 10);
  auto* w = app.openAtDefaultSize<InflationWindow>(kWindow);
  auto* f = Child<QLineEdit>(w, field);
  Focus(f);
  QTest::keyClick(f, Qt::Key(key));
  QCOMPARE(f->text(), shown);
  QCOMPARE(Shown(w, QStringLiteral("numAns1")), futureCost);
  // The focus stays, so that the key can be pressed again.
  QVERIFY(f->hasFocus());
  // The spin button is the mouse's: no tab stop, and a click steps again.
  auto* spin = SpinButton(w, field == "numPeriod" ? "spPeriod" : "spInflation", key == Qt::Key_Up);
  QCOMPARE(spin->focusPolicy(), Qt::NoFocus);
  QTest::mouseClick(spin, Qt::LeftButton);
  QVERIFY(Shown(w, field) != shown);
}

void TestInflation::tabOrder() {
  TestApp app;
  auto* w = app.openAtDefaultSize<InflationWindow>(kWindow);
  QWidget* at = Child(w, QStringLiteral("numPresCost"));
  QStringList order;
  for (int i = 0; i < 5; ++i) {
    do {
      at = at->nextInFocusChain();
    } while (!(at->focusPolicy() & Qt::TabFocus) || !at->isVisibleTo(w) || !at->isEnabled());
    order << (at->objectName().isEmpty() ? at->accessibleName() : at->objectName());
  }
  QCOMPARE(order, (QStringList{"numPeriod", "numInflaRate", "cmdCalculate", "cmdPrint", "cmdOK"}));
}

void TestInflation::print_data() {
  QTest::addColumn<QList<double>>("shared");  // present cost, years, rate
  QTest::addColumn<bool>("printable");
  QTest::addColumn<QString>("pdf");
  QTest::newRow("1000 at 10% over 2 years")
      << QList<double>{1000, 2, 10} << true << "inflation-2-years.pdf";
  QTest::newRow("too large writes nothing") << QList<double>{99999999, 40, 40} << false << "";
  QTest::newRow("no present cost writes nothing") << QList<double>{0, 5, 10} << false << "";
}

void TestInflation::print() {
  QFETCH(QList<double>, shared);
  QFETCH(bool, printable);
  QFETCH(QString, pdf);
  TestApp app;
  SetInflation(app, shared[0], shared[1], shared[2]);
  auto* w = app.openAtDefaultSize<InflationWindow>(kWindow);
  Click(w, QStringLiteral("cmdPrint"));
  auto* panel = Child(w, QStringLiteral("fraPrint"));
  const QVariantMap row = app.row(QStringLiteral("Inflation"));
  if (!printable) {
    QVERIFY(!panel->isVisible());
    QVERIFY(Child(w, QStringLiteral("cmdOK"))->hasFocus());
    QCOMPARE(row.value(QStringLiteral("PresCost")).toDouble(), 0.0);
    return;
  }
  QVERIFY(panel->isVisible());
  const InflationState& s = app.window->state().Inflation;
  QCOMPARE(row.value(QStringLiteral("PresCost")).toDouble(), shared[0]);
  QCOMPARE(row.value(QStringLiteral("Period")).toDouble(), shared[1]);
  QCOMPARE(row.value(QStringLiteral("InflaRate")).toDouble(), shared[2]);
  QCOMPARE(row.value(QStringLiteral("Ans1")).toDouble(), s.FutureCost);
  QCOMPARE(row.value(QStringLiteral("ANS2")).toDouble(), s.BuyingPower);
  // The window with its panel open fits the main window.
  QVERIFY(w->parentWidget()->height() <= 640);
  QVERIFY(w->parentWidget()->width() <= 1150);
  Snapshot(app.window.get(), QStringLiteral("inflation-print"));
  Click(panel, QStringLiteral("cmdVR"));
  QVERIFY2(app.messages.shown.isEmpty(), qPrintable(ShownTexts(app)));
  QVERIFY(!panel->isVisible());
  ReportWindow* report = app.window->context().reports.lastWindow();
  QVERIFY(report != nullptr);
  QCOMPARE(
      report->windowTitle(),
      QStringLiteral("Inflation - To export printout click on the suitcase button or goto Help"));
  const QString text = report->document().toPlainText();
  for (const QString& figure :
       {Shown(w, QStringLiteral("numAns1")), Shown(w, QStringLiteral("numAns2")),
        Shown(w, QStringLiteral("numInflaRate"))}) {
    QVERIFY2(text.contains(figure), qPrintable(figure + QLatin1Char('|') + text));
  }
  if (!pdf.isEmpty()) KeepPdf(app, pdf);
}

QTEST_MAIN(TestInflation)
#include "tst_inflation.moc"
