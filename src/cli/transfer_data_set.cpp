#include "cli/transfer_data_set.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include "adapters/serial/qt_serial_port.h"

namespace tpw::cli {

std::filesystem::path ProgramFolder() {
  serial::QtRuntime qt;
  return QCoreApplication::applicationDirPath().toStdString();
}

std::filesystem::path UserDataFolder() {
  serial::QtRuntime qt;
  QCoreApplication::setApplicationName(AppTitle);
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
}

}  // namespace tpw::cli
