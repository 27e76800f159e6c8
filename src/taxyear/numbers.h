// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one rounding helper, integer part, reading a typed number and the
// display patterns. Amounts stay unrounded in calculations; these are the only
// places rounding happens, and each caller names which one it uses.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace reventa {

// Rounds half to even (64.5 -> 64, 65.5 -> 66), as every whole-number conversion does.
double RoundHalfEven(double value);

// Largest whole number not above the value (the integer part as the tax rules use it).
double IntPart(double value);

// A 16-bit whole number from a double, rounding half to even; empty when the value
// does not fit (or is not a number), so a caller can refuse it instead of overflowing.
std::optional<std::int16_t> ToInt16(double value);

// The leading number of a typed text: blanks anywhere are skipped (so "1 234.50"
// reads 1234.5, which is how amounts with space thousands separators read back),
// then an optional sign, digits and one decimal point. 0 when there is no number.
double LeadingNumber(std::string_view text);

// An amount with a space between thousands and the given number of decimals,
// rounded half to even: FormatAmount(1234567.891, 2) is "1 234 567.89". This is
// the "# ### ### ###.00" pattern with a leading zero kept ("0.50").
std::string FormatAmount(double value, int decimals = 2);

// Shortest text that reads back to the same double ("0.1", "117507", "23.5014").
std::string FormatShortest(double value);
// Appends the same text as FormatShortest for a finite value, with 0 for -0: how
// the command-line tool and the payroll export write figures. Amounts of whole
// cents, the most common figures, take a short path of their own.
void AppendShortest(std::string& out, double value);

}  // namespace reventa
