// SPDX-License-Identifier: GPL-3.0-or-later
// The annual PAYE window: defaults and the first calculation, worked examples,
// the date bounds and their messages, the beneficiaries grid with its cap and
// "Duplicate", the settings panel and the report row in both languages.
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTextDocument>
#include <QtTest>

#include "calc/annual/ui/annual_window.h"
#include "store/settings_store.h"
#include "support/print_support.h"
#include "taxyear/shared_state.h"
#include "widgets/numeric_field.h"

using namespace reventa;
using namespace reventa::test;

namespace {

const QString kWindow = QStringLiteral("frmAnnual");
const QString kRange =
    QStringLiteral("The date entered is not correct please enter a date between ");
const QString kCap =
    QStringLiteral("Only a maximum of 24 are allowed i.e. Principal member & first beneficiary!");

QString Month(int month) { return QStringLiteral("numAnnCalcBens_%1").arg(month); }

QVariantMap Print(TestApp& app, QWidget* w, bool afrikaans, const QString& name) {
  PrintReport(w, afrikaans, name);
  return app.row(QStringLiteral("IRP5Ann"));
}

}  // namespace

class TestAnnual : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void opensWithDefaultsAndCalculates();
  void workedExamples_data();
  void workedExamples();
  void refusedDates_data();
  void refusedDates();
  void leavingARefusedDateTakesTheFocusBack();
  void countAboveTwentyFourIsCapped();
  void duplicateMarchCapsThenCopies();
  void monthsOutsideThePeriodAreCleared_data();
  void monthsOutsideThePeriodAreCleared();
  void settingsPanelSavesOnlyItsFields();
  void printWritesTheRowInBothLanguages();
  void creditsAboveTheTaxWriteTheWholeNumberZero();
};

void TestAnnual::opensWithDefaultsAndCalculates() {
  TestApp app;
  app.window->state().TaxableIncome = 99;
  auto* w = app.open(kWindow);
  QVERIFY(w != nullptr);
  QCOMPARE(w->windowTitle(), QStringLiteral("Annual"));
  ExpectShown(w, {"silgEdit1=0", "silgEdit2=0.00", "silgEdit8=0.00", "dtStartDate=01/03/2023",
                  "dtEndDate=29/02/2024", "numAllowableRFundDed=0", "numMAns=0.00",
                  "numTaxCredit=0.00", "numMTCForContri=0.00", "numTaxLiability=0.00",
                  "numAns_1=0.00", "numAnnCalcBens_3=0", "numAnnCalcBens_2=0"});
  QCOMPARE(app.window->state().TaxableIncome, 0.0);
  QCOMPARE(Child<QGroupBox>(w, QStringLiteral("Frame1"))->title(),
           QStringLiteral("Number of Medical Aid Beneficiaries "));
  QCOMPARE(Child<QPushButton>(w, QStringLiteral("cmdDuplicate"))->text(),
           QStringLiteral("Duplicate March to all 12 months "));
  QCOMPARE(Child<QLabel>(w, QStringLiteral("lblSetup"))->text(), QStringLiteral("Setup"));
  QVERIFY(Child<QRadioButton>(w, QStringLiteral("optTAIncRate80"))->isChecked());
  QVERIFY(app.messages.shown.isEmpty());

  // The print panel below the commands, with the language options and the name.
  Click(w, QStringLiteral("cmdPrint"));
  auto* panel = Child(w, QStringLiteral("fraPrint"));
  QVERIFY(panel->isVisible());
  const QWidget* print = Child(w, QStringLiteral("cmdPrint"));
  QVERIFY(panel->y() > print->y() + print->height());
  QVERIFY(panel->y() + panel->height() <= w->height());
  auto* english = Child<QRadioButton>(panel, QStringLiteral("Option1"));
  QCOMPARE(english->text(), QStringLiteral("&English print"));
  QVERIFY(english->isChecked());
  QCOMPARE(Child<QRadioButton>(panel, QStringLiteral("Option2"))->text(),
           QStringLiteral("&Afrikaans print"));
  auto* name = Child<QLineEdit>(panel, QStringLiteral("Text1"));
  QCOMPARE(name->maxLength(), 50);
  QStringList captions;
  for (QLabel* l : panel->findChildren<QLabel*>()) captions << l->text();
  QVERIFY(captions.contains(QStringLiteral("Employee name :")));
  QVERIFY(captions.contains(QStringLiteral("(max.50 chrs.)")));
  Click(panel, QStringLiteral("cmdCancel"));

  // The information panel at 600 twips.
  Click(w, QStringLiteral("cmdInfo_0"));
  auto* info = Child(w, QStringLiteral("fraInfo_One"));
  QCOMPARE(info->y(), 40);
  const QString text = Child<QLabel>(info, QStringLiteral("lblInfo_One"))->text();
  QVERIFY(text.contains(QString::fromUtf16(
      u"Employer\u2019s contributions paid to R/Funds i.r.o. the employee are taxable")));
  QVERIFY(
      text.endsWith(QStringLiteral("paid or 27.5% of remuneration/salary/income.  The "
                                   "deduction is capped at R350,000 per year. ")));
  Click(info, QStringLiteral("cmdOK_Info_One"));
  QVERIFY(!info->isVisible());
}

