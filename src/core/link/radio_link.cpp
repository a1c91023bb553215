#include "link/radio_link.h"

#include <algorithm>
#include <optional>

#include "image/text_values.h"
#include "link/frame.h"

namespace tpw {

namespace {

constexpr std::chrono::milliseconds SendPause{10};
constexpr std::chrono::milliseconds SpeedSwitchPause{1000};
constexpr Seconds ReplyTimeout{10};
constexpr Seconds EchoTimeout{100};
constexpr std::chrono::milliseconds SettlePause{500};

bool EqualsIgnoringCase(std::string_view text, std::string_view word) {
  return text.size() == word.size() &&
         std::equal(text.begin(), text.end(), word.begin(), [](char a, char b) {
           return std::toupper(static_cast<unsigned char>(a)) == b;
         });
}

}  // namespace

RadioLink::RadioLink(Context& ctx, SerialPort& port, TransferObserver& observer,
                     std::string caption)
    : ctx_(ctx), port_(port), observer_(observer), caption_(std::move(caption)) {}

// ---- Port control ----

std::string RadioLink::WorkingSettings() const {
  return ctx_.ws.options.LowSpeed ? StartSettings : HighSpeedSettings;
}

bool RadioLink::OpenPort(const std::string& settings, std::string_view procedure) {
  if (port_.open(settings)) return true;
  const PortFailure failure = port_.lastFailure();
  ctx_.diagnostics.errorLog(procedure, std::to_string(failure.number) + failure.description);
  return false;
}

void RadioLink::ShowPortFailure() {
  const PortFailure failure = port_.lastFailure();
  ctx_.prompter.message(Icon::Critical, "Port Inicialize Error!!",
                        std::to_string(failure.number) + failure.description);
}

bool RadioLink::PortInit() {
  if (!OpenPort(StartSettings, "frmRadio.PortInit")) {
    ShowPortFailure();
    return false;
  }
  Monitor(port_.settings());
  return true;
}

bool RadioLink::PortInitCP() {
  return OpenPort(WorkingSettings(), "frmRadio.PortInitCP");
}

bool RadioLink::PortOpen() {
  if (port_.isOpen()) return true;
  if (OpenPort(WorkingSettings(), "frmRadio.PortOpen")) return true;
  // A port lost in the middle of a transfer (a cable pulled out) fails the step that needed
  // it, and the user is told why, instead of the step passing unnoticed.
  ShowPortFailure();
  flags().ErrorFlag = true;
  return false;
}

void RadioLink::PortClose() {
  if (port_.isOpen()) port_.close();
}

void RadioLink::FlushInput() {
  port_.discardInput();
}

// ---- Sending ----

void RadioLink::Send(std::string_view bytes) {
  ctx_.host.pause(SendPause);
  port_.write({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
  CheckEcho(bytes);
}

void RadioLink::SendByte(std::uint8_t byte) {
  FlushInput();
  const char c = static_cast<char>(byte);
  Send(std::string_view(&c, 1));
}

void RadioLink::SendCommand8(std::string_view text) {
  if (text.size() != 8) return;
  SendLine(text);
}

void RadioLink::SendLine(std::string_view text) {
  Send(std::string(text) + CrLf);
}

void RadioLink::SendFrame(std::string_view frame) {
  Send(frame);
}

void RadioLink::CheckEcho(std::string_view sent) {
  if (ctx_.ws.options.EchoCheckSkip) return;
  ProgramFlags& f = flags();
  f.ErrorFlag = true;
  f.CancelFlag = false;
  const auto deadline = ctx_.host.now() + EchoTimeout;
  for (std::size_t k = 0; k < sent.size();) {
    const auto byte = port_.readByte(Slice);
    ctx_.host.yield();
    if (byte && *byte != static_cast<std::uint8_t>(sent[k])) return;
    if (byte) ++k;
    if (f.CancelFlag || ctx_.host.now() > deadline) return;
  }
  f.ErrorFlag = false;
}

// ---- Receiving ----

template <typename Consume, typename Finished>
LinkResult RadioLink::Receive(Seconds timeout, Consume consume, Finished finished) {
  const auto deadline = ctx_.host.now() + timeout;
  for (;;) {
    if (const auto byte = port_.readByte(Slice)) consume(*byte);
    ctx_.host.yield();
    if (flags().CancelFlag) return LinkResult::Cancelled;
    if (ctx_.host.now() > deadline) return LinkResult::TimedOut;
    if (const std::optional<LinkResult> result = finished()) return *result;
  }
}

LinkResult RadioLink::WaitByte(std::uint8_t value, Seconds timeout) {
  std::optional<std::uint8_t> last;
  return Receive(
      timeout, [&](std::uint8_t byte) { last = byte; },
      [&]() -> std::optional<LinkResult> {
        if (last == value) return LinkResult::Ok;
        return std::nullopt;
      });
}

Received RadioLink::ReadChars(std::size_t count, Seconds timeout) {
  Received received;
  received.result = Receive(
      timeout, [&](std::uint8_t byte) { received.text += static_cast<char>(byte); },
      [&]() -> std::optional<LinkResult> {
        if (EqualsIgnoringCase(received.text, "ERROR")) return LinkResult::ErrorReply;
        if (received.text.size() >= count) return LinkResult::Ok;
        return std::nullopt;
      });
  return received;
}

namespace {

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

}  // namespace

Received RadioLink::ReadLineUntil(Seconds timeout, bool strict) {
  LineReader reader(strict);
  const LinkResult result = Receive(
      timeout, [&](std::uint8_t byte) { reader.consume(byte); }, [&] { return reader.outcome; });
  return {reader.text, result};
}

Received RadioLink::ReadLine(Seconds timeout) {
  return ReadLineUntil(timeout, false);
}

Received RadioLink::ReadLineStrict(Seconds timeout) {
  return ReadLineUntil(timeout, true);
}

bool RadioLink::WaitCRLF() {
  return WaitByte(Cr, Seconds(1)) == LinkResult::Ok && WaitByte(Lf, Seconds(1)) == LinkResult::Ok;
}

Received RadioLink::ReadReplyWord() {
  Received word = ReadChars(6, ReplyTimeout);
  if (word.result == LinkResult::ErrorReply) ReadLine(Seconds(1));
  return word;
}

LinkResult RadioLink::WaitCmdOk() {
  const Received word = ReadReplyWord();
  if (word.result != LinkResult::Ok) return word.result;
  if (word.text != "#CMDOK" || !WaitCRLF()) return LinkResult::BadReply;
  flags().ErrorFlag = false;
  return LinkResult::Ok;
}

// ---- Start-up and recovery ----

bool RadioLink::PingRadio() {
  SendByte('P');
  if (WaitByte('P', Seconds(1)) != LinkResult::Ok) return false;
  SendByte('0');
  return true;
}

bool RadioLink::StartLink() {
  flags().CancelFlag = false;
  if (!PortInit()) return false;
  bool answered = false;
  for (int attempt = 0; attempt < 3 && !answered; ++attempt) answered = PingRadio();
  if (!answered) Monitor("sync failed!!");

  // At low speed the radio is not asked to change its speed, so both ends stay at 19200.
  if (!ctx_.ws.options.LowSpeed) {
    Monitor("sending 'ACMD:002'...");
    SendCommand8("ACMD:002");
    const Received reply = ReadLineStrict(Seconds(1));
    switch (reply.result) {
      case LinkResult::Ok:
        if (reply.text == "ERROR") {
          Alert("ACMD Command error!!");
          return false;
        }
        if (reply.text != "OK" && reply.text != "#CMDUN") {
          Alert("error!!");
          return false;
        }
        break;
      case LinkResult::Cancelled:
        return false;
      case LinkResult::BadReply:
        Alert("error!!");
        break;
      case LinkResult::TimedOut:
      case LinkResult::ErrorReply:
        break;
    }
  }
  if (!PortInitCP()) {
    Alert("port inicialize error!!");
    return false;
  }
  ctx_.host.pause(SpeedSwitchPause);
  return SyncLink();
}

bool RadioLink::SyncLink() {
  int successes = 0;
  for (int pass = 1; pass <= 2; ++pass) {
    for (int attempts = RetryCount; attempts > 0; --attempts) {
      Monitor("sending '#CMDSY'...(" + std::to_string(pass) + ")");
      SendLine("#CMDSY");
      const LinkResult result = WaitCmdOk();
      if (result == LinkResult::Ok) {
        ++successes;
        break;
      }
      if (result != LinkResult::TimedOut && result != LinkResult::ErrorReply) {
        pass = 2;  // anything else ends both passes
        break;
      }
    }
  }
  if (successes == 2) return true;
  Monitor("can'not Receive '#CMDOK' !!");
  return false;
}

void RadioLink::SendAbort() {
  FlushInput();
  SendByte(Can);
  // The radio must have left the transfer before the port closes, so its ACK is awaited even
  // though the user has already cancelled; a second cancel still ends the wait.
  flags().CancelFlag = false;
  WaitByte(Ack, Seconds(10));
  flags().CancelFlag = true;
}

// ---- Exchanges ----

bool RadioLink::ConfirmResync() {
  const Answer answer = ctx_.prompter.ask(Icon::Question, caption_,
                                          "confirm the synchronization of the communication",
                                          Buttons::OkCancel, Answer::Ok);
  return answer == Answer::Ok && SyncLink();
}

bool RadioLink::Exchange(std::string_view frame, Flush flush) {
  ProgramFlags& f = flags();
  if (flush == Flush::BeforeFirst) FlushInput();
  for (int attempts = RetryCount;;) {
    f.ErrorFlag = true;
    f.CancelFlag = false;
    if (flush == Flush::BeforeEach) FlushInput();
    SendFrame(frame);
    // Only the radio's acknowledgement counts as success, whatever the echo check found.
    f.ErrorFlag = true;
    switch (WaitCmdOk()) {
      case LinkResult::Ok:
        return true;
      case LinkResult::TimedOut:
        if (--attempts > 0) continue;
        return false;
      case LinkResult::ErrorReply:
        if (--attempts > 0) continue;
        if (!ConfirmResync()) {
          f.ErrorFlag = true;
          return false;
        }
        attempts = 1;
        continue;
      case LinkResult::Cancelled:
      case LinkResult::BadReply:
        return false;
    }
  }
}

void RadioLink::ReadBlock(MemoryImage& buffer, int address, int length) {
  const std::string frame = BuildFrame("#CEPRD", HexPad(address, 4), HexPad(length, 2));
  if (!Exchange(frame, Flush::BeforeFirst)) return;

  ProgramFlags& f = flags();
  f.ErrorFlag = true;
  f.CancelFlag = false;
  const Received word = ReadReplyWord();
  if (!ReplyArrived(word.result)) return;
  if (word.text != "#CEPDT") {
    SendLine("#CMDER");
    f.ErrorFlag = true;  // the answer's echo check must not turn the refusal into success
    return;
  }
  if (StoreDataReply(buffer, address, length)) {
    f.ErrorFlag = false;
    SendLine("#CMDOK");
  } else {
    f.ErrorFlag = true;
  }
}

bool RadioLink::StoreDataReply(MemoryImage& buffer, int address, int length) {
  const Received rest = ReadLine(ReplyTimeout);
  if (!ReplyArrived(rest.result, true)) return false;
  const std::string line = "#CEPDT" + rest.text;
  if (!VerifyFrame(line)) {
    SendLine("#CMDSM");
    return false;
  }
  const auto fields = SplitFields(line);
  const auto field = [&](std::size_t i) {
    return i < fields.size() ? fields[i] : std::string_view();
  };
  if (HexNumber(field(1)) != address) {
    Alert("address error!!");
    return false;
  }
  const auto data = HexBytes(field(3));
  if (HexNumber(field(2)) != length || !data || static_cast<int>(data->size()) != length) {
    Alert("data error!!");
    return false;
  }
  for (int i = 0; i < length; ++i) {
    buffer.set(address + i, static_cast<std::uint8_t>((*data)[static_cast<std::size_t>(i)]));
  }
  return true;
}

void RadioLink::WriteBlock(int address, int length) {
  std::string data;
  for (int i = 0; i < length; ++i) data += HexPad(ctx_.ws.image.at(address + i), 2);
  Exchange(BuildFrame("#CEPWR", HexPad(address, 4), HexPad(length, 2), data), Flush::BeforeEach);
}

bool RadioLink::ReplyArrived(LinkResult result, bool quietCancel) {
  switch (result) {
    case LinkResult::Ok:
      return true;
    case LinkResult::BadReply:
      Alert("error!!");
      return false;
    case LinkResult::Cancelled:
      if (!quietCancel) Alert("cancel!!");
      return false;
    case LinkResult::TimedOut:
      Alert("time out!!");
      return false;
    case LinkResult::ErrorReply:
      return false;
  }
  return false;
}

void RadioLink::EndTransfer(std::string_view failureTitle) {
  PortClose();
  if (flags().CancelFlag) return;
  if (flags().ErrorFlag) {
    ctx_.prompter.message(Icon::Critical, failureTitle, "CommunicatiOn Error!!");
    return;
  }
  ctx_.host.pause(SettlePause);
}

void RadioLink::Monitor(std::string_view text) {
  tpw::Monitor(ctx_, observer_, text);
}

void RadioLink::Alert(std::string_view text) {
  ctx_.prompter.message(Icon::Critical, caption_, text);
}

}  // namespace tpw
