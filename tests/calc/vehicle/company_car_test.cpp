// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "calc/vehicle/company_car.h"

namespace reventa {
namespace {

constexpr double kTiny = 1e-6;          // figures worked by hand, to well below a cent
constexpr double kHalfYearEnd = 45168;  // 30/08/2023: 183 days from 01/03/2023

// The worked car: price 300 000, no maintenance plan, the whole tax year, a log
// book, readings 10 000 and 40 000 with 12 000 business km, fuel by the scale
// (1.717 a km), insurance of 6 000 paid by the employee.
CompanyCar WorkedCar() {
  CompanyCar car;
  car.CCRegNumber = "CA 1";
  car.CCPrice = 300000;
  car.BussMilage = 1;
  car.EndMileage = 40000;
  car.StartMileage = 10000;
  car.BusDistance = 12000;
  car.SARSTable = 1;
  car.EmpPaidInsurance = 6000;
  return car;
}

CompanyCarRegister Register(const std::vector<CompanyCar>& list, double actual3802,
                            std::int16_t current = 1, std::int16_t autoSplit = 0) {
  CompanyCarRegister cars;
  cars.Entries.insert(cars.Entries.end(), list.begin(), list.end());
  cars.N = static_cast<std::int16_t>(list.size());
  cars.Current = cars.Shown = current;
  cars.Actual3802 = actual3802;
  cars.AutoCalc3802 = autoSplit;
  return cars;
}

void ExpectResults(const CompanyCarResults& got, const CompanyCarResults& want) {
  EXPECT_EQ(got.DaysUsed, want.DaysUsed);
  const std::vector<std::pair<const char*, std::pair<double, double>>> values{
      {"PrivateDistance", {got.PrivateDistance, want.PrivateDistance}},
      {"TrueInclusion", {got.TrueInclusion, want.TrueInclusion}},
      {"FuelClaim", {got.FuelClaim, want.FuelClaim}},
      {"TotAddExpense", {got.TotAddExpense, want.TotAddExpense}},
      {"FuelExp", {got.FuelExp, want.FuelExp}},
      {"SARSDeductionClaim", {got.SARSDeductionClaim, want.SARSDeductionClaim}},
      {"IRP53802", {got.IRP53802, want.IRP53802}},
      {"MonFB80", {got.MonFB80, want.MonFB80}},
      {"MonFB20", {got.MonFB20, want.MonFB20}},
      {"FortFB80", {got.FortFB80, want.FortFB80}},
      {"FortFB20", {got.FortFB20, want.FortFB20}},
      {"WeekFB80", {got.WeekFB80, want.WeekFB80}},
      {"WeekFB20", {got.WeekFB20, want.WeekFB20}}};
  for (const auto& [name, pair] : values) {
    EXPECT_TRUE(std::isfinite(pair.first)) << name;
    EXPECT_NEAR(pair.first, pair.second, kTiny) << name;
  }
}

// One car, one run ------------------------------------------------------------------

// The register fields a run works out.
struct Kept {
  double TotalDistance;
  double BusDistance;
  double FB3802ThisCar;
  double AdjustTaxableInc;
  double FuelComponent;
};

struct OneCarCase {
  const char* name;
  CompanyCar car;
  double actual3802;
  bool fromCalculate;
  CompanyCarResults results;
  Kept kept;
  double totAdjust;
  double totSars;
};

void PrintTo(const OneCarCase& c, std::ostream* os) { *os << c.name; }

class CompanyCarOneCar : public ::testing::TestWithParam<OneCarCase> {};

TEST_P(CompanyCarOneCar, Figures) {
  const OneCarCase& c = GetParam();
  CompanyCarRegister cars = Register({c.car}, c.actual3802);
  const CompanyCarRun run = ComputeCompanyCars(cars, c.fromCalculate);
  ASSERT_EQ(run.Cars.size(), 1u);
  EXPECT_FALSE(run.StoppedAtCurrent);
  ExpectResults(run.Cars[0], c.results);
  const CompanyCar& car = cars.Entries[1];
  EXPECT_NEAR(car.TotalDistance, c.kept.TotalDistance, kTiny);
  EXPECT_NEAR(car.BusDistance, c.kept.BusDistance, kTiny);
  EXPECT_NEAR(car.FB3802ThisCar, c.kept.FB3802ThisCar, kTiny);
  EXPECT_NEAR(car.AdjustTaxableInc, c.kept.AdjustTaxableInc, kTiny);
  EXPECT_NEAR(car.FuelComponent, c.kept.FuelComponent, kTiny);
  EXPECT_NEAR(run.TotAdjustTaxableInc, c.totAdjust, kTiny);
  EXPECT_NEAR(run.TotAdjustTaxableIncSARS, c.totSars, kTiny);
}

CompanyCar WithoutLogBook(CompanyCar car) {
  car.BussMilage = 0;
  return car;
}

CompanyCar MaintenancePlanHalfYear() {
  CompanyCar car = WithoutLogBook(WorkedCar());
  car.MaintIncluded = 1;
  car.CCEndDate = kHalfYearEnd;
  return car;
}

CompanyCar Reimbursed() {
  CompanyCar car = WorkedCar();
  car.FuelReimbEmployer = 10000;
  return car;
}

// Price 10 000 and 60 000 of fuel paid on 18 000 private km of 30 000: the fuel
// claim swamps the true inclusion of 2 520.
CompanyCar CheapCarDearFuel() {
  CompanyCar car;
  car.CCPrice = 10000;
  car.BussMilage = 1;
  car.EndMileage = 30000;
  car.BusDistance = 12000;
  car.ActualExpEmployee = 100000;
  return car;
}

CompanyCar PriceOnly(std::int16_t logBook, double price = 300000) {
  CompanyCar car;
  car.CCPrice = price;
  car.BussMilage = logBook;
  car.SARSTable = 1;
  return car;
}

// A typed total distance of 10 000 (no readings) with 15 000 business km.
CompanyCar BusinessAboveTotal() {
  CompanyCar car;
  car.CCPrice = 300000;
  car.BussMilage = 1;
  car.TotalDistance = 10000;
  car.BusDistance = 15000;
  return car;
}

CompanyCar TypedCode3802() {
  CompanyCar car = WorkedCar();
  car.FB3802ThisCar = 100000;
  return car;
}

// Price 0 with 10 000 of fuel paid on 18 000 private km of 30 000.
CompanyCar NoPrice() {
  CompanyCar car;
  car.BussMilage = 1;
  car.EndMileage = 40000;
  car.StartMileage = 10000;
  car.BusDistance = 12000;
  car.ActualExpEmployee = 10000;
  return car;
}

// The worked car's amounts a period: 300 000 x 3.5% = 10 500 a month; 4 846.15 a
// fortnight and 2 423.08 a week, rounded before the 80%/20% split.
constexpr CompanyCarResults WorkedPeriods{.DaysUsed = 366,
                                          .IRP53802 = 126000,
                                          .MonFB80 = 8400,
                                          .MonFB20 = 2100,
                                          .FortFB80 = 3876.80,
                                          .FortFB20 = 969.20,
                                          .WeekFB80 = 1938.40,
                                          .WeekFB20 = 484.60};

constexpr CompanyCarResults WithDistance(CompanyCarResults r, double privateKm,
                                         double trueInclusion, double fuelClaim, double added,
                                         double fuelExp, double sars) {
  r.PrivateDistance = privateKm;
  r.TrueInclusion = trueInclusion;
  r.FuelClaim = fuelClaim;
  r.TotAddExpense = added;
  r.FuelExp = fuelExp;
  r.SARSDeductionClaim = sars;
  return r;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CompanyCarOneCar,
    ::testing::Values(
        // Fuel component 30 000 x 1.717 = 51 510; 60% of it is private, and 60% of
        // the 6 000 insurance. SARS's claim: -(40% of 126 000 + 34 506).
        OneCarCase{"WorkedLogBook",
                   WorkedCar(),
                   126000,
                   true,
                   WithDistance(WorkedPeriods, 18000, 75600, 30906, 3600, 34506, -84906),
                   {30000, 12000, 126000, -84906, 51510},
                   -84906,
                   -84906},
        // Without a log book the whole year is taxed and SARS awards nothing.
        OneCarCase{"WorkedNoLogBook",
                   WithoutLogBook(WorkedCar()),
                   126000,
                   true,
                   WithDistance(WorkedPeriods, 18000, 126000, 30906, 3600, 34506, 0),
                   {30000, 12000, 126000, -34506, 51510},
                   -34506,
                   0},
        // 3.25% a month: 9 750, 4 500 a fortnight, 2 250 a week; 183 days.
        OneCarCase{"MaintenancePlanHalfYear",
                   MaintenancePlanHalfYear(),
                   58500,
                   true,
                   CompanyCarResults{.DaysUsed = 183,
                                     .PrivateDistance = 18000,
                                     .TrueInclusion = 58500,
                                     .FuelClaim = 30906,
                                     .TotAddExpense = 3600,
                                     .FuelExp = 34506,
                                     .SARSDeductionClaim = 0,
                                     .IRP53802 = 58500,
                                     .MonFB80 = 7800,
                                     .MonFB20 = 1950,
                                     .FortFB80 = 3600,
                                     .FortFB20 = 900,
                                     .WeekFB80 = 1800,
                                     .WeekFB20 = 450},
                   {30000, 12000, 58500, -34506, 51510},
                   -34506,
                   0},
        OneCarCase{"FuelReimbursed",
                   Reimbursed(),
                   126000,
                   true,
                   WithDistance(WorkedPeriods, 18000, 75600, 24906, 3600, 28506, -78906),
                   {30000, 12000, 126000, -78906, 51510},
                   -78906,
                   -78906},
        // 2 520 - 60 000 - 5 000 stops at -5 000; SARS's claim is not limited.
        OneCarCase{"AdjustmentFloor",
                   CheapCarDearFuel(),
                   5000,
                   true,
                   WithDistance(CompanyCarResults{.DaysUsed = 366,
                                                  .IRP53802 = 4200,
                                                  .MonFB80 = 280,
                                                  .MonFB20 = 70,
                                                  .FortFB80 = 129.6,
                                                  .FortFB20 = 32.4,
                                                  .WeekFB80 = 64.8,
                                                  .WeekFB20 = 16.2},
                                18000, 2520, 60000, 0, 60000, -62000),
                   {30000, 12000, 5000, -5000, 0},
                   -5000,
                   -62000},
        // No distance: the steps that divide by it are skipped, nothing is NaN.
        OneCarCase{"PriceWithoutDistance",
                   PriceOnly(0),
                   100000,
                   true,
                   WithDistance(WorkedPeriods, 0, 126000, 0, 0, 0, 0),
                   {0, 0, 100000, 26000, 0},
                   26000,
                   0},
        OneCarCase{"PriceWithoutDistanceLogBook",
                   PriceOnly(1),
                   100000,
                   true,
                   WithDistance(WorkedPeriods, 0, 0, 0, 0, 0, 0),
                   {0, 0, 100000, -100000, 0},
                   -100000,
                   0},
        // The business distance is cut to the total and the register keeps it.
        OneCarCase{"BusinessCutToTotal",
                   BusinessAboveTotal(),
                   50000,
                   true,
                   WithDistance(WorkedPeriods, 0, 0, 0, 0, 0, -50000),
                   {10000, 10000, 50000, -50000, 0},
                   -50000,
                   -50000},
        // Not started by Calculate: the typed code 3802 amount stands.
        OneCarCase{"TypedCode3802",
                   TypedCode3802(),
                   126000,
                   false,
                   WithDistance(WorkedPeriods, 18000, 75600, 30906, 3600, 34506, -74506),
                   {30000, 12000, 100000, -58906, 51510},
                   -58906,
                   -74506},
        // 3.5 x 12 / 36 600 x 707 125 x 366 is 296 992.5 exactly: half to even gives
        // 296 992. The code 3802 amount and the monthly parts take 3.5% as the monthly
        // rate 0.035, whose products land a hair above the half.
        OneCarCase{"TrueInclusionOnAHalfRand",
                   PriceOnly(0, 707125),
                   0,
                   true,
                   CompanyCarResults{.DaysUsed = 366,
                                     .TrueInclusion = 296992,
                                     .IRP53802 = 296993,
                                     .MonFB80 = 19800,
                                     .MonFB20 = 4950,
                                     .FortFB80 = 9138.4,
                                     .FortFB20 = 2284.6,
                                     .WeekFB80 = 4568.8,
                                     .WeekFB20 = 1142.2},
                   {0, 0, 0, 296992, 0},
                   296992,
                   0},
        // Price 0: the adjustment (floored at -50 000) gives way to SARS's claim.
        OneCarCase{
            "NoPriceTakesSarsClaim",
            NoPrice(),
            50000,
            true,
            WithDistance(CompanyCarResults{.DaysUsed = 366}, 18000, 0, 6000, 0, 6000, -26000),
            {30000, 12000, 50000, -26000, 0},
            -26000,
            -26000}),
    [](const auto& info) { return std::string(info.param.name); });

// Several cars -------------------------------------------------------------------------

CompanyCar Priced(double endDate = 45351) {
  CompanyCar car;
  car.CCPrice = 100000;
  car.CCEndDate = endDate;
  return car;
}

TEST(CompanyCarRegisterRun, AutomaticSplitByDaysOfUse) {
  CompanyCarRegister cars = Register({Priced(), Priced(kHalfYearEnd)}, 90000, 1, 1);
  ComputeCompanyCars(cars, true);
  EXPECT_NEAR(cars.Entries[1].FB3802ThisCar, 60000, kTiny);
  EXPECT_NEAR(cars.Entries[2].FB3802ThisCar, 30000, kTiny);
}

TEST(CompanyCarRegisterRun, CarWithoutPriceOrDistanceTakesNoShare) {
  CompanyCar blank;
  blank.FB3802ThisCar = 777;
  CompanyCarRegister cars = Register({Priced(), blank}, 90000, 1, 1);
  ComputeCompanyCars(cars, true);
  // Its days still count in the total.
  EXPECT_NEAR(cars.Entries[1].FB3802ThisCar, 45000, kTiny);
  EXPECT_EQ(cars.Entries[2].FB3802ThisCar, 0);
}

TEST(CompanyCarRegisterRun, StopsAtCurrentCarWithoutPriceOrDistance) {
  CompanyCar first = WorkedCar();
  first.FB3802ThisCar = 126000;
  CompanyCar blank;
  blank.AdjustTaxableInc = 500;  // kept from an earlier run
  CompanyCar third;
  third.EndMileage = 5000;
  third.CCPrice = 1000;
  third.AdjustTaxableInc = 1000;
  CompanyCarRegister cars = Register({first, blank, third}, 126000, 2);
  const CompanyCarRun run = ComputeCompanyCars(cars, true);
  EXPECT_TRUE(run.StoppedAtCurrent);
  ASSERT_EQ(run.Cars.size(), 3u);
  ExpectResults(run.Cars[0], WithDistance(WorkedPeriods, 18000, 75600, 30906, 3600, 34506, -84906));
  ExpectResults(run.Cars[1], CompanyCarResults{});
  ExpectResults(run.Cars[2], CompanyCarResults{});
  // The third car was not reached: its distance is not worked out.
  EXPECT_EQ(cars.Entries[3].TotalDistance, 0);
  // The stored adjustments, and SARS's claims so far.
  EXPECT_NEAR(run.TotAdjustTaxableInc, -84906 + 500 + 1000, kTiny);
  EXPECT_NEAR(run.TotAdjustTaxableIncSARS, -84906, kTiny);
}

TEST(CompanyCarRegisterRun, OnlyTheCurrentCarWithoutPriceTakesSarsClaim) {
  CompanyCar car = NoPrice();
  car.FB3802ThisCar = 20000;
  CompanyCarRegister cars = Register({car, car}, 50000, 1);
  const CompanyCarRun run = ComputeCompanyCars(cars, true);
  // -(40% of 20 000 + 6 000) against 0 - 6 000 - 20 000.
  EXPECT_NEAR(run.Cars[0].SARSDeductionClaim, -14000, kTiny);
  EXPECT_NEAR(run.Cars[1].SARSDeductionClaim, -14000, kTiny);
  EXPECT_NEAR(cars.Entries[1].AdjustTaxableInc, -14000, kTiny);
  EXPECT_NEAR(cars.Entries[2].AdjustTaxableInc, -26000, kTiny);
  EXPECT_NEAR(run.TotAdjustTaxableInc, -40000, kTiny);
  EXPECT_NEAR(run.TotAdjustTaxableIncSARS, -28000, kTiny);
}

TEST(CompanyCarRegisterRun, CalculateCommandCopiesTheTotalForOneCar) {
  CompanyCar car = WorkedCar();
  car.FB3802ThisCar = 5;
  CompanyCarRegister cars = Register({car}, 126000);
  const CalculateCommandResult result = RunCalculateCommand(cars);
  EXPECT_EQ(cars.Entries[1].FB3802ThisCar, 126000);
  EXPECT_EQ(result.FirstRunFB3802, 126000);
  ASSERT_EQ(result.Run.Cars.size(), 1u);
  EXPECT_NEAR(result.Run.Cars[0].SARSDeductionClaim, -84906, kTiny);
}

TEST(CompanyCarRegisterRun, CalculateCommandShowsTheFirstRunsSplit) {
  CompanyCarRegister cars = Register({Priced(), Priced(kHalfYearEnd)}, 90000, 2, 1);
  const CalculateCommandResult result = RunCalculateCommand(cars);
  EXPECT_NEAR(result.FirstRunFB3802, 30000, kTiny);
}

TEST(CompanyCarRegisterRun, PrintSkipsEmptyCarsAndKeepsTheLastPeriodAmounts) {
  CompanyCar first = WorkedCar();
  first.FB3802ThisCar = 126000;
  CompanyCarRegister cars = Register({first, CompanyCar{}, WithoutLogBook(WorkedCar())}, 126000,
                                     2);  // the empty car on screen stops no print
  CompanyCarRun last;
  last.Cars.resize(3);
  last.Cars[0].MonFB80 = 3;
  last.Cars[2].MonFB80 = 1;
  last.Cars[2].IRP53802 = 2;
  last.Cars[2].WeekFB20 = 4;
  const CompanyCarRun run = ComputeCompanyCarsForPrint(cars, last);
  EXPECT_FALSE(run.StoppedAtCurrent);
  ASSERT_EQ(run.Cars.size(), 3u);
  EXPECT_NEAR(run.Cars[0].TrueInclusion, 75600, kTiny);
  EXPECT_NEAR(run.Cars[0].SARSDeductionClaim, -84906, kTiny);
  EXPECT_EQ(run.Cars[0].MonFB80, 3);
  ExpectResults(run.Cars[1], CompanyCarResults{});
  EXPECT_NEAR(run.Cars[2].TrueInclusion, 126000, kTiny);
  EXPECT_NEAR(run.Cars[2].FuelExp, 34506, kTiny);
  EXPECT_EQ(run.Cars[2].MonFB80, 1);
  EXPECT_EQ(run.Cars[2].IRP53802, 2);
  EXPECT_EQ(run.Cars[2].WeekFB20, 4);
  // 126 000 - 34 506 - 0 for the third car.
  EXPECT_NEAR(cars.Entries[3].AdjustTaxableInc, 91494, kTiny);
  EXPECT_NEAR(run.TotAdjustTaxableInc, -84906 + 91494, kTiny);
  EXPECT_NEAR(run.TotAdjustTaxableIncSARS, -84906, kTiny);
}

// The register's operations --------------------------------------------------------------

TEST(CompanyCarAdd, NewCarFromTheBlankEntry) {
  CompanyCarRegister cars;
  CompanyCar& blank = cars.Entries[0];
  blank.CCMake = "Make";
  blank.YearOfManfact = "1999";
  blank.BussMilage = 1;
  blank.SARSTable = 1;
  blank.CCStartDate = 45000;
  ASSERT_FALSE(AddCar(cars));
  EXPECT_EQ(cars.N, 1);
  EXPECT_EQ(cars.Current, 1);
  EXPECT_EQ(cars.Shown, 1);
  EXPECT_EQ(cars.AutoCalc3802, 0);
  ASSERT_EQ(cars.Entries.size(), 2u);
  const CompanyCar& car = CurrentCar(cars);
  EXPECT_EQ(&car, &cars.Entries[1]);
  EXPECT_EQ(car.CCMake, "Make");
  EXPECT_EQ(car.YearOfManfact, "");
  EXPECT_EQ(car.BussMilage, 0);
  EXPECT_EQ(car.SARSTable, 0);
  EXPECT_EQ(car.CCStartDate, 44986);
  EXPECT_EQ(car.CCEndDate, 45351);

  ASSERT_FALSE(AddCar(cars));
  EXPECT_EQ(cars.N, 2);
  EXPECT_EQ(cars.Current, 2);
  EXPECT_EQ(cars.AutoCalc3802, 1);  // a second car switches the split on
}

TEST(CompanyCarAdd, RefusesBeyond32767Cars) {
  CompanyCarRegister cars;
  cars.Entries.resize(32767);
  cars.N = 32766;
  cars.Current = cars.Shown = 5;
  ASSERT_FALSE(AddCar(cars));
  EXPECT_EQ(cars.N, 32767);
  EXPECT_EQ(cars.Current, 32767);

  cars.Current = cars.Shown = 5;
  const auto refused = AddCar(cars);
  ASSERT_TRUE(refused);
  EXPECT_EQ(*refused, TooManyCarsText);
  EXPECT_EQ(cars.N, 32767);
  EXPECT_EQ(cars.Entries.size(), 32768u);
  EXPECT_EQ(cars.Current, 5);
}

enum class Step { Back, Forward, Delete };

struct NavigationCase {
  const char* name;
  int cars;  // registration numbers "1", "2", ...
  std::int16_t current;
  std::vector<Step> steps;
  std::vector<std::string> after;  // registration numbers left, car 1 first
  std::int16_t currentAfter;
};

void PrintTo(const NavigationCase& c, std::ostream* os) { *os << c.name; }

class CompanyCarNavigation : public ::testing::TestWithParam<NavigationCase> {};

TEST_P(CompanyCarNavigation, Numbering) {
  const NavigationCase& c = GetParam();
  CompanyCarRegister cars;
  cars.Actual3802 = 1000;
  for (int i = 1; i <= c.cars; ++i) {
    ASSERT_FALSE(AddCar(cars));
    CurrentCar(cars).CCRegNumber = std::to_string(i);
  }
  cars.Current = cars.Shown = c.current;
  for (Step s : c.steps) {
    switch (s) {
      case Step::Back:
        MoveToPreviousCar(cars);
        break;
      case Step::Forward:
        MoveToNextCar(cars);
        break;
      case Step::Delete:
        DeleteCurrentCar(cars);
        break;
    }
    EXPECT_EQ(cars.Shown, cars.Current);
  }
  ASSERT_EQ(cars.N, static_cast<std::int16_t>(c.after.size()));
  ASSERT_EQ(cars.Entries.size(), c.after.size() + 1);
  for (std::size_t i = 0; i < c.after.size(); ++i) {
    EXPECT_EQ(cars.Entries[i + 1].CCRegNumber, c.after[i]) << "car " << i + 1;
  }
  EXPECT_EQ(cars.Current, c.currentAfter);
  EXPECT_EQ(CurrentCar(cars).CCRegNumber,
            c.currentAfter == 0 ? std::string() : c.after[c.currentAfter - 1]);
  // An empty register also forgets the total code 3802 amount.
  EXPECT_EQ(cars.Actual3802, c.after.empty() && c.cars > 0 ? 0 : 1000);
}

using S = Step;
INSTANTIATE_TEST_SUITE_P(
    Cases, CompanyCarNavigation,
    ::testing::Values(
        NavigationCase{"BackFromFirstGoesToLast", 3, 1, {S::Back}, {"1", "2", "3"}, 3},
        NavigationCase{"ForwardFromLastGoesToFirst", 3, 3, {S::Forward}, {"1", "2", "3"}, 1},
        NavigationCase{"ForwardTwice", 3, 1, {S::Forward, S::Forward}, {"1", "2", "3"}, 3},
        NavigationCase{"BackOnce", 3, 3, {S::Back}, {"1", "2", "3"}, 2},
        NavigationCase{"OneCarStays", 1, 1, {S::Back, S::Forward}, {"1"}, 1},
        NavigationCase{"DeleteMiddle", 3, 2, {S::Delete}, {"1", "3"}, 1},
        NavigationCase{"DeleteFirst", 3, 1, {S::Delete}, {"2", "3"}, 1},
        NavigationCase{"DeleteLast", 3, 3, {S::Delete}, {"1", "2"}, 1},
        NavigationCase{"DeleteThenForward", 3, 2, {S::Delete, S::Forward}, {"1", "3"}, 2},
        NavigationCase{"DeleteOnly", 1, 1, {S::Delete}, {}, 0},
        NavigationCase{"DeleteAll", 3, 3, {S::Delete, S::Delete, S::Delete}, {}, 0},
        NavigationCase{"EmptyRegisterStaysEmpty", 0, 0, {S::Back, S::Forward, S::Delete}, {}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CompanyCarNavigationBlank, DeleteLeavesABlankTemplate) {
  CompanyCarRegister cars;
  cars.Entries[0].CCMake = "typed while empty";
  ASSERT_FALSE(AddCar(cars));
  DeleteCurrentCar(cars);
  EXPECT_EQ(cars.Entries.size(), 1u);
  EXPECT_EQ(cars.Entries[0].CCMake, "");
  EXPECT_EQ(&CurrentCar(cars), &cars.Entries[0]);
  EXPECT_EQ(CurrentCar(cars).CCStartDate, 44986);
  EXPECT_EQ(CurrentCar(cars).CCEndDate, 45351);
}

}  // namespace
}  // namespace reventa
