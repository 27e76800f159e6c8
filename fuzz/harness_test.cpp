// SPDX-License-Identifier: GPL-3.0-or-later
// The fuzz harness's own checks: the answer rule catches each kind of unsound
// answer and passes sound ones, every command has a target, and the committed
// seeds are what the worked cases encode to today (a command that gained a key or
// a new command changes them: run scripts/fuzz --seeds).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <ostream>
#include <random>
#include <set>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command.h"
#include "fuzz/answer_check.h"
#include "fuzz/input_record.h"
#include "fuzz/worked_cases.h"

namespace {

using reventa::cli::Json;

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

struct AnswerCase {
  const char* name;
  friend void PrintTo(const AnswerCase& c, std::ostream* os) { *os << c.name; }
  const char* command;
  Json answer;
  const char* fault;  // a part of the fault's text; empty for a sound answer
};

class AnswerRule : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(AnswerRule, FindsTheFault) {
  const AnswerCase& c = GetParam();
  const reventa::cli::Command* command = reventa::cli::FindCommand(c.command);
  ASSERT_NE(command, nullptr) << c.command;
  const auto fault = reventa::fuzz::AnswerFault(*command, c.answer);
  if (*c.fault == '\0') {
    EXPECT_FALSE(fault) << *fault;
  } else {
    ASSERT_TRUE(fault) << c.answer.dump();
    EXPECT_NE(fault->find(c.fault), std::string::npos) << *fault;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, AnswerRule,
    ::testing::Values(
        AnswerCase{"SoundFigures", "quicktax", {{"QuickIncome", 1.5}, {"MarginalRate", 18}}, ""},
        AnswerCase{"ErrorLine", "monthly", {{"error", "Age: 1000 is outside 0 to 999"}}, ""},
        AnswerCase{"PackageErrorWithNoResult",
                   "net-to-gross-annual",
                   {{"error", "Fringe benefits more than salary required!"}, {"NoResult", true}},
                   ""},
        AnswerCase{"NullWhereLeftUnchanged", "loan-buster", {{"NewPeriod", nullptr}}, ""},
        AnswerCase{"NotAnObject", "quicktax", Json::array({1}), "not an object"},
        AnswerCase{
            "NaNFigure", "income-tax", {{"TaxBeforeRebates", NaN}}, "/TaxBeforeRebates is NaN"},
        AnswerCase{"InfinityInACar",
                   "company-car",
                   {{"Cars", Json::array({Json{{"FuelClaim", -Inf}}})}},
                   "/Cars/0/FuelClaim is infinite"},
        AnswerCase{"NaNInAScheduleRow",
                   "amortisation",
                   {{"Rows", Json::array({Json::array({1, NaN})})}},
                   "/Rows/0/1 is NaN"},
        AnswerCase{"ErrorNotAText", "monthly", {{"error", nullptr}}, "not a text"},
        AnswerCase{"EmptyError", "monthly", {{"error", ""}}, "not a text"},
        AnswerCase{"ErrorWithFigures",
                   "gross-to-net-monthly",
                   {{"error", "x"}, {"TaxDue", 1}},
                   "also holds TaxDue"},
        AnswerCase{"KeyOfAnotherCommand", "weekly", {{"TrialSalary", 1}}, "no result key"}),
    [](const auto& info) { return std::string(info.param.name); });

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, ',');) parts.push_back(part);
  return parts;
}

TEST(FuzzTargets, EveryCommandHasARecordTarget) {
  std::vector<std::string> registered;
  for (const auto& c : reventa::cli::Commands()) registered.push_back(c.name);
  std::vector<std::string> targets = Split(REVENTA_FUZZ_COMMANDS);
  std::sort(targets.begin(), targets.end());
  EXPECT_EQ(targets, registered) << "fuzz/CMakeLists.txt REVENTA_FUZZ_COMMANDS";
}

