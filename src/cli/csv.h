// SPDX-License-Identifier: GPL-3.0-or-later
// RFC 4180 reading and writing for the tool's batch mode.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "cli/stream_io.h"

namespace reventa::cli {

// One record of a CSV file.
struct CsvRecord {
  std::vector<std::string> fields;
  // Why the record cannot be used (a quote never closed, a NUL byte), or empty.
  std::string error;
};

// Reads records from lines. A field may be quoted and then hold commas, quotes
// ("" for one) and line breaks; a quote inside an unquoted field is text. A quote
// that is still open at the end of the input makes its record an error record that
// holds the fields of its first line, and reading goes on with the next line.
// Lines of spaces, tabs, carriage returns, form feeds and vertical tabs only are
// skipped; a carriage return ending a record is dropped.
class CsvReader {
 public:
  explicit CsvReader(LineReader& lines) : lines_(lines) {}

  // The next record, reusing the storage of `record`; false at the end.
  bool Next(CsvRecord& record);

 private:
  bool NextLine(std::string_view& line);

  LineReader& lines_;
  // Lines read ahead for a quoted field that was never closed, to be read again.
  std::deque<std::string> replay_;
  std::string current_;  // the line being replayed
};

// True for a line of whitespace only (an empty line too).
bool IsBlankLine(std::string_view line);

// Appends one field, quoted when it holds a comma, a quote or a line break.
void AppendCsvField(std::string& out, std::string_view text);

}  // namespace reventa::cli
