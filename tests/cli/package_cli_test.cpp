// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built reventa-calc on salary package lines and checks its answers.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/run_tool.h"

namespace {

using reventa::test::Lines;
using reventa::test::RunLine;
using reventa::test::RunTool;

using Json = nlohmann::json;

struct LineCase {
  const char* name;
  friend void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }
  const char* command;
  const char* line;
  std::vector<std::pair<const char*, Json>> expected;  // numbers to a millionth
};

class PackageCliLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(PackageCliLines, Answer) {
  const LineCase& c = GetParam();
  const Json r = RunLine(c.command, c.line);
  ASSERT_TRUE(r.is_object()) << r.dump();
  for (const auto& [key, value] : c.expected) {
    ASSERT_TRUE(r.contains(key)) << key << " in " << r.dump();
    if (value.is_number() && r[key].is_number()) {
      EXPECT_NEAR(r[key].get<double>(), value.get<double>(), 1e-6) << key;
    } else {
      EXPECT_EQ(r[key], value) << key;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PackageCliLines,
    ::testing::Values(
        LineCase{"NetAnnual",
                 "net-to-gross-annual",
                 R"({"Age":30,"NetRequired":100000})",
                 {{"TrialSalary", 102180},
                  {"numGrossSal", 102179.2},
                  {"numTotCostComp", 104222.8},
                  {"NoResult", false},
                  {"RFundWarning", false}}},
        LineCase{"NetMonthly",
                 "net-to-gross-monthly",
                 R"({"Age":30,"NetRequired":20000})",
                 {{"TrialSalary", 23190}, {"numUIFCont", 177.12}, {"SdlAmount", 231.9}}},
        LineCase{"GrossAnnual",
                 "gross-to-net-annual",
                 R"({"Age":40,"Package":500000,"Travel":60000,"EmployeePct":10,"EmployerPct":5,)"
                 R"("MedEmployer":24000,"Beneficiaries":24,"OtherDedTotal":5000})",
                 {{"numGrossSal", 329308.56}, {"numTotCostComp", 531255.44}, {"TaxDue", 73302}}},
        LineCase{"GrossMonthlyCarNote",
                 "gross-to-net-monthly",
                 R"({"Age":40,"Package":40000,"CarValue":300000,"MaintenancePlan":true})",
                 {{"CarBenefit", 300000 * 0.0325 * 0.8}, {"numOnceOff", 300000}}},
        // Employee 20% and employer 7.6% together are too much: both become 0.
        LineCase{"PercentagesReset",
                 "net-to-gross-annual",
                 R"({"Age":30,"NetRequired":100000,"EmployeePct":20,"EmployerPct":7.6})",
                 {{"TrialSalary", 102180}, {"RFundEmployee", 0}, {"RFundEmployer", 0}}},
        // A fresh window asked for no net pay: no message, the zeros it shows.
        LineCase{"NetZero",
                 "net-to-gross-monthly",
                 R"({"Age":30,"NetRequired":0,"MedDeduct":50})",
                 {{"NoResult", true}, {"TrialSalary", 0}, {"numGrossSal", 50}}},
        LineCase{"FringeCheck",
                 "net-to-gross-annual",
                 R"({"NetRequired":50000,"RFundEmployeeTyped":60000})",
                 {{"error", "Fringe benefits more than salary required!"}, {"NoResult", true}}},
        LineCase{"BeneficiariesMonthlyLimit",
                 "net-to-gross-monthly",
                 R"({"NetRequired":5000,"Beneficiaries":100})",
                 {{"error", "Beneficiaries: 100 is outside 0 to 99"}}},
        LineCase{"BeneficiariesAnnual",
                 "gross-to-net-annual",
                 R"({"Package":5000,"MedEmployee":100,"Beneficiaries":100})",
                 {{"MedCredit", 8736 + 246 * 76}}},
        LineCase{"MoneyLimit",
                 "gross-to-net-monthly",
                 R"({"Package":100000000})",
                 {{"error", "Package: 100000000 is outside 0 to 99999999.99"}}},
        LineCase{"WrongKeyForDirection",
                 "net-to-gross-annual",
                 R"({"Package":1000})",
                 {{"error", "unknown key: Package"}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Every key takes only what its window's field or setting accepts, so no line can
// make the search run for ever or a figure overflow.
INSTANTIATE_TEST_SUITE_P(
    Ranges, PackageCliLines,
    ::testing::Values(LineCase{"TravelRateThatNeverEnded",
                               "net-to-gross-monthly",
                               R"({"NetRequired":1000,"Travel":1,"TaRate":1e308})",
                               {{"error", "TaRate: 1e+308 is outside 0 to 1"}}},
                      // Refused as typed, not first turned into 0 by the 27.5 rule.
                      LineCase{"PercentageAboveTheField",
                               "net-to-gross-annual",
                               R"({"NetRequired":1000,"EmployeePct":150})",
                               {{"error", "EmployeePct: 150 is outside 0 to 100"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PackageCli, ListsTheFourCommands) {
  const std::string out = RunTool("--list", "");
  for (const char* name : {"net-to-gross-annual", "net-to-gross-monthly", "gross-to-net-annual",
                           "gross-to-net-monthly"}) {
    EXPECT_NE(out.find(std::string(name) + "\n"), std::string::npos) << name;
  }
}

TEST(PackageCli, CsvBatchReportsTheFringeCheckInItsRow) {
  const std::vector<std::string> lines = Lines(RunTool("net-to-gross-annual --csv",
                                                       "Age,NetRequired,Travel,MaintenancePlan\n"
                                                       "30,100000,,false\n"
                                                       "30,50000,60000,\n"));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].substr(0, 50), "Age,NetRequired,Travel,MaintenancePlan,TrialSalary");
  EXPECT_TRUE(lines[0].ends_with(",numOnceOff,RFundWarning,error")) << lines[0];
  EXPECT_EQ(lines[1].substr(0, 33), "30,100000,,false,102180,0,17235,0");
  EXPECT_EQ(lines[1].back(), ',');                                    // no error
  EXPECT_NE(lines[2].find(",true,"), std::string::npos) << lines[2];  // NoResult
  EXPECT_TRUE(lines[2].ends_with(",Fringe benefits more than salary required!")) << lines[2];
}

}  // namespace
