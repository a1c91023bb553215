#include "editor/common_options.h"

#include <gtest/gtest.h>

#include <set>

#include "editor/setup_edits.h"

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

}  // namespace
}  // namespace tpw
