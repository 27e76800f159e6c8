// SPDX-License-Identifier: GPL-3.0-or-later
// The four salary package windows: typing, the settings they share, the 27.5
// rule, the warning that stops printing, the report row and its PDF, and a
// calculation through the window checked against the package calculation itself.
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTextDocument>
#include <QtTest>

#include "calc/package/package.h"
#include "calc/package/package_search.h"
#include "calc/package/ui/package_window.h"
#include "store/settings_store.h"
#include "support/test_app.h"
#include "taxyear/numbers.h"
#include "taxyear/shared_state.h"
#include "widgets/numeric_field.h"
#include "widgets/report_engine.h"
#include "widgets/report_window.h"

using namespace reventa;
using namespace reventa::test;

namespace {

NumericField* Field(QWidget* w, const QString& name) { return Child<NumericField>(w, name); }

// Moves the focus on from a field, as the Tab key does.
void TabAway(QWidget* field) {
  field->setFocus();
  QTest::keyClick(field, Qt::Key_Tab);
  if (field->hasFocus()) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(field, &out);
  }
}

// Opens the settings panel, types into its fields, picks options and saves.
void SaveSettings(QWidget* w, const QStringList& typed, const QStringList& options = {}) {
  Click(w, QStringLiteral("cmdSettings"));
  QWidget* panel = Child(w, QStringLiteral("fraSetup"));
  for (const QString& pair : typed) {
    QWidget* field = Child(panel, pair.section(u'=', 0, 0));
    TypeInto(field, pair.section(u'=', 1));
    TabAway(field);
  }
  for (const QString& option : options) {
    QTest::mouseClick(Child<QRadioButton>(panel, option), Qt::LeftButton);
  }
  Click(panel, QStringLiteral("cmdSetupOK"));
}

QString KeptReport(TestApp& app, const QString& name) {
  return qEnvironmentVariableIsSet("REVENTA_KEEP_REPORTS")
             ? qEnvironmentVariable("REVENTA_KEEP_REPORTS") + QLatin1Char('/') + name
             : app.path(name);
}

const QStringList kWindows = {QStringLiteral("frmReventaAnn"), QStringLiteral("frmReventaMon"),
                              QStringLiteral("frmVeloxaAnn"), QStringLiteral("frmVeloxaMon")};

}  // namespace

class TestPackageWindows : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void opensWithItsCaptionAndFields_data();
  void opensWithItsCaptionAndFields();
  void copiesIntoTheCostToCompanyColumn_data();
  void copiesIntoTheCostToCompanyColumn();
  void keepsTheRetirementFundPercentagesWithin27_5_data();
  void keepsTheRetirementFundPercentagesWithin27_5();
  void readsPercentagesOnLeaving_data();
  void readsPercentagesOnLeaving();
  void sharesTheSettingsOfTheFourWindows();
  void carriesOnWhenTheSettingsStoreFails();
  void appliesThe27_5RuleToTheStoredPercentages_data();
  void appliesThe27_5RuleToTheStoredPercentages();
  void tabsFromTopToBottom();
  void calculatesAsThePackageCalculation_data();
  void calculatesAsThePackageCalculation();
  void clearsInputsTheCalculationMakesMeaningless();
  void stopsWithTheFringeBenefitsMessage();
  void warningDisablesPrintUntilWithinTheLimit_data();
  void warningDisablesPrintUntilWithinTheLimit();
  void panelsDisableAndEnableTheButtons();
  void explainsTheRetirementAnnuityLimit_data();
  void explainsTheRetirementAnnuityLimit();
  void printWritesTheReportRow_data();
  void printWritesTheReportRow();
  void monthlyNetToGrossLeavesItsMissingFieldsAlone();
  void largeNetRequiredCalculatesPromptly();
};

void TestPackageWindows::opensWithItsCaptionAndFields_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("amountCaption");
  QTest::addColumn<QString>("resultCaption");
  QTest::addColumn<bool>("providentRows");
  QTest::addColumn<bool>("packageCopy");
  QTest::newRow("Reventa annual") << kWindows[0] << "Reventa : Annual Calculation"
                                  << "Net annual salary required"
                                  << "Gross salary" << true << false;
  QTest::newRow("Reventa monthly") << kWindows[1] << "Reventa : Monthly Calculation"
                                   << "Net monthly salary required"
                                   << "Gross salary" << false << false;
  QTest::newRow("Veloxa annual") << kWindows[2] << "Veloxa : Annual Calculation"
                                 << "Total package amount"
                                 << "Net salary(take-home)" << true << true;
  QTest::newRow("Veloxa monthly") << kWindows[3] << "Veloxa : Monthly Calculation"
                                  << "Total package amount"
                                  << "Net salary(take-home)" << true << true;
}

void TestPackageWindows::opensWithItsCaptionAndFields() {
  QFETCH(QString, window);
  QFETCH(QString, caption);
  QFETCH(QString, amountCaption);
  QFETCH(QString, resultCaption);
  QFETCH(bool, providentRows);
  QFETCH(bool, packageCopy);
  TestApp app;
  auto* w = app.open<PackageCalculatorWindow>(window);
  QCOMPARE(w->windowTitle(), caption);
  QCOMPARE(Child<QLabel>(w, QStringLiteral("lbl_numNetMonSalReq"))->text(), amountCaption);
  QCOMPARE(Child<QLabel>(w, QStringLiteral("lbl_numGrossSal"))->text(), resultCaption);
  QCOMPARE(Child<QGroupBox>(w, QStringLiteral("fraCostToCompany"))->title(),
           QStringLiteral("Cost to company"));
  QCOMPARE(w->findChild<NumericField*>(QStringLiteral("numRADeduct")) != nullptr, providentRows);
  QCOMPARE(w->findChild<NumericField*>(QStringLiteral("numCCPenDeduct")) != nullptr, providentRows);
  QCOMPARE(w->findChild<NumericField*>(QStringLiteral("numCCNetMonSalReq")) != nullptr,
           packageCopy);
  QCOMPARE(Field(w, QStringLiteral("numCompCar"))->text(), QStringLiteral("0.00"));
  QVERIFY(!Child(w, QStringLiteral("fraAddBens"))->isVisible());
  QVERIFY(!Child(w, QStringLiteral("lblRFundWarning"))->isVisible());
  QVERIFY(!Child(w, QStringLiteral("fraOnceOff"))->isVisible());
  QVERIFY(app.messages.shown.isEmpty());
}

