#include "link/transfer_messages.h"

#include <algorithm>

#include "image/atis_code.h"
#include "image/model_identity.h"
#include "image/regions.h"
#include "image/text_values.h"
#include "image/translatable.h"
#include "link/frame.h"
#include "link/protocol.h"
#include "session/message_texts.h"
#include "session/region_question.h"

namespace tpw {

namespace {

// The templates the composed messages are filled from ("%1" the port, mostly).
namespace text {
constexpr const char* NothingRead =
    TPW_TEXT("Messages", "Nothing was read: the data on the PC are as they were.");
constexpr const char* NothingWritten =
    TPW_TEXT("Messages", "Nothing was written: the radio on %1 is as it was.");
constexpr const char* NothingCleared =
    TPW_TEXT("Messages", "Nothing was cleared: the ATIS code in the radio on %1 is as it was.");
constexpr const char* NothingReadTryAgain =
    TPW_TEXT("Messages",
             "Nothing was read: the data on the PC are as they were. Check the cable and the "
             "radio on %1, then read again.");
constexpr const char* NothingWrittenTryAgain =
    TPW_TEXT("Messages",
             "Nothing was written: the radio on %1 is as it was. Check the cable and the radio, "
             "then program again.");
constexpr const char* NothingClearedTryAgain =
    TPW_TEXT("Messages",
             "Nothing was cleared: the ATIS code in the radio on %1 is as it was. Check the "
             "cable and the radio, then clear again.");
constexpr const char* WriteStoppedAtFirst =
    TPW_TEXT("Messages",
             "The radio on %1 may be partly programmed: the write stopped at its first address, "
             "%2. Program the radio again before you use it.");
constexpr const char* ClearStoppedAtFirst =
    TPW_TEXT("Messages",
             "The ATIS code in the radio on %1 may be partly cleared: the clear stopped at its "
             "first address, %2. Clear the ATIS data again before you use the radio.");
constexpr const char* WriteTakenUpTo =
    TPW_TEXT("Messages",
             "The radio on %1 is only partly programmed: it took the write up to address %2; the "
             "write stopped at %3. Program the radio again before you use it.");
constexpr const char* ClearTakenUpTo =
    TPW_TEXT("Messages",
             "The ATIS code in the radio on %1 is only partly cleared: it took the clear up to "
             "address %2; the clear stopped at %3. Clear the ATIS data again before you use the "
             "radio.");
constexpr const char* WriteTakenThenStopped =
    TPW_TEXT("Messages",
             "The radio on %1 is only partly programmed: it took the write up to address %2, "
             "then the write stopped. Program the radio again before you use it.");
constexpr const char* ClearTakenThenStopped =
    TPW_TEXT("Messages",
             "The ATIS code in the radio on %1 is only partly cleared: it took the clear up to "
             "address %2, then the clear stopped. Clear the ATIS data again before you use the "
             "radio.");
constexpr const char* NoAnswer =
    TPW_TEXT("Messages",
             "The radio did not answer on %1.\r\nCheck that the programming cable is plugged in "
             "at both ends, that the radio was switched on while holding [PRESET] until it shows "
             "PC CONTROL, and that %1 is the cable's port. Then try again.");
constexpr const char* ConnectionLost =
    TPW_TEXT("Messages", "The connection to the radio on %1 was lost: %2.");
constexpr const char* CheckCableAndPower = TPW_TEXT(
    "Messages",
    "Check that the cable is plugged in and that the radio is switched on, then try again.");
constexpr const char* NotReady =
    TPW_TEXT("Messages",
             "The radio on %1 did not report ready, so nothing was read or written. Wait until "
             "the radio shows PC CONTROL, then try again.");
constexpr const char* OtherRadio =
    TPW_TEXT("Messages",
             "The radio on %1 is no %2 (its model or product code differs), so nothing was read "
             "or written. Connect a %2, then try again.");
constexpr const char* RadioRegionRefused =
    TPW_TEXT("Messages",
             "The radio on %1 is of the region %2 and the PC's data set of the region %3, and "
             "%4, then try again. Nothing was read or written.");
constexpr const char* ForeignProductCode =
    TPW_TEXT("Messages",
             "The data to be written do not carry the product code %1 at 0x270-0x275, and a "
             "radio that took them would refuse every later read and write. Nothing was "
             "written. Start from the radio's own data or from a destination, then program "
             "again.");
constexpr const char* NewAtisCode =
    TPW_TEXT("Messages", "The radio on %1 has no ATIS code yet and will take the code %2.");
constexpr const char* AtisCodeOnce = TPW_TEXT(
    "Messages", "A radio takes its ATIS code only once: afterwards only ATIS Clear removes it.");
constexpr const char* ProgramWithCode = TPW_TEXT("Messages", "Program the radio with this code?");
constexpr const char* NewAtisCodeDeclined =
    TPW_TEXT("Messages",
             "Nothing was written: the radio on %1 is as it was. To program it without an ATIS "
             "code, empty the ATIS code of the data, then program again.");
constexpr const char* KeptCodeDataHoldNone =
    TPW_TEXT("Messages",
             "The radio on %1 kept its own ATIS code %2: a write never removes the ATIS code a "
             "radio holds, and these data hold none.");
constexpr const char* ToRemoveKeptCode =
    TPW_TEXT("Messages",
             "To remove it: clear the radio's code with ATIS Clear (clear-atis on the command "
             "line).");
constexpr const char* KeptCodeNotProgrammed =
    TPW_TEXT("Messages",
             "The radio on %1 kept its own ATIS code %2: a radio takes its ATIS code only once, "
             "so the code %3 shown on the PC was not programmed.");
constexpr const char* ToProgramDataCode =
    TPW_TEXT("Messages",
             "To program %1: clear the radio's code with ATIS Clear (clear-atis on the command "
             "line), then program the radio again with data that hold %1 (the clear empties the "
             "code on the PC as well).");
constexpr const char* StillWaiting =
    TPW_TEXT("Messages", "Still waiting on %1 for %2 (nothing for %3 s; giving up after %4 s).");
constexpr const char* ReadAgain =
    TPW_TEXT("Messages", "Check the cable and the radio on %1, then read again.");
constexpr const char* ProgramAgain =
    TPW_TEXT("Messages", "Check the cable and the radio, then program again.");
constexpr const char* ClearAgain =
    TPW_TEXT("Messages", "Check the cable and the radio, then clear again.");
constexpr const char* ProgramBeforeUse =
    TPW_TEXT("Messages", "Program the radio again before you use it.");
constexpr const char* ClearBeforeUse =
    TPW_TEXT("Messages", "Clear the ATIS data again before you use the radio.");
constexpr const char* NotVerified = TPW_TEXT(
    "Messages", "Not verified: read back, the radio on %1 holds other bytes than were sent at %2.");
constexpr const char* WriteReadBackCancelled =
    TPW_TEXT("Messages",
             "The radio on %1 took the whole write, but reading it back was cancelled, so it is "
             "not verified.");
constexpr const char* ClearReadBackCancelled =
    TPW_TEXT("Messages",
             "The radio on %1 took the whole clear, but reading it back was cancelled, so it is "
             "not verified.");
constexpr const char* WriteReadBackFailed =
    TPW_TEXT("Messages",
             "The radio on %1 took the whole write, but reading it back failed, so it is not "
             "verified. %2");
constexpr const char* ClearReadBackFailed =
    TPW_TEXT("Messages",
             "The radio on %1 took the whole clear, but reading it back failed, so it is not "
             "verified. %2");
constexpr const char* Verified =
    TPW_TEXT("Messages", "Verified: the radio on %1 holds everything written.");
constexpr const char* NothingToWrite =
    TPW_TEXT("Messages",
             "Nothing was written: the radio on %1 already holds everything these data would "
             "write.");
}  // namespace text

constexpr const char* kTemplates[] = {
    text::NothingWritten,
    text::NothingCleared,
    text::NothingReadTryAgain,
    text::NothingWrittenTryAgain,
    text::NothingClearedTryAgain,
    text::WriteStoppedAtFirst,
    text::ClearStoppedAtFirst,
    text::WriteTakenUpTo,
    text::ClearTakenUpTo,
    text::WriteTakenThenStopped,
    text::ClearTakenThenStopped,
    text::NoAnswer,
    text::ConnectionLost,
    text::NotReady,
    text::OtherRadio,
    text::RadioRegionRefused,
    text::ForeignProductCode,
    text::NewAtisCode,
    text::NewAtisCodeDeclined,
    text::KeptCodeDataHoldNone,
    text::KeptCodeNotProgrammed,
    text::ToProgramDataCode,
    text::StillWaiting,
    text::ReadAgain,
    text::NotVerified,
    text::WriteReadBackCancelled,
    text::ClearReadBackCancelled,
    text::WriteReadBackFailed,
    text::ClearReadBackFailed,
    text::Verified,
    text::NothingToWrite,
};

std::string Address(int address) {
  return "0x" + HexPad(address, 3);
}

Message Critical(std::string title, std::string text) {
  return {Icon::Critical, std::move(title), std::move(text)};
}

// A failed read, write or clear is titled by its operation; the clear with its words the other
// way round.
const char* FailureTitle(TransferMode mode) {
  return mode == TransferMode::ClearAtis ? msg::ClearAtisFailureTitle : TransferCaption(mode);
}

// What a transfer that stopped before it moved any data left as it was.
std::string NothingChanged(TransferMode mode, std::string_view port) {
  switch (mode) {
    case TransferMode::Read:
      return text::NothingRead;
    case TransferMode::Program:
      return Fill(text::NothingWritten, {port});
    case TransferMode::ClearAtis:
      return Fill(text::NothingCleared, {port});
  }
  return {};
}

// That nothing changed, and what to check before the next attempt.
std::string NothingChangedTryAgain(TransferMode mode, std::string_view port) {
  switch (mode) {
    case TransferMode::Read:
      return Fill(text::NothingReadTryAgain, {port});
    case TransferMode::Program:
      return Fill(text::NothingWrittenTryAgain, {port});
    case TransferMode::ClearAtis:
      return Fill(text::NothingClearedTryAgain, {port});
  }
  return {};
}

// The radio may hold part of what was sent: which part, and what makes it usable again.
std::string PartlyWritten(TransferMode mode, std::string_view port, const WriteProgress& writes) {
  const bool clear = mode == TransferMode::ClearAtis;
  if (!writes.lastTaken) {
    return Fill(clear ? text::ClearStoppedAtFirst : text::WriteStoppedAtFirst,
                {port, Address(*writes.firstSent)});
  }
  if (writes.stoppedAt) {
    return Fill(clear ? text::ClearTakenUpTo : text::WriteTakenUpTo,
                {port, Address(*writes.lastTaken), Address(*writes.stoppedAt)});
  }
  return Fill(clear ? text::ClearTakenThenStopped : text::WriteTakenThenStopped,
              {port, Address(*writes.lastTaken)});
}

// What a read, write or ATIS clear that did not complete left in the radio, and what to do;
// for a failure it follows "CommunicatiOn Error!!" on the next line. Empty for a cancel that
// left the radio as it was.
std::string Unfinished(const TransferSetting& setting, const WriteProgress& writes, bool failed) {
  if (writes.firstSent) return PartlyWritten(setting.mode, setting.port, writes);
  if (!failed) return {};
  return NothingChangedTryAgain(setting.mode, setting.port);
}

std::string NoAnswerText(std::string_view port) {
  return Fill(text::NoAnswer, {port});
}

// The port went away under a transfer: why, what the transfer left when no later message
// says it, and what else can take a port away on this system.
std::string LostPortText(std::string_view port, const PortFailure& failure, std::string_view left) {
  return Fill(text::ConnectionLost, {port, failure.description}) +
         (left.empty() ? std::string() : "\r\n" + std::string(left)) + "\r\n" +
         text::CheckCableAndPower +
         (failure.checks.empty() ? std::string() : "\r\n" + failure.checks);
}

std::string NotReadyText(std::string_view port) {
  return Fill(text::NotReady, {port});
}

std::string OtherRadioText(std::string_view port, std::string_view modelName) {
  return Fill(text::OtherRadio, {port, modelName});
}

std::string RadioRegionRefusedText(std::string_view port, const RegionRefusal& regions) {
  return Fill(text::RadioRegionRefused,
              {port, RegionName(regions.radio), RegionName(regions.dataSet),
               NeverMixedAdvice(regions.radio)});
}

std::string ForeignProductCodeText() {
  return Fill(text::ForeignProductCode, {ProductCodeText});
}

std::string NewAtisCodeQuestion(std::string_view port, std::string_view code) {
  const std::string warning =
      IsPlausibleAtisCode(code) ? std::string() : ImplausibleAtisCodeText(code) + "\r\n";
  return warning + Fill(text::NewAtisCode, {port, code}) + "\r\n" + text::AtisCodeOnce + "\r\n" +
         text::ProgramWithCode;
}

std::string NewAtisCodeDeclinedText(std::string_view port) {
  return Fill(text::NewAtisCodeDeclined, {port});
}

// A write completed, but the radio kept the ATIS code it holds: the data's code was not
// programmed, or the data hold none and the user may think the radio now holds none either.
std::string KeptAtisCodeText(std::string_view port, std::string_view radioCode,
                             std::string_view dataCode) {
  if (dataCode.empty()) {
    return Fill(text::KeptCodeDataHoldNone, {port, radioCode}) + "\r\n" + text::ToRemoveKeptCode;
  }
  return Fill(text::KeptCodeNotProgrammed, {port, radioCode, dataCode}) + "\r\n" +
         Fill(text::ToProgramDataCode, {dataCode});
}

// What to check before the next attempt.
std::string TryAgain(TransferMode mode, std::string_view port) {
  switch (mode) {
    case TransferMode::Read:
      return Fill(text::ReadAgain, {port});
    case TransferMode::Program:
      return text::ProgramAgain;
    case TransferMode::ClearAtis:
      return text::ClearAgain;
  }
  return {};
}

std::string AgainRemedy(TransferMode mode) {
  return mode == TransferMode::ClearAtis ? text::ClearBeforeUse : text::ProgramBeforeUse;
}

// The addresses that did not verify, the first ones with the settings they hold.
std::string DifferingAddresses(const WriteVerification& verification) {
  std::string list;
  const std::size_t named = std::min(verification.differing.size(), MaxNamedDifferences);
  for (std::size_t i = 0; i < named; ++i) {
    if (i > 0) list += ", ";
    list += Address(verification.differing[i]);
    if (i < verification.settings.size() && !verification.settings[i].empty()) {
      list += " (" + verification.settings[i] + ")";
    }
  }
  const std::size_t more = verification.differing.size() - named;
  if (more > 0) list += " and " + std::to_string(more) + " more addresses";
  return list;
}

std::string NotVerifiedText(const TransferSetting& setting, const WriteVerification& verification) {
  return Fill(text::NotVerified, {setting.port, DifferingAddresses(verification)}) + "\r\n" +
         AgainRemedy(setting.mode);
}

// The radio took the whole write or clear, but it could not be read back.
std::string ReadBackFailedText(const TransferSetting& setting) {
  const bool clear = setting.mode == TransferMode::ClearAtis;
  return Fill(clear ? text::ClearReadBackFailed : text::WriteReadBackFailed,
              {setting.port, TryAgain(setting.mode, setting.port)});
}

// The read-back after a whole write or clear did not complete.
Message ReadBackUnfinished(const TransferResult& result, const TransferSetting& setting) {
  if (result.outcome == Outcome::Cancelled) {
    const bool clear = setting.mode == TransferMode::ClearAtis;
    return {
        Icon::Exclamation, TransferCaption(setting.mode),
        Fill(clear ? text::ClearReadBackCancelled : text::WriteReadBackCancelled, {setting.port})};
  }
  return Critical(FailureTitle(setting.mode),
                  std::string(msg::CommunicationError) + "\r\n" + ReadBackFailedText(setting));
}

void AddVerifyingEnd(std::vector<Message>& shown, const TransferResult& result,
                     const TransferSetting& setting) {
  if (result.verification.state == VerificationState::Differs) {
    shown.push_back(
        Critical(FailureTitle(setting.mode), NotVerifiedText(setting, result.verification)));
    return;
  }
  shown.push_back(ReadBackUnfinished(result, setting));
}

// The message of the fault itself, as the step that found it has always shown it.
std::optional<Message> FaultMessage(const LinkFailure& failure, const TransferSetting& setting,
                                    std::string_view left) {
  const std::string caption = TransferCaption(setting.mode);
  switch (failure.fault) {
    case LinkFault::PortNotOpened:
      return Critical(TPW_TEXT("Messages", "Port Inicialize Error!!"),
                      failure.port.description +
                          (failure.port.checks.empty() ? "" : "\r\n" + failure.port.checks));
    case LinkFault::PortLost:
      return Critical(caption, LostPortText(setting.port, failure.port, left));
    case LinkFault::WorkingSpeedNotSet:
      return Critical(caption, TPW_TEXT("Messages", "port inicialize error!!"));
    case LinkFault::SpeedCommandRejected:
      return Critical(caption, TPW_TEXT("Messages", "ACMD Command error!!"));
    case LinkFault::SpeedReplyUnreadable:
    case LinkFault::ReplyTooLong:
      return Critical(caption, msg::ReplyError);
    case LinkFault::NoAnswer:
      return Critical(caption, NoAnswerText(setting.port));
    case LinkFault::ReplyMissing:
    case LinkFault::ReplyCutShort:
      return Critical(caption, TPW_TEXT("Messages", "time out!!"));
    case LinkFault::ReplyCancelled:
      return Critical(caption, TPW_TEXT("Messages", "cancel!!"));
    case LinkFault::OtherAddress:
      return Critical(caption, TPW_TEXT("Messages", "address error!!"));
    case LinkFault::OtherData:
      return Critical(caption, TPW_TEXT("Messages", "data error!!"));
    case LinkFault::NoAcknowledgement:
    case LinkFault::RejectedNotResynchronised:
    case LinkFault::OtherThanAcknowledgement:
    case LinkFault::ReplyRejected:
    case LinkFault::OtherReply:
    case LinkFault::ReplyChecksumWrong:
    case LinkFault::AcknowledgementNotEchoed:
      break;
  }
  return std::nullopt;
}

// The steps that move data: their end always says what they left.
bool MovesData(TransferStep step) {
  switch (step) {
    case TransferStep::Reading:
    case TransferStep::AtisCodeLook:
    case TransferStep::Writing:
    case TransferStep::AtisCount:
    case TransferStep::Erasing:
    case TransferStep::Verifying:
      return true;
    default:
      return false;
  }
}

// A check's read failed: titled as its check ("Model Check"), or with the dialog's caption. A
// port that could not be reopened has said so itself.
void AddCheckReadFailure(std::vector<Message>& shown, const TransferResult& result,
                         const std::string& title) {
  if (result.outcome == Outcome::Failed && result.failure &&
      result.failure->fault != LinkFault::PortNotOpened) {
    shown.push_back(Critical(title, msg::CommunicationError));
  }
}

// A radio or data of another model: the first differing byte of the product code in debug
// mode, then the refusal, titled as a read in every operation.
void AddModelRefusal(std::vector<Message>& shown, const TransferResult& result,
                     const TransferSetting& setting, const std::string& explanation) {
  if (result.productCode && setting.debug) {
    shown.push_back(Critical(TPW_TEXT("Messages", "Product Code Error!"),
                             "address: 0x" + HexDigits(result.productCode->address) + " -> 0x" +
                                 HexDigits(result.productCode->found)));
  }
  shown.push_back(
      Critical(msg::ReadCaption, std::string(msg::ModelTypeError) + "\r\n" + explanation));
}

// "Complete!!", then that the read-back found everything, and the ATIS code the radio kept on
// the next line under a warning icon.
Message CompleteMessage(const TransferResult& result, const TransferSetting& setting) {
  const std::string caption = TransferCaption(setting.mode);
  std::string words = msg::Complete;
  if (result.verification.state == VerificationState::Verified) {
    words += "\r\n" + Fill(text::Verified, {setting.port});
  }
  if (result.keptAtisCode.empty()) return {Icon::Information, caption, words};
  return {
      Icon::Exclamation, caption,
      words + "\r\n" + KeptAtisCodeText(setting.port, result.keptAtisCode, setting.dataAtisCode)};
}

// A radio read first that holds everything the write would send, and the ATIS code it keeps
// when that is not the data's.
Message NothingToWriteMessage(const TransferResult& result, const TransferSetting& setting) {
  const std::string words = Fill(text::NothingToWrite, {setting.port});
  const std::string caption = TransferCaption(setting.mode);
  if (result.keptAtisCode.empty()) return {Icon::Information, caption, words};
  return {
      Icon::Exclamation, caption,
      words + "\r\n" + KeptAtisCodeText(setting.port, result.keptAtisCode, setting.dataAtisCode)};
}

// The end of a step that moves data: a failure is "CommunicatiOn Error!!" with what it left; a
// cancel says what it left in the radio, if anything.
void AddDataMovedEnd(std::vector<Message>& shown, const TransferResult& result,
                     const TransferSetting& setting) {
  if (result.outcome == Outcome::Failed) {
    shown.push_back(Critical(
        FailureTitle(setting.mode),
        std::string(msg::CommunicationError) + "\r\n" + Unfinished(setting, result.writes, true)));
    return;
  }
  const std::string left = Unfinished(setting, result.writes, false);
  if (!left.empty()) shown.push_back({Icon::Exclamation, TransferCaption(setting.mode), left});
}

// What the step the transfer ended in says of it.
void AddStepMessages(std::vector<Message>& shown, const TransferResult& result,
                     const TransferSetting& setting) {
  const std::string caption = TransferCaption(setting.mode);
  const bool failedHere = result.outcome == Outcome::Failed && !result.failure;
  switch (result.step) {
    case TransferStep::Preparing:
      AddModelRefusal(shown, result, setting, ForeignProductCodeText());
      return;
    case TransferStep::Starting:
      return;
    case TransferStep::Status:
      if (!result.done()) {
        shown.push_back(Critical(caption, std::string(TPW_TEXT("Messages", "Radio not ready!!")) +
                                              "\r\n" + NotReadyText(setting.port)));
      }
      return;
    case TransferStep::Model:
    case TransferStep::ProductCode:
      AddCheckReadFailure(shown, result, msg::ModelCheckTitle);
      if (failedHere) {
        AddModelRefusal(shown, result, setting, OtherRadioText(setting.port, setting.modelName));
      }
      return;
    case TransferStep::Region:
      AddCheckReadFailure(shown, result, caption);
      if (result.regions) {
        shown.push_back(
            Critical(caption, std::string(msg::RegionUnmatched) + "\r\n" +
                                  RadioRegionRefusedText(setting.port, *result.regions)));
      }
      return;
    case TransferStep::KeepingReadFirst:
      return;  // whoever could not keep it has said why, and that nothing was written
    case TransferStep::AtisCodeConfirm:
      shown.push_back({Icon::Exclamation, caption, NewAtisCodeDeclinedText(setting.port)});
      return;
    case TransferStep::ChangesDeclined:
      shown.push_back({Icon::Exclamation, caption, NothingChanged(setting.mode, setting.port)});
      return;
    case TransferStep::NothingToWrite:
      shown.push_back(NothingToWriteMessage(result, setting));
      return;
    case TransferStep::Verifying:
      AddVerifyingEnd(shown, result, setting);
      return;
    case TransferStep::Finished:
      shown.push_back(CompleteMessage(result, setting));
      return;
    default:
      AddDataMovedEnd(shown, result, setting);
  }
}

// A failure nobody expected: its number and description, then what it left in the radio.
std::vector<Message> UnexpectedMessages(const TransferResult& result,
                                        const TransferSetting& setting) {
  const std::string caption = TransferCaption(setting.mode);
  std::vector<Message> shown = {Critical(caption, std::to_string(result.unexpected->number) +
                                                      "\r\n\r\n" + result.unexpected->description)};
  // A failure in the read-back leaves a radio that took everything, only not verified.
  const std::string left = result.writes.readingBack ? ReadBackFailedText(setting)
                                                     : Unfinished(setting, result.writes, false);
  if (!left.empty()) shown.push_back({Icon::Exclamation, caption, left});
  return shown;
}

// What arrived, as the log shows it: control characters as hex ("#CMD\x0D\x0A").
std::string Escaped(std::string_view text) {
  std::string shown;
  for (const char c : text) {
    const bool printable = c >= 0x20 && c < 0x7F;
    shown += printable ? std::string(1, c) : "\\x" + HexPad(static_cast<unsigned char>(c), 2);
  }
  return shown;
}

std::string BlockName(const Block& block) {
  return "block 0x" + HexPad(block.address, 3) + ", " + std::to_string(block.length) +
         (block.length == 1 ? " byte" : " bytes");
}

// The reply a failure was about: "data" or "status".
std::string ReplyNoun(const LinkFailure& failure) {
  return failure.expected == protocol::StatusReply ? "status" : "data";
}

std::string FailureReason(const LinkFailure& failure) {
  const std::string reply = ReplyNoun(failure);
  switch (failure.fault) {
    case LinkFault::PortNotOpened:
      return "the port could not be opened: " + failure.port.description;
    case LinkFault::PortLost:
      return "the port was lost: " + failure.port.description;
    case LinkFault::WorkingSpeedNotSet:
      return "the port did not take the working speed";
    case LinkFault::SpeedCommandRejected:
      return "the radio answered ERROR to the speed command";
    case LinkFault::SpeedReplyUnreadable:
      return "an unreadable answer to the speed command";
    case LinkFault::NoAnswer:
      return "the radio did not answer the synchronisation";
    case LinkFault::NoAcknowledgement:
      return "no acknowledgement after " + std::to_string(failure.attempts) + " attempts";
    case LinkFault::RejectedNotResynchronised:
      return "the radio answered ERROR and the link was not synchronised";
    case LinkFault::OtherThanAcknowledgement:
      return "another reply than the acknowledgement";
    case LinkFault::ReplyMissing:
      return "no " + reply + " reply";
    case LinkFault::ReplyRejected:
      return "the radio answered ERROR instead of the " + reply;
    case LinkFault::OtherReply:
      return "another reply than " + reply;
    case LinkFault::ReplyCutShort:
      return "the " + reply + " reply stopped before its end";
    case LinkFault::ReplyTooLong:
      return "a " + reply + " reply longer than any the radio sends";
    case LinkFault::ReplyChecksumWrong:
      return "a " + reply + " reply with a wrong checksum";
    case LinkFault::ReplyCancelled:
      return "cancelled while the " + reply + " reply was awaited";
    case LinkFault::OtherAddress:
      return "a data reply for another address";
    case LinkFault::OtherData:
      return "a data reply of another length or with other than hex digits";
    case LinkFault::AcknowledgementNotEchoed:
      return "the cable did not echo the acknowledgement of the data";
  }
  return {};
}

}  // namespace

std::span<const char* const> TransferMessageTemplates() {
  return kTemplates;
}

std::vector<Message> TransferEndMessages(const TransferResult& result,
                                         const TransferSetting& setting) {
  if (result.unexpected) return UnexpectedMessages(result, setting);
  std::vector<Message> shown;
  if (result.failure) {
    // A port lost before any data moved: nothing later says that nothing changed.
    const std::string left =
        MovesData(result.step) ? std::string() : NothingChanged(setting.mode, setting.port);
    if (auto message = FaultMessage(*result.failure, setting, left)) shown.push_back(*message);
  }
  AddStepMessages(shown, result, setting);
  return shown;
}

std::vector<Message> LinkFailureMessages(const LinkFailure& failure,
                                         const TransferSetting& setting) {
  if (auto message = FaultMessage(failure, setting, {})) return {*message};
  return {};
}

void ShowMessages(Prompter& prompter, const std::vector<Message>& messages) {
  for (const Message& m : messages) prompter.message(m.icon, m.title, m.text);
}

TransferQuestions::TransferQuestions(Prompter& prompter, std::string caption, std::string port)
    : prompter_(prompter), caption_(std::move(caption)), port_(std::move(port)) {}

bool TransferQuestions::resynchronise() {
  return prompter_.ask(Icon::Question, caption_,
                       TPW_TEXT("Messages", "confirm the synchronization of the communication"),
                       Buttons::OkCancel, Answer::Ok) == Answer::Ok;
}

bool TransferQuestions::retryBusyRadio() {
  return prompter_.ask(Icon::Exclamation, caption_, TPW_TEXT("Messages", "Radio is busy!!"),
                       Buttons::RetryCancel, Answer::Cancel) == Answer::Retry;
}

bool TransferQuestions::takeRadioRegion() {
  return AgreesToRegionChange(prompter_, caption_);
}

bool TransferQuestions::programNewAtisCode(std::string_view code) {
  return prompter_.ask(Icon::Question, caption_, NewAtisCodeQuestion(port_, code), Buttons::YesNo,
                       Answer::No) == Answer::Yes;
}

std::string WaitingText(std::string_view port, std::string_view awaited,
                        std::chrono::seconds silence, std::chrono::seconds timeout) {
  return Fill(text::StillWaiting,
              {port, awaited, std::to_string(silence.count()), std::to_string(timeout.count())});
}

std::string FailureLogText(const LinkFailure& failure) {
  return (failure.block ? BlockName(*failure.block) + ": " : std::string()) +
         FailureReason(failure) +
         (failure.heard.empty() ? std::string() : " (\"" + Escaped(failure.heard) + "\")");
}

std::string PortFailureLogText(const PortFailure& failure) {
  return std::to_string(failure.number) + failure.description;
}

std::string UnexpectedFailureLogText(const UnexpectedFailure& failure,
                                     const std::optional<Block>& block) {
  return std::to_string(failure.number) + failure.description +
         (block ? "; " + BlockName(*block) : std::string());
}

}  // namespace tpw
