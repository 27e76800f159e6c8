// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/period/pay_period.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace reventa {
namespace {

constexpr double Mar14 = 44999;  // 14/03/2023
constexpr double Mar15 = 45000;
constexpr double Mar31 = 45016;
constexpr double Apr1 = 45017;

// The settings a new settings store holds, with the UIF ceiling given.
PayPeriodInput WithSettings(PayPeriodInput in, double uifLimit = 17712) {
  in.EmployeeUIF = 1;
  in.EmployerUIF = 1;
  in.SkillLevy = 1;
  in.UIFLimit = uifLimit;
  return in;
}

PayPeriodResult Calculate(PayPeriodKind kind, const PayPeriodInput& in) {
  switch (kind) {
    case PayPeriodKind::Monthly:
      return ComputeMonthlyPaye(in);
    case PayPeriodKind::Weekly:
      return ComputeWeeklyPaye(in, PeriodsPerYearWeekly, WeeklyMedCreditDivisor);
    case PayPeriodKind::Fortnightly:
      return ComputeWeeklyPaye(in, PeriodsPerYearFortnightly, FortnightlyMedCreditDivisor);
    case PayPeriodKind::Daily:
      return ComputeDailyPaye(in);
  }
  return {};
}

// A month's salary of 30 000 with 5 000 of the employee's medical aid for one
// beneficiary, at the given age.
PayPeriodInput AgeCase(std::int16_t age) {
  return {.Age = age, .Salary = 30000, .EmployeeMedAid = 5000, .Beneficiaries = 1};
}

auto CaseName = [](const auto& info) { return std::string(info.param.name); };
using R = PayPeriodResult;
using K = PayPeriodKind;

// Worked figures given to the cent are checked to half a cent, the others to 1e-9.
constexpr double Cent = 0.005;
struct Expect {
  double R::*field;
  double value;
  double tolerance = 1e-9;
};

struct FigureCase {
  const char* name;
  friend void PrintTo(const FigureCase& c, std::ostream* os) { *os << c.name; }
  PayPeriodKind kind;
  PayPeriodInput in;
  std::vector<Expect> expects;
};

class PayPeriodFigures : public ::testing::TestWithParam<FigureCase> {};

TEST_P(PayPeriodFigures, MatchWorkedFigures) {
  const FigureCase& c = GetParam();
  const PayPeriodResult r = Calculate(c.kind, c.in);
  ASSERT_FALSE(r.Error) << r.Error->Text;
  for (const Expect& e : c.expects) EXPECT_NEAR(r.*e.field, e.value, e.tolerance);
  for (double v : {r.RFundAllowable, r.UifEmployee, r.SdlAmount, r.MedCredit, r.NetPeriodTax}) {
    EXPECT_TRUE(std::isfinite(v));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Monthly, PayPeriodFigures,
    ::testing::Values(
        FigureCase{"FullMonth",
                   K::Monthly,
                   WithSettings({.Age = 40, .Salary = 30000}),
                   {{&R::AnnualisedIncome, 360000},
                    {&R::NetPeriodTax, 4783.08, Cent},
                    {&R::UifEmployer, 177.12},
                    {&R::SdlAmount, 300}}},
        FigureCase{"BonusTaxedInFull",
                   K::Monthly,
                   {.Age = 40, .Salary = 30000, .Bonus = 30000},
                   {{&R::LastTaxableIncome, 360000}, {&R::PeriodTax, 13558.08, Cent}}},
        FigureCase{"HalfMonthScaledToWholeMonth",
                   K::Monthly,
                   {.Age = 40, .Salary = 15000, .EndDate = Mar15},
                   {{&R::AnnualisedIncome, 372000}, {&R::PeriodTax, 2443.23, Cent}}},
        // Each annual tax is floored at 0 after the rebate before the difference is
        // taken, so a bonus on pay below the threshold bears no tax (unlike weekly).
        FigureCase{"BonusBelowThresholdFlooredFirst",
                   K::Monthly,
                   {.Age = 40, .Salary = 500, .Bonus = 10000},
                   {{&R::PeriodTax, 0}}},
        FigureCase{"AdditionalCreditAt70",
                   K::Monthly,
                   {.Age = 70, .EmployerMedAid = 3000, .EmployeeMedAid = 1000, .Beneficiaries = 3},
                   {{&R::MedCredit, 974}, {&R::AddMedCredit, 358.974}}},
        // The age bounds: the additional credit and the second rebate from 65, the
        // third rebate from 75. Salary 30 000 bears 74 632 a year before rebates;
        // 5 000 of contributions less 3 x 364 leaves 3 908 at 0.333.
        FigureCase{"Age64NoAdditionalCredit",
                   K::Monthly,
                   AgeCase(64),
                   {{&R::PeriodTax, 57397.0 / 12}, {&R::AddMedCredit, 0}}},
        FigureCase{"Age65AdditionalCreditAndSecondRebate",
                   K::Monthly,
                   AgeCase(65),
                   {{&R::PeriodTax, 47953.0 / 12},
                    {&R::MedCredit, 364},
                    {&R::AddMedCredit, 1301.364},
                    {&R::NetPeriodTax, 47953.0 / 12 - 364 - 1301.364}}},
        FigureCase{"Age74SecondRebate", K::Monthly, AgeCase(74), {{&R::PeriodTax, 47953.0 / 12}}},
        FigureCase{"Age75ThirdRebate",
                   K::Monthly,
                   AgeCase(75),
                   {{&R::PeriodTax, 44808.0 / 12}, {&R::AddMedCredit, 1301.364}}},
        FigureCase{"NoContributionNoCredit",
                   K::Monthly,
                   {.Age = 70, .Beneficiaries = 3},
                   {{&R::MedCredit, 0}, {&R::AddMedCredit, 0}}},
        FigureCase{"FundDeductionCappedForAPartMonthToo",
                   K::Monthly,
                   {.Salary = 200000, .RFundEmployee = 40000, .EndDate = Mar15},
                   {{&R::RFundAllowable, 350000.0 / 12}}},
        FigureCase{"CreditsAboveTaxGiveNoRefund",
                   K::Monthly,
                   {.Age = 40, .Salary = 8000, .EmployeeMedAid = 2000, .Beneficiaries = 4},
                   {{&R::PeriodTax, 3.75}, {&R::MedCredit, 1220}, {&R::NetPeriodTax, 0}}},
        FigureCase{
            "UifBelowLimitLevyWithCommission",
            K::Monthly,
            WithSettings({.Salary = 10000, .Commission = 5000, .TravelAllowance = 1000}),
            {{&R::TaxableTravelAllowance, 800}, {&R::UifEmployee, 108}, {&R::SdlAmount, 158}}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Weekly, PayPeriodFigures,
    ::testing::Values(
        FigureCase{"FullWeekTwoBeneficiaries",
                   K::Weekly,
                   {.Age = 40, .Salary = 7000, .EmployeeMedAid = 300, .Beneficiaries = 2},
                   {{&R::AnnualisedIncome, 364000},
                    {&R::PeriodTax, 1123.79, Cent},
                    {&R::MedCredit, 182},
                    {&R::NetPeriodTax, 941.79, Cent}}},
        FigureCase{"ThreeOfSixDays",
                   K::Weekly,
                   {.Age = 40, .Salary = 3500, .NormalDays = 6, .ThisDays = 3},
                   {{&R::AnnualisedIncome, 364000}, {&R::PeriodTax, 561.89, Cent}}},
        // The rebate makes the regular part negative, and it reduces the bonus tax.
        FigureCase{"BonusBelowThresholdOnlySumFloored",
                   K::Weekly,
                   {.Age = 40, .Salary = 500, .Bonus = 10000},
                   {{&R::PeriodTax, 1558.56, Cent}}},
        FigureCase{
            "QuarterOfMonthlyCreditAndPeriodLimits",
            K::Weekly,
            WithSettings(
                {.Salary = 100000, .EmployeeMedAid = 1, .RFundEmployee = 10000, .Beneficiaries = 3},
                15000),
            {{&R::MedCredit, 243.5},
             {&R::UifEmployee, 34.6153846153846},
             {&R::RFundAllowable, 350000.0 / 52}}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Fortnightly, PayPeriodFigures,
    ::testing::Values(FigureCase{"FullFortnight",
                                 K::Fortnightly,
                                 {.Age = 40, .Salary = 14000, .NormalDays = 14, .ThisDays = 14},
                                 {{&R::AnnualisedIncome, 364000}, {&R::PeriodTax, 2247.58, Cent}}},
                      FigureCase{"HalfOfMonthlyCreditAndPeriodLimits",
                                 K::Fortnightly,
                                 WithSettings({.Salary = 100000,
                                               .EmployeeMedAid = 1,
                                               .RFundEmployee = 20000,
                                               .Beneficiaries = 3,
                                               .NormalDays = 14,
                                               .ThisDays = 14},
                                              15000),
                                 {{&R::MedCredit, 487},
                                  {&R::UifEmployer, 69.2307692307692},
                                  {&R::RFundAllowable, 350000.0 / 26}}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Daily, PayPeriodFigures,
    ::testing::Values(FigureCase{"OneDay",
                                 K::Daily,
                                 {.Age = 40, .Salary = 1500},
                                 {{&R::AnnualisedIncome, 390000}, {&R::PeriodTax, 254.51, Cent}}},
                      FigureCase{
                          "EmployerMedAidThreeBeneficiaries",
                          K::Daily,
                          {.Age = 40, .Salary = 1500, .EmployerMedAid = 100, .Beneficiaries = 3},
                          {{&R::AnnualisedIncome, 416000},
                           {&R::PeriodTax, 285.51, Cent},
                           {&R::MedCredit, 44.95, Cent},
                           {&R::NetPeriodTax, 240.55, Cent}}},
                      FigureCase{"BonusBelowThresholdOnlySumFloored",
                                 K::Daily,
                                 {.Age = 40, .Salary = 100, .Bonus = 1000},
                                 {{&R::PeriodTax, 131.7115384615}}},
                      FigureCase{"OneBeneficiaryAndDayLimits",
                                 K::Daily,
                                 WithSettings({.Salary = 10000,
                                               .EmployeeMedAid = 1,
                                               .RFundEmployee = 2000,
                                               .Beneficiaries = 1},
                                              15000),
                                 {{&R::MedCredit, 16.8},
                                  {&R::UifEmployee, 6.92307692307692},
                                  {&R::RFundAllowable, 350000.0 / 260}}}),
    CaseName);

// Checks that stop a calculation: title, text and where the focus goes.
struct MessageCase {
  const char* name;
  friend void PrintTo(const MessageCase& c, std::ostream* os) { *os << c.name; }
  PayPeriodKind kind;
  PayPeriodInput in;
  std::string title;  // empty: the calculation goes ahead
  std::string text;
  FocusTarget focus;
};

class PayPeriodMessages : public ::testing::TestWithParam<MessageCase> {};

TEST_P(PayPeriodMessages, StopWithTheWindowsMessage) {
  const MessageCase& c = GetParam();
  const PayPeriodResult r = Calculate(c.kind, c.in);
  ASSERT_EQ(r.Error.has_value(), !c.title.empty());
  if (!r.Error) return;
  EXPECT_EQ(r.Error->Title, c.title);
  EXPECT_EQ(r.Error->Text, c.text);
  EXPECT_EQ(r.Error->Focus, c.focus);
  EXPECT_EQ(r.PeriodTax, 0);
}

const std::string DateRange =
    "The date entered is not correct please enter a date between 01/03/2023 and 29/02/2024";

INSTANTIATE_TEST_SUITE_P(
    Monthly, PayPeriodMessages,
    ::testing::Values(
        MessageCase{"StartDayAfterEndDay",
                    K::Monthly,
                    {.Salary = 1, .StartDate = Mar15, .EndDate = Mar14},
                    "Incorrect Date",
                    "The Start date entered must be before the End date",
                    FocusTarget::StartDate},
        MessageCase{"DifferentMonths",
                    K::Monthly,
                    {.StartDate = Mar31, .EndDate = Apr1},
                    "Incorrect Date",
                    "The Start and End dates entered must be for the same Month",
                    FocusTarget::EndDate},
        MessageCase{"OneDayPeriod", K::Monthly, {.StartDate = Mar15, .EndDate = Mar15}, "", "", {}},
        MessageCase{"StartBeforeTaxYear",
                    K::Monthly,
                    {.StartDate = TaxYearStart - 1},
                    "Incorrect Date",
                    DateRange,
                    FocusTarget::StartDate},
        // A year later the month number is the same; the date field refuses the date.
        MessageCase{"EndAfterTaxYear",
                    K::Monthly,
                    {.StartDate = Mar15, .EndDate = Mar31 + 366},
                    "Incorrect Date",
                    "The date entered is not correct please enter a date between 15/03/2023 and "
                    "29/02/2024",
                    FocusTarget::EndDate}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Days, PayPeriodMessages,
    ::testing::Values(
        MessageCase{"WeeklyMoreThanNormal",
                    K::Weekly,
                    {.NormalDays = 5, .ThisDays = 6},
                    "Incorrect Number of Days",
                    "The number of 'Normal work-week' days must be = to or larger than 'This "
                    "work-week'.",
                    FocusTarget::CalculateButton},
        MessageCase{"FortnightlyMoreThanNormal",
                    K::Fortnightly,
                    {.NormalDays = 10, .ThisDays = 11},
                    "Incorrect Number of Days",
                    "The number of 'Normal fortnight' days must be = to or larger than 'This "
                    "fortnight'.",
                    FocusTarget::CalculateButton},
        MessageCase{"WeeklyEqualCounts", K::Weekly, {.NormalDays = 5, .ThisDays = 5}, "", "", {}},
        MessageCase{"WeeklyNoDaysPaid",
                    K::Weekly,
                    {.Salary = 1000, .NormalDays = 5, .ThisDays = 0},
                    "Incorrect Number of Days",
                    "The number of 'This work-week' days must be at least 1.",
                    FocusTarget::ThisDays},
        MessageCase{"FortnightlyNoDaysAtAll",
                    K::Fortnightly,
                    {.Salary = 1000, .NormalDays = 0, .ThisDays = 0},
                    "Incorrect Number of Days",
                    "The number of 'This fortnight' days must be at least 1.",
                    FocusTarget::ThisDays}),
    CaseName);

struct ValidationCase {
  const char* name;
  friend void PrintTo(const ValidationCase& c, std::ostream* os) { *os << c.name; }
  PayPeriodKind kind;
  PayPeriodInput in;
  std::string field;  // empty: accepted
  std::string message;
};

class PayPeriodValidation : public ::testing::TestWithParam<ValidationCase> {};

TEST_P(PayPeriodValidation, NamesTheRefusedField) {
  const ValidationCase& c = GetParam();
  const auto e = ValidatePayPeriodInput(c.in, c.kind);
  EXPECT_EQ(e ? e->Field : "", c.field);
  EXPECT_EQ(e ? e->Message : "", c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, PayPeriodValidation,
    ::testing::Values(
        ValidationCase{"MonthlyWholeRandLimit", K::Monthly, {.Salary = 99999999}, "", ""},
        ValidationCase{"WeeklyCentsFieldLimit",
                       K::Weekly,
                       {.Salary = 99999999},
                       "Salary",
                       "99999999 is outside 0 to 9999999.99"},
        ValidationCase{"DailyFundFieldIsWholeRand", K::Daily, {.RFundEmployer = 99999999}, "", ""},
        ValidationCase{"BeneficiariesTooMany",
                       K::Monthly,
                       {.Beneficiaries = 100},
                       "Beneficiaries",
                       "100 is outside 0 to 99"},
        ValidationCase{
            "MonthlyEndNotAWholeDay", K::Monthly, {.EndDate = Mar31 + 0.5}, "EndDate", DateRange},
        ValidationCase{"WeeklyDaysAboveSeven",
                       K::Weekly,
                       {.NormalDays = 8},
                       "NormalDays",
                       "8 is outside 0 to 7"},
        ValidationCase{"FortnightlyHalfDay",
                       K::Fortnightly,
                       {.NormalDays = 10, .ThisDays = 2.5},
                       "ThisDays",
                       "2.5 is not a whole number of days"},
        ValidationCase{"UifLimitTooHigh",
                       K::Weekly,
                       {.UIFLimit = 1000000},
                       "UIFLimit",
                       "1000000 is outside 0 to 999999"}),
    CaseName);

}  // namespace
}  // namespace reventa
