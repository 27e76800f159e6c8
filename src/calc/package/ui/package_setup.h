// SPDX-License-Identifier: GPL-3.0-or-later
// The "Setup" panel of the package windows, as a configuration of the frame's
// settings panel: the eleven preferences of the settings store that these windows
// share (the retirement-fund, UIF, skills levy and provident percentages, the UIF
// monthly limit, the two 80%/20% inclusion rates and the company car's
// maintenance plan). The retirement-fund, UIF and skills levy percentages are read
// from whatever is typed when the field is left ("12%" is 12, "abc" 0); the
// provident percentages take numbers only.
#pragma once

#include "calc/package/ui/package_variant.h"
#include "frame/settings_panel.h"

namespace reventa {

// The panel, "fraSetup", with the variant's caption of the travel allowance
// rate. In the net-to-gross windows every edit that brings the employee and
// employer retirement-fund percentages together above 27.5 sets both to 0,
// silently.
SettingsPanel* NewPackageSetupPanel(const PackageVariant& variant, QWidget* window);

// Shows what was read from the settings store. The net-to-gross windows take
// the two retirement-fund percentages as their fields would one after the other:
// the employee's with no employer percentage yet, then the employer's.
void LoadPackageSettings(SettingsPanel& panel, const PackageVariant& variant,
                         const SettingsRead& read);

// Net-to-gross windows: the 27.5 rule on the panel's values as they stand.
void ApplyPercentLimit(SettingsPanel& panel, const PackageVariant& variant);

}  // namespace reventa
