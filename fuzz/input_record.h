// SPDX-License-Identifier: GPL-3.0-or-later
// A calculator's input record built from a fuzzer's bytes. Each input key of the
// command, in the command's order, takes one choice byte and its payload: left out
// (the window's start value), a value inside the field's range, a small whole
// number, a value just around the range, an extreme (1e308, -0, the smallest
// double, 2^52 ...), an exact double, or a value of the wrong type. Bytes that run
// out leave the remaining keys out, so the empty input is the freshly opened
// window. Every record can be written back to bytes, which is how the worked
// cases become seeds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "cli/command.h"

namespace reventa::fuzz {

// The input object the bytes describe for the command.
cli::Json DecodeRecord(const cli::Command& command, std::span<const std::uint8_t> bytes);

// The bytes that decode to the input object, or nothing when the object holds a
// key the command does not take or a value no choice can express.
std::optional<std::string> EncodeRecord(const cli::Command& command, const cli::Json& input);

// The command-line target's inputs: the first byte picks the command (among the
// commands in name order, wrapping round), the rest is the line.
const cli::Command& LineCommand(std::uint8_t selector);
std::string EncodeLine(const cli::Command& command, const std::string& line);

}  // namespace reventa::fuzz
