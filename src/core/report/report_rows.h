#pragma once

#include <array>
#include <string>
#include <vector>

#include "image/settings_model.h"
#include "session/workspace.h"

// What the text report and the printed pages both show, as texts: the values of the common
// setup and the channel tables with their rows. Each output lays them out in its own way.
// A value that cannot be shown (a position outside the channel table) gives an empty cell.
namespace tpw {

// "On"/"Off" for the usable flag of groups 0 to 3.
std::vector<std::string> GroupUsableTexts(const SettingsModel& model);
// The channel name of a group's priority channel; "" when it names no record.
std::string PriorityChannelName(const SettingsModel& model, int group);
// The channel names of the priority channels of groups 0 to 2; "" for one that names no
// record.
std::vector<std::string> PriorityChannelNames(const SettingsModel& model);
// "On"/"Off" for the four ATIS groups.
std::vector<std::string> AtisGroupTexts(const AtisSetup& atis);

enum class TableKind {
  Plan,     // USA, INT, CAN: name, receive, transmit, TX, LOW, UP, duplex, MEM
  Weather,  // number, ENABLE, MEM, the channel's name
  Free,     // RG, EXP: "RG01", three group flags, display, receive, transmit, LOW, UP, MEM
};

// One channel table. The two outputs title some tables differently.
struct ReportTable {
  ListId list;
  TableKind kind;
  const char* textTitle;
  const char* printTitle;
  const char* rowPrefix;  // free tables: the prefix of the row names
};

// The channel tables in report order.
extern const std::array<ReportTable, 6> ReportTables;

// Plan and free tables are shown when their list has records, the weather table when the
// model has weather channels.
bool IsTableShown(const ReportTable& table, const SettingsModel& model, const ModelCaps& caps);
// The rows of a table, one vector of cell texts each: plan tables show their enabled records
// only, the other tables every record.
std::vector<std::vector<std::string>> TableRows(const ReportTable& table,
                                                const SettingsModel& model);

}  // namespace tpw
