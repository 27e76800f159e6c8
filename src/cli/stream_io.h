// SPDX-License-Identifier: GPL-3.0-or-later
// Standard input as lines and standard output as one buffer, for the tool's runs.
// The output is written out when the input has nothing more waiting (before a read
// that may block), so a script that writes one line and waits gets its answer at
// once, while a file of a whole payroll is written in large blocks.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace reventa::cli {

// Reads a file descriptor line by line.
class LineReader {
 public:
  // `beforeWait` runs before every read of the descriptor.
  LineReader(int fd, std::function<void()> beforeWait);

  // The next line without its line feed; false at the end of the input or on a
  // read error. The text stays valid until the next call.
  bool Next(std::string_view& line);

  // The errno of a failed read, 0 when the input was read to its end.
  int Error() const { return error_; }

 private:
  // Reads more into the buffer; false at the end of the input or on an error.
  bool Fill();

  int fd_;
  std::function<void()> beforeWait_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;  // the unread text is [begin_, end_)
  std::size_t end_ = 0;
  bool atEnd_ = false;
  int error_ = 0;
};

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
