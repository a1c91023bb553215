// Pasting and reordering channels: the checks of NEW, one step each, the priority channel
// following its record.
#include <gtest/gtest.h>

#include "editor/channel_rows_text.h"
#include "editor/list_arrangement.h"
#include "files/channel_csv.h"
#include "sample_records.h"
#include "shipped_workspace.h"

namespace tpw {
namespace {

std::vector<PastedChannel> FromClipboard(const std::string& csv) {
  std::vector<PastedChannel> pasted;
  for (const CsvChannel& c : ReadChannelsCsv(csv, ModelCaps{}).channels) {
    pasted.push_back({PastedName(c.list, c.record), c.record});
  }
  return pasted;
}

TEST(ChannelPaste, CopiedRowsGoAfterTheSelectedRowOnlyWhenEveryOneFits) {
  Workspace ws = test::ShippedWorkspace("QZ815_USA");
  const SettingsModel start = ws.model;
  const int usaCount = ws.model.CHUSA.size();
  const std::string copied = ChannelRowsCsv(ws.model, ListId::CHUSA, {0, 2}, ws.caps);

  // Within the list and into another group list: after the selected row, in one step.
  std::int16_t row = 4;
  ListEditResult result = PasteChannels(ws, ListId::CHUSA, FromClipboard(copied), row);
  ASSERT_EQ(result.outcome, ListEdit::Done) << result.refusal;
  EXPECT_EQ(result.change.step, "Paste 2 channels");
  EXPECT_EQ(row, 6);
  EXPECT_EQ(ws.model.CHUSA[5], start.CHUSA[0]);
  EXPECT_EQ(ws.model.CHUSA[6], start.CHUSA[2]);
  EXPECT_EQ(ws.model.CHUSA.size(), usaCount + 2);
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
  for (const char* name : {"A1", "B2", "C3", "D4", "E5"}) {
    ws.model.CHEXP.append(test::FreeRecord(name, 157.0, 157.0));
  }
  ws.model.groups[3].priorityChannel = 2;  // B2
  auto names = [&] {
    std::string all;
    for (const ChannelRecord& r : ws.model.CHEXP) all += r.displayLeft;
    return all + " " + std::to_string(ws.model.groups[3].priorityChannel);
  };
  struct Case {
    int first, count, to;
    std::string after;
    std::string step;
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

}  // namespace
}  // namespace tpw
