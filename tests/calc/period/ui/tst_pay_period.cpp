// SPDX-License-Identifier: GPL-3.0-or-later
// The four pay-period windows from typing to the stored report row: defaults and
// the first calculation, field limits, worked examples, the date and day
// messages, the settings panel, the print panel in both languages.
#include <QLabel>
#include <QRadioButton>
#include <QTextDocument>
#include <QtTest>

#include "calc/period/ui/pay_period_window.h"
#include "store/reports/tax_reports.h"
#include "store/settings_store.h"
#include "support/print_support.h"
#include "taxyear/shared_state.h"

using namespace reventa;
using namespace reventa::test;

class TestPayPeriod : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void opensWithDefaultsAndCalculates_data();
  void opensWithDefaultsAndCalculates();
  void fieldsKeepTheirLimits_data();
  void fieldsKeepTheirLimits();
  void workedExamples_data();
  void workedExamples();
  void refusedDatesAndPeriods_data();
  void refusedDatesAndPeriods();
  void dayRule_data();
  void dayRule();
  void enterRunsCalculateUnlessSettingsAreOpen();
  void settingsPanelSavesOnlyItsFields();
  void settingsSaveKeepsWhatWasSavedMeanwhile();
  void storedRateOfOneHalfSelectsNeitherOption();
  void unreadableSettingsStoreKeepsTheWindowUsable();
  void leavingARefusedDateTakesTheFocusBack();
  void printWritesTheRow_data();
  void printWritesTheRow();
  void fieldsAWindowDoesNotWriteAreLeftAlone();
  void weeklyThenFortnightlyLeavesTheFortnight();
};

void TestPayPeriod::opensWithDefaultsAndCalculates_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QStringList>("shown");
  const QStringList results{"numAllowableRFundDed=0", "numMAns1=0.00",        "numMAns2=0.00",
                            "numMAns3=0.00",          "numMAns=0.00",         "numTaxCredit=0.00",
                            "numMTCForContri=0.00",   "numTaxLiability=0.00", "numEmpEUIF=1.000",
                            "numUIFLimit=17 712"};
  QTest::newRow("monthly") << "frmMonthly"
                           << "Monthly"
                           << results + QStringList{"silgEdit9=0", "numSalRemun=0",
                                                    "dtMStartDate=01/03/2023",
                                                    "dtMEndDate=31/03/2023", "numMTAAns=0"};
  QTest::newRow("weekly") << "frmWeekly"
                          << "Weekly"
                          << results + QStringList{"silgEdit14=0", "numSalRemun=0.00",
                                                   "silgEdit21=7", "silgEdit22=7"};
  QTest::newRow("fortnightly") << "frmFortNight"
                               << "Fortnightly"
                               << results + QStringList{"silgEdit14=0", "numSalRemun=0.00",
                                                        "silgEdit21=14", "silgEdit22=14"};
  QTest::newRow("daily") << "frmDaily"
                         << "Daily" << results + QStringList{"silgEdit23=0", "numSalRemun=0.00"};
}

void TestPayPeriod::opensWithDefaultsAndCalculates() {
  QFETCH(QString, window);
  QFETCH(QString, caption);
  QFETCH(QStringList, shown);
  TestApp app;
  // The first calculation replaces whatever another calculator left behind.
  app.window->state().TaxableIncome = 123456;
  auto* w = app.open(window);
  QVERIFY(w != nullptr);
  QCOMPARE(w->windowTitle(), caption);
  ExpectShown(w, shown);
  QCOMPARE(app.window->state().TaxableIncome, 0.0);
  QVERIFY(Child<QRadioButton>(w, QStringLiteral("optTAIncRate80"))->isChecked());
  QVERIFY(Child<QRadioButton>(w, QStringLiteral("Option1"))->isChecked());
  QVERIFY(Child<QPushButton>(w, QStringLiteral("cmdCalculate"))->isDefault());
  auto* name = Child<QLineEdit>(w, QStringLiteral("Text1"));
  QCOMPARE(name->maxLength(), 50);
  QStringList printCaptions;
  for (QLabel* l : Child(w, QStringLiteral("fraPrint"))->findChildren<QLabel*>()) {
    printCaptions << l->text();
  }
  QVERIFY(printCaptions.contains(QStringLiteral("Employee name : ")));
  QVERIFY(printCaptions.contains(QStringLiteral("(max.50 chrs.)")));
  for (const char* panel : {"Frame3", "fraPrint", "fraInfo_One"}) {
    QVERIFY(!Child(w, QString::fromLatin1(panel))->isVisible());
  }
  QVERIFY(app.messages.shown.isEmpty());

  Click(w, QStringLiteral("cmdInfo_0"));
  QVERIFY(Child(w, QStringLiteral("fraInfo_One"))->isVisible());
  const QString info = Child<QLabel>(w, QStringLiteral("lblInfo_One"))->text();
  QVERIFY(info.startsWith(QStringLiteral("The amount entered in the Salary/remuneration field")));
  QVERIFY(info.contains(
      QString::fromUtf16(u"amount.  Note that both employer\u2019s and employee\u2019s")));
  QVERIFY(info.endsWith(QStringLiteral("The deduction is capped at R350,000 per year. ")));
  Click(w, QStringLiteral("cmdOK_Info_One"));
  QVERIFY(!Child(w, QStringLiteral("fraInfo_One"))->isVisible());
}

