// SPDX-License-Identifier: GPL-3.0-or-later
// QuickTax from typing to the stored report row and an exported PDF.
#include <QFileInfo>
#include <QMdiArea>
#include <QScopeGuard>
#include <QTextDocument>
#include <QtTest>

#include "calc/annual/ui/quicktax_window.h"
#include "support/test_app.h"
#include "taxyear/shared_state.h"
#include "widgets/numeric_field.h"
#include "widgets/report_engine.h"
#include "widgets/report_window.h"

using namespace reventa;
using namespace reventa::test;

class TestQuickTax : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void calculatesWhatIsTyped_data();
  void calculatesWhatIsTyped();
  void ageRoundsHalfToEven_data();
  void ageRoundsHalfToEven();
  void picksUpTheSharedTaxableIncomeOnActivation();
  void printWritesTheRowAndOpensTheReport();
  void cancelWritesNothing();
  void printingTwiceKeepsOneRow();
  void storeFaultsLeaveTheWindowUsable_data();
  void storeFaultsLeaveTheWindowUsable();
  void printPanelFitsTheMainWindow();
};

static QString Shown(QWidget* w, int index) {
  return Child<NumericField>(w, QStringLiteral("sidbEdit1_%1").arg(index))->text();
}

void TestQuickTax::calculatesWhatIsTyped_data() {
  QTest::addColumn<QString>("income");
  QTest::addColumn<QString>("age");
  QTest::addColumn<QStringList>("shown");  // fields 2 to 9
  QTest::newRow("nothing") << "0"
                           << "0" << QStringList{"0.00",      "18",   "0.00",  "0.00",
                                                 "17 235.00", "0.00", "18.00", "0.00"};
  QTest::newRow("500000 at 40") << "500000"
                                << "40"
                                << QStringList{"77 362.00", "31",         "40 145.00", "117 507.00",
                                               "17 235.00", "100 272.00", "23.50",     "20.05"};
  QTest::newRow("500000 at 65") << "500000"
                                << "65"
                                << QStringList{"77 362.00", "31",        "40 145.00", "117 507.00",
                                               "26 679.00", "90 828.00", "23.50",     "18.17"};
  QTest::newRow("500000 at 75") << "500000"
                                << "75"
                                << QStringList{"77 362.00", "31",        "40 145.00", "117 507.00",
                                               "29 824.00", "87 683.00", "23.50",     "17.54"};
  QTest::newRow("tax equals rebate")
      << "95750"
      << "30"
      << QStringList{"0.00", "18", "17 235.00", "17 235.00", "17 235.00", "0.00", "18.00", "0.00"};
  QTest::newRow("tax below rebate")
      << "50000"
      << "30"
      << QStringList{"0.00", "18", "9 000.00", "9 000.00", "17 235.00", "0.00", "18.00", "0.00"};
}

void TestQuickTax::calculatesWhatIsTyped() {
  QFETCH(QString, income);
  QFETCH(QString, age);
  QFETCH(QStringList, shown);
  TestApp app;
  auto* w = app.open(QStringLiteral("frmKwikTax"));
  TypeInto(Child(w, QStringLiteral("sidbEdit1_0")), income);
  TypeInto(Child(w, QStringLiteral("sidbEdit1_1")), age);
  QCOMPARE(app.window->state().TaxableIncome, income.toDouble());
  Click(w, QStringLiteral("cmdCalculate"));
  for (int i = 0; i < shown.size(); ++i) QCOMPARE(Shown(w, i + 2), shown.at(i));
  QVERIFY(app.messages.shown.isEmpty());
}

void TestQuickTax::ageRoundsHalfToEven_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<double>("rebate");
  QTest::newRow("64.5 is 64") << "64.5" << 17235.0;
  QTest::newRow("65.5 is 66") << "65.5" << 26679.0;
  QTest::newRow("74.5 is 74") << "74.5" << 26679.0;
  QTest::newRow("75.5 is 76") << "75.5" << 29824.0;
}

void TestQuickTax::ageRoundsHalfToEven() {
  QFETCH(QString, typed);
  QFETCH(double, rebate);
  TestApp app;
  auto* w = app.open<QuickTaxWindow>(QStringLiteral("frmKwikTax"));
  TypeInto(Child(w, QStringLiteral("sidbEdit1_1")), typed);
  w->calculate();
  QCOMPARE(w->result().QuickRebate, rebate);
}

void TestQuickTax::picksUpTheSharedTaxableIncomeOnActivation() {
  TestApp app;
  auto* w = app.open<QuickTaxWindow>(QStringLiteral("frmKwikTax"));
  // Another calculator leaves its taxable income behind; activation recalculates.
  app.window->state().TaxableIncome = 2000000;
  w->activated();
  QCOMPARE(Shown(w, 0), QStringLiteral("2 000 000.00"));
  QCOMPARE(w->result().QuickTotalTax, 726839.0);
  QCOMPARE(app.window->state().IncomeTax.TaxBeforeRebates, 726839.0);
  // Initialise All resets the income but leaves QuickTax open.
  app.window->initialiseAll();
  QVERIFY(app.window->findCalculator(QStringLiteral("frmKwikTax")) != nullptr);
  w->activated();
  QCOMPARE(w->result().QuickTotalTax, 0.0);
}

