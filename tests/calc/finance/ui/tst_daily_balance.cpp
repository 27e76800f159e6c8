// SPDX-License-Identifier: GPL-3.0-or-later
// The daily balance window driven as a user drives it: the shared deposit shown
// and worked out on activation, the figures typed in, the date and rate
// messages, the two spins with their beeps, and the record "&Print" writes.
#include <QMdiSubWindow>
#include <QToolButton>
#include <QtTest>

#include "calc/finance/ui/daily_balance_window.h"
#include "support/print_support.h"
#include "taxyear/shared_state.h"

using namespace reventa;
using namespace reventa::test;

namespace {

const QString kWindow = QStringLiteral("frmDayBal");
constexpr std::int32_t k1Mar2023 = 44986;
constexpr std::int32_t k31Mar2023 = 45016;
constexpr std::int32_t kNoDate = -36522;

// The shared deposit as another opening of the window left it.
QWidget* OpenWith(TestApp& app, float capital, float rate, std::int32_t start, std::int32_t end) {
  DailyBalanceState& d = app.window->state().DailyBalance;
  d.DepositCapital = capital;
  d.DepositRate = rate;
  d.DepositStart = start;
  d.DepositEnd = end;
  return app.openAtDefaultSize(kWindow);
}

// Types into a date field and leaves it, as Tab would.
void TypeDate(QWidget* w, const QString& name, const QString& typed) {
  auto* field = Child<QLineEdit>(w, name);
  Focus(field);
  field->selectAll();
  if (typed.isEmpty()) {
    QTest::keyClick(field, Qt::Key_Backspace);
  } else {
    QTest::keyClicks(field, typed);
  }
  Leave(field);
}

void ClickSpin(QWidget* w, const QString& spin, bool up) {
  auto* buttons = Child(w, spin);
  QToolButton* b = buttons->findChildren<QToolButton*>().at(up ? 0 : 1);
  QTest::mouseClick(b, Qt::LeftButton);
}

const QStringList kMarch{"numCapAmount=100000", "dtStartDate=01032023", "dtEndDate=31032023",
                         "numIntRate=10"};

}  // namespace

class TestDailyBalance : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void activationShowsTheSharedDeposit_data();
  void activationShowsTheSharedDeposit();
  void workedFigures_data();
  void workedFigures();
  void calculateNeedsBothDates_data();
  void calculateNeedsBothDates();
  void dateMessages_data();
  void dateMessages();
  void rateMessage_data();
  void rateMessage();
  void rateSpin_data();
  void rateSpin();
  void dateSpin_data();
  void dateSpin();
  void printWritesTheRecord_data();
  void printWritesTheRecord();
  void keyboardOrder();
};

void TestDailyBalance::activationShowsTheSharedDeposit_data() {
  QTest::addColumn<float>("capital");
  QTest::addColumn<float>("rate");
  QTest::addColumn<int>("start");
  QTest::addColumn<int>("end");
  QTest::addColumn<QStringList>("shown");
  QTest::newRow("fresh start: no dates, nothing accrued")
      << 0.f << 0.f << kNoDate << kNoDate
      << QStringList{"numCapAmount=0.00", "dtStartDate=//", "dtEndDate=//",
                     "numIntRate=0.000",  "numAnsDB1=0.00", "numAnsDB2=0"};
  QTest::newRow("March at 10% worked out again")
      << 100000.f << 10.f << k1Mar2023 << k31Mar2023
      << QStringList{"numCapAmount=100 000.00", "dtStartDate=01/03/2023", "dtEndDate=31/03/2023",
                     "numIntRate=10.000",       "numAnsDB1=821.92",       "numAnsDB2=30"};
  QTest::newRow("3 January 1800 is the first date shown")
      << 100000.f << 10.f << -36520 << -36520
      << QStringList{"dtStartDate=03/01/1800", "dtEndDate=03/01/1800", "numAnsDB2=0"};
  QTest::newRow("a date before it shows blank and counts no days")
      << 100000.f << 10.f << -36521 << k31Mar2023
      << QStringList{"dtStartDate=//", "dtEndDate=31/03/2023", "numAnsDB1=0.00", "numAnsDB2=0"};
}

