// The destinations of the Region menu, and the data shipped beside the programs: "global.ini"
// and the seven destination templates.
#include "shell/destinations.h"

#include <gtest/gtest.h>

#include "files/data_file.h"
#include "files/data_file_reader.h"
#include "files/hex_image_file.h"
#include "files/section_table.h"
#include "image/channel_tables.h"
#include "image/display_text.h"
#include "image/image_codec.h"
#include "image/memory_map.h"
#include "shell/model_definition.h"
#include "shipped_workspace.h"
#include "support/test_support.h"

namespace tpw::test {
namespace {

// A template whose CHUSA list holds `channels` records, so tests can tell templates apart.
void WriteTemplate(const TempDir& dir, const std::string& file, std::uint8_t region, int channels) {
  MemoryImage image = ValidImage(region);
  for (int k = 0; k < channels; ++k) {
    image.set(0x100 + k / 8, static_cast<std::uint8_t>(image.at(0x100 + k / 8) | 0x80 >> (k % 8)));
    image.set(0x300 + 2 * k, 16);
    image.set(0x301 + 2 * k, 0x30);
  }
  for (int k = channels; k < 96; ++k)
    image.set(0x100 + k / 8, image.at(0x100 + k / 8) & ~(0x80 >> (k % 8)));
  WriteBytes(dir / file, ImageAsString(image));
}

TEST(Destinations, NamesPathsAndRegions) {
  EXPECT_EQ(VersionSuffix(1), "_012D");
  EXPECT_EQ(VersionSuffix(2), "");
  TempDir dir;
  const char* files[] = {"qz815_usa_012d.ini", "QZ815_INTL_012D.INI", "QZ815_UK_012D.ini",
                         "_012D.ini",          "QZ815_BE_012D.txt",   "global.ini"};
  for (const char* file : files) WriteBytes(dir / file, "x");
  std::filesystem::create_directory(dir / "QZ815_DIR_012D.ini");
  EXPECT_EQ(ListDestinationNames(dir.path(), 1),
            (std::vector<std::string>{"QZ815_INTL", "QZ815_UK", "QZ815_USA"}));
  EXPECT_EQ(DestinationPath(dir.path(), "qz815_usa-m", 1), dir / "QZ815_USA_012D.ini");
  EXPECT_EQ(DestinationPath(dir.path(), "X", 2), dir / "X.ini");

  const std::vector<std::string> captions = {"QZ815_BE", "qz815_uk", "QZ815_USA", "UK"};
  for (auto [region, index] : {std::pair{1, 1}, {0xFF, 2}, {9, 2}, {2, 0}, {5, -1}}) {
    EXPECT_EQ(DestinationForRegion(captions, region), index) << region;
  }
  EXPECT_EQ(DestinationQuestion("QZ815_UK"), "Do you want to change to QZ815_UK?");

  // At most nine, sorted without regard to case.
  TempDir many;
  for (char c = 'a'; c <= 'j'; ++c) {
    WriteBytes(many / (std::string(1, c) + (c % 2 ? "_X_012D.ini" : "_x_012D.ini")), "x");
  }
  const auto names = ListDestinationNames(many.path(), 1);
  ASSERT_EQ(names.size(), 9u);
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
  for (const std::string& name : names) EXPECT_EQ(name.substr(1), "_X");
}

TEST(Destinations, BuildLoadsTheRememberedOrTheFirst) {
  TempDir dir;
  WriteTemplate(dir, "QZ815_UK_012D.ini", 1, 2);
  WriteTemplate(dir, "QZ815_USA_012D.ini", 0xFF, 3);
  WriteTemplate(dir, "QZ815_INTL_012D.ini", 0, 1);

  // Nothing remembered: the first in alphabetical order, which becomes the remembered one.
  TestContext t;
  MemorySettingsStore store;
  DestinationMenu menu(dir.path());
  menu.build(t.ctx, store);
  EXPECT_TRUE(menu.enabled());
  EXPECT_EQ(menu.captions(), (std::vector<std::string>{"QZ815_INTL", "QZ815_UK", "QZ815_USA"}));
  EXPECT_EQ(menu.checked(), 0);
  EXPECT_EQ(store.read("IniFilePath", "IniFileName_1", ""), "QZ815_INTL");
  EXPECT_EQ(t.ws.model.CHUSA.size(), 1);
  EXPECT_TRUE(t.prompter.boxes.empty());

  // A remembered caption is loaded.
  store.write("IniFilePath", "IniFileName_1", "QZ815_USA");
  TestContext u;
  menu.build(u.ctx, store);
  EXPECT_EQ(menu.checked(), 2);
  EXPECT_EQ(u.ws.model.CHUSA.size(), 3);

  // A remembered caption without a file falls back to the first.
  store.write("IniFilePath", "IniFileName_1", "QZ815_GONE");
  TestContext g;
  menu.build(g.ctx, store);
  EXPECT_EQ(menu.checked(), 0);
  EXPECT_EQ(store.read("IniFilePath", "IniFileName_1", ""), "QZ815_INTL");

  // No destination at all: the default image stays.
  TempDir empty;
  DestinationMenu none(empty.path());
  TestContext n;
  const MemoryImage before = n.ws.image;
  none.build(n.ctx, store);
  EXPECT_TRUE(none.captions().empty());
  EXPECT_EQ(none.checked(), -1);
  EXPECT_EQ(n.ws.image, before);
}

TEST(Destinations, ABadTemplateChangesNothingAndRestoresTheCheck) {
  TempDir dir;
  WriteTemplate(dir, "QZ815_UK_012D.ini", 1, 2);
  WriteBytes(dir / "QZ815_SHORT_012D.ini", std::string(2047, '\xFF'));
  MemoryImage oldWords = ValidImage(0xFF);
  oldWords.set(0x081, 0x2C);
  oldWords.set(0x7FF, 0x2C);
  WriteBytes(dir / "QZ815_OLD_012D.ini", ImageAsString(oldWords));

  TestContext t;
  MemorySettingsStore store;
  DestinationMenu menu(dir.path());
  menu.build(t.ctx, store);  // QZ815_OLD is first and fails quietly
  ASSERT_EQ(menu.captions(), (std::vector<std::string>{"QZ815_OLD", "QZ815_SHORT", "QZ815_UK"}));
  EXPECT_EQ(menu.checked(), -1);
  EXPECT_TRUE(t.prompter.boxes.empty());

  ASSERT_TRUE(menu.load(t.ctx, store, 2));
  EXPECT_EQ(menu.checked(), 2);
  EXPECT_EQ(store.read("IniFilePath", "IniFileName_1", ""), "QZ815_UK");
  const MemoryImage image = t.ws.image;
  const SettingsModel model = t.ws.model;
  for (int bad : {0, 1}) {
    EXPECT_FALSE(menu.load(t.ctx, store, bad));
    EXPECT_EQ(menu.checked(), 2);
    EXPECT_EQ(t.ws.image, image);
    EXPECT_EQ(t.ws.model, model);
  }
  // Each says which template was refused and what was found in it.
  ASSERT_EQ(t.prompter.texts(),
            (std::vector<std::string>{
                "IniFileRead Error!!\r\n" + (dir / "QZ815_OLD_012D.ini").string() +
                    ": the model words at 0x080 and 0x7FE hold 0x012C and 0x012C; an image of "
                    "the QZ815 holds 0x012D in both.",
                "IniFileRead Error!!\r\n" + (dir / "QZ815_SHORT_012D.ini").string() +
                    ": expected 2048 bytes and found 2047, so it is no image of the radio's "
                    "memory."}));
  EXPECT_EQ(t.prompter.boxes[0].icon, Icon::Exclamation);
  EXPECT_EQ(t.prompter.boxes[0].title, "PC Program for QZ815");
  EXPECT_EQ(store.read("IniFilePath", "IniFileName_1", ""), "QZ815_UK");
}

TEST(Destinations, NewDataSetAndRegionSync) {
  TempDir dir;
  WriteTemplate(dir, "QZ815_UK_012D.ini", 1, 2);
  WriteTemplate(dir, "QZ815_USA_012D.ini", 0xFF, 3);
  TestContext t;
  MemorySettingsStore store;
  DestinationMenu menu(dir.path());
  t.ws.documentPath = "x.dat";
  t.ws.model.CHRG.append(ChannelRecord{});
  ASSERT_TRUE(NewDataSet(t.ctx, store, menu, -1));
  EXPECT_TRUE(t.ws.model.CHRG.isEmpty());
  EXPECT_EQ(t.ws.model.CHWX, DefaultWeatherList());
  EXPECT_EQ(t.ws.documentPath, "");

  menu.build(t.ctx, store);
  ASSERT_TRUE(NewDataSet(t.ctx, store, menu, 1));
  EXPECT_EQ(t.ws.image.at(addr::RegionCode), 0xFF);
  EXPECT_EQ(t.ws.model.CHUSA.size(), 3);

  // After reading a radio of region 1 the UK entry is checked; an unknown region checks none
  // unless a USA entry exists.
  menu.syncToRegion(ValidImage(1));
  EXPECT_EQ(menu.checked(), 0);
  menu.syncToRegion(ValidImage(4));
  EXPECT_EQ(menu.checked(), -1);
  menu.syncToRegion(ValidImage(0x42));
  EXPECT_EQ(menu.checked(), 1);
  EXPECT_EQ(menu.find("qz815_uk"), 0);
}

const std::filesystem::path kData = TPW52_DATA_DIR;

TEST(ShippedData, GlobalIniOffersTheQz815AndSevenTemplatesTheRegions) {
  const auto ini = kData / ModelDefinitionFile;
  EXPECT_EQ(OfferedModels(ini), std::vector<int>{1});
  const ModelCaps caps = LoadModelCaps(ini, 1);
  EXPECT_TRUE(caps.AtisSupported);
  EXPECT_TRUE(caps.WxSupported);
  EXPECT_FALSE(caps.ScrambleSupported);

  // Seven templates, one for each region.
  const auto names = ListDestinationNames(kData, QZ815ModelType);
  ASSERT_EQ(names, (std::vector<std::string>{"QZ815_BE", "QZ815_GRMN", "QZ815_INTL", "QZ815_NL",
                                             "QZ815_SW", "QZ815_UK", "QZ815_USA"}));
  for (int region : {0, 1, 2, 3, 4, 5, 0xFF}) {
    const int index = DestinationForRegion(names, region);
    ASSERT_GE(index, 0) << region;
    EXPECT_EQ(ShippedWorkspace(names[index]).image.at(addr::RegionCode), region);
  }
}

TEST(ShippedData, TemplatesSurviveDecodeAndEncodeAndADataFile) {
  for (const std::string& name : ListDestinationNames(kData, QZ815ModelType)) {
    SCOPED_TRACE(name);
    const Workspace shipped = ShippedWorkspace(name);
    const MemoryImage& image = shipped.image;
    const SettingsModel& model = shipped.model;
    EXPECT_EQ(ImageAsString(image).substr(addr::ProductCode, 6), "TR381K");
    EXPECT_TRUE(image.allFF(addr::AtisCode, addr::AtisCodeLength));

    MemoryImage again = image;
    EncodeImage(model, again, true);
    SanitiseForWrite(again, model, true);
    EXPECT_EQ(again, image);

    // Channel 16 is the priority channel of the three groups and the current channel.
    for (int g = 0; g < 3; ++g) {
      const ChannelList& list = model.list(static_cast<ListId>(g));
      ASSERT_FALSE(list.isEmpty());
      EXPECT_EQ(ChannelDisplayName(list[model.groups[g].priorityChannel - 1]), "16");
    }
    const int group = image.at(addr::CurrentGroup);
    ASSERT_TRUE(model.groups[group].usable);
    EXPECT_EQ(ChannelDisplayName(
                  model.list(static_cast<ListId>(group))[image.word(addr::CurrentChannel)]),
              "16");
    EXPECT_EQ(model.CHWX.size(), WxChannelCount);

    // Saved as a data file and read back over the template, nothing changes.
    TempDir dir;
    TestContext t;
    t.ws = shipped;
    ASSERT_EQ(SaveDataFile(t.ctx, dir / "t.dat"), Outcome::Done);
    t.ws.model = SettingsModel{};
    DecodeHeader(image, t.ws.model);
    ASSERT_EQ(OpenDataFile(t.ctx, dir / "t.dat"), Outcome::Done);
    EXPECT_TRUE(t.prompter.boxes.empty());  // a file the program wrote raises no warning
    // The weather list is rebuilt from the weather table, whose records carry more than the
    // image's two bits; those two bits come back.
    for (int k = 0; k < WxChannelCount; ++k) {
      EXPECT_EQ(t.ws.model.CHWX[k].enabled, model.CHWX[k].enabled);
      EXPECT_EQ(t.ws.model.CHWX[k].scanMemory, model.CHWX[k].scanMemory);
    }
    t.ws.model.CHWX = model.CHWX;
    EXPECT_EQ(t.ws.model, model);
    EncodeImage(t.ws.model, t.ws.image, true);
    EXPECT_EQ(t.ws.image, image);
  }
}

// A data file cut short at a line is noted, wherever the cut; a whole one is not, written by
// this program or by one that writes neither the PROGRAM line nor [END]. Of such a file only a
// cut that leaves sections every data file holds missing, or a section unfinished, can be told.
TEST(ShippedData, ADataFileCutShortIsNoted) {
  const std::string whole = DataFileText(ShippedWorkspace("QZ815_UK").model, ModelCaps{}, 1);
  std::string older = whole;
  for (const std::string line : {"PROGRAM=#tpw52\r\n", "[END]\r\n"}) {
    older.erase(older.find(line), line.size());
  }
  const auto notesOf = [](const std::string& text) {
    SettingsModel read;
    std::vector<std::string> texts;
    for (const ReadingNote& note : ReadDataFileSettings(ParseSectionTable(text), {}, read)) {
      texts.push_back(note.text);
    }
    return texts;
  };
  EXPECT_EQ(notesOf(whole), std::vector<std::string>{});
  EXPECT_EQ(notesOf(older), std::vector<std::string>{});

  const std::string cut =
      "The file ends without the [END] line this program writes last in every data file: it "
      "was cut short, so lists may be missing channels.";
  const auto missing = [](const std::string& sections) {
    return "The file has no " + sections +
           ", which every data file holds: it may have been cut short, and those settings were "
           "not read from it.";
  };
  const struct {
    const char* before;  // the line the file is cut before
    bool ours;
    std::vector<std::string> notes;
  } cases[] = {
      {"[END]", true, {cut}},
      {"[CHRG2]", true, {cut}},
      {"[CHWX4]", true, {cut, missing("[CHWX4] to [CHWX9]")}},
      {"[CHINT30]", true, {cut, missing("[CHWX0] to [CHWX9]")}},
      {"Weater=",
       true,
       {cut, missing("[ATIS Setup] and [CHWX0] to [CHWX9]"),
        "The file ends inside [Common Setup] (line 17), before its Weater line: it may have "
        "been cut short."}},
      {"[Usable CH Group Setup]",
       true,
       {cut, missing("[Usable CH Group Setup], [Common Setup], [ATIS Setup] and [CHWX0] to "
                     "[CHWX9]")}},
      {"[CHINT30]", false, {missing("[CHWX0] to [CHWX9]")}},
      {"[CHRG2]", false, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.before) + (c.ours ? " of this program's file" : " of an older one"));
    const std::string& file = c.ours ? whole : older;
    const std::size_t at = file.find(std::string("\r\n") + c.before);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(notesOf(file.substr(0, at + 2)), c.notes);
  }
}

TEST(ShippedData, RegionalChannelsOfTheEuropeanTemplates) {
  TestContext t;
  MemorySettingsStore store;
  DestinationMenu menu(kData);
  menu.build(t.ctx, store);
  ASSERT_TRUE(menu.load(t.ctx, store, menu.find("QZ815_SW")));
  ASSERT_EQ(t.ws.model.CHRG.size(), 5);
  EXPECT_EQ(t.ws.model.CHRG[0].displayLeft, "L1");
  EXPECT_EQ(t.ws.model.CHRG[0].rxFrequency, 155.5);
  EXPECT_FALSE(t.ws.model.CHRG[4].txEnabled);  // F3: fishing vessels only
  ASSERT_TRUE(menu.load(t.ctx, store, menu.find("QZ815_GRMN")));
  EXPECT_TRUE(t.ws.model.CHRG.isEmpty());
  EXPECT_FALSE(t.ws.model.groups[0].usable);
  EXPECT_TRUE(t.ws.model.atis.groups[1]);
  ASSERT_TRUE(menu.load(t.ctx, store, menu.find("QZ815_USA")));
  EXPECT_TRUE(t.ws.model.groups[0].usable);
  EXPECT_EQ(t.ws.model.groups[2].label, "CAN");
  EXPECT_TRUE(t.prompter.boxes.empty());
}

}  // namespace
}  // namespace tpw::test