void TestAnnual::workedExamples_data() {
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QStringList>("shown");
  QTest::newRow("salary 500 000") << QStringList{"silgEdit1=40", "silgEdit2=500000"}
                                  << QStringList{"numMAns=100 272.00", "numTaxLiability=100 272.00",
                                                 "numAns_1=100 272.00"};
  QTest::newRow("with a bonus") << QStringList{"silgEdit1=40", "silgEdit2=500000",
                                               "silgEdit4=50000"}
                                << QStringList{"numMAns=117 632.00", "numAns_1=117 632.00"};
  QTest::newRow("fund deduction limited")
      << QStringList{"silgEdit1=40", "silgEdit2=500000", "numEmpERFundCont=100000",
                     "numEmpRRFundCont=60000"}
      << QStringList{"numAllowableRFundDed=154 000", "numMAns=71 132.00"};
  QTest::newRow("September to February")
      << QStringList{"silgEdit1=40", "silgEdit2=250000", "dtStartDate=01092023"}
      << QStringList{"numMAns=50 285.53"};
  QTest::newRow("travel allowance gives whole rands")
      << QStringList{"silgEdit2=300000", "silgEdit8=100000"} << QStringList{"numMAns=63 072.00"};
  QTest::newRow("no travel or commission keeps cents")
      << QStringList{"silgEdit2=100001"} << QStringList{"numMAns=765.18"};
  QTest::newRow("commission gives whole rands")
      << QStringList{"silgEdit2=100000", "numDirFees=1"} << QStringList{"numMAns=765.00"};
  QTest::newRow("two beneficiaries all year")
      << QStringList{"numEmpERMedAidCont=12000", "numAnnCalcBens_3=2"}
      << QStringList{"numTaxCredit=8 736.00"};
  QTest::newRow("additional credit at 65")
      << QStringList{"silgEdit1=65", "numEmpEEMedAidCont=30000", "numAnnCalcBens_3=2"}
      << QStringList{"numMTCForContri=1 262.74", "numTaxLiability=0.00", "numAns_1=0.00"};
}

void TestAnnual::workedExamples() {
  QFETCH(QStringList, typed);
  QFETCH(QStringList, shown);
  TestApp app;
  auto* w = app.open(kWindow);
  Enter(w, typed);
  // The March count, where given, goes to every month.
  Click(w, QStringLiteral("cmdDuplicate"));
  Click(w, QStringLiteral("cmdCalculate"));
  ExpectShown(w, shown);
  QVERIFY(app.messages.shown.isEmpty());
  app.window->resize(1000, 820);
  Snapshot(app.window.get(),
           QStringLiteral("annual-") + QString::fromLatin1(QTest::currentDataTag()));
}