void TestDailyBalance::activationShowsTheSharedDeposit() {
  QFETCH(float, capital);
  QFETCH(float, rate);
  QFETCH(int, start);
  QFETCH(int, end);
  QFETCH(QStringList, shown);
  TestApp app;
  QWidget* w = OpenWith(app, capital, rate, start, end);
  QCOMPARE(w->windowTitle(), QStringLiteral("Daily Balance"));
  ExpectShown(w, shown);
  // Showing the deposit leaves the shared values as they were.
  QCOMPARE(app.window->state().DailyBalance.DepositStart, start);
  // Coming back to the window after another one changed the deposit.
  app.window->state().DailyBalance.DepositRate = 20;
  app.window->openCalculator(QStringLiteral("frmKwikTax"));
  app.window->openCalculator(kWindow);
  ExpectShown(w, {"numIntRate=20.000"});
  if (start == k1Mar2023) ExpectShown(w, {"numAnsDB1=1 643.84"});
  QVERIFY(app.messages.shown.isEmpty());
}

void TestDailyBalance::workedFigures_data() {
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QStringList>("shown");
  QTest::addColumn<float>("heldCapital");
  QTest::newRow("100 000 at 10% for March: 30 days")
      << kMarch << QStringList{"numAnsDB1=821.92", "numAnsDB2=30"} << 100000.f;
  QTest::newRow("end equal to the start: nothing")
      << QStringList{"numCapAmount=100000", "dtStartDate=01032023", "dtEndDate=01032023",
                     "numIntRate=10"}
      << QStringList{"numAnsDB1=0.00", "numAnsDB2=0"} << 100000.f;
  QTest::newRow("29 February counted")
      << QStringList{"numCapAmount=100000", "dtStartDate=01022024", "dtEndDate=01032024",
                     "numIntRate=10"}
      << QStringList{"numAnsDB1=794.52", "numAnsDB2=29"} << 100000.f;
  QTest::newRow("capital held to seven digits")
      << QStringList{"numCapAmount=12345678.91", "dtStartDate=01032023", "dtEndDate=31032023",
                     "numIntRate=10"}
      << QStringList{"numCapAmount=12 345 679.00", "numAnsDB1=101 471.34"} << 12345679.f;
}

void TestDailyBalance::workedFigures() {
  QFETCH(QStringList, typed);
  QFETCH(QStringList, shown);
  QFETCH(float, heldCapital);
  TestApp app;
  QWidget* w = app.openAtDefaultSize(kWindow);
  Enter(w, typed);
  ExpectShown(w, shown);
  QCOMPARE(app.window->state().DailyBalance.DepositCapital, heldCapital);
  QVERIFY2(app.messages.shown.isEmpty(), qPrintable(ShownTexts(app)));
}

void TestDailyBalance::calculateNeedsBothDates_data() {
  QTest::addColumn<QString>("blanked");
  QTest::newRow("blank end date") << "dtEndDate";
  QTest::newRow("blank start date") << "dtStartDate";
}

void TestDailyBalance::calculateNeedsBothDates() {
  QFETCH(QString, blanked);
  TestApp app;
  QWidget* w = app.openAtDefaultSize(kWindow);
  Enter(w, kMarch);
  TypeDate(w, blanked, QString());
  QVERIFY2(app.messages.shown.isEmpty(), qPrintable(ShownTexts(app)));
  ExpectShown(w, {blanked + "=//"});
  Enter(w, {"numIntRate=20"});
  Click(w, QStringLiteral("cmdCalculate"));
  ExpectShown(w, {"numAnsDB1=821.92", "numAnsDB2=30"});
}

