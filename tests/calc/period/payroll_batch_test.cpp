// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/period/payroll_batch.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "taxyear/numbers.h"

namespace reventa {
namespace {

using K = PayPeriodKind;

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

PayrollLoad Read(const std::string& text, K kind = K::Monthly,
                 const PayrollSettings& settings = {}) {
  TextLines lines(text);
  return ReadPayroll(lines, kind, settings);
}

struct FileCase {
  const char* name;
  friend void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }
  K kind;
  std::string text;
  std::string expected;
  PayrollSettings settings{};
};

class PayrollFile : public ::testing::TestWithParam<FileCase> {};

TEST_P(PayrollFile, ReadsAsTheToolReadsIt) {
  const FileCase& c = GetParam();
  EXPECT_EQ(Summary(Read(c.text, c.kind, c.settings)), c.expected);
}

const std::string Quote = "a quote is not closed: the row ends inside a quoted field";

INSTANTIATE_TEST_SUITE_P(
    Faults, PayrollFile,
    ::testing::Values(
        FileCase{"EmptyFileHasNoHeader", K::Monthly, "", "problem: the file has no header row\n"},
        FileCase{"BlankLinesOnlyHaveNoHeader", K::Monthly, " \n\r\n\t\n",
                 "problem: the file has no header row\n"},
        FileCase{"ColumnNamedTwice", K::Monthly, "Age,Salary,Age\n1,2,3\n",
                 "problem: the header names the column \"Age\" more than once\n"},
        FileCase{"HeaderQuoteNotClosed", K::Monthly, "\"Age,Salary\n40,1\n",
                 "problem: the header row cannot be read: " + Quote + "\n"},
        FileCase{"UnknownColumnNamedOnceAndIgnored", K::Monthly,
                 "Shoe,Age,Salary,Hat\n9,40,30000,x\n,40,30000,\n",
                 "unknown: Shoe\nunknown: Hat\n2 | UIF 177.12 PAYE 4 783.08\n"
                 "3 | UIF 177.12 PAYE 4 783.08\n"},
        FileCase{"ResultAndErrorColumnsAreNoUnknownColumns", K::Monthly,
                 "Salary,UifEmployee,NetPeriodTax,error\n30000,1,2,old\n",
                 "2 | UIF 177.12 PAYE 4 783.08\n"},
        FileCase{"BadNumber", K::Monthly, "Salary,Age\n30 000,40\n",
                 "2 | Salary: expected a number\n"},
        FileCase{"FirstBadCellInTheTablesOrder", K::Monthly, "Salary,Age\nx,y\n",
                 "2 | Age: expected a number\n"},
        FileCase{"ValueOutsideItsField", K::Monthly, "Salary\n100000000\n",
                 "2 | Salary: 100000000 is outside 0 to 99999999\n"},
        FileCase{"AgeBeyondSixteenBits", K::Monthly, "Age\n40000\n",
                 "2 | Age: 40000 is outside 0 to 999\n"},
        FileCase{"NumberBeyondADouble", K::Weekly, "Bonus\n1e400\n",
                 "2 | Bonus: the number is out of range\n"},
        FileCase{"BlankLinesSkippedAndCounted", K::Monthly, "Salary\n\n30000\n  \r\n15000\n",
                 "3 | UIF 177.12 PAYE 4 783.08\n5 | UIF 150.00 PAYE 1 263.75\n"},
        FileCase{"QuotedNameWithACommaAndAQuote", K::Monthly,
                 "EmployeeNumber,EmployeeName,Salary\n007,\"Doe, J \"\"Jo\"\"\",30000\n",
                 "2 007|Doe, J \"Jo\" UIF 177.12 PAYE 4 783.08\n"},
        FileCase{"QuotedNameOverTwoLines", K::Monthly,
                 "EmployeeName,Salary\n\"A\nB\",30000\nC,30000\n",
                 "2 |A\nB UIF 177.12 PAYE 4 783.08\n4 |C UIF 177.12 PAYE 4 783.08\n"},
        FileCase{"ByteOrderMarkBeforeTheHeader", K::Monthly,
                 "\xEF\xBB\xBF"
                 "EmployeeName,Salary\nA,30000\n",
                 "2 |A UIF 177.12 PAYE 4 783.08\n"},
        FileCase{"WrongFieldCount", K::Monthly, "EmployeeName,Age,Salary\nB,40\n",
                 "2 |B the row has 2 fields, the header 3\n"},
        FileCase{"UnclosedQuoteIsItsRowOnly", K::Monthly,
                 "EmployeeName,Salary\n\"A,30000\nB,30000\n",
                 "2 |A,30000 " + Quote + "\n3 |B UIF 177.12 PAYE 4 783.08\n"},
        FileCase{"NulByte", K::Monthly, std::string("Salary\n1\0\n", 10),
                 "2 | the row holds a NUL byte\n"},
        FileCase{"MonthlyDateRule", K::Monthly, "StartDate,EndDate\n45000,44999\n",
                 "2 | The Start date entered must be before the End date\n"},
        FileCase{"DateOutsideTheTaxYear", K::Monthly, "StartDate\n44985\n",
                 "2 | StartDate: The date entered is not correct please enter a date between "
                 "01/03/2023 and 29/02/2024\n"},
        FileCase{"WeeklyDayRule", K::Weekly, "NormalDays,ThisDays\n5,6\n",
                 "2 | The number of 'Normal work-week' days must be = to or larger than "
                 "'This work-week'.\n"},
        FileCase{"FortnightOpensWithFourteenDays", K::Fortnightly, "Age,Salary\n40,14000\n",
                 "2 | UIF 81.75 PAYE 2 247.58\n"},
        FileCase{"SettingsColumnGivenWins", K::Monthly, "Salary,EmployeeUIF\n30000,2\n30000,\n",
                 "2 | UIF 354.24 PAYE 4 783.08\n3 | UIF 265.68 PAYE 4 783.08\n",
                 PayrollSettings{.EmployeeUIF = 1.5}},
        FileCase{"ExportedTotalsRowLeftOut", K::Monthly,
                 "EmployeeName,Salary,UifEmployee\nA,30000,177.12\nTotals,,177.12\n",
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
  std::size_t calls = 0;
  const auto stopAtOnce = [&calls](std::size_t) { return ++calls > 1; };
  PayrollLoad load = Read(text);
  TextLines lines(text);
  const PayrollLoad stopped = ReadPayroll(lines, K::Monthly, {}, stopAtOnce);
  EXPECT_TRUE(stopped.Cancelled);
  EXPECT_EQ(stopped.Batch.Employees.size(), 1024u);
  EXPECT_FALSE(load.Cancelled);
  EXPECT_TRUE(RecalculatePayroll(load.Batch, {}, [](std::size_t) { return true; }));
  EXPECT_FALSE(RecalculatePayroll(load.Batch, {}, [](std::size_t) { return false; }));
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
  EXPECT_EQ(t.Employees, 99999u);
  EXPECT_EQ(t.NotCalculated, 1u);
  EXPECT_EQ(t.Gross, 39999.6);
  EXPECT_EQ(t.Paye, 9999.9);
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
                                           CentsCase{"NegativeHalfCent", -0.125, -0.12},
                                           CentsCase{"DoubleBelowItsText", 1.005, 1.00},
                                           CentsCase{"ProductLandsOnTheHalf", 0.015, 0.02},
                                           CentsCase{"TaxFigure", 4783.083333333333, 4783.08},
                                           CentsCase{"LargeAmount", 99999999.995, 100000000}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace reventa
