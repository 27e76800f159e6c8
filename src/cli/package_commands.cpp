// net-to-gross-annual, net-to-gross-monthly, gross-to-net-annual and
// gross-to-net-monthly: the salary package calculators. Each line is one freshly
// opened window: the settings from a new settings store unless given, and no
// earlier calculation. Values outside the window's fields and settings are refused
// with the key's name (ValidatePackageInputs); net-to-gross employee and employer
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

std::vector<std::string> InputKeys(PackageDirection direction) {
  return {"Age",
          direction == PackageDirection::NetToGross ? "NetRequired" : "Package",
          "CarValue",
          "CarCostCC",
          "Travel",
          "MedEmployee",
          "MedEmployer",
          "Beneficiaries",
          "OtherFB",
          "MedDeduct",
          "OtherDedTotal",
          "RFundEmployeeTyped",
          "RFundEmployerTyped",
          "EmployeePct",
          "EmployerPct",
          "UifEmployeePct",
          "UifEmployerPct",
          "SdlPct",
          "UifLimit",
          "TaRate",
          "CarFbRate",
          "MaintenancePlan"};
}

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

PackageInputs ReadInputs(const Input& in, PackageWindow window) {
  auto number = [&](const char* key, double defaultValue = 0) {
    return in.Number(key, defaultValue);
  };
  PackageInputs p;
  p.Age = in.Int16("Age", 0, 0, AgeRange.Max);
  if (window.Direction == PackageDirection::NetToGross) {
    p.NetRequired = number("NetRequired");
  } else {
    p.Package = number("Package");
  }
  p.CarValue = number("CarValue");
  p.CarCostCC = number("CarCostCC");
  p.Travel = number("Travel");
  p.MedEmployee = number("MedEmployee");
  p.MedEmployer = number("MedEmployer");
  p.Beneficiaries = in.Int16("Beneficiaries", 0, 0, PackageBeneficiariesMax(window.Period));
  p.OtherFB = number("OtherFB");
  p.MedDeduct = number("MedDeduct");
  p.OtherDedTotal = number("OtherDedTotal");
  p.RFundEmployeeTyped = number("RFundEmployeeTyped");
  p.RFundEmployerTyped = number("RFundEmployerTyped");
  p.EmployeePct = number("EmployeePct");
  p.EmployerPct = number("EmployerPct");
  p.UifEmployeePct = number("UifEmployeePct", DefaultUifPercent);
  p.UifEmployerPct = number("UifEmployerPct", DefaultUifPercent);
  p.SdlPct = number("SdlPct", DefaultSkillLevyPercent);
  p.UifLimit = number("UifLimit", DefaultUifMonthlyLimit);
  p.TaRate = number("TaRate", TravelInclusionHigh);
  p.CarFbRate = number("CarFbRate", TravelInclusionHigh);
  p.MaintenancePlan = in.Bool("MaintenancePlan", false);
  // Checked before the 27.5 rule, which would otherwise turn a percentage the field
  // refuses into 0.
  if (const auto bad = ValidatePackageInputs(window, p)) {
    throw CliError(bad->Field + ": " + bad->Message);
  }
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
  return Command{name, InputKeys(window.Direction), ResultKeys(window.Direction),
                 [window](const Input& in) {
                   return ResultJson(window, CalculatePackage(window, ReadInputs(in, window)));
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
