// SPDX-License-Identifier: GPL-3.0-or-later
// The payroll batch against reventa-calc: the same figures and messages for the
// same file, and each one's CSV read back by the other.
#include <gtest/gtest.h>

#include <charconv>
#include <ostream>
#include <string>
#include <vector>

#include "calc/period/payroll_batch.h"
#include "calc/period/payroll_samples.h"
#include "cli/run_tool.h"
#include "taxyear/csv.h"
#include "taxyear/numbers.h"

namespace reventa {
namespace {

using test::Lines;
using test::RunTool;

// The tool's answer to a payroll file: its rows, and where the nine results (and
// after them the error) begin.
struct Answer {
  std::vector<std::vector<std::string>> rows;
  std::size_t results = 0;
};

Answer Read(const std::string& text) {
  TextLines lines(text);
  CsvReader csv(lines);
  CsvRecord record;
  Answer answer;
  csv.Next(record);
  while (answer.results < record.fields.size() &&
         record.fields[answer.results] != PayrollResultColumns[0].Key) {
    ++answer.results;
  }
  while (csv.Next(record)) answer.rows.push_back(record.fields);
  return answer;
}

// A row the batch cannot give back as it was: the reader's or the field count's
// fault; the tool works the row out once it is written with the header's fields.
bool Misshapen(const PayrollEmployee& e) {
  return e.Error.starts_with("the row has ") || e.Error.starts_with("a quote is not closed");
}

// One line per employee: number|name and the nine figures as the tool writes them,
// or the error. With `original`, without the rows misshapen there.
std::string Render(const PayrollBatch& batch, const PayrollBatch* original = nullptr) {
  std::string out;
  for (std::size_t i = 0; i < batch.Employees.size(); ++i) {
    const PayrollEmployee& e = batch.Employees[i];
    if (original != nullptr && Misshapen(original->Employees.at(i))) continue;
    out += e.Number + "|" + e.Name + ":";
    if (!e.Calculated()) {
      out += " " + e.Error;
    } else {
      for (const PayrollResultColumn& column : PayrollResultColumns) {
        out += " ";
        AppendShortest(out, e.Figures.*column.Member);
      }
    }
    out += "\n";
  }
  return out;
}

// The same for the tool's answer (EmployeeNumber and EmployeeName first).
std::string Render(const Answer& answer) {
  std::string out;
  for (const std::vector<std::string>& row : answer.rows) {
    out += row[0] + "|" + row[1] + ":";
    if (!row.back().empty()) {
      out += " " + row.back();
    } else {
      for (std::size_t k = 0; k < PayrollResultColumns.size(); ++k) {
        out += " " + row[answer.results + k];
      }
    }
    out += "\n";
  }
  return out;
}

std::string Export(const PayrollBatch& batch) {
  std::string text;
  WritePayrollCsv(batch, [&text](std::string_view piece) { text += piece; });
  return text;
}

struct KindCase {
  const char* name;
  friend void PrintTo(const KindCase& c, std::ostream* os) { *os << c.name; }
  PayPeriodKind kind;
  const char* command;
};

class PayrollAgainstTool : public ::testing::TestWithParam<KindCase> {
 protected:
  void SetUp() override {
    const KindCase& c = GetParam();
    file_ = samples::PayrollSampler(c.kind, 2024).File(400, true);
    TextLines lines(file_);
    load_ = ReadPayroll(lines, c.kind, {});
  }
  std::string Tool(const std::string& input) const {
    return RunTool(std::string(GetParam().command) + " --csv", input);
  }

