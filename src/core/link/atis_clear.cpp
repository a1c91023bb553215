#include "link/atis_clear.h"

#include <array>

#include "image/memory_map.h"
#include "link/radio_checks.h"

namespace tpw {

void ClearDataATIS(RadioLink& link) {
  if (!link.PortOpen()) return;
  link.observer().progress(0);
  for (int address = addr::AtisCode; address <= addr::AtisCount; ++address) {
    link.WriteBlock(address, 1);
    if (!link.FlagsClear()) break;
  }
  if (link.FlagsClear()) link.observer().progress(100);
  link.EndTransfer("Clear Data ATIS");
}

TransferResult ClearProcedure(RadioLink& link) {
  bool unused = false;
  if (!PassChecks(link, Checks::StatusAndModel, unused)) return {};

  link.Monitor("radio clear ATIS...");
  Workspace& ws = link.context().ws;
  const MemoryImage before = ws.image;
  for (int i = 0; i < addr::AtisCodeLength; ++i) ws.image.set(addr::AtisCode + i, 0xFF);
  ClearDataATIS(link);
  if (!link.FlagsClear()) {
    ws.image.copyFrom(before, addr::AtisCode, addr::AtisCodeLength);
    return {};
  }
  link.Monitor("");
  link.context().prompter.message(Icon::Information, link.caption(), "Complete!!");
  ws.model.atis.AtisCode.clear();
  return {true, false};
}

}  // namespace tpw
