// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the menus, once-only windows, Initialise All, the two start-up
// preferences, and a second start of the program.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "frame/calculator_window.h"
#include "shell/about_box.h"
#include "shell/disclaimer_dialog.h"
#include "shell/startup_prefs.h"
#include "support/test_app.h"

using namespace reventa;
using namespace reventa::test;

namespace {

QVariant Pref(const QString& path, const QString& key) {
  return QSettings(path, QSettings::IniFormat).value(QStringLiteral("StartupPrefs/") + key);
}

QAction* Item(MainWindow& w, const QString& name) {
  QAction* a = w.findChild<QAction*>(name);
  if (a == nullptr) qFatal("no menu item %s", qPrintable(name));
  return a;
}

}  // namespace

class TestShell : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void versionNumberAndCaption();
  void firstStartShowsTheDisclaimerOnce();
  void refusedDisclaimerEndsWithoutStoring();
  void disclaimerOkNeedsTheTick();
  void aboutBoxFollowsItsPreference();
  void aboutBoxStoresOnEveryClose();
  void menuBarCaptionsAndAccessKeys();
  void calculatorOpensOnce();
  void calculatorOpensReadyForTyping_data();
  void calculatorOpensReadyForTyping();
  void windowAccessKeysWinOverTheMenuBar();
  void companyCarWidensANarrowMainWindow_data();
  void companyCarWidensANarrowMainWindow();
  void initialiseAllClosesTheListedWindows();
  void pictureShowsWhole_data();
  void pictureShowsWhole();
  void startsWithoutThePicture();
  void exitClosesEverything();
  void secondStartBringsTheRunningCopyForward();
};

void TestShell::versionNumberAndCaption() {
  QCOMPARE(VersionNumber(1, 0, 0), 100);
  QCOMPARE(VersionNumber(1, 2, 13), 1213);
  QCOMPARE(CurrentVersionNumber(), 100);
  TestApp app;
  QCOMPARE(app.window->windowTitle(), QStringLiteral("Reventa 2024 Ver: 1.00.000"));
  // No display name of its own, which the desktop would add after every caption.
  NameApplication();
  QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Reventa2024"));
}

void TestShell::firstStartShowsTheDisclaimerOnce() {
  TestApp app(true, false);
  QVERIFY(app.start());
  QCOMPARE(app.disclaimerShown, 1);
  QCOMPARE(Pref(app.options().prefsPath, QStringLiteral("Var1")).toString(), QStringLiteral("100"));
  QVERIFY(app.window->isVisible());
  app.window->close();
  QVERIFY(app.start());
  QCOMPARE(app.disclaimerShown, 1);
}

void TestShell::refusedDisclaimerEndsWithoutStoring() {
  TestApp app(false, false);
  QVERIFY(!app.start());
  QCOMPARE(app.disclaimerShown, 1);
  QVERIFY(!app.window->isVisible());
  QVERIFY(!Pref(app.options().prefsPath, QStringLiteral("Var1")).isValid());
  // An older accepted version still asks again.
  QSettings(app.options().prefsPath, QSettings::IniFormat)
      .setValue(QStringLiteral("StartupPrefs/Var1"), QStringLiteral("99"));
  QVERIFY(!app.start());
  QCOMPARE(app.disclaimerShown, 2);
}

void TestShell::disclaimerOkNeedsTheTick() {
  QWidget parent;
  DisclaimerDialog dialog(&parent);
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Quillon Disclaimer"));
  auto* check = Child<QCheckBox>(&dialog, QStringLiteral("chkDisclaimerYesNo"));
  auto* ok = Child<QPushButton>(&dialog, QStringLiteral("cmdOk"));
  QVERIFY(check->text().startsWith(QLatin1Char(' ')));
  QVERIFY(Child<QLabel>(&dialog, QStringLiteral("lblUpdates"))
              ->text()
              .contains(QStringLiteral("available to all users.  It is")));
  QVERIFY(!ok->isEnabled());
  check->setChecked(true);
  QVERIFY(ok->isEnabled());
  check->setChecked(false);
  QVERIFY(!ok->isEnabled());
  check->setChecked(true);
  dialog.show();
  QTest::mouseClick(ok, Qt::LeftButton);
  QVERIFY(dialog.accepted());
  QCOMPARE(dialog.result(), int(QDialog::Accepted));

  DisclaimerDialog cancelled(&parent);
  cancelled.show();
  Child<QCheckBox>(&cancelled, QStringLiteral("chkDisclaimerYesNo"))->setChecked(true);
  Click(&cancelled, QStringLiteral("cmdCancel"));
  QVERIFY(!cancelled.accepted());
}

