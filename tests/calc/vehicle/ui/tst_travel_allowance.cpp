// SPDX-License-Identifier: GPL-3.0-or-later
// The travel allowance window from typing to the stored report row: the fresh
// start, worked figures of both methods typed through the window, the include
// boxes, switching methods, Escape, the single-payment and date messages, the
// inputs kept between openings, Initialise All and the report record.
#include <QCheckBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTextDocument>
#include <QtTest>

#include "calc/vehicle/ui/travel_allowance_window.h"
#include "support/print_support.h"
#include "taxyear/shared_state.h"

using namespace reventa;
using namespace reventa::test;

namespace {

const QString kWindow = QStringLiteral("frmCarAll1");

// The worked figure: a car of R 250 000, 30 000 km of which 20 000 for business.
const QStringList kWorked{"silgEdit1=250000", "silgEdit3=50000", "silgEdit4=20000",
                          "silgEdit5=20000"};

// As Enter() of the payroll tests, where a bare name clicks that option or box.
void Do(QWidget* w, const QStringList& steps) {
  for (const QString& step : steps) {
    if (step.contains(QLatin1Char('='))) {
      Enter(w, {step});
    } else {
      // On the box or the option's circle, at the left of the caption.
      auto* button = Child<QAbstractButton>(w, step);
      QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
  }
}

const QStringList kDeemedZeros{"sidbEdit3_0=0",   "sidbEdit3_1=0",    "sidbEdit3_2=0",
                               "sidbEdit3_3=0",   "silgEdit13_4=0",   "sidbEdit3_4=0",
                               "silgEdit13_6=0",  "sidbEdit1_0=0.00", "sidbEdit1_1=0.0",
                               "sidbEdit1_2=0.0", "sidbEdit1_3=0.0",  "sidbEdit1_4=0.00"};

// "&Print", then "&View/Export report" from the print panel.
void PrintToWindow(QWidget* w) {
  Click(w, QStringLiteral("cmdPrint"));
  Click(Child(w, QStringLiteral("Frame1")), QStringLiteral("cmdVR"));
}

void CloseFrame(QWidget* w) { qobject_cast<QMdiSubWindow*>(w->parentWidget())->close(); }

}  // namespace

class TestTravelAllowance : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void freshStart();
  void workedFigures_data();
  void workedFigures();
  void includeBoxRecalculates_data();
  void includeBoxRecalculates();
  void switchingMethodsDoesNotRecalculate();
  void escapeRestoresTheField_data();
  void escapeRestoresTheField();
  void singlePayment_data();
  void singlePayment();
  void dateMessages_data();
  void dateMessages();
  void inputsSurviveReopening_data();
  void inputsSurviveReopening();
  void initialiseAllEmptiesTheInputs();
  void printWritesTheRecord_data();
  void printWritesTheRecord();
  void recordsKeptAfterNoLeavesTheDeemedFields();
};

