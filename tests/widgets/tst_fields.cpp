// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric and date fields as a user types into them.
#include <QClipboard>
#include <QMenu>
#include <QSignalSpy>
#include <QToolTip>
#include <QtTest>

#include "taxyear/day_serial.h"
#include "widgets/date_field.h"
#include "widgets/numeric_field.h"

using namespace reventa;

class TestFields : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init();
  void cleanup();
  void numericTakesEveryChange();
  void numericRefusesWhatLeavesItsLimits_data();
  void numericRefusesWhatLeavesItsLimits();
  void numericFormatsOnLeaving();
  void numericReadsSeparatorsFractionsAndPastes_data();
  void numericReadsSeparatorsFractionsAndPastes();
  void freeTextReadsTheLeadingNumber();
  void menuPasteRefusedKeepsTheSelection_data();
  void menuPasteRefusedKeepsTheSelection();
  void outputFieldsAreNotTabStops();
  void dateTakesCompleteDatesOnly();
  void dateRefusesOnLeaving_data();
  void dateRefusesOnLeaving();

 private:
  QWidget* window_ = nullptr;
  NumericField* number_ = nullptr;
  DateField* date_ = nullptr;
  QLineEdit* other_ = nullptr;
};

void TestFields::init() {
  window_ = new QWidget;
  number_ = new NumericField(window_);
  date_ = new DateField(window_);
  other_ = new QLineEdit(window_);
  date_->move(0, 40);
  other_->move(0, 80);
  window_->show();
  window_->activateWindow();
  QApplication::setActiveWindow(window_);
  QVERIFY(QTest::qWaitForWindowActive(window_));
}

void TestFields::cleanup() {
  delete window_;
  window_ = nullptr;
}

void TestFields::numericTakesEveryChange() {
  QSignalSpy changed(number_, &NumericField::valueChanged);
  number_->setFocus();
  number_->selectAll();
  QTest::keyClicks(number_, QStringLiteral("1234.5"));
  QCOMPARE(number_->value(), 1234.5);
  QCOMPARE(changed.size(), 5);  // 1, 12, 123, 1234, 1234.5: the point alone changes nothing
  QCOMPARE(changed.last().first().toDouble(), 1234.5);
}

void TestFields::numericRefusesWhatLeavesItsLimits_data() {
  QTest::addColumn<int>("decimals");
  QTest::addColumn<double>("maximum");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<double>("value");
  QTest::addColumn<int>("refusals");
  QTest::addColumn<double>("minimum");
  QTest::newRow("above the maximum") << 0 << 999.0 << "1000" << 100.0 << 1 << 0.0;
  QTest::newRow("a third decimal") << 2 << 99999999.99 << "1.234" << 1.23 << 1 << 0.0;
  QTest::newRow("a point in a whole field rounds") << 0 << 99.0 << "2.5" << 2.0 << 0 << 0.0;
  QTest::newRow("letters") << 2 << 100.0 << "1a2" << 12.0 << 1 << 0.0;
  QTest::newRow("minus where no negatives") << 2 << 100.0 << "-5" << 5.0 << 1 << 0.0;
  QTest::newRow("refused in the middle") << 0 << 999.0 << "99x9" << 999.0 << 1 << 0.0;
  QTest::newRow("within limits") << 2 << 24.0 << "24" << 24.0 << 0 << 0.0;
  QTest::newRow("on a negative minimum") << 3 << 40.0 << "-5" << -5.0 << 0 << -5.0;
  QTest::newRow("below a negative minimum") << 3 << 40.0 << "-5.1" << -5.0 << 1 << -5.0;
  QTest::newRow("two digits below a negative minimum") << 3 << 40.0 << "-12" << -1.0 << 1 << -5.0;
}

void TestFields::numericRefusesWhatLeavesItsLimits() {
  QFETCH(int, decimals);
  QFETCH(double, maximum);
  QFETCH(QString, typed);
  QFETCH(double, value);
  QFETCH(int, refusals);
  QFETCH(double, minimum);
  number_->setDecimals(decimals);
  number_->setGrouped(false);
  number_->setRange(minimum, maximum);
  QSignalSpy refused(number_, &NumericField::entryRefused);
  number_->setFocus();
  number_->selectAll();
  QTest::keyClicks(number_, typed);
  QCOMPARE(refused.size(), refusals);
  // The value is always what the field shows, never the refused text.
  QCOMPARE(number_->value(), value);
  QCOMPARE(number_->shownValue(), value);
}

