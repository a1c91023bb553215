#include "files/image_backups.h"

#include "files/hex_image_file.h"
#include "image/regions.h"

namespace tpw {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view BackupExtension = ".hex";
// The regions a backup can be named after: 0 to 5 and the USA.
constexpr std::array<int, 7> BackupRegions = {0, 1, 2, 3, 4, 5, UsaRegion};

std::string BackupEnding(std::string_view operation, int region) {
  return "-" + std::string(operation) + "-" + RegionName(region) + std::string(BackupExtension);
}

const DatedKind& Backups() {
  static const DatedKind kind = [] {
    DatedKind backups;
    for (const char* operation : BackupOperations) {
      for (const int region : BackupRegions) {
        backups.endings.push_back(BackupEnding(operation, region));
      }
    }
    backups.size = ImageSize;
    return backups;
  }();
  return kind;
}

}  // namespace

fs::path BackupFolder(const fs::path& userData) {
  return userData / BackupFolderName;
}

DatedFile SaveImageBackup(FileSystem& files, const fs::path& userData, const std::tm& time,
                          std::string_view operation, const MemoryImage& image) {
  return SaveDatedFile(files, BackupFolder(userData), time,
                       BackupEnding(operation, RegionOf(image)), ImageFileContent(image));
}

std::vector<fs::path> ImageBackups(const fs::path& userData, const std::tm& now) {
  return DatedFiles(BackupFolder(userData), Backups(), now);
}

void PruneImageBackups(const fs::path& userData, const std::tm& now) {
  std::tm yearAgo = now;
  yearAgo.tm_year -= 1;
  PruneDatedFiles(BackupFolder(userData), Backups(), BackupsKept, DatedStamp(yearAgo), now);
}

}  // namespace tpw
