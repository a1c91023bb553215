#pragma once

#include <string_view>

#include "image/translatable.h"
#include "session/prompter.h"

namespace tpw {

// Asked when a file or a radio carries another region than the data set on the PC.
inline constexpr const char* RegionQuestion =
    TPW_TEXT("Messages", "The region is unmatched.\r\nDo you want to change the region?");

// Asks the region question (No preselected); true when the user answers Yes.
bool AgreesToRegionChange(Prompter& prompter, std::string_view title);

}  // namespace tpw
