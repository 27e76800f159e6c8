// SPDX-License-Identifier: GPL-3.0-or-later

#include "taxyear/csv_cell.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "taxyear/numbers.h"

namespace reventa {
namespace {

std::string Fault(std::string_view key, std::string_view what) {
  std::string message;
  message.reserve(key.size() + 2 + what.size());
  message.append(key);
  message += ": ";
  message.append(what);
  return message;
}

}  // namespace

bool IsJsonNumber(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  auto digits = [&] {
    const std::size_t from = i;
    while (i < n && text[i] >= '0' && text[i] <= '9') ++i;
    return i > from;
  };
  if (i < n && text[i] == '-') ++i;
  if (i < n && text[i] == '0') {
    ++i;
  } else if (!digits()) {
    return false;
  }
  if (i < n && text[i] == '.') {
    ++i;
    if (!digits()) return false;
  }
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    if (!digits()) return false;
  }
  return i == n;
}

std::string OutOfRange(std::string_view key) { return Fault(key, "the number is out of range"); }

std::string ReadCellNumber(std::string_view key, std::string_view cell, double& value) {
  double d = 0;
  const auto [end, ec] = std::from_chars(cell.data(), cell.data() + cell.size(), d);
  if (ec == std::errc::result_out_of_range) {
    // Too large overflows; too small reads as the nearest double (0 or a
    // subnormal), as it does in a JSON line.
    d = std::strtod(std::string(cell).c_str(), nullptr);
  } else if (ec != std::errc() || end != cell.data() + cell.size()) {
    return Fault(key, "expected a number");
  }
  if (!std::isfinite(d)) return OutOfRange(key);
  // JSON reads "-0" as the integer 0; a typed -0 is 0 whichever way it comes.
  value = d == 0 ? 0.0 : d;
  return {};
}

std::string CheckHeldNumber(const InputRange& range, Held held, double& value) {
  double d = value;
  // Adding 0 turns a -0 rounded from a small negative value into 0.
  if (held == Held::Int16) d = RoundHalfEven(d) + 0.0;
  if (!range.Date || held == Held::DaySerial) {
    if (!range.Contains(d)) return CheckRange(range, d)->Text();
    if (held == Held::DaySerial && IntPart(d) != d) {
      std::string what;
      AppendShortest(what, d);
      what += " is not a whole day";
      return Fault(range.Key, what);
    }
  }
  value = d;
  return {};
}

std::string ReadInputCell(const InputRange& range, Held held, std::string_view cell,
                          double& value) {
  if (!IsJsonNumber(cell)) return Fault(range.Key, "expected a number");
  double d = 0;
  if (std::string e = ReadCellNumber(range.Key, cell, d); !e.empty()) return e;
  if (std::string e = CheckHeldNumber(range, held, d); !e.empty()) return e;
  value = d;
  return {};
}

}  // namespace reventa
