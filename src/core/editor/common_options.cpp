#include "editor/common_options.h"

#include <array>
#include <stdexcept>
#include "image/translatable.h"

namespace tpw {

namespace {

const std::array<CommonOptionBox, 8>& Boxes() {
  static const OptionList offOn = {{TPW_TEXT("Editor", "Off"), 0}, {TPW_TEXT("Editor", "On"), 1}};
  static const std::array<CommonOptionBox, 8> boxes = {{
      {CommonOption::Scan, "cmbCommonScan", "SCAN", "lblCommonScan", offOn, "SCAN"},
      {CommonOption::ResumeTime,
       "cmbCommonResume",
       TPW_TEXT("Editor", "Resume Time"),
       "lblCommonResume",
       {{TPW_TEXT("Editor", "Off"), 0},
        {TPW_TEXT("Editor", "1Sec"), 1},
        {TPW_TEXT("Editor", "2Sec"), 2},
        {TPW_TEXT("Editor", "3Sec"), 3},
        {TPW_TEXT("Editor", "4Sec"), 4},
        {TPW_TEXT("Editor", "5Sec"), 5}},
       "Resume Time"},
      {CommonOption::PttScanClear, "cmbCommonPTTSCAN", TPW_TEXT("Editor", "PTT SCAN Clear"),
       "lblCommonPTTSCAN", offOn, "PTT SCAN Clear"},
      {CommonOption::DwTw, "cmbCommonDWTW", "DW/TW", "lblCommonDWTW", offOn, "DW/TW"},
      {CommonOption::ModeSelect,
       "cmbCommonModeSelect",
       TPW_TEXT("Editor", "Mode Select"),
       "lblCommonModeSelect",
       {{"DW", 0}, {"TW", 1}},
       "Mode Select"},
      {CommonOption::WeatherAlert,
       "cmbCommonWeater",
       TPW_TEXT("Editor", "Weather Alert"),
       "lblCommonWeater",
       {{TPW_TEXT("Editor", "Off"), 0},
        {TPW_TEXT("Editor", "On Wx"), 1},
        {TPW_TEXT("Editor", "On Scan"), 2},
        {TPW_TEXT("Editor", "Wx and Scan"), 3}},
       "Weater"},
      {CommonOption::DualWatch, "cmbCommonDual", TPW_TEXT("Editor", "Dual Watch"), "lblCommonDual",
       offOn},
      {CommonOption::AtisMode,
       "cmbAtisMode",
       TPW_TEXT("Editor", "ATIS Mode"),
       "lblAtisMode",
       {{TPW_TEXT("Editor", "Normal"), 0}, {TPW_TEXT("Editor", "Special"), 1}},
       "Atis Mode"},
  }};
  return boxes;
}

// A stored number the list has an entry for.
std::optional<int> EntryFor(CommonOption option, int stored) {
  if (!CommonOptionBoxOf(option).options.stores(stored)) return std::nullopt;
  return stored;
}

}  // namespace

std::span<const CommonOptionBox> CommonOptionBoxes() {
  return Boxes();
}

const CommonOptionBox& CommonOptionBoxOf(CommonOption option) {
  for (const CommonOptionBox& box : Boxes()) {
    if (box.option == option) return box;
  }
  throw std::logic_error("no list for this option");
}

std::optional<int> ShownValue(const SettingsModel& model, CommonOption option) {
  const CommonSetup& c = model.common;
  switch (option) {
    case CommonOption::Scan:
      return c.scan ? 1 : 0;
    case CommonOption::ResumeTime:
      return EntryFor(option, c.resumeTime);
    case CommonOption::PttScanClear:
      return c.pttScanClear ? 1 : 0;
    case CommonOption::DwTw:
      return c.dualWatch ? 1 : 0;
    case CommonOption::ModeSelect:
      return EntryFor(option, c.modeSelect);
    case CommonOption::WeatherAlert:
      return EntryFor(option, c.weatherAlert);
    case CommonOption::DualWatch:
      return std::nullopt;
    case CommonOption::AtisMode:
      return EntryFor(option, model.atis.mode);
  }
  return std::nullopt;
}

std::optional<CommonOption> ControllingOption(CommonOption option) {
  switch (option) {
    case CommonOption::ResumeTime:
    case CommonOption::PttScanClear:
      return CommonOption::Scan;
    case CommonOption::ModeSelect:
      return CommonOption::DwTw;
    default:
      return std::nullopt;
  }
}

bool IsOptionEnabled(const SettingsModel& model, CommonOption option) {
  const std::optional<CommonOption> controlling = ControllingOption(option);
  return !controlling || ShownValue(model, *controlling) != 0;
}

}  // namespace tpw
