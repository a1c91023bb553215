#pragma once

#include <filesystem>
#include <string>

#include "cli/cli_session.h"
#include "shell/destinations.h"

// The data set a command works on, and the files it comes from and goes to. The file kind
// follows the extension: ".hex" (or a template's ".ini") an image, ".dat" a channel data file,
// ".txt" the report.
namespace tpw::cli {

enum class FileKind { Image, DataFile, Report, Unknown };
FileKind KindOf(const std::filesystem::path& path);

// Where a data set starts when a data file is read over it: an image file (--base), a
// destination template by name (--destination), or by default the first destination.
struct BaseOptions {
  std::string image;
  std::string destination;
};
void AddBaseOptions(CLI::App& command, BaseOptions& options);
void AddAnswerOptions(CLI::App& command, CliSession& session);

// The destination of a name given in full ("QZ815_UK") or by its region ("uk"), or -1.
int FindDestination(const DestinationMenu& menu, const std::string& wanted);

// Loads the starting data set; false (with a message) when it cannot.
bool LoadBase(CliSession& session, const BaseOptions& options);

// Opens IN: an image replaces the data set (after its size and model checks); a data file is
// read over the base with its model and region checks. False when refused.
bool OpenInput(CliSession& session, const std::filesystem::path& in, const BaseOptions& base);

// Opens a file over the base as the desktop application's Open does: a channel data file, or
// an image file with the region check against the base.
bool OpenOverBase(CliSession& session, const std::filesystem::path& path);

// Saves the data set as OUT: an image as a write to the radio would start from, a data file,
// or the text report.
bool SaveOutput(CliSession& session, const std::filesystem::path& out);

}  // namespace tpw::cli
