// SPDX-License-Identifier: GPL-3.0-or-later
// The company car window: the register through Add, Back, Forward and Delete
// (asked first) with the enabling rules, the worked fringe benefit figures typed
// in, the check boxes and the auto-split box, the shown-only period, the date
// messages, closing, the register outliving the window, and the compcar rows of
// a print with their PDF.
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QtTest>

#include "calc/vehicle/ui/company_car_window.h"
#include "shell/main_window.h"
#include "store/reports/vehicle_reports.h"
#include "support/test_app.h"
#include "taxyear/shared_state.h"
#include "widgets/report_engine.h"
#include "widgets/report_window.h"

using namespace reventa;
using namespace reventa::test;

namespace {

const QString kWindow = QStringLiteral("frmCompCar");
const QString kCaption = QStringLiteral("Full use of Company Car :  Vehicle number %1 of %2");

// The controls whose enabling the rules decide, a sample of the fields included.
const QStringList kControls = {
    "cmdAdd", "cmdBack",        "cmdForward",         "cmdDelete",  "cmdCalculate",  "cmdPrint",
    "cmdOk",  "txtCCRegNumber", "lbl_txtCCRegNumber", "numCCPrice", "chkBussMilage", "dtCCEndDate"};

QString EnabledControls(QWidget* w) {
  QStringList on;
  for (const QString& name : kControls) {
    if (Child(w, name)->isEnabled()) on << name;
  }
  return on.join(QLatin1Char(' '));
}

// "add", "back", "forward", "delete" (pressed as their access keys press them,
// so the focus stays where it is; a disabled button does nothing), "reg=TEXT"
// (typed into the emptied field).
void Run(QWidget* w, const QStringList& steps) {
  for (const QString& step : steps) {
    if (step.startsWith(QLatin1String("reg="))) {
      auto* reg = Child<QLineEdit>(w, QStringLiteral("txtCCRegNumber"));
      reg->clear();
      QTest::keyClicks(reg, step.mid(4));
    } else {
      Child<QPushButton>(w, QStringLiteral("cmd") + step.left(1).toUpper() + step.mid(1))->click();
    }
  }
}

QString KeptReport(TestApp& app, const QString& name) {
  return qEnvironmentVariableIsSet("REVENTA_KEEP_REPORTS")
             ? qEnvironmentVariable("REVENTA_KEEP_REPORTS") + QLatin1Char('/') + name
             : app.path(name);
}

}  // namespace

class TestCompanyCar : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void opensEmptyWithItsFields();
  void enablingRules_data();
  void enablingRules();
  void backAndForwardWrapAround();
  void addingBeyondTheLimitIsRefused();
  void deletingTheMiddleCarRenumbers();
  void deletingTheOnlyCarEmptiesTheScreen();
  void workedFiguresThroughTheWindow_data();
  void workedFiguresThroughTheWindow();
  void secondCarSplitsTheCode3802Amount();
  void deleteQuestionOnScreenCancelsByDefault();
  void checkBoxesStoreWithoutCalculating();
  void periodFieldIsShownOnly();
  void closingIsRefusedWhileTheEndDateIsWrong_data();
  void closingIsRefusedWhileTheEndDateIsWrong();
  void registerOutlivesTheWindowUntilInitialiseAll();
  void printWritesOneRowPerCar();
  void reportFlagsAreYesNoOrLeftOut_data();
  void reportFlagsAreYesNoOrLeftOut();
  void fitsTheChildAreaWithThePrintPanelOpen();
};

