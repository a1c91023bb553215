#include "link/port_check_messages.h"

#include "image/regions.h"
#include "image/text_values.h"
#include "image/translatable.h"
#include "session/message_texts.h"

namespace tpw {

namespace {

using Finding = PortCheckResult::Finding;

// The templates of the test's findings ("%1" the port).
namespace text {
constexpr const char* Echo =
    TPW_TEXT("Messages",
             "The cable on %1 returns every byte it is sent (a cable with echo). Transfers "
             "through it need the echo check: --echo-check on the command line, or start the "
             "desktop application with /NT.");
constexpr const char* NoAnswer =
    TPW_TEXT("Messages",
             "Nothing answered on %1. The radio is switched off, or it is not in PC-control mode "
             "(switch it on while holding [PRESET] until it shows PC CONTROL), or its cable is on "
             "another port than %1.");
constexpr const char* NotReady =
    TPW_TEXT("Messages",
             "The radio on %1 answered but did not report ready (it may be busy). Wait until it "
             "shows PC CONTROL, then test again.");
constexpr const char* LinkFailed =
    TPW_TEXT("Messages",
             "The radio on %1 answered, but the exchange that followed failed: %2. Switch the "
             "radio off, switch it on again in PC-control mode, then test again.");
constexpr const char* ModelWords = TPW_TEXT("Messages", "model words %1 and %2");
constexpr const char* HoldsCodeOnce = TPW_TEXT(
    "Messages", "It holds an ATIS code; an ATIS code has been programmed into it %1 time.");
constexpr const char* HoldsCode = TPW_TEXT(
    "Messages", "It holds an ATIS code; an ATIS code has been programmed into it %1 times.");
constexpr const char* HoldsNoCodeOnce = TPW_TEXT(
    "Messages", "It holds no ATIS code; an ATIS code has been programmed into it %1 time.");
constexpr const char* HoldsNoCode = TPW_TEXT(
    "Messages", "It holds no ATIS code; an ATIS code has been programmed into it %1 times.");
constexpr const char* OtherModel =
    TPW_TEXT("Messages",
             "The radio on %1 answered: it is no %2 (%3), so this program cannot read or write "
             "it.");
constexpr const char* SameModel =
    TPW_TEXT("Messages", "The radio on %1 answered: a %2 (%3), region %4.");
constexpr const char* Works =
    TPW_TEXT("Messages", "The cable and the port work: the radio can be read and programmed.");
constexpr const char* Cancelled = TPW_TEXT("Messages", "The test of %1 was cancelled.");
}  // namespace text

constexpr const char* kTemplates[] = {
    text::Echo,        text::NoAnswer,      text::NotReady,  text::LinkFailed,
    text::ModelWords,  text::HoldsCodeOnce, text::HoldsCode, text::HoldsNoCodeOnce,
    text::HoldsNoCode, text::OtherModel,    text::SameModel, text::Cancelled,
};

// A refused port is told as a transfer tells it.
TransferSetting PortSetting(std::string_view port) {
  TransferSetting setting;
  setting.port = port;
  return setting;
}

std::string ModelWords(const RadioIdentity& radio) {
  return Fill(text::ModelWords,
              {HexPad(radio.firstModelWord, 4), HexPad(radio.secondModelWord, 4)});
}

std::string AtisText(const RadioIdentity& radio) {
  const bool once = radio.atisCount == 1;
  const char* pattern = radio.holdsAtisCode ? (once ? text::HoldsCodeOnce : text::HoldsCode)
                                            : (once ? text::HoldsNoCodeOnce : text::HoldsNoCode);
  return Fill(pattern, {std::to_string(radio.atisCount)});
}

std::string AnsweredText(std::string_view port, std::string_view modelName,
                         const RadioIdentity& radio) {
  if (!radio.modelMatches) return Fill(text::OtherModel, {port, modelName, ModelWords(radio)});
  return Fill(text::SameModel, {port, modelName, ModelWords(radio), RegionName(radio.region)}) +
         "\r\n" + AtisText(radio) + "\r\n" + text::Works;
}

}  // namespace

std::span<const char* const> PortCheckMessageTemplates() {
  return kTemplates;
}

std::vector<Message> PortCheckMessages(const PortCheckResult& result, std::string_view port,
                                       std::string_view modelName) {
  const std::string title = msg::TestConnectionCaption;
  std::vector<Message> shown;
  if (result.echoingCable) shown.push_back({Icon::Exclamation, title, Fill(text::Echo, {port})});
  switch (result.finding) {
    case Finding::PortRefused:
      return LinkFailureMessages(*result.failure, PortSetting(port));
    case Finding::NoAnswer:
      shown.push_back({Icon::Critical, title, Fill(text::NoAnswer, {port})});
      break;
    case Finding::NotReady:
      shown.push_back({Icon::Critical, title, Fill(text::NotReady, {port})});
      break;
    case Finding::LinkFailed:
      shown.push_back(
          {Icon::Critical, title, Fill(text::LinkFailed, {port, FailureLogText(*result.failure)})});
      break;
    case Finding::Answered:
      shown.push_back({result.radio.modelMatches ? Icon::Information : Icon::Critical, title,
                       AnsweredText(port, modelName, result.radio)});
      break;
    case Finding::Cancelled:
      shown.push_back({Icon::Exclamation, title, Fill(text::Cancelled, {port})});
      break;
  }
  return shown;
}

}  // namespace tpw
