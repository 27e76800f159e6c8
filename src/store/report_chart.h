// SPDX-License-Identifier: GPL-3.0-or-later
// Line charts inside reports: a chart placeholder of a template becomes one
// object of the filled document, painted with QPainter calls when the report is
// shown, printed or exported, so a PDF holds it as lines and text and stays sharp
// at any zoom. The chart shows figures the report's table already holds.
#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QTextFormat>
#include <vector>

#include "chart/chart_model.h"

class QPainter;
class QRectF;
class QTextDocument;

namespace reventa {

struct ReportChart {
  QString title;
  QString xTitle;
  QString yTitle;
  QString stackedTitle;  // of the stacked series' own axis on the right
  int decimals = 2;      // of the amounts on the side axes, as the report's money format
  // Lines, and stacked series drawn as bands against an axis of their own on the
  // right; their points in the order of the table's rows.
  std::vector<ChartSeries> series;
  // True when no series has a point: such a chart takes no room and draws nothing.
  bool empty() const;
  friend bool operator==(const ReportChart&, const ReportChart&) = default;
};

// The object type of a chart in a filled document; the chart itself is the
// format's kReportChartProperty.
inline constexpr int kReportChartObjectType = QTextFormat::UserObject + 17;
inline constexpr int kReportChartProperty = QTextFormat::UserProperty + 17;

// The text in a filled report's HTML that stands for chart number `index` until
// InsertReportCharts puts the chart in its place.
QString ReportChartMarker(int index);

// Replaces each chart marker of the document with its chart object and makes the
// document able to paint it (also when it is printed or exported). The markers
// are those FillReportTemplate wrote for the same list of charts.
void InsertReportCharts(QTextDocument& document, const QList<ReportChart>& charts);

// The charts a document holds, in order (what InsertReportCharts put in).
QList<ReportChart> ReportChartsIn(const QTextDocument& document);

// Paints a chart into a rectangle: title, axes with tick labels (laid out as the
// windows' charts lay theirs out, the stacked series on a right-hand axis of their
// own), grid, one line or band per series and a legend below; every label stays
// inside the rectangle. Sizes follow the painter's device resolution.
void PaintReportChart(QPainter& painter, const QRectF& rect, const ReportChart& chart);

}  // namespace reventa

Q_DECLARE_METATYPE(reventa::ReportChart)
