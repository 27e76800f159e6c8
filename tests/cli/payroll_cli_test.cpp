// SPDX-License-Identifier: GPL-3.0-or-later
// The payroll batch against reventa-calc: the same figures and messages for the
// same file, and each one's CSV read back by the other.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "calc/period/payroll_batch.h"
#include "calc/period/payroll_samples.h"
#include "cli/run_tool.h"
#include "taxyear/numbers.h"

namespace reventa {
namespace {

// A row the tool works out once the batch writes it back with the header's fields.
bool Misshapen(const PayrollEmployee& e) {
  return e.Error.starts_with("the row has ") || e.Error.starts_with("a quote is not closed");
}

// Per employee (without those misshapen in `original`): number|name, then the nine
// figures as the tool writes them, or the error.
std::string Render(const PayrollBatch& batch, const PayrollBatch* original = nullptr) {
  std::string out;
  for (std::size_t i = 0; i < batch.Employees.size(); ++i) {
    const PayrollEmployee& e = batch.Employees[i];
    if (original != nullptr && Misshapen(original->Employees.at(i))) continue;
    out += e.Number + "|" + e.Name + ":" + (e.Calculated() ? "" : " " + e.Error);
    for (std::size_t k = 0; k < PayrollResultColumns.size() && e.Calculated(); ++k) {
      AppendShortest(out += " ", e.Figures.*PayrollResultColumns[k].Member);
    }
    out += "\n";
  }
  return out;
}

// The same of the tool's answer, with the cents of each result column summed.
std::string Render(const std::string& answer, std::vector<std::int64_t>& cents) {
  TextLines lines(answer);
  CsvReader csv(lines);
  CsvRecord row;
  std::string out;
  for (csv.Next(row); csv.Next(row);) {
    const std::vector<std::string>& f = row.fields;
    out += f[0] + "|" + f[1] + ":" + (f.back().empty() ? "" : " " + f.back());
    for (std::size_t k = 0; k < cents.size() && f.back().empty(); ++k) {
      const std::string& cell = f[f.size() - 10 + k];
      out += " " + cell;
      double figure = 0;
      std::from_chars(cell.data(), cell.data() + cell.size(), figure);
      cents[k] += WholeCents(figure);
    }
    out += "\n";
  }
  return out;
}

// The lines of a CSV text without those of the misshapen rows.
std::string Shaped(const std::string& text, const PayrollBatch& original) {
  const std::vector<std::string> lines = test::Lines(text);
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool row = i > 0 && i <= original.Employees.size();
    if (!row || !Misshapen(original.Employees[i - 1])) out += lines[i] + "\n";
  }
  return out;
}

std::string CommandOf(PayPeriodKind kind) {
  return kind == PayPeriodKind::Monthly  ? "monthly"
         : kind == PayPeriodKind::Weekly ? "weekly"
                                         : "fortnightly";
}

class PayrollAgainstTool : public ::testing::TestWithParam<PayPeriodKind> {
 protected:
  void SetUp() override { load_ = Load(file_); }
  PayrollLoad Load(const std::string& text) const {
    TextLines lines(text);
    return ReadPayroll(lines, GetParam(), {});
  }
  std::string Tool(const std::string& input) const {
    return test::RunTool(CommandOf(GetParam()) + " --csv", input);
  }
  std::string Export(const PayrollBatch& batch) const {
    std::string text;
    WritePayrollCsv(batch, [&text](std::string_view piece) { text += piece; });
    return text;
  }
  const std::string file_ = samples::PayrollFile(GetParam(), 400, true);
  PayrollLoad load_;
};

// The tool's figures and messages, and the totals the cents of its figures; its
// answer read by the batch gives the same again.
TEST_P(PayrollAgainstTool, GivesTheToolsFiguresMessagesAndTotals) {
  const std::string answer = Tool(file_);
  std::vector<std::int64_t> cents(PayrollResultColumns.size());
  EXPECT_EQ(Render(load_.Batch), Render(answer, cents));
  const PayrollTotals totals = TotalPayroll(load_.Batch);
  EXPECT_GT(totals.NotCalculated, 20u);
  for (std::size_t k = 0; k < cents.size(); ++k) {
    EXPECT_EQ(WholeCents(totals.Results[k]), cents[k]) << PayrollResultColumns[k].Key;
  }
  const PayrollLoad again = Load(answer);
  EXPECT_EQ(again.Batch.Unknown, std::vector<std::string>{});
  ASSERT_EQ(again.Batch.Employees.size(), load_.Batch.Employees.size());
  EXPECT_EQ(Render(again.Batch, &load_.Batch), Render(load_.Batch, &load_.Batch));
}

// The batch's export through the tool comes back as it was, totals row included,
// and read again the totals row is no employee.
TEST_P(PayrollAgainstTool, ExportThroughTheToolComesBackTheSame) {
  const std::string exported = Export(load_.Batch);
  EXPECT_EQ(Shaped(Tool(exported), load_.Batch), Shaped(exported, load_.Batch));
  const PayrollLoad back = Load(Tool(exported));
  EXPECT_EQ(back.Batch.TotalsRowsLeftOut, 1u);
  EXPECT_EQ(back.Batch.Employees.size(), load_.Batch.Employees.size());
}

INSTANTIATE_TEST_SUITE_P(Kinds, PayrollAgainstTool,
                         ::testing::Values(PayPeriodKind::Monthly, PayPeriodKind::Weekly,
                                           PayPeriodKind::Fortnightly),
                         [](const auto& info) { return CommandOf(info.param); });

// The tool's rules for the columns of a payroll file it wrote itself.
struct PassCase {
  const char* name;
  friend void PrintTo(const PassCase& c, std::ostream* os) { *os << c.name; }
  std::string input;
  std::string expected;
};

class PayrollColumnsInTheTool : public ::testing::TestWithParam<PassCase> {};

TEST_P(PayrollColumnsInTheTool, AreCarriedOrReplaced) {
  EXPECT_EQ(test::RunTool("weekly --csv", GetParam().input), GetParam().expected);
}

const std::string Results =
    "RFundAllowable,TaxableTravelAllowance,UifEmployee,UifEmployer,SdlAmount,PeriodTax,"
    "MedCredit,AddMedCredit,NetPeriodTax,error\n";

INSTANTIATE_TEST_SUITE_P(
    Payroll, PayrollColumnsInTheTool,
    ::testing::Values(
        PassCase{"TextsCarriedAndEarlierAnswersReplaced",
                 "EmployeeNumber,EmployeeName,PeriodTax,Salary,error\n12,\"Doe, J\",1,7000,old\n",
                 "EmployeeNumber,EmployeeName,Salary," + Results +
                     "12,\"Doe, J\",7000,0,0,40.87384615384615,40.87384615384615,70,"
                     "1123.7884615384614,0,0,1123.7884615384614,\n"},
        PassCase{"TotalsRowKeepsItsFigures",
                 "EmployeeName,Salary,UifEmployee,NetPeriodTax\nTotals,,81.75,1123.79\n",
                 "EmployeeName,Salary," + Results + "Totals,,,,81.75,,,,,,1123.79,\n"},
        PassCase{"UnknownColumnStillAnError", "Salary,Shoe\n7000,9\n",
                 "Salary,Shoe," + Results + "7000,9,,,,,,,,,,unknown key: Shoe\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace reventa
