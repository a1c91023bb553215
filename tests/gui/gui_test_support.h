#pragma once

#include <QAction>
#include <QApplication>
#include <QStringList>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <memory>

#include "files/settings_store.h"
#include "gui/shell/main_window.h"
#include "support/test_support.h"

namespace tpw::gui {
class TransferDialog;
}

namespace tpw::test {

// The models file of a program folder with the one model QZ815, with ATIS and weather.
inline constexpr const char* kOneModel = "[model1]\r\nuse=1\r\natis=1\r\nwx=1\r\n";

// The common setup panel (pictCommon) refusing to be left, as a channel panel holding an
// invalid frequency does: it shows "Data Error!!" and keeps the user there.
class RefusingPage : public gui::EditorPage {
 public:
  explicit RefusingPage(Prompter& prompter) : prompter_(prompter) {
    setObjectName(QStringLiteral("pictCommon"));
  }
  bool validateBeforeLeave() override {
    prompter_.message(Icon::Exclamation, AppTitle, "Data Error!!\r\nPlease input correct data.");
    return false;
  }

 private:
  Prompter& prompter_;
};

// File dialogs that answer from a script: the next planned path, or cancel when none is left.
class ScriptedFileDialogs : public gui::FileDialogs {
 public:
  QString openDataFile(QWidget*, const QString& in) override { return next(__func__, in); }
  QString saveDataFile(QWidget*, const QString& in) override { return next(__func__, in); }
  QString saveReportFile(QWidget*, const QString& in) override { return next(__func__, in); }
  QString openImageFile(QWidget*, const QString& in) override { return next(__func__, in); }
  QString saveImageFile(QWidget*, const QString& in) override { return next(__func__, in); }
  QString saveDiagnosticsFile(QWidget*, const QString& in) override { return next(__func__, in); }
  QString openChannelTable(QWidget*, const QString& in) override { return next(__func__, in); }
  QString saveChannelTable(QWidget*, const QString& in) override { return next(__func__, in); }
  bool showFolder(const QString& folder) override {
    shownFolders << folder;
    return folderShown;
  }

  QStringList planned;
  QStringList folders;  // the folder each dialog opened in
  QStringList asked;    // the dialogs opened, by the name of their function
  QStringList shownFolders;
  bool folderShown = true;  // whether the file manager shows a folder

 private:
  // The dialog is named by its function.
  QString next(const char* dialog, const QString& folder);
};

// Printers that a test hands over in place of the print dialog: the next planned one, or a
// cancelled dialog when none is left. The preview shows an A4 sheet with 5 mm margins.
class ScriptedPrinters : public gui::PrinterChoice {
 public:
  std::unique_ptr<QPrinter> choosePrinter(QWidget*) override;
  std::unique_ptr<QPrinter> previewPrinter() override;

  // A printer that writes a PDF file (none for the preview), on A4 with 5 mm margins.
  static std::unique_ptr<QPrinter> PdfPrinter(const std::filesystem::path& file);

  std::vector<std::unique_ptr<QPrinter>> planned;
  int dialogs = 0;  // the print dialogs shown
};

// Virtual time whose waits still let the window run, with a hook for the test: each yield
// of a running transfer may press a button.
class EventLoopFakeHost : public FakeHost {
 public:
  void yield() override;
  std::function<void()> onYield;
};

// The system's ports as a test wants them; every port made fails to open, as a port that has
// gone away does, or, when `silent`, opens with nothing at the other end (a radio that is not
// in PC-control mode), its waits passing on the clock.
class FakePortAccess : public gui::PortAccess {
 public:
  std::vector<PortInfo> list() override { return entries; }
  std::unique_ptr<SerialPort> make(const std::string& device) override;

  std::vector<PortInfo> entries;
  std::vector<std::string> made;
  bool silent = false;
  FakeHost* clock = nullptr;
};

// A main window over a test workspace, with recorders for the user, time and logs.
struct GuiFixture {
  explicit GuiFixture(std::filesystem::path dataFolder = {}, bool offerDemo = false);

  TempDir documents;  // the user's documents folder
  TempDir userData;   // the user's data folder: backups, traces
  Workspace workspace;
  RecordingPrompter recorder;
  EventLoopFakeHost host;
  RecordingDiagnostics diagnostics;
  NativeFileSystem files;
  ScriptedFileDialogs dialogs;
  MemorySettingsStore settings;
  FakePortAccess ports;
  ScriptedPrinters printers;
  std::unique_ptr<gui::MainWindow> window;

  Workspace& ws() { return workspace; }
  RecordingPrompter& prompter() { return recorder; }
};

// The action of the main window with that objectName (the first of a control array). An
// action the window lacks comes back as a placeholder that does nothing, so that the test
// fails on what the action should have done instead of crashing.
QAction* FindAction(QWidget& window, const QString& name);
QList<QAction*> FindActions(QWidget& window, const QString& name);

// The last message box or question, or an empty box titled "(no message box)" when none was
// shown.
const RecordingPrompter::Box& LastBox(const RecordingPrompter& prompter);

// The name a screen reader announces for a control: the text of the label that names it (the
// label set as its buddy; a frame's title names no control), else its own accessible name. A
// list box names itself after its shown entry on some systems, so only a label names it
// everywhere. Empty when nothing names the control.
QString SpokenName(QWidget* control);

// The channel positions of a list, in its order.
std::vector<int> Positions(const ChannelList& list);

// The texts of a tree's items, top to bottom.
QStringList TreeTexts(QTreeWidget* tree);

// The transfer dialog's OK; a transfer that failed leaves the dialog open, and Cancel closes
// it. Only presses, never asserts: the test checks once the dialog has closed.
void PressOk(gui::TransferDialog* dialog);
// A transfer from the menu as the user runs it: OK pressed once the dialog is open.
TransferResult TransferWithOk(gui::MainWindow& window, TransferMode mode);

// The text of a tree item or of a grid cell, or "(none)" when there is no such item.
QString TextOf(const QTreeWidgetItem* item);
QString CellText(const QTableWidget& grid, int row, int column);

// A whole form at once, for one comparison instead of one per control. Each name is an
// objectName, "name[i]" for the member i of a control array: the names of the controls that
// are visible, enabled or ticked, and the text each shows (a list's entry, a box's or a
// label's text, a button's caption, a frame's title).
QStringList VisibleOf(QWidget& window, const QStringList& names);
QStringList EnabledOf(QWidget& window, const QStringList& names);
QStringList CheckedOf(QWidget& window, const QStringList& names);
QStringList TextsOf(QWidget& window, const QStringList& names);
// The names of a control array's first count members: "name[0]", "name[1]", ...
QStringList Members(const char* name, int count);

// The control of a window with that objectName and, for a member of a control array, index;
// a missing control ends the suite with its name rather than a crash further on.
template <typename T = QWidget>
T* RequiredControl(QWidget& window, const char* name, int index = -1) {
  for (T* control : window.findChildren<T*>(QString::fromLatin1(name))) {
    if (index < 0 || control->property("index").toInt() == index) return control;
  }
  qFatal("no control %s(%d)", name, index);
}

// A dark palette, as a desktop's dark theme sets it, and a high-contrast one (white on black),
// for Fusion: what is drawn by hand must read in both.
QPalette DarkPalette();
QPalette HighContrastPalette();

// Runs action on the next modal dialog of type T once it is open (from within its exec()).
template <typename T>
void WhenModalOpens(std::function<void(T*)> action) {
  QTimer::singleShot(0, [action] {
    if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
      action(dialog);
    } else {
      WhenModalOpens<T>(action);
    }
  });
}

}  // namespace tpw::test
