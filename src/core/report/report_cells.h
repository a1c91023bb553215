#pragma once

#include <string>
#include <vector>

#include "image/settings_model.h"

// The texts of the report's table cells, shared by the text report and the printed pages.
// A value that cannot be shown (a position outside the channel table) gives an empty cell.
namespace tpw {

// Name, receive, transmit, TX, LOW, UP, duplex, MEM of a USA/INT/CAN record.
std::vector<std::string> PlanRowCells(const ChannelRecord& record);
// Number, ENABLE, MEM and the channel's name of weather record index.
std::vector<std::string> WeatherRowCells(const ChannelRecord& record, int index);
// "RG01"/"EXP01", the three group flags, display, receive, transmit, LOW, UP, MEM.
std::vector<std::string> FreeRowCells(const ChannelRecord& record, const char* prefix, int index);
// The channel name of a group's priority channel (groups 0 to 2), "" when it names no record.
std::string PriorityChannelName(const SettingsModel& model, int group);

// The plan lists in report order, with their titles.
struct PlanTable {
  ListId list;
  const char* title;
};
extern const PlanTable PlanTables[3];

}  // namespace tpw
