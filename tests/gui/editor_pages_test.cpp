// The editor's pages on real widgets: the tree of the usable groups, the list panel's grid, and
// the channel edit panel (pictC) with NEW, EDIT and DELETE of the list panel: both forms, the
// enable chain, the frequency and name boxes, the checks before the panel is left, and what
// SAVE and DELETE leave in the settings, the grid and the files. The Common Setup page (usable
// groups and priority channels, scanning and watch, ATIS) and the Weather page over a
// destination template, with the demo radio where a setting has to survive the radio.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "core/sample_records.h"
#include "gui/editor/channel_grid_widget.h"
#include "gui/editor/connector_line.h"
#include "gui/link/transfer_dialog.h"
#include "gui_test_support.h"
#include "image/encodings.h"
#include "image/memory_map.h"
#include "sim/radio_simulator.h"

using namespace tpw;
using namespace tpw::test;
using gui::ChannelGridWidget;
using gui::ConnectorLine;
using gui::TransferDialog;

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

// "Complete!!" of a write or clear of the demo radio that the read-back verified.
constexpr const char* kVerified =
    "Complete!!\r\nVerified: the radio on Simulated radio (demo) holds everything written.";

// A UK template as a radio holds it: USA, INT and UK usable, three USA and two INT channels
// (no others),
// USA's priority channel 16, INT's a record it does not have; scan on, resume 3 s, watch off
// in triple mode; ATIS on USA and UK, no code, programmed twice; every weather channel on.
MemoryImage UkTemplate() {
  MemoryImage image = sim::FactoryMemory(ValidImage(1));
  Fill(image, addr::UsableGroups, {0xE0});
  Fill(image, 0x100, {0xE0});
  Fill(image, 0x300, {6, 0x30, 16, 0x30, 72, 0x30});
  Fill(image, 0x120, {0xC0});
  Fill(image, 0x3C0, {9, 0x30, 16, 0x30});
  Fill(image, 0x140, {0x00});
  Fill(image, 0x162, {0, 0, 0, 0, 0, 0});
  Fill(image, addr::PriorityCh, {0x00, 0x02});
  Fill(image, addr::PriorityCh + addr::GroupStride, {0x00, 0x05});
  Fill(image, addr::PriorityCh + 2 * addr::GroupStride, {0x00, 0x20});
  Fill(image, addr::WeatherAlert, {0, 0x01, 0, 0, 3, 0, 1});
  Fill(image, addr::AtisChGroup, {0xA0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 2});
  Fill(image, 0x160, {0xFF, 0xC0});
  Fill(image, 0x1E0, {0x00, 0x00});
  return image;
}

QStringList Items(const QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

// A choice in a list as the user makes it: the entry is selected and announced as chosen.
void Choose(QComboBox* box, const QString& text) {
  const int index = box->findText(text);
  box->setCurrentIndex(index);
  emit box->activated(index);
}

}  // namespace

class EditorPagesTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::unique_ptr<GuiFixture> f;

  gui::EditorPane& editor() { return f->window->editor(); }
  Workspace& ws() { return f->ws(); }
  template <typename T = QWidget>
  T* control(const char* name, int index = -1) {
    return RequiredControl<T>(*f->window, name, index);
  }
  QLineEdit* box(const char* name) { return control<QLineEdit>(name); }
  QCheckBox* check(const char* name, int index = -1) { return control<QCheckBox>(name, index); }
  QComboBox* list(const char* name, int index = -1) { return control<QComboBox>(name, index); }
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

  gui::MainWindow& window() { return *f->window; }
  QLineEdit* code() { return control<QLineEdit>("txtATIScode"); }
  // Types into a control that has the focus, key by key.
  void type(QWidget* widget, const QString& keys) { QTest::keyClicks(widget, keys); }
  void focus(QWidget* widget, Qt::FocusReason reason = Qt::TabFocusReason) {
    widget->setFocus(reason);
  }
  TransferResult transfer(TransferMode mode) { return TransferWithOk(window(), mode); }
  // The setup pages' window: over a UK template beside a USA one.
  void startOnUkTemplate() {
    WriteBytes(*dir / "global.ini", kOneModel);
    WriteBytes(*dir / "QZ815_UK_012D.ini", ImageAsString(UkTemplate()));
    MemoryImage usa = sim::FactoryMemory(ValidImage(0xFF));
    Fill(usa, addr::UsableGroups, {0x80});
    Fill(usa, addr::AtisChGroup, {0x40});
    WriteBytes(*dir / "QZ815_USA_012D.ini", ImageAsString(usa));
    f = std::make_unique<GuiFixture>(dir->path(), true);
    f->settings.write("IniFilePath", "IniFileName_1", "QZ815_UK");
    QVERIFY(window().load());
    window().show();
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    QCOMPARE(f->ws().model.groups[2].label, std::string("UK"));
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
  // Tab. (The ATIS code's refuse-correct-move-on: atisCodeIsTenDigitsOrNone.)
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

  void commonSetupShowsTheSettingsInItsThreeSections() {
    startOnUkTemplate();
    QVERIFY(!f->ws().flags.DataChanged);
    select("Common");
    QCOMPARE(editor().panels()->currentWidget()->objectName(), QString("pictCommon"));
    // Usable groups and priority channels; the EXP group has none.
    const QStringList usable = Members("chkUsable", 4);
    QCOMPARE(TextsOf(window(), usable), QStringList({"USA", "INT", "UK", "EXP"}));
    QCOMPARE(CheckedOf(window(), usable), usable.mid(0, 3));
    QCOMPARE(TextsOf(window(), {"lblPri", "lblUsablePri[2]", "cmbUsablePri[0]", "cmbUsablePri[1]"}),
             QStringList({"Priority CH", "CAN", "16", "09"}));
    // Which entries the lists offer, in what words, is the channel groups' and the common
    // options' tests; here the lists show them and the values.
    QCOMPARE(Items(list("cmbUsablePri", 0)), QStringList({"06", "16", "72"}));
    QCOMPARE(TextsOf(window(), {"cmbCommonScan", "cmbCommonResume", "cmbCommonModeSelect"}),
             QStringList({"On", "3Sec", "TW"}));
    QCOMPARE(VisibleOf(window(), {"cmbUsablePri[3]", "pictCommonWeater", "cmbCommonDual"}),
             QStringList());
    QCOMPARE(list("cmbCommonDual")->count(), 2);
    // ATIS.
    const QStringList atisGroups = Members("chkATISChGroup", 4);
    QCOMPARE(TextsOf(window(), atisGroups.mid(0, 3)), QStringList({"USA", "INT", "UK"}));
    QCOMPARE(CheckedOf(window(), atisGroups), QStringList({atisGroups[0], atisGroups[2]}));
    QCOMPARE(VisibleOf(window(), atisGroups), atisGroups.mid(0, 3));
    QCOMPARE(TextsOf(window(),
                     {"pictATIS_2", "cmbAtisMode", "txtATIScode", "txtACount", "cmdAtisClear"}),
             QStringList({"ATIS Function", "Normal", "", "2", "ATIS Clear"}));
    QCOMPARE(EnabledOf(window(), {"txtATIScode", "lblATISCode"}),
             QStringList({"txtATIScode", "lblATISCode"}));

    // The focused control's hint; the code box selects its whole text.
    const std::pair<QWidget*, const char*> hints[] = {
        {list("cmbCommonScan"), "[Up]/[Down]:Change of a Selection item."},
        {list("cmbUsablePri", 0), "[Up]/[Down]:Change of a Selection item."},
        {check("chkUsable", 1), "[Space]:An effective and invalid change."},
        {check("chkATISChGroup", 0), "[Space]:An effective and invalid change."},
        {list("cmbAtisMode"), "[Up]/[Down]:Change of a Selection item."},
        {code(), "Numeric Only. Indispensable 10 figures."}};
    for (const auto& [widget, hint] : hints) {
      focus(widget);
      QCOMPARE(window().hint(), QString(hint));
    }
  }

  void showingAPageChangesDataOnlyWhenAPriorityIsReplaced() {
    startOnUkTemplate();
    select("Common");
    // INT's priority channel 5 is none of its two channels: the first takes its place.
    QCOMPARE(f->ws().model.groups[1].priorityChannel, 1);
    QVERIFY(f->ws().flags.DataChanged);
    // CAN has no channel to offer and keeps its priority.
    QCOMPARE(f->ws().model.groups[2].priorityChannel, 32);
    f->ws().flags.DataChanged = false;
    const SettingsModel before = f->ws().model;
    for (const char* key : {"General", "Common", "PW", "Common"}) select(key);
    QVERIFY(!f->ws().flags.DataChanged);
    QCOMPARE(f->ws().model, before);
    // Which priorities are replaced, and by what, is the channel groups' test.
  }

  void scanAndWatchGovernTheirListsAndKeepTheirValues() {
    startOnUkTemplate();
    const CommonSetup start = f->ws().model.common;
    select("Common");
    const QList<ConnectorLine*> lines = window().findChildren<ConnectorLine*>("linScan");
    QCOMPARE(lines.size(), 3);
    auto* watchLine = control<ConnectorLine>("linDwtw");
    const QColor on = watchLine->palette().color(QPalette::Active, QPalette::WindowText);
    const QStringList mode = {"cmbCommonModeSelect", "lblCommonModeSelect"};
    const QStringList scanControls = {"cmbCommonResume", "cmbCommonPTTSCAN", "lblCommonResume",
                                      "lblCommonPTTSCAN"};
    QCOMPARE(EnabledOf(window(), mode), QStringList());  // DW/TW is off
    QVERIFY(watchLine->colour() != on);

    f->ws().flags.DataChanged = false;
    Choose(list("cmbCommonScan"), "Off");
    QVERIFY(!f->ws().model.common.scan);
    QVERIFY(f->ws().flags.DataChanged);
    QCOMPARE(EnabledOf(window(), scanControls), QStringList());
    for (ConnectorLine* line : lines) QVERIFY(line->colour() != on);
    QCOMPARE(list("cmbCommonResume")->currentText(), QString("3Sec"));
    QCOMPARE(f->ws().model.common.resumeTime, 3);
    Choose(list("cmbCommonScan"), "On");
    QCOMPARE(EnabledOf(window(), scanControls), scanControls);
    QCOMPARE(list("cmbCommonResume")->currentText(), QString("3Sec"));
    for (ConnectorLine* line : lines) QCOMPARE(line->colour(), on);

    Choose(list("cmbCommonDWTW"), "On");
    QVERIFY(f->ws().model.common.dualWatch);
    QCOMPARE(EnabledOf(window(), mode), mode);
    QCOMPARE(watchLine->colour(), on);
    Choose(list("cmbCommonModeSelect"), "DW");
    Choose(list("cmbCommonResume"), "5Sec");
    Choose(list("cmbCommonPTTSCAN"), "On");
    Choose(list("cmbCommonWeater"), "On Scan");
    CommonSetup expected = start;
    expected.scan = expected.pttScanClear = expected.dualWatch = true;
    expected.resumeTime = 5;
    expected.weatherAlert = 2;
    expected.modeSelect = 0;
    QCOMPARE(f->ws().model.common, expected);

    // "Dual Watch" stores nothing: core SetupEdits.DualWatchAndRowsWithoutARecordStoreNothing.
    f->ws().flags.DataChanged = false;
    // A stored value without an entry: core CommonOptions.AStoredValueWithoutAnEntry...
  }

  void untickingAGroupTakesItFromTheTreeAndTheAtisSection() {
    startOnUkTemplate();
    select("Common");
    QVERIFY(TreeTexts(editor().tree()).contains("Group2(INT)"));
    f->ws().flags.DataChanged = false;
    check("chkUsable", 1)->click();
    QVERIFY(!f->ws().model.groups[1].usable);
    QVERIFY(f->ws().flags.DataChanged);
    QVERIFY(!TreeTexts(editor().tree()).contains("Group2(INT)"));  // the nodes: core NavigationTree
    QCOMPARE(TextOf(editor().tree()->currentItem()), QString("Common Setup"));
    QCOMPARE(EnabledOf(window(),
                       {"cmbUsablePri[1]", "lblUsablePri[1]", "chkATISChGroup[1]", "txtATIScode"}),
             QStringList({"txtATIScode"}));
    QCOMPARE(f->ws().model.groups[1].priorityChannel, 1);  // the priority stays

    check("chkUsable", 3)->click();
    QVERIFY(TreeTexts(editor().tree()).contains("EXP Channel(EXP)"));
    for (int g : {0, 2, 3}) {
      if (check("chkUsable", g)->isChecked()) check("chkUsable", g)->click();
    }
    QCOMPARE(EnabledOf(window(), Members("chkATISChGroup", 4) << "txtATIScode"
                                                              << "lblATISCode"),
             QStringList());
    // The ATIS groups themselves are kept.
    QCOMPARE(f->ws().model.atis.groups, (std::array<bool, 4>{true, false, true, false}));

    check("chkUsable", 1)->click();
    QVERIFY(check("chkATISChGroup", 1)->isEnabled());
    check("chkATISChGroup", 1)->click();
    QCOMPARE(f->ws().model.atis.groups, (std::array<bool, 4>{true, true, true, false}));
    Choose(list("cmbAtisMode"), "Special");
    QCOMPARE(f->ws().model.atis.mode, 1);
  }

  void atisCodeIsTenDigitsOrNone() {
    startOnUkTemplate();
    f->ws().model.atis.code = "3660000001";
    select("Common");
    QCOMPARE(code()->text(), QString("3660000001"));
    focus(code());
    QCOMPARE(code()->selectedText(), QString("3660000001"));

    // Five digits and a move to another control: refused, the focus stays.
    f->ws().flags.DataChanged = false;
    type(code(), "12345");
    QVERIFY(f->ws().flags.DataChanged);
    QTest::keyClick(code(), Qt::Key_Tab);
    QCOMPARE(f->prompter().texts(), std::vector<std::string>{"Data Error!!"});
    QCOMPARE(LastBox(f->prompter()).title, std::string("ATISNo"));
    QCOMPARE(LastBox(f->prompter()).icon, Icon::Exclamation);
    QVERIFY(code()->hasFocus());
    QCOMPARE(f->ws().model.atis.code, std::string("3660000001"));
    // A click on another list is not carried out.
    QTest::mouseClick(list("cmbAtisMode"), Qt::LeftButton);
    QCOMPARE(f->prompter().boxes.size(), 2u);
    QVERIFY(code()->hasFocus());
    QVERIFY(QApplication::activePopupWidget() == nullptr);
    // Another node, or a command on the whole data set, first asks the box.
    select("PR");
    QCOMPARE(f->prompter().boxes.size(), 3u);
    QCOMPARE(TextOf(editor().tree()->currentItem()), QString("Common Setup"));
    window().fileSaveAs();
    QCOMPARE(f->prompter().boxes.size(), 4u);
    QVERIFY(f->dialogs.folders.isEmpty());

    // Towards "ATIS Clear" the stored code comes back without a word.
    focus(control<QPushButton>("cmdAtisClear"));
    QCOMPARE(code()->text(), QString("3660000001"));
    QCOMPARE(f->prompter().boxes.size(), 4u);
    QVERIFY(window().validateBeforeLeave());

    // Only digits get in, pasted or dropped (typed: below; which ones: core AtisCode).
    focus(code());
    QTest::keyClick(code(), Qt::Key_Backspace);
    QGuiApplication::clipboard()->setText(" 2359876543 ");
    code()->paste();
    QCOMPARE(code()->text(), QString("2359876543"));
    // Ten digits that are no ATIS code (it begins with 9 and a country code): a warning, and
    // the focus stays unless the user keeps the code.
    QTest::keyClick(code(), Qt::Key_Tab);
    QCOMPARE(f->prompter().boxes.size(), 5u);
    const RecordingPrompter::Box warning = LastBox(f->prompter());
    QVERIFY(warning.question);
    QCOMPARE(warning.title, std::string("ATISNo"));
    QCOMPARE(warning.icon, Icon::Exclamation);
    QCOMPARE(warning.buttons, Buttons::YesNo);
    QCOMPARE(warning.defaultAnswer, Answer::No);
    QVERIFY(warning.text.ends_with("Keep this code?"));
    QVERIFY(code()->hasFocus());
    QCOMPARE(f->ws().model.atis.code, std::string("3660000001"));
    f->prompter().plan(Answer::Yes);
    QTest::keyClick(code(), Qt::Key_Tab);
    QCOMPARE(f->ws().model.atis.code, std::string("2359876543"));
    QCOMPARE(f->prompter().boxes.size(), 6u);

    focus(code());
    QTest::keyClick(code(), Qt::Key_Backspace);
    QMimeData dragged;
    dragged.setText("92-11 23\t45x67");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(code(), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(code(), &drop);
    QCOMPARE(code()->text(), QString("9211234567"));
    QVERIFY(window().validateBeforeLeave());
    QCOMPARE(f->ws().model.atis.code, std::string("9211234567"));

    // Deleting the whole code stores none.
    focus(code());
    code()->selectAll();
    QTest::keyClick(code(), Qt::Key_Backspace);
    focus(list("cmbAtisMode"));
    QCOMPARE(f->ws().model.atis.code, std::string());
    QCOMPARE(f->prompter().boxes.size(), 6u);

    // A key that does not get in is no change.
    f->ws().flags.DataChanged = false;
    focus(code());
    type(code(), "x");
    QVERIFY(!f->ws().flags.DataChanged);

    // Refused, corrected, and the focus moves on: the settings hold the correction.
    ChangeLog log(f->ws());
    type(code(), "921");
    QTest::keyClick(code(), Qt::Key_Tab);
    QCOMPARE(LastBox(f->prompter()).text, std::string("Data Error!!"));
    code()->end(false);
    type(code(), "1234567");
    QTest::keyClick(code(), Qt::Key_Tab);
    QVERIFY(!code()->hasFocus());
    QCOMPARE(f->ws().model.atis.code, std::string("9211234567"));
    QCOMPARE(log.steps(), std::vector<std::string>{"Change ATIS Code"});
  }

  void aRegionChoiceAsksTheTypedCodeFirst() {
    startOnUkTemplate();
    f->ws().model.atis.code = "3660000001";
    select("Common");
    focus(code());
    type(code(), "92112");
    const SettingsModel model = f->ws().model;
    const MemoryImage image = f->ws().image;
    QAction* uk = window().menus().destinations[0];
    QAction* usa = window().menus().destinations[1];
    QCOMPARE(usa->text(), QString("QZ815_USA"));

    // Another destination, or the checked one again: refused as leaving the box is, with no
    // question and no change of the data, the menu or the page.
    for (QAction* entry : {usa, uk}) {
      entry->trigger();
      QCOMPARE(LastBox(f->prompter()).text, std::string("Data Error!!"));
      QCOMPARE(LastBox(f->prompter()).title, std::string("ATISNo"));
    }
    QCOMPARE(f->prompter().boxes.size(), 2u);
    QCOMPARE(f->ws().model, model);
    QCOMPARE(f->ws().image.bytes(), image.bytes());
    QVERIFY(f->ws().flags.DataChanged);
    QVERIFY(uk->isChecked());
    QVERIFY(!usa->isChecked());
    QVERIFY(f->host.pauses.empty());
    QCOMPARE(TextOf(editor().tree()->currentItem()), QString("Common Setup"));
    QVERIFY(code()->hasFocus());
    QCOMPARE(code()->text(), QString("92112"));

    // Completed, the code is taken and the question comes.
    code()->end(false);
    type(code(), "34567");
    f->prompter().plan(Answer::Cancel);
    usa->trigger();
    QCOMPARE(f->ws().model.atis.code, std::string("9211234567"));
    QCOMPARE(LastBox(f->prompter()).text, std::string("Do you want to change to QZ815_USA?"));
    QVERIFY(uk->isChecked());
  }

  void atisClearAgainstTheDemoRadio() {
    startOnUkTemplate();
    f->ws().model.atis.code = "3660000001";
    f->prompter().plan(Answer::Yes);  // the demo radio takes its first code
    QVERIFY(transfer(TransferMode::Program).done());
    QVERIFY(window().demoRadio() != nullptr);
    QCOMPARE(DecodeDigits(window().demoRadio()->memory(), addr::AtisCode),
             std::string("3660000001"));
    select("Common");
    f->ws().flags.DataChanged = false;
    ChangeLog log(f->ws());
    // A half-typed code gives way to the clear without a message.
    focus(code());
    type(code(), "12");
    WhenModalOpens<TransferDialog>(PressOk);
    QTest::mouseClick(control<QPushButton>("cmdAtisClear"), Qt::LeftButton);
    QCOMPARE(f->prompter().boxes.size(), 3u);
    QCOMPARE(f->prompter().texts()[1], std::string(kVerified));
    QCOMPARE(LastBox(f->prompter()).text, std::string(kVerified));
    QCOMPARE(LastBox(f->prompter()).title, std::string("Clear ATIS Data"));
    QCOMPARE(code()->text(), QString());
    QCOMPARE(f->ws().model.atis.code, std::string());
    QVERIFY(window().demoRadio()->memory().allFF(addr::AtisCode, addr::AtisCodeLength));
    QCOMPARE(control<QLineEdit>("txtACount")->text(),
             QString::number(f->ws().image.at(addr::AtisCount)));
    QCOMPARE(window().demoRadio()->memory().at(addr::AtisCount), f->ws().image.at(addr::AtisCount));
    QVERIFY(f->ws().flags.DataChanged);
    // One step, a change to save (what the step holds: core ChangeReport).
    QCOMPARE(log.steps(), std::vector<std::string>{"ATIS Clear"});
  }

  void weatherPageShowsTheRecordsItHolds() {
    startOnUkTemplate();
    select("PW");
    QCOMPARE(editor().panels()->currentWidget()->objectName(), QString("pictD"));
    QCOMPARE(control<QLabel>("lblWX", 9)->text(), QString("WX10[163.275MHz]"));
    const QStringList enables = Members("chkDEnable", 10);
    const QStringList scans = Members("chkDScan", 10);
    QCOMPARE(CheckedOf(window(), enables + scans), enables);
    QCOMPARE(EnabledOf(window(), scans), scans);

    // The box with the focus shows ">" and the hint of its column.
    focus(check("chkDScan", 2));
    QCOMPARE(check("chkDScan", 2)->text(), QString(">"));
    QCOMPARE(window().hint(), QString("[Space]:An effective and invalid change."));
    check("chkDScan", 2)->click();
    QVERIFY(f->ws().model.CHWX[2].scanMemory);
    focus(check("chkDEnable", 2));
    QCOMPARE(check("chkDScan", 2)->text(), QString(" "));
    QCOMPARE(window().hint(), QString("Select[x]Enable/[]Disable."));
    f->ws().flags.DataChanged = false;
    check("chkDEnable", 2)->click();
    QVERIFY(!f->ws().model.CHWX[2].enabled);
    QVERIFY(f->ws().flags.DataChanged);
    QVERIFY(!check("chkDScan", 2)->isEnabled());
    QVERIFY(check("chkDScan", 2)->isChecked());
    QVERIFY(f->ws().model.CHWX[2].scanMemory);  // kept while the channel is off

    // Five records: the other rows are empty and take no click.
    while (f->ws().model.CHWX.size() > 5) f->ws().model.CHWX.erase(f->ws().model.CHWX.size() - 1);
    editor().refreshCurrentNode();
    for (int k = 5; k < 10; ++k) check("chkDEnable", k)->click();
    QCOMPARE(f->ws().model.CHWX.size(), 5);
    QCOMPARE(EnabledOf(window(), enables + scans),
             enables.mid(0, 5) + QStringList({scans[0], scans[1], scans[3], scans[4]}));
    QCOMPARE(CheckedOf(window(), enables),
             QStringList({enables[0], enables[1], enables[3], enables[4]}));
    // Which rows show ticks: core WeatherRows.EveryRowShowsItsChannelAndOnlyHeldRecords...
  }

  void resetsKeepTheTemplatesAtisGroupsAndReportOneStep() {
    startOnUkTemplate();
    select("Common");
    ChangeLog log(f->ws());
    window().resetEditor(gui::MainWindow::EditorReset::NewDataSet);  // what New runs
    QCOMPARE(f->ws().model.atis.groups, (std::array<bool, 4>{true, false, true, false}));
    QVERIFY(!check("chkATISChGroup", 0)->isChecked());  // the page is empty until shown
    QVERIFY(log.reports.empty());                       // emptying the pages is no change
    f->recorder.plan(Answer::Ok);
    const QList<QAction*> destinations = FindActions(window(), "mnuDestinationChild");
    QCOMPARE(destinations[1]->text(), QString("QZ815_USA"));
    window().chooseDestination(1);
    QCOMPARE(f->ws().model.atis.groups, (std::array<bool, 4>{false, true, false, false}));
    QVERIFY(!f->ws().flags.DataChanged);
    QCOMPARE(log.steps(), std::vector<std::string>{"Region QZ815_USA"});
    QCOMPARE(log.reports[0].kind, StepKind::Load);
    const auto& replaced = std::get<DataSetChange>(log.reports[0].changes.at(0));
    QCOMPARE(replaced.after.model, f->ws().model);
    QCOMPARE(replaced.before.model.groups[2].label, std::string("UK"));
    select("Common");
    QVERIFY(check("chkATISChGroup", 1)->isChecked());
  }

  void aRefusedFileChangesNothing() {
    startOnUkTemplate();
    // An accepted file starts the editor again, with the weather list the file carries.
    select("PW");
    check("chkDEnable", 0)->click();
    const QString saved = QString::fromStdString((*dir / "boat.dat").string());
    f->dialogs.planned << saved;
    window().fileSaveAs();
    f->dialogs.planned << saved;
    window().fileOpen();
    QCOMPARE(QString::fromStdString(f->ws().documentPath), saved);
    QVERIFY(!f->ws().model.CHWX[0].enabled);
    QCOMPARE(TextOf(editor().tree()->currentItem()), QString("General"));

    // A refused one changes nothing at all.
    select("PW");
    check("chkDScan", 3)->click();
    select("Common");
    const SettingsModel model = f->ws().model;
    const QString title = window().windowTitle();
    const QStringList tree = TreeTexts(editor().tree());
    const int node = editor().state().currentNode;

    ChangeLog log(f->ws());
    const auto refused = *dir / "other.dat";
    WriteBytes(refused, "[MAIN]\r\nMODELTYPE=2\r\nREGION=1\r\n");
    f->dialogs.planned << QString::fromStdString(refused.string());
    window().fileOpen();
    // The first line is the refusal; the next names the file and why.
    QVERIFY(LastBox(f->prompter()).text.rfind("ModelType Error !!\r\n" + refused.string(), 0) == 0);
    QCOMPARE(f->ws().model, model);
    QVERIFY(f->ws().model.CHWX[3].scanMemory);
    QCOMPARE(QString::fromStdString(f->ws().documentPath), saved);
    QCOMPARE(window().windowTitle(), title);
    QCOMPARE(TreeTexts(editor().tree()), tree);
    QCOMPARE(editor().state().currentNode, node);
    QCOMPARE(TextOf(editor().tree()->currentItem()), QString("Common Setup"));
    QCOMPARE(editor().panels()->currentWidget()->objectName(), QString("pictCommon"));
    QVERIFY(editor().panels()->currentWidget()->isEnabled());
    QCOMPARE(list("cmbCommonScan")->currentText(), QString("On"));
    QVERIFY(log.reports.empty());
  }

  void everySettingSurvivesProgrammingAndReadingTheRadio() {
    startOnUkTemplate();
    ChangeLog log(f->ws());  // runTransfer and resetEditor are no commands: the choices are steps
    select("Common");
    check("chkUsable", 1)->click();  // INT off
    check("chkUsable", 3)->click();  // EXP on
    Choose(list("cmbUsablePri", 0), "72");
    Choose(list("cmbCommonResume"), "5Sec");
    Choose(list("cmbCommonPTTSCAN"), "On");
    Choose(list("cmbCommonScan"), "Off");
    Choose(list("cmbCommonDWTW"), "On");
    Choose(list("cmbCommonModeSelect"), "DW");
    Choose(list("cmbCommonWeater"), "Wx and Scan");  // kept out of sight, stored all the same
    check("chkATISChGroup", 0)->click();
    Choose(list("cmbAtisMode"), "Special");
    focus(code());
    type(code(), "9230000001");
    select("PW");
    check("chkDEnable", 1)->click();
    check("chkDScan", 4)->click();
    check("chkDScan", 9)->click();
    const SettingsModel programmed = f->ws().model;
    QCOMPARE(programmed.atis.code, std::string("9230000001"));
    QCOMPARE(programmed.groups[0].priorityChannel, 3);
    QCOMPARE(programmed.common.weatherAlert, 3);

    f->prompter().plan(Answer::Yes);  // the demo radio takes its first code
    QVERIFY(transfer(TransferMode::Program).done());
    window().resetEditor(gui::MainWindow::EditorReset::NewDataSet);
    QVERIFY(f->ws().model != programmed);
    QVERIFY(transfer(TransferMode::Read).done());
    QCOMPARE(f->ws().model, programmed);
    QCOMPARE(f->prompter().boxes.size(), 3u);
    QCOMPARE(f->prompter().texts()[1], std::string(kVerified));
    QCOMPARE(f->prompter().texts()[2], std::string("Complete!!"));
    // Every choice was one step through the core, after the page's correction of a priority.
    QCOMPARE(log.steps().size(), 16u);

    // And the pages show them.
    select("Common");
    QCOMPARE(list("cmbUsablePri", 0)->currentText(), QString("72"));
    QCOMPARE(list("cmbCommonResume")->currentText(), QString("5Sec"));
    QVERIFY(!list("cmbCommonResume")->isEnabled());
    QCOMPARE(code()->text(), QString("9230000001"));
    select("PW");
    QVERIFY(!check("chkDEnable", 1)->isChecked());
    QVERIFY(check("chkDScan", 9)->isChecked());
  }
};

QTEST_MAIN(EditorPagesTest)
#include "editor_pages_test.moc"
