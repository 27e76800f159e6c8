// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "taxyear/numbers.h"

namespace reventa::cli {

void AppendNumber(std::string& out, double value) {
  if (!std::isfinite(value)) {
    out += "null";
    return;
  }
  AppendShortest(out, value);
}

std::string FormatNumber(double value) {
  std::string out;
  AppendNumber(out, value);
  return out;
}

namespace {

void AppendJsonString(std::string& out, std::string_view text) {
  static constexpr char Hex[] = "0123456789abcdef";
  out.push_back('"');
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out.push_back('\\');
      out.push_back(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\r') {
      out += "\\r";
    } else if (u < 0x20) {
      out += "\\u00";
      out.push_back(Hex[u >> 4]);
      out.push_back(Hex[u & 15]);
    } else {
      out.push_back(c);
    }
  }
  out.push_back('"');
}

template <typename Integer>
void AppendInteger(std::string& out, Integer value) {
  char buffer[24];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, ec == std::errc() ? end : buffer);
}

}  // namespace

void AppendJson(std::string& out, const Json& value) {
  switch (value.type()) {
    case Json::value_t::object: {
      out.push_back('{');
      bool first = true;
      for (const auto& [key, item] : value.items()) {
        if (!first) out.push_back(',');
        first = false;
        AppendJsonString(out, key);
        out.push_back(':');
        AppendJson(out, item);
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
        AppendJson(out, item);
      }
      out.push_back(']');
      break;
    }
    case Json::value_t::number_float:
      AppendNumber(out, value.get<double>());
      break;
    case Json::value_t::number_integer:
      AppendInteger(out, value.get<std::int64_t>());
      break;
    case Json::value_t::number_unsigned:
      AppendInteger(out, value.get<std::uint64_t>());
      break;
    case Json::value_t::string:
      AppendJsonString(out, value.get_ref<const std::string&>());
      break;
    case Json::value_t::boolean:
      out += value.get<bool>() ? "true" : "false";
      break;
    default:
      out += "null";
  }
}

std::string Dump(const Json& value) {
  std::string out;
  AppendJson(out, value);
  return out;
}

void AppendCellText(std::string& out, const Json& value) {
  if (value.is_null()) return;
  if (value.is_string()) {
    out += value.get_ref<const std::string&>();
  } else {
    AppendJson(out, value);
  }
}

}  // namespace reventa::cli
