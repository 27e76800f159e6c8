// travel-deemed, travel-actual, travel-allowance and company-car: the vehicle
// calculators. Each line is one freshly opened window on a freshly initialised
// program: no earlier results, the include flags on, the whole tax year as the
// period. Values outside what the window's fields accept are refused with the
// field's name; a date outside the window's limits gives the window's date message
// after the key.
//
// company-car takes the whole register as an array of cars (car 1 first) and runs
// the computation once; the cars come back in the same order with their results
// and the register fields the run works out.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "calc/vehicle/company_car.h"
#include "calc/vehicle/travel_claim.h"
#include "cli/command.h"
#include "taxyear/shared_state.h"
#include "taxyear/tax_year.h"

namespace reventa::cli {
namespace {

// A result as written: a zero worked out as -0 is written as 0.
double Out(double value) { return value == 0 ? 0.0 : value; }

bool IsWholeDay(double serial) { return std::floor(serial) == serial; }

// A date of the vehicle windows: a whole day of the tax year, from `earliest` on.
// The message is the one the window shows for the field.
double ReadDate(const Input& in, const std::string& key, double defaultValue, double earliest,
                const std::string& message) {
  const double d = in.Number(key, defaultValue);
  if (!IsWholeDay(d) || d < earliest || d > TaxYearEnd) throw CliError(key + ": " + message);
  return d;
}

// Travel allowance ------------------------------------------------------------

std::vector<std::string> TravelInputKeys(bool withPeriodDays) {
  std::vector<std::string> keys{"VehicleValue", "AllowanceReceived",    "ClosingKm",
                                "OpeningKm",    "RecordedBusinessKm",   "FuelOilCost",
                                "RepairsCost",  "InsuranceLicenceCost", "OtherCost",
                                "WearAndTear",  "LeasePayments"};
  if (withPeriodDays) keys.push_back("PeriodDays");
  keys.insert(keys.end(), {"IncludeFuel", "IncludeMaintenance"});
  return keys;
}

TravelClaimInputs ReadTravelInputs(const Input& in, bool withPeriodDays) {
  auto field = [&](const char* key) { return in.Range(key, 0, 0, TravelFieldMax); };
  TravelClaimInputs t;
  t.VehicleValue = field("VehicleValue");
  t.AllowanceReceived = field("AllowanceReceived");
  t.ClosingKm = field("ClosingKm");
  t.OpeningKm = field("OpeningKm");
  t.RecordedBusinessKm = field("RecordedBusinessKm");
  t.FuelOilCost = field("FuelOilCost");
  t.RepairsCost = field("RepairsCost");
  t.InsuranceLicenceCost = field("InsuranceLicenceCost");
  t.OtherCost = field("OtherCost");
  t.WearAndTear = field("WearAndTear");
  t.LeasePayments = field("LeasePayments");
  // The window works the period out from its two dates, so it holds the days of a
  // stretch of the tax year; a fresh window shows the whole year.
  if (withPeriodDays) t.PeriodDays = in.Range("PeriodDays", TravelYearDays, 0, TravelYearDays);
  t.IncludeFuel = in.Bool("IncludeFuel", true);
  t.IncludeMaintenance = in.Bool("IncludeMaintenance", true);
  // The window refuses the second of the two while the first holds an amount.
  if ((t.WearAndTear > 0 && t.LeasePayments >= 1) || (t.LeasePayments > 0 && t.WearAndTear >= 1)) {
    throw CliError(std::string("WearAndTear, LeasePayments: ") + SinglePaymentText);
  }
  return t;
}

Json DistanceJson(const TravelClaimResults& r) {
  return Json{{"TotalKm", Out(r.TotalKm)},
              {"BusinessKm", Out(r.BusinessKm)},
              {"PrivateKm", Out(r.PrivateKm)}};
}

Json DeemedJson(const TravelClaimResults& r) {
  Json out = DistanceJson(r);
  out.update(Json{{"FixedCost", Out(r.FixedCost)},
                  {"FixedCentsPerKm", Out(r.FixedCentsPerKm)},
                  {"FuelCentsPerKm", Out(r.FuelCentsPerKm)},
                  {"MaintenanceCentsPerKm", Out(r.MaintenanceCentsPerKm)},
                  {"TotalCentsPerKm", Out(r.TotalCentsPerKm)},
                  {"DeductionClaim", Out(r.DeductionClaim)}});
  return out;
}

Json ActualJson(const TravelClaimResults& r) {
  Json out = DistanceJson(r);
  out.update(Json{{"TotalCosts", Out(r.TotalCosts)},
                  {"PrivateUseCost", Out(r.PrivateUseCost)},
                  {"DeductionClaim", Out(r.DeductionClaim)}});
  return out;
}

const std::vector<std::string> DeemedResultKeys{"TotalKm",
                                                "BusinessKm",
                                                "PrivateKm",
                                                "FixedCost",
                                                "FixedCentsPerKm",
                                                "FuelCentsPerKm",
                                                "MaintenanceCentsPerKm",
                                                "TotalCentsPerKm",
                                                "DeductionClaim"};
const std::vector<std::string> ActualResultKeys{"TotalKm",    "BusinessKm",     "PrivateKm",
                                                "TotalCosts", "PrivateUseCost", "DeductionClaim"};
const std::vector<std::string> AllowanceResultKeys{
    "TotalKm",         "BusinessKm",     "PrivateKm",
    "TotalCosts",      "PrivateUseCost", "FixedCost",
    "FixedCentsPerKm", "FuelCentsPerKm", "MaintenanceCentsPerKm",
    "TotalCentsPerKm", "DeductionClaim", "PeriodDays"};

const bool kTravelDeemed = RegisterCommand({
    "travel-deemed",
    TravelInputKeys(true),
    DeemedResultKeys,
    [](const Input& in) {
      TravelClaimResults r;
      ComputeDeemedCostClaim(ReadTravelInputs(in, true), r);
      return DeemedJson(r);
    },
});

const bool kTravelActual = RegisterCommand({
    "travel-actual",
    TravelInputKeys(true),
    ActualResultKeys,
    [](const Input& in) {
      TravelClaimResults r;
      ComputeActualCostClaim(ReadTravelInputs(in, true), r);
      return ActualJson(r);
    },
});

std::vector<std::string> AllowanceInputKeys() {
  std::vector<std::string> keys = TravelInputKeys(false);
  keys.insert(keys.end(), {"RecordsKept", "StartDate", "EndDate"});
  return keys;
}

Json RunTravelAllowance(const Input& in) {
  TravelAllowanceState travel;
  travel.Inputs = ReadTravelInputs(in, false);
  travel.RecordsKept = in.Bool("RecordsKept", false);
  const double start = ReadDate(in, "StartDate", TaxYearStart, TaxYearStart, TaxYearDateMessage());
  const double end = ReadDate(in, "EndDate", TaxYearEnd, start, TaxYearDateMessage(start));
  CalculateTravelAllowance(travel, start, end);
  const TravelClaimResults& r = travel.Results;
  Json out = DistanceJson(r);
  out.update(Json{{"TotalCosts", Out(r.TotalCosts)},
                  {"PrivateUseCost", Out(r.PrivateUseCost)},
                  {"FixedCost", Out(r.FixedCost)},
                  {"FixedCentsPerKm", Out(r.FixedCentsPerKm)},
                  {"FuelCentsPerKm", Out(r.FuelCentsPerKm)},
                  {"MaintenanceCentsPerKm", Out(r.MaintenanceCentsPerKm)},
                  {"TotalCentsPerKm", Out(r.TotalCentsPerKm)},
                  {"DeductionClaim", Out(r.DeductionClaim)},
                  {"PeriodDays", Out(travel.Inputs.PeriodDays)}});
  return out;
}

const bool kTravelAllowance = RegisterCommand({
    "travel-allowance",
    AllowanceInputKeys(),
    AllowanceResultKeys,
    RunTravelAllowance,
});

// Company car -----------------------------------------------------------------

const std::vector<std::string> CarKeys{
    "CCRegNumber",        "CCMake",           "CCModel",
    "YearOfManfact",      "CCPrice",          "MaintIncluded",
    "CCStartDate",        "CCEndDate",        "EndMileage",
    "StartMileage",       "TotalDistance",    "BusDistance",
    "BussMilage",         "SARSTable",        "ActualExpEmployee",
    "FuelReimbEmployer",  "EmpPaidInsurance", "EmpPaidLicence",
    "EmpPaidMaintenance", "FB3802ThisCar",    "AdjustTaxableInc",
    "FuelComponent"};

// A check box of the window: 0 or 1, also written as false or true.
std::int16_t ReadFlag(const Input& in, const std::string& key) {
  const Json& v = in.Raw(key);
  if (v.is_boolean()) return v.get<bool>() ? 1 : 0;
  if (!v.is_null() && !v.is_number()) throw CliError(key + ": expected 0 or 1");
  const double d = in.Number(key, 0);
  if (d != 0 && d != 1) throw CliError(key + ": expected 0 or 1");
  return static_cast<std::int16_t>(d);
}

// A text field of the window, which holds at most `maxLength` characters.
std::string ReadText(const Input& in, const std::string& key, std::size_t maxLength) {
  std::string text = in.Text(key, "");
  // Characters, not bytes: UTF-8 continuation bytes do not count.
  const auto length = static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
  if (length > maxLength) {
    throw CliError(key + ": longer than " + std::to_string(maxLength) + " characters");
  }
  return text;
}

CompanyCar ReadCar(const Json& object) {
  if (!object.is_object()) throw CliError("expected an object");
  for (const auto& [key, value] : object.items()) {
    if (std::find(CarKeys.begin(), CarKeys.end(), key) == CarKeys.end()) {
      throw CliError("unknown key: " + key);
    }
  }
  const Input in(object);
  auto field = [&](const char* key) { return in.Range(key, 0, 0, CompanyCarFieldMax); };
  // The worked values the register keeps between runs; a run can make them
  // negative, so they are taken as any amount the fields could lead to.
  auto worked = [&](const char* key) {
    return in.Range(key, 0, -CompanyCarFieldMax, CompanyCarFieldMax);
  };
  CompanyCar car;
  car.CCRegNumber = ReadText(in, "CCRegNumber", 10);
  car.CCMake = ReadText(in, "CCMake", 25);
  car.CCModel = ReadText(in, "CCModel", 25);
  car.YearOfManfact = ReadText(in, "YearOfManfact", 25);
  car.CCPrice = field("CCPrice");
  car.MaintIncluded = ReadFlag(in, "MaintIncluded");
  car.CCStartDate = ReadDate(in, "CCStartDate", TaxYearStart, TaxYearStart, TaxYearDateMessage());
  car.CCEndDate =
      ReadDate(in, "CCEndDate", TaxYearEnd, car.CCStartDate, TaxYearDateMessage(car.CCStartDate));
  car.EndMileage = field("EndMileage");
  car.StartMileage = field("StartMileage");
  car.TotalDistance = field("TotalDistance");
  car.BusDistance = field("BusDistance");
  car.BussMilage = ReadFlag(in, "BussMilage");
  car.SARSTable = ReadFlag(in, "SARSTable");
  car.ActualExpEmployee = field("ActualExpEmployee");
  car.FuelReimbEmployer = field("FuelReimbEmployer");
  car.EmpPaidInsurance = field("EmpPaidInsurance");
  car.EmpPaidLicence = field("EmpPaidLicence");
  car.EmpPaidMaintenance = field("EmpPaidMaintenance");
  car.FB3802ThisCar = field("FB3802ThisCar");
  car.AdjustTaxableInc = worked("AdjustTaxableInc");
  car.FuelComponent = worked("FuelComponent");
  return car;
}

CompanyCarRegister ReadRegister(const Input& in) {
  CompanyCarRegister cars;
  const Json& list = in.Raw("Cars");
  if (!list.is_null()) {
    if (!list.is_array()) throw CliError("Cars: expected an array of cars");
    if (list.size() > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max())) {
      throw CliError(std::string("Cars: ") + TooManyCarsText);
    }
    for (std::size_t i = 0; i < list.size(); ++i) {
      try {
        cars.Entries.push_back(ReadCar(list[i]));
      } catch (const CliError& e) {
        throw CliError("Cars: car " + std::to_string(i + 1) + ": " + e.what());
      }
    }
    cars.N = static_cast<std::int16_t>(list.size());
  }
  cars.Actual3802 = in.Range("Actual3802", 0, 0, CompanyCarFieldMax);
  cars.AutoCalc3802 = ReadFlag(in, "AutoCalc3802");
  if (cars.N == 0) {
    cars.Current = in.Int16("Current", 0, 0, 0);
  } else {
    cars.Current = in.Int16("Current", 1, 1, cars.N);
  }
  cars.Shown = cars.Current;
  return cars;
}

Json RunCompanyCar(const Input& in) {
  CompanyCarRegister cars = ReadRegister(in);
  const CompanyCarRun run = ComputeCompanyCars(cars, in.Bool("FromCalculateCommand", true));
  Json list = Json::array();
  for (std::size_t i = 0; i < run.Cars.size(); ++i) {
    const CompanyCarResults& r = run.Cars[i];
    const CompanyCar& car = cars.Entries[i + 1];
    list.push_back(Json{{"DaysUsed", r.DaysUsed},
                        {"PrivateDistance", Out(r.PrivateDistance)},
                        {"TrueInclusion", Out(r.TrueInclusion)},
                        {"FuelClaim", Out(r.FuelClaim)},
                        {"TotAddExpense", Out(r.TotAddExpense)},
                        {"FuelExp", Out(r.FuelExp)},
                        {"SARSDeductionClaim", Out(r.SARSDeductionClaim)},
                        {"IRP53802", Out(r.IRP53802)},
                        {"MonFB80", Out(r.MonFB80)},
                        {"MonFB20", Out(r.MonFB20)},
                        {"FortFB80", Out(r.FortFB80)},
                        {"FortFB20", Out(r.FortFB20)},
                        {"WeekFB80", Out(r.WeekFB80)},
                        {"WeekFB20", Out(r.WeekFB20)},
                        {"TotalDistance", Out(car.TotalDistance)},
                        {"BusDistance", Out(car.BusDistance)},
                        {"FB3802ThisCar", Out(car.FB3802ThisCar)},
                        {"AdjustTaxableInc", Out(car.AdjustTaxableInc)},
                        {"FuelComponent", Out(car.FuelComponent)}});
  }
  return Json{{"Cars", list},
              {"TotAdjustTaxableInc", Out(run.TotAdjustTaxableInc)},
              {"TotAdjustTaxableIncSARS", Out(run.TotAdjustTaxableIncSARS)}};
}

const bool kCompanyCar = RegisterCommand({
    "company-car",
    {"Actual3802", "AutoCalc3802", "Current", "FromCalculateCommand", "Cars"},
    {"Cars", "TotAdjustTaxableInc", "TotAdjustTaxableIncSARS"},
    RunCompanyCar,
});

}  // namespace
}  // namespace reventa::cli
