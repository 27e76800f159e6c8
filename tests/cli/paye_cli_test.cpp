// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built reventa-calc on PAYE input lines and checks its answers.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/run_tool.h"

namespace {

using Json = nlohmann::json;

using reventa::test::Lines;
using reventa::test::RunLine;
using reventa::test::RunTool;

auto CaseName = [](const auto& info) { return std::string(info.param.name); };

struct FigureCase {
  const char* name;
  friend void PrintTo(const FigureCase& c, std::ostream* os) { *os << c.name; }
  const char* command;
  const char* line;
  std::vector<std::pair<const char*, double>> figures;  // checked to half a cent
};

class PayeCliFigures : public ::testing::TestWithParam<FigureCase> {};

TEST_P(PayeCliFigures, AnswerWithTheCalculatorsFigures) {
  const FigureCase& c = GetParam();
  const Json r = RunLine(c.command, c.line);
  ASSERT_TRUE(r.is_object() && !r.contains("error")) << r.dump();
  for (const auto& [key, value] : c.figures) EXPECT_NEAR(r.value(key, -1.0), value, 0.005) << key;
}

INSTANTIATE_TEST_SUITE_P(
    Defaults, PayeCliFigures,
    ::testing::Values(
        FigureCase{"MonthlyMarchWithStoreSettings",
                   "monthly",
                   R"({"Age":40,"Salary":30000})",
                   {{"PeriodTax", 4783.08}, {"UifEmployee", 177.12}, {"SdlAmount", 300}}},
        // The additional medical credit from 65, the third rebate from 75.
        FigureCase{"MonthlyAge64",
                   "monthly",
                   R"({"Age":64,"Salary":30000,"EmployeeMedAid":5000,"Beneficiaries":1})",
                   {{"AddMedCredit", 0}, {"PeriodTax", 4783.08}}},
        FigureCase{"MonthlyAge65",
                   "monthly",
                   R"({"Age":65,"Salary":30000,"EmployeeMedAid":5000,"Beneficiaries":1})",
                   {{"AddMedCredit", 1301.36}, {"PeriodTax", 3996.08}, {"NetPeriodTax", 2330.72}}},
        FigureCase{"MonthlyAge75",
                   "monthly",
                   R"({"Age":75,"Salary":30000,"EmployeeMedAid":5000,"Beneficiaries":1})",
                   {{"AddMedCredit", 1301.36}, {"PeriodTax", 3734}}},
        FigureCase{"WeeklySevenOfSevenDays",
                   "weekly",
                   R"({"Age":40,"Salary":7000})",
                   {{"PeriodTax", 1123.79}}},
        FigureCase{"FortnightlyFourteenOfFourteenDays",
                   "fortnightly",
                   R"({"Age":40,"Salary":14000})",
                   {{"PeriodTax", 2247.58}}},
        FigureCase{"Daily",
                   "daily",
                   R"({"Age":40,"Salary":1500,"EmployerMedAid":100,"Beneficiaries":3})",
                   {{"MedCredit", 44.95}, {"NetPeriodTax", 240.55}}},
        FigureCase{"AnnualFullYear",
                   "annual",
                   R"({"AnnAge":40,"AnnSalary":500000,"AnnBonus":50000})",
                   {{"AnnBonusTax", 17360}, {"AnnPAYE", 117632}}}),
    CaseName);

struct ErrorCase {
  const char* name;
  friend void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }
  const char* command;
  const char* line;
  std::string error;
};

class PayeCliErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(PayeCliErrors, AnswerWithAnErrorLine) {
  const ErrorCase& c = GetParam();
  EXPECT_EQ(RunLine(c.command, c.line), Json({{"error", c.error}}));
}

INSTANTIATE_TEST_SUITE_P(
    Refused, PayeCliErrors,
    ::testing::Values(
        ErrorCase{"MonthlyDateRule", "monthly", R"({"StartDate":45016,"EndDate":45017})",
                  "The Start and End dates entered must be for the same Month"},
        ErrorCase{"MonthlyDateOutsideYear", "monthly", R"({"EndDate":45352})",
                  "EndDate: The date entered is not correct please enter a date between "
                  "01/03/2023 and 29/02/2024"},
        ErrorCase{"WeeklyDayRule", "weekly", R"({"NormalDays":5,"ThisDays":6})",
                  "The number of 'Normal work-week' days must be = to or larger than 'This "
                  "work-week'."},
        ErrorCase{"FortnightlyNoDaysPaid", "fortnightly", R"({"ThisDays":0})",
                  "The number of 'This fortnight' days must be at least 1."},
        ErrorCase{"FortnightlyTooManyDays", "fortnightly", R"({"ThisDays":15})",
                  "ThisDays: 15 is outside 0 to 14"},
        ErrorCase{"AgeOutOfRange", "daily", R"({"Age":1000})", "Age: 1000 is outside 0 to 999"},
        ErrorCase{"HugeSalaryNamedShortly", "monthly", R"({"Salary":1e308})",
                  "Salary: 1e+308 is outside 0 to 99999999"},
        ErrorCase{"WeeklyCentsField", "weekly", R"({"Bonus":10000000})",
                  "Bonus: 10000000 is outside 0 to 9999999.99"},
        ErrorCase{"AnnualEndBeforeStart", "annual", R"({"AnnStartDate":45170,"AnnEndDate":45078})",
                  "AnnEndDate: The date entered is not correct please enter a date between "
                  "01/09/2023 and 29/02/2024"},
        ErrorCase{"AnnualMonthCountAbove24", "annual",
                  R"({"AnnMonthBens":[0,0,0,0,0,25,0,0,0,0,0,0]})",
                  "AnnMonthBens: 25 (Jun) is outside 0 to 24"}),
    CaseName);

TEST(PayeCliAnnual, MonthCountsComeBackClearedJanuaryFirst) {
  const Json r = RunLine(
      "annual",
      R"({"AnnEmployeeMedAid":1200,"AnnStartDate":45078,"AnnMonthBens":[1,1,1,1,1,1,1,1,1,1,1,1]})");
  EXPECT_EQ(r["AnnMonthBens"], Json::parse("[1,1,0,0,0,1,1,1,1,1,1,1]"));
  EXPECT_EQ(r["AnnMedCredit"], 9 * 364);
}

TEST(PayeCliCsv, MonthlyBatchKeepsGoingPastABadRow) {
  const std::string out = RunTool("monthly --csv",
                                  "Age,Salary,StartDate,EndDate\n"
                                  "40,30000,,\n"
                                  ",1,45000,44999\n"
                                  "40,15000,44986,45000\n");
  const std::vector<std::string> lines = Lines(out);
  ASSERT_EQ(lines.size(), 4u) << out;
  EXPECT_EQ(lines[0],
            "Age,Salary,StartDate,EndDate,RFundAllowable,TaxableTravelAllowance,UifEmployee,"
            "UifEmployer,SdlAmount,PeriodTax,MedCredit,AddMedCredit,NetPeriodTax,error");
  EXPECT_EQ(lines[1], "40,30000,,,0,0,177.12,177.12,300,4783.083333333333,0,0,4783.083333333333,");
  EXPECT_EQ(lines[2], ",1,45000,44999,,,,,,,,,,The Start date entered must be before the End date");
  EXPECT_EQ(lines[3].substr(0, 20), "40,15000,44986,45000");
  EXPECT_NE(lines[3].find(",2443.2258064516"), std::string::npos) << lines[3];
}

}  // namespace