void TestTravelAllowance::freshStart() {
  TestApp app;
  auto* w = app.openAtDefaultSize<TravelAllowanceWindow>(kWindow);
  QCOMPARE(w->windowTitle(), QStringLiteral("Travel Allowance"));
  QVERIFY(Child<QRadioButton>(w, QStringLiteral("Option3"))->isChecked());
  QCOMPARE(Child<QRadioButton>(w, QStringLiteral("Option3"))->text(), QStringLiteral("&No"));
  QCOMPARE(Child<QRadioButton>(w, QStringLiteral("Option4"))->text(), QStringLiteral("&Yes"));
  QVERIFY(Child<QCheckBox>(w, QStringLiteral("Check1"))->isChecked());
  QVERIFY(Child<QCheckBox>(w, QStringLiteral("Check2"))->isChecked());
  QStringList zeros;
  for (int i = 1; i <= 11; ++i) zeros << QStringLiteral("silgEdit%1=0").arg(i);
  ExpectShown(w, zeros + kDeemedZeros +
                     QStringList{"Text1=", "dtCarAlStartDate=01/03/2023",
                                 "dtCarAlEndDate=29/02/2024", "silgEdit12=366"});
  QCOMPARE(app.window->state().Travel.Inputs.PeriodDays, 366.0);
  QVERIFY(Child(w, QStringLiteral("fraNoRecords"))->isVisible());
  QVERIFY(!Child(w, QStringLiteral("fraRecords"))->isVisible());
  QVERIFY(!Child(w, QStringLiteral("silgEdit6"))->isEnabled());
  QVERIFY(Child(w, QStringLiteral("silgEdit5"))->isEnabled());
  QCOMPARE(Child<QLineEdit>(w, QStringLiteral("Text1"))->maxLength(), 25);
  // The labels keep their padding; the field beside each is named after it.
  QStringList labels;
  for (QLabel* l : w->findChildren<QLabel*>()) labels << l->text();
  for (const char* text : {"Original value of vehicle ", "Repairs/Miantenance     ", " (if kept)",
                           "Deduction claim          R", "Kms."}) {
    QVERIFY2(labels.contains(QString::fromLatin1(text)), text);
  }
  QCOMPARE(Child(w, QStringLiteral("silgEdit6"))->accessibleName(), QStringLiteral("Fuel/Oil"));
  // The first column's fields share their left edge, whatever their caption's padding.
  const int left = Child(w, QStringLiteral("silgEdit1"))->x();
  for (const char* name : {"silgEdit2", "silgEdit6", "silgEdit11", "dtCarAlEndDate"}) {
    QCOMPARE(Child(w, QString::fromLatin1(name))->x(), left);
  }
  auto* panel = Child(w, QStringLiteral("Frame1"));
  QVERIFY(!panel->isVisible());
  QCOMPARE(Child<QLineEdit>(panel, QStringLiteral("Text3"))->maxLength(), 50);
  QVERIFY(app.messages.shown.isEmpty());
  // The window fits the main window's child area at its default size.
  QVERIFY(w->parentWidget()->height() <= 665);
  QVERIFY(w->parentWidget()->width() <= 1170);
  Snapshot(app.window.get(), QStringLiteral("travel-fresh"));
}

void TestTravelAllowance::workedFigures_data() {
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QStringList>("shown");
  QTest::addColumn<double>("claim");
  QTest::newRow("deemed full year")
      << kWorked
      << QStringList{"sidbEdit3_0=20 000", "sidbEdit3_1=10 000",  "sidbEdit3_2=30 000",
                     "sidbEdit3_3=86 958", "silgEdit13_4=30 000", "sidbEdit3_4=366",
                     "silgEdit13_6=366",   "sidbEdit1_0=289.86",  "sidbEdit1_1=171.7",
                     "sidbEdit1_2=60.4",   "sidbEdit1_3=522.0",   "sidbEdit1_4=104 392.00",
                     "silgEdit12=366"}
      << 104392.0;
  QTest::newRow("deemed capped by the allowance")
      << kWorked + QStringList{"silgEdit2=60000"}
      << QStringList{"sidbEdit1_3=522.0", "sidbEdit1_4=60 000.00"} << 60000.0;
  QTest::newRow("deemed half year")
      << kWorked + QStringList{"dtCarAlEndDate=30082023"}
      << QStringList{"silgEdit12=183", "sidbEdit3_4=183", "sidbEdit1_0=144.93", "sidbEdit1_3=377.0",
                     "sidbEdit1_4=75 406.00"}
      << 75406.0;
  QTest::newRow("business km 0 gives zeros")
      << QStringList{"silgEdit1=250000", "silgEdit3=50000", "silgEdit4=20000"} << kDeemedZeros
      << 0.0;
  QTest::newRow("actual costs over the distance")
      << QStringList{"Option4",         "silgEdit3=50000", "silgEdit4=20000", "silgEdit5=20000",
                     "silgEdit6=40000", "silgEdit7=30000", "silgEdit8=20000", "silgEdit9=10000"}
      << QStringList{"sidbEdit2_0=20 000.00",  "sidbEdit2_1=10 000.00", "sidbEdit2_2=30 000.00",
                     "sidbEdit2_3=100 000.00", "sidbEdit2_4=33 333.33", "sidbEdit2_5=66 666.67",
                     "sidbEdit2_6=66 666.67"}
      << 200000.0 / 3;
  QTest::newRow("actual costs without readings")
      << QStringList{"Option4", "silgEdit1=200000", "silgEdit6=60000"}
      << QStringList{"sidbEdit2_3=60 000.00", "sidbEdit2_4=50 400.00", "sidbEdit2_6=9 600.00"}
      << 9600.0;
}

