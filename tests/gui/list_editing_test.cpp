// Undo and Redo, the rows of a channel list on the clipboard, their order, and the tables of
// channels of the File menu, as a user meets them in the window.
#include <QClipboard>
#include <QComboBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

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

}  // namespace

class ListEditingTest : public QObject {
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

QTEST_MAIN(ListEditingTest)
#include "list_editing_test.moc"