void TestPayPeriod::fieldsKeepTheirLimits_data() {
  QTest::addColumn<QStringList>("limits");  // window, field, typed, kept
  QTest::newRow("monthly salary takes a fraction to round")
      << QStringList{"frmMonthly", "numSalRemun", "1234.5", "1234.5"};
  QTest::newRow("monthly salary eight digits")
      << QStringList{"frmMonthly", "numSalRemun", "123456789", "12345678"};
  QTest::newRow("weekly salary takes cents")
      << QStringList{"frmWeekly", "numSalRemun", "1234.567", "1234.56"};
  QTest::newRow("weekly salary below ten million")
      << QStringList{"frmWeekly", "numSalRemun", "10000000", "1000000"};
  QTest::newRow("daily fund contribution takes one decimal separator")
      << QStringList{"frmDaily", "numEmpRRFundCont", "12.5.", "12.5"};
  QTest::newRow("beneficiaries two digits")
      << QStringList{"frmDaily", "numMedAidBens", "100", "10"};
  QTest::newRow("week has seven days") << QStringList{"frmWeekly", "silgEdit21", "8", "7"};
  QTest::newRow("fortnight has fourteen days")
      << QStringList{"frmFortNight", "silgEdit22", "15", "1"};
}

void TestPayPeriod::fieldsKeepTheirLimits() {
  QFETCH(QStringList, limits);
  TestApp app;
  auto* w = app.open(limits.at(0));
  TypeInto(Child(w, limits.at(1)), limits.at(2));
  QCOMPARE(Shown(w, limits.at(1)), limits.at(3));
}

