// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/date_field.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QToolTip>
#include <algorithm>

#include "taxyear/day_serial.h"

namespace reventa {
namespace {

// How long the refusal hint stays at the field.
constexpr int kHintMilliseconds = 3000;
// The field's own limits, before a window narrows them.
constexpr double kFirstDate = -657434;  // 01/01/100
constexpr double kLastDate = 2958465;   // 31/12/9999

bool IsDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

// What typing may put into the field: digits, and "/" to move on to the next
// part of the date. Over a selection "/" would only blank the selected date.
bool TypesIntoDate(const QString& text, bool overSelection) {
  for (const QChar c : text) {
    if (!IsDigit(c) && (c != QLatin1Char('/') || overSelection)) return false;
  }
  return true;
}

// Pasted or dropped text that can be a date: digits and "/" between blanks.
bool IsDateText(const QString& text) {
  const QString date = text.trimmed();
  return !date.isEmpty() && TypesIntoDate(date, false) &&
         std::any_of(date.begin(), date.end(), IsDigit);
}

// A key that types its text, as the line edit would insert it.
bool Types(const QKeyEvent& key) {
  const QString text = key.text();
  return !text.isEmpty() && text.at(0).isPrint() &&
         (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
}

}  // namespace

DateField::DateField(QWidget* parent)
    : QLineEdit(parent), minimum_(kFirstDate), maximum_(kLastDate), value_(BlankDate) {
  setInputMask(QStringLiteral("00/00/0000;_"));
  setPlaceholderText(QStringLiteral("dd/mm/yyyy"));
  connect(this, &QLineEdit::textEdited, this, &DateField::onTextEdited);
}

void DateField::setRange(double minimum, double maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
}

QString DateField::entryHint() const {
  QString hint = QStringLiteral("Dates as dd/mm/yyyy");
  if (minimum_ > kFirstDate || maximum_ < kLastDate) {
    hint += QStringLiteral(", ") + QString::fromStdString(FormatDate(minimum_)) +
            QStringLiteral(" to ") + QString::fromStdString(FormatDate(maximum_));
  }
  return hint;
}

void DateField::refuseEntry(const QString& rejected) {
  QApplication::beep();
  QToolTip::showText(mapToGlobal(QPoint(0, height())), entryHint(), this, QRect(),
                     kHintMilliseconds);
  Q_EMIT entryRefused(rejected);
}

void DateField::pasteDate(const QString& text) {
  if (isReadOnly()) return;
  if (IsDateText(text)) {
    insert(text.trimmed());
  } else {
    refuseEntry(text);
  }
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
  // The field's own context menu taking the focus is not the user leaving it:
  // checking now would show the date again and lose the selection to paste over.
  const QWidget* popup = QApplication::activePopupWidget();
  if (event->reason() == Qt::PopupFocusReason && popup != nullptr &&
      popup->parentWidget() == this) {
    return;
  }
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
  // The input mask alone would blank the selection before it turned the key
  // down. Checked here, a refused key leaves the date as it was.
  if (!isReadOnly() && event->matches(QKeySequence::Paste)) {
    pasteDate(QGuiApplication::clipboard()->text());
    event->accept();
    return;
  }
  if (!isReadOnly() && Types(*event) && !TypesIntoDate(event->text(), hasSelectedText())) {
    refuseEntry(event->text());
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void DateField::inputMethodEvent(QInputMethodEvent* event) {
  const QString typed = event->commitString();
  if (!isReadOnly() && !typed.isEmpty() && !TypesIntoDate(typed, hasSelectedText())) {
    refuseEntry(typed);
    event->accept();
    return;
  }
  QLineEdit::inputMethodEvent(event);
}

void DateField::dropEvent(QDropEvent* event) {
  const QString text = event->mimeData()->text();
  if (!isReadOnly() && !IsDateText(text)) {
    refuseEntry(text);
    event->ignore();
    return;
  }
  QLineEdit::dropEvent(event);
}

void DateField::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  // The menu's Paste checks the date as Ctrl+V does. The item is known by its
  // text, the line edit's own translation of it.
  for (QAction* action : menu->actions()) {
    if (!action->text().startsWith(QLineEdit::tr("&Paste"))) continue;
    action->disconnect(this);
    connect(action, &QAction::triggered, this,
            [this] { pasteDate(QGuiApplication::clipboard()->text()); });
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

}  // namespace reventa
