#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace tpw {

// Writes the whole content to a temporary file beside the target and renames it over the
// target, so a failed save never leaves a half-written file in place of the previous one.
// Returns an empty error on success.
std::error_code WriteFileAtomically(const std::filesystem::path& target, std::string_view content);

// Reads a whole file; an error when it cannot be opened or read.
std::error_code ReadWholeFile(const std::filesystem::path& path, std::string& content);

// "<number><description>", the form in which failures are logged.
std::string NumberedDescription(const std::error_code& error);

}  // namespace tpw