void TestPayPeriod::workedExamples_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QStringList>("shown");
  QTest::newRow("monthly 30 000") << "frmMonthly"
                                  << QStringList{"silgEdit9=40", "numSalRemun=30000"}
                                  << QStringList{"numMAns=4 783.08", "numTaxLiability=4 783.08",
                                                 "numMAns1=177.12", "numMAns2=177.12",
                                                 "numMAns3=300.00"};
  QTest::newRow("monthly with a bonus")
      << "frmMonthly" << QStringList{"silgEdit9=40", "numSalRemun=30000", "silgEdit12=30000"}
      << QStringList{"numMAns=13 558.08"};
  QTest::newRow("monthly half a month")
      << "frmMonthly" << QStringList{"silgEdit9=40", "numSalRemun=15000", "dtMEndDate=15032023"}
      << QStringList{"numMAns=2 443.23"};
  QTest::newRow("monthly age 70 credits")
      << "frmMonthly"
      << QStringList{"silgEdit9=70", "numEmpERMedAidCont=3000", "numEmpEEMedAidCont=1000",
                     "numMedAidBens=3"}
      << QStringList{"numTaxCredit=974.00", "numMTCForContri=358.97"};
  QTest::newRow("monthly travel and fund cap")
      << "frmMonthly"
      << QStringList{"numSalRemun=200000", "silgEdit13=10001", "numEmpERFundCont=40000"}
      << QStringList{"numMTAAns=8 001", "numAllowableRFundDed=29 167"};
  QTest::newRow("weekly 7 000") << "frmWeekly" << QStringList{"silgEdit14=40", "numSalRemun=7000"}
                                << QStringList{"numMAns=1 123.79"};
  QTest::newRow("weekly short week")
      << "frmWeekly"
      << QStringList{"silgEdit14=40", "numSalRemun=3500", "silgEdit22=3", "silgEdit21=6"}
      << QStringList{"numMAns=561.89"};
  QTest::newRow("weekly bonus below the threshold")
      << "frmWeekly" << QStringList{"silgEdit14=40", "numSalRemun=500", "sidbEdit4=10000"}
      << QStringList{"numMAns=1 558.56"};
  QTest::newRow("weekly three beneficiaries")
      << "frmWeekly" << QStringList{"numEmpEEMedAidCont=1", "numMedAidBens=3"}
      << QStringList{"numTaxCredit=243.50"};
  QTest::newRow("fortnightly 14 000")
      << "frmFortNight" << QStringList{"silgEdit14=40", "numSalRemun=14000"}
      << QStringList{"numMAns=2 247.58", "numMAns1=81.75"};
  QTest::newRow("fortnightly UIF limit")
      << "frmFortNight" << QStringList{"numSalRemun=20000"}
      << QStringList{"numMAns1=81.75", "numMAns2=81.75", "numMAns3=200.00"};
  QTest::newRow("daily medical aid")
      << "frmDaily"
      << QStringList{"silgEdit23=40", "numSalRemun=1500", "numEmpERMedAidCont=100",
                     "numMedAidBens=3"}
      << QStringList{"numMAns=285.51", "numTaxCredit=44.95", "numTaxLiability=240.55"};
  QTest::newRow("daily fund cap") << "frmDaily"
                                  << QStringList{"numSalRemun=9000", "numEmpERFundCont=5000"}
                                  << QStringList{"numAllowableRFundDed=1 346"};
}

void TestPayPeriod::workedExamples() {
  QFETCH(QString, window);
  QFETCH(QStringList, typed);
  QFETCH(QStringList, shown);
  TestApp app;
  auto* w = app.open(window);
  Enter(w, typed);
  ExpectShown(w, shown);
  QVERIFY2(app.messages.shown.isEmpty(), qPrintable(ShownTexts(app)));
  app.window->resize(900, 760);
  Snapshot(app.window.get(),
           window + QLatin1Char('-') + QString::fromLatin1(QTest::currentDataTag()));
}

void TestPayPeriod::refusedDatesAndPeriods_data() {
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QString>("message");
  QTest::addColumn<QString>("focus");
  QTest::addColumn<QString>("startShown");
  const QString range =
      QStringLiteral("The date entered is not correct please enter a date between ");
  QTest::newRow("start after the tax year")
      << QStringList{"dtMStartDate=05032024"} << range + "01/03/2023 and 29/02/2024"
      << "dtMStartDate"
      << "01/03/2023";
  QTest::newRow("start not a date")
      << QStringList{"dtMStartDate=31022023"} << range + "01/03/2023 and 29/02/2024"
      << "dtMStartDate"
      << "01/03/2023";
  QTest::newRow("end names the start")
      << QStringList{"dtMStartDate=15032023", "dtMEndDate=01032024"}
      << range + "15/03/2023 and 29/02/2024"
      << "dtMEndDate"
      << "15/03/2023";
  QTest::newRow("end before the tax year")
      << QStringList{"dtMEndDate=28022023"} << range + "01/03/2023 and 29/02/2024"
      << "dtMEndDate"
      << "01/03/2023";
  QTest::newRow("start after end") << QStringList{"dtMStartDate=15032023", "dtMEndDate=14032023"}
                                   << "The Start date entered must be before the End date"
                                   << "dtMStartDate"
                                   << "15/03/2023";
  QTest::newRow("different months") << QStringList{"dtMStartDate=31032023", "dtMEndDate=01042023"}
                                    << "The Start and End dates entered must be for the same Month"
                                    << "dtMEndDate"
                                    << "31/03/2023";
}

