#pragma once

#include <deque>
#include <functional>
#include <string>

#include "link/serial_port.h"

namespace tpw {

// A serial line held in memory, for tests and for running the simulated radio in-process.
// Bytes written on one end arrive at the other end when it is open at the same speed; at
// another speed they are lost, as on a real line.
class MemoryLine {
 public:
  class End : public SerialPort {
   public:
    std::string name() const override { return portName; }
    std::optional<PortFailure> open(std::string_view settings) override;
    void close() override { open_ = false, lost_ = false; }
    bool isOpen() const override { return open_; }
    std::string settings() const override { return settings_; }
    std::optional<PortFailure> lost() const override {
      return lost_ ? std::optional(failure_) : std::nullopt;
    }
    int bytesWaiting() override;
    std::optional<std::uint8_t> readByte(std::chrono::milliseconds slice) override;
    bool write(std::span<const std::uint8_t> bytes) override;
    void discardInput() override;

    // Runs when a read finds nothing waiting: the other side's chance to answer.
    std::function<void()> onIdle;
    // Runs when a read still finds nothing: the time of one waiting slice passes.
    std::function<void(std::chrono::milliseconds)> onWait;
    // Makes the next opens fail with this description.
    void failOpens(PortFailure failure) { failOpens_ = true, failure_ = std::move(failure); }
    void allowOpens() { failOpens_ = false; }
    // The line goes away under the open end, as when the cable is pulled out.
    void loseLine(PortFailure failure) { lost_ = open_, failure_ = std::move(failure); }
    // What the port is called in messages.
    std::string portName = "memory line";
    // Talks with the other end whatever the speeds (a scripted radio without a speed switch).
    bool anySpeed = false;
    // Everything written on this end, in order (also what was lost on the way).
    std::string written;
    int opens = 0;

   private:
    friend class MemoryLine;
    End(MemoryLine& line, int index) : line_(line), index_(index) {}
    void deliver(std::uint8_t byte);
    int baud() const;

    MemoryLine& line_;
    int index_;
    bool open_ = false;
    bool failOpens_ = false;
    bool lost_ = false;
    std::string settings_;
    PortFailure failure_;
    std::deque<std::uint8_t> inbox_;
  };

  MemoryLine() = default;
  MemoryLine(const MemoryLine&) = delete;
  MemoryLine& operator=(const MemoryLine&) = delete;

  End& pc() { return pc_; }
  End& radio() { return radio_; }

 private:
  End& other(int index) { return index == 0 ? radio_ : pc_; }

  End pc_{*this, 0};
  End radio_{*this, 1};
};

}  // namespace tpw
