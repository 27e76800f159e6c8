// The program's one chart: series of points in, axes and legend laid out the
// same way everywhere. Windows use it instead of Qt Charts directly, so that a
// later move to another chart module touches this file and its .cpp only. A
// chart is a view of figures the window already holds; it computes nothing.
#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <QWidget>

namespace reventa {

struct ChartSeries {
  enum class Kind { Line, StackedBars };
  QString name;
  QList<QPointF> points;  // x: month or year number; y: rand
  Kind kind = Kind::Line;
  // Stacked series only: each point drawn as a bar this wide around its x (a few
  // terms side by side); 0 draws a band through the points (hundreds of months).
  double barWidth = 0;
};

class ChartView : public QWidget {
  Q_OBJECT

 public:
  explicit ChartView(QWidget* parent = nullptr);
  ~ChartView() override;

  void setTitle(const QString& title);
  void setAxisTitles(const QString& x, const QString& y);
  // Replaces what the chart shows. Line series share the left axis; stacked bar
  // series (capital and interest of each repayment) stack on the same axis.
  void setSeries(const QList<ChartSeries>& series);
  // With a title, stacked series are drawn against an axis of their own on the
  // right instead (a repayment's parts are too small beside the balance to read
  // on its axis); an empty title puts them back on the left axis. Applies from
  // the next setSeries.
  void setStackedAxisTitle(const QString& title);
  const QList<ChartSeries>& series() const { return series_; }

 private:
  class Impl;
  Impl* impl_;
  QList<ChartSeries> series_;
};

}  // namespace reventa
