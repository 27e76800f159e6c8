// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzz/answer_check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace reventa::fuzz {
namespace {

using cli::Json;

// Walks a result value; the pointer names where a bad figure sits.
std::optional<std::string> FigureFault(const Json& value, const std::string& pointer) {
  switch (value.type()) {
    case Json::value_t::object:
      for (const auto& [key, item] : value.items()) {
        if (auto fault = FigureFault(item, pointer + "/" + key)) return fault;
      }
      return std::nullopt;
    case Json::value_t::array:
      for (std::size_t i = 0; i < value.size(); ++i) {
        if (auto fault = FigureFault(value[i], pointer + "/" + std::to_string(i))) return fault;
      }
      return std::nullopt;
    case Json::value_t::number_float: {
      const double d = value.get<double>();
      if (std::isnan(d)) return pointer + " is NaN";
      if (std::isinf(d)) return pointer + " is infinite";
      if (cli::FormatNumber(d) == "-0") return pointer + " prints as -0";
      return std::nullopt;
    }
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<std::string> AnswerFault(const cli::Command& command, const Json& answer) {
  if (!answer.is_object()) return "the answer is not an object: " + cli::Dump(answer);
  if (const auto error = answer.find("error"); error != answer.end()) {
    if (!error->is_string() || error->get<std::string>().empty()) {
      return "the error is not a text: " + cli::Dump(*error);
    }
    for (const auto& [key, value] : answer.items()) {
      if (key == "error") continue;
      if (key != "NoResult" || value != Json(true)) {
        return "an error line also holds " + key + ": " + cli::Dump(value);
      }
    }
    return std::nullopt;
  }
  for (const auto& [key, value] : answer.items()) {
    const auto& keys = command.resultKeys;
    if (std::find(keys.begin(), keys.end(), key) == keys.end()) {
      return "the answer holds " + key + ", which is no result key";
    }
  }
  return FigureFault(answer, "");
}

std::string Printable(const std::string& line) {
  return Json(line).dump(-1, ' ', false, Json::error_handler_t::replace);
}

void CheckAnswer(const cli::Command& command, const std::string& line, const Json& answer) {
  const auto fault = AnswerFault(command, answer);
  if (!fault) return;
  std::fprintf(stderr, "\n== reventa-calc %s: %s\n== line (as a JSON text): %s\n== answer: %s\n",
               command.name.c_str(), fault->c_str(), Printable(line).c_str(),
               cli::Dump(answer).c_str());
  std::fflush(stderr);
  std::abort();
}

}  // namespace reventa::fuzz
