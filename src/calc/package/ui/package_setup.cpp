// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/package/ui/package_setup.h"

#include <array>
#include <map>

#include "calc/package/package.h"
#include "taxyear/settings_ranges.h"
#include "taxyear/tax_year.h"

namespace reventa {
namespace {

constexpr FieldEntry Percentage(const char* name, const char* caption, bool freeText) {
  return {name, caption, "", "%", FieldLook::Rate, 3, 0, nullptr, freeText};
}

const SettingEntry kSettings[] = {
    {Percentage("numPenContPerc", "Employee R/Fund contributions", true), &SetupRecord::PensionCont,
     SettingPercentRange},
    {Percentage("numPenPercentage", "Employer R/Fund contributions", true),
     &SetupRecord::EmployerPenCont, SettingPercentRange},
    {Percentage("numEmpEUIF", "Employee UIF portion", true), &SetupRecord::EmployeeUIF,
     SettingPercentRange},
    {Percentage("numEmpRUIF", "Employer UIF portion", true), &SetupRecord::EmployerUIF,
     SettingPercentRange},
    {Percentage("numSkillPercent", "Skills levy", true), &SetupRecord::SkillLevy,
     SettingPercentRange},
    {{"numUIFLimit", "UIF monthly limit"}, &SetupRecord::UIFLimit, SettingUifLimitRange},
    {Percentage("numProvContPerc", "Employee provident contribution", false),
     &SetupRecord::ProvCont, SettingPercentRange},
    {Percentage("numCCProvContPerc", "Employer's provident contribution", false),
     &SetupRecord::EmployerProvCont, SettingPercentRange},
};

double RateOf(int option) { return option == 0 ? TravelInclusionHigh : TravelInclusionLow; }

// The travel allowance pair takes its caption from the variant.
const OptionPairEntry kTravelRate{
    "",
    "80%",
    "optTAIncRate80",
    "20%",
    "optTAIncRate20",
    [](const SetupRecord& r) { return SelectedRate(r.TAIncRate8020); },
    [](SetupRecord& r, int option) { r.TAIncRate8020 = RateOf(option); }};
const OptionPairEntry kCarRate{
    "Company car fringe benefit rate ",
    "80%",
    "optCompCarFBRate80",
    "20%",
    "optCompCarFBRate20",
    [](const SetupRecord& r) { return SelectedRate(r.CompCarFBRate8020); },
    [](SetupRecord& r, int option) { r.CompCarFBRate8020 = RateOf(option); }};
const OptionPairEntry kMaintenancePlan{
    "Company car has maintenance plan ",
    "Yes",
    "optCompCarMPYes",
    "No",
    "optCompCarMPNo",
    [](const SetupRecord& r) { return r.CompCarMPYesNo ? 0 : 1; },
    [](SetupRecord& r, int option) { r.CompCarMPYesNo = option == 0; }};

// The option pairs of the variant's panel. The panel keeps pointers to them, so
// each variant's table, made when its first window opens, stays for good.
std::span<const OptionPairEntry> OptionPairs(const PackageVariant& variant) {
  static std::map<const PackageVariant*, std::array<OptionPairEntry, 3>> tables;
  auto it = tables.find(&variant);
  if (it == tables.end()) {
    OptionPairEntry travel = kTravelRate;
    travel.caption = variant.travelRateCaption;
    it = tables.emplace(&variant, std::array{travel, kCarRate, kMaintenancePlan}).first;
  }
  return it->second;
}

// The 27.5 rule on a record; true when it set the percentages to 0.
bool LimitPercentages(SetupRecord& record) {
  PackageInputs percentages;
  percentages.EmployeePct = record.PensionCont;
  percentages.EmployerPct = record.EmployerPenCont;
  if (!ApplyNetToGrossPercentLimit(percentages)) return false;
  record.PensionCont = percentages.EmployeePct;
  record.EmployerPenCont = percentages.EmployerPct;
  return true;
}

}  // namespace

SettingsPanel* NewPackageSetupPanel(const PackageVariant& variant, QWidget* window) {
  auto* panel = new SettingsPanel(window, QStringLiteral("fraSetup"), kSettings,
                                  OptionPairs(variant), kAllSetupFields);
  if (variant.netToGross()) {
    QObject::connect(panel, &SettingsPanel::edited, panel,
                     [panel, &variant] { ApplyPercentLimit(*panel, variant); });
  }
  return panel;
}

void LoadPackageSettings(SettingsPanel& panel, const PackageVariant& variant,
                         const SettingsRead& read) {
  panel.load(read);
  if (!variant.netToGross()) return;
  // The stored percentages as typing them one after the other would leave
  // them: the employee's first, with no employer percentage yet. What the rule
  // resets is a change the next "O&K" saves.
  SetupRecord r = read.record;
  const double employer = r.EmployerPenCont;
  r.EmployerPenCont = 0;
  LimitPercentages(r);
  r.EmployerPenCont = employer;
  LimitPercentages(r);
  panel.setValue(&SetupRecord::PensionCont, r.PensionCont);
  panel.setValue(&SetupRecord::EmployerPenCont, r.EmployerPenCont);
}

void ApplyPercentLimit(SettingsPanel& panel, const PackageVariant& variant) {
  if (!variant.netToGross()) return;
  SetupRecord r = panel.values();
  if (!LimitPercentages(r)) return;
  panel.setValue(&SetupRecord::PensionCont, r.PensionCont);
  panel.setValue(&SetupRecord::EmployerPenCont, r.EmployerPenCont);
}

}  // namespace reventa
