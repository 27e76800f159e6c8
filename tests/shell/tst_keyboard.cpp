// The keyboard in the main window: access keys with a panel open and closed,
// the menu bar reached with F10 or Alt from any calculator, Enter calculating,
// and every calculator fitting the main window at its default size.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QtTest>

#include "support/test_app.h"

using namespace reventa;
using namespace reventa::test;

namespace {

QString Text(QWidget* w, const QString& name) { return Child<QLineEdit>(w, name)->text(); }

bool IsOpen(MainWindow& main, const QString& window) {
  return main.findCalculator(window) != nullptr;
}

}  // namespace

class TestKeyboard : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void accessKeysFollowTheOpenPanel_data();
  void accessKeysFollowTheOpenPanel();
  void menuBarFromTheKeyboard_data();
  void menuBarFromTheKeyboard();
  void enterCalculates_data();
  void enterCalculates();
  void enterPressesTheFocusedButton();
  void noShortcutClosesACalculator();
  void optionPairsFollowTheArrows_data();
  void optionPairsFollowTheArrows();
  void aCalculatorTooTallScrollsToTheFocus();
  void calculatorsFitTheDefaultSize_data();
  void calculatorsFitTheDefaultSize();
};

void TestKeyboard::accessKeysFollowTheOpenPanel_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("opener");  // the button that opens the panel; empty: none
  QTest::addColumn<QString>("panel");
  QTest::addColumn<char>("key");  // pressed with Alt
  QTest::addColumn<bool>("windowOpen");
  QTest::addColumn<bool>("panelOpen");

  QTest::newRow("annual information: Alt+O is the panel's OK")
      << "frmAnnual"
      << "cmdInfo_0"
      << "fraInfo_One" << 'O' << true << false;
  QTest::newRow("monthly information: Alt+O is the panel's OK")
      << "frmMonthly"
      << "cmdInfo_0"
      << "fraInfo_One" << 'O' << true << false;
  QTest::newRow("annual settings: Alt+O does not reach the window's OK")
      << "frmAnnual"
      << "cmdSettings"
      << "Frame3" << 'O' << true << true;
  QTest::newRow("annual print: Alt+C is the panel's Cancel") << "frmAnnual"
                                                             << "cmdPrint"
                                                             << "fraPrint" << 'C' << true << false;
  QTest::newRow("monthly print: Alt+O does not close the window")
      << "frmMonthly"
      << "cmdPrint"
      << "fraPrint" << 'O' << true << true;
  QTest::newRow("package R/A explained: Alt+O is the panel's OK")
      << "frmReventaAnn"
      << "cmdRAExpl"
      << "fraRAExpl" << 'O' << true << false;
  QTest::newRow("package print: Alt+C is the panel's Cancel") << "frmVeloxaMon"
                                                              << "cmdPrint"
                                                              << "fraPrint" << 'C' << true << false;
  QTest::newRow("package settings: Alt+K is the panel's OK") << "frmVeloxaAnn"
                                                             << "cmdSettings"
                                                             << "fraSetup" << 'K' << true << false;
  QTest::newRow("QuickTax print: Alt+C is the panel's Cancel") << "frmKwikTax"
                                                               << "cmPrint"
                                                               << "Frame1" << 'C' << true << false;
  QTest::newRow("QuickTax print: Alt+O does not close the window")
      << "frmKwikTax"
      << "cmPrint"
      << "Frame1" << 'O' << true << true;
  QTest::newRow("no panel: Alt+O is the window's own OK") << "frmMonthly"
                                                          << ""
                                                          << "fraPrint" << 'O' << false << false;
}

