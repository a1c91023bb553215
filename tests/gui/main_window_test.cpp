// The main window. Over a data set of the test: its menus and toolbar, panes and status bar,
// New, the refusals of a panel holding a bad value, Help and the hex dump; and, as a user meets
// them in the window, Undo and Redo, the rows of a channel list on the clipboard, their order,
// and the tables of channels of the File menu. Over a program folder made by the test:
// start-up and unload, the model and destination menus and the File commands. Channel data
// files opened from outside the Open dialog (the file named on the command line, a file
// dropped on the window, the recent files of the File menu) end exactly as File > Open ends
// with the same file. The image files of the diagnostic mode: Ctrl+F3 saves the image, Ctrl+F2
// opens one; a refused file changes nothing, an opened one replaces the data set as a read
// from the radio does. The report window (Print to File), printing and the print preview: what
// the user gets on screen, in a text file and on paper, and that none of it changes the data
// set. Reading, programming and clearing ATIS through the transfer dialog against the
// simulated radio, and the serial port menu.
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QUrl>

#include "adapters/print/report_painter.h"
#include "core/sample_records.h"
#include "files/data_file.h"
#include "files/settings_store.h"
#include "gui/editor/channel_grid_widget.h"
#include "gui/link/transfer_dialog.h"
#include "gui/link/write_changes_dialog.h"
#include "gui/report/print_preview.h"
#include "gui/report/report_window.h"
#include "gui_test_support.h"
#include "image/channel_tables.h"
#include "image/display_text.h"
#include "image/memory_map.h"
#include "image/regions.h"
#include "link/port_help.h"
#include "report/text_report.h"
#include "sim/radio_simulator.h"
#include "support/pdf_text.h"

using namespace tpw;
using namespace tpw::test;
using tpw::gui::ChannelGridWidget;
using tpw::gui::TransferDialog;

