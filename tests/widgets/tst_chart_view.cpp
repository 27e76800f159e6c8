// SPDX-License-Identifier: GPL-3.0-or-later
// The chart widget as a window fills it: what goes in is what the chart shows,
// with amounts and months labelled as the program writes them.
#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsObject>
#include <QLegend>
#include <QLineSeries>
#include <QtTest>

#include "widgets/chart_view.h"

using namespace reventa;

namespace {

std::vector<ChartPoint> Points(int count, double start, double step) {
  std::vector<ChartPoint> points;
  for (int i = 1; i <= count; ++i) points.push_back({double(i), start + step * (i - 1)});
  return points;
}

// The points a series draws: a band's upper edge for stacked series.
std::vector<ChartPoint> Shown(QAbstractSeries* series) {
  QList<QPointF> shown;
  if (auto* line = qobject_cast<QLineSeries*>(series)) shown = line->points();
  if (auto* area = qobject_cast<QAreaSeries*>(series)) shown = area->upperSeries()->points();
  std::vector<ChartPoint> points;
  for (const QPointF& p : shown) points.push_back({p.x(), p.y()});
  return points;
}

}  // namespace

class TestChartView : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void showsWhatGoesIn_data();
  void showsWhatGoesIn();
  void replacingSeriesDropsTheOld();
  void stackedSeriesOnAnAxisOfTheirOwn();
  void barsStackPerTerm();
  void layout();
};

void TestChartView::showsWhatGoesIn_data() {
  QTest::addColumn<std::vector<ChartSeries>>("series");
  QTest::addColumn<QString>("yLabel");  // a label the vertical axis must show
  QTest::addColumn<QString>("xLabel");  // and one of the horizontal axis
  using K = ChartSeries::Kind;
  QTest::newRow("nothing") << std::vector<ChartSeries>{} << "1.0"
                           << "1";
  QTest::newRow("one point") << std::vector<ChartSeries>{{"Balance", {{1, 5000}}, K::Line}}
                             << "5 000"
                             << "1";
  QTest::newRow("600 months, balance with its repayment parts")
      << std::vector<ChartSeries>{{"Balance", Points(600, 250000, -416.0), K::Line},
                                  {"Capital", Points(600, 100, 3), K::StackedBars},
                                  {"Interest", Points(600, 2000, -3), K::StackedBars}}
      << "250 000"
      << "600";
  QTest::newRow("negative figures")
      << std::vector<ChartSeries>{{"Change", {{1, -12000}, {2, 3000}, {3, 8000}}, K::Line}}
      << "-10 000"
      << "3";
}

void TestChartView::showsWhatGoesIn() {
  QFETCH(std::vector<ChartSeries>, series);
  QFETCH(QString, yLabel);
  QFETCH(QString, xLabel);
  ChartView view;
  view.setTitle(QStringLiteral("Outstanding balance"));
  view.setAxisTitles(QStringLiteral("Month"), QStringLiteral("Rand"));
  view.resize(480, 320);
  QElapsedTimer timer;
  timer.start();
  view.setSeries(series);
  view.show();
  QVERIFY(QTest::qWaitForWindowExposed(&view));
  QApplication::processEvents();
  // A long schedule must not make the window wait.
  QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));

  if (qEnvironmentVariableIsSet("REVENTA_SCREENSHOTS")) {
    view.grab().save(qEnvironmentVariable("REVENTA_SCREENSHOTS") + QStringLiteral("/chart_") +
                     QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_') +
                     QStringLiteral(".png"));
  }
  QCOMPARE(view.series().size(), series.size());
  QChart* chart = view.findChild<QChartView*>()->chart();
  const QList<QAbstractSeries*> shown = chart->series();
  QCOMPARE(shown.size(), series.size());
  QList<double> stacked;  // the running top of the bands, per point
  for (std::size_t s = 0; s < series.size(); ++s) {
    QCOMPARE(shown[s]->name(), QString::fromStdString(series[s].name));
    const std::vector<ChartPoint> points = Shown(shown[s]);
    QCOMPARE(points.size(), series[s].points.size());
    if (series[s].kind == ChartSeries::Kind::Line) {
      QCOMPARE(points, series[s].points);
      continue;
    }
    // Each band stands on the ones before it.
    stacked.resize(points.size(), 0.0);
    for (std::size_t i = 0; i < points.size(); ++i) {
      stacked[i] += series[s].points[i].y;
      QCOMPARE(points[i].y, stacked[i]);
    }
  }
  auto* y = qobject_cast<QCategoryAxis*>(chart->axes(Qt::Vertical).value(0));
  auto* x = qobject_cast<QCategoryAxis*>(chart->axes(Qt::Horizontal).value(0));
  QVERIFY(y && x);
  QVERIFY2(y->categoriesLabels().contains(yLabel), qPrintable(y->categoriesLabels().join('|')));
  QVERIFY2(x->categoriesLabels().contains(xLabel), qPrintable(x->categoriesLabels().join('|')));
  // Every point lies inside the axes.
  for (const ChartSeries& s : series) {
    for (const ChartPoint& p : s.points) {
      QVERIFY(p.x >= x->min() && p.x <= x->max());
      QVERIFY(p.y >= y->min() && p.y <= y->max());
    }
  }
  // The last label along, centred on the plot's right edge, stays inside the
  // chart's background, where the chart's drawing ends.
  const QString last = x->categoriesLabels().last();
  qreal left = 0, top = 0, right = 0, bottom = 0;
  chart->layout()->getContentsMargins(&left, &top, &right, &bottom);
  QVERIFY2(chart->plotArea().right() + QFontMetricsF(x->labelsFont()).horizontalAdvance(last) / 2 <=
               chart->size().width() - right,
           qPrintable(last));
  // Before a calculation: an empty plot from zero, with a word on what fills it.
  const bool empty = series.empty();
  QGraphicsObject* note = nullptr;
  for (QGraphicsItem* item : chart->childItems()) {
    if (auto* o = item->toGraphicsObject(); o && o->objectName() == "emptyChartNote") note = o;
  }
  QVERIFY(note != nullptr && note->isVisible() == empty);
  QVERIFY(y->min() >= 0 || !empty);
}

