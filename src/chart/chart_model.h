// SPDX-License-Identifier: GPL-3.0-or-later
// What a chart shows and how its axes are laid out, for the window chart
// (widgets/chart_view) and the report chart (store/report_chart) alike: the
// series, how stacked series stand on one another, the ranges the figures cover
// and round ticks over them. Both charts take their axes from here, so a schedule
// reads the same on screen and on paper.
#pragma once

#include <string>
#include <vector>

namespace reventa {

struct ChartPoint {
  double x = 0;  // month or year number
  double y = 0;  // rand
  friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

// A point with no figure (NaN) is left out of the ranges; a line breaks there.
bool Finite(const ChartPoint& p);

struct ChartSeries {
  enum class Kind { Line, StackedBars };
  std::string name;  // the legend text
  std::vector<ChartPoint> points;
  Kind kind = Kind::Line;
  // Stacked series only: each point drawn as a bar this wide around its x (a few
  // terms side by side); 0 draws a band through the points (hundreds of months).
  double barWidth = 0;
  friend bool operator==(const ChartSeries&, const ChartSeries&) = default;
};

// Ticks of an axis at round steps (1, 2, 2.5 or 5 times a power of ten, whole
// steps when `whole`) covering lo..hi in about `target` steps. An empty or
// degenerate range widens so that there are always at least two ticks; one at
// zero widens upwards only, so that a chart with nothing to show reads from 0.
struct AxisTicks {
  double first = 0;
  double step = 1;
  int count = 2;
  // Tick i, with the rounding noise of first + step * i removed, so that a tick
  // at zero never reads "-0.00".
  double at(int i) const;
  double last() const { return at(count - 1); }
  // The decimals a label needs for no two ticks to read the same (none for rand
  // amounts and month numbers).
  int decimals() const;
};
AxisTicks NiceTicks(double lo, double hi, int target = 5, bool whole = false);

// Where each point of each stacked series starts: on the top of the point at the
// same place in the stacked series before it when that point has the same x,
// else on zero. One list per series; a line series' list is empty.
std::vector<std::vector<double>> StackBases(const std::vector<ChartSeries>& series);

// True when a series stands stacked (the parts of each repayment): those can go on
// an axis of their own, since beside a balance they would lie flat at zero.
bool HasStacked(const std::vector<ChartSeries>& series);

// The ranges a chart's finite points cover. Amounts are measured from zero, so
// both amount ranges hold it; stacked series count with their stack (and their
// bars' width), and an empty chart spans 0..1 along.
struct ChartRanges {
  bool any = false;      // a finite point at all
  bool offZero = false;  // a finite point whose amount is not zero
  double xLo = 0;
  double xHi = 1;
  bool wholeX = true;  // every x a whole number (months, years)
  double lineLo = 0;
  double lineHi = 0;
  double stackedLo = 0;
  double stackedHi = 0;
};
ChartRanges MeasureChart(const std::vector<ChartSeries>& series);

// The ticks of a chart's axes: along (about six steps), the amounts of the line
// series (about five) and, with `stackedApart`, those of the stacked series on an
// axis of their own; otherwise the stacked series share the line series' axis.
struct ChartAxes {
  // Nothing to show but zeros, if anything (a zero loan, a zero present cost):
  // the axes then span 0..1 and the figures on them say nothing.
  bool blank = true;
  AxisTicks x;
  bool wholeX = true;
  AxisTicks y;
  AxisTicks stacked;
};
ChartAxes LayOutAxes(const std::vector<ChartSeries>& series, bool stackedApart = false);

}  // namespace reventa