void TestShell::aboutBoxFollowsItsPreference() {
  TestApp app(true, false);
  QSettings(app.options().prefsPath, QSettings::IniFormat).clear();
  QVERIFY(app.start());  // no ViewAbout stored: the box shows
  auto* box = app.window->findChild<AboutBox*>();
  QVERIFY(box != nullptr && box->isVisible());
  QVERIFY(!box->isModal());
  QCOMPARE(Child<QLabel>(box, QStringLiteral("lblVersion"))->text(),
           QStringLiteral("Version: 1.00.000"));
  QVERIFY(!Child<QCheckBox>(box, QStringLiteral("Check1"))->isChecked());
  // The main window stays usable while the box is open.
  QVERIFY(app.window->openCalculator(QStringLiteral("frmKwikTax")) != nullptr);
  app.window->close();

  // ViewAbout true and Var1 equal to the version: about box, no disclaimer.
  QVERIFY(app.start());
  QCOMPARE(app.disclaimerShown, 1);
  QVERIFY(app.window->findChild<AboutBox*>() != nullptr);
  app.window->close();

  QSettings(app.options().prefsPath, QSettings::IniFormat)
      .setValue(QStringLiteral("StartupPrefs/ViewAbout"), false);
  QVERIFY(app.start());
  QVERIFY(app.window->findChild<AboutBox*>() == nullptr);
}

void TestShell::aboutBoxStoresOnEveryClose() {
  TestApp app;
  const QString prefs = app.options().prefsPath;
  app.window->showAbout();
  auto* box = app.window->findChild<AboutBox*>();
  auto* check = Child<QCheckBox>(box, QStringLiteral("Check1"));
  QVERIFY(check->isChecked());  // the test app stores ViewAbout false
  check->setChecked(false);
  QVERIFY(box->close());  // the close box
  QCOMPARE(Pref(prefs, QStringLiteral("ViewAbout")).toBool(), true);

  app.window->showAbout();
  box = app.window->findChild<AboutBox*>();
  check = Child<QCheckBox>(box, QStringLiteral("Check1"));
  QVERIFY(!check->isChecked());
  check->setChecked(true);
  Click(box, QStringLiteral("Command1"));
  QCOMPARE(Pref(prefs, QStringLiteral("ViewAbout")).toBool(), false);
}

void TestShell::menuBarCaptionsAndAccessKeys() {
  TestApp app;
  QStringList menus;
  for (QAction* a : app.window->menuBar()->actions()) menus << a->text();
  QCOMPARE(menus, (QStringList{"&File", "&Reventa", "Vel&oxa", "&TaxCalcs", "&Car Calculations",
                               "Bu&siness Calculations", "&Help/Videos", "&MS-Calculator"}));
  const QList<QPair<const char*, const char*>> items = {
      {"mnuNew", "&Initialise All"},
      {"mnuPrinterSet", "&Printer Setup"},
      {"mnuExit", "E&xit"},
      {"mnuReventaMon", "&Monthly"},
      {"mnuReventaAnn", "&Annual"},
      {"mnuVeloxaMon", "&Monthly"},
      {"mnuVeloxaAnn", "&Annual"},
      {"mnuAnnual", "&Annual"},
      {"mnuMonthly", "&Monthly"},
      {"mnuFortNight", "&FortNightly"},
      {"mnuWeekly", "&Weekly"},
      {"mnuDaily", "&Daily"},
      {"QuickTax", "QuickTax"},
      {"mnuCompCar", "&Company car"},
      {"mnuCarAll1", "Car Allowance"},
      {"mnuInflationProject", "Inflation Projections"},
      {"mnuLoans", "Loans"},
      {"mnuLoansBuster", "Loan buster"},
      {"mnuLoansComparison", "Loan comparison"},
      {"mnuDailyBalance", "Daily balance"},
      {"mnuContents", "Reventa 2024 Help"},
      {"VideoLectures1", "Video Lectures"},
      {"mnuAbout", "&About Reventa2024..."}};
  for (const auto& [name, caption] : items) {
    QCOMPARE(Item(*app.window, QString::fromLatin1(name))->text(), QString::fromLatin1(caption));
  }
  // An item is enabled exactly when its window exists.
  QVERIFY(Item(*app.window, QStringLiteral("QuickTax"))->isEnabled());
  QCOMPARE(Item(*app.window, QStringLiteral("mnuLoans"))->isEnabled(),
           FindCalculatorWindow(QStringLiteral("frmLoans")) != nullptr);
  QCOMPARE(Item(*app.window, QStringLiteral("mnuCompCar"))->isEnabled(),
           FindCalculatorWindow(QStringLiteral("frmCompCar")) != nullptr);
}

