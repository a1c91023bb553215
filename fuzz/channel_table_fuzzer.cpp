// Feeds arbitrary text to the readers of channel tables and of the grid's tab-separated text:
// the CSV rows, the records they give, an import over a data set and a paste into every list.
// None of it may fault, whatever the bytes; the data set must still encode into an image, and
// a table written from what was imported reads back as the same lists.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "editor/channel_rows_text.h"
#include "editor/list_arrangement.h"
#include "files/channel_csv.h"
#include "image/image_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  tpw::Workspace ws;
  ws.caps.ScrambleSupported = size % 2 == 0;
  const tpw::ChannelCsvRead read = tpw::ReadChannelsCsv(text, ws.caps);
  const auto lists = tpw::ListsOfRows(read.channels);
  tpw::ReplaceChannelLists(ws, "Import", lists);
  for (tpw::ListId list : tpw::AllLists) {
    if (list == tpw::ListId::CHWX) continue;
    const tpw::GridRowsRead rows = tpw::ReadGridRowsText(text, list, ws.caps.ScrambleSupported);
    std::int16_t row = static_cast<std::int16_t>(ws.model.list(list).size() - 1);
    tpw::PasteChannels(ws, list, rows.channels, row);
  }
  tpw::MemoryImage image;
  tpw::EncodeImage(ws.model, image, ws.caps.WxSupported);

  tpw::Workspace again;
  again.caps = ws.caps;
  tpw::ReplaceChannelLists(
      again, "Import",
      tpw::ListsOfRows(
          tpw::ReadChannelsCsv(tpw::ChannelsCsv(ws.model, ws.caps), ws.caps).channels));
  for (tpw::ListId list : tpw::AllLists) {
    if (!ws.model.list(list).isEmpty() && !(again.model.list(list) == ws.model.list(list))) {
      __builtin_trap();
    }
  }
  while (!tpw::UndoLastStep(ws).empty()) {
  }
  if (!(ws.model == tpw::SettingsModel{})) __builtin_trap();
  return 0;
}