void TestPackageWindows::copiesIntoTheCostToCompanyColumn_data() {
  QTest::addColumn<QString>("window");
  for (const QString& w : kWindows) QTest::newRow(qPrintable(w)) << w;
}

void TestPackageWindows::copiesIntoTheCostToCompanyColumn() {
  QFETCH(QString, window);
  TestApp app;
  auto* w = app.open<PackageCalculatorWindow>(window);
  Type(w, {"numTravAll=1234.5", "numOTaxFB=700", "numOtherDet_0=100", "numOtherDet_2=250.25",
           "numNetMonSalReq=98765"});
  QCOMPARE(Field(w, QStringLiteral("numCCTravAll"))->text(), QStringLiteral("1 234.50"));
  QCOMPARE(Field(w, QStringLiteral("numCCOTaxFB"))->value(), 700.0);
  QCOMPARE(Field(w, QStringLiteral("numOtherDetCC_2"))->value(), 250.25);
  QCOMPARE(Field(w, QStringLiteral("numOtherDetCC_1"))->value(), 0.0);
  QCOMPARE(w->inputs().OtherDedTotal, 350.25);
  // Every keystroke counts, not only leaving the field.
  TypeInto(Child(w, QStringLiteral("numOtherDet_2")), QStringLiteral("9"));
  QCOMPARE(Field(w, QStringLiteral("numOtherDetCC_2"))->value(), 9.0);
  QCOMPARE(w->inputs().OtherDedTotal, 109.0);
  if (!w->variant().netToGross()) {
    QCOMPARE(Field(w, QStringLiteral("numCCNetMonSalReq"))->text(), QStringLiteral("98 765.00"));
  }
  // A refused keystroke leaves the amount shown, in the field and in the copy.
  TypeInto(Child(w, QStringLiteral("numTravAll")), QStringLiteral("999999999"));
  QCOMPARE(Field(w, QStringLiteral("numTravAll"))->value(), 99999999.0);
  QCOMPARE(Field(w, QStringLiteral("numCCTravAll"))->value(), 99999999.0);
  QCOMPARE(w->inputs().Travel, 99999999.0);
}

void TestPackageWindows::keepsTheRetirementFundPercentagesWithin27_5_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("employer");
  QTest::addColumn<double>("employeeAfter");
  QTest::addColumn<double>("employerAfter");
  QTest::newRow("net-to-gross 20 + 7.5 stays") << kWindows[0] << "7.5" << 20.0 << 7.5;
  QTest::newRow("net-to-gross 20 + 7.6 resets") << kWindows[0] << "7.6" << 0.0 << 0.0;
  QTest::newRow("monthly 20 + 7.6 resets") << kWindows[1] << "7.6" << 0.0 << 0.0;
  QTest::newRow("gross-to-net 20 + 15 stays") << kWindows[2] << "15" << 20.0 << 15.0;
}

void TestPackageWindows::keepsTheRetirementFundPercentagesWithin27_5() {
  QFETCH(QString, window);
  QFETCH(QString, employer);
  QFETCH(double, employeeAfter);
  QFETCH(double, employerAfter);
  TestApp app;
  auto* w = app.open<PackageCalculatorWindow>(window);
  Click(w, QStringLiteral("cmdSettings"));
  TypeInto(Child(w, QStringLiteral("numPenContPerc")), QStringLiteral("20"));
  TypeInto(Child(w, QStringLiteral("numPenPercentage")), employer);
  // At once, while typing, and without a message.
  QCOMPARE(w->inputs().EmployeePct, employeeAfter);
  QCOMPARE(w->inputs().EmployerPct, employerAfter);
  QCOMPARE(Field(w, QStringLiteral("numPenContPerc"))->value(), employeeAfter);
  Click(w, QStringLiteral("cmdSetupOK"));
  const SettingsRead stored = ReadSettings(app.settingsDb());
  QCOMPARE(stored.record.PensionCont, employeeAfter);
  QCOMPARE(stored.record.EmployerPenCont, employerAfter);
  QVERIFY(app.messages.shown.isEmpty());
}

void TestPackageWindows::readsPercentagesOnLeaving_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<double>("value");
  QTest::addColumn<QString>("shown");
  QTest::newRow("12 and letters") << "numSkillPercent"
                                  << "12abc" << 12.0 << "12.000";
  QTest::newRow("letters only: refused") << "numSkillPercent"
                                         << "abc" << 1.0 << "1.000";
  QTest::newRow("a percent sign") << "numEmpEUIF"
                                  << "1.5%" << 1.5 << "1.500";
  QTest::newRow("above 100 refused") << "numEmpRUIF"
                                     << "150" << 15.0 << "15.000";
  QTest::newRow("employee fund") << "numPenContPerc"
                                 << "7x" << 7.0 << "7.000";
}