void TestTravelAllowance::workedFigures() {
  QFETCH(QStringList, typed);
  QFETCH(QStringList, shown);
  QFETCH(double, claim);
  TestApp app;
  auto* w = app.openAtDefaultSize<TravelAllowanceWindow>(kWindow);
  Do(w, typed);
  ExpectShown(w, shown);
  QCOMPARE(app.window->state().Travel.Results.DeductionClaim, claim);
  QVERIFY(app.messages.shown.isEmpty());
  // Enter calculated and moved on to "&OK".
  QCOMPARE(QApplication::focusWidget(), Child(w, QStringLiteral("cmdOk")));
  Snapshot(app.window.get(), QStringLiteral("travel-") + QTest::currentDataTag());
}

void TestTravelAllowance::includeBoxRecalculates_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QStringList>("shown");
  QTest::newRow("fuel") << "Check1"
                        << QStringList{"sidbEdit1_1=0.0", "sidbEdit1_3=350.3",
                                       "sidbEdit1_4=70 052.00"};
  QTest::newRow("maintenance") << "Check2"
                               << QStringList{"sidbEdit1_2=0.0", "sidbEdit1_3=461.6",
                                              "sidbEdit1_4=92 312.00"};
}

void TestTravelAllowance::includeBoxRecalculates() {
  QFETCH(QString, box);
  QFETCH(QStringList, shown);
  TestApp app;
  auto* w = app.openAtDefaultSize<TravelAllowanceWindow>(kWindow);
  Do(w, kWorked);
  Do(w, {box});
  ExpectShown(w, shown);
  Do(w, {box});
  ExpectShown(w, {QStringLiteral("sidbEdit1_4=104 392.00")});
}

void TestTravelAllowance::switchingMethodsDoesNotRecalculate() {
  TestApp app;
  auto* w = app.openAtDefaultSize<TravelAllowanceWindow>(kWindow);
  Do(w, kWorked);
  const TravelClaimResults before = app.window->state().Travel.Results;
  // Alt+Y chooses "&Yes" from the keyboard.
  QTest::keyClick(Child(w, QStringLiteral("silgEdit1")), Qt::Key_Y, Qt::AltModifier);
  QTRY_VERIFY(Child<QRadioButton>(w, QStringLiteral("Option4"))->isChecked());
  QVERIFY(app.window->state().Travel.RecordsKept);
  QVERIFY(Child(w, QStringLiteral("fraRecords"))->isVisible());
  QVERIFY(!Child(w, QStringLiteral("fraNoRecords"))->isVisible());
  for (const char* name : {"silgEdit1", "silgEdit2", "silgEdit6", "silgEdit11"}) {
    QVERIFY2(Child(w, QString::fromLatin1(name))->isEnabled(), name);
  }
  for (const char* name : {"dtCarAlStartDate", "dtCarAlEndDate"}) {
    QVERIFY2(!Child(w, QString::fromLatin1(name))->isEnabled(), name);
  }
  QVERIFY(!Child(w, QStringLiteral("silgEdit12"))->isVisible());
  QVERIFY(!Child(w, QStringLiteral("fraNoRecords"))->isVisible());
  ExpectShown(w, {QStringLiteral("sidbEdit2_6=0.00")});
  QCOMPARE(app.window->state().Travel.Results.DeductionClaim, before.DeductionClaim);
  Snapshot(app.window.get(), QStringLiteral("travel-records-kept"));

  Do(w, {QStringLiteral("Option3")});
  QVERIFY(!app.window->state().Travel.RecordsKept);
  QVERIFY(!Child(w, QStringLiteral("silgEdit6"))->isEnabled());
  QVERIFY(Child(w, QStringLiteral("silgEdit12"))->isVisible());
  ExpectShown(w, {QStringLiteral("sidbEdit1_4=104 392.00")});
  // Enter on the option calculates, with records: the business share of no costs.
  Do(w, {QStringLiteral("Option4")});
  QTest::keyClick(Child(w, QStringLiteral("Option4")), Qt::Key_Return);
  ExpectShown(w, {QStringLiteral("sidbEdit2_0=20 000.00"), QStringLiteral("sidbEdit2_6=0.00")});
  QCOMPARE(QApplication::focusWidget(), Child(w, QStringLiteral("cmdOk")));
}