void TestCompanyCar::opensEmptyWithItsFields() {
  TestApp app;
  auto* w = app.open<CompanyCarWindow>(kWindow);
  Snapshot(w->parentWidget(), QStringLiteral("compcar-empty"));
  QCOMPARE(w->windowTitle(), kCaption.arg(0).arg(0));
  QCOMPARE(EnabledControls(w), QStringLiteral("cmdAdd cmdCalculate cmdPrint cmdOk"));
  QVERIFY(!Child(w, QStringLiteral("chkAutoCalc3802"))->isVisible());
  QVERIFY(!Child(w, QStringLiteral("Frame1"))->isVisible());
  QCOMPARE(Child<QPushButton>(w, QStringLiteral("cmdOk"))->text(), QStringLiteral("&Ok"));
  QCOMPARE(Shown(w, QStringLiteral("dtCCStartDate")), QStringLiteral("01/03/2023"));
  QCOMPARE(Shown(w, QStringLiteral("dtCCEndDate")), QStringLiteral("29/02/2024"));
  QCOMPARE(Child<QLabel>(w, QStringLiteral("lbl_numFuelExp"))->text(),
           QStringLiteral("Less fuel && expenses"));
  // The label shows a single ampersand, and screen readers read one.
  QCOMPARE(Child(w, QStringLiteral("numFuelExp"))->accessibleName(),
           QStringLiteral("Less fuel & expenses"));
  QCOMPARE(Child<QLineEdit>(w, QStringLiteral("txtCCRegNumber"))->maxLength(), 10);
  // Every field is named for screen readers.
  for (QLineEdit* field : w->findChildren<QLineEdit*>()) {
    QVERIFY2(!field->accessibleName().isEmpty(), qPrintable(field->objectName()));
  }
  QVERIFY(app.messages.shown.isEmpty());
}

void TestCompanyCar::enablingRules_data() {
  QTest::addColumn<QStringList>("preloaded");  // cars there before the window opens
  QTest::addColumn<QStringList>("steps");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("enabled");
  const QString all = kControls.join(QLatin1Char(' '));
  QString allButNavigation = all;
  allButNavigation.remove(QStringLiteral("cmdBack cmdForward "));
  const QString justAdded =
      QStringLiteral("cmdAdd cmdDelete cmdOk txtCCRegNumber lbl_txtCCRegNumber");
  QTest::newRow("added to an empty register")
      << QStringList{} << QStringList{"add"} << "1 of 1" << justAdded;
  QTest::newRow("one car with its registration")
      << QStringList{} << QStringList{"add", "reg=CA 123"} << "1 of 1" << allButNavigation;
  QTest::newRow("one car, registration cleared")
      << QStringList{} << QStringList{"add", "reg=CA 123", "reg="} << "1 of 1"
      << "cmdAdd cmdOk txtCCRegNumber lbl_txtCCRegNumber";
  QTest::newRow("Add ignored without a registration")
      << QStringList{} << QStringList{"add", "add"} << "1 of 1" << justAdded;
  QTest::newRow("second car added")
      << QStringList{} << QStringList{"add", "reg=A", "add"} << "2 of 2" << justAdded;
  QTest::newRow("two cars with registrations")
      << QStringList{} << QStringList{"add", "reg=A", "add", "reg=B"} << "2 of 2" << all;
  QTest::newRow("two cars, registration cleared")
      << QStringList{} << QStringList{"add", "reg=A", "add", "reg=B", "reg="} << "2 of 2"
      << "cmdDelete txtCCRegNumber lbl_txtCCRegNumber";
  QTest::newRow("back to a car with its registration")
      << QStringList{} << QStringList{"add", "reg=A", "add", "reg=B", "back"} << "1 of 2" << all;
  QTest::newRow("opening on a register of two")
      << QStringList{"A", "B"} << QStringList{} << "1 of 2" << all;
  QTest::newRow("opening on a register of one")
      << QStringList{"A"} << QStringList{} << "1 of 1" << allButNavigation;
  QTest::newRow("forward to a car without a registration")
      << QStringList{"A", ""} << QStringList{"forward"} << "2 of 2"
      << "cmdAdd cmdBack cmdForward cmdDelete cmdOk";
}

void TestCompanyCar::enablingRules() {
  const QString justAdded =
      QStringLiteral("cmdAdd cmdDelete cmdOk txtCCRegNumber lbl_txtCCRegNumber");
  QFETCH(QStringList, preloaded);
  QFETCH(QStringList, steps);
  QFETCH(QString, caption);
  QFETCH(QString, enabled);
  TestApp app;
  CompanyCarRegister& cars = app.window->state().Cars;
  for (const QString& reg : preloaded) {
    QVERIFY(!AddCar(cars));
    cars.Entries.back().CCRegNumber = reg.toStdString();
  }
  auto* w = app.open<CompanyCarWindow>(kWindow);
  Run(w, steps);
  QCOMPARE(w->windowTitle(), kCaption.arg(caption.section(' ', 0, 0), caption.section(' ', 2)));
  QCOMPARE(EnabledControls(w), enabled);
  // The split box shows, and the split is on, once there is a second car.
  auto* split = Child<QCheckBox>(w, QStringLiteral("chkAutoCalc3802"));
  QCOMPARE(split->isVisibleTo(w), cars.N > 1);
  QCOMPARE(cars.AutoCalc3802, cars.N > 1 ? 1 : 0);
  // A car just added waits for its registration number.
  if (enabled == justAdded) {
    QVERIFY(Child(w, QStringLiteral("txtCCRegNumber"))->hasFocus());
    QCOMPARE(Shown(w, QStringLiteral("dtCCEndDate")), QStringLiteral("29/02/2024"));
    QCOMPARE(Shown(w, QStringLiteral("numCCPrice")), QStringLiteral("0"));
  }
}

