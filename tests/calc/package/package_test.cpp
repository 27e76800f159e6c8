// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "calc/package/package.h"

namespace reventa {
namespace {

constexpr double kCent = 1e-6;  // figures worked by hand, to well below a cent

PackageInputs Net(std::int16_t age, double net) {
  PackageInputs in;
  in.Age = age;
  in.NetRequired = net;
  return in;
}

PackageInputs Gross(std::int16_t age, double package) {
  PackageInputs in;
  in.Age = age;
  in.Package = package;
  return in;
}

// Worked cases. Under 65 with the default settings the annual net between 95 750
// and the UIF cap of 212 544 is salary - (0.18 x salary - 17 235) - 1% UIF.
struct WorkedCase {
  const char* name;
  PackageWindow window;
  PackageInputs inputs;
  double trialSalary;  // 0 for gross-to-net
  double taxDue;
  double uifEmployee;
  double sdl;
  double taxCredit;
  double taxDeduct;
  double grossSal;
  double totCost;
};

void PrintTo(const WorkedCase& c, std::ostream* os) { *os << c.name; }

class PackageWorked : public ::testing::TestWithParam<WorkedCase> {};

TEST_P(PackageWorked, Figures) {
  const WorkedCase& w = GetParam();
  const PackageResult r = CalculatePackage(w.window, w.inputs);
  ASSERT_FALSE(r.NoResult);
  ASSERT_FALSE(r.Error);
  EXPECT_EQ(r.TrialSalary, w.trialSalary);
  EXPECT_NEAR(r.Shown.numMAns, w.taxDue, kCent);
  EXPECT_NEAR(r.Shown.numUIFCont, w.uifEmployee, kCent);
  EXPECT_NEAR(r.Shown.numCCUIFCont, w.uifEmployee, kCent);  // both UIF at 1%
  EXPECT_NEAR(r.Shown.numCCSkillLev, w.sdl, kCent);
  EXPECT_NEAR(r.Shown.numTaxCredit, w.taxCredit, kCent);
  EXPECT_NEAR(r.Shown.numTaxDeduct, w.taxDeduct, kCent);
  EXPECT_NEAR(r.Shown.numGrossSal, w.grossSal, kCent);
  EXPECT_NEAR(r.Shown.numTotCostComp, w.totCost, kCent);
  EXPECT_TRUE(r.IncomeTaxComputed);
}

PackageInputs GrossAnnualCase() {
  PackageInputs in = Gross(40, 500000);
  in.Travel = 60000;
  in.EmployeePct = 10;
  in.EmployerPct = 5;
  in.MedEmployer = 24000;
  in.Beneficiaries = 24;
  in.OtherDedTotal = 5000;
  return in;
}

PackageInputs GrossMonthlyCase() {
  PackageInputs in = Gross(66, 40000);
  in.MedEmployee = 3000;
  in.Beneficiaries = 2;
  in.MedDeduct = 500;
  return in;
}

PackageInputs CreditsAboveTaxCase() {
  PackageInputs in = Net(70, 5000);
  in.MedEmployee = 60000;
  in.MedEmployer = 60000;
  in.Beneficiaries = 36;
  return in;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PackageWorked,
    ::testing::Values(
        // 0.81 x 102 180 + 17 235 = 100 000.8; the shown gross is built from the
        // net required: 100 000 + UIF 1 021.8 + tax 1 157.4.
        WorkedCase{"NetAnnual", NetToGrossAnnual, Net(30, 100000), 102180, 1157.4, 1021.8, 1021.8,
                   0, 1157.4, 102179.2, 104222.8},
        // Exactly 98 235 at 100 000 is not enough: the search goes one rand on.
        WorkedCase{"NetAnnualTie", NetToGrossAnnual, Net(30, 98235), 100001, 765.18, 1000.01,
                   1000.01, 0, 765.18, 100000.19, 102000.21},
        // 12 x salary in the 26% bracket, UIF at the cap of 177.12 a month:
        // net = 0.74 x salary + 3 016.9167 - 177.12.
        WorkedCase{"NetMonthly", NetToGrossMonthly, Net(30, 20000), 23190, 36149.8 / 12, 177.12,
                   231.9, 0, 36149.8 / 12, 20000 + 177.12 + 36149.8 / 12,
                   20000 + 177.12 + 36149.8 / 12 + 177.12 + 231.9},
        // Credits of 11 688 + 28 283.688 against no tax: the whole credit comes
        // off the net, so 0.99 x salary - 200.28312 - 39 971.688 must pass 5 000.
        // UIF and levy are 1% of 45 629 + 60 000 - 39 971.688.
        WorkedCase{"CreditsAboveTax", NetToGrossAnnual, CreditsAboveTaxCase(), 45629, 0, 656.57312,
                   656.57312, 39971.688, 0, 5000 + 656.57312 + 60000,
                   5000 + 656.57312 + 60000 + 60000 + 2 * 656.57312},
        // Contributions 75 000 within 27.5% of 597 000; taxable 413 000 in the 31%
        // bracket; UIF at the cap of 212 544.
        WorkedCase{"GrossAnnual", GrossToNetAnnual, GrossAnnualCase(), 0, 73302, 2125.44, 4130,
                   8736, 64566, 329308.56, 531255.44},
        // Age 66: rebate 26 679 and the additional credit (3 000 - 3 x 728) x 0.333.
        WorkedCase{"GrossMonthly", GrossToNetMonthly, GrossMonthlyCase(), 0, 84628.0 / 12, 177.12,
                   400, 999.728, 84628.0 / 12 - 999.728,
                   40000 - 3000 - 500 - 177.12 - (84628.0 / 12 - 999.728), 40577.12}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PackageCalculation, LastIncomeTaxIsTheFinalTrials) {
  const PackageResult annual = CalculatePackage(NetToGrossAnnual, Net(30, 100000));
  EXPECT_EQ(annual.LastTaxableIncome, 102180);
  EXPECT_NEAR(annual.LastIncomeTax.TaxBeforeRebates, 18392.4, kCent);
  const PackageResult monthly = CalculatePackage(NetToGrossMonthly, Net(30, 20000));
  EXPECT_EQ(monthly.LastTaxableIncome, 12 * 23190);
  EXPECT_EQ(monthly.LastIncomeTax.MarginalRate, 26);
  const PackageResult gross = CalculatePackage(GrossToNetAnnual, GrossAnnualCase());
  EXPECT_EQ(gross.LastTaxableIncome, 413000);
}

struct RebateCase {
  std::int16_t age;
  double rebate;
  bool medDeductCleared;
};

void PrintTo(const RebateCase& c, std::ostream* os) { *os << c.age; }

class PackageRebates : public ::testing::TestWithParam<RebateCase> {};

TEST_P(PackageRebates, ByAgeInBothDirections) {
  const RebateCase& c = GetParam();
  for (PackageWindow w : {NetToGrossAnnual, NetToGrossMonthly, GrossToNetAnnual}) {
    PackageInputs in = Net(c.age, 30000);
    in.Package = 30000;
    in.MedDeduct = 2000;
    const PackageResult r = CalculatePackage(w, in);
    EXPECT_EQ(r.Rebate, c.rebate) << c.age;
    EXPECT_EQ(r.Updates.MedDeductCleared, c.medDeductCleared) << c.age;
  }
  // The cleared deduction no longer enters the gross shown.
  PackageInputs in = Net(c.age, 30000);
  in.MedDeduct = 2000;
  const PackageResult with = CalculatePackage(NetToGrossAnnual, in);
  in.MedDeduct = 0;
  const PackageResult without = CalculatePackage(NetToGrossAnnual, in);
  EXPECT_EQ(with.Shown.numGrossSal == without.Shown.numGrossSal, c.medDeductCleared) << c.age;
}

INSTANTIATE_TEST_SUITE_P(Ages, PackageRebates,
                         ::testing::Values(RebateCase{64, 17235, true},
                                           RebateCase{65, 26679, false},
                                           RebateCase{74, 26679, false},
                                           RebateCase{75, 29824, false}));

struct CreditCase {
  const char* name;
  PackageWindow window;
  std::int16_t age;
  double medEmployee;
  std::int16_t beneficiaries;
  double medCredit;
  double addMedCredit;
};

void PrintTo(const CreditCase& c, std::ostream* os) { *os << c.name; }

class PackageCredits : public ::testing::TestWithParam<CreditCase> {};

TEST_P(PackageCredits, MedicalAndAdditional) {
  const CreditCase& c = GetParam();
  PackageInputs in = Net(c.age, 90000);
  in.Package = 90000;
  in.MedEmployee = c.medEmployee;
  in.Beneficiaries = c.beneficiaries;
  const PackageResult r = CalculatePackage(c.window, in);
  EXPECT_EQ(r.MedCredit, c.medCredit);
  EXPECT_NEAR(r.AddMedCredit, c.addMedCredit, kCent);
  EXPECT_EQ(r.Updates.BeneficiariesCleared, c.medEmployee == 0);
  EXPECT_NEAR(r.Shown.numTaxCredit, c.medCredit + c.addMedCredit, kCent);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PackageCredits,
    ::testing::Values(CreditCase{"Annual24Months", NetToGrossAnnual, 40, 20000, 24, 8736, 0},
                      CreditCase{"Annual25Months", GrossToNetAnnual, 40, 20000, 25, 8982, 0},
                      CreditCase{"Monthly2", NetToGrossMonthly, 40, 2000, 2, 728, 0},
                      CreditCase{"Monthly3", GrossToNetMonthly, 40, 2000, 3, 974, 0},
                      CreditCase{"NoContributionsNoCredit", NetToGrossAnnual, 70, 0, 12, 0, 0},
                      // (20 000 - 3 x 8 736) x 0.333 is negative: no additional credit.
                      CreditCase{"AdditionalNeverNegative", NetToGrossAnnual, 65, 20000, 24, 8736,
                                 0},
                      CreditCase{"AdditionalFrom65", NetToGrossAnnual, 65, 40000, 24, 8736,
                                 (40000 - 3 * 8736) * 0.333},
                      CreditCase{"NoAdditionalAt64", NetToGrossAnnual, 64, 40000, 24, 8736, 0},
                      CreditCase{"AdditionalMonthly", GrossToNetMonthly, 80, 4000, 3, 974,
                                 (4000 - 3 * 974) * 0.333}),
    [](const auto& info) { return std::string(info.param.name); });

struct EarlyStopCase {
  const char* name;
  PackageWindow window;
  double amount;
  double travel;
  double rfundEmployeeTyped;
  double rfundEmployerTyped;
  const char* message;  // nullptr: stops without one, or runs when `runs`
  bool runs;
};

void PrintTo(const EarlyStopCase& c, std::ostream* os) { *os << c.name; }

class PackageEarlyStops : public ::testing::TestWithParam<EarlyStopCase> {};

TEST_P(PackageEarlyStops, KeepThePreviousFigures) {
  const EarlyStopCase& c = GetParam();
  PackageInputs first = Net(30, 100000);
  first.Package = 100000;
  first.MedEmployee = 5000;
  first.CarValue = 200000;
  const PackageResult previous = CalculatePackage(c.window, first);
  ASSERT_FALSE(previous.NoResult);
  ASSERT_TRUE(previous.Shown.OnceOffShown);

  PackageInputs in = first;
  in.NetRequired = c.amount;
  in.Package = c.amount;
  in.Travel = c.travel;
  in.RFundEmployeeTyped = c.rfundEmployeeTyped;
  in.RFundEmployerTyped = c.rfundEmployerTyped;
  const PackageResult r = CalculatePackage(c.window, in, previous);
  if (c.runs) {
    EXPECT_FALSE(r.NoResult);
    EXPECT_FALSE(r.Error);
    return;
  }
  EXPECT_TRUE(r.NoResult);
  if (c.message) {
    ASSERT_TRUE(r.Error);
    EXPECT_EQ(r.Error->Text, c.message);
    EXPECT_EQ(r.Error->Title, "Reventa2024");
  } else {
    EXPECT_FALSE(r.Error);
  }
  EXPECT_FALSE(r.IncomeTaxComputed);
  EXPECT_EQ(r.TrialSalary, previous.TrialSalary);
  EXPECT_EQ(r.TaxDue, previous.TaxDue);
  EXPECT_EQ(r.UifEmployee, previous.UifEmployee);
  EXPECT_EQ(r.MedCredit, previous.MedCredit);
  EXPECT_EQ(r.AddMedCredit, 0);
  EXPECT_EQ(r.Shown.numUIFCont, previous.Shown.numUIFCont);
  EXPECT_EQ(r.Shown.numMAns, previous.Shown.numMAns);
  EXPECT_FALSE(r.Shown.OnceOffShown);
  EXPECT_EQ(r.Shown.numOnceOff, 0);
  EXPECT_FALSE(r.Updates.MedDeductCleared);
  EXPECT_FALSE(r.Updates.BeneficiariesCleared);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PackageEarlyStops,
    ::testing::Values(EarlyStopCase{"NetZero", NetToGrossAnnual, 0, 0, 0, 0, nullptr, false},
                      EarlyStopCase{"PackageZero", GrossToNetMonthly, 0, 0, 0, 0, nullptr, false},
                      EarlyStopCase{"FringeAboveNet", NetToGrossMonthly, 50000, 60000, 0, 0,
                                    "Fringe benefits more than salary required!", false},
                      EarlyStopCase{"FringeEqualNetRuns", NetToGrossMonthly, 50000, 50000, 0, 0,
                                    nullptr, true},
                      // The annual check counts the typed fund amounts, employee less employer.
                      EarlyStopCase{"AnnualCountsTypedFunds", NetToGrossAnnual, 50000, 0, 60000, 0,
                                    "Fringe benefits more than salary required!", false},
                      EarlyStopCase{"AnnualEmployerFundOffsets", NetToGrossAnnual, 50000, 0, 60000,
                                    20000, nullptr, true},
                      EarlyStopCase{"MonthlyIgnoresTypedFunds", NetToGrossMonthly, 50000, 0, 60000,
                                    0, nullptr, true},
                      EarlyStopCase{"NoFringeCheckGrossToNet", GrossToNetAnnual, 50000, 60000, 0, 0,
                                    nullptr, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PackageCalculation, EarlyStopShowsPreviousFiguresWithCurrentInputs) {
  PackageInputs in = Net(30, 100000);
  const PackageResult previous = CalculatePackage(NetToGrossAnnual, in);
  in.NetRequired = 0;
  in.OtherDedTotal = 300;
  const PackageResult r = CalculatePackage(NetToGrossAnnual, in, previous);
  // 0 required + previous UIF and tax deduction + the other expenses now typed.
  EXPECT_EQ(r.Shown.numGrossSal, 0 + 0 + previous.UifEmployee + previous.Shown.numTaxDeduct + 300 +
                                     previous.RFundEmployee + 0);
}

TEST(PackageCalculation, OnceOffNote) {
  PackageInputs in = Net(40, 150000);
  in.Package = 150000;
  in.CarValue = 300000;
  for (PackageWindow w : {NetToGrossAnnual, GrossToNetMonthly}) {
    const PackageResult shown = CalculatePackage(w, in);
    EXPECT_TRUE(shown.Shown.OnceOffShown);
    EXPECT_EQ(shown.Shown.numOnceOff, 300000);
    PackageInputs costed = in;
    costed.CarCostCC = 5000;
    const PackageResult hidden = CalculatePackage(w, costed);
    EXPECT_FALSE(hidden.Shown.OnceOffShown);
    EXPECT_EQ(hidden.Shown.numOnceOff, 0);
    // The car's cost to the company is added to the total cost, and nothing else.
    EXPECT_NEAR(hidden.Shown.numTotCostComp - shown.Shown.numTotCostComp, 5000, kCent);
  }
}

struct WarningCase {
  const char* name;
  PackageWindow window;
  PackageInputs inputs;
  double allowable;  // < 0: 27.5% of the base, worked out from the trial salary
  bool warning;
};

void PrintTo(const WarningCase& c, std::ostream* os) { *os << c.name; }

class PackageWarnings : public ::testing::TestWithParam<WarningCase> {};

TEST_P(PackageWarnings, AllowableAndWarning) {
  const WarningCase& c = GetParam();
  const PackageResult r = CalculatePackage(c.window, c.inputs);
  ASSERT_FALSE(r.NoResult);
  const double allowable = c.allowable >= 0 ? c.allowable : r.TrialSalary * 0.275;
  EXPECT_NEAR(r.RFundAllowable, allowable, kCent);
  EXPECT_EQ(r.Shown.RFundWarning, c.warning);
}

PackageInputs WithPct(PackageInputs in, double employee, double employer) {
  in.EmployeePct = employee;
  in.EmployerPct = employer;
  return in;
}

PackageInputs WithTyped(PackageInputs in, double employee) {
  in.RFundEmployeeTyped = employee;
  return in;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PackageWarnings,
    ::testing::Values(WarningCase{"GrossWithinLimit", GrossToNetAnnual, GrossAnnualCase(), 75000,
                                  false},
                      // 30 000 against 27.5% of 100 000; taxable income uses the 27 500.
                      WarningCase{"GrossAbovePercent", GrossToNetAnnual,
                                  WithPct(Gross(40, 100000), 30, 0), 27500, true},
                      WarningCase{"GrossAnnualCap", GrossToNetAnnual,
                                  WithPct(Gross(40, 2000000), 20, 10), 350000, true},
                      WarningCase{"GrossMonthlyCap", GrossToNetMonthly,
                                  WithPct(Gross(40, 150000), 20, 10), 350000.0 / 12, true},
                      // The percentages are 27.5 together: the limit is reached, not exceeded.
                      WarningCase{"NetFullPercentages", NetToGrossAnnual,
                                  WithPct(Net(40, 200000), 20, 7.5), -1, false},
                      WarningCase{"NetAnnualCap", NetToGrossAnnual,
                                  WithPct(Net(40, 2000000), 27.5, 0), 350000, true},
                      WarningCase{"NetMonthlyCap", NetToGrossMonthly,
                                  WithPct(Net(40, 100000), 20, 7.5), 350000.0 / 12, true},
                      WarningCase{"NetTypedAboveLimit", NetToGrossAnnual,
                                  WithTyped(Net(40, 150000), 100000), -1, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PackageCalculation, WarningAfterEarlyStopFollowsTheWindow) {
  // Net-to-gross sets the warning with the results, so the previous figures bring it
  // back; gross-to-net sets it inside the calculation, which an early stop skips.
  const PackageResult netPrev =
      CalculatePackage(NetToGrossAnnual, WithPct(Net(40, 2000000), 27.5, 0));
  ASSERT_TRUE(netPrev.Shown.RFundWarning);
  EXPECT_TRUE(CalculatePackage(NetToGrossAnnual, Net(40, 0), netPrev).Shown.RFundWarning);
  const PackageResult grossPrev =
      CalculatePackage(GrossToNetAnnual, WithPct(Gross(40, 2000000), 20, 10));
  ASSERT_TRUE(grossPrev.Shown.RFundWarning);
  EXPECT_FALSE(CalculatePackage(GrossToNetAnnual, Gross(40, 0), grossPrev).Shown.RFundWarning);
}

TEST(PackageCalculation, PercentagesReplaceTypedFundAmounts) {
  PackageInputs in = WithPct(Net(40, 200000), 10, 0);
  in.RFundEmployeeTyped = 1234;
  in.RFundEmployerTyped = 4321;
  const PackageResult r = CalculatePackage(NetToGrossAnnual, in);
  EXPECT_TRUE(r.Updates.RFundEmployeeSet);
  EXPECT_FALSE(r.Updates.RFundEmployerSet);
  EXPECT_NEAR(r.RFundEmployee, r.TrialSalary * 0.1, kCent);
  EXPECT_EQ(r.RFundEmployer, 4321);
}

TEST(PackageCalculation, OtherExpensesComeOffTakeHomeOnly) {
  PackageInputs in = GrossAnnualCase();
  const PackageResult before = CalculatePackage(GrossToNetAnnual, in);
  in.OtherDedTotal += 1000;
  const PackageResult after = CalculatePackage(GrossToNetAnnual, in);
  EXPECT_EQ(after.TaxDue, before.TaxDue);
  EXPECT_EQ(after.UifEmployee, before.UifEmployee);
  EXPECT_NEAR(before.Shown.numGrossSal - after.Shown.numGrossSal, 1000, kCent);
}

TEST(PackageCalculation, NetToGrossPercentLimit) {
  PackageInputs in = WithPct(Net(40, 1), 20, 7.5);
  EXPECT_FALSE(ApplyNetToGrossPercentLimit(in));
  EXPECT_EQ(in.EmployerPct, 7.5);
  in.EmployerPct = 7.6;
  EXPECT_TRUE(ApplyNetToGrossPercentLimit(in));
  EXPECT_EQ(in.EmployeePct, 0);
  EXPECT_EQ(in.EmployerPct, 0);
}

TEST(PackageCalculation, NoEndIsReportedNotSearchedForEver) {
  const PackageResult r = CalculatePackage(NetToGrossAnnual, WithPct(Net(40, 5000), 100, 0));
  EXPECT_TRUE(r.NoResult);
  ASSERT_TRUE(r.Error);
  EXPECT_EQ(r.Error->Text, NoGrossSalaryMessage);
}

// Values outside what a window's field or setting accepts are refused by name, in
// the window's order, keeping the previous figures; within them every figure is
// finite.
struct RangeCase {
  const char* name;
  PackageWindow window;
  void (*change)(PackageInputs&);
  const char* refusedField;  // nullptr: accepted
};

void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.name; }

class PackageInputRanges : public ::testing::TestWithParam<RangeCase> {};

TEST_P(PackageInputRanges, RefusedByNameOrFinite) {
  const RangeCase& c = GetParam();
  PackageInputs in = Net(999, PackageMoneyMax);
  in.Package = PackageMoneyMax;
  c.change(in);
  const PackageResult previous = CalculatePackage(c.window, Net(40, 100000));
  const PackageResult r = CalculatePackage(c.window, in, previous);
  if (!c.refusedField) {
    ASSERT_FALSE(r.Error) << r.Error->Text;
    for (double v : {r.TrialSalary, r.CarBenefit, r.AddMedCredit, r.RFundAllowable, r.UifEmployer,
                     r.SdlAmount, r.TaxDue, r.Shown.numGrossSal, r.Shown.numTotCostComp}) {
      EXPECT_TRUE(std::isfinite(v)) << v;
    }
    return;
  }
  const auto bad = ValidatePackageInputs(c.window, in);
  ASSERT_TRUE(bad && r.Error);
  EXPECT_EQ(bad->Field, c.refusedField);
  EXPECT_EQ(r.Error->Text, bad->Field + ": " + bad->Message);
  EXPECT_EQ(r.TrialSalary, previous.TrialSalary);
}

void AllAtMaximum(PackageInputs& in) {
  in.CarValue = in.CarCostCC = in.Travel = in.OtherFB = in.MedEmployee = in.MedEmployer =
      in.MedDeduct = in.RFundEmployeeTyped = in.RFundEmployerTyped = PackageMoneyMax;
  in.OtherDedTotal = PackageOtherExpensesMax;
  in.TaRate = in.CarFbRate = 1;
  in.EmployeePct = in.EmployerPct = in.UifEmployeePct = in.SdlPct = 100;
  in.UifLimit = PackageUifLimitMax;
}

// As far as the fringe check and the 27.5 rule of the net-to-gross windows allow.
void NetToGrossAtMaximum(PackageInputs& in) {
  AllAtMaximum(in);
  in.Travel = in.OtherFB = in.OtherDedTotal = 0;
  in.EmployeePct = 20;
  in.EmployerPct = 7.5;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PackageInputRanges,
    ::testing::Values(
        RangeCase{"TravelRateHuge", NetToGrossMonthly, [](PackageInputs& in) { in.TaRate = 1e308; },
                  "TaRate"},
        RangeCase{"CarRateNotANumber", GrossToNetAnnual,
                  [](PackageInputs& in) { in.CarFbRate = std::nan(""); }, "CarFbRate"},
        RangeCase{"MoneyJustAboveMaximum", NetToGrossAnnual,
                  [](PackageInputs& in) { in.CarValue = std::nextafter(PackageMoneyMax, 1e300); },
                  "CarValue"},
        RangeCase{"FirstInWindowOrder", GrossToNetAnnual,
                  [](PackageInputs& in) {
                    in.TaRate = 2;
                    in.MedDeduct = -0.01;
                  },
                  "MedDeduct"},
        RangeCase{"NetAnnualAtMaximum", NetToGrossAnnual, NetToGrossAtMaximum, nullptr},
        RangeCase{"GrossMonthlyAtMaximum", GrossToNetMonthly, AllAtMaximum, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace reventa
