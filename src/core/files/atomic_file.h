#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "session/file_system.h"

namespace tpw {

// The largest text file the program reads (a channel data file, "global.ini"): anything
// larger is no file of the program's, and is refused by its size before it is read.
inline constexpr std::uintmax_t TextFileLimit = 1024 * 1024;

// Why a save refuses a target that the system itself would let it replace: the rename of a
// save puts a regular file in the place of whatever stands there.
enum class SaveRefusal {
  Device = 1,  // a device node (/dev/null, a disk, a serial port)
  Pipe,        // a named pipe (FIFO)
  Socket,
  OtherKind,  // anything else that is no regular file
  ReadOnly,   // a file the user may not write, which cp would not replace either
};
const std::error_category& SaveRefusalCategory();
std::error_code make_error_code(SaveRefusal refusal);

// The file a save to path writes once symbolic links are followed; path itself when it is no
// link. A link to nothing names the file it points to.
std::filesystem::path FollowLinks(const std::filesystem::path& path);

// Writes the whole content to a new temporary file beside the target, flushed to the disk,
// and renames it over the target, then flushes the folder: neither a failed save nor a power
// cut leaves a half-written file in place of the previous one. A target that is a symbolic
// link stays one (the file it points to is replaced) and the target's permissions are kept.
// Only a regular file the user may write, or a name where nothing is yet, is replaced: a
// folder (is_a_directory), a device, a pipe or a socket, or a read-only file (a SaveRefusal)
// is refused before anything is written. The temporary file has a short hidden name
// (".tpw52-XXXXXXXX.tmp"), so a target whose name takes all the system allows is saved too.
// Returns an empty error on success, else the system's own reason (no such folder, disk
// full); the previous file is then whole and no temporary file is left.
std::error_code WriteFileAtomically(FileSystem& files, const std::filesystem::path& target,
                                    std::string_view content);

// The same for a file that must be new: file_exists when the name is taken, even by a file
// another program saved a moment before. Nothing is replaced. The file takes `permissions`,
// or a new file's usual ones when they are unknown.
std::error_code CreateFileAtomically(
    FileSystem& files, const std::filesystem::path& target, std::string_view content,
    std::filesystem::perms permissions = std::filesystem::perms::unknown);

// Whether a file could be saved at target, tried the way a save starts (a folder, a device or
// a read-only file in its place, a missing or read-only folder), without touching the target.
std::error_code CheckFileCanBeSaved(FileSystem& files, const std::filesystem::path& target);

// The size of a regular file; is_a_directory for a folder, no_such_file_or_directory for a
// missing path or anything that is not a file.
std::error_code RegularFileSize(const std::filesystem::path& path, std::uintmax_t& size);

// Reads a whole regular file of at most limit bytes; a larger one is refused by its size
// (file_too_large) before anything is read.
std::error_code ReadWholeFile(const std::filesystem::path& path, std::string& content,
                              std::uintmax_t limit);

// "<number><description>", the form in which failures are logged.
std::string NumberedDescription(const std::error_code& error);

}  // namespace tpw

template <>
struct std::is_error_code_enum<tpw::SaveRefusal> : std::true_type {};
