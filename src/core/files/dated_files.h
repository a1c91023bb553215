#pragma once

#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "session/file_system.h"

// Files the program keeps by themselves in a folder of the user's, named by the local date
// and time they were made: the radio backups and the transfer traces.
namespace tpw {

// "2026-12-07T14-03-22": the start of every such name (no colon, which Windows refuses).
std::string DatedStamp(const std::tm& time);

// A file saved under a dated name, or why it could not be (path then names the file tried).
struct DatedFile {
  std::filesystem::path path;
  std::error_code error;
};

// Saves content as a new file "STAMP<ending>" in folder, which is made when it is missing.
// A name another program or an earlier save took in the same second gets "-2", "-3", ...
// before the extension, so no file is ever replaced.
DatedFile SaveDatedFile(FileSystem& files, const std::filesystem::path& folder, const std::tm& time,
                        std::string_view ending, std::string_view content);

// The dated files of folder that end in extension, oldest first (by name).
std::vector<std::filesystem::path> DatedFiles(const std::filesystem::path& folder,
                                              std::string_view extension);

// Removes the dated files with extension beyond the newest `kept` whose stamp is before
// `keepFrom` (a stamp; an empty one keeps none for its age). Other files are left alone.
void PruneDatedFiles(const std::filesystem::path& folder, std::string_view extension,
                     std::size_t kept, std::string_view keepFrom);

}  // namespace tpw