void TestCompanyCar::backAndForwardWrapAround() {
  TestApp app;
  auto* w = app.open<CompanyCarWindow>(kWindow);
  Run(w, {"add", "reg=A", "add", "reg=B", "add", "reg=C"});
  const auto reg = [w] { return Shown(w, QStringLiteral("txtCCRegNumber")); };
  Run(w, {"forward"});
  QCOMPARE(reg(), QStringLiteral("A"));
  QCOMPARE(w->windowTitle(), kCaption.arg(1).arg(3));
  Run(w, {"back"});
  QCOMPARE(reg(), QStringLiteral("C"));
  Run(w, {"back", "back", "back"});
  QCOMPARE(reg(), QStringLiteral("C"));
  QCOMPARE(w->windowTitle(), kCaption.arg(3).arg(3));
}

void TestCompanyCar::addingBeyondTheLimitIsRefused() {
  TestApp app;
  CompanyCarRegister& cars = app.window->state().Cars;
  cars.N = 32767;
  cars.Entries.resize(32768);
  cars.Entries[1].CCRegNumber = QStringLiteral("A").toStdString();
  auto* w = app.open<CompanyCarWindow>(kWindow);
  Run(w, {"add"});
  QCOMPARE(cars.N, 32767);
  QCOMPARE(w->windowTitle(), kCaption.arg(1).arg(32767));
  QCOMPARE(ShownTexts(app), QString::fromLatin1(TooManyCarsText));
  QCOMPARE(app.messages.shown[0].title, QStringLiteral("Reventa2024"));
}

void TestCompanyCar::deletingTheMiddleCarRenumbers() {
  TestApp app;
  auto* w = app.open<CompanyCarWindow>(kWindow);
  Run(w, {"add", "reg=A", "add", "reg=B", "add", "reg=C", "back"});
  TypeInto(Child(w, QStringLiteral("txtCCMake")), QStringLiteral("Toyota"));
  // Asked first; Enter (Cancel, the default) keeps the car.
  Run(w, {"delete"});
  QCOMPARE(ShownTexts(app), QStringLiteral("Delete vehicle number 2 of 3, B (Toyota)?\nIts "
                                           "details cannot be brought back."));
  QCOMPARE(app.messages.shown[0].buttons, Message::Buttons::DeleteCancel);
  const CompanyCarRegister& cars = app.window->state().Cars;
  QCOMPARE(cars.N, 3);
  app.messages.answers << Message::Answer::Delete;
  Run(w, {"delete"});
  QCOMPARE(cars.N, 2);
  QCOMPARE(cars.Entries[2].CCRegNumber, std::string("C"));
  QCOMPARE(w->windowTitle(), kCaption.arg(1).arg(2));
  QCOMPARE(Shown(w, QStringLiteral("txtCCRegNumber")), QStringLiteral("A"));
  Run(w, {"forward"});
  QCOMPARE(Shown(w, QStringLiteral("txtCCRegNumber")), QStringLiteral("C"));
}

void TestCompanyCar::deletingTheOnlyCarEmptiesTheScreen() {
  TestApp app;
  auto* w = app.open<CompanyCarWindow>(kWindow);
  Run(w, {"add", "reg=ABC 1"});
  Enter(w, {"numActual3802=126000", "numCCPrice=300000"});
  app.messages.answers << Message::Answer::Delete;
  Run(w, {"delete"});
  QCOMPARE(app.window->state().Cars.N, 0);
  QCOMPARE(app.window->state().Cars.Actual3802, 0.0);
  QCOMPARE(w->windowTitle(), kCaption.arg(0).arg(0));
  ExpectShown(w, {"txtCCRegNumber=", "numCCPrice=0", "numActual3802=0", "numTrueInclusion=0",
                  "dtCCStartDate=01/03/2023"});
  QCOMPARE(EnabledControls(w), QStringLiteral("cmdAdd cmdCalculate cmdPrint cmdOk"));
}