void TestTravelAllowance::escapeRestoresTheField_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("first");
  QTest::addColumn<QString>("second");
  QTest::addColumn<QString>("restored");
  QTest::newRow("value") << "silgEdit1"
                         << "250000"
                         << "99"
                         << "250 000";
  QTest::newRow("car description") << "Text1"
                                   << "Golf 1.4"
                                   << "Polo"
                                   << "Golf 1.4";
  QTest::newRow("end date") << "dtCarAlEndDate"
                            << "30082023"
                            << "31122023"
                            << "30/08/2023";
}

void TestTravelAllowance::escapeRestoresTheField() {
  QFETCH(QString, field);
  QFETCH(QString, first);
  QFETCH(QString, second);
  QFETCH(QString, restored);
  TestApp app;
  auto* w = app.openAtDefaultSize<TravelAllowanceWindow>(kWindow);
  Do(w, {field + QLatin1Char('=') + first});
  const TravelAllowanceState kept = app.window->state().Travel;
  const double keptEnd = w->endDate();
  auto* edit = Child<QLineEdit>(w, field);
  Focus(edit);
  edit->selectAll();
  QTest::keyClicks(edit, second);
  QVERIFY(Shown(w, field) != restored);
  QTest::keyClick(edit, Qt::Key_Escape);
  QCOMPARE(Shown(w, field), restored);
  QVERIFY(edit->hasFocus());
  const TravelAllowanceState& now = app.window->state().Travel;
  QCOMPARE(now.Inputs.VehicleValue, kept.Inputs.VehicleValue);
  QCOMPARE(now.CarDescription, kept.CarDescription);
  QCOMPARE(w->endDate(), keptEnd);

  // On a button (focus number 0) Escape leaves the field as it was left.
  Focus(edit);
  edit->selectAll();
  QTest::keyClicks(edit, second);
  auto* ok = Child<QPushButton>(w, QStringLiteral("cmdOk"));
  Focus(ok);
  const QString left = Shown(w, field);
  QTest::keyClick(ok, Qt::Key_Escape);
  QCOMPARE(Shown(w, field), left);
  QVERIFY(left != restored);
}

void TestTravelAllowance::singlePayment_data() {
  QTest::addColumn<QString>("first");
  QTest::addColumn<QString>("second");
  QTest::newRow("lease after wear and tear") << "silgEdit10=3000"
                                             << "silgEdit11";
  QTest::newRow("wear and tear after lease") << "silgEdit11=3000"
                                             << "silgEdit10";
}

void TestTravelAllowance::singlePayment() {
  QFETCH(QString, first);
  QFETCH(QString, second);
  TestApp app;
  auto* w = app.openAtDefaultSize<TravelAllowanceWindow>(kWindow);
  Do(w, {QStringLiteral("Option4"), first});
  Do(w, {second + QStringLiteral("=5000")});
  QCOMPARE(app.messages.shown.size(), 1);
  const Message& m = app.messages.shown.first();
  QCOMPARE(m.title, QStringLiteral("Single Payment"));
  QCOMPARE(
      m.text,
      QStringLiteral("Only one amount for either Wear & Tear or Lease payments will be accepted"));
  QCOMPARE(m.icon, Message::Icon::Critical);
  QCOMPARE(Shown(w, second), QStringLiteral("0"));
  const TravelClaimInputs& in = app.window->state().Travel.Inputs;
  QCOMPARE(in.WearAndTear + in.LeasePayments, 3000.0);
  ExpectShown(w, {QStringLiteral("sidbEdit2_3=3 000.00")});
}

