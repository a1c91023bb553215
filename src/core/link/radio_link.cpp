#include "link/radio_link.h"

#include <algorithm>

#include "image/text_values.h"
#include "link/frame.h"
#include "link/protocol.h"

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

LinkOutcome Failed(LinkFault fault, int attempts = 0, std::string heard = {}) {
  return LinkOutcome::failed({.fault = fault, .attempts = attempts, .heard = std::move(heard)});
}

}  // namespace

// Within it a wait ends only at a cancel after the first one: where the radio's answer must be
// heard although the user has cancelled (the abort's ACK, the acknowledgement of a write frame
// the radio may have stored).
class RadioLink::PatientWaits {
 public:
  explicit PatientWaits(RadioLink& link) : link_(link), previous_(link.cancelsToStop_) {
    link_.cancelsToStop_ = std::max(link_.cancels_, 1) + 1;
  }
  ~PatientWaits() { link_.cancelsToStop_ = previous_; }
  PatientWaits(const PatientWaits&) = delete;
  PatientWaits& operator=(const PatientWaits&) = delete;

 private:
  RadioLink& link_;
  int previous_;
};

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

RadioLink::RadioLink(Context& ctx, SerialPort& port, TransferObserver& observer,
                     std::string caption)
    : ctx_(ctx),
      port_(port),
      observer_(observer),
      caption_(std::move(caption)),
      questions_(ctx.prompter, caption_, port.name()) {}

bool RadioLink::cancelRequested() {
  if (ctx_.host.cancelled()) ++cancels_;
  return cancels_ > 0;
}

bool RadioLink::stopRequested() {
  cancelRequested();
  return cancels_ >= cancelsToStop_;
}

LinkOutcome RadioLink::honourCancel(LinkOutcome outcome) {
  if (outcome.outcome != Outcome::Failed || !cancelRequested()) return outcome;
  return LinkOutcome::cancelled();
}

// ---- Port control ----

std::string RadioLink::workingSettings() const {
  return LineSettings(ctx_.ws.options.LowSpeed ? protocol::StartBaud : protocol::WorkingBaud);
}

LinkOutcome RadioLink::openWith(const std::string& settings, std::string_view procedure) {
  const std::optional<PortFailure> failure = port_.open(settings);
  if (!failure) return LinkOutcome::done();
  ctx_.diagnostics.errorLog(procedure, PortFailureLogText(*failure));
  return LinkOutcome::failed({.fault = LinkFault::PortNotOpened, .port = *failure});
}

LinkOutcome RadioLink::openAtStartSpeed() {
  const LinkOutcome opened = openWith(LineSettings(protocol::StartBaud), "frmRadio.PortInit");
  if (opened.isDone()) monitor(port_.settings());
  return opened;
}

LinkOutcome RadioLink::switchToWorkingSpeed() {
  return openWith(workingSettings(), "frmRadio.PortInitCP");
}

LinkOutcome RadioLink::reopenPort() {
  if (port_.isOpen()) return LinkOutcome::done();
  // A port closed in the middle of a transfer and not to be had again fails the step that
  // needs it, instead of the step passing unnoticed.
  return openWith(workingSettings(), "frmRadio.PortOpen");
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
  if (!port_.write({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()})) {
    if (const auto why = port_.lost()) {
      observer_.traffic(Traffic::Sent, bytes, LinkResultName(LinkResult::PortLost));
      return lostPort(*why);
    }
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
    if (lost_) return LinkResult::PortLost;
    if (const auto byte = port_.readByte(Slice)) {
      consume(*byte);
      lastHeard = ctx_.host.now();
    } else if (const auto why = port_.lost()) {
      return lostPort(*why);
    }
    // What the radio said counts, whatever the user asked meanwhile.
    if (const std::optional<LinkResult> result = finished()) return *result;
    ctx_.host.yield();
    if (stopRequested()) return LinkResult::Cancelled;
    if (ctx_.host.now() > deadline) return LinkResult::TimedOut;
    if (!told && ctx_.host.now() - lastHeard >= SilenceNotice) {
      noticeSilence(timeout);
      told = true;
    }
  }
}

