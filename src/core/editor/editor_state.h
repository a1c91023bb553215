#pragma once

#include <cstdint>
#include <string_view>

#include "image/settings_model.h"

namespace tpw {

// The panels that share the right pane; exactly one is enabled and in front at a time.
enum class PanelId { General, Common, Grey, ChannelList, ChannelEdit, Weather };

// Which list the channel list panel shows. The numbers are those of the editor's state.
enum class ListKind : std::uint16_t {
  None = 0,
  CHUSA = 1,
  CHINT = 2,
  CHCAN = 3,
  CHRG = 4,
  CHWX = 5,
  CHEXP = 6
};

ListKind ListKindOf(ListId list);

// The editor's position, shared by the tree, the grids and the channel panel.
struct EditorState {
  std::int16_t CurrentNodeIndex = -1;  // 1-based tree index of the shown node
  ListKind CurrentListKind = ListKind::None;
  std::int16_t CurrentRow = -1;  // record index selected in the shown list
  std::int16_t NewChannelMode = 0;
  bool FieldEdited = false;
};

// The one-line hints of the status bar.
inline constexpr std::string_view TreeHint =
    "[Up]/[Down]/[Left]/[Right]:Change of a Selection item.";
inline constexpr std::string_view GridHint = "[Double click],[Enter]:Jump the Setting screen.";
inline constexpr std::string_view SelectionHint = "[Up]/[Down]:Change of a Selection item.";
inline constexpr std::string_view ToggleHint = "[Space]:An effective and invalid change.";
inline constexpr std::string_view AtisCodeHint = "Numeric Only. Indispensable 10 figures.";
inline constexpr std::string_view WeatherEnableHint = "Select[x]Enable/[]Disable.";

}  // namespace tpw
