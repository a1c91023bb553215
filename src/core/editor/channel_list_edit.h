#pragma once

#include <cstdint>
#include <optional>

#include "image/settings_model.h"
#include "image/translatable.h"
#include "session/prompter.h"
#include "session/workspace.h"

// Adding, changing and deleting the records of a channel list. Each operation returns what it
// did; a change of the list is committed as a change of the data set (CommitChange) with the
// record before and after, and the group's priority channel when it followed its record.
namespace tpw {

enum class ListEdit {
  Done,
  NoRecord,  // the row names no record of the list (and the list is not empty for an insert)
  ListFull,  // the list already holds as many records as its slots
  Declined,  // the user answered No
};

struct ListEditResult {
  ListEdit outcome = ListEdit::NoRecord;
  ChangeReport change;  // empty unless the list changed
};

inline constexpr const char* DeleteQuestion = TPW_TEXT("Messages", "Are you sure ?");

// The current row NEW or EDIT opens the panel with: the index of the record; -1 for NEW on an
// empty list (SAVE puts the record at its start); nothing when the index names no record, as
// for EDIT on an empty list.
std::optional<std::int16_t> RowToOpen(const ChannelList& list, int index, bool newRecord);

// Puts the record after currentRow (at the start of an empty list, where currentRow must be
// -1) and moves currentRow to it: "New channel 16".
ListEditResult InsertChannel(Workspace& ws, ListId list, const ChannelRecord& record,
                             std::int16_t& currentRow);
// Writes the record over the one at currentRow: "Edit channel 16". Done, and no change, when
// the record is the same.
ListEditResult OverwriteChannel(Workspace& ws, ListId list, const ChannelRecord& record,
                                int currentRow);
// Asks TPW_TEXT("Messages", "Are you sure ?") and removes the record at index; the records after it
// move up: "Delete channel 16".
ListEditResult DeleteChannel(Workspace& ws, Prompter& prompter, ListId list, int index);

}  // namespace tpw
