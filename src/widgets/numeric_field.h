// SPDX-License-Identifier: GPL-3.0-or-later
// A numeric edit field: whole numbers or decimals within a minimum and maximum.
// It reads its text as a number on every change (0 when there is none), takes a
// decimal point or a decimal comma, refuses keystrokes and pastes that would leave
// its limits or are no part of a number (with a beep, a hint at the field and
// entryRefused; the text and its selection stay as they were), and shows amounts
// with a space between thousands once the user leaves it or presses Enter. Output
// fields are read-only and not tab stops.
#pragma once

#include <QLineEdit>
#include <optional>

namespace reventa {

class NumericField : public QLineEdit {
  Q_OBJECT

 public:
  explicit NumericField(QWidget* parent = nullptr);

  // Whole numbers (0 decimals) or the given number of decimals. A whole-number
  // field still takes a typed or pasted fraction and holds it rounded half to even;
  // a field with decimals refuses one decimal too many typed and rounds a paste.
  void setDecimals(int decimals);
  int decimals() const { return decimals_; }
  void setRange(double minimum, double maximum);
  double minimum() const { return minimum_; }
  double maximum() const { return maximum_; }
  // Spaces between thousands in the shown text (amounts); off for ages and counts.
  void setGrouped(bool grouped);
  // Takes the units a rate is written with after its number, which is the value
  // ("12,5%" reads 12.5, "12% p.a." 12); the number itself is held to the same
  // limits, and anything else after it is refused as in any field.
  void setFreeText(bool freeText);
  // A result field: read-only, not a tab stop, shown with the field's decimals.
  void setOutput(bool output);
  // What the field holds, as its refusal hint names it ("Percentage"). Without a
  // name the hint says "Whole rands", "Rands and cents", "Whole numbers" or
  // "Numbers" from the decimals and grouping.
  void setKindName(const QString& name);
  // The hint shown at the field when it refuses an entry: what it takes and its
  // limits, e.g. "Whole rands, 0 to 99 999 999".
  QString entryHint() const;

  // The value the field holds: what its text reads, converted to its decimals, so
  // that a whole-number field reports 15000 while "15000.50" is still being typed.
  double value() const { return value_; }
  // Shows the value in the field's format; emits valueChanged when it differs.
  void setValue(double value);
  // The shown text read back as the field reads it: a result "as shown" (to its
  // decimals), or a whole-number entry still being typed, rounded.
  double shownValue() const;
  // The value a text holds in this field (its leading number, to the decimals).
  double valueOf(const QString& text) const;

 Q_SIGNALS:
  void valueChanged(double value);
  // A keystroke or paste was refused: it would leave the field's limits or is no
  // part of a number.
  void entryRefused(const QString& rejectedText);
  // The user left the field (focus moved on).
  void left();

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  class Validator;
  void onTextChanged(const QString& text);
  QString format(double value) const;
  QString formatLimit(double limit) const;
  // The validator's work: normalises the number in the text (blanks to spaces, a
  // decimal comma to a point, a pasted fraction rounded to the field's decimals)
  // and says whether the field takes it.
  bool take(QString& text, int& cursor) const;
  // Shows the held value in the field's format, without changing it.
  void showHeldValue();
  // Around every edit by the user: a refusal during it is cued and reported.
  void beginEntry(bool typing);
  void endEntry();

  int decimals_ = 2;
  double minimum_ = 0;
  double maximum_ = 99999999.99;
  bool grouped_ = true;
  bool freeText_ = false;
  bool output_ = false;
  QString kindName_;
  double value_ = 0;
  // True while a keystroke is handled: a typed decimal beyond the field's is
  // refused, where a pasted one is rounded.
  bool typing_ = false;
  // The text of the last refused entry, while an edit is handled.
  mutable std::optional<QString> refused_;
};

}  // namespace reventa
