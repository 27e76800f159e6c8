#include "widgets/numeric_field.h"

#include <QKeyEvent>
#include <QTimer>
#include <QValidator>
#include <cmath>

#include "taxyear/numbers.h"

namespace reventa {

// Refuses a keystroke or paste that would leave the field's limits, so the line
// edit keeps its text, selection and cursor as they were.
class NumericField::Validator : public QValidator {
 public:
  explicit Validator(NumericField* field) : QValidator(field), field_(field) {}

  State validate(QString& input, int&) const override {
    if (field_->acceptable(input)) return Acceptable;
    field_->refused_ = input;
    return Invalid;
  }

 private:
  NumericField* field_;
};

NumericField::NumericField(QWidget* parent) : QLineEdit(parent) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setText(format(0));
  setValidator(new Validator(this));
  connect(this, &QLineEdit::textChanged, this, &NumericField::onTextChanged);
}

void NumericField::setDecimals(int decimals) {
  decimals_ = decimals;
  setText(format(value_));
}

void NumericField::setRange(double minimum, double maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
}

void NumericField::setGrouped(bool grouped) {
  grouped_ = grouped;
  setText(format(value_));
}

void NumericField::setFreeText(bool freeText) {
  freeText_ = freeText;
  setValidator(freeText ? nullptr : new Validator(this));
}

void NumericField::setOutput(bool output) {
  output_ = output;
  setReadOnly(output);
  setFocusPolicy(output ? Qt::NoFocus : Qt::StrongFocus);
  QPalette p = palette();
  if (output) p.setColor(QPalette::Base, p.color(QPalette::Window).lighter(104));
  setPalette(p);
}

void NumericField::setValue(double value) {
  const QString shown = format(value);
  if (shown != text()) setText(shown);
  // The stored value is the value given, not the rounded text, so that a result
  // keeps its full precision for whoever reads it.
  if (value != value_) {
    value_ = value;
    Q_EMIT valueChanged(value_);
  }
}

double NumericField::shownValue() const { return LeadingNumber(text().toStdString()); }

QString NumericField::format(double value) const {
  if (!grouped_) {
    return QString::number(value, 'f', decimals_);
  }
  return QString::fromStdString(FormatAmount(value, decimals_));
}

bool NumericField::acceptable(const QString& text) const {
  if (freeText_ || output_) return true;
  // Digits, group spaces, one decimal point with at most decimals_ digits after
  // it, and a leading minus sign only where negative values are allowed.
  bool point = false;
  int fraction = 0;
  int digits = 0;
  for (int i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c.isDigit()) {
      ++digits;
      if (point) ++fraction;
    } else if (c == QLatin1Char('.') && !point && decimals_ > 0) {
      point = true;
    } else if (c == QLatin1Char('-') && i == 0 && minimum_ < 0) {
    } else if (c != QLatin1Char(' ')) {
      return false;
    }
  }
  if (fraction > decimals_) return false;
  const double v = LeadingNumber(text.toStdString());
  return v <= maximum_ && (v >= minimum_ || minimum_ <= 0 || digits == 0);
}

void NumericField::onTextChanged(const QString& text) {
  const double v = LeadingNumber(text.toStdString());
  if (v != value_) {
    value_ = v;
    Q_EMIT valueChanged(value_);
  }
}

void NumericField::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (!isReadOnly()) {
    // Select the whole text so that typing replaces it; deferred because the
    // mouse press that gave the focus would clear the selection again.
    QTimer::singleShot(0, this, [this] {
      if (hasFocus()) selectAll();
    });
  }
}

void NumericField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (!freeText_ && !isReadOnly()) {
    const QString shown = format(value_);
    if (shown != text()) {
      // Reformatting keeps the value; only the display changes.
      const QSignalBlocker block(this);
      setText(shown);
    }
  }
  Q_EMIT left();
}

void NumericField::keyPressEvent(QKeyEvent* event) {
  refused_.reset();
  QLineEdit::keyPressEvent(event);
  if (refused_) {
    const QString rejected = *refused_;
    refused_.reset();
    Q_EMIT entryRefused(rejected);
  }
  // Return and Enter go on to the window, which may run its default command.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) event->ignore();
}

}  // namespace reventa
