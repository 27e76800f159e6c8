// SPDX-License-Identifier: GPL-3.0-or-later
// A file descriptor read line by line in large blocks: the tool's standard input,
// or a payroll file the window opens.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "taxyear/csv.h"

namespace reventa {

class LineReader final : public LineSource {
 public:
  // `beforeWait` runs before every read of the descriptor (the tool writes out
  // its answers then, so a script that writes a line and waits gets its answer).
  explicit LineReader(int fd, std::function<void()> beforeWait = {});

  // The next line without its line feed; false at the end of the input or on a
  // read error. The text stays valid until the next call.
  bool Next(std::string_view& line) override;

  // The errno of a failed read, 0 when the input was read to its end.
  int Error() const { return error_; }
  // The bytes read from the descriptor so far, for a progress bar over a file.
  std::uint64_t BytesRead() const { return bytesRead_; }

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
  std::uint64_t bytesRead_ = 0;
};

}  // namespace reventa