void TestPayPeriod::refusedDatesAndPeriods() {
  QFETCH(QStringList, typed);
  QFETCH(QString, message);
  QFETCH(QString, focus);
  QFETCH(QString, startShown);
  TestApp app;
  auto* w = app.open(QStringLiteral("frmMonthly"));
  Enter(w, {QStringLiteral("silgEdit9=40"), QStringLiteral("numSalRemun=30000")});
  QCOMPARE(Shown(w, QStringLiteral("numMAns")), QStringLiteral("4 783.08"));
  // The steps before the last are accepted; the last is refused.
  Enter(w, typed.mid(0, typed.size() - 1));
  QVERIFY(app.messages.shown.isEmpty());
  const QString before = Shown(w, QStringLiteral("numMAns"));
  Enter(w, typed.mid(typed.size() - 1));
  QCOMPARE(app.messages.shown.size(), 1);
  const Message& m = app.messages.shown.first();
  QCOMPARE(m.text, message);
  QCOMPARE(m.title, QStringLiteral("Incorrect Date"));
  QCOMPARE(m.icon, Message::Icon::Critical);
  QCOMPARE(w->focusWidget()->objectName(), focus);
  QCOMPARE(Shown(w, QStringLiteral("dtMStartDate")), startShown);
  // Nothing was calculated: the figures of the last good period stay.
  QCOMPARE(Shown(w, QStringLiteral("numMAns")), before);
}

void TestPayPeriod::dayRule_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QString>("message");
  QTest::addColumn<QString>("focus");
  QTest::newRow("weekly more days than normal")
      << "frmWeekly" << QStringList{"silgEdit22=6", "silgEdit21=5"}
      << "The number of 'Normal work-week' days must be = to or larger than 'This work-week'."
      << "cmdCalculate";
  QTest::newRow("fortnightly more days than normal")
      << "frmFortNight" << QStringList{"silgEdit22=11", "silgEdit21=10"}
      << "The number of 'Normal fortnight' days must be = to or larger than 'This fortnight'."
      << "cmdCalculate";
  QTest::newRow("weekly no days paid") << "frmWeekly" << QStringList{"silgEdit22=0"}
                                       << "The number of 'This work-week' days must be at least 1."
                                       << "silgEdit22";
}

void TestPayPeriod::dayRule() {
  QFETCH(QString, window);
  QFETCH(QStringList, typed);
  QFETCH(QString, message);
  QFETCH(QString, focus);
  TestApp app;
  auto* w = app.open(window);
  Enter(w, {QStringLiteral("silgEdit14=40"), QStringLiteral("numSalRemun=7000")});
  Enter(w, typed.mid(0, typed.size() - 1));
  const QString before = Shown(w, QStringLiteral("numMAns"));
  QVERIFY(before != QStringLiteral("0.00"));
  Enter(w, typed.mid(typed.size() - 1));
  QCOMPARE(app.messages.shown.size(), 1);
  QCOMPARE(app.messages.shown.first().text, message);
  QCOMPARE(app.messages.shown.first().title, QStringLiteral("Incorrect Number of Days"));
  QCOMPARE(app.messages.shown.first().icon, Message::Icon::Critical);
  QCOMPARE(w->focusWidget()->objectName(), focus);
  QCOMPARE(Shown(w, QStringLiteral("numMAns")), before);
}

void TestPayPeriod::enterRunsCalculateUnlessSettingsAreOpen() {
  TestApp app;
  auto* w = app.open(QStringLiteral("frmMonthly"));
  Enter(w, {QStringLiteral("silgEdit9=40"), QStringLiteral("numSalRemun=30000")});
  QCOMPARE(Shown(w, QStringLiteral("numMAns")), QStringLiteral("4 783.08"));
  Click(w, QStringLiteral("cmdSettings"));
  for (const char* name : {"cmdOk", "cmdCalculate", "cmdSettings", "cmdPrint"}) {
    QVERIFY(!Child<QPushButton>(w, QString::fromLatin1(name))->isEnabled());
  }
  Enter(w, {QStringLiteral("numSalRemun=15000")});
  QCOMPARE(Shown(w, QStringLiteral("numMAns")), QStringLiteral("4 783.08"));
  // "O&K" recalculates with what the fields hold now.
  Click(Child(w, QStringLiteral("Frame3")), QStringLiteral("cmdSetupOK"));
  QCOMPARE(Shown(w, QStringLiteral("numMAns")), QStringLiteral("1 263.75"));
  for (const char* name : {"cmdOk", "cmdCalculate", "cmdSettings", "cmdPrint"}) {
    QVERIFY(Child<QPushButton>(w, QString::fromLatin1(name))->isEnabled());
  }
  QVERIFY(app.messages.shown.isEmpty());
}