void TestDailyBalance::dateMessages_data() {
  QTest::addColumn<int>("start");
  QTest::addColumn<int>("end");
  QTest::addColumn<QString>("blanked");  // the other date, emptied after the field was entered
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("title");  // empty: taken without a message
  QTest::addColumn<QString>("text");
  const QString range = QStringLiteral("DATE OUT OF RANGE");
  const QString before =
      QStringLiteral("The date entered is more than 30 years(360 months) before 31/03/2023.");
  const QString after =
      QStringLiteral("The date entered is more than 30 years(360 months) after 01/03/2023.");
  const QString invalid = QStringLiteral("INVALID DATE");
  const QString invalidText =
      QStringLiteral("The date entered is invalid please enter a valid date.");
  const QString start = QStringLiteral("dtStartDate");
  const QString end = QStringLiteral("dtEndDate");
  QTest::newRow("start more than 30 years before the end")
      << kNoDate << k31Mar2023 << "" << start << "27031993" << range << before;
  QTest::newRow("start at the 30-year limit") << kNoDate << k31Mar2023 << "" << start << "28031993"
                                              << ""
                                              << "";
  QTest::newRow("start on the end date")
      << kNoDate << k31Mar2023 << "" << start << "31032023" << range << before;
  QTest::newRow("end more than 30 years after the start")
      << k1Mar2023 << kNoDate << "" << end << "04032053" << range << after;
  QTest::newRow("end at the 30-year limit") << k1Mar2023 << kNoDate << "" << end << "03032053"
                                            << ""
                                            << "";
  QTest::newRow("end before the start")
      << k1Mar2023 << kNoDate << "" << end << "28022023" << range << after;
  QTest::newRow("no 31 February") << kNoDate << k31Mar2023 << "" << start << "31022023" << invalid
                                  << invalidText;
  QTest::newRow("half a date") << k1Mar2023 << kNoDate << "" << end << "0104" << invalid
                               << invalidText;
  QTest::newRow("any start once the end date is emptied")
      << kNoDate << 22341 << end << start << "01012000"
      << ""
      << "";
  QTest::newRow("any end once the start date is emptied")
      << k1Mar2023 << kNoDate << start << end << "01012060"
      << ""
      << "";
}

void TestDailyBalance::dateMessages() {
  QFETCH(int, start);
  QFETCH(int, end);
  QFETCH(QString, blanked);
  QFETCH(QString, field);
  QFETCH(QString, typed);
  QFETCH(QString, title);
  QFETCH(QString, text);
  TestApp app;
  QWidget* w = OpenWith(app, 100000, 10, start, end);
  if (!blanked.isEmpty()) {
    // The field entered while the other date still stood.
    Focus(Child(w, field));
    Leave(Child(w, field));
    TypeDate(w, blanked, QString());
  }
  TypeDate(w, field, typed);
  if (title.isEmpty()) {
    QVERIFY2(app.messages.shown.isEmpty(), qPrintable(ShownTexts(app)));
    QCOMPARE(Shown(w, field).remove(QLatin1Char('/')), typed);
    return;
  }
  QCOMPARE(app.messages.shown.size(), 1);
  QCOMPARE(app.messages.shown[0].title, title);
  QCOMPARE(app.messages.shown[0].text, text);
  QCOMPARE(app.messages.shown[0].icon, Message::Icon::Critical);
  QVERIFY(Child(w, field)->hasFocus());
}

void TestDailyBalance::rateMessage_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("shown");
  QTest::addColumn<bool>("message");
  QTest::newRow("above 40 refused") << "45"
                                    << "4" << true;
  QTest::newRow("40 itself taken") << "40"
                                   << "40" << false;
  QTest::newRow("a fourth decimal refused silently") << "12.3456"
                                                     << "12.345" << false;
}

void TestDailyBalance::rateMessage() {
  QFETCH(QString, typed);
  QFETCH(QString, shown);
  QFETCH(bool, message);
  TestApp app;
  QWidget* w = app.openAtDefaultSize(kWindow);
  auto* rate = Child<QLineEdit>(w, QStringLiteral("numIntRate"));
  Focus(rate);
  rate->selectAll();
  QTest::keyClicks(rate, typed);
  QCOMPARE(rate->text(), shown);
  QCOMPARE(app.messages.shown.size(), message ? 1 : 0);
  if (!message) return;
  QCOMPARE(app.messages.shown[0].title, QStringLiteral("Incorrect Interest Rate!"));
  QCOMPARE(app.messages.shown[0].text, QStringLiteral("The maximum Interest Rate allowed is 40%"));
  QVERIFY(rate->hasFocus());
}

void TestDailyBalance::rateSpin_data() {
  QTest::addColumn<QString>("rate");
  QTest::addColumn<bool>("up");
  QTest::addColumn<bool>("byKey");  // the arrow key in the rate field, not a click
  QTest::addColumn<QStringList>("shown");
  QTest::addColumn<int>("beeps");
  QTest::addColumn<QString>("focus");
  QTest::newRow("0.5 down to 0.25, worked out again")
      << "0.5" << false << false << QStringList{"numIntRate=0.250", "numAnsDB1=20.55"} << 0
      << "cmdOK";
  QTest::newRow("10 up to 10.25") << "10" << true << false
                                  << QStringList{"numIntRate=10.250", "numAnsDB1=842.47"} << 0
                                  << "cmdOK";
  QTest::newRow("40 up starts again at 0.25")
      << "40" << true << false << QStringList{"numIntRate=0.250", "numAnsDB1=20.55"} << 0
      << "cmdOK";
  QTest::newRow("0.25 down beeps and wraps to 40")
      << "0.25" << false << false << QStringList{"numIntRate=40.000", "numAnsDB1=3 287.67"} << 1
      << "cmdOK";
  QTest::newRow("rate 0 does not step")
      << "0" << true << false << QStringList{"numIntRate=0.000", "numAnsDB1=0.00"} << 0 << "";
  QTest::newRow("arrow key keeps the focus in the field")
      << "0.5" << false << true << QStringList{"numIntRate=0.250", "numAnsDB1=20.55"} << 0
      << "numIntRate";
}

