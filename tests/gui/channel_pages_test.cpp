// The channel pages on real widgets: the tree of the usable groups, the list panel's grid, and
// the channel edit panel (pictC) with NEW, EDIT and DELETE of the list panel: both forms, the
// enable chain, the frequency and name boxes, the checks before the panel is left, and what
// SAVE and DELETE leave in the settings, the grid and the files.
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "core/sample_records.h"
#include "gui/editor/channel_grid_widget.h"
#include "gui/editor/connector_line.h"
#include "gui/link/transfer_dialog.h"
#include "gui_test_support.h"
#include "image/memory_map.h"
#include "sim/radio_simulator.h"

using namespace tpw;
using namespace tpw::test;
using gui::ChannelGridWidget;

namespace {

const std::string kIncomplete = "Data Error!!\r\nPlease input correct data.";
// The parts of the panel that one form shows and the other hides, and its ticks.
const QStringList kFormParts = {"txtCNN", "cmbBaseChNo", "fraCBExp", "fraCDUP", "cmbScramble"};
const QStringList kTransmitBoxes = {"chkCEnable", "chkCTXEnable", "chkCTXOnly", "chkCTXPower",
                                    "chkCScan"};
const QStringList kListButtons = {"cmdBNew", "cmdBEdit", "cmdBDELETE"};

// A transmitting channel of the marine table.
ChannelRecord GroupRecord(int position, int duplex = 0) {
  return PlanRecord(position, duplex, true, false, false);
}

// A free channel of the INT group.
ChannelRecord IntRecord(const std::string& name, double rx) {
  ChannelRecord r = FreeRecord(name.c_str(), rx, rx);
  r.inIntGroup = true;
  return r;
}

// The check mark a cell shows (Qt::Checked or Qt::Unchecked), or nothing for a text cell.
QVariant CheckMark(QTableWidget* grid, int row, int column) {
  return grid->model()->index(row, column).data(Qt::CheckStateRole);
}

QStringList RowTexts(QTableWidget* grid, int row) {
  QStringList texts;
  for (int c = 0; c < grid->columnCount(); ++c) texts << CellText(*grid, row, c);
  return texts;
}

// A destination template with every group usable, three USA channels and no others.
MemoryImage TemplateImage() {
  MemoryImage image = sim::FactoryMemory(ValidImage(1));
  image.set(addr::UsableGroups, 0xF0);
  for (ListId list : {ListId::CHUSA, ListId::CHINT, ListId::CHCAN, ListId::CHRG, ListId::CHEXP}) {
    const ListLayout& layout = Layout(list);
    for (int b = 0; b < layout.bitmapBytes; ++b) {
      image.set(layout.enableAddress + b, 0);
      image.set(layout.scanAddress + b, 0);
    }
  }
  const ListLayout& usa = Layout(ListId::CHUSA);
  image.set(usa.enableAddress, 0xE0);
  for (int k = 0; k < 3; ++k) {
    image.set(usa.recordsAddress + 2 * k, static_cast<std::uint8_t>(16 + k));
    image.set(usa.recordsAddress + 2 * k + 1, 0x30);  // simplex, high power
  }
  return image;
}

}  // namespace

class ChannelPagesTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::unique_ptr<GuiFixture> f;

  gui::EditorPane& editor() { return f->window->editor(); }
  Workspace& ws() { return f->ws(); }
  template <typename T = QWidget>
  T* control(const char* name) {
    return RequiredControl<T>(*f->window, name);
  }
  QLineEdit* box(const char* name) { return control<QLineEdit>(name); }
  QCheckBox* check(const char* name) { return control<QCheckBox>(name); }
  QComboBox* list(const char* name) { return control<QComboBox>(name); }
  QPushButton* button(const char* name) { return control<QPushButton>(name); }
  gui::ConnectorLine* line(const char* name) { return control<gui::ConnectorLine>(name); }
  ChannelGridWidget* grid() { return control<ChannelGridWidget>("MSFlexGrid1"); }
  QWidget* panel() { return editor().panels()->currentWidget(); }
  void select(const char* key) { editor().selectNodeByKey(QString::fromLatin1(key)); }
  // The list of that node, and a command of its panel: cmdBNew, cmdBEdit or cmdBDELETE.
  void open(const char* key, const char* command) {
    select(key);
    button(command)->click();
  }
  void selectRow(int row) { grid()->setCurrentCell(row, 0); }
  // The usable groups, with the priority channel of each, and the tree they give.
  void useGroups(bool usa, bool intl, bool can, bool exp, int priority = 0) {
    const bool usable[] = {usa, intl, can, exp};
    const char* labels[] = {"USA", "INT", "NL", "EXP"};
    for (int g = 0; g < GroupCount; ++g) ws().model.groups[g] = {usable[g], priority, labels[g]};
    editor().rebuildTree();
  }
  // Types into a box as the user does: focus first, everything selected, then the keys.
  void typeInto(const char* name, const QString& text) {
    QLineEdit* target = box(name);
    target->setFocus(Qt::TabFocusReason);
    target->selectAll();
    QTest::keyClicks(target, text);
  }
  // A click on a tree node, as the user gives it: the press moves the focus first.
  void clickNode(const QString& text) {
    QTreeWidget* tree = editor().tree();
    const QList<QTreeWidgetItem*> items =
        tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    QVERIFY2(items.size() == 1, qPrintable(text));
    const QRect rect = tree->visualItemRect(items[0]);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
  }
  std::vector<std::string> texts() { return f->prompter().texts(); }
  // A window started as the program starts, from a data folder with the template above.
  void start(bool demo, const char* models = kOneModel) {
    WriteBytes(*dir / "global.ini", models);
    WriteBytes(*dir / "QZ815_UK_012D.ini", ImageAsString(TemplateImage()));
    f = std::make_unique<GuiFixture>(dir->path(), demo);
    f->ports.entries = {{"/dev/ttyUSB0", "FT232R USB UART"}};
    QVERIFY(f->window->load());
    f->window->show();
    f->window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
    QCOMPARE(texts(), std::vector<std::string>{});
  }

 private slots:
  void init() {
    dir = std::make_unique<TempDir>();
    f = std::make_unique<GuiFixture>();
    f->window->show();
    f->window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
    useGroups(true, true, true, true, 65535);  // each list has its node
  }
  void cleanup() {
    f.reset();
    dir.reset();
  }

  void treeFollowsTheUsableGroups() {
    // Which nodes there are is the navigation tree's test; here the widget shows them.
    useGroups(true, true, false, true);
    QCOMPARE(TreeTexts(editor().tree()),
             QStringList({"General", "Common Setup", "Programmable Channel", "Group1(USA)",
                          "Group2(INT)", "RG Channel", "Weather", "EXP Channel(EXP)"}));
    QCOMPARE(editor().tree()->objectName(), QString("tvTreeView"));
    // Each node shows its panel; the hint is the tree's.
    const std::pair<const char*, const char*> expected[] = {{"General", "pictGeneral"},
                                                            {"Common", "pictCommon"},
                                                            {"Program", "pictGrey"},
                                                            {"PU", "pictB"},
                                                            {"PW", "pictD"},
                                                            {"EXPCHANNEL", "pictB"}};
    for (const auto& [key, panel] : expected) {
      select(key);
      QCOMPARE(editor().panels()->currentWidget()->objectName(), QString(panel));
      QVERIFY(editor().panels()->currentWidget()->isEnabled());
    }
    QCOMPARE(f->window->hint(), QString("[Up]/[Down]/[Left]/[Right]:Change of a Selection item."));
    int enabled = 0;
    for (int i = 0; i < editor().panels()->count(); ++i) {
      enabled += editor().panels()->widget(i)->isEnabled() ? 1 : 0;
    }
    QCOMPARE(enabled, 1);
  }

  void refusedNodeClickKeepsTheOldNode() {
    useGroups(true, false, false, false);
    editor().setPage(PanelId::Common, new RefusingPage(f->prompter()));
    select("Common");
    QCOMPARE(editor().state().currentNode, 2);
    QTreeWidgetItem* program = editor().tree()->topLevelItem(1);
    QVERIFY(program != nullptr);
    QTreeWidgetItem* rg = program->child(1);
    QCOMPARE(TextOf(rg), QString("RG Channel"));
    editor().tree()->setCurrentItem(rg);  // as a click on the node does
    QCOMPARE(f->prompter().texts(),
             std::vector<std::string>{"Data Error!!\r\nPlease input correct data."});
    QCOMPARE(editor().state().currentNode, 2);
    QCOMPARE(TextOf(editor().tree()->currentItem()), QString("Common Setup"));
    QCOMPARE(editor().panels()->currentWidget()->objectName(), QString("pictCommon"));
    // The already selected node is not validated again (keys: core NavigationTree).
    select("Common");
    QCOMPARE(f->prompter().boxes.size(), 1u);
  }

  void groupGridShowsEveryCellAndTheLimits() {
    useGroups(true, true, false, false);
    for (int k = 0; k < 96; ++k) ws().model.CHUSA.append(GroupRecord(k % 60));
    ws().model.CHUSA[1] = PlanRecord(16, 2, false, false, false);  // duplex, no transmit
    select("PU");
    // The headings and cells are core ChannelGrid's (GroupLayoutCells); the widget shows them.
    QCOMPARE(grid()->horizontalHeaderItem(7)->text(), QString("MEM"));
    QCOMPARE(grid()->rowCount(), 96);
    QCOMPARE(RowTexts(grid(), 1),
             QStringList({"16", "161.400", "---.---", "--", "---", "--", "DUP", "---"}));
    QCOMPARE(grid()->columnWidth(6), 106);  // 1600 twips
    QCOMPARE(EnabledOf(*f->window, kListButtons), QStringList({"cmdBEdit", "cmdBDELETE"}));
    QCOMPARE(grid()->currentRow(), 0);

    select("PI");  // an empty list: only NEW
    QCOMPARE(grid()->rowCount(), 0);
    QCOMPARE(EnabledOf(*f->window, kListButtons), QStringList{"cmdBNew"});
  }

  void freeGridShowsLabelsAndCheckMarks() {
    useGroups(false, false, false, true);
    for (int k = 0; k < 12; ++k) ws().model.CHRG.append(IntRecord("R" + std::to_string(k), 156.5));
    ws().model.CHRG[0].rxFrequency = 0;
    ws().model.CHEXP.append(IntRecord("EX", 157.0));
    select("PR");
    QCOMPARE(grid()->horizontalHeaderItem(3)->text(), QString("NL"));  // the group's own label
    QCOMPARE(CellText(*grid(), 9, 0), QString("RG10"));
    QCOMPARE(CheckMark(grid(), 0, 1).toInt(), int(Qt::Unchecked));
    QCOMPARE(CheckMark(grid(), 0, 2).toInt(), int(Qt::Checked));
    QVERIFY(!CheckMark(grid(), 0, 4).isValid());
    select("EXPCHANNEL");
    QCOMPARE(CellText(*grid(), 0, 0), QString("EXP01"));
    grid()->grab();  // the check-mark cells paint
  }

  void selectionIsKeptPerList() {
    useGroups(true, true, false, false);
    for (int k = 0; k < 8; ++k) ws().model.CHRG.append(IntRecord("R", 156.5));
    select("PR");
    grid()->setCurrentCell(5, 0);
    QCOMPARE(editor().state().currentRow, 5);
    select("General");
    select("PR");
    QCOMPARE(grid()->currentRow(), 5);
    QVERIFY(grid()->selectionModel()->isRowSelected(5, {}));
    // Each list's own row: core ChannelGrid.SelectionIsKeptPerListAndButtonsFollowTheLimits.
  }

  void enterAndDoubleClickOpenTheChannel() {
    useGroups(true, false, false, false);
    for (int k = 0; k < 5; ++k) ws().model.CHUSA.append(GroupRecord(k));
    select("PU");
    grid()->setFocus();
    QCOMPARE(f->window->hint(), QString("[Double click],[Enter]:Jump the Setting screen."));
    grid()->setCurrentCell(2, 0);
    QTest::keyClick(grid(), Qt::Key_Return);
    QCOMPARE(editor().activePanel(), PanelId::ChannelEdit);
    QCOMPARE(editor().state().currentRow, 2);
    QCOMPARE(editor().state().channelMode, ChannelEditMode::Edit);
    auto* base = f->window->findChild<QComboBox*>("cmbBaseChNo");
    QVERIFY(base != nullptr);
    QCOMPARE(base->currentText(), QString("02"));

    select("General");
    select("PU");
    QCOMPARE(grid()->currentRow(), 2);
    const QRect cell = grid()->visualRect(grid()->model()->index(4, 1));
    QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(editor().activePanel(), PanelId::ChannelEdit);
    QCOMPARE(editor().state().currentRow, 4);
    QCOMPARE(base->currentText(), QString("04"));

    select("General");
    open("PU", "cmdBNew");
    QCOMPARE(editor().activePanel(), PanelId::ChannelEdit);
    QCOMPARE(editor().state().channelMode, ChannelEditMode::New);
    QCOMPARE(base->currentText(), QString("00"));
  }

  void wheelScrollsOneLinePerStep() {
    useGroups(true, false, false, false);
    for (int k = 0; k < 96; ++k) ws().model.CHUSA.append(GroupRecord(k % 60));
    select("PU");
    QScrollBar* bar = grid()->verticalScrollBar();
    QVERIFY(bar->maximum() > 10);
    auto wheel = [&](int delta) {
      const QPointF at(10, 10);
      QWheelEvent event(at, grid()->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(grid()->viewport(), &event);
    };
    wheel(-120);
    QCOMPARE(bar->value(), 1);
    wheel(-240);
    QCOMPARE(bar->value(), 3);
    wheel(60);  // half a step moves nothing yet
    QCOMPARE(bar->value(), 3);
    wheel(60);
    QCOMPARE(bar->value(), 2);

    grid()->setOneLineWheel(false);  // debug mode keeps the usual scrolling
    bar->setValue(0);
    wheel(-120);
    QVERIFY(bar->value() > 1);
  }

  void newOnAnEmptyRgListThenSave() {
    select("PR");
    QVERIFY(ws().model.CHRG.isEmpty());
    button("cmdBNew")->click();
    QCOMPARE(panel()->objectName(), QString("pictC"));
    QVERIFY(panel()->isEnabled());
    // The free form: name and frequencies typed in, the group boxes instead of the modes.
    QCOMPARE(VisibleOf(*f->window, kFormParts), QStringList({"txtCNN", "fraCBExp"}));
    QCOMPARE(TextsOf(*f->window, {"lblCNN", "txtCRF"}), QStringList({"CH Display", "---.----"}));
    QVERIFY(!box("txtCRF")->isReadOnly());
    QCOMPARE(CheckedOf(*f->window, kTransmitBoxes), QStringList({"chkCEnable", "chkCTXEnable"}));
    QVERIFY(!check("chkCEnable")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), box("txtCNN"));

    // Only the characters of the radio's display are taken.
    QTest::keyClicks(box("txtCNN"), "xG1aC");
    QCOMPARE(box("txtCNN")->text(), QString("1C"));
    QCOMPARE(f->window->hint(), QString("Indispensable 2 figures."));
    typeInto("txtCRF", "156.05");
    QCOMPARE(f->window->hint(), QString("Rx frequency"));
    typeInto("txtCTF", "156.1");
    QTest::keyClick(box("txtCTF"), Qt::Key_Tab);
    QCOMPARE(box("txtCTF")->text(), QString("156.1000"));
    QCOMPARE(box("txtCRF")->text(), QString("156.0500"));
    check("chkCBExp")->click();
    button("cmdSave")->click();

    QCOMPARE(texts(), std::vector<std::string>{});
    QCOMPARE(ws().model.CHRG.size(), 1);
    ChannelRecord expected = FreeRecord("1C", 156.05, 156.1);
    expected.inUsaGroup = true;
    QCOMPARE(ws().model.CHRG[0], expected);
    QCOMPARE(panel()->objectName(), QString("pictB"));
    QCOMPARE(CellText(*grid(), 0, 0), QString("RG01"));
    QCOMPARE(grid()->currentRow(), 0);
    QVERIFY(ws().flags.DataChanged);
  }

  void newInTheMiddleOfAGroupList() {
    for (int k = 0; k < 5; ++k) ws().model.CHUSA.append(GroupRecord(10 + k));
    ws().model.CHUSA[4].statusNo = 1;
    ws().model.groups[0].priorityChannel = 4;  // the record at index 3
    select("PU");
    // The status list keeps the item of the channel shown before NEW.
    selectRow(4);
    button("cmdBEdit")->click();
    QCOMPARE(list("cmbStatusNo")->currentText(), QString("10"));
    button("cmdCancel")->click();
    QCOMPARE(panel()->objectName(), QString("pictB"));
    QVERIFY(!ws().flags.DataChanged);

    selectRow(2);
    button("cmdBNew")->click();
    QCOMPARE(panel()->objectName(), QString("pictC"));
    QCOMPARE(VisibleOf(*f->window, kFormParts), QStringList({"cmbBaseChNo", "fraCDUP"}));
    QVERIFY(box("txtCRF")->isReadOnly());
    QCOMPARE(TextsOf(*f->window, {"lblCNN", "cmbBaseChNo", "cmbStatusNo"}),
             QStringList({"BASE CH No.", "00", "10"}));
    list("cmbBaseChNo")->setCurrentIndex(16);
    QCOMPARE(box("txtCRF")->text(), QString("161.400"));  // the channel plan's (core tables)
    button("cmdSave")->click();

    // Where NEW inserts, and the priority channel moving along, are the list edit's rules
    // (ChannelListEdit); here the grid follows.
    QCOMPARE(Positions(ws().model.CHUSA), (std::vector<int>{10, 11, 12, 16, 13, 14}));
    ChannelRecord expected = GroupRecord(16, 2);
    expected.statusNo = 1;
    QCOMPARE(ws().model.CHUSA[3], expected);
    QCOMPARE(grid()->currentRow(), 3);
    QVERIFY(grid()->selectionModel()->isRowSelected(3, {}));
    QCOMPARE(CellText(*grid(), 3, 0), QString("1016"));
    QVERIFY(ws().flags.DataChanged);
  }

  void editScanMemoryKeepsWhatThePanelDoesNotShow() {
    ChannelRecord odd = GroupRecord(105, 1);
    odd.statusNo = 3;
    odd.statusIcon = 3;
    ws().model.CHINT.append(GroupRecord(1));
    ws().model.CHINT.append(odd);
    select("PI");
    selectRow(0);
    button("cmdBEdit")->click();
    QCOMPARE(list("cmbStatusNo")->currentText(), QString("None"));
    button("cmdCancel")->click();
    selectRow(1);
    button("cmdBEdit")->click();
    // Values the lists do not offer show no item rather than the last channel's.
    QCOMPARE(list("cmbBaseChNo")->currentIndex(), -1);
    QCOMPARE(list("cmbStatusNo")->currentIndex(), -1);
    QCOMPARE(list("cmbStatusIcon")->currentIndex(), -1);
    QCOMPARE(CellText(*grid(), 1, 7), QString("---"));
    check("chkCScan")->setFocus();
    QCOMPARE(f->window->hint(), QString("[Space]:An effective and invalid change."));
    check("chkCScan")->click();
    button("cmdSave")->click();
    ChannelRecord expected = odd;
    expected.scanMemory = true;
    QCOMPARE(ws().model.CHINT[1], expected);
    QCOMPARE(CellText(*grid(), 1, 7), QString("MEM"));
    QCOMPARE(grid()->currentRow(), 1);
    QVERIFY(ws().flags.DataChanged);
    // What the free form keeps of a record (its second display text) is core ChannelForm's.
  }

  void deleteAsksAndMovesTheSelection() {
    for (int k = 0; k < 3; ++k) ws().model.CHCAN.append(GroupRecord(20 + k));
    ws().model.groups[2].priorityChannel = 2;
    select("PC");
    selectRow(1);
    f->prompter().plan(Answer::No);
    button("cmdBDELETE")->click();
    QCOMPARE(texts(), std::vector<std::string>{"Are you sure ?"});
    QCOMPARE(LastBox(f->prompter()).icon, Icon::Critical);
    QCOMPARE(LastBox(f->prompter()).title, std::string("TPW52"));
    QCOMPARE(Positions(ws().model.CHCAN), (std::vector<int>{20, 21, 22}));
    QCOMPARE(grid()->currentRow(), 1);
    QVERIFY(!ws().flags.DataChanged);

    f->prompter().plan(Answer::Yes);
    button("cmdBDELETE")->click();
    QCOMPARE(Positions(ws().model.CHCAN), (std::vector<int>{20, 22}));
    QCOMPARE(grid()->rowCount(), 2);
    QCOMPARE(grid()->currentRow(), 0);  // the record before the deleted one
    QVERIFY(ws().flags.DataChanged);

    f->prompter().plan(Answer::Yes);
    button("cmdBDELETE")->click();  // the first row: the first row stays selected
    QCOMPARE(Positions(ws().model.CHCAN), (std::vector<int>{22}));
    QCOMPARE(grid()->currentRow(), 0);
  }

  void listLimitsOfNew() {
    for (int k = 0; k < 96; ++k) ws().model.CHUSA.append(GroupRecord(k % 60));
    select("PU");
    QVERIFY(!button("cmdBNew")->isEnabled());
    f->prompter().plan(Answer::Yes);
    button("cmdBDELETE")->click();
    QVERIFY(button("cmdBNew")->isEnabled());
  }

  void enableChainKeepsTheTicks() {
    ChannelRecord full = GroupRecord(6);
    full.lowPower = full.powerUp = true;
    ws().model.CHUSA.append(full);
    open("PU", "cmdBEdit");
    const QStringList chain = {"chkCTXOnly", "chkCTXPower"};
    QCOMPARE(EnabledOf(*f->window, chain), chain);
    QVERIFY(line("linCTXPower")->isOn());
    check("chkCTXEnable")->click();
    QCOMPARE(EnabledOf(*f->window, chain), QStringList());
    QCOMPARE(CheckedOf(*f->window, chain), chain);
    QVERIFY(!line("linCTXOnly")->isOn() && !line("linCTXPower")->isOn());
    check("chkCTXEnable")->click();
    QCOMPARE(EnabledOf(*f->window, chain), chain);
    check("chkCTXOnly")->click();
    QCOMPARE(EnabledOf(*f->window, chain), QStringList{"chkCTXOnly"});
    QCOMPARE(CheckedOf(*f->window, chain), QStringList{"chkCTXPower"});

    // A short slot holds one transmit mode: the tick of a disabled box is not saved.
    check("chkCTXEnable")->click();
    button("cmdSave")->click();
    const ChannelRecord& saved = ws().model.CHUSA[0];
    QVERIFY(!saved.txEnabled && !saved.lowPower && !saved.powerUp);
    QCOMPARE(CellText(*grid(), 0, 2), QString("---.---"));

    // The group form's frequencies follow the mode (which ones: core ChannelForm's test).
    button("cmdBEdit")->click();
    list("cmbCDUP")->setCurrentIndex(1);  // RX_SIMP
    check("chkCTXEnable")->click();
    list("cmbCDUP")->setCurrentIndex(0);
    QCOMPARE(box("txtCTF")->text(), QString("156.300"));
    list("cmbCDUP")->setFocus();
    QCOMPARE(f->window->hint(), QString("[Up]/[Down]:Change of a Selection item."));
  }

  void unusableFrequencyKeepsTheUser() {
    ws().model.CHRG.append(FreeRecord("16", 156.8, 156.8));
    open("PR", "cmdBEdit");
    typeInto("txtCRF", "1x56.06");  // the letter is discarded as typed
    QCOMPARE(box("txtCRF")->text(), QString("156.06"));
    clickNode("General");
    QCOMPARE(texts(), std::vector<std::string>{"Data Error!!"});
    QCOMPARE(LastBox(f->prompter()).title, std::string("Rx frequency"));
    QCOMPARE(LastBox(f->prompter()).icon, Icon::Exclamation);
    QCOMPARE(TextOf(editor().tree()->currentItem()), QString("RG Channel"));
    QCOMPARE(panel()->objectName(), QString("pictC"));
    QCOMPARE(QApplication::focusWidget(), box("txtCRF"));
    QCOMPARE(box("txtCRF")->text(), QString("156.06"));
    QCOMPARE(box("txtCRF")->selectedText(), QString("156.06"));

    // The user insists: the box lets go once, the panel still refuses to be left.
    clickNode("General");
    QCOMPARE(texts(), (std::vector<std::string>{"Data Error!!", kIncomplete}));
    QCOMPARE(LastBox(f->prompter()).title, std::string("TPW52"));
    QCOMPARE(TextOf(editor().tree()->currentItem()), QString("RG Channel"));
    QCOMPARE(panel()->objectName(), QString("pictC"));
    QCOMPARE(QApplication::focusWidget(), box("txtCRF"));  // back to what needs correcting

    // An empty box reads as no frequency: the box takes it; closing the window with saving
    // does not (any command on the whole data set refuses alike, as the main window's test
    // checks with a refusing page).
    typeInto("txtCRF", "");
    QTest::keyClick(box("txtCRF"), Qt::Key_Delete);
    QTest::keyClick(box("txtCRF"), Qt::Key_Tab);
    QCOMPARE(box("txtCRF")->text(), QString("---.----"));
    f->prompter().boxes.clear();
    ws().flags.DataChanged = true;
    f->prompter().plan(Answer::Yes);
    f->window->close();
    QVERIFY(f->window->isVisible());
    QCOMPARE(texts().back(), kIncomplete);
    ws().flags.DataChanged = false;
    f->prompter().boxes.clear();

    // A usable frequency lets the user go; the edit is dropped.
    typeInto("txtCRF", "156.05");
    clickNode("General");
    QCOMPARE(texts(), std::vector<std::string>{});
    QCOMPARE(panel()->objectName(), QString("pictGeneral"));
    QCOMPARE(ws().model.CHRG[0].rxFrequency, 156.8);
    QVERIFY(!ws().flags.DataChanged);
  }

  void freeFormChecksAndPasting() {
    ws().model.CHEXP.append(FreeRecord("16", 156.8, 156.8));
    open("EXPCHANNEL", "cmdBEdit");
    // EXP channels are checked by SAVE only: the box lets go and is rewritten.
    typeInto("txtCRF", "156.06");
    QTest::keyClick(box("txtCRF"), Qt::Key_Tab);
    QCOMPARE(texts(), std::vector<std::string>{});
    QCOMPARE(box("txtCRF")->text(), QString("156.0600"));
    button("cmdSave")->click();
    QCOMPARE(texts(), std::vector<std::string>{kIncomplete});
    QCOMPARE(ws().model.CHEXP[0].rxFrequency, 156.8);
    QCOMPARE(panel()->objectName(), QString("pictC"));

    // Pasted and dropped text loses what typing could not enter.
    box("txtCRF")->selectAll();
    box("txtCRF")->insert("157.0 MHz");
    QCOMPARE(box("txtCRF")->text(), QString("157.0"));
    box("txtCNN")->selectAll();
    box("txtCNN")->insert("by!");
    QCOMPARE(box("txtCNN")->text(), QString("by"));
    button("cmdSave")->click();
    QCOMPARE(ws().model.CHEXP[0].displayLeft, std::string("by"));
    QCOMPARE(ws().model.CHEXP[0].rxFrequency, 157.0);
  }

  void cancelDropsTheEditWithoutChecks() {
    ws().model.CHRG.append(FreeRecord("16", 156.8, 156.8));
    const SettingsModel before = ws().model;
    open("PR", "cmdBEdit");
    typeInto("txtCRF", "1");
    QTest::mouseClick(button("cmdCancel"), Qt::LeftButton);
    QCOMPARE(texts(), std::vector<std::string>{});
    QCOMPARE(panel()->objectName(), QString("pictB"));
    QCOMPARE(ws().model, before);
    QVERIFY(!ws().flags.DataChanged);
    // Back in the list the grid has the focus, so Enter opens the next channel.
    QCOMPARE(QApplication::focusWidget(), grid());
    QCOMPARE(f->window->hint(), QString("[Double click],[Enter]:Jump the Setting screen."));
  }

  void scramblerOnlyWhenTheModelHasIt() {
    ws().model.CHUSA.append(GroupRecord(1));
    ws().model.CHUSA[0].scramble = 6;
    open("PU", "cmdBEdit");
    QCOMPARE(VisibleOf(*f->window, {"cmbScramble", "lblScramble"}), QStringList());
    button("cmdSave")->click();
    QCOMPARE(ws().model.CHUSA[0].scramble, 6);  // kept while hidden
    ws().caps.ScrambleSupported = true;
    button("cmdBEdit")->click();
    QVERIFY(list("cmbScramble")->isVisible());
    QCOMPARE(list("cmbScramble")->currentText(), QString("2"));
    list("cmbScramble")->setCurrentIndex(0);
    button("cmdSave")->click();
    QCOMPARE(ws().model.CHUSA[0].scramble, 0);
  }

  void saveFileAndReopenGiveTheSameChannels() {
    start(false);
    ChangeLog log(ws());
    open("PR", "cmdBNew");
    typeInto("txtCNN", "7");
    typeInto("txtCRF", "161.975");
    typeInto("txtCTF", "161.975");
    check("chkCTXEnable")->click();
    check("chkCScan")->click();
    button("cmdSave")->click();
    open("PU", "cmdBNew");
    QCOMPARE(list("cmbStatusNo")->currentText(), QString("None"));  // what NEW will store
    list("cmbBaseChNo")->setCurrentIndex(72);
    list("cmbStatusIcon")->setCurrentIndex(1);
    check("chkCTXOnly")->click();
    button("cmdSave")->click();
    QVERIFY(ws().flags.DataChanged);
    // Low power without power up, as ticked.
    QCOMPARE(ws().model.CHUSA[1].position, 72);
    QVERIFY(ws().model.CHUSA[1].lowPower && !ws().model.CHUSA[1].powerUp);
    const SettingsModel saved = ws().model;

    const QString path = QString::fromStdString((*dir / "boat.dat").string());
    f->dialogs.planned << path;
    f->window->fileSaveAs();
    QVERIFY(!ws().flags.DataChanged);
    ws().model.CHRG.clear();
    ws().model.CHUSA.clear();
    open("PU", "cmdBNew");
    f->dialogs.planned << path;
    f->window->fileOpen();
    QCOMPARE(texts(), std::vector<std::string>{});
    QVERIFY(!control("pictC")->isEnabled());  // the new channel went with the old data
    for (ListId list : {ListId::CHUSA, ListId::CHINT, ListId::CHCAN, ListId::CHRG, ListId::CHEXP}) {
      QCOMPARE(ws().model.list(list), saved.list(list));
    }
    // What the user did, step by step; clearing the lists behind the window's back is none.
    QCOMPARE(log.steps(),
             (std::vector<std::string>{"New channel RG01", "New channel 72A", "Open boat.dat"}));
  }

  void aRegionOrModelChoiceAsksTheOpenChannelFirst() {
    start(false, "[model1]\r\nuse=1\r\natis=1\r\nwx=1\r\n[model2]\r\nuse=1\r\n");
    QAction* region = f->window->menus().destinations[0];
    QAction* otherModel = f->window->menus().modelTypes[1];
    QVERIFY(region->isChecked());
    QVERIFY(otherModel->isEnabled());
    open("PR", "cmdBNew");
    typeInto("txtCNN", "7");  // no receive frequency yet
    const SettingsModel model = ws().model;
    auto nothingChanged = [&] {
      QCOMPARE(ws().model, model);
      QCOMPARE(ws().caps.ModelType, 1);
      QVERIFY(region->isChecked());
      QVERIFY(!otherModel->isChecked());
      QVERIFY(f->host.pauses.empty());  // no destination loaded
      QVERIFY(control("pictC")->isEnabled());
      QCOMPARE(box("txtCNN")->text(), QString("7"));
    };

    // Refused with the panel's message, and no question asked.
    region->trigger();
    otherModel->trigger();
    QCOMPARE(texts(), (std::vector<std::string>{kIncomplete, kIncomplete}));
    nothingChanged();
    QVERIFY(box("txtCRF")->hasFocus());

    // A usable channel lets the destination load again; it closes the panel.
    typeInto("txtCRF", "156.05");
    region->trigger();
    QCOMPARE(f->prompter().boxes.size(), 2u);
    QVERIFY(!control("pictC")->isEnabled());
    QCOMPARE(f->host.pauses.size(), 1u);
  }

  // Refused, corrected, and left again by Tab, by a click on SAVE or by a tree click: the
  // settings hold the correction, and programming the demo radio sends it. A channel reaches
  // the settings by SAVE (a tree click would leave the panel and drop its edit), so SAVE
  // follows the correction there; a name is checked by SAVE and by leaving the panel, not by
  // Tab. (The ATIS code's refuse-correct-move-on is the setup panels' test.)
  void everyCorrectionReachesTheSettingsAndTheRadio() {
    enum class Leave { Tab, Click, Tree };
    const struct {
      const char* box;
      const char* bad;
      const char* good;
      std::string refusal;
    } boxes[] = {
        {"txtCRF", "174.1", "157.1", "Data Error!!"},
        {"txtCTF", "174.1", "157.1", "Data Error!!"},
        {"txtCNN", "", "CA", kIncomplete},
    };
    for (const auto& b : boxes) {
      for (const Leave leave : {Leave::Tab, Leave::Click, Leave::Tree}) {
        const std::string name = b.box;
        if (name == "txtCNN" && leave == Leave::Tab) continue;
        start(true);
        ws().model.CHRG.append(FreeRecord("16", 156.8, 156.8));
        open("PR", "cmdBEdit");
        const auto leaveBy = [&](Leave how) {
          if (how == Leave::Tab) QTest::keyClick(box(b.box), Qt::Key_Tab);
          if (how == Leave::Click) QTest::mouseClick(button("cmdSave"), Qt::LeftButton);
          if (how == Leave::Tree) clickNode("General");
        };
        typeInto(b.box, b.bad);
        if (*b.bad == '\0') QTest::keyClick(box(b.box), Qt::Key_Backspace);
        leaveBy(leave);
        const QByteArray context =
            QByteArray(b.box) + " left by " + QByteArray::number(static_cast<int>(leave));
        QVERIFY2(texts() == std::vector<std::string>{b.refusal}, context);
        typeInto(b.box, b.good);
        if (leave != Leave::Tree) leaveBy(leave);
        if (leave != Leave::Click) button("cmdSave")->click();
        QVERIFY2(texts().size() == 1u, context);

        const ChannelRecord& saved = ws().model.CHRG[0];
        QCOMPARE(saved.rxFrequency, name == "txtCRF" ? 157.1 : 156.8);
        QCOMPARE(saved.txFrequency, name == "txtCTF" ? 157.1 : 156.8);
        QCOMPARE(saved.displayLeft, std::string(name == "txtCNN" ? b.good : "16"));
        f->prompter().plan(Answer::Yes);  // the demo radio takes its first ATIS code
        QVERIFY(TransferWithOk(*f->window, TransferMode::Program).done());
        const int first = Layout(ListId::CHRG).recordsAddress;
        for (int a = first; a < first + 16; ++a) {
          QCOMPARE(f->window->demoRadio()->memory().at(a), ws().image.at(a));
        }
      }
    }
  }

  void replacedDataClosesThePanel() {
    start(true);
    ChangeLog log(ws());
    const int usaRecords = ws().model.CHUSA.size();
    QVERIFY(usaRecords > 0);
    // A read from the radio, the region's data set again, New.
    const std::function<void()> replacements[] = {
        [&] {
          WhenModalOpens<gui::TransferDialog>(PressOk);
          f->window->transferRead();
          QCOMPARE(ws().model.CHUSA.size(), usaRecords);
        },
        [this] { f->window->chooseDestination(0); },
        [this] {
          f->window->fileNew();
          QTRY_VERIFY_WITH_TIMEOUT(!f->window->newDataSetTimer()->isActive(), 2000);
        }};
    for (const auto& replace : replacements) {
      open("PU", "cmdBEdit");
      QCOMPARE(panel()->objectName(), QString("pictC"));
      replace();
      QVERIFY(!control("pictC")->isEnabled());
      QCOMPARE(box("txtCRF")->text(), QString());
      QCOMPARE(texts(), std::vector<std::string>{"Complete!!"});
    }
    QCOMPARE(panel()->objectName(), QString("pictGeneral"));
    // Each replacement is one step that leaves nothing to save; an edit dropped is none.
    QCOMPARE(log.steps(), (std::vector<std::string>{"Read from Radio", "Region QZ815_UK", "New"}));
    for (const ChangeReport& report : log.reports) QCOMPARE(report.kind, StepKind::Load);
    QVERIFY(!ws().flags.DataChanged);
  }
};

QTEST_MAIN(ChannelPagesTest)
#include "channel_pages_test.moc"
