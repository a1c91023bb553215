#pragma once

#include <filesystem>
#include <string>

#include "cli/cli_session.h"
#include "session/outcome.h"
#include "shell/destinations.h"

// The data set a command works on, and the files it comes from and goes to. The file kind
// follows the extension: ".hex" (or a template's ".ini") an image, ".dat" a channel data file,
// ".txt" the report.
namespace tpw::cli {

enum class FileKind { Image, DataFile, Report, Unknown };
FileKind FileKindOf(const std::filesystem::path& path);

// Where a data set starts when a data file is read over it: an image file (--base), a
// destination template by name (--destination), or by default the first destination.
struct BaseOptions {
  std::string image;
  std::string destination;
};
void AddBaseOptions(CLI::App& command, BaseOptions& options);

// The destination of a name given in full ("QZ815_UK") or by its region ("uk"), or -1.
int FindDestination(const DestinationMenu& menu, const std::string& wanted);

// Loads the starting data set; false (with a message) when it cannot.
bool LoadBaseDataSet(CliSession& session, const BaseOptions& options);

// True when IN is a kind of file the commands read, by its name: an image (.hex, or a
// template's .ini) or a channel data file (.dat). Otherwise the user is told which file and what
// to give, and false. Every command that reads IN asks this before anything else, so that no
// file of another kind is read as an image and no port is opened for it.
bool InputKindAccepted(CliSession& session, const std::filesystem::path& in);

// Opens IN, of a kind InputKindAccepted took: an image replaces the data set (after its size
// and model checks); a data file is read over the base with its model and region checks. False
// when refused.
bool OpenInputFile(CliSession& session, const std::filesystem::path& in, const BaseOptions& base);

// Opens a file over the base as the desktop application's Open does: a channel data file, or
// an image file with the region check against the base.
bool OpenFileOverBase(CliSession& session, const std::filesystem::path& path);

// Loads what a write sends: IN over the base; an image file is its own base unless the base
// options name another. False (the user was told why) when it cannot be loaded.
bool LoadDataToWrite(CliSession& session, const std::string& in, const BaseOptions& base);

// Saves the data set as OUT: an image as a write to the radio would start from, a data file,
// or the text report.
bool SaveOutputFile(CliSession& session, const std::filesystem::path& out);

// Tells the user why out cannot be saved (the system's reason and what to do), when its folder
// is missing or cannot be written, or a folder stands in its way; then false.
bool OutputPlaceUsable(CliSession& session, const std::filesystem::path& out);
// Tells the user why a save to out failed; the previous file, if any, is left whole.
void RefuseOutput(CliSession& session, const std::filesystem::path& out,
                  const std::string& problem);

// True when out can take what the option saves: the extension of its kind, and a place where
// a file can be saved (its folder exists and may be written, no folder stands in its way).
// Otherwise the user is told which file cannot be saved and why. Checked before the port is
// opened, so that no transfer is wasted on a file that cannot be saved.
bool OutputCanBeSaved(CliSession& session, const std::filesystem::path& out, FileKind kind,
                      std::string_view option);

// True when the save was done; after a failed save that follows a transfer, the user learns
// that the radio's data were not saved there (the save said why).
bool SavedAfterTransfer(CliSession& session, Outcome saved, const std::filesystem::path& path);

}  // namespace tpw::cli