LinkResult RadioLink::lostPort(PortFailure why) {
  if (!lost_) lost_ = std::move(why);
  return LinkResult::PortLost;
}

std::optional<LinkOutcome> RadioLink::stoppedBy(LinkResult result) const {
  if (result == LinkResult::Cancelled) return LinkOutcome::cancelled();
  if (result == LinkResult::PortLost) return lostFailure();
  return std::nullopt;
}

LinkOutcome RadioLink::lostFailure() const {
  return LinkOutcome::failed({.fault = LinkFault::PortLost, .port = lost_.value_or(PortFailure{})});
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

LinkResult RadioLink::waitForLineEnd() {
  const LinkResult cr = waitForByte(Cr, Seconds(1));
  return cr == LinkResult::Ok ? waitForByte(Lf, Seconds(1)) : cr;
}

Received RadioLink::readReplyWord() {
  Received word = readCharacters(protocol::WordLength, ReplyTimeout);
  if (word.result == LinkResult::ErrorReply) readLine(Seconds(1));
  return word;
}

Received RadioLink::waitForAcknowledgement() {
  Received word = readReplyWord();
  if (word.result != LinkResult::Ok) return word;
  if (word.text != protocol::Acknowledge) {
    word.result = LinkResult::BadReply;
    return word;
  }
  // Without its line end the acknowledgement is another reply; a cancel or a lost port is
  // what it is.
  const LinkResult end = waitForLineEnd();
  word.result = end == LinkResult::TimedOut ? LinkResult::BadReply : end;
  return word;
}

// ---- Start-up and recovery ----

bool RadioLink::ping() {
  sendByte(protocol::Ping);
  if (waitForByte(protocol::Ping, Seconds(1)) != LinkResult::Ok) return false;
  sendByte(protocol::PingFollowUp);
  return true;
}

// Asks the radio for the working speed. Silence and a garbled line end still lead to the
// switch; the garbled line end is reported all the same.
LinkOutcome RadioLink::switchSpeed() {
  monitor(std::string("sending '") + protocol::SpeedCommand + "'...");
  sendSpeedCommand();
  const Received reply = readLineStrict(Seconds(1));
  switch (reply.result) {
    case LinkResult::Ok:
      if (reply.text == protocol::Rejected) return Failed(LinkFault::SpeedCommandRejected);
      if (reply.text != protocol::SpeedAccepted && reply.text != protocol::Unknown) {
        return Failed(LinkFault::SpeedReplyUnreadable, 0, reply.text);
      }
      return LinkOutcome::done();
    case LinkResult::Cancelled:
      return LinkOutcome::cancelled();
    case LinkResult::PortLost:
      return lostFailure();
    case LinkResult::BadReply:
      return {Outcome::Done,
              LinkFailure{.fault = LinkFault::SpeedReplyUnreadable, .heard = reply.text}};
    case LinkResult::TimedOut:
    case LinkResult::ErrorReply:
      return LinkOutcome::done();
  }
  return LinkOutcome::done();
}

LinkOutcome RadioLink::startLink() {
  if (LinkOutcome opened = openAtStartSpeed(); !opened.isDone()) return opened;
  bool answered = false;
  for (int attempt = 0; attempt < 3 && !answered && !lost_; ++attempt) answered = ping();
  if (!answered) monitor("sync failed!!");
  if (lost_) return lostFailure();

  // At low speed the radio is not asked to change its speed, so both ends stay at 19200.
  LinkOutcome speed = LinkOutcome::done();
  if (!ctx_.ws.options.LowSpeed) {
    speed = switchSpeed();
    if (!speed.isDone()) return speed;
  }
  if (!switchToWorkingSpeed().isDone()) return Failed(LinkFault::WorkingSpeedNotSet);
  ctx_.host.pause(SpeedSwitchPause);
  const LinkOutcome synchronised = synchronise();
  return synchronised.isDone() ? speed : synchronised;
}

LinkOutcome RadioLink::synchronise() {
  int successes = 0;
  // Both passes must succeed, so a pass that failed ends the synchronisation: a radio that
  // does not answer is not waited for another thirty seconds.
  for (int pass = 1; pass <= 2 && successes == pass - 1; ++pass) {
    for (int attempts = RetryCount; attempts > 0; --attempts) {
      monitor(std::string("sending '") + protocol::SyncRequest + "'...(" + std::to_string(pass) +
              ")");
      sendLine(protocol::SyncRequest);
      const LinkResult result = waitForAcknowledgement().result;
      if (result == LinkResult::Ok) {
        ++successes;
        break;
      }
      if (result != LinkResult::TimedOut && result != LinkResult::ErrorReply) break;
    }
  }
  if (successes == 2) return LinkOutcome::done();
  monitor(std::string("can'not Receive '") + protocol::Acknowledge + "' !!");
  // A radio that is not in PC-control mode, or not on this port, never answers at all.
  return honourCancel(lost_ ? lostFailure() : Failed(LinkFault::NoAnswer));
}

void RadioLink::sendAbort() {
  // The radio must have left the transfer before the port closes, so the abort goes out and
  // its ACK is awaited although the user has cancelled; another cancel still ends the wait.
  const PatientWaits patient(*this);
  sendByte(protocol::Abort);
  waitForByte(protocol::AbortAcknowledged, AbortTimeout);
}

// ---- Exchanges ----

LinkOutcome RadioLink::exchange(std::string_view frame, Flush flush) {
  if (flush == Flush::BeforeFirst) discardInput();
  int attempts = 0;
  for (int allowed = RetryCount;;) {
    if (flush == Flush::BeforeEach) discardInput();
    // Only the radio's acknowledgement counts as success, whatever the echo check found.
    sendFrame(frame);
    ++attempts;
    const Received reply = waitForAcknowledgement();
    if (reply.result == LinkResult::Ok) return LinkOutcome::done();
    if (const auto stopped = stoppedBy(reply.result)) return *stopped;
    if (reply.result == LinkResult::BadReply) {
      return Failed(LinkFault::OtherThanAcknowledgement, attempts, reply.text);
    }
    // No attempt follows a cancel.
    if (cancelRequested()) return LinkOutcome::cancelled();
    if (attempts < allowed) continue;
    if (reply.result == LinkResult::TimedOut) return Failed(LinkFault::NoAcknowledgement, attempts);
    if (!questions_.resynchronise() || !synchronise().isDone()) {
      return honourCancel(Failed(LinkFault::RejectedNotResynchronised, attempts));
    }
    ++allowed;  // one more attempt after a new synchronisation
  }
}

ReceivedFrame RadioLink::receiveFrame(std::string_view word, std::string_view otherWordAnswer) {
  const auto failed = [&](LinkFault fault, Outcome outcome = Outcome::Failed,
                          std::string heard = {}) {
    return ReceivedFrame{
        {outcome,
         LinkFailure{.fault = fault, .expected = std::string(word), .heard = std::move(heard)}},
        {}};
  };
  const Received head = readReplyWord();
  switch (head.result) {
    case LinkResult::Ok:
      break;
    case LinkResult::Cancelled:
      return failed(LinkFault::ReplyCancelled, Outcome::Cancelled);
    case LinkResult::PortLost:
      return {lostFailure(), {}};
    case LinkResult::TimedOut:
      return failed(LinkFault::ReplyMissing);
    case LinkResult::ErrorReply:
      return failed(LinkFault::ReplyRejected);
    case LinkResult::BadReply:
      return failed(LinkFault::ReplyTooLong);
  }
  if (head.text != word) {
    sendLine(otherWordAnswer);
    return failed(LinkFault::OtherReply, Outcome::Failed, head.text);
  }
  const Received rest = readLine(ReplyTimeout);
  if (const auto stopped = stoppedBy(rest.result)) return {*stopped, {}};
  if (rest.result == LinkResult::TimedOut) {
    return failed(LinkFault::ReplyCutShort, Outcome::Failed, head.text + rest.text);
  }
  if (rest.result != LinkResult::Ok) return failed(LinkFault::ReplyTooLong);
  const std::string line = head.text + rest.text;
  if (!VerifyFrame(line)) {
    sendLine(protocol::ChecksumWrong);
    return failed(LinkFault::ReplyChecksumWrong, Outcome::Failed, line);
  }
  ReceivedFrame frame;
  for (std::string_view field : SplitFields(line)) frame.fields.emplace_back(field);
  return frame;
}

LinkOutcome RadioLink::readBlock(MemoryImage& buffer, int address, int length,
                                 std::string_view procedure) {
  blockInProgress_ = Block{address, length};
  LinkOutcome outcome = exchange(
      BuildFrame(protocol::ReadRequest, HexPad(address, 4), HexPad(length, 2)), Flush::BeforeFirst);
  if (outcome.isDone()) outcome = receiveData(buffer, address, length);
  return endBlock(std::move(outcome), procedure);
}

// The data reply that follows the acknowledged request; there is no second attempt. A reply
// for another block is refused without an answer to the radio.
LinkOutcome RadioLink::receiveData(MemoryImage& buffer, int address, int length) {
  const ReceivedFrame frame = receiveFrame(protocol::DataReply, protocol::NotDataReply);
  if (!frame.outcome.isDone()) return frame.outcome;
  const auto field = [&](std::size_t i) {
    return i < frame.fields.size() ? std::string_view(frame.fields[i]) : std::string_view();
  };
  if (HexNumber(field(1)) != address) {
    return Failed(LinkFault::OtherAddress, 0, std::string(field(1)));
  }
  const auto data = HexBytes(field(3));
  if (HexNumber(field(2)) != length || !data || static_cast<int>(data->size()) != length) {
    return Failed(LinkFault::OtherData, 0, std::string(field(3)));
  }
  for (int i = 0; i < length; ++i) {
    buffer.set(address + i, static_cast<std::uint8_t>((*data)[static_cast<std::size_t>(i)]));
  }
  const LinkResult acknowledged = sendLine(protocol::Acknowledge);
  if (acknowledged == LinkResult::Ok) return LinkOutcome::done();
  if (const auto stopped = stoppedBy(acknowledged)) return *stopped;
  return Failed(LinkFault::AcknowledgementNotEchoed);
}

LinkOutcome RadioLink::writeBlock(int address, std::span<const std::uint8_t> bytes,
                                  std::string_view procedure) {
  const int length = static_cast<int>(bytes.size());
  blockInProgress_ = Block{address, length};
  std::string data;
  for (std::uint8_t byte : bytes) data += HexPad(byte, 2);
  // From the first write frame on, the radio may hold part of what the PC sends; until the
  // radio acknowledges it, this frame is where the write stopped.
  if (!writes_.firstSent) writes_.firstSent = address;
  writes_.stoppedAt = address;
  LinkOutcome outcome;
  {
    const PatientWaits patient(*this);
    outcome =
        exchange(BuildFrame(protocol::WriteRequest, HexPad(address, 4), HexPad(length, 2), data),
                 Flush::BeforeEach);
  }
  if (outcome.isDone()) {
    writes_.lastTaken = address + length - 1;
    writes_.stoppedAt.reset();
    for (int i = 0; i < length; ++i)
      acknowledged_[address + i] = bytes[static_cast<std::size_t>(i)];
  }
  return endBlock(std::move(outcome), procedure);
}

LinkOutcome RadioLink::endBlock(LinkOutcome outcome, std::string_view procedure) {
  if (outcome.failure) outcome.failure->block = blockInProgress_;
  if (outcome.outcome == Outcome::Failed) {
    ctx_.diagnostics.errorLog(procedure, FailureLogText(*outcome.failure));
  }
  blockInProgress_.reset();
  return outcome;
}

LinkOutcome RadioLink::endOperation(LinkOutcome outcome) {
  closePort();
  if (outcome.isDone()) ctx_.host.pause(SettlePause);
  return outcome;
}

void RadioLink::monitor(std::string_view text) {
  Monitor(ctx_, observer_, text);
}

}  // namespace tpw
