#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "image/memory_image.h"
#include "link/protocol.h"
#include "link/serial_port.h"
#include "link/transfer.h"
#include "link/transfer_messages.h"
#include "session/workspace.h"

namespace tpw {

// What one receive found. PortLost: the port went away under the wait.
enum class LinkResult : int {
  Ok = 0,
  Cancelled = 1,
  TimedOut = 3,
  ErrorReply = 8,
  PortLost = 9,
  BadReply = -1
};

struct Received {
  std::string text;
  LinkResult result = LinkResult::TimedOut;
};

// How an exchange, a check or an operation ended. A cancel is what the user asked for, so it
// is never reported as a failure.
enum class Outcome { Done, Failed, Cancelled };

using Seconds = std::chrono::seconds;

// The byte-level conversation with the radio over one port: sending with the pause the radio
// needs, receiving with deadlines, the acknowledgement of every command, retries, the start-up
// with its speed switch, and the block read and write exchanges.
//
// Every step returns how it ended. The user's cancel arrives from outside (the dialog's Cancel
// button, Ctrl-C on a terminal) through CancelFlag, which every wait watches; the link itself
// only re-arms it while an abort waits for the radio. The transfer sets ErrorFlag and
// CancelFlag from the outcome when it ends.
class RadioLink {
 public:
  static constexpr int RetryCount = 3;
  // Whole-memory transfers move blocks as large as the radio takes in one frame.
  static constexpr int BlockSize = protocol::MaxBlockLength;
  // The longest line the radio sends is a data reply of about fifty characters.
  static constexpr std::size_t MaxLineLength = 256;
  // How long one wait blocks on the port before it looks after the user again.
  static constexpr std::chrono::milliseconds Slice{5};
  // How long a wait hears nothing before the observer is told what it still waits for.
  static constexpr Seconds SilenceNotice{3};

  RadioLink(Context& ctx, SerialPort& port, TransferObserver& observer, std::string caption);

  Context& context() { return ctx_; }
  TransferObserver& observer() { return observer_; }
  const std::string& caption() const { return caption_; }
  std::string portName() const { return port_.name(); }
  bool cancelRequested() const { return ctx_.ws.flags.CancelFlag; }
  // A cancel asked for meanwhile outranks how a step ended: the operation stops as cancelled.
  Outcome honourCancel(Outcome outcome) const;

  // Port control. A port that cannot be opened is logged with what the system said.
  // The start speed; a failure is also shown.
  bool openAtStartSpeed();
  // The working speed, on the open port; the caller tells the user.
  bool switchToWorkingSpeed();
  // Reopens a port closed in the middle of an operation at the working speed; a failure is
  // also shown, since the step that needs the port fails with it.
  bool reopenPort();
  void closePort();
  void discardInput();
  std::string workingSettings() const;

  // Sending: each waits 10 ms first and then, with echo verification on, reads back what the
  // cable echoes. The result is Ok when the echo matched (or was not checked), BadReply when a
  // byte differed, TimedOut or Cancelled when the check stopped waiting.
  LinkResult sendByte(char byte);  // discards waiting input first
  LinkResult sendSpeedCommand();
  LinkResult sendLine(std::string_view text);
  LinkResult sendFrame(std::string_view frame);

  // Receiving: one deadline per call, one byte at a time. A port that goes away ends every
  // wait at once with PortLost; the user is told once, by lostPort().
  LinkResult waitForByte(char value, Seconds timeout);
  Received readCharacters(std::size_t count, Seconds timeout);
  // Text up to CR; then anything up to LF is dropped (readLine) or must be LF at once
  // (readLineStrict, else BadReply).
  Received readLine(Seconds timeout);
  Received readLineStrict(Seconds timeout);
  bool waitForLineEnd();
  // The six characters of a reply word; after "ERROR" the rest of that reply is dropped, so
  // the next attempt starts on a clean line.
  Received readReplyWord();
  LinkResult waitForAcknowledgement();

