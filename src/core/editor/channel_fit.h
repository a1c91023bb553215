#pragma once

#include <optional>
#include <span>
#include <string>

#include "image/settings_model.h"

// Whether a record could have been made in a list with NEW and SAVE: a record that comes
// from elsewhere (the clipboard, another list) is put into a list only when it could.
namespace tpw {

// Why the record does not fit the list ("the group has no channel 120", "its Rx frequency
// 180.0000 is outside 137.0000 to 174.0000 MHz"), or nothing when it fits.
std::optional<std::string> WhyChannelDoesNotFit(ListId list, const ChannelRecord& record);

// The templates of those reasons, for the programs that show them translated.
std::span<const char* const> ChannelFitTemplates();

}  // namespace tpw
