// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built reventa-calc on travel allowance and company car lines and checks
// its answers.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/line_case.h"
#include "cli/run_tool.h"

namespace {

using reventa::test::Lines;
using reventa::test::RunLine;
using reventa::test::RunTool;

using Json = nlohmann::json;

using reventa::test::LineCase;

class VehicleCliLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(VehicleCliLines, Answer) { reventa::test::ExpectAnswer(GetParam()); }

// The worked car of the travel allowance: value 250 000, readings 20 000 and
// 50 000, 20 000 business km.
#define WORKED_TRAVEL \
  R"("VehicleValue":250000,"ClosingKm":50000,"OpeningKm":20000,"RecordedBusinessKm":20000)"

// The worked company car: price 300 000, log book, 30 000 km of which 12 000 on
// business, fuel by the scale, insurance 6 000 paid by the employee.
#define WORKED_CAR                                                               \
  R"({"CCRegNumber":"CA 1","CCPrice":300000,"BussMilage":1,"EndMileage":40000,)" \
  R"("StartMileage":10000,"BusDistance":12000,"SARSTable":1,"EmpPaidInsurance":6000})"

INSTANTIATE_TEST_SUITE_P(
    Cases, VehicleCliLines,
    ::testing::Values(
        LineCase{"DeemedWorked",
                 "travel-deemed",
                 "{" WORKED_TRAVEL "}",
                 {{"/TotalKm", 30000},
                  {"/BusinessKm", 20000},
                  {"/PrivateKm", 10000},
                  {"/FixedCost", 86958},
                  {"/FixedCentsPerKm", 289.86},
                  {"/FuelCentsPerKm", 171.7},
                  {"/MaintenanceCentsPerKm", 60.4},
                  {"/TotalCentsPerKm", 522.0},
                  {"/DeductionClaim", 104392.00}},
                 {"TotalCosts", "PrivateUseCost", "PeriodDays"}},
        LineCase{"DeemedHalfYear",
                 "travel-deemed",
                 "{" WORKED_TRAVEL R"(,"PeriodDays":183})",
                 {{"/FixedCentsPerKm", 144.93},
                  {"/TotalCentsPerKm", 377.0},
                  {"/DeductionClaim", 75406.00}}},
        LineCase{"DeemedCappedByAllowance",
                 "travel-deemed",
                 "{" WORKED_TRAVEL R"(,"AllowanceReceived":60000})",
                 {{"/DeductionClaim", 60000}}},
        LineCase{"DeemedWithoutFuel",
                 "travel-deemed",
                 "{" WORKED_TRAVEL R"(,"IncludeFuel":false})",
                 {{"/FuelCentsPerKm", 0}, {"/TotalCentsPerKm", 350.3}, {"/DeductionClaim", 70052}}},
        LineCase{"ActualShareOfCosts",
                 "travel-actual",
                 R"({"ClosingKm":50000,"OpeningKm":20000,"RecordedBusinessKm":20000,)"
                 R"("FuelOilCost":60000,"RepairsCost":30000,"OtherCost":10000})",
                 {{"/TotalCosts", 100000},
                  {"/DeductionClaim", 200000.0 / 3},
                  {"/PrivateUseCost", 100000.0 / 3}},
                 {"FixedCost", "TotalCentsPerKm"}},
        LineCase{"ActualFromTheValue",
                 "travel-actual",
                 R"({"VehicleValue":200000,"FuelOilCost":60000})",
                 {{"/PrivateUseCost", 50400}, {"/DeductionClaim", 9600}}},
        LineCase{"AllowanceDeemed",
                 "travel-allowance",
                 "{" WORKED_TRAVEL "}",
                 {{"/PeriodDays", 366},
                  {"/TotalCosts", 0},
                  {"/PrivateUseCost", 0},
                  {"/TotalCentsPerKm", 522.0},
                  {"/DeductionClaim", 104392.00}}},
        // 01/03/2023 to 30/08/2023.
        LineCase{"AllowanceFromTheDates",
                 "travel-allowance",
                 "{" WORKED_TRAVEL R"(,"StartDate":44986,"EndDate":45168})",
                 {{"/PeriodDays", 183}, {"/FixedCentsPerKm", 144.93}, {"/DeductionClaim", 75406}}},
        LineCase{"AllowanceWithoutBusinessKm",
                 "travel-allowance",
                 R"({"VehicleValue":250000,"ClosingKm":50000,"OpeningKm":20000})",
                 {{"/TotalKm", 0}, {"/FixedCost", 0}, {"/DeductionClaim", 0}}},
        LineCase{"AllowanceRecordsKept",
                 "travel-allowance",
                 R"({"RecordsKept":true,"VehicleValue":200000,"FuelOilCost":60000})",
                 {{"/TotalCosts", 60000},
                  {"/PrivateUseCost", 50400},
                  {"/DeductionClaim", 9600},
                  {"/FixedCost", 0}}},
        // 45 078 is 01/06/2023, 45 016 is 31/03/2023.
        LineCase{"EndDateBeforeStart",
                 "travel-allowance",
                 R"({"StartDate":45078,"EndDate":45016})",
                 {{"/error",
                   "EndDate: The date entered is not correct please enter a date between "
                   "01/06/2023 and 29/02/2024"}}},
        LineCase{"StartDateBeforeTheYear",
                 "travel-allowance",
                 R"({"StartDate":44985})",
                 {{"/error",
                   "StartDate: The date entered is not correct please enter a date between "
                   "01/03/2023 and 29/02/2024"}}},
        LineCase{"PeriodDaysFollowsFromTheDates",
                 "travel-allowance",
                 R"({"PeriodDays":100})",
                 {{"/error", "unknown key: PeriodDays"}}},
        LineCase{"ValueAboveTheField",
                 "travel-deemed",
                 R"({"VehicleValue":10000000})",
                 {{"/error", "VehicleValue: 10000000 is outside 0 to 9999999"}}},
        LineCase{"NegativeReading",
                 "travel-actual",
                 R"({"OpeningKm":-1})",
                 {{"/error", "OpeningKm: -1 is outside 0 to 9999999"}}},
        LineCase{"WearAndTearWithLease",
                 "travel-actual",
                 R"({"WearAndTear":3000,"LeasePayments":5000})",
                 {{"/error",
                   "WearAndTear, LeasePayments: Only one amount for either Wear & Tear or Lease "
                   "payments will be accepted"}}},
        LineCase{"FlagOfTheWrongType",
                 "travel-deemed",
                 R"({"IncludeFuel":"yes"})",
                 {{"/error", "IncludeFuel: expected true or false"}}},
        LineCase{"CarWorked",
                 "company-car",
                 R"({"Actual3802":126000,"Cars":[)" WORKED_CAR "]}",
                 {{"/Cars/0/DaysUsed", 366},
                  {"/Cars/0/PrivateDistance", 18000},
                  {"/Cars/0/TrueInclusion", 75600},
                  {"/Cars/0/FuelComponent", 51510},
                  {"/Cars/0/FuelClaim", 30906},
                  {"/Cars/0/TotAddExpense", 3600},
                  {"/Cars/0/FuelExp", 34506},
                  {"/Cars/0/FB3802ThisCar", 126000},
                  {"/Cars/0/AdjustTaxableInc", -84906},
                  {"/Cars/0/SARSDeductionClaim", -84906},
                  {"/Cars/0/IRP53802", 126000},
                  {"/Cars/0/MonFB80", 8400},
                  {"/Cars/0/MonFB20", 2100},
                  {"/Cars/0/FortFB80", 3876.80},
                  {"/Cars/0/FortFB20", 969.20},
                  {"/Cars/0/WeekFB80", 1938.40},
                  {"/Cars/0/WeekFB20", 484.60},
                  {"/Cars/0/TotalDistance", 30000},
                  {"/Cars/0/BusDistance", 12000},
                  {"/TotAdjustTaxableInc", -84906},
                  {"/TotAdjustTaxableIncSARS", -84906}}},
        LineCase{"CarNotFromCalculate",
                 "company-car",
                 R"({"Actual3802":126000,"FromCalculateCommand":false,"Cars":[)" WORKED_CAR "]}",
                 {{"/Cars/0/FB3802ThisCar", 0}, {"/Cars/0/SARSDeductionClaim", -34506}}},
        // 366 and 183 days of use.
        LineCase{"CarsSplitByDays",
                 "company-car",
                 R"({"Actual3802":90000,"AutoCalc3802":1,"Cars":[{"CCPrice":100000},)"
                 R"({"CCPrice":100000,"CCEndDate":45168}]})",
                 {{"/Cars/0/FB3802ThisCar", 60000}, {"/Cars/1/FB3802ThisCar", 30000}}},
        // Two cars: no copy of the total code 3802 amount, car 1's stays 0. The
        // empty car on screen stops the run; its stored adjustment still counts.
        LineCase{"CarOnScreenEmpty",
                 "company-car",
                 R"({"Actual3802":126000,"Current":2,"Cars":[)" WORKED_CAR
                 R"(,{"AdjustTaxableInc":500}]})",
                 {{"/Cars/1/TrueInclusion", 0},
                  {"/Cars/1/DaysUsed", 0},
                  {"/TotAdjustTaxableInc", 41094 + 500},
                  {"/TotAdjustTaxableIncSARS", -34506}}},
        // The true inclusion is 296 992.5 exactly and rounds to even; the code 3802
        // amount, on the monthly rate 0.035, lies a hair above the half.
        LineCase{"CarTrueInclusionOnAHalfRand",
                 "company-car",
                 R"({"Cars":[{"CCPrice":707125}]})",
                 {{"/Cars/0/TrueInclusion", 296992},
                  {"/Cars/0/AdjustTaxableInc", 296992},
                  {"/Cars/0/IRP53802", 296993}}},
        LineCase{"CarWithoutPrice",
                 "company-car",
                 R"({"Actual3802":50000,"Cars":[{"BussMilage":1,"EndMileage":40000,)"
                 R"("StartMileage":10000,"BusDistance":12000,"ActualExpEmployee":10000}]})",
                 {{"/Cars/0/AdjustTaxableInc", -26000}, {"/TotAdjustTaxableInc", -26000}}},
        LineCase{"CarWithoutDistance",
                 "company-car",
                 R"({"Actual3802":100000,"Cars":[{"CCPrice":300000,"BussMilage":true}]})",
                 {{"/Cars/0/TrueInclusion", 0},
                  {"/Cars/0/FuelClaim", 0},
                  {"/Cars/0/AdjustTaxableInc", -100000}}},
        LineCase{"CarBusinessCutToTotal",
                 "company-car",
                 R"({"Cars":[{"CCPrice":300000,"TotalDistance":10000,"BusDistance":15000}]})",
                 {{"/Cars/0/BusDistance", 10000}, {"/Cars/0/PrivateDistance", 0}}},
        LineCase{"NoCars",
                 "company-car",
                 "{}",
                 {{"/Cars", Json::array()},
                  {"/TotAdjustTaxableInc", 0},
                  {"/TotAdjustTaxableIncSARS", 0}}},
        LineCase{"CurrentBeyondTheCars",
                 "company-car",
                 R"({"Current":3,"Cars":[{},{}]})",
                 {{"/error", "Current: 3 is outside 1 to 2"}}},
        LineCase{"CarFlagNotZeroOrOne",
                 "company-car",
                 R"({"Cars":[{},{"BussMilage":2}]})",
                 {{"/error", "Cars: car 2: BussMilage: expected 0 or 1"}}},
        LineCase{"CarEndDateBeforeStart",
                 "company-car",
                 R"({"Cars":[{"CCStartDate":45078,"CCEndDate":45016}]})",
                 {{"/error",
                   "Cars: car 1: CCEndDate: The date entered is not correct please enter a date "
                   "between 01/06/2023 and 29/02/2024"}}},
        LineCase{"CarPriceAboveTheField",
                 "company-car",
                 R"({"Cars":[{"CCPrice":1000000000}]})",
                 {{"/error", "Cars: car 1: CCPrice: 1000000000 is outside 0 to 999999999"}}},
        LineCase{"CarUnknownKey",
                 "company-car",
                 R"({"Cars":[{"Colour":"red"}]})",
                 {{"/error", "Cars: car 1: unknown key: Colour"}}},
        LineCase{"CarRegistrationNotText",
                 "company-car",
                 R"({"Cars":[{"CCRegNumber":123}]})",
                 {{"/error", "Cars: car 1: CCRegNumber: expected a text"}}},
        // The registration field holds 10 characters, the others 25; an accented
        // letter is one character.
        LineCase{"RegistrationOfTenCharacters",
                 "company-car",
                 R"({"Cars":[{"CCRegNumber":"CA 123-45\u00e9","CCPrice":1}]})",
                 {},
                 {"error"}},
        LineCase{"RegistrationTooLong",
                 "company-car",
                 R"({"Cars":[{"CCRegNumber":"CA 123-4567"}]})",
                 {{"/error", "Cars: car 1: CCRegNumber: longer than 10 characters"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VehicleCli, ListsTheFourCommands) {
  const std::string out = RunTool("--list", "");
  for (const char* name : {"travel-deemed", "travel-actual", "travel-allowance", "company-car"}) {
    EXPECT_NE(out.find(std::string(name) + "\n"), std::string::npos) << name;
  }
}

// SARS's claim of a car without a code 3802 amount and fuel is -(0 + 0).
TEST(VehicleCli, WritesNoNegativeZeroAndNoNonNumbers) {
  const std::string out =
      RunTool("company-car", R"({"Cars":[{"CCPrice":300000,"BussMilage":1,"TotalDistance":10000,)"
                             R"("BusDistance":5000}]})"
                             "\n"
                             R"({"Cars":[{"CCPrice":300000,"BussMilage":1,"SARSTable":1}]})"
                             "\n");
  ASSERT_EQ(Lines(out).size(), 2u) << out;
  EXPECT_NE(out.find(R"("SARSDeductionClaim":0,)"), std::string::npos) << out;
  EXPECT_EQ(out.find(":-0,"), std::string::npos) << out;
  EXPECT_EQ(out.find(":-0}"), std::string::npos) << out;
  EXPECT_EQ(out.find("null"), std::string::npos) << out;
  EXPECT_EQ(out.find("nan"), std::string::npos) << out;
}

TEST(VehicleCli, TravelAllowanceCsvBatch) {
  const std::vector<std::string> lines =
      Lines(RunTool("travel-allowance --csv",
                    "VehicleValue,ClosingKm,OpeningKm,RecordedBusinessKm,RecordsKept,EndDate\n"
                    "250000,50000,20000,20000,false,\n"
                    "250000,50000,20000,20000,,45168\n"
                    "250000,50000,20000,20000,,44900\n"));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0],
            "VehicleValue,ClosingKm,OpeningKm,RecordedBusinessKm,RecordsKept,EndDate,TotalKm,"
            "BusinessKm,PrivateKm,TotalCosts,PrivateUseCost,FixedCost,FixedCentsPerKm,"
            "FuelCentsPerKm,MaintenanceCentsPerKm,TotalCentsPerKm,DeductionClaim,PeriodDays,error");
  EXPECT_TRUE(
      lines[1].starts_with("250000,50000,20000,20000,false,,30000,20000,10000,0,0,86958,"
                           "289.86,"))
      << lines[1];
  EXPECT_TRUE(lines[1].ends_with(",522,104392,366,")) << lines[1];
  EXPECT_TRUE(lines[2].starts_with("250000,50000,20000,20000,,45168,30000,")) << lines[2];
  EXPECT_TRUE(lines[2].ends_with(",183,")) << lines[2];
  EXPECT_EQ(lines[3],
            "250000,50000,20000,20000,,44900,,,,,,,,,,,,,EndDate: The date entered is not correct "
            "please enter a date between 01/03/2023 and 29/02/2024");
}

TEST(VehicleCli, CompanyCarCsvTakesTheCarsAsJson) {
  const std::vector<std::string> lines = Lines(
      RunTool("company-car --csv", "Actual3802,Cars\n90000,\"[{\"\"CCPrice\"\":100000}]\"\n"));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "Actual3802,Cars,Cars,TotAdjustTaxableInc,TotAdjustTaxableIncSARS,error");
  // 100 000 x 3.5% x 12 = 42 000 of true inclusion against the 90 000 paid.
  EXPECT_NE(lines[1].find(R"(""AdjustTaxableInc"":-48000)"), std::string::npos) << lines[1];
  EXPECT_TRUE(lines[1].ends_with(",-48000,0,")) << lines[1];
}

}  // namespace