void TestPackageWindows::readsPercentagesOnLeaving() {
  QFETCH(QString, field);
  QFETCH(QString, typed);
  QFETCH(double, value);
  QFETCH(QString, shown);
  TestApp app;
  auto* w = app.open<PackageCalculatorWindow>(kWindows[2]);
  SaveSettings(w, {field + u'=' + typed});
  QCOMPARE(Field(w, field)->value(), value);
  QCOMPARE(Field(w, field)->text(), shown);
  QCOMPARE(ReadSettings(app.settingsDb()).record.*
               (field == QLatin1String("numSkillPercent") ? &SetupRecord::SkillLevy
                : field == QLatin1String("numEmpEUIF")    ? &SetupRecord::EmployeeUIF
                : field == QLatin1String("numEmpRUIF")    ? &SetupRecord::EmployerUIF
                                                          : &SetupRecord::PensionCont),
           value);
}

void TestPackageWindows::sharesTheSettingsOfTheFourWindows() {
  TestApp app;
  auto* monthly = app.open<PackageCalculatorWindow>(kWindows[1]);
  SaveSettings(
      monthly,
      {"numPenContPerc=7.5", "numPenPercentage=10", "numEmpEUIF=2", "numEmpRUIF=0.5",
       "numSkillPercent=1.25", "numUIFLimit=20000", "numProvContPerc=3", "numCCProvContPerc=4"},
      {"optTAIncRate20", "optCompCarFBRate20", "optCompCarMPYes"});
  Click(monthly, QStringLiteral("cmdOk"));
  QApplication::processEvents();
  QVERIFY(app.window->findCalculator(kWindows[1]) == nullptr);

  const SetupRecord stored = ReadSettings(app.settingsDb()).record;
  QCOMPARE(stored.PensionCont, 7.5);
  QCOMPARE(stored.EmployerPenCont, 10.0);
  QCOMPARE(stored.EmployeeUIF, 2.0);
  QCOMPARE(stored.EmployerUIF, 0.5);
  QCOMPARE(stored.SkillLevy, 1.25);
  QCOMPARE(stored.UIFLimit, 20000.0);
  QCOMPARE(stored.ProvCont, 3.0);
  QCOMPARE(stored.EmployerProvCont, 4.0);
  QCOMPARE(stored.TAIncRate8020, 0.2);
  QCOMPARE(stored.CompCarFBRate8020, 0.2);
  QCOMPARE(stored.CompCarMPYesNo, true);

  auto* annual = app.open<PackageCalculatorWindow>(kWindows[0]);
  QVERIFY(Child<QRadioButton>(annual, QStringLiteral("optTAIncRate20"))->isChecked());
  QVERIFY(Child<QRadioButton>(annual, QStringLiteral("optCompCarFBRate20"))->isChecked());
  QVERIFY(Child<QRadioButton>(annual, QStringLiteral("optCompCarMPYes"))->isChecked());
  QCOMPARE(Field(annual, QStringLiteral("numEmpEUIF"))->text(), QStringLiteral("2.000"));
  QCOMPARE(Field(annual, QStringLiteral("numUIFLimit"))->text(), QStringLiteral("20 000"));
  QCOMPARE(Field(annual, QStringLiteral("numCCProvContPerc"))->value(), 4.0);
  const PackageInputs in = annual->inputs();
  QCOMPARE(in.EmployeePct, 7.5);
  QCOMPARE(in.EmployerPct, 10.0);
  QCOMPARE(in.UifEmployerPct, 0.5);
  QCOMPARE(in.SdlPct, 1.25);
  QCOMPARE(in.UifLimit, 20000.0);
  QCOMPARE(in.TaRate, 0.2);
  QCOMPARE(in.CarFbRate, 0.2);
  QVERIFY(in.MaintenancePlan);

  // A rate stored as neither 0.8 nor 0.2 selects neither option and is used.
  QVERIFY(!WriteSettings(app.settingsDb(), SetupRecord{.TAIncRate8020 = 0.5}, kTAIncRate8020));
  auto* gross = app.open<PackageCalculatorWindow>(kWindows[3]);
  QVERIFY(!Child<QRadioButton>(gross, QStringLiteral("optTAIncRate80"))->isChecked());
  QVERIFY(!Child<QRadioButton>(gross, QStringLiteral("optTAIncRate20"))->isChecked());
  QCOMPARE(gross->inputs().TaRate, 0.5);
  QVERIFY(app.messages.shown.isEmpty());
}

void TestPackageWindows::carriesOnWhenTheSettingsStoreFails() {
  TestApp app;
  QVERIFY(QFile::remove(app.settingsDb()));
  auto* w = app.open<PackageCalculatorWindow>(kWindows[0]);
  // Said once, with the defaults in use.
  QCOMPARE(app.messages.shown.size(), 1);
  QCOMPARE(app.messages.shown[0].title, QStringLiteral("Reventa2024"));
  QCOMPARE(app.messages.shown[0].icon, Message::Icon::Critical);
  QCOMPARE(w->inputs().UifEmployeePct, SetupRecord{}.EmployeeUIF);
  // Saving fails as well: the message, and the window goes on.
  SaveSettings(w, {"numSkillPercent=2"});
  QCOMPARE(app.messages.shown.size(), 2);
  QVERIFY(!Child(w, QStringLiteral("fraSetup"))->isVisible());
  QVERIFY(Child<QPushButton>(w, QStringLiteral("cmdCalculate"))->isEnabled());
  QCOMPARE(w->inputs().SdlPct, 2.0);
}

