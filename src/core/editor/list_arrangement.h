#pragma once

#include <map>
#include <string>

#include "editor/channel_list_edit.h"

// Whole lists at once: replacing lists (an import) and putting records in another order. Each
// is one step of the data set, reported record by record, with the priority channels that
// follow.
namespace tpw {

// Puts the lists in place of the model's, in one step. A group's priority channel that named a
// record of its old list and names none of the new one becomes the new list's first record
// (none when the list is empty).
ChangeReport ReplaceChannelLists(Workspace& ws, std::string step,
                                 const std::map<ListId, ChannelList>& lists);

// Moves the count records from first so that they start at to, in one step ("Move channel
// RG03", "Move 3 channels"); the group's priority channel follows its record. Done without a
// change when they stay where they are; NoRecord when the rows are not all in the list.
ListEditResult MoveChannels(Workspace& ws, ListId list, int first, int count, int to);

}  // namespace tpw
