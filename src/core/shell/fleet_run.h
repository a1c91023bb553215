#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "link/transfer_messages.h"
#include "shell/fleet_plan.h"
#include "shell/transfer_safety_net.h"

// Programming a fleet: the same data set into every radio of a plan at the same time, each on
// its own port and its own thread, each with its own ATIS code, backups and trace. One radio's
// failure never stops the others.
namespace tpw {

// Where a radio's write has got to.
enum class RadioStage { Starting, ReadingFirst, Writing, Verifying, Ended };

struct RadioProgress {
  RadioStage stage = RadioStage::Starting;
  int percent = 0;
};

// How a radio's write ended.
enum class RadioEnd {
  Verified,        // written, and the radio holds what was written
  NotVerified,     // written, but the radio holds other settings (differences)
  Written,         // written, not read back
  NothingWritten,  // failed or cancelled before anything was written
  PartlyWritten,   // stopped after some of it: the radio must be programmed again
};

struct RadioReport {
  FleetRadio radio;
  RadioEnd end = RadioEnd::NothingWritten;
  bool cancelled = false;
  std::vector<std::string> differences;
  // The ATIS code the radio holds now: its digits, empty for none; unknown when the write
  // stopped before it could be known.
  std::optional<std::string> atisCode;
  std::string backup;  // the backup kept of this radio, if any
  // What the transfer told, in its words, for the user to read after the summary.
  std::vector<Message> messages;
};

// A thread of its own for one radio; its handle waits for it when it is destroyed. The
// command line starts threads on which its serial ports work.
class RadioThread {
 public:
  virtual ~RadioThread() = default;
};
using ThreadStarter = std::function<std::unique_ptr<RadioThread>(std::function<void()>)>;
// A thread of the standard library.
std::unique_ptr<RadioThread> StartStandardThread(std::function<void()> work);

struct FleetServices {
  // Makes the port of a radio; called on that radio's thread.
  std::function<std::unique_ptr<SerialPort>(const std::string&)> makePort;
  ThreadStarter startThread = StartStandardThread;
  // Asks the questions of every radio, one at a time, under questionLock().
  Prompter& questions;
  FileSystem& files;
  Diagnostics& diagnostics;
  SafetyNet net;  // each radio's backups and trace, with a clock shared under a lock
};

class FleetRun {
 public:
  FleetRun(std::vector<FleetRadio> radios, const Workspace& dataSet, FleetServices services);
  ~FleetRun();
  FleetRun(const FleetRun&) = delete;
  FleetRun& operator=(const FleetRun&) = delete;

  void start();
  bool finished() const;
  // Every radio stops at its next wait; what it left is reported as usual.
  void cancel();
  std::vector<RadioProgress> progress() const;
  // Held while a question is asked: whoever draws the progress on the same terminal waits.
  std::mutex& questionLock() { return questionLock_; }
  // Once finished: one report a radio, in the plan's order.
  std::vector<RadioReport> reports();

 private:
  class RadioJob;

  const Workspace& dataSet_;
  FleetServices services_;
  std::vector<std::unique_ptr<RadioJob>> jobs_;
  std::vector<std::unique_ptr<RadioThread>> threads_;
  std::atomic<int> cancels_{0};
  std::mutex questionLock_;
  std::mutex clockLock_;
};

// The workspace a radio is programmed from: the data set, with the radio's own ATIS code
// when the plan gives one.
Workspace RadioDataSet(const Workspace& dataSet, const FleetRadio& radio);

}  // namespace tpw
