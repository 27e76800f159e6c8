// SPDX-License-Identifier: GPL-3.0-or-later
// What each input of a calculator accepts, written once beside its input record.
// A calculator's range table lists its inputs in the window's order: the key the
// command line and the window's field carry (the record's own name), the limits,
// the places a field takes, the window's message for a value outside, and where
// the record holds the value. The window's fields, the calculator's own check, the
// command-line reader and the fuzz targets all read the same table.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "taxyear/tax_year.h"

namespace reventa {

struct InputRange {
  const char* Key;
  double Min;
  double Max;
  // Places the window's field takes: 0 whole numbers, 2 rand and cents, 3 rates.
  int Decimals;
  // The window's message box for a typed value outside the limits. Without one
  // the field only refuses the keystroke and shows what it takes.
  const char* Title = nullptr;
  const char* Text = nullptr;
  // A day serial. Its limits are the date field's; the message for a date outside
  // them is the calculator's date rule's (it may name the other date), so the
  // range check leaves dates to that rule.
  bool Date = false;

  // False for a value outside and for NaN.
  constexpr bool Contains(double value) const { return value >= Min && value <= Max; }
  // The same range under another key (a setting that several records name).
  constexpr InputRange Named(const char* key) const {
    InputRange r = *this;
    r.Key = key;
    return r;
  }
};

// An input outside what its field accepts.
struct InputError {
  std::string Field;    // the input's key, e.g. "Salary"
  std::string Message;  // what is wrong, without the key
  // "Salary: 100000000 is outside 0 to 99999999", as the command line says it.
  std::string Text() const { return Field + ": " + Message; }
};

// "<value> is outside <min> to <max>" when the value lies outside the range.
std::optional<InputError> CheckRange(const InputRange& range, double value);

// One input of a record: its range and the member that holds it (none where the
// calculator keeps the value outside the record).
template <class Record>
struct InputField {
  InputRange Range;
  std::variant<std::monostate, double Record::*, float Record::*, std::int16_t Record::*,
               std::int32_t Record::*>
      Member{};
};

template <class Record>
using RangeTable = std::span<const InputField<Record>>;

// The value the record holds for the input (0 where the record holds none).
template <class Record>
double ValueOf(const InputField<Record>& field, const Record& record) {
  return std::visit(
      [&record](auto member) -> double {
        if constexpr (std::is_same_v<decltype(member), std::monostate>) {
          return 0;
        } else {
          return static_cast<double>(record.*member);
        }
      },
      field.Member);
}

// A 16-bit member takes the value rounded half to even (0 when it does not fit),
// a single-precision one the nearest float, a 32-bit one (a day serial) its
// whole days.
void StoreInt16(std::int16_t& target, double value);
template <class Record>
void SetValue(const InputField<Record>& field, Record& record, double value) {
  std::visit(
      [&record, value](auto member) {
        using Member = decltype(member);
        if constexpr (std::is_same_v<Member, std::int16_t Record::*>) {
          StoreInt16(record.*member, value);
        } else if constexpr (std::is_same_v<Member, float Record::*>) {
          record.*member = static_cast<float>(value);
        } else if constexpr (std::is_same_v<Member, std::int32_t Record::*>) {
          record.*member = static_cast<std::int32_t>(value);
        } else if constexpr (std::is_same_v<Member, double Record::*>) {
          record.*member = value;
        }
      },
      field.Member);
}

// The first input of the record, in the table's order, outside its range; dates
// are left to the calculator's date rule.
template <class Record>
std::optional<InputError> CheckInputs(RangeTable<Record> table, const Record& record) {
  for (const InputField<Record>& field : table) {
    if (field.Range.Date || std::holds_alternative<std::monostate>(field.Member)) continue;
    if (auto error = CheckRange(field.Range, ValueOf(field, record))) return error;
  }
  return std::nullopt;
}

// The input with the key; null when the table has none.
template <class Record>
const InputField<Record>* FindInput(RangeTable<Record> table, std::string_view key) {
  for (const InputField<Record>& field : table) {
    if (key == field.Range.Key) return &field;
  }
  return nullptr;
}

// Ages in whole years, as every tax calculator's age field takes them.
inline constexpr InputRange AgeRange{"Age", 0, 999, 0};

// A date field of the tax year, and its message for a date it refuses: the first
// day it takes (the tax year's start, or the start date for an end date) to the
// end of the tax year.
inline constexpr InputRange TaxYearDateRange{"",      TaxYearStart, TaxYearEnd, 0, "Incorrect Date",
                                             nullptr, true};
std::string TaxYearDateMessage(double firstDay = TaxYearStart);
// Any day a date field takes: 01/01/100 to 31/12/9999.
inline constexpr InputRange AnyDateRange{"", -657434, 2958465, 0, nullptr, nullptr, true};

}  // namespace reventa
