// SPDX-License-Identifier: GPL-3.0-or-later
// One calculator's input record made from the fuzzer's bytes and run through the
// tool's own validation and computation. Each target's build names its command
// in RecordCommand.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "cli/command.h"
#include "fuzz/answer_check.h"
#include "fuzz/input_record.h"

namespace reventa::fuzz {
extern const char* const RecordCommand;
}  // namespace reventa::fuzz

namespace {

const reventa::cli::Command& TheCommand() {
  static const reventa::cli::Command* command = [] {
    const reventa::cli::Command* c = reventa::cli::FindCommand(reventa::fuzz::RecordCommand);
    if (c == nullptr) {
      std::fprintf(stderr, "reventa-calc has no command %s\n", reventa::fuzz::RecordCommand);
      std::abort();
    }
    return c;
  }();
  return *command;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const reventa::cli::Command& command = TheCommand();
  const reventa::cli::Json input = reventa::fuzz::DecodeRecord(command, std::span(data, size));
  const reventa::cli::Json answer = reventa::cli::RunObject(command, input);
  if (reventa::fuzz::AnswerFault(command, answer)) {
    reventa::fuzz::CheckAnswer(
        command, input.dump(-1, ' ', false, reventa::cli::Json::error_handler_t::replace), answer);
  }
  return 0;
}
