#include "widgets/date_field.h"

#include <QKeyEvent>

#include "taxyear/day_serial.h"

namespace reventa {

DateField::DateField(QWidget* parent) : QLineEdit(parent), value_(BlankDate) {
  setInputMask(QStringLiteral("00/00/0000;_"));
  setPlaceholderText(QStringLiteral("dd/mm/yyyy"));
  connect(this, &QLineEdit::textEdited, this, &DateField::onTextEdited);
}

void DateField::setRange(double minimum, double maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
}

void DateField::setValue(double serial) {
  setText(QString::fromStdString(FormatDate(serial)));
  if (serial != value_) {
    value_ = serial;
    Q_EMIT valueChanged(value_);
  }
}

void DateField::onTextEdited(const QString& text) {
  const auto parsed = ParseDate(text.toStdString());
  if (parsed && *parsed >= minimum_ && *parsed <= maximum_ && *parsed != value_) {
    value_ = *parsed;
    Q_EMIT valueChanged(value_);
  }
}

bool DateField::commit() {
  if (checking_) return true;
  const QString typed = text();
  const auto parsed = ParseDate(typed.toStdString());
  if (parsed && *parsed >= minimum_ && *parsed <= maximum_) {
    if (*parsed != value_) {
      value_ = *parsed;
      Q_EMIT valueChanged(value_);
    }
    setText(QString::fromStdString(FormatDate(value_)));
    return true;
  }
  // Back to the last good date before the window's message, which may move the
  // focus and so come back here: the flag keeps that from reporting twice.
  checking_ = true;
  setText(QString::fromStdString(FormatDate(value_)));
  Q_EMIT refused(parsed ? Refusal::OutOfRange : Refusal::Invalid, typed);
  checking_ = false;
  return false;
}

void DateField::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  Q_EMIT entered();
}

void DateField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (!isReadOnly()) commit();
}

void DateField::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // The window's default command runs only on a date the field accepts.
    if (!commit()) return;
    QLineEdit::keyPressEvent(event);
    event->ignore();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

}  // namespace reventa
