// SPDX-License-Identifier: GPL-3.0-or-later

#include "taxyear/day_serial.h"

#include <cmath>
#include <cstdio>

namespace reventa {
namespace {

// Days from 1970-01-01 to 1899-12-30, the origin of the serials.
constexpr long long SerialEpochOffset = -25569;

// Civil calendar <-> days since 1970-01-01 (proleptic Gregorian).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

CalendarDate CivilFromDays(long long z) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long y = static_cast<long long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

}  // namespace

CalendarDate DateFromSerial(double serial) {
  return CivilFromDays(static_cast<long long>(std::floor(serial)) + SerialEpochOffset);
}

double SerialFromDate(const CalendarDate& date) {
  return static_cast<double>(
      DaysFromCivil(date.year, static_cast<unsigned>(date.month), static_cast<unsigned>(date.day)) -
      SerialEpochOffset);
}

bool IsValidDate(const CalendarDate& date) {
  if (date.month < 1 || date.month > 12 || date.day < 1 || date.year < 100 || date.year > 9999) {
    return false;
  }
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
  const int last = date.month == 2 && leap ? 29 : kDays[date.month - 1];
  return date.day <= last;
}

std::string FormatDate(double serial) {
  if (serial == BlankDate) return {};
  const CalendarDate d = DateFromSerial(serial);
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", d.day, d.month, d.year);
  return buffer;
}

std::optional<double> ParseDate(std::string_view text) {
  int parts[3] = {0, 0, 0};
  int digits[3] = {0, 0, 0};
  int part = 0;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      if (digits[part] >= 4) return std::nullopt;
      parts[part] = parts[part] * 10 + (c - '0');
      ++digits[part];
    } else if (c == '/' && part < 2) {
      ++part;
    } else if (c != ' ') {
      return std::nullopt;
    }
  }
  if (part != 2 || digits[0] == 0 || digits[0] > 2 || digits[1] == 0 || digits[1] > 2 ||
      digits[2] != 4) {
    return std::nullopt;
  }
  const CalendarDate date{parts[2], parts[1], parts[0]};
  if (!IsValidDate(date)) return std::nullopt;
  return SerialFromDate(date);
}

int MonthOf(double serial) { return DateFromSerial(serial).month; }
int DayOf(double serial) { return DateFromSerial(serial).day; }

}  // namespace reventa
