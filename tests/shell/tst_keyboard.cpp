// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard in the main window: access keys with a panel open and closed,
// the menu bar reached with F10 or Alt from any calculator, Enter calculating,
// every calculator fitting the main window at its default size, and the keys a
// user types in each window with what must hold afterwards.
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRadioButton>
#include <QtTest>

#include "support/test_app.h"
#include "widgets/date_field.h"
#include "widgets/numeric_field.h"

using namespace reventa;
using namespace reventa::test;

namespace {

QString Text(QWidget* w, const QString& name) { return Child<QLineEdit>(w, name)->text(); }

bool IsOpen(MainWindow& main, const QString& window) {
  return main.findCalculator(window) != nullptr;
}

// A window, the keys a user types there and what must hold afterwards; the
// format is at keyScripts_data.
struct KeyScript {
  const char* name;
  const char* window;
  const char* keys;
  const char* holds;
};

const KeyScript kKeyScripts[] = {
    // Fields take only what they can hold; a rate its unit after the number.
    {"loans: an exponent in the principal is refused", "frmLoans", "@numPrinAmount type=1e5 Tab",
     "numPrinAmount.text=15.00 refused=1 messages=0"},
    {"loans: a thousand pasted as 100,000 is refused", "frmLoans",
     "@numPrinAmount type=5000 Tab Shift+Tab paste=100,000 Tab",
     "numPrinAmount.text=\"5 000.00\" refused=1"},
    {"loans: the rate reads 12 before its unit", "frmLoans", "@numIntRate type=\"12% p.a.\" Tab",
     "numIntRate.text=12.000 refused=0"},
    {"loans: a second number after the rate's unit is refused", "frmLoans",
     "@numIntRate type=\"12% 5\" Tab", "numIntRate.text=12.000 refused=1"},
    {"loans: 50,5 pasted into the rate has the rate message", "frmLoans", "@numIntRate paste=50,5",
     "messages=1 focus=numIntRate"},
    {"loan buster: an exponent in the extra payment is refused", "frmLoanBuster",
     "@numXtraPay type=1e3 Tab", "numXtraPay.text=13.00 refused=1"},
    // A refused key or paste leaves the field's text and selection as they were.
    {"travel allowance: Space keeps the selected allowance", "frmCarAll1",
     "@silgEdit2 type=60000 Tab Shift+Tab Space",
     "silgEdit2.selectedText=\"60 000\" refused=1 messages=0"},
    {"travel allowance: words pasted keep the start date", "frmCarAll1",
     "@dtCarAlStartDate Ctrl+A paste=\"next week\" Tab",
     "dtCarAlStartDate.text=01/03/2023 refused=1 messages=0"},
    {"daily balance: Space keeps the selected end date", "frmDayBal",
     "@dtStartDate type=01032023 @dtEndDate type=31032023 Ctrl+A Space Tab",
     "dtEndDate.text=31/03/2023 refused=1 messages=0"},
    // The arrow keys go through the loan's modes; Tab and Enter leave for the fields.
    {"loans: the arrows choose the mode and keep the focus", "frmLoans",
     "@optLoanCalc_0 Down Down Down",
     "focus=optLoanCalc_3 numIntRate.readOnly=true Label12_1.text=\"Interest rate\""},
    {"loans: Tab from the modes goes to the first field", "frmLoans", "@optLoanCalc_0 Down Tab",
     "focus=numPeriod numPrinAmount.readOnly=true"},
    {"loans: Enter on a mode goes to the first field", "frmLoans",
     "@optLoanCalc_0 Down Down Return", "focus=numPrinAmount optLoanCalc_2.checked=true"},
    {"loans: Tab from the last field goes on to Calculate", "frmLoans", "@numMonRePay Tab",
     "focus=cmdCalculate"},
    // Spin buttons are no tab stops: Tab goes from field to field, where Enter calculates.
    {"inflation: Tab goes from the period to the rate and Calculate", "frmInflation",
     "@numPeriod Tab Tab", "focus=cmdCalculate"},
    {"daily balance: Tab goes from the end date to the rate and Calculate", "frmDayBal",
     "@dtEndDate Tab Tab", "focus=cmdCalculate"},
    {"daily balance: Tab from the end date, then Enter calculates", "frmDayBal",
     "@numCapAmount type=100000 @numIntRate type=10 @dtStartDate type=01032023 "
     "@dtEndDate type=31032023 Tab Return",
     "numAnsDB1.text=821.92 focus=numIntRate messages=0"},
    // A shown-only figure is no tab stop; deleting a car is asked first.
    {"company car: Tab from the end date passes the days shown", "frmCompCar",
     "click=cmdAdd @txtCCRegNumber type=\"CA 1\" @dtCCEndDate Tab type=45000",
     "focus=numEndMileage numCCMonths.readOnly=true messages=0"},
    {"company car: Alt+D asks first and Enter keeps the car", "frmCompCar",
     "click=cmdAdd @txtCCRegNumber type=\"CA 1\" Alt+D",
     "messages=1 txtCCRegNumber.text=\"CA 1\" open=true"},
    // A print panel takes the focus and keeps Tab inside while it is open.
    {"travel allowance: the print panel opens in the name", "frmCarAll1", "@cmdPrint Space",
     "focus=Text3"},
    {"travel allowance: Tab goes round the print panel", "frmCarAll1",
     "@cmdPrint Space Tab Tab Tab Tab", "focus=Text3"},
    {"travel allowance: Shift+Tab from the name stays in the panel", "frmCarAll1",
     "@cmdPrint Space Shift+Tab", "focus=cmdCancel open=true"},
};

// Runs one step of a key script; false for a step that is none.
bool RunStep(QWidget* w, const QString& step) {
  QWidget* focus = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : w;
  const QString value = step.section(u'=', 1);
  if (step.startsWith(u'@')) {
    Focus(Child(w, step.mid(1)));
  } else if (step.startsWith(QLatin1String("type="))) {
    QTest::keyClicks(focus, value);
  } else if (step.startsWith(QLatin1String("paste="))) {
    QGuiApplication::clipboard()->setText(value);
    QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
  } else if (step.startsWith(QLatin1String("click="))) {
    QTest::mouseClick(Child(w, value), Qt::LeftButton);
  } else {
    const QKeySequence key(step);
    if (key.count() != 1 || key[0].key() == Qt::Key_unknown) return false;
    QTest::keyClick(focus, key[0].key(), key[0].keyboardModifiers());
    // An access key clicks its button with a short animation.
    if (key[0].keyboardModifiers() & Qt::AltModifier) QTest::qWait(300);
  }
  QApplication::processEvents();
  return true;
}

// What a check names, as the program shows it now.
QString Actual(TestApp& app, QWidget* w, const QString& what, int refused) {
  if (what == QLatin1String("open")) return w != nullptr ? "true" : "false";
  if (what == QLatin1String("messages")) return QString::number(app.messages.shown.size());
  if (what == QLatin1String("beeps")) return QString::number(app.messages.beeps);
  if (what == QLatin1String("refused")) return QString::number(refused);
  if (what == QLatin1String("focus")) {
    return QApplication::focusWidget() != nullptr ? QApplication::focusWidget()->objectName() : "";
  }
  if (w == nullptr) return QStringLiteral("(window closed)");
  const QByteArray property = what.section(u'.', 1).toLatin1();
  return Child(w, what.section(u'.', 0, 0))->property(property.constData()).toString();
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
  void keyScripts_data();
  void keyScripts();
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

// One row (kKeyScripts) per rule of the keyboard in a window, each in a fresh
// program. Both columns are words separated by blanks; a word with blanks in it
// is quoted ("12% p.a.").
// keys, run in order; keys go to the control with the focus:
//   @name          the control takes the focus as Tab gives it (a numeric field
//                  selects its text)
//   type=text      the text typed key by key
//   paste=text     the text put on the clipboard, then Ctrl+V
//   click=name     a mouse click on the control
//   Tab, Shift+Tab, Space, Return, Up, Alt+D, Ctrl+A ...: one key as
//                  QKeySequence spells it
// holds, each what=value:
//   name.property  a property of the control as text (text, checked, readOnly,
//                  selectedText, visible, enabled ...)
//   focus          the name of the control with the focus
//   messages       message boxes shown
//   refused        keys and pastes the window's fields refused with a beep and hint
//   beeps          the window's own beeps (a spin step that wraps)
//   open           the window still open: true or false
void TestKeyboard::keyScripts_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("keys");
  QTest::addColumn<QString>("holds");
  for (const KeyScript& row : kKeyScripts)
    QTest::newRow(row.name) << row.window << row.keys << row.holds;
}

void TestKeyboard::keyScripts() {
  QFETCH(QString, window);
  QFETCH(QString, keys);
  QFETCH(QString, holds);
  TestApp app;
  QWidget* w = app.openAtDefaultSize(window);
  int refused = 0;
  for (NumericField* field : w->findChildren<NumericField*>())
    connect(field, &NumericField::entryRefused, w, [&refused] { ++refused; });
  for (DateField* field : w->findChildren<DateField*>())
    connect(field, &DateField::entryRefused, w, [&refused] { ++refused; });
  for (const QString& step : QProcess::splitCommand(keys)) {
    QVERIFY2(RunStep(w, step), qPrintable(step));
    if (app.window->findCalculator(window) == nullptr) break;
  }
  Snapshot(app.window.get(),
           QStringLiteral("keys-") + QString::fromLatin1(QTest::currentDataTag()));
  w = app.window->findCalculator(window);
  for (const QString& check : QProcess::splitCommand(holds)) {
    const QString what = check.section(u'=', 0, 0);
    QCOMPARE(what + u'=' + Actual(app, w, what, refused), check);
  }
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
