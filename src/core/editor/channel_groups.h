#pragma once

#include <cstdint>
#include <optional>

#include "editor/option_list.h"
#include "image/settings_model.h"

// The usable channel groups of the Common Setup page: each group's priority channel, chosen
// among the enabled records of its list, and what the usable groups allow in the ATIS section.
namespace tpw {

// Groups 0 to 2 have a priority channel; the EXP group has none.
bool HasPriorityChannel(int group);

// The priority list of a group: the enabled records of the group's list, in list order, each
// with the number priorityChannel stores for it (the record's index in its list, plus 1); none for
// the EXP group.
OptionList PriorityEntries(const SettingsModel& model, int group);

// The value a priority list selects: the group's priorityChannel when an entry has it, else the
// first entry; nothing for a list without entries (priorityChannel is then kept).
std::optional<int> ShownPriority(const OptionList& entries, std::int32_t priorityCh);

// The ATIS box of a group can be used while the group is usable; the code while any group is.
bool IsAtisGroupEnabled(const SettingsModel& model, int group);
bool IsAtisCodeEnabled(const SettingsModel& model);

}  // namespace tpw
