#pragma once

#include <optional>
#include <string>

#include "link/serial_port.h"
#include "session/outcome.h"

// What went wrong on the line, as a value: the link finds it and returns it, and the transfer's
// messages (transfer_messages) put it into words for the user and for the error log.
namespace tpw {

enum class LinkFault {
  // The port.
  PortNotOpened,       // it could not be opened (port says why)
  PortLost,            // it went away under a wait or a send (port says why)
  WorkingSpeedNotSet,  // it did not take the working speed
  // The start.
  SpeedCommandRejected,  // the radio answered "ERROR" to the speed command
  SpeedReplyUnreadable,  // another answer to the speed command (heard), or a garbled line end
  NoAnswer,              // the synchronisation was not acknowledged twice
  // One command with its acknowledgement.
  NoAcknowledgement,          // silence after every attempt
  RejectedNotResynchronised,  // "ERROR" after every attempt, and no new synchronisation
  OtherThanAcknowledgement,   // something else arrived (heard)
  // The reply frame that follows an acknowledged request (expected names it).
  ReplyMissing,        // nothing arrived
  ReplyRejected,       // "ERROR" arrived instead
  OtherReply,          // another reply word arrived (heard)
  ReplyCutShort,       // the line stopped before its end
  ReplyTooLong,        // the line grew longer than any reply, or its end was garbled
  ReplyChecksumWrong,  // the checksum did not match
  ReplyCancelled,      // the user cancelled while the reply word was awaited
  // A data reply that passed its checksum.
  OtherAddress,              // it is for another address
  OtherData,                 // another length, or other than hex digits
  AcknowledgementNotEchoed,  // the cable did not echo the PC's acknowledgement of the data
};

// The block a failed exchange was about.
struct Block {
  int address = 0;
  int length = 0;
};

struct LinkFailure {
  LinkFault fault = LinkFault::NoAcknowledgement;
  PortFailure port;            // PortNotOpened, PortLost
  int attempts = 0;            // the exchange's attempts
  std::string expected;        // the reply word that was awaited
  std::string heard;           // what arrived instead
  std::optional<Block> block;  // the block read or written
};

// How one step of the link ended. A failed step says what went wrong; so does a cancelled
// wait for a reply word ("cancel!!"), and a start that went on after a garbled answer.
struct LinkOutcome {
  Outcome outcome = Outcome::Done;
  std::optional<LinkFailure> failure;

  static LinkOutcome done() { return {}; }
  static LinkOutcome cancelled() { return {Outcome::Cancelled, std::nullopt}; }
  static LinkOutcome failed(LinkFailure failure) { return {Outcome::Failed, std::move(failure)}; }
  static LinkOutcome failed(LinkFault fault) { return failed(LinkFailure{fault}); }
  bool isDone() const { return outcome == Outcome::Done; }
};

}  // namespace tpw