void TestPayPeriod::settingsPanelSavesOnlyItsFields() {
  TestApp app;
  auto* w = app.open(QStringLiteral("frmMonthly"));
  Click(w, QStringLiteral("cmdSettings"));
  auto* panel = Child(w, QStringLiteral("Frame3"));
  QVERIFY(panel->isVisible());
  TypeInto(Child(panel, QStringLiteral("numEmpEUIF")), QStringLiteral("2"));
  TypeInto(Child(panel, QStringLiteral("numUIFLimit")), QStringLiteral("15000"));
  QTest::mouseClick(Child<QRadioButton>(panel, QStringLiteral("optTAIncRate20")), Qt::LeftButton);
  Enter(w, {QStringLiteral("numSalRemun=16000"), QStringLiteral("silgEdit13=1000")});
  Click(panel, QStringLiteral("cmdSetupOK"));
  QVERIFY(!panel->isVisible());
  // UIF on the new limit at the new rate; the travel allowance at 20%.
  ExpectShown(w, {QStringLiteral("numMAns1=300.00"), QStringLiteral("numMAns2=150.00"),
                  QStringLiteral("numMTAAns=200")});
  const SetupRecord saved = ReadSettings(app.settingsDb()).record;
  QCOMPARE(saved.EmployeeUIF, 2.0);
  QCOMPARE(saved.UIFLimit, 15000.0);
  QCOMPARE(saved.TAIncRate8020, 0.2);

  // The annual window sees the saved choice when it next opens.
  auto* annual = app.open(QStringLiteral("frmAnnual"));
  QVERIFY(Child<QRadioButton>(annual, QStringLiteral("optTAIncRate20"))->isChecked());
  QVERIFY(!Child<QRadioButton>(annual, QStringLiteral("optTAIncRate80"))->isChecked());
  QCOMPARE(Shown(annual, QStringLiteral("numEmpEUIF")), QStringLiteral("2.000"));
  QVERIFY(app.messages.shown.isEmpty());
}

// Another copy of the program saves the skills levy after this window has read the
// settings; "O&K" here saves only the employee UIF changed here, so that levy stays.
void TestPayPeriod::settingsSaveKeepsWhatWasSavedMeanwhile() {
  TestApp app;
  auto* w = app.open(QStringLiteral("frmMonthly"));
  SetupRecord elsewhere;
  elsewhere.SkillLevy = 2;
  QCOMPARE(WriteSettings(app.settingsDb(), elsewhere, kSkillLevy), std::nullopt);
  Click(w, QStringLiteral("cmdSettings"));
  TypeInto(Child(w, QStringLiteral("numEmpEUIF")), QStringLiteral("1.9"));
  Click(Child(w, QStringLiteral("Frame3")), QStringLiteral("cmdSetupOK"));
  const SetupRecord saved = ReadSettings(app.settingsDb()).record;
  QCOMPARE(saved.SkillLevy, 2.0);
  QCOMPARE(saved.EmployeeUIF, 1.9);
  QVERIFY(app.messages.shown.isEmpty());
}

void TestPayPeriod::storedRateOfOneHalfSelectsNeitherOption() {
  TestApp app;
  SetupRecord stored;
  stored.TAIncRate8020 = 0.5;
  QCOMPARE(WriteSettings(app.settingsDb(), stored, kAllSetupFields), std::nullopt);
  auto* w = app.open(QStringLiteral("frmMonthly"));
  QVERIFY(!Child<QRadioButton>(w, QStringLiteral("optTAIncRate80"))->isChecked());
  QVERIFY(!Child<QRadioButton>(w, QStringLiteral("optTAIncRate20"))->isChecked());
  // Applied as stored, and the whole-rand field rounds its half to the even rand.
  Enter(w, {QStringLiteral("silgEdit13=5")});
  QCOMPARE(Shown(w, QStringLiteral("numMTAAns")), QStringLiteral("2"));
  Enter(w, {QStringLiteral("silgEdit13=7")});
  QCOMPARE(Shown(w, QStringLiteral("numMTAAns")), QStringLiteral("4"));
}

