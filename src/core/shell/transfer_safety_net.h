#pragma once

#include <ctime>
#include <filesystem>
#include <functional>

#include "files/error_log.h"
#include "link/transfer.h"

// What every transfer of the desktop application and of the command line runs under: backups
// of the radio's images at the transfer's end points and a trace of what went over the line,
// both in the user's data folder.
namespace tpw {

struct SafetyNet {
  std::filesystem::path userData;  // where "backups" and "traces" go; empty: nothing is kept
  bool backups = true;             // off for one command with --no-backup
  bool readFirst = false;          // a write reads the whole radio first and keeps that too
  // The local date and time the files are named by.
  std::function<std::tm()> clock = ErrorLog::LocalNow;
  bool verify = false;  // a write or a clear reads back every block it wrote
  // Shows what a write read first would change; names the settings that did not verify.
  WriteReview* review = nullptr;
  // Told of every backup saved, with its file.
  std::function<void(CapturedImage, const std::filesystem::path&)> kept;
};

// Runs the transfer (RunTransfer) with its safety net: after a read the 2048 bytes read from
// the radio, before a write the image about to be written (and with readFirst the radio's
// memory before it) are saved as backups, the oldest pruned; the trace of the transfer is
// saved and the oldest traces pruned. A backup that cannot be saved is reported once the
// transfer has ended and does not stop it, except the one readFirst asks for: a write goes on
// only once the radio's memory before it is saved. A trace that cannot be saved is not
// reported.
TransferResult RunProtectedTransfer(Context& ctx, SerialPort& port, TransferObserver& observer,
                                    TransferMode mode, const SafetyNet& net);

// The trace as support may see it without the radio's data: in the data frames of both
// directions the bytes of the ATIS code (0x282-0x286), which identifies the boat, and the
// checksums that would give them away are masked ("**").
std::string TraceWithoutAtisCode(std::string_view trace);

// The words of backup and trace names.
const char* BackupOperationName(CapturedImage image);
const char* TraceOperationName(TransferMode mode);

}  // namespace tpw
