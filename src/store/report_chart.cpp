// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/report_chart.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextObjectInterface>
#include <algorithm>
#include <functional>

#include "taxyear/numbers.h"

namespace reventa {
namespace {

constexpr double kWidthCm = 16.0;
constexpr double kHeightCm = 7.0;

// Line colours that stay apart on paper and in grey print.
const QColor kSeriesColours[] = {QColor(0x1f, 0x4e, 0x79), QColor(0xc0, 0x50, 0x4d),
                                 QColor(0x4f, 0x8f, 0x3a), QColor(0x80, 0x64, 0xa2),
                                 QColor(0xd5, 0x8a, 0x00), QColor(0x2c, 0x9f, 0xa3)};

double ScreenDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
}

// The chart object of a filled document: sized 16 cm x 7 cm in the resolution
// the document is laid out for (narrower when the text is), painted on demand.
class ChartObject : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)

 public:
  using QObject::QObject;

  QSizeF intrinsicSize(QTextDocument* document, int, const QTextFormat& format) override {
    const auto chart = format.property(kReportChartProperty).value<ReportChart>();
    if (chart.empty()) return {0, 0};
    const QPaintDevice* device = document->documentLayout()->paintDevice();
    const double dpiX = device != nullptr ? device->logicalDpiX() : ScreenDpi();
    const double dpiY = device != nullptr ? device->logicalDpiY() : ScreenDpi();
    double width = kWidthCm / 2.54 * dpiX;
    const QTextFrameFormat root = document->rootFrame()->frameFormat();
    const double text = document->textWidth() - root.leftMargin() - root.rightMargin() -
                        2 * (root.padding() + root.border());
    if (document->textWidth() > 0 && text > 0) width = std::min(width, text * 0.98);
    return {width, width * kHeightCm / kWidthCm * (dpiY / dpiX)};
  }

  void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                  const QTextFormat& format) override {
    PaintReportChart(*painter, rect, format.property(kReportChartProperty).value<ReportChart>());
  }
};

}  // namespace

bool ReportChart::empty() const { return !MeasureChart(series).any; }

QString ReportChartMarker(int index) { return QStringLiteral("@@reventa-chart-%1@@").arg(index); }

void InsertReportCharts(QTextDocument& document, const QList<ReportChart>& charts) {
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  if (layout->handlerForObject(kReportChartObjectType) == nullptr) {
    // The document owns the handler; QTextDocument::print hands it on to the copy
    // it lays out for the printer.
    layout->registerHandler(kReportChartObjectType, new ChartObject(&document));
  }
  for (int i = 0; i < charts.size(); ++i) {
    QTextCursor at = document.find(ReportChartMarker(i), 0, QTextDocument::FindCaseSensitively);
    if (at.isNull()) continue;
    QTextCharFormat format = at.charFormat();
    format.setObjectType(kReportChartObjectType);
    format.setProperty(kReportChartProperty, QVariant::fromValue(charts[i]));
    at.insertText(QString(QChar::ObjectReplacementCharacter), format);
  }
}

QList<ReportChart> ReportChartsIn(const QTextDocument& document) {
  QList<ReportChart> charts;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      if (format.objectType() != kReportChartObjectType) continue;
      const auto chart = format.property(kReportChartProperty).value<ReportChart>();
      // A fragment holds one object character per chart inserted next to another.
      for (int n = 0; n < it.fragment().length(); ++n) charts.append(chart);
    }
  }
  return charts;
}

namespace {

// A series' colour: its line, or its band's outline (the band is filled with it
// half-transparent, so the grid and the line over it show through).
QColor SeriesColour(std::size_t s) { return kSeriesColours[s % std::size(kSeriesColours)]; }

QColor BandFill(std::size_t s) {
  QColor fill = SeriesColour(s);
  fill.setAlpha(90);
  return fill;
}

// A stacked series as the windows' chart draws it: a band from each point's base
// to its top, broken where a row holds no figure, or one bar per point when the
// series has a bar width.
void PaintBands(QPainter& painter, const ChartSeries& series, const std::vector<double>& bases,
                const std::function<QPointF(double, double)>& map, double pt) {
  const double half = series.barWidth / 2;
  QPolygonF top;
  QPolygonF foot;
  const auto flush = [&] {
    if (top.size() == 1) {  // one row: a band has no width, so a stroke shows it
      painter.save();
      painter.setPen(QPen(painter.pen().color(), 3 * pt));
      painter.drawLine(foot.first(), top.first());
      painter.restore();
    } else if (top.size() > 1) {
      QPolygonF outline = top;
      for (auto it = foot.crbegin(); it != foot.crend(); ++it) outline << *it;
      painter.drawPolygon(outline);
    }
    top.clear();
    foot.clear();
  };
  for (std::size_t i = 0; i < series.points.size(); ++i) {
    const ChartPoint& p = series.points[i];
    if (!Finite(p)) {
      flush();
      continue;
    }
    if (half > 0) {
      painter.drawRect(QRectF(map(p.x - half, bases[i] + p.y), map(p.x + half, bases[i])));
    } else {
      top << map(p.x, bases[i] + p.y);
      foot << map(p.x, bases[i]);
    }
  }
  flush();
}

}  // namespace

