#include "link/radio_checks.h"

#include "image/memory_map.h"
#include "image/model_identity.h"
#include "image/regions.h"
#include "link/frame.h"
#include "link/protocol.h"
#include "link/transfer_messages.h"
#include "session/message_texts.h"
#include "session/region_question.h"

namespace tpw {

namespace {

constexpr Seconds StatusTimeout{10};

enum class Status { Ready, Busy, NotReady };

// The status reply that follows the acknowledged request.
Status ReceiveStatus(RadioLink& link) {
  const Received word = link.readReplyWord();
  if (!link.replyArrived(word.result)) return Status::NotReady;
  if (word.text != protocol::StatusReply) {
    link.sendLine(protocol::Unknown);
    return Status::NotReady;
  }
  const Received rest = link.readLine(StatusTimeout);
  if (!link.replyArrived(rest.result)) return Status::NotReady;
  const std::string line = protocol::StatusReply + rest.text;
  if (!VerifyFrame(line)) {
    link.sendLine(protocol::ChecksumWrong);
    return Status::NotReady;
  }
  link.sendLine(protocol::Acknowledge);
  const auto fields = SplitFields(line);
  const std::string_view state = fields.size() > 1 ? fields[1] : std::string_view();
  if (state == protocol::StatusReady) return Status::Ready;
  return state == protocol::StatusBusy ? Status::Busy : Status::NotReady;
}

// A read of the check that did not succeed: a failure is shown under the given title, a
// cancel silently.
Outcome ReadFailed(RadioLink& link, Outcome read, const std::string& title) {
  const Outcome outcome = link.honourCancel(read);
  if (outcome == Outcome::Failed) {
    link.context().prompter.message(Icon::Critical, title, msg::CommunicationError);
  }
  return outcome;
}

// Every operation titles it as a read; the explanation follows on the next line.
Outcome RefuseModel(Context& ctx, const std::string& explanation) {
  ctx.prompter.message(Icon::Critical, msg::ReadCaption,
                       std::string(msg::ModelTypeError) + "\r\n" + explanation);
  return Outcome::Failed;
}

// The product check of memory (the radio's or the PC's): the first byte that differs from the
// code is shown in debug mode, and the memory is refused as another model.
Outcome CheckProductCodeOf(Context& ctx, const MemoryImage& memory,
                           const std::string& explanation) {
  const std::optional<int> address = ProductCodeDifference(memory);
  if (!address) return Outcome::Done;
  if (ctx.ws.options.DebugMode) {
    ctx.prompter.message(
        Icon::Critical, "Product Code Error!",
        "address: 0x" + HexDigits(*address) + " -> 0x" + HexDigits(memory.at(*address)));
  }
  return RefuseModel(ctx, explanation);
}

}  // namespace

Outcome CheckStatus(RadioLink& link) {
  for (;;) {
    link.monitor("status check..");
    const Outcome exchanged = link.exchange(
        BuildFrame(protocol::StatusRequest, protocol::StatusQuery), RadioLink::Flush::Never);
    if (exchanged != Outcome::Done) return exchanged;
    Status status = ReceiveStatus(link);
    if (status == Status::Busy) {
      const Answer answer =
          link.context().prompter.ask(Icon::Exclamation, link.caption(), "Radio is busy!!",
                                      Buttons::RetryCancel, Answer::Cancel);
      if (answer == Answer::Retry) continue;
      status = Status::NotReady;
    }
    link.monitor(status == Status::Ready ? "status check.. OK" : "status check.. NG!!");
    return status == Status::Ready ? Outcome::Done : link.honourCancel(Outcome::Failed);
  }
}

Outcome CheckModel(RadioLink& link) {
  constexpr const char* Procedure = "frmRadio.ReadDataChkModel";
  if (!link.reopenPort()) return Outcome::Failed;
  link.monitor("model check...");
  MemoryImage scratch;
  Outcome read = link.readBlock(scratch, addr::ModelVersionWord, 2, Procedure);
  if (read == Outcome::Done) read = link.readBlock(scratch, addr::ModelVersionWord2, 2, Procedure);
  if (read != Outcome::Done) return ReadFailed(link, read, msg::ModelCheckTitle);
  if (!VersionMatches(scratch.word(addr::ModelVersionWord), scratch.word(addr::ModelVersionWord2),
                      link.context().ws.caps.ModelType)) {
    return RefuseModel(link.context(),
                       OtherRadioText(link.portName(), link.context().ws.caps.ModelName));
  }
  return Outcome::Done;
}

Outcome CheckProductCode(RadioLink& link) {
  if (!link.reopenPort()) return Outcome::Failed;
  link.monitor("product-code check...");
  MemoryImage scratch;
  // The byte after the code is read with it but not compared.
  const Outcome read = link.readBlock(scratch, addr::ProductCode, addr::ProductCodeLength + 1,
                                      "frmRadio.ReadDataChkProduct");
  if (read != Outcome::Done) return ReadFailed(link, read, msg::ModelCheckTitle);
  return CheckProductCodeOf(link.context(), scratch,
                            OtherRadioText(link.portName(), link.context().ws.caps.ModelName));
}

Outcome CheckProductCodeToWrite(Context& ctx) {
  return CheckProductCodeOf(ctx, ctx.ws.image, ForeignProductCodeText());
}

CheckResult CheckRegion(RadioLink& link) {
  if (!link.reopenPort()) return {Outcome::Failed};
  link.monitor("region check...");
  MemoryImage scratch;
  const Outcome read = link.readBlock(scratch, addr::RegionCode, 1, "frmRadio.ReadDataChkRegion");
  if (read != Outcome::Done) return {ReadFailed(link, read, link.caption())};
  const int radioRegion = scratch.at(addr::RegionCode);
  const int dataSetRegion = RegionOf(link.context().ws.image);
  switch (CompareRegions(radioRegion, dataSetRegion)) {
    case RegionMatch::Same:
      return {Outcome::Done};
    case RegionMatch::Refused:
      link.showFailure(std::string(msg::RegionUnmatched) + "\r\n" +
                       RadioRegionRefusedText(link.portName(), radioRegion, dataSetRegion));
      return {Outcome::Failed};
    case RegionMatch::Question:
      break;
  }
  if (AgreesToRegionChange(link.context().prompter, link.caption())) return {Outcome::Done, true};
  return {Outcome::Failed};
}

CheckResult RunChecks(RadioLink& link, Checks checks) {
  const Outcome status = CheckStatus(link);
  if (status != Outcome::Done) {
    link.showFailure("Radio not ready!!\r\n" + NotReadyText(link.portName()));
    return {status};
  }
  const Outcome model = link.honourCancel(CheckModel(link));
  if (checks == Checks::StatusAndModel || model != Outcome::Done) return {model};
  const Outcome product = link.honourCancel(CheckProductCode(link));
  if (product != Outcome::Done) return {product};
  CheckResult region = CheckRegion(link);
  region.outcome = link.honourCancel(region.outcome);
  return region;
}

}  // namespace tpw
