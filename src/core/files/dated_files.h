#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "session/file_system.h"

// Files the program keeps by themselves in a folder of the user's, named by the local date
// and time they were made: the radio backups and the transfer traces. The program lists and
// prunes only files it made itself: a file whose whole name is one it gives, which is what it
// writes there. Everything else in the folder is the user's.
namespace tpw {

// "2026-12-07T14-03-22": the start of every such name (no colon, which Windows refuses).
std::string DatedStamp(const std::tm& time);

// What the program's files of one kind are: the endings their names take after the stamp
// ("-read-UK.hex"; a name taken in the same second also "-read-UK-2.hex" and so on), and what
// each of them holds.
struct DatedKind {
  std::vector<std::string> endings;
  std::uintmax_t size = 0;  // the size of every such file; 0 for any size
  std::string opening;      // what every such file begins with; empty for anything
};

// A file saved under a dated name, or why it could not be (path then names the file tried).
struct DatedFile {
  std::filesystem::path path;
  std::error_code error;
};

// Saves content as a new file "STAMP<ending>" in folder, which is made when it is missing. A
// name another program or an earlier save took in the same second gets "-2", "-3", ... before
// the extension, so no file is ever replaced. On Unix the file is its owner's alone (0600),
// and so is a folder the save makes (0700). A folder that is a link to nothing is not made:
// the error then names the missing folder it points to.
DatedFile SaveDatedFile(FileSystem& files, const std::filesystem::path& folder, const std::tm& time,
                        std::string_view ending, std::string_view content);

// Whether folder can hold the program's dated files: no error when it is a folder or nothing
// is there yet; not_a_directory when a file stands in its way (path then names it); for a
// link to nothing, no_such_file_or_directory with path naming where the link points.
DatedFile DatedFolderState(const std::filesystem::path& folder);

// The files of folder that are the program's own of kind, oldest first: by stamp, then by the
// number a name of the same second took. A stamp later than now cannot be right (the clock
// was set back since): such files count as older than every file of a plausible stamp.
std::vector<std::filesystem::path> DatedFiles(const std::filesystem::path& folder,
                                              const DatedKind& kind, const std::tm& now);

// Removes the program's files of kind beyond the newest `kept` whose stamp is before
// `keepFrom` (a stamp; an empty one keeps none for its age). Nothing else is ever removed.
void PruneDatedFiles(const std::filesystem::path& folder, const DatedKind& kind, std::size_t kept,
                     std::string_view keepFrom, const std::tm& now);

}  // namespace tpw
