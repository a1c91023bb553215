#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QSplitter>
#include <QTimer>
#include <filesystem>
#include <optional>

#include "files/recent_files.h"
#include "files/settings_store.h"
#include "gui/editor/channel_list_commands.h"
#include "gui/editor/editor_pane.h"
#include "gui/link/demo_radio.h"
#include "gui/link/hex_dump_view.h"
#include "gui/link/port_access.h"
#include "gui/link/serial_port_menu.h"
#include "gui/report/comparison_window.h"
#include "gui/report/report_printing.h"
#include "gui/shell/edit_actions.h"
#include "gui/shell/file_dialogs.h"
#include "gui/shell/main_menus.h"
#include "gui/shell/twips.h"
#include "link/transfer.h"
#include "session/workspace.h"
#include "shell/destinations.h"

namespace tpw::gui {

// What the main window needs from outside: the user, time, logs, the file dialogs, the
// printers and the folders of the program's data and of the user's documents.
struct MainWindowServices {
  Prompter& prompter;
  Host& host;
  Diagnostics& diagnostics;
  FileSystem& files;
  FileDialogs& dialogs;
  SettingsStore& settings;
  PortAccess& ports;
  PrinterChoice& printers;
  std::filesystem::path dataFolder;        // "global.ini" and the destination templates
  bool offerDemo = false;                  // "/DEMO": the simulated radio is one of the ports
  std::filesystem::path documentsFolder;   // where file dialogs open without a recent file
  std::filesystem::path userDataFolder;    // the backups and the transfer traces
  std::filesystem::path programLogFolder;  // err.log beside the program, when it is written there
};

// The main window (frmMain): menus, toolbar, status bar, the navigation tree and the panels.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(Workspace& ws, MainWindowServices services, QWidget* parent = nullptr);

  Workspace& workspace() { return ws_; }
  EditorPane& editor() { return *editor_; }
  const MainMenus& menus() const { return menus_; }
  Context context() { return contextOn(ws_); }
  // The user, time, logs and disk of the window over another workspace.
  Context contextOn(Workspace& ws) {
    return {ws, services_.prompter, services_.host, services_.diagnostics, services_.files};
  }

  // The load sequence: models, capabilities, menus and the first data set. False when no
  // model is offered; the user has been told and the program ends.
  bool load();

  // What a reset of the editor starts the data set from.
  enum class EditorReset {
    NewDataSet,  // the default image and the remembered destination (at start and for New)
    KeepImage,   // the image and the settings as they are: a channel data file was just read
  };
  // Brings the editor to the start state of a data set: every panel empty, the tree built with
  // General selected, no document.
  void resetEditor(EditorReset reset);
  // The same from the default image and the destination of a menu entry.
  void resetEditorToDestination(int entry);
  // True when the shown panel may be left; every command on the whole data set asks first.
  bool validateBeforeLeave();
  void refreshTitle();
  void setHint(const QString& hint);
  QString hint() const { return hintPanel_->text(); }
  HexDumpView* hexView() const { return hexView_; }
  // Runs the reset of New once the menu has closed.
  QTimer* newDataSetTimer() const { return newDataSetTimer_; }

