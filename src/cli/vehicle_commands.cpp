// SPDX-License-Identifier: GPL-3.0-or-later
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

// The vehicle windows' date rule, as the window's message for the field.
void CheckDates(const char* startKey, double start, const char* endKey, double end) {
  if (const auto e = CheckVehicleDates(startKey, start, endKey, end)) throw CliError(e->Text());
}

// Travel allowance ------------------------------------------------------------

// The travel allowance window's two dates, which it works the period out from.
constexpr InputRange AllowanceStart = TaxYearDateRange.Named("StartDate");
constexpr InputRange AllowanceEnd = TaxYearDateRange.Named("EndDate");

TravelClaimInputs ReadTravelInputs(const Input& in, bool withPeriodDays) {
  TravelClaimInputs t;
  ReadInputs(in, TravelClaimRanges, t);
  // The window works the period out from its two dates, so it holds the days of a
  // stretch of the tax year; a fresh window shows the whole year.
  if (withPeriodDays) t.PeriodDays = in.Range(TravelPeriodDaysRange, TravelYearDays);
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
    Ranges(TravelClaimRanges, {TravelPeriodDaysRange}),
    {"IncludeFuel", "IncludeMaintenance"},
    DeemedResultKeys,
    [](const Input& in) {
      TravelClaimResults r;
      ComputeDeemedCostClaim(ReadTravelInputs(in, true), r);
      return DeemedJson(r);
    },
});

const bool kTravelActual = RegisterCommand({
    "travel-actual",
    Ranges(TravelClaimRanges, {TravelPeriodDaysRange}),
    {"IncludeFuel", "IncludeMaintenance"},
    ActualResultKeys,
    [](const Input& in) {
      TravelClaimResults r;
      ComputeActualCostClaim(ReadTravelInputs(in, true), r);
      return ActualJson(r);
    },
});

Json RunTravelAllowance(const Input& in) {
  TravelAllowanceState travel;
  travel.Inputs = ReadTravelInputs(in, false);
  travel.RecordsKept = in.Bool("RecordsKept", false);
  const double start = in.Range(AllowanceStart, TaxYearStart);
  const double end = in.Range(AllowanceEnd, TaxYearEnd);
  CheckDates(AllowanceStart.Key, start, AllowanceEnd.Key, end);
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
    Ranges(TravelClaimRanges, {AllowanceStart, AllowanceEnd}),
    {"IncludeFuel", "IncludeMaintenance", "RecordsKept"},
    AllowanceResultKeys,
    RunTravelAllowance,
});

// Company car -----------------------------------------------------------------

// A car's check boxes.
struct CarFlag {
  const char* Key;
  std::int16_t CompanyCar::*Member;
};
constexpr CarFlag CarFlags[] = {{"MaintIncluded", &CompanyCar::MaintIncluded},
                                {"BussMilage", &CompanyCar::BussMilage},
                                {"SARSTable", &CompanyCar::SARSTable}};

bool IsCarKey(const std::string& key) {
  const auto named = [&key](const auto& input) { return key == input.Key; };
  return FindInput<CompanyCar>(CompanyCarRanges, key) != nullptr ||
         std::any_of(std::begin(CompanyCarTexts), std::end(CompanyCarTexts), named) ||
         std::any_of(std::begin(CarFlags), std::end(CarFlags), named);
}

// A check box of the window: 0 or 1, also written as false or true.
std::int16_t ReadFlag(const Input& in, const char* key) {
  const Json& v = in.Raw(key);
  if (v.is_boolean()) return v.get<bool>() ? 1 : 0;
  if (!v.is_null() && !v.is_number()) throw CliError(std::string(key) + ": expected 0 or 1");
  double d = 0;
  in.Read(key, d);
  if (d != 0 && d != 1) throw CliError(std::string(key) + ": expected 0 or 1");
  return static_cast<std::int16_t>(d);
}

// A text field of the window, which holds at most `maxLength` characters.
std::string ReadText(const Input& in, const char* key, std::size_t maxLength) {
  std::string text = in.Text(key, "");
  // Characters, not bytes: UTF-8 continuation bytes do not count.
  const auto length = static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
  if (length > maxLength) {
    throw CliError(std::string(key) + ": longer than " + std::to_string(maxLength) + " characters");
  }
  return text;
}

CompanyCar ReadCar(const Json& object) {
  if (!object.is_object()) throw CliError("expected an object");
  for (const auto& [key, value] : object.items()) {
    if (!IsCarKey(key)) throw CliError("unknown key: " + key);
  }
  const Input in(object);
  CompanyCar car;
  for (const CarText& text : CompanyCarTexts) {
    car.*text.Member = ReadText(in, text.Key, static_cast<std::size_t>(text.MaxLength));
  }
  ReadInputs(in, CompanyCarRanges, car);
  CheckDates("CCStartDate", car.CCStartDate, "CCEndDate", car.CCEndDate);
  for (const CarFlag& flag : CarFlags) car.*flag.Member = ReadFlag(in, flag.Key);
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
  ReadInputs(in, CompanyCarRegisterRanges, cars);
  cars.AutoCalc3802 = ReadFlag(in, "AutoCalc3802");
  // The car on screen: one of the cars, the first unless given; none without cars.
  const std::int16_t first = std::min<std::int16_t>(cars.N, 1);
  cars.Current =
      in.Int16({"Current", static_cast<double>(first), static_cast<double>(cars.N), 0}, first);
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
    Ranges(CompanyCarRegisterRanges),
    {"AutoCalc3802", "Current", "FromCalculateCommand", "Cars"},
    {"Cars", "TotAdjustTaxableInc", "TotAdjustTaxableIncSARS"},
    RunCompanyCar,
});

}  // namespace
}  // namespace reventa::cli
