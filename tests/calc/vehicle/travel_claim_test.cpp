// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "calc/vehicle/travel_claim.h"

namespace reventa {
namespace {

constexpr double kTiny = 1e-6;  // figures worked by hand, to well below a cent

TravelClaimInputs Readings(double closing, double opening, double business, double days) {
  TravelClaimInputs in;
  in.ClosingKm = closing;
  in.OpeningKm = opening;
  in.RecordedBusinessKm = business;
  in.PeriodDays = days;
  return in;
}

// The scale ---------------------------------------------------------------------

struct BandCase {
  const char* name;
  double value;
  double fixedCost;
  double fuel;
  double maintenance;
};

void PrintTo(const BandCase& c, std::ostream* os) { *os << c.name; }

class TravelCostScale : public ::testing::TestWithParam<BandCase> {};

TEST_P(TravelCostScale, BandOfAValue) {
  const BandCase& c = GetParam();
  const CostScaleBand& band = DeemedCostScale(c.value);
  EXPECT_EQ(band.FixedCost, c.fixedCost);
  EXPECT_EQ(band.FuelCostPerKm, c.fuel);
  EXPECT_EQ(band.MaintenanceCostPerKm, c.maintenance);
}

// A band includes its upper bound and excludes its lower one.
INSTANTIATE_TEST_SUITE_P(Edges, TravelCostScale,
                         ::testing::Values(BandCase{"Negative", -5000, 33760, 1.415, 0.438},
                                           BandCase{"Zero", 0, 33760, 1.415, 0.438},
                                           BandCase{"Exactly100000", 100000, 33760, 1.415, 0.438},
                                           BandCase{"Above100000", 100000.01, 60329, 1.580, 0.548},
                                           BandCase{"Exactly200000", 200000, 60329, 1.580, 0.548},
                                           BandCase{"Above200000", 200000.01, 86958, 1.717, 0.604},
                                           BandCase{"Exactly300000", 300000, 86958, 1.717, 0.604},
                                           BandCase{"Above300000", 300000.01, 110554, 1.846, 0.659},
                                           BandCase{"Exactly400000", 400000, 110554, 1.846, 0.659},
                                           BandCase{"Above400000", 400000.01, 134150, 1.976, 0.775},
                                           BandCase{"Exactly500000", 500000, 134150, 1.976, 0.775},
                                           BandCase{"Above500000", 500000.01, 158856, 2.266, 0.910},
                                           BandCase{"Exactly600000", 600000, 158856, 2.266, 0.910},
                                           BandCase{"Above600000", 600000.01, 183611, 2.305, 1.021},
                                           BandCase{"Exactly700000", 700000, 183611, 2.305, 1.021},
                                           BandCase{"Above700000", 700001, 209685, 2.343, 1.131},
                                           BandCase{"FiveMillion", 5000000, 209685, 2.343, 1.131},
                                           BandCase{"Huge", 1e300, 209685, 2.343, 1.131}),
                         [](const auto& info) { return std::string(info.param.name); });

// The distance split --------------------------------------------------------------

struct SplitCase {
  const char* name;
  TravelClaimInputs inputs;
  double total;
  double business;
  double privateKm;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class TravelSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(TravelSplit, BusinessAndPrivate) {
  const SplitCase& c = GetParam();
  TravelClaimResults r;
  r.TotalCosts = 11;  // not the split's
  r.FixedCost = 22;
  r.DeductionClaim = 33;
  SplitTravelDistance(c.inputs, r);
  EXPECT_NEAR(r.TotalKm, c.total, kTiny);
  EXPECT_NEAR(r.BusinessKm, c.business, kTiny);
  EXPECT_NEAR(r.PrivateKm, c.privateKm, kTiny);
  EXPECT_EQ(r.TotalCosts, 11);
  EXPECT_EQ(r.FixedCost, 22);
  EXPECT_EQ(r.DeductionClaim, 33);
}

// D = 183: 18 000 x D / 366 = 9 000 and 32 000 x D / 366 = 16 000.
// D = 100: 18 000 x D / 366 = 4 918.0327... and 32 000 x D / 366 = 8 743.1693...
INSTANTIATE_TEST_SUITE_P(
    Steps, TravelSplit,
    ::testing::Values(
        // Step 2, deemed private 18 000 km of a full year.
        SplitCase{"FullYear25000", Readings(45000, 20000, 0, 366), 25000, 7000, 18000},
        SplitCase{"FullYearExactly32000", Readings(32000, 0, 0, 366), 32000, 14000, 18000},
        // Step 2 above 32 000 km: at most 14 000 business km.
        SplitCase{"FullYear40000", Readings(60000, 20000, 0, 366), 40000, 14000, 26000},
        SplitCase{"FullYear32001", Readings(32001, 0, 0, 366), 32001, 14000, 18001},
        SplitCase{"HalfYear40000", Readings(40000, 0, 0, 183), 40000, 7000, 33000},
        // Step 3: below 18 000 km in a full year all travel is private.
        SplitCase{"FullYear15000", Readings(15000, 0, 0, 366), 15000, 0, 15000},
        SplitCase{"FullYear17999", Readings(17999, 0, 0, 366), 17999, 0, 17999},
        // Step 4: a part year pro-rates both limits.
        SplitCase{"HalfYear15000", Readings(15000, 0, 0, 183), 15000, 6000, 9000},
        SplitCase{"HalfYear10000", Readings(10000, 0, 0, 183), 10000, 1000, 9000},
        SplitCase{"HalfYear5000", Readings(5000, 0, 0, 183), 5000, 0, 5000},
        SplitCase{"HalfYearAboveProRatedLimit", Readings(20000, 0, 0, 183), 20000, 7000, 13000},
        SplitCase{"HalfYear32000Point5", Readings(32000.5, 0, 0, 183), 32000.5, 7000, 25000.5},
        // Both pro-rated distances cut down to whole hundredths.
        SplitCase{"Days100Below", Readings(6000, 0, 0, 100), 6000, 6000 - 4918.03, 4918.03},
        SplitCase{"Days100Above", Readings(10000, 0, 0, 100), 10000, 3825.13, 10000 - 3825.13},
        SplitCase{"Days100Short", Readings(3000, 0, 0, 100), 3000, 0, 3000},
        // Step 5: a recorded business distance stands, whatever the days.
        SplitCase{"RecordedFullYear", Readings(50000, 20000, 20000, 366), 30000, 20000, 10000},
        SplitCase{"RecordedHalfYear", Readings(50000, 20000, 20000, 183), 30000, 20000, 10000},
        SplitCase{"RecordedOneDay", Readings(50000, 20000, 20000, 1), 30000, 20000, 10000},
        SplitCase{"RecordedAboveTotal", Readings(3000, 0, 5000, 366), 3000, 5000, -2000},
        // A closing reading below the opening one.
        SplitCase{"NegativeTotal", Readings(1000, 3000, 0, 366), -2000, 0, -2000}),
    [](const auto& info) { return std::string(info.param.name); });

// The deemed-cost method ------------------------------------------------------------

struct DeemedCase {
  const char* name;
  TravelClaimInputs inputs;
  double fixedCost;
  double fixedCents;
  double fuelCents;
  double maintenanceCents;
  double totalCentsShown;
  double claim;
};

void PrintTo(const DeemedCase& c, std::ostream* os) { *os << c.name; }

// The worked car: value 250 000, readings 20 000 and 50 000, 20 000 business km.
TravelClaimInputs WorkedCar(double days = 366, double allowance = 0) {
  TravelClaimInputs in = Readings(50000, 20000, 20000, days);
  in.VehicleValue = 250000;
  in.AllowanceReceived = allowance;
  return in;
}

TravelClaimInputs WorkedCarWithout(bool fuel, bool maintenance) {
  TravelClaimInputs in = WorkedCar();
  in.IncludeFuel = fuel;
  in.IncludeMaintenance = maintenance;
  return in;
}

TravelClaimInputs EqualReadings() {
  TravelClaimInputs in = Readings(20000, 20000, 5000, 366);
  in.VehicleValue = 250000;
  return in;
}

// Value above 700 000 over 9 999 999 km: 209 685 / 9 999 999 = 0.020968502... cut
// to 0.020968, so 2.0968 + 234.3 + 113.1 cents on 9 999 999 business km.
TravelClaimInputs HugeClaim(double allowance) {
  TravelClaimInputs in = Readings(9999999, 0, 9999999, 366);
  in.VehicleValue = 800000;
  in.AllowanceReceived = allowance;
  return in;
}

TravelClaimInputs NoDays() {
  TravelClaimInputs in = WorkedCar();
  in.PeriodDays = 0;
  return in;
}

class TravelDeemed : public ::testing::TestWithParam<DeemedCase> {};

TEST_P(TravelDeemed, RatesAndClaim) {
  const DeemedCase& c = GetParam();
  TravelClaimResults r;
  r.TotalCosts = 123;  // the other method's fields stay as they were
  r.PrivateUseCost = 456;
  ComputeDeemedCostClaim(c.inputs, r);
  EXPECT_EQ(r.FixedCost, c.fixedCost);
  EXPECT_NEAR(r.FixedCentsPerKm, c.fixedCents, kTiny);
  EXPECT_NEAR(r.FuelCentsPerKm, c.fuelCents, kTiny);
  EXPECT_NEAR(r.MaintenanceCentsPerKm, c.maintenanceCents, kTiny);
  EXPECT_NEAR(r.TotalCentsPerKm, c.totalCentsShown, kTiny);
  EXPECT_NEAR(r.DeductionClaim, c.claim, kTiny);
  EXPECT_EQ(r.TotalCosts, 123);
  EXPECT_EQ(r.PrivateUseCost, 456);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TravelDeemed,
    ::testing::Values(
        // 86 958 / 30 000 = 2.8986 rand a km; the claim uses the unrounded 521.96.
        DeemedCase{"WorkedFullYear", WorkedCar(), 86958, 289.86, 171.7, 60.4, 522.0, 104392.00},
        DeemedCase{"WorkedCappedByAllowance", WorkedCar(366, 60000), 86958, 289.86, 171.7, 60.4,
                   522.0, 60000},
        DeemedCase{"WorkedAllowanceAboveClaim", WorkedCar(366, 200000), 86958, 289.86, 171.7, 60.4,
                   522.0, 104392.00},
        // Half a year halves the fixed rate: 377.03 unrounded, 377.0 shown.
        DeemedCase{"WorkedHalfYear", WorkedCar(183), 86958, 144.93, 171.7, 60.4, 377.0, 75406.00},
        // No period leaves the fixed rate unscaled.
        DeemedCase{"NoDays", NoDays(), 86958, 289.86, 171.7, 60.4, 522.0, 104392.00},
        // Below 1 km in all there is no fixed rate; 5 000 km at 232.1 cents.
        DeemedCase{"EqualReadings", EqualReadings(), 86958, 0, 171.7, 60.4, 232.1, 11605},
        DeemedCase{"NeitherFuelNorMaintenance", WorkedCarWithout(false, false), 86958, 289.86, 0, 0,
                   289.9, 57972},
        DeemedCase{"NoFuel", WorkedCarWithout(false, true), 86958, 289.86, 0, 60.4, 350.3, 70052},
        DeemedCase{"NoMaintenance", WorkedCarWithout(true, false), 86958, 289.86, 171.7, 0, 461.6,
                   92312},
        // Without an allowance the claim stops at 9 999 999.97.
        DeemedCase{"NoAllowanceCap", HugeClaim(0), 209685, 2.0968, 234.3, 113.1, 349.5,
                   9999999.97}),
    [](const auto& info) { return std::string(info.param.name); });

// The actual-cost method ------------------------------------------------------------

struct ActualCase {
  const char* name;
  TravelClaimInputs inputs;
  double totalCosts;
  double privateUse;
  double claim;
};

void PrintTo(const ActualCase& c, std::ostream* os) { *os << c.name; }

// Costs of 100 000 in all over every cost field.
TravelClaimInputs CostsOf100000(TravelClaimInputs in) {
  in.FuelOilCost = 40000;
  in.RepairsCost = 20000;
  in.InsuranceLicenceCost = 10000;
  in.OtherCost = 5000;
  in.WearAndTear = 25000;
  return in;
}

TravelClaimInputs WithAllowance(TravelClaimInputs in, double allowance) {
  in.AllowanceReceived = allowance;
  return in;
}

// No readings and no business km: value 200 000, fuel and oil 60 000.
TravelClaimInputs ValueEstimate(double days = 366, double value = 200000, double costs = 60000) {
  TravelClaimInputs in = Readings(0, 0, 0, days);
  in.VehicleValue = value;
  in.FuelOilCost = costs;
  return in;
}

TravelClaimInputs ValueEstimateWithout(bool fuel, bool maintenance) {
  TravelClaimInputs in = ValueEstimate();
  in.IncludeFuel = fuel;
  in.IncludeMaintenance = maintenance;
  return in;
}

TravelClaimInputs Lease(TravelClaimInputs in) {
  in.LeasePayments = 20000;
  return in;
}

class TravelActual : public ::testing::TestWithParam<ActualCase> {};

TEST_P(TravelActual, CostsAndClaim) {
  const ActualCase& c = GetParam();
  TravelClaimResults r;
  r.FixedCost = 1;  // the other method's fields stay as they were
  r.FixedCentsPerKm = 2;
  r.TotalCentsPerKm = 3;
  ComputeActualCostClaim(c.inputs, r);
  EXPECT_NEAR(r.TotalCosts, c.totalCosts, kTiny);
  EXPECT_NEAR(r.PrivateUseCost, c.privateUse, kTiny);
  EXPECT_NEAR(r.DeductionClaim, c.claim, kTiny);
  EXPECT_EQ(r.FixedCost, 1);
  EXPECT_EQ(r.FixedCentsPerKm, 2);
  EXPECT_EQ(r.TotalCentsPerKm, 3);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TravelActual,
    ::testing::Values(
        // Two thirds of the distance is business, not rounded.
        ActualCase{"BusinessShare", CostsOf100000(Readings(50000, 20000, 20000, 366)), 100000,
                   100000.0 / 3, 200000.0 / 3},
        ActualCase{"LeaseCounts", Lease(Readings(50000, 20000, 20000, 366)), 20000, 20000.0 / 3,
                   40000.0 / 3},
        // The private use is worked out before the cap.
        ActualCase{"CappedByAllowance",
                   WithAllowance(CostsOf100000(Readings(50000, 20000, 20000, 366)), 50000), 100000,
                   100000.0 / 3, 50000},
        // One km in all: no share can be worked out.
        ActualCase{"OneKmInAll", CostsOf100000(Readings(1, 0, 0, 366)), 100000, 100000, 0},
        // A business distance alone is not "no readings": the distance method, T = 0.
        ActualCase{"BusinessKmOnly", CostsOf100000(Readings(0, 0, 100, 366)), 100000, 100000, 0},
        // 60 000 - 5 280 - 4 320 = 50 400 of private use.
        ActualCase{"ValueEstimate", ValueEstimate(), 60000, 50400, 9600},
        ActualCase{"ValueEstimateNoFuel", ValueEstimateWithout(false, true), 60000, 55680, 4320},
        ActualCase{"ValueEstimateNeither", ValueEstimateWithout(false, false), 60000, 60000, 0},
        ActualCase{"ValueEstimateHalfYear", ValueEstimate(183), 60000, 25200, 34800},
        // An estimate above the costs: no private use shown and no claim.
        ActualCase{"ValueEstimateAboveCosts", ValueEstimate(366, 200000, 30000), 30000, 0, 0},
        ActualCase{"ValueEstimateCapped", WithAllowance(ValueEstimate(), 5000), 60000, 50400, 5000},
        ActualCase{"ValueEstimateNoValue", ValueEstimate(366, 0, 1000), 1000, 0, 1000}),
    [](const auto& info) { return std::string(info.param.name); });

// What the window's Calculate runs ----------------------------------------------------

struct AllowanceCase {
  const char* name;
  TravelClaimInputs inputs;
  bool recordsKept;
  double start;
  double end;
  double periodDays;
  double totalKm;
  double fixedCents;
  double totalCosts;
  double claim;
};

void PrintTo(const AllowanceCase& c, std::ostream* os) { *os << c.name; }

TravelClaimInputs WorkedCarWithCosts(double business) {
  TravelClaimInputs in = CostsOf100000(WorkedCar());
  in.RecordedBusinessKm = business;
  return in;
}

class TravelAllowanceCalculate : public ::testing::TestWithParam<AllowanceCase> {};

TEST_P(TravelAllowanceCalculate, MethodOfTheRecords) {
  const AllowanceCase& c = GetParam();
  TravelAllowanceState travel;
  travel.Inputs = c.inputs;
  travel.Inputs.PeriodDays = 7;  // worked out afresh from the dates
  travel.RecordsKept = c.recordsKept;
  // What an earlier run left in every field.
  travel.Results.TotalKm = travel.Results.BusinessKm = travel.Results.PrivateKm = 1;
  travel.Results.FixedCost = travel.Results.FixedCentsPerKm = travel.Results.FuelCentsPerKm = 1;
  travel.Results.MaintenanceCentsPerKm = travel.Results.TotalCentsPerKm = 1;
  travel.Results.DeductionClaim = travel.Results.TotalCosts = travel.Results.PrivateUseCost = 1;
  CalculateTravelAllowance(travel, c.start, c.end);
  EXPECT_EQ(travel.Inputs.PeriodDays, c.periodDays);
  EXPECT_NEAR(travel.Results.TotalKm, c.totalKm, kTiny);
  EXPECT_NEAR(travel.Results.FixedCentsPerKm, c.fixedCents, kTiny);
  EXPECT_NEAR(travel.Results.TotalCosts, c.totalCosts, kTiny);
  EXPECT_NEAR(travel.Results.DeductionClaim, c.claim, kTiny);
}

// 44 986 is 01/03/2023, 45 168 is 30/08/2023 (183 days), 45 351 is 29/02/2024.
INSTANTIATE_TEST_SUITE_P(
    Cases, TravelAllowanceCalculate,
    ::testing::Values(AllowanceCase{"DeemedWholeYear", WorkedCar(), false, 44986, 45351, 366, 30000,
                                    289.86, 1, 104392},
                      AllowanceCase{"DeemedFromTheDates", WorkedCar(), false, 44986, 45168, 183,
                                    30000, 144.93, 1, 75406},
                      // The deemed-cost method needs a business distance: its fields show 0.
                      AllowanceCase{"DeemedWithoutBusinessKm", WorkedCarWithCosts(0), false, 44986,
                                    45351, 366, 0, 0, 1, 0},
                      AllowanceCase{"DeemedWithoutValue", Readings(50000, 20000, 20000, 0), false,
                                    44986, 45351, 366, 0, 0, 1, 0},
                      AllowanceCase{"ActualWithRecords", WorkedCarWithCosts(20000), true, 44986,
                                    45351, 366, 30000, 1, 100000, 200000.0 / 3},
                      // The actual-cost method has no precondition; the deemed fields are cleared.
                      AllowanceCase{"ActualWithoutBusinessKm", ValueEstimate(), true, 44986, 45351,
                                    366, 0, 0, 60000, 9600}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TravelDateMessages, NameTheLimits) {
  EXPECT_EQ(TaxYearDateMessage(),
            "The date entered is not correct please enter a date between 01/03/2023 and "
            "29/02/2024");
  // 45 078 is 01/06/2023.
  EXPECT_EQ(TaxYearDateMessage(45078),
            "The date entered is not correct please enter a date between 01/06/2023 and "
            "29/02/2024");
}

}  // namespace
}  // namespace reventa