// Random bytes make loan changes of every kind, kinds the command refuses, long
// lists, and rate changes mostly inside the rate field (so that they get past
// validation into the walk, as lump sums and extras do).
TEST(FuzzTargets, LoanChangesReachEveryPath) {
  const reventa::cli::Command* command = reventa::cli::FindCommand("loan-scenario");
  ASSERT_NE(command, nullptr);
  std::mt19937 random(22);
  std::set<std::string> seen;
  int rates = 0;
  int ratesInside = 0;
  for (int n = 0; n < 5000; ++n) {
    std::vector<std::uint8_t> bytes(600);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
    const Json input = reventa::fuzz::DecodeRecord(*command, bytes);
    const Json changes = input.value("Changes", Json());
    if (!changes.is_array()) continue;
    if (changes.size() >= 20) seen.insert("long list");
    for (const Json& c : changes) {
      const Json kind = c.is_object() ? c.value("Kind", Json()) : Json();
      if (!kind.is_string()) continue;
      const auto name = kind.get<std::string>();
      seen.insert(name == "Rate" || name == "LumpSum" || name == "Extra" ? name : "other");
      const Json amount = c.value("Amount", Json());
      if (name != "Rate" || !amount.is_number()) continue;
      ++rates;
      if (amount.get<double>() >= 0 && amount.get<double>() <= 50) ++ratesInside;
    }
  }
  EXPECT_EQ(seen, (std::set<std::string>{"Extra", "LumpSum", "Rate", "long list", "other"}));
  EXPECT_GT(ratesInside * 2, rates) << ratesInside << " of " << rates;
}

const std::vector<reventa::fuzz::WorkedCase>& Cases() {
  static const auto cases =
      reventa::fuzz::ReadWorkedCases(std::string(REVENTA_FUZZ_DIR) + "/worked_cases.txt");
  return cases;
}

std::string Committed(const std::string& seed) {
  std::ifstream in(std::string(REVENTA_FUZZ_DIR) + "/corpus/" + seed, std::ios::binary);
  if (!in) return "(no such seed)";
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class WorkedCaseSeeds : public ::testing::TestWithParam<reventa::fuzz::WorkedCase> {};

TEST_P(WorkedCaseSeeds, AreCommittedAndDecodeToTheCase) {
  const auto& c = GetParam();
  const reventa::cli::Command* command = reventa::cli::FindCommand(c.command);
  ASSERT_NE(command, nullptr) << c.command;
  const std::string lineSeed = Committed(reventa::fuzz::LineSeedPath(c));
  ASSERT_FALSE(lineSeed.empty());
  EXPECT_EQ(reventa::fuzz::LineCommand(static_cast<std::uint8_t>(lineSeed[0])).name, c.command);
  EXPECT_EQ(lineSeed.substr(1), c.line);

  const Json input = Json::parse(c.line);
  const auto bytes = reventa::fuzz::EncodeRecord(*command, input);
  if (!bytes) return;  // a key the command does not take: a line seed only
  EXPECT_EQ(Committed(reventa::fuzz::RecordSeedPath(c)), *bytes);
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes->data());
  // Compared as plain JSON values: key order aside, 30 and 30.0 are the same input.
  const Json decoded = reventa::fuzz::DecodeRecord(*command, std::span(data, bytes->size()));
  EXPECT_EQ(nlohmann::json::parse(decoded.dump()), nlohmann::json::parse(c.line)) << decoded.dump();
}

INSTANTIATE_TEST_SUITE_P(Corpus, WorkedCaseSeeds, ::testing::ValuesIn(Cases()),
                         [](const auto& info) {
                           std::string name = info.param.command + "_" + info.param.name;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

TEST(FuzzTargets, EveryCommandHasARecordSeed) {
  for (const auto& command : reventa::cli::Commands()) {
    const bool seeded = std::any_of(Cases().begin(), Cases().end(), [&](const auto& c) {
      return c.command == command.name &&
             reventa::fuzz::EncodeRecord(command, Json::parse(c.line)).has_value();
    });
    EXPECT_TRUE(seeded) << command.name;
  }
}

}  // namespace
