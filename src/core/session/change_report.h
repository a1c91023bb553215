#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "image/field_table.h"
#include "image/memory_image.h"
#include "image/settings_model.h"

// Every change of the data set goes through one entry point, CommitChange, as a report of what
// changed (a setting, a channel record, or the whole data set) with its value before and after,
// and the step the user took in a few words ("Delete channel 72"). Whether the data set holds
// unsaved changes follows from these reports alone, and whoever observes the workspace (an
// undo history, a test) sees every step.
namespace tpw {

struct Workspace;

// The record a setting belongs to.
enum class RecordKind { Channel, ChannelGroup, CommonSetup, AtisSetup };

// One setting of the data set: a field of a record, named by the field's key in the channel
// data file. A channel is found by its list and row, a channel group by its index (0 USA,
// 1 INT, 2 CAN/region, 3 EXP); Common Setup and ATIS are one record each, and a setting they
// hold per group (the ATIS groups) carries the group's index as well. The key is one of
// the program's literals, so a report can be kept as long as the program runs.
struct SettingId {
  RecordKind record = RecordKind::CommonSetup;
  ListId list = ListId::CHUSA;  // a channel's list
  int index = -1;               // a channel's row or a group's index; -1 for one record
  std::string_view key;         // "ScanMemory", "Resume Time", "Atis Code"

  bool operator==(const SettingId&) const = default;
};

// A setting's value as the settings hold it, as the field tables read and write it.
using SettingValue = FieldValue;

struct SettingChange {
  SettingId setting;
  SettingValue before;
  SettingValue after;

  bool operator==(const SettingChange&) const = default;
};

// A channel record put into a list (nothing before), taken out of it (nothing after) or
// written over, at its row.
struct RecordChange {
  ListId list = ListId::CHUSA;
  int row = 0;
  std::optional<ChannelRecord> before;
  std::optional<ChannelRecord> after;

  bool operator==(const RecordChange&) const = default;
};

// The data set: the image and the settings it holds.
struct DataSet {
  MemoryImage image;
  SettingsModel model;

  bool operator==(const DataSet&) const = default;
};

// A step that replaced the whole data set (Open, New, a region, Read from Radio) or changed it
// beyond its settings (ATIS Clear erases the code in the image as well).
struct DataSetChange {
  DataSet before;
  DataSet after;

  bool operator==(const DataSetChange&) const = default;
};

using Change = std::variant<SettingChange, RecordChange, DataSetChange>;

// What a step leaves to be saved.
enum class StepKind {
  Edit,  // the data set now differs from the file or the radio it came from
  Load,  // the data set is as it was opened, read or made: nothing to save
};

struct ChangeReport {
  std::string step;  // "Change Resume Time", "New channel 16", "Open boat.dat"
  StepKind kind = StepKind::Edit;
  std::vector<Change> changes;  // in the order they were made; none when nothing changed

  bool empty() const { return changes.empty(); }
  bool operator==(const ChangeReport&) const = default;
};

// Told of every step once it is made.
using ChangeObserver = std::function<void(const ChangeReport&)>;

// The one entry point of every change of the data set. An edit leaves the data set with unsaved
// changes, a load with none; then the workspace's observer is told. A report without changes is
// no step and leaves everything as it was. Returns the report.
ChangeReport CommitChange(Workspace& ws, ChangeReport report);

// A step that replaces or reworks the whole data set: the data set as it stands when the step
// starts is kept, and commit() reports it with the one the step left. A step that is never
// committed (it failed, or the user refused it) is no step.
class DataSetStep {
 public:
  DataSetStep(Workspace& ws, std::string step, StepKind kind);
  ChangeReport commit();

 private:
  Workspace& ws_;
  std::string step_;
  StepKind kind_;
  DataSet before_;
};

// The data set was saved to a file: nothing is left to save.
void MarkDataSetSaved(Workspace& ws);

// Text is being typed into a box that stores it only once it is accepted (the ATIS code): the
// data set counts as unsaved meanwhile, so that closing the window asks, and saving first takes
// or refuses the text.
void MarkTypingUnsaved(Workspace& ws);

}  // namespace tpw
