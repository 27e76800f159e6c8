// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/stream_io.h"

#include <unistd.h>

#include <cerrno>

namespace reventa::cli {

bool Output::Flush() {
  std::size_t done = 0;
  while (error_ == 0 && done < buffer_.size()) {
    const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (n == 0) {
      error_ = EIO;  // a descriptor that takes nothing would be retried for ever
    } else if (errno != EINTR) {
      error_ = errno;
    }
  }
  buffer_.clear();
  return error_ == 0;
}

}  // namespace reventa::cli