void PaintReportChart(QPainter& painter, const QRectF& rect, const ReportChart& chart) {
  if (chart.empty() || rect.width() <= 0 || rect.height() <= 0) return;
  // Amounts are measured from zero, so the balance falls towards the axis. Stacked
  // series (the parts of each repayment) stand on an axis of their own on the
  // right, as in the windows' chart: on the balance's axis they lie flat at zero.
  const bool apart = HasStacked(chart.series);
  const ChartAxes axes = LayOutAxes(chart.series, apart);
  const AxisTicks& xt = axes.x;
  const AxisTicks& yt = axes.y;
  const AxisTicks& st = axes.stacked;

  painter.save();
  painter.setClipRect(rect);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const double pt = painter.device()->logicalDpiY() / 72.0;  // one point in device units
  QFont font = painter.font();
  font.setPointSizeF(7.5);
  font.setBold(false);
  QFont titleFont = font;
  titleFont.setPointSizeF(9);
  titleFont.setBold(true);
  const QFontMetricsF fm(font, painter.device());
  const QFontMetricsF tfm(titleFont, painter.device());
  const double line = fm.height();

  auto amount = [&](const AxisTicks& ticks, int i) {
    return QString::fromStdString(FormatAmount(ticks.at(i), chart.decimals));
  };
  auto xLabel = [&](int i) {
    const double v = xt.at(i);
    return QString::fromStdString(axes.wholeX ? FormatAmount(v, 0) : FormatShortest(v));
  };
  auto widest = [&](const AxisTicks& ticks) {
    double width = 0;
    for (int i = 0; i < ticks.count; ++i)
      width = std::max(width, fm.horizontalAdvance(amount(ticks, i)));
    return width;
  };
  const double yLabelWidth = widest(yt);

  QRectF plot = rect;
  if (!chart.title.isEmpty()) plot.setTop(plot.top() + tfm.height() * 1.4);
  plot.setTop(plot.top() + line * 0.6);        // room for the top tick label
  plot.setBottom(plot.bottom() - line * 1.8);  // the legend
  if (!chart.xTitle.isEmpty()) plot.setBottom(plot.bottom() - line * 1.2);
  plot.setBottom(plot.bottom() - line * 1.3);  // x tick labels
  if (!chart.yTitle.isEmpty()) plot.setLeft(plot.left() + line * 1.4);
  plot.setLeft(plot.left() + yLabelWidth + line * 0.5);
  // On the right the stacked series' axis, or the half of the last label along
  // that stands beyond the plot's edge: every label stays inside the chart.
  double rightRoom = fm.horizontalAdvance(xLabel(xt.count - 1)) / 2 + line * 0.3;
  if (apart) {
    double axisRoom = widest(st) + line * 0.5;
    if (!chart.stackedTitle.isEmpty()) axisRoom += line * 1.6;
    rightRoom = std::max(rightRoom, axisRoom);
  }
  plot.setRight(plot.right() - rightRoom);
  if (plot.width() <= 0 || plot.height() <= 0) {
    painter.restore();
    return;
  }
  const double xSpan = xt.last() - xt.first;
  const auto mapOn = [&](const AxisTicks& ticks) {
    const double span = ticks.last() - ticks.first;
    return [&plot, &xt, xSpan, span, first = ticks.first](double x, double y) {
      return QPointF(plot.left() + (x - xt.first) / xSpan * plot.width(),
                     plot.bottom() - (y - first) / span * plot.height());
    };
  };
  const std::function<QPointF(double, double)> map = mapOn(yt);
  const std::function<QPointF(double, double)> mapStacked = mapOn(st);

  if (!chart.title.isEmpty()) {
    painter.setFont(titleFont);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(rect.left(), rect.top(), rect.width(), tfm.height() * 1.2),
                     Qt::AlignHCenter | Qt::AlignVCenter, chart.title);
  }
  painter.setFont(font);

  // Grid and the labels of the side axes.
  const QPen grid(QColor(0xd0, 0xd0, 0xd0), 0.5 * pt);
  const QPen axis(QColor(0x40, 0x40, 0x40), 0.75 * pt);
  for (int i = 0; i < yt.count; ++i) {
    const double y = map(xt.first, yt.at(i)).y();
    painter.setPen(yt.at(i) == 0 ? axis : grid);
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    painter.setPen(Qt::black);
    painter.drawText(
        QRectF(rect.left(), y - line / 2, plot.left() - rect.left() - line * 0.3, line),
        Qt::AlignRight | Qt::AlignVCenter, amount(yt, i));
  }
  if (apart) {
    for (int i = 0; i < st.count; ++i) {
      const double y = mapStacked(xt.first, st.at(i)).y();
      painter.setPen(axis);
      painter.drawLine(QPointF(plot.right(), y), QPointF(plot.right() + line * 0.25, y));
      painter.setPen(Qt::black);
      painter.drawText(QRectF(plot.right() + line * 0.4, y - line / 2,
                              rect.right() - plot.right() - line * 0.4, line),
                       Qt::AlignLeft | Qt::AlignVCenter, amount(st, i));
    }
  }
  for (int i = 0; i < xt.count; ++i) {
    const double x = map(xt.at(i), yt.first).x();
    painter.setPen(axis);
    painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + line * 0.25));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(x - line * 4, plot.bottom() + line * 0.3, line * 8, line),
                     Qt::AlignHCenter | Qt::AlignTop, xLabel(i));
  }

  if (!chart.xTitle.isEmpty()) {
    painter.setPen(Qt::black);
    painter.drawText(QRectF(plot.left(), plot.bottom() + line * 1.3, plot.width(), line * 1.2),
                     Qt::AlignHCenter | Qt::AlignVCenter, chart.xTitle);
  }
  // A side axis' title, turned to read upwards along it.
  const auto sideTitle = [&](double left, const QString& title) {
    painter.save();
    painter.setPen(Qt::black);
    painter.translate(left, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), line * 1.2),
                     Qt::AlignHCenter | Qt::AlignVCenter, title);
    painter.restore();
  };
  if (!chart.yTitle.isEmpty()) sideTitle(rect.left(), chart.yTitle);
  if (apart && !chart.stackedTitle.isEmpty())
    sideTitle(rect.right() - line * 1.2, chart.stackedTitle);

  // The stacked series first, as bands each on the ones before it; the lines
  // over them.
  const std::vector<std::vector<double>> bases = StackBases(chart.series);
  for (std::size_t s = 0; s < chart.series.size(); ++s) {
    if (chart.series[s].kind != ChartSeries::Kind::StackedBars) continue;
    painter.setPen(QPen(SeriesColour(s), 0.75 * pt, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(BandFill(s));
    PaintBands(painter, chart.series[s], bases[s], apart ? mapStacked : map, pt);
  }
  // The lines: one polyline each, broken where a row holds no figure.
  for (std::size_t s = 0; s < chart.series.size(); ++s) {
    if (chart.series[s].kind != ChartSeries::Kind::Line) continue;
    const QColor colour = SeriesColour(s);
    painter.setPen(QPen(colour, 1.25 * pt, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    QPainterPath path;
    bool open = false;
    int drawn = 0;
    for (const ChartPoint& p : chart.series[s].points) {
      if (!Finite(p)) {
        open = false;
        continue;
      }
      const QPointF at = map(p.x, p.y);
      if (open) {
        path.lineTo(at);
      } else {
        path.moveTo(at);
      }
      open = true;
      ++drawn;
    }
    if (drawn == 1) {
      // One row: a dot, since a single point makes no line.
      painter.setBrush(colour);
      painter.drawEllipse(path.currentPosition(), 1.5 * pt, 1.5 * pt);
    } else {
      painter.drawPath(path);
    }
  }
  painter.setBrush(Qt::NoBrush);
  painter.setPen(axis);
  painter.drawLine(plot.bottomLeft(), plot.topLeft());
  painter.drawLine(plot.bottomLeft(), plot.bottomRight());
  if (apart) painter.drawLine(plot.bottomRight(), plot.topRight());

  // The legend, centred under the axis labels: a stroke for a line, a swatch of
  // its fill for a band.
  const double swatch = 14 * pt;
  const double gap = line;
  double legendWidth = 0;
  for (const ChartSeries& s : chart.series) {
    legendWidth += swatch + line * 0.4 + fm.horizontalAdvance(QString::fromStdString(s.name)) + gap;
  }
  double x = rect.center().x() - (legendWidth - gap) / 2;
  const double y = rect.bottom() - line * 0.9;
  for (std::size_t s = 0; s < chart.series.size(); ++s) {
    const QColor colour = SeriesColour(s);
    if (chart.series[s].kind == ChartSeries::Kind::StackedBars) {
      painter.setPen(QPen(colour, 0.75 * pt));
      painter.setBrush(BandFill(s));
      painter.drawRect(QRectF(x, y - line * 0.3, swatch, line * 0.6));
      painter.setBrush(Qt::NoBrush);
    } else {
      painter.setPen(QPen(colour, 1.5 * pt));
      painter.drawLine(QPointF(x, y), QPointF(x + swatch, y));
    }
    x += swatch + line * 0.4;
    painter.setPen(Qt::black);
    const QString name = QString::fromStdString(chart.series[s].name);
    const double w = fm.horizontalAdvance(name);
    painter.drawText(QRectF(x, y - line / 2, w + 1, line), Qt::AlignLeft | Qt::AlignVCenter, name);
    x += w + gap;
  }
  painter.restore();
}

}  // namespace reventa

#include "report_chart.moc"