void TestTravelAllowance::dateMessages_data() {
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QString>("message");
  QTest::addColumn<QString>("refused");
  const QString range =
      QStringLiteral("The date entered is not correct please enter a date between ");
  QTest::newRow("start after the tax year")
      << QStringList{"dtCarAlStartDate=01032024"} << range + "01/03/2023 and 29/02/2024"
      << "dtCarAlStartDate";
  QTest::newRow("start not a date")
      << QStringList{"dtCarAlStartDate=30022023"} << range + "01/03/2023 and 29/02/2024"
      << "dtCarAlStartDate";
  QTest::newRow("start after the end")
      << QStringList{"dtCarAlEndDate=31052023", "dtCarAlStartDate=01062023"}
      << range + "01/03/2023 and 29/02/2024"
      << "dtCarAlStartDate";
  QTest::newRow("end before the start names it")
      << QStringList{"dtCarAlStartDate=01062023", "dtCarAlEndDate=31032023"}
      << range + "01/06/2023 and 29/02/2024"
      << "dtCarAlEndDate";
}

void TestTravelAllowance::dateMessages() {
  QFETCH(QStringList, typed);
  QFETCH(QString, message);
  QFETCH(QString, refused);
  TestApp app;
  auto* w = app.openAtDefaultSize<TravelAllowanceWindow>(kWindow);
  Do(w, kWorked + typed.mid(0, typed.size() - 1));
  QVERIFY(app.messages.shown.isEmpty());
  const QString before = Shown(w, refused);
  const double claim = app.window->state().Travel.Results.DeductionClaim;
  Do(w, typed.mid(typed.size() - 1));
  QCOMPARE(app.messages.shown.size(), 1);
  const Message& m = app.messages.shown.first();
  QCOMPARE(m.text, message);
  QCOMPARE(m.title, QStringLiteral("Incorrect Date"));
  QCOMPARE(m.icon, Message::Icon::Critical);
  QCOMPARE(Shown(w, refused), before);
  QCOMPARE(QApplication::focusWidget(), Child(w, refused));
  QCOMPARE(app.window->state().Travel.Results.DeductionClaim, claim);
}

void TestTravelAllowance::inputsSurviveReopening_data() {
  QTest::addColumn<bool>("byFrame");
  QTest::newRow("closed by OK") << false;
  QTest::newRow("closed by the frame") << true;
}

void TestTravelAllowance::inputsSurviveReopening() {
  QFETCH(bool, byFrame);
  TestApp app;
  auto* w = app.openAtDefaultSize<TravelAllowanceWindow>(kWindow);
  Do(w, QStringList{"Text1=Golf 1.4", "dtCarAlEndDate=30082023", "silgEdit2=80000"} + kWorked);
  QCOMPARE(app.window->state().Travel.Results.DeductionClaim, 75406.0);
  // Typed without Enter: closing calculates.
  auto* business = Child<QLineEdit>(w, QStringLiteral("silgEdit5"));
  Focus(business);
  business->selectAll();
  QTest::keyClicks(business, QStringLiteral("10000"));
  if (byFrame) {
    CloseFrame(w);
  } else {
    Click(w, QStringLiteral("cmdOk"));
  }
  QTRY_VERIFY(app.window->findCalculator(kWindow) == nullptr);
  const TravelAllowanceState& t = app.window->state().Travel;
  QCOMPARE(t.Inputs.RecordedBusinessKm, 10000.0);
  QCOMPARE(t.Inputs.PeriodDays, 183.0);
  QCOMPARE(t.Results.DeductionClaim, 37703.0);

  // Opening shows the inputs and calculates over the whole tax year again.
  w = app.openAtDefaultSize<TravelAllowanceWindow>(kWindow);
  ExpectShown(w, {"Text1=Golf 1.4", "silgEdit1=250 000", "silgEdit2=80 000", "silgEdit3=50 000",
                  "silgEdit4=20 000", "silgEdit5=10 000", "dtCarAlStartDate=01/03/2023",
                  "dtCarAlEndDate=29/02/2024", "silgEdit12=366", "sidbEdit1_4=52 196.00"});
  QCOMPARE(t.Inputs.PeriodDays, 366.0);
}

