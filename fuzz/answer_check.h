// SPDX-License-Identifier: GPL-3.0-or-later
// What every answer of the command-line tool must be, whatever the input: an
// object that is either an error line with its text, or results with only the
// command's result keys and every figure a finite number that prints as a number.
#pragma once

#include <optional>
#include <string>

#include "cli/command.h"

namespace reventa::fuzz {

// The first broken rule of the answer, in words, or nothing for a sound answer.
std::optional<std::string> AnswerFault(const cli::Command& command, const cli::Json& answer);

// Stops the run (libFuzzer then keeps the input) when the answer is not sound,
// printing the fault and a command line that repeats it.
void CheckAnswer(const cli::Command& command, const std::string& line, const cli::Json& answer);

// The JSON text of a line as a shell would echo it: invalid UTF-8 and control
// bytes escaped so that the report stays readable.
std::string Printable(const std::string& line);

}  // namespace reventa::fuzz