void TestShell::calculatorOpensOnce() {
  TestApp app;
  Item(*app.window, QStringLiteral("QuickTax"))->trigger();
  QWidget* first = app.window->findCalculator(QStringLiteral("frmKwikTax"));
  QVERIFY(first != nullptr);
  QCOMPARE(first->windowTitle(), QStringLiteral("QuickTax"));
  Item(*app.window, QStringLiteral("QuickTax"))->trigger();
  QCOMPARE(app.window->area()->subWindowList().size(), 1);
  QCOMPARE(app.window->findCalculator(QStringLiteral("frmKwikTax")), first);
  QCOMPARE(app.window->area()->activeSubWindow()->widget(), first);
  QVERIFY(QApplication::overrideCursor() == nullptr);  // the busy pointer is restored
}

void TestShell::calculatorOpensReadyForTyping_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QStringList>("tabOrder");
  QTest::newRow("QuickTax") << "frmKwikTax" << QStringList{"sidbEdit1_0", "sidbEdit1_1"};
  QTest::newRow("annual") << "frmAnnual" << QStringList{"silgEdit1", "silgEdit2"};
  QTest::newRow("monthly") << "frmMonthly" << QStringList{"silgEdit9", "numSalRemun"};
  QTest::newRow("fortnightly") << "frmFortNight" << QStringList{"silgEdit14", "numSalRemun"};
  QTest::newRow("weekly") << "frmWeekly" << QStringList{"silgEdit14", "numSalRemun"};
  QTest::newRow("daily") << "frmDaily" << QStringList{"silgEdit23", "numSalRemun"};
  QTest::newRow("net-to-gross") << "frmReventaAnn" << QStringList{"numAge", "numNetMonSalReq"};
  QTest::newRow("gross-to-net") << "frmVeloxaMon" << QStringList{"numAge", "numNetMonSalReq"};
}

void TestShell::calculatorOpensReadyForTyping() {
  QFETCH(QString, window);
  QFETCH(QStringList, tabOrder);
  TestApp app;
  QVERIFY(app.window->openCalculator(window) != nullptr);
  // The keyboard starts in the first field and Tab goes on to the next one.
  QCOMPARE(QApplication::focusWidget()->objectName(), tabOrder[0]);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget()->objectName(), tabOrder[1]);
}

void TestShell::windowAccessKeysWinOverTheMenuBar() {
  TestApp app;
  QWidget* w = app.window->openCalculator(QStringLiteral("frmKwikTax"));
  QWidget* income = Child(w, QStringLiteral("sidbEdit1_0"));
  TypeInto(income, QStringLiteral("2000000"));
  // Alt+C is both "&Calculate" in the window and "&Car Calculations" in the menu bar.
  QTest::keyClick(income, Qt::Key_C, Qt::AltModifier);
  QTRY_COMPARE(Child<QLineEdit>(w, QStringLiteral("sidbEdit1_5"))->text(),
               QStringLiteral("726 839.00"));
  QVERIFY(!app.window->findChild<QMenu*>(QStringLiteral("mnuCarCalcs"))->isVisible());
}

void TestShell::companyCarWidensANarrowMainWindow_data() {
  QTest::addColumn<int>("width");
  QTest::addColumn<bool>("maximised");
  QTest::addColumn<int>("expected");  // 0: unchanged
  QTest::newRow("narrow: widened to 13 405 twips") << 700 << false << 13405 / 15;
  QTest::newRow("wider: keeps its width") << 1180 << false << 1180;
  QTest::newRow("maximised: unchanged") << 700 << true << 0;
}

void TestShell::companyCarWidensANarrowMainWindow() {
  QFETCH(int, width);
  QFETCH(bool, maximised);
  QFETCH(int, expected);
  TestApp app;
  app.window->resize(width, 600);
  if (maximised) app.window->showMaximized();
  QApplication::processEvents();
  const int before = app.window->width();
  Item(*app.window, QStringLiteral("mnuCompCar"))->trigger();
  QVERIFY(app.window->findCalculator(QStringLiteral("frmCompCar")) != nullptr);
  QCOMPARE(app.window->width(), expected == 0 ? before : expected);
}

void TestShell::initialiseAllClosesTheListedWindows() {
  TestApp app;
  // Every window that exists, opened through its menu item.
  const QStringList names = {
      "frmAnnual",     "frmMonthly",    "frmFortNight",  "frmWeekly",    "frmDaily",   "frmKwikTax",
      "frmReventaMon", "frmReventaAnn", "frmVeloxaMon",  "frmVeloxaAnn", "frmCompCar", "frmCarAll1",
      "frmInflation",  "frmLoans",      "frmLoanBuster", "frmLoanComp",  "frmDayBal"};
  QStringList opened;
  for (const QString& name : names) {
    if (app.window->openCalculator(name) != nullptr) opened << name;
  }
  QVERIFY(opened.contains(QStringLiteral("frmKwikTax")));
  app.window->state().TaxableIncome = 123;
  app.window->state().Loan.CalcMode = QStringLiteral("Interest rate").toStdString();
  app.window->showAbout();
  Item(*app.window, QStringLiteral("mnuNew"))->trigger();
  QApplication::processEvents();
  QStringList left;
  for (QMdiSubWindow* frame : app.window->area()->subWindowList()) {
    left << frame->widget()->objectName();
  }
  // QuickTax stays, and so does the fortnightly window, which the list leaves out.
  QStringList expected;
  for (const QString& name : opened) {
    if (name == QLatin1String("frmKwikTax") || name == QLatin1String("frmFortNight")) {
      expected << name;
    }
  }
  left.sort();
  expected.sort();
  QCOMPARE(left, expected);
  QVERIFY(app.window->findChild<AboutBox*>() != nullptr);
  QCOMPARE(app.window->state().TaxableIncome, 0.0);
  QCOMPARE(app.window->state().Loan.CalcMode, std::string("Monthly repayment"));
}

