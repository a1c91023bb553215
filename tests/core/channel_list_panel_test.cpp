// The channel list panel: its grid and the selection in it, and the edits of its records (new,
// edit, delete, paste and move), each one step of the data set with the report of what changed.
#include <gtest/gtest.h>

#include "editor/channel_grid.h"
#include "editor/channel_list_edit.h"
#include "editor/channel_rows_text.h"
#include "editor/list_arrangement.h"
#include "files/channel_csv.h"
#include "sample_records.h"
#include "session/change_report.h"
#include "shipped_workspace.h"
#include "support/test_support.h"

namespace tpw {
namespace {

using test::ChangeLog;
using test::PlanRecord;
using test::RecordingPrompter;
using Texts = std::vector<std::string>;

Texts Headers(const ChannelGrid& grid) {
  Texts headers;
  for (const GridColumn& column : grid.columns) headers.push_back(column.header);
  return headers;
}

Texts RowTexts(const ChannelGrid& grid, std::size_t row) {
  Texts texts;
  for (const GridCell& cell : grid.rows.at(row)) texts.push_back(cell.text);
  return texts;
}

// A list of records whose positions are 10, 11, ... so that each can be told apart.
ChannelList NumberedList(int count) {
  ChannelList list;
  for (int k = 0; k < count; ++k) list.append(PlanRecord(10 + k, 0, true, false, false));
  return list;
}

// Edits of a USA list of five records, its positions 10 to 14.
struct ChannelListEdit : ::testing::Test {
  Workspace ws;
  RecordingPrompter prompter;
  ChangeLog log{ws};
  ChannelListEdit() { ws.model.CHUSA = NumberedList(5); }
};

// The change of group 0's priority channel, as the list edits report it.
SettingChange UsaPriority(int before, int after) {
  return {{RecordKind::ChannelGroup, ListId::CHUSA, 0, "Priority CH0"}, before, after};
}

std::vector<PastedChannel> FromClipboard(const std::string& csv) {
  std::vector<PastedChannel> pasted;
  for (const CsvChannel& c : ReadChannelsCsv(csv, ModelCaps{}).channels) {
    pasted.push_back({PastedName(c.list, c.record), c.record});
  }
  return pasted;
}

TEST(ChannelGrid, GroupLayoutCells) {
  SettingsModel model;
  model.CHUSA.append(
      {.position = 16, .enabled = true, .duplex = 2, .statusIcon = 1, .statusNo = 1});
  model.CHUSA.append(PlanRecord(6, 0, true, true, true, true));
  model.CHUSA.append(PlanRecord(6, 7, true, false, false));
  model.CHUSA.append(PlanRecord(200, 0, true, false, false));

  const ChannelGrid grid = BuildChannelGrid(model, ListId::CHUSA, false);
  ASSERT_EQ(Headers(grid), (Texts{"CH", "RX[MHz]", "TX[MHz]", "TX", "LOW", "UP", "DUP", "MEM"}));
  EXPECT_EQ(grid.columns[6].widthTwips, 1600);
  ASSERT_EQ(grid.rows.size(), 4u);
  EXPECT_EQ(RowTexts(grid, 0),
            (Texts{"1016A", "161.400", "---.---", "--", "---", "--", "DUP", "---"}));
  EXPECT_EQ(RowTexts(grid, 1),
            (Texts{"06", "156.300", "156.300", "TX", "LOW", "UP", "TX_SIMP", "MEM"}));
  // Out of range duplex or position: empty frequencies, the duplex label of "any other".
  EXPECT_EQ(RowTexts(grid, 2), (Texts{"06", "", "", "TX", "---", "--", "TX_SIMP", "---"}));
  EXPECT_EQ(RowTexts(grid, 3), (Texts{"", "", "", "TX", "---", "--", "TX_SIMP", "---"}));

  model.CHINT.append({.position = 6, .enabled = true, .txEnabled = true, .scramble = 6});
  const ChannelGrid withVs = BuildChannelGrid(model, ListId::CHINT, true);
  ASSERT_EQ(withVs.columns.size(), 9u);
  EXPECT_EQ(withVs.columns.back().header, "VS");
  ASSERT_EQ(withVs.rows.size(), 1u);
  ASSERT_EQ(withVs.rows[0].size(), 9u);
  EXPECT_EQ(withVs.rows[0].back().text, " 2");
}

TEST(ChannelGrid, SixteenByteLayoutCells) {
  SettingsModel model;
  model.groups[0].label = "USA";
  model.groups[1].label = "INT";
  model.groups[2].label = "NL";
  for (int k = 0; k < 10; ++k) {
    ChannelRecord r{.enabled = true, .scanMemory = true, .displayLeft = "A" + std::to_string(k)};
    r.txFrequency = 157.1;
    r.rxFrequency = k == 0 ? 0 : 156.0125;
    r.inUsaGroup = true;
    r.inRegionGroup = k == 9;
    model.CHRG.append(r);
  }
  const ChannelGrid grid = BuildChannelGrid(model, ListId::CHRG, false);
  ASSERT_EQ(Headers(grid),
            (Texts{"CH", "USA", "INT", "NL", "DISP", "RX[MHz]", "TX[MHz]", "LOW", "UP", "MEM"}));
  ASSERT_EQ(grid.rows.size(), 10u);
  EXPECT_TRUE(grid.columns[1].checkMark);
  EXPECT_FALSE(grid.columns[4].checkMark);
  ASSERT_EQ(RowTexts(grid, 0),
            (Texts{"RG01", "", "", "", "A0", "---.----", "157.1000", "---", "--", "MEM"}));
  EXPECT_EQ(grid.rows[0][1], (GridCell{"", true}));
  EXPECT_EQ(grid.rows[0][2], (GridCell{"", false}));
  ASSERT_EQ(RowTexts(grid, 9),
            (Texts{"RG10", "", "", "", "A9", "156.0125", "157.1000", "---", "--", "MEM"}));
  EXPECT_EQ(grid.rows[9][3], (GridCell{"", true}));

  model.CHEXP.append(model.CHRG[0]);
  const ChannelGrid exp = BuildChannelGrid(model, ListId::CHEXP, true);
  EXPECT_EQ(exp.columns.size(), 11u);
  ASSERT_EQ(exp.rows.size(), 1u);
  ASSERT_FALSE(exp.rows[0].empty());
  EXPECT_EQ(exp.rows[0][0].text, "EXP01");
}

TEST(ChannelGrid, SelectionIsKeptPerListAndButtonsFollowTheLimits) {
  EditorState state;
  // An empty list: only NEW.
  EXPECT_EQ(SelectInShownList(state, ListId::CHRG, 0),
            (GridSelection{-1, true, true, false, false}));
  EXPECT_EQ(state.currentList, ListId::CHRG);
  EXPECT_EQ(state.currentRow, 0);

  state.currentRow = 4;
  EXPECT_EQ(SelectInShownList(state, ListId::CHRG, 11),
            (GridSelection{4, false, true, true, true}));
  EXPECT_EQ(SelectInShownList(state, ListId::CHRG, 12).newEnabled, false);
  EXPECT_EQ(state.currentRow, 4);

  // Another list starts at its first row and scrolls to the top.
  EXPECT_EQ(SelectInShownList(state, ListId::CHUSA, 96),
            (GridSelection{0, true, false, true, true}));
  EXPECT_TRUE(SelectInShownList(state, ListId::CHUSA, 95).newEnabled);
  EXPECT_FALSE(SelectInShownList(state, ListId::CHEXP, 30).newEnabled);
  EXPECT_TRUE(SelectInShownList(state, ListId::CHEXP, 29).newEnabled);

  // A list that became shorter keeps its last record selected, also when the kept row is
  // just past its end.
  state.currentRow = 7;
  EXPECT_EQ(SelectInShownList(state, ListId::CHEXP, 3).selectedRecord, 2);
  EXPECT_EQ(state.currentRow, 2);
  state.currentRow = 3;
  EXPECT_EQ(SelectInShownList(state, ListId::CHEXP, 3).selectedRecord, 2);
  EXPECT_EQ(state.currentRow, 2);
  EXPECT_EQ(SelectInShownList(state, ListId::CHEXP, 3).selectedRecord, 2);  // and stays
  // A deletion of the first record steps back to -1 and shows the first row again.
  state.currentRow = -1;
  EXPECT_EQ(SelectInShownList(state, ListId::CHEXP, 2).selectedRecord, 0);
}

TEST_F(ChannelListEdit, NewAndEditOpenOnlyARecordOfTheList) {
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

TEST_F(ChannelListEdit, NewEditAndDeleteReportTheRecordAndThePriorityThatFollows) {
  ws.model.groups[0].priorityChannel = 4;  // the record at index 3

  std::int16_t row = 2;
  const ChannelRecord added = PlanRecord(16, 0, true, false, false);
  ListEditResult result = InsertChannel(ws, ListId::CHUSA, added, row);
  EXPECT_EQ(result.outcome, ListEdit::Done);
  std::vector<int> positions;
  for (const ChannelRecord& r : ws.model.CHUSA) positions.push_back(r.position);
  EXPECT_EQ(positions, (std::vector<int>{10, 11, 12, 16, 13, 14}));
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
  EXPECT_EQ(log.steps(), (Texts{"New channel 16", "Edit channel 11", "Delete channel 13"}));

  // A free channel is named by its row.
  row = -1;
  EXPECT_EQ(
      InsertChannel(ws, ListId::CHRG, test::FreeRecord("A1", 156.05, 156.05), row).change.step,
      "New channel RG01");
}

TEST_F(ChannelListEdit, AnEditThatCannotBeMadeChangesNothing) {
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

TEST_F(ChannelListEdit, InsertStopsAtEachListsSlots) {
  const std::pair<ListId, int> limits[] = {{ListId::CHUSA, 96},
                                           {ListId::CHINT, 96},
                                           {ListId::CHCAN, 96},
                                           {ListId::CHRG, 12},
                                           {ListId::CHEXP, 30}};
  for (const auto& [list, limit] : limits) {
    SCOPED_TRACE(limit);
    ws.model.list(list) = NumberedList(limit - 1);
    std::int16_t row = 0;
    EXPECT_EQ(InsertChannel(ws, list, PlanRecord(1, 0, true, false, false), row).outcome,
              ListEdit::Done);
    const SettingsModel full = ws.model;
    EXPECT_EQ(InsertChannel(ws, list, PlanRecord(2, 0, true, false, false), row).outcome,
              ListEdit::ListFull);
    EXPECT_EQ(ws.model, full);
    EXPECT_EQ(row, 1);
  }
}

TEST_F(ChannelListEdit, PriorityChannelMovesWithItsRecord) {
  prompter.unplanned = [](const RecordingPrompter::Box&) { return Answer::Yes; };
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
  DeleteChannel(ws, prompter, ListId::CHUSA, 0);
  EXPECT_EQ(ws.model.groups[0].priorityChannel, 3);
  EXPECT_EQ(ws.model.CHUSA[2].position, 12);
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
  for (ListId list : {ListId::CHINT, ListId::CHCAN, ListId::CHEXP, ListId::CHUSA})
    DeleteChannel(ws, prompter, list, 0);
  EXPECT_EQ(ws.model.groups[1].priorityChannel, 1);
  EXPECT_EQ(ws.model.groups[2].priorityChannel, 8447);
  EXPECT_EQ(ws.model.groups[3].priorityChannel, 2);
  EXPECT_EQ(ws.model.groups[0].priorityChannel, -1);

  // The last record leaves an empty list.
  ws.model.CHRG.append(test::FreeRecord("A1", 156.05, 156.05));
  EXPECT_EQ(DeleteChannel(ws, prompter, ListId::CHRG, 0).outcome, ListEdit::Done);
  EXPECT_TRUE(ws.model.CHRG.isEmpty());
}

// Pasting checks every row as NEW would and pastes all of them in one step, or none.
TEST(ChannelPaste, CopiedRowsGoAfterTheSelectedRowOnlyWhenEveryOneFits) {
  Workspace ws = test::ShippedWorkspace("QZ815_USA");
  const SettingsModel start = ws.model;
  const std::string copied = ChannelRowsCsv(ws.model, ListId::CHUSA, {0, 2}, ws.caps);

  // Within the list and into another group list: after the selected row, in one step.
  std::int16_t row = 4;
  ListEditResult result = PasteChannels(ws, ListId::CHUSA, FromClipboard(copied), row);
  ASSERT_EQ(result.outcome, ListEdit::Done) << result.refusal;
  EXPECT_EQ(result.change.step, "Paste 2 channels");
  EXPECT_EQ(row, 6);
  EXPECT_EQ(ws.model.CHUSA[5], start.CHUSA[0]);
  EXPECT_EQ(ws.model.CHUSA[6], start.CHUSA[2]);
  EXPECT_EQ(ws.model.CHUSA.size(), start.CHUSA.size() + 2);
  row = 0;
  EXPECT_EQ(PasteChannels(ws, ListId::CHCAN, FromClipboard(copied), row).outcome, ListEdit::Done);

  // A group channel has no frequency of its own for a free list; nothing is pasted.
  const SettingsModel before = ws.model;
  row = -1;
  result = PasteChannels(ws, ListId::CHRG, FromClipboard(copied), row);
  EXPECT_EQ(result.outcome, ListEdit::Refused);
  EXPECT_EQ(result.refusal,
            "Row 1 (1001) cannot be pasted into CHRG: its Rx frequency ---.---- is outside "
            "137.0000 to 174.0000 MHz or not on a 25 kHz step. Nothing was pasted; correct that "
            "row or leave it out, then paste again.");
  EXPECT_EQ(ws.model, before);

  // Tab-separated text typed by hand in the grid's columns, with and without the heading line.
  GridRowsRead typed = ReadGridRowsText(
      "CH\tUSA\tINT\tCAN\tDISP\tRX[MHz]\tTX[MHz]\tLOW\tUP\tMEM\r\n"
      "RG01\t1\t0\tx\tAC\t156.0500\t156.0500\tLOW\t---\tMEM\n"
      "\t0\t0\t0\tC1\t157.1\t160.6\t---\t--\t---\n",
      ListId::CHRG, false);
  ASSERT_FALSE(typed.refusal) << *typed.refusal;
  row = -1;
  ASSERT_EQ(PasteChannels(ws, ListId::CHRG, typed.channels, row).outcome, ListEdit::Done);
  ChannelRecord first = test::FreeRecord("AC", 156.05, 156.05);
  first.inUsaGroup = first.inRegionGroup = first.lowPower = first.scanMemory = true;
  EXPECT_EQ(ws.model.CHRG[0], first);
  EXPECT_EQ(ws.model.CHRG[1], test::FreeRecord("C1", 157.1, 160.6));
  typed = ReadGridRowsText("1078A\t\t\tTX\tLOW\tUP\tDUP\tMEM\r\n120\t\t\t--\t---\t--\tDUP\t---",
                           ListId::CHINT, false);
  ASSERT_EQ(typed.channels.size(), 2u);
  EXPECT_EQ(typed.channels[0].record.statusNo, 1);
  EXPECT_EQ(typed.channels[0].record.position, 78);
  EXPECT_EQ(typed.channels[0].record.statusIcon, 1);
  row = 0;
  EXPECT_EQ(PasteChannels(ws, ListId::CHINT, typed.channels, row).refusal,
            "Row 2 (120) cannot be pasted into CHINT: the group has no channel 120 (it has 00 to "
            "99). Nothing was pasted; correct that row or leave it out, then "
            "paste again.");
  EXPECT_EQ(ReadGridRowsText("16\t\t\tTX\tLOW\tUP\tHALF\tMEM", ListId::CHINT, false).refusal,
            "Row 1 (16) cannot be pasted into CHINT: its DUP \"HALF\" is no duplex mode. Nothing "
            "was pasted; correct that row or leave it out, then paste again.");

  // The list limit: the 12 RG slots take no more.
  const std::vector<PastedChannel> eleven(11, {"C1", test::FreeRecord("C1", 157.1, 160.6)});
  row = 0;
  EXPECT_EQ(PasteChannels(ws, ListId::CHRG, eleven, row).refusal,
            "CHRG holds at most 12 channels; it holds 2 and 11 are to be pasted. Nothing was "
            "pasted; delete channels or copy fewer, then paste again.");
}

TEST(ChannelOrder, MovedRecordsTakeThePriorityChannelAlong) {
  Workspace ws;
  for (const char* name : {"A1", "B2", "C3", "D4", "E5"})
    ws.model.CHEXP.append(test::FreeRecord(name, 157.0, 157.0));
  ws.model.groups[3].priorityChannel = 2;  // B2
  auto names = [&] {
    std::string all;
    for (const ChannelRecord& r : ws.model.CHEXP) all += r.displayLeft;
    return all + " " + std::to_string(ws.model.groups[3].priorityChannel);
  };
  struct Case {
    int first, count, to;
    std::string after, step;
  };
  const Case cases[] = {
      {1, 1, 0, "B2A1C3D4E5 1", "Move channel EXP02"},  // Move Up
      {0, 1, 1, "A1B2C3D4E5 2", "Move channel EXP01"},  // Move Down
      {2, 2, 0, "C3D4A1B2E5 4", "Move 2 channels"},     // dragged to the top
      {0, 2, 3, "A1B2E5C3D4 2", "Move 2 channels"},     // dragged to the end
  };
  for (const Case& c : cases) {
    const ListEditResult moved = MoveChannels(ws, ListId::CHEXP, c.first, c.count, c.to);
    EXPECT_EQ(names(), c.after);
    EXPECT_EQ(moved.change.step, c.step);
  }
  EXPECT_EQ(MoveChannels(ws, ListId::CHEXP, 4, 1, 5).outcome, ListEdit::NoRecord);
  for (int i = 0; i < 4; ++i) UndoLastStep(ws);
  EXPECT_EQ(names(), "A1B2C3D4E5 2");
}

TEST(ChangeReport, AWholeDataSetStepReportsBothDataSetsAndWhatIsLeftToSave) {
  Workspace ws;
  ChangeLog log(ws);
  ws.model.CHUSA.append({.position = 16, .enabled = true});
  ws.flags.DataChanged = true;
  const DataSet before{ws.image, ws.model};

  // A load (Open, New, Read from Radio, a region) leaves nothing to save.
  DataSetStep opening(ws, "Open boat.dat", StepKind::Load);
  ws.image.set(0x7A0, 0x12);
  ws.model.CHUSA.clear();
  const DataSet opened{ws.image, ws.model};
  const ChangeReport report = opening.commit();
  EXPECT_EQ(report,
            (ChangeReport{"Open boat.dat", StepKind::Load, {DataSetChange{before, opened}}}));
  EXPECT_FALSE(ws.flags.DataChanged);
  EXPECT_EQ(log.reports, std::vector<ChangeReport>{report});

  // A step that reworks the data set (ATIS Clear) is a change to save; one never committed,
  // because it failed, is no step.
  DataSetStep failed(ws, "Read from Radio", StepKind::Load);
  DataSetStep clearing(ws, "ATIS Clear", StepKind::Edit);
  ws.model.atis.code.clear();
  EXPECT_EQ(clearing.commit().kind, StepKind::Edit);
  EXPECT_TRUE(ws.flags.DataChanged);
  EXPECT_EQ(log.steps(), (Texts{"Open boat.dat", "ATIS Clear"}));

  // A save leaves nothing to save; an empty report is no step at all.
  MarkDataSetSaved(ws);
  EXPECT_FALSE(ws.flags.DataChanged);
  EXPECT_TRUE(CommitChange(ws, {"Change SCAN"}).empty());
  EXPECT_FALSE(ws.flags.DataChanged);
  EXPECT_EQ(log.reports.size(), 2u);
  // A code still being typed counts as unsaved, without a step.
  MarkTypingUnsaved(ws);
  EXPECT_TRUE(ws.flags.DataChanged);
  EXPECT_EQ(log.reports.size(), 2u);
}

}  // namespace
}  // namespace tpw
