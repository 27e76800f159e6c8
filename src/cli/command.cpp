// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/command.h"

#include <algorithm>
#include <cmath>

namespace reventa::cli {
namespace {

std::vector<Command>& Registry() {
  static std::vector<Command> commands;
  return commands;
}

// The key of the first figure of a result that is not a finite number, or nullptr.
const std::string* NonFiniteKey(const Json& value, const std::string& key) {
  switch (value.type()) {
    case Json::value_t::number_float:
      return std::isfinite(value.get<double>()) ? nullptr : &key;
    case Json::value_t::object:
      for (const auto& [k, item] : value.get_ref<const Json::object_t&>()) {
        if (const std::string* found = NonFiniteKey(item, k)) return found;
      }
      return nullptr;
    case Json::value_t::array:
      for (const Json& item : value.get_ref<const Json::array_t&>()) {
        if (const std::string* found = NonFiniteKey(item, key)) return found;
      }
      return nullptr;
    default:
      return nullptr;
  }
}

Json ErrorJson(std::string message) { return Json{{"error", std::move(message)}}; }

}  // namespace

Json ResultObject(std::initializer_list<std::pair<std::string_view, Json>> members) {
  Json out = Json::object();
  auto& list = static_cast<Json::object_t::Container&>(out.get_ref<Json::object_t&>());
  list.reserve(members.size());
  for (const auto& [key, value] : members) list.emplace_back(std::string(key), value);
  return out;
}

bool RegisterCommand(Command command) {
  command.inputKeys.clear();
  for (const InputRange& range : command.ranges) command.inputKeys.emplace_back(range.Key);
  command.inputKeys.insert(command.inputKeys.end(), command.otherKeys.begin(),
                           command.otherKeys.end());
  auto& commands = Registry();
  commands.push_back(std::move(command));
  std::sort(commands.begin(), commands.end(),
            [](const Command& a, const Command& b) { return a.name < b.name; });
  return true;
}

const std::vector<Command>& Commands() { return Registry(); }

const Command* FindCommand(const std::string& name) {
  for (const Command& c : Registry()) {
    if (c.name == name) return &c;
  }
  return nullptr;
}

Json RunInput(const Command& command, const Input& input) {
  Json result;
  try {
    result = command.run(input);
  } catch (const CliError& e) {
    return ErrorJson(e.what());
  } catch (const Json::exception& e) {
    return ErrorJson(std::string("bad value: ") + e.what());
  }
  // An overflow in the arithmetic is the line's error, never a figure.
  static const std::string whole = "result";
  if (const std::string* key = NonFiniteKey(result, whole)) {
    return ErrorJson(*key + ": the computation overflows");
  }
  return result;
}

Json RunObject(const Command& command, const Json& input) {
  if (!input.is_object()) return ErrorJson("expected a JSON object");
  for (const auto& [key, value] : input.items()) {
    if (std::find(command.inputKeys.begin(), command.inputKeys.end(), key) ==
        command.inputKeys.end()) {
      return ErrorJson("unknown key: " + key);
    }
  }
  return RunInput(command, Input(input));
}

Json RunLine(const Command& command, std::string_view line) {
  // The JSON reader would take a NUL as the end of the line and drop the rest.
  if (line.find('\0') != std::string_view::npos) return ErrorJson("the line holds a NUL byte");
  JsonRead read = ReadJson(line, &command.inputKeys, "line");
  if (!read.value) {
    if (read.error.empty()) return ErrorJson("not a JSON object: cannot parse the line");
    return ErrorJson(std::move(read.error));
  }
  return RunInput(command, Input(*read.value));
}

}  // namespace reventa::cli
