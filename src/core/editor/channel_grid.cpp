#include "editor/channel_grid.h"

#include "image/channel_tables.h"
#include "image/display_text.h"

namespace tpw {

namespace {

GridCell Text(std::string text) {
  return {std::move(text), std::nullopt};
}

GridCell Check(bool value) {
  return {{}, value};
}

std::string RowLabel(ListId list, int row) {
  const std::string prefix = list == ListId::CHRG ? "RG" : ExpLabel();
  return prefix + (row < 10 ? "0" : "") + std::to_string(row);
}

std::vector<GridColumn> GroupColumns(bool scrambleSupported) {
  std::vector<GridColumn> columns = {{"CH", 800},   {"RX[MHz]", 1000}, {"TX[MHz]", 1000},
                                     {"TX", 600},   {"LOW", 600},      {"UP", 600},
                                     {"DUP", 1600}, {"MEM", 600}};
  if (scrambleSupported) columns.push_back({"VS", 600});
  return columns;
}

std::vector<GridColumn> FreeColumns(const SettingsModel& model, bool scrambleSupported) {
  std::vector<GridColumn> columns = {{"CH", 800}};
  for (int g = 0; g < 3; ++g) {
    columns.push_back({model.groups[static_cast<std::size_t>(g)].label, 700, true});
  }
  for (GridColumn column : std::vector<GridColumn>{{"DISP", 800},
                                                   {"RX[MHz]", 1000},
                                                   {"TX[MHz]", 1000},
                                                   {"LOW", 600},
                                                   {"UP", 600},
                                                   {"MEM", 600}}) {
    columns.push_back(std::move(column));
  }
  if (scrambleSupported) columns.push_back({"VS", 600});
  return columns;
}

std::vector<GridCell> GroupRow(ListId list, int index, const ChannelRecord& r,
                               bool scrambleSupported) {
  std::vector<GridCell> row = {
      Text(ChannelCaption(list, index, r)), Text(RxFreqText(r)),         Text(TxFreqText(r)),
      Text(TxLabel(r.txEnabled)),           Text(LowLabel(r.lowPower)),  Text(UpLabel(r.powerUp)),
      Text(DuplexLabel(r.duplex)),          Text(MemLabel(r.scanMemory))};
  if (scrambleSupported) row.push_back(Text(ScrambleLabel(r.scramble)));
  return row;
}

std::vector<GridCell> FreeRow(ListId list, int index, const ChannelRecord& r,
                              bool scrambleSupported) {
  std::vector<GridCell> row = {Text(ChannelCaption(list, index, r)),
                               Check(r.inUsaGroup),
                               Check(r.inIntGroup),
                               Check(r.inRegionGroup),
                               Text(r.displayLeft),
                               Text(FormatFreq4(r.rxFrequency)),
                               Text(FormatFreq4(r.txFrequency)),
                               Text(LowLabel(r.lowPower)),
                               Text(UpLabel(r.powerUp)),
                               Text(MemLabel(r.scanMemory))};
  if (scrambleSupported) row.push_back(Text(ScrambleLabel(r.scramble)));
  return row;
}

}  // namespace

bool IsGroupLayout(ListId list) {
  return list == ListId::CHUSA || list == ListId::CHINT || list == ListId::CHCAN;
}

std::string ChannelCaption(ListId list, int index, const ChannelRecord& record) {
  return IsGroupLayout(list) ? ChannelDisplayName(record) : RowLabel(list, index + 1);
}

std::string RowName(const SettingsModel& model, ListId list, int record) {
  std::string name;
  if (list == ListId::CHWX) {
    if (record < WxChannelCount) name = WxChannels()[static_cast<std::size_t>(record)].ChName;
  } else {
    name = ChannelCaption(list, record, model.list(list)[static_cast<std::size_t>(record)]);
  }
  return name.empty() ? "row " + std::to_string(record + 1) : name;
}

ChannelGrid BuildChannelGrid(const SettingsModel& model, ListId list, bool scrambleSupported) {
  ChannelGrid grid;
  const bool group = IsGroupLayout(list);
  grid.columns = group ? GroupColumns(scrambleSupported) : FreeColumns(model, scrambleSupported);
  const ChannelList& records = model.list(list);
  grid.rows.reserve(static_cast<std::size_t>(records.size()));
  for (int k = 0; k < records.size(); ++k) {
    grid.rows.push_back(group ? GroupRow(list, k, records[k], scrambleSupported)
                              : FreeRow(list, k, records[k], scrambleSupported));
  }
  return grid;
}

GridSelection SelectInShownList(EditorState& state, ListId list, int recordCount) {
  GridSelection selection;
  if (state.currentList != list) {
    state.currentList = list;
    state.currentRow = -1;
    selection.scrollToTop = true;
  }
  if (state.currentRow < 0) state.currentRow = 0;
  if (recordCount < 1) return selection;
  // A list that became shorter since the last visit (a file or a radio replaced it) keeps
  // its last record selected rather than a row that no longer exists.
  if (state.currentRow >= recordCount)
    state.currentRow = static_cast<std::int16_t>(recordCount - 1);
  selection.selectedRecord = state.currentRow;
  selection.newEnabled = recordCount < Layout(list).limit;
  selection.editEnabled = true;
  selection.deleteEnabled = true;
  return selection;
}

}  // namespace tpw
