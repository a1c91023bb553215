#include "files/channel_csv.h"

#include <gtest/gtest.h>

#include "editor/list_arrangement.h"
#include "sample_records.h"
#include "shell/channel_table_file.h"
#include "shipped_workspace.h"
#include "support/test_support.h"

namespace tpw {
namespace {

using test::Encoded;

ChannelList ListOf(std::initializer_list<ChannelRecord> records) {
  ChannelList list;
  for (const ChannelRecord& r : records) list.append(r);
  return list;
}

// Exported and imported over a data set whose lists were changed, every shipped destination
// comes back byte for byte, in one step that Undo takes back.
TEST(ChannelCsv, ExportThenImportOfEveryShippedDestinationGivesTheSameImage) {
  const std::vector<std::string> destinations = test::ShippedDestinations();
  ASSERT_EQ(destinations.size(), 7u);
  for (const std::string& name : destinations) {
    SCOPED_TRACE(name);
    test::TempDir dir;
    test::TestContext t;
    t.ws = test::ShippedWorkspace(name);
    const Workspace shipped = t.ws;
    ASSERT_EQ(ExportChannelsFile(t.ctx, dir / "all.csv"), Outcome::Done);

    ChannelList reversed, weather = t.ws.model.CHWX;
    for (int k = t.ws.model.CHUSA.size() - 1; k > 0; --k) reversed.append(t.ws.model.CHUSA[k]);
    for (ChannelRecord& r : weather) r.scanMemory = !r.scanMemory;
    ReplaceChannelLists(t.ws, "Change", {{ListId::CHUSA, reversed}, {ListId::CHWX, weather}});
    const MemoryImage changed = Encoded(t.ws);
    ASSERT_NE(changed, Encoded(shipped));

    ASSERT_EQ(ImportChannelsFile(t.ctx, dir / "all.csv"), Outcome::Done);
    EXPECT_EQ(Encoded(t.ws), Encoded(shipped));
    EXPECT_EQ(t.ws.model, shipped.model);
    EXPECT_TRUE(t.prompter.boxes.empty());
    EXPECT_EQ(UndoLastStep(t.ws).step, "Import all.csv");
    EXPECT_EQ(Encoded(t.ws), changed);
  }
}

// What a person writes in a spreadsheet set to a language with a decimal comma: semicolons, a
// byte order mark, quoted cells, columns in an order of their own and some left out.
TEST(ChannelCsv, AHandWrittenTableWithSemicolonsAndQuotesReplacesOnlyItsLists) {
  const std::string text =
      test::ReadBytes(std::filesystem::path(TPW52_TEST_DATA) / "hand-written.csv");
  const ChannelCsvRead read = ReadChannelsCsv(text, ModelCaps{});
  ASSERT_FALSE(read.fault) << *read.fault;
  EXPECT_TRUE(read.refused.empty());
  std::map<ListId, ChannelList> lists = ListsOfRows(read.channels);
  ChannelRecord usa = test::PlanRecord(16, 0, true, false, false, true);
  ChannelRecord intl = test::PlanRecord(6, 0, true, false, false);
  ChannelRecord second = test::FreeRecord("A ", 157.1, 157.1);
  second.txEnabled = false;
  second.scanMemory = true;
  ASSERT_EQ(lists.size(), 3u);
  EXPECT_EQ(lists[ListId::CHUSA], ListOf({usa}));
  EXPECT_EQ(lists[ListId::CHINT], ListOf({intl}));
  EXPECT_EQ(lists[ListId::CHRG], ListOf({test::FreeRecord("AB", 156.8, 156.8), second}));
  EXPECT_EQ(read.channels[2].line, 5);
}

// Every refusal names its line and why; a table that is none says so, and nothing changes
// unless the user agrees to import the good rows.
TEST(ChannelCsv, EveryRefusedRowIsListedWithItsLineAndNothingChangesUnlessAgreed) {
  // Seven faulty rows, then thirteen good RG channels for twelve slots.
  const std::filesystem::path csv = std::filesystem::path(TPW52_TEST_DATA) / "refused-rows.csv";
  const ChannelCsvRead read = ReadChannelsCsv(test::ReadBytes(csv), ModelCaps{});
  std::vector<std::string> refused;
  for (const CsvRefusal& r : read.refused) refused.push_back(r.text);
  EXPECT_EQ(refused,
            (std::vector<std::string>{
                "line 2: \"CHFOO\" is no channel list (CHUSA, CHINT, CHCAN, CHWX, CHRG, CHEXP)",
                "line 3: CHUSA: Position \"200\" is not a channel position from 0 to 119",
                "line 4: CHUSA: it has no Position, which every channel of CHUSA has",
                "line 5: CHUSA: Enable is 0, but the channels of CHUSA are always enabled",
                "line 6: CHRG: CHDisplayL \"A\r\nB\" is not a channel name the radio can show "
                "(two letters, digits or -+().*/,)",
                "line 8: CHEXP: Rxfreq \"250\" is not 0 nor a frequency above 100 and below 200 "
                "MHz",
                "line 22: CHRG: the list holds at most 12 channels"}));
  EXPECT_EQ(read.channels.size(), 13u);

  test::TempDir dir;
  test::TestContext t;
  t.ws = test::ShippedWorkspace("QZ815_UK");
  const SettingsModel before = t.ws.model;
  EXPECT_EQ(ImportChannelsFile(t.ctx, csv), Outcome::Cancelled);  // No, the default
  EXPECT_EQ(t.ws.model, before);
  ASSERT_EQ(t.prompter.boxes.size(), 1u);
  EXPECT_TRUE(t.prompter.boxes[0].text.starts_with(
      csv.string() + ": 7 of 20 rows cannot be imported:\r\nline 2: "))
      << t.prompter.boxes[0].text;
  t.prompter.plan(Answer::Yes);
  EXPECT_EQ(ImportChannelsFile(t.ctx, csv), Outcome::Done);
  EXPECT_EQ(t.ws.model.CHUSA.size(), 1);
  EXPECT_EQ(t.ws.model.CHRG.size(), 12);
  EXPECT_EQ(t.ws.model.CHINT, before.CHINT);

  struct Fault {
    std::string text;
    std::string finding;
  };
  const Fault faults[] = {
      {"List,Colour\r\nCHUSA,red\r\n", "line 1: the column \"Colour\" is no field of a channel"},
      {"Position\r\n16\r\n", "line 1: there is no column \"List\""},
      {"List,Position,position\r\nCHUSA,1,2\r\n", "the column \"position\" comes twice"},
      {"List,CHDisplayL\r\nCHRG,\"AB\r\n", "line 2: a quoted field is not closed"},
      {"List,Position\r\n", "it holds a heading line but no channel under it"},
  };
  for (const Fault& fault : faults) {
    test::WriteBytes(dir / "bad.csv", fault.text);
    t.prompter.boxes.clear();
    EXPECT_EQ(ImportChannelsFile(t.ctx, dir / "bad.csv"), Outcome::Failed);
    ASSERT_EQ(t.prompter.boxes.size(), 1u);
    EXPECT_NE(t.prompter.boxes[0].text.find(fault.finding), std::string::npos)
        << t.prompter.boxes[0].text;
    EXPECT_TRUE(t.prompter.boxes[0].text.starts_with("The channels were not imported.\r\n"));
  }
}

}  // namespace
}  // namespace tpw
