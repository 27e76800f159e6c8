// SPDX-License-Identifier: GPL-3.0-or-later

#include "taxyear/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace reventa {

double RoundHalfEven(double value) { return std::nearbyint(value); }

double IntPart(double value) { return std::floor(value); }

std::optional<std::int16_t> ToInt16(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double r = RoundHalfEven(value);
  if (r < std::numeric_limits<std::int16_t>::min() ||
      r > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(r);
}

double LeadingNumber(std::string_view text) {
  std::string compact;
  compact.reserve(text.size());
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n' && c != '\r') compact.push_back(c);
  }
  std::size_t i = 0;
  bool negative = false;
  if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) {
    negative = compact[i] == '-';
    ++i;
  }
  const std::size_t start = i;
  bool seenPoint = false;
  bool seenDigit = false;
  while (i < compact.size()) {
    const char c = compact[i];
    if (c >= '0' && c <= '9') {
      seenDigit = true;
    } else if (c == '.' && !seenPoint) {
      seenPoint = true;
    } else {
      break;
    }
    ++i;
  }
  if (!seenDigit) return 0;
  double value = 0;
  const std::string number = compact.substr(start, i - start);
  std::from_chars(number.data(), number.data() + number.size(), value);
  return negative ? -value : value;
}

std::string FormatAmount(double value, int decimals) {
  if (!std::isfinite(value)) return "0";
  const double scale = std::pow(10.0, decimals);
  double rounded = RoundHalfEven(value * scale) / scale;
  if (rounded == 0) rounded = 0;  // no "-0.00"
  // Always a decimal point: std::to_chars ignores the C locale, which a Qt
  // application sets from the environment (a decimal comma under de_DE).
  char buffer[400];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(rounded),
                                       std::chars_format::fixed, decimals);
  if (ec != std::errc()) return "0";
  const std::string digits(buffer, end);
  const std::size_t point = digits.find('.');
  std::string whole = digits.substr(0, point);
  const std::string fraction = point == std::string::npos ? "" : digits.substr(point);
  std::string grouped;
  const int n = static_cast<int>(whole.size());
  for (int k = 0; k < n; ++k) {
    grouped.push_back(whole[static_cast<std::size_t>(k)]);
    const int left = n - k - 1;
    if (left > 0 && left % 3 == 0) grouped.push_back(' ');
  }
  return (rounded < 0 ? "-" : "") + grouped + fraction;
}

std::string FormatShortest(double value) {
  char buffer[400];
  // Plain decimals for the amounts people read (500000, not 5e+05); the
  // exponent form only for values far outside any amount.
  const double magnitude = std::fabs(value);
  const bool plain = magnitude == 0 || (magnitude >= 1e-6 && magnitude < 1e21);
  const auto [end, ec] =
      plain ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
            : std::to_chars(buffer, buffer + sizeof buffer, value);
  if (ec != std::errc()) return "0";
  return std::string(buffer, end);
}

namespace {

// Amounts in rand and cents written without the general shortest-text search: a
// value that is exactly the double of a whole number of cents below 10^13 has that
// decimal as its shortest text, since no other decimal of two places lies within
// half a unit of its last place there. False for others.
bool AppendCents(std::string& out, double value) {
  if (!(std::fabs(value) < 1e13)) return false;
  const double cents = std::nearbyint(value * 100);
  if (cents / 100 != value) return false;
  auto whole = static_cast<std::int64_t>(cents);
  if (whole < 0) {
    out.push_back('-');
    whole = -whole;
  }
  char buffer[24];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, whole / 100);
  out.append(buffer, ec == std::errc() ? end : buffer);
  const int fraction = static_cast<int>(whole % 100);
  if (fraction != 0) {
    out.push_back('.');
    out.push_back(static_cast<char>('0' + fraction / 10));
    if (fraction % 10 != 0) out.push_back(static_cast<char>('0' + fraction % 10));
  }
  return true;
}

}  // namespace

void AppendShortest(std::string& out, double value) {
  if (value == 0) value = 0;  // no "-0"
  if (AppendCents(out, value)) return;
  char buffer[400];
  const double magnitude = std::fabs(value);
  const bool plain = magnitude >= 1e-6 && magnitude < 1e21;
  const auto [end, ec] =
      plain ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
            : std::to_chars(buffer, buffer + sizeof buffer, value);
  if (ec != std::errc()) {
    out.push_back('0');
    return;
  }
  out.append(buffer, end);
}

}  // namespace reventa
