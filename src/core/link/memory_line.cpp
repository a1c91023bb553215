#include "link/memory_line.h"

namespace tpw {

std::optional<PortFailure> MemoryLine::End::open(std::string_view settings) {
  ++opens;
  // A line that went away under an open end stays away until the end is closed.
  if (lost_) return failure_;
  open_ = false;
  if (failOpens_) return failure_;
  if (!ParsePortSettings(settings)) {
    return PortFailure{1, "The settings \"" + std::string(settings) + "\" are not valid."};
  }
  settings_ = std::string(settings);
  open_ = true;
  return std::nullopt;
}

int MemoryLine::End::baud() const {
  const auto parsed = ParsePortSettings(settings_);
  return parsed ? parsed->baud : 0;
}

int MemoryLine::End::bytesWaiting() {
  if (inbox_.empty() && onIdle) onIdle();
  return static_cast<int>(inbox_.size());
}

std::optional<std::uint8_t> MemoryLine::End::readByte(std::chrono::milliseconds slice) {
  if (lost_) return std::nullopt;
  if (inbox_.empty() && onIdle) onIdle();
  if (inbox_.empty()) {
    if (onWait) onWait(slice);
    return std::nullopt;
  }
  const std::uint8_t byte = inbox_.front();
  inbox_.pop_front();
  return byte;
}

bool MemoryLine::End::write(std::span<const std::uint8_t> bytes) {
  if (!open_ || lost_) return false;
  for (std::uint8_t byte : bytes) {
    written += static_cast<char>(byte);
    line_.other(index_).deliver(byte);
  }
  return true;
}

void MemoryLine::End::deliver(std::uint8_t byte) {
  const End& sender = line_.other(index_);
  if (open_ && !lost_ && (anySpeed || sender.anySpeed || baud() == sender.baud()))
    inbox_.push_back(byte);
}

void MemoryLine::End::discardInput() {
  if (onIdle) onIdle();
  inbox_.clear();
}

}  // namespace tpw
