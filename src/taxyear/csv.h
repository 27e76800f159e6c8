// SPDX-License-Identifier: GPL-3.0-or-later
// RFC 4180 reading and writing, shared by the command-line tool's batch mode and
// the payroll batch window, so that both read a file the same way and name its
// faults in the same words.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace reventa {

// Where CSV text comes from: a file descriptor (LineReader), or text in memory.
class LineSource {
 public:
  virtual ~LineSource() = default;
  // The next line without its line feed; false at the end. The text stays valid
  // until the next call.
  virtual bool Next(std::string_view& line) = 0;
};

// The lines of a text held in memory (which must outlive the source).
class TextLines final : public LineSource {
 public:
  explicit TextLines(std::string_view text) : text_(text) {}
  bool Next(std::string_view& line) override;

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

// One record of a CSV file.
struct CsvRecord {
  std::vector<std::string> fields;
  // Why the record cannot be used (a quote never closed, a NUL byte), or empty.
  std::string error;
  // The line of the input the record starts on, counting from 1.
  std::size_t line = 0;
};

// Reads records from lines. A field may be quoted and then hold commas, quotes
// ("" for one) and line breaks; a quote inside an unquoted field is text. A quote
// that is still open at the end of the input makes its record an error record that
// holds the fields of its first line, and reading goes on with the next line.
// Lines of spaces, tabs, carriage returns, form feeds and vertical tabs only are
// skipped; a carriage return ending a record is dropped.
class CsvReader {
 public:
  explicit CsvReader(LineSource& lines) : lines_(lines) {}

  // The next record, reusing the storage of `record`; false at the end.
  bool Next(CsvRecord& record);

 private:
  bool NextLine(std::string_view& line);

  LineSource& lines_;
  // Lines read ahead for a quoted field that was never closed, to be read again.
  std::deque<std::string> replay_;
  std::string current_;         // the line being replayed
  std::size_t lineNumber_ = 0;  // of the last line read
};

// True for a line of whitespace only (an empty line too).
bool IsBlankLine(std::string_view line);

// Appends one field, quoted when it holds a comma, a quote or a line break.
void AppendCsvField(std::string& out, std::string_view text);

// What spreadsheets write before the first header cell of a "CSV UTF-8" file.
inline constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Drops a byte-order mark before the first cell of a header.
void DropByteOrderMark(CsvRecord& header);

// Why a header cannot be used, or empty: a header row that cannot be read, or a
// column given twice, which would leave it open which of the two cells a row means.
std::string CsvHeaderProblem(const CsvRecord& header);

// "the row has 3 fields, the header 4": a row that does not fit the header.
std::string FieldCountProblem(std::size_t fields, std::size_t columns);

}  // namespace reventa