void TestQuickTax::printWritesTheRowAndOpensTheReport() {
  TestApp app;
  auto* w = app.open(QStringLiteral("frmKwikTax"));
  TypeInto(Child(w, QStringLiteral("sidbEdit1_0")), QStringLiteral("500000"));
  TypeInto(Child(w, QStringLiteral("sidbEdit1_1")), QStringLiteral("40"));
  Click(w, QStringLiteral("cmdCalculate"));
  app.window->resize(900, 600);
  Snapshot(app.window.get(), QStringLiteral("quicktax"));
  Click(w, QStringLiteral("cmPrint"));
  auto* panel = Child(w, QStringLiteral("Frame1"));
  QVERIFY(panel->isVisible());
  Snapshot(app.window.get(), QStringLiteral("quicktax-print-panel"));
  Click(panel, QStringLiteral("cmdVR"));
  QVERIFY(!panel->isVisible());
  QVERIFY2(app.messages.shown.isEmpty(),
           qPrintable(app.messages.shown.isEmpty() ? QString() : app.messages.shown[0].text));

  const QVariantMap row = app.row(QStringLiteral("kwiktax"));
  QCOMPARE(row.value(QStringLiteral("AGE")).toInt(), 40);
  QCOMPARE(row.value(QStringLiteral("TAXINCOME")).toDouble(), 500000.0);
  QCOMPARE(row.value(QStringLiteral("TAXTOPAY")).toDouble(), 77362.0);
  QCOMPARE(row.value(QStringLiteral("MARGRATE")).toDouble(), 31.0);
  QCOMPARE(row.value(QStringLiteral("PORTION")).toDouble(), 40145.0);
  QCOMPARE(row.value(QStringLiteral("TOTTAX")).toDouble(), 117507.0);
  QCOMPARE(row.value(QStringLiteral("REBATE")).toDouble(), 17235.0);
  QCOMPARE(row.value(QStringLiteral("TAXCOM4")).toDouble(), 100272.0);
  QCOMPARE(row.value(QStringLiteral("AVRATE")).toDouble(), 117507.0 / 500000 * 100);
  QCOMPARE(row.value(QStringLiteral("AVRATEAFT")).toDouble(), 100272.0 / 500000 * 100);
  QCOMPARE(row.value(QStringLiteral("TAXCOM4/2")).toDouble(), 100272.0 / 12);

  ReportWindow* report = app.window->context().reports.lastWindow();
  QVERIFY(report != nullptr);
  Snapshot(report, QStringLiteral("quicktax-report-window"));
  QCOMPARE(
      report->windowTitle(),
      QStringLiteral("QuickTax - To export printout click on the suitcase button or goto Help"));
  const QString text = report->document().toPlainText();
  QVERIFY(text.contains(QStringLiteral("100 272.00")));
  QVERIFY(text.contains(QStringLiteral("8 356.00")));
  const QString pdf =
      qEnvironmentVariableIsSet("REVENTA_KEEP_REPORTS")
          ? qEnvironmentVariable("REVENTA_KEEP_REPORTS") + QStringLiteral("/quicktax.pdf")
          : app.path(QStringLiteral("quicktax.pdf"));
  QCOMPARE(report->exportTo(pdf), std::nullopt);
  QVERIFY(QFileInfo(pdf).size() > 1000);
  QCOMPARE(report->exportTo(app.path(QStringLiteral("quicktax.odt"))), std::nullopt);
  QCOMPARE(report->exportTo(app.path(QStringLiteral("quicktax.html"))), std::nullopt);
  QVERIFY(report->exportTo(app.path(QStringLiteral("quicktax.doc"))).has_value());
}

void TestQuickTax::cancelWritesNothing() {
  TestApp app;
  auto* w = app.open(QStringLiteral("frmKwikTax"));
  TypeInto(Child(w, QStringLiteral("sidbEdit1_0")), QStringLiteral("500000"));
  Click(w, QStringLiteral("cmdCalculate"));
  Click(w, QStringLiteral("cmPrint"));
  Click(Child(w, QStringLiteral("Frame1")), QStringLiteral("cmdCancel"));
  QCOMPARE(app.row(QStringLiteral("kwiktax")).value(QStringLiteral("TAXINCOME")).toDouble(), 0.0);
  QVERIFY(app.window->context().reports.lastWindow() == nullptr);
}