void TestPackageWindows::appliesThe27_5RuleToTheStoredPercentages_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<double>("employee");
  QTest::addColumn<double>("employer");
  QTest::addColumn<double>("employeeShown");
  QTest::addColumn<double>("employerShown");
  // As the fields take them one after the other: the employee's first, with no
  // employer percentage yet, then the employer's.
  QTest::newRow("employee alone above: employee reset")
      << kWindows[0] << 30.0 << 10.0 << 0.0 << 10.0;
  QTest::newRow("together above: both reset") << kWindows[0] << 10.0 << 20.0 << 0.0 << 0.0;
  QTest::newRow("both above: both reset") << kWindows[1] << 30.0 << 40.0 << 0.0 << 0.0;
  QTest::newRow("within: kept") << kWindows[1] << 20.0 << 7.5 << 20.0 << 7.5;
  QTest::newRow("gross-to-net: kept") << kWindows[2] << 30.0 << 10.0 << 30.0 << 10.0;
}

void TestPackageWindows::appliesThe27_5RuleToTheStoredPercentages() {
  QFETCH(QString, window);
  QFETCH(double, employee);
  QFETCH(double, employer);
  QFETCH(double, employeeShown);
  QFETCH(double, employerShown);
  TestApp app;
  QVERIFY(!WriteSettings(app.settingsDb(),
                         SetupRecord{.PensionCont = employee, .EmployerPenCont = employer},
                         kPensionCont | kEmployerPenCont));
  auto* w = app.open<PackageCalculatorWindow>(window);
  QCOMPARE(w->inputs().EmployeePct, employeeShown);
  QCOMPARE(w->inputs().EmployerPct, employerShown);
  QCOMPARE(Field(w, QStringLiteral("numPenContPerc"))->value(), employeeShown);
  QCOMPARE(Field(w, QStringLiteral("numPenPercentage"))->value(), employerShown);
  // Saved as shown.
  SaveSettings(w, {});
  const SetupRecord stored = ReadSettings(app.settingsDb()).record;
  QCOMPARE(stored.PensionCont, employeeShown);
  QCOMPARE(stored.EmployerPenCont, employerShown);
  QVERIFY(app.messages.shown.isEmpty());
}

void TestPackageWindows::tabsFromTopToBottom() {
  TestApp app;
  auto* w = app.open<PackageCalculatorWindow>(kWindows[2]);
  QWidget* at = Child(w, QStringLiteral("numAge"));
  at->setFocus();
  QStringList order;
  for (int i = 0; i < 16; ++i) {
    order << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  // Copies and results are not tab stops.
  QCOMPARE(order, (QStringList{"numAge", "numNetMonSalReq", "numCompCar", "numCCCompCar",
                               "numTravAll", "numOTaxFB", "numMedAidCont", "numCCMedAidCont",
                               "numPMems", "numMedDeduct", "numRFundCont", "numCCRFundCont",
                               "numRADeduct", "txtOtherDet_0", "numOtherDet_0", "txtOtherDet_1"}));
}

void TestPackageWindows::calculatesAsThePackageCalculation_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QStringList>("settings");
  QTest::addColumn<QStringList>("typed");
  const QStringList fields = {"numAge=66",
                              "numNetMonSalReq=300000",
                              "numCompCar=200000",
                              "numTravAll=24000",
                              "numOTaxFB=3000",
                              "numMedAidCont=12000",
                              "numCCMedAidCont=6000",
                              "numPMems=30",
                              "numMedDeduct=5000",
                              "numRFundCont=15000",
                              "numCCRFundCont=8000",
                              "numOtherDet_1=1200.40"};
  QStringList monthly = fields;
  for (QString& pair : monthly) {
    const QString name = pair.section(u'=', 0, 0);
    if (name == QLatin1String("numPMems")) {
      pair = name + QStringLiteral("=3");
    } else if (name != QLatin1String("numAge") && name != QLatin1String("numCompCar")) {
      pair = name + u'=' + QString::number(pair.section(u'=', 1).toDouble() / 12, 'f', 2);
    }
  }
  const QStringList percentages = {"numPenContPerc=7.5", "numPenPercentage=10"};
  QTest::newRow("Reventa annual, typed fund amounts") << kWindows[0] << QStringList{} << fields;
  QTest::newRow("Reventa annual, percentages") << kWindows[0] << percentages << fields;
  QTest::newRow("Reventa monthly, percentages") << kWindows[1] << percentages << monthly;
  QTest::newRow("Veloxa annual, typed fund amounts") << kWindows[2] << QStringList{} << fields;
  QTest::newRow("Veloxa monthly, percentages") << kWindows[3] << percentages << monthly;
}

