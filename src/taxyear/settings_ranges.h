// What the settings panels accept for the preferences kept in the Setup row. The
// calculators refuse inputs outside these, the command line reports them by key,
// and a stored value outside them is not used.
#pragma once

namespace reventa {

struct SettingRange {
  double Min;
  double Max;
};

// UIF, skills levy and retirement-fund percentages: 0 to 100, three decimals.
inline constexpr SettingRange SettingPercentRange{0, 100};
// The UIF monthly remuneration limit, in rand, no decimals.
inline constexpr SettingRange SettingUifLimitRange{0, 999999};
// The travel allowance and company car inclusion rates are chosen as 80% or 20%.
// A stored fraction other than 0.8 or 0.2 selects neither option and is used as
// stored, so any fraction from 0 to 1 is a rate the calculators take.
inline constexpr SettingRange SettingInclusionRateRange{0, 1};

// False for a value outside the range and for NaN.
constexpr bool InSettingRange(double value, SettingRange range) {
  return value >= range.Min && value <= range.Max;
}

}  // namespace reventa