void TestTravelAllowance::initialiseAllEmptiesTheInputs() {
  TestApp app;
  auto* w = app.openAtDefaultSize<TravelAllowanceWindow>(kWindow);
  Do(w, QStringList{"Text1=Golf", "Option4", "silgEdit6=1000"} + kWorked);
  Do(w, {QStringLiteral("Check1")});
  app.window->initialiseAll();
  QVERIFY(app.window->findCalculator(kWindow) == nullptr);
  const TravelAllowanceState& t = app.window->state().Travel;
  QCOMPARE(t.Inputs.VehicleValue, 0.0);
  QCOMPARE(t.Inputs.FuelOilCost, 0.0);
  QCOMPARE(t.Inputs.PeriodDays, 0.0);
  QCOMPARE(t.Results.DeductionClaim, 0.0);
  QVERIFY(t.Inputs.IncludeFuel);
  QVERIFY(!t.RecordsKept);
  QVERIFY(t.CarDescription.empty());

  w = app.openAtDefaultSize<TravelAllowanceWindow>(kWindow);
  QVERIFY(Child<QRadioButton>(w, QStringLiteral("Option3"))->isChecked());
  QVERIFY(Child<QCheckBox>(w, QStringLiteral("Check1"))->isChecked());
  ExpectShown(w, QStringList{"Text1=", "silgEdit1=0", "silgEdit6=0"} + kDeemedZeros);
}

void TestTravelAllowance::printWritesTheRecord_data() {
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QString>("pdf");
  QTest::addColumn<QVariantMap>("expected");
  QTest::addColumn<QStringList>("printed");
  QVariantMap deemed{{"TPName", "Thandi Mokoena"},
                     {"mta01", "Golf 1.4 TSI"},
                     {"mta03", 250000.0},
                     {"mta04", 0.0},
                     {"mta05", 50000.0},
                     {"mta06", 20000.0},
                     {"mta07", 20000.0},
                     {"mta14", 366.0},
                     {"MTD", 30000.0},
                     {"MBD", 20000.0},
                     {"mpd", 10000.0},
                     {"cv", 86958.0},
                     {"fce", 289.86},
                     {"fc", 171.7},
                     {"mc", 60.4},
                     {"tatc", 522.0},
                     {"tadeduction", 104392.0},
                     {"FCDet", "Fuel costs"},
                     {"MCDet", "Maintenance costs"},
                     {"DateStart", "01/03/2023"},
                     {"DateEnd", "29/02/2024"},
                     {"mta08", 0.0},
                     {"totcost", 0.0}};
  QTest::newRow("no records") << QStringList{"Text1=Golf 1.4 TSI"} + kWorked
                              << "travel-no-records.pdf" << deemed
                              << QStringList{"Thandi Mokoena",
                                             "01/03/2023 – 29/02/2024",
                                             "Golf 1.4 TSI",
                                             "250 000.00",
                                             "Total distance\n\n30 000\nkm",
                                             "(R 86 958.00 ÷ 30 000 km × 366/366 days)",
                                             "522.0",
                                             "104 392.00"};
  QVariantMap partYear = deemed;
  partYear.insert({{"fc", 171.7},
                   {"mc", 0.0},
                   {"MCDet", "Maintenance costs not included"},
                   {"DateEnd", "30/08/2023"},
                   {"mta14", 183.0},
                   {"fce", 144.93},
                   {"tatc", 316.6},
                   {"tadeduction", 63326.0}});
  QTest::newRow("maintenance excluded, half year")
      << QStringList{"Text1=Golf 1.4 TSI", "Check2", "dtCarAlEndDate=30082023"} + kWorked
      << "travel-half-year.pdf" << partYear
      << QStringList{"Maintenance costs not included", "Period of use\n\n183\ndays", "63 326.00"};
  QTest::newRow("records kept")
      << QStringList{"Text1=Golf 1.4 TSI", "Option4",         "silgEdit2=60000", "silgEdit3=50000",
                     "silgEdit4=20000",    "silgEdit5=20000", "silgEdit6=40000", "silgEdit7=30000",
                     "silgEdit8=20000",    "silgEdit9=10000"}
      << "travel-records-kept.pdf"
      << QVariantMap{{"mta04", 60000.0},       {"mta08", 40000.0},    {"mta09", 30000.0},
                     {"mta10", 20000.0},       {"mta11", 10000.0},    {"mta12", 0.0},
                     {"mta13", 0.0},           {"totcost", 100000.0}, {"pu", 100000.0 / 3},
                     {"tadeduction", 60000.0}, {"MBD", 20000.0},      {"mta03", 0.0},
                     {"DateStart", ""},        {"FCDet", ""}}
      << QStringList{"actual cost method", "100 000.00", "33 333.33",
                     "may not exceed the travel allowance received of R 60 000.00"};
}