void TestPayPeriod::unreadableSettingsStoreKeepsTheWindowUsable() {
  TestApp app;
  QFile store(app.settingsDb());
  QVERIFY(store.open(QIODevice::WriteOnly | QIODevice::Truncate));
  store.write("not a settings store");
  store.close();
  auto* w = app.open(QStringLiteral("frmWeekly"));
  QCOMPARE(app.messages.shown.size(), 1);
  QCOMPARE(app.messages.shown.first().title, QStringLiteral("Reventa2024"));
  QCOMPARE(app.messages.shown.first().icon, Message::Icon::Critical);
  // The defaults stand in for the stored settings.
  ExpectShown(w, {QStringLiteral("numEmpEUIF=1.000"), QStringLiteral("numUIFLimit=17 712")});
  Enter(w, {QStringLiteral("silgEdit14=40"), QStringLiteral("numSalRemun=7000")});
  QCOMPARE(Shown(w, QStringLiteral("numMAns")), QStringLiteral("1 123.79"));
  // UIF on the weekly ceiling of 17 712 x 12 / 52.
  QCOMPARE(Shown(w, QStringLiteral("numMAns1")), QStringLiteral("40.87"));

  Click(w, QStringLiteral("cmdSettings"));
  TypeInto(Child(w, QStringLiteral("numEmpEUIF")), QStringLiteral("2"));
  Click(Child(w, QStringLiteral("Frame3")), QStringLiteral("cmdSetupOK"));
  // Saving failed and said so; the new rate still applies to this window.
  QCOMPARE(app.messages.shown.size(), 2);
  QCOMPARE(app.messages.shown.last().icon, Message::Icon::Critical);
  QVERIFY(!Child(w, QStringLiteral("Frame3"))->isVisible());
  QVERIFY(Child<QPushButton>(w, QStringLiteral("cmdCalculate"))->isEnabled());
  QCOMPARE(Shown(w, QStringLiteral("numMAns1")), QStringLiteral("81.75"));
}

void TestPayPeriod::leavingARefusedDateTakesTheFocusBack() {
  TestApp app;
  auto* w = app.open(QStringLiteral("frmMonthly"));
  auto* end = Child<QLineEdit>(w, QStringLiteral("dtMEndDate"));
  end->setFocus();
  end->selectAll();
  QTest::keyClicks(end, QStringLiteral("01042024"));
  // Moving on to another field leaves the date field.
  Child(w, QStringLiteral("numSalRemun"))->setFocus();
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(end, &out);
  QCOMPARE(app.messages.shown.size(), 1);
  QCOMPARE(app.messages.shown.first().text,
           QStringLiteral("The date entered is not correct please enter a date between "
                          "01/03/2023 and 29/02/2024"));
  QCOMPARE(w->focusWidget(), end);
  QCOMPARE(end->text(), QStringLiteral("31/03/2023"));
}

