#pragma once

#include <filesystem>
#include <string>

#include "cli/cli_session.h"

namespace tpw::cli {

// Where a transfer's data set comes from: an image file, or a destination's factory image
// beside the program (by default the first one).
struct BaseChoice {
  std::string image;
  std::string destination;
};
void AddBaseOptions(CLI::App& command, BaseChoice& choice);

// Loads the chosen base into the workspace, decoded; false (with the reason shown) otherwise.
bool LoadBase(CliSession& session, const BaseChoice& choice);

// Opens a file over the base as the desktop application's Open does: a channel data file
// (".dat") or an image file, with the region check against the base.
bool OpenOverBase(CliSession& session, const std::string& path);

bool IsDataFile(const std::string& path);

// The folder of the program (destinations and logs live beside it) and the user's data folder
// (for logs when the program's folder cannot be written).
std::filesystem::path ProgramFolder();
std::filesystem::path UserDataFolder();

}  // namespace tpw::cli
