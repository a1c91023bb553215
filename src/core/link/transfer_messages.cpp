#include "link/transfer_messages.h"

#include "image/atis_code.h"
#include "image/model_identity.h"
#include "image/regions.h"
#include "image/text_values.h"

namespace tpw {

namespace {

std::string Address(int address) {
  return "0x" + HexPad(address, 3);
}

// The radio may hold part of what was sent: which part, and what makes it usable again.
std::string PartlyWritten(TransferMode mode, std::string_view port, const WriteProgress& writes) {
  const bool clear = mode == TransferMode::ClearAtis;
  const std::string what = clear ? "The ATIS code in the radio on " + std::string(port)
                                 : "The radio on " + std::string(port);
  const std::string done = clear ? "cleared" : "programmed";
  const std::string action = clear ? "clear" : "write";
  const std::string remedy = clear ? "Clear the ATIS data again before you use the radio."
                                   : "Program the radio again before you use it.";
  if (!writes.lastTaken) {
    return what + " may be partly " + done + ": the " + action + " stopped at its first address, " +
           Address(*writes.firstSent) + ". " + remedy;
  }
  const std::string stop = writes.stoppedAt
                               ? "; the " + action + " stopped at " + Address(*writes.stoppedAt)
                               : ", then the " + action + " stopped";
  return what + " is only partly " + done + ": it took the " + action + " up to address " +
         Address(*writes.lastTaken) + stop + ". " + remedy;
}

}  // namespace

std::string NoAnswerText(std::string_view port) {
  const std::string p(port);
  return "The radio did not answer on " + p +
         ".\r\nCheck that the programming cable is plugged in at both ends, that the radio "
         "was switched on while holding [PRESET] until it shows PC CONTROL, and that " +
         p + " is the cable's port. Then try again.";
}

std::string LostPortText(std::string_view port, std::string_view reason, std::string_view checks) {
  return "The connection to the radio on " + std::string(port) +
         " was lost: " + std::string(reason) +
         ".\r\nCheck that the cable is plugged in and that the radio is switched on, then try "
         "again." +
         (checks.empty() ? std::string() : "\r\n" + std::string(checks));
}

std::string WaitingText(std::string_view port, std::string_view awaited,
                        std::chrono::seconds silence, std::chrono::seconds timeout) {
  return "Still waiting on " + std::string(port) + " for " + std::string(awaited) +
         " (nothing for " + std::to_string(silence.count()) + " s; giving up after " +
         std::to_string(timeout.count()) + " s).";
}

std::string UnfinishedOperationText(TransferMode mode, std::string_view port,
                                    const WriteProgress& writes, bool failed) {
  if (writes.firstSent) return PartlyWritten(mode, port, writes);
  if (!failed) return {};
  const std::string p(port);
  switch (mode) {
    case TransferMode::Read:
      return "Nothing was read: the data on the PC are as they were. Check the cable and the "
             "radio on " +
             p + ", then read again.";
    case TransferMode::Program:
      return "Nothing was written: the radio on " + p +
             " is as it was. Check the cable and the radio, then program again.";
    case TransferMode::ClearAtis:
      return "Nothing was cleared: the ATIS code in the radio on " + p +
             " is as it was. Check the cable and the radio, then clear again.";
  }
  return {};
}

std::string NotReadyText(std::string_view port) {
  return "The radio on " + std::string(port) +
         " did not report ready, so nothing was read or written. Wait until the radio shows PC "
         "CONTROL, then try again.";
}

std::string OtherRadioText(std::string_view port, std::string_view modelName) {
  return "The radio on " + std::string(port) + " is no " + std::string(modelName) +
         " (its model or product code differs), so nothing was read or written. Connect a " +
         std::string(modelName) + ", then try again.";
}

std::string RadioRegionRefusedText(std::string_view port, int radioRegion, int dataSetRegion) {
  return "The radio on " + std::string(port) + " is of the region " + RegionName(radioRegion) +
         " and the PC's data set of the region " + RegionName(dataSetRegion) + ", and " +
         NeverMixedAdvice(radioRegion) + ", then try again. Nothing was read or written.";
}

std::string ForeignProductCodeText() {
  return std::string("The data to be written do not carry the product code ") + ProductCodeText +
         " at 0x270-0x275, and a radio that took them would refuse every later read and "
         "write. Nothing was written. Start from the radio's own data or from a destination, "
         "then program again.";
}

std::string NewAtisCodeQuestion(std::string_view port, std::string_view code) {
  const std::string warning =
      IsPlausibleAtisCode(code) ? std::string() : ImplausibleAtisCodeText(code) + "\r\n";
  return warning + "The radio on " + std::string(port) +
         " has no ATIS code yet and will take the code " + std::string(code) +
         ".\r\nA radio takes its ATIS code only once: afterwards only ATIS Clear removes it."
         "\r\nProgram the radio with this code?";
}

std::string NewAtisCodeDeclinedText(std::string_view port) {
  return "Nothing was written: the radio on " + std::string(port) +
         " is as it was. To program it without an ATIS code, empty the ATIS code of the data, "
         "then program again.";
}

std::string KeptAtisCodeText(std::string_view port, std::string_view radioCode,
                             std::string_view pcCode) {
  const std::string code(pcCode);
  return "The radio on " + std::string(port) + " kept its own ATIS code " + std::string(radioCode) +
         ": a radio takes its ATIS code only once, so the code " + code +
         " shown on the PC was not programmed.\r\nTo program " + code +
         ": clear the radio's code with ATIS Clear (clear-atis on the command line), then "
         "program the radio again with data that hold " +
         code + " (the clear empties the code on the PC as well).";
}

}  // namespace tpw
