// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/period/payroll_batch.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "taxyear/numbers.h"

namespace reventa {
namespace {

// A load as one text: the problem, the unknown columns, the totals rows left out,
// then per row its line, number|name and either its error or its UIF and PAYE.
std::string Summary(const PayrollLoad& load) {
  std::string out = load.Problem.empty() ? "" : "problem: " + load.Problem + "\n";
  for (const std::string& name : load.Batch.Unknown) out += "unknown: " + name + "\n";
  if (load.Batch.TotalsRowsLeftOut != 0) {
    out += "totals rows: " + std::to_string(load.Batch.TotalsRowsLeftOut) + "\n";
  }
  for (const PayrollEmployee& e : load.Batch.Employees) {
    out += std::to_string(e.Line) + " " + e.Number + "|" + e.Name + " ";
    out += e.Calculated() ? "UIF " + FormatAmount(e.Figures.UifEmployee) + " PAYE " +
                                FormatAmount(e.Figures.NetPeriodTax)
                          : e.Error;
    out += "\n";
  }
  return out;
}

PayrollLoad Read(const std::string& text, const PayrollSettings& settings = {}) {
  TextLines lines(text);
  return ReadPayroll(lines, PayPeriodKind::Monthly, settings);
}

struct FileCase {
  const char* name;
  friend void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }
  std::string text;
  std::string expected;
  PayrollSettings settings{};
};

class PayrollFile : public ::testing::TestWithParam<FileCase> {};

TEST_P(PayrollFile, ReadsAsTheToolReadsIt) {
  const FileCase& c = GetParam();
  EXPECT_EQ(Summary(Read(c.text, c.settings)), c.expected);
}

const std::string Quote = "a quote is not closed: the row ends inside a quoted field";

INSTANTIATE_TEST_SUITE_P(
    Faults, PayrollFile,
    ::testing::Values(
        FileCase{"EmptyFileHasNoHeader", "", "problem: the file has no header row\n"},
        FileCase{"ColumnNamedTwice", "Age,Salary,Age\n1,2,3\n",
                 "problem: the header names the column \"Age\" more than once\n"},
        FileCase{"UnknownColumnNamedOnceAndIgnored",
                 "Shoe,Age,Salary,Hat\n9,40,30000,x\n,40,30000,\n",
                 "unknown: Shoe\nunknown: Hat\n2 | UIF 177.12 PAYE 4 783.08\n"
                 "3 | UIF 177.12 PAYE 4 783.08\n"},
        FileCase{"BadNumber", "Salary,Age\n30 000,40\n", "2 | Salary: expected a number\n"},
        FileCase{"ValueOutsideItsField", "Salary\n100000000\n",
                 "2 | Salary: 100000000 is outside 0 to 99999999\n"},
        FileCase{"BlankLinesSkippedAndCounted", "Salary\n\n30000\n  \r\n15000\n",
                 "3 | UIF 177.12 PAYE 4 783.08\n5 | UIF 150.00 PAYE 1 263.75\n"},
        FileCase{
            "QuotedNameWithCommaQuoteAndLineBreak",
            "EmployeeNumber,EmployeeName,Salary\n007,\"Doe, J \"\"Jo\"\"\n2nd\",30000\n8,B,30000\n",
            "2 007|Doe, J \"Jo\"\n2nd UIF 177.12 PAYE 4 783.08\n4 8|B UIF 177.12 PAYE 4 783.08\n"},
        FileCase{"ByteOrderMarkBeforeTheHeader",
                 "\xEF\xBB\xBF"
                 "EmployeeName,Salary\nA,30000\n",
                 "2 |A UIF 177.12 PAYE 4 783.08\n"},
        FileCase{"WrongFieldCount", "EmployeeName,Age,Salary\nB,40\n",
                 "2 |B the row has 2 fields, the header 3\n"},
        FileCase{"UnclosedQuoteIsItsRowOnly", "EmployeeName,Salary\n\"A,30000\nB,30000\n",
                 "2 |A,30000 " + Quote + "\n3 |B UIF 177.12 PAYE 4 783.08\n"},
        FileCase{"MonthlyDateRule", "StartDate,EndDate\n45000,44999\n",
                 "2 | The Start date entered must be before the End date\n"},
        FileCase{"SettingsColumnGivenWins", "Salary,EmployeeUIF\n30000,2\n30000,\n",
                 "2 | UIF 354.24 PAYE 4 783.08\n3 | UIF 265.68 PAYE 4 783.08\n",
                 PayrollSettings{.EmployeeUIF = 1.5}},
        FileCase{"RowWithoutInputWorkedOutStaysAnEmployee",
                 "EmployeeName,Salary,UifEmployee\nA,,0\n", "2 |A UIF 0.00 PAYE 0.00\n"},
        FileCase{"ExportedTotalsRowLeftOut",
                 "EmployeeName,Salary,UifEmployee,error\nA,30000,1,old\nTotals,,177.12,\n",
                 "totals rows: 1\n2 |A UIF 177.12 PAYE 4 783.08\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PayrollBatch, RecalculationTakesNewSettingsWhereARowGivesNone) {
  PayrollLoad load = Read(
      "EmployeeName,StartDate,EndDate,Salary,EmployeeUIF\n"
      "A,,,30000,\nB,,,30000,2\nC,45000,44999,30000,\nD,,,x,\n");
  ASSERT_TRUE(RecalculatePayroll(load.Batch, {.EmployeeUIF = 1.5}));
  EXPECT_EQ(Summary(load),
            "2 |A UIF 265.68 PAYE 4 783.08\n3 |B UIF 354.24 PAYE 4 783.08\n"
            "4 |C The Start date entered must be before the End date\n"
            "5 |D Salary: expected a number\n");
}

TEST(PayrollBatch, ProgressStopsALongReadAndRecalculation) {
  std::string text = "Salary\n";
  for (int i = 0; i < 5000; ++i) text += "30000\n";
  const auto stop = [](std::size_t rows) { return rows < 2048; };
  TextLines lines(text);
  const PayrollLoad stopped = ReadPayroll(lines, PayPeriodKind::Monthly, {}, stop);
  EXPECT_TRUE(stopped.Cancelled);
  EXPECT_EQ(stopped.Batch.Employees.size(), 2048u);
  PayrollLoad load = Read(text);
  EXPECT_FALSE(RecalculatePayroll(load.Batch, {}, stop));
}

TEST(PayrollBatch, TotalsAddWholeCentsWithoutDrift) {
  // 100 000 employees with 10 cents of everything: a sum of doubles drifts.
  PayrollBatch batch;
  PayrollEmployee e;
  e.Input.Salary = e.Input.Commission = e.Input.Bonus = e.Input.TravelAllowance = 0.1;
  e.Input.RFundEmployee = e.Input.EmployeeMedAid = 0.1;
  for (const PayrollResultColumn& column : PayrollResultColumns) e.Figures.*column.Member = 0.1;
  e.Figures.UifEmployee = 0.105;  // shown as 0.10
  batch.Employees.assign(100000, e);
  batch.Employees.back().Error = "left out";
  const PayrollTotals t = TotalPayroll(batch);
  EXPECT_EQ(t.NotCalculated, 1u);
  EXPECT_EQ(t.Gross, 39999.6);
  EXPECT_EQ(t.UifEmployee, 9999.9);
  EXPECT_EQ(t.Net, 0);
  EXPECT_EQ(t.Results[0], 9999.9);
}

struct CentsCase {
  const char* name;
  friend void PrintTo(const CentsCase& c, std::ostream* os) { *os << c.name; }
  double amount;
  double cents;
};

class PayrollCents : public ::testing::TestWithParam<CentsCase> {};

TEST_P(PayrollCents, AsTheAmountFieldShowsIt) {
  const CentsCase& c = GetParam();
  EXPECT_EQ(Cents(c.amount), c.cents);
  EXPECT_EQ(FormatAmount(Cents(c.amount)), FormatAmount(c.amount));
}

INSTANTIATE_TEST_SUITE_P(HalfCents, PayrollCents,
                         ::testing::Values(CentsCase{"EighthRoundsToEven", 0.125, 0.12},
                                           CentsCase{"ThreeEighthsRoundsToEven", 0.375, 0.38},
                                           CentsCase{"DoubleBelowItsText", 1.005, 1.00},
                                           CentsCase{"ProductLandsOnTheHalf", 0.015, 0.02}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace reventa
