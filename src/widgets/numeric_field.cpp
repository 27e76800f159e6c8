// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/numeric_field.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QTimer>
#include <QToolTip>
#include <QValidator>
#include <algorithm>
#include <cmath>
#include <string>

#include "taxyear/numbers.h"

namespace reventa {
namespace {

// How long the refusal hint stays at the field.
constexpr int kHintMilliseconds = 3000;

// Blanks a number may hold between its digits: the spaces between thousands,
// including the no-break spaces that word processors and spreadsheets put there,
// and the line ends a copied cell brings along.
bool IsBlank(QChar c) {
  const char16_t u = c.unicode();
  return u == u' ' || u == u'\t' || u == u'\n' || u == u'\r' || u == u'\u00a0' || u == u'\u202f';
}

bool IsDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

// Either is the decimal separator: many users here type a decimal comma.
bool IsSeparator(QChar c) { return c.unicode() == u'.' || c.unicode() == u','; }

// The number at the start of a text: blanks, an optional sign, then digits, blanks
// and decimal separators.
struct LeadingNumberPart {
  qsizetype begin = 0;    // the sign or the first digit
  qsizetype end = 0;      // just after the last sign, digit or separator
  qsizetype scanned = 0;  // just after the last character the number may hold
  QChar sign;
  int separators = 0;
  int fraction = 0;  // digits after the decimal separator
  bool digits = false;
  double number = 0;  // as written
};

LeadingNumberPart ReadLeadingNumberPart(const QString& text) {
  LeadingNumberPart part;
  qsizetype i = 0;
  while (i < text.size() && IsBlank(text.at(i))) ++i;
  part.begin = part.end = i;
  // The number in plain ASCII, for the program's one reading of a typed number.
  std::string plain;
  if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
    part.sign = text.at(i);
    plain.push_back(static_cast<char>(part.sign.unicode()));
    part.end = ++i;
  }
  for (; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (IsDigit(c)) {
      part.digits = true;
      if (part.separators == 1) ++part.fraction;
      plain.push_back(static_cast<char>(c.unicode()));
    } else if (IsSeparator(c)) {
      ++part.separators;
      plain.push_back('.');
    } else if (!IsBlank(c)) {
      break;
    }
    if (!IsBlank(c)) part.end = i + 1;
  }
  part.scanned = i;
  part.number = LeadingNumber(plain);
  return part;
}

// What a free-text field takes after its number: the units a rate is written
// with, "%" and "p.a." (dots and blanks optional, any case), or the start of
// them while they are typed. Nothing else: a letter or a digit there ("1e5",
// "12% 5", "100k") would make the text a different number from the one read.
bool IsUnitText(const QString& text) {
  static const QRegularExpression unit(QStringLiteral(R"(^\s*%?\s*(p\.?\s*(a\.?)?)?\s*$)"),
                                       QRegularExpression::CaseInsensitiveOption);
  return unit.match(text).hasMatch();
}

// Three digits after the one separator are as often a thousands group as a
// fraction: "1,000" and, in a whole field, "1.000" are a thousand to many users.
// A field with fewer decimals would round them to 1, a thousandth of what was
// meant, so it takes neither. (A point pasted into an amount with cents is
// taken as the decimal one: "12.125" rounds to 12.12.)
bool IsThousandsGroup(const QString& text, const LeadingNumberPart& part, int decimals) {
  if (part.separators != 1 || part.fraction != 3 || decimals >= 3) return false;
  if (decimals == 0) return true;
  for (qsizetype i = part.begin; i < part.end; ++i) {
    if (text.at(i) == QLatin1Char(',')) return true;
  }
  return false;
}

// The number as a field with the given decimals holds it: a fraction the field
// has no room for is rounded half to even, as every whole-number conversion is.
double HeldValue(const LeadingNumberPart& part, int decimals) {
  if (part.fraction <= decimals) return part.number;
  const double scale = std::pow(10.0, decimals);
  // Adding 0 turns a -0 from rounding "-0.4" into 0.
  return RoundHalfEven(part.number * scale) / scale + 0.0;
}

}  // namespace

