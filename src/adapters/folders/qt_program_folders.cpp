#include "adapters/folders/qt_program_folders.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include "session/workspace.h"

namespace tpw {

namespace {

std::filesystem::path PathOf(const QString& folder) {
  return std::filesystem::path(folder.toStdU16String());
}

}  // namespace

ProgramFolders LocateProgramFolders() {
  std::vector<std::filesystem::path> systemData;
  for (const QString& folder :
       QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
    systemData.push_back(PathOf(folder));
  }
  QCoreApplication::setApplicationName(QString::fromLatin1(AppTitle));
  return FindProgramFolders(
      PathOf(QCoreApplication::applicationDirPath()), systemData,
      PathOf(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
}

}  // namespace tpw