void TestPayPeriod::printWritesTheRow_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<bool>("afrikaans");
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QStringList>("expected");  // "field=value" as stored, read as text
  QTest::addColumn<QStringList>("integers");  // fields written as whole numbers
  QTest::newRow("monthly English")
      << "frmMonthly" << false
      << QStringList{"silgEdit9=40", "numSalRemun=15000", "silgEdit13=1000", "dtMEndDate=15032023"}
      << QStringList{"TypeAM=Monthly Check",
                     "Employee= For : Jan Smit",
                     "Age=Age : ",
                     "AgeNum=40",
                     "TravAll=Travel allowance ",
                     "TravOne=1000",
                     "TravTwo=800",
                     "SDate=Start date",
                     "SDateNum=01/03/2023",
                     "EDateNum=15/03/2023",
                     "PenCont=Employer's R/Fund contributions ",
                     "UIFEMPENum=158",
                     "SDLNum=158",
                     "TOTAL=Total tax deduction",
                     "EOE=(E.& O.E.)"}
      << QStringList{"AgeNum", "AnnCalcBens3num"};
  QTest::newRow("monthly Afrikaans") << "frmMonthly" << true << QStringList{"numSalRemun=15000"}
                                     << QStringList{"TypeAM=Maandelikse Inkomste",
                                                    "Employee=Vir : Jan Smit",
                                                    "Age=Ouderdom : ",
                                                    "Sal=Besoldiging",
                                                    "TravAll=Reistoelae ",
                                                    "SDate=Begin datum",
                                                    "EDate=Eind datum",
                                                    "PenCont=Toelaatbare pension bydrae",
                                                    "RACont=Toelaatbare U/T bydrae",
                                                    "MedAidBens=Mediesfondsbydrae afrekking",
                                                    "TOTAL=Totaal belasting",
                                                    "EOE=(B.& F.W.)"}
                                     << QStringList{};
  QTest::newRow("weekly English, nothing to deduct")
      << "frmWeekly" << false << QStringList{"numSalRemun=1234.56", "silgEdit22=4", "silgEdit21=5"}
      << QStringList{"TypeAM=Weekly Check", "SDate=Normal work week",
                     "SDateNum= 5",         "EDate=This work week",
                     "EDateNum= 4",         "SalNum=1234.56",
                     "UIFEMPENum=12.35",    "UIFEMPRNum=12.35",
                     "TotalNum=0"}
      << QStringList{"TotalNum"};
  QTest::newRow("weekly Afrikaans")
      << "frmWeekly" << true
      << QStringList{"numSalRemun=7000", "sidbEdit6=100", "silgEdit22=4", "silgEdit21=5"}
      << QStringList{"TypeAM=Weeklikse Inkomste",
                     "TravAll=Reistoelae ontvang",
                     "RecBefNum=100",
                     "SDate=Normale werk week",
                     "SDateNum= 5",
                     "EDate=Hierdie werk week",
                     "EDateNum=4",
                     "TaxCredit=Belastingkrediete vir begunstigdes"}
      << QStringList{};
  QTest::newRow("fortnightly Afrikaans")
      << "frmFortNight" << true << QStringList{"silgEdit14=40", "numSalRemun=14000"}
      << QStringList{"TypeAM=Twee Weeklikse Inkomste", "SDate=Normale twee weke",
                     "EDate=Hierdie twee weke", "EDateNum=14", "TotalNum=2247.576923076923"}
      << QStringList{};
  QTest::newRow("daily English") << "frmDaily" << false
                                 << QStringList{"silgEdit23=40", "numSalRemun=1500",
                                                "numEmpERMedAidCont=100", "numMedAidBens=3"}
                                 << QStringList{"TypeAM=Daily Check",
                                                "AnnCalcBens3=Medical aid fund beneficiaries",
                                                "AnnCalcBens3num=3",
                                                "EmpERMedAidContnum=100",
                                                "Taxliabilitynum=285.5076923076923",
                                                "Taxcreditnum=44.95384615384615"}
                                 << QStringList{"AnnCalcBens3num"};
  QTest::newRow("daily Afrikaans")
      << "frmDaily" << true << QStringList{"numSalRemun=1500"}
      << QStringList{"TypeAM=Daaglikse Inkomste", "TravAll=Reistoelae ",
                     "AnnCalcBens3=Getal mediesefondslede en afhanklikes",
                     "UIFEMPE=U.I.F. bydrae werknemer", "SDL=S.D.L."}
      << QStringList{};
}

void TestPayPeriod::printWritesTheRow() {
  QFETCH(QString, window);
  QFETCH(bool, afrikaans);
  QFETCH(QStringList, typed);
  QFETCH(QStringList, expected);
  QFETCH(QStringList, integers);
  TestApp app;
  auto* w = app.open<PayPeriodWindow>(window);
  Enter(w, typed);
  PrintReport(w, afrikaans, QStringLiteral("Jan Smit"));
  QVERIFY2(app.messages.shown.isEmpty(), qPrintable(ShownTexts(app)));

  // The window's report: its table and title.
  const Report design = PayPeriodReport(w->design().kind, 0, QString(), {}, {}, {});
  const QVariantMap row = app.row(design.tables[0].name);
  for (const QString& pair : expected) {
    const QString field = pair.section(QLatin1Char('='), 0, 0);
    QCOMPARE(field + QLatin1Char('=') + row.value(field).toString(), pair);
  }
  for (const QString& field : integers) QCOMPARE(row.value(field).typeId(), QMetaType::LongLong);
  // Amounts stay doubles, even when whole.
  QCOMPARE(row.value(QStringLiteral("SalNum")).typeId(), QMetaType::Double);

  ReportWindow* report = app.window->context().reports.lastWindow();
  QVERIFY(report != nullptr);
  QCOMPARE(report->windowTitle(), design.title);
  const QString text = report->document().toPlainText();
  QVERIFY(text.contains(row.value(QStringLiteral("TypeAM")).toString()));
  QVERIFY(text.contains(row.value(QStringLiteral("TOTAL")).toString()));
  KeepPdf(app, QStringLiteral("%1-%2.pdf")
                   .arg(window, afrikaans ? QStringLiteral("af") : QStringLiteral("en")));
}

