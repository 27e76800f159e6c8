// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/annual/annual_paye.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace reventa {
namespace {

constexpr double Jun1 = 45078;       // 01/06/2023
constexpr double Sep1 = 45170;       // 01/09/2023
constexpr double Dec31 = 45291;      // 31/12/2023
constexpr double Feb1_2024 = 45323;  // 01/02/2024

MonthCounts Every(std::int16_t n) {
  MonthCounts c{};
  for (int m = 1; m <= 12; ++m) c[static_cast<std::size_t>(m)] = n;
  return c;
}

MonthCounts MarchAt(std::int16_t n) {
  MonthCounts c{};
  c[3] = n;
  return c;
}

auto CaseName = [](const auto& info) { return std::string(info.param.name); };
using R = AnnualResult;

struct FigureCase {
  const char* name;
  friend void PrintTo(const FigureCase& c, std::ostream* os) { *os << c.name; }
  AnnualInputs in;
  std::vector<std::pair<double R::*, double>> expects;
};

class AnnualFigures : public ::testing::TestWithParam<FigureCase> {};

TEST_P(AnnualFigures, MatchWorkedFigures) {
  const AnnualResult r = CalculateAnnual(GetParam().in);
  ASSERT_FALSE(r.Error) << *r.Error;
  for (const auto& [field, value] : GetParam().expects) EXPECT_NEAR(r.*field, value, 1e-8);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedFigures, AnnualFigures,
    ::testing::Values(
        FigureCase{"AllZeroFullYear", {}, {{&R::AnnTaxLiability, 0}, {&R::AnnPAYE, 0}}},
        FigureCase{"Salary500000",
                   {.AnnAge = 40, .AnnSalary = 500000},
                   {{&R::AnnTaxExclBonus, 100272}, {&R::AnnPAYE, 100272}}},
        FigureCase{"BonusTaxedOnTop",
                   {.AnnAge = 40, .AnnSalary = 500000, .AnnBonus = 50000},
                   {{&R::AnnBonusTax, 17360},
                    {&R::AnnTaxLiability, 117632},
                    {&R::LastTaxableIncome, 500000}}},
        FigureCase{"FundDeductionLimitedTo27_5Percent",
                   {.AnnAge = 40,
                    .AnnSalary = 500000,
                    .AnnEmployerRFund = 60000,
                    .AnnEmployeeRFund = 100000},
                   {{&R::AnnAllowableRFund, 154000}, {&R::LastTaxableIncome, 406000}}},
        FigureCase{"FundDeductionCapped",
                   {.AnnSalary = 5000000, .AnnEmployeeRFund = 400000},
                   {{&R::AnnAllowableRFund, 350000}}},
        // Regular pay annualised by 366 / 182 and its tax scaled back; the bonus (at
        // 31%) neither annualised nor scaled.
        FigureCase{"SeptemberToFebruary",
                   {.AnnAge = 40, .AnnSalary = 250000, .AnnBonus = 10000, .AnnStartDate = Sep1},
                   {{&R::LastTaxableIncome, 502747.25274725276},
                    {&R::AnnBonusTax, 3100},
                    {&R::AnnTaxLiability, 53385.530054644805}}},
        FigureCase{"CentsKeptWithoutTravelOrCommission",
                   {.AnnAge = 40, .AnnSalary = 340001.5},
                   {{&R::AnnTaxLiability, 52197.39}}},
        FigureCase{"WholeRandsWithTravelAllowance",
                   {.AnnAge = 40, .AnnSalary = 300001.5, .AnnTravelAllowance = 50000},
                   {{&R::AnnTaxLiability, 52197}}},
        FigureCase{"TwoBeneficiariesAllYear",
                   {.AnnAge = 40,
                    .AnnSalary = 500000,
                    .AnnEmployeeMedAid = 10000,
                    .AnnMonthBens = Every(2)},
                   {{&R::AnnMedCredit, 8736}, {&R::AnnAddMedCredit, 0}, {&R::AnnPAYE, 91536}}},
        FigureCase{"AdditionalCreditFrom65",
                   {.AnnAge = 65,
                    .AnnSalary = 500000,
                    .AnnEmployeeMedAid = 30000,
                    .AnnMonthBens = Every(2)},
                   {{&R::AnnAddMedCredit, 1262.736}, {&R::AnnPAYE, 90828 - 9998.736}}},
        FigureCase{"CreditsAboveTaxGiveNoRefund",
                   {.AnnAge = 40,
                    .AnnSalary = 100000,
                    .AnnEmployeeMedAid = 20000,
                    .AnnMonthBens = Every(3)},
                   {{&R::AnnTaxLiability, 765},
                    {&R::AnnMedCredit, 11688},
                    {&R::AnnTotalTaxDeduction, 0},
                    {&R::AnnPAYE, 0}}}),
    CaseName);

// Which months count towards the credit, and which counts the calculation clears.
struct PeriodCase {
  const char* name;
  friend void PrintTo(const PeriodCase& c, std::ostream* os) { *os << c.name; }
  double start;
  double end;
  std::vector<int> keptMonths;
};

class AnnualMedicalMonths : public ::testing::TestWithParam<PeriodCase> {};

TEST_P(AnnualMedicalMonths, CountOnlyMonthsInThePeriod) {
  const PeriodCase& c = GetParam();
  const AnnualResult r = CalculateAnnual({.AnnEmployerMedAid = 500,
                                          .AnnStartDate = c.start,
                                          .AnnEndDate = c.end,
                                          .AnnMonthBens = Every(1)});
  ASSERT_FALSE(r.Error);
  EXPECT_EQ(r.AnnMedCredit, 364.0 * static_cast<double>(c.keptMonths.size()));
  MonthCounts kept{};
  for (int m : c.keptMonths) kept[static_cast<std::size_t>(m)] = 1;
  EXPECT_EQ(r.AnnMonthBens, kept);
}

INSTANTIATE_TEST_SUITE_P(
    Periods, AnnualMedicalMonths,
    ::testing::Values(
        PeriodCase{"FullYear", TaxYearStart, TaxYearEnd, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        PeriodCase{"StartInJune", Jun1, TaxYearEnd, {6, 7, 8, 9, 10, 11, 12, 1, 2}},
        PeriodCase{"EndInDecember", TaxYearStart, Dec31, {3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        // January looks only at the end month, so it counts in a February-only period.
        PeriodCase{"FebruaryOnly", Feb1_2024, TaxYearEnd, {1, 2}}),
    CaseName);

TEST(AnnualMedicalMonths, CountsKeptWithoutContributions) {
  const AnnualResult r = CalculateAnnual({.AnnStartDate = Jun1, .AnnMonthBens = Every(3)});
  EXPECT_EQ(r.AnnMedCredit, 0);
  EXPECT_EQ(r.AnnMonthBens, Every(3));
}

// A month's credit is formed in 16-bit arithmetic: 132 beneficiaries give 32 708; 133
// would overflow and are refused before anything is computed, unless the month is
// not used.
struct OverflowCase {
  const char* name;
  friend void PrintTo(const OverflowCase& c, std::ostream* os) { *os << c.name; }
  AnnualInputs in;
  bool refused;
  double medCredit;
};

class AnnualCreditOverflow : public ::testing::TestWithParam<OverflowCase> {};

TEST_P(AnnualCreditOverflow, RefusesCountsThatDoNotFit) {
  const OverflowCase& c = GetParam();
  const AnnualResult r = CalculateAnnual(c.in);
  ASSERT_EQ(r.Error.has_value(), c.refused);
  if (c.refused) {
    EXPECT_NE(r.Error->find("Mar"), std::string::npos) << *r.Error;
  }
  EXPECT_EQ(r.AnnMedCredit, c.medCredit);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, AnnualCreditOverflow,
    ::testing::Values(
        OverflowCase{
            "Largest", {.AnnEmployeeMedAid = 1, .AnnMonthBens = MarchAt(132)}, false, 32708},
        OverflowCase{"OneTooMany", {.AnnEmployeeMedAid = 1, .AnnMonthBens = MarchAt(133)}, true, 0},
        OverflowCase{
            "NegativeTooLarge", {.AnnEmployeeMedAid = 1, .AnnMonthBens = MarchAt(-91)}, true, 0},
        OverflowCase{"OutsidePeriod",
                     {.AnnEmployeeMedAid = 1, .AnnStartDate = Jun1, .AnnMonthBens = MarchAt(133)},
                     false,
                     0},
        OverflowCase{"NoContributions", {.AnnMonthBens = MarchAt(133)}, false, 0}),
    CaseName);

TEST(AnnualPeriod, StartAfterEndIsRefused) {
  const AnnualResult r =
      CalculateAnnual({.AnnSalary = 100000, .AnnStartDate = Sep1, .AnnEndDate = Jun1});
  ASSERT_TRUE(r.Error);
  EXPECT_EQ(*r.Error, TaxYearDateMessage(Sep1));
}

struct ValidationCase {
  const char* name;
  friend void PrintTo(const ValidationCase& c, std::ostream* os) { *os << c.name; }
  AnnualInputs in;
  std::string field;  // empty: accepted
  std::string message;
};

class AnnualValidation : public ::testing::TestWithParam<ValidationCase> {};

TEST_P(AnnualValidation, NamesTheRefusedField) {
  const ValidationCase& c = GetParam();
  const auto e = ValidateAnnualInputs(c.in);
  EXPECT_EQ(e ? e->Field : "", c.field);
  EXPECT_EQ(e ? e->Message : "", c.message);
}

const std::string DateRange =
    "The date entered is not correct please enter a date between 01/03/2023 and 29/02/2024";

INSTANTIATE_TEST_SUITE_P(
    Limits, AnnualValidation,
    ::testing::Values(
        ValidationCase{"UpperLimitsAccepted",
                       {.AnnAge = 999,
                        .AnnSalary = 99999999,
                        .AnnStartDate = TaxYearEnd,
                        .AnnMonthBens = Every(24)},
                       "",
                       ""},
        ValidationCase{"AgeTooHigh", {.AnnAge = 1000}, "AnnAge", "1000 is outside 0 to 999"},
        ValidationCase{
            "BonusTooHigh", {.AnnBonus = 1e8}, "AnnBonus", "100000000 is outside 0 to 99999999"},
        ValidationCase{
            "StartBeforeTaxYear", {.AnnStartDate = TaxYearStart - 1}, "AnnStartDate", DateRange},
        ValidationCase{"EndBeforeStart",
                       {.AnnStartDate = Sep1, .AnnEndDate = Jun1},
                       "AnnEndDate",
                       "The date entered is not correct please enter a date between 01/09/2023 "
                       "and 29/02/2024"},
        ValidationCase{"MonthCountAbove24",
                       {.AnnMonthBens = MarchAt(25)},
                       "AnnMonthBens",
                       "25 (Mar) is outside 0 to 24"}),
    CaseName);

}  // namespace
}  // namespace reventa
