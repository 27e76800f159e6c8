#include "cli/command.h"

#include <algorithm>
#include <cmath>

#include "taxyear/numbers.h"

namespace reventa::cli {
namespace {

std::vector<Command>& Registry() {
  static std::vector<Command> commands;
  return commands;
}

const Json& NullJson() {
  static const Json null;
  return null;
}

}  // namespace

const Json& Input::Raw(const std::string& key) const {
  const auto it = object_.find(key);
  return it == object_.end() ? NullJson() : *it;
}

double Input::Number(const std::string& key, double defaultValue) const {
  const Json& v = Raw(key);
  if (v.is_null()) return defaultValue;
  if (!v.is_number()) throw CliError(key + ": expected a number");
  const double d = v.get<double>();
  if (!std::isfinite(d)) throw CliError(key + ": expected a finite number");
  return d;
}

double Input::Range(const std::string& key, double defaultValue, double min, double max) const {
  const double d = Number(key, defaultValue);
  if (d < min || d > max) {
    throw CliError(key + ": " + FormatNumber(d) + " is outside " + FormatNumber(min) + " to " +
                   FormatNumber(max));
  }
  return d;
}

std::int16_t Input::Int16(const std::string& key, std::int16_t defaultValue, double min,
                          double max) const {
  const double d = RoundHalfEven(Number(key, defaultValue));
  if (d < min || d > max) {
    throw CliError(key + ": " + FormatNumber(d) + " is outside " + FormatNumber(min) + " to " +
                   FormatNumber(max));
  }
  return static_cast<std::int16_t>(d);
}

bool Input::Bool(const std::string& key, bool defaultValue) const {
  const Json& v = Raw(key);
  if (v.is_null()) return defaultValue;
  if (!v.is_boolean()) throw CliError(key + ": expected true or false");
  return v.get<bool>();
}

std::string Input::Text(const std::string& key, const std::string& defaultValue) const {
  const Json& v = Raw(key);
  if (v.is_null()) return defaultValue;
  if (!v.is_string()) throw CliError(key + ": expected a text");
  return v.get<std::string>();
}

bool RegisterCommand(Command command) {
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

Json RunObject(const Command& command, const Json& input) {
  if (!input.is_object()) return Json{{"error", "expected a JSON object"}};
  for (const auto& [key, value] : input.items()) {
    if (std::find(command.inputKeys.begin(), command.inputKeys.end(), key) ==
        command.inputKeys.end()) {
      return Json{{"error", "unknown key: " + key}};
    }
  }
  try {
    return command.run(Input(input));
  } catch (const CliError& e) {
    return Json{{"error", e.what()}};
  } catch (const Json::exception& e) {
    return Json{{"error", std::string("bad value: ") + e.what()}};
  }
}

Json RunLine(const Command& command, const std::string& line) {
  Json input = Json::parse(line, nullptr, false);
  if (input.is_discarded()) return Json{{"error", "not a JSON object: cannot parse the line"}};
  return RunObject(command, input);
}

std::string FormatNumber(double value) {
  if (!std::isfinite(value)) return "null";
  return FormatShortest(value);
}

namespace {

void DumpInto(const Json& value, std::string& out) {
  switch (value.type()) {
    case Json::value_t::object: {
      out.push_back('{');
      bool first = true;
      for (const auto& [key, item] : value.items()) {
        if (!first) out.push_back(',');
        first = false;
        out += Json(key).dump();
        out.push_back(':');
        DumpInto(item, out);
      }
      out.push_back('}');
      break;
    }
    case Json::value_t::array: {
      out.push_back('[');
      bool first = true;
      for (const auto& item : value) {
        if (!first) out.push_back(',');
        first = false;
        DumpInto(item, out);
      }
      out.push_back(']');
      break;
    }
    case Json::value_t::number_float:
      out += FormatNumber(value.get<double>());
      break;
    default:
      out += value.dump();
  }
}

}  // namespace

std::string Dump(const Json& value) {
  std::string out;
  DumpInto(value, out);
  return out;
}

}  // namespace reventa::cli