// Refuses a keystroke or paste that would leave the field's limits, so the line
// edit keeps its text, selection and cursor as they were. The line edit takes the
// text handed back, so the normalising done here serves typing and pasting alike.
class NumericField::Validator : public QValidator {
 public:
  explicit Validator(NumericField* field) : QValidator(field), field_(field) {}

  State validate(QString& input, int& cursor) const override {
    if (field_->take(input, cursor)) return Acceptable;
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

void NumericField::setFreeText(bool freeText) { freeText_ = freeText; }

void NumericField::setOutput(bool output) {
  output_ = output;
  setReadOnly(output);
  setFocusPolicy(output ? Qt::NoFocus : Qt::StrongFocus);
  QPalette p = palette();
  if (output) p.setColor(QPalette::Base, p.color(QPalette::Window).lighter(104));
  setPalette(p);
}

void NumericField::setKindName(const QString& name) { kindName_ = name; }

QString NumericField::entryHint() const {
  QString kind = kindName_;
  bool saysDecimals = decimals_ > 0;
  if (kind.isEmpty()) {
    if (decimals_ == 0) {
      kind = grouped_ ? QStringLiteral("Whole rands") : QStringLiteral("Whole numbers");
    } else if (grouped_ && decimals_ == 2) {
      kind = QStringLiteral("Rands and cents");
      saysDecimals = false;
    } else {
      kind = QStringLiteral("Numbers");
    }
  }
  QString hint = kind + QStringLiteral(", ") + formatLimit(minimum_) + QStringLiteral(" to ") +
                 formatLimit(maximum_);
  if (saysDecimals) {
    hint += decimals_ == 1 ? QStringLiteral(", up to 1 decimal")
                           : QStringLiteral(", up to %1 decimals").arg(decimals_);
  }
  return hint;
}

QString NumericField::formatLimit(double limit) const {
  // A whole limit without decimals: "0 to 99 999 999.99", not "0.00 to ...".
  const int decimals = limit == std::floor(limit) ? 0 : decimals_;
  if (!grouped_) return QString::number(limit, 'f', decimals);
  return QString::fromStdString(FormatAmount(limit, decimals));
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

double NumericField::shownValue() const { return valueOf(text()); }

QString NumericField::format(double value) const {
  if (!grouped_) {
    return QString::number(value, 'f', decimals_);
  }
  return QString::fromStdString(FormatAmount(value, decimals_));
}

bool NumericField::take(QString& text, int& cursor) const {
  if (output_) return true;
  LeadingNumberPart part = ReadLeadingNumberPart(text);
  // Blanks are the spaces between thousands, never a number of their own: a
  // Space typed over the selection would otherwise empty the field.
  if (!text.isEmpty() && part.begin == text.size()) return false;
  if (part.begin > 0) {
    // Typed before the number, a blank is refused; pasted, it is dropped (a
    // copied cell brings its padding).
    if (typing_) return false;
    text.remove(0, part.begin);
    cursor = std::max(0, cursor - static_cast<int>(part.begin));
    part = ReadLeadingNumberPart(text);
  }
  if (part.scanned != text.size()) {
    // A field that is not free text holds its number and nothing else; a free
    // text field also its unit, after a number.
    if (!freeText_ || !part.digits || !IsUnitText(text.mid(part.scanned))) return false;
  }
  // "1.234,5" could mean either; the field never guesses which is the decimal one.
  if (part.separators > 1) return false;
  if (IsThousandsGroup(text, part, decimals_)) return false;
  if (part.sign == QLatin1Char('-') && minimum_ >= 0) return false;
  if (part.sign == QLatin1Char('+') && !freeText_) return false;
  const bool roundsFraction = part.fraction > decimals_;
  if (roundsFraction && decimals_ > 0 && typing_) return false;
  // The range holds for the value as the field holds it: in a whole field up to
  // 999, "999.4" is 999 and taken, "999.5" is 1000 and refused.
  const double held = HeldValue(part, decimals_);
  // Below a negative minimum no further digit brings the value back into range.
  if (held > maximum_ || (held < minimum_ && minimum_ < 0)) return false;
  if (held < minimum_ && minimum_ > 0 && part.digits) return false;

  for (qsizetype i = 0; i < part.scanned; ++i) {
    if (IsBlank(text.at(i))) {
      text[i] = QLatin1Char(' ');
    } else if (text.at(i) == QLatin1Char(',')) {
      text[i] = QLatin1Char('.');
    }
  }
  if (roundsFraction && decimals_ > 0) {
    // A pasted amount with more decimals than the field shows as it is held.
    const QString rounded = QString::number(held, 'f', decimals_);
    text.replace(part.begin, part.end - part.begin, rounded);
    cursor = static_cast<int>(part.begin + rounded.size());
  }
  return true;
}

double NumericField::valueOf(const QString& text) const {
  return HeldValue(ReadLeadingNumberPart(text), decimals_);
}

void NumericField::onTextChanged(const QString& text) {
  const double v = valueOf(text);
  if (v != value_) {
    value_ = v;
    Q_EMIT valueChanged(value_);
  }
}

void NumericField::showHeldValue() {
  const QString shown = format(value_);
  if (shown != text()) {
    // Reformatting keeps the value; only the display changes.
    const QSignalBlocker block(this);
    setText(shown);
  }
}

void NumericField::beginEntry(bool typing) {
  typing_ = typing;
  refused_.reset();
}

void NumericField::endEntry() {
  typing_ = false;
  if (!refused_) return;
  const QString rejected = *refused_;
  refused_.reset();
  QApplication::beep();
  QToolTip::showText(mapToGlobal(QPoint(0, height())), entryHint(), this, QRect(),
                     kHintMilliseconds);
  Q_EMIT entryRefused(rejected);
}

void NumericField::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // Coming back from a menu (the field's own context menu) keeps the selection.
  if (!isReadOnly() && event->reason() != Qt::PopupFocusReason) {
    // Select the whole text so that typing replaces it: at once when the keyboard
    // brought the focus, so that keys typed straight after Tab replace it too;
    // deferred after a click, whose mouse press would clear the selection again.
    if (event->reason() == Qt::MouseFocusReason) {
      QTimer::singleShot(0, this, [this] {
        if (hasFocus()) selectAll();
      });
    } else {
      selectAll();
    }
  }
}

void NumericField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // The field's own context menu taking the focus is not the user leaving it.
  const QWidget* popup = QApplication::activePopupWidget();
  if (event->reason() == Qt::PopupFocusReason && popup != nullptr &&
      popup->parentWidget() == this) {
    return;
  }
  if (!isReadOnly()) showHeldValue();
  Q_EMIT left();
}

void NumericField::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  // Before the line edit reports returnPressed, so that a calculation started by
  // Enter runs with the field showing what it holds.
  if (enter && !isReadOnly()) showHeldValue();
  beginEntry(!event->matches(QKeySequence::Paste));
  QLineEdit::keyPressEvent(event);
  endEntry();
  // Return and Enter go on to the window, which may run its default command.
  if (enter) event->ignore();
}

void NumericField::inputMethodEvent(QInputMethodEvent* event) {
  beginEntry(true);
  QLineEdit::inputMethodEvent(event);
  endEntry();
}

void NumericField::dropEvent(QDropEvent* event) {
  beginEntry(false);
  QLineEdit::dropEvent(event);
  endEntry();
}

void NumericField::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  // The menu's Paste is refused with the same cue as Ctrl+V. Slots run in the
  // order they were connected, so these run after the line edit's own.
  beginEntry(false);
  for (QAction* action : menu->actions()) {
    connect(action, &QAction::triggered, this, [this] { endEntry(); });
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

}  // namespace reventa
