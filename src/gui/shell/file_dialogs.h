#pragma once

#include <QString>
#include <QWidget>

namespace tpw::gui {

// The file dialogs the main window opens. Each returns the chosen path, or an empty text
// when the user cancelled. Tests answer them from a script.
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  virtual QString openDataFile(QWidget* parent, const QString& folder) = 0;
  virtual QString saveDataFile(QWidget* parent, const QString& folder) = 0;
  // The report window's Save As: a text file, the overwrite confirmed.
  virtual QString saveReportFile(QWidget* parent, const QString& folder) = 0;
  // The image files of the diagnostic mode: an existing file to open, a file to save.
  virtual QString openImageFile(QWidget* parent, const QString& folder) = 0;
  virtual QString saveImageFile(QWidget* parent, const QString& folder) = 0;
  // Help > Save Diagnostics...: a text file, the overwrite confirmed.
  virtual QString saveDiagnosticsFile(QWidget* parent, const QString& folder) = 0;
  // File > Import Channels... and Export Channels...: a table of channels (.csv).
  virtual QString openChannelTable(QWidget* parent, const QString& folder) = 0;
  virtual QString saveChannelTable(QWidget* parent, const QString& folder) = 0;
  // Shows a folder in the system's file manager; false when none could show it.
  virtual bool showFolder(const QString& folder) = 0;
};

class QtFileDialogs : public FileDialogs {
 public:
  QString openDataFile(QWidget* parent, const QString& folder) override;
  QString saveDataFile(QWidget* parent, const QString& folder) override;
  QString saveReportFile(QWidget* parent, const QString& folder) override;
  QString openImageFile(QWidget* parent, const QString& folder) override;
  QString saveImageFile(QWidget* parent, const QString& folder) override;
  QString saveDiagnosticsFile(QWidget* parent, const QString& folder) override;
  QString openChannelTable(QWidget* parent, const QString& folder) override;
  QString saveChannelTable(QWidget* parent, const QString& folder) override;
  bool showFolder(const QString& folder) override;
};

}  // namespace tpw::gui
