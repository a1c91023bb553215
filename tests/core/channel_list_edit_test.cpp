#include "editor/channel_list_edit.h"

#include <gtest/gtest.h>

#include "sample_records.h"
#include "support/test_support.h"

namespace tpw {
namespace {

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

TEST(ChannelListEdit, InsertAfterTheRowAndMoveTheRow) {
  Workspace ws;
  std::int16_t row = -1;
  EXPECT_EQ(InsertChannel(ws, ListId::CHRG, test::FreeRecord("A1", 156.05, 156.05), row),
            ListEdit::Done);
  EXPECT_EQ(ws.model.CHRG.size(), 1);
  EXPECT_EQ(row, 0);
  EXPECT_FALSE(ws.flags.ErrorFlag);
  EXPECT_TRUE(ws.flags.DataChanged);

  ws.model.CHUSA = NumberedList(5);
  ws.flags.DataChanged = false;
  row = 2;
  EXPECT_EQ(InsertChannel(ws, ListId::CHUSA, PlanRecord(99, 0, true, false, false), row),
            ListEdit::Done);
  EXPECT_EQ(Positions(ws.model.CHUSA), (std::vector<int>{10, 11, 12, 99, 13, 14}));
  EXPECT_EQ(row, 3);
  EXPECT_TRUE(ws.flags.DataChanged);

  // A row that names no record (or any row of an empty list but -1) changes nothing.
  const SettingsModel before = ws.model;
  ws.flags.DataChanged = false;
  for (std::int16_t bad : {std::int16_t{-1}, std::int16_t{6}}) {
    row = bad;
    EXPECT_EQ(InsertChannel(ws, ListId::CHUSA, PlanRecord(1, 0, true, false, false), row),
              ListEdit::NoRecord);
    EXPECT_EQ(row, bad);
  }
  row = 0;
  EXPECT_EQ(InsertChannel(ws, ListId::CHINT, PlanRecord(1, 0, true, false, false), row),
            ListEdit::NoRecord);
  EXPECT_EQ(ws.model, before);
  EXPECT_TRUE(ws.flags.ErrorFlag);
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
    EXPECT_EQ(InsertChannel(ws, list, PlanRecord(1, 0, true, false, false), row), ListEdit::Done)
        << limit;
    const SettingsModel full = ws.model;
    ws.flags.DataChanged = false;
    EXPECT_EQ(InsertChannel(ws, list, PlanRecord(2, 0, true, false, false), row),
              ListEdit::ListFull)
        << limit;
    EXPECT_EQ(ws.model, full);
    EXPECT_EQ(row, 1);
    EXPECT_FALSE(ws.flags.DataChanged);
  }
}

TEST(ChannelListEdit, OverwriteOnlyARecordOfTheList) {
  Workspace ws;
  ws.model.CHCAN = NumberedList(3);
  const ChannelRecord changed = PlanRecord(50, 2, false, false, false, true);
  EXPECT_EQ(OverwriteChannel(ws, ListId::CHCAN, changed, 1), ListEdit::Done);
  EXPECT_EQ(ws.model.CHCAN[1], changed);
  EXPECT_EQ(Positions(ws.model.CHCAN), (std::vector<int>{10, 50, 12}));
  EXPECT_TRUE(ws.flags.DataChanged);

  const SettingsModel before = ws.model;
  ws.flags.DataChanged = false;
  EXPECT_EQ(OverwriteChannel(ws, ListId::CHCAN, changed, 3), ListEdit::NoRecord);
  EXPECT_EQ(OverwriteChannel(ws, ListId::CHCAN, changed, -1), ListEdit::NoRecord);
  EXPECT_EQ(OverwriteChannel(ws, ListId::CHRG, changed, 0), ListEdit::NoRecord);
  EXPECT_EQ(ws.model, before);
  EXPECT_TRUE(ws.flags.ErrorFlag);
  EXPECT_FALSE(ws.flags.DataChanged);
}

TEST(ChannelListEdit, DeleteAsksAndRemovesOnlyOnYes) {
  Workspace ws;
  RecordingPrompter prompter;
  ws.model.CHINT = NumberedList(3);
  prompter.plan(Answer::No);
  EXPECT_EQ(DeleteChannel(ws, prompter, ListId::CHINT, 1), ListEdit::Declined);
  EXPECT_EQ(ws.model.CHINT, NumberedList(3));
  EXPECT_TRUE(ws.flags.ErrorFlag);
  EXPECT_FALSE(ws.flags.DataChanged);
  ASSERT_EQ(prompter.boxes.size(), 1u);
  const RecordingPrompter::Box& box = prompter.boxes[0];
  EXPECT_TRUE(box.question);
  EXPECT_EQ(box.icon, Icon::Critical);
  EXPECT_EQ(box.title, "TPW52");
  EXPECT_EQ(box.text, "Are you sure ?");
  EXPECT_EQ(box.buttons, Buttons::YesNo);
  EXPECT_EQ(box.defaultAnswer, Answer::Yes);

  prompter.plan(Answer::Yes);
  EXPECT_EQ(DeleteChannel(ws, prompter, ListId::CHINT, 1), ListEdit::Done);
  EXPECT_EQ(Positions(ws.model.CHINT), (std::vector<int>{10, 12}));
  EXPECT_FALSE(ws.flags.ErrorFlag);
  EXPECT_TRUE(ws.flags.DataChanged);

  // An index that names no record asks nothing and changes nothing.
  ws.flags.DataChanged = false;
  EXPECT_EQ(DeleteChannel(ws, prompter, ListId::CHINT, 2), ListEdit::NoRecord);
  EXPECT_EQ(DeleteChannel(ws, prompter, ListId::CHRG, 0), ListEdit::NoRecord);
  EXPECT_EQ(prompter.boxes.size(), 2u);
  EXPECT_FALSE(ws.flags.DataChanged);

  // The last record leaves an empty list.
  ws.model.CHRG.append(test::FreeRecord("A1", 156.05, 156.05));
  prompter.plan(Answer::Yes);
  EXPECT_EQ(DeleteChannel(ws, prompter, ListId::CHRG, 0), ListEdit::Done);
  EXPECT_TRUE(ws.model.CHRG.isEmpty());
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
  InsertChannel(ws, ListId::CHUSA, PlanRecord(2, 0, true, false, false), row);  // after it
  EXPECT_EQ(ws.model.groups[0].priorityChannel, 4);
  EXPECT_EQ(ws.model.CHUSA[ws.model.groups[0].priorityChannel - 1].position, 12);
  prompter.plan(Answer::Yes);
  DeleteChannel(ws, prompter, ListId::CHUSA, 0);
  EXPECT_EQ(ws.model.groups[0].priorityChannel, 3);
  EXPECT_EQ(ws.model.CHUSA[2].position, 12);
  prompter.plan(Answer::Yes);
  DeleteChannel(ws, prompter, ListId::CHUSA, 4);  // after it
  EXPECT_EQ(ws.model.groups[0].priorityChannel, 3);
  prompter.plan(Answer::Yes);
  DeleteChannel(ws, prompter, ListId::CHUSA, 2);  // the priority channel itself
  EXPECT_EQ(ws.model.groups[0].priorityChannel, 65535);

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
}

}  // namespace
}  // namespace tpw
