#include "link/radio_checks.h"

#include "image/image_codec.h"
#include "image/memory_map.h"
#include "image/model_identity.h"
#include "image/regions.h"
#include "link/frame.h"
#include "session/region_question.h"

namespace tpw {

namespace {

constexpr Seconds StatusTimeout{10};

enum class Status { Ready, Busy, NotReady };

// The status reply that follows the acknowledged request.
Status ReceiveStatus(RadioLink& link) {
  const Received word = link.ReadReplyWord();
  if (!link.ReplyArrived(word.result)) return Status::NotReady;
  if (word.text != "#CEPSD") {
    link.SendLine("#CMDUN");
    return Status::NotReady;
  }
  const Received rest = link.ReadLine(StatusTimeout);
  if (!link.ReplyArrived(rest.result)) return Status::NotReady;
  const std::string line = "#CEPSD" + rest.text;
  if (!VerifyFrame(line)) {
    link.SendLine("#CMDSM");
    return Status::NotReady;
  }
  link.SendLine("#CMDOK");
  const auto fields = SplitFields(line);
  const std::string_view state = fields.size() > 1 ? fields[1] : std::string_view();
  if (state == "00") return Status::Ready;
  return state == "01" ? Status::Busy : Status::NotReady;
}

// Reads `length` radio bytes at address into scratch; false after a failure or cancel, which
// the check reports under the given title (a cancel silently).
bool ReadForCheck(RadioLink& link, MemoryImage& scratch, int address, int length) {
  link.ReadBlock(scratch, address, length);
  return !link.flags().ErrorFlag && !link.flags().CancelFlag;
}

void ReportCheckFailure(RadioLink& link, const std::string& title) {
  if (link.flags().CancelFlag) return;
  link.context().prompter.message(Icon::Critical, title, "CommunicatiOn Error!!");
}

void RefuseModel(RadioLink& link) {
  link.flags().ErrorFlag = true;
  link.context().prompter.message(Icon::Critical, "Read from Radio", "ModelType Error !!");
}

}  // namespace

bool CheckStatus(RadioLink& link) {
  for (;;) {
    link.Monitor("status check..");
    if (!link.Exchange(BuildFrame("#CEPSR", "00"), RadioLink::Flush::Never)) return false;
    Status status = ReceiveStatus(link);
    if (status == Status::Busy) {
      const Answer answer =
          link.context().prompter.ask(Icon::Exclamation, link.caption(), "Radio is busy!!",
                                      Buttons::RetryCancel, Answer::Cancel);
      if (answer == Answer::Retry) continue;
      status = Status::NotReady;
    }
    link.Monitor(status == Status::Ready ? "status check.. OK" : "status check.. NG!!");
    return status == Status::Ready;
  }
}

void ReadDataChkModel(RadioLink& link) {
  if (!link.PortOpen()) return;
  link.Monitor("model check...");
  MemoryImage scratch;
  if (!ReadForCheck(link, scratch, addr::ModelVersionWord, 2) ||
      !ReadForCheck(link, scratch, addr::ModelVersionWord2, 2)) {
    ReportCheckFailure(link, "Model Check");
    return;
  }
  if (!VersionMatches(scratch.word(addr::ModelVersionWord), scratch.word(addr::ModelVersionWord2),
                      link.context().ws.caps.ModelType)) {
    RefuseModel(link);
  }
}

void ReadDataChkProduct(RadioLink& link) {
  if (!link.PortOpen()) return;
  link.Monitor("product-code check...");
  MemoryImage scratch;
  if (!ReadForCheck(link, scratch, addr::ProductCode, addr::ProductCodeLength + 1)) {
    ReportCheckFailure(link, "Model Check");
    return;
  }
  for (int i = 0; i < addr::ProductCodeLength; ++i) {
    const int address = addr::ProductCode + i;
    const std::uint8_t byte = scratch.at(address);
    if (byte == static_cast<std::uint8_t>(ProductCodeText[i])) continue;
    if (link.context().ws.options.DebugMode) {
      link.context().prompter.message(
          Icon::Critical, "Product Code Error!",
          "address: 0x" + HexDigits(address) + " -> 0x" + HexDigits(byte));
    }
    RefuseModel(link);
    return;
  }
}

bool ReadDataChkRegion(RadioLink& link) {
  if (!link.PortOpen()) return false;
  link.Monitor("region check...");
  MemoryImage scratch;
  if (!ReadForCheck(link, scratch, addr::RegionCode, 1)) {
    ReportCheckFailure(link, link.caption());
    return false;
  }
  switch (CompareRegions(scratch.at(addr::RegionCode), RegionOf(link.context().ws.image))) {
    case RegionMatch::Same:
      return false;
    case RegionMatch::Refused:
      link.Alert("Region Unmatched !!");
      link.flags().ErrorFlag = true;
      return false;
    case RegionMatch::Question:
      break;
  }
  if (AgreesToRegionChange(link.context().prompter, link.caption())) return true;
  link.flags().ErrorFlag = true;
  return false;
}

bool PassChecks(RadioLink& link, Checks checks, bool& regionChangeAccepted) {
  regionChangeAccepted = false;
  if (!CheckStatus(link)) {
    link.flags().ErrorFlag = true;
    link.Alert("Radio not ready!!");
    return false;
  }
  ReadDataChkModel(link);
  if (checks == Checks::Full && link.FlagsClear()) ReadDataChkProduct(link);
  if (checks == Checks::Full && link.FlagsClear()) regionChangeAccepted = ReadDataChkRegion(link);
  return link.FlagsClear();
}

}  // namespace tpw
