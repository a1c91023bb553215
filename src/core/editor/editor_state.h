#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "image/settings_model.h"
#include "image/translatable.h"

namespace tpw {

// The panels that share the right pane; exactly one is enabled and in front at a time.
enum class PanelId { General, Common, Grey, ChannelList, ChannelEdit, Weather };

// What the channel edit panel holds: a record of the list (EDIT), or a new one that SAVE puts
// after the current row (NEW).
enum class ChannelEditMode { Edit, New };

// The editor's position, shared by the tree, the grids and the channel panel.
struct EditorState {
  std::int16_t currentNode = -1;      // 1-based tree index of the shown node
  std::optional<ListId> currentList;  // the list the channel list panel last showed
  std::int16_t currentRow = -1;       // record index selected in the shown list
  ChannelEditMode channelMode = ChannelEditMode::Edit;
  bool frequencyEdited = false;  // a frequency box was typed into since it got the focus
};

// The one-line hints of the status bar.
inline constexpr std::string_view TreeHint =
    TPW_TEXT("Editor", "[Up]/[Down]/[Left]/[Right]:Change of a Selection item.");
inline constexpr std::string_view GridHint =
    TPW_TEXT("Editor", "[Double click],[Enter]:Jump the Setting screen.");
inline constexpr std::string_view SelectionHint =
    TPW_TEXT("Editor", "[Up]/[Down]:Change of a Selection item.");
inline constexpr std::string_view ToggleHint =
    TPW_TEXT("Editor", "[Space]:An effective and invalid change.");
inline constexpr std::string_view AtisCodeHint =
    TPW_TEXT("Editor", "Numeric Only. Indispensable 10 figures.");
inline constexpr std::string_view WeatherEnableHint =
    TPW_TEXT("Editor", "Select[x]Enable/[]Disable.");

}  // namespace tpw
