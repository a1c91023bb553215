// What the boxes of the editor's forms take and show: the channel form, with the tables of
// marine and weather channels it reads, and the Common Setup page, with the common options and
// the lists they make usable, the priority channel of each group, and the ATIS code.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include "editor/channel_form.h"
#include "editor/channel_groups.h"
#include "editor/common_options.h"
#include "editor/setup_edits.h"
#include "image/atis_code.h"
#include "image/channel_tables.h"
#include "image/display_text.h"
#include "image/encodings.h"
#include "image/regions.h"

namespace tpw {
namespace {

TEST(ChannelForm, FrequencyAcceptance) {
  // Off the 25 kHz raster or outside the band: refused, shown as typed would read, stored 0.
  // An empty box is no frequency: the box takes it, a record cannot. A second point ends the
  // number.
  const struct {
    const char* typed;
    bool accepted;
    const char* shown;
    double stored;
  } cases[] = {
      {"156.05", true, "156.0500", 156.05},
      {"156.06", false, "156.0600", 0},
      {"136.975", false, "136.9750", 0},
      {"174.025", false, "174.0250", 0},
      {"137", true, "137.0000", 137},
      {"174", true, "174.0000", 174},
      {"", true, "---.----", 0},
      {"---.----", false, "---.----", 0},
      {"156.0.5", true, "156.0000", 156},
  };
  for (const auto& c : cases) {
    const FrequencyEntry entry = ReadFrequencyEntry(c.typed);
    EXPECT_EQ(entry.accepted, c.accepted) << c.typed;
    EXPECT_EQ(entry.shown, c.shown) << c.typed;
    EXPECT_EQ(entry.stored(), c.stored) << c.typed;
  }

  // Every frequency of the band is stored exactly as the radio gives it back.
  for (int khz = 137000; khz <= 174000; khz += 25) {
    char text[16];
    std::snprintf(text, sizeof text, "%d.%03d", khz / 1000, khz % 1000);
    const double stored = ReadFrequencyEntry(text).stored();
    ASSERT_GT(stored, 0) << text;
    ASSERT_EQ(DecodeFreq(EncodeFreq(stored)), stored) << text;
  }
}

TEST(ChannelForm, CharactersTheBoxesAccept) {
  for (char c : std::string("0123456789ACEFHIJKLMPQSbdnorty ")) {
    EXPECT_TRUE(IsDisplayNameCharacter(c)) << c;
  }
  for (char c : std::string("xGBaDz-.*\t\0", 11)) EXPECT_FALSE(IsDisplayNameCharacter(c)) << c;
  for (char c : std::string("0123456789.")) EXPECT_TRUE(IsFrequencyCharacter(c)) << c;
  for (char c : std::string("-,e ")) EXPECT_FALSE(IsFrequencyCharacter(c)) << c;
}

TEST(ChannelForm, OptionListsAndTheirValues) {
  const OptionList& base = BaseChannelOptions();
  ASSERT_EQ(base.size(), 100);
  EXPECT_EQ(base.entries().front(), (OptionEntry{"00", 0}));
  EXPECT_EQ(base.entries().back(), (OptionEntry{"99", 99}));
  // Positions 100 to 119 and status codes 3 are stored values no item offers.
  EXPECT_EQ(base.indexOf(105), std::nullopt);
  EXPECT_EQ(StatusNoOptions().indexOf(3), std::nullopt);
  EXPECT_EQ(StatusIconOptions().indexOf(2), 2);
  EXPECT_EQ(DuplexOptions().indexOf(-1), std::nullopt);
  EXPECT_EQ(ScramblerOptions().valueAt(2), 5);
  EXPECT_EQ(ScramblerOptions().valueAt(5), std::nullopt);
  EXPECT_EQ(ScramblerOptions().valueAt(-1), std::nullopt);
  EXPECT_EQ(StatusNoOptions().indexOf(TemplateStatusNo), std::nullopt);
  // The template's status number keeps the value shown, or shows "None".
  EXPECT_EQ(ShownStatusNo(TemplateStatusNo, 2), 2);
  EXPECT_EQ(ShownStatusNo(TemplateStatusNo, std::nullopt), 0);
  EXPECT_EQ(ShownStatusNo(1, 2), 1);
  EXPECT_EQ(ShownStatusNo(3, 1), 3);
  // The free form shows the scrambler by its bits: off unless bit 2 is set.
  EXPECT_EQ(FreeFormScramblerValue(0), 0);
  EXPECT_EQ(FreeFormScramblerValue(3), 0);
  EXPECT_EQ(FreeFormScramblerValue(6), 6);
  EXPECT_EQ(FreeFormScramblerValue(12), 4);
}

TEST(ChannelForm, EnableChain) {
  EXPECT_EQ(EnablesFor(true, true, true), (ChannelEnables{true, true, true}));
  EXPECT_EQ(EnablesFor(true, true, false), (ChannelEnables{true, true, false}));
  // Tx Enable unticked disables Low Power Only, and with it Power Up, whatever their ticks.
  EXPECT_EQ(EnablesFor(true, false, true), (ChannelEnables{true, false, false}));
  EXPECT_EQ(EnablesFor(false, true, true), (ChannelEnables{false, false, false}));
}

TEST(ChannelForm, GroupFormFrequenciesFollowTheTable) {
  EXPECT_EQ(GroupFormFrequencies(1, 2, false), (FrequencyTexts{"160.650", "156.050"}));
  EXPECT_EQ(GroupFormFrequencies(1, 2, true), (FrequencyTexts{"160.650", "---.---"}));
  EXPECT_EQ(GroupFormFrequencies(16, 1, false), (FrequencyTexts{"161.400", "161.400"}));
  EXPECT_EQ(GroupFormFrequencies(16, 3, false), (FrequencyTexts{"156.800", "161.400"}));
  EXPECT_EQ(GroupFormFrequencies(88, 0, false), (FrequencyTexts{"157.425", "157.425"}));
  EXPECT_EQ(GroupFormFrequencies(16, 7, false), (FrequencyTexts{}));

  // While the user chooses: a box without an item keeps the record's own value, and the
  // transmit text is masked while Tx Enable is unticked.
  const ChannelRecord shown{.position = 16, .duplex = 3};
  GroupFormEntry entry;
  EXPECT_EQ(ChosenFrequencies(shown, entry), (FrequencyTexts{"156.800", "---.---"}));
  entry = {.positionItem = 1, .duplexItem = 2, .shared = {.txEnable = true}};
  EXPECT_EQ(ChosenFrequencies(shown, entry), (FrequencyTexts{"160.650", "156.050"}));
}

TEST(ChannelForm, GroupFormRecordKeepsWhatThePanelDoesNotOffer) {
  ChannelRecord shown{.position = 105, .enabled = true, .duplex = 1, .scramble = 9};
  shown.displayRight = "note";
  shown.statusNo = shown.statusIcon = 3;

  // Boxes without an item keep the record's own values; the ticks are taken.
  const GroupFormEntry unchanged{.shared = {.txEnable = true, .scanMemory = true}};
  ChannelRecord expected = shown;
  expected.txEnabled = expected.scanMemory = true;
  EXPECT_EQ(GroupFormRecord(shown, unchanged), expected);

  GroupFormEntry chosen{.positionItem = 16, .duplexItem = 3, .statusNoItem = 1};
  chosen.statusIconItem = 2;
  chosen.shared = {.txEnable = true, .lowPower = true, .powUp = true, .scramblerItem = 0};
  expected = {.position = 16, .enabled = true, .lowPower = true, .powerUp = true, .duplex = 3};
  expected.txEnabled = true;
  expected.displayRight = "note";
  expected.statusIcon = 2;
  expected.statusNo = 1;
  EXPECT_EQ(GroupFormRecord(shown, chosen), expected);

  // The template's status number asks the box to keep its item; with none it is "None".
  EXPECT_EQ(GroupFormRecord(NewChannelTemplate(), unchanged).statusNo, 0);
  const GroupFormEntry twenty{.statusNoItem = 2, .shared = unchanged.shared};
  EXPECT_EQ(GroupFormRecord(NewChannelTemplate(), twenty).statusNo, 2);

  // A short slot holds one transmit mode: ticks of disabled boxes do not count.
  const ChannelRecord rx = GroupFormRecord(shown, {.shared = {.lowPower = true, .powUp = true}});
  EXPECT_FALSE(rx.txEnabled || rx.lowPower || rx.powerUp);
  const ChannelRecord high = GroupFormRecord(shown, {.shared = {.txEnable = true, .powUp = true}});
  EXPECT_TRUE(high.txEnabled);
  EXPECT_FALSE(high.lowPower || high.powerUp);
}

TEST(ChannelForm, FreeFormRecordAndItsCheck) {
  ChannelRecord shown = NewChannelTemplate();
  shown.displayRight = "kept";
  shown.scramble = 9;
  FreeFormEntry entry{.name = "7", .rxText = "156.05", .txText = "156.0500"};
  entry.groups = {true, false, true};
  // The ticks stand, Tx Enable or not.
  entry.shared = {.lowPower = true, .powUp = true, .scanMemory = true};

  const FreeFormSave save = FreeFormRecord(shown, entry);
  EXPECT_TRUE(save.complete);
  EXPECT_EQ(save.rxShown, "156.0500");
  ChannelRecord expected{.enabled = true, .lowPower = true, .powerUp = true, .scanMemory = true};
  expected.scramble = 9;
  expected.displayLeft = "7 ";
  expected.displayRight = "kept";
  expected.rxFrequency = expected.txFrequency = 156.05;
  expected.inUsaGroup = expected.inRegionGroup = true;
  // The template's duplex mode and status number are no part of a free channel.
  EXPECT_EQ(save.record, expected);

  FreeFormEntry noTx = entry;
  noTx.txText = "";
  const FreeFormSave missing = FreeFormRecord(shown, noTx);
  EXPECT_FALSE(missing.complete);
  EXPECT_EQ(missing.txShown, "---.----");
  FreeFormEntry offRaster = entry;
  offRaster.rxText = "156.06";
  const FreeFormSave refused = FreeFormRecord(shown, offRaster);
  EXPECT_FALSE(refused.complete);
  EXPECT_EQ(refused.record.rxFrequency, 0);
  EXPECT_EQ(refused.rxShown, "156.0600");
  FreeFormEntry blank = entry;
  blank.name = "  ";
  EXPECT_FALSE(FreeFormRecord(shown, blank).complete);
  FreeFormEntry scrambled = entry;
  scrambled.shared.scramblerItem = 4;
  EXPECT_EQ(FreeFormRecord(shown, scrambled).record.scramble, 7);
}

TEST(ChannelForm, LeavingTheFreeForm) {
  EXPECT_EQ(FreeFormMissing("156.0500", "16"), MissingEntry::None);
  EXPECT_EQ(FreeFormMissing("---.----", "16"), MissingEntry::RxFrequency);
  EXPECT_EQ(FreeFormMissing("", "16"), MissingEntry::RxFrequency);
  EXPECT_EQ(FreeFormMissing("156.0600", "16"), MissingEntry::RxFrequency);
  EXPECT_EQ(FreeFormMissing("156.0500", ""), MissingEntry::Name);
  EXPECT_EQ(FreeFormMissing("---.----", " "), MissingEntry::Name);
}

TEST(ChannelTables, MarineAndWeatherChannelsAndTheirFrequencies) {
  const MarineChannelTable& table = MarineChannels();
  EXPECT_EQ(table[16].ChName, "16");
  EXPECT_EQ(FormatFreq3(table[16].CoastFreq), "161.400");
  EXPECT_EQ(table[88].ChName, "88");
  EXPECT_EQ(FormatFreq3(table[88].ShipRxFreq), "157.425");
  EXPECT_EQ(table[5].ChName, "05");
  EXPECT_EQ(table[119].ChName, "119");
  // Every accumulated frequency still shows as the exact channel frequency.
  for (int n = 0; n < MarineChannelCount; ++n) {
    const int kHz = n < 60 ? 156000 + 50 * n : 156025 + 50 * (n - 60);
    char expected[16];
    std::snprintf(expected, sizeof expected, "%03d.%03d", kHz / 1000, kHz % 1000);
    EXPECT_EQ(FormatFreq3(table[static_cast<std::size_t>(n)].ShipTxFreq), expected) << n;
    EXPECT_TRUE(table[static_cast<std::size_t>(n)].Defined);
  }

  const WxChannelTable& weather = WxChannels();
  EXPECT_EQ(weather[0].ChName, "WX01[162.550MHz]");
  EXPECT_EQ(weather[0].FrequencyLabel, "162.550MHZ");
  EXPECT_EQ(weather[9].ChName, "WX10[163.275MHz]");
  EXPECT_DOUBLE_EQ(weather[7].ShipRxFreq, 161.65);
  EXPECT_DOUBLE_EQ(weather[7].CoastFreq, 161.65);
  EXPECT_EQ(weather[7].ShipTxFreq, 0);

  // A new weather list: every channel present, receive only on low power, out of the scan.
  const ChannelList list = DefaultWeatherList();
  ASSERT_EQ(list.size(), WxChannelCount);
  for (int k = 0; k < WxChannelCount; ++k) {
    ChannelRecord expected{.enabled = true, .lowPower = true};
    expected.position = static_cast<std::int16_t>(k);
    EXPECT_EQ(list[k], expected) << k;
  }
}

// The texts of a common option's list, in order.
std::vector<std::string> Texts(CommonOption option) {
  std::vector<std::string> texts;
  for (const OptionEntry& entry : CommonOptionBoxOf(option).options.entries()) {
    texts.emplace_back(entry.text);
  }
  return texts;
}

TEST(CommonOptions, ListsCarryTheirEntriesWithTheStoredValueInOrder) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Texts(CommonOption::Scan), (V{"Off", "On"}));
  EXPECT_EQ(Texts(CommonOption::ResumeTime), (V{"Off", "1Sec", "2Sec", "3Sec", "4Sec", "5Sec"}));
  EXPECT_EQ(Texts(CommonOption::PttScanClear), (V{"Off", "On"}));
  EXPECT_EQ(Texts(CommonOption::DwTw), (V{"Off", "On"}));
  EXPECT_EQ(Texts(CommonOption::ModeSelect), (V{"DW", "TW"}));
  EXPECT_EQ(Texts(CommonOption::WeatherAlert), (V{"Off", "On Wx", "On Scan", "Wx and Scan"}));
  EXPECT_EQ(Texts(CommonOption::DualWatch), (V{"Off", "On"}));
  EXPECT_EQ(Texts(CommonOption::AtisMode), (V{"Normal", "Special"}));
  std::set<std::string_view> names;
  for (const CommonOptionBox& box : CommonOptionBoxes()) {
    for (int i = 0; i < box.options.size(); ++i)
      EXPECT_EQ(box.options.valueAt(i), i) << box.objectName;
    names.insert(box.objectName);
  }
  EXPECT_EQ(names, (std::set<std::string_view>{
                       "cmbCommonScan", "cmbCommonResume", "cmbCommonPTTSCAN", "cmbCommonDWTW",
                       "cmbCommonModeSelect", "cmbCommonWeater", "cmbCommonDual", "cmbAtisMode"}));
}

