#include "link/port_check.h"

#include "image/memory_map.h"
#include "image/model_identity.h"
#include "link/radio_checks.h"
#include "link/radio_link.h"
#include "session/automatic_answers.h"
#include "session/message_texts.h"

namespace tpw {

namespace {

constexpr const char* CheckProcedure = "PortCheck";
constexpr int PingAttempts = 3;
constexpr Seconds EchoWait{1};

// The test asks the user nothing: a busy radio or a rejected frame is a finding, not a
// question.
class NoQuestions : public Prompter {
 public:
  void message(Icon, std::string_view, std::string_view) override {}
  Answer ask(Icon, std::string_view, std::string_view, Buttons buttons, Answer) override {
    return RefusingAnswer(buttons);
  }
};

using Finding = PortCheckResult::Finding;

PortCheckResult Found(Finding finding, bool echo, std::optional<LinkFailure> failure = {}) {
  return {finding, echo, std::move(failure), {}};
}

// A step that did not complete: a cancel, or the failure it found.
PortCheckResult Stopped(const LinkOutcome& outcome, bool echo) {
  if (outcome.outcome == Outcome::Cancelled) return Found(Finding::Cancelled, echo);
  return Found(Finding::LinkFailed, echo, outcome.failure);
}

bool CableEchoes(RadioLink& link) {
  link.sendByte(EchoTestByte);
  return link.waitForByte(EchoTestByte, EchoWait) == LinkResult::Ok;
}

bool RadioAnswersPing(RadioLink& link) {
  for (int attempt = 0; attempt < PingAttempts; ++attempt) {
    if (link.ping()) return true;
    if (link.cancelRequested()) return false;
  }
  return false;
}

// The bytes that tell what the radio is: the model words, the region and the ATIS bytes.
LinkOutcome ReadIdentity(RadioLink& link, RadioIdentity& radio) {
  MemoryImage scratch;
  struct Part {
    int address;
    int length;
  };
  static constexpr Part Parts[] = {{addr::ModelVersionWord, 2},
                                   {addr::ModelVersionWord2, 2},
                                   {addr::RegionCode, 1},
                                   {addr::AtisCode, addr::AtisCodeLength + 1}};
  for (const Part& part : Parts) {
    const LinkOutcome read =
        link.honourCancel(link.readBlock(scratch, part.address, part.length, CheckProcedure));
    if (!read.isDone()) return read;
  }
  radio.firstModelWord = scratch.word(addr::ModelVersionWord);
  radio.secondModelWord = scratch.word(addr::ModelVersionWord2);
  radio.modelMatches =
      VersionMatches(radio.firstModelWord, radio.secondModelWord, link.context().ws.caps.ModelType);
  radio.region = scratch.at(addr::RegionCode);
  radio.holdsAtisCode = !scratch.allFF(addr::AtisCode, addr::AtisCodeLength);
  radio.atisCount = scratch.at(addr::AtisCount);
  return LinkOutcome::done();
}

// What the radio tells once the link stands: its status, then what it is.
PortCheckResult AskRadio(RadioLink& link, bool echo) {
  const TransferResult status = CheckStatus(link);
  if (status.outcome == Outcome::Cancelled) return Found(Finding::Cancelled, echo);
  if (!status.done()) {
    return status.failure ? Stopped({Outcome::Failed, status.failure}, echo)
                          : Found(Finding::NotReady, echo);
  }
  PortCheckResult result = Found(Finding::Answered, echo);
  const LinkOutcome read = ReadIdentity(link, result.radio);
  return read.isDone() ? result : Stopped(read, echo);
}

// Everything after the port opened; the caller closes it.
PortCheckResult TestOpenPort(RadioLink& link, Workspace& ws) {
  const bool echo = CableEchoes(link);
  // The rest of the test reads the echo back, as a transfer with the echo check does.
  ws.options.EchoCheckSkip = !echo;
  if (!RadioAnswersPing(link)) {
    return Found(link.cancelRequested() ? Finding::Cancelled : Finding::NoAnswer, echo);
  }
  const LinkOutcome started = link.startLink();
  if (!started.isDone()) return Stopped(started, echo);
  const PortCheckResult result = AskRadio(link, echo);
  // The radio leaves the transfer as it does when a read is cancelled.
  if (!(result.failure && result.failure->fault == LinkFault::PortLost)) link.sendAbort();
  return result;
}

}  // namespace

PortCheckResult CheckPort(Context& ctx, SerialPort& port, TransferObserver& observer) {
  Workspace ws;
  ws.options = ctx.ws.options;
  ws.caps = ctx.ws.caps;
  ws.options.EchoCheckSkip = true;
  NoQuestions quiet;
  Context own{ws, quiet, ctx.host, ctx.diagnostics, ctx.files};
  RadioLink link(own, port, observer, msg::TestConnectionCaption);
  const LinkOutcome opened = link.openAtStartSpeed();
  if (!opened.isDone()) return Found(Finding::PortRefused, false, opened.failure);
  PortCheckResult result = TestOpenPort(link, ws);
  link.closePort();
  return result;
}

}  // namespace tpw
