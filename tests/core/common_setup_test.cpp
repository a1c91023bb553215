// The boxes of the Common Setup page: the common options and the lists they make usable, the
// priority channel of each group, and the ATIS code.
#include <gtest/gtest.h>

#include <set>

#include "editor/channel_groups.h"
#include "editor/common_options.h"
#include "editor/setup_edits.h"
#include "image/atis_code.h"

namespace tpw {
namespace {

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
    for (int i = 0; i < box.options.size(); ++i) {
      EXPECT_EQ(box.options.valueAt(i), i) << box.objectName;
    }
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
