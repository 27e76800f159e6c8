// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/chart_view.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFontMetricsF>
#include <QGraphicsTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "taxyear/numbers.h"

namespace reventa {
namespace {

// Points as Qt Charts takes them.
QList<QPointF> AsQt(const std::vector<ChartPoint>& points) {
  QList<QPointF> out;
  out.reserve(static_cast<qsizetype>(points.size()));
  for (const ChartPoint& p : points) out.append(QPointF(p.x, p.y));
  return out;
}

}  // namespace

// Both axes are category axes with their labels on the tick values: that is how
// Qt Charts takes labels of our own, so amounts read "250 000" like every other
// amount of the program and months read as whole numbers.
class ChartView::Impl {
 public:
  explicit Impl(QWidget* owner) {
    chart = new QChart;
    chart->setLocalizeNumbers(false);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
    x = new QCategoryAxis(chart);
    y = new QCategoryAxis(chart);
    right = new QCategoryAxis(chart);
    for (QCategoryAxis* axis : {x, y, right}) {
      axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
      axis->setGridLineVisible(axis != right);
      chart->addAxis(axis, axis == x   ? Qt::AlignBottom
                           : axis == y ? Qt::AlignLeft
                                       : Qt::AlignRight);
    }
    right->setVisible(false);
    labels = x->labelsBrush();
    view = new QChartView(chart, owner);
    // Over an empty plot, what it waits for; kept in the middle of the plot area.
    note = new QGraphicsTextItem(QStringLiteral("Calculate to see the chart"), chart);
    note->setObjectName(QStringLiteral("emptyChartNote"));
    note->setDefaultTextColor(QColor(0x6b, 0x77, 0x80));
    note->hide();
    QObject::connect(chart, &QChart::plotAreaChanged, note, [this] { placeNote(); });
    view->setObjectName(QStringLiteral("chartView"));
    view->setRenderHint(QPainter::Antialiasing);
    // A chart only shows figures: Tab goes past it from the fields to the buttons.
    view->setFocusPolicy(Qt::NoFocus);
    for (QWidget* inner : view->findChildren<QWidget*>()) inner->setFocusPolicy(Qt::NoFocus);
  }

  // Labels on the tick values, with as many decimals as the step needs.
  static void SetTicks(QCategoryAxis* axis, const AxisTicks& ticks) {
    for (const QString& label : axis->categoriesLabels()) axis->remove(label);
    axis->setStartValue(ticks.first);
    for (int i = 0; i < ticks.count; ++i)
      axis->append(QString::fromStdString(FormatAmount(ticks.at(i), ticks.decimals())),
                   ticks.at(i));
    axis->setRange(ticks.first, ticks.last());
  }

  void placeNote() { note->setPos(chart->plotArea().center() - note->boundingRect().center()); }

  // Room beside the plot for the labels that stand over its edges: the last
  // label along is centred on the plot's right edge and would be cut there when
  // no axis stands on the right, and the top amount on its top edge when no
  // title stands above it.
  void keepLabelsInside() {
    constexpr qreal kMargin = 4;
    const QFontMetricsF along(x->labelsFont());
    const QStringList alongLabels = x->categoriesLabels();
    qreal rightRoom = kMargin;
    if (!right->isVisible() && !alongLabels.isEmpty())
      rightRoom = std::max(rightRoom, along.horizontalAdvance(alongLabels.last()) / 2 + 2);
    const QFontMetricsF amounts(y->labelsFont());
    const qreal topRoom =
        chart->title().isEmpty() ? std::max(kMargin, amounts.height() / 2 + 2) : kMargin;
    chart->setMargins(QMargins(static_cast<int>(kMargin), static_cast<int>(std::ceil(topRoom)),
                               static_cast<int>(std::ceil(rightRoom)), static_cast<int>(kMargin)));
  }

