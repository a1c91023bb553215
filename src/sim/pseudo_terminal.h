#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace tpw::sim {

// The master side of a POSIX pseudo-terminal; programs open its slave path as a serial port.
// The slave is kept open here too, in raw mode, so the line survives the program closing it.
class PseudoTerminal {
 public:
  PseudoTerminal();
  ~PseudoTerminal();
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  const std::string& path() const { return path_; }
  // Waits at most `timeout` for bytes from the program; empty when none came.
  std::string read(std::chrono::milliseconds timeout);
  void write(const std::string& bytes);
  // Closes the terminal, as a radio switched off or a cable pulled out: the program on the
  // other side sees its line hang up. Reads then wait and bring nothing; writes go nowhere.
  void hangUp();

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string path_;
};

// Blocks SIGINT and SIGTERM for its lifetime, so that a stop request can be noticed between
// reads and the memory saved before the program ends.
class StopRequest {
 public:
  StopRequest();
  ~StopRequest();
  StopRequest(const StopRequest&) = delete;
  StopRequest& operator=(const StopRequest&) = delete;
  bool requested() const;

 private:
  struct Masks;
  std::unique_ptr<Masks> masks_;
};

}  // namespace tpw::sim
