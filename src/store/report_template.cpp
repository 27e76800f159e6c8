// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/report_template.h"

#include <QRegularExpression>
#include <limits>

#include "taxyear/day_serial.h"
#include "taxyear/numbers.h"

namespace reventa {
namespace {

const QRegularExpression kHeader(QStringLiteral(
    R"re(^\s*<!--\s*reventa-report\s+table="([^"]+)"(?:\s+with="([^"]+)")?(?:\s+page="(landscape|portrait)")?\s*-->)re"));
const QRegularExpression kPlaceholder(
    QStringLiteral(R"(\{\{\s*([A-Za-z_][^{}|\s]*)\s*(?:\|\s*([a-z0-9]+))?\s*\}\})"));
const QRegularExpression kIfBlock(
    QStringLiteral(R"(\{\{#if\s+([A-Za-z_][^{}|\s]*)\s*\}\}(.*?)\{\{/if\}\})"),
    QRegularExpression::DotMatchesEverythingOption);
// A number standing as a word in a text: not part of a longer word or number
// ("720pm" and "1.2.3" are left alone), a sentence's full stop after it allowed.
const QRegularExpression kNumberInText(QStringLiteral(R"((?<![\w.])-?\d+(?:\.\d+)?(?!\w|\.\d))"));
const QRegularExpression kChart(QStringLiteral(R"(\{\{#chart\b([^{}]*)\}\})"));
const QRegularExpression kChartSetting(
    QStringLiteral(R"re((\w+)\s*=\s*(?:"([^"]*)"|([^\s"]+)))re"));
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

QString MissingField(const QString& field) {
  return QStringLiteral("The template names the field \"%1\", which its table does not have.")
      .arg(field);
}

// Decimals of a number format, or -1 for an unknown one.
int FormatDecimals(const QString& format) {
  if (format == QLatin1String("money")) return 2;
  if (format == QLatin1String("whole")) return 0;
  if (format.startsWith(QLatin1String("fixed"))) {
    bool ok = false;
    const int decimals = format.mid(5).toInt(&ok);
    if (ok && decimals >= 0 && decimals <= 8) return decimals;
  }
  return -1;
}

// A row's figure for a chart: empty cells and texts that are no number leave a
// gap in the line.
double ChartValue(const QVariant& v) {
  if (v.isNull()) return std::numeric_limits<double>::quiet_NaN();
  bool ok = false;
  const double d = v.toDouble(&ok);
  return ok ? d : std::numeric_limits<double>::quiet_NaN();
}

// Replaces the chart placeholders of a text with their markers (or nothing).
Filled Charts(const QString& text, const QList<QVariantMap>& rows, QList<ReportChart>* charts) {
  QString out;
  qsizetype last = 0;
  auto it = kChart.globalMatch(text);
  while (it.hasNext()) {
    const auto m = it.next();
    out += text.mid(last, m.capturedStart() - last);
    last = m.capturedEnd();
    auto chart = BuildReportChart(m.captured(1), rows);
    if (const auto* problem = std::get_if<QString>(&chart)) return Error(*problem);
    if (charts != nullptr) {
      out += ReportChartMarker(static_cast<int>(charts->size()));
      charts->append(std::get<ReportChart>(std::move(chart)));
    }
  }
  out += text.mid(last);
  return {out, std::nullopt};
}

}  // namespace

std::variant<ReportChart, QString> BuildReportChart(const QString& settings,
                                                    const QList<QVariantMap>& rows) {
  ReportChart chart;
  QString x;
  QStringList ys;
  QStringList stacked;
  qsizetype last = 0;
  auto it = kChartSetting.globalMatch(settings);
  while (it.hasNext()) {
    const auto m = it.next();
    if (!settings.mid(last, m.capturedStart() - last).trimmed().isEmpty()) break;
    last = m.capturedEnd();
    const QString key = m.captured(1);
    const QString value = m.captured(2).isNull() ? m.captured(3) : m.captured(2);
    if (key == QLatin1String("x")) {
      x = value;
    } else if (key == QLatin1String("y")) {
      ys = value.split(QLatin1Char(','), Qt::SkipEmptyParts);
    } else if (key == QLatin1String("stacked")) {
      stacked = value.split(QLatin1Char(','), Qt::SkipEmptyParts);
    } else if (key == QLatin1String("stackedtitle")) {
      chart.stackedTitle = value;
    } else if (key == QLatin1String("title")) {
      chart.title = value;
    } else if (key == QLatin1String("xtitle")) {
      chart.xTitle = value;
    } else if (key == QLatin1String("ytitle")) {
      chart.yTitle = value;
    } else if (key == QLatin1String("format")) {
      chart.decimals = FormatDecimals(value);
      if (chart.decimals < 0)
        return QStringLiteral("The template uses an unknown format \"%1\".").arg(value);
    } else {
      return QStringLiteral("The chart has an unknown setting \"%1\".").arg(key);
    }
  }
  if (!settings.mid(last).trimmed().isEmpty()) {
    return QStringLiteral("The chart's settings cannot be read from \"%1\".")
        .arg(settings.trimmed());
  }
  if (x.isEmpty() || (ys.isEmpty() && stacked.isEmpty()))
    return QStringLiteral("The chart names no x field or no y fields.");
  const QVariantMap first = rows.isEmpty() ? QVariantMap() : rows.first();
  if (!rows.isEmpty() && !first.contains(x)) return MissingField(x);
  // The lines, then the stacked series in the order they stand on one another.
  for (const auto& [fields, kind] : {std::pair{ys, ChartSeries::Kind::Line},
                                     std::pair{stacked, ChartSeries::Kind::StackedBars}}) {
    for (const QString& y : fields) {
      const qsizetype colon = y.indexOf(QLatin1Char(':'));
      const QString field = (colon < 0 ? y : y.left(colon)).trimmed();
      ChartSeries series{(colon < 0 ? field : y.mid(colon + 1).trimmed()).toStdString(), {}, kind};
      if (!rows.isEmpty() && !first.contains(field)) return MissingField(field);
      series.points.reserve(static_cast<std::size_t>(rows.size()));
      for (const QVariantMap& row : rows)
        series.points.push_back({ChartValue(row.value(x)), ChartValue(row.value(field))});
      chart.series.push_back(std::move(series));
    }
  }
  return chart;
}

std::variant<ReportTemplate, QString> ParseReportTemplate(const QString& text) {
  const auto m = kHeader.match(text);
  if (!m.hasMatch()) {
    return QStringLiteral("The template does not start with the line naming its table.");
  }
  return ReportTemplate{m.captured(1), text.mid(m.capturedEnd()), m.captured(2),
                        m.captured(3) == QLatin1String("landscape")};
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
  const int decimals = FormatDecimals(format);
  if (decimals < 0)
    return Error(QStringLiteral("The template uses an unknown format \"%1\".").arg(format));
  // An empty text field formats as empty: the rows the report leaves blank.
  if (value.isNull()) return {};
  if (!IsNumber(value)) return {FormatNumbersIn(value.toString(), decimals), {}};
  return {QString::fromStdString(FormatAmount(value.toDouble(), decimals)), {}};
}

Filled FillReportTemplate(const ReportTemplate& report, const QList<QVariantMap>& rows,
                          QList<ReportChart>* charts, const QVariantMap& with) {
  // A row's own fields first, then the second table's.
  const auto fields = [&with](const QVariantMap& row) {
    QVariantMap all = with;
    all.insert(row);
    return all;
  };
  const qsizetype open = report.html.indexOf(kRowsOpen);
  if (open < 0) {
    if (rows.isEmpty() && with.isEmpty()) {
      return Error(QStringLiteral("The table of the report has no row."));
    }
    const Filled charted = Charts(report.html, rows, charts);
    if (charted.error) return charted;
    return Fill(charted.text, fields(rows.isEmpty() ? QVariantMap() : rows.first()));
  }
  const qsizetype close = report.html.indexOf(kRowsClose, open);
  if (close < 0) return Error(QStringLiteral("The template opens a row block it does not close."));
  // A chart shows every row at once, so it stands outside the row block.
  const Filled before = Charts(report.html.left(open), rows, charts);
  if (before.error) return before;
  const QString block = report.html.mid(open + kRowsOpen.size(), close - open - kRowsOpen.size());
  if (kChart.match(block).hasMatch())
    return Error(QStringLiteral("The template puts a chart inside its row block."));
  const Filled after = Charts(report.html.mid(close + kRowsClose.size()), rows, charts);
  if (after.error) return after;
  // Fields outside the block come from the first row; a refilled table may be
  // empty, and then the text around the block is shown as it stands (or filled
  // from the second table alone).
  const bool fillAround = !rows.isEmpty() || !with.isEmpty();
  const QVariantMap first = fields(rows.isEmpty() ? QVariantMap() : rows.first());
  Filled head = fillAround ? Fill(before.text, first) : before;
  if (head.error) return head;
  QString out = head.text;
  for (const QVariantMap& row : rows) {
    Filled line = Fill(block, fields(row));
    if (line.error) return line;
    out += line.text;
  }
  Filled tail = fillAround ? Fill(after.text, first) : after;
  if (tail.error) return tail;
  return {out + tail.text, {}};
}

}  // namespace reventa
