#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "editor/channel_list_edit.h"

// Channel rows as tab-separated text in the columns of the grid: what a spreadsheet takes as a
// table, and what a person types or copies from one. The grid's texts are read back into
// records: the channel name gives the channel, its status number and icon, the labels their
// switches; the frequencies of a group list follow from the channel.
namespace tpw {

// The grid's headings, then the cells of each row as the grid shows them; a check mark is 1 or
// 0.
std::string GridRowsText(const SettingsModel& model, ListId list, const std::vector<int>& rows,
                         bool scrambleSupported);

struct GridRowsRead {
  std::vector<PastedChannel> channels;
  std::optional<std::string> refusal;  // the first row that cannot be read, and why
};

// The rows of tab-separated text in the grid's columns of the list; a first line starting
// with the heading "CH" is the heading line. Blank lines are left out.
GridRowsRead ReadGridRowsText(std::string_view text, ListId list, bool scrambleSupported);

// The name of a record of a list for the messages about it: its channel in a group list
// ("1078A"), its display name in a free list; empty when it has none.
std::string PastedName(ListId list, const ChannelRecord& record);

// The templates of the reasons a row cannot be read, for the programs that show them translated.
std::span<const char* const> GridRowsTextTemplates();

}  // namespace tpw