TEST(CommonOptions, AStoredValueWithoutAnEntryKeepsTheListsSelection) {
  SettingsModel model;
  model.common.resumeTime = 7;
  model.common.modeSelect = 2;
  model.common.weatherAlert = -1;
  model.atis.mode = 255;
  for (CommonOption option : {CommonOption::ResumeTime, CommonOption::ModeSelect,
                              CommonOption::WeatherAlert, CommonOption::AtisMode}) {
    EXPECT_EQ(ShownValue(model, option), std::nullopt);
  }
  EXPECT_EQ(model.common.resumeTime, 7);
}

TEST(CommonOptions, ScanAndWatchMakeTheirDependentListsUsable) {
  Workspace ws;
  SettingsModel& model = ws.model;
  model.common.resumeTime = 4;
  model.common.modeSelect = 1;
  for (CommonOption dependent : {CommonOption::ResumeTime, CommonOption::PttScanClear}) {
    EXPECT_EQ(ControllingOption(dependent), CommonOption::Scan);
    EXPECT_FALSE(IsOptionEnabled(model, dependent));
  }
  EXPECT_EQ(ControllingOption(CommonOption::ModeSelect), CommonOption::DwTw);
  EXPECT_FALSE(IsOptionEnabled(model, CommonOption::ModeSelect));
  for (CommonOption free : {CommonOption::Scan, CommonOption::DwTw, CommonOption::WeatherAlert,
                            CommonOption::DualWatch, CommonOption::AtisMode}) {
    EXPECT_EQ(ControllingOption(free), std::nullopt);
    EXPECT_TRUE(IsOptionEnabled(model, free));
  }
  ChooseCommonOption(ws, CommonOption::Scan, 1);
  EXPECT_TRUE(IsOptionEnabled(model, CommonOption::ResumeTime));
  EXPECT_TRUE(IsOptionEnabled(model, CommonOption::PttScanClear));
  EXPECT_FALSE(IsOptionEnabled(model, CommonOption::ModeSelect));
  ChooseCommonOption(ws, CommonOption::DwTw, 1);
  EXPECT_TRUE(IsOptionEnabled(model, CommonOption::ModeSelect));
  // Switching a function off keeps the values of its lists.
  ChooseCommonOption(ws, CommonOption::Scan, 0);
  ChooseCommonOption(ws, CommonOption::DwTw, 0);
  EXPECT_EQ(model.common.resumeTime, 4);
  EXPECT_EQ(model.common.modeSelect, 1);
}

