#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

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
  Refused,   // a record does not fit the list: nothing changed
};

struct ListEditResult {
  ListEdit outcome = ListEdit::NoRecord;
  ChangeReport change;  // empty unless the list changed
  std::string refusal;  // why nothing was done, in the user's words, when it was refused
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
// A record from the clipboard, with the name its row had where it was copied ("1078A", "RG03").
struct PastedChannel {
  std::string name;
  ChannelRecord record;
};
// What a refused row of a paste ends with: nothing was pasted, and what to do.
// "Row 2 (1078A) cannot be pasted into Group1: <why>. Nothing was pasted; ...".
inline constexpr const char* RowNotPastedTemplate = TPW_TEXT(
    "Messages",
    "%1 cannot be pasted into %2: %3. Nothing was pasted; correct that row or leave it out, then "
    "paste again.");
// The same for clipboard contents that cannot be read at all.
inline constexpr const char* ClipboardNotPastedTemplate = TPW_TEXT(
    "Messages",
    "The channels on the clipboard cannot be pasted: %1. Nothing was pasted; correct that row or "
    "leave it out, then paste again.");
// The templates of the paste refusals and of the steps' names ("Delete channel 16"), for the
// programs that show them translated.
std::span<const char* const> ChannelEditTemplates();
// "Row 2 (1078A)": the row of the clipboard at index (from 0) for the messages about it; "Row 2"
// when it has no name.
std::string PasteRowName(int index, const std::string& name);
// Puts the records after currentRow, as NEW and SAVE would put them one by one, in one step
// ("Paste 3 channels"), and moves currentRow to the last. Each must fit the list as NEW would
// make it (channel_fit) and the list must have room for all; otherwise nothing is pasted and
// the refusal names the first row that does not fit.
ListEditResult PasteChannels(Workspace& ws, ListId list, const std::vector<PastedChannel>& records,
                             std::int16_t& currentRow);
// Takes the records at rows out of the list in one step, without a question: Cut, which Undo
// takes back ("Cut channel 16", "Cut 3 channels").
ListEditResult CutChannels(Workspace& ws, ListId list, std::vector<int> rows);
// Asks "Are you sure ?" and removes the record at index; the records after it move up:
// "Delete channel 16".
ListEditResult DeleteChannel(Workspace& ws, Prompter& prompter, ListId list, int index);

}  // namespace tpw
