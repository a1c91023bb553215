// The main window: its menus and toolbar, panes and status bar, New, the refusals of a panel
// holding a bad value, Help and the hex dump; and, as a user meets them in the window, Undo and
// Redo, the rows of a channel list on the clipboard, their order, and the tables of channels
// of the File menu.
#include <QClipboard>
#include <QComboBox>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "core/sample_records.h"
#include "files/data_file.h"
#include "gui/editor/channel_grid_widget.h"
#include "gui_test_support.h"

using namespace tpw;
using namespace tpw::test;
using tpw::gui::ChannelGridWidget;

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

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<GuiFixture> f;
  QAction* action(const char* name) { return FindAction(*f->window, QString::fromLatin1(name)); }
  ChannelGridWidget* grid(GuiFixture& w) {
    return w.window->findChild<ChannelGridWidget*>("MSFlexGrid1");
  }
  void show(GuiFixture& w, const char* key, int first, int count = 1) {
    w.window->editor().selectNodeByKey(QString::fromLatin1(key));
    grid(w)->selectRecords(first, count);
  }

 private slots:
  void init() { f = WindowWithChannels(); }
  void cleanup() { f.reset(); }

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
    f->window->openFile(QString::fromStdString(boat.string()));
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
    const auto file = QString::fromStdString((f->documents / "plan.csv").string());
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
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