void TestAnnual::refusedDates_data() {
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QString>("message");
  QTest::addColumn<QString>("focus");
  QTest::addColumn<QStringList>("shown");
  QTest::newRow("start after the tax year")
      << QStringList{"dtStartDate=05032024"} << kRange + "01/03/2023 and 29/02/2024"
      << "dtStartDate" << QStringList{"dtStartDate=01/03/2023"};
  // The start may not pass the end date, though its message names the tax year.
  QTest::newRow("start after the end date")
      << QStringList{"dtEndDate=30062023", "dtStartDate=01072023"}
      << kRange + "01/03/2023 and 29/02/2024"
      << "dtStartDate" << QStringList{"dtStartDate=01/03/2023", "dtEndDate=30/06/2023"};
  QTest::newRow("end before the start names the start")
      << QStringList{"dtStartDate=01062023", "dtEndDate=31052023"}
      << kRange + "01/06/2023 and 29/02/2024"
      << "dtEndDate" << QStringList{"dtStartDate=01/06/2023", "dtEndDate=29/02/2024"};
  QTest::newRow("end after the tax year")
      << QStringList{"dtEndDate=01032024"} << kRange + "01/03/2023 and 29/02/2024"
      << "dtEndDate" << QStringList{"dtEndDate=29/02/2024"};
}

void TestAnnual::refusedDates() {
  QFETCH(QStringList, typed);
  QFETCH(QString, message);
  QFETCH(QString, focus);
  QFETCH(QStringList, shown);
  TestApp app;
  auto* w = app.open(kWindow);
  Enter(w, typed);
  QCOMPARE(app.messages.shown.size(), 1);
  const Message& m = app.messages.shown.first();
  QCOMPARE(m.text, message);
  QCOMPARE(m.title, QStringLiteral("Incorrect Date"));
  QCOMPARE(m.icon, Message::Icon::Critical);
  QCOMPARE(w->focusWidget()->objectName(), focus);
  ExpectShown(w, shown);
}

void TestAnnual::leavingARefusedDateTakesTheFocusBack() {
  TestApp app;
  auto* w = app.open(kWindow);
  Enter(w, {QStringLiteral("dtStartDate=01062023")});
  auto* end = Child<QLineEdit>(w, QStringLiteral("dtEndDate"));
  Focus(end);
  end->selectAll();
  QTest::keyClicks(end, QStringLiteral("01042023"));
  // Moving on to another field leaves the date field.
  Child(w, QStringLiteral("silgEdit2"))->setFocus();
  Leave(end);
  QCOMPARE(app.messages.shown.size(), 1);
  QCOMPARE(app.messages.shown.first().text, kRange + QStringLiteral("01/06/2023 and 29/02/2024"));
  QCOMPARE(w->focusWidget(), end);
  QCOMPARE(end->text(), QStringLiteral("29/02/2024"));
}

void TestAnnual::countAboveTwentyFourIsCapped() {
  TestApp app;
  auto* w = app.open(kWindow);
  auto* june = Child<NumericField>(w, Month(6));
  Focus(june);
  june->selectAll();
  QTest::keyClicks(june, QStringLiteral("25"));
  QVERIFY(app.messages.shown.isEmpty());
  Leave(june);
  QCOMPARE(app.messages.shown.size(), 1);
  const Message& m = app.messages.shown.first();
  QCOMPARE(m.text, kCap);
  QCOMPARE(m.title, QStringLiteral("Reventa2024"));
  QCOMPARE(m.buttons, Message::Buttons::Ok);
  QCOMPARE(june->text(), QStringLiteral("24"));
  Leave(june);
  QCOMPARE(app.messages.shown.size(), 1);
  // Tab past a count too high: the keyboard comes back to the box refused.
  june->selectAll();
  QTest::keyClicks(june, QStringLiteral("26"));
  QTest::keyClick(june, Qt::Key_Tab);
  QCOMPARE(app.messages.shown.size(), 2);
  QCOMPARE(QApplication::focusWidget(), june);
  app.messages.shown.clear();

  // Enter calculates, but only with the count capped first.
  Enter(w, {QStringLiteral("numEmpERMedAidCont=1000"), Month(7) + QStringLiteral("=30")});
  QCOMPARE(app.messages.shown.size(), 1);
  QCOMPARE(Shown(w, Month(7)), QStringLiteral("24"));
  // June and July at 24 each: 728 + 22 x 246 = 6 140 a month.
  QCOMPARE(Shown(w, QStringLiteral("numTaxCredit")), QStringLiteral("12 280.00"));
}

