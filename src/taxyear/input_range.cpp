// SPDX-License-Identifier: GPL-3.0-or-later

#include "taxyear/input_range.h"

#include "taxyear/day_serial.h"
#include "taxyear/numbers.h"

namespace reventa {

std::optional<InputError> CheckRange(const InputRange& range, double value) {
  if (range.Contains(value)) return std::nullopt;
  return InputError{range.Key, FormatShortest(value) + " is outside " + FormatShortest(range.Min) +
                                   " to " + FormatShortest(range.Max)};
}

std::string TaxYearDateMessage(double firstDay) {
  return "The date entered is not correct please enter a date between " + FormatDate(firstDay) +
         " and " + FormatDate(TaxYearEnd);
}

void StoreInt16(std::int16_t& target, double value) { target = ToInt16(value).value_or(0); }

}  // namespace reventa
