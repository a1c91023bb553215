#include "link/port_check_messages.h"

#include "image/regions.h"
#include "image/text_values.h"
#include "session/message_texts.h"

namespace tpw {

namespace {

using Finding = PortCheckResult::Finding;

// A refused port is told as a transfer tells it.
TransferSetting PortSetting(std::string_view port) {
  TransferSetting setting;
  setting.port = port;
  return setting;
}

std::string EchoText(std::string_view port) {
  return "The cable on " + std::string(port) +
         " returns every byte it is sent (a cable with echo). Transfers through it need the "
         "echo check: --echo-check on the command line, or start the desktop application "
         "with /NT.";
}

std::string NoAnswerText(std::string_view port) {
  const std::string p(port);
  return "Nothing answered on " + p +
         ". The radio is switched off, or it is not in PC-control mode (switch it on while "
         "holding [PRESET] until it shows PC CONTROL), or its cable is on another port than " +
         p + ".";
}

std::string NotReadyText(std::string_view port) {
  return "The radio on " + std::string(port) +
         " answered but did not report ready (it may be busy). Wait until it shows PC "
         "CONTROL, then test again.";
}

std::string LinkFailedText(std::string_view port, const LinkFailure& failure) {
  return "The radio on " + std::string(port) +
         " answered, but the exchange that followed failed: " + FailureLogText(failure) +
         ". Switch the radio off, switch it on again in PC-control mode, then test again.";
}

std::string ModelWords(const RadioIdentity& radio) {
  return "model words " + HexPad(radio.firstModelWord, 4) + " and " +
         HexPad(radio.secondModelWord, 4);
}

std::string AtisText(const RadioIdentity& radio) {
  const std::string times =
      std::to_string(radio.atisCount) + (radio.atisCount == 1 ? " time" : " times");
  return std::string(radio.holdsAtisCode ? "It holds an ATIS code" : "It holds no ATIS code") +
         "; an ATIS code has been programmed into it " + times + ".";
}

std::string AnsweredText(std::string_view port, std::string_view modelName,
                         const RadioIdentity& radio) {
  const std::string heading = "The radio on " + std::string(port) + " answered: ";
  if (!radio.modelMatches) {
    return heading + "it is no " + std::string(modelName) + " (" + ModelWords(radio) +
           "), so this program cannot read or write it.";
  }
  return heading + "a " + std::string(modelName) + " (" + ModelWords(radio) + "), region " +
         RegionName(radio.region) + ".\r\n" + AtisText(radio) +
         "\r\nThe cable and the port work: the radio can be read and programmed.";
}

}  // namespace

std::vector<Message> PortCheckMessages(const PortCheckResult& result, std::string_view port,
                                       std::string_view modelName) {
  const std::string title = msg::TestConnectionCaption;
  std::vector<Message> shown;
  if (result.echoingCable) shown.push_back({Icon::Exclamation, title, EchoText(port)});
  switch (result.finding) {
    case Finding::PortRefused:
      return LinkFailureMessages(*result.failure, PortSetting(port));
    case Finding::NoAnswer:
      shown.push_back({Icon::Critical, title, NoAnswerText(port)});
      break;
    case Finding::NotReady:
      shown.push_back({Icon::Critical, title, NotReadyText(port)});
      break;
    case Finding::LinkFailed:
      shown.push_back({Icon::Critical, title, LinkFailedText(port, *result.failure)});
      break;
    case Finding::Answered:
      shown.push_back({result.radio.modelMatches ? Icon::Information : Icon::Critical, title,
                       AnsweredText(port, modelName, result.radio)});
      break;
    case Finding::Cancelled:
      shown.push_back(
          {Icon::Exclamation, title, "The test of " + std::string(port) + " was cancelled."});
      break;
  }
  return shown;
}

}  // namespace tpw
