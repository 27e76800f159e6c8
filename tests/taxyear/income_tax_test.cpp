// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "taxyear/income_tax.h"
#include "taxyear/shared_state.h"
#include "taxyear/tax_year.h"

namespace reventa {
namespace {

struct BracketCase {
  const char* name;
  double income;
  double rate;
  double ceiling;
  double baseTax;
  double taxBeforeRebates;
};

class IncomeTaxTable : public ::testing::TestWithParam<BracketCase> {};

TEST_P(IncomeTaxTable, FindsRowAndTax) {
  const BracketCase& c = GetParam();
  const IncomeTaxResult r = ComputeIncomeTax(c.income);
  EXPECT_EQ(r.MarginalRate, c.rate);
  EXPECT_EQ(r.BracketCeiling, c.ceiling);
  EXPECT_EQ(r.BracketBaseTax, c.baseTax);
  EXPECT_DOUBLE_EQ(r.TaxBeforeRebates, c.taxBeforeRebates);
  EXPECT_EQ(r.TaxBeforeRebates, r.BracketBaseTax + r.PortionTax);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, IncomeTaxTable,
    ::testing::Values(BracketCase{"Zero", 0, 18, 237100, 0, 0},
                      BracketCase{"TopOfRow1", 237100, 18, 237100, 0, 42678},
                      BracketCase{"JustAboveRow1", 237100.01, 26, 370500, 42678, 42678.0026},
                      BracketCase{"Row3", 500000, 31, 512800, 77362, 117507},
                      BracketCase{"TopOfRow6", 1817000, 41, 1817000, 251258, 644489},
                      BracketCase{"Row7", 2000000, 45, 9999999999, 644489, 726839},
                      BracketCase{"AboveLastCeiling", 20000000000, 45, 9999999999, 644489,
                                  644489 + (20000000000 - 1817000) * 45.0 / 100},
                      BracketCase{"RebateExactly", 95750, 18, 237100, 0, 17235},
                      BracketCase{"Negative", -1000, 18, 237100, 0, -180}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IncomeTaxTable, BaseTaxesAreContinuous) {
  for (std::size_t i = 1; i < reventa::IncomeTaxTable.size(); ++i) {
    const TaxBracket& prev = reventa::IncomeTaxTable[i - 1];
    EXPECT_DOUBLE_EQ(reventa::IncomeTaxTable[i].baseTax,
                     prev.baseTax + (prev.ceiling - prev.floor) * prev.rate / 100)
        << "row " << i + 1;
    EXPECT_EQ(reventa::IncomeTaxTable[i].floor, prev.ceiling);
  }
}

TEST(TaxYear, RebatesAndMedicalCredits) {
  EXPECT_EQ(TotalRebate(64), 17235);
  EXPECT_EQ(TotalRebate(65), 26679);
  EXPECT_EQ(TotalRebate(74), 26679);
  EXPECT_EQ(TotalRebate(75), 29824);
  EXPECT_EQ(MedCreditForMonth(1), 364);
  EXPECT_EQ(MedCreditForMonth(2), 728);
  EXPECT_EQ(MedCreditForMonth(3), 974);
  EXPECT_EQ(MedCreditForMonth(4), 1220);
}

TEST(SharedState, InitialiseResetsWithItsExceptions) {
  SharedState s;
  ComputeSharedIncomeTax(s, 500000);
  s.ReportDestination = 1;
  s.Travel.Inputs.IncludeFuel = false;
  s.Travel.RecordsKept = true;
  s.Travel.CarDescription = "Bakkie";
  s.Loan.CalcMode = "Interest rate";
  s.Loan.Repayment = 1234;
  s.DailyBalance.DepositStart = 45000;
  s.DailyBalance.RateStep = 1;
  s.Cars.N = 2;
  s.Cars.Entries.resize(3);
  s.Inflation.FutureCost = 5;
  InitialiseSharedState(s);
  EXPECT_EQ(s.TaxableIncome, 0);
  EXPECT_EQ(s.IncomeTax.TaxBeforeRebates, 0);
  EXPECT_EQ(s.IncomeTax.MarginalRate, 0);
  EXPECT_EQ(s.ReportDestination, 0);
  EXPECT_TRUE(s.Travel.Inputs.IncludeFuel);
  EXPECT_TRUE(s.Travel.Inputs.IncludeMaintenance);
  EXPECT_FALSE(s.Travel.RecordsKept);
  EXPECT_TRUE(s.Travel.CarDescription.empty());
  EXPECT_EQ(s.Loan.CalcMode, "Monthly repayment");
  EXPECT_EQ(s.Loan.FinChargesShown, "UP");
  EXPECT_EQ(s.Loan.Repayment, 0);
  EXPECT_EQ(s.DailyBalance.DepositStart, -36522);
  EXPECT_EQ(s.DailyBalance.DepositEnd, -36522);
  EXPECT_EQ(s.DailyBalance.RateStep, 0.25);
  EXPECT_EQ(s.Cars.N, 0);
  EXPECT_EQ(s.Cars.Entries.size(), 1u);
  EXPECT_EQ(s.Inflation.FutureCost, 0);
}

}  // namespace
}  // namespace reventa
