// The calculators as the command-line tool sees them: a name, the input keys it
// accepts, the result keys it writes, and a function from one input record to one
// result object. Each calculator area registers its commands from its own file.
#pragma once

#include <cstdint>
#include <forward_list>
#include <functional>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace reventa::cli {

using Json = nlohmann::ordered_json;

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

struct Command {
  std::string name;
  std::vector<std::string> inputKeys;
  std::vector<std::string> resultKeys;
  std::function<Json(const Input&)> run;
};

// A result object from its members in order, each key given once. The same object
// as Json{{key, value}, ...}, built without the intermediate values that a braced
// Json list makes, which matters for a batch of a whole payroll.
Json ResultObject(std::initializer_list<std::pair<std::string_view, Json>> members);

// Adds a command to the tool; returns true so that it can initialise a static.
bool RegisterCommand(Command command);
const std::vector<Command>& Commands();
const Command* FindCommand(const std::string& name);

// Runs one input line: the result object, or {"error": ...} for a line that is not
// an object, holds a NUL byte, has an unknown key or a bad value. Reading stops at
// the first unknown key, so a line of many unknown keys costs no more than one.
Json RunLine(const Command& command, std::string_view line);
Json RunObject(const Command& command, const Json& input);
// Runs one input record: the result, or {"error": ...} for a bad value or for a
// figure that is not a finite number (an overflow in the computation).
Json RunInput(const Command& command, const Input& input);

// Writes a number as the shortest text that reads back to the same double; 0 for -0.
std::string FormatNumber(double value);
void AppendNumber(std::string& out, double value);
// The JSON text of a result, with numbers written as FormatNumber does.
std::string Dump(const Json& value);
void AppendJson(std::string& out, const Json& value);
// A result value as a CSV cell's text: empty for null, a text as it is, anything
// else as its JSON text.
void AppendCellText(std::string& out, const Json& value);

}  // namespace reventa::cli
