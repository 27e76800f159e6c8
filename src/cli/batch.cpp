// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/batch.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/csv.h"

namespace reventa::cli {
namespace {

// What spreadsheets write before the first header cell of a "CSV UTF-8" file.
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Why a header cannot be used, or empty: a column given twice would leave it open
// which of the two cells a row means.
std::string HeaderProblem(const CsvRecord& header) {
  if (!header.error.empty()) return "the header row cannot be read: " + header.error;
  const std::vector<std::string>& columns = header.fields;
  std::vector<std::string_view> sorted(columns.begin(), columns.end());
  std::sort(sorted.begin(), sorted.end());
  const auto twice = std::adjacent_find(sorted.begin(), sorted.end());
  if (twice != sorted.end()) {
    return "the header names the column \"" + std::string(*twice) + "\" more than once";
  }
  return {};
}

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
  std::string& first = header.fields.front();
  if (first.starts_with(ByteOrderMark)) first.erase(0, ByteOrderMark.size());
  if (const std::string problem = HeaderProblem(header); !problem.empty()) {
    std::fprintf(stderr, "reventa-calc: %s\n", problem.c_str());
    return ExitUnusableHeader;
  }
  const CsvColumns index(header.fields);
  const std::vector<std::string>& columns = index.Names();
  std::vector<std::size_t> unknown;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (std::find(command.inputKeys.begin(), command.inputKeys.end(), columns[i]) ==
        command.inputKeys.end()) {
      unknown.push_back(i);
    }
  }

  std::string& text = out.Buffer();
  for (const std::string& c : columns) {
    AppendCsvField(text, c);
    text.push_back(',');
  }
  for (const std::string& k : command.resultKeys) {
    AppendCsvField(text, k);
    text.push_back(',');
  }
  text += "error\n";

  CsvRecord row;
  while (!out.Failed() && csv.Next(row)) {
    Json result;
    if (!row.error.empty()) {
      result = Json{{"error", row.error}};
    } else if (row.fields.size() != columns.size()) {
      result = Json{{"error", "the row has " + std::to_string(row.fields.size()) +
                                  " fields, the header " + std::to_string(columns.size())}};
    } else {
      // A column the calculator does not take is an error only where it holds a value.
      const auto given = std::find_if(unknown.begin(), unknown.end(),
                                      [&](std::size_t i) { return !row.fields[i].empty(); });
      if (given != unknown.end()) {
        result = Json{{"error", "unknown key: " + columns[*given]}};
      } else {
        result = RunInput(command, Input(index, row.fields));
      }
    }
    std::string& buffer = out.Buffer();
    for (std::size_t i = 0; i < columns.size(); ++i) {
      if (i < row.fields.size()) AppendCsvField(buffer, row.fields[i]);
      buffer.push_back(',');
    }
    AppendResultCells(buffer, command, result);
    out.FlushIfFull();
  }
  return ExitDone;
}

}  // namespace reventa::cli
