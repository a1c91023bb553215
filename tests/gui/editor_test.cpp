#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "core/sample_records.h"
#include "gui/editor/channel_grid_widget.h"
#include "gui_test_support.h"

using namespace tpw;
using namespace tpw::test;
using tpw::gui::ChannelGridWidget;

namespace {

// The check mark a cell shows (Qt::Checked or Qt::Unchecked), or nothing for a text cell.
QVariant CheckMark(QTableWidget* grid, int row, int column) {
  return grid->model()->index(row, column).data(Qt::CheckStateRole);
}

ChannelRecord UsaRecord(int position) {
  return PlanRecord(position, 0, true, false, false);
}

// A free channel of the INT group.
ChannelRecord IntRecord(const std::string& name, double rx) {
  ChannelRecord r = FreeRecord(name.c_str(), rx, rx);
  r.inIntGroup = true;
  return r;
}

QStringList RowTexts(QTableWidget* grid, int row) {
  QStringList texts;
  for (int c = 0; c < grid->columnCount(); ++c) texts << CellText(*grid, row, c);
  return texts;
}

}  // namespace

const QStringList kListButtons = {"cmdBNew", "cmdBEdit", "cmdBDELETE"};

class EditorTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<GuiFixture> f;
  gui::EditorPane& editor() { return f->window->editor(); }
  QPushButton* button(const char* name) { return RequiredControl<QPushButton>(*f->window, name); }
  ChannelGridWidget* grid() { return f->window->findChild<ChannelGridWidget*>("MSFlexGrid1"); }
  void select(const char* key) { editor().selectNodeByKey(QString::fromLatin1(key)); }

  void useGroups(bool usa, bool intl, bool can, bool exp) {
    f->ws().model.groups[0] = {usa, 0, "USA"};
    f->ws().model.groups[1] = {intl, 0, "INT"};
    f->ws().model.groups[2] = {can, 0, "NL"};
    f->ws().model.groups[3] = {exp, 0, "EXP"};
    editor().rebuildTree();
  }

 private slots:
  void init() {
    f = std::make_unique<GuiFixture>();
    f->window->show();
    f->window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
    QVERIFY(grid() != nullptr);
  }
  void cleanup() { f.reset(); }

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
    for (int k = 0; k < 96; ++k) f->ws().model.CHUSA.append(UsaRecord(k % 60));
    ChannelRecord duplex = UsaRecord(16);
    duplex.duplex = 2;
    duplex.txEnabled = false;
    f->ws().model.CHUSA[1] = duplex;
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
    for (int k = 0; k < 12; ++k)
      f->ws().model.CHRG.append(IntRecord("R" + std::to_string(k), 156.5));
    f->ws().model.CHRG[0].rxFrequency = 0;
    f->ws().model.CHEXP.append(IntRecord("EX", 157.0));
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
    for (int k = 0; k < 8; ++k) f->ws().model.CHRG.append(IntRecord("R", 156.5));
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
    for (int k = 0; k < 5; ++k) f->ws().model.CHUSA.append(UsaRecord(k));
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
    select("PU");
    button("cmdBNew")->click();
    QCOMPARE(editor().activePanel(), PanelId::ChannelEdit);
    QCOMPARE(editor().state().channelMode, ChannelEditMode::New);
    QCOMPARE(base->currentText(), QString("00"));
  }

  void wheelScrollsOneLinePerStep() {
    useGroups(true, false, false, false);
    for (int k = 0; k < 96; ++k) f->ws().model.CHUSA.append(UsaRecord(k % 60));
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
};

QTEST_MAIN(EditorTest)
#include "editor_test.moc"
