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

void PaintReportChart(QPainter& painter, const QRectF& rect, const ReportChart& chart) {
  if (chart.empty() || rect.width() <= 0 || rect.height() <= 0) return;
  // Amounts are measured from zero, so the balance falls towards the axis.
  const ChartAxes axes = LayOutAxes(chart.series);
  const AxisTicks& xt = axes.x;
  const AxisTicks& yt = axes.y;

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

  auto yLabel = [&](int i) {
    return QString::fromStdString(FormatAmount(yt.at(i), chart.decimals));
  };
  auto xLabel = [&](int i) {
    const double v = xt.at(i);
    return QString::fromStdString(axes.wholeX ? FormatAmount(v, 0) : FormatShortest(v));
  };
  double yLabelWidth = 0;
  for (int i = 0; i < yt.count; ++i)
    yLabelWidth = std::max(yLabelWidth, fm.horizontalAdvance(yLabel(i)));

  QRectF plot = rect;
  if (!chart.title.isEmpty()) plot.setTop(plot.top() + tfm.height() * 1.4);
  plot.setTop(plot.top() + line * 0.6);        // room for the top tick label
  plot.setBottom(plot.bottom() - line * 1.8);  // the legend
  if (!chart.xTitle.isEmpty()) plot.setBottom(plot.bottom() - line * 1.2);
  plot.setBottom(plot.bottom() - line * 1.3);  // x tick labels
  if (!chart.yTitle.isEmpty()) plot.setLeft(plot.left() + line * 1.4);
  plot.setLeft(plot.left() + yLabelWidth + line * 0.5);
  plot.setRight(plot.right() - fm.horizontalAdvance(xLabel(xt.count - 1)) / 2 - line * 0.3);
  if (plot.width() <= 0 || plot.height() <= 0) {
    painter.restore();
    return;
  }
  const double xSpan = xt.last() - xt.first;
  const double ySpan = yt.last() - yt.first;
  auto map = [&](const ChartPoint& p) {
    return QPointF(plot.left() + (p.x - xt.first) / xSpan * plot.width(),
                   plot.bottom() - (p.y - yt.first) / ySpan * plot.height());
  };

  if (!chart.title.isEmpty()) {
    painter.setFont(titleFont);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(rect.left(), rect.top(), rect.width(), tfm.height() * 1.2),
                     Qt::AlignHCenter | Qt::AlignVCenter, chart.title);
  }
  painter.setFont(font);

  // Grid and vertical axis labels.
  const QPen grid(QColor(0xd0, 0xd0, 0xd0), 0.5 * pt);
  const QPen axis(QColor(0x40, 0x40, 0x40), 0.75 * pt);
  for (int i = 0; i < yt.count; ++i) {
    const double y = map({xt.first, yt.at(i)}).y();
    painter.setPen(yt.at(i) == 0 ? axis : grid);
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    painter.setPen(Qt::black);
    painter.drawText(
        QRectF(rect.left(), y - line / 2, plot.left() - rect.left() - line * 0.3, line),
        Qt::AlignRight | Qt::AlignVCenter, yLabel(i));
  }
  for (int i = 0; i < xt.count; ++i) {
    const double x = map({xt.at(i), yt.first}).x();
    painter.setPen(axis);
    painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + line * 0.25));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(x - line * 4, plot.bottom() + line * 0.3, line * 8, line),
                     Qt::AlignHCenter | Qt::AlignTop, xLabel(i));
  }
  painter.setPen(axis);
  painter.drawLine(plot.bottomLeft(), plot.topLeft());
  painter.drawLine(plot.bottomLeft(), plot.bottomRight());

  if (!chart.xTitle.isEmpty()) {
    painter.setPen(Qt::black);
    painter.drawText(QRectF(plot.left(), plot.bottom() + line * 1.3, plot.width(), line * 1.2),
                     Qt::AlignHCenter | Qt::AlignVCenter, chart.xTitle);
  }
  if (!chart.yTitle.isEmpty()) {
    painter.save();
    painter.setPen(Qt::black);
    painter.translate(rect.left(), plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), line * 1.2),
                     Qt::AlignHCenter | Qt::AlignVCenter, chart.yTitle);
    painter.restore();
  }

  // The series: one polyline each, broken where a row holds no figure.
  for (std::size_t s = 0; s < chart.series.size(); ++s) {
    const QColor colour = kSeriesColours[s % std::size(kSeriesColours)];
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
      const QPointF at = map(p);
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

  // The legend, centred under the axis labels.
  const double swatch = 14 * pt;
  const double gap = line;
  double legendWidth = 0;
  for (const ChartSeries& s : chart.series) {
    legendWidth += swatch + line * 0.4 + fm.horizontalAdvance(QString::fromStdString(s.name)) + gap;
  }
  double x = rect.center().x() - (legendWidth - gap) / 2;
  const double y = rect.bottom() - line * 0.9;
  for (std::size_t s = 0; s < chart.series.size(); ++s) {
    const QColor colour = kSeriesColours[s % std::size(kSeriesColours)];
    painter.setPen(QPen(colour, 1.5 * pt));
    painter.drawLine(QPointF(x, y), QPointF(x + swatch, y));
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
