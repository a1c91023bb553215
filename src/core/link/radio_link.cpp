#include "link/radio_link.h"

#include <algorithm>

#include "image/text_values.h"
#include "link/frame.h"
#include "link/protocol.h"
#include "session/message_texts.h"

namespace tpw {

namespace {

constexpr std::chrono::milliseconds SendPause{10};
constexpr std::chrono::milliseconds SpeedSwitchPause{1000};
constexpr Seconds ReplyTimeout{10};
constexpr Seconds EchoTimeout{100};
constexpr Seconds AbortTimeout{10};
constexpr std::chrono::milliseconds SettlePause{500};

bool EqualsIgnoringCase(std::string_view text, std::string_view word) {
  return text.size() == word.size() &&
         std::equal(text.begin(), text.end(), word.begin(), [](char a, char b) {
           return std::toupper(static_cast<unsigned char>(a)) == b;
         });
}

// The two stages of a line: its text up to CR, then its end up to LF.
struct LineReader {
  explicit LineReader(bool strictEnd) : strict(strictEnd) {}

  bool strict;
  std::string text;
  bool sawCr = false;
  std::optional<LinkResult> outcome;

  void consume(std::uint8_t byte) {
    if (outcome) return;
    const char c = static_cast<char>(byte);
    if (!sawCr) {
      if (c == Cr) {
        sawCr = true;
      } else if (text.size() >= RadioLink::MaxLineLength) {
        outcome = LinkResult::BadReply;
      } else {
        text += c;
      }
    } else if (c == Lf) {
      outcome = LinkResult::Ok;
    } else if (strict) {
      outcome = LinkResult::BadReply;
    }
  }
};

// How a message the PC sent is named to the user: "P", "#CMDSY", "#CEPRD 03F0".
std::string SentName(std::string_view bytes) {
  if (bytes.size() == 1 && bytes[0] == protocol::Abort) return "the abort (CAN)";
  const std::size_t end = bytes.find_first_of("\r\n");
  std::string name(bytes.substr(0, end));
  const std::size_t tab = name.find('\t');
  if (tab == std::string::npos) return name;
  const std::size_t second = name.find('\t', tab + 1);
  name = name.substr(0, second);
  name[tab] = ' ';
  return name;
}

}  // namespace

const char* LinkResultName(LinkResult result) {
  switch (result) {
    case LinkResult::Ok:
      return "ok";
    case LinkResult::Cancelled:
      return "cancelled";
    case LinkResult::TimedOut:
      return "timed out";
    case LinkResult::ErrorReply:
      return "ERROR";
    case LinkResult::PortLost:
      return "port lost";
    case LinkResult::BadReply:
      return "unreadable";
  }
  return "";
}

std::string BlockName(int address, int length) {
  return "block 0x" + HexPad(address, 3) + ", " + std::to_string(length) +
         (length == 1 ? " byte" : " bytes");
}

RadioLink::RadioLink(Context& ctx, SerialPort& port, TransferObserver& observer,
                     std::string caption)
    : ctx_(ctx), port_(port), observer_(observer), caption_(std::move(caption)) {}

Outcome RadioLink::honourCancel(Outcome outcome) const {
  return cancelRequested() ? Outcome::Cancelled : outcome;
}

// ---- Port control ----

std::string RadioLink::workingSettings() const {
  return LineSettings(ctx_.ws.options.LowSpeed ? protocol::StartBaud : protocol::WorkingBaud);
}

bool RadioLink::openWith(const std::string& settings, std::string_view procedure) {
  if (port_.open(settings)) return true;
  const PortFailure failure = port_.lastFailure();
  ctx_.diagnostics.errorLog(procedure, std::to_string(failure.number) + failure.description);
  return false;
}

void RadioLink::showPortFailure() {
  const PortFailure failure = port_.lastFailure();
  ctx_.prompter.message(Icon::Critical, "Port Inicialize Error!!",
                        std::to_string(failure.number) + failure.description +
                            (failure.checks.empty() ? std::string() : "\r\n" + failure.checks));
}

bool RadioLink::openAtStartSpeed() {
  if (!openWith(LineSettings(protocol::StartBaud), "frmRadio.PortInit")) {
    showPortFailure();
    return false;
  }
  monitor(port_.settings());
  return true;
}

bool RadioLink::switchToWorkingSpeed() {
  return openWith(workingSettings(), "frmRadio.PortInitCP");
}

bool RadioLink::reopenPort() {
  if (port_.isOpen()) return true;
  if (openWith(workingSettings(), "frmRadio.PortOpen")) return true;
  // A port lost in the middle of a transfer (a cable pulled out) fails the step that needed
  // it, and the user is told why, instead of the step passing unnoticed.
  showPortFailure();
  return false;
}

void RadioLink::closePort() {
  if (port_.isOpen()) port_.close();
}

void RadioLink::discardInput() {
  port_.discardInput();
}

// ---- Sending ----

LinkResult RadioLink::send(std::string_view bytes) {
  ctx_.host.pause(SendPause);
  const std::string name = SentName(bytes);
  if (!port_.write({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}) &&
      port_.lost()) {
    observer_.traffic(Traffic::Sent, bytes, LinkResultName(LinkResult::PortLost));
    return lostPort();
  }
  observer_.traffic(Traffic::Sent, bytes, LinkResultName(LinkResult::Ok));
  awaited_ = "the cable's echo of " + name;
  const LinkResult echo = checkEcho(bytes);
  awaited_ = "the radio's answer to " + name;
  return echo;
}

LinkResult RadioLink::sendByte(char byte) {
  discardInput();
  return send(std::string_view(&byte, 1));
}

LinkResult RadioLink::sendSpeedCommand() {
  // The radio takes this command as exactly eight characters.
  static_assert(std::string_view(protocol::SpeedCommand).size() == 8);
  return sendLine(protocol::SpeedCommand);
}

LinkResult RadioLink::sendLine(std::string_view text) {
  return send(std::string(text) + CrLf);
}

LinkResult RadioLink::sendFrame(std::string_view frame) {
  return send(frame);
}

LinkResult RadioLink::checkEcho(std::string_view sent) {
  if (ctx_.ws.options.EchoCheckSkip) return LinkResult::Ok;
  std::size_t matched = 0;
  bool differed = false;
  return receive(
      EchoTimeout,
      [&](std::uint8_t byte) {
        if (differed || matched == sent.size()) return;
        if (byte == static_cast<std::uint8_t>(sent[matched])) {
          ++matched;
        } else {
          differed = true;
        }
      },
      [&]() -> std::optional<LinkResult> {
        if (differed) return LinkResult::BadReply;
        if (matched == sent.size()) return LinkResult::Ok;
        return std::nullopt;
      });
}

// ---- Receiving ----

template <typename Consume, typename Finished>
LinkResult RadioLink::receive(Seconds timeout, Consume consume, Finished finished) {
  std::string heard;
  const LinkResult result = waitUntil(
      timeout,
      [&](std::uint8_t byte) {
        heard += static_cast<char>(byte);
        consume(byte);
      },
      finished);
  observer_.traffic(Traffic::Received, heard, LinkResultName(result));
  return result;
}

template <typename Consume, typename Finished>
LinkResult RadioLink::waitUntil(Seconds timeout, Consume consume, Finished finished) {
  const auto deadline = ctx_.host.now() + timeout;
  auto lastHeard = ctx_.host.now();
  bool told = false;
  for (;;) {
    if (const auto byte = port_.readByte(Slice)) {
      consume(*byte);
      lastHeard = ctx_.host.now();
    } else if (port_.lost()) {
      return lostPort();
    }
    ctx_.host.yield();
    if (cancelRequested()) return LinkResult::Cancelled;
    if (ctx_.host.now() > deadline) return LinkResult::TimedOut;
    if (const std::optional<LinkResult> result = finished()) return *result;
    if (!told && ctx_.host.now() - lastHeard >= SilenceNotice) {
      noticeSilence(timeout);
      told = true;
    }
  }
}

LinkResult RadioLink::lostPort() {
  if (!lostShown_) {
    lostShown_ = true;
    failure_ = "the port was lost: " + port_.lastFailure().description;
    const PortFailure failure = port_.lastFailure();
    showFailure(LostPortText(port_.name(), failure.description, failure.checks));
  }
  return LinkResult::PortLost;
}

void RadioLink::noticeSilence(Seconds timeout) {
  observer_.waiting(WaitingText(port_.name(), awaited_, SilenceNotice, timeout));
}

LinkResult RadioLink::waitForByte(char value, Seconds timeout) {
  std::optional<std::uint8_t> last;
  return receive(
      timeout, [&](std::uint8_t byte) { last = byte; },
      [&]() -> std::optional<LinkResult> {
        if (last == static_cast<std::uint8_t>(value)) return LinkResult::Ok;
        return std::nullopt;
      });
}

Received RadioLink::readCharacters(std::size_t count, Seconds timeout) {
  Received received;
  received.result = receive(
      timeout, [&](std::uint8_t byte) { received.text += static_cast<char>(byte); },
      [&]() -> std::optional<LinkResult> {
        if (EqualsIgnoringCase(received.text, protocol::Rejected)) return LinkResult::ErrorReply;
        if (received.text.size() >= count) return LinkResult::Ok;
        return std::nullopt;
      });
  return received;
}

Received RadioLink::readLineUntil(Seconds timeout, bool strict) {
  LineReader reader(strict);
  const LinkResult result = receive(
      timeout, [&](std::uint8_t byte) { reader.consume(byte); }, [&] { return reader.outcome; });
  return {reader.text, result};
}

Received RadioLink::readLine(Seconds timeout) {
  return readLineUntil(timeout, false);
}

Received RadioLink::readLineStrict(Seconds timeout) {
  return readLineUntil(timeout, true);
}

bool RadioLink::waitForLineEnd() {
  return waitForByte(Cr, Seconds(1)) == LinkResult::Ok &&
         waitForByte(Lf, Seconds(1)) == LinkResult::Ok;
}

Received RadioLink::readReplyWord() {
  Received word = readCharacters(protocol::WordLength, ReplyTimeout);
  if (word.result == LinkResult::ErrorReply) readLine(Seconds(1));
  return word;
}

LinkResult RadioLink::waitForAcknowledgement() {
  const Received word = readReplyWord();
  if (word.result != LinkResult::Ok) return word.result;
  if (word.text != protocol::Acknowledge || !waitForLineEnd()) return LinkResult::BadReply;
  return LinkResult::Ok;
}

// ---- Start-up and recovery ----

bool RadioLink::pingRadio() {
  sendByte(protocol::Ping);
  if (waitForByte(protocol::Ping, Seconds(1)) != LinkResult::Ok) return false;
  sendByte(protocol::PingFollowUp);
  return true;
}

// Asks the radio for the working speed. Silence and a garbled answer still lead to the switch.
Outcome RadioLink::switchSpeed() {
  monitor(std::string("sending '") + protocol::SpeedCommand + "'...");
  sendSpeedCommand();
  const Received reply = readLineStrict(Seconds(1));
  switch (reply.result) {
    case LinkResult::Ok:
      if (reply.text == protocol::Rejected) {
        showFailure("ACMD Command error!!");
        return Outcome::Failed;
      }
      if (reply.text != protocol::SpeedAccepted && reply.text != protocol::Unknown) {
        showFailure(msg::ReplyError);
        return Outcome::Failed;
      }
      return Outcome::Done;
    case LinkResult::Cancelled:
      return Outcome::Cancelled;
    case LinkResult::PortLost:
      return Outcome::Failed;
    case LinkResult::BadReply:
      showFailure(msg::ReplyError);
      return Outcome::Done;
    case LinkResult::TimedOut:
    case LinkResult::ErrorReply:
      return Outcome::Done;
  }
  return Outcome::Done;
}

Outcome RadioLink::startLink() {
  if (!openAtStartSpeed()) return Outcome::Failed;
  bool answered = false;
  for (int attempt = 0; attempt < 3 && !answered; ++attempt) answered = pingRadio();
  if (!answered) monitor("sync failed!!");

  // At low speed the radio is not asked to change its speed, so both ends stay at 19200.
  if (!ctx_.ws.options.LowSpeed) {
    const Outcome speed = switchSpeed();
    if (speed != Outcome::Done) return speed;
  }
  if (!switchToWorkingSpeed()) {
    showFailure("port inicialize error!!");
    return Outcome::Failed;
  }
  ctx_.host.pause(SpeedSwitchPause);
  const Outcome synchronised = synchronise();
  // A radio that is not in PC-control mode, or not on this port, never answers at all.
  if (synchronised == Outcome::Failed && !port_.lost()) showFailure(NoAnswerText(port_.name()));
  return synchronised;
}

Outcome RadioLink::synchronise() {
  int successes = 0;
  // Both passes must succeed, so a pass that failed ends the synchronisation: a radio that
  // does not answer is not waited for another thirty seconds.
  for (int pass = 1; pass <= 2 && successes == pass - 1; ++pass) {
    for (int attempts = RetryCount; attempts > 0; --attempts) {
      monitor(std::string("sending '") + protocol::SyncRequest + "'...(" + std::to_string(pass) +
              ")");
      sendLine(protocol::SyncRequest);
      const LinkResult result = waitForAcknowledgement();
      if (result == LinkResult::Ok) {
        ++successes;
        break;
      }
      if (result != LinkResult::TimedOut && result != LinkResult::ErrorReply) break;
    }
  }
  if (successes == 2) return Outcome::Done;
  monitor(std::string("can'not Receive '") + protocol::Acknowledge + "' !!");
  return honourCancel(Outcome::Failed);
}

void RadioLink::sendAbort() {
  // The radio must have left the transfer before the port closes, so the abort goes out and
  // its ACK is awaited although the user has cancelled. The cancel is re-armed for the wait:
  // a second cancel still ends it, and the operation stays cancelled.
  bool& cancel = ctx_.ws.flags.CancelFlag;
  cancel = false;
  sendByte(protocol::Abort);
  waitForByte(protocol::AbortAcknowledged, AbortTimeout);
  cancel = true;
}

// ---- Exchanges ----

Outcome RadioLink::fail(std::string reason) {
  failure_ = std::move(reason);
  return Outcome::Failed;
}

bool RadioLink::confirmResync() {
  const Answer answer = ctx_.prompter.ask(Icon::Question, caption_,
                                          "confirm the synchronization of the communication",
                                          Buttons::OkCancel, Answer::Ok);
  return answer == Answer::Ok && synchronise() == Outcome::Done;
}

Outcome RadioLink::exchange(std::string_view frame, Flush flush) {
  if (flush == Flush::BeforeFirst) discardInput();
  for (int attempts = RetryCount;;) {
    if (flush == Flush::BeforeEach) discardInput();
    // Only the radio's acknowledgement counts as success, whatever the echo check found.
    sendFrame(frame);
    switch (waitForAcknowledgement()) {
      case LinkResult::Ok:
        return Outcome::Done;
      case LinkResult::TimedOut:
        if (--attempts > 0) continue;
        return fail("no acknowledgement after " + std::to_string(RetryCount) + " attempts");
      case LinkResult::ErrorReply:
        if (--attempts > 0) continue;
        if (!confirmResync()) {
          return honourCancel(fail("the radio answered ERROR and the link was not synchronised"));
        }
        attempts = 1;
        continue;
      case LinkResult::Cancelled:
        return Outcome::Cancelled;
      case LinkResult::PortLost:
        return Outcome::Failed;
      case LinkResult::BadReply:
        return fail("another reply than the acknowledgement");
    }
  }
}

Outcome RadioLink::readBlock(MemoryImage& buffer, int address, int length,
                             std::string_view procedure) {
  blockInProgress_ = BlockName(address, length);
  const std::string frame =
      BuildFrame(protocol::ReadRequest, HexPad(address, 4), HexPad(length, 2));
  Outcome outcome = exchange(frame, Flush::BeforeFirst);
  if (outcome == Outcome::Done) outcome = receiveDataReply(buffer, address, length);
  if (outcome == Outcome::Failed) logBlockFailure(procedure, address, length);
  blockInProgress_.reset();
  return outcome;
}

// The data reply that follows the acknowledged request; there is no second attempt.
Outcome RadioLink::receiveDataReply(MemoryImage& buffer, int address, int length) {
  const Received word = readReplyWord();
  if (!replyArrived(word.result)) {
    switch (word.result) {
      case LinkResult::Cancelled:
        return Outcome::Cancelled;
      case LinkResult::PortLost:
        return Outcome::Failed;
      case LinkResult::ErrorReply:
        return fail("the radio answered ERROR instead of the data");
      case LinkResult::TimedOut:
        return fail("no data reply");
      default:
        return fail("an unreadable data reply");
    }
  }
  if (word.text != protocol::DataReply) {
    sendLine(protocol::NotDataReply);
    return fail("another reply than data");
  }
  const Outcome stored = storeDataReply(buffer, address, length);
  if (stored != Outcome::Done) return stored;
  switch (sendLine(protocol::Acknowledge)) {
    case LinkResult::Ok:
      return Outcome::Done;
    case LinkResult::Cancelled:
      return Outcome::Cancelled;
    case LinkResult::PortLost:
      return Outcome::Failed;
    default:
      return fail("the cable did not echo the acknowledgement of the data");
  }
}

Outcome RadioLink::storeDataReply(MemoryImage& buffer, int address, int length) {
  const Received rest = readLine(ReplyTimeout);
  if (!replyArrived(rest.result, true)) {
    if (rest.result == LinkResult::Cancelled) return Outcome::Cancelled;
    if (rest.result == LinkResult::PortLost) return Outcome::Failed;
    return fail(rest.result == LinkResult::TimedOut
                    ? "the data reply stopped before its end"
                    : "a data reply longer than any the radio sends");
  }
  const std::string line = protocol::DataReply + rest.text;
  if (!VerifyFrame(line)) {
    sendLine(protocol::ChecksumWrong);
    return fail("a data reply with a wrong checksum");
  }
  const auto fields = SplitFields(line);
  const auto field = [&](std::size_t i) {
    return i < fields.size() ? fields[i] : std::string_view();
  };
  if (HexNumber(field(1)) != address) {
    showFailure("address error!!");
    return fail("a data reply for another address");
  }
  const auto data = HexBytes(field(3));
  if (HexNumber(field(2)) != length || !data || static_cast<int>(data->size()) != length) {
    showFailure("data error!!");
    return fail("a data reply of another length or with other than hex digits");
  }
  for (int i = 0; i < length; ++i) {
    buffer.set(address + i, static_cast<std::uint8_t>((*data)[static_cast<std::size_t>(i)]));
  }
  return Outcome::Done;
}

Outcome RadioLink::writeBlock(int address, int length, std::string_view procedure) {
  blockInProgress_ = BlockName(address, length);
  std::string data;
  for (int i = 0; i < length; ++i) data += HexPad(ctx_.ws.image.at(address + i), 2);
  // From the first write frame on, the radio may hold part of what the PC sends; until the
  // radio acknowledges it, this frame is where the write stopped.
  if (!writes_.firstSent) writes_.firstSent = address;
  writes_.stoppedAt = address;
  const Outcome outcome =
      exchange(BuildFrame(protocol::WriteRequest, HexPad(address, 4), HexPad(length, 2), data),
               Flush::BeforeEach);
  if (outcome == Outcome::Done) {
    writes_.lastTaken = address + length - 1;
    writes_.stoppedAt.reset();
  }
  if (outcome == Outcome::Failed) logBlockFailure(procedure, address, length);
  blockInProgress_.reset();
  return outcome;
}

void RadioLink::logBlockFailure(std::string_view procedure, int address, int length) {
  ctx_.diagnostics.errorLog(procedure, BlockName(address, length) + ": " + failure_);
}

bool RadioLink::replyArrived(LinkResult result, bool quietCancel) {
  switch (result) {
    case LinkResult::Ok:
      return true;
    case LinkResult::BadReply:
      showFailure(msg::ReplyError);
      return false;
    case LinkResult::Cancelled:
      if (!quietCancel) showFailure("cancel!!");
      return false;
    case LinkResult::TimedOut:
      showFailure("time out!!");
      return false;
    case LinkResult::ErrorReply:
    case LinkResult::PortLost:  // told when it was noticed
      return false;
  }
  return false;
}

Outcome RadioLink::endOperation(Outcome outcome, std::string_view failureTitle, TransferMode mode) {
  closePort();
  outcome = honourCancel(outcome);
  if (outcome != Outcome::Done) {
    const bool failed = outcome == Outcome::Failed;
    const std::string left = UnfinishedOperationText(mode, port_.name(), writes_, failed);
    if (failed) {
      ctx_.prompter.message(Icon::Critical, failureTitle,
                            std::string(msg::CommunicationError) + "\r\n" + left);
    } else if (!left.empty()) {
      ctx_.prompter.message(Icon::Exclamation, caption_, left);
    }
    return outcome;
  }
  ctx_.host.pause(SettlePause);
  return honourCancel(outcome);
}

void RadioLink::monitor(std::string_view text) {
  Monitor(ctx_, observer_, text);
}

void RadioLink::showFailure(std::string_view text) {
  ctx_.prompter.message(Icon::Critical, caption_, text);
}

void RadioLink::showComplete(std::string_view note) {
  monitor("");
  if (note.empty()) {
    ctx_.prompter.message(Icon::Information, caption_, msg::Complete);
  } else {
    ctx_.prompter.message(Icon::Exclamation, caption_,
                          std::string(msg::Complete) + "\r\n" + std::string(note));
  }
}

}  // namespace tpw
