#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "gui_test_support.h"

using namespace tpw;
using namespace tpw::test;

namespace {

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

 private slots:
  void init() {
    f = std::make_unique<GuiFixture>();
    f->window->resetEditor(gui::MainWindow::EditorReset::NewDataSet);
    f->window->show();
  }
  void cleanup() { f.reset(); }

  void menusCarryEveryItemWithItsAccessKey() {
    const auto& m = f->window->menus();
    QStringList bar;
    for (QAction* a : f->window->menuBar()->actions()) bar << a->text();
    QCOMPARE(bar, QStringList({"&File", "&Edit", "&Transfer", "&Region", "&Options", "&Help"}));
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
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
