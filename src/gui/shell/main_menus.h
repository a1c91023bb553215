#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>
#include <array>

#include "files/recent_files.h"
#include "link/port_selection.h"
#include "shell/model_definition.h"

namespace tpw::gui {

// The menu bar and the toolbar of the main window. Every entry carries its control name as
// objectName; the entries of a control array share one name and carry their index in the
// "index" property.
struct MainMenus {
  static constexpr int DestinationEntries = 11;

  QMenu* file = nullptr;
  QAction* fileNew = nullptr;
  QAction* fileOpen = nullptr;
  // The differences between the data set and a file, or the radio (in the Transfer menu).
  QAction* fileCompare = nullptr;
  QAction* fileSave = nullptr;
  QAction* fileSaveAs = nullptr;
  QAction* fileSaveAsDefault = nullptr;
  QAction* filePrint = nullptr;
  QAction* filePrintPreview = nullptr;
  QAction* filePrintToFile = nullptr;
  // The recent files, the newest first, above Exit; hidden while unused.
  std::array<QAction*, RecentFiles::Limit> recentFiles{};
  QAction* recentSeparator = nullptr;
  QAction* fileExit = nullptr;

  QMenu* edit = nullptr;
  QMenu* editModel = nullptr;
  std::array<QAction*, ModelMenuEntries> modelTypes{};

  QMenu* transfer = nullptr;
  QAction* transferProgram = nullptr;
  QAction* transferRead = nullptr;
  QAction* transferCompare = nullptr;
  QAction* transferTestConnection = nullptr;

  QMenu* destination = nullptr;
  std::array<QAction*, DestinationEntries> destinations{};

  QMenu* options = nullptr;
  QMenu* serialPort = nullptr;
  std::array<QAction*, PortMenuSize> ports{};
  // A write reads the whole radio first and keeps it as a backup; remembered, off at first.
  QAction* readFirst = nullptr;
  QAction* verify = nullptr;
  QAction* hexdump = nullptr;
  // The image files of the diagnostic mode (Ctrl+F2, Ctrl+F3), shown only in that mode.
  QAction* openImage = nullptr;
  QAction* saveImage = nullptr;

  QMenu* help = nullptr;
  QAction* helpContents = nullptr;
  // The backups folder in the system's file manager; the file for a support request.
  QAction* helpBackups = nullptr;
  QAction* helpDiagnostics = nullptr;
  QAction* helpAbout = nullptr;

  QToolBar* toolBar = nullptr;

  // Builds the menus into the window's menu bar and the toolbar above the panes.
  static MainMenus Build(QMainWindow& window);
};

}  // namespace tpw::gui
