#include "files/data_file.h"
#include "files/data_file_reader.h"
#include "files/field_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <optional>

#include "files/atomic_file.h"
#include "files/section_table.h"
#include "image/channel_tables.h"
#include "image/memory_map.h"
#include "sample_records.h"
#include "session/region_question.h"
#include "support/test_support.h"

namespace tpw {
namespace {

using test::TempDir;
using test::TestContext;

using test::FreeRecord;
using test::PlanRecord;

// A model touching every field the file carries.
SettingsModel FullModel() {
  SettingsModel m;
  m.groups[0] = {true, 65535, "USA"};
  m.groups[1] = {false, 1, "INT"};
  m.groups[2] = {true, -1, "UK"};
  m.groups[3] = {true, -1, "EXP"};
  m.common = {1, true, true, 4, true, -7, 2, true, 1};
  m.atis = {{true, false, true, false}, "0123456789", 1};
  m.CHUSA.append(PlanRecord(16, 0, true, false, false));
  ChannelRecord reverse = PlanRecord(78, 3, true, true, true);
  reverse.statusNo = 1;
  reverse.statusIcon = 2;
  reverse.scanMemory = true;
  m.CHUSA.append(reverse);
  m.CHINT.append(PlanRecord(1, 2, false, false, false));
  m.CHWX = DefaultWeatherList();
  m.CHWX[3].enabled = false;
  m.CHWX[4].scanMemory = true;
  // 156.0 + 0.08 carries binary noise; the file must still say 156.08.
  ChannelRecord m1 = FreeRecord("M1", 156.0 + 0.08, 157.85);
  m1.displayRight = "R";
  m1.inIntGroup = true;
  m.CHRG.append(m1);
  ChannelRecord exp = FreeRecord("7", 161.425, 0);
  exp.displayRight = "R";
  exp.txEnabled = true;
  exp.inUsaGroup = true;
  exp.inRegionGroup = true;
  exp.lowPower = true;
  exp.scanMemory = true;
  m.CHEXP.append(exp);
  return m;
}

// Hand-made data files that a test reads as they are, line numbers and line ends included.
std::filesystem::path DataFiles() {
  return std::filesystem::path(TPW52_TEST_DATA) / "data-files";
}

constexpr const char* kMainUk = "[MAIN]\r\nMODELTYPE=1\r\nREGION=1\r\n";

TEST(DataFileWriter, WritesTheExactTextForm) {
  SettingsModel m;
  m.groups[0] = {true, 1, "USA"};
  m.groups[3] = {false, 65535, "EXP"};
  m.common.resumeTime = 3;
  m.atis.code = "12";
  m.CHUSA.append(PlanRecord(16, 0, true, false, false));
  m.CHWX.append(DefaultWeatherList()[0]);
  ChannelRecord e1 = FreeRecord("E1", 156.8, 0);
  e1.displayRight = "R";
  e1.txEnabled = true;
  e1.inIntGroup = true;
  m.CHEXP.append(e1);
  const std::string text = DataFileText(m, ModelCaps{}, 0xFF);
  // The whole form, byte for byte, as every other program that reads these files expects it.
  EXPECT_EQ(text, test::ReadBytes(std::filesystem::path(TPW52_TEST_DATA) / "written.dat"));

  ModelCaps bare;
  bare.AtisSupported = false;
  bare.WxSupported = false;
  const std::string plain = DataFileText(m, bare, 3);
  EXPECT_NE(plain.find("REGION=3\r\n"), std::string::npos);
  EXPECT_EQ(plain.find("[ATIS Setup]"), std::string::npos);
  EXPECT_EQ(plain.find("[CHWX0]"), std::string::npos);
  EXPECT_EQ(DataFileText(m, bare, 9).find("REGION=255\r\n"), plain.find("REGION=3\r\n"));
}

TEST(DataFileWriter, FrequenciesInTheirShortestForm) {
  EXPECT_EQ(FormatFileFrequency(156.0 + 0.08), "156.08");
  EXPECT_EQ(FormatFileFrequency(156.8), "156.8");
  EXPECT_EQ(FormatFileFrequency(157.425), "157.425");
  EXPECT_EQ(FormatFileFrequency(0), "0");
  EXPECT_EQ(FormatFileFrequency(-0.0), "0");
  EXPECT_EQ(FormatFileFrequency(160), "160");
  EXPECT_EQ(FormatFileFrequency(0.00001), "0.00001");
  // The accumulated table frequency differs from 163.575 in its 15th digit.
  EXPECT_EQ(FormatFileFrequency(MarineChannels()[119].CoastFreq), "163.575000000001");
}

TEST(DataFileRoundTrip, ReadingWhatWasWrittenReproducesEveryField) {
  TempDir dir;
  TestContext t;
  t.ws.image = test::ValidImage(1);
  t.ws.model = FullModel();
  ASSERT_EQ(SaveDataFile(t.ctx, dir / "full.dat"), Outcome::Done);
  const std::string text = test::ReadBytes(dir / "full.dat");
  EXPECT_NE(text.find("Priority CH0=65535\r\n"), std::string::npos);
  EXPECT_NE(text.find("Priority CH3=-1\r\n"), std::string::npos);
  EXPECT_NE(text.find("Duplex=3\r\n"), std::string::npos);
  EXPECT_NE(text.find("Rxfreq=156.08\r\n"), std::string::npos);

  TestContext r;
  r.ws.image = test::ValidImage(1);
  r.ws.documentPath = "old.dat";
  // The labels of groups 0, 1 and 3 come from the image, not from the file.
  r.ws.model.groups[0].label = "USA";
  r.ws.model.groups[1].label = "INT";
  r.ws.model.groups[3].label = "EXP";
  ASSERT_EQ(OpenDataFile(r.ctx, dir / "full.dat"), Outcome::Done);
  EXPECT_TRUE(r.prompter.boxes.empty());
  EXPECT_FALSE(r.ws.flags.TransferBusy);
  EXPECT_EQ(r.ws.documentPath, "");
  EXPECT_EQ(r.host.fileSettles, 1);
  SettingsModel expected = FullModel();
  expected.CHRG[0].rxFrequency = 156.08;
  EXPECT_EQ(r.ws.model, expected);
  EXPECT_EQ(DataFileText(r.ws.model, r.ws.caps, 1), text);

  // The same file after a text editor saved it as UTF-8 with a byte order mark and LF ends.
  std::string edited = "\xEF\xBB\xBF";
  for (const char c : text) {
    if (c != '\r') edited += c;
  }
  test::WriteBytes(dir / "edited.dat", edited);
  TestContext e;
  e.ws.image = test::ValidImage(1);
  e.ws.model = r.ws.model;
  e.ws.model.CHUSA.clear();
  ASSERT_EQ(OpenDataFile(e.ctx, dir / "edited.dat"), Outcome::Done);
  EXPECT_TRUE(e.prompter.boxes.empty());
  EXPECT_EQ(e.ws.model, r.ws.model);
}

TEST(DataFileParse, SectionTableRules) {
  const SectionTable table = ParseSectionTable(test::ReadBytes(DataFiles() / "sections.dat"));
  ASSERT_EQ(table.sections.size(), 4u);
  EXPECT_EQ(table.sections[0].name, "MAIN");
  // Values are not trimmed; a "#" is removed only as the very first character.
  EXPECT_EQ(table.value("main", "MODELTYPE"), " #1");
  EXPECT_EQ(table.value("Main", "region"), " 7 ");
  // A key absent from the first section of a name is found in a later one.
  EXPECT_EQ(table.value("MAIN", "LATER"), "x");
  // "[]" opens nothing, so its keys are skipped.
  EXPECT_EQ(table.value("", "ORPHAN"), "");
  EXPECT_EQ(table.value("ATIS SETUP", "Atis Code"), "");
  EXPECT_EQ(table.value("ATIS SETUP", "HASH"), "#5");
  EXPECT_EQ(table.value("NOPE", "X"), "");
  EXPECT_EQ(table.sections[3].name, "X");
}

TEST(DataFileParse, ReaderEdgeCases) {
  TestContext t;
  t.ws.image = test::ValidImage(1);
  t.ws.model = FullModel();
  const SettingsModel before = t.ws.model;
  ASSERT_EQ(OpenDataFile(t.ctx, DataFiles() / "edge.dat"), Outcome::Done);
  const SettingsModel& m = t.ws.model;
  ChannelGroups groups = before.groups;
  groups[0].usable = false;
  groups[3].usable = true;
  groups[1].priorityChannel = 2;  // 2.5 rounds to the even 2
  EXPECT_EQ(m.groups, groups);
  CommonSetup common = before.common;
  common.scan = false;
  common.resumeTime = 2;  // "abc" keeps the weather alert
  EXPECT_EQ(m.common, common);
  // The indented header ends CHUSA1 and its keys are skipped, so CHUSA ends after one record.
  ASSERT_EQ(m.CHUSA.size(), 1);
  EXPECT_EQ(m.CHUSA[0], (ChannelRecord{.position = 5, .enabled = true, .duplex = 2}));
  EXPECT_EQ(m.CHINT.size(), 2);
  EXPECT_TRUE(m.CHCAN.isEmpty());
  ASSERT_EQ(m.CHEXP.size(), 1);
  EXPECT_EQ(m.CHEXP[0], (ChannelRecord{.enabled = true, .rxFrequency = 156.5}));
  // "yes" is neither a number that rounds to 0 nor a boolean: a record whose Enable stays false.
  ASSERT_EQ(m.CHRG.size(), 1);
  EXPECT_FALSE(m.CHRG[0].enabled);
  ChannelList weather = DefaultWeatherList();
  weather[2].enabled = false;
  EXPECT_EQ(m.CHWX, weather);
  EXPECT_EQ(m.atis, (AtisSetup{{false, false, false, true}, "", before.atis.mode}));
}

TEST(DataFileParse, MinimalFileEmptiesListsAndKeepsTheRest) {
  TempDir dir;
  TestContext t;
  t.ws.image = test::ValidImage(1);
  t.ws.model = FullModel();
  const SettingsModel before = t.ws.model;
  test::WriteBytes(dir / "min.dat", kMainUk);
  ASSERT_EQ(OpenDataFile(t.ctx, dir / "min.dat"), Outcome::Done);
  const SettingsModel& m = t.ws.model;
  for (ListId id : {ListId::CHUSA, ListId::CHINT, ListId::CHCAN, ListId::CHRG, ListId::CHEXP}) {
    EXPECT_TRUE(m.list(id).isEmpty());
  }
  EXPECT_EQ(m.groups, before.groups);
  EXPECT_EQ(m.common, before.common);
  EXPECT_EQ(m.atis.mode, before.atis.mode);
  EXPECT_EQ(m.atis.code, "");
  EXPECT_EQ((m.atis.groups), (std::array<bool, 4>{}));
  EXPECT_EQ(m.CHWX, DefaultWeatherList());
  // Every list emptied: the user is told what the file lacks (the text: NotesAreShownInOneWarning).
  ASSERT_EQ(t.prompter.boxes.size(), 1u);
  EXPECT_NE(t.prompter.boxes[0].text.find("The file has no [Usable CH Group Setup]"),
            std::string::npos);

  // Without ATIS the section is ignored even when present.
  TestContext n;
  n.ws.image = test::ValidImage(1);
  n.ws.caps.AtisSupported = false;
  n.ws.model = FullModel();
  test::WriteBytes(dir / "atis.dat", std::string(kMainUk) + "[ATIS Setup]\r\nAtis Code=#99\r\n");
  ASSERT_EQ(OpenDataFile(n.ctx, dir / "atis.dat"), Outcome::Done);
  EXPECT_EQ(n.ws.model.atis, before.atis);
}

TEST(DataFileParse, TheReaderStopsAtItsLimits) {
  std::string text = "[MAIN]\r\nMODELTYPE=1\r\nREGION=255\r\n";
  for (int n = 1; n <= 97; ++n) text += "[CHUSA" + std::to_string(n) + "]\r\nPosition=16\r\n";
  for (int n = 1; n <= 31; ++n) text += "[CHEXP" + std::to_string(n) + "]\r\nEnable=1\r\n";
  for (int n = 1; n <= 13; ++n) text += "[CHRG" + std::to_string(n) + "]\r\nEnable=1\r\n";
  SettingsModel m;
  ReadDataFileSettings(ParseSectionTable(text), ModelCaps{}, m);
  EXPECT_EQ(m.CHUSA.size(), 96);
  EXPECT_EQ(m.CHEXP.size(), 30);
  EXPECT_EQ(m.CHRG.size(), 12);
}

// Hand-edited lines, each read over the full model: the value is taken or refused (the field
// keeps its value), and every line not taken as written is noted with its section, key or line
// number and what was done with it.
TEST(DataFileParse, HandEditedLinesAreTakenOrNoted) {
  using Check = std::function<void(const SettingsModel&)>;
  struct Case {
    std::string text;
    Check check;
    std::vector<std::string> notes;
  };
  const SettingsModel full = FullModel();
  const std::vector<Case> cases = {
      {"[CHUSA1]\nPosition=200\n",
       [](const SettingsModel& m) {
         ASSERT_EQ(m.CHUSA.size(), 1);
         EXPECT_EQ(m.CHUSA[0].position, 0);
       },
       {"[CHUSA1] Position=200 (line 2): not a channel position from 0 to 119; kept as 0."}},
      {"[CHUSA1]\nPosition=x\n[CHUSA2]\nPosition=119\n",
       [](const SettingsModel& m) {
         ASSERT_EQ(m.CHUSA.size(), 2);
         EXPECT_EQ(m.CHUSA[0].position, 0);
         EXPECT_EQ(m.CHUSA[1].position, 119);
       },
       {"[CHUSA1] Position=x (line 2): not a channel position from 0 to 119; kept as 0."}},
      {"[ATIS Setup]\nAtis Code=#12345A7890\n",
       [](const SettingsModel& m) { EXPECT_EQ(m.atis.code, ""); },
       {"[ATIS Setup] Atis Code=12345A7890 (line 2): not an ATIS code (empty or ten digits); "
        "read as no code, so none is programmed."}},
      {"[ATIS Setup]\nAtis Code=#123\n",
       [](const SettingsModel& m) { EXPECT_EQ(m.atis.code, ""); },
       {"[ATIS Setup] Atis Code=123 (line 2): not an ATIS code (empty or ten digits); read as "
        "no code, so none is programmed."}},
      {"[ATIS Setup]\nAtis Code=#9876543210\n",
       [](const SettingsModel& m) { EXPECT_EQ(m.atis.code, "9876543210"); },
       {}},
      {"[Usable CH Group Setup]\nPriority CH0=32768\nPriority CH2=0\nPriority CH3=31\n",
       [&full](const SettingsModel& m) { EXPECT_EQ(m.groups, full.groups); },
       {"[Usable CH Group Setup] Priority CH0=32768 (line 2): not a channel of CHUSA (1 to 96) "
        "nor none (-1 or 65535); kept as 65535.",
        "[Usable CH Group Setup] Priority CH2=0 (line 3): not a channel of CHCAN (1 to 96) nor "
        "none (-1 or 65535); kept as -1.",
        "[Usable CH Group Setup] Priority CH3=31 (line 4): not a channel of CHEXP (1 to 30) nor "
        "none (-1 or 65535); kept as -1."}},
      {"[Usable CH Group Setup]\nPriority CH0=96\nPriority CH1=-1\nPriority CH2=65535\n"
       "Priority CH3=0\n",
       [](const SettingsModel& m) {
         EXPECT_EQ(m.groups[0].priorityChannel, 96);
         EXPECT_EQ(m.groups[1].priorityChannel, -1);
         EXPECT_EQ(m.groups[2].priorityChannel, 65535);
         EXPECT_EQ(m.groups[3].priorityChannel, 0);
       },
       {}},
      {"[CHUSA1]\nPosition=5\n  [CHUSA2]\nPosition=6\n",
       [](const SettingsModel& m) { EXPECT_EQ(m.CHUSA.size(), 1); },
       {"line 3: skipped, not a section header (a header starts in the first column); it ends "
        "[CHUSA1], and the lines up to the next header are skipped.",
        "line 4: skipped, outside any section."}},
      {"[CHUSA1]\nPosition=5\n; see [CHUSA2]\nLowPower=1\n",
       [](const SettingsModel& m) {
         ASSERT_EQ(m.CHUSA.size(), 1);
         EXPECT_FALSE(m.CHUSA[0].lowPower);
       },
       {"line 3: skipped, not a section header; it ends [CHUSA1], and the lines up to the next "
        "header are skipped.",
        "line 4: skipped, outside any section."}},
      {"[Common Setup]\n; the scan stays off\n\nSCAN=0\nSCAN=1\n",
       [](const SettingsModel& m) { EXPECT_FALSE(m.common.scan); },
       {"line 2: skipped, not a key line.",
        "[Common Setup] SCAN=1 (line 5): the same key comes earlier; ignored."}},
      {"[Common Setup]\nSCAN=0\n[Common Setup]\nSCAN=1\n",
       [](const SettingsModel& m) { EXPECT_FALSE(m.common.scan); },
       {"[Common Setup] (line 3): a section of the same name comes first; its lines are "
        "ignored."}},
      {"[Common Setup]\nSCAN=maybe\nResume Time=256\n",
       [&full](const SettingsModel& m) { EXPECT_EQ(m.common, full.common); },
       {"[Common Setup] SCAN=maybe (line 2): not 0, 1, True or False; kept as 1.",
        "[Common Setup] Resume Time=256 (line 3): not a whole number from 0 to 255; kept as 4."}},
      {"[CHUSA1]\nPosition=5\nEnable=0\nPostion=6\n[CHUSA3]\nPosition=7\n",
       [](const SettingsModel& m) {
         ASSERT_EQ(m.CHUSA.size(), 1);
         EXPECT_TRUE(m.CHUSA[0].enabled);
       },
       {"[CHUSA1] Enable=0 (line 3): the records of CHUSA are always enabled; taken as 1.",
        "[CHUSA1] Postion=6 (line 4): not a key the program reads here; ignored.",
        "[CHUSA3] (line 5): the list CHUSA ends before it; its lines are ignored."}},
      {"[CHEXP1]\nEnable=1\nCHDisplayL=ABC\nRxfreq=250\n[CHEXP2]\nEnable=0\nRxfreq=156.5\n"
       "[CHWX10]\nEnable=0\n[CHWX11]\nEnable=0\n[Radio]\nColour=red\n",
       [](const SettingsModel& m) {
         ASSERT_EQ(m.CHEXP.size(), 1);
         EXPECT_EQ(m.CHEXP[0].displayLeft, "");
         EXPECT_EQ(m.CHEXP[0].rxFrequency, 0);
         EXPECT_EQ(m.CHWX.size(), WxChannelCount);
       },
       {"[CHEXP1] CHDisplayL=ABC (line 3): not a channel name the radio can show (two letters, "
        "digits or -+().*/,); kept empty.",
        "[CHEXP1] Rxfreq=250 (line 4): not 0 nor a frequency above 100 and below 200 MHz; kept "
        "as 0.",
        "[CHEXP2] (line 5): its Enable is 0, which ends the list CHEXP; its lines are ignored.",
        "[CHWX10] to [CHWX11] (lines 8 to 10): the list CHWX holds no more records; their "
        "lines are ignored.",
        "[Radio] (line 12): no such section; its lines are ignored."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    SettingsModel m = FullModel();
    const std::vector<ReadingNote> notes = ReadDataFileSettings(ParseSectionTable(c.text), {}, m);
    c.check(m);
    // What a fragment lacks of a whole file is another test's.
    std::vector<std::string> texts;
    for (const ReadingNote& note : notes) {
      if (note.line > 0) texts.push_back(note.text);
    }
    EXPECT_EQ(texts, c.notes);
  }
}

// Values that the radio's fields cannot hold are not convertible: the field keeps its value.
TEST(DataFileParse, ValuesTheImageCannotHoldAreNotConvertible) {
  SettingsModel m = FullModel();
  const SettingsModel before = m;
  const std::string text = test::ReadBytes(DataFiles() / "beyond-the-bytes.dat");
  const auto notes = ReadDataFileSettings(ParseSectionTable(text), ModelCaps{}, m);
  EXPECT_EQ(m.groups, before.groups);
  EXPECT_EQ(m.common, before.common);
  EXPECT_EQ(m.atis.mode, before.atis.mode);
  ASSERT_EQ(m.CHUSA.size(), 2);
  EXPECT_EQ(m.CHUSA[0], PlanRecord(0, 0, false, false, false));
  EXPECT_EQ(m.CHUSA[1].position, 119);
  EXPECT_EQ(m.CHUSA[1].duplex, 3);
  ASSERT_EQ(m.CHRG.size(), 4);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(m.CHRG[i].rxFrequency, 0) << i;
    EXPECT_EQ(m.CHRG[i].txFrequency, i == 1 ? 100.00006 : 0) << i;
  }
  EXPECT_EQ(m.CHRG[3].rxFrequency, 199.99994);
  // Each refused value is noted, on its line.
  std::vector<int> lines;
  for (const ReadingNote& note : notes) {
    if (note.line > 0) lines.push_back(note.line);  // a fragment lacks what a whole file has
  }
  EXPECT_EQ(lines,
            (std::vector<int>{2, 3, 4, 6, 7, 8, 9, 10, 12, 15, 16, 17, 18, 24, 25, 28, 32, 33}));
}

// The warning of an opened file lists its notes under the file's path, at most twenty.
TEST(DataFileParse, NotesAreShownInOneWarning) {
  TempDir dir;
  TestContext t;
  t.ws.image = test::ValidImage(1);
  std::string text = std::string(kMainUk) + "[CHUSA1]\r\nPosition=1\r\n";
  for (int i = 0; i < 22; ++i) text += "Junk" + std::to_string(i) + "=1\r\n";
  test::WriteBytes(dir / "junk.dat", text);
  ASSERT_EQ(OpenDataFile(t.ctx, dir / "junk.dat"), Outcome::Done);
  ASSERT_EQ(t.prompter.boxes.size(), 1u);
  const auto& box = t.prompter.boxes[0];
  EXPECT_EQ(box.icon, Icon::Exclamation);
  EXPECT_EQ(box.title, "PC Program for QZ815");
  std::string expected = (dir / "junk.dat").string() +
                         " was opened, but not everything in it was taken as written. Check "
                         "these settings before you program the radio:";
  // What the file lacks of a whole one comes first.
  expected +=
      "\r\nThe file has no [Usable CH Group Setup], [Common Setup], [ATIS Setup] and [CHWX0] "
      "to [CHWX9], which every data file holds: it may have been cut short, and those settings "
      "were not read from it.\r\nThe file ends inside [CHUSA1] (line 4), before its ScanMemory "
      "line: it may have been cut short.";
  for (int i = 0; i < 18; ++i) {
    expected += "\r\n[CHUSA1] Junk" + std::to_string(i) + "=1 (line " + std::to_string(i + 6) +
                "): not a key the program reads here; ignored.";
  }
  EXPECT_EQ(box.text, expected + "\r\n... and 4 more.");
  ASSERT_EQ(t.ws.model.CHUSA.size(), 1);
}

// A refused file changes nothing at all: settings, weather list, image, document path.
TEST(DataFileRefusal, ModelAndRegionChecksComeFirst) {
  TempDir dir;
  struct Case {
    std::string text;
    std::uint8_t region;
    std::string box;  // the first line, then the path and what was found
    std::string title;
  };
  const std::string path = (dir / "bad.dat").string();
  const std::string noModel =
      "ModelType Error !!\r\n" + path +
      ": it has no MODELTYPE in [MAIN], so it is no channel data file; a data file of the "
      "QZ815 has MODELTYPE=1.";
  const auto mixed = [](const std::string& region) {
    return ", and the USA region is never mixed with another. Choose the region " + region +
           " first (the Region menu, or --destination " + region +
           " on the command line), then open the file again.";
  };
  const std::vector<Case> cases = {
      {"[CHUSA1]\r\nPosition=1\r\n", 1, noModel, "PC Program for QZ815"},
      {"[MAIN]\r\nREGION=1\r\n", 1, noModel, "PC Program for QZ815"},
      {"[MAIN]\r\nMODELTYPE=2\r\nREGION=1\r\n", 1,
       "ModelType Error !!\r\n" + path +
           ": it has MODELTYPE=2 in [MAIN]; a data file of the QZ815 has MODELTYPE=1.",
       "PC Program for QZ815"},
      {"[MAIN]\r\nMODELTYPE=one\r\n", 1,
       "ModelType Error !!\r\n" + path +
           ": it has MODELTYPE=one in [MAIN]; a data file of the QZ815 has MODELTYPE=1.",
       "PC Program for QZ815"},
      {"[MAIN]\r\nMODELTYPE=1\r\nREGION=7\r\n", 1,
       "Region Unmatched !!\r\n" + path +
           ": the file is for the region USA and the data set for UK" + mixed("USA"),
       "Read Binary Data"},
      {"[MAIN]\r\nMODELTYPE=1\r\nREGION=2\r\n", 0xFF,
       "Region Unmatched !!\r\n" + path +
           ": the file is for the region BE and the data set for USA" + mixed("BE"),
       "Read Binary Data"},
  };
  for (const Case& c : cases) {
    TestContext t;
    t.ws.image = test::ValidImage(c.region);
    t.ws.model = FullModel();
    t.ws.model.CHWX[0].enabled = false;
    t.ws.documentPath = "kept.dat";
    const MemoryImage image = t.ws.image;
    test::WriteBytes(dir / "bad.dat", c.text + "[Common Setup]\r\nSCAN=0\r\n");
    EXPECT_EQ(OpenDataFile(t.ctx, dir / "bad.dat"), Outcome::Failed) << c.text;
    ASSERT_EQ(t.prompter.boxes.size(), 1u);
    EXPECT_EQ(t.prompter.boxes[0].text, c.box);
    EXPECT_EQ(t.prompter.boxes[0].title, c.title);
    EXPECT_EQ(t.prompter.boxes[0].icon, Icon::Critical);
    EXPECT_FALSE(t.ws.flags.TransferBusy);
    SettingsModel expected = FullModel();
    expected.CHWX[0].enabled = false;
    EXPECT_EQ(t.ws.model, expected);
    EXPECT_EQ(t.ws.image, image);
    EXPECT_EQ(t.ws.documentPath, "kept.dat");
  }

  // Files that are no data file to read at all: "FileRead Error!!", which file and why;
  // nothing of a file larger than any data file is read; the system's failures are logged.
  {
    std::ofstream large(dir / "large.dat", std::ios::binary);
    large << "[MAIN]\r\nMODELTYPE=1\r\n";
  }
  std::filesystem::resize_file(dir / "large.dat", 3'000'000'000ULL);  // sparse: nothing written
  std::filesystem::create_directory(dir / "folder.dat");
  const std::string utf16 = std::string("[\0M\0A\0I\0N\0]\0", 12);
  test::WriteBytes(dir / "utf16.dat", "\xFF\xFE" + utf16);
  test::WriteBytes(dir / "utf16-plain.dat", utf16);
  const std::string savedAsUtf16 =
      ": it is saved as UTF-16 text, which is no channel data file. Save it as plain text (ANSI "
      "or UTF-8) in your editor, then open it again.";
  const struct {
    std::string name;
    std::string finding;
    std::optional<std::errc> logged;
  } unreadable[] = {
      {"none.dat", ": the file does not exist. Check its name and folder.",
       std::errc::no_such_file_or_directory},
      {"large.dat",
       ": it holds 3000000000 bytes, more than any channel data file (at most 1048576), so it "
       "is no channel data file.",
       std::nullopt},
      {"folder.dat", ": it is a folder, not a file. Give the name of a file.",
       std::errc::is_a_directory},
      {"utf16.dat", savedAsUtf16, std::nullopt},
      {"utf16-plain.dat", savedAsUtf16, std::nullopt},
  };
  for (const auto& c : unreadable) {
    TestContext t;
    t.ws.model = FullModel();
    t.ws.documentPath = "kept.dat";
    EXPECT_EQ(OpenDataFile(t.ctx, dir / c.name), Outcome::Failed) << c.name;
    EXPECT_EQ(t.prompter.texts(), std::vector<std::string>{"FileRead Error!!\r\n" +
                                                           (dir / c.name).string() + c.finding});
    ASSERT_EQ(t.prompter.boxes.size(), 1u);
    EXPECT_EQ(t.prompter.boxes[0].icon, Icon::Exclamation);
    EXPECT_EQ(t.prompter.boxes[0].title, "PC Program for QZ815");
    const std::vector<std::string> logged =
        c.logged ? std::vector<std::string>{"frmMain.FileRead2 -> " +
                                            NumberedDescription(std::make_error_code(*c.logged))}
                 : std::vector<std::string>{};
    EXPECT_EQ(t.diagnostics.errors, logged) << c.name;
    EXPECT_FALSE(t.ws.flags.TransferBusy);
    EXPECT_EQ(t.ws.model, FullModel());
    EXPECT_EQ(t.ws.documentPath, "kept.dat");
  }
}

TEST(DataFileRefusal, TheRegionQuestion) {
  TempDir dir;
  SettingsModel belgian = FullModel();
  belgian.CHUSA.clear();
  belgian.CHUSA.append(PlanRecord(9, 0, false, false, false));
  test::WriteBytes(dir / "be.dat", DataFileText(belgian, ModelCaps{}, 2));
  for (Answer answer : {Answer::No, Answer::Yes}) {
    TestContext t;
    t.ws.image = test::ValidImage(1);
    t.ws.model = FullModel();
    t.prompter.plan(answer);
    EXPECT_EQ(OpenDataFile(t.ctx, dir / "be.dat"),
              answer == Answer::Yes ? Outcome::Done : Outcome::Cancelled);
    ASSERT_EQ(t.prompter.boxes.size(), 1u);
    EXPECT_TRUE(t.prompter.boxes[0].question);
    EXPECT_EQ(t.prompter.boxes[0].text, RegionQuestion);
    EXPECT_EQ(t.ws.image.at(addr::RegionCode), answer == Answer::Yes ? 2 : 1);
    EXPECT_EQ(t.ws.model.groups[2].label, answer == Answer::Yes ? "BE" : "UK");
    EXPECT_EQ(t.ws.model.CHUSA.size(), answer == Answer::Yes ? 1 : 2);
  }

  // A file of an unknown region over a USA image is taken without a question.
  TestContext usa;
  usa.ws.image = test::ValidImage(0xFF);
  test::WriteBytes(dir / "seven.dat", "[MAIN]\r\nMODELTYPE=#1\r\nREGION=7\r\n");
  EXPECT_EQ(OpenDataFile(usa.ctx, dir / "seven.dat"), Outcome::Done);
  ASSERT_EQ(usa.prompter.boxes.size(), 1u);  // what the short file lacks, and no question
  EXPECT_FALSE(usa.prompter.boxes[0].question);
  EXPECT_EQ(usa.ws.image.at(addr::RegionCode), 0xFF);
  EXPECT_EQ(usa.ws.model.groups[2].label, "CAN");
}

TEST(DataFileSave, AFailedSaveIsReportedAndLogged) {
  TempDir dir;
  TestContext t;
  const std::filesystem::path missing = dir / "missing-folder";
  EXPECT_EQ(SaveDataFile(t.ctx, missing / "x.dat"), Outcome::Failed);
  ASSERT_EQ(
      t.prompter.texts(),
      std::vector<std::string>{"FileSave Error!!\r\n" + (missing / "x.dat").string() +
                               ": the folder " + missing.string() +
                               " does not exist. Create it, or give a path in another folder."});
  EXPECT_EQ(t.prompter.boxes[0].icon, Icon::Exclamation);
  ASSERT_EQ(t.diagnostics.errors.size(), 1u);
  EXPECT_EQ(t.diagnostics.errors[0].rfind("frmMain.SaveFileAs -> ", 0), 0u);
}

}  // namespace
}  // namespace tpw
