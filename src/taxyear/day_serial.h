// SPDX-License-Identifier: GPL-3.0-or-later
// Dates as day serial numbers counted from 30 December 1899 (44986 is 1 March 2023),
// shown as dd/mm/yyyy. A date field that holds no date yields BlankDate.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace reventa {

inline constexpr double BlankDate = -693959;

struct CalendarDate {
  int year = 1899;
  int month = 12;  // 1..12
  int day = 30;    // 1..31
  friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

CalendarDate DateFromSerial(double serial);  // the whole-day part of the serial
double SerialFromDate(const CalendarDate& date);
bool IsValidDate(const CalendarDate& date);

// "dd/mm/yyyy"; the blank date gives an empty text.
std::string FormatDate(double serial);
// Reads "d/m/yyyy" or "dd/mm/yyyy" (a four-digit year is required); empty when the
// text is not a valid calendar date.
std::optional<double> ParseDate(std::string_view text);

int MonthOf(double serial);
int DayOf(double serial);

}  // namespace reventa
