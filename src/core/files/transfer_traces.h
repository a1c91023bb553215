#pragma once

#include <array>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string_view>

#include "files/dated_files.h"

// The traces of the last transfers, for support: one text file per transfer in "traces" in the
// user's data folder, named by date, time and operation ("2026-12-07T14-03-22-write.txt"),
// their owner's alone (they hold every byte read and written); the newest TracesKept stay.
namespace tpw {

inline constexpr const char* TraceFolderName = "traces";
inline constexpr std::size_t TracesKept = 20;
// The operations a trace is named after.
inline constexpr std::array<const char*, 3> TraceOperations = {"read", "write", "clear-atis"};
// Every trace begins with it.
inline constexpr const char* TraceOpening = "Transfer: ";

// Saves a transfer's trace (text begins with TraceOpening; operation is one of
// TraceOperations).
DatedFile SaveTransferTrace(FileSystem& files, const std::filesystem::path& userData,
                            const std::tm& time, std::string_view operation, std::string_view text);

// Removes the oldest traces beyond TracesKept; only files the program made are ever removed.
void PruneTransferTraces(const std::filesystem::path& userData, const std::tm& now);

// The newest trace, when there is one.
std::optional<std::filesystem::path> LatestTransferTrace(const std::filesystem::path& userData,
                                                         const std::tm& now);

}  // namespace tpw
