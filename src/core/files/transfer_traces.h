#pragma once

#include <ctime>
#include <filesystem>
#include <optional>
#include <string_view>

#include "files/dated_files.h"

// The traces of the last transfers, for support: one text file per transfer in "traces" in the
// user's data folder, named by date, time and operation ("2026-12-07T14-03-22-write.txt"); the
// newest TracesKept stay.
namespace tpw {

inline constexpr const char* TraceFolderName = "traces";
inline constexpr std::size_t TracesKept = 20;

// Saves a transfer's trace and removes the oldest beyond TracesKept.
DatedFile SaveTransferTrace(FileSystem& files, const std::filesystem::path& userData,
                            const std::tm& time, std::string_view operation, std::string_view text);

// The newest trace, when there is one.
std::optional<std::filesystem::path> LatestTransferTrace(const std::filesystem::path& userData);

}  // namespace tpw
