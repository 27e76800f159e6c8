// SPDX-License-Identifier: GPL-3.0-or-later

#include "taxyear/csv_cell.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "taxyear/numbers.h"

namespace reventa {
namespace {

// A message for a value that fails; out of line, as values seldom fail.
[[gnu::noinline, gnu::cold]] bool Fail(std::string& message, std::string_view key,
                                       std::string_view what) {
  message.assign(key);
  message += ": ";
  message.append(what);
  return false;
}

[[gnu::noinline, gnu::cold]] bool FailOutside(std::string& message, const InputRange& range,
                                              double value) {
  message = CheckRange(range, value)->Text();
  return false;
}

[[gnu::noinline, gnu::cold]] bool FailPartDay(std::string& message, const InputRange& range,
                                              double value) {
  std::string what;
  AppendShortest(what, value);
  what += " is not a whole day";
  return Fail(message, range.Key, what);
}

[[gnu::noinline, gnu::cold]] double HugeOrTiny(std::string_view cell) {
  return std::strtod(std::string(cell).c_str(), nullptr);
}

// The steps of reading a cell, inlined into each reader: a payroll file reads
// every cell through them.
[[gnu::always_inline]] inline bool JsonNumber(std::string_view text) {
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

enum class NumberText { Read, NotANumber, OutOfRange };

[[gnu::always_inline]] inline NumberText ParseNumber(std::string_view cell, double& value) {
  double d = 0;
  const auto [end, ec] = std::from_chars(cell.data(), cell.data() + cell.size(), d);
  if (ec == std::errc::result_out_of_range) {
    // Too large overflows; too small reads as the nearest double (0 or a
    // subnormal), as it does in a JSON line.
    d = HugeOrTiny(cell);
  } else if (ec != std::errc() || end != cell.data() + cell.size()) {
    return NumberText::NotANumber;
  }
  if (!std::isfinite(d)) return NumberText::OutOfRange;
  // JSON reads "-0" as the integer 0; a typed -0 is 0 whichever way it comes.
  value = d == 0 ? 0.0 : d;
  return NumberText::Read;
}

[[gnu::always_inline]] inline bool FailText(NumberText read, std::string& message,
                                            const char* key) {
  return Fail(message, key,
              read == NumberText::OutOfRange ? "the number is out of range" : "expected a number");
}

[[gnu::always_inline]] inline bool Check(const InputRange& range, Held held, double& value,
                                         std::string& message) {
  double d = value;
  // Adding 0 turns a -0 rounded from a small negative value into 0.
  if (held == Held::Int16) d = RoundHalfEven(d) + 0.0;
  if (!range.Date || held == Held::DaySerial) {
    if (!range.Contains(d)) return FailOutside(message, range, d);
    if (held == Held::DaySerial && IntPart(d) != d) return FailPartDay(message, range, d);
  }
  value = d;
  return true;
}

}  // namespace

bool IsJsonNumber(std::string_view text) { return JsonNumber(text); }

std::string OutOfRange(std::string_view key) {
  std::string message;
  Fail(message, key, "the number is out of range");
  return message;
}

bool ReadCellNumber(const char* key, std::string_view cell, double& value, std::string& message) {
  const NumberText read = ParseNumber(cell, value);
  return read == NumberText::Read || FailText(read, message, key);
}

bool CheckHeldNumber(const InputRange& range, Held held, double& value, std::string& message) {
  return Check(range, held, value, message);
}

bool ReadInputCell(const InputRange& range, Held held, std::string_view cell, double& value,
                   std::string& message) {
  if (!JsonNumber(cell)) return FailText(NumberText::NotANumber, message, range.Key);
  double d = 0;
  if (const NumberText read = ParseNumber(cell, d); read != NumberText::Read) {
    return FailText(read, message, range.Key);
  }
  if (!Check(range, held, d, message)) return false;
  value = d;
  return true;
}

}  // namespace reventa
