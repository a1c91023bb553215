#pragma once

#include <filesystem>

#include "session/outcome.h"
#include "session/workspace.h"

// A file opened to be compared with the data set, into a workspace of its own.
namespace tpw {

// Opens path into ctx.ws: an image file (".hex", or a destination template's ".ini") after its
// size and model checks, taken as it is; any other file as a channel data file over the
// workspace's image, after its model check, with the region the file gives, its settings encoded
// into the image as a save or a write would encode them. No region is
// checked and nothing is asked: a comparison replaces nothing and shows the region among the
// differences. Failed, the user told which file was refused and why, when it cannot be opened.
Outcome OpenFileToCompare(Context& ctx, const std::filesystem::path& path);

}  // namespace tpw
