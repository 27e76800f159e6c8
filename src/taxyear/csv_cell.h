// SPDX-License-Identifier: GPL-3.0-or-later
// A CSV cell read as the number of a calculator's input, with the message that
// names the key of a wrong value. The command-line tool and the payroll batch
// window read every cell through these, so a cell gives the same figure or the
// same message in both.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "taxyear/input_range.h"

namespace reventa {

// How a record holds a number: as it is (a double or a float), as a 16-bit whole
// number, or as a day serial in 32 bits.
enum class Held { AsIs, Int16, DaySerial };

template <class Record>
Held HeldOf(const InputField<Record>& field) {
  if (std::holds_alternative<std::int16_t Record::*>(field.Member)) return Held::Int16;
  if (std::holds_alternative<std::int32_t Record::*>(field.Member)) return Held::DaySerial;
  return Held::AsIs;
}

// A cell holding a number in JSON's own notation (so that a cell and a JSON line
// accept the same numbers): an optional minus, no leading zeros, no plus sign.
bool IsJsonNumber(std::string_view text);

// "<key>: the number is out of range": a number beyond the range of a double.
std::string OutOfRange(std::string_view key);

// Each reader below returns true with the number in `value`, or false with the
// message that names the key in `message` (and `value` as it was); a message is
// only made for a value that fails, which keeps a payroll of 100 000 rows fast.

// Reads a cell that IsJsonNumber accepts, correctly rounded as the JSON reader
// rounds it (too small a number reads as 0 or a subnormal); -0 reads as 0. Fails
// for a cell that is no number and for one beyond the range of a double.
bool ReadCellNumber(const char* key, std::string_view cell, double& value, std::string& message);

// The checks of a number given for an input, however it came: a 16-bit whole
// number is rounded half to even first; then the range, except for a date, which
// is left to the calculator's date rule unless the record holds it as a day
// serial, which must also be a whole day. `value` becomes the number as the
// record takes it.
bool CheckHeldNumber(const InputRange& range, Held held, double& value, std::string& message);

// A non-empty cell of an input: IsJsonNumber, ReadCellNumber, then CheckHeldNumber.
bool ReadInputCell(const InputRange& range, Held held, std::string_view cell, double& value,
                   std::string& message);

}  // namespace reventa
