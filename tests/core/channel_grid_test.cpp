#include "editor/channel_grid.h"

#include <gtest/gtest.h>

namespace tpw {
namespace {

std::vector<std::string> Headers(const ChannelGrid& grid) {
  std::vector<std::string> headers;
  for (const GridColumn& column : grid.columns) headers.push_back(column.header);
  return headers;
}

std::vector<std::string> RowTexts(const ChannelGrid& grid, std::size_t row) {
  std::vector<std::string> texts;
  for (const GridCell& cell : grid.rows.at(row)) texts.push_back(cell.text);
  return texts;
}

ChannelRecord GroupRecord(int position, int duplex, bool tx) {
  ChannelRecord r;
  r.position = static_cast<std::int16_t>(position);
  r.duplex = static_cast<std::int16_t>(duplex);
  r.txEnabled = tx;
  r.enabled = true;
  return r;
}

TEST(ChannelGrid, GroupLayoutCells) {
  SettingsModel model;
  ChannelRecord duplex = GroupRecord(16, 2, false);
  duplex.statusNo = 1;
  duplex.statusIcon = 1;
  model.CHUSA.append(duplex);
  ChannelRecord simplex = GroupRecord(6, 0, true);
  simplex.lowPower = simplex.powerUp = simplex.scanMemory = true;
  model.CHUSA.append(simplex);
  model.CHUSA.append(GroupRecord(6, 7, true));
  model.CHUSA.append(GroupRecord(200, 0, true));

  const ChannelGrid grid = BuildChannelGrid(model, ListId::CHUSA, false);
  ASSERT_EQ(Headers(grid), (std::vector<std::string>{"CH", "RX[MHz]", "TX[MHz]", "TX", "LOW", "UP",
                                                     "DUP", "MEM"}));
  EXPECT_EQ(grid.columns[6].widthTwips, 1600);
  ASSERT_EQ(grid.rows.size(), 4u);
  EXPECT_EQ(RowTexts(grid, 0), (std::vector<std::string>{"1016A", "161.400", "---.---", "--", "---",
                                                         "--", "DUP", "---"}));
  EXPECT_EQ(RowTexts(grid, 1), (std::vector<std::string>{"06", "156.300", "156.300", "TX", "LOW",
                                                         "UP", "TX_SIMP", "MEM"}));
  // Out of range duplex or position: empty frequencies, the duplex label of "any other".
  EXPECT_EQ(RowTexts(grid, 2),
            (std::vector<std::string>{"06", "", "", "TX", "---", "--", "TX_SIMP", "---"}));
  EXPECT_EQ(RowTexts(grid, 3),
            (std::vector<std::string>{"", "", "", "TX", "---", "--", "TX_SIMP", "---"}));

  ChannelRecord scrambled = GroupRecord(6, 0, true);
  scrambled.scramble = 6;
  model.CHINT.append(scrambled);
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
    ChannelRecord r;
    r.enabled = true;
    r.displayLeft = "A" + std::to_string(k);
    r.rxFrequency = k == 0 ? 0 : 156.0125;
    r.txFrequency = 157.1;
    r.inUsaGroup = true;
    r.inRegionGroup = k == 9;
    r.scanMemory = true;
    model.CHRG.append(r);
  }
  const ChannelGrid grid = BuildChannelGrid(model, ListId::CHRG, false);
  ASSERT_EQ(Headers(grid), (std::vector<std::string>{"CH", "USA", "INT", "NL", "DISP", "RX[MHz]",
                                                     "TX[MHz]", "LOW", "UP", "MEM"}));
  ASSERT_EQ(grid.rows.size(), 10u);
  ASSERT_EQ(grid.rows[0].size(), 10u);
  ASSERT_EQ(grid.rows[9].size(), 10u);
  EXPECT_TRUE(grid.columns[1].checkMark);
  EXPECT_FALSE(grid.columns[4].checkMark);
  EXPECT_EQ(grid.rows[0][0].text, "RG01");
  EXPECT_EQ(grid.rows[0][5].text, "---.----");
  EXPECT_EQ(grid.rows[0][1], (GridCell{"", true}));
  EXPECT_EQ(grid.rows[0][2], (GridCell{"", false}));
  EXPECT_EQ(grid.rows[9][0].text, "RG10");
  EXPECT_EQ(grid.rows[9][3], (GridCell{"", true}));
  EXPECT_EQ(RowTexts(grid, 9), (std::vector<std::string>{"RG10", "", "", "", "A9", "156.0125",
                                                         "157.1000", "---", "--", "MEM"}));

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

}  // namespace
}  // namespace tpw