void TestPackageWindows::calculatesAsThePackageCalculation() {
  QFETCH(QString, window);
  QFETCH(QStringList, settings);
  QFETCH(QStringList, typed);
  TestApp app;
  auto* w = app.open<PackageCalculatorWindow>(window);
  if (!settings.isEmpty()) SaveSettings(w, settings);
  Type(w, typed);
  const PackageInputs in = w->inputs();
  // The window holds exactly what was typed.
  QCOMPARE(in.Age, std::int16_t{66});
  QCOMPARE(in.CarValue, 200000.0);
  QCOMPARE(in.NetRequired, in.Package);
  const PackageResult expected = CalculatePackage(w->variant().kind, in);
  Click(w, QStringLiteral("cmdCalculate"));
  QVERIFY(!expected.NoResult);
  QVERIFY(app.messages.shown.isEmpty());

  const PackageShownValues& s = expected.Shown;
  const QList<QPair<const char*, double>> shown = {{"numUIFCont", s.numUIFCont},
                                                   {"numCCUIFCont", s.numCCUIFCont},
                                                   {"numCCSkillLev", s.numCCSkillLev},
                                                   {"numMAns", s.numMAns},
                                                   {"numTaxCredit", s.numTaxCredit},
                                                   {"numTaxDeduct", s.numTaxDeduct},
                                                   {"numGrossSal", s.numGrossSal},
                                                   {"numTotCostComp", s.numTotCostComp},
                                                   {"numOnceOff", s.numOnceOff},
                                                   {"numRFundCont", expected.RFundEmployee},
                                                   {"numCCRFundCont", expected.RFundEmployer}};
  for (const auto& [name, value] : shown) {
    NumericField* f = Field(w, QString::fromLatin1(name));
    QVERIFY2(f->value() == value, name);  // unrounded, to the last bit
    QCOMPARE(f->text(), QString::fromStdString(FormatAmount(value)));
  }
  QVERIFY(s.OnceOffShown);
  QVERIFY(Child(w, QStringLiteral("fraOnceOff"))->isVisible());
  QCOMPARE(w->result().TrialSalary, expected.TrialSalary);
  QCOMPARE(app.window->state().TaxableIncome, expected.LastTaxableIncome);
  QCOMPARE(app.window->state().IncomeTax.TaxBeforeRebates, expected.LastIncomeTax.TaxBeforeRebates);
  // A cost of the car to the company hides the once-off note.
  TypeInto(Child(w, QStringLiteral("numCCCompCar")), QStringLiteral("5000"));
  Click(w, QStringLiteral("cmdCalculate"));
  QVERIFY(!Child(w, QStringLiteral("fraOnceOff"))->isVisible());
  QCOMPARE(Field(w, QStringLiteral("numOnceOff"))->value(), 0.0);
}

void TestPackageWindows::clearsInputsTheCalculationMakesMeaningless() {
  TestApp app;
  auto* w = app.open<PackageCalculatorWindow>(kWindows[0]);
  Type(w, {"numAge=64", "numNetMonSalReq=200000", "numMedDeduct=5000", "numPMems=12",
           "numRFundCont=1000"});
  SaveSettings(w, {"numPenContPerc=5"});
  // Below 65 the medical deductions go; without contributions the beneficiaries;
  // with a percentage the fund amount is the calculated one.
  QCOMPARE(Field(w, QStringLiteral("numMedDeduct"))->value(), 0.0);
  QCOMPARE(Field(w, QStringLiteral("numPMems"))->value(), 0.0);
  QCOMPARE(w->inputs().MedDeduct, 0.0);
  QCOMPARE(Field(w, QStringLiteral("numRFundCont"))->value(), w->result().RFundEmployee);
  QVERIFY(w->result().RFundEmployee > 1000);
  QCOMPARE(w->inputs().RFundEmployeeTyped, w->result().RFundEmployee);
}

void TestPackageWindows::stopsWithTheFringeBenefitsMessage() {
  TestApp app;
  auto* w = app.open<PackageCalculatorWindow>(kWindows[1]);
  Type(w, {"numNetMonSalReq=20000"});
  Click(w, QStringLiteral("cmdCalculate"));
  const QString taxDue = Field(w, QStringLiteral("numMAns"))->text();
  const QString uif = Field(w, QStringLiteral("numUIFCont"))->text();
  Type(w, {"numTravAll=15000", "numOtherDet_3=5000.01"});
  Click(w, QStringLiteral("cmdCalculate"));
  QCOMPARE(app.messages.shown.size(), 1);
  const Message& m = app.messages.shown.first();
  QCOMPARE(m.text, QStringLiteral("Fringe benefits more than salary required!"));
  QCOMPARE(m.title, QStringLiteral("Reventa2024"));
  QCOMPARE(m.icon, Message::Icon::None);
  // The previous figures come back.
  QCOMPARE(Field(w, QStringLiteral("numMAns"))->text(), taxDue);
  QCOMPARE(Field(w, QStringLiteral("numUIFCont"))->text(), uif);
  QVERIFY(w->result().NoResult);
  // A net required of 0 stops without a word.
  Type(w, {"numNetMonSalReq=0"});
  Click(w, QStringLiteral("cmdCalculate"));
  QCOMPARE(app.messages.shown.size(), 1);
}

void TestPackageWindows::warningDisablesPrintUntilWithinTheLimit_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QStringList>("settings");
  QTest::addColumn<QString>("over");
  QTest::addColumn<QString>("within");
  // Net-to-gross: the 350 000 / 12 a month cap; gross-to-net: 35% of the
  // package is more than 27.5% of the package and the employer's share.
  QTest::newRow("Reventa monthly")
      << kWindows[1] << QStringList{"numPenContPerc=20", "numPenPercentage=7.5"} << "300000"
      << "25000";
  QTest::newRow("Veloxa monthly") << kWindows[3]
                                  << QStringList{"numPenContPerc=20", "numPenPercentage=15"}
                                  << "40000"
                                  << "0";
}