void TestCompanyCar::workedFiguresThroughTheWindow_data() {
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QStringList>("ticked");
  QTest::addColumn<QStringList>("shown");
  const QStringList car = {"numActual3802=126000", "numCCPrice=300000",
                           "numEndMileage=40000",  "numStartMileage=10000",
                           "numBusDistance=12000", "numEmpPaidInsurance=6000"};
  QTest::newRow("log book, fuel by the scale")
      << car << QStringList{"chkBussMilage", "chkSARSTable"}
      << QStringList{"numTotalDistance=30 000",
                     "numPrivateDistance=18 000",
                     "numCCMonths=366",
                     "numTrueInclusion=75 600",
                     "numTrueInclusion_1=75 600",
                     "numFuelComponent=51 510",
                     "numFuelClaim=30 906",
                     "numTotAddExpense=3 600",
                     "numFuelExp=34 506",
                     "numFB3802ThisCar=126 000",
                     "numAdjustTaxableInc=-84 906",
                     "numAdjustTaxableIncSARS=-84 906",
                     "numTotAdjustTaxableInc=-84 906",
                     "numTotAdjustTaxableIncSARS=-84 906",
                     "numIRP53802=126 000",
                     "numMonFB80=8 400",
                     "numMonFB20=2 100",
                     "numFortFB80=3 876.80",
                     "numFortFB20=969.20",
                     "numWeekFB80=1 938.40",
                     "numWeekFB20=484.60"};
  QTest::newRow("no log book") << car << QStringList{"chkSARSTable"}
                               << QStringList{"numTrueInclusion=126 000",
                                              "numAdjustTaxableIncSARS=0"};
  QTest::newRow("maintenance plan, 183 days")
      << QStringList{"numCCPrice=300000", "dtCCEndDate=30/08/2023"}
      << QStringList{"chkMaintIncluded"}
      << QStringList{"numCCMonths=183", "numTrueInclusion=58 500", "numIRP53802=58 500"};
}

void TestCompanyCar::workedFiguresThroughTheWindow() {
  QFETCH(QStringList, typed);
  QFETCH(QStringList, ticked);
  QFETCH(QStringList, shown);
  TestApp app;
  auto* w = app.open<CompanyCarWindow>(kWindow);
  Run(w, {"add", "reg=CA 300"});
  Enter(w, typed);
  for (const QString& box : ticked) Child<QCheckBox>(w, box)->click();
  Click(w, QStringLiteral("cmdCalculate"));
  Snapshot(w->parentWidget(),
           QStringLiteral("compcar-") + QString::fromLatin1(QTest::currentDataTag()));
  ExpectShown(w, shown);
  QVERIFY(app.messages.shown.isEmpty());
}

void TestCompanyCar::secondCarSplitsTheCode3802Amount() {
  TestApp app;
  auto* w = app.open<CompanyCarWindow>(kWindow);
  Run(w, {"add", "reg=A"});
  Enter(w, {"numCCPrice=200000", "numActual3802=90000"});
  // One car takes the whole total.
  ExpectShown(w, {"numFB3802ThisCar=90 000"});
  Run(w, {"add", "reg=B"});
  // The split is on; the box stays as the user left it.
  auto* split = Child<QCheckBox>(w, QStringLiteral("chkAutoCalc3802"));
  QVERIFY(split->isVisible() && !split->isChecked());
  QCOMPARE(app.window->state().Cars.AutoCalc3802, 1);
  Enter(w, {"numCCPrice=100000", "dtCCEndDate=30/08/2023"});
  Click(w, QStringLiteral("cmdCalculate"));
  ExpectShown(w, {"numFB3802ThisCar=30 000"});
  Run(w, {"back"});
  ExpectShown(w, {"numFB3802ThisCar=60 000"});
  split->click();
  Run(w, {"add"});
  QVERIFY(split->isChecked());
}

void TestCompanyCar::deleteQuestionOnScreenCancelsByDefault() {
  QMessageBox box;
  ScreenMessages::SetUp(box, {QStringLiteral("Delete Vehicle"),
                              QStringLiteral("Delete vehicle number 2 of 2, CA 2 (Toyota)?\nIts "
                                             "details cannot be brought back."),
                              Message::Icon::Question, Message::Buttons::DeleteCancel});
  box.show();
  Snapshot(&box, QStringLiteral("compcar-delete-question"));
  QTest::keyClick(&box, Qt::Key_Return);
  QCOMPARE(ScreenMessages::AnswerOf(box), Message::Answer::Cancel);
  QCOMPARE(box.escapeButton(), box.defaultButton());
}

