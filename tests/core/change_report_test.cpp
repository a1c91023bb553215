#include "session/change_report.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace tpw {
namespace {

using test::ChangeLog;

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
  EXPECT_EQ(log.steps(), (std::vector<std::string>{"Open boat.dat", "ATIS Clear"}));

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