void TestPackageWindows::warningDisablesPrintUntilWithinTheLimit() {
  QFETCH(QString, window);
  QFETCH(QStringList, settings);
  QFETCH(QString, over);
  QFETCH(QString, within);
  TestApp app;
  auto* w = app.open<PackageCalculatorWindow>(window);
  auto* frame = qobject_cast<QMdiSubWindow*>(w->parentWidget());
  QVERIFY(frame != nullptr);
  QWidget* warning = Child(w, QStringLiteral("lblRFundWarning"));
  auto* print = Child<QPushButton>(w, QStringLiteral("cmdPrint"));
  auto* calculate = Child<QPushButton>(w, QStringLiteral("cmdCalculate"));
  const int height = frame->height();
  const int buttonsAt = calculate->y();

  SaveSettings(w, settings);
  Type(w, {"numNetMonSalReq=" + QString(over)});
  Click(w, QStringLiteral("cmdCalculate"));
  QApplication::processEvents();
  QVERIFY(warning->isVisible());
  QCOMPARE(qobject_cast<QLabel*>(warning)->text(),
           QStringLiteral("R/Fund contributions exceed allowable limits!"));
  QVERIFY(!print->isEnabled());
  QVERIFY(frame->height() > height);
  QVERIFY(calculate->y() > buttonsAt);
  Snapshot(app.window.get(), QStringLiteral("package-warning-") + window);

  // Within the limit (or, gross-to-net, no package at all) Print comes back.
  Type(w, {"numNetMonSalReq=" + QString(within)});
  Click(w, QStringLiteral("cmdCalculate"));
  QApplication::processEvents();
  QVERIFY(!warning->isVisible());
  QVERIFY(print->isEnabled());
  QCOMPARE(frame->height(), height);
  QCOMPARE(calculate->y(), buttonsAt);
  QVERIFY(app.messages.shown.isEmpty());

  // Print calculates first: a calculation that brings the warning back keeps
  // the print panel closed.
  Type(w, {"numNetMonSalReq=" + QString(over)});
  Click(w, QStringLiteral("cmdPrint"));
  QVERIFY(warning->isVisible());
  QVERIFY(!Child(w, QStringLiteral("fraPrint"))->isVisible());
  QVERIFY(Child<QPushButton>(w, QStringLiteral("cmdOk"))->isEnabled());
}

void TestPackageWindows::panelsDisableAndEnableTheButtons() {
  TestApp app;
  auto* w = app.open<PackageCalculatorWindow>(kWindows[2]);
  const QStringList all = {"cmdOk", "cmdRAExpl", "cmdCalculate", "cmdSettings", "cmdPrint"};
  const auto enabled = [w](const QString& name) {
    return Child<QPushButton>(w, name)->isEnabled();
  };
  Click(w, QStringLiteral("cmdSettings"));
  QVERIFY(Child(w, QStringLiteral("fraSetup"))->isVisible());
  for (const QString& b : all) QVERIFY2(!enabled(b), qPrintable(b));
  Snapshot(app.window.get(), QStringLiteral("package-settings-panel"));
  Click(w, QStringLiteral("cmdSetupOK"));
  QVERIFY(!Child(w, QStringLiteral("fraSetup"))->isVisible());
  for (const QString& b : all) QVERIFY2(enabled(b), qPrintable(b));

  Click(w, QStringLiteral("cmdPrint"));
  QWidget* panel = Child(w, QStringLiteral("fraPrint"));
  QVERIFY(panel->isVisible());
  for (const QString& b : all.mid(0, 4)) QVERIFY2(!enabled(b), qPrintable(b));
  Snapshot(app.window.get(), QStringLiteral("package-print-panel"));
  Click(panel, QStringLiteral("cmdCancel"));
  QVERIFY(!panel->isVisible());
  for (const QString& b : all) QVERIFY2(enabled(b), qPrintable(b));
  QCOMPARE(app.row(QStringLiteral("SalPackage")).value(QStringLiteral("MonAnn")).toString(),
           QString());
  QCOMPARE(Child<QLineEdit>(panel, QStringLiteral("Text1"))->maxLength(), 50);
}

void TestPackageWindows::explainsTheRetirementAnnuityLimit_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QStringList>("settings");
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QString>("lineA");
  QTest::addColumn<QString>("lineC");  // empty: 15% of the gross salary shown
  QTest::newRow("Reventa annual, no percentages")
      << kWindows[0] << QStringList{}
      << QStringList{"numNetMonSalReq=150000", "numRFundCont=4000.5"}
      << "ie: R 3 500 - R4 000.50 = - R500.50"
      << "";
  // A year of the month's contribution; the car at the travel inclusion rate.
  QTest::newRow("Reventa monthly")
      << kWindows[1] << QStringList{}
      << QStringList{"numNetMonSalReq=20000", "numRFundCont=300", "numCompCar=100000",
                     "numTravAll=2000", "numOTaxFB=500"}
      << "ie: R 3 500 - R3 600.00 = - R100.00"
      << "ie: R 36 100.00 X 15% = R5 415.00";
  QTest::newRow("Veloxa monthly, no percentages")
      << kWindows[3] << QStringList{} << QStringList{"numNetMonSalReq=30000", "numRFundCont=1000"}
      << "ie: R 3 500 - R1 000.00 = R2 500.00"
      << "ie: R 360 000.00 X 15% = R54 000.00";
  // A provident percentage alone switches line C to the other income.
  QTest::newRow("Veloxa annual, provident percentage")
      << kWindows[2] << QStringList{"numProvContPerc=5"}
      << QStringList{"numNetMonSalReq=300000", "numTravAll=10000"}
      << "ie: R 3 500 - R0.00 = R3 500.00"
      << "ie: R 10 000.00 X 15% = R1 500.00";
}