void TestAnnual::duplicateMarchCapsThenCopies() {
  TestApp app;
  auto* w = app.open(kWindow);
  Enter(w, {Month(3) + QStringLiteral("=3")});
  auto* june = Child<NumericField>(w, Month(6));
  june->selectAll();
  QTest::keyClicks(june, QStringLiteral("30"));  // not yet left
  Click(w, QStringLiteral("cmdDuplicate"));
  QCOMPARE(app.messages.shown.size(), 1);
  QCOMPARE(app.messages.shown.first().text, kCap);
  for (int month = 1; month <= 12; ++month) QCOMPARE(Shown(w, Month(month)), QStringLiteral("3"));
  // March above 24 is itself capped before it is copied.
  auto* march = Child<NumericField>(w, Month(3));
  march->selectAll();
  QTest::keyClicks(march, QStringLiteral("40"));  // not yet left
  app.messages.shown.clear();
  Click(w, QStringLiteral("cmdDuplicate"));
  QCOMPARE(app.messages.shown.size(), 1);
  for (int month = 1; month <= 12; ++month) {
    QCOMPARE(Shown(w, Month(month)), QStringLiteral("24"));
  }
}

void TestAnnual::monthsOutsideThePeriodAreCleared_data() {
  QTest::addColumn<QStringList>("dates");
  QTest::addColumn<QList<int>>("kept");  // months still counted after the calculation
  QTest::addColumn<QString>("credit");
  QTest::newRow("from June") << QStringList{"dtStartDate=01062023"}
                             << QList<int>{6, 7, 8, 9, 10, 11, 12, 1, 2} << "6 552.00";
  QTest::newRow("February only") << QStringList{"dtStartDate=01022024"} << QList<int>{1, 2}
                                 << "1 456.00";
  QTest::newRow("March to May") << QStringList{"dtEndDate=31052023"} << QList<int>{3, 4, 5}
                                << "2 184.00";
}

void TestAnnual::monthsOutsideThePeriodAreCleared() {
  QFETCH(QStringList, dates);
  QFETCH(QList<int>, kept);
  QFETCH(QString, credit);
  TestApp app;
  auto* w = app.open(kWindow);
  Enter(w, {QStringLiteral("numEmpERMedAidCont=1000"), Month(3) + QStringLiteral("=2")});
  Click(w, QStringLiteral("cmdDuplicate"));
  Enter(w, dates);
  for (int month = 1; month <= 12; ++month) {
    QCOMPARE(Shown(w, Month(month)),
             kept.contains(month) ? QStringLiteral("2") : QStringLiteral("0"));
  }
  QCOMPARE(Shown(w, QStringLiteral("numTaxCredit")), credit);
  QVERIFY(app.messages.shown.isEmpty());
}

