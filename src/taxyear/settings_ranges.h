// SPDX-License-Identifier: GPL-3.0-or-later
// What the settings panels accept for the preferences kept in the Setup row. The
// calculators refuse inputs outside these, the command line reports them by key,
// and a stored value outside them is not used.
#pragma once

#include "taxyear/input_range.h"

namespace reventa {

// UIF, skills levy and retirement-fund percentages: 0 to 100, three decimals.
inline constexpr InputRange SettingPercentRange{"", 0, 100, 3};
// The UIF monthly remuneration limit, in rand, no decimals.
inline constexpr InputRange SettingUifLimitRange{"", 0, 999999, 0};
// The travel allowance and company car inclusion rates are chosen as 80% or 20%.
// A stored fraction other than 0.8 or 0.2 selects neither option and is used as
// stored, so any fraction from 0 to 1 is a rate the calculators take.
inline constexpr InputRange SettingInclusionRateRange{"", 0, 1, 1};

}  // namespace reventa