  std::string file_;
  PayrollLoad load_;
};

TEST_P(PayrollAgainstTool, GivesTheToolsFiguresAndMessages) {
  ASSERT_EQ(load_.Problem, "");
  const Answer tool = Read(Tool(file_));
  EXPECT_EQ(Render(load_.Batch), Render(tool));

  // The totals in cents are the tool's figures of the calculated rows summed.
  const PayrollTotals totals = TotalPayroll(load_.Batch);
  EXPECT_GT(totals.NotCalculated, 20u);
  EXPECT_GT(totals.Employees, 300u);
  for (std::size_t k = 0; k < PayrollResultColumns.size(); ++k) {
    std::int64_t cents = 0;
    for (const std::vector<std::string>& row : tool.rows) {
      if (!row.back().empty()) continue;
      const std::string& cell = row[tool.results + k];
      double figure = 0;
      std::from_chars(cell.data(), cell.data() + cell.size(), figure);
      cents += WholeCents(figure);
    }
    EXPECT_EQ(WholeCents(totals.Results[k]), cents) << PayrollResultColumns[k].Key;
  }
}

TEST_P(PayrollAgainstTool, ExportReadBackByTheToolGivesTheSameFile) {
  const std::vector<std::string> exported = Lines(Export(load_.Batch));
  const std::vector<std::string> answered = Lines(Tool(Export(load_.Batch)));
  ASSERT_EQ(exported.size(), load_.Batch.Employees.size() + 2);
  ASSERT_EQ(answered.size(), exported.size());
  std::string expected;
  std::string got;
  for (std::size_t i = 0; i < exported.size(); ++i) {
    const bool employee = i > 0 && i <= load_.Batch.Employees.size();
    if (employee && Misshapen(load_.Batch.Employees[i - 1])) continue;
    expected += exported[i] + "\n";
    got += answered[i] + "\n";
  }
  EXPECT_EQ(got, expected);
}

TEST_P(PayrollAgainstTool, ToolsAnswerReadBackGivesTheSameFigures) {
  const std::string answer = Tool(file_);
  TextLines lines(answer);
  const PayrollLoad again = ReadPayroll(lines, GetParam().kind, {});
  EXPECT_EQ(again.Batch.Unknown, std::vector<std::string>{});
  ASSERT_EQ(again.Batch.Employees.size(), load_.Batch.Employees.size());
  EXPECT_EQ(Render(again.Batch, &load_.Batch), Render(load_.Batch, &load_.Batch));
}

INSTANTIATE_TEST_SUITE_P(Kinds, PayrollAgainstTool,
                         ::testing::Values(KindCase{"Monthly", PayPeriodKind::Monthly, "monthly"},
                                           KindCase{"Weekly", PayPeriodKind::Weekly, "weekly"},
                                           KindCase{"Fortnightly", PayPeriodKind::Fortnightly,
                                                    "fortnightly"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The tool's rules for the columns of a payroll file it wrote itself.
struct PassCase {
  const char* name;
  friend void PrintTo(const PassCase& c, std::ostream* os) { *os << c.name; }
  std::string input;
  std::vector<std::string> expected;
};

class PayrollColumnsInTheTool : public ::testing::TestWithParam<PassCase> {};

TEST_P(PayrollColumnsInTheTool, AreCarriedOrReplaced) {
  EXPECT_EQ(Lines(RunTool("weekly --csv", GetParam().input)), GetParam().expected);
}

const std::string Results =
    "RFundAllowable,TaxableTravelAllowance,UifEmployee,UifEmployer,SdlAmount,PeriodTax,"
    "MedCredit,AddMedCredit,NetPeriodTax,error";
const std::string Weekly7000 =
    "0,0,40.87384615384615,40.87384615384615,70,1123.7884615384614,0,0,"
    "1123.7884615384614,";

INSTANTIATE_TEST_SUITE_P(
    Payroll, PayrollColumnsInTheTool,
    ::testing::Values(
        PassCase{"EmployeeNumberAndNameCarriedThrough",
                 "EmployeeNumber,EmployeeName,Age,Salary\n12,\"Doe, J\",40,7000\n",
                 {"EmployeeNumber,EmployeeName,Age,Salary," + Results,
                  "12,\"Doe, J\",40,7000," + Weekly7000}},
        PassCase{"EarlierAnswersReplaced",
                 "Age,PeriodTax,Salary,error\n40,1,7000,old\n",
                 {"Age,Salary," + Results, "40,7000," + Weekly7000}},
        PassCase{"TotalsRowKeepsItsFigures",
                 "EmployeeName,Salary,UifEmployee,NetPeriodTax,error\nTotals,,81.75,1123.79,\n",
                 {"EmployeeName,Salary," + Results, "Totals,,,,81.75,,,,,,1123.79,"}},
        PassCase{"RowWithoutInputOrFiguresIsWorkedOut",
                 "EmployeeName,Salary,NetPeriodTax\nA,,\n",
                 {"EmployeeName,Salary," + Results, "A,,0,0,0,0,0,0,0,0,0,"}},
        PassCase{"UnknownColumnStillAnError",
                 "Salary,Shoe\n7000,9\n",
                 {"Salary,Shoe," + Results, "7000,9,,,,,,,,,,unknown key: Shoe"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace reventa
