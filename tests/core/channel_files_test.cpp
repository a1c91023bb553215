// The files of a data set's channels: the channel data file, opened and saved whole, and the
// CSV table of channels, exported and imported list by list.
#include "files/channel_csv.h"
#include "files/data_file.h"
#include "files/data_file_reader.h"
#include "files/field_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <sstream>

#include "editor/list_arrangement.h"
#include "files/atomic_file.h"
#include "files/section_table.h"
#include "image/channel_tables.h"
#include "image/memory_map.h"
#include "sample_records.h"
#include "session/region_question.h"
#include "shell/channel_table_file.h"
#include "shipped_workspace.h"
#include "support/test_support.h"

namespace tpw {
namespace {

using test::TempDir;
using test::TestContext;

using test::Encoded;
using test::FreeRecord;
using test::PlanRecord;

// A channel list of the records, in order.
ChannelList ListOf(std::initializer_list<ChannelRecord> records) {
  ChannelList list;
  for (const ChannelRecord& r : records) list.append(r);
  return list;
}

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
  ChannelRecord reverse = PlanRecord(78, 3, true, true, true, true);
  reverse.statusNo = 1;
  reverse.statusIcon = 2;
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
  exp.txEnabled = exp.lowPower = exp.scanMemory = true;
  exp.inUsaGroup = exp.inRegionGroup = true;
  m.CHEXP.append(exp);
  return m;
}

// A file that tests read as it is, line numbers and line ends included.
std::filesystem::path TestFile(const std::string& name) {
  return std::filesystem::path(TPW52_TEST_DATA) / name;
}

// A workspace over a valid image of a region that holds the full model, as files are opened.
struct OverFullModel : TestContext {
  explicit OverFullModel(std::uint8_t region = 1) {
    ws.image = test::ValidImage(region);
    ws.model = FullModel();
  }
};

constexpr const char* kMainUk = "[MAIN]\r\nMODELTYPE=1\r\nREGION=1\r\n";

TEST(DataFileWriter, WritesTheExactTextFormWithFrequenciesInTheirShortestForm) {
  SettingsModel m;
  m.groups[0] = {true, 1, "USA"};
  m.groups[3] = {false, 65535, "EXP"};
  m.common.resumeTime = 3;
  m.atis.code = "12";
  m.CHUSA.append(PlanRecord(16, 0, true, false, false));
  m.CHWX.append(DefaultWeatherList()[0]);
  ChannelRecord e1 = FreeRecord("E1", 156.8, 0);
  e1.displayRight = "R";
  e1.txEnabled = e1.inIntGroup = true;
  m.CHEXP.append(e1);
  const std::string text = DataFileText(m, ModelCaps{}, 0xFF);
  // The whole form, byte for byte, as every other program that reads these files expects it.
  EXPECT_EQ(text, test::ReadBytes(TestFile("written.dat")));

  const ModelCaps bare = test::Caps(false, false);
  const std::string plain = DataFileText(m, bare, 3);
  EXPECT_NE(plain.find("REGION=3\r\n"), std::string::npos);
  EXPECT_EQ(plain.find("[ATIS Setup]"), std::string::npos);
  EXPECT_EQ(plain.find("[CHWX0]"), std::string::npos);
  EXPECT_EQ(DataFileText(m, bare, 9).find("REGION=255\r\n"), plain.find("REGION=3\r\n"));

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
  OverFullModel t;
  ASSERT_EQ(SaveDataFile(t.ctx, dir / "full.dat"), Outcome::Done);
  const std::string text = test::ReadBytes(dir / "full.dat");
  for (const char* line :
       {"Priority CH0=65535\r\n", "Priority CH3=-1\r\n", "Duplex=3\r\n", "Rxfreq=156.08\r\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line;

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
  std::string edited = "\xEF\xBB\xBF" + text;
  std::erase(edited, '\r');
  test::WriteBytes(dir / "edited.dat", edited);
  OverFullModel e;
  e.ws.model.CHUSA.clear();
  ASSERT_EQ(OpenDataFile(e.ctx, dir / "edited.dat"), Outcome::Done);
  EXPECT_TRUE(e.prompter.boxes.empty());
  EXPECT_EQ(e.ws.model, r.ws.model);
}

TEST(DataFileParse, SectionTableRules) {
  const auto table = ParseSectionTable(test::ReadBytes(TestFile("data-files/sections.dat")));
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
  OverFullModel t;
  const SettingsModel before = t.ws.model;
  ASSERT_EQ(OpenDataFile(t.ctx, TestFile("data-files/edge.dat")), Outcome::Done);
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
  EXPECT_EQ(m.CHUSA, ListOf({{.position = 5, .enabled = true, .duplex = 2}}));
  EXPECT_EQ(m.CHINT.size(), 2);
  EXPECT_TRUE(m.CHCAN.isEmpty());
  EXPECT_EQ(m.CHEXP, ListOf({{.enabled = true, .rxFrequency = 156.5}}));
  // "yes" is neither a number that rounds to 0 nor a boolean: a record whose Enable stays false.
  EXPECT_EQ(m.CHRG, ListOf({{}}));
  ChannelList weather = DefaultWeatherList();
  weather[2].enabled = false;
  EXPECT_EQ(m.CHWX, weather);
  EXPECT_EQ(m.atis, (AtisSetup{{false, false, false, true}, "", before.atis.mode}));
}

TEST(DataFileParse, MinimalFileEmptiesListsAndKeepsTheRest) {
  TempDir dir;
  OverFullModel t;
  const SettingsModel before = t.ws.model;
  test::WriteBytes(dir / "min.dat", kMainUk);
  ASSERT_EQ(OpenDataFile(t.ctx, dir / "min.dat"), Outcome::Done);
  const SettingsModel& m = t.ws.model;
  for (ListId id : {ListId::CHUSA, ListId::CHINT, ListId::CHCAN, ListId::CHRG, ListId::CHEXP})
    EXPECT_TRUE(m.list(id).isEmpty());
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
  OverFullModel n;
  n.ws.caps.AtisSupported = false;
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

// The fragments of a file of cases, by name: each case is a line "== " and its name, the lines
// of the fragment, a line "--" and the lines expected; the lines before the first case say what
// the file holds, and empty lines end the lines expected.
struct Fragment {
  std::string text;
  std::vector<std::string> expected;
};
std::map<std::string, Fragment> ReadFragments(const std::string& name) {
  std::map<std::string, Fragment> fragments;
  std::istringstream in(test::ReadBytes(TestFile(name)));
  Fragment* fragment = nullptr;
  bool expected = false;
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("== ")) {
      fragment = &fragments[line.substr(3)];
      expected = false;
    } else if (line == "--") {
      expected = true;
    } else if (fragment && !expected) {
      fragment->text += line + "\n";
    } else if (fragment && !line.empty()) {
      fragment->expected.push_back(line);
    }
  }
  return fragments;
}

// Hand-edited lines, each read over the full model, with the notes of their lines: the cases
// are in hand-edited-lines.txt, what each leaves in the model is checked here.
TEST(DataFileParse, HandEditedLinesAreTakenOrNoted) {
  const std::map<std::string, std::function<void(const SettingsModel&)>> checks = {
      {"a position beyond the channel table",
       [](auto& m) { EXPECT_EQ(m.CHUSA, ListOf({PlanRecord(0, 0, false, false, false)})); }},
      {"a position that is no number, and the highest one",
       [](auto& m) {
         EXPECT_EQ(m.CHUSA, ListOf({PlanRecord(0, 0, false, false, false),
                                    PlanRecord(119, 0, false, false, false)}));
       }},
      {"an ATIS code with a letter", [](auto& m) { EXPECT_EQ(m.atis.code, ""); }},
      {"an ATIS code too short", [](auto& m) { EXPECT_EQ(m.atis.code, ""); }},
      {"an ATIS code of ten digits", [](auto& m) { EXPECT_EQ(m.atis.code, "9876543210"); }},
      {"priority channels beyond their lists",
       [](auto& m) { EXPECT_EQ(m.groups, FullModel().groups); }},
      {"priority channels at the ends of what they may be",
       [](auto& m) {
         for (int g = 0; g < GroupCount; ++g)
           EXPECT_EQ(m.groups[g].priorityChannel, (std::array{96, -1, 65535, 0})[g]) << g;
       }},
      {"an indented section header", [](auto& m) { EXPECT_EQ(m.CHUSA.size(), 1); }},
      {"a section header in a comment",
       [](auto& m) { EXPECT_EQ(m.CHUSA, ListOf({PlanRecord(5, 0, false, false, false)})); }},
      {"a comment, an empty line and a key given twice",
       [](auto& m) { EXPECT_FALSE(m.common.scan); }},
      {"a section given twice", [](auto& m) { EXPECT_FALSE(m.common.scan); }},
      {"values that are none of their keys",
       [](auto& m) { EXPECT_EQ(m.common, FullModel().common); }},
      {"a USA record not enabled, a misspelt key and a record after a gap",
       [](auto& m) { EXPECT_EQ(m.CHUSA, ListOf({PlanRecord(5, 0, false, false, false)})); }},
      {"refused values, the ends of two lists and an unknown section",
       [](auto& m) {
         EXPECT_EQ(m.CHEXP, ListOf({{.enabled = true}}));
         EXPECT_EQ(m.CHWX.size(), WxChannelCount);
       }},
  };
  const std::map<std::string, Fragment> fragments =
      ReadFragments("data-files/hand-edited-lines.txt");
  ASSERT_EQ(fragments.size(), checks.size());
  for (const auto& [name, check] : checks) {
    SCOPED_TRACE(name);
    const Fragment& fragment = fragments.at(name);
    SettingsModel m = FullModel();
    std::vector<std::string> notes;
    for (const ReadingNote& note : ReadDataFileSettings(ParseSectionTable(fragment.text), {}, m))
      if (note.line > 0) notes.push_back(note.text);
    check(m);
    EXPECT_EQ(notes, fragment.expected);
  }
}

// Values that the radio's fields cannot hold are not convertible: the field keeps its value.
TEST(DataFileParse, ValuesTheImageCannotHoldAreNotConvertible) {
  SettingsModel m = FullModel();
  const SettingsModel before = m;
  const std::string text = test::ReadBytes(TestFile("data-files/beyond-the-bytes.dat"));
  const auto notes = ReadDataFileSettings(ParseSectionTable(text), ModelCaps{}, m);
  EXPECT_EQ(m.groups, before.groups);
  EXPECT_EQ(m.common, before.common);
  EXPECT_EQ(m.atis.mode, before.atis.mode);
  EXPECT_EQ(m.CHUSA, ListOf({PlanRecord(0, 0, false, false, false),
                             PlanRecord(119, 3, false, false, false)}));
  EXPECT_EQ(m.CHRG, ListOf({{.enabled = true},
                            {.enabled = true, .txFrequency = 100.00006},
                            {.enabled = true},
                            {.enabled = true, .rxFrequency = 199.99994}}));
  // Each refused value is noted, on its line.
  std::vector<int> lines;
  for (const ReadingNote& note : notes)
    if (note.line > 0) lines.push_back(note.line);  // a fragment lacks what a whole file has
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
  // What the file lacks of a whole one comes first, then the notes of its lines.
  EXPECT_EQ(box.text, (dir / "junk.dat").string() +
                          test::ReadBytes(TestFile("data-files/opened-with-notes.txt")));
  ASSERT_EQ(t.ws.model.CHUSA.size(), 1);
}

// A refused file changes nothing at all: settings, weather list, image, document path. Its box
// names the file and what was found in it; the system's failures to read it are logged.
TEST(DataFileRefusal, ModelAndRegionChecksComeFirst) {
  TempDir dir;
  struct Box {
    std::string heading, title;
    Icon icon;
  };
  const Box modelType{"ModelType Error !!", "PC Program for QZ815", Icon::Critical};
  const Box regionUnmatched{"Region Unmatched !!", "Read Binary Data", Icon::Critical};
  // No data file to read at all; nothing is read of one larger than any data file.
  const Box fileRead{"FileRead Error!!", "PC Program for QZ815", Icon::Exclamation};
  struct Case {
    std::string name;
    std::string text;  // its sections before a [Common Setup]; none: the file is made below
    std::uint8_t region;
    Box box;
    std::string finding;
    std::optional<std::errc> logged;
  };
  const std::string noModel =
      ": it has no MODELTYPE in [MAIN], so it is no channel data file; a data file of the "
      "QZ815 has MODELTYPE=1.";
  const auto mixed = [](const std::string& region) {
    return ", and the USA region is never mixed with another. Choose the region " + region +
           " first (the Region menu, or --destination " + region +
           " on the command line), then open the file again.";
  };
  const std::string savedAsUtf16 =
      ": it is saved as UTF-16 text, which is no channel data file. Save it as plain text (ANSI "
      "or UTF-8) in your editor, then open it again.";
  const std::vector<Case> cases = {
      {"no-main.dat", "[CHUSA1]\r\nPosition=1\r\n", 1, modelType, noModel},
      {"no-model.dat", "[MAIN]\r\nREGION=1\r\n", 1, modelType, noModel},
      {"model-2.dat", "[MAIN]\r\nMODELTYPE=2\r\nREGION=1\r\n", 1, modelType,
       ": it has MODELTYPE=2 in [MAIN]; a data file of the QZ815 has MODELTYPE=1."},
      {"model-one.dat", "[MAIN]\r\nMODELTYPE=one\r\n", 1, modelType,
       ": it has MODELTYPE=one in [MAIN]; a data file of the QZ815 has MODELTYPE=1."},
      {"usa.dat", "[MAIN]\r\nMODELTYPE=1\r\nREGION=7\r\n", 1, regionUnmatched,
       ": the file is for the region USA and the data set for UK" + mixed("USA")},
      {"be.dat", "[MAIN]\r\nMODELTYPE=1\r\nREGION=2\r\n", 0xFF, regionUnmatched,
       ": the file is for the region BE and the data set for USA" + mixed("BE")},
      {"none.dat", "", 1, fileRead, ": the file does not exist. Check its name and folder.",
       std::errc::no_such_file_or_directory},
      {"large.dat", "", 1, fileRead,
       ": it holds 3000000000 bytes, more than any channel data file (at most 1048576), so it "
       "is no channel data file."},
      {"folder.dat", "", 1, fileRead, ": it is a folder, not a file. Give the name of a file.",
       std::errc::is_a_directory},
      {"utf16.dat", "", 1, fileRead, savedAsUtf16},
      {"utf16-plain.dat", "", 1, fileRead, savedAsUtf16},
  };
  test::WriteBytes(dir / "large.dat", "[MAIN]\r\nMODELTYPE=1\r\n");
  std::filesystem::resize_file(dir / "large.dat", 3'000'000'000ULL);  // sparse: nothing written
  std::filesystem::create_directory(dir / "folder.dat");
  const std::string utf16 = std::string("[\0M\0A\0I\0N\0]\0", 12);
  test::WriteBytes(dir / "utf16.dat", "\xFF\xFE" + utf16);
  test::WriteBytes(dir / "utf16-plain.dat", utf16);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (!c.text.empty()) test::WriteBytes(dir / c.name, c.text + "[Common Setup]\r\nSCAN=0\r\n");
    OverFullModel t(c.region);
    t.ws.model.CHWX[0].enabled = false;
    t.ws.documentPath = "kept.dat";
    const Workspace before = t.ws;
    EXPECT_EQ(OpenDataFile(t.ctx, dir / c.name), Outcome::Failed);
    ASSERT_EQ(t.prompter.texts(), std::vector<std::string>{c.box.heading + "\r\n" +
                                                           (dir / c.name).string() + c.finding});
    EXPECT_EQ(t.prompter.boxes[0].title, c.box.title);
    EXPECT_EQ(t.prompter.boxes[0].icon, c.box.icon);
    std::vector<std::string> logged;
    if (c.logged) {
      logged.push_back("frmMain.FileRead2 -> " +
                       NumberedDescription(std::make_error_code(*c.logged)));
    }
    EXPECT_EQ(t.diagnostics.errors, logged);
    EXPECT_FALSE(t.ws.flags.TransferBusy);
    EXPECT_EQ(t.ws.model, before.model);
    EXPECT_EQ(t.ws.image, before.image);
    EXPECT_EQ(t.ws.documentPath, "kept.dat");
  }
}

TEST(DataFileRefusal, TheRegionQuestion) {
  TempDir dir;
  SettingsModel belgian = FullModel();
  belgian.CHUSA = ListOf({PlanRecord(9, 0, false, false, false)});
  test::WriteBytes(dir / "be.dat", DataFileText(belgian, ModelCaps{}, 2));
  for (Answer answer : {Answer::No, Answer::Yes}) {
    OverFullModel t;
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

// Exported and imported over a data set whose lists were changed, every shipped destination
// comes back byte for byte, in one step that Undo takes back.
TEST(ChannelCsv, ExportThenImportOfEveryShippedDestinationGivesTheSameImage) {
  const std::vector<std::string> destinations = test::ShippedDestinations();
  ASSERT_EQ(destinations.size(), 7u);
  for (const std::string& name : destinations) {
    SCOPED_TRACE(name);
    TempDir dir;
    TestContext t;
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
  const std::string text = test::ReadBytes(TestFile("hand-written.csv"));
  const ChannelCsvRead read = ReadChannelsCsv(text, ModelCaps{});
  ASSERT_FALSE(read.fault) << *read.fault;
  EXPECT_TRUE(read.refused.empty());
  std::map<ListId, ChannelList> lists = ListsOfRows(read.channels);
  ChannelRecord second = FreeRecord("A ", 157.1, 157.1);
  second.txEnabled = false;
  second.scanMemory = true;
  ASSERT_EQ(lists.size(), 3u);
  EXPECT_EQ(lists[ListId::CHUSA], ListOf({PlanRecord(16, 0, true, false, false, true)}));
  EXPECT_EQ(lists[ListId::CHINT], ListOf({PlanRecord(6, 0, true, false, false)}));
  EXPECT_EQ(lists[ListId::CHRG], ListOf({FreeRecord("AB", 156.8, 156.8), second}));
  EXPECT_EQ(read.channels[2].line, 5);
}

// Every refusal names its line and why; a table that is none says so, and nothing changes
// unless the user agrees to import the good rows.
TEST(ChannelCsv, EveryRefusedRowIsListedWithItsLineAndNothingChangesUnlessAgreed) {
  // Seven faulty rows, then thirteen good RG channels for twelve slots.
  const std::filesystem::path csv = TestFile("refused-rows.csv");
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

  TempDir dir;
  TestContext t;
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

  const std::pair<std::string, std::string> faults[] = {
      {"List,Colour\r\nCHUSA,red\r\n", "line 1: the column \"Colour\" is no field of a channel"},
      {"Position\r\n16\r\n", "line 1: there is no column \"List\""},
      {"List,Position,position\r\nCHUSA,1,2\r\n", "the column \"position\" comes twice"},
      {"List,CHDisplayL\r\nCHRG,\"AB\r\n", "line 2: a quoted field is not closed"},
      {"List,Position\r\n", "it holds a heading line but no channel under it"},
  };
  for (const auto& [text, finding] : faults) {
    test::WriteBytes(dir / "bad.csv", text);
    t.prompter.boxes.clear();
    EXPECT_EQ(ImportChannelsFile(t.ctx, dir / "bad.csv"), Outcome::Failed);
    ASSERT_EQ(t.prompter.boxes.size(), 1u);
    EXPECT_NE(t.prompter.boxes[0].text.find(finding), std::string::npos)
        << t.prompter.boxes[0].text;
    EXPECT_TRUE(t.prompter.boxes[0].text.starts_with("The channels were not imported.\r\n"));
  }
}

}  // namespace
}  // namespace tpw
