// SPDX-License-Identifier: GPL-3.0-or-later

#include "taxyear/line_reader.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace reventa {

namespace {
constexpr std::size_t ReadSize = 1 << 16;
}  // namespace

LineReader::LineReader(int fd, std::function<void()> beforeWait)
    : fd_(fd), beforeWait_(std::move(beforeWait)), buffer_(ReadSize) {}

bool LineReader::Fill() {
  if (atEnd_) return false;
  // Keep the unfinished line at the front; grow the buffer for a line longer
  // than it.
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (buffer_.size() - end_ < ReadSize / 2) buffer_.resize(buffer_.size() * 2);
  if (beforeWait_) beforeWait_();
  for (;;) {
    const ssize_t n = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
    if (n > 0) {
      end_ += static_cast<std::size_t>(n);
      bytesRead_ += static_cast<std::uint64_t>(n);
      return true;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) error_ = errno;
    atEnd_ = true;
    return false;
  }
}

bool LineReader::Next(std::string_view& line) {
  std::size_t searched = begin_;
  for (;;) {
    const void* found = std::memchr(buffer_.data() + searched, '\n', end_ - searched);
    if (found != nullptr) {
      const std::size_t at =
          static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.data());
      line = std::string_view(buffer_.data() + begin_, at - begin_);
      begin_ = at + 1;
      return true;
    }
    const std::size_t partial = end_ - begin_;
    if (!Fill()) {
      if (error_ != 0 || end_ == begin_) return false;
      // The last line of an input that does not end with a line feed.
      line = std::string_view(buffer_.data() + begin_, end_ - begin_);
      begin_ = end_;
      return true;
    }
    searched = begin_ + partial;
  }
}

}  // namespace reventa
