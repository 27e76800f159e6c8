// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/chart_model.h"

#include <algorithm>
#include <cmath>

namespace reventa {

bool Finite(const ChartPoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

double AxisTicks::at(int i) const {
  const double v = first + step * i;
  return std::abs(v) < step * 1e-9 ? 0.0 : v;
}

int AxisTicks::decimals() const {
  int decimals = 0;
  while (decimals < 8) {
    const double scaled = step * std::pow(10.0, decimals);
    if (std::abs(scaled - std::round(scaled)) < 1e-6) break;
    ++decimals;
  }
  return decimals;
}

AxisTicks NiceTicks(double lo, double hi, int target, bool whole) {
  constexpr double kLimit = 1e300;
  if (!std::isfinite(lo) || !std::isfinite(hi)) lo = 0, hi = 1;
  lo = std::clamp(lo, -kLimit, kLimit);
  hi = std::clamp(hi, -kLimit, kLimit);
  if (lo > hi) std::swap(lo, hi);
  if (lo == 0 && hi == 0) {
    hi = 1;  // nothing but zero: from zero up, never below it
  } else if (hi - lo <= std::max(std::abs(lo), std::abs(hi)) * 1e-12) {
    const double pad = whole ? 1.0 : std::abs(lo) * 0.1;
    lo -= pad;
    hi += pad;
  }
  const double raw = (hi - lo) / std::max(target, 1);
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  double step = 10 * magnitude;
  for (const double m : {1.0, 2.0, 2.5, 5.0}) {
    if (whole && m == 2.5 && magnitude < 10) continue;  // 2.5 steps of whole numbers
    if (m * magnitude >= raw * (1 - 1e-9)) {
      step = m * magnitude;
      break;
    }
  }
  if (whole) step = std::max(1.0, std::round(step));
  const double first = std::floor(lo / step + 1e-9) * step;
  const double last = std::ceil(hi / step - 1e-9) * step;
  const int count = std::max(2, static_cast<int>(std::lround((last - first) / step)) + 1);
  return {first, step, count};
}

std::vector<std::vector<double>> StackBases(const std::vector<ChartSeries>& series) {
  std::vector<std::vector<double>> bases(series.size());
  std::vector<ChartPoint> tops;  // of the stacked series so far
  for (std::size_t s = 0; s < series.size(); ++s) {
    if (series[s].kind != ChartSeries::Kind::StackedBars) continue;
    const std::vector<ChartPoint>& points = series[s].points;
    for (std::size_t i = 0; i < points.size(); ++i) {
      const bool onTop = i < tops.size() && tops[i].x == points[i].x;
      bases[s].push_back(onTop ? tops[i].y : 0.0);
    }
    tops.resize(points.size());
    for (std::size_t i = 0; i < points.size(); ++i)
      tops[i] = {points[i].x, bases[s][i] + points[i].y};
  }
  return bases;
}

bool HasStacked(const std::vector<ChartSeries>& series) {
  return std::any_of(series.begin(), series.end(),
                     [](const ChartSeries& s) { return s.kind == ChartSeries::Kind::StackedBars; });
}

ChartRanges MeasureChart(const std::vector<ChartSeries>& series) {
  ChartRanges r;
  const auto add = [&r](double x, double y, double& lo, double& hi) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    if (!r.any) r.xLo = r.xHi = x;
    r.any = true;
    r.offZero = r.offZero || y != 0;
    r.xLo = std::min(r.xLo, x);
    r.xHi = std::max(r.xHi, x);
    r.wholeX = r.wholeX && x == std::floor(x);
    lo = std::min(lo, y);
    hi = std::max(hi, y);
  };
  const std::vector<std::vector<double>> bases = StackBases(series);
  for (std::size_t s = 0; s < series.size(); ++s) {
    const ChartSeries& one = series[s];
    const double half = one.barWidth / 2;
    for (std::size_t i = 0; i < one.points.size(); ++i) {
      const ChartPoint& p = one.points[i];
      if (one.kind == ChartSeries::Kind::Line) {
        add(p.x, p.y, r.lineLo, r.lineHi);
      } else if (half > 0) {  // a bar: its top left and its foot right
        add(p.x - half, bases[s][i] + p.y, r.stackedLo, r.stackedHi);
        add(p.x + half, bases[s][i], r.stackedLo, r.stackedHi);
      } else {
        add(p.x, bases[s][i] + p.y, r.stackedLo, r.stackedHi);
      }
    }
  }
  return r;
}

ChartAxes LayOutAxes(const std::vector<ChartSeries>& series, bool stackedApart) {
  const ChartRanges r = MeasureChart(series);
  ChartAxes axes;
  axes.blank = !r.offZero;
  axes.x = NiceTicks(r.xLo, r.xHi, 6, r.wholeX);
  axes.wholeX = r.wholeX;
  if (stackedApart) {
    axes.y = NiceTicks(r.lineLo, r.lineHi, 5);
    axes.stacked = NiceTicks(r.stackedLo, r.stackedHi, 5);
  } else {
    axes.y = NiceTicks(std::min(r.lineLo, r.stackedLo), std::max(r.lineHi, r.stackedHi), 5);
    axes.stacked = axes.y;
  }
  return axes;
}

}  // namespace reventa
