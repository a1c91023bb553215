#include "files/image_backups.h"

#include "files/hex_image_file.h"
#include "image/regions.h"

namespace tpw {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view BackupExtension = ".hex";

}  // namespace

fs::path BackupFolder(const fs::path& userData) {
  return userData / BackupFolderName;
}

DatedFile SaveImageBackup(FileSystem& files, const fs::path& userData, const std::tm& time,
                          std::string_view operation, const MemoryImage& image) {
  const std::string ending = "-" + std::string(operation) + "-" + RegionName(RegionOf(image)) +
                             std::string(BackupExtension);
  return SaveDatedFile(files, BackupFolder(userData), time, ending, ImageFileContent(image));
}

std::vector<fs::path> ImageBackups(const fs::path& userData) {
  return DatedFiles(BackupFolder(userData), BackupExtension);
}

void PruneImageBackups(const fs::path& userData, const std::tm& now) {
  std::tm yearAgo = now;
  yearAgo.tm_year -= 1;
  PruneDatedFiles(BackupFolder(userData), BackupExtension, BackupsKept, DatedStamp(yearAgo));
}

}  // namespace tpw
