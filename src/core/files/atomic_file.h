#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace tpw {

// The largest text file the program reads (a channel data file, "global.ini"): anything
// larger is no file of the program's, and is refused by its size before it is read.
inline constexpr std::uintmax_t TextFileLimit = 1024 * 1024;

// Writes the whole content to a temporary file beside the target and renames it over the
// target, so a failed save never leaves a half-written file in place of the previous one.
// Returns an empty error on success, else the system's own reason (no such folder, disk full).
std::error_code WriteFileAtomically(const std::filesystem::path& target, std::string_view content);

// Whether a file could be saved at target, tried the way a save starts (a folder in its
// place, a missing or read-only folder), without touching the target.
std::error_code CheckFileCanBeSaved(const std::filesystem::path& target);

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