void TestCompanyCar::checkBoxesStoreWithoutCalculating() {
  TestApp app;
  auto* w = app.open<CompanyCarWindow>(kWindow);
  Run(w, {"add", "reg=A"});
  Enter(w, {"numCCPrice=300000", "numActualExpEmployee=9000"});
  const QString before = Shown(w, QStringLiteral("numTrueInclusion"));
  const CompanyCar& car = app.window->state().Cars.Entries[1];
  Child<QCheckBox>(w, QStringLiteral("chkMaintIncluded"))->click();
  Child<QCheckBox>(w, QStringLiteral("chkBussMilage"))->click();
  QCOMPARE(car.MaintIncluded, 1);
  QCOMPARE(car.BussMilage, 1);
  QCOMPARE(Shown(w, QStringLiteral("numTrueInclusion")), before);
  // The scale's fuel replaces the actual expenses, which are cleared.
  Child<QCheckBox>(w, QStringLiteral("chkSARSTable"))->click();
  QCOMPARE(car.SARSTable, 1);
  QCOMPARE(car.ActualExpEmployee, 0.0);
  ExpectShown(w, {"numActualExpEmployee=0"});
  Enter(w, {"numEndMileage=30000"});
  ExpectShown(w, {"numFuelComponent=51 510"});
  Child<QCheckBox>(w, QStringLiteral("chkSARSTable"))->click();
  QCOMPARE(car.SARSTable, 0);
  ExpectShown(w, {"numFuelComponent=0"});
  Child<QCheckBox>(w, QStringLiteral("chkMaintIncluded"))->click();
  QCOMPARE(car.MaintIncluded, 0);
}

void TestCompanyCar::periodFieldIsShownOnly() {
  TestApp app;
  auto* w = app.open<CompanyCarWindow>(kWindow);
  Run(w, {"add", "reg=A"});
  Enter(w, {"numCCPrice=100000"});
  ExpectShown(w, {"numCCMonths=366"});
  // Tab from the end date passes the days by; what is typed lands in the mileage.
  Focus(Child(w, QStringLiteral("dtCCEndDate")));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("numEndMileage"));
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("45000"));
  ExpectShown(w, {"numEndMileage=45000", "numCCMonths=366"});
  // Keys sent to the days themselves change nothing.
  QTest::keyClicks(Child(w, QStringLiteral("numCCMonths")), QStringLiteral("13"));
  ExpectShown(w, {"numCCMonths=366"});
  QVERIFY2(app.messages.shown.isEmpty(), qPrintable(ShownTexts(app)));
}

void TestCompanyCar::closingIsRefusedWhileTheEndDateIsWrong_data() {
  QTest::addColumn<bool>("byOkKey");
  QTest::newRow("Ok pressed by its key") << true;
  QTest::newRow("the frame's close box") << false;
}

void TestCompanyCar::closingIsRefusedWhileTheEndDateIsWrong() {
  QFETCH(bool, byOkKey);
  TestApp app;
  auto* w = app.open<CompanyCarWindow>(kWindow);
  auto* frame = qobject_cast<QMdiSubWindow*>(w->parentWidget());
  const auto close = [&] {
    if (byOkKey) {
      Child<QPushButton>(w, QStringLiteral("cmdOk"))->click();
    } else {
      frame->close();
    }
    QApplication::processEvents();
    return app.window->findCalculator(kWindow) == nullptr;
  };
  Run(w, {"add", "reg=A"});
  Enter(w, {"dtCCStartDate=01/06/2023", "dtCCEndDate=31/03/2023"});
  QCOMPARE(ShownTexts(app),
           QStringLiteral("The date entered is not correct please enter a date between "
                          "01/06/2023 and 29/02/2024"));
  QVERIFY(!close());
  QCOMPARE(app.messages.shown.size(), 2);
  QCOMPARE(app.messages.shown[1].title, QStringLiteral("Incorrect Date"));
  QCOMPARE(app.messages.shown[1].icon, Message::Icon::Critical);
  QCOMPARE(app.messages.shown[1].text,
           QStringLiteral("The dates entered are not correct please enter a dates between "
                          "01/03/2023 and 29/02/2024"));
  // The focus went to the start date: the end date is left, the marking ends and
  // closing calculates and closes.
  Leave(Child(w, QStringLiteral("dtCCEndDate")));
  QVERIFY(close());
  QCOMPARE(app.messages.shown.size(), 2);
  QCOMPARE(app.window->state().Cars.Entries[1].CCEndDate, 45351.0);
}

