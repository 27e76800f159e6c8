// SPDX-License-Identifier: GPL-3.0-or-later
// A date field in dd/mm/yyyy with a minimum and a maximum. Its value is a day
// serial; a blank field yields BlankDate. A complete, valid date within the
// limits becomes the value as soon as it is typed. When the user leaves the field
// (or presses Enter) with anything else, the field goes back to its last good
// date and reports the refusal, so the window can show its message and put the
// focus back. A key or paste that is no part of a date is refused at once, with
// a beep and a hint at the field, and leaves the text and its selection as they
// were.
#pragma once

#include <QLineEdit>

namespace reventa {

class DateField : public QLineEdit {
  Q_OBJECT

 public:
  enum class Refusal { Invalid, OutOfRange };

  explicit DateField(QWidget* parent = nullptr);

  void setRange(double minimum, double maximum);
  void setMinimum(double minimum) { minimum_ = minimum; }
  void setMaximum(double maximum) { maximum_ = maximum; }
  double minimum() const { return minimum_; }
  double maximum() const { return maximum_; }

  double value() const { return value_; }
  void setValue(double serial);

  // Checks the typed text now (as leaving the field does); false when refused.
  bool commit();

  // The hint shown at the field when it refuses a key: the form of a date and
  // the field's limits, e.g. "Dates as dd/mm/yyyy, 01/03/2023 to 29/02/2024".
  QString entryHint() const;

 Q_SIGNALS:
  void valueChanged(double serial);
  void refused(reventa::DateField::Refusal why, const QString& rejectedText);
  // The field received the focus (windows refresh bounds that follow another field).
  void entered();
  // A keystroke or paste was refused: it is no part of a date.
  void entryRefused(const QString& rejectedText);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void onTextEdited(const QString& text);
  // Pastes a date, or refuses text that is none.
  void pasteDate(const QString& text);
  void refuseEntry(const QString& rejected);

  double minimum_;
  double maximum_;
  double value_;
  bool checking_ = false;
};

}  // namespace reventa
