// SPDX-License-Identifier: GPL-3.0-or-later
// The fringe benefit of the full use of one or more company cars: for every car of
// the register the true inclusion amount, the fuel and other expenses the
// employee bore, the code 3802 amount for the car, the adjustment to taxable
// income and SARS's claim against it, and the monthly, fortnightly and weekly
// 80%/20% amounts; plus the register's operations (add, delete, move). The
// register itself lives in the shared state (taxyear/shared_state.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "taxyear/input_range.h"
#include "taxyear/shared_state.h"

namespace reventa {

// The window's whole-number fields take 0 to this.
inline constexpr double CompanyCarFieldMax = 999999999;
inline constexpr InputRange CarAmountRange{"", 0, CompanyCarFieldMax, 0};

// One car's numeric inputs in the window's order. The two worked values the
// register keeps between runs can turn negative, so they take any amount the
// fields could lead to; the window only shows them.
inline constexpr InputField<CompanyCar> CompanyCarRanges[] = {
    {CarAmountRange.Named("CCPrice"), &CompanyCar::CCPrice},
    {TaxYearDateRange.Named("CCStartDate"), &CompanyCar::CCStartDate},
    {TaxYearDateRange.Named("CCEndDate"), &CompanyCar::CCEndDate},
    {CarAmountRange.Named("EndMileage"), &CompanyCar::EndMileage},
    {CarAmountRange.Named("StartMileage"), &CompanyCar::StartMileage},
    {CarAmountRange.Named("TotalDistance"), &CompanyCar::TotalDistance},
    {CarAmountRange.Named("BusDistance"), &CompanyCar::BusDistance},
    {CarAmountRange.Named("ActualExpEmployee"), &CompanyCar::ActualExpEmployee},
    {CarAmountRange.Named("FuelReimbEmployer"), &CompanyCar::FuelReimbEmployer},
    {CarAmountRange.Named("EmpPaidInsurance"), &CompanyCar::EmpPaidInsurance},
    {CarAmountRange.Named("EmpPaidLicence"), &CompanyCar::EmpPaidLicence},
    {CarAmountRange.Named("EmpPaidMaintenance"), &CompanyCar::EmpPaidMaintenance},
    {CarAmountRange.Named("FB3802ThisCar"), &CompanyCar::FB3802ThisCar},
    {{"AdjustTaxableInc", -CompanyCarFieldMax, CompanyCarFieldMax, 0},
     &CompanyCar::AdjustTaxableInc},
    {{"FuelComponent", -CompanyCarFieldMax, CompanyCarFieldMax, 0}, &CompanyCar::FuelComponent},
};
// The register's own input: the total code 3802 amount of the employee's IRP5s.
inline constexpr InputField<CompanyCarRegister> CompanyCarRegisterRanges[] = {
    {CarAmountRange.Named("Actual3802"), &CompanyCarRegister::Actual3802},
};

// A car's text fields and the characters each holds.
struct CarText {
  const char* Key;
  int MaxLength;
  std::string CompanyCar::*Member;
};
inline constexpr CarText CompanyCarTexts[] = {
    {"CCRegNumber", 10, &CompanyCar::CCRegNumber},
    {"CCMake", 25, &CompanyCar::CCMake},
    {"CCModel", 25, &CompanyCar::CCModel},
    {"YearOfManfact", 25, &CompanyCar::YearOfManfact},
};

// One car's results, worked out afresh by every run.
struct CompanyCarResults {
  std::int16_t DaysUsed = 0;
  double PrivateDistance = 0;
  double TrueInclusion = 0;
  double FuelClaim = 0;
  double TotAddExpense = 0;
  double FuelExp = 0;
  double SARSDeductionClaim = 0;
  double IRP53802 = 0;
  double MonFB80 = 0;
  double MonFB20 = 0;
  double FortFB80 = 0;
  double FortFB20 = 0;
  double WeekFB80 = 0;
  double WeekFB20 = 0;
};

struct CompanyCarRun {
  // One entry per car of the register, car 1 first.
  std::vector<CompanyCarResults> Cars;
  double TotAdjustTaxableInc = 0;
  double TotAdjustTaxableIncSARS = 0;
  // The current car has neither price nor distance: the run stopped there, the
  // window shows zeros for the car and only the two totals.
  bool StoppedAtCurrent = false;
};

// One run over the register (cars 1 to N), with the current car the one on
// screen (register.Current, 1-based; 0 when the register is empty). It writes the
// register fields it works out (TotalDistance from the readings, BusDistance cut
// to the total, FB3802ThisCar with the automatic split or from Actual3802 for a
// single car when started by the Calculate command, FuelComponent,
// AdjustTaxableInc). A step that would divide by a zero distance or a zero day
// total is skipped and its value keeps what it held; no result is NaN or infinite.
CompanyCarRun ComputeCompanyCars(CompanyCarRegister& cars, bool fromCalculateCommand);

// "&Calculate" of the window: with one car its code 3802 amount becomes the total
// code 3802 amount; then two runs in a row. `firstRunFB3802` is the current car's
// code 3802 amount as the first run left it, which the window shows.
struct CalculateCommandResult {
  CompanyCarRun Run;
  double FirstRunFB3802 = 0;
};
CalculateCommandResult RunCalculateCommand(CompanyCarRegister& cars);

// The computation before a print: the same per-car steps for every car without the
// early stop (a car without price and distance is skipped, its results 0) and
// without the monthly, fortnightly and weekly amounts, which `last` (the results
// of the last Calculate) supplies.
CompanyCarRun ComputeCompanyCarsForPrint(CompanyCarRegister& cars, const CompanyCarRun& last);

// Register operations. AddCar appends a car made from the blank entry (default
// dates, no log book, SARSTable 0), makes it current and switches the automatic
// split on when there is more than one car; beyond 32 767 cars it refuses with a
// message and changes nothing.
std::optional<std::string> AddCar(CompanyCarRegister& cars);
// Removes the current car; the cars after it move down; current becomes 1, or 0
// with Actual3802 0 when the register is empty.
void DeleteCurrentCar(CompanyCarRegister& cars);
// Back from car 1 goes to car N; Forward from car N goes to car 1.
void MoveToPreviousCar(CompanyCarRegister& cars);
void MoveToNextCar(CompanyCarRegister& cars);
// The car on screen, or the blank entry while the register is empty.
CompanyCar& CurrentCar(CompanyCarRegister& cars);

// The texts of the window's messages.
inline constexpr const char* TooManyCarsText =
    "The register holds 32 767 cars, the most it can hold; no car was added.";
inline constexpr const char* WrongDatesText =
    "The dates entered are not correct please enter a dates between 01/03/2023 and 29/02/2024";

}  // namespace reventa
