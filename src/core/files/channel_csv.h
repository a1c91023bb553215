#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "image/settings_model.h"
#include "session/workspace.h"

// The channel lists as a table for spreadsheets: one row per record, its list in the column
// "List" (CHUSA, CHINT, CHCAN, CHWX, CHRG, CHEXP), then a column per field of the channel
// records under its data-file key. Values are written as a channel data file writes them and
// read with its ranges. The same text is the program's own clipboard format.
namespace tpw {

inline constexpr const char* ListColumn = "List";

// "List" and the data-file key of every field of the channel records, in the order of the
// field tables.
std::vector<std::string> ChannelCsvHeadings(const ModelCaps& caps);

// Every record of every list, list by list. An empty list has no rows.
std::string ChannelsCsv(const SettingsModel& model, const ModelCaps& caps);
// The records at rows of one list, in that order.
std::string ChannelRowsCsv(const SettingsModel& model, ListId list, const std::vector<int>& rows,
                           const ModelCaps& caps);

// A row taken: the record of a list, at the line the row starts on.
struct CsvChannel {
  int line = 0;
  ListId list = ListId::CHUSA;
  ChannelRecord record;
};

// A row not taken, and why: "line 7: CHUSA: Position 200 is not a channel position from 0 to
// 119".
struct CsvRefusal {
  int line = 0;
  std::string text;
};

struct ChannelCsvRead {
  // Why the text is no channel table at all (a heading nobody knows, an unclosed quote); the
  // rows are then empty.
  std::optional<std::string> fault;
  std::vector<CsvChannel> channels;
  std::vector<CsvRefusal> refused;
};

// Reads the rows of a channel table. A cell left empty, or a column the table does not have,
// leaves the field off, 0 or empty (a channel's Enable on); a channel's Position must be
// given, and a record of a list whose records are always enabled must be enabled; a list takes
// no more rows than it has slots. In a table separated by semicolons a frequency may have a
// decimal comma (156,8).
ChannelCsvRead ReadChannelsCsv(std::string_view text, const ModelCaps& caps);

// The lists the rows make, each list with rows in their order. The weather list is always its
// ten channels: the rows give the first ones, the others are as in a new data set.
std::map<ListId, ChannelList> ListsOfRows(const std::vector<CsvChannel>& channels);

// The templates of the refusals above, for the programs that show them translated.
std::span<const char* const> ChannelCsvTemplates();

}  // namespace tpw
