#include "link/clone_read.h"

#include <cmath>

#include "image/image_codec.h"
#include "image/memory_map.h"
#include "link/radio_checks.h"

namespace tpw {

int BlockProgress(int address) {
  return static_cast<int>(std::lround(address * 100.0 / ImageLastIndex));
}

void TakeRadioBytes(MemoryImage& image, const MemoryImage& radio) {
  image.copyFrom(radio, addr::KeptLowLast + 1, addr::KeptHighFirst - addr::KeptLowLast - 1);
  image.copyFrom(radio, addr::KeptHighLast + 1, ImageLastIndex - addr::KeptHighLast);
}

void ReadData(RadioLink& link, MemoryImage& scratch) {
  if (!link.PortOpen()) return;
  link.observer().progress(0);
  bool cancelled = false;
  for (int address = 0; address <= ImageLastIndex; address += RadioLink::BlockSize) {
    link.observer().progress(BlockProgress(address));
    link.ReadBlock(scratch, address, RadioLink::BlockSize);
    if (link.flags().ErrorFlag) break;
    if (link.flags().CancelFlag) {
      cancelled = true;
      break;
    }
  }
  if (cancelled || link.flags().CancelFlag) link.SendAbort();
  link.EndTransfer("Read from Radio");
}

TransferResult ReadProcedure(RadioLink& link) {
  bool regionChange = false;
  if (!PassChecks(link, Checks::Full, regionChange)) return {};

  link.Monitor("radio reading...");
  Workspace& ws = link.context().ws;
  MemoryImage scratch = ws.image;
  ReadData(link, scratch);
  if (!link.FlagsClear()) return {};

  TakeRadioBytes(ws.image, scratch);
  DecodeImage(ws.image, ws.model, ws.caps.WxSupported);
  link.Monitor("");
  link.context().prompter.message(Icon::Information, link.caption(), "Complete!!");
  return {true, regionChange};
}

}  // namespace tpw