namespace {

// A window over a data set with five USA channels (the priority channel is 72, the fourth)
// and three EXP channels, every group usable.
std::unique_ptr<GuiFixture> WindowWithChannels() {
  auto f = std::make_unique<GuiFixture>();
  f->window->resetEditor(gui::MainWindow::EditorReset::NewDataSet);
  SettingsModel& m = f->ws().model;
  for (int position : {6, 16, 22, 72, 88})
    m.CHUSA.append(PlanRecord(position, 2, true, false, false));
  for (const char* name : {"A1", "B2", "C3"}) m.CHEXP.append(FreeRecord(name, 157.0, 157.0));
  const char* labels[] = {"USA", "INT", "CAN", "EXP"};
  for (int g = 0; g < GroupCount; ++g) m.groups[g] = {true, g == 0 ? 4 : 65535, labels[g]};
  m.groups[3].priorityChannel = 2;
  f->window->editor().rebuildTree();
  f->window->show();
  // The window's keys reach the window that is active.
  QApplication::setActiveWindow(f->window.get());
  return f;
}

QString Text(QAction* action) {
  return action->text().remove('&');
}

QStringList Captions(QMenu* menu) {
  QStringList captions;
  for (QAction* action : menu->actions()) {
    captions << (action->isSeparator() ? QString("-") : action->text());
  }
  return captions;
}

QString Where(const QRect& r) {
  return QString("%1x%2 at %3,%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
}

const char* kOneModelUsedByNumber = "[model1]\r\nuse=#1\r\natis=1\r\nwx=1\r\n";
const char* kTwoModels = "[model1]\r\nuse=1\r\nwx=1\r\n[model2]\r\nuse=1\r\n";

// A destination template: a valid image of the region, with one usable group holding a
// channel, so that a load shows in the tree.
void WriteTemplate(const TempDir& dir, const std::string& name, std::uint8_t region) {
  MemoryImage image = ValidImage(region);
  image.set(addr::UsableGroups, 0x80);  // group 0
  WriteBytes(dir / (name + "_012D.ini"), ImageAsString(image));
}

QStringList Visible(const QList<QAction*>& actions) {
  QStringList captions;
  for (QAction* a : actions) {
    if (a->isVisible()) captions << a->text() + (a->isChecked() ? "*" : "");
  }
  return captions;
}

// What the user sees and keeps after opening a file.
struct Seen {
  std::vector<std::string> messages;
  std::vector<int> usaPositions;
  QString title;
  bool dataChanged = false;
  bool operator==(const Seen&) const = default;
};

QString Path(const std::filesystem::path& path) {
  return QString::fromStdString(path.string());
}

constexpr int kUninterpreted = 0x0A5;  // a byte no setting covers

std::string FirstLine(const std::string& text) {
  return text.substr(0, text.find("\r\n"));
}

// What a refused file must leave as it was.
struct DataSetView {
  std::string image;
  SettingsModel model;
  std::string documentPath;
  QString title;
  QString node;
  bool dataChanged = false;
  bool operator==(const DataSetView&) const = default;
};

// A full USA group: longer than one A4 sheet.
void FillUsaGroup(SettingsModel& model) {
  model.CHUSA.clear();
  for (int i = 0; i < 96; ++i) {
    ChannelRecord record{static_cast<std::int16_t>(i % MarineChannelCount), true};
    record.txEnabled = true;
    model.CHUSA.append(record);
  }
}

// What runs inside the open dialog only looks and presses, and never asserts: a check that
// returned early would leave the modal dialog open. The test checks after the dialog closed.
// A button the dialog lacks ends the suite with its name instead of leaving it waiting.
void PressButton(TransferDialog* dialog, const char* name) {
  RequiredControl<QPushButton>(*dialog, name)->click();
}

// The progress of the open transfer dialog, or -1 when none is open.
int ShownProgress() {
  auto* dialog = qobject_cast<TransferDialog*>(QApplication::activeModalWidget());
  auto* progress = dialog != nullptr ? dialog->findChild<gui::TransferProgress*>() : nullptr;
  return progress != nullptr ? progress->percent() : -1;
}

// What the dialog showed once OK had run: still open, with OK usable again, as a failed or
// cancelled transfer leaves it for another try. Cancel then closes it.
struct AfterOk {
  bool open = false;
  bool okAgain = false;
};
void PressOkThenCancel(AfterOk& seen) {
  WhenModalOpens<TransferDialog>([&seen](TransferDialog* d) {
    PressButton(d, "cmdOK");
    seen = {d->isVisible(),
            d->isVisible() && RequiredControl<QPushButton>(*d, "cmdOK")->isEnabled()};
    PressButton(d, "cmdCancel");
  });
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::unique_ptr<GuiFixture> f;
  QAction* action(const char* name) { return FindAction(*f->window, QString::fromLatin1(name)); }
  ChannelGridWidget* grid(GuiFixture& w) {
    return w.window->findChild<ChannelGridWidget*>("MSFlexGrid1");
  }
  void show(GuiFixture& w, const char* key, int first, int count = 1) {
    w.window->editor().selectNodeByKey(QString::fromLatin1(key));
    grid(w)->selectRecords(first, count);
  }

  void start(const char* globalIni, bool withTemplates = true) {
    if (globalIni != nullptr) WriteBytes(*dir / "global.ini", globalIni);
    if (withTemplates) {
      WriteTemplate(*dir, "QZ815_USA", 0xFF);
      WriteTemplate(*dir, "QZ815_UK", 1);
      WriteBytes(*dir / "QZ815_ZZ_012D.ini", "short");
    }
    f = std::make_unique<GuiFixture>(dir->path());
    f->ports.entries = {{"/dev/ttyUSB0", "FT232R USB UART"}};
  }
  QList<QAction*> destinations() { return FindActions(*f->window, "mnuDestinationChild"); }
  // The destination entry with that caption, or a placeholder that does nothing.
  QAction* destination(const char* caption) {
    for (QAction* a : destinations()) {
      if (a->text() == caption) return a;
    }
    return FindAction(*f->window, QString::fromLatin1(caption));
  }
  // The text of a child of "Programmable Channel".
  QString programChildText(int row) {
    const QTreeWidgetItem* program = f->window->editor().tree()->topLevelItem(1);
    return TextOf(program != nullptr ? program->child(row) : nullptr);
  }

  // A window over a folder with the USA template alone, its lists no longer than a radio's, so
  // that a data file saved from it reads back without a warning.
  std::unique_ptr<GuiFixture> started() {
    WriteBytes(*dir / "global.ini", kOneModel);
    MemoryImage image = WithRadioListLengths(ValidImage(UsaRegion));
    image.set(addr::UsableGroups, 0x80);
    WriteBytes(*dir / "QZ815_USA_012D.ini", ImageAsString(image));
    auto w = std::make_unique<GuiFixture>(dir->path());
    w->ports.entries = {{"/dev/ttyUSB0", "FT232R USB UART"}};
    if (!w->window->load()) return nullptr;
    return w;
  }
  // A data file whose USA group holds the channel at position, saved by the program itself.
  QString savedDataFile(const std::string& name, int position) {
    auto w = started();
    w->ws().model.CHUSA.clear();
    w->ws().model.CHUSA.append(ChannelRecord{static_cast<std::int16_t>(position), true});
    const QString path = Path(*dir / name);
    w->dialogs.planned << path;
    w->window->fileSaveAs();
    return path;
  }
  static Seen SeenAfter(GuiFixture& w) {
    Seen outcome{w.prompter().texts(), {}, w.window->windowTitle(), w.ws().flags.DataChanged};
    for (const ChannelRecord& record : w.ws().model.CHUSA) {
      outcome.usaPositions.push_back(record.position);
    }
    return outcome;
  }
  // The outcome of File > Open with the file chosen in the dialog.
  Seen throughTheDialog(const QString& path) {
    auto w = started();
    w->dialogs.planned << path;
    w->window->fileOpen();
    return SeenAfter(*w);
  }
  QList<QAction*> recentEntries(GuiFixture& w) { return FindActions(*w.window, "mnuFileRecent"); }

  // Starts on the UK template beside the NL one, in the diagnostic mode or not.
  void startWithImages(bool debug) {
    WriteBytes(*dir / "global.ini", kOneModel);
    WriteBytes(*dir / "QZ815_UK_012D.ini", ImageAsString(ValidImage(1)));
    WriteBytes(*dir / "QZ815_NL_012D.ini", ImageAsString(ValidImage(3)));
    f = std::make_unique<GuiFixture>(dir->path());
    f->ports.entries = {{"/dev/ttyUSB0", "FT232R USB UART"}};
    f->settings.write("IniFilePath", "IniFileName_1", "QZ815_UK");
    f->ws().options.DebugMode = debug;
    QVERIFY(f->window->load());
    f->window->show();
    f->window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
  }
  void press(Qt::Key key) { QTest::keyClick(f->window.get(), key, Qt::ControlModifier); }
  QString plan(const std::string& name) {
    f->dialogs.planned << Path(*dir / name);
    return f->dialogs.planned.last();
  }
  DataSetView view() {
    return {ImageAsString(f->ws().image),
            f->ws().model,
            f->ws().documentPath,
            f->window->windowTitle(),
            TextOf(f->window->editor().tree()->currentItem()),
            f->ws().flags.DataChanged};
  }
  // A window over the USA template with a small data set: one USA channel, one RG channel,
  // the weather channels.
  void startSmallDataSet() {
    WriteBytes(*dir / "global.ini", kOneModel);
    WriteBytes(*dir / "QZ815_USA_012D.ini", ImageAsString(ValidImage()));
    f = std::make_unique<GuiFixture>(dir->path());
    f->ports.entries = {{"/dev/ttyUSB0", "FT232R USB UART"}};
    QVERIFY(f->window->load());
    f->window->show();
    for (ListId list : {ListId::CHUSA, ListId::CHINT, ListId::CHCAN, ListId::CHEXP}) {
      f->ws().model.list(list).clear();
    }
    f->ws().model.CHUSA.append(ChannelRecord{16, true});
    f->ws().model.CHRG.clear();
    f->ws().model.CHRG.append(ChannelRecord{});
  }
  // The report window over the fixture's data set, its report built.
  std::unique_ptr<gui::ReportWindow> builtWindow() {
    auto window =
        std::make_unique<gui::ReportWindow>(f->window->context(), f->dialogs, Path(dir->path()));
    window->show();
    QSignalSpy built(window.get(), &gui::ReportWindow::reportBuilt);
    if (!window->isReportBuilt()) built.wait();
    return window;
  }
  static QAction* saveAs(gui::ReportWindow& window) {
    return window.findChild<QAction*>(QStringLiteral("mnuFileSave"));
  }
  // Shows the print preview from the File menu and runs check on it once it is open.
  void inPreview(std::function<void(gui::PrintPreview&)> check) {
    WhenModalOpens<gui::PrintPreview>([check](gui::PrintPreview* preview) {
      check(*preview);
      if (preview->isVisible()) preview->reject();
    });
    action("mnuFilePrintPreview")->trigger();
  }

  TransferResult transfer(TransferMode mode) { return TransferWithOk(*f->window, mode); }
  std::vector<std::string> texts() { return f->prompter().texts(); }
  // A window over a UK template of one usable group, for the transfers.
  void startTransfers(bool demo, bool debug = false) {
    WriteBytes(*dir / "global.ini", kOneModel);
    MemoryImage image = sim::FactoryMemory(ValidImage(1));  // a template carries the product code
    image.set(addr::UsableGroups, 0x80);
    WriteBytes(*dir / "QZ815_UK_012D.ini", ImageAsString(image));
    f = std::make_unique<GuiFixture>(dir->path(), demo);
    f->ws().options.DebugMode = debug;
    f->ports.entries = {{"/dev/ttyUSB0", "FT232R USB UART"}, {"/dev/ttyUSB1", ""}};
    QVERIFY(f->window->load());
    f->window->show();
  }

 private slots:
  // The cases of a program folder start a window of their own over it.
  void init() {
    dir = std::make_unique<TempDir>();
    f = WindowWithChannels();
  }
  void cleanup() {
    f.reset();
    dir.reset();
  }

  void menusCarryEveryItemWithItsAccessKey() {
    // The menu bar's captions: LanguagesAndAccessibilityTest's English catalogue.
    const auto& m = f->window->menus();
    // The eight recent files (hidden while unused) and their separator stand above Exit.
    QCOMPARE(Captions(m.file).join('|'),
             "&New|&Open|Compare With &File...|-|&Export Channels...|&Import Channels...|-|"
             "&Save|Save &As...|"
             "Save As &Default|-|&Print|Print Pre&view|"
             "P&rint to File|-|||||||||-|E&xit");
    QVERIFY(!m.recentSeparator->isVisible());
    QVERIFY(!action("mnuFileSaveAsDefault")->isVisible());
    QCOMPARE(Captions(m.transfer), QStringList({"&Program to Radio", "&Read from Radio", "-",
                                                "&Compare With Radio", "&Test Connection"}));
    QCOMPARE(Captions(m.edit), QStringList({"&Undo", "&Redo", "-", "Cu&t", "&Copy", "&Paste", "-",
                                            "Mo&ve Up", "Move &Down", "-", "&Model"}));
    QCOMPARE(Captions(m.help), QStringList({"&Contents", "-", "Show &Backups Folder",
                                            "Save &Diagnostics...", "-", "&About KVX Version"}));
    QCOMPARE(FindActions(*f->window, "mnuEditModelType").size(), 10);
    QCOMPARE(FindActions(*f->window, "mnuDestinationChild").size(), 11);
    const QList<QAction*> ports = FindActions(*f->window, "mnuOptionsSerialPort1");
    QCOMPARE(ports.size(), 16);
    QCOMPARE(ports[0]->text(), QString("COM&1"));
    QCOMPARE(ports[8]->text(), QString("COM&9"));
    QCOMPARE(ports[9]->text(), QString("COM10"));
    QCOMPARE(ports[15]->property("index").toInt(), 15);
    QCOMPARE(action("mnuOptionsSerialPort")->text(), QString("&SerialPort"));
    QCOMPARE(action("mnuOptionsHexdump")->text(), QString("Hexdump"));
    // The items keep their names, which scripts and the accessibility tools know them by.
    QStringList names;
    for (QAction* a : m.file->actions() + m.transfer->actions() + m.help->actions()) {
      if (!a->isSeparator() && a->isVisible()) names << a->objectName();
    }
    QCOMPARE(names.join(' '),
             "mnuFileNew mnuFileOpen mnuFileCompare mnuFileExportChannels mnuFileImportChannels "
             "mnuFileSave mnuFileSaveAs "
             "mnuFilePrint mnuFilePrintPreview mnuFilePrintToFile mnuFileExit "
             "mnuTransferProgram mnuTransferRead mnuTransferCompare mnuTransferTestConnection "
             "mnuHelpContents mnuHelpBackups mnuHelpDiagnostics mnuHelpAbout");
    QCOMPARE(m.editModel->objectName(), QString("mnuEditModel"));
  }

  void toolbarButtonsRunTheirMenuCommandsOnlyWhileEnabled() {
    auto* bar = f->window->findChild<QToolBar*>("tbToolBar");
    QVERIFY(bar != nullptr);
    QStringList visible, hidden;
    for (QAction* a : bar->actions()) {
      if (a->isSeparator()) continue;
      (a->isVisible() ? visible : hidden) << a->property("key").toString();
    }
    QCOMPARE(visible,
             QStringList({"New", "Open", "Save", "Print", "Program", "Read", "Undo", "Redo"}));
    QCOMPARE(hidden, QStringList({"Program2", "Read2"}));

    int readRuns = 0;
    QAction* read = action("mnuTransferRead");
    QObject::disconnect(read, nullptr, f->window.get(), nullptr);  // count, open no dialog
    connect(read, &QAction::triggered, this, [&] { ++readRuns; });
    action("tbToolBar_Read2")->trigger();
    action("tbToolBar_Read")->trigger();
    QCOMPARE(readRuns, 2);
    read->setEnabled(false);
    action("tbToolBar_Read")->trigger();
    QCOMPARE(readRuns, 2);
  }

  void windowPanesAndStatusBar() {
    QCOMPARE(f->window->minimumSize(), QSize(607, 467));
    auto* splitter = f->window->findChild<QSplitter*>("imgSplitter");
    QVERIFY(splitter != nullptr);
    splitter->setSizes({0, 1000});  // dragged to the far left
    const QList<int> sizes = splitter->sizes();
    QCOMPARE(sizes.size(), 2);
    QVERIFY(sizes[0] >= 167);
    QCOMPARE(f->window->statusBar()->objectName(), QString("sbStatusBar"));
    auto* modelPanel = f->window->findChild<QLabel*>("sbStatusBarPanel3");
    QVERIFY(modelPanel != nullptr);
    QCOMPARE(modelPanel->text(), QString("QZ815"));
    QCOMPARE(f->window->windowTitle(), QString("TPW52  PC Program for QZ815"));
  }

  // The start page's text wraps to fit: at the smallest window, and with the right pane
  // dragged to its narrowest, where the text goes below the radio picture. All of it has room,
  // inside the page, clear of the picture.
  void startPageTextFitsAtTheSmallestSizes() {
    f->window->resize(f->window->minimumSize());
    auto* page = f->window->findChild<QWidget*>("pictGeneral");
    auto* text = f->window->findChild<QLabel*>("lblLogo");
    auto* picture = f->window->findChild<QWidget*>("logo");
    QVERIFY(page != nullptr && text != nullptr && picture != nullptr);
    QVERIFY(page->isVisible());
    auto* splitter = f->window->findChild<QSplitter*>("imgSplitter");
    for (const bool narrowest : {false, true}) {
      if (narrowest) splitter->setSizes({1000, 0});
      QApplication::processEvents();
      const QRect textArea(text->mapTo(page, QPoint(0, 0)), text->size());
      const QRect pictureArea(picture->mapTo(page, QPoint(0, 0)), picture->size());
      QVERIFY2(page->rect().contains(textArea),
               qPrintable(Where(textArea) + " on a page of " + Where(page->rect())));
      // Never narrower than its longest word, and tall enough for every wrapped line.
      QVERIFY2(text->width() >= text->minimumSizeHint().width(),
               qPrintable(Where(textArea) + " for a text of at least " +
                          QString::number(text->minimumSizeHint().width())));
      QVERIFY(text->height() >= text->heightForWidth(text->width()));
      QVERIFY(!textArea.intersects(pictureArea));
    }
  }

  void newResetsAfterTheMenuHasClosed() {
    f->ws().model.groups[0].usable = true;
    f->ws().model.CHUSA.append(ChannelRecord{});
    f->ws().model.CHRG.append(ChannelRecord{});
    f->ws().documentPath = "/tmp/old.dat";
    f->ws().flags.DataChanged = true;
    f->window->editor().rebuildTree();
    f->window->editor().selectNodeByKey("PR");

    action("mnuFileNew")->trigger();
    QTimer* timer = f->window->newDataSetTimer();
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 100);
    QVERIFY(f->ws().flags.DataChanged);  // nothing yet: the menu closes first
    QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 2000);

    QCOMPARE(f->host.pauses,
             std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(500)});
    QVERIFY(!f->ws().flags.DataChanged);
    QVERIFY(f->ws().model.CHUSA.isEmpty());
    QVERIFY(f->ws().model.CHRG.isEmpty());
    QVERIFY(f->ws().documentPath.empty());
    QCOMPARE(f->window->windowTitle(), QString("TPW52  PC Program for QZ815"));
    QCOMPARE(TextOf(f->window->editor().tree()->currentItem()), QString("General"));
    QCOMPARE(f->window->editor().state().currentNode, -1);
    QCOMPARE(f->window->hint(), QString());
    QVERIFY(f->window->isEnabled());
  }

  // A panel holding a bad value refuses every command on the whole data set with its message,
  // before a dialog opens or the data change.
  void aPanelHoldingABadValueRefusesEveryDataSetCommand() {
    f->window->editor().setPage(PanelId::Common, new RefusingPage(f->prompter()));
    f->window->editor().selectNodeByKey("Common");
    f->ws().model.CHRG.append(ChannelRecord{});
    f->ws().options.DebugMode = true;  // where the image files' commands run
    const char* commands[] = {"mnuFileNew",   "mnuFileSaveAs",       "mnuTransferRead",
                              "mnuFilePrint", "mnuFilePrintPreview", "mnuFilePrintToFile"};
    for (const char* name : commands) {
      action(name)->trigger();
      QVERIFY2(QApplication::activeModalWidget() == nullptr, name);
    }
    f->window->menus().openImage->trigger();
    f->window->menus().saveImage->trigger();
    QVERIFY(!f->window->newDataSetTimer()->isActive());
    QCOMPARE(f->prompter().texts(),
             std::vector<std::string>(std::size(commands) + 2,
                                      "Data Error!!\r\nPlease input correct data."));
    QCOMPARE(f->ws().model.CHRG.size(), 1);
    QVERIFY(f->dialogs.asked.isEmpty());
    QCOMPARE(f->printers.dialogs, 0);
  }

  void enterNeverReachesATextBoxAsALineBreak() {
    auto* box = new QPlainTextEdit(f->window->editor().page(PanelId::General));
    box->show();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->toPlainText(), QString());
    QTest::keyClick(box, Qt::Key_A);
    QCOMPARE(box->toPlainText(), QString("a"));
  }

  void helpContentsSaysThereIsNoHelp() {
    action("mnuHelpContents")->trigger();
    QCOMPARE(f->prompter().boxes.size(), 1u);
    QCOMPARE(f->prompter().boxes[0].text,
             std::string("Unable to display Help Contents. There is no Help associated with "
                         "this project."));
    QCOMPARE(f->prompter().boxes[0].title, std::string("TPW52"));
    QCOMPARE(f->prompter().boxes[0].icon, Icon::Information);
  }

  void hexdumpIsASnapshotShownWhileChecked() {
    gui::HexDumpView* view = f->window->hexView();
    QCOMPARE(view->objectName(), QString("lstHex"));
    f->ws().image.set(0x7F0, 0x41);
    action("mnuOptionsHexdump")->trigger();
    QVERIFY(view->isVisible());
    QCOMPARE(view->count(), 130);
    QCOMPARE(view->item(129)->text().left(9), QString(" 07F0: 41"));
    f->ws().image.set(0x7F0, 0x42);
    QCOMPARE(view->item(129)->text().left(9), QString(" 07F0: 41"));  // not refreshed by edits
    action("mnuOptionsHexdump")->trigger();
    QVERIFY(!view->isVisible());
    QCOMPARE(view->count(), 0);
  }

  // The menu names the step, the unsaved state follows it back to the saved data set, and
  // what Undo brought back reaches the settings and the grid.
  void undoAndRedoNameTheStepAndFollowTheSavedState() {
    const SettingsModel start = f->ws().model;
    QCOMPARE(Text(action("mnuEditUndo")), QString("Undo"));
    QVERIFY(!action("mnuEditUndo")->isEnabled());
    show(*f, "PU", 3);
    RequiredControl<QPushButton>(*f->window, "cmdBDELETE")->click();  // "Are you sure ?" Yes
    QCOMPARE(f->ws().model.CHUSA.size(), 4);
    QCOMPARE(f->ws().model.groups[0].priorityChannel, 65535);
    QCOMPARE(Text(action("mnuEditUndo")), QString("Undo Delete channel 72"));
    QCOMPARE(action("tbToolBar_Undo")->toolTip(), QString("Undo Delete channel 72"));
    QVERIFY(f->ws().flags.DataChanged);

    QTest::keyClick(grid(*f), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f->ws().model, start);
    QCOMPARE(grid(*f)->rowCount(), 5);
    QVERIFY(!f->ws().flags.DataChanged);
    QCOMPARE(Text(action("mnuEditRedo")), QString("Redo Delete channel 72"));
    QVERIFY(!action("tbToolBar_Undo")->isEnabled());

    QTest::keyClick(grid(*f), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(f->ws().model.CHUSA.size(), 4);
    QVERIFY(f->ws().flags.DataChanged);
    QTest::keyClick(grid(*f), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(grid(*f), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(grid(*f)->rowCount(), 4);
    QCOMPARE(Text(action("mnuEditUndo")), QString("Undo Delete channel 72"));

    // A setting of a setup page undone: the page shows the value that came back.
    f->window->editor().selectNodeByKey("Common");
    auto* resume = RequiredControl<QComboBox>(*f->window, "cmbCommonResume");
    const QString shown = resume->currentText();
    const int other = resume->currentIndex() == 0 ? 1 : 0;
    resume->setCurrentIndex(other);
    emit resume->activated(other);
    QCOMPARE(Text(action("mnuEditUndo")), QString("Undo Change Resume Time"));
    action("mnuEditUndo")->trigger();
    QCOMPARE(resume->currentText(), shown);
    QCOMPARE(f->ws().model.common, start.common);

    // An Open undone: the data set it replaced comes back, no longer the file's, so that Save
    // asks for a name instead of writing it over the file.
    const std::filesystem::path boat = f->documents / "boat.dat";
    Context ctx = f->window->context();
    QCOMPARE(SaveDataFile(ctx, boat), Outcome::Done);
    const SettingsModel beforeOpen = f->ws().model;
    f->ws().model.CHUSA.clear();
    f->window->openFile(Path(boat));
    QCOMPARE(f->ws().documentPath, boat.string());
    action("mnuEditUndo")->trigger();
    QVERIFY(f->ws().model.CHUSA.isEmpty());
    QVERIFY(f->ws().documentPath.empty());
    QVERIFY(f->ws().flags.DataChanged);
    action("mnuEditRedo")->trigger();
    QCOMPARE(f->ws().model.CHUSA, beforeOpen.CHUSA);
    QVERIFY(!f->ws().flags.DataChanged);
    f->window->fileSave();
    QCOMPARE(f->dialogs.asked, QStringList({"saveDataFile"}));
  }

  // Rows copied in one window are pasted in another after its selected row, exactly; a row
  // the list cannot take is refused by name and nothing is pasted.
  void copiedRowsPasteIntoAnotherWindowOrAreRefusedWhole() {
    show(*f, "PU", 1, 2);
    QTest::keyClick(grid(*f), Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data->hasFormat("application/x-tpw52-channels"));
    // The rows' text and what a list takes are the clipboard rows' tests (ChannelPaste).
    QCOMPARE(data->text().count("\r\n"), 3);

    auto other = WindowWithChannels();
    show(*other, "PU", 0);
    FindAction(*other->window, "mnuEditPaste")->trigger();
    QCOMPARE(Positions(other->ws().model.CHUSA), (std::vector<int>{6, 16, 22, 16, 22, 72, 88}));
    QCOMPARE(grid(*other)->selectedRecords(), (std::vector<int>{1, 2}));
    QCOMPARE(Text(FindAction(*other->window, "mnuEditUndo")), QString("Undo Paste 2 channels"));

    const SettingsModel before = other->ws().model;
    show(*other, "EXPCHANNEL", 0);
    FindAction(*other->window, "mnuEditPaste")->trigger();
    QCOMPARE(other->ws().model, before);
    QVERIFY(LastBox(other->prompter()).text.starts_with("Row 1 (16) cannot be pasted into CHEXP"));

    // Tab-separated text from a spreadsheet, in the grid's columns, without a heading line.
    QGuiApplication::clipboard()->setText("x\t1\t1\t0\tQ7\t156.0250\t160.6250\t---\t--\tMEM\n");
    FindAction(*other->window, "mnuEditPaste")->trigger();
    QCOMPARE(other->ws().model.CHEXP.size(), 4);
    QCOMPARE(other->ws().model.CHEXP[1].displayLeft, std::string("Q7"));
    QCOMPARE(grid(*other)->rowCount(), 4);

    // Cut takes the rows out in one step, without a question.
    show(*f, "PU", 0, 2);
    action("mnuEditCut")->trigger();
    QCOMPARE(Positions(f->ws().model.CHUSA), (std::vector<int>{22, 72, 88}));
    QCOMPARE(Text(action("mnuEditUndo")), QString("Undo Cut 2 channels"));
  }

  // Ctrl+Down, Move Up and a drop reorder a free list (the priority channel following its
  // record, and the group lists keeping the channel plan's order: core ChannelOrder).
  void movedRowsTakeThePriorityChannelAlong() {
    show(*f, "EXPCHANNEL", 1);
    QTest::keyClick(grid(*f), Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(f->ws().model.CHEXP[2].displayLeft, std::string("B2"));
    QCOMPARE(f->ws().model.groups[3].priorityChannel, 3);
    QCOMPARE(grid(*f)->selectedRecord(), 2);
    action("mnuEditMoveUp")->trigger();
    action("mnuEditMoveUp")->trigger();
    QCOMPARE(f->ws().model.CHEXP[0].displayLeft, std::string("B2"));
    grid(*f)->selectRecords(0, 2);
    emit grid(*f)->rowsDropped(3);  // dragged below the last row
    QCOMPARE(f->ws().model.CHEXP[2].displayLeft, std::string("A1"));
  }

  // The File menu's tables: exported, the lists changed, imported back as they were.
  void exportedChannelsImportBackAsTheyWere() {
    const SettingsModel start = f->ws().model;
    const auto file = Path(f->documents / "plan.csv");
    f->dialogs.planned = {file, file};
    action("mnuFileExportChannels")->trigger();
    show(*f, "PU", 0, 5);
    action("mnuEditCut")->trigger();
    action("mnuFileImportChannels")->trigger();
    QCOMPARE(f->ws().model.CHUSA, start.CHUSA);  // the priority channel went with the cut
    QCOMPARE(grid(*f)->rowCount(), 5);
    QCOMPARE(Text(action("mnuEditUndo")), QString("Undo Import plan.csv"));
    QCOMPARE(f->dialogs.asked, QStringList({"saveChannelTable", "openChannelTable"}));
  }

  void noModelEndsTheProgram() {
    start(nullptr);
    QVERIFY(!f->window->load());
    QCOMPARE(f->prompter().texts(), std::vector<std::string>{"Unknown model!!"});
    QCOMPARE(f->prompter().boxes[0].icon, Icon::Critical);
  }

  void startsWithTheFirstDestinationAndRemembersIt() {
    start(kOneModelUsedByNumber);
    QVERIFY(f->window->load());
    QVERIFY(f->prompter().boxes.empty());  // what global.ini gives: core ShellConfig
    QVERIFY(f->window->menus().edit->menuAction()->isVisible());  // Undo and Redo
    QVERIFY(!f->window->menus().editModel->menuAction()->isVisible());
    QVERIFY(!f->window->menus().hexdump->isVisible());
    QCOMPARE(Visible(destinations()), QStringList({"QZ815_UK*", "QZ815_USA", "QZ815_ZZ"}));
    QCOMPARE(f->settings.read("IniFilePath", "IniFileName_1", ""), std::string("QZ815_UK"));
    QCOMPARE(RegionOf(f->ws().image), 1);
    QCOMPARE(programChildText(0), QString("Group1(USA)"));
    QCOMPARE(f->window->windowTitle(), QString("TPW52  PC Program for QZ815"));
    QVERIFY(!f->ws().flags.DataChanged);
  }

  void startsWithTheRememberedDestination() {
    start(kOneModelUsedByNumber);
    f->settings.write("IniFilePath", "IniFileName_1", "QZ815_USA");
    f->settings.write("Settings", "hexvisible", "1");
    f->ws().options.DebugMode = true;
    QVERIFY(f->window->load());
    QCOMPARE(Visible(destinations()), QStringList({"QZ815_UK", "QZ815_USA*", "QZ815_ZZ"}));
    QCOMPARE(RegionOf(f->ws().image), UsaRegion);
    QVERIFY(f->window->menus().hexdump->isVisible());
    QVERIFY(f->window->menus().hexdump->isChecked());
    QCOMPARE(f->window->hexView()->count(), 130);
  }

  void destinationChoiceAsksAndReloads() {
    start(kOneModelUsedByNumber);
    QVERIFY(f->window->load());
    f->ws().flags.DataChanged = true;
    f->prompter().plan(Answer::Cancel);
    destination("QZ815_USA")->trigger();
    QCOMPARE(LastBox(f->prompter()).text, std::string("Do you want to change to QZ815_USA?"));
    QCOMPARE(LastBox(f->prompter()).buttons, Buttons::OkCancel);
    QCOMPARE(Visible(destinations()), QStringList({"QZ815_UK*", "QZ815_USA", "QZ815_ZZ"}));
    QVERIFY(f->ws().flags.DataChanged);

    f->prompter().plan(Answer::Ok);
    destination("QZ815_USA")->trigger();
    QCOMPARE(Visible(destinations()), QStringList({"QZ815_UK", "QZ815_USA*", "QZ815_ZZ"}));
    QCOMPARE(RegionOf(f->ws().image), UsaRegion);
    QVERIFY(!f->ws().flags.DataChanged);
    QCOMPARE(f->settings.read("IniFilePath", "IniFileName_1", ""), std::string("QZ815_USA"));

    const std::size_t asked = f->prompter().boxes.size();
    destination("QZ815_USA")->trigger();  // the checked entry reloads without a question
    QCOMPARE(f->prompter().boxes.size(), asked);
    QCOMPARE(Visible(destinations()), QStringList({"QZ815_UK", "QZ815_USA*", "QZ815_ZZ"}));

    f->prompter().plan(Answer::Ok);
    destination("QZ815_ZZ")->trigger();  // a bad template
    // Why a template is refused is the destinations' test; here the refusal and its file.
    QVERIFY(
        LastBox(f->prompter())
            .text.starts_with("IniFileRead Error!!\r\n" + (*dir / "QZ815_ZZ_012D.ini").string()));
    QCOMPARE(LastBox(f->prompter()).icon, Icon::Exclamation);
    QCOMPARE(Visible(destinations()), QStringList({"QZ815_UK", "QZ815_USA*", "QZ815_ZZ"}));
    QCOMPARE(f->settings.read("IniFilePath", "IniFileName_1", ""), std::string("QZ815_USA"));
  }

  void modelChoiceAsksAndStartsANewDataSet() {
    start(kTwoModels);
    QVERIFY(f->window->load());
    QVERIFY(f->window->menus().editModel->menuAction()->isVisible());
    const QList<QAction*> models = FindActions(*f->window, "mnuEditModelType");
    QCOMPARE(models.size(), 10);
    QCOMPARE(Visible(models), QStringList({"QZ815*", "Unknown model"}));
    // The remembered model is the first; the last offered one starts when none is remembered.
    QCOMPARE(f->ws().caps.ModelType, 1);

    models[0]->trigger();  // the current model: nothing
    QVERIFY(f->prompter().boxes.empty());
    f->prompter().plan(Answer::Cancel);
    models[1]->trigger();
    QCOMPARE(LastBox(f->prompter()).text,
             std::string("Do you want to program the Unknown model series?"));
    QCOMPARE(f->ws().caps.ModelType, 1);
    QCOMPARE(Visible(models), QStringList({"QZ815*", "Unknown model"}));

    f->prompter().plan(Answer::Ok);
    models[1]->trigger();
    QCOMPARE(f->ws().caps.ModelType, 2);
    QCOMPARE(f->window->windowTitle(), QString("TPW52  PC Program for Unknown model"));
    QCOMPARE(Visible(models), QStringList({"QZ815", "Unknown model*"}));
    QCOMPARE(f->settings.read("Settings", "lastmodel", ""), std::string("2"));
    QVERIFY(f->window->newDataSetTimer()->isActive());
  }

  void saveOpenAndTheTitle() {
    start(kOneModelUsedByNumber);
    QVERIFY(f->window->load());
    f->ws().model.CHUSA.clear();
    f->ws().model.CHUSA.append(ChannelRecord{5, true});
    f->ws().flags.DataChanged = true;
    const QString path = Path(*dir / "Coast.DAT");

    QCOMPARE(f->window->fileSave(), Outcome::Cancelled);  // no document yet: Save As, cancelled
    QVERIFY(f->ws().flags.DataChanged);
    // No file yet: the dialog opens in the user's documents, never in the program's folder.
    QCOMPARE(f->dialogs.folders, QStringList({Path(f->documents.path())}));

    f->dialogs.planned << path;
    QCOMPARE(f->window->fileSave(), Outcome::Done);
    QVERIFY(!f->ws().flags.DataChanged);
    QCOMPARE(f->window->windowTitle(), QString("TPW52  PC Program for QZ815 - coast.dat"));
    const std::string saved = ReadBytes(path.toStdString());  // its text: core DataFile

    f->ws().model.CHUSA.clear();
    f->ws().flags.DataChanged = true;
    f->window->fileSave();  // to the document, without a dialog
    QCOMPARE(f->dialogs.folders.size(), 2);
    QVERIFY(ReadBytes(path.toStdString()) != saved);

    WriteBytes(path.toStdString(), saved);
    f->dialogs.planned << path;
    f->window->fileOpen();
    QCOMPARE(f->dialogs.folders.back(), Path(dir->path()));
    QCOMPARE(f->ws().model.CHUSA.size(), 1);
    QCOMPARE(f->ws().model.CHUSA[0].position, 5);
    QVERIFY(!f->ws().flags.DataChanged);
    QCOMPARE(f->window->windowTitle(), QString("TPW52  PC Program for QZ815 - coast.dat"));
    QCOMPARE(Visible(destinations()), QStringList({"QZ815_UK*", "QZ815_USA", "QZ815_ZZ"}));
  }

  void unloadAsksToSaveAndRecordsTheWindow() {
    start(kOneModelUsedByNumber);
    QVERIFY(f->window->load());
    f->window->show();
    f->ws().flags.DataChanged = true;

    f->prompter().plan(Answer::Cancel);
    QVERIFY(!f->window->close());
    QCOMPARE(LastBox(f->prompter()).text,
             std::string("KVX data has changed.\r\nDo you want to save changes?"));
    QCOMPARE(LastBox(f->prompter()).buttons, Buttons::YesNoCancel);
    QVERIFY(!f->settings.contains("Settings", "MainWidth"));

    f->prompter().plan(Answer::Yes);  // then the save dialog is cancelled
    QVERIFY(!f->window->close());
    QVERIFY(f->window->isVisible());

    const QString path = Path(*dir / "end.dat");
    f->dialogs.planned << path;
    f->prompter().plan(Answer::Yes);
    QVERIFY(f->window->close());
    QVERIFY(std::filesystem::exists(path.toStdString()));
    QCOMPARE(f->settings.read("Settings", "MainWidth", ""),
             std::to_string(f->window->frameGeometry().width() * 15));
    QVERIFY(f->settings.contains("Settings", "MainHeight"));

    f->window->show();
    f->ws().flags.DataChanged = true;
    f->prompter().plan(Answer::No);
    QVERIFY(f->window->close());
  }

  void givenFileEndsAsFileOpen() {
    const QString good = savedDataFile("boat.dat", 7);
    const QString refused = Path(*dir / "other.dat");
    WriteBytes(refused.toStdString(), "[MAIN]\r\nMODELTYPE=2\r\nREGION=255\r\n");
    const QString missing = Path(*dir / "gone.dat");

    for (const QString& path : {good, refused, missing}) {
      f = started();
      f->window->openFile(path);
      QCOMPARE(SeenAfter(*f), throughTheDialog(path));
    }
    f = started();
    f->window->openFile(good);
    QCOMPARE(SeenAfter(*f).usaPositions, std::vector<int>{7});
    QCOMPARE(f->window->windowTitle(), QString("TPW52  PC Program for QZ815 - boat.dat"));
    f->window->openFile(refused);
    // The refusal's words are the data file's (its tests check them).
    QVERIFY(
        LastBox(f->prompter()).text.starts_with("ModelType Error !!\r\n" + refused.toStdString()));
    QCOMPARE(SeenAfter(*f).usaPositions, std::vector<int>{7});  // the refused file changed nothing
    QVERIFY(f->dialogs.folders.isEmpty());                      // and no dialog was shown
  }

  // A hand-edited file opens as before; what it holds that the radio cannot is listed in one
  // warning, and the file is the window's document.
  void handEditedFileOpensWithOneWarning() {
    const QString edited = Path(*dir / "edited.dat");
    WriteBytes(edited.toStdString(),
               "[MAIN]\r\nMODELTYPE=1\r\nREGION=255\r\n[CHUSA1]\r\nPosition=200\r\n"
               "[CHUSA2]\r\nPosition=7\r\n");
    f = started();
    f->window->openFile(edited);
    // The words of the warning are the data file's (its tests check them).
    QCOMPARE(f->prompter().boxes.size(), 1u);
    QVERIFY(
        LastBox(f->prompter()).text.starts_with(edited.toStdString() + " was opened, but not "));
    QCOMPARE(LastBox(f->prompter()).icon, Icon::Exclamation);
    QCOMPARE(SeenAfter(*f).usaPositions, (std::vector<int>{0, 7}));
    QCOMPARE(f->window->windowTitle(), QString("TPW52  PC Program for QZ815 - edited.dat"));
  }

  void droppedDataFileOpens() {
    const QString good = savedDataFile("Drop.DAT", 9);
    f = started();
    QVERIFY(f->window->acceptDrops());
    QMimeData text;
    text.setUrls({QUrl::fromLocalFile(Path(*dir / "notes.txt"))});
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f->window.get(), &refused);
    QVERIFY(!refused.isAccepted());

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(good)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f->window.get(), &enter);
    QVERIFY(enter.isAccepted());
    const Seen before = SeenAfter(*f);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f->window.get(), &drop);
    QCOMPARE(SeenAfter(*f), before);  // the file opens once the drop has returned
    QCoreApplication::sendPostedEvents();
    QCOMPARE(SeenAfter(*f), throughTheDialog(good));
    QCOMPARE(SeenAfter(*f).usaPositions, std::vector<int>{9});
  }

  void recentFilesKeepOrderLimitAndDropMissingOnes() {
    f = started();
    QVERIFY(!f->window->menus().recentSeparator->isVisible());
    for (int i = 1; i <= 9; ++i) {
      f->dialogs.planned << Path(*dir / ("boat" + std::to_string(i) + ".dat"));
      f->window->fileSaveAs();
    }
    QCOMPARE(Visible(recentEntries(*f)),
             QStringList({"&1 boat9.dat", "&2 boat8.dat", "&3 boat7.dat", "&4 boat6.dat",
                          "&5 boat5.dat", "&6 boat4.dat", "&7 boat3.dat", "&8 boat2.dat"}));
    QCOMPARE(recentEntries(*f)[0]->toolTip(), Path(*dir / "boat9.dat"));
    QVERIFY(f->window->menus().recentSeparator->isVisible());
    // The order, the limit and where the next dialog opens are core RecentFiles' tests.

    // A file that is gone is dropped from the list with a message; nothing else changes.
    std::filesystem::remove(*dir / "boat5.dat");
    const QString title = f->window->windowTitle();
    recentEntries(*f)[4]->trigger();
    QCOMPARE(f->prompter().texts(),
             std::vector<std::string>{"The file\r\n" + (*dir / "boat5.dat").string() +
                                      "\r\nno longer exists and has been removed from the recent "
                                      "files. Open it with File > Open from where it is now."});
    QCOMPARE(f->window->windowTitle(), title);
    QCOMPARE(Visible(recentEntries(*f)).size(), 7);
    QVERIFY(!Visible(recentEntries(*f)).join(' ').contains("boat5"));
    QCOMPARE(f->settings.read("RecentFiles", "File5", ""), (*dir / "boat4.dat").string());

    // An entry opens its file as File > Open would and moves to the top.
    recentEntries(*f)[6]->trigger();  // boat2.dat
    QCOMPARE(f->window->windowTitle(), QString("TPW52  PC Program for QZ815 - boat2.dat"));
    QCOMPARE(Visible(recentEntries(*f)).first(), QString("&1 boat2.dat"));
  }

  void keysWorkOnlyInTheDiagnosticMode() {
    startWithImages(false);
    QVERIFY(!f->window->menus().openImage->isVisible());
    QVERIFY(!f->window->menus().saveImage->isVisible());
    plan("never.hex");
    press(Qt::Key_F2);
    press(Qt::Key_F3);
    f->window->openImageFile();
    f->window->saveImageFile();
    QVERIFY(f->dialogs.asked.isEmpty());
    QVERIFY(!std::filesystem::exists(*dir / "never.hex"));

    startWithImages(true);
    QVERIFY(f->window->menus().openImage->isVisible());
    QCOMPARE(f->window->menus().openImage->shortcut(), QKeySequence("Ctrl+F2"));
    QCOMPARE(f->window->menus().saveImage->shortcut(), QKeySequence("Ctrl+F3"));
    press(Qt::Key_F2);
    press(Qt::Key_F3);
    QCOMPARE(f->dialogs.asked, QStringList({"openImageFile", "saveImageFile"}));
    QVERIFY(f->prompter().boxes.empty());
  }

  void savedImageReopensByteForByte() {
    startWithImages(true);
    f->ws().image.set(kUninterpreted, 0x5A);
    f->ws().flags.DataChanged = true;
    const QString title = f->window->windowTitle();

    plan("first.hex");
    press(Qt::Key_F3);
    const std::string saved = ReadBytes(*dir / "first.hex");  // byte for byte: core SaveImageBytes
    QCOMPARE(saved, ImageAsString(f->ws().image));
    // Saving an image is not saving the document.
    QVERIFY(f->ws().flags.DataChanged);
    QCOMPARE(f->window->windowTitle(), title);
    QVERIFY(f->ws().documentPath.empty());

    const bool scan = f->ws().model.common.scan;
    f->ws().image.set(kUninterpreted, 0);
    f->ws().model.common.scan = !scan;
    f->window->editor().selectNodeByKey("Common");
    plan("first.hex");
    press(Qt::Key_F2);
    QVERIFY(f->prompter().boxes.empty());
    QCOMPARE(ImageAsString(f->ws().image), saved);
    QCOMPARE(f->ws().model.common.scan, scan);
    QVERIFY(!f->ws().flags.DataChanged);
    QCOMPARE(f->window->windowTitle(), QString("TPW52  PC Program for QZ815 - first.hex"));
    QCOMPARE(TextOf(f->window->editor().tree()->currentItem()), QString("General"));

    plan("second.hex");
    press(Qt::Key_F3);
    QCOMPARE(ReadBytes(*dir / "second.hex"), saved);

    // File > Save never writes data file text over the image: it asks for a name.
    FindAction(*f->window, "mnuFileSave")->trigger();
    QCOMPARE(f->dialogs.asked.last(), QString("saveDataFile"));
    QCOMPARE(ReadBytes(*dir / "first.hex"), saved);
    plan("boat.dat");
    FindAction(*f->window, "tbToolBar_Save")->trigger();
    QCOMPARE(f->dialogs.asked.size(), 5);
    QCOMPARE(ReadBytes(*dir / "first.hex"), saved);
    QVERIFY(std::filesystem::exists(*dir / "boat.dat"));
    QCOMPARE(f->window->windowTitle(), QString("TPW52  PC Program for QZ815 - boat.dat"));
    FindAction(*f->window, "mnuFileSave")->trigger();  // now the data file itself
    QCOMPARE(f->dialogs.asked.size(), 5);
  }

  void refusedImagesChangeNothing() {
    startWithImages(true);
    f->window->editor().selectNodeByKey("Common");
    f->ws().flags.DataChanged = true;
    const DataSetView before = view();

    // Which images are refused, and in what words, is the image file's own test; here each
    // way a refusal reaches the window.
    WriteBytes(*dir / "short.hex", std::string(2047, '\0'));
    WriteBytes(*dir / "usa.hex", ImageAsString(ValidImage(0x07)));
    WriteBytes(*dir / "nl.hex", ImageAsString(ValidImage(3)));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"short.hex", "bad file!!"},
        {"usa.hex", "Region Unmatched !!"},
        {"nl.hex", "The region is unmatched."},  // answered No
    };
    f->prompter().plan(Answer::No);  // to the region question
    for (const auto& [name, message] : cases) {
      plan(name);
      press(Qt::Key_F2);
      QCOMPARE(FirstLine(LastBox(f->prompter()).text), message);
      QCOMPARE(LastBox(f->prompter()).title, std::string("PC Program for QZ815"));
      QVERIFY2(view() == before, name.c_str());
    }
    QCOMPARE(f->prompter().boxes.size(), cases.size());
    QCOMPARE(Visible(destinations()), QStringList({"QZ815_NL", "QZ815_UK*"}));
  }

  void acceptedRegionMovesTheDestination() {
    startWithImages(true);
    WriteBytes(*dir / "nl.hex", ImageAsString(ValidImage(3)));
    plan("nl.hex");
    f->prompter().plan(Answer::Yes);
    press(Qt::Key_F2);
    QCOMPARE(LastBox(f->prompter()).buttons, Buttons::YesNo);
    QCOMPARE(RegionOf(f->ws().image), 3);
    QCOMPARE(Visible(destinations()), QStringList({"QZ815_NL*", "QZ815_UK"}));
    QCOMPARE(f->window->windowTitle(), QString("TPW52  PC Program for QZ815 - nl.hex"));
  }

  void reportWindowWaitsThenShowsTheReport() {
    startSmallDataSet();
    gui::ReportWindow window(f->window->context(), f->dialogs, QString());
    QCOMPARE(window.objectName(), QString("frmPrn"));
    QCOMPARE(window.windowTitle(), QString("Print to File"));
    QVERIFY(window.isModal());
    auto* text = window.findChild<QPlainTextEdit*>("txtPrn");
    auto* ok = window.findChild<QPushButton*>("cmdOK");
    auto* timer = window.findChild<QTimer*>("Timer1");
    QVERIFY(text && ok && timer);
    QCOMPARE(text->toPlainText(), QString("Now, making text image. Please wait..."));
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->accessibleName(), QString("Report"));
    QVERIFY(IsMonospaced(text->font()));
    QVERIFY(!saveAs(window)->isEnabled());
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 10);
    QCOMPARE(window.findChild<QAction*>("mnuFileExit")->text(), QString("&Exit"));
    QCOMPARE(saveAs(window)->text(), QString("&Save As..."));

    window.show();
    QSignalSpy built(&window, &gui::ReportWindow::reportBuilt);
    QVERIFY(built.wait());
    const std::string report = BuildTextReport(f->ws().model, f->ws().caps);
    QCOMPARE(window.report(), report);
    QCOMPARE(text->toPlainText(), QString::fromStdString(report).replace("\r\n", "\n"));
    QVERIFY(saveAs(window)->isEnabled());
    QVERIFY(window.isEnabled());
    QCOMPARE(f->host.pauses,
             std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(500)});

    // The client area starts at 558 x 409; the text keeps 100 twips to the left and follows
    // the size, OK stays centred with its top 1200 twips above the bottom.
    const QWidget* client = text->parentWidget();
    QCOMPARE(client->size(), QSize(558, 409));
    window.resize(800, 600);
    QCoreApplication::processEvents();
    QCOMPARE(text->x(), 7);
    QCOMPARE(text->width(), client->width() - 14);
    QCOMPARE(ok->y(), client->height() - 80);
    QVERIFY(std::abs(ok->geometry().center().x() - client->width() / 2) <= 1);
    QVERIFY(text->geometry().bottom() < ok->y());
  }

  void saveAsWritesTheReportWithOneMoreLineEnd() {
    startSmallDataSet();
    f->ws().flags.DataChanged = false;
    const SettingsModel before = f->ws().model;
    auto window = builtWindow();
    const std::string expected = BuildTextReport(f->ws().model, f->ws().caps) + "\r\n";
    const std::filesystem::path file = *dir / "report.txt";

    // Saved twice to the same name: one copy. What the text box shows is never saved.
    f->dialogs.planned << Path(file) << Path(file);
    saveAs(*window)->trigger();
    window->findChild<QPlainTextEdit*>("txtPrn")->setPlainText("edited");
    saveAs(*window)->trigger();
    QCOMPARE(ReadBytes(file), expected);
    QCOMPARE(f->dialogs.asked, QStringList({"saveReportFile", "saveReportFile"}));
    QCOMPARE(f->dialogs.folders.first(), Path(dir->path()));
    QVERIFY(f->prompter().boxes.empty());

    // Cancelled: nothing written.
    saveAs(*window)->trigger();
    QCOMPARE(std::distance(std::filesystem::directory_iterator(dir->path()), {}), 3);

    // A folder that does not exist: the reason, the file and what to do.
    const std::filesystem::path missing = *dir / "gone" / "report.txt";
    f->dialogs.planned << Path(missing);
    saveAs(*window)->trigger();
    QCOMPARE(f->prompter().boxes.size(), 1u);
    QCOMPARE(LastBox(f->prompter()).title, std::string("QZ815 PC Program for QZ815"));
    QCOMPARE(LastBox(f->prompter()).icon, Icon::Exclamation);
    // The reason's words are the file failures' (FileFailure tests).
    QVERIFY(LastBox(f->prompter())
                .text.find("\r\nThe report was not saved to " + missing.string() +
                           ": the folder ") != std::string::npos);
    QVERIFY(!std::filesystem::exists(missing));
    QVERIFY(window->isEnabled());

    QCOMPARE(f->ws().model, before);
    QVERIFY(!f->ws().flags.DataChanged);
  }

  void printToFileOpensTheReportWindowOverTheMainWindow() {
    startSmallDataSet();
    bool seen = false;
    WhenModalOpens<gui::ReportWindow>([&seen, this](gui::ReportWindow* window) {
      seen = true;
      QCOMPARE(window->parentWidget(), f->window.get());
      window->findChild<QPushButton*>("cmdOK")->click();
    });
    action("mnuFilePrintToFile")->trigger();
    QVERIFY(seen);
    QVERIFY(!f->ws().flags.DataChanged);
  }

  void printCancelledOrFailingPrintsNothing() {
    startSmallDataSet();
    // Cancelled: silent.
    action("mnuFilePrint")->trigger();
    QCOMPARE(f->printers.dialogs, 1);
    QVERIFY(f->prompter().boxes.empty());

    // A PDF printer whose folder is missing cannot start: a warning, nothing written.
    const std::filesystem::path missing = *dir / "gone" / "report.pdf";
    f->printers.planned.push_back(ScriptedPrinters::PdfPrinter(missing));
    action("tbToolBar_Print")->trigger();
    QCOMPARE(f->printers.dialogs, 2);
    QCOMPARE(f->prompter().boxes.size(), 1u);
    QCOMPARE(LastBox(f->prompter()).title, std::string("PC Program for QZ815"));
    QCOMPARE(LastBox(f->prompter()).icon, Icon::Exclamation);
    QCOMPARE(LastBox(f->prompter()).text,
             "The report was not printed: the PDF file " + missing.string() +
                 " could not be written.\r\nChoose a folder you may write to, then print again.");
    QVERIFY(!std::filesystem::exists(missing));

    // A printer the system does not have; without any printer Qt stands in a PDF printer with
    // no file.
    auto absent = std::make_unique<QPrinter>();
    absent->setOutputFormat(QPrinter::NativeFormat);
    absent->setPrinterName("Nowhere");
    const QString name = absent->printerName();
    f->printers.planned.push_back(std::move(absent));
    action("mnuFilePrint")->trigger();
    QCOMPARE(f->prompter().boxes.size(), 2u);
    QCOMPARE(LastBox(f->prompter()).text,
             name.isEmpty()
                 ? std::string("The report was not printed: no printer is set up on this "
                               "computer.\r\nSet up a printer in the system's settings, then "
                               "print again. File > Print Preview shows the pages without a "
                               "printer.")
                 : "The report was not printed: the printer \"" + name.toStdString() +
                       "\" could not be started.\r\nCheck that it is switched on, connected and "
                       "ready, or choose another printer, then print again.");
    QVERIFY(f->window->isEnabled());
  }

  void printedPagesMatchThePreview() {
    startSmallDataSet();
    FillUsaGroup(f->ws().model);
    f->ws().model.CHRG.clear();
    f->ws().caps.WxSupported = false;
    f->ws().flags.DataChanged = false;
    const SettingsModel before = f->ws().model;
    const std::filesystem::path pdf = *dir / "report.pdf";
    f->printers.planned.push_back(ScriptedPrinters::PdfPrinter(pdf));
    action("mnuFilePrint")->trigger();
    QVERIFY(f->prompter().boxes.empty());
    const PdfText printed = ReadPdfText(pdf);
    QCOMPARE(printed.problem, std::string());
    // The common setup, then the group on two sheets (what each sheet holds is the pagination's
    // test and the command line's print test).
    QCOMPARE(printed.pages, 3);

    int previewPages = 0;
    inPreview([&previewPages](gui::PrintPreview& preview) {
      previewPages = preview.pages()->pageCount();
      auto* label = preview.findChild<QLabel*>("lblPage");
      QCOMPARE(label->text(), QString("Page 1 of 3"));
      preview.findChild<QAction*>("cmdNextPage")->trigger();
      QCOMPARE(preview.pages()->currentPage(), 2);
      QCOMPARE(label->text(), QString("Page 2 of 3"));
    });
    QCOMPARE(previewPages, printed.pages);
    QCOMPARE(f->ws().model, before);
    QVERIFY(!f->ws().flags.DataChanged);
  }

  void previewPrintsThroughThePrintDialog() {
    startSmallDataSet();
    const std::filesystem::path pdf = *dir / "from-preview.pdf";
    f->printers.planned.push_back(ScriptedPrinters::PdfPrinter(pdf));
    bool closed = false;
    inPreview([&closed](gui::PrintPreview& preview) {
      preview.findChild<QAction*>("cmdPrint")->trigger();
      closed = !preview.isVisible();  // printed: the preview closes
    });
    QVERIFY(closed);
    QCOMPARE(f->printers.dialogs, 1);
    // Common setup, USA, weather, RG: one sheet each.
    QCOMPARE(ReadPdfText(pdf).pages, 4);
  }

  void programThenReadBringsTheChannelsBack() {
    startTransfers(true);
    QVERIFY(f->window->portMenu().demoItem()->isChecked());
    QCOMPARE(f->window->findChild<QLabel*>("sbStatusBarPanel2")->text(),
             QString("Simulated radio"));
    const SettingsModel programmed = f->ws().model;
    QVERIFY(programmed.CHUSA.size() > 0);

    int maxProgress = 0;
    f->host.onYield = [&] { maxProgress = std::max(maxProgress, ShownProgress()); };
    WhenModalOpens<TransferDialog>(PressOk);
    f->window->menus().transferProgram->trigger();
    QCOMPARE(texts().size(), 1u);
    QVERIFY(
        texts()[0].starts_with("Complete!!\r\nVerified: "));  // the words: link WriteVerification
    QCOMPARE(f->prompter().boxes[0].title, std::string("Program to Radio"));
    QVERIFY(maxProgress >= 90);
    QVERIFY(f->window->demoRadio() != nullptr);

    f->ws().model.CHUSA.clear();
    f->ws().flags.DataChanged = true;
    f->ws().documentPath = "/tmp/x.dat";
    f->window->editor().selectNodeByKey("PU");
    WhenModalOpens<TransferDialog>(PressOk);
    f->window->menus().transferRead->trigger();
    QCOMPARE(texts().size(), 2u);
    QCOMPARE(texts().back(), std::string("Complete!!"));
    QCOMPARE(LastBox(f->prompter()).title, std::string("Read from Radio"));
    QCOMPARE(f->ws().model.CHUSA, programmed.CHUSA);
    QVERIFY(!f->ws().flags.DataChanged);
    QVERIFY(f->ws().documentPath.empty());
    QCOMPARE(f->window->windowTitle(), QString("TPW52  PC Program for QZ815"));
    QCOMPARE(TextOf(f->window->editor().tree()->currentItem()), QString("General"));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  // The dialog's transfers leave their backups and traces in the user's data folder: a read
  // the radio's bytes, a write with Options > Read Radio Before Programming the radio's memory
  // before and the image written.
  void transfersKeepBackupsThatFileOpenTakesBack() {
    startTransfers(true);
    QVERIFY(!f->window->menus().readFirst->isChecked());
    QVERIFY(transfer(TransferMode::Read).done());
    const MemoryImage radio = f->window->demoRadio()->memory();
    const std::filesystem::path backups = f->userData / "backups";
    std::vector<std::string> names = FolderNames(backups);
    QCOMPARE(names.size(), 1u);
    QVERIFY(names[0].ends_with("-read-UK.hex"));  // their bytes: link SafetyNet

    f->window->menus().readFirst->trigger();
    QCOMPARE(f->settings.read("Settings", "ReadFirst", ""), std::string("1"));
    f->ws().model.CHUSA.erase(f->ws().model.CHUSA.size() - 1);
    WhenModalOpens<gui::WriteChangesDialog>(
        [](gui::WriteChangesDialog* changes) { changes->accept(); });
    QVERIFY(transfer(TransferMode::Program).done());
    names = FolderNames(backups);
    QCOMPARE(names.size(), 3u);
    std::string before;
    std::string written;
    for (const std::string& name : names) {
      if (name.ends_with("-before-write-UK.hex")) before = name;
      if (name.ends_with("-write-UK.hex")) written = name;
    }
    QVERIFY(!written.empty());
    QCOMPARE(FolderNames(f->userData / "traces").size(), 2u);

    // File > Open takes the backup back without the diagnostic mode.
    const SettingsModel programmed = f->ws().model;
    f->ws().model.CHUSA.clear();
    f->dialogs.planned << Path(backups / before);
    f->window->menus().fileOpen->trigger();
    QCOMPARE(f->ws().image.bytes(), radio.bytes());
    QCOMPARE(f->ws().model.CHUSA.size(), programmed.CHUSA.size() + 1);
    QCOMPARE(f->ws().documentPath, (backups / before).string());
  }

  void helpShowsTheBackupsFolderAndSavesTheDiagnostics() {
    startTransfers(false);
    f->window->menus().helpBackups->trigger();
    QCOMPARE(f->dialogs.shownFolders, QStringList{Path(f->userData / "backups")});
    QVERIFY(std::filesystem::is_directory(f->userData / "backups"));
    QVERIFY(f->prompter().boxes.empty());
    f->dialogs.folderShown = false;
    f->window->menus().helpBackups->trigger();
    QCOMPARE(LastBox(f->prompter()).text,
             "The backups folder could not be shown.\r\n" + (f->userData / "backups").string() +
                 ": no file manager opened it. Open it in your file manager; every read and "
                 "write of a radio keeps its backup there.");

    // A transfer that found no radio leaves its trace all the same.
    f->ports.silent = true;
    WhenModalOpens<TransferDialog>(PressOk);
    f->window->runTransfer(TransferMode::Read);
    QCOMPARE(FolderNames(f->userData / "traces").size(), 1u);
    WriteBytes(f->userData / "err.log", "2026-12-07,14:03:22:frmRadio.PortInit -> 2x\r\n");

    const std::filesystem::path file = *dir / "diagnostics.txt";
    for (const Answer answer : {Answer::No, Answer::Yes}) {
      f->dialogs.planned << Path(file);
      f->prompter().plan(answer);
      f->window->menus().helpDiagnostics->trigger();
      const RecordingPrompter::Box& question = LastBox(f->prompter());
      QVERIFY(question.question);
      QCOMPARE(question.defaultAnswer, Answer::No);
      QVERIFY(question.text.starts_with("Include the radio's data in the diagnostics?"));
      const std::string text = ReadBytes(file);
      // What they hold is the safety net's test; here what the window hands to them.
      for (const char* section :
           {"Description: FT232R USB UART\r\n", "Transfer: Read from Radio\r\nPort: /dev/ttyUSB0",
            "frmRadio.PortInit -> 2x\r\n"}) {
        QVERIFY2(text.find(section) != std::string::npos, section);
      }
      const bool left = text.find("(left out at the user's choice)") != std::string::npos;
      QCOMPARE(left, answer == Answer::No);
    }
  }

  void cancelInTheMiddleKeepsTheDataAndTheDialog() {
    startTransfers(true);
    const MemoryImage before = f->ws().image;
    const SettingsModel model = f->ws().model;
    f->window->demoRadio();
    bool refusedClose = false;
    f->host.onYield = [&] {
      auto* d = qobject_cast<TransferDialog*>(QApplication::activeModalWidget());
      if (d == nullptr || f->host.yields != 40) return;
      refusedClose = !d->close();  // the window's own close is refused while busy
      PressButton(d, "cmdCancel");
    };
    AfterOk seen;
    PressOkThenCancel(seen);
    const TransferResult result = f->window->runTransfer(TransferMode::Read);
    QVERIFY(refusedClose);
    QVERIFY(seen.open && seen.okAgain);
    QCOMPARE(result.outcome, Outcome::Cancelled);
    QVERIFY(f->ws().image == before);
    QVERIFY(f->ws().model == model);
  }

  // A failed transfer (here a port that cannot be opened; a radio that does not answer ends
  // the same way, with the link tests' message) leaves the dialog open for another OK.
  void aPortThatFailsKeepsTheDialogOpen() {
    startTransfers(false);
    QCOMPARE(texts(), std::vector<std::string>{});
    const QList<QAction*> items = FindActions(*f->window, "mnuOptionsSerialPort1");
    QCOMPARE(items.size(), 16);
    QCOMPARE(items[0]->text(), QString("/dev/ttyUSB0  FT232R USB UART"));
    QCOMPARE(items[1]->text(), QString("/dev/ttyUSB1"));
    QVERIFY(!items[2]->isVisible());
    items[1]->trigger();
    QCOMPARE(f->settings.read("ComPath", "ComPort", ""), std::string("/dev/ttyUSB1"));
    const MemoryImage before = f->ws().image;
    AfterOk seen;
    PressOkThenCancel(seen);
    f->window->runTransfer(TransferMode::Read);
    QVERIFY(seen.okAgain);
    QCOMPARE(f->ports.made, std::vector<std::string>{"/dev/ttyUSB1"});
    QVERIFY(!texts().empty());
    QVERIFY(f->ws().image == before);
  }

  // The menu shows what is known of each adapter, and remembers a cable by its stable name:
  // plugged in again under another device name, it is still the one checked.
  void aRememberedCableSurvivesReplugging() {
    startTransfers(false);
    const std::string stable = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0";
    PortInfo cable{.name = "/dev/ttyUSB2",
                   .description = "FT232R USB UART",
                   .manufacturer = "FTDI",
                   .serialNumber = "A1B2C3",
                   .vendorId = 0x0403,
                   .productId = 0x6001,
                   .stableName = stable};
    auto first = std::make_unique<GuiFixture>(dir->path());
    first->ports.entries = {{.name = "/dev/ttyS0"}, cable};
    QVERIFY(first->window->load());
    QList<QAction*> items = FindActions(*first->window, "mnuOptionsSerialPort1");
    QCOMPARE(items[1]->text(),
             QString("/dev/ttyUSB2  FT232R USB UART (FTDI) 0403:6001 serial A1B2C3"));
    QCOMPARE(items[1]->toolTip(), QString::fromStdString(stable));
    items[1]->trigger();
    QCOMPARE(first->settings.read("ComPath", "ComPort", ""), stable);

    auto again = std::make_unique<GuiFixture>(dir->path());
    again->settings.write("ComPath", "ComPort", stable);
    cable.name = "/dev/ttyUSB10";
    again->ports.entries = {{.name = "/dev/ttyUSB9"}, cable};
    QVERIFY(again->window->load());
    items = FindActions(*again->window, "mnuOptionsSerialPort1");
    QVERIFY(!items[0]->isChecked());
    QVERIFY(items[1]->isChecked());
    QCOMPARE(again->window->portMenu().choice().device, std::string("/dev/ttyUSB10"));
  }

  // A write cancelled once the radio has taken its first byte says that the radio may be
  // partly programmed, and the dialog stays open.
  void aCancelledWriteSaysWhatTheRadioHolds() {
    startTransfers(true);
    transfer(TransferMode::Read);  // the demo radio now exists, with the PC's data
    const MemoryImage radio = f->window->demoRadio()->memory();
    f->ws().image.set(0x082, static_cast<std::uint8_t>(radio.at(0x082) ^ 0xFF));
    f->host.onYield = [&] {
      auto* d = qobject_cast<TransferDialog*>(QApplication::activeModalWidget());
      if (d != nullptr && f->window->demoRadio()->memory().at(0x082) != radio.at(0x082)) {
        PressButton(d, "cmdCancel");
      }
    };
    AfterOk seen;
    PressOkThenCancel(seen);
    QVERIFY(!f->window->runTransfer(TransferMode::Program).done());
    QVERIFY(seen.open);
    QVERIFY(LastBox(f->prompter()).text.find(" may be partly programmed: ") != std::string::npos);
    QCOMPARE(LastBox(f->prompter()).title, std::string("Program to Radio"));
    QCOMPARE(LastBox(f->prompter()).icon, Icon::Exclamation);
  }

  // Transfer > Test Connection on the simulated radio, then on a port where nothing answers:
  // one message each, titled as the command.
  void testConnectionSaysWhatAnswers() {
    startTransfers(true);
    f->window->menus().transferTestConnection->trigger();
    QCOMPARE(f->prompter().boxes.size(), std::size_t{1});
    QCOMPARE(LastBox(f->prompter()).title, std::string("Test Connection"));
    // The words for each kind of answer are E2e.CheckPortSaysWhatAnswers'.
    QVERIFY(LastBox(f->prompter()).text.find(" answered: a QZ815 ") != std::string::npos);
    FindActions(*f->window, "mnuOptionsSerialPort1")[0]->trigger();
    f->ports.silent = true;
    f->window->menus().transferTestConnection->trigger();
    QVERIFY(LastBox(f->prompter()).text.starts_with("Nothing answered on /dev/ttyUSB0. "));
    QCOMPARE(LastBox(f->prompter()).icon, Icon::Critical);
  }

  void noPortAtAll() {
    WriteBytes(*dir / "global.ini", "[model1]\r\nuse=1\r\n");
    f = std::make_unique<GuiFixture>(dir->path());
    QVERIFY(f->window->load());
    QCOMPARE(texts(), std::vector<std::string>{NoPortText(ThisPlatform())});
    QCOMPARE(f->prompter().boxes[0].icon, Icon::None);
    QVERIFY(!f->window->menus().serialPort->isEnabled());
  }

  // The data set compared with the radio and with a file: the differences in the window, a
  // double click goes to the setting, the list saves as text; the data set, its document and
  // its unsaved state stay as they were, and a refused file shows no comparison.
  void comparisonsShowTheDifferencesAndChangeNothing() {
    startTransfers(true);
    QVERIFY(transfer(TransferMode::Program).done());
    auto compareWithRadio = [this] {
      WhenModalOpens<TransferDialog>(PressOk);
      f->window->menus().transferCompare->trigger();
      return f->window->comparisonWindow();
    };
    gui::ComparisonWindow* same = compareWithRadio();
    QVERIFY(same != nullptr);
    QCOMPARE(RequiredControl<QLabel>(*same, "lblSummary")->text(), QString("No differences"));
    QCOMPARE(same->model().rowCount(), 0);

    f->ws().model.common.resumeTime = 0;
    QVERIFY(f->ws().model.CHUSA.size() > 1);
    f->ws().model.CHUSA[1].duplex = 2;
    f->ws().flags.DataChanged = true;
    f->ws().documentPath = (*dir / "boat.dat").string();
    const Workspace before = f->ws();
    gui::ComparisonWindow* shown = compareWithRadio();
    QVERIFY(shown != nullptr && shown != same);
    QCOMPARE(texts().size(), 3u);
    QCOMPARE(texts()[1], std::string("Complete!!"));
    QCOMPARE(texts()[2], std::string("Complete!!"));
    QCOMPARE(RequiredControl<QLabel>(*shown, "lblSummary")->text(), QString("2 differences"));
    QCOMPARE(shown->model().headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(),
             QString("Radio"));
    const std::string channel =
        "Group1(USA) " + ChannelDisplayName(f->ws().model.CHUSA[1]) + ": SIMP/DUP: ";
    QVERIFY(shown->text().starts_with("Common Setup: Resume Time: "));
    QVERIFY(f->ws().model == before.model && f->ws().image == before.image);
    QVERIFY(f->ws().flags.DataChanged);
    QCOMPARE(f->ws().documentPath, before.documentPath);

    // Sorted by setting, from Z to A, the channel's duplex comes first; a double click goes to
    // its row; the list saves as it is sorted.
    shown->table()->sortByColumn(gui::ComparisonModel::Setting, Qt::DescendingOrder);
    QCOMPARE(shown->table()->model()->index(0, 1).data().toString(), QString("SIMP/DUP"));
    const QRect cell = shown->table()->visualRect(shown->table()->model()->index(0, 0));
    // The click a double click starts with, then the double click itself.
    QTest::mouseClick(shown->table()->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(shown->table()->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(TextOf(f->window->editor().tree()->currentItem()), QString("Group1(USA)"));
    QCOMPARE(f->window->editor().state().currentRow, 1);
    QCOMPARE(f->window->editor().listPanel()->grid()->currentRow(), 1);
    const std::string saved = (*dir / "differences.txt").string();
    f->dialogs.planned << QString::fromStdString(saved);
    RequiredControl<QPushButton>(*shown, "cmdSave")->click();
    QVERIFY(ReadBytes(saved).starts_with(channel));

    // A file: refused with its message and no comparison, or compared as it stands.
    f->dialogs.planned << Path(*dir / "missing.dat");
    f->window->menus().fileCompare->trigger();
    QCOMPARE(LastBox(f->prompter()).text.substr(0, 16), std::string("FileRead Error!!"));
    QCOMPARE(f->window->comparisonWindow(), shown);
    const std::string file = (*dir / "other.dat").string();
    Context ctx = f->window->context();
    QCOMPARE(SaveDataFile(ctx, file), Outcome::Done);
    f->dialogs.planned << QString::fromStdString(file);
    f->window->menus().fileCompare->trigger();
    QVERIFY(f->window->comparisonWindow() != shown);
    QCOMPARE(RequiredControl<QLabel>(*f->window->comparisonWindow(), "lblSummary")->text(),
             QString("No differences"));
    QCOMPARE(f->window->comparisonWindow()->windowTitle(), QString("Compare With other.dat"));
  }

  // Every write is read back (Options > Verify After Programming, on by default, remembered);
  // a radio that keeps another byte fails it. With Read Radio Before Programming the changes
  // are shown first: cancelled, nothing is written; a radio that holds everything is not
  // written again.
  void programmingIsVerifiedAndShowsItsChanges() {
    startTransfers(true);
    QVERIFY(f->window->menus().verify->isChecked());
    QVERIFY(transfer(TransferMode::Program).done());
    f->window->demoRadio()->setFaults({.wrongByteAddress = addr::ResumeTime});
    QVERIFY(!transfer(TransferMode::Program).done());
    QCOMPARE(LastBox(f->prompter()).icon, Icon::Critical);
    QVERIFY(texts().back().starts_with("Not verified: "));
    f->window->menus().verify->trigger();
    QCOMPARE(ReadSetting(f->settings, setting::Verify), std::string("0"));
    QVERIFY(transfer(TransferMode::Program).done());
    QCOMPARE(texts().back(), std::string("Complete!!"));

    f->window->demoRadio()->setFaults({});
    f->window->menus().verify->trigger();
    f->window->menus().readFirst->trigger();
    f->ws().model.common.resumeTime = 2;
    const MemoryImage before = f->window->demoRadio()->memory();
    QStringList shown;
    const auto answer = [&shown](const char* button) {
      return [&shown, button](gui::WriteChangesDialog* dialog) {
        const QAbstractItemModel* rows = dialog->findChild<QTableView*>("grdChanges")->model();
        for (int row = 0; row < rows->rowCount(); ++row) {
          QStringList cells;
          for (int column = 0; column < 4; ++column) {
            cells << rows->index(row, column).data().toString();
          }
          shown << cells.join('|');
        }
        dialog->findChild<QPushButton*>(button)->click();
      };
    };
    WhenModalOpens<gui::WriteChangesDialog>(answer("cmdCancel"));
    QVERIFY(!transfer(TransferMode::Program).done());
    QCOMPARE(shown, QStringList{"Common Setup|Resume Time|Off|2Sec"});
    QCOMPARE(f->window->demoRadio()->memory(), before);
    QVERIFY(texts().back().starts_with("Nothing was written: "));
    WhenModalOpens<gui::WriteChangesDialog>(answer("cmdProgram"));
    QVERIFY(transfer(TransferMode::Program).done());
    QCOMPARE(shown.size(), 2);
    QCOMPARE(f->window->demoRadio()->memory().at(addr::ResumeTime),
             f->ws().image.at(addr::ResumeTime));
    QVERIFY(transfer(TransferMode::Program).done());
    QCOMPARE(shown.size(), 2);
    QVERIFY(texts().back().ends_with(" already holds everything these data would write."));
  }

  // Each mode's dialog: its title, its size, the monitor line of the debug mode, and the radio
  // on the left only when reading, as the data flow from left to right.
  void dialogLooksAsItsModeSays() {
    startTransfers(true, true);
    QStringList looks, instructions;
    for (TransferMode mode : {TransferMode::Read, TransferMode::Program, TransferMode::ClearAtis}) {
      WhenModalOpens<TransferDialog>([&](TransferDialog* d) {
        const auto* monitor = RequiredControl<QLabel>(*d, "lblmon");
        const bool radioLeft =
            RequiredControl(*d, "pictHandy")->x() < RequiredControl(*d, "pictB")->x();
        looks << QStringLiteral("%1 %2x%3 %4%5")
                     .arg(d->windowTitle())
                     .arg(d->width())
                     .arg(d->height())
                     .arg(monitor->isVisible() ? monitor->text() : QStringLiteral("(no monitor)"),
                          radioLeft ? QStringLiteral(", radio left") : QString());
        instructions << RequiredControl<QLabel>(*d, "lblmess")->text();
        PressButton(d, "cmdHelp");
        PressButton(d, "cmdCancel");
      });
      f->window->runTransfer(mode);
    }
    QCOMPARE(looks, (QStringList{"Read from Radio 465x290 starting at debug mode.., radio left",
                                 "Program to Radio 465x290 starting at debug mode..",
                                 "Clear ATIS Data 465x290 starting at debug mode.."}));
    QCOMPARE(instructions,
             QStringList(3,
                         "1.Connect the KVX cable between the PC serial port and the radio.\n"
                         "2.On the radio, press and hold [PRESET] keys while\n"
                         "   turning the power on.\n"
                         "   The Radio display will show PC CONTROL.\n"
                         "3.Press the [OK] button to start."));
    QVERIFY(LastBox(f->prompter()).text.starts_with("Unable to display Help Contents."));
    QCOMPARE(LastBox(f->prompter()).title, std::string("Clear ATIS Data"));
  }

  void progressBarFillsFromTheLeft() {
    gui::TransferProgress bar;
    bar.resize(200, 20);
    bar.setPercent(0);
    QCOMPARE(bar.bar()->geometry(), QRect(-200, 0, 200, 20));
    bar.setPercent(25);
    QCOMPARE(bar.bar()->x(), -150);
    bar.setPercent(130);
    QCOMPARE(bar.bar()->x(), 0);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
