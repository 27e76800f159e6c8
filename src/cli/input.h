// SPDX-License-Identifier: GPL-3.0-or-later
// One input record as a command reads it, from a JSON object or from a CSV row,
// with typed access that names the key of a wrong value, and the reading of a
// calculator's range table into its input record.
#pragma once

#include <array>
#include <cstdint>
#include <forward_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "cli/json_line.h"
#include "taxyear/csv_cell.h"
#include "taxyear/input_range.h"

namespace reventa::cli {

// A bad input value; the message names the key and becomes the line's error.
struct CliError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The header of a CSV file: the column names, with a small index so that finding
// the column of a key costs about one comparison.
class CsvColumns {
 public:
  explicit CsvColumns(std::vector<std::string> names);
  const std::vector<std::string>& Names() const { return names_; }
  // The column of a key, or -1 when the header has none.
  int Find(std::string_view key) const;
  // The same for a key that lives as long as the program (a range table's key),
  // remembered by its address, so that a batch finds each column once.
  int FindLasting(const char* key) const;

 private:
  std::vector<std::string> names_;
  // Per first byte of a name: the columns (of the first 64) whose name starts so.
  std::uint64_t byFirstByte_[256] = {};
  // Lasting keys found, in a slot chosen by their address.
  struct Found {
    const char* key = nullptr;
    int column = -1;
  };
  static constexpr int FoundBits = 6;
  mutable std::array<Found, std::size_t{1} << FoundBits> found_{};
};

// One input record, read either from a JSON object or from a CSV row (the header's
// column names and the row's cells), with typed access that reports the key of a
// wrong value. Both sources go through the same checks, so a value gives the same
// figure or the same error whichever way it comes in. A key given as null is a
// value of the wrong type; a key left out (or an empty cell) takes its default.
class Input {
 public:
  explicit Input(const Json& object) : object_(&object) {}
  Input(const CsvColumns& columns, const std::vector<std::string>& cells)
      : columns_(&columns), cells_(&cells) {}

  // Reads the number of a key into `value`; false, with `value` left as it was,
  // when the input does not give one.
  bool Read(const char* key, double& value) const;
  // Reads the number of a range's key that its field would accept into `value`, as
  // the record holds it: a 16-bit whole number rounded half to even, then checked
  // against the range. A date is left to the calculator's date rule, unless the
  // record holds it as a day serial, which must be a whole day within the range.
  // False, with `value` left as it was, when the input does not give the key. A
  // range's key is a literal, so a CSV row finds its column by the key's address.
  bool Read(const InputRange& range, Held held, double& value) const;
  // The two readers of a record's numbers, with the value when the key is left out.
  double Range(const InputRange& range, double defaultValue) const {
    Read(range, Held::AsIs, defaultValue);
    return defaultValue;
  }
  std::int16_t Int16(const InputRange& range, std::int16_t defaultValue) const {
    double value = defaultValue;
    Read(range, Held::Int16, value);
    return static_cast<std::int16_t>(value);
  }
  bool Bool(const char* key, bool defaultValue) const;
  std::string Text(const char* key, const std::string& defaultValue) const;
  // The raw value, or a null value when the key is missing.
  const Json& Raw(const char* key) const;

 private:
  // Read for a key whose CSV column is known (-1: none, or a JSON input).
  bool ReadAt(const char* key, int column, double& value) const;
  // The JSON value of a key, or nullptr when the object does not hold it.
  const Json* Member(const char* key) const;
  // The cell of a column of the CSV row, or nullptr for no column or an empty cell.
  const std::string* Cell(int column) const;

  const Json* object_ = nullptr;
  const CsvColumns* columns_ = nullptr;
  const std::vector<std::string>* cells_ = nullptr;
  // Cells read as JSON values by Raw; a list keeps the references it hands out.
  mutable std::forward_list<Json> cellValues_;
  // Why a cell could not be read (kept here, not made for every cell).
  mutable std::string fault_;
};

// Reads every input of the table that the record holds and the input gives into
// the record, in the table's order, each checked as Input::Read does; inputs
// left out keep the record's values. An input the record does not hold is the
// command's to read.
template <class Record>
void ReadInputs(const Input& in, std::type_identity_t<RangeTable<Record>> table, Record& record) {
  for (const InputField<Record>& field : table) {
    if (std::holds_alternative<std::monostate>(field.Member)) continue;
    if (double value = 0; in.Read(field.Range, HeldOf(field), value)) {
      SetValue(field, record, value);
    }
  }
}

}  // namespace reventa::cli