void TestChartView::replacingSeriesDropsTheOld() {
  ChartView view;
  view.setSeries({{"A", Points(10, 1, 1)}, {"B", Points(10, 2, 1)}});
  view.setSeries({{"C", Points(3, 1, 1)}});
  QChart* chart = view.findChild<QChartView*>()->chart();
  QCOMPARE(chart->series().size(), 1);
  QCOMPARE(chart->series().first()->name(), QStringLiteral("C"));
  QCOMPARE(chart->axes().size(), 3);  // the same axes, not new ones per call
}

void TestChartView::stackedSeriesOnAnAxisOfTheirOwn() {
  ChartView view;
  const std::vector<ChartSeries> series = {
      {"Balance", Points(120, 250000, -2000), ChartSeries::Kind::Line},
      {"Capital", Points(120, 400, 10), ChartSeries::Kind::StackedBars},
      {"Interest", Points(120, 2600, -10), ChartSeries::Kind::StackedBars}};
  QChart* chart = view.findChild<QChartView*>()->chart();
  auto* left = qobject_cast<QCategoryAxis*>(chart->axes(Qt::Vertical, nullptr).value(0));
  auto* right = qobject_cast<QCategoryAxis*>(chart->axes(Qt::Vertical, nullptr).value(1));
  QVERIFY(left && right);

  view.setSeries(series);
  QVERIFY(!right->isVisible());
  QVERIFY(chart->series()[1]->attachedAxes().contains(left));

  view.setStackedAxisTitle(QStringLiteral("Repayment"));
  view.setSeries(series);
  QVERIFY(right->isVisible());
  QCOMPARE(right->titleText(), QStringLiteral("Repayment"));
  QVERIFY(chart->series()[0]->attachedAxes().contains(left));
  QVERIFY(chart->series()[2]->attachedAxes().contains(right));
  // The bands' top (3 000 a month) fills the right axis; the balance the left.
  QVERIFY(right->max() >= 3000 && right->max() < 10000);
  QVERIFY(left->max() >= 250000);
  if (qEnvironmentVariableIsSet("REVENTA_SCREENSHOTS")) {
    view.resize(480, 320);
    view.grab().save(qEnvironmentVariable("REVENTA_SCREENSHOTS") +
                     QStringLiteral("/chart_stacked_axis.png"));
  }
}

void TestChartView::layout() {
  ChartView view;
  view.setTitle(QStringLiteral("Outstanding balance"));
  view.setAxisTitles(QStringLiteral("Month"), QStringLiteral("Rand"));
  QVERIFY(view.minimumSize().width() >= 360 && view.minimumSize().height() >= 240);
  auto* chartView = view.findChild<QChartView*>();
  QVERIFY(chartView->renderHints().testFlag(QPainter::Antialiasing));
  QChart* chart = chartView->chart();
  QCOMPARE(chart->title(), QStringLiteral("Outstanding balance"));
  QCOMPARE(chart->legend()->alignment(), Qt::AlignBottom);
  QCOMPARE(chart->axes(Qt::Horizontal).value(0)->titleText(), QStringLiteral("Month"));
  QCOMPARE(chart->axes(Qt::Vertical).value(0)->titleText(), QStringLiteral("Rand"));
}

// A few terms as bars: one bar per point, the second series standing on the
// first.
void TestChartView::barsStackPerTerm() {
  ChartView view;
  using K = ChartSeries::Kind;
  view.setSeries({{"Capital", {{5, 100}, {10, 100}}, K::StackedBars, 2},
                  {"Interest", {{5, 30}, {10, 70}}, K::StackedBars, 2}});
  const QList<QAbstractSeries*> all = view.findChild<QChartView*>()->chart()->series();
  QCOMPARE(all.size(), 4);
  QCOMPARE(Shown(all[3]), (std::vector<ChartPoint>{{9, 170}, {11, 170}}));
  QCOMPARE(qobject_cast<QAreaSeries*>(all[3])->lowerSeries()->points(),
           (QList<QPointF>{{9, 100}, {11, 100}}));
}

QTEST_MAIN(TestChartView)
#include "tst_chart_view.moc"
