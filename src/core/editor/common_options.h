#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "editor/option_list.h"
#include "image/settings_model.h"

// The drop-down lists of the Common Setup page: their entries, the field each one edits, and
// which lists a function's "Off" makes unusable. The page only shows and forwards.
namespace tpw {

enum class CommonOption {
  Scan,
  ResumeTime,
  PttScanClear,
  DwTw,
  ModeSelect,
  WeatherAlert,
  DualWatch,  // filled, never loaded, never stored
  AtisMode,
};

// A list box of the page with its label.
struct CommonOptionBox {
  CommonOption option;
  std::string_view objectName;  // the list box
  std::string_view label;
  std::string_view labelName;  // the label's objectName
  OptionList options;
  std::string_view key;  // the setting's key in the channel data file; none for "Dual Watch"
};

// Every list of the page, in the order the page fills them.
std::span<const CommonOptionBox> CommonOptionBoxes();
const CommonOptionBox& CommonOptionBoxOf(CommonOption option);

// The value a list selects for the settings; nothing when it keeps its selection: a stored
// value without an entry ("Resume Time" 7 stays 7 until the user chooses), and "Dual Watch".
std::optional<int> ShownValue(const SettingsModel& model, CommonOption option);

// The list whose "On" makes a list usable: SCAN for Resume Time and PTT SCAN Clear, DW/TW for
// Mode Select; nothing for the others.
std::optional<CommonOption> ControllingOption(CommonOption option);
// False while the controlling function of a list is off; the list keeps its value.
bool IsOptionEnabled(const SettingsModel& model, CommonOption option);

}  // namespace tpw