void TestPackageWindows::explainsTheRetirementAnnuityLimit() {
  QFETCH(QString, window);
  QFETCH(QStringList, settings);
  QFETCH(QStringList, typed);
  QFETCH(QString, lineA);
  QFETCH(QString, lineC);
  TestApp app;
  auto* w = app.open<PackageCalculatorWindow>(window);
  if (!settings.isEmpty()) SaveSettings(w, settings);
  Type(w, typed);
  Click(w, QStringLiteral("cmdCalculate"));
  Click(w, QStringLiteral("cmdRAExpl"));
  QWidget* panel = Child(w, QStringLiteral("fraRAExpl"));
  QVERIFY(panel->isVisible());
  if (lineC.isEmpty()) {
    const double gross = Field(w, QStringLiteral("numGrossSal"))->value();
    lineC = QStringLiteral("ie: R ") + QString::fromStdString(FormatAmount(gross)) +
            QStringLiteral(" X 15% = R") + QString::fromStdString(FormatAmount(0.15 * gross));
  }
  QCOMPARE(Child<QLabel>(panel, QStringLiteral("lblRALineA"))->text(), lineA);
  QCOMPARE(Child<QLabel>(panel, QStringLiteral("lblRALineC"))->text(), lineC);
  // The panel disables nothing.
  QVERIFY(Child<QPushButton>(w, QStringLiteral("cmdCalculate"))->isEnabled());
  Snapshot(app.window.get(), QStringLiteral("package-ra-explained"));
  Click(panel, QStringLiteral("cmdRAOK"));
  QVERIFY(!panel->isVisible());
}

void TestPackageWindows::printWritesTheReportRow_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("heading");
  QTest::addColumn<QString>("title");
  QTest::newRow("Reventa annual")
      << kWindows[0] << "Reventa Salary Package Calculation : Annual"
      << "Reventa2020 Annual - To export printout click on the suitcase button or goto Help";
  QTest::newRow("Reventa monthly")
      << kWindows[1] << "Reventa Salary Package Calculation : Monthly"
      << "Reventa2020 Monthly - To export printout click on the suitcase button or goto Help";
  QTest::newRow("Veloxa annual")
      << kWindows[2] << "Veloxa Salary Package Calculation : Annual"
      << "Veloxa2020 Annual - To export printout click on the suitcase button or goto Help";
  QTest::newRow("Veloxa monthly")
      << kWindows[3] << "Veloxa Salary Package Calculation : Monthly"
      << "Veloxa2020 Monthly - To export printout click on the suitcase button or goto Help";
}

void TestPackageWindows::printWritesTheReportRow() {
  QFETCH(QString, window);
  QFETCH(QString, heading);
  QFETCH(QString, title);
  TestApp app;
  auto* w = app.open<PackageCalculatorWindow>(window);
  const bool annual = w->variant().annual();
  const double period = annual ? 1 : 12;
  const auto amount = [period](double annualAmount) {
    return QString::number(annualAmount / period, 'f', 2);
  };
  Type(w, {"numAge=45", "numNetMonSalReq=" + amount(420000), "numCompCar=350000",
           "numTravAll=" + amount(36000), "numMedAidCont=" + amount(18000),
           "numCCMedAidCont=" + amount(9000), QStringLiteral("numPMems=") + (annual ? "36" : "3"),
           "txtOtherDet_0=Union fees", "numOtherDet_0=" + amount(1800),
           "txtOtherDet_1=Typed, no amount", "txtOtherDet_2=Staff loan",
           "numOtherDet_2=" + amount(6000)});
  Click(w, QStringLiteral("cmdPrint"));
  TypeInto(Child(w, QStringLiteral("Text1")), QStringLiteral("A. N. Employee"));
  Click(Child(w, QStringLiteral("fraPrint")), QStringLiteral("cmdVR"));
  QVERIFY2(app.messages.shown.isEmpty(),
           qPrintable(app.messages.shown.isEmpty() ? QString() : app.messages.shown[0].text));

  const QVariantMap row = app.row(QStringLiteral("SalPackage"));
  const auto value = [w](const char* name) { return Field(w, QString::fromLatin1(name))->value(); };
  QCOMPARE(row.value("MonAnn").toString(), heading);
  QCOMPARE(row.value("TPName").toString(), QStringLiteral("A. N. Employee"));
  QCOMPARE(row.value("TPAge").toInt(), 45);
  QCOMPARE(row.value("MonAnnSal").toString(), annual
                                                  ? QStringLiteral("Net annual salary required")
                                                  : QStringLiteral("Net monthly salary required"));
  QCOMPARE(row.value("NetMonSal").toDouble(), value("numNetMonSalReq"));
  QCOMPARE(row.value("TravAllCC").toDouble(), value("numTravAll"));
  QCOMPARE(row.value("PMems").toInt(), annual ? 36 : 3);
  QCOMPARE(row.value("RADirective").toString(),
           annual ? QStringLiteral("Medical beneficiaries months")
                  : QStringLiteral("Med. aid fund beneficiaries"));
  QCOMPARE(row.value("TaxDue").toDouble(), value("numMAns"));
  QCOMPARE(row.value("GSal").toDouble(), value("numGrossSal"));
  QCOMPARE(row.value("TotCostComp").toDouble(), value("numTotCostComp"));
  QCOMPARE(row.value("PrinMembers").toString(), QStringLiteral("(R 720pm each)"));
  QCOMPARE(row.value("BenMembers").toString(), QStringLiteral("(R 440pm each)"));
  QCOMPARE(row.value("AddBens").toInt(), 0);
  QCOMPARE(row.value("TaxFreeMedPrint").toDouble(), 0.0);
  QCOMPARE(row.value("OEXPTXT").toString(), QStringLiteral("Other Expenses :"));
  // Rows in place: the row without an amount is empty, with integer zeros.
  QCOMPARE(row.value("ODedTxt0").toString(), QStringLiteral("Union fees"));
  QCOMPARE(row.value("ODedR0").toString(), QStringLiteral("R"));
  QCOMPARE(row.value("ODedNum0").toDouble(), 1800 / period);
  QCOMPARE(row.value("ODedTxt1").toString(), QStringLiteral(""));
  QVERIFY(!row.value("ODedTxt1").isNull());
  QCOMPARE(row.value("ODedNum1").typeId(), QMetaType::LongLong);
  QCOMPARE(row.value("ODedNum1").toInt(), 0);
  QCOMPARE(row.value("ODedTxt2").toString(), QStringLiteral("Staff loan"));
  QCOMPARE(row.value("ODedNumCC2").toDouble(), 6000 / period);
  QCOMPARE(row.value("ODedR3").toString(), QStringLiteral(""));
  QCOMPARE(row.value("PlusCompCar1").toString(),
           QStringLiteral("(plus a 'once-off' cost of R 350000"));
  QCOMPARE(row.value("PlusCompCar2").toString(),
           QStringLiteral("for the company car and this does not include fuel, maintenance etc)."));

  ReportWindow* report = app.window->context().reports.lastWindow();
  QVERIFY(report != nullptr);
  QCOMPARE(report->windowTitle(), title);
  const QString text = report->document().toPlainText();
  QVERIFY(text.contains(heading));
  QVERIFY(text.contains(QStringLiteral("A. N. Employee")));
  QVERIFY(text.contains(QString::fromStdString(FormatAmount(value("numGrossSal")))));
  QVERIFY(text.contains(QStringLiteral("Union fees")));
  const QString pdf = KeptReport(app, window + QStringLiteral(".pdf"));
  QCOMPARE(report->exportTo(pdf), std::nullopt);
  QVERIFY(QFileInfo(pdf).size() > 1000);

  // A second print with no other expenses and the car costed: one row, emptied.
  Type(w, {"numOtherDet_0=0", "numOtherDet_2=0"});
  Type(w, {"numCCCompCar=2000"});
  Click(w, QStringLiteral("cmdPrint"));
  Click(Child(w, QStringLiteral("fraPrint")), QStringLiteral("cmdVR"));
  const auto rows = TableStore(app.reportDb(), QStringLiteral("report data store"))
                        .ReadRows(QStringLiteral("SalPackage"));
  QCOMPARE(std::get<0>(rows).size(), 1);
  const QVariantMap second = std::get<0>(rows).first();
  QCOMPARE(second.value("OEXPTXT").toString(), QStringLiteral(""));
  QCOMPARE(second.value("ODedTxt0").toString(), QStringLiteral(""));
  QCOMPARE(second.value("ODedNum2").toInt(), 0);
  QCOMPARE(second.value("PlusCompCar1").toString(), QStringLiteral(""));
  QCOMPARE(second.value("PlusCompCar2").toString(), QStringLiteral(""));
  const QString plain = KeptReport(app, window + QStringLiteral("-no-expenses.pdf"));
  QCOMPARE(app.window->context().reports.lastWindow()->exportTo(plain), std::nullopt);
}