void TestAnnual::settingsPanelSavesOnlyItsFields() {
  TestApp app;
  SetupRecord stored;
  stored.PensionCont = 7.5;
  stored.EmployerPenCont = 3;
  stored.ProvCont = 2;
  stored.EmployerProvCont = 4;
  stored.CompCarFBRate8020 = 0.2;
  stored.CompCarMPYesNo = true;
  QCOMPARE(WriteSettings(app.settingsDb(), stored, kAllSetupFields), std::nullopt);

  auto* w = app.open(kWindow);
  Enter(w, {QStringLiteral("silgEdit2=300000"), QStringLiteral("silgEdit8=100000")});
  QCOMPARE(Shown(w, QStringLiteral("numMAns")), QStringLiteral("63 072.00"));
  Click(w, QStringLiteral("cmdSettings"));
  auto* panel = Child(w, QStringLiteral("Frame3"));
  QVERIFY(panel->isVisible());
  QCOMPARE(panel->y(), 129);
  for (const char* name : {"cmdOk", "cmdCalculate", "cmdSettings", "cmdPrint"}) {
    QVERIFY(!Child<QPushButton>(w, QString::fromLatin1(name))->isEnabled());
  }
  TypeInto(Child(panel, QStringLiteral("numSkillPercent")), QStringLiteral("1.5"));
  QTest::mouseClick(Child<QRadioButton>(panel, QStringLiteral("optTAIncRate20")), Qt::LeftButton);
  Click(panel, QStringLiteral("cmdSetupOK"));
  QVERIFY(!panel->isVisible());
  for (const char* name : {"cmdOk", "cmdCalculate", "cmdSettings", "cmdPrint"}) {
    QVERIFY(Child<QPushButton>(w, QString::fromLatin1(name))->isEnabled());
  }
  // Recalculated with 20% of the travel allowance.
  QCOMPARE(Shown(w, QStringLiteral("numMAns")), QStringLiteral("46 997.00"));

  const SetupRecord saved = ReadSettings(app.settingsDb()).record;
  QCOMPARE(saved.TAIncRate8020, 0.2);
  QCOMPARE(saved.SkillLevy, 1.5);
  QCOMPARE(saved.EmployeeUIF, 1.0);
  QCOMPARE(saved.UIFLimit, 17712.0);
  QCOMPARE(saved.PensionCont, 7.5);
  QCOMPARE(saved.EmployerPenCont, 3.0);
  QCOMPARE(saved.ProvCont, 2.0);
  QCOMPARE(saved.EmployerProvCont, 4.0);
  QCOMPARE(saved.CompCarFBRate8020, 0.2);
  QCOMPARE(saved.CompCarMPYesNo, true);
  QVERIFY(app.messages.shown.isEmpty());
}