  QChart* chart;
  QChartView* view;
  QGraphicsTextItem* note;
  QBrush labels;  // the theme's colour of the axes' labels
  QCategoryAxis* x;
  QCategoryAxis* y;
  QCategoryAxis* right;  // the stacked series' own axis, when it has a title
};

ChartView::ChartView(QWidget* parent) : QWidget(parent), impl_(new Impl(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(impl_->view);
  setMinimumSize(360, 240);
  setSeries({});
}

ChartView::~ChartView() { delete impl_; }

void ChartView::setTitle(const QString& title) {
  impl_->chart->setTitle(title);
  impl_->keepLabelsInside();
}

void ChartView::setAxisTitles(const QString& x, const QString& y) {
  impl_->x->setTitleText(x);
  impl_->y->setTitleText(y);
}

void ChartView::setStackedAxisTitle(const QString& title) { impl_->right->setTitleText(title); }

void ChartView::setSeries(std::vector<ChartSeries> series) {
  series_ = std::move(series);
  QChart* chart = impl_->chart;
  chart->removeAllSeries();
  const bool ownAxis = !impl_->right->titleText().isEmpty() && HasStacked(series_);
  QCategoryAxis* stackedAxis = ownAxis ? impl_->right : impl_->y;
  impl_->right->setVisible(ownAxis);

  // Stacked series are drawn as bands, each on top of the ones before it at the
  // same x: bars of 600 months would be slivers, bands stay readable. A series
  // with a bar width (a handful of terms) is drawn as bars.
  const std::vector<std::vector<double>> bases = StackBases(series_);
  for (std::size_t n = 0; n < series_.size(); ++n) {
    const ChartSeries& s = series_[n];
    const QString name = QString::fromStdString(s.name);
    if (s.kind == ChartSeries::Kind::Line) {
      auto* line = new QLineSeries;
      line->setName(name);
      line->replace(AsQt(s.points));
      chart->addSeries(line);
      // Wider than the theme's line, so it stays clear over the bands.
      QPen pen = line->pen();
      pen.setWidthF(2.5);
      line->setPen(pen);
      line->attachAxis(impl_->x);
      line->attachAxis(impl_->y);
      continue;
    }
    // The outline of a band through the points, or one outline per bar.
    struct Outline {
      QList<QPointF> top;
      QList<QPointF> bottom;
    };
    QList<Outline> outlines(s.barWidth > 0 ? 0 : 1);
    const double half = s.barWidth / 2;
    for (std::size_t i = 0; i < s.points.size(); ++i) {
      const ChartPoint& p = s.points[i];
      const double from = bases[n][i];
      if (half > 0) {
        const double left = p.x - half;
        const double right = p.x + half;
        outlines.append({{QPointF(left, from + p.y), QPointF(right, from + p.y)},
                         {QPointF(left, from), QPointF(right, from)}});
      } else {
        outlines[0].bottom.append(QPointF(p.x, from));
        outlines[0].top.append(QPointF(p.x, from + p.y));
      }
    }
    QColor fill;
    for (qsizetype k = 0; k < outlines.size(); ++k) {
      auto* area = new QAreaSeries;
      auto* upper = new QLineSeries(area);
      auto* lower = new QLineSeries(area);
      upper->replace(outlines[k].top);
      lower->replace(outlines[k].bottom);
      area->setUpperSeries(upper);
      area->setLowerSeries(lower);
      area->setName(name);
      chart->addSeries(area);
      // Half-transparent, so the grid and the balance line show through; every bar
      // of a series in its first colour, and the legend names the series once.
      if (k == 0) {
        fill = area->color();
        fill.setAlpha(100);
      } else {
        for (QLegendMarker* marker : chart->legend()->markers(area)) marker->setVisible(false);
      }
      area->setColor(fill);
      area->setBorderColor(fill.darker(130));
      area->attachAxis(impl_->x);
      area->attachAxis(stackedAxis);
    }
  }
  const ChartAxes axes = LayOutAxes(series_, ownAxis);
  Impl::SetTicks(impl_->x, axes.x);
  Impl::SetTicks(impl_->y, axes.y);
  if (ownAxis) Impl::SetTicks(impl_->right, axes.stacked);
  // Before a calculation (or with nothing but zeros to show): an empty plot from
  // zero, without figures on its axes, and a word on what fills it. The figures
  // are there but unseen, so the plot keeps the room it has with them.
  for (QCategoryAxis* axis : {impl_->x, impl_->y, impl_->right})
    axis->setLabelsBrush(axes.blank ? QBrush(Qt::transparent) : impl_->labels);
  impl_->note->setVisible(axes.blank);
  impl_->keepLabelsInside();
  impl_->placeNote();
}

}  // namespace reventa
