// SPDX-License-Identifier: GPL-3.0-or-later
// Standard output as one buffer, for the tool's runs. The output is written out
// when the input (a LineReader) has nothing more waiting (before a read that may
// block), so a script that writes one line and waits gets its answer at once,
// while a file of a whole payroll is written in large blocks.
#pragma once

#include <cstddef>
#include <string>

namespace reventa::cli {

// A buffered writer to a file descriptor that remembers the first failed write.
class Output {
 public:
  explicit Output(int fd) : fd_(fd) {}

  // The text still to be written; append to it.
  std::string& Buffer() { return buffer_; }
  // Writes the buffer out when it has grown large.
  void FlushIfFull() {
    if (buffer_.size() >= FullSize) Flush();
  }
  // Writes the whole buffer; false when a write failed (now or before).
  bool Flush();
  bool Failed() const { return error_ != 0; }
  // The errno of the failed write.
  int Error() const { return error_; }

 private:
  static constexpr std::size_t FullSize = 1 << 16;

  int fd_;
  std::string buffer_;
  int error_ = 0;
};

}  // namespace reventa::cli
