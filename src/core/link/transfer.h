#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "image/memory_image.h"
#include "link/link_failure.h"
#include "link/serial_port.h"
#include "session/workspace.h"

// What the transfer dialog (or the command line) runs when the user starts a transfer, what it
// shows while it runs, and what it returns.
namespace tpw {

enum class TransferMode { Read = 0, Program = 1, ClearAtis = 10 };

// The dialog's caption, which is also the title of the messages the transfer shows.
const char* TransferCaption(TransferMode mode);

// Which way bytes went over the line.
enum class Traffic { Sent, Received };

// The images a transfer passes at its end points, which the program keeps as backups.
enum class CapturedImage {
  Read,         // the 2048 bytes read from the radio, before the PC keeps its own areas
  BeforeWrite,  // the radio's whole memory, read before it is programmed
  ToWrite,      // the image about to be written, encoded and corrected
};

// Where a running transfer shows itself: the progress bar and the monitor line; and what it
// passes on for the record: the bytes on the line and the images at its end points.
class TransferObserver {
 public:
  virtual ~TransferObserver() = default;
  // 0 to 100.
  virtual void progress(int percent) = 0;
  // Trace texts, shown only in debug mode.
  virtual void monitor(std::string_view text) = 0;
  // A wait has heard nothing from the radio for a while: what it still waits for. The command
  // line prints it; the dialog's instructions already say what to check.
  virtual void waiting(std::string_view text) = 0;
  // The read-back of what was written begins; its progress runs from 0 again.
  virtual void verifying() {}
  // Bytes sent, or received by one wait, and how that send or wait ended ("ok", "timed
  // out", ...).
  virtual void traffic(Traffic, std::string_view /*bytes*/, std::string_view /*result*/) {}
  // An image at one of the transfer's end points, as it is at that moment. For the radio's
  // memory read before a write, false stops the write before its first frame: the observer
  // could not keep it, and has said why. The other images never stop a transfer.
  virtual bool imageCaptured(CapturedImage, const MemoryImage&) { return true; }
};

class SilentTransferObserver : public TransferObserver {
 public:
  void progress(int) override {}
  void monitor(std::string_view) override {}
  void waiting(std::string_view) override {}
};

// Shows a monitor text in debug mode and gives the user half a second to read it.
void Monitor(Context& ctx, TransferObserver& observer, std::string_view text);

// The step of a transfer in which it ended.
enum class TransferStep {
  Preparing,  // the image to be written was checked before the port opened
  Starting,   // the port, the speed switch, the synchronisation
  Status,     // the radio reports ready
  Model,      // the model words
  ProductCode,
  Region,
  Reading,           // the blocks of a read, or of the read before a write
  KeepingReadFirst,  // the observer kept the radio's memory read before a write
  AtisCodeLook,      // the radio's ATIS code, read before the write plan
  AtisCodeConfirm,   // the user was asked whether the radio takes a new ATIS code
  Writing,           // the write plan
  AtisCount,         // the radio's ATIS counter, read and written after a new code
  Erasing,           // the writes of an ATIS clear
  ChangesDeclined,   // the user saw what the write would change and declined
  NothingToWrite,    // the radio read first already holds everything the write would send
  Verifying,         // the read-back of every block written
  Finished,
};

// Where the write exchanges of an operation got to: the first address sent, the last address
// the radio acknowledged, and the exchange that stopped without its acknowledgement.
struct WriteProgress {
  std::optional<int> firstSent;
  std::optional<int> lastTaken;
  std::optional<int> stoppedAt;
  // The radio took every write of the operation and its read-back began.
  bool readingBack = false;
};

// The regions of a radio and of the PC's data set that are never mixed.
struct RegionRefusal {
  int radio = 0;
  int dataSet = 0;
};

// The first byte of a product code that differs from the model's, and what it holds.
struct ProductCodeFinding {
  int address = 0;
  int found = 0;
};

// Whether the radio holds what a write or a clear sent, as read back after it.
enum class VerificationState { NotChecked, Verified, Differs };

// How many differing addresses a message names one by one.
inline constexpr std::size_t MaxNamedDifferences = 8;

struct WriteVerification {
  VerificationState state = VerificationState::NotChecked;
  // The addresses whose byte read back is not the byte sent, ascending.
  std::vector<int> differing;
  // The settings the first of them hold, in the user's words, one entry per address (empty
  // when nobody could name them).
  std::vector<std::string> settings;
};

// A failure nobody expected (the port's driver, the memory, a fault of the program).
struct UnexpectedFailure {
  int number = 0;
  std::string description;
};

// How a transfer ended, with what the user must learn of it: the step it ended in and what
// went wrong there, what reached the radio, and the findings of the step. The messages are
// made from it in one place (TransferEndMessages).
struct TransferResult {
  Outcome outcome = Outcome::Done;
  TransferStep step = TransferStep::Finished;
  std::optional<LinkFailure> failure;
  WriteProgress writes;
  // A read brought in another region with the user's consent.
  bool regionChangeAccepted = false;
  std::optional<RegionRefusal> regions;
  std::optional<ProductCodeFinding> productCode;
  // A write completed, and the radio kept the ATIS code it holds (its five bytes in hex),
  // which differs from the data's code or stands where the data hold none.
  std::string keptAtisCode;
  WriteVerification verification;
  std::optional<UnexpectedFailure> unexpected;

  bool done() const { return outcome == Outcome::Done; }
};

// What the layers above the protocol make of a write's data in the user's words: the list of
// changes the user confirms, and the names of the settings at an address.
class WriteReview {
 public:
  virtual ~WriteReview() = default;
  // The radio, read first, holds radio and would hold written after the write: may it go on?
  virtual bool agreesToChanges(const MemoryImage& radio, const MemoryImage& written) = 0;
  // The settings the radio holds at this address of written ("Group1(USA) 16: Rx
  // Frequency"), for a read-back that found another byte there.
  virtual std::string settingsAt(const MemoryImage& written, int address) = 0;
};

// What a write or a clear checks besides its own exchanges.
struct WriteChecks {
  // A write reads the radio's whole memory before it programs it (the observer gets it as
  // CapturedImage::BeforeWrite), and with a review shows what it would change.
  bool readFirst = false;
  // Every block written is read back and compared with what was sent.
  bool verify = false;
  WriteReview* review = nullptr;
};

// A transfer that ended in a step as the link's outcome says.
TransferResult EndedIn(TransferStep step, LinkOutcome link);

// The dialog's OK button: starts the link on the port and, once it stands, runs the operation
// of the mode (a write encodes the settings into the image first). TransferBusy is set while
// it runs; the host's cancel stops it at its next wait or step. What happened has been shown
// when it returns, and the result says how it ended: the dialog closes when it is done.
// A read first that fails, an image the observer cannot keep, or changes the user declines stop
// the write before anything is written; a radio that already holds everything is not written.
TransferResult RunTransfer(Context& ctx, SerialPort& port, TransferObserver& observer,
                           TransferMode mode, const WriteChecks& checks = {});

}  // namespace tpw
