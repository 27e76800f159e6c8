// SPDX-License-Identifier: GPL-3.0-or-later
// The tool under hostile or clumsy input: bad values named, no hang, blank lines
// skipped, CSV faults kept to their row, failed writes reported, answers given as
// soon as a line comes in, and the same figures from JSON lines and from CSV.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "cli/run_tool.h"

namespace {

using Json = nlohmann::json;
using reventa::test::Lines;
using reventa::test::RunToolWithStatus;

// Every table row prints as its name in test reports.
template <typename Case>
requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

struct ErrorCase {
  const char* name;
  const char* command;
  std::string line;
  const char* error;
};

class LineErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(LineErrors, NameTheProblem) {
  const ErrorCase& c = GetParam();
  EXPECT_EQ(reventa::test::RunLine(c.command, c.line), Json({{"error", c.error}}));
}

INSTANTIATE_TEST_SUITE_P(
    Robustness, LineErrors,
    testing::Values(
        ErrorCase{"NullNumber", "monthly", R"({"Salary":null})",
                  "Salary: expected a number, not null"},
        ErrorCase{"NullFlag", "gross-to-net-monthly", R"({"MaintenancePlan":null})",
                  "MaintenancePlan: expected true or false, not null"},
        ErrorCase{"NullText", "loan", R"({"CalcMode":null})",
                  "CalcMode: expected a text, not null"},
        ErrorCase{"NullList", "annual", R"({"AnnMonthBens":null})",
                  "AnnMonthBens: expected a value, not null"},
        ErrorCase{"NullInsideACar", "company-car", R"({"Cars":[{"CCPrice":null}]})",
                  "Cars: car 1: CCPrice: expected a number, not null"},
        ErrorCase{"NumberTooLarge", "annual", R"({"AnnAge":40,"AnnSalary":1e400})",
                  "AnnSalary: the number is out of range"},
        ErrorCase{"NegativeNumberTooLarge", "quicktax", R"({"TaxableIncome":-1e400})",
                  "TaxableIncome: the number is out of range"},
        ErrorCase{"WholeNumberTooLarge", "quicktax",
                  R"({"TaxableIncome":)" + std::string(400, '9') + "}",
                  "TaxableIncome: the number is out of range"},
        ErrorCase{"NumberTooLargeInAList", "annual", R"({"AnnMonthBens":[1e999]})",
                  "AnnMonthBens: the number is out of range"},
        ErrorCase{"NulByteInTheLine", "quicktax",
                  std::string(R"({"TaxableIncome":500000})") + '\0' + R"(,"QuickAge":70})",
                  "the line holds a NUL byte"},
        ErrorCase{"KeyNamedTwice", "loan", R"({"Principal":1000,"Principal":2000,"Period":12})",
                  "the line names the key \"Principal\" more than once"},
        ErrorCase{"KeyNamedTwiceInACar", "company-car", R"({"Cars":[{"CCPrice":1,"CCPrice":2}]})",
                  "Cars: the key \"CCPrice\" is named more than once"},
        ErrorCase{"UnknownKeyBeforeABadValue", "quicktax", R"({"Tax":1,"QuickAge":1e999})",
                  "unknown key: Tax"},
        ErrorCase{"NestedTooDeeply", "company-car",
                  R"({"Cars":)" + std::string(100, '[') + std::string(100, ']') + "}",
                  "Cars: the value nests too deeply"}),
    [](const testing::TestParamInfo<ErrorCase>& info) { return info.param.name; });

// Lines that once cost time growing with the square of their length.
struct HugeLineCase {
  const char* name;
  const char* command;
  std::string line;
  const char* error;  // nullptr: the line calculates
};

std::string Repeated(const std::string& before, int count, const std::string& after,
                     const auto& member) {
  std::string line = before;
  for (int i = 0; i < count; ++i) line += (i > 0 ? "," : "") + member(i);
  return line + after;
}

class HugeLines : public testing::TestWithParam<HugeLineCase> {};

TEST_P(HugeLines, AnswerAtOnce) {
  const HugeLineCase& c = GetParam();
  const auto start = std::chrono::steady_clock::now();
  const Json answer = reventa::test::RunLine(c.command, c.line);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 2.0);
  if (c.error != nullptr) {
    EXPECT_EQ(answer, Json({{"error", c.error}}));
  } else {
    EXPECT_FALSE(answer.contains("error")) << answer.dump();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Robustness, HugeLines,
    testing::Values(
        HugeLineCase{
            "DistinctUnknownKeys", "quicktax",
            Repeated("{", 100000, "}", [](int i) { return "\"k" + std::to_string(i) + "\":1"; }),
            "unknown key: k0"},
        HugeLineCase{"DistinctKeysInACar", "company-car",
                     Repeated(R"({"Cars":[{)", 100000, "}]}",
                              [](int i) { return "\"k" + std::to_string(i) + "\":1"; }),
                     "Cars: car 1: unknown key: k0"},
        HugeLineCase{"OneKeyRepeated", "quicktax",
                     Repeated("{", 100000, "}",
                              [](int i) { return "\"TaxableIncome\":" + std::to_string(i); }),
                     "the line names the key \"TaxableIncome\" more than once"},
        HugeLineCase{"KeyRepeatedAfterManyInACar", "company-car",
                     Repeated(R"({"Cars":[{)", 100001, "}]}",
                              [](int i) { return "\"k" + std::to_string(i % 100000) + "\":1"; }),
                     "Cars: the key \"k0\" is named more than once"}),
    [](const testing::TestParamInfo<HugeLineCase>& info) { return info.param.name; });

struct BlankCase {
  const char* name;
  std::string blank;
};

class BlankLines : public testing::TestWithParam<BlankCase> {};

TEST_P(BlankLines, AreSkippedInBothModes) {
  const std::string blank = GetParam().blank;
  const auto json =
      RunToolWithStatus("quicktax", blank + "\n{\"TaxableIncome\":1}\n" + blank + "\n");
  EXPECT_EQ(json.status, 0);
  ASSERT_EQ(Lines(json.out).size(), 1u) << json.out;
  EXPECT_EQ(Json::parse(json.out)["QuickIncome"], 1);

  const auto csv =
      RunToolWithStatus("quicktax --csv", blank + "\nTaxableIncome\n" + blank + "\n1\n" + blank);
  EXPECT_EQ(csv.status, 0);
  const std::vector<std::string> rows = Lines(csv.out);
  ASSERT_EQ(rows.size(), 2u) << csv.out;
  EXPECT_EQ(rows[1].substr(0, 4), "1,1,");
}

INSTANTIATE_TEST_SUITE_P(
    Robustness, BlankLines,
    testing::Values(BlankCase{"Empty", ""}, BlankCase{"Spaces", "   "},
                    BlankCase{"TwoCarriageReturns", "\r\r"}, BlankCase{"FormFeed", "\f"},
                    BlankCase{"VerticalTab", "\v"}, BlankCase{"AllMixed", " \t\r\f\v \t"}),
    [](const testing::TestParamInfo<BlankCase>& info) { return info.param.name; });

struct CsvCase {
  const char* name;
  const char* command;
  std::string input;
  int status;
  // The lines of standard output and standard error, in that order.
  std::vector<std::string> expected;
};

class CsvFaults : public testing::TestWithParam<CsvCase> {};

TEST_P(CsvFaults, StayInTheirRow) {
  const CsvCase& c = GetParam();
  const auto run = RunToolWithStatus(std::string(c.command) + " --csv", c.input);
  EXPECT_EQ(run.status, c.status);
  EXPECT_EQ(Lines(run.out), c.expected) << run.out;
}

const std::string QuickHeader =
    "QuickIncome,QuickRebate,QuickTotalTax,QuickTaxCommitment,QuickAvgBefore,QuickAvgAfter,"
    "BracketBaseTax,MarginalRate,PortionTax,TaxCom4Monthly,error";
const std::string QuickNone = ",,,,,,,,,,";

INSTANTIATE_TEST_SUITE_P(
    Robustness, CsvFaults,
    testing::Values(
        CsvCase{"ByteOrderMarkBeforeTheHeader",
                "quicktax",
                "\xEF\xBB\xBFTaxableIncome,QuickAge\n500000,40\n",
                0,
                {"TaxableIncome,QuickAge," + QuickHeader,
                 "500000,40,500000,17235,117507,100272,23.5014,20.0544,77362,31,40145,8356,"}},
        CsvCase{"UnclosedQuoteIsItsRowOnly",
                "income-tax",
                "TaxableIncome\n\"100000\n1\n",
                0,
                {"TaxableIncome,MarginalRate,BracketFloor,BracketCeiling,BracketBaseTax,"
                 "PortionTax,TaxBeforeRebates,error",
                 "100000,,,,,,,a quote is not closed: the row ends inside a quoted field",
                 "1,18,0,237100,0,0.18,0.18,"}},
        CsvCase{"QuoteInsideAnUnquotedCellIsText",
                "quicktax",
                "TaxableIncome,QuickAge\n5\"0,1\n",
                0,
                {"TaxableIncome,QuickAge," + QuickHeader,
                 "\"5\"\"0\",1," + QuickNone + "TaxableIncome: expected a number"}},
        CsvCase{
            "QuotedCellOverTwoLines",
            "income-tax",
            "TaxableIncome\n\"1\n2\"\n3\n",
            0,
            {"TaxableIncome,MarginalRate,BracketFloor,BracketCeiling,BracketBaseTax,"
             "PortionTax,TaxBeforeRebates,error",
             "\"1", "2\",,,,,,,TaxableIncome: expected a number", "3,18,0,237100,0,0.54,0.54,"}},
        CsvCase{"NulByteInARow",
                "quicktax",
                std::string("TaxableIncome\n1\0\n2\n", 19),
                0,
                {"TaxableIncome," + QuickHeader,
                 std::string("1\0,", 3) + QuickNone + "the row holds a NUL byte",
                 "2,2,17235,0.36,0,18,0,0,18,0.36,0,"}},
        CsvCase{"RepeatedColumnStopsTheFile",
                "quicktax",
                "TaxableIncome,QuickAge,TaxableIncome\n1,2,3\n4,5,6\n",
                4,
                {"reventa-calc: the header names the column \"TaxableIncome\" more than once"}},
        CsvCase{"NegativeZeroIsWrittenAsZero",
                "income-tax",
                "TaxableIncome\n-0.0\n",
                0,
                {"TaxableIncome,MarginalRate,BracketFloor,BracketCeiling,BracketBaseTax,"
                 "PortionTax,TaxBeforeRebates,error",
                 "-0.0,18,0,237100,0,0,0,"}}),
    [](const testing::TestParamInfo<CsvCase>& info) { return info.param.name; });

// Runs the tool with its standard output sent where `redirect` says.
struct WriteCase {
  const char* name;
  const char* arguments;
  const char* redirect;
  const char* message;
};

class WriteFailures : public testing::TestWithParam<WriteCase> {};

TEST_P(WriteFailures, AreReportedWithStatus3) {
  const WriteCase& c = GetParam();
  char errors[] = "/tmp/reventa_cli_errorsXXXXXX";
  const int fd = mkstemp(errors);
  ASSERT_GE(fd, 0);
  close(fd);
  const std::string command = "echo '{\"TaxableIncome\":1}' | " + std::string(REVENTA_CALC_PATH) +
                              " " + c.arguments + " " + c.redirect + " 2>" + errors;
  const int status = std::system(command.c_str());
  std::stringstream message;
  message << std::ifstream(errors).rdbuf();
  std::remove(errors);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 3);
  EXPECT_EQ(message.str(), std::string(c.message) + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Robustness, WriteFailures,
    testing::Values(WriteCase{"JsonLinesToAFullDevice", "quicktax", ">/dev/full",
                              "reventa-calc: cannot write the results: No space left on device"},
                    WriteCase{"JsonLinesToAClosedOutput", "quicktax", ">&-",
                              "reventa-calc: cannot write the results: Bad file descriptor"},
                    WriteCase{"CsvToAFullDevice", "quicktax --csv", ">/dev/full",
                              "reventa-calc: cannot write the results: No space left on device"},
                    WriteCase{"ListToAFullDevice", "--list", ">/dev/full",
                              "reventa-calc: cannot write to standard output"},
                    WriteCase{"HelpToAClosedOutput", "--help", ">&-",
                              "reventa-calc: cannot write to standard output"}),
    [](const testing::TestParamInfo<WriteCase>& info) { return info.param.name; });

// A script writes one line and waits for its answer before it writes the next.
struct DialogueCase {
  const char* name;
  const char* arguments;
  std::vector<std::string> lines;  // each must be answered before the next is sent
};

class Dialogue : public testing::TestWithParam<DialogueCase> {};

TEST_P(Dialogue, EachLineIsAnsweredAtOnce) {
  const DialogueCase& c = GetParam();
  int toTool[2];
  int fromTool[2];
  ASSERT_EQ(pipe(toTool), 0);
  ASSERT_EQ(pipe(fromTool), 0);
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(toTool[0], STDIN_FILENO);
    dup2(fromTool[1], STDOUT_FILENO);
    for (int fd : {toTool[0], toTool[1], fromTool[0], fromTool[1]}) close(fd);
    const std::string arguments = std::string("exec ") + REVENTA_CALC_PATH + " " + c.arguments;
    execl("/bin/sh", "sh", "-c", arguments.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(toTool[0]);
  close(fromTool[1]);
  for (const std::string& line : c.lines) {
    const std::string text = line + "\n";
    ASSERT_EQ(write(toTool[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
    pollfd answer{fromTool[0], POLLIN, 0};
    EXPECT_EQ(poll(&answer, 1, 5000), 1) << "no answer to " << line;
    char buffer[4096];
    EXPECT_GT(read(fromTool[0], buffer, sizeof buffer), 0);
  }
  close(toTool[1]);
  close(fromTool[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Robustness, Dialogue,
    testing::Values(
        DialogueCase{"JsonLines", "quicktax", {R"({"TaxableIncome":1})", R"({"TaxableIncome":2})"}},
        DialogueCase{"Csv", "quicktax --csv", {"TaxableIncome", "1", "2"}}),
    [](const testing::TestParamInfo<DialogueCase>& info) { return info.param.name; });

// The same generated cases through JSON lines and through CSV must give the same
// figures and the same errors, cell for cell.
struct SameCase {
  const char* name;
  const char* command;
  // Each key with the lowest and highest value to draw; some fall outside the
  // window's range on purpose, so errors are compared too.
  std::vector<std::tuple<const char*, double, double>> keys;
  bool refusesSome = true;  // some drawn values are outside what the window takes
};

class SameFigures : public testing::TestWithParam<SameCase> {};

TEST_P(SameFigures, FromJsonLinesAndCsv) {
  const SameCase& c = GetParam();
  std::mt19937_64 random(20240229);
  std::string json;
  std::string csv;
  for (const auto& [key, low, high] : c.keys) csv += std::string(csv.empty() ? "" : ",") + key;
  csv += "\n";
  constexpr int Rows = 300;
  for (int row = 0; row < Rows; ++row) {
    Json line = Json::object();
    std::string cells;
    for (std::size_t k = 0; k < c.keys.size(); ++k) {
      const auto& [key, low, high] = c.keys[k];
      if (k > 0) cells += ",";
      // Left out: the default (not in a one-column file, where it would be a blank line).
      if (c.keys.size() > 1 && random() % 5 == 0) continue;
      double value = std::uniform_real_distribution<double>(low, high)(random);
      if (random() % 2 == 0) value = std::round(value);
      std::ostringstream text;
      text.precision(17);
      text << value;
      line[key] = Json::parse(text.str());
      cells += text.str();
    }
    json += line.dump() + "\n";
    csv += cells + "\n";
  }
  const std::vector<std::string> answers = Lines(RunToolWithStatus(c.command, json).out);
  const std::vector<std::string> table =
      Lines(RunToolWithStatus(std::string(c.command) + " --csv", csv).out);
  ASSERT_EQ(answers.size(), static_cast<std::size_t>(Rows));
  ASSERT_EQ(table.size(), static_cast<std::size_t>(Rows + 1));

  std::vector<std::string> columns;
  std::stringstream header(table[0]);
  for (std::string name; std::getline(header, name, ',');) columns.push_back(name);
  int errors = 0;
  for (int row = 0; row < Rows; ++row) {
    const Json answer = Json::parse(answers[static_cast<std::size_t>(row)]);
    // The cells hold no commas or quotes for these commands, so a split will do.
    std::vector<std::string> cells;
    std::stringstream line(table[static_cast<std::size_t>(row) + 1]);
    for (std::string cell; std::getline(line, cell, ',');) cells.push_back(cell);
    cells.resize(columns.size());
    errors += answer.contains("error") ? 1 : 0;
    for (std::size_t i = c.keys.size(); i < columns.size(); ++i) {
      const std::string& cell = cells[i];
      if (!answer.contains(columns[i])) {
        EXPECT_EQ(cell, "") << "row " << row << " " << columns[i];
      } else if (const Json& value = answer[columns[i]]; value.is_number()) {
        EXPECT_EQ(std::strtod(cell.c_str(), nullptr), value.get<double>())
            << "row " << row << " " << columns[i];
      } else {
        EXPECT_EQ(cell, value.is_string() ? value.get<std::string>() : value.dump())
            << "row " << row << " " << columns[i];
      }
    }
  }
  // Both kinds of answer are compared.
  if (c.refusesSome) {
    EXPECT_GT(errors, 0);
  }
  EXPECT_LT(errors, Rows);
}

INSTANTIATE_TEST_SUITE_P(
    Robustness, SameFigures,
    testing::Values(
        SameCase{"QuickTax", "quicktax", {{"TaxableIncome", -1e4, 3e6}, {"QuickAge", 0, 1100}}},
        SameCase{"IncomeTax", "income-tax", {{"TaxableIncome", -1e5, 1e7}}, false},
        SameCase{"Monthly",
                 "monthly",
                 {{"Age", 18, 1100},
                  {"Salary", -100, 2e5},
                  {"EmployeeMedAid", 0, 5000},
                  {"RFundEmployee", 0, 20000},
                  {"Bonus", 0, 1e5},
                  {"TravelAllowance", 0, 10000},
                  {"Beneficiaries", 0, 5},
                  {"EmployeeUIF", 0, 2}}},
        SameCase{"Weekly",
                 "weekly",
                 {{"Age", 18, 80},
                  {"Salary", 0, 5e4},
                  {"NormalDays", 0, 8},
                  {"ThisDays", 0, 8},
                  {"Commission", 0, 1e4}}},
        SameCase{"GrossToNetMonthly",
                 "gross-to-net-monthly",
                 {{"Age", 18, 80},
                  {"Package", 0, 2e5},
                  {"CarValue", 0, 6e5},
                  {"MedEmployee", 0, 4000},
                  {"EmployeePct", 0, 30},
                  {"TaRate", 0, 1.2}}},
        SameCase{"Inflation",
                 "inflation",
                 {{"PresentCost", 0, 1e6}, {"InflationYears", 0, 60}, {"InflationRate", -5, 30}}}),
    [](const testing::TestParamInfo<SameCase>& info) { return info.param.name; });

}  // namespace
