// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' chart: the series of chart/chart_model.h in, axes laid out with
// its ticks (as a report's chart lays out its own, every label inside the chart)
// and a legend below; with nothing to show, an empty plot from zero that says
// "Calculate to see the chart". Windows
// use it instead of Qt Charts directly, so that a later move to another chart
// module touches this file and its .cpp only. A chart is a view of figures the
// window already holds; it computes nothing.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "chart/chart_model.h"

namespace reventa {

class ChartView : public QWidget {
  Q_OBJECT

 public:
  explicit ChartView(QWidget* parent = nullptr);
  ~ChartView() override;

  void setTitle(const QString& title);
  void setAxisTitles(const QString& x, const QString& y);
  // Replaces what the chart shows. Line series share the left axis; stacked bar
  // series (capital and interest of each repayment) stack on the same axis.
  void setSeries(std::vector<ChartSeries> series);
  // With a title, stacked series are drawn against an axis of their own on the
  // right instead (a repayment's parts are too small beside the balance to read
  // on its axis); an empty title puts them back on the left axis. Applies from
  // the next setSeries.
  void setStackedAxisTitle(const QString& title);
  const std::vector<ChartSeries>& series() const { return series_; }

 private:
  class Impl;
  Impl* impl_;
  std::vector<ChartSeries> series_;
};

}  // namespace reventa
