#include "editor/common_options.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace tpw {

namespace {

constexpr OptionEntry kOffOn[] = {{"Off", 0}, {"On", 1}};
constexpr OptionEntry kResumeTimes[] = {{"Off", 0},  {"1Sec", 1}, {"2Sec", 2},
                                        {"3Sec", 3}, {"4Sec", 4}, {"5Sec", 5}};
constexpr OptionEntry kWatchModes[] = {{"DW", 0}, {"TW", 1}};
constexpr OptionEntry kWeatherAlerts[] = {
    {"Off", 0}, {"On Wx", 1}, {"On Scan", 2}, {"Wx and Scan", 3}};
constexpr OptionEntry kAtisModes[] = {{"Normal", 0}, {"Special", 1}};

constexpr std::array<OptionList, 8> kLists = {{
    {CommonOption::Scan, "cmbCommonScan", "SCAN", "lblCommonScan", kOffOn},
    {CommonOption::ResumeTime, "cmbCommonResume", "Resume Time", "lblCommonResume", kResumeTimes},
    {CommonOption::PttScanClear, "cmbCommonPTTSCAN", "PTT SCAN Clear", "lblCommonPTTSCAN", kOffOn},
    {CommonOption::DwTw, "cmbCommonDWTW", "DW/TW", "lblCommonDWTW", kOffOn},
    {CommonOption::ModeSelect, "cmbCommonModeSelect", "Mode Select", "lblCommonModeSelect",
     kWatchModes},
    {CommonOption::WeatherAlert, "cmbCommonWeater", "Weather Alert", "lblCommonWeater",
     kWeatherAlerts},
    {CommonOption::DualWatch, "cmbCommonDual", "Dual Watch", "lblCommonDual", kOffOn},
    {CommonOption::AtisMode, "cmbAtisMode", "ATIS Mode", "lblAtisMode", kAtisModes},
}};

// A stored number the list has an entry for.
std::optional<int> EntryFor(CommonOption option, int stored) {
  const auto entries = OptionListOf(option).entries;
  const bool listed = std::any_of(entries.begin(), entries.end(),
                                  [stored](const OptionEntry& e) { return e.value == stored; });
  return listed ? std::optional<int>(stored) : std::nullopt;
}

std::int16_t Stored(int value) {
  return static_cast<std::int16_t>(value);
}

}  // namespace

std::span<const OptionList> CommonOptionLists() {
  return kLists;
}

const OptionList& OptionListOf(CommonOption option) {
  for (const OptionList& list : kLists) {
    if (list.option == option) return list;
  }
  throw std::logic_error("no list for this option");
}

std::optional<int> ShownValue(const SettingsModel& model, CommonOption option) {
  const CommonSetup& c = model.common;
  switch (option) {
    case CommonOption::Scan:
      return c.Scan ? 1 : 0;
    case CommonOption::ResumeTime:
      return EntryFor(option, c.ResumeTime);
    case CommonOption::PttScanClear:
      return c.PttScanClear ? 1 : 0;
    case CommonOption::DwTw:
      return c.DwTw ? 1 : 0;
    case CommonOption::ModeSelect:
      return EntryFor(option, c.ModeSelect);
    case CommonOption::WeatherAlert:
      return EntryFor(option, c.WeatherAlert);
    case CommonOption::DualWatch:
      return std::nullopt;
    case CommonOption::AtisMode:
      return EntryFor(option, model.atis.AtisMode);
  }
  return std::nullopt;
}

bool StoreChoice(SettingsModel& model, CommonOption option, int value) {
  CommonSetup& c = model.common;
  switch (option) {
    case CommonOption::Scan:
      c.Scan = value != 0;
      return true;
    case CommonOption::ResumeTime:
      c.ResumeTime = Stored(value);
      return true;
    case CommonOption::PttScanClear:
      c.PttScanClear = value != 0;
      return true;
    case CommonOption::DwTw:
      c.DwTw = value != 0;
      return true;
    case CommonOption::ModeSelect:
      c.ModeSelect = Stored(value);
      return true;
    case CommonOption::WeatherAlert:
      c.WeatherAlert = Stored(value);
      return true;
    case CommonOption::DualWatch:
      return false;
    case CommonOption::AtisMode:
      model.atis.AtisMode = Stored(value);
      return true;
  }
  return false;
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