  // The commands of the menus.
  void fileNew();
  void fileOpen();
  // Done when the settings were saved; cancelled when no file was chosen.
  Outcome fileSave();
  Outcome fileSaveAs();
  // Opens a channel data file as File > Open does once the file is chosen: from the command
  // line, a drop on the window or the recent files. An empty path asks with the dialog.
  void openFile(const QString& path);
  void openRecentFile(int entry);
  const RecentFiles& recentFiles() const { return recent_; }
  // The report: on the printer, in the print preview, and in the report window (Print to File).
  void filePrint();
  void filePrintPreview();
  void filePrintToFile();
  // The image files of the diagnostic mode: Ctrl+F2 opens one, Ctrl+F3 saves the image.
  void openImageFile();
  void saveImageFile();
  void chooseModel(int entry);
  void transferRead();
  void transferProgram();
  // File > Compare With File... and Transfer > Compare With Radio: the differences in the
  // comparison window; the data set stays as it is.
  void compareWithFile();
  void compareWithRadio();
  void testConnection();
  ComparisonWindow* comparisonWindow() const { return comparison_; }
  // Goes to the node and row of a setting, as a double click in the comparison asks.
  void goToSetting(const QString& nodeKey, int row);
  // "ATIS Clear" of the Common Setup page: erases the code in the radio and on the PC.
  void clearAtis();
  // Opens the transfer dialog in a mode on the chosen port and returns what it did. The
  // transfer works on the data set, or on target (a copy the comparison reads the radio into).
  TransferResult runTransfer(TransferMode mode);
  // The port of the SerialPort menu: a device made into `device`, or the demo radio.
  SerialPort& chosenPort(std::unique_ptr<SerialPort>& device);
  TransferResult runTransfer(TransferMode mode, Workspace& target);
  SerialPortMenu& portMenu() { return *portMenu_; }
  DemoRadio* demoRadio() const { return demo_.get(); }
  void chooseDestination(int entry);
  void helpContents();
  // Help > Show Backups Folder: the folder in the system's file manager, made when missing.
  void helpShowBackups();
  // Help > Save Diagnostics...: one text file for a support request; the radio's data only
  // when the user agrees.
  void helpSaveDiagnostics();
  void helpAbout();
  void toggleHexdump();
  // The Edit menu's Undo and Redo, and the tables of channels of the File menu
  // (main_window_edit.cpp).
  void editUndo();
  void editRedo();
  void exportChannels();
  void importChannels();
  const EditActions& editActions() const { return edits_; }
  ChannelListCommands& listCommands() { return *listCommands_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The unload sequence: the save question, then the window placement is recorded.
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void buildPanes();
  // The Common Setup and Weather pages in place of their empty pages.
  void installSetupPages();
  void buildStatusBar();
  // The tree pane as wide as its longest node, the window as wide as its widest page.
  void fitPanes();
  void connectCommands();
  void connectEditCommands();
  // Shows the data set after Undo or Redo put a step's side back.
  void showRestoredStep(const ChangeReport& step);
  void newDataSetNow();
  // New and a destination choice: the General page, a short rest, then the new data set
  // (the remembered destination, or the one given) replaces the old one without a question.
  void replaceDataSet(std::optional<int> destination);
  // The end of every reset of the editor: panels, tree, hint, document and title.
  void showStartState();
  // The model's name in the status bar, and only the offered models in the model menu.
  void showCurrentModel();
  void setUpModelMenu(const std::vector<int>& offered);
  void refreshDestinationMenu();
  // Saves the settings as the document at path; an empty path (a cancelled dialog) saves
  // nothing.
  Outcome saveDocumentTo(const QString& path);
  // Opens an image file in place of the image (File > Open with a .hex file, Ctrl+F2).
  void openImageAt(const QString& path);
  // After the image was replaced as a whole (a read, an opened image file): the General node,
  // the tree, grids and panels, the title and the hex dump show it; the destination menu
  // follows an accepted region change.
  void showReplacedImage(bool regionChangeAccepted);
  // The comparison window with the differences from other, named otherName; it replaces the
  // one shown before.
  void showComparison(const Workspace& other, const QString& otherName);
  void rememberFile(const QString& path);
  void refreshRecentMenu();
  QString dialogFolder() const;
  bool unloadAccepted();
  void storeWindowPlacement();
  std::filesystem::path modelDefinitionFile() const;

  Workspace& ws_;
  MainWindowServices services_;
  MainMenus menus_;
  EditActions edits_;
  ChannelListCommands* listCommands_ = nullptr;
  EditorPane* editor_ = nullptr;
  QSplitter* splitter_ = nullptr;
  HexDumpView* hexView_ = nullptr;
  QLabel* hintPanel_ = nullptr;
  QLabel* portPanel_ = nullptr;
  QLabel* modelPanel_ = nullptr;
  QTimer* newDataSetTimer_ = nullptr;
  DestinationMenu destinations_;
  RecentFiles recent_;
  // The image file last opened: its name is the document's in the title, but File > Save
  // writes channel data text, so it asks for a data file name rather than write over it.
  std::string openedImagePath_;
  SerialPortMenu* portMenu_ = nullptr;
  std::unique_ptr<DemoRadio> demo_;
  QPointer<ComparisonWindow> comparison_;
};

// The smallest window the user may make (9105 × 7000 twips), also its size at start, and the
// width each pane keeps at least (2500 twips).
inline constexpr QSize MainWindowMinimum{PixelsCovering(9105), PixelsCovering(7000)};
inline constexpr int SplitterMinimum = PixelsCovering(2500);

}  // namespace tpw::gui
