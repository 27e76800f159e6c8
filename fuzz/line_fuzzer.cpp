// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's line parser: the first byte picks the command, the rest is
// one input line exactly as the tool reads it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cli/command.h"
#include "fuzz/answer_check.h"
#include "fuzz/input_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const reventa::cli::Command& command = reventa::fuzz::LineCommand(data[0]);
  const std::string line(reinterpret_cast<const char*>(data) + 1, size - 1);
  reventa::fuzz::CheckAnswer(command, line, reventa::cli::RunLine(command, line));
  return 0;
}
