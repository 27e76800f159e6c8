// The numeric and date fields as a user types into them.
#include <QSignalSpy>
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
  void freeTextReadsTheLeadingNumber();
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
  QTest::newRow("above the maximum") << 0 << 999.0 << "1000" << 100.0 << 1;
  QTest::newRow("a third decimal") << 2 << 99999999.99 << "1.234" << 1.23 << 1;
  QTest::newRow("a point in a whole field") << 0 << 99.0 << "2.5" << 25.0 << 1;
  QTest::newRow("letters") << 2 << 100.0 << "1a2" << 12.0 << 1;
  QTest::newRow("minus where no negatives") << 2 << 100.0 << "-5" << 5.0 << 1;
  QTest::newRow("refused in the middle") << 0 << 999.0 << "99x9" << 999.0 << 1;
  QTest::newRow("within limits") << 2 << 24.0 << "24" << 24.0 << 0;
}

void TestFields::numericRefusesWhatLeavesItsLimits() {
  QFETCH(int, decimals);
  QFETCH(double, maximum);
  QFETCH(QString, typed);
  QFETCH(double, value);
  QFETCH(int, refusals);
  number_->setDecimals(decimals);
  number_->setGrouped(false);
  number_->setRange(0, maximum);
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

void TestFields::freeTextReadsTheLeadingNumber() {
  number_->setFreeText(true);
  number_->setGrouped(false);
  number_->setDecimals(3);
  number_->setFocus();
  number_->selectAll();
  QTest::keyClicks(number_, QStringLiteral("12abc"));
  QCOMPARE(number_->text(), QStringLiteral("12abc"));
  QCOMPARE(number_->value(), 12.0);
  number_->selectAll();
  QTest::keyClicks(number_, QStringLiteral("abc"));
  QCOMPARE(number_->value(), 0.0);
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
