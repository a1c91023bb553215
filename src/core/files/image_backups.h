#pragma once

#include <array>
#include <ctime>
#include <filesystem>
#include <string_view>
#include <vector>

#include "files/dated_files.h"
#include "image/memory_image.h"

// The radio images the program keeps by itself, in "backups" in the user's data folder, named
// by date, time, operation and region: "2026-12-07T14-03-22-read-UK.hex". They are image
// files, opened like any other, and their owner's alone.
namespace tpw {

inline constexpr const char* BackupFolderName = "backups";
// Pruning keeps this many of the newest backups, and every backup younger than a year.
inline constexpr std::size_t BackupsKept = 200;
// The operations a backup is named after: the image read, the radio's memory read before a
// write, the image written.
inline constexpr std::array<const char*, 3> BackupOperations = {"read", "before-write", "write"};

std::filesystem::path BackupFolder(const std::filesystem::path& userData);

// Saves image as a new backup of operation (one of BackupOperations); the region in the name
// is the image's own.
DatedFile SaveImageBackup(FileSystem& files, const std::filesystem::path& userData,
                          const std::tm& time, std::string_view operation,
                          const MemoryImage& image);

// The backups the program made, oldest first; nothing else in the folder counts as one.
std::vector<std::filesystem::path> ImageBackups(const std::filesystem::path& userData,
                                                const std::tm& now);

// Removes the backups beyond the newest BackupsKept that are a year old or older at now.
// Only files the program made are ever removed: a name it gives, 2048 bytes of a regular file.
void PruneImageBackups(const std::filesystem::path& userData, const std::tm& now);

}  // namespace tpw
