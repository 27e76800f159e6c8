// SPDX-License-Identifier: GPL-3.0-or-later
// net-to-gross-annual, net-to-gross-monthly, gross-to-net-annual and
// gross-to-net-monthly: the salary package calculators. Each line is one freshly
// opened window: the settings from a new settings store unless given, and no
// earlier calculation. Values outside the window's fields and settings are refused
// with the key's name (PackageRanges); net-to-gross employee and employer
// percentages above 27.5 together are both set to 0, without a message, as the
// window does.
//
// A net required (or package) of exactly 0 stops the window without a message and
// leaves the previous figures on screen; a fresh window's are zeros. The line then
// answers with those figures and "NoResult": true, with no error. The fringe check
// answers {"error": "Fringe benefits more than salary required!", "NoResult": true},
// and so does a gross salary search that reaches its limit, with its own message.
#include <string>
#include <vector>

#include "calc/package/package.h"
#include "cli/command.h"
#include "taxyear/tax_year.h"

namespace reventa::cli {
namespace {

std::vector<std::string> ResultKeys(PackageDirection direction) {
  std::vector<std::string> keys;
  if (direction == PackageDirection::NetToGross) keys.push_back("TrialSalary");
  keys.insert(keys.end(),
              {"CarBenefit",     "Rebate",         "MedCredit",    "AddMedCredit", "RFundEmployee",
               "RFundEmployer",  "RFundAllowable", "UifBase",      "UifEmployee",  "UifEmployer",
               "SdlAmount",      "TaxDue",         "NoResult",     "numUIFCont",   "numCCUIFCont",
               "numCCSkillLev",  "numMAns",        "numTaxCredit", "numTaxDeduct", "numGrossSal",
               "numTotCostComp", "numOnceOff",     "RFundWarning"});
  return keys;
}

// The window's inputs over a new settings store's settings. Each is checked
// against its field as it is read, before the 27.5 rule, which would otherwise
// turn a percentage the field refuses into 0.
PackageInputs ReadPackage(const Input& in, PackageWindow window) {
  PackageInputs p;
  p.UifEmployeePct = DefaultUifPercent;
  p.UifEmployerPct = DefaultUifPercent;
  p.SdlPct = DefaultSkillLevyPercent;
  p.UifLimit = DefaultUifMonthlyLimit;
  p.TaRate = TravelInclusionHigh;
  p.CarFbRate = TravelInclusionHigh;
  ReadInputs(in, PackageRanges(window), p);
  p.MaintenancePlan = in.Bool("MaintenancePlan", false);
  if (window.Direction == PackageDirection::NetToGross) ApplyNetToGrossPercentLimit(p);
  return p;
}

Json ResultJson(PackageWindow window, const PackageResult& r) {
  if (r.Error) return Json{{"error", r.Error->Text}, {"NoResult", true}};
  Json out = Json::object();
  if (window.Direction == PackageDirection::NetToGross) out["TrialSalary"] = r.TrialSalary;
  const PackageShownValues& s = r.Shown;
  out.update(Json{{"CarBenefit", r.CarBenefit},
                  {"Rebate", r.Rebate},
                  {"MedCredit", r.MedCredit},
                  {"AddMedCredit", r.AddMedCredit},
                  {"RFundEmployee", r.RFundEmployee},
                  {"RFundEmployer", r.RFundEmployer},
                  {"RFundAllowable", r.RFundAllowable},
                  {"UifBase", r.UifBase},
                  {"UifEmployee", r.UifEmployee},
                  {"UifEmployer", r.UifEmployer},
                  {"SdlAmount", r.SdlAmount},
                  {"TaxDue", r.TaxDue},
                  {"NoResult", r.NoResult},
                  {"numUIFCont", s.numUIFCont},
                  {"numCCUIFCont", s.numCCUIFCont},
                  {"numCCSkillLev", s.numCCSkillLev},
                  {"numMAns", s.numMAns},
                  {"numTaxCredit", s.numTaxCredit},
                  {"numTaxDeduct", s.numTaxDeduct},
                  {"numGrossSal", s.numGrossSal},
                  {"numTotCostComp", s.numTotCostComp},
                  {"numOnceOff", s.numOnceOff},
                  {"RFundWarning", s.RFundWarning}});
  return out;
}

Command PackageCommand(const char* name, PackageWindow window) {
  return Command{name,
                 Ranges(PackageRanges(window)),
                 {"MaintenancePlan"},
                 ResultKeys(window.Direction),
                 [window](const Input& in) {
                   return ResultJson(window, CalculatePackage(window, ReadPackage(in, window)));
                 }};
}

const bool kNetToGrossAnnual =
    RegisterCommand(PackageCommand("net-to-gross-annual", NetToGrossAnnual));
const bool kNetToGrossMonthly =
    RegisterCommand(PackageCommand("net-to-gross-monthly", NetToGrossMonthly));
const bool kGrossToNetAnnual =
    RegisterCommand(PackageCommand("gross-to-net-annual", GrossToNetAnnual));
const bool kGrossToNetMonthly =
    RegisterCommand(PackageCommand("gross-to-net-monthly", GrossToNetMonthly));

}  // namespace
}  // namespace reventa::cli
