// The channel lists as a table both ways, and Undo and Redo of a whole-list step, on a data set
// whose every list is at its limit.
#include <benchmark/benchmark.h>

#include "editor/list_arrangement.h"
#include "files/channel_csv.h"
#include "image/channel_tables.h"

namespace {

tpw::SettingsModel FullModel() {
  tpw::SettingsModel model;
  for (tpw::ListId list : {tpw::ListId::CHUSA, tpw::ListId::CHINT, tpw::ListId::CHCAN}) {
    for (int k = 0; k < tpw::Layout(list).limit; ++k) {
      model.list(list).append({.position = static_cast<std::int16_t>(k % 100), .enabled = true});
    }
  }
  for (tpw::ListId list : {tpw::ListId::CHRG, tpw::ListId::CHEXP}) {
    for (int k = 0; k < tpw::Layout(list).limit; ++k) {
      model.list(list).append({.enabled = true,
                               .displayLeft = "A1",
                               .txFrequency = 157.0 + 0.025 * k,
                               .rxFrequency = 157.0 + 0.025 * k});
    }
  }
  model.CHWX = tpw::DefaultWeatherList();
  return model;
}

void BM_ExportChannelTable(benchmark::State& state) {
  const tpw::SettingsModel model = FullModel();
  for (auto _ : state) benchmark::DoNotOptimize(tpw::ChannelsCsv(model, {}));
}
BENCHMARK(BM_ExportChannelTable);

void BM_ReadChannelTable(benchmark::State& state) {
  const std::string table = tpw::ChannelsCsv(FullModel(), {});
  for (auto _ : state) benchmark::DoNotOptimize(tpw::ReadChannelsCsv(table, {}));
}
BENCHMARK(BM_ReadChannelTable);

// An import that writes over every record of every list, undone and made again.
void BM_UndoAndRedoAnImport(benchmark::State& state) {
  tpw::Workspace ws;
  ws.model = FullModel();
  std::map<tpw::ListId, tpw::ChannelList> lists;
  for (tpw::ListId list : tpw::AllLists) {
    lists[list] = ws.model.list(list);
    for (tpw::ChannelRecord& record : lists[list]) record.scanMemory = true;
  }
  tpw::ReplaceChannelLists(ws, "Import", lists);
  for (auto _ : state) {
    benchmark::DoNotOptimize(tpw::UndoLastStep(ws));
    benchmark::DoNotOptimize(tpw::RedoNextStep(ws));
  }
}
BENCHMARK(BM_UndoAndRedoAnImport);

}  // namespace
