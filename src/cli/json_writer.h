// SPDX-License-Identifier: GPL-3.0-or-later
// Writing results: numbers as the shortest text that reads back to the same double,
// JSON objects in one pass into a buffer, and a result value as a CSV cell's text.
#pragma once

#include <string>

#include "cli/json_line.h"

namespace reventa::cli {

// Writes a number as the shortest text that reads back to the same double; 0 for -0.
std::string FormatNumber(double value);
void AppendNumber(std::string& out, double value);
// The JSON text of a result, with numbers written as FormatNumber does.
std::string Dump(const Json& value);
void AppendJson(std::string& out, const Json& value);
// A result value as a CSV cell's text: empty for null, a text as it is, anything
// else as its JSON text.
void AppendCellText(std::string& out, const Json& value);

}  // namespace reventa::cli