void TestKeyboard::accessKeysFollowTheOpenPanel() {
  QFETCH(QString, window);
  QFETCH(QString, opener);
  QFETCH(QString, panel);
  QFETCH(char, key);
  QFETCH(bool, windowOpen);
  QFETCH(bool, panelOpen);
  TestApp app;
  QWidget* w = app.open(window);
  QWidget* first = QApplication::focusWidget();
  QTest::keyClicks(first, QStringLiteral("45"));
  if (!opener.isEmpty()) {
    Click(w, opener);
    QVERIFY(Child(w, panel)->isVisible());
  }
  const QString before = w->findChild<QLineEdit*>(QStringLiteral("numMAns")) != nullptr
                             ? Text(w, QStringLiteral("numMAns"))
                             : QString();
  QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), Qt::AltModifier);
  QTest::qWait(300);  // the button's animated click
  QApplication::processEvents();
  QCOMPARE(IsOpen(*app.window, window), windowOpen);
  if (!windowOpen) return;
  QCOMPARE(Child(w, panel)->isVisible(), panelOpen);
  // The window's "&Calculate" did not run behind the panel's "&Cancel".
  if (!before.isEmpty()) QCOMPARE(Text(w, QStringLiteral("numMAns")), before);
  QVERIFY(!app.window->menuBar()->activeAction());
}

void TestKeyboard::menuBarFromTheKeyboard_data() {
  QTest::addColumn<QString>("window");  // the active calculator; empty: none
  QTest::addColumn<bool>("useF10");
  QTest::addColumn<int>("index");  // the menu's place in the menu bar
  QTest::addColumn<char>("letter");
  QTest::addColumn<QString>("menu");
  const struct {
    char letter;
    const char* menu;
  } menus[] = {{'F', "mnuFile"},    {'R', "mnuReventa"},  {'O', "mnuVeloxa"},
               {'T', "mnuTaxCalc"}, {'C', "mnuCarCalcs"}, {'S', "mnuBusinessCalcs"},
               {'H', "mnuHelp"}};
  for (const char* window : {"frmKwikTax", "frmAnnual", "frmReventaMon", ""}) {
    int index = 0;
    for (const auto& m : menus) {
      QTest::addRow("%s: Alt then %c opens %s", *window ? window : "no calculator", m.letter,
                    m.menu)
          << window << false << index << m.letter << m.menu;
      QTest::addRow("%s: F10 then Right x%d opens %s", *window ? window : "no calculator", index,
                    m.menu)
          << window << true << index << m.letter << m.menu;
      ++index;
    }
  }
}

void TestKeyboard::menuBarFromTheKeyboard() {
  QFETCH(QString, window);
  QFETCH(bool, useF10);
  QFETCH(int, index);
  QFETCH(char, letter);
  QFETCH(QString, menu);
  TestApp app;
  if (!window.isEmpty()) app.open(window);
  QWidget* focus = QApplication::focusWidget();
  if (focus == nullptr) focus = app.window.get();
  QMenuBar* bar = app.window->menuBar();
  auto* wanted = app.window->findChild<QMenu*>(menu);
  if (useF10) {
    // The first menu opens; Right walks along the menu bar.
    QTest::keyClick(focus, Qt::Key_F10);
    QTRY_VERIFY(app.window->findChild<QMenu*>(QStringLiteral("mnuFile"))->isVisible());
    for (int i = 0; i < index; ++i) {
      QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
    }
  } else {
    QTest::keyPress(focus, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(focus, Qt::Key_Alt, Qt::NoModifier);
    // The first menu is highlighted, none is open yet.
    QCOMPARE(bar->activeAction(), bar->actions().first());
    QVERIFY(!wanted->isVisible());
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(letter));
  }
  QTRY_VERIFY(wanted->isVisible());
  wanted->close();
}

