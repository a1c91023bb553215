#pragma once

#include <filesystem>
#include <span>

#include "session/outcome.h"
#include "session/workspace.h"

// The channel lists as a table file for spreadsheets (".csv", files/channel_csv), both ways:
// File > Export Channels... and Import Channels..., tpw52-cli export-csv and import-csv.
namespace tpw {

// Saves every channel list as a table; the previous file stays whole when that fails.
Outcome ExportChannelsFile(Context& ctx, const std::filesystem::path& path);

// Replaces each list the table holds rows for, in one step ("Import boat.csv"); the other
// lists stay as they are. Every row is checked first; when any is refused, the user sees each
// with its line and reason and is asked whether to import the others (No by default:
// Cancelled, nothing changed). A file that cannot be read or is no channel table changes
// nothing (Failed).
Outcome ImportChannelsFile(Context& ctx, const std::filesystem::path& path);

// The templates of the import's messages and step, for the programs that show them translated.
std::span<const char* const> ChannelTableTemplates();

}  // namespace tpw