void TestShell::pictureShowsWhole_data() {
  QTest::addColumn<QSize>("size");
  QTest::newRow("opening size") << MainWindow::DefaultSize(QSize(1366, 738));
  QTest::newRow("wide and low") << QSize(1340, 520);
  QTest::newRow("narrow and tall") << QSize(640, 700);
}

// The picture's lettering (its light pixels: the name and the tagline) is seen
// whole, at the scale that fits the whole picture into the area.
void TestShell::pictureShowsWhole() {
  QFETCH(QSize, size);
  const auto lettering = [](const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) > 75) box |= QRect(x, y, 1, 1);
    return box;
  };
  const QImage picture(QStringLiteral(REVENTA_TEST_APP_DIR "/Reventa.jpg"));
  TestApp app;
  app.window->resize(size);
  QApplication::processEvents();
  const QImage shown = app.window->area()->viewport()->grab().toImage();
  const QRect seen = lettering(shown);
  const QSizeF whole =
      QSizeF(lettering(picture).size()) *
      qMin(double(shown.width()) / picture.width(), double(shown.height()) / picture.height());
  QVERIFY(shown.rect().adjusted(1, 1, -1, -1).contains(seen));
  QVERIFY(qAbs(seen.width() - whole.width()) <= 4 && qAbs(seen.height() - whole.height()) <= 4);
}

void TestShell::startsWithoutThePicture() {
  TestApp app(true, false);
  const QString appDir = app.path(QStringLiteral("app-without-picture"));
  QDir().mkpath(appDir);
  for (const QString& f : {kReportStoreName, kSettingsStoreName, QStringLiteral("kwiktep.rpt")}) {
    QVERIFY(
        QFile::copy(QStringLiteral(REVENTA_TEST_APP_DIR "/") + f, appDir + QLatin1Char('/') + f));
  }
  app.options().appFolder = appDir;
  QVERIFY(app.start());
  app.window->repaint();
  QVERIFY(app.window->openCalculator(QStringLiteral("frmKwikTax")) != nullptr);
  QVERIFY(app.messages.shown.isEmpty());
}

void TestShell::exitClosesEverything() {
  TestApp app;
  app.window->openCalculator(QStringLiteral("frmKwikTax"));
  Item(*app.window, QStringLiteral("mnuExit"))->trigger();
  QApplication::processEvents();
  QVERIFY(!app.window->isVisible());
  QVERIFY(app.window->area()->subWindowList().isEmpty());
}

// The program itself, twice on the same stores: the second start hands over and
// ends; after the first has crashed, the next start takes its place.
void TestShell::secondStartBringsTheRunningCopyForward() {
  QTemporaryDir home;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("HOME"), home.path());
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
  env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral(".local/share")));
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  // The running copy's socket, too, goes with the folder.
  env.insert(QStringLiteral("TMPDIR"), home.path());
  const auto start = [&env](QProcess& program) {
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(REVENTA_PROGRAM_PATH), {});
  };
  QProcess first;
  start(first);
  // Running once it has put the user's stores in place.
  const QString settings =
      home.filePath(QStringLiteral(".local/share/Reventa/Reventa2024/") + kSettingsStoreName);
  QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(settings), 30000);

  QProcess second;
  start(second);
  QVERIFY(second.waitForFinished(30000));
  QCOMPARE(second.exitStatus(), QProcess::NormalExit);
  QCOMPARE(second.exitCode(), 0);
  QVERIFY(QString::fromLocal8Bit(second.readAllStandardError())
              .split(QLatin1Char('\n'))
              .contains(QStringLiteral(
                  "reventa: already running; its window was brought to the front.")));
  QCOMPARE(first.state(), QProcess::Running);

  first.kill();
  QVERIFY(first.waitForFinished());
  env.insert(QStringLiteral("REVENTA_STARTUP_PROBE"), QStringLiteral("1"));
  QProcess third;
  start(third);
  QVERIFY(third.waitForFinished(30000));
  QVERIFY(third.readAllStandardOutput().startsWith("painted "));
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