TEST(PriorityChannels, EntriesAreTheEnabledRecordsNumberedFromOne) {
  SettingsModel model;
  model.CHUSA.append({.position = 6, .enabled = true});
  model.CHUSA.append({.position = 16});
  model.CHUSA.append({.position = 78, .enabled = true, .statusIcon = 1, .statusNo = 1});
  model.CHEXP.append({.enabled = true});
  EXPECT_EQ(PriorityEntries(model, 0), (OptionList{{"06", 1}, {"1078A", 3}}));
  EXPECT_TRUE(PriorityEntries(model, 1).empty());  // a list without records
  EXPECT_TRUE(PriorityEntries(model, 3).empty());  // the EXP group has no priority channel
  EXPECT_FALSE(HasPriorityChannel(3));
  EXPECT_TRUE(HasPriorityChannel(2));
}

TEST(PriorityChannels, ANameOfNoEnabledRecordBecomesTheFirstEntry) {
  SettingsModel model;
  model.CHUSA.append({.position = 6, .enabled = true});
  model.CHUSA.append({.position = 16, .enabled = true});
  model.CHINT.append({.position = 9});  // no enabled record: the priority is kept
  model.CHCAN.append({.position = 9, .enabled = true});
  EXPECT_EQ(ShownPriority(PriorityEntries(model, 0), 2), 2);
  EXPECT_EQ(ShownPriority(PriorityEntries(model, 0), 3), 1);
  EXPECT_EQ(ShownPriority(PriorityEntries(model, 1), 1), std::nullopt);
  EXPECT_EQ(ShownPriority(PriorityEntries(model, 2), 65535), 1);
}

