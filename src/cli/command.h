// SPDX-License-Identifier: GPL-3.0-or-later
// The calculators as the command-line tool sees them: a name, the input keys it
// accepts, the result keys it writes, and a function from one input record to one
// result object. Each calculator area registers its commands from its own file.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/input.h"
#include "cli/json_writer.h"
#include "taxyear/input_range.h"

namespace reventa::cli {

struct Command {
  std::string name;
  // The numeric inputs with their fields' ranges, in the window's order, as the
  // calculator's range tables give them.
  std::vector<InputRange> ranges;
  // The other inputs: flags, texts, lists, and numbers no field limits.
  std::vector<std::string> otherKeys;
  std::vector<std::string> resultKeys;
  std::function<Json(const Input&)> run;
  // CSV columns of text the command does not read but takes and writes back as
  // they stand (a payroll's employee number and name).
  std::vector<std::string> csvTextColumns{};
  // Every input key: the ranges' keys, then the other keys (set by RegisterCommand).
  std::vector<std::string> inputKeys{};
};

// The ranges of a calculator's range table, then `more`.
template <class Table>
std::vector<InputRange> Ranges(const Table& table, std::initializer_list<InputRange> more = {}) {
  std::vector<InputRange> ranges;
  for (const auto& field : table) ranges.push_back(field.Range);
  ranges.insert(ranges.end(), more);
  return ranges;
}

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

}  // namespace reventa::cli
