// SPDX-License-Identifier: GPL-3.0-or-later

#include "taxyear/csv.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace reventa {
namespace {

enum class FieldState { Start, Unquoted, Quoted };

// Adds the fields of one line to `fields`; the last field stays open (it may go on
// on the next line). Returns the state at the end of the line.
FieldState ParseLine(std::string_view line, FieldState state, std::vector<std::string>& fields,
                     std::size_t& count) {
  auto field = [&]() -> std::string& { return fields[count - 1]; };
  auto open = [&] {
    if (fields.size() < ++count) fields.emplace_back();
    field().clear();
  };
  if (state == FieldState::Start) open();
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    switch (state) {
      case FieldState::Start:
        if (c == '"') {
          state = FieldState::Quoted;
          break;
        }
        state = FieldState::Unquoted;
        [[fallthrough]];
      case FieldState::Unquoted: {
        // Up to the next comma all is text, quotes included.
        const std::size_t comma = line.find(',', i);
        const std::size_t stop = comma == std::string_view::npos ? line.size() : comma;
        field().append(line.data() + i, stop - i);
        i = stop;
        if (comma != std::string_view::npos) {
          open();
          state = FieldState::Start;
        }
        break;
      }
      case FieldState::Quoted:
        if (c != '"') {
          field().push_back(c);
        } else if (i + 1 < line.size() && line[i + 1] == '"') {
          field().push_back('"');
          ++i;
        } else {
          // Text after the closing quote is kept as text.
          state = FieldState::Unquoted;
        }
        break;
    }
  }
  return state;
}

void DropCarriageReturn(std::vector<std::string>& fields, std::size_t count) {
  std::string& last = fields[count - 1];
  if (!last.empty() && last.back() == '\r') last.pop_back();
}

}  // namespace

bool IsBlankLine(std::string_view line) {
  return line.find_first_not_of(" \t\r\f\v") == std::string_view::npos;
}

bool TextLines::Next(std::string_view& line) {
  if (at_ >= text_.size()) return false;
  const std::size_t end = text_.find('\n', at_);
  const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
  line = text_.substr(at_, stop - at_);
  at_ = stop + 1;
  return true;
}

bool CsvReader::NextLine(std::string_view& line) {
  if (!replay_.empty()) {
    current_ = std::move(replay_.front());
    replay_.pop_front();
    line = current_;
    ++lineNumber_;
    return true;
  }
  if (!lines_.Next(line)) return false;
  ++lineNumber_;
  return true;
}

bool CsvReader::Next(CsvRecord& record) {
  std::string_view line;
  do {
    if (!NextLine(line)) return false;
  } while (IsBlankLine(line));

  record.error.clear();
  record.line = lineNumber_;
  std::size_t count = 0;
  FieldState state = ParseLine(line, FieldState::Start, record.fields, count);
  bool nul = line.find('\0') != std::string_view::npos;
  if (state == FieldState::Quoted) {
    // The record goes on over line breaks inside the quoted field; its lines are
    // kept in case the quote is never closed.
    std::vector<std::string> lines{std::string(line)};
    while (state == FieldState::Quoted) {
      if (!NextLine(line)) {
        for (std::size_t i = lines.size(); i-- > 1;) replay_.push_front(std::move(lines[i]));
        lineNumber_ = record.line;
        count = 0;
        ParseLine(lines[0], FieldState::Start, record.fields, count);
        DropCarriageReturn(record.fields, count);
        record.fields.resize(count);
        record.error = "a quote is not closed: the row ends inside a quoted field";
        return true;
      }
      lines.emplace_back(line);
      nul = nul || line.find('\0') != std::string_view::npos;
      record.fields[count - 1].push_back('\n');
      state = ParseLine(line, state, record.fields, count);
    }
  }
  DropCarriageReturn(record.fields, count);
  record.fields.resize(count);
  if (nul) record.error = "the row holds a NUL byte";
  return true;
}

void DropByteOrderMark(CsvRecord& header) {
  if (header.fields.empty()) return;
  std::string& first = header.fields.front();
  if (first.starts_with(ByteOrderMark)) first.erase(0, ByteOrderMark.size());
}

std::string CsvHeaderProblem(const CsvRecord& header) {
  if (!header.error.empty()) return "the header row cannot be read: " + header.error;
  std::vector<std::string_view> sorted(header.fields.begin(), header.fields.end());
  std::sort(sorted.begin(), sorted.end());
  const auto twice = std::adjacent_find(sorted.begin(), sorted.end());
  if (twice != sorted.end()) {
    return "the header names the column \"" + std::string(*twice) + "\" more than once";
  }
  return {};
}

std::string FieldCountProblem(std::size_t fields, std::size_t columns) {
  return "the row has " + std::to_string(fields) + " fields, the header " + std::to_string(columns);
}

void AppendCsvField(std::string& out, std::string_view text) {
  bool plain = true;
  for (const char c : text) {
    if (c == ',' || c == '"' || c == '\r' || c == '\n') {
      plain = false;
      break;
    }
  }
  if (plain) {
    out += text;
    return;
  }
  out.push_back('"');
  for (const char c : text) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
}

}  // namespace reventa
