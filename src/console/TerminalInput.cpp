#include "console/TerminalInput.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace vm {

TerminalInput::TerminalInput(int fd, int escapeTimeoutMs) : fd_(fd), escapeTimeoutMs_(escapeTimeoutMs) {}

void TerminalInput::watch(int wakeFd, std::function<void()> onWake) {
  wakeFd_ = wakeFd;
  onWake_ = std::move(onWake);
}

bool TerminalInput::fill(int timeoutMs) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!ended_) {
    int wait = -1;
    if (timeoutMs >= 0) {
      auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      if (left < 0) return false;
      wait = static_cast<int>(left);
    }
    pollfd fds[2] = {{fd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
    int r = poll(fds, wakeFd_ >= 0 ? 2 : 1, wait);
    if (r < 0) {
      if (errno == EINTR) continue;
      ended_ = true;
      break;
    }
    if (r == 0) return false;
    if (wakeFd_ >= 0 && (fds[1].revents & POLLIN)) {
      if (onWake_) onWake_();
      continue;
    }
    if (fds[0].revents == 0) continue;
    char block[4096];
    ssize_t n = read(fd_, block, sizeof block);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n <= 0) {
      ended_ = true;
      break;
    }
    if (pos_ == buffer_.size()) {
      buffer_.clear();
      pos_ = 0;
    }
    buffer_.append(block, static_cast<size_t>(n));
    return true;
  }
  return false;
}

int TerminalInput::next() {
  if (pos_ == buffer_.size() && !fill(-1)) return -1;
  return static_cast<unsigned char>(buffer_[pos_++]);
}

int TerminalInput::peekFollowing() {
  if (pos_ == buffer_.size() && !fill(escapeTimeoutMs_)) return -1;
  return static_cast<unsigned char>(buffer_[pos_]);
}

std::optional<std::string> TerminalInput::readLine() {
  std::string line;
  for (;;) {
    int b = next();
    if (b < 0) break;
    line.push_back(static_cast<char>(b));
    if (b == '\n') break;
  }
  if (line.empty()) return std::nullopt;
  return line;
}

}  // namespace vm
