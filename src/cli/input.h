// One input record as a command reads it, from a JSON object or from a CSV row,
// with typed access that names the key of a wrong value.
#pragma once

#include <cstdint>
#include <forward_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/json_line.h"

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
  int Find(const std::string& key) const;

 private:
  std::vector<std::string> names_;
  // Per first byte of a name: the columns (of the first 64) whose name starts so.
  std::uint64_t byFirstByte_[256] = {};
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

  double Number(const std::string& key, double defaultValue) const;
  // A number that the window's field would accept: within [min, max].
  double Range(const std::string& key, double defaultValue, double min, double max) const;
  // A whole number for a 16-bit field, rounded half to even, within [min, max].
  std::int16_t Int16(const std::string& key, std::int16_t defaultValue, double min,
                     double max) const;
  bool Bool(const std::string& key, bool defaultValue) const;
  std::string Text(const std::string& key, const std::string& defaultValue) const;
  // The raw value, or a null value when the key is missing.
  const Json& Raw(const std::string& key) const;

 private:
  // The JSON value of a key, or nullptr when the object does not hold it.
  const Json* Member(const std::string& key) const;
  // The cell of a key in the CSV row, or nullptr when it has no column or is empty.
  const std::string* Cell(const std::string& key) const;

  const Json* object_ = nullptr;
  const CsvColumns* columns_ = nullptr;
  const std::vector<std::string>* cells_ = nullptr;
  // Cells read as JSON values by Raw; a list keeps the references it hands out.
  mutable std::forward_list<Json> cellValues_;
};

}  // namespace reventa::cli
