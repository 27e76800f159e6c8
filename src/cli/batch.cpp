// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/batch.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "taxyear/csv.h"

namespace reventa::cli {
namespace {

// Writes the result columns and the error column of one answer row.
void AppendResultCells(std::string& out, const Command& command, const Json& result) {
  const auto error = result.find("error");
  // The results come in the order of the command's result keys; look further only
  // where they do not.
  auto next = result.begin();
  for (const std::string& key : command.resultKeys) {
    auto it = next != result.end() && next.key() == key ? next : result.find(key);
    if (it != result.end()) {
      if (it->is_string()) {
        AppendCsvField(out, it->get_ref<const std::string&>());
      } else if (it->is_number_float()) {
        AppendNumber(out, it->get<double>());
      } else {
        std::string text;
        AppendCellText(text, *it);
        AppendCsvField(out, text);
      }
      next = std::next(it);
    }
    out.push_back(',');
  }
  if (error != result.end() && error->is_string()) {
    AppendCsvField(out, error->get_ref<const std::string&>());
  }
  out.push_back('\n');
}

// Writes back the answer cells a row gives, each under its result key, and no error.
void AppendKeptAnswers(std::string& out, const Command& command,
                       const std::vector<std::pair<std::size_t, std::size_t>>& answers,
                       const CsvRecord& row) {
  for (std::size_t k = 0; k < command.resultKeys.size(); ++k) {
    for (const auto& [column, key] : answers) {
      if (key == k) AppendCsvField(out, row.fields[column]);
    }
    out.push_back(',');
  }
  out.push_back('\n');
}

}  // namespace

void RunJsonLines(const Command& command, LineReader& in, Output& out) {
  std::string_view line;
  while (!out.Failed() && in.Next(line)) {
    if (IsBlankLine(line)) continue;
    if (line.back() == '\r') line.remove_suffix(1);
    AppendJson(out.Buffer(), RunLine(command, line));
    out.Buffer().push_back('\n');
    out.FlushIfFull();
  }
}

int RunCsv(const Command& command, LineReader& in, Output& out) {
  CsvReader csv(in);
  CsvRecord header;
  if (!csv.Next(header)) return ExitDone;
  DropByteOrderMark(header);
  if (const std::string problem = CsvHeaderProblem(header); !problem.empty()) {
    std::fprintf(stderr, "reventa-calc: %s\n", problem.c_str());
    return ExitUnusableHeader;
  }
  const CsvColumns index(header.fields);
  const std::vector<std::string>& columns = index.Names();
  auto among = [](const std::vector<std::string>& keys, const std::string& name) {
    return std::find(keys.begin(), keys.end(), name) != keys.end();
  };
  // Each column is an input, a text carried through, an earlier answer (a result
  // or the error, which the fresh answer replaces) or unknown.
  std::vector<std::size_t> inputs, written, unknown;
  std::vector<std::pair<std::size_t, std::size_t>> answers;  // column, result key
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const std::string& name = columns[i];
    const bool input = among(command.inputKeys, name);
    if (!input) {
      const auto result = std::find(command.resultKeys.begin(), command.resultKeys.end(), name);
      if (result != command.resultKeys.end()) {
        answers.emplace_back(i, static_cast<std::size_t>(result - command.resultKeys.begin()));
        continue;
      }
      if (name == "error") continue;
    }
    written.push_back(i);
    if (input) {
      inputs.push_back(i);
    } else if (!among(command.csvTextColumns, name)) {
      unknown.push_back(i);
    }
  }

  std::string& text = out.Buffer();
  for (const std::size_t i : written) {
    AppendCsvField(text, columns[i]);
    text.push_back(',');
  }
  for (const std::string& k : command.resultKeys) {
    AppendCsvField(text, k);
    text.push_back(',');
  }
  text += "error\n";

  auto filled = [](const CsvRecord& row, std::size_t i) { return !row.fields[i].empty(); };
  CsvRecord row;
  while (!out.Failed() && csv.Next(row)) {
    Json result;
    bool keptAnswers = false;
    if (!row.error.empty()) {
      result = Json{{"error", row.error}};
    } else if (row.fields.size() != columns.size()) {
      result = Json{{"error", FieldCountProblem(row.fields.size(), columns.size())}};
    } else {
      // A column the calculator does not take is an error only where it holds a value.
      const auto given = std::find_if(unknown.begin(), unknown.end(),
                                      [&](std::size_t i) { return filled(row, i); });
      if (given != unknown.end()) {
        result = Json{{"error", "unknown key: " + columns[*given]}};
      } else {
        // An exported totals row: no input, figures in the answer columns.
        keptAnswers = !answers.empty() &&
                      std::none_of(inputs.begin(), inputs.end(),
                                   [&](std::size_t i) { return filled(row, i); }) &&
                      std::any_of(answers.begin(), answers.end(),
                                  [&](const auto& a) { return filled(row, a.first); });
        if (!keptAnswers) result = RunInput(command, Input(index, row.fields));
      }
    }
    std::string& buffer = out.Buffer();
    for (const std::size_t i : written) {
      if (i < row.fields.size()) AppendCsvField(buffer, row.fields[i]);
      buffer.push_back(',');
    }
    if (keptAnswers) {
      AppendKeptAnswers(buffer, command, answers, row);
    } else {
      AppendResultCells(buffer, command, result);
    }
    out.FlushIfFull();
  }
  return ExitDone;
}

}  // namespace reventa::cli
