// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/form.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QRegularExpression>

#include "frame/calculator_window.h"
#include "widgets/date_field.h"

namespace reventa {

QString AccessibleName(const QString& caption) {
  QString name = caption;
  name.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  name.remove(QLatin1Char('&'));
  name.replace(QStringLiteral("\x01"), QStringLiteral("&"));
  name = name.simplified();
  if (name.endsWith(QLatin1Char(':'))) name = name.chopped(1).trimmed();
  if (name.endsWith(QLatin1String(" R"))) name.chop(2);
  return name;
}

void BindDate(DateField* field, std::function<void(double)> store) {
  QObject::connect(field, &DateField::valueChanged, field, std::move(store));
}

Form::Form(CalculatorWindow& window, QGridLayout* grid, FormColumns columns)
    : window_(window), grid_(grid), columns_(columns) {}

void Form::configure(NumericField* field, const FieldEntry& entry, int decimals) const {
  field->setObjectName(QString::fromLatin1(entry.name));
  field->setDecimals(decimals);
  field->setGrouped(entry.look == FieldLook::Amount || entry.look == FieldLook::Distance);
  if (entry.look == FieldLook::Rate) field->setKindName(QStringLiteral("Percentage"));
  if (entry.look == FieldLook::Distance) field->setKindName(QStringLiteral("Whole kilometres"));
  field->setFreeText(entry.freeText);
  if (entry.width > 0) {
    field->setFixedWidth(entry.width);
  } else {
    field->setMinimumWidth(fieldWidth_);
  }
  const QString accessible = entry.accessible != nullptr
                                 ? QString::fromUtf8(entry.accessible)
                                 : AccessibleName(QString::fromUtf8(entry.caption));
  field->setAccessibleName(accessible);
}

NumericField* Form::makeInput(const FieldEntry& entry, const InputRange& range) {
  auto* field = new NumericField(&window_);
  configure(field, entry, range.Decimals);
  field->setRange(range.Min, range.Max);
  // The input's key in its range table, by which a test finds the field of a key.
  field->setProperty(kInputKeyProperty, QString::fromLatin1(range.Key));
  window_.addToTabOrder(field);
  window_.calculateOnEnter(field);
  if (range.Title != nullptr && range.Text != nullptr) {
    CalculatorWindow* window = &window_;
    QObject::connect(
        field, &NumericField::entryRefused, field, [window, field, range](const QString& rejected) {
          // Only a number beyond the limits has the message, read as the field
          // reads it ("50,5" is 50.5); a decimal too many, a letter or a minus
          // in a field without negatives is only refused.
          const double typed = field->valueOf(rejected);
          const bool minus = range.Min >= 0 && typed < 0;
          if (range.Contains(typed) || minus) return;
          window->refuse(field, QString::fromUtf8(range.Title), QString::fromUtf8(range.Text));
        });
  }
  return field;
}

NumericField* Form::makeResult(const FieldEntry& entry) {
  auto* field = new NumericField(&window_);
  configure(field, entry, entry.decimals);
  field->setOutput(true);
  // Results can be larger than any input and negative.
  field->setRange(-1e300, 1e300);
  return field;
}

NumericField* Form::input(const FieldEntry& entry, const InputRange& range) {
  NumericField* field = makeInput(entry, range);
  place(entry, field);
  return field;
}

NumericField* Form::result(const FieldEntry& entry) {
  NumericField* field = makeResult(entry);
  place(entry, field);
  return field;
}

DateField* Form::date(const FieldEntry& entry, const InputRange& range) {
  auto* field = new DateField(&window_);
  field->setObjectName(QString::fromLatin1(entry.name));
  field->setRange(range.Min, range.Max);
  field->setAccessibleName(entry.accessible != nullptr
                               ? QString::fromUtf8(entry.accessible)
                               : AccessibleName(QString::fromUtf8(entry.caption)));
  if (entry.width > 0) field->setFixedWidth(entry.width);
  window_.addToTabOrder(field);
  window_.calculateOnEnter(field);
  place(entry, field);
  return field;
}

QLabel* Form::place(const FieldEntry& entry, QWidget* field) {
  QLabel* caption = nullptr;
  if (*entry.caption != '\0') {
    caption = new QLabel(QString::fromUtf8(entry.caption), &window_);
    caption->setObjectName(QStringLiteral("lbl_") + field->objectName());
    caption->setBuddy(field);
    grid_->addWidget(caption, row_, columns_.caption);
  }
  if (*entry.mark != '\0') {
    grid_->addWidget(new QLabel(QString::fromUtf8(entry.mark), &window_), row_, columns_.mark,
                     Qt::AlignRight);
  }
  grid_->addWidget(field, row_, columns_.field, entry.align);
  if (*entry.unit != '\0') {
    auto* unit = new QLabel(QString::fromUtf8(entry.unit), &window_);
    unit->setObjectName(QStringLiteral("lblUnit_") + field->objectName());
    grid_->addWidget(unit, row_, columns_.unit);
  }
  ++row_;
  return caption;
}

int Form::span() const { return columns_.unit - columns_.caption + 1; }

void Form::span(QWidget* widget, int columns) {
  grid_->addWidget(widget, row_++, columns_.caption, 1, columns < 0 ? span() + 1 : columns);
}

void Form::gap(int height) { grid_->setRowMinimumHeight(row_++, height); }

void Form::line() {
  auto* rule = new QFrame(&window_);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  grid_->addWidget(rule, row_++, columns_.caption, 1, span());
}

}  // namespace reventa