void TestDailyBalance::rateSpin() {
  QFETCH(QString, rate);
  QFETCH(bool, up);
  QFETCH(bool, byKey);
  QFETCH(QStringList, shown);
  QFETCH(int, beeps);
  QFETCH(QString, focus);
  TestApp app;
  QWidget* w = OpenWith(app, 100000, 0, k1Mar2023, k31Mar2023);
  Enter(w, {"numIntRate=" + rate});
  const int before = app.messages.beeps;
  if (byKey) {
    QTest::keyClick(Child(w, QStringLiteral("numIntRate")), up ? Qt::Key_Up : Qt::Key_Down);
  } else {
    ClickSpin(w, QStringLiteral("spRate"), up);
  }
  ExpectShown(w, shown);
  QCOMPARE(app.messages.beeps - before, beeps);
  const QString held = Shown(w, QStringLiteral("numIntRate"));
  QCOMPARE(app.window->state().DailyBalance.DepositRate, held.toFloat());
  if (!focus.isEmpty()) QVERIFY(Child(w, focus)->hasFocus());
}

void TestDailyBalance::dateSpin_data() {
  QTest::addColumn<int>("start");
  QTest::addColumn<int>("end");
  QTest::addColumn<bool>("up");
  QTest::addColumn<QStringList>("shown");
  QTest::addColumn<int>("beeps");
  QTest::newRow("up a day") << k1Mar2023 << k31Mar2023 << true
                            << QStringList{"dtEndDate=01/04/2023", "numAnsDB2=31",
                                           "numAnsDB1=849.32"}
                            << 0;
  QTest::newRow("down a day") << k1Mar2023 << k31Mar2023 << false
                              << QStringList{"dtEndDate=30/03/2023", "numAnsDB2=29"} << 0;
  QTest::newRow("down at the start date stays, with a beep")
      << k1Mar2023 << k1Mar2023 << false
      << QStringList{"dtEndDate=01/03/2023", "numAnsDB2=0", "numAnsDB1=0.00"} << 1;
  QTest::newRow("up at the 30-year limit stays, with a beep")
      << k1Mar2023 << k1Mar2023 + 10960 << true
      << QStringList{"dtEndDate=03/03/2053", "numAnsDB2=10960"} << 1;
  QTest::newRow("no end date yet: a day after the start")
      << k1Mar2023 << kNoDate << true
      << QStringList{"dtEndDate=02/03/2023", "numAnsDB2=1", "numAnsDB1=27.40"} << 0;
  QTest::newRow("no start date: no step")
      << kNoDate << k31Mar2023 << true << QStringList{"dtEndDate=31/03/2023", "numAnsDB2=0"} << 0;
}

void TestDailyBalance::dateSpin() {
  QFETCH(int, start);
  QFETCH(int, end);
  QFETCH(bool, up);
  QFETCH(QStringList, shown);
  QFETCH(int, beeps);
  for (const bool byKey : {false, true}) {
    TestApp app;
    QWidget* w = OpenWith(app, 100000, 10, start, end);
    if (byKey) {
      auto* field = Child(w, QStringLiteral("dtEndDate"));
      Focus(field);
      QTest::keyClick(field, up ? Qt::Key_Up : Qt::Key_Down);
      QVERIFY(field->hasFocus());
    } else {
      ClickSpin(w, QStringLiteral("spDate"), up);
    }
    ExpectShown(w, shown);
    QCOMPARE(app.messages.beeps, beeps);
    QVERIFY2(app.messages.shown.isEmpty(), qPrintable(ShownTexts(app)));
  }
}

