// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line tool as a script sees it: names, JSON lines, errors that name
// the problem and never stop the run, and the CSV batch mode.
#include <gtest/gtest.h>

#include <string>

#include "cli/line_case.h"
#include "cli/run_tool.h"

namespace {

using CalcRun = reventa::test::ToolRun;

CalcRun Calc(const std::string& args, const std::string& input) {
  return reventa::test::RunToolWithStatus(args, input);
}

TEST(TaxCli, QuickTaxWorkedExample) {
  const CalcRun r = Calc("quicktax", R"({"TaxableIncome":500000,"QuickAge":40})"
                                     "\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            R"({"QuickIncome":500000,"QuickRebate":17235,"QuickTotalTax":117507,)"
            R"("QuickTaxCommitment":100272,"QuickAvgBefore":23.5014,"QuickAvgAfter":20.0544,)"
            R"("BracketBaseTax":77362,"MarginalRate":31,"PortionTax":40145,"TaxCom4Monthly":8356})"
            "\n");
}

TEST(TaxCli, IncomeTaxKeepsFullPrecision) {
  const CalcRun r = Calc("income-tax", R"({"TaxableIncome":237100.01})"
                                       "\n{}\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find(R"("MarginalRate":26)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find(R"("TaxBeforeRebates":42678.0026)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find(R"({"MarginalRate":18,"BracketFloor":0,)"), std::string::npos) << r.out;
}

TEST(TaxCli, BadLinesGiveErrorsAndTheRunGoesOn) {
  const CalcRun r = Calc("quicktax",
                         "not json\n[1,2]\n{\"TaxableIncome\":\"lots\"}\n{\"Salary\":1}\n"
                         "{\"QuickAge\":1000}\n{\"QuickAge\":64.5}\n");
  EXPECT_EQ(r.status, 0);
  const char* expected[] = {R"({"error":"not a JSON object: cannot parse the line"})",
                            R"({"error":"expected a JSON object"})",
                            R"({"error":"TaxableIncome: expected a number"})",
                            R"({"error":"unknown key: Salary"})",
                            R"({"error":"QuickAge: 1000 is outside 0 to 999"})",
                            R"("QuickRebate":17235)"};
  std::size_t at = 0;
  for (const char* e : expected) {
    const std::size_t found = r.out.find(e, at);
    ASSERT_NE(found, std::string::npos) << e << "\n" << r.out;
    at = found;
  }
}

TEST(TaxCli, UnknownOrMissingNameListsTheNames) {
  for (const char* args : {"", "no-such-calculator"}) {
    const CalcRun r = Calc(args, "");
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_NE(r.out.find("quicktax"), std::string::npos);
    EXPECT_NE(r.out.find("income-tax"), std::string::npos);
  }
  const CalcRun list = Calc("--list", "");
  EXPECT_EQ(list.status, 0);
  EXPECT_NE(list.out.find("income-tax\n"), std::string::npos);
}

TEST(TaxCli, CsvBatchKeepsGoingPastBadRows) {
  const CalcRun r =
      Calc("quicktax --csv",
           "TaxableIncome,QuickAge\r\n500000,40\r\n\"95750\",30\r\nabc,1\r\n1,2,3\r\n");
  EXPECT_EQ(r.status, 0);
  const std::string header =
      "TaxableIncome,QuickAge,QuickIncome,QuickRebate,QuickTotalTax,QuickTaxCommitment,"
      "QuickAvgBefore,QuickAvgAfter,BracketBaseTax,MarginalRate,PortionTax,TaxCom4Monthly,error\n";
  ASSERT_EQ(r.out.substr(0, header.size()), header);
  EXPECT_NE(
      r.out.find("500000,40,500000,17235,117507,100272,23.5014,20.0544,77362,31,40145,8356,\n"),
      std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("95750,30,95750,17235,17235,0,18,0,0,18,17235,0,\n"), std::string::npos);
  EXPECT_NE(r.out.find("abc,1,,,,,,,,,,,TaxableIncome: expected a number\n"), std::string::npos);
  EXPECT_NE(r.out.find("the row has 3 fields, the header 2"), std::string::npos);
}

// income-tax takes any income, a negative one too, and its last row has no
// ceiling; only a tax beyond the largest number is an error, naming the overflow.
// quicktax takes what its window's income field takes.
class IncomeTaxLimits : public ::testing::TestWithParam<reventa::test::LineCase> {};

TEST_P(IncomeTaxLimits, Answer) { reventa::test::ExpectAnswer(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Cases, IncomeTaxLimits,
    ::testing::Values(
        reventa::test::LineCase{
            "TaxOverflows",
            "income-tax",
            R"({"TaxableIncome":-1e308})",
            {{"/error", "TaxableIncome: the tax on -1e+308 overflows the largest number"}}},
        reventa::test::LineCase{"NegativeIncomeNegativeTax",
                                "income-tax",
                                R"({"TaxableIncome":-500000})",
                                {{"/TaxBeforeRebates", -90000}}},
        reventa::test::LineCase{"QuickTaxIncomeToTheCent",
                                "quicktax",
                                R"({"TaxableIncome":9999999999.99})",
                                {{"/QuickIncome", 9999999999.99}}},
        reventa::test::LineCase{
            "QuickTaxIncomeAboveTheField",
            "quicktax",
            R"({"TaxableIncome":10000000000})",
            {{"/error", "TaxableIncome: 10000000000 is outside 0 to 9999999999.99"}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
