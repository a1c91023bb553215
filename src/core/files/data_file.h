#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "image/settings_model.h"
#include "session/workspace.h"

// The channel data file (".dat"): the whole settings model as ini-like text. It holds no image;
// only the region byte of the image travels with it.
namespace tpw {

// The parsed form of a data file: sections in file order, each with its keys in order. Names
// and keys are upper-cased and trimmed; values stand as written, less one leading "#".
struct SectionTable {
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> keys;
  };
  std::vector<Section> sections;

  // The value of the first matching key in the sections of that name, in file order; ""
  // when there is none.
  std::string value(std::string_view section, std::string_view key) const;
};

SectionTable ParseSectionTable(std::string_view content);

// A frequency in MHz in its shortest form with at most 15 significant digits: 156.08, 0.
std::string FormatFileFrequency(double megahertz);

// The text of a data file for this model, capabilities and region byte, CR LF after each line.
std::string DataFileText(const SettingsModel& model, const ModelCaps& caps, int regionCode);

// Reads the settings of a parsed data file over model. Lists are rebuilt from the file; keys
// that are missing or that their field cannot hold leave the field as it was.
void ReadDataFileSettings(const SectionTable& table, const ModelCaps& caps, SettingsModel& model);

// Reads a data file into the workspace. [MAIN] is checked first (model type, then region, with
// the region question); a refused or unreadable file changes nothing but the flags. On success
// the settings are replaced, the image takes the file's region and the document path is
// cleared (the caller sets it). False when the file was refused.
bool OpenDataFile(Context& ctx, const std::filesystem::path& path);

// Writes the settings to path through a temporary file; the previous file stays whole when
// that fails ("FileSave Error!!", ErrorFlag and CancelFlag set).
bool SaveDataFile(Context& ctx, const std::filesystem::path& path);

}  // namespace tpw