void TestDailyBalance::printWritesTheRecord_data() {
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QList<double>>("record");  // CapAmount StartDate EndDate IntRate ANS1 ANS2
  QTest::addColumn<QString>("pdf");
  QTest::newRow("March at 10%") << kMarch << QList<double>{100000, k1Mar2023,         k31Mar2023,
                                                           10,     821.9177856445312, 30}
                                << "daily-balance.pdf";
  QTest::newRow("capital written as held")
      << QStringList{"numCapAmount=12345678.91", "dtStartDate=01032023", "dtEndDate=31032023",
                     "numIntRate=10"}
      << QList<double>{12345679, k1Mar2023, k31Mar2023, 10, 101471.3359375, 30} << "";
  QTest::newRow("end equal to the start writes nothing")
      << QStringList{"numCapAmount=100000", "dtStartDate=01032023", "dtEndDate=01032023",
                     "numIntRate=10"}
      << QList<double>{} << "";
  QTest::newRow("rate 0 writes nothing")
      << QStringList{"numCapAmount=100000", "dtStartDate=01032023", "dtEndDate=31032023",
                     "numIntRate=0"}
      << QList<double>{} << "";
}

void TestDailyBalance::printWritesTheRecord() {
  QFETCH(QStringList, typed);
  QFETCH(QList<double>, record);
  QFETCH(QString, pdf);
  TestApp app;
  QWidget* w = app.openAtDefaultSize(kWindow);
  Enter(w, typed);
  // Typed after the last calculation: the record keeps the figures shown with it.
  if (!record.isEmpty()) Child<QLineEdit>(w, QStringLiteral("numCapAmount"))->setText("5");
  Click(w, QStringLiteral("cmdPrint"));
  auto* panel = Child(w, QStringLiteral("fraPrint"));
  const QVariantMap row = app.row(QStringLiteral("DailyBal"));
  const QStringList fields{"CapAmount", "StartDate", "EndDate", "IntRate", "ANS1", "ANS2"};
  if (record.isEmpty()) {
    QVERIFY(!panel->isVisible());
    QVERIFY(Child(w, QStringLiteral("cmdOK"))->hasFocus());
    for (const QString& f : fields) QCOMPARE(row.value(f).toDouble(), 0.0);
    return;
  }
  QVERIFY(panel->isVisible());
  for (qsizetype i = 0; i < fields.size(); ++i)
    QVERIFY2(row.value(fields[i]).toDouble() == record[i], qPrintable(fields[i]));
  QVERIFY(w->rect().contains(panel->geometry()));
  QVERIFY(w->parentWidget()->height() <= 640);
  QVERIFY(w->parentWidget()->width() <= 1150);
  Snapshot(app.window.get(), QStringLiteral("daily-balance-print-") + QTest::currentDataTag());
  Click(panel, QStringLiteral("cmdVR"));
  QVERIFY2(app.messages.shown.isEmpty(), qPrintable(ShownTexts(app)));
  QVERIFY(!panel->isVisible());
  ReportWindow* report = app.window->context().reports.lastWindow();
  QVERIFY(report != nullptr);
  QCOMPARE(report->windowTitle(), QStringLiteral("Daily Balance Calculation"));
  const QString text = report->document().toPlainText();
  for (const char* shown : {"01/03/2023", "31/03/2023", "10.000"})
    QVERIFY2(text.contains(QLatin1String(shown)), qPrintable(text.left(600)));
  if (!pdf.isEmpty()) KeepPdf(app, pdf);
}

void TestDailyBalance::keyboardOrder() {
  TestApp app;
  QWidget* w = OpenWith(app, 100000, 10, k1Mar2023, k31Mar2023);
  Snapshot(app.window.get(), QStringLiteral("daily-balance"));
  QWidget* at = Child(w, QStringLiteral("numCapAmount"));
  QStringList order;
  for (int i = 0; i < 7; ++i) {
    order << (at->objectName().isEmpty() ? at->accessibleName() : at->objectName());
    at = at->nextInFocusChain();
    while (!(at->focusPolicy() & Qt::TabFocus) || !at->isVisible() || !at->isEnabled())
      at = at->nextInFocusChain();
  }
  // The spin buttons are the mouse's: Up and Down in the field step it.
  QCOMPARE(order, (QStringList{"numCapAmount", "dtStartDate", "dtEndDate", "numIntRate",
                               "cmdCalculate", "cmdPrint", "cmdOK"}));
  QCOMPARE(Child(w, QStringLiteral("spRate"))->accessibleName(), QStringLiteral("Interest rate"));
}

QTEST_MAIN(TestDailyBalance)
#include "tst_daily_balance.moc"