void TestKeyboard::enterCalculates_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("input");
  QTest::addColumn<QString>("result");
  QTest::newRow("QuickTax") << "frmKwikTax"
                            << "sidbEdit1_0"
                            << "sidbEdit1_7";
  QTest::newRow("annual") << "frmAnnual"
                          << "silgEdit2"
                          << "numMAns";
  QTest::newRow("monthly") << "frmMonthly"
                           << "numSalRemun"
                           << "numMAns";
  QTest::newRow("fortnightly") << "frmFortNight"
                               << "numSalRemun"
                               << "numMAns";
  QTest::newRow("weekly") << "frmWeekly"
                          << "numSalRemun"
                          << "numMAns";
  QTest::newRow("daily") << "frmDaily"
                         << "numSalRemun"
                         << "numMAns";
  QTest::newRow("net-to-gross annual") << "frmReventaAnn"
                                       << "numNetMonSalReq"
                                       << "numGrossSal";
  QTest::newRow("net-to-gross monthly") << "frmReventaMon"
                                        << "numNetMonSalReq"
                                        << "numGrossSal";
  QTest::newRow("gross-to-net annual") << "frmVeloxaAnn"
                                       << "numNetMonSalReq"
                                       << "numGrossSal";
  QTest::newRow("gross-to-net monthly") << "frmVeloxaMon"
                                        << "numNetMonSalReq"
                                        << "numGrossSal";
  QTest::newRow("inflation") << "frmInflation"
                             << "numPresCost"
                             << "numAns2";
}

void TestKeyboard::enterCalculates() {
  QFETCH(QString, window);
  QFETCH(QString, input);
  QFETCH(QString, result);
  TestApp app;
  QWidget* w = app.open(window);
  const QString before = Text(w, result);
  TypeInto(Child(w, input), QStringLiteral("250000"));
  QCOMPARE(Text(w, result), before);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QVERIFY(Text(w, result) != before);
  QVERIFY(app.messages.shown.isEmpty());
}

void TestKeyboard::enterPressesTheFocusedButton() {
  TestApp app;
  QWidget* w = app.open(QStringLiteral("frmReventaAnn"));
  auto* explain = Child<QPushButton>(w, QStringLiteral("cmdRAExpl"));
  explain->setFocus();
  QTest::keyClick(explain, Qt::Key_Return);
  QTRY_VERIFY(Child(w, QStringLiteral("fraRAExpl"))->isVisible());
}

void TestKeyboard::noShortcutClosesACalculator() {
  TestApp app;
  QWidget* w = app.open(QStringLiteral("frmVeloxaMon"));
  TypeInto(Child(w, QStringLiteral("numNetMonSalReq")), QStringLiteral("30000"));
  for (const QKeySequence& close : QKeySequence::keyBindings(QKeySequence::Close)) {
    QTest::keySequence(QApplication::focusWidget(), close);
    QApplication::processEvents();
    QVERIFY2(IsOpen(*app.window, QStringLiteral("frmVeloxaMon")), qPrintable(close.toString()));
  }
}

void TestKeyboard::optionPairsFollowTheArrows_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("opener");
  QTest::addColumn<QString>("first");
  QTest::addColumn<QString>("second");
  QTest::newRow("annual inclusion rate") << "frmAnnual"
                                         << "cmdSettings"
                                         << "optTAIncRate80"
                                         << "optTAIncRate20";
  QTest::newRow("monthly report language") << "frmMonthly"
                                           << "cmdPrint"
                                           << "Option1"
                                           << "Option2";
  QTest::newRow("package inclusion rate") << "frmReventaAnn"
                                          << "cmdSettings"
                                          << "optTAIncRate80"
                                          << "optTAIncRate20";
  QTest::newRow("package fringe benefit rate") << "frmVeloxaMon"
                                               << "cmdSettings"
                                               << "optCompCarFBRate80"
                                               << "optCompCarFBRate20";
  QTest::newRow("package maintenance plan") << "frmVeloxaAnn"
                                            << "cmdSettings"
                                            << "optCompCarMPYes"
                                            << "optCompCarMPNo";
}

void TestKeyboard::optionPairsFollowTheArrows() {
  QFETCH(QString, window);
  QFETCH(QString, opener);
  QFETCH(QString, first);
  QFETCH(QString, second);
  TestApp app;
  QWidget* w = app.open(window);
  Click(w, opener);
  auto* a = Child<QRadioButton>(w, first);
  auto* b = Child<QRadioButton>(w, second);
  a->click();
  a->setFocus();
  QTest::keyClick(a, Qt::Key_Right);
  QVERIFY(b->hasFocus());
  QVERIFY(b->isChecked());
  QTest::keyClick(b, Qt::Key_Up);
  QVERIFY(a->hasFocus());
  QVERIFY(a->isChecked());
}

