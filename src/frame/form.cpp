#include "frame/form.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QRegularExpression>

#include "frame/calculator_window.h"
#include "taxyear/numbers.h"
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

void Form::configure(NumericField* field, const FieldSpec& spec, int decimals) const {
  field->setObjectName(QString::fromLatin1(spec.name));
  field->setDecimals(decimals);
  field->setGrouped(spec.look == FieldLook::Amount || spec.look == FieldLook::Distance);
  if (spec.look == FieldLook::Rate) field->setKindName(QStringLiteral("Percentage"));
  if (spec.look == FieldLook::Distance) field->setKindName(QStringLiteral("Whole kilometres"));
  field->setFreeText(spec.freeText);
  if (spec.width > 0) {
    field->setFixedWidth(spec.width);
  } else {
    field->setMinimumWidth(fieldWidth_);
  }
  const QString accessible = spec.accessible != nullptr
                                 ? QString::fromUtf8(spec.accessible)
                                 : AccessibleName(QString::fromUtf8(spec.caption));
  field->setAccessibleName(accessible);
}

NumericField* Form::makeInput(const FieldSpec& spec, const InputRange& range) {
  auto* field = new NumericField(&window_);
  configure(field, spec, range.Decimals);
  field->setRange(range.Min, range.Max);
  // The input's key in its range table, by which a test finds the field of a key.
  field->setProperty(kInputKeyProperty, QString::fromLatin1(range.Key));
  window_.addToTabOrder(field);
  window_.calculateOnEnter(field);
  if (range.Title != nullptr && range.Text != nullptr) {
    CalculatorWindow* window = &window_;
    QObject::connect(
        field, &NumericField::entryRefused, field, [window, field, range](const QString& rejected) {
          // Only a number outside the limits has the message; a decimal
          // too many is only refused.
          if (range.Contains(LeadingNumber(rejected.toStdString()))) return;
          window->refuse(field, QString::fromUtf8(range.Title), QString::fromUtf8(range.Text));
        });
  }
  return field;
}

NumericField* Form::makeResult(const FieldSpec& spec) {
  auto* field = new NumericField(&window_);
  configure(field, spec, spec.decimals);
  field->setOutput(true);
  // Results can be larger than any input and negative.
  field->setRange(-1e300, 1e300);
  return field;
}

NumericField* Form::input(const FieldSpec& spec, const InputRange& range) {
  NumericField* field = makeInput(spec, range);
  place(spec, field);
  return field;
}

NumericField* Form::result(const FieldSpec& spec) {
  NumericField* field = makeResult(spec);
  place(spec, field);
  return field;
}

DateField* Form::date(const FieldSpec& spec, const InputRange& range) {
  auto* field = new DateField(&window_);
  field->setObjectName(QString::fromLatin1(spec.name));
  field->setRange(range.Min, range.Max);
  field->setAccessibleName(spec.accessible != nullptr
                               ? QString::fromUtf8(spec.accessible)
                               : AccessibleName(QString::fromUtf8(spec.caption)));
  if (spec.width > 0) field->setFixedWidth(spec.width);
  window_.addToTabOrder(field);
  window_.calculateOnEnter(field);
  place(spec, field);
  return field;
}

QLabel* Form::place(const FieldSpec& spec, QWidget* field) {
  QLabel* caption = nullptr;
  if (*spec.caption != '\0') {
    caption = new QLabel(QString::fromUtf8(spec.caption), &window_);
    caption->setObjectName(QStringLiteral("lbl_") + field->objectName());
    caption->setBuddy(field);
    grid_->addWidget(caption, row_, columns_.caption);
  }
  if (*spec.mark != '\0') {
    grid_->addWidget(new QLabel(QString::fromUtf8(spec.mark), &window_), row_, columns_.mark,
                     Qt::AlignRight);
  }
  grid_->addWidget(field, row_, columns_.field, spec.align);
  if (*spec.unit != '\0') {
    auto* unit = new QLabel(QString::fromUtf8(spec.unit), &window_);
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
