// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/vehicle/ui/travel_escape_memory.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "widgets/date_field.h"
#include "widgets/numeric_field.h"

namespace reventa {

TravelEscapeMemory::TravelEscapeMemory(QObject* parent) : QObject(parent) {
  // Anything else taking the focus (a button, an option, a box) has number 0.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (!numbers_.contains(now)) focusNumber_ = 0;
  });
}

void TravelEscapeMemory::add(QLineEdit* field, int focusNumber) {
  numbers_.insert(field, focusNumber);
  fields_.insert(focusNumber, field);
  field->installEventFilter(this);
}

bool TravelEscapeMemory::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    focusNumber_ = numbers_.value(watched, 0);
    if (auto* number = qobject_cast<NumericField*>(watched)) value_ = number->value();
    if (auto* date = qobject_cast<DateField*>(watched)) value_ = date->value();
    if (auto* text = qobject_cast<QLineEdit*>(watched)) text_ = text->text();
  } else if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
      restore();
      return true;
    }
  }
  return false;
}

void TravelEscapeMemory::restore() {
  QLineEdit* field = fields_.value(focusNumber_);
  if (field == nullptr || field->isReadOnly()) return;
  if (auto* number = qobject_cast<NumericField*>(field)) {
    number->setValue(value_);
    number->selectAll();
  } else if (auto* date = qobject_cast<DateField*>(field)) {
    date->setValue(value_);
  } else {
    field->setText(text_);
  }
  field->setFocus();
}

}  // namespace reventa
