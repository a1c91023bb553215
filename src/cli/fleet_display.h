#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "shell/fleet_run.h"

namespace tpw::cli {

// One progress line per radio of a fleet. On a terminal the lines stand in a block that is
// drawn again in place; elsewhere (a log, a pipe) a radio gets a line whenever its stage
// changes.
class FleetDisplay {
 public:
  FleetDisplay(std::ostream& err, bool terminal, std::vector<std::string> names);
  void show(const std::vector<RadioProgress>& progress);
  // Something else was printed below the block: the next show starts a new one.
  void interrupted() { drawn_ = false; }

 private:
  std::string line(std::size_t radio, const RadioProgress& progress) const;

  std::ostream& err_;
  bool terminal_;
  std::vector<std::string> names_;
  std::size_t nameWidth_ = 0;
  std::vector<RadioProgress> shown_;
  bool drawn_ = false;
};

// "writing", "reading first", ...
std::string RadioStageName(RadioStage stage);

}  // namespace tpw::cli
