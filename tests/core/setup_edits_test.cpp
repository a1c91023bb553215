// The edits of the setup panels, the rows of the weather table they edit, the navigation tree
// that leads to the panels, and the undo history of every kind of edit.
#include "editor/setup_edits.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "editor/channel_list_edit.h"
#include "editor/navigation_tree.h"
#include "editor/weather_rows.h"
#include "image/channel_tables.h"
#include "sample_records.h"
#include "session/undo_history.h"
#include "shipped_workspace.h"
#include "support/test_support.h"

namespace tpw::test {
namespace {

SettingId Setting(RecordKind record, int index, std::string_view key, ListId list = ListId::CHUSA) {
  return {record, list, index, key};
}

// Groups named as a UK data set names them, resume 3 s, nine weather channels.
Workspace SetupWorkspace() {
  Workspace ws;
  const char* labels[] = {"USA", "INT", "UK", "EXP"};
  for (int g = 0; g < GroupCount; ++g) ws.model.groups[g] = {g < 2, 65535, labels[g]};
  ws.model.common.resumeTime = 3;
  ws.model.CHWX = DefaultWeatherList();
  ws.model.CHWX.erase(9);
  ws.model.CHUSA.append({.position = 6, .enabled = true});
  ws.model.CHUSA.append({.position = 16, .enabled = true});
  return ws;
}

TEST(SetupEdits, EachSettingReportsItsKeyAndBothValuesOnce) {
  struct Case {
    std::function<ChangeReport(Workspace&)> edit;
    std::string step;
    SettingChange change;
  };
  const Case cases[] = {
      {[](Workspace& ws) { return ChooseCommonOption(ws, CommonOption::ResumeTime, 5); },
       "Change Resume Time",
       {Setting(RecordKind::CommonSetup, -1, "Resume Time"), 3, 5}},
      {[](Workspace& ws) { return ChooseCommonOption(ws, CommonOption::Scan, 1); },
       "Change SCAN",
       {Setting(RecordKind::CommonSetup, -1, "SCAN"), false, true}},
      {[](Workspace& ws) { return ChooseCommonOption(ws, CommonOption::WeatherAlert, 2); },
       "Change Weather Alert",
       {Setting(RecordKind::CommonSetup, -1, "Weater"), 0, 2}},
      {[](Workspace& ws) { return ChooseCommonOption(ws, CommonOption::AtisMode, 1); },
       "Change ATIS Mode",
       {Setting(RecordKind::AtisSetup, -1, "Atis Mode"), 0, 1}},
      {[](Workspace& ws) { return SetGroupUsable(ws, 1, false); },
       "Change Usable Channel Group INT",
       {Setting(RecordKind::ChannelGroup, 1, "Group2"), true, false}},
      {[](Workspace& ws) { return SetPriorityChannel(ws, 0, 2); },
       "Change Priority CH USA",
       {Setting(RecordKind::ChannelGroup, 0, "Priority CH0"), 65535, 2}},
      {[](Workspace& ws) { return SetAtisGroup(ws, 2, true); },
       "Change Usable ATIS CH Group UK",
       {Setting(RecordKind::AtisSetup, 2, "Usable ATIS CH Group2"), false, true}},
      {[](Workspace& ws) { return SetAtisCode(ws, "9211234567"); },
       "Change ATIS Code",
       {Setting(RecordKind::AtisSetup, -1, "Atis Code"), std::string(), "9211234567"}},
      {[](Workspace& ws) { return SetWeatherEnable(ws, 2, false); },
       "Change WX03[162.475MHz] Enable",
       {Setting(RecordKind::Channel, 2, "Enable", ListId::CHWX), true, false}},
      {[](Workspace& ws) { return SetWeatherScan(ws, 8, true); },
       "Change WX09[161.775MHz] Scan",
       {Setting(RecordKind::Channel, 8, "ScanMemory", ListId::CHWX), false, true}},
  };
  for (const Case& c : cases) {
    Workspace ws = SetupWorkspace();
    ChangeLog log(ws);
    const ChangeReport expected{c.step, StepKind::Edit, {c.change}};
    EXPECT_EQ(c.edit(ws), expected) << c.step;
    EXPECT_TRUE(ws.flags.DataChanged) << c.step;
    EXPECT_EQ(log.reports, std::vector<ChangeReport>{expected}) << c.step;
    // The same choice again is no change: nothing is reported or marked.
    ws.flags.DataChanged = false;
    const SettingsModel changed = ws.model;
    EXPECT_TRUE(c.edit(ws).empty()) << c.step;
    EXPECT_FALSE(ws.flags.DataChanged) << c.step;
    EXPECT_EQ(log.reports.size(), 1u) << c.step;
    EXPECT_EQ(ws.model, changed) << c.step;
  }
}

TEST(SetupEdits, DualWatchAndRowsWithoutARecordStoreNothing) {
  Workspace ws = SetupWorkspace();
  ChangeLog log(ws);
  const SettingsModel before = ws.model;
  EXPECT_TRUE(ChooseCommonOption(ws, CommonOption::DualWatch, 1).empty());
  for (int row : {9, 10, -1}) {
    EXPECT_TRUE(SetWeatherEnable(ws, row, false).empty()) << row;
    EXPECT_TRUE(SetWeatherScan(ws, row, true).empty()) << row;
  }
  EXPECT_EQ(ws.model, before);
  EXPECT_TRUE(log.reports.empty());
  EXPECT_FALSE(ws.flags.DataChanged);
}

TEST(SetupEdits, APriorityOfNoEnabledRecordBecomesTheFirstAndIsReported) {
  Workspace ws = SetupWorkspace();
  ws.model.CHINT.append({.position = 9});  // no enabled record: the priority is kept
  ws.model.CHCAN.append({.position = 9, .enabled = true});
  ws.model.groups[0].priorityChannel = 2;
  ws.model.groups[1].priorityChannel = 1;
  ws.model.groups[3].priorityChannel = 42;  // the EXP group has none to settle
  EXPECT_EQ(SettlePriorityChannels(ws),
            (ChangeReport{
                "Correct the priority channels",
                StepKind::Edit,
                {SettingChange{Setting(RecordKind::ChannelGroup, 2, "Priority CH2"), 65535, 1}}}));
  EXPECT_EQ(ws.model.groups[1].priorityChannel, 1);
  EXPECT_EQ(ws.model.groups[3].priorityChannel, 42);
  ws.flags.DataChanged = false;
  EXPECT_TRUE(SettlePriorityChannels(ws).empty());  // nothing left to replace
  EXPECT_FALSE(ws.flags.DataChanged);

  // A priority channel that has since been disabled gives way to the first enabled one.
  ws.model.CHUSA[1].enabled = false;
  const std::vector<Change> settled = {
      SettingChange{Setting(RecordKind::ChannelGroup, 0, "Priority CH0"), 2, 1}};
  EXPECT_EQ(SettlePriorityChannels(ws).changes, settled);
  EXPECT_TRUE(ws.flags.DataChanged);
}

TEST(WeatherRows, EveryRowShowsItsChannelAndOnlyHeldRecordsShowTicks) {
  SettingsModel model;
  model.CHWX = DefaultWeatherList();
  while (model.CHWX.size() > 5) model.CHWX.erase(model.CHWX.size() - 1);
  model.CHWX[2].enabled = false;
  model.CHWX[2].scanMemory = true;
  const WeatherRows rows = WeatherRowsOf(model);
  EXPECT_EQ(rows[0], (WeatherRow{"WX01[162.550MHz]", true, true, false, true}));
  // A disabled channel keeps its scan tick, which cannot be changed meanwhile.
  EXPECT_EQ(rows[2], (WeatherRow{"WX03[162.475MHz]", true, false, true, false}));
  EXPECT_EQ(rows[9], (WeatherRow{"WX10[163.275MHz]", false, false, false, false}));

  model.CHWX.clear();
  for (const WeatherRow& row : WeatherRowsOf(model)) EXPECT_FALSE(row.present);
}

std::vector<std::string> Texts(const NavigationTree& tree) {
  std::vector<std::string> texts;
  for (const TreeNode& node : tree.nodes) texts.push_back(node.text);
  return texts;
}

SettingsModel ModelWithGroups(bool usa, bool intl, bool can, bool exp) {
  SettingsModel model;
  model.groups[0] = {usa, 0, "USA"};
  model.groups[1] = {intl, 0, "INT"};
  model.groups[2] = {can, 0, "UK"};
  model.groups[3] = {exp, 0, "EXP"};
  return model;
}

TEST(NavigationTree, NodesFollowTheUsableGroupsAndWeather) {
  const NavigationTree bare = RebuildTree(ModelWithGroups(false, false, false, false), false);
  EXPECT_EQ(Texts(bare), (std::vector<std::string>{"General", "Common Setup",
                                                   "Programmable Channel", "RG Channel"}));
  EXPECT_EQ(bare.groupNodeIndex, (std::array<int, 4>{0, 0, 0, 0}));

  const NavigationTree full = RebuildTree(ModelWithGroups(true, true, true, true), true);
  EXPECT_EQ(Texts(full),
            (std::vector<std::string>{"General", "Common Setup", "Programmable Channel",
                                      "Group1(USA)", "Group2(INT)", "Group3(UK)", "RG Channel",
                                      "Weather", "EXP Channel(EXP)"}));
  EXPECT_EQ(full.groupNodeIndex, (std::array<int, 4>{4, 5, 6, 9}));
  EXPECT_EQ(full.node(4).parent, 3);
  EXPECT_EQ(full.node(9).parent, 0);

  // Making group 1 usable inserts its node between Group1 and the RG node.
  const NavigationTree usaOnly = RebuildTree(ModelWithGroups(true, false, false, false), true);
  EXPECT_EQ(usaOnly.node(5).key, "PR");
  const NavigationTree withInt = RebuildTree(ModelWithGroups(true, true, false, false), true);
  EXPECT_EQ(withInt.node(5).text, "Group2(INT)");
  EXPECT_EQ(withInt.node(6).key, "PR");
  EXPECT_EQ(withInt.groupNodeIndex, (std::array<int, 4>{4, 5, 0, 0}));
}

TEST(NavigationTree, GroupLabelsAreAddedOnceAndLeftOffWhenEmpty) {
  SettingsModel model = ModelWithGroups(true, false, true, false);
  model.groups[2].label.clear();
  NavigationTree tree = RebuildTree(model, false);
  EXPECT_EQ(tree.node(4).text, "Group1(USA)");
  EXPECT_EQ(tree.node(5).text, "Group3");

  UpdateGroupLabels(tree, model);  // already labelled: unchanged
  EXPECT_EQ(tree.node(4).text, "Group1(USA)");

  model.groups[0].label = "CAN";  // a new label replaces the old one
  UpdateGroupLabels(tree, model);
  EXPECT_EQ(tree.node(4).text, "Group1(CAN)");

  ASSERT_EQ(tree.count(), 6);
  tree.nodes[4].text = "Group3(x)";  // a text ending with ")" after the cut keeps its label
  model.groups[2].label = "GRMN";
  UpdateGroupLabels(tree, model);
  EXPECT_EQ(tree.node(5).text, "Group3(GRMN)");
}

TEST(NavigationTree, KeysAreFoundExactlyAndDispatchedUpperCased) {
  NavigationTree tree = RebuildTree(ModelWithGroups(true, true, true, true), true);
  EXPECT_EQ(FindNodeByKey(tree, "General"), 1);
  EXPECT_EQ(FindNodeByKey(tree, "general"), 0);
  EXPECT_EQ(FindNodeByKey(tree, "PW"), 8);

  EXPECT_EQ(ViewOfNode(tree, 1), (NodeView{PanelId::General, std::nullopt}));
  EXPECT_EQ(ViewOfNode(tree, 2), (NodeView{PanelId::Common, std::nullopt}));
  EXPECT_EQ(ViewOfNode(tree, 3), (NodeView{PanelId::Grey, std::nullopt}));
  EXPECT_EQ(ViewOfNode(tree, 4), (NodeView{PanelId::ChannelList, ListId::CHUSA}));
  EXPECT_EQ(ViewOfNode(tree, 5), (NodeView{PanelId::ChannelList, ListId::CHINT}));
  EXPECT_EQ(ViewOfNode(tree, 6), (NodeView{PanelId::ChannelList, ListId::CHCAN}));
  EXPECT_EQ(ViewOfNode(tree, 7), (NodeView{PanelId::ChannelList, ListId::CHRG}));
  EXPECT_EQ(ViewOfNode(tree, 8), (NodeView{PanelId::Weather, std::nullopt}));
  EXPECT_EQ(ViewOfNode(tree, 9), (NodeView{PanelId::ChannelList, ListId::CHEXP}));
  EXPECT_FALSE(ViewOfNode(tree, 0));
  EXPECT_FALSE(ViewOfNode(tree, 10));

  ASSERT_EQ(tree.count(), 9);
  tree.nodes[0].key = "gEnErAl";  // the dispatch ignores case
  EXPECT_EQ(ViewOfNode(tree, 2), (NodeView{PanelId::Common, std::nullopt}));
}

// Every kind of step, undone and made again: the image, the settings and the unsaved-changes
// state go back and forth exactly, and the menu names the step.
TEST(UndoHistory, EachKindOfStepIsUndoneAndRedoneExactly) {
  RecordingPrompter yes;
  struct Case {
    std::string step;
    std::function<void(Workspace&)> edit;
    bool unsavedWhenUndone = false;  // a load undone leaves what it replaced, unsaved
  };
  const Case cases[] = {
      {"New channel 23",
       [](Workspace& ws) {
         std::int16_t row = 4;
         InsertChannel(ws, ListId::CHUSA, PlanRecord(23, 2, true, true, false), row);
       }},
      {"Edit channel 16",
       [](Workspace& ws) {
         ChannelRecord r = ws.model.CHUSA[ws.model.groups[0].priorityChannel - 1];
         r.scanMemory = !r.scanMemory;
         OverwriteChannel(ws, ListId::CHUSA, r, ws.model.groups[0].priorityChannel - 1);
       }},
      {"Delete channel 02",  // before the priority channel, which moves up
       [&](Workspace& ws) { DeleteChannel(ws, yes, ListId::CHINT, 1); }},
      {"Change Resume Time",
       [](Workspace& ws) { ChooseCommonOption(ws, CommonOption::ResumeTime, 5); }},
      {"Change Usable Channel Group EXP", [](Workspace& ws) { SetGroupUsable(ws, 3, true); }},
      {"Change ATIS Code", [](Workspace& ws) { SetAtisCode(ws, "2111234567"); }},
      {"Change WX03[162.475MHz] Enable", [](Workspace& ws) { SetWeatherEnable(ws, 2, false); }},
      {"Open boat.dat",
       [](Workspace& ws) {
         DataSetStep opening(ws, "Open boat.dat", StepKind::Load);
         ws.model.CHRG.append(FreeRecord("AB", 157.0, 157.0));
         ws.image.set(0x100, 0x12);
         opening.commit();
       },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.step);
    Workspace ws = ShippedWorkspace("QZ815_USA");
    const Workspace start = ws;
    c.edit(ws);
    const MemoryImage edited = Encoded(ws);
    const SettingsModel editedModel = ws.model;
    ASSERT_NE(edited, Encoded(start));
    ASSERT_NE(ws.history.undoable(), nullptr);
    EXPECT_EQ(ws.history.undoable()->step, c.step);

    EXPECT_EQ(UndoLastStep(ws).step, c.step);
    EXPECT_EQ(Encoded(ws), Encoded(start));
    EXPECT_EQ(ws.model, start.model);
    EXPECT_EQ(ws.flags.DataChanged, c.unsavedWhenUndone);
    EXPECT_EQ(ws.history.undoable(), nullptr);
    EXPECT_TRUE(UndoLastStep(ws).empty());

    EXPECT_EQ(RedoNextStep(ws).step, c.step);
    EXPECT_EQ(Encoded(ws), edited);
    EXPECT_EQ(ws.model, editedModel);
    EXPECT_EQ(ws.flags.DataChanged, !c.unsavedWhenUndone);
    EXPECT_TRUE(RedoNextStep(ws).empty());
  }
}

TEST(UndoHistory, TheUnsavedStateIsClearExactlyAtTheSavedStep) {
  Workspace ws = ShippedWorkspace("QZ815_USA");
  ChooseCommonOption(ws, CommonOption::ResumeTime, 1);
  ChooseCommonOption(ws, CommonOption::ResumeTime, 2);
  MarkDataSetSaved(ws);
  ChooseCommonOption(ws, CommonOption::ResumeTime, 3);
  std::vector<bool> unsaved;
  for (int i = 0; i < 3; ++i) {
    UndoLastStep(ws);
    unsaved.push_back(ws.flags.DataChanged);
  }
  for (int i = 0; i < 3; ++i) {
    RedoNextStep(ws);
    unsaved.push_back(ws.flags.DataChanged);
  }
  EXPECT_EQ(unsaved, (std::vector<bool>{false, true, true, true, false, true}));
  // A new step after undoing past the saved one: that data set cannot come back by redo.
  UndoLastStep(ws);
  UndoLastStep(ws);
  ChooseCommonOption(ws, CommonOption::ResumeTime, 4);
  EXPECT_EQ(ws.history.redoable(), nullptr);
  UndoLastStep(ws);
  EXPECT_TRUE(ws.flags.DataChanged);
}

// A hundred random edits of every kind, undone one by one, give the start image; redone, the
// end image.
TEST(UndoHistory, AHundredRandomEditsUndoneGiveTheStartImage) {
  Workspace ws = ShippedWorkspace("QZ815_USA");
  const MemoryImage start = Encoded(ws);
  RecordingPrompter yes;
  std::mt19937 random(815);
  auto pick = [&](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
  const ListId lists[] = {ListId::CHUSA, ListId::CHINT, ListId::CHCAN, ListId::CHRG};
  int steps = 0;
  while (steps < 100) {
    const ListId list = lists[pick(4)];
    const int size = ws.model.list(list).size();
    const int row = size > 0 ? pick(size) : -1;
    ChannelRecord record = list == ListId::CHRG
                               ? FreeRecord("Q1", 156.0 + 0.025 * pick(40), 157.0)
                               : PlanRecord(pick(100), pick(4), pick(2), pick(2), false);
    std::int16_t current = static_cast<std::int16_t>(row);
    // An edit of each kind, one of them made.
    const std::function<ChangeReport()> edits[] = {
        [&] { return InsertChannel(ws, list, record, current).change; },
        [&] { return row >= 0 ? OverwriteChannel(ws, list, record, row).change : ChangeReport{}; },
        [&] { return DeleteChannel(ws, yes, list, row).change; },
        [&] { return ChooseCommonOption(ws, CommonOption::ResumeTime, pick(6)); },
        [&] { return SetPriorityChannel(ws, pick(3), 1 + pick(5)); },
        [&] { return SetWeatherScan(ws, pick(10), pick(2)); },
        [&] { return SetAtisGroup(ws, pick(4), pick(2)); }};
    if (!edits[pick(7)]().empty()) ++steps;
  }
  const MemoryImage end = Encoded(ws);
  for (int i = 0; i < steps; ++i) ASSERT_FALSE(UndoLastStep(ws).empty()) << i;
  EXPECT_EQ(Encoded(ws), start);
  EXPECT_FALSE(ws.flags.DataChanged);
  while (!RedoNextStep(ws).empty()) {
  }
  EXPECT_EQ(Encoded(ws), end);
}

}  // namespace
}  // namespace tpw::test