void TestTravelAllowance::printWritesTheRecord() {
  QFETCH(QStringList, typed);
  QFETCH(QString, pdf);
  QFETCH(QVariantMap, expected);
  QFETCH(QStringList, printed);
  TestApp app;
  auto* w = app.openAtDefaultSize<TravelAllowanceWindow>(kWindow);
  Do(w, typed);
  Click(w, QStringLiteral("cmdPrint"));
  auto* panel = Child(w, QStringLiteral("Frame1"));
  QVERIFY(panel->isVisible());
  QCOMPARE(QApplication::focusWidget(), Child(panel, QStringLiteral("Text3")));
  Snapshot(app.window.get(), QStringLiteral("travel-print-panel"));
  TypeInto(Child(panel, QStringLiteral("Text3")), QStringLiteral("Thandi Mokoena"));
  Click(panel, QStringLiteral("cmdVR"));
  QVERIFY(!panel->isVisible());
  QVERIFY2(app.messages.shown.isEmpty(), qPrintable(ShownTexts(app)));

  const QVariantMap row = app.row(QStringLiteral("traveldeduction"));
  QCOMPARE(row.value(QStringLiteral("CARNO")).toInt(), 1);
  QCOMPARE(row.value(QStringLiteral("CARNO")).typeId(), int(QMetaType::LongLong));
  QCOMPARE(row.value(QStringLiteral("TPName")).toString(), QStringLiteral("Thandi Mokoena"));
  for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
    const QVariant stored = row.value(it.key());
    if (it.value().typeId() == QMetaType::Double) {
      QVERIFY2(qFuzzyCompare(1 + stored.toDouble(), 1 + it.value().toDouble()),
               qPrintable(it.key() + QLatin1Char('=') + stored.toString()));
    } else {
      QCOMPARE(it.key() + QLatin1Char('=') + stored.toString(),
               it.key() + QLatin1Char('=') + it.value().toString());
    }
  }
  ReportWindow* report = app.window->context().reports.lastWindow();
  QVERIFY(report != nullptr);
  QCOMPARE(report->windowTitle(),
           QStringLiteral(
               "Car Allowance - To export printout click on the suitcase button or goto Help"));
  const QString text = report->document().toPlainText();
  for (const QString& line : printed) QVERIFY2(text.contains(line), qPrintable(line + "\n" + text));
  KeepPdf(app, pdf);
}

void TestTravelAllowance::recordsKeptAfterNoLeavesTheDeemedFields() {
  TestApp app;
  auto* w = app.openAtDefaultSize<TravelAllowanceWindow>(kWindow);
  Do(w, QStringList{"dtCarAlEndDate=30082023"} + kWorked);
  PrintToWindow(w);
  // Another value and, with records, costs: the print with records leaves the
  // deemed fields as the first print wrote them.
  Do(w, {"silgEdit1=400000", "Option4", "silgEdit6=9000"});
  PrintToWindow(w);
  const QVariantMap row = app.row(QStringLiteral("traveldeduction"));
  QCOMPARE(row.value(QStringLiteral("mta03")).toDouble(), 250000.0);
  QCOMPARE(row.value(QStringLiteral("cv")).toDouble(), 86958.0);
  QCOMPARE(row.value(QStringLiteral("DateStart")).toString(), QStringLiteral("01/03/2023"));
  QCOMPARE(row.value(QStringLiteral("DateEnd")).toString(), QStringLiteral("30/08/2023"));
  QCOMPARE(row.value(QStringLiteral("mta08")).toDouble(), 9000.0);
  QCOMPARE(row.value(QStringLiteral("totcost")).toDouble(), 9000.0);
  QCOMPARE(row.value(QStringLiteral("tadeduction")).toDouble(), 6000.0);
}

QTEST_MAIN(TestTravelAllowance)
#include "tst_travel_allowance.moc"
