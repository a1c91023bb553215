#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editor/editor_state.h"
#include "image/settings_model.h"

// The read-only channel list grids: the two layouts with the text of every cell, and the
// selection and button rules applied each time a list is shown.
namespace tpw {

struct GridColumn {
  std::string header;
  int widthTwips = 0;
  bool checkMark = false;  // the cells show a ticked or an empty box instead of text
};

struct GridCell {
  std::string text;
  std::optional<bool> check;  // set for check-mark cells

  bool operator==(const GridCell&) const = default;
};

struct ChannelGrid {
  std::vector<GridColumn> columns;
  std::vector<std::vector<GridCell>> rows;  // one per record, in list order
};

// The three group lists (2-byte records), shown in the group layout; CHRG and CHEXP are free.
bool IsGroupLayout(ListId list);

// The channel's name in the grid's first column: its display name in a group list ("16",
// "1019", "05A"), its row in a free list ("RG01", "EXP12"). The record is at index of the list.
std::string ChannelCaption(ListId list, int index, const ChannelRecord& record);

// The name of a record as its row shows it: the channel of a group list ("1078A"), the row of
// a free list ("RG01"), the weather channel of the Weather page ("WX01[162.550MHz]"); "row 5"
// for a record that names no channel of the tables.
std::string RowName(const SettingsModel& model, ListId list, int record);

ChannelGrid BuildChannelGrid(const SettingsModel& model, ListId list, bool scrambleSupported);

struct GridSelection {
  int selectedRecord = -1;   // record to select, or -1 for none
  bool scrollToTop = false;  // the list changed: bring the selection to the top
  bool newEnabled = true;
  bool editEnabled = false;
  bool deleteEnabled = false;

  bool operator==(const GridSelection&) const = default;
};

// Moves the editor's list and row to the list being shown and says what to select and which
// buttons to enable. The row is kept between visits of the same list and reset on a change
// of list; a row beyond a list that has become shorter selects the last record.
GridSelection SelectInShownList(EditorState& state, ListId list, int recordCount);

}  // namespace tpw
