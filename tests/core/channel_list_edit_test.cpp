#include "editor/channel_list_edit.h"

#include <gtest/gtest.h>

#include "sample_records.h"
#include "support/test_support.h"

namespace tpw {
namespace {

using test::ChangeLog;
using test::PlanRecord;
using test::RecordingPrompter;

// A list of records whose positions are 10, 11, ... so that each can be told apart.
ChannelList NumberedList(int count) {
  ChannelList list;
  for (int k = 0; k < count; ++k) list.append(PlanRecord(10 + k, 0, true, false, false));
  return list;
}

std::vector<int> Positions(const ChannelList& list) {
  std::vector<int> positions;
  for (const ChannelRecord& r : list) positions.push_back(r.position);
  return positions;
}

// The change of group 0's priority channel, as the list edits report it.
SettingChange UsaPriority(int before, int after) {
  return {{RecordKind::ChannelGroup, ListId::CHUSA, 0, "Priority CH0"}, before, after};
}

TEST(ChannelListEdit, NewAndEditOpenOnlyARecordOfTheList) {
  const ChannelList empty;
  EXPECT_EQ(RowToOpen(empty, -1, true), -1);  // NEW on an empty list: the first record
  EXPECT_EQ(RowToOpen(empty, 0, true), -1);
  EXPECT_EQ(RowToOpen(empty, 0, false), std::nullopt);  // nothing to edit
  const ChannelList three = NumberedList(3);
  for (bool newRecord : {true, false}) {
    EXPECT_EQ(RowToOpen(three, 2, newRecord), 2);
    EXPECT_EQ(RowToOpen(three, 3, newRecord), std::nullopt);
    EXPECT_EQ(RowToOpen(three, -1, newRecord), std::nullopt);
  }
}

TEST(ChannelListEdit, NewEditAndDeleteReportTheRecordAndThePriorityThatFollows) {
  Workspace ws;
  RecordingPrompter prompter;
  ChangeLog log(ws);
  ws.model.CHUSA = NumberedList(5);
  ws.model.groups[0].priorityChannel = 4;  // the record at index 3

  std::int16_t row = 2;
  const ChannelRecord added = PlanRecord(16, 0, true, false, false);
  ListEditResult result = InsertChannel(ws, ListId::CHUSA, added, row);
  EXPECT_EQ(result.outcome, ListEdit::Done);
  EXPECT_EQ(Positions(ws.model.CHUSA), (std::vector<int>{10, 11, 12, 16, 13, 14}));
  EXPECT_EQ(row, 3);
  EXPECT_EQ(
      result.change,
      (ChangeReport{"New channel 16",
                    StepKind::Edit,
                    {RecordChange{ListId::CHUSA, 3, std::nullopt, added}, UsaPriority(4, 5)}}));
  EXPECT_TRUE(ws.flags.DataChanged);

  const ChannelRecord before = ws.model.CHUSA[1];
  ChannelRecord edited = before;
  edited.scanMemory = true;
  ws.flags.DataChanged = false;
  result = OverwriteChannel(ws, ListId::CHUSA, edited, 1);
  EXPECT_EQ(result.change, (ChangeReport{"Edit channel 11",
                                         StepKind::Edit,
                                         {RecordChange{ListId::CHUSA, 1, before, edited}}}));
  EXPECT_TRUE(ws.flags.DataChanged);
  // SAVE of a record as it was is done, and no change.
  ws.flags.DataChanged = false;
  result = OverwriteChannel(ws, ListId::CHUSA, edited, 1);
  EXPECT_EQ(result.outcome, ListEdit::Done);
  EXPECT_TRUE(result.change.empty());
  EXPECT_FALSE(ws.flags.DataChanged);

  prompter.plan(Answer::Yes);
  const ChannelRecord priority = ws.model.CHUSA[4];
  result = DeleteChannel(ws, prompter, ListId::CHUSA, 4);  // the priority channel itself
  EXPECT_EQ(result.change, (ChangeReport{"Delete channel 13",
                                         StepKind::Edit,
                                         {RecordChange{ListId::CHUSA, 4, priority, std::nullopt},
                                          UsaPriority(5, 65535)}}));
  EXPECT_TRUE(ws.flags.DataChanged);
  EXPECT_EQ(log.steps(),
            (std::vector<std::string>{"New channel 16", "Edit channel 11", "Delete channel 13"}));

  // A free channel is named by its row.
  row = -1;
  EXPECT_EQ(
      InsertChannel(ws, ListId::CHRG, test::FreeRecord("A1", 156.05, 156.05), row).change.step,
      "New channel RG01");
}

TEST(ChannelListEdit, AnEditThatCannotBeMadeChangesNothing) {
  Workspace ws;
  RecordingPrompter prompter;
  ChangeLog log(ws);
  ws.model.CHUSA = NumberedList(5);
  ws.model.CHRG = NumberedList(12);
  const SettingsModel before = ws.model;
  const auto insertAt = [&](ListId list, std::int16_t at) {
    return InsertChannel(ws, list, PlanRecord(1, 0, true, false, false), at).outcome;
  };
  // A row that names no record (or any row of an empty list but -1), or a full list.
  EXPECT_EQ(insertAt(ListId::CHUSA, -1), ListEdit::NoRecord);
  EXPECT_EQ(insertAt(ListId::CHUSA, 5), ListEdit::NoRecord);
  EXPECT_EQ(insertAt(ListId::CHINT, 0), ListEdit::NoRecord);
  EXPECT_EQ(insertAt(ListId::CHRG, 0), ListEdit::ListFull);
  const ChannelRecord changed = PlanRecord(50, 2, false, false, false, true);
  for (int at : {5, -1}) {
    EXPECT_EQ(OverwriteChannel(ws, ListId::CHUSA, changed, at).outcome, ListEdit::NoRecord);
  }
  EXPECT_EQ(OverwriteChannel(ws, ListId::CHCAN, changed, 0).outcome, ListEdit::NoRecord);
  // An index that names no record asks nothing; No keeps the record.
  EXPECT_EQ(DeleteChannel(ws, prompter, ListId::CHUSA, 5).outcome, ListEdit::NoRecord);
  EXPECT_EQ(DeleteChannel(ws, prompter, ListId::CHINT, 0).outcome, ListEdit::NoRecord);
  EXPECT_TRUE(prompter.boxes.empty());
  prompter.plan(Answer::No);
  EXPECT_EQ(DeleteChannel(ws, prompter, ListId::CHUSA, 1).outcome, ListEdit::Declined);
  ASSERT_EQ(prompter.boxes.size(), 1u);
  const RecordingPrompter::Box& box = prompter.boxes[0];
  EXPECT_TRUE(box.question);
  EXPECT_EQ(box.icon, Icon::Critical);
  EXPECT_EQ(box.title, "TPW52");
  EXPECT_EQ(box.text, "Are you sure ?");
  EXPECT_EQ(box.buttons, Buttons::YesNo);
  EXPECT_EQ(box.defaultAnswer, Answer::Yes);

  EXPECT_EQ(ws.model, before);
  EXPECT_TRUE(log.reports.empty());
  EXPECT_FALSE(ws.flags.DataChanged);
}

TEST(ChannelListEdit, InsertStopsAtEachListsSlots) {
  const std::pair<ListId, int> limits[] = {{ListId::CHUSA, 96},
                                           {ListId::CHINT, 96},
                                           {ListId::CHCAN, 96},
                                           {ListId::CHRG, 12},
                                           {ListId::CHEXP, 30}};
  for (const auto& [list, limit] : limits) {
    Workspace ws;
    ws.model.list(list) = NumberedList(limit - 1);
    std::int16_t row = 0;
    EXPECT_EQ(InsertChannel(ws, list, PlanRecord(1, 0, true, false, false), row).outcome,
              ListEdit::Done)
        << limit;
    const SettingsModel full = ws.model;
    EXPECT_EQ(InsertChannel(ws, list, PlanRecord(2, 0, true, false, false), row).outcome,
              ListEdit::ListFull)
        << limit;
    EXPECT_EQ(ws.model, full);
    EXPECT_EQ(row, 1);
  }
}

TEST(ChannelListEdit, PriorityChannelMovesWithItsRecord) {
  Workspace ws;
  RecordingPrompter prompter;
  ws.model.CHUSA = NumberedList(5);
  ws.model.groups[0].priorityChannel = 3;  // the record at index 2
  std::int16_t row = 0;
  InsertChannel(ws, ListId::CHUSA, PlanRecord(1, 0, true, false, false), row);  // at index 1
  EXPECT_EQ(ws.model.groups[0].priorityChannel, 4);
  row = 3;
  // After it: the priority stays, and the report says nothing of it.
  EXPECT_EQ(InsertChannel(ws, ListId::CHUSA, PlanRecord(2, 0, true, false, false), row)
                .change.changes.size(),
            1u);
  EXPECT_EQ(ws.model.groups[0].priorityChannel, 4);
  EXPECT_EQ(ws.model.CHUSA[ws.model.groups[0].priorityChannel - 1].position, 12);
  prompter.plan(Answer::Yes);
  DeleteChannel(ws, prompter, ListId::CHUSA, 0);
  EXPECT_EQ(ws.model.groups[0].priorityChannel, 3);
  EXPECT_EQ(ws.model.CHUSA[2].position, 12);
  prompter.plan(Answer::Yes);
  DeleteChannel(ws, prompter, ListId::CHUSA, 4);  // after it
  EXPECT_EQ(ws.model.groups[0].priorityChannel, 3);

  // Each group list moves its own group's number; one that names no record stays as it is.
  ws.model.CHINT = NumberedList(2);
  ws.model.CHCAN = NumberedList(2);
  ws.model.CHEXP = NumberedList(2);
  ws.model.groups[1].priorityChannel = 2;
  ws.model.groups[2].priorityChannel = 8447;
  ws.model.groups[3].priorityChannel = 2;
  ws.model.groups[0].priorityChannel = -1;
  for (ListId list : {ListId::CHINT, ListId::CHCAN, ListId::CHEXP, ListId::CHUSA}) {
    prompter.plan(Answer::Yes);
    DeleteChannel(ws, prompter, list, 0);
  }
  EXPECT_EQ(ws.model.groups[1].priorityChannel, 1);
  EXPECT_EQ(ws.model.groups[2].priorityChannel, 8447);
  EXPECT_EQ(ws.model.groups[3].priorityChannel, 2);
  EXPECT_EQ(ws.model.groups[0].priorityChannel, -1);

  // The last record leaves an empty list.
  ws.model.CHRG.append(test::FreeRecord("A1", 156.05, 156.05));
  prompter.plan(Answer::Yes);
  EXPECT_EQ(DeleteChannel(ws, prompter, ListId::CHRG, 0).outcome, ListEdit::Done);
  EXPECT_TRUE(ws.model.CHRG.isEmpty());
}

}  // namespace
}  // namespace tpw
