// Line charts inside reports: a chart placeholder of a template becomes one
// object of the filled document, painted with QPainter calls when the report is
// shown, printed or exported, so a PDF holds it as lines and text and stays sharp
// at any zoom. The chart shows figures the report's table already holds.
#pragma once

#include <QList>
#include <QMetaType>
#include <QPointF>
#include <QString>
#include <QTextFormat>

class QPainter;
class QRectF;
class QTextDocument;

namespace reventa {

struct ReportChartSeries {
  QString name;           // the legend text
  QList<QPointF> points;  // in the order of the table's rows
  friend bool operator==(const ReportChartSeries&, const ReportChartSeries&) = default;
};

struct ReportChart {
  QString title;
  QString xTitle;
  QString yTitle;
  int decimals = 2;  // of the amounts on the vertical axis, as the report's money format
  QList<ReportChartSeries> series;
  // True when no series has a point: such a chart takes no room and draws nothing.
  bool empty() const;
  friend bool operator==(const ReportChart&, const ReportChart&) = default;
};

// The object type of a chart in a filled document; the chart itself is the
// format's kReportChartProperty.
inline constexpr int kReportChartObjectType = QTextFormat::UserObject + 17;
inline constexpr int kReportChartProperty = QTextFormat::UserProperty + 17;

// Ticks of an axis at round steps (1, 2, 2.5 or 5 times a power of ten, whole
// steps when `whole`) covering lo..hi in about `target` steps. An empty or
// degenerate range widens so that there are always at least two ticks.
struct AxisTicks {
  double first = 0;
  double step = 1;
  int count = 2;
  double last() const { return first + step * (count - 1); }
  double at(int i) const { return first + step * i; }
};
AxisTicks NiceTicks(double lo, double hi, int target = 5, bool whole = false);

// The text in a filled report's HTML that stands for chart number `index` until
// InsertReportCharts puts the chart in its place.
QString ReportChartMarker(int index);

// Replaces each chart marker of the document with its chart object and makes the
// document able to paint it (also when it is printed or exported). The markers
// are those FillReportTemplate wrote for the same list of charts.
void InsertReportCharts(QTextDocument& document, const QList<ReportChart>& charts);

// The charts a document holds, in order (what InsertReportCharts put in).
QList<ReportChart> ReportChartsIn(const QTextDocument& document);

// Paints a chart into a rectangle: title, axes with tick labels, grid, one line
// per series and a legend below. Sizes follow the painter's device resolution.
void PaintReportChart(QPainter& painter, const QRectF& rect, const ReportChart& chart);

}  // namespace reventa

Q_DECLARE_METATYPE(reventa::ReportChart)
