#pragma once

#include <string_view>

#include "image/memory_image.h"
#include "link/serial_port.h"
#include "session/workspace.h"

// What the transfer dialog (or the command line) runs when the user starts a transfer, and
// what it shows while it runs.
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

// What the main window learns from a transfer.
struct TransferResult {
  bool TransferDone = false;          // the operation completed
  bool RegionChangeAccepted = false;  // a read brought in another region with the user's consent
};

// The dialog's OK button: starts the link on the port and, once it stands, runs the operation
// of the mode (a write encodes the settings into the image first). TransferBusy is set while
// it runs; CancelFlag, set from outside, stops it at its next wait or step. Every failure has
// been shown when it returns, and the flags tell how it ended: ErrorFlag unless it completed,
// CancelFlag when the user cancelled it. The dialog then resets its progress bar and closes
// when ErrorFlag is clear.
// With readFirst a write reads the radio's whole memory before it programs it (the observer
// gets it as CapturedImage::BeforeWrite); a read that fails, or an image the observer cannot
// keep, stops the write before anything is written.
TransferResult RunTransfer(Context& ctx, SerialPort& port, TransferObserver& observer,
                           TransferMode mode, bool readFirst = false);

}  // namespace tpw
