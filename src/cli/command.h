// The calculators as the command-line tool sees them: a name, the input keys it
// accepts, the result keys it writes, and a function from one input object to one
// result object. Each calculator area registers its commands from its own file.
#pragma once

#include <cstdint>
#include <functional>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <vector>

namespace reventa::cli {

using Json = nlohmann::ordered_json;

// A bad input value; the message names the key and becomes the line's error.
struct CliError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// One input object, with typed access that reports the key of a wrong value.
class Input {
 public:
  explicit Input(const Json& object) : object_(object) {}

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
  const Json& object_;
};

struct Command {
  std::string name;
  std::vector<std::string> inputKeys;
  std::vector<std::string> resultKeys;
  std::function<Json(const Input&)> run;
};

// Adds a command to the tool; returns true so that it can initialise a static.
bool RegisterCommand(Command command);
const std::vector<Command>& Commands();
const Command* FindCommand(const std::string& name);

// Runs one input line: the result object, or {"error": ...} for a line that is not
// an object, has an unknown key or a bad value.
Json RunLine(const Command& command, const std::string& line);
Json RunObject(const Command& command, const Json& input);

// Writes a number as the shortest text that reads back to the same double.
std::string FormatNumber(double value);
// The JSON text of a result, with numbers written as FormatNumber does.
std::string Dump(const Json& value);

}  // namespace reventa::cli
