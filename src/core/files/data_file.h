#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "image/settings_model.h"
#include "session/outcome.h"
#include "session/workspace.h"

// The channel data file (".dat"): the whole settings model as ini-like text. It holds no image;
// only the region byte of the image travels with it.
namespace tpw {

// The text of a data file for this model, capabilities and region byte, CR LF after each line.
std::string DataFileText(const SettingsModel& model, const ModelCaps& caps, int regionCode);

// Reads a data file into the workspace. [MAIN] is checked first (model type, then region, with
// the region question); a refused or unreadable file changes nothing, and the message says
// which file and why. Done: the settings are replaced, the image takes the file's region and
// the document path is cleared (the caller sets it); what was not taken as written is listed
// in one warning. Cancelled when the user declined the other region.
// With RegionCheck::None the file's region is taken without the region check and its
// question, for a data set that replaces nothing (a file opened to be compared).
enum class RegionCheck { Asked, None };
Outcome OpenDataFile(Context& ctx, const std::filesystem::path& path,
                     RegionCheck check = RegionCheck::Asked);

// Writes the settings to path through a temporary file; the previous file stays whole when
// that fails ("FileSave Error!!").
Outcome SaveDataFile(Context& ctx, const std::filesystem::path& path);

}  // namespace tpw