void TestPackageWindows::monthlyNetToGrossLeavesItsMissingFieldsAlone() {
  TestApp app;
  const FieldList earlier = {
      {"CostToComp", 11.0}, {"ProvDeduct", 22.0}, {"ProvDeductCC", 33.0}, {"RADeduct", 44.0}};
  QVERIFY(!TableStore(app.reportDb(), QStringLiteral("report data store"))
               .WriteRow(QStringLiteral("SalPackage"), earlier));
  auto* w = app.open<PackageCalculatorWindow>(kWindows[1]);
  Type(w, {"numNetMonSalReq=25000"});
  Click(w, QStringLiteral("cmdPrint"));
  Click(Child(w, QStringLiteral("fraPrint")), QStringLiteral("cmdVR"));
  const QVariantMap row = app.row(QStringLiteral("SalPackage"));
  for (const auto& [name, value] : earlier) QCOMPARE(row.value(name), value);
  QVERIFY(row.value("GSal").toDouble() > 25000);

  // The annual window writes them all but the package's cost to company.
  auto* annual = app.open<PackageCalculatorWindow>(kWindows[0]);
  Type(annual, {"numNetMonSalReq=300000", "numRADeduct=1500"});
  Click(annual, QStringLiteral("cmdPrint"));
  Click(Child(annual, QStringLiteral("fraPrint")), QStringLiteral("cmdVR"));
  const QVariantMap annualRow = app.row(QStringLiteral("SalPackage"));
  QCOMPARE(annualRow.value("CostToComp").toDouble(), 11.0);
  QCOMPARE(annualRow.value("ProvDeduct").toDouble(), 0.0);
  QCOMPARE(annualRow.value("RADeduct").toDouble(), 1500.0);
}

void TestPackageWindows::largeNetRequiredCalculatesPromptly() {
  TestApp app;
  auto* w = app.open<PackageCalculatorWindow>(kWindows[0]);
  Type(w, {"numNetMonSalReq=99999999.99", "numMedAidCont=50000", "numPMems=24"});
  QElapsedTimer timer;
  timer.start();
  Click(w, QStringLiteral("cmdCalculate"));
  const qint64 ms = timer.elapsed();
  qInfo("net required 99 999 999.99 a year: %lld ms", ms);
  QVERIFY2(ms < 1000, qPrintable(QString::number(ms)));
  const PackageResult& r = w->result();
  QVERIFY(!r.NoResult);
  QVERIFY(r.NetAtTrial > 99999999.99);
  // The first whole rand whose net is above the net required.
  const PackageInputs in = w->inputs();
  const TrialConstants constants = NetToGrossSearchConstants(w->variant().kind, in);
  QVERIFY(NetAtTrial(constants, r.TrialSalary) > in.NetRequired);
  QVERIFY(!(NetAtTrial(constants, r.TrialSalary - 1) > in.NetRequired));
  Snapshot(app.window.get(), QStringLiteral("package-large"));
}

QTEST_MAIN(TestPackageWindows)
#include "tst_package_windows.moc"