  // Start-up and recovery. A start that hears nothing from the radio tells the user what to
  // check.
  Outcome startLink();
  Outcome synchronise();
  void sendAbort();

  // One command with its acknowledgement, retried as the radio allows; Done when the radio
  // acknowledged, and the caller then handles what follows.
  enum class Flush { Never, BeforeFirst, BeforeEach };
  Outcome exchange(std::string_view frame, Flush flush);

  // The block exchanges. A failure is logged under the procedure's name with the block it hit.
  // Bytes read are stored at their own addresses in buffer once the reply has passed every
  // check; the block still fails when the cable then does not echo the PC's acknowledgement.
  Outcome readBlock(MemoryImage& buffer, int address, int length, std::string_view procedure);
  Outcome writeBlock(int address, int length, std::string_view procedure);
  // The block of the exchange under way; it stays set when an exchange ends unexpectedly.
  std::optional<std::string> blockInProgress() const { return blockInProgress_; }
  // How far the write exchanges of this link got.
  const WriteProgress& writeProgress() const { return writes_; }

  // True when a reply arrived; otherwise the reason is shown ("error!!", "cancel!!",
  // "time out!!"; nothing after "ERROR", nor after a cancel when quietCancel).
  bool replyArrived(LinkResult result, bool quietCancel = false);
  // The end of a read, write or clear: the port closes; a failure is shown under the given
  // title ("CommunicatiOn Error!!" and what it left behind); a cancel silently unless it left
  // the radio partly written; success rests half a second.
  Outcome endOperation(Outcome outcome, std::string_view failureTitle, TransferMode mode);

  void monitor(std::string_view text);
  // A critical message titled with the dialog's caption.
  void showFailure(std::string_view text);
  // The end of every operation that succeeded: the monitor line empties and "Complete!!" is
  // shown under the dialog's caption. A note the user must act on follows on the next line,
  // under a warning icon.
  void showComplete(std::string_view note = {});

 private:
  bool pingRadio();
  bool openWith(const std::string& settings, std::string_view procedure);
  void showPortFailure();
  LinkResult send(std::string_view bytes);
  LinkResult checkEcho(std::string_view sent);
  Outcome switchSpeed();
  bool confirmResync();
  Outcome fail(std::string reason);
  Outcome receiveDataReply(MemoryImage& buffer, int address, int length);
  Outcome storeDataReply(MemoryImage& buffer, int address, int length);
  void logBlockFailure(std::string_view procedure, int address, int length);
  Received readLineUntil(Seconds timeout, bool strict);
  // The one place where a port that went away is noticed: the user is told once, and every
  // wait of the link ends at once from then on.
  LinkResult lostPort();
  // Tells the observer, once a wait, that it still waits after SilenceNotice of silence.
  void noticeSilence(Seconds timeout);

  // Reads until `finished` gives a result; the cancel and the deadline are tested on every pass.
  // What was heard goes to the observer with the result.
  template <typename Consume, typename Finished>
  LinkResult receive(Seconds timeout, Consume consume, Finished finished);
  template <typename Consume, typename Finished>
  LinkResult waitUntil(Seconds timeout, Consume consume, Finished finished);

  Context& ctx_;
  SerialPort& port_;
  TransferObserver& observer_;
  std::string caption_;
  // Why the last exchange failed, for the error log.
  std::string failure_;
  std::optional<std::string> blockInProgress_;
  WriteProgress writes_;
  // What the link waits for after its last send ("the radio's answer to #CMDSY").
  std::string awaited_;
  bool lostShown_ = false;
};

// How a send or a wait ended, in the transfer trace: "ok", "timed out", "ERROR".
const char* LinkResultName(LinkResult result);

// "block 0x3F0, 16 bytes": how the error log names a block.
std::string BlockName(int address, int length);

}  // namespace tpw
