// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built reventa-calc on the finance calculators' lines and checks its
// answers.
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

class FinanceCliLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(FinanceCliLines, Answer) { reventa::test::ExpectAnswer(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Cases, FinanceCliLines,
    ::testing::Values(
        LineCase{"Repayment",
                 "loan",
                 R"({"Principal":100000,"Period":60,"AnnualRate":12})",
                 {{"/Repayment", 2224.4447684902},
                  {"/RateError", false},
                  {"/TotalRepayments", 133466.68610941},
                  {"/TotalInterest", 33466.68610941}},
                 {"Adjusted"}},
        LineCase{"RateNotTwelve",
                 "loan",
                 R"({"Principal":100000,"Period":60,"Repayment":2224.44,)"
                 R"("CalcMode":"Interest rate"})",
                 {{"/AnnualRate", 11.99}, {"/Repayment", 2224.44}, {"/RateError", false}}},
        LineCase{"RateError",
                 "loan",
                 R"({"Principal":1000,"Period":12,"Repayment":1000,"CalcMode":"Interest rate"})",
                 {{"/RateError", true}}},
        LineCase{"RateSearchOnAPrincipalFarBelowACentEnds",
                 "loan",
                 R"({"Principal":1e-279,"Period":547,"Repayment":9999999,)"
                 R"("CalcMode":"Interest rate"})",
                 {{"/RateError", true}}},
        LineCase{"Period",
                 "loan",
                 R"({"Principal":100000,"AnnualRate":12,"Repayment":2000,)"
                 R"("CalcMode":"Repayment period"})",
                 {{"/Period", 69}, {"/Repayment", 2013.28}, {"/Principal", 100000}},
                 {"Adjusted"}},
        LineCase{"PeriodBeyond600Months",
                 "loan",
                 R"({"Principal":100000,"AnnualRate":12,"Repayment":1000,)"
                 R"("CalcMode":"Repayment period"})",
                 {{"/Period", 0}, {"/Repayment", 999.99}}},
        LineCase{"PeriodAdjustedToOneMonth",
                 "loan",
                 R"({"Principal":1000,"AnnualRate":12,"Repayment":2000,)"
                 R"("CalcMode":"Repayment period"})",
                 {{"/Period", 1}, {"/Repayment", 1010}, {"/Adjusted", true}}},
        LineCase{"WorstPeriodAnswersAtOnce",
                 "loan",
                 R"({"Principal":99999999.99,"AnnualRate":12,"Repayment":9999999.99,)"
                 R"("CalcMode":"Repayment period"})",
                 {{"/Period", 10}}},
        LineCase{"PeriodFromRepaymentZeroIsNeverNegative",
                 "loan",
                 R"({"Principal":1000,"AnnualRate":12,"Repayment":0,)"
                 R"("CalcMode":"Repayment period"})",
                 {{"/Period", 0}, {"/Repayment", 0}, {"/TotalInterest", 0}}},
        LineCase{"Principal",
                 "loan",
                 R"({"Period":60,"AnnualRate":12,"Repayment":2224.4447684902,)"
                 R"("CalcMode":"Principal amount"})",
                 {{"/Principal", 100000}}},
        LineCase{"RateAboveTheField",
                 "loan",
                 R"({"Principal":1000,"Period":12,"AnnualRate":50.5})",
                 {{"/error", "AnnualRate: 50.5 is outside 0 to 50"}}},
        LineCase{"PeriodNotWhole",
                 "loan",
                 R"({"Principal":1000,"Period":12.5,"AnnualRate":10})",
                 {{"/error", "Period: 12.5 is not a whole number of months"}}},
        LineCase{"UnknownMode",
                 "loan",
                 R"({"CalcMode":"Rate"})",
                 {{"/error",
                   "CalcMode: expected \"Monthly repayment\", \"Principal amount\", "
                   "\"Repayment period\" or \"Interest rate\""}}},
        LineCase{"AnnualPartYear",
                 "amortisation",
                 R"({"Principal":100000,"Period":30,"AnnualRate":12,"Repayment":3875,)"
                 R"("Kind":"annual"})",
                 {{"/WholeYears", 2},
                  {"/YearRows", 3},
                  {"/LastYearKind", 2},
                  {"/Rows/2/0", 3},
                  {"/Rows/2/3", 0}}},
        LineCase{"MonthlyRows",
                 "amortisation",
                 R"({"Principal":100000,"Period":60,"AnnualRate":12,"Repayment":2224.44})",
                 {{"/Rows/0/0", 1},
                  {"/Rows/0/2", 1000},
                  {"/Rows/0/1", 1224.4447684902},
                  {"/Rows/59/0", 60},
                  {"/Rows/59/3", 0},
                  {"/YearRows", nullptr}}},
        LineCase{"NoRowsWithAValueZero",
                 "amortisation",
                 R"({"Principal":100000,"Period":60,"AnnualRate":12,"Kind":"annual"})",
                 {{"/Rows", Json::array()}, {"/YearRows", 0}}},
        LineCase{"NoRowsForAPrincipalBelowHalfACent",
                 "amortisation",
                 R"({"Principal":1e-300,"Period":60,"AnnualRate":12,"Repayment":2224.44})",
                 {{"/Rows", Json::array()}}},
        LineCase{"TakesTheRepaymentTheLoanAnswers",
                 "amortisation",
                 R"({"Principal":99999999.99,"Period":1,"AnnualRate":0.001,)"
                 R"("Repayment":100000083.34})",
                 {{"/Rows/0/0", 1}},
                 {"error"}},
        LineCase{"UnknownKind",
                 "amortisation",
                 R"({"Kind":"weekly"})",
                 {{"/error", "Kind: expected \"monthly\" or \"annual\""}}},
        LineCase{"BusterExtraThousand",
                 "loan-buster",
                 R"({"LoanPrincipal":100000,"Period":12,"LoanRate":12,"ExtraPayment":1000})",
                 {{"/Repayment", 8884.87886783416},
                  {"/TotalRepayments", 106618.54641400994},
                  {"/NewPeriod", 10},
                  {"/NewRepayment", 10558.208867848858},
                  {"/ExtraPayment", 1673.3300000146974},
                  {"/TotalSaving", 1036.457735521355}},
                 {"Adjusted"}},
        LineCase{"BusterExtraAboveTenTimesLeavesTheColumn",
                 "loan-buster",
                 R"({"LoanPrincipal":100000,"Period":12,"LoanRate":12,"ExtraPayment":100000})",
                 {{"/ExtraPayment", 100000}, {"/NewPeriod", nullptr}, {"/TotalSaving", nullptr}}},
        LineCase{"BusterOneMonthIsAdjusted",
                 "loan-buster",
                 R"({"LoanPrincipal":100000,"Period":1,"LoanRate":12,"ExtraPayment":900000})",
                 {{"/NewPeriod", 1}, {"/NewRepayment", 101000}, {"/Adjusted", true}}},
        LineCase{"BusterCentCancelledSavesNothing",
                 "loan-buster",
                 R"({"LoanPrincipal":30.08,"Period":351,"LoanRate":43.601,"ExtraPayment":0.01})",
                 {{"/NewPeriod", 351},
                  {"/NewRepayment", 1.0929357411665155},
                  {"/ExtraPayment", 0.01},
                  {"/TotalSaving", 0}}},
        LineCase{"BusterLongerPaymentsSaveNothing",
                 "loan-buster",
                 R"({"LoanPrincipal":3.33,"Period":600,"LoanRate":0.001,"ExtraPayment":0.02})",
                 {{"/NewPeriod", 600},
                  {"/NewTotalInterest", 0.0008339566775106277},
                  {"/ExtraPayment", 0.02},
                  {"/TotalSaving", 0}}},
        LineCase{"BusterOneMonthRoundingSavesNothing",
                 "loan-buster",
                 R"({"LoanPrincipal":99999999.99,"Period":1,"LoanRate":0.001,)"
                 R"("ExtraPayment":70859.68})",
                 {{"/NewPeriod", 1},
                  {"/NewRepayment", 100000083.31630024},
                  {"/ExtraPayment", 70859.68},
                  {"/TotalSaving", 0}}},
        LineCase{"BusterWorstAnswersAtOnce",
                 "loan-buster",
                 R"({"LoanPrincipal":99999999.99,"Period":600,"LoanRate":50,)"
                 R"("ExtraPayment":41666666.66})",
                 {{"/NewPeriod", 2}}},
        LineCase{"BusterPeriodAboveTheField",
                 "loan-buster",
                 R"({"Period":601})",
                 {{"/error", "Period: 601 is outside 0 to 600"}}},
        LineCase{"ScenarioLumpSumShorterTerm",
                 "loan-scenario",
                 R"({"Principal":100000,"Period":60,"AnnualRate":12,"Changes":[{"Month":13,)"
                 R"("Kind":"LumpSum","Amount":20000,"Choice":"ShorterTerm"}]})",
                 {{"/AsItStands/Repayment", 2224.444768490176},
                  {"/AsItStands/Months", 60},
                  {"/AsItStands/TotalInterest", 33466.68610941061},
                  {"/Scenario/Months", 47},
                  {"/Scenario/TotalInterest", 23488.199022710975},
                  {"/Scenario/LastPayment", 1163.739672162834},
                  {"/InterestSaved", 9978.487086699639},
                  {"/MonthsSaved", 13},
                  {"/RateTable/0/AnnualRate", 10},
                  {"/RateTable/8/Current", true}},
                 {"Schedule"}},
        LineCase{"ScenarioScheduleLowerRepayment",
                 "loan-scenario",
                 R"({"Principal":1000,"Period":3,"AnnualRate":12,"Schedule":true,"Changes":)"
                 R"([{"Month":2,"Kind":"LumpSum","Amount":200,"Choice":"LowerRepayment"}]})",
                 {{"/Scenario/Repayments/1/Month", 3},
                  {"/Scenario/Repayments/1/Repayment", 138.0221114814697},
                  {"/Schedule/1/LumpSum", 200},
                  {"/Schedule/1/Changed", true},
                  {"/Schedule/1/Balance", 136.65555592224734},
                  {"/Schedule/2/Balance", 0},
                  {"/InterestSaved", 2}}},
        LineCase{"ScenarioUnknownKind",
                 "loan-scenario",
                 R"({"Principal":1000,"Period":12,"Changes":[{"Month":2,"Kind":"Lump"}]})",
                 {{"/error", "Changes[0].Kind: expected \"Rate\", \"LumpSum\" or \"Extra\""}}},
        LineCase{"ScenarioMonthPastThePeriod",
                 "loan-scenario",
                 R"({"Principal":1000,"Period":12,"Changes":[{},{"Month":13,"Kind":"Rate"}]})",
                 {{"/error", "Changes[1].Month: 13 is outside 1 to 12"}}},
        LineCase{"ComparisonTwentyYears",
                 "loan-comparison",
                 R"({"BondAmount":500000,"BondRate":12})",
                 {{"/Rows/3/0", "20 yrs."},
                  {"/Rows/3/1", 5505.430667848049},
                  {"/Rows/3/2", 821303.3602835317},
                  {"/Rows/3/3", 1321303.3602835317},
                  {"/Rows/5/0", "30 yrs."}}},
        LineCase{"ComparisonWithoutRate",
                 "loan-comparison",
                 R"({"BondAmount":500000})",
                 {{"/Rows/0/1", 0}, {"/Rows/0/2", -500000}, {"/Rows/0/3", 0}}},
        LineCase{"DailyBalanceMarch",
                 "daily-balance",
                 R"({"DepositCapital":100000,"DepositRate":10,"DepositStart":44986,)"
                 R"("DepositEnd":45016})",
                 {{"/DayCount", 30}, {"/InterestAccrued", 821.9177856445312}}},
        LineCase{"DailyBalanceCapitalInSinglePrecision",
                 "daily-balance",
                 R"({"DepositCapital":12345678.91,"DepositRate":10,"DepositStart":44986,)"
                 R"("DepositEnd":45351})",
                 {{"/InterestAccrued", 1234567.875}}},
        LineCase{
            "DailyBalanceBeyondThirtyYears",
            "daily-balance",
            R"({"DepositStart":44986,"DepositEnd":55947})",
            {{"/error", "The date entered is more than 30 years(360 months) after 01/03/2023."}}},
        LineCase{
            "InflationTwoYears",
            "inflation",
            R"({"PresentCost":1000,"InflationYears":2,"InflationRate":10})",
            {{"/FutureCost", 1210}, {"/BuyingPower", 826.4462809917355}, {"/TooLarge", false}}},
        LineCase{"InflationTooLarge",
                 "inflation",
                 R"({"PresentCost":99999999,"InflationYears":40,"InflationRate":40})",
                 {{"/TooLarge", true}}},
        LineCase{"InflationRateBelowTheField",
                 "inflation",
                 R"({"InflationRate":-5.5})",
                 {{"/error", "InflationRate: -5.5 is outside -5 to 40"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FinanceCli, LoanCsvBatch) {
  const std::vector<std::string> lines =
      Lines(RunTool("loan --csv",
                    "Principal,Period,AnnualRate,Repayment,CalcMode\n"
                    "100000,60,12,,Monthly repayment\n"
                    "1000,,12,2000,Repayment period\n"
                    "1000,601,12,,\n"));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0],
            "Principal,Period,AnnualRate,Repayment,CalcMode,Principal,Period,AnnualRate,"
            "Repayment,RateError,TotalInterest,TotalRepayments,Adjusted,error");
  EXPECT_TRUE(lines[1].starts_with("100000,60,12,,Monthly repayment,100000,60,12,2224.44476849"))
      << lines[1];
  EXPECT_TRUE(lines[1].ends_with(",false,33466.68610941057,133466.68610941057,,")) << lines[1];
  EXPECT_TRUE(lines[2].ends_with(",1000,1,12,1010,false,10,1010,true,")) << lines[2];
  EXPECT_TRUE(lines[3].ends_with(",Period: 601 is outside 0 to 600")) << lines[3];
}

TEST(FinanceCli, DailyBalanceCsvBatch) {
  const std::vector<std::string> lines =
      Lines(RunTool("daily-balance --csv",
                    "DepositCapital,DepositRate,DepositStart,DepositEnd\n"
                    "100000,10,44986,45016\n"
                    "100000,41,44986,45016\n"));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], "100000,10,44986,45016,30,821.9177856445312,") << lines[1];
  EXPECT_TRUE(lines[2].ends_with(",DepositRate: 41 is outside 0 to 40")) << lines[2];
}

}  // namespace
