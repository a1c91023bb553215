#pragma once

#include <filesystem>

#include "cli/cli_session.h"

namespace tpw::cli {

// The folder of the program (destinations and logs live beside it) and the user's data folder
// (for logs when the program's folder cannot be written).
std::filesystem::path ProgramFolder();
std::filesystem::path UserDataFolder();

}  // namespace tpw::cli