void TestQuickTax::printingTwiceKeepsOneRow() {
  TestApp app;
  auto* w = app.open(QStringLiteral("frmKwikTax"));
  for (const char* income : {"100000", "300000"}) {
    TypeInto(Child(w, QStringLiteral("sidbEdit1_0")), QString::fromLatin1(income));
    Click(w, QStringLiteral("cmdCalculate"));
    Click(w, QStringLiteral("cmPrint"));
    Click(Child(w, QStringLiteral("Frame1")), QStringLiteral("cmdVR"));
  }
  const auto rows = TableStore(app.reportDb(), QStringLiteral("report data store"))
                        .ReadRows(QStringLiteral("kwiktax"));
  QCOMPARE(std::get<0>(rows).size(), 1);
  QCOMPARE(std::get<0>(rows).first().value(QStringLiteral("TAXINCOME")).toDouble(), 300000.0);
}

void TestQuickTax::storeFaultsLeaveTheWindowUsable_data() {
  QTest::addColumn<QString>("fault");
  QTest::addColumn<QString>("expected");
  QTest::newRow("missing store") << "missing"
                                 << "cannot be found";
  QTest::newRow("damaged store") << "damaged"
                                 << "is damaged";
  QTest::newRow("read-only store") << "read-only"
                                   << "is read-only";
  QTest::newRow("missing template") << "template"
                                    << "kwiktep.rpt";
}

void TestQuickTax::storeFaultsLeaveTheWindowUsable() {
  QFETCH(QString, fault);
  QFETCH(QString, expected);
  TestApp app;
  if (fault == QLatin1String("template")) {
    // An application folder without the QuickTax template.
    const QString appDir = app.path(QStringLiteral("app"));
    QDir().mkpath(appDir);
    app.options().appFolder = appDir;
    app.start();
  }
  QFile store(app.reportDb());
  if (fault == QLatin1String("missing")) QVERIFY(store.remove());
  if (fault == QLatin1String("damaged")) {
    QVERIFY(store.open(QIODevice::WriteOnly | QIODevice::Truncate));
    store.write(QByteArray(3000, 'x'));
    store.close();
  }
  if (fault == QLatin1String("read-only")) {
    QVERIFY(store.setPermissions(QFile::ReadOwner | QFile::ReadGroup));
  }
  auto* w = app.open(QStringLiteral("frmKwikTax"));
  TypeInto(Child(w, QStringLiteral("sidbEdit1_0")), QStringLiteral("500000"));
  Click(w, QStringLiteral("cmPrint"));
  Click(Child(w, QStringLiteral("Frame1")), QStringLiteral("cmdVR"));
  QCOMPARE(app.messages.shown.size(), 1);
  QVERIFY2(app.messages.shown[0].text.contains(expected), qPrintable(app.messages.shown[0].text));
  QCOMPARE(app.messages.shown[0].icon, Message::Icon::Critical);
  QVERIFY(app.window->context().reports.lastWindow() == nullptr);
  QVERIFY(!Child(w, QStringLiteral("Frame1"))->isVisible());
  // The window goes on calculating.
  TypeInto(Child(w, QStringLiteral("sidbEdit1_0")), QStringLiteral("2000000"));
  Click(w, QStringLiteral("cmdCalculate"));
  QCOMPARE(Shown(w, 5), QStringLiteral("726 839.00"));
  store.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

void TestQuickTax::printPanelFitsTheMainWindow() {
  // A desktop whose buttons are wider than the window's fields, the window low in
  // the main window as a cascade leaves it.
  const QFont platform = QApplication::font("QPushButton");
  QFont wider = platform;
  wider.setPointSizeF(13);
  QApplication::setFont(wider, "QPushButton");
  const auto restore = qScopeGuard([&] { QApplication::setFont(platform, "QPushButton"); });
  TestApp app;
  auto* w = app.openAtDefaultSize(QStringLiteral("frmKwikTax"));
  QWidget* frame = w->parentWidget();
  const QRect area = app.window->area()->viewport()->rect();
  frame->move(40, area.height() - frame->height() - 20);
  const QRect before = frame->geometry();
  Click(w, QStringLiteral("cmPrint"));
  Snapshot(app.window.get(), QStringLiteral("quicktax-print-panel-wide-buttons"));
  auto* panel = Child(w, QStringLiteral("Frame1"));
  QVERIFY(area.contains(frame->geometry()));
  QVERIFY(w->rect().contains(panel->geometry()));
  for (QPushButton* b : panel->findChildren<QPushButton*>()) {
    QVERIFY(panel->rect().contains(b->geometry()));
    QVERIFY(b->width() >= b->sizeHint().width() && b->height() >= b->sizeHint().height());
  }
  Click(panel, QStringLiteral("cmdCancel"));
  QCOMPARE(frame->geometry(), before);
}

QTEST_MAIN(TestQuickTax)
#include "tst_quicktax.moc"