void TestPayPeriod::fieldsAWindowDoesNotWriteAreLeftAlone() {
  TestApp app;
  const TableStore store(app.reportDb(), QStringLiteral("report data store"));
  const QString kept = QStringLiteral("kept");
  QCOMPARE(store.WriteRow(QStringLiteral("IRP5Day"), {{QStringLiteral("SDate"), kept},
                                                      {QStringLiteral("SDateNum"), kept},
                                                      {QStringLiteral("EDateNum"), kept},
                                                      {QStringLiteral("TravOne"), 5.0}}),
           std::nullopt);
  QCOMPARE(store.WriteRow(QStringLiteral("IRP5Mon"), {{QStringLiteral("RecBefNum"), 7.0}}),
           std::nullopt);
  QCOMPARE(store.WriteRow(QStringLiteral("IRP5Week"), {{QStringLiteral("TravTwo"), 9.0}}),
           std::nullopt);
  for (const char* window : {"frmDaily", "frmMonthly", "frmWeekly"}) {
    auto* w = app.open(QString::fromLatin1(window));
    Enter(w, {QStringLiteral("numSalRemun=1000")});
    PrintReport(w, false, QString());
  }
  const QVariantMap day = app.row(QStringLiteral("IRP5Day"));
  QCOMPARE(day.value(QStringLiteral("SDate")).toString(), kept);
  QCOMPARE(day.value(QStringLiteral("SDateNum")).toString(), kept);
  QCOMPARE(day.value(QStringLiteral("EDateNum")).toString(), kept);
  QCOMPARE(day.value(QStringLiteral("TravOne")).toDouble(), 5.0);
  QCOMPARE(day.value(QStringLiteral("SalNum")).toDouble(), 1000.0);
  QCOMPARE(app.row(QStringLiteral("IRP5Mon")).value(QStringLiteral("RecBefNum")).toDouble(), 7.0);
  QCOMPARE(app.row(QStringLiteral("IRP5Week")).value(QStringLiteral("TravTwo")).toDouble(), 9.0);
}

void TestPayPeriod::weeklyThenFortnightlyLeavesTheFortnight() {
  TestApp app;
  auto* weekly = app.open(QStringLiteral("frmWeekly"));
  Enter(weekly, {QStringLiteral("silgEdit14=40"), QStringLiteral("numSalRemun=7000")});
  PrintReport(weekly, false, QStringLiteral("Week"));
  auto* fortnightly = app.open(QStringLiteral("frmFortNight"));
  Enter(fortnightly, {QStringLiteral("silgEdit14=40"), QStringLiteral("numSalRemun=14000")});
  PrintReport(fortnightly, false, QStringLiteral("Fortnight"));

  const auto rows = TableStore(app.reportDb(), QStringLiteral("report data store"))
                        .ReadRows(QStringLiteral("IRP5Week"));
  QCOMPARE(std::get<0>(rows).size(), 1);
  const QVariantMap row = std::get<0>(rows).first();
  QCOMPARE(row.value(QStringLiteral("TypeAM")).toString(), QStringLiteral("Fortnightly Check"));
  QCOMPARE(row.value(QStringLiteral("Employee")).toString(), QStringLiteral(" For : Fortnight"));
  QCOMPARE(row.value(QStringLiteral("SalNum")).toDouble(), 14000.0);
  QCOMPARE(row.value(QStringLiteral("SDateNum")).toString(), QStringLiteral(" 14"));
  QCOMPARE(row.value(QStringLiteral("Taxliabilitynum")).toDouble(), (75672.0 - 17235) / 26);
  QCOMPARE(
      app.window->context().reports.lastWindow()->windowTitle(),
      QStringLiteral("FortNightly - To export printout click on the suitcase button or goto Help"));
}

QTEST_MAIN(TestPayPeriod)
#include "tst_pay_period.moc"
