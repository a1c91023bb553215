#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "image/memory_image.h"
#include "link/link_failure.h"
#include "link/protocol.h"
#include "link/serial_port.h"
#include "link/transfer.h"
#include "link/transfer_messages.h"
#include "session/workspace.h"

namespace tpw {

// What one receive found. PortLost: the port went away under the wait.
enum class LinkResult { Ok, Cancelled, TimedOut, ErrorReply, BadReply, PortLost };

struct Received {
  std::string text;
  LinkResult result = LinkResult::TimedOut;
};

// A reply frame that arrived whole with its checksum: its fields, the reply word first.
struct ReceivedFrame {
  LinkOutcome outcome;
  std::vector<std::string> fields;
};

using Seconds = std::chrono::seconds;

// The byte-level conversation with the radio over one port: sending with the pause the radio
// needs, receiving with deadlines, the acknowledgement of every command, retries, the start-up
// with its speed switch, and the block read and write exchanges.
//
// Every step returns how it ended, and a failed step what went wrong; the link has no words for
// the user (transfer_messages makes them). The user's requests to stop come from the host,
// which every wait asks; the link keeps what it heard for the rest of the transfer.
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
  TransferQuestions& questions() { return questions_; }
  const std::string& caption() const { return caption_; }
  std::string portName() const { return port_.name(); }
  // True once the user has asked to stop this transfer.
  bool cancelRequested();
  // A cancel asked for meanwhile outranks a failure: the user stopped the step, and what
  // failed under the stop is no failure of the radio's. A step that was done stays done.
  LinkOutcome honourCancel(LinkOutcome outcome);

  // Port control. A port that cannot be opened is logged with what the system said.
  LinkOutcome openAtStartSpeed();
  // The working speed, on the open port.
  LinkOutcome switchToWorkingSpeed();
  // Reopens a port closed in the middle of an operation at the working speed.
  LinkOutcome reopenPort();
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

  // Receiving: one deadline per call, one byte at a time. What was awaited counts once it has
  // arrived, whatever the user asked meanwhile. A port that goes away ends every wait at once
  // with PortLost.
  LinkResult waitForByte(char value, Seconds timeout);
  Received readCharacters(std::size_t count, Seconds timeout);
  // Text up to CR; then anything up to LF is dropped (readLine) or must be LF at once
  // (readLineStrict, else BadReply).
  Received readLine(Seconds timeout);
  Received readLineStrict(Seconds timeout);
  // CR, then LF, a second each.
  LinkResult waitForLineEnd();
  // The six characters of a reply word; after "ERROR" the rest of that reply is dropped, so
  // the next attempt starts on a clean line.
  Received readReplyWord();
  // The radio's "#CMDOK" with its line end; text is what arrived.
  Received waitForAcknowledgement();

  // Start-up and recovery. A start that went on after a garbled answer to the speed command is
  // done with that failure.
  LinkOutcome startLink();
  // "P" answered by "P" within a second, then the follow-up "0".
  bool ping();
  LinkOutcome synchronise();
  void sendAbort();

  // One command with its acknowledgement, retried as the radio allows; done when the radio
  // acknowledged, and the caller then handles what follows.
  enum class Flush { Never, BeforeFirst, BeforeEach };
  LinkOutcome exchange(std::string_view frame, Flush flush);
  // The reply frame that follows an acknowledged request: its word must be `word` (else the PC
  // answers otherWordAnswer) and its checksum must match (else the PC answers "#CMDSM").
  ReceivedFrame receiveFrame(std::string_view word, std::string_view otherWordAnswer);

  // The block exchanges. A failure is logged under the procedure's name with the block it hit.
  // Bytes read are stored at their own addresses in buffer once the reply has passed every
  // check; the block still fails when the cable then does not echo the PC's acknowledgement.
  LinkOutcome readBlock(MemoryImage& buffer, int address, int length, std::string_view procedure);
  // Writes bytes at address. The radio stores a frame as it arrives, so its acknowledgement is
  // awaited even after a cancel; only a second cancel ends that wait.
  LinkOutcome writeBlock(int address, std::span<const std::uint8_t> bytes,
                         std::string_view procedure);
  // The block of the exchange under way; it stays set when an exchange ends unexpectedly.
  std::optional<Block> blockInProgress() const { return blockInProgress_; }
  // How far the write exchanges of this link got.
  const WriteProgress& writeProgress() const { return writes_; }
  // Every write of the operation was taken; what follows reads it back.
  void beginReadBack() { writes_.readingBack = true; }
  // Every byte the radio acknowledged in this link, by address, as last sent.
  const std::map<int, std::uint8_t>& acknowledgedBytes() const { return acknowledged_; }

  // The end of a read, write or clear: the port closes; after success the radio is given half
  // a second.
  LinkOutcome endOperation(LinkOutcome outcome);

  void monitor(std::string_view text);

 private:
  class PatientWaits;

  LinkOutcome openWith(const std::string& settings, std::string_view procedure);
  LinkResult send(std::string_view bytes);
  LinkResult checkEcho(std::string_view sent);
  LinkOutcome switchSpeed();
  LinkOutcome receiveData(MemoryImage& buffer, int address, int length);
  LinkOutcome endBlock(LinkOutcome outcome, std::string_view procedure);
  Received readLineUntil(Seconds timeout, bool strict);
  // The one place where a port that went away is noticed: every wait of the link ends at once
  // from then on.
  LinkResult lostPort(PortFailure why);
  LinkOutcome lostFailure() const;
  // How a wait or a send that the user cancelled, or that lost the port, ends its step.
  std::optional<LinkOutcome> stoppedBy(LinkResult result) const;
  // Whether the wait under way must end: the user asked to stop as often as it takes.
  bool stopRequested();
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
  TransferQuestions questions_;
  std::optional<Block> blockInProgress_;
  WriteProgress writes_;
  std::map<int, std::uint8_t> acknowledged_;
  // What the link waits for after its last send ("the radio's answer to #CMDSY").
  std::string awaited_;
  // Why the port went away, once it has.
  std::optional<PortFailure> lost_;
  // The user's requests to stop heard in this transfer, and how many end the wait under way.
  int cancels_ = 0;
  int cancelsToStop_ = 1;
};

// How a send or a wait ended, in the transfer trace: "ok", "timed out", "ERROR".
const char* LinkResultName(LinkResult result);

}  // namespace tpw