void TestKeyboard::calculatorsFitTheDefaultSize_data() {
  QTest::addColumn<QStringList>("windows");  // opened in this order through the menu
  QTest::newRow("four package windows cascaded")
      << QStringList{"mnuReventaMon", "mnuReventaAnn", "mnuVeloxaMon", "mnuVeloxaAnn"};
  QTest::newRow("annual") << QStringList{"mnuAnnual"};
  QTest::newRow("monthly") << QStringList{"mnuMonthly"};
  QTest::newRow("fortnightly") << QStringList{"mnuFortNight"};
  QTest::newRow("weekly") << QStringList{"mnuWeekly"};
  QTest::newRow("daily") << QStringList{"mnuDaily"};
  QTest::newRow("QuickTax") << QStringList{"QuickTax"};
  QTest::newRow("travel allowance") << QStringList{"mnuCarAll1"};
  QTest::newRow("company car") << QStringList{"mnuCompCar"};
  QTest::newRow("loans") << QStringList{"mnuLoans"};
  QTest::newRow("four finance windows cascaded") << QStringList{
      "mnuInflationProject", "mnuLoansBuster", "mnuLoansComparison", "mnuDailyBalance"};
  QTest::newRow("loan buster") << QStringList{"mnuLoansBuster"};
  QTest::newRow("loan comparison") << QStringList{"mnuLoansComparison"};
}

void TestKeyboard::calculatorsFitTheDefaultSize() {
  QFETCH(QStringList, windows);
  TestApp app;
  // The size the main window takes on a 1366 x 768 screen with a task bar.
  bool maximise = true;
  app.window->resize(MainWindow::DefaultSize(QSize(1366, 738), &maximise));
  QVERIFY(!maximise);
  for (const QString& item : windows) app.window->findChild<QAction*>(item)->trigger();
  QApplication::processEvents();
  QMdiSubWindow* front = app.window->area()->activeSubWindow();
  QVERIFY(front != nullptr);
  Snapshot(app.window.get(),
           QStringLiteral("fits-") + QString::fromLatin1(QTest::currentDataTag()));
  const QRect room = app.window->area()->viewport()->rect();
  for (QMdiSubWindow* frame : app.window->area()->subWindowList()) {
    QVERIFY2(room.contains(frame->geometry()), qPrintable(frame->widget()->objectName()));
  }
  // Every button of the window in front is visible, none covered by the frame's edge.
  for (QPushButton* button : front->widget()->findChildren<QPushButton*>()) {
    if (!button->isVisibleTo(front->widget())) continue;
    const QRect at(button->mapTo(front->widget(), QPoint(0, 0)), button->size());
    QVERIFY2(front->widget()->rect().contains(at), qPrintable(button->objectName()));
  }
}

void TestKeyboard::aCalculatorTooTallScrollsToTheFocus() {
  TestApp app;
  // A screen smaller than the windows: the main window is maximised into it.
  bool maximise = false;
  const QSize room = MainWindow::DefaultSize(QSize(800, 480), &maximise);
  QVERIFY(maximise);
  app.window->resize(room);
  app.window->findChild<QAction*>(QStringLiteral("mnuVeloxaAnn"))->trigger();
  QWidget* w = app.window->findCalculator(QStringLiteral("frmVeloxaAnn"));
  QWidget* viewport = app.window->area()->viewport();
  for (const char* name : {"cmdOk", "txtOtherDet_3", "numAge"}) {
    QWidget* target = Child(w, QString::fromLatin1(name));
    target->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const QRect at(target->mapTo(viewport, QPoint(0, 0)), target->size());
    QVERIFY2(viewport->rect().contains(at), name);
  }
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
