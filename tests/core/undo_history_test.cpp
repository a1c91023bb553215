#include "session/undo_history.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "editor/channel_list_edit.h"
#include "editor/setup_edits.h"
#include "sample_records.h"
#include "shipped_workspace.h"
#include "support/test_support.h"

namespace tpw {
namespace {

using test::Encoded;
using test::RecordingPrompter;

Workspace UsaWorkspace() {
  return test::ShippedWorkspace("QZ815_USA");
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
         InsertChannel(ws, ListId::CHUSA, test::PlanRecord(23, 2, true, true, false), row);
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
         ws.model.CHRG.append(test::FreeRecord("AB", 157.0, 157.0));
         ws.image.set(0x100, 0x12);
         opening.commit();
       },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.step);
    Workspace ws = UsaWorkspace();
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
  Workspace ws = UsaWorkspace();
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
  Workspace ws = UsaWorkspace();
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
                               ? test::FreeRecord("Q1", 156.0 + 0.025 * pick(40), 157.0)
                               : test::PlanRecord(pick(100), pick(4), pick(2), pick(2), false);
    std::int16_t current = static_cast<std::int16_t>(row);
    ChangeReport report;
    switch (pick(7)) {
      case 0:
        report = InsertChannel(ws, list, record, current).change;
        break;
      case 1:
        if (row >= 0) report = OverwriteChannel(ws, list, record, row).change;
        break;
      case 2:
        report = DeleteChannel(ws, yes, list, row).change;
        break;
      case 3:
        report = ChooseCommonOption(ws, CommonOption::ResumeTime, pick(6));
        break;
      case 4:
        report = SetPriorityChannel(ws, pick(3), 1 + pick(5));
        break;
      case 5:
        report = SetWeatherScan(ws, pick(10), pick(2));
        break;
      default:
        report = SetAtisGroup(ws, pick(4), pick(2));
    }
    if (!report.empty()) ++steps;
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
}  // namespace tpw
