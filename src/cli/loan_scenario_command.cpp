// SPDX-License-Identifier: GPL-3.0-or-later
// loan-scenario: a loan as it stands beside the same loan with changes made along
// the way. A line holds the loan (Principal, Period, AnnualRate) and Changes, an
// array of {"Month", "Kind", "Amount", "Choice"} objects; a key a change leaves out
// takes the value a new row of the list starts with (month 1, a lump sum of 0,
// shorter term). The answer holds both columns, the rate table and, with
// "Schedule": true, the scenario's schedule month by month. In a CSV file the
// Changes cell holds the same array as JSON text.
#include <string>
#include <vector>

#include "calc/finance/loan_scenario.h"
#include "cli/command.h"

namespace reventa::cli {
namespace {

// A result as written: a zero worked out as -0 is written as 0.
double Out(double value) { return value == 0 ? 0.0 : value; }

const char* const ChangeKeys = "Month, Kind, Amount and Choice";

// One change of the list; `at` is its name in messages, "Changes[2]".
LoanChange ReadChange(const Json& item, const std::string& at) {
  if (!item.is_object()) throw CliError(at + ": expected an object with " + ChangeKeys);
  LoanChange c;
  for (const auto& [key, value] : item.items()) {
    const std::string name = at + "." + key;
    if (key == "Month" || key == "Amount") {
      if (!value.is_number()) throw CliError(name + ": expected a number");
      const double d = value.get<double>();
      if (key == "Amount") {
        c.Amount = d == 0 ? 0.0 : d;
        continue;
      }
      // Months beyond any period are refused before they are held as a count;
      // those past the loan's own period are ValidateLoanScenario's.
      if (const auto e = CheckRange(LoanChangeMonthRange, d))
        throw CliError(name + ": " + e->Message);
      if (d != static_cast<int>(d)) {
        throw CliError(name + ": " + FormatNumber(d) + " is not a whole month");
      }
      c.Month = static_cast<int>(d);
    } else if (key == "Kind") {
      const auto kind =
          value.is_string() ? LoanChangeKindFromName(value.get<std::string>()) : std::nullopt;
      if (!kind) throw CliError(name + ": expected \"Rate\", \"LumpSum\" or \"Extra\"");
      c.Kind = *kind;
    } else if (key == "Choice") {
      const auto choice =
          value.is_string() ? LoanChangeChoiceFromName(value.get<std::string>()) : std::nullopt;
      if (!choice) throw CliError(name + ": expected \"ShorterTerm\" or \"LowerRepayment\"");
      c.Choice = *choice;
    } else {
      throw CliError("unknown key: " + name + " (a change has " + ChangeKeys + ")");
    }
  }
  return c;
}

std::vector<LoanChange> ReadChanges(const Input& in) {
  std::vector<LoanChange> changes;
  const Json& raw = in.Raw("Changes");
  if (raw.is_null()) return changes;
  if (!raw.is_array()) throw CliError("Changes: expected an array of changes");
  changes.reserve(raw.size());
  for (std::size_t k = 0; k < raw.size(); ++k) {
    changes.push_back(ReadChange(raw[k], "Changes[" + std::to_string(k) + "]"));
  }
  return changes;
}

Json Outcome(const LoanOutcome& o) {
  Json repayments = Json::array();
  for (const LoanRepaymentFrom& r : o.Repayments) {
    repayments.push_back(ResultObject({{"Month", r.Month}, {"Repayment", Out(r.Repayment)}}));
  }
  const double first = o.Repayments.empty() ? 0.0 : o.Repayments.front().Repayment;
  return ResultObject({{"Repayment", Out(first)},
                       {"Months", o.Months},
                       {"TotalInterest", Out(o.TotalInterest)},
                       {"TotalRepayments", Out(o.TotalRepayments)},
                       {"LastPayment", Out(o.LastPayment)},
                       {"Repayments", repayments}});
}

Json Schedule(const std::vector<LoanScenarioMonth>& months) {
  Json rows = Json::array();
  for (const LoanScenarioMonth& m : months) {
    rows.push_back(ResultObject({{"Month", m.Month},
                                 {"AnnualRate", Out(m.AnnualRate)},
                                 {"Repayment", Out(m.Repayment)},
                                 {"Interest", Out(m.Interest)},
                                 {"Capital", Out(m.Capital)},
                                 {"LumpSum", Out(m.LumpSum)},
                                 {"Balance", Out(m.Balance)},
                                 {"Changed", m.Changed}}));
  }
  return rows;
}

Json RunLoanScenario(const Input& in) {
  LoanScenarioInput s;
  ReadInputs(in, LoanScenarioRanges(), s);
  s.Changes = ReadChanges(in);
  if (const auto e = ValidateLoanScenario(s)) throw CliError(e->Text());
  const bool withSchedule = in.Bool("Schedule", false);

  const LoanScenarioResult r = ComputeLoanScenario(s);
  Json table = Json::array();
  for (const LoanRateRow& row : r.RateTable) {
    table.push_back(ResultObject({{"AnnualRate", Out(row.AnnualRate)},
                                  {"Repayment", Out(row.Repayment)},
                                  {"TotalInterest", Out(row.TotalInterest)},
                                  {"Current", row.Current}}));
  }
  Json out = ResultObject({{"AsItStands", Outcome(r.AsItStands)},
                           {"Scenario", Outcome(r.Scenario)},
                           {"InterestSaved", Out(r.InterestSaved)},
                           {"MonthsSaved", r.MonthsSaved},
                           {"RateTable", table}});
  if (withSchedule) out["Schedule"] = Schedule(r.Scenario.Schedule);
  return out;
}

const bool kLoanScenario = RegisterCommand({
    "loan-scenario",
    Ranges(LoanScenarioRanges()),
    {"Changes", "Schedule"},
    {"AsItStands", "Scenario", "InterestSaved", "MonthsSaved", "RateTable", "Schedule"},
    RunLoanScenario,
});

}  // namespace
}  // namespace reventa::cli