TEST(AtisCode, EmptyOrTenDigitsAreAcceptedTrimmedAndTheBoxTakesDigitsOnly) {
  EXPECT_EQ(AcceptedAtisCode("3660000001"), "3660000001");
  EXPECT_EQ(AcceptedAtisCode(" 1234567890 "), "1234567890");
  EXPECT_EQ(AcceptedAtisCode(""), "");
  EXPECT_EQ(AcceptedAtisCode("   "), "");
  EXPECT_EQ(AcceptedAtisCode("12345"), std::nullopt);
  EXPECT_EQ(AcceptedAtisCode("12345678901"), std::nullopt);
  // Ten characters that the radio cannot hold as digits.
  EXPECT_EQ(AcceptedAtisCode("ABCDEFGHIJ"), std::nullopt);
  EXPECT_EQ(AcceptedAtisCode("12345 7890"), std::nullopt);
  EXPECT_EQ(AcceptedAtisCode("-123456789"), std::nullopt);

  for (char c : std::string("0123456789")) EXPECT_TRUE(IsAtisCodeCharacter(c)) << c;
  for (char c : std::string(" -+.ABab\t\r\n\0", 12)) EXPECT_FALSE(IsAtisCodeCharacter(c)) << c;
}

}  // namespace
}  // namespace tpw