void TestFields::numericFormatsOnLeaving() {
  QSignalSpy left(number_, &NumericField::left);
  number_->setFocus();
  number_->selectAll();
  QTest::keyClicks(number_, QStringLiteral("1234567.5"));
  other_->setFocus();
  QCOMPARE(left.size(), 1);
  QCOMPARE(number_->text(), QStringLiteral("1 234 567.50"));
  QCOMPARE(number_->value(), 1234567.5);
  // A result keeps its full value; the text shows it to the cent.
  number_->setValue(4783.075);
  QCOMPARE(number_->text(), QStringLiteral("4 783.08"));
  QCOMPARE(number_->value(), 4783.075);
  QCOMPARE(number_->shownValue(), 4783.08);
}

namespace {

// The kinds of numeric field the windows use, and the hint each gives.
struct FieldKind {
  int decimals;
  bool grouped;
  double maximum;
  bool freeText;
  const char* hint;
};

const QMap<QString, FieldKind> kKinds = {
    {"whole rands", {0, true, 99999999, false, "Whole rands, 0 to 99 999 999"}},
    {"rands and cents", {2, true, 99999999.99, false, "Rands and cents, 0 to 99 999 999.99"}},
    {"count", {0, false, 999, false, "Whole numbers, 0 to 999"}},
    {"percentage", {3, false, 100, true, "Percentage, 0 to 100, up to 3 decimals"}},
};

// How the text goes in, and how the user finishes with the field.
enum How { Typed, CtrlV, Menu };
enum Finish { Leave, Enter };

// Pastes with the field's context menu, opened from the keyboard.
bool PasteFromTheMenu(QLineEdit* field) {
  QContextMenuEvent open(QContextMenuEvent::Keyboard, QPoint(2, 2),
                         field->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(field, &open);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  if (menu == nullptr) return false;
  const auto actions = menu->actions();
  const auto paste = std::find_if(actions.begin(), actions.end(), [](QAction* a) {
    return a->text().startsWith(QLatin1String("&Paste"));
  });
  if (paste == actions.end()) return false;
  (*paste)->trigger();
  menu->close();
  return true;
}

}  // namespace

void TestFields::numericReadsSeparatorsFractionsAndPastes_data() {
  QTest::addColumn<QString>("kind");
  QTest::addColumn<How>("how");
  QTest::addColumn<QString>("entered");
  QTest::addColumn<double>("value");  // held while still in the field
  QTest::addColumn<int>("refusals");
  QTest::addColumn<Finish>("finish");
  QTest::addColumn<QString>("shown");  // after leaving, or as returnPressed sees it
  const QString nbsp = QString(QChar(0x00A0));
  const QString narrow = QString(QChar(0x202F));
  QTest::newRow("whole rands, cents typed: half to even down")
      << QStringLiteral("whole rands") << Typed << "15000.50" << 15000.0 << 0 << Leave << "15 000";
  QTest::newRow("whole rands, .51 typed: up")
      << QStringLiteral("whole rands") << Typed << "15000.51" << 15001.0 << 0 << Enter << "15 001";
  QTest::newRow("whole rands, half typed: half to even up")
      << QStringLiteral("whole rands") << Typed << "15001.5" << 15002.0 << 0 << Leave << "15 002";
  QTest::newRow("whole rands, decimal comma typed")
      << QStringLiteral("whole rands") << Typed << "15000,50" << 15000.0 << 0 << Enter << "15 000";
  QTest::newRow("whole rands, fraction pasted from the menu")
      << QStringLiteral("whole rands") << Menu << "2 500.5" << 2500.0 << 0 << Leave << "2 500";
  QTest::newRow("whole rands, narrow no-break spaces pasted")
      << QStringLiteral("whole rands") << CtrlV << "1" + narrow + "234" + narrow + "567"
      << 1234567.0 << 0 << Leave << "1 234 567";
  QTest::newRow("rands and cents, decimal comma typed")
      << QStringLiteral("rands and cents") << Typed << "3500,75" << 3500.75 << 0 << Leave
      << "3 500.75";
  QTest::newRow("rands and cents, third decimal pasted: half to even")
      << QStringLiteral("rands and cents") << CtrlV << "12.125" << 12.12 << 0 << Leave << "12.12";
  QTest::newRow("rands and cents, spaces pasted")
      << QStringLiteral("rands and cents") << CtrlV << "12 345.67" << 12345.67 << 0 << Leave
      << "12 345.67";
  QTest::newRow("rands and cents, no-break space and comma pasted from the menu")
      << QStringLiteral("rands and cents") << Menu << "12" + nbsp + "345,67" << 12345.67 << 0
      << Enter << "12 345.67";
  QTest::newRow("rands and cents, two separators pasted: refused")
      << QStringLiteral("rands and cents") << CtrlV << "1,234.56" << 0.0 << 1 << Leave << "0.00";
  QTest::newRow("whole rands, two separators from the menu: refused")
      << QStringLiteral("whole rands") << Menu << "1.234,5" << 0.0 << 1 << Leave << "0";
  QTest::newRow("rands and cents, second separator typed: refused")
      << QStringLiteral("rands and cents") << Typed << "1.2,3" << 1.23 << 1 << Leave << "1.23";
  QTest::newRow("count, 999.4 is 999: within the maximum")
      << QStringLiteral("count") << Typed << "999.4" << 999.0 << 0 << Enter << "999";
  QTest::newRow("count, 999.5 is 1000: refused")
      << QStringLiteral("count") << Typed << "999.5" << 999.0 << 1 << Leave << "999";
  QTest::newRow("percentage, decimal comma in free text")
      << QStringLiteral("percentage") << Typed << "12,5%" << 12.5 << 0 << Leave << "12.500";
  QTest::newRow("percentage, second separator typed: refused")
      << QStringLiteral("percentage") << Typed << "1,2,5" << 1.25 << 1 << Leave << "1.250";
  QTest::newRow("percentage, fourth decimal typed: refused")
      << QStringLiteral("percentage") << Typed << "2.3456" << 2.345 << 1 << Enter << "2.345";
}

void TestFields::numericReadsSeparatorsFractionsAndPastes() {
  QFETCH(QString, kind);
  QFETCH(How, how);
  QFETCH(QString, entered);
  QFETCH(double, value);
  QFETCH(int, refusals);
  QFETCH(Finish, finish);
  QFETCH(QString, shown);
  const FieldKind k = kKinds.value(kind);
  number_->setDecimals(k.decimals);
  number_->setGrouped(k.grouped);
  number_->setRange(0, k.maximum);
  number_->setFreeText(k.freeText);
  if (kind == QLatin1String("percentage")) number_->setKindName(QStringLiteral("Percentage"));
  QCOMPARE(number_->entryHint(), QString::fromUtf8(k.hint));

  QSignalSpy refused(number_, &NumericField::entryRefused);
  QString textAtReturn;
  double valueAtReturn = -1;
  connect(number_, &QLineEdit::returnPressed, this, [&] {
    textAtReturn = number_->text();
    valueAtReturn = number_->value();
  });
  QToolTip::hideText();
  QTRY_VERIFY(!QToolTip::isVisible());
  number_->setFocus();
  number_->selectAll();
  if (how == Typed) {
    QTest::keyClicks(number_, entered);
  } else {
    QGuiApplication::clipboard()->setText(entered);
    if (how == CtrlV) {
      QTest::keyClick(number_, Qt::Key_V, Qt::ControlModifier);
    } else {
      QVERIFY(PasteFromTheMenu(number_));
    }
  }
  QCOMPARE(refused.size(), refusals);
  // A refusal is never silent: the hint shows at the field.
  if (refusals > 0) QCOMPARE(QToolTip::text(), number_->entryHint());
  QCOMPARE(number_->value(), value);

  if (finish == Enter) {
    QTest::keyClick(number_, Qt::Key_Return);
    QCOMPARE(textAtReturn, shown);
    QCOMPARE(valueAtReturn, value);
  } else {
    other_->setFocus();
    QCOMPARE(number_->text(), shown);
  }
  QCOMPARE(number_->value(), value);
  QCOMPARE(number_->shownValue(), value);
}

void TestFields::freeTextReadsTheLeadingNumber() {
  number_->setFreeText(true);
  number_->setGrouped(false);
  number_->setDecimals(3);
  number_->setFocus();
  number_->selectAll();
  QSignalSpy refused(number_, &NumericField::entryRefused);
  QTest::keyClicks(number_, QStringLiteral("12 % P.A."));
  QCOMPARE(number_->value(), 12.0);
  QCOMPARE(refused.size(), 0);
  // Letters other than the unit's are refused, and none takes the place of the number.
  QTest::keyClicks(number_, QStringLiteral("abc"));
  QCOMPARE(number_->text(), QStringLiteral("12 % P.A."));
  number_->selectAll();
  QTest::keyClicks(number_, QStringLiteral("%"));
  QCOMPARE(number_->value(), 12.0);
  QCOMPARE(refused.size(), 4);
}

void TestFields::menuPasteRefusedKeepsTheSelection_data() {
  QTest::addColumn<bool>("date");
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("shown");  // empty: refused, the text and selection kept
  QTest::newRow("number: blanks") << false << " \t "
                                  << "";
  QTest::newRow("date: words") << true << "tomorrow"
                               << "";
  QTest::newRow("date: a date between blanks") << true << " 15/06/2023 "
                                               << "15/06/2023";
}

void TestFields::menuPasteRefusedKeepsTheSelection() {
  QFETCH(bool, date);
  QFETCH(QString, pasted);
  QFETCH(QString, shown);
  date_->setValue(45000);
  number_->setValue(60000);
  QLineEdit* field = date ? static_cast<QLineEdit*>(date_) : number_;
  const QString before = field->text();
  field->setFocus();
  field->selectAll();
  QGuiApplication::clipboard()->setText(pasted);
  QVERIFY(PasteFromTheMenu(field));
  QCOMPARE(field->text(), shown.isEmpty() ? before : shown);
  if (shown.isEmpty()) {
    QCOMPARE(field->selectedText(), before);
    QCOMPARE(QToolTip::text(), date ? date_->entryHint() : number_->entryHint());
  }
}

void TestFields::outputFieldsAreNotTabStops() {
  number_->setOutput(true);
  QVERIFY(number_->isReadOnly());
  QCOMPARE(number_->focusPolicy(), Qt::NoFocus);
}

void TestFields::dateTakesCompleteDatesOnly() {
  date_->setRange(44986, 45351);
  date_->setValue(44986);
  QCOMPARE(date_->text(), QStringLiteral("01/03/2023"));
  QSignalSpy changed(date_, &DateField::valueChanged);
  date_->setFocus();
  date_->selectAll();
  QTest::keyClicks(date_, QStringLiteral("15062023"));
  QCOMPARE(date_->text(), QStringLiteral("15/06/2023"));
  QCOMPARE(date_->value(), SerialFromDate({2023, 6, 15}));
  QCOMPARE(changed.size(), 1);
  DateField blank;
  QCOMPARE(blank.value(), BlankDate);
}

void TestFields::dateRefusesOnLeaving_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<int>("why");
  QTest::newRow("not a date") << "31022024" << int(DateField::Refusal::Invalid);
  QTest::newRow("half typed") << "0503" << int(DateField::Refusal::Invalid);
  QTest::newRow("after the tax year") << "05032024" << int(DateField::Refusal::OutOfRange);
  QTest::newRow("before the tax year") << "28022023" << int(DateField::Refusal::OutOfRange);
}

void TestFields::dateRefusesOnLeaving() {
  QFETCH(QString, typed);
  QFETCH(int, why);
  date_->setRange(44986, 45351);
  date_->setValue(45000);
  QSignalSpy refused(date_, &DateField::refused);
  date_->setFocus();
  date_->selectAll();
  QTest::keyClicks(date_, typed);
  other_->setFocus();
  QCOMPARE(refused.size(), 1);
  QCOMPARE(refused.first().first().value<DateField::Refusal>(), DateField::Refusal(why));
  // The field goes back to its last good date.
  QCOMPARE(date_->value(), 45000.0);
  QCOMPARE(date_->text(), QString::fromStdString(FormatDate(45000)));
}

QTEST_MAIN(TestFields)
#include "tst_fields.moc"
