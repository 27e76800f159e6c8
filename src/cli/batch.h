// SPDX-License-Identifier: GPL-3.0-or-later
// The two ways the tool runs a calculator over its standard input: JSON lines and
// CSV rows. Both read the values through the same Input checks and write the
// figures with the same number writer, so they give the same answers.
#pragma once

#include "cli/command.h"
#include "cli/stream_io.h"
#include "taxyear/line_reader.h"

namespace reventa::cli {

// The exit statuses of the tool.
enum ExitStatus : int {
  ExitDone = 0,            // the input was read to its end (error lines included)
  ExitUsage = 2,           // an unknown or missing name, or an unknown option
  ExitInputOutput = 3,     // standard input could not be read or the output written
  ExitUnusableHeader = 4,  // the CSV header cannot be used (a repeated column ...)
};

// One answer line for every input line that is not blank.
void RunJsonLines(const Command& command, LineReader& in, Output& out);

// A header row of input keys, then one answer row for every row. Returns
// ExitUnusableHeader after one message on standard error for a header that cannot
// be used, and writes nothing then; otherwise ExitDone. Columns named like the
// command's results or its error column (an earlier run's answers) are not
// written back: the fresh answers take their place, so a run over its own output
// gives the same file, and a row that gives no input but figures in those columns
// (the totals row of an exported payroll) keeps its figures.
int RunCsv(const Command& command, LineReader& in, Output& out);

}  // namespace reventa::cli