void TestCompanyCar::registerOutlivesTheWindowUntilInitialiseAll() {
  TestApp app;
  auto* w = app.open<CompanyCarWindow>(kWindow);
  Run(w, {"add", "reg=A", "add", "reg=B"});
  Click(w, QStringLiteral("cmdOk"));
  QTRY_VERIFY(app.window->findCalculator(kWindow) == nullptr);
  w = app.open<CompanyCarWindow>(kWindow);
  QCOMPARE(w->windowTitle(), kCaption.arg(1).arg(2));
  ExpectShown(w, {"txtCCRegNumber=A"});
  QVERIFY(Child(w, QStringLiteral("chkAutoCalc3802"))->isVisible());
  QCOMPARE(EnabledControls(w), kControls.join(QLatin1Char(' ')));
  app.window->findChild<QAction*>(QStringLiteral("mnuNew"))->trigger();
  QTRY_VERIFY(app.window->findCalculator(kWindow) == nullptr);
  QCOMPARE(app.window->state().Cars.N, 0);
  w = app.open<CompanyCarWindow>(kWindow);
  QCOMPARE(w->windowTitle(), kCaption.arg(0).arg(0));
  QVERIFY(app.messages.shown.isEmpty());
}

void TestCompanyCar::printWritesOneRowPerCar() {
  TestApp app;
  auto* w = app.open<CompanyCarWindow>(kWindow);
  Run(w, {"add", "reg=CA 1"});
  Enter(w, {"txtCCMake=Toyota", "txtCCModel=Corolla", "numCCPrice=300000", "numActual3802=126000",
            "numEndMileage=40000", "numStartMileage=10000", "numBusDistance=12000"});
  Child<QCheckBox>(w, QStringLiteral("chkBussMilage"))->click();
  Run(w, {"add", "reg=CA 2"});
  Enter(w, {"numCCPrice=150000", "dtCCStartDate=01/09/2023"});
  Child<QCheckBox>(w, QStringLiteral("chkMaintIncluded"))->click();
  Run(w, {"add", "reg=CA 3"});
  Enter(w, {"numTotalDistance=5000"});
  Click(w, QStringLiteral("cmdPrint"));
  QVERIFY(Child(w, QStringLiteral("Frame1"))->isVisible());
  Click(Child(w, QStringLiteral("Frame1")), QStringLiteral("cmdVR"));
  QVERIFY2(app.messages.shown.isEmpty(), qPrintable(ShownTexts(app)));

  const auto read = TableStore(app.reportDb(), QStringLiteral("report data store"))
                        .ReadRows(QStringLiteral("compcar"));
  const QList<QVariantMap> rows = std::get<0>(read);
  QCOMPARE(rows.size(), 3);
  for (int i = 0; i < 3; ++i) {
    QCOMPARE(rows[i].value("CarNum").toInt(), i + 1);
    QCOMPARE(rows[i].value("CMVMaxNum").toInt(), 3);
    QCOMPARE(rows[i].value("CCRegNumber").toString(), QStringLiteral("CA %1").arg(i + 1));
  }
  QCOMPARE(rows[0].value("CCMake").toString(), QStringLiteral("Toyota"));
  QCOMPARE(rows[0].value("BussMilage").toString(), QStringLiteral("Yes"));
  QCOMPARE(rows[0].value("MaintIncluded").toString(), QStringLiteral("No"));
  QCOMPARE(rows[0].value("TrueInclusion").toDouble(), 75600.0);
  QCOMPARE(rows[0].value("CCMonths").toDouble(), 366.0);
  QCOMPARE(rows[1].value("MaintIncluded").toString(), QStringLiteral("Yes"));
  QCOMPARE(rows[1].value("CCStartDate").toString(), QStringLiteral("01/09/2023"));
  QCOMPARE(rows[1].value("CCEndDate").toString(), QStringLiteral("29/02/2024"));
  // A car without a price has no true inclusion; its SARS claim is its adjustment.
  QCOMPARE(rows[2].value("TrueInclusion").toDouble(), 0.0);
  QCOMPARE(rows[2].value("AdjustTaxableInc").toDouble(),
           rows[2].value("SARSDeductionClaim").toDouble());
  QCOMPARE(rows[2].value("Actual3802").toDouble(), 126000.0);

  ReportWindow* report = app.window->context().reports.lastWindow();
  QVERIFY(report != nullptr);
  QCOMPARE(report->windowTitle(),
           QStringLiteral("Full use of Company Car - To export printout click on the suitcase "
                          "button or goto Help"));
  const QString text = report->document().toPlainText();
  QVERIFY(text.contains(QStringLiteral("Vehicle 3 of 3")));
  QVERIFY(text.contains(QStringLiteral("-20 182.06")));
  const QString pdf = KeptReport(app, QStringLiteral("compcar.pdf"));
  QCOMPARE(report->exportTo(pdf), std::nullopt);
  QVERIFY(QFileInfo(pdf).size() > 1000);
}

