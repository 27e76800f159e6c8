// A numeric edit field: whole numbers or decimals within a minimum and maximum.
// It takes the leading number of its text as its value on every change (0 when
// there is none), refuses keystrokes that would leave its limits (and says so
// through entryRefused), and shows amounts with a space between thousands once
// the user leaves it. Output fields are read-only and not tab stops.
#pragma once

#include <QLineEdit>
#include <optional>

namespace reventa {

class NumericField : public QLineEdit {
  Q_OBJECT

 public:
  explicit NumericField(QWidget* parent = nullptr);

  // Whole numbers (0 decimals) or the given number of decimals.
  void setDecimals(int decimals);
  int decimals() const { return decimals_; }
  void setRange(double minimum, double maximum);
  double minimum() const { return minimum_; }
  double maximum() const { return maximum_; }
  // Spaces between thousands in the shown text (amounts); off for ages and counts.
  void setGrouped(bool grouped);
  // Accepts any text; the value is still its leading number. For the fields whose
  // text is read when the user leaves them.
  void setFreeText(bool freeText);
  // A result field: read-only, not a tab stop, shown with the field's decimals.
  void setOutput(bool output);

  double value() const { return value_; }
  // Shows the value in the field's format; emits valueChanged when it differs.
  void setValue(double value);
  // The shown text read back as a number: a result "as shown" (two decimals).
  double shownValue() const;

 Q_SIGNALS:
  void valueChanged(double value);
  // A keystroke or paste was refused because it would leave the field's limits.
  void entryRefused(const QString& rejectedText);
  // The user left the field (focus moved on).
  void left();

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  class Validator;
  void onTextChanged(const QString& text);
  QString format(double value) const;
  bool acceptable(const QString& text) const;

  int decimals_ = 2;
  double minimum_ = 0;
  double maximum_ = 99999999.99;
  bool grouped_ = true;
  bool freeText_ = false;
  bool output_ = false;
  double value_ = 0;
  // The text of the last refused entry, while a keystroke is handled.
  mutable std::optional<QString> refused_;
};

}  // namespace reventa