void TestAnnual::printWritesTheRowInBothLanguages() {
  TestApp app;
  auto* w = app.open(kWindow);
  // A default window first: the English captions and zeros.
  QVariantMap row = Print(app, w, false, QString());
  QCOMPARE(row.value("TypeAM").toString(), QStringLiteral("Annual Check"));
  QCOMPARE(row.value("Employee").toString(), QStringLiteral(" For : "));
  QCOMPARE(row.value("PenCont").toString(), QStringLiteral("Employer's R/Fund contributions "));
  QCOMPARE(row.value("AnnCalcBens4").toString(), QStringLiteral("Apr "));
  QCOMPARE(row.value("SDateNum").toString(), QStringLiteral("01/03/2023"));
  QCOMPARE(row.value("EDateNum").toString(), QStringLiteral("29/02/2024"));
  QCOMPARE(row.value("EOE").toString(), QStringLiteral("(E.& O.E.)"));
  for (const char* field : {"PAYENum", "TotalNum", "MedAidBensnum", "AgeNum", "AnnCalcBens3num"}) {
    QCOMPARE(row.value(field).typeId(), QMetaType::LongLong);
    QCOMPARE(row.value(field).toInt(), 0);
  }

  Enter(w, {"silgEdit1=40", "silgEdit2=500000", "silgEdit4=50000", "numEmpERMedAidCont=12000",
            "numAnnCalcBens_3=2"});
  Click(w, QStringLiteral("cmdDuplicate"));
  Enter(w, {"dtStartDate=05062023"});
  const QVariantMap english = Print(app, w, false, QStringLiteral("Jan Smit"));
  const QVariantMap afrikaans = Print(app, w, true, QStringLiteral("Jan Smit"));
  QVERIFY(app.messages.shown.isEmpty());

  QCOMPARE(english.value("Employee").toString(), QStringLiteral(" For : Jan Smit"));
  QCOMPARE(english.value("TOTAL").toString(), QStringLiteral("Total tax deduction"));
  QCOMPARE(english.value("SDateNum").toString(), QStringLiteral("05/06/2023"));
  const QStringList afrikaansTexts{"TypeAM=Jaarlikse Inkomste",
                                   "Employee=Vir : Jan Smit",
                                   "Age=Ouderdom : ",
                                   "SITE=SIBW",
                                   "PAYE=LBS",
                                   "TOTAL=Totaal",
                                   "EOE=(B.& F.W.)",
                                   "AnnCalcBens5=Mei",
                                   "AnnCalcBens10=Okt",
                                   "TravAll=Reistoelae ontvang",
                                   "NumOFBens=Getal mediesefondslede en afhanklikes"};
  for (const QString& pair : afrikaansTexts) {
    const auto parts = pair.split(QLatin1Char('='));
    QCOMPARE(afrikaans.value(parts.at(0)).toString(), parts.at(1));
  }
  // The same figures in both languages.
  for (auto it = english.cbegin(); it != english.cend(); ++it) {
    if (it.value().typeId() != QMetaType::QString) {
      QCOMPARE(afrikaans.value(it.key()), it.value());
    }
  }
  QCOMPARE(english.value("SalNum").toDouble(), 500000.0);
  QCOMPARE(english.value("AgeNum").toInt(), 40);
  QCOMPARE(english.value("AnnCalcBens3num").toInt(), 0);  // before June: cleared
  QCOMPARE(english.value("AnnCalcBens6num").toInt(), 2);
  QCOMPARE(english.value("Taxcreditnum").toDouble(), 9 * 728.0);
  QCOMPARE(english.value("PAYENum").typeId(), QMetaType::Double);
  QCOMPARE(english.value("PAYENum").toDouble(), english.value("TotalNum").toDouble());

  ReportWindow* report = app.window->context().reports.lastWindow();
  QVERIFY(report != nullptr);
  QCOMPARE(report->windowTitle(),
           QStringLiteral("Annual - To export printout click on the suitcase button or goto Help"));
  QVERIFY(report->document().toPlainText().contains(QStringLiteral("Jaarlikse Inkomste")));
  KeepPdf(app, QStringLiteral("frmAnnual-af.pdf"));
  Print(app, w, false, QStringLiteral("Jan Smit"));
  KeepPdf(app, QStringLiteral("frmAnnual-en.pdf"));
}

void TestAnnual::creditsAboveTheTaxWriteTheWholeNumberZero() {
  TestApp app;
  auto* w = app.open(kWindow);
  Enter(w, {"silgEdit1=65", "silgEdit2=120000", "numEmpEEMedAidCont=30000", "numAnnCalcBens_3=2"});
  Click(w, QStringLiteral("cmdDuplicate"));
  Click(w, QStringLiteral("cmdCalculate"));
  // Tax 120 000 x 18% = 21 600 less 26 679: nothing, and credits of 9 998.74 besides.
  const QVariantMap row = Print(app, w, false, QString());
  QCOMPARE(row.value("Taxliabilitynum").toDouble(), 0.0);
  QCOMPARE(row.value("TaxcreditnumCons").toDouble(), (30000 - 3 * 8736.0) * 0.333);
  QCOMPARE(row.value("PAYENum").typeId(), QMetaType::LongLong);
  QCOMPARE(row.value("TotalNum").typeId(), QMetaType::LongLong);
  QCOMPARE(row.value("SITENum").typeId(), QMetaType::Double);
}

QTEST_MAIN(TestAnnual)
#include "tst_annual.moc"
