#include "link/atis_clear.h"

#include <array>

#include "image/memory_map.h"
#include "link/radio_checks.h"

namespace tpw {

namespace {

constexpr std::chrono::milliseconds SettlePause{500};

bool FlagsClear(RadioLink& link) {
  return !link.flags().ErrorFlag && !link.flags().CancelFlag;
}

}  // namespace

void ClearDataATIS(RadioLink& link) {
  if (!link.PortOpen()) return;
  link.observer().progress(0);
  for (int address = addr::AtisCode; address <= addr::AtisCount; ++address) {
    link.WriteBlock(address, 1);
    if (!FlagsClear(link)) break;
  }
  link.PortClose();
  if (link.flags().CancelFlag) return;
  if (link.flags().ErrorFlag) {
    link.context().prompter.message(Icon::Critical, "Clear Data ATIS", "CommunicatiOn Error!!");
    return;
  }
  link.observer().progress(100);
  link.context().host.pause(SettlePause);
}

TransferResult ClearProcedure(RadioLink& link) {
  if (!CheckStatus(link)) {
    ReportNotReady(link);
    return {};
  }
  ReadDataChkModel(link);
  if (!FlagsClear(link)) return {};

  link.Monitor("radio clear ATIS...");
  Workspace& ws = link.context().ws;
  const MemoryImage before = ws.image;
  for (int i = 0; i < addr::AtisCodeLength; ++i) ws.image.set(addr::AtisCode + i, 0xFF);
  ClearDataATIS(link);
  if (!FlagsClear(link)) {
    ws.image.copyFrom(before, addr::AtisCode, addr::AtisCodeLength);
    return {};
  }
  link.Monitor("");
  link.context().prompter.message(Icon::Information, link.caption(), "Complete!!");
  ws.model.atis.AtisCode.clear();
  return {true, false};
}

}  // namespace tpw
