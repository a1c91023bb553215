#include "link/radio_checks.h"

#include "image/memory_map.h"
#include "image/model_identity.h"
#include "image/regions.h"
#include "link/frame.h"
#include "link/protocol.h"

namespace tpw {

namespace {

enum class Status { Ready, Busy, NotReady };

struct StatusAnswer {
  LinkOutcome outcome;
  Status status = Status::NotReady;
};

// The status reply that follows the acknowledged request.
StatusAnswer ReceiveStatus(RadioLink& link) {
  const ReceivedFrame frame = link.receiveFrame(protocol::StatusReply, protocol::Unknown);
  if (!frame.outcome.isDone()) return {frame.outcome};
  link.sendLine(protocol::Acknowledge);
  const std::string_view state = frame.fields.size() > 1 ? frame.fields[1] : std::string_view();
  if (state == protocol::StatusReady) return {LinkOutcome::done(), Status::Ready};
  return {LinkOutcome::done(), state == protocol::StatusBusy ? Status::Busy : Status::NotReady};
}

// A check whose read did not complete: a cancel meanwhile outranks the failure.
TransferResult ReadFailed(RadioLink& link, TransferStep step, LinkOutcome read) {
  return EndedIn(step, link.honourCancel(std::move(read)));
}

TransferResult Refused(TransferStep step) {
  return EndedIn(step, {Outcome::Failed, std::nullopt});
}

std::optional<ProductCodeFinding> ProductCodeFindingOf(const MemoryImage& memory) {
  const std::optional<int> address = ProductCodeDifference(memory);
  if (!address) return std::nullopt;
  return ProductCodeFinding{*address, memory.at(*address)};
}

}  // namespace

TransferResult CheckStatus(RadioLink& link) {
  constexpr TransferStep Step = TransferStep::Status;
  for (;;) {
    link.monitor("status check..");
    const LinkOutcome exchanged = link.exchange(
        BuildFrame(protocol::StatusRequest, protocol::StatusQuery), RadioLink::Flush::Never);
    if (!exchanged.isDone()) return EndedIn(Step, exchanged);
    const StatusAnswer answer = ReceiveStatus(link);
    if (answer.status == Status::Busy && link.questions().retryBusyRadio()) continue;
    const bool ready = answer.status == Status::Ready;
    link.monitor(ready ? "status check.. OK" : "status check.. NG!!");
    if (ready) return EndedIn(Step, LinkOutcome::done());
    return ReadFailed(
        link, Step,
        answer.outcome.isDone() ? LinkOutcome{Outcome::Failed, std::nullopt} : answer.outcome);
  }
}

TransferResult CheckModel(RadioLink& link) {
  constexpr TransferStep Step = TransferStep::Model;
  constexpr const char* Procedure = "frmRadio.ReadDataChkModel";
  if (LinkOutcome opened = link.reopenPort(); !opened.isDone()) return EndedIn(Step, opened);
  link.monitor("model check...");
  MemoryImage scratch;
  LinkOutcome read = link.readBlock(scratch, addr::ModelVersionWord, 2, Procedure);
  if (read.isDone()) read = link.readBlock(scratch, addr::ModelVersionWord2, 2, Procedure);
  if (!read.isDone()) return ReadFailed(link, Step, std::move(read));
  if (!VersionMatches(scratch.word(addr::ModelVersionWord), scratch.word(addr::ModelVersionWord2),
                      link.context().ws.caps.ModelType)) {
    return Refused(Step);
  }
  return EndedIn(Step, LinkOutcome::done());
}

TransferResult CheckProductCode(RadioLink& link) {
  constexpr TransferStep Step = TransferStep::ProductCode;
  if (LinkOutcome opened = link.reopenPort(); !opened.isDone()) return EndedIn(Step, opened);
  link.monitor("product-code check...");
  MemoryImage scratch;
  // The byte after the code is read with it but not compared.
  LinkOutcome read = link.readBlock(scratch, addr::ProductCode, addr::ProductCodeLength + 1,
                                    "frmRadio.ReadDataChkProduct");
  if (!read.isDone()) return ReadFailed(link, Step, std::move(read));
  TransferResult result = EndedIn(Step, LinkOutcome::done());
  if ((result.productCode = ProductCodeFindingOf(scratch))) result.outcome = Outcome::Failed;
  return result;
}

TransferResult CheckProductCodeToWrite(const MemoryImage& image) {
  TransferResult result = EndedIn(TransferStep::Preparing, LinkOutcome::done());
  if ((result.productCode = ProductCodeFindingOf(image))) result.outcome = Outcome::Failed;
  return result;
}

TransferResult CheckRegion(RadioLink& link) {
  constexpr TransferStep Step = TransferStep::Region;
  if (LinkOutcome opened = link.reopenPort(); !opened.isDone()) return EndedIn(Step, opened);
  link.monitor("region check...");
  MemoryImage scratch;
  LinkOutcome read = link.readBlock(scratch, addr::RegionCode, 1, "frmRadio.ReadDataChkRegion");
  if (!read.isDone()) return ReadFailed(link, Step, std::move(read));
  const RegionRefusal regions{scratch.at(addr::RegionCode), RegionOf(link.context().ws.image)};
  TransferResult result = EndedIn(Step, LinkOutcome::done());
  switch (CompareRegions(regions.radio, regions.dataSet)) {
    case RegionMatch::Same:
      return result;
    case RegionMatch::Refused:
      result.outcome = Outcome::Failed;
      result.regions = regions;
      return result;
    case RegionMatch::Question:
      break;
  }
  if (link.questions().takeRadioRegion()) {
    result.regionChangeAccepted = true;
    return result;
  }
  return EndedIn(Step, LinkOutcome::cancelled());
}

TransferResult RunChecks(RadioLink& link, Checks checks) {
  struct Check {
    TransferStep step;
    TransferResult (*run)(RadioLink&);
  };
  static constexpr Check Full[] = {{TransferStep::Status, CheckStatus},
                                   {TransferStep::Model, CheckModel},
                                   {TransferStep::ProductCode, CheckProductCode},
                                   {TransferStep::Region, CheckRegion}};
  const std::size_t count = checks == Checks::Full ? std::size(Full) : 2;
  TransferResult result;
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0 && link.cancelRequested()) return EndedIn(Full[i].step, LinkOutcome::cancelled());
    result = Full[i].run(link);
    if (!result.done()) return result;
  }
  result.step = TransferStep::Finished;
  return result;
}

}  // namespace tpw
