#include "store/report_template.h"

#include <QRegularExpression>

#include "taxyear/day_serial.h"
#include "taxyear/numbers.h"

namespace reventa {
namespace {

const QRegularExpression kHeader(
    QStringLiteral(R"re(^\s*<!--\s*reventa-report\s+table="([^"]+)"\s*-->)re"));
const QRegularExpression kPlaceholder(
    QStringLiteral(R"(\{\{\s*([A-Za-z_][^{}|\s]*)\s*(?:\|\s*([a-z0-9]+))?\s*\}\})"));
const QRegularExpression kIfBlock(
    QStringLiteral(R"(\{\{#if\s+([A-Za-z_][^{}|\s]*)\s*\}\}(.*?)\{\{/if\}\})"),
    QRegularExpression::DotMatchesEverythingOption);
// A number standing as a word in a text: not part of a longer word or number
// ("720pm" and "1.2.3" are left alone), a sentence's full stop after it allowed.
const QRegularExpression kNumberInText(QStringLiteral(R"((?<![\w.])-?\d+(?:\.\d+)?(?!\w|\.\d))"));
const QString kRowsOpen = QStringLiteral("{{#rows}}");
const QString kRowsClose = QStringLiteral("{{/rows}}");

bool IsNumber(const QVariant& v) {
  switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
      return true;
    default:
      return false;
  }
}

// A value counts as present when it is not null, not an empty text and not 0.
bool Present(const QVariant& v) {
  if (v.isNull()) return false;
  if (IsNumber(v)) return v.toDouble() != 0;
  return !v.toString().isEmpty();
}

// Keeps the inside of each {{#if Field}} ... {{/if}} block whose field is present
// and drops the others.
Filled Conditionals(const QString& text, const QVariantMap& row) {
  QString out;
  qsizetype last = 0;
  auto it = kIfBlock.globalMatch(text);
  while (it.hasNext()) {
    const auto m = it.next();
    out += text.mid(last, m.capturedStart() - last);
    last = m.capturedEnd();
    if (!row.contains(m.captured(1))) {
      return {{},
              QStringLiteral("The template names the field \"%1\", which its table does not "
                             "have.")
                  .arg(m.captured(1))};
    }
    if (Present(row.value(m.captured(1)))) out += m.captured(2);
  }
  out += text.mid(last);
  return {out, std::nullopt};
}

Filled Fill(const QString& source, const QVariantMap& row) {
  const Filled kept = Conditionals(source, row);
  if (kept.error) return kept;
  const QString& text = kept.text;
  QString out;
  qsizetype last = 0;
  auto it = kPlaceholder.globalMatch(text);
  while (it.hasNext()) {
    const auto m = it.next();
    out += text.mid(last, m.capturedStart() - last);
    last = m.capturedEnd();
    const QString field = m.captured(1);
    if (!row.contains(field)) {
      return {{},
              QStringLiteral("The template names the field \"%1\", which its table does not "
                             "have.")
                  .arg(field)};
    }
    Filled value = FormatReportValue(row.value(field), m.captured(2));
    if (value.error) return value;
    out += value.text.toHtmlEscaped();
  }
  out += text.mid(last);
  return {out, std::nullopt};
}

Filled Error(const QString& text) { return {{}, text}; }

// A text that carries an amount (a note such as "(plus a 'once-off' cost of R
// 350000") is stored as the window wrote it; the number format applies to each
// number in it, so the amount reads like every other amount of the report.
QString FormatNumbersIn(const QString& text, int decimals) {
  QString out;
  qsizetype last = 0;
  auto it = kNumberInText.globalMatch(text);
  while (it.hasNext()) {
    const auto m = it.next();
    out += text.mid(last, m.capturedStart() - last);
    out += QString::fromStdString(FormatAmount(m.captured().toDouble(), decimals));
    last = m.capturedEnd();
  }
  return out + text.mid(last);
}

}  // namespace

std::variant<ReportTemplate, QString> ParseReportTemplate(const QString& text) {
  const auto m = kHeader.match(text);
  if (!m.hasMatch()) {
    return QStringLiteral("The template does not start with the line naming its table.");
  }
  return ReportTemplate{m.captured(1), text.mid(m.capturedEnd())};
}

Filled FormatReportValue(const QVariant& value, const QString& format) {
  if (format.isEmpty()) {
    if (value.isNull()) return {};
    if (IsNumber(value)) return {QString::fromStdString(FormatShortest(value.toDouble())), {}};
    return {value.toString(), {}};
  }
  if (format == QLatin1String("date")) {
    if (value.isNull() || value.toString().isEmpty()) return {};
    if (!IsNumber(value)) return {value.toString(), {}};  // already a dd/mm/yyyy text
    return {QString::fromStdString(FormatDate(value.toDouble())), {}};
  }
  int decimals = -1;
  if (format == QLatin1String("money")) {
    decimals = 2;
  } else if (format == QLatin1String("whole")) {
    decimals = 0;
  } else if (format.startsWith(QLatin1String("fixed"))) {
    bool ok = false;
    decimals = format.mid(5).toInt(&ok);
    if (!ok || decimals < 0 || decimals > 8) decimals = -1;
  }
  if (decimals < 0)
    return Error(QStringLiteral("The template uses an unknown format \"%1\".").arg(format));
  // An empty text field formats as empty: the rows the report leaves blank.
  if (value.isNull()) return {};
  if (!IsNumber(value)) return {FormatNumbersIn(value.toString(), decimals), {}};
  return {QString::fromStdString(FormatAmount(value.toDouble(), decimals)), {}};
}

Filled FillReportTemplate(const ReportTemplate& report, const QList<QVariantMap>& rows) {
  const qsizetype open = report.html.indexOf(kRowsOpen);
  if (open < 0) {
    if (rows.isEmpty()) return Error(QStringLiteral("The table of the report has no row."));
    return Fill(report.html, rows.first());
  }
  const qsizetype close = report.html.indexOf(kRowsClose, open);
  if (close < 0) return Error(QStringLiteral("The template opens a row block it does not close."));
  const QString before = report.html.left(open);
  const QString block = report.html.mid(open + kRowsOpen.size(), close - open - kRowsOpen.size());
  const QString after = report.html.mid(close + kRowsClose.size());
  // Fields outside the block come from the first row; a refilled table may be
  // empty, and then the text around the block is shown as it stands.
  const QVariantMap first = rows.isEmpty() ? QVariantMap() : rows.first();
  Filled head = rows.isEmpty() ? Filled{before, {}} : Fill(before, first);
  if (head.error) return head;
  QString out = head.text;
  for (const QVariantMap& row : rows) {
    Filled line = Fill(block, row);
    if (line.error) return line;
    out += line.text;
  }
  Filled tail = rows.isEmpty() ? Filled{after, {}} : Fill(after, first);
  if (tail.error) return tail;
  return {out + tail.text, {}};
}

}  // namespace reventa
