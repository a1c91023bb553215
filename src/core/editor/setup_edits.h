#pragma once

#include <span>
#include <string>

#include "editor/common_options.h"
#include "session/workspace.h"

// The changes the setup pages make: each stores one setting (or, for the priority channels
// showing the page corrects, a few), commits it as a change of the data set (CommitChange)
// and returns the report. The report is empty, and nothing is marked, when the settings
// already held the value.
namespace tpw {

// The entry of a Common Setup or ATIS mode list: "Change Resume Time". "Dual Watch" stores
// nothing.
ChangeReport ChooseCommonOption(Workspace& ws, CommonOption option, int value);
ChangeReport SetGroupUsable(Workspace& ws, int group, bool usable);
ChangeReport SetPriorityChannel(Workspace& ws, int group, int priority);
// Puts each group's priority channel on the entry its list shows, as showing the page does:
// a channel that is no longer an enabled record of the list becomes the list's first.
ChangeReport SettlePriorityChannels(Workspace& ws);
ChangeReport SetAtisGroup(Workspace& ws, int group, bool on);
ChangeReport SetAtisCode(Workspace& ws, const std::string& code);
// The boxes of a row of the Weather page; a row the list holds no record for takes nothing.
ChangeReport SetWeatherEnable(Workspace& ws, int row, bool enable);
ChangeReport SetWeatherScan(Workspace& ws, int row, bool scan);

// The templates of the steps' names, for the programs that show them translated.
std::span<const char* const> SetupStepTemplates();

}  // namespace tpw