void TestCompanyCar::reportFlagsAreYesNoOrLeftOut_data() {
  QTest::addColumn<int>("flag");
  QTest::addColumn<QString>("written");  // empty: the column is not written
  QTest::newRow("0") << 0 << "No";
  QTest::newRow("1") << 1 << "Yes";
  QTest::newRow("2") << 2 << "";
  QTest::newRow("-1") << -1 << "";
}

void TestCompanyCar::reportFlagsAreYesNoOrLeftOut() {
  QFETCH(int, flag);
  QFETCH(QString, written);
  CompanyCarRegister cars;
  QVERIFY(!AddCar(cars));
  CompanyCar& car = cars.Entries[1];
  car.MaintIncluded = car.SARSTable = car.BussMilage = static_cast<std::int16_t>(flag);
  const QList<FieldList> rows =
      CompanyCarReport(cars, ComputeCompanyCars(cars, false)).tables[0].rows;
  QCOMPARE(rows.size(), 1);
  for (const char* name : {"MaintIncluded", "SARSTable", "BussMilage"}) {
    QString value;
    for (const auto& [field, v] : rows[0]) {
      if (field == QLatin1String(name)) value = v.toString();
    }
    QCOMPARE(value, written);
  }
  // Every other column is written, in the table's order.
  QCOMPARE(rows[0].first().first, QStringLiteral("CarNum"));
  QCOMPARE(rows[0].last().first, QStringLiteral("WeekFB20"));
  QCOMPARE(rows[0].size(), written.isEmpty() ? 36 : 39);
}

void TestCompanyCar::fitsTheChildAreaWithThePrintPanelOpen() {
  TestApp app;
  // The size the main window takes on a 1366 x 768 screen with a task bar, the
  // window opened through its menu item (which widens a narrower main window).
  app.window->resize(MainWindow::DefaultSize(QSize(1366, 738)));
  app.window->findChild<QAction*>(QStringLiteral("mnuCompCar"))->trigger();
  auto* w = qobject_cast<CompanyCarWindow*>(app.window->findCalculator(kWindow));
  QVERIFY(w != nullptr);
  Run(w, {"add", "reg=CA 1", "add", "reg=CA 2"});
  Snapshot(w->parentWidget(), QStringLiteral("compcar-two-cars"));
  Click(w, QStringLiteral("cmdPrint"));
  QApplication::processEvents();
  Snapshot(app.window.get(), QStringLiteral("compcar-print-panel"));
  const QRect room = app.window->area()->viewport()->rect();
  QVERIFY(room.contains(w->parentWidget()->geometry()));
  const QRect panel(Child(w, QStringLiteral("Frame1"))->mapTo(w, QPoint(0, 0)),
                    Child(w, QStringLiteral("Frame1"))->size());
  QVERIFY(w->rect().contains(panel));
  QVERIFY(panel.top() > Child(w, QStringLiteral("cmdOk"))->geometry().bottom());
  // No caption is cut off.
  for (QLabel* label : w->findChildren<QLabel*>()) {
    if (!label->isVisible()) continue;
    const bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                        : label->sizeHint().width() <= label->width();
    QVERIFY2(fits, qPrintable(label->text()));
  }
  for (QCheckBox* box : w->findChildren<QCheckBox*>()) {
    QVERIFY2(box->sizeHint().width() <= box->width(), qPrintable(box->text()));
  }
}

QTEST_MAIN(TestCompanyCar)
#include "tst_company_car.moc"
