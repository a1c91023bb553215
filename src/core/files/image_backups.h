#pragma once

#include <ctime>
#include <filesystem>
#include <string_view>
#include <vector>

#include "files/dated_files.h"
#include "image/memory_image.h"

// The radio images the program keeps by itself, in "backups" in the user's data folder, named
// by date, time, operation and region: "2026-12-07T14-03-22-read-UK.hex". They are image
// files, opened like any other.
namespace tpw {

inline constexpr const char* BackupFolderName = "backups";
// Pruning keeps this many of the newest backups, and every backup younger than a year.
inline constexpr std::size_t BackupsKept = 200;

std::filesystem::path BackupFolder(const std::filesystem::path& userData);

// Saves image as a new backup of operation ("read", "before-write", "write"); the region in
// the name is the image's own.
DatedFile SaveImageBackup(FileSystem& files, const std::filesystem::path& userData,
                          const std::tm& time, std::string_view operation,
                          const MemoryImage& image);

// The backups, oldest first.
std::vector<std::filesystem::path> ImageBackups(const std::filesystem::path& userData);

// Removes the backups beyond the newest BackupsKept that are a year old or older at now.
void PruneImageBackups(const std::filesystem::path& userData, const std::tm& now);

}  // namespace tpw
