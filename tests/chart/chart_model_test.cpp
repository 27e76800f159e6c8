// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/chart_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace reventa {
namespace {

TEST(NiceTicks, RoundAndCover) {
  struct Case {
    const char* name;
    double lo;
    double hi;
    bool whole;
    double step;         // 0: any round step
    double first = NAN;  // the first tick, where it matters
  };
  for (const Case& c : std::vector<Case>{{"600 months", 1, 600, true, 200},
                                         {"one month", 1, 1, true, 1},
                                         {"3 years", 1, 3, true, 1},
                                         {"balance", 0, 250000, false, 50000},
                                         {"all zero", 0, 0, false, 0},
                                         {"nothing to show: from zero up", 0, 0, false, 0, 0},
                                         {"negative to positive", -12000, 8000, false, 5000},
                                         {"cents", 0, 0.07, false, 0},
                                         {"largest amount", 0, 99999999.99, false, 0}}) {
    SCOPED_TRACE(c.name);
    const AxisTicks t = NiceTicks(c.lo, c.hi, 5, c.whole);
    if (c.step != 0) {
      EXPECT_DOUBLE_EQ(t.step, c.step);
    }
    if (!std::isnan(c.first)) {
      EXPECT_DOUBLE_EQ(t.first, c.first);
    }
    EXPECT_TRUE(t.first <= c.lo && t.last() >= c.hi);
    EXPECT_GT(t.last(), t.first);
    EXPECT_TRUE(t.count >= 2 && t.count <= 12) << t.count;
    const double mantissa = t.step / std::pow(10.0, std::floor(std::log10(t.step)));
    const double m = std::round(mantissa * 100) / 100;
    EXPECT_TRUE(m == 1 || m == 2 || m == 2.5 || m == 5) << t.step;
    if (c.whole) {
      EXPECT_DOUBLE_EQ(t.step, std::round(t.step));
    }
  }
}

// Bars stand on the bars before them and widen the range by half a bar; a point
// with no figure is left out; the amounts hold zero.
TEST(MeasureChart, StacksAndSkipsGaps) {
  using K = ChartSeries::Kind;
  const std::vector<ChartSeries> series{{"Balance", {{1, 900}, {2, NAN}}, K::Line},
                                        {"Capital", {{5, 100}, {10, 100}}, K::StackedBars, 2},
                                        {"Interest", {{5, 30}, {10, 70}}, K::StackedBars, 2}};
  EXPECT_EQ(StackBases(series)[2], (std::vector<double>{100, 100}));
  const ChartRanges r = MeasureChart(series);
  EXPECT_TRUE(r.any && r.wholeX);
  EXPECT_EQ(r.xLo, 1);
  EXPECT_EQ(r.xHi, 11);
  EXPECT_EQ(r.lineLo, 0);
  EXPECT_EQ(r.lineHi, 900);
  EXPECT_EQ(r.stackedHi, 170);
  EXPECT_EQ(LayOutAxes(series, true).stacked.last(), 200);
  EXPECT_FALSE(MeasureChart({}).any);
  // Nothing but zero (a zero loan) shows as blank as nothing at all.
  EXPECT_FALSE(LayOutAxes(series).blank);
  EXPECT_TRUE(LayOutAxes({{"Future cost", {{0, 0}}, K::Line}}).blank);
}

}  // namespace
}  // namespace reventa
