// Every window and page as screen readers and UI automation tools see it: each control has a
// name, check marks are checked states, grids, lists and the tree expose their rows and cells
// with the texts shown, and the keyboard alone reaches every control in reading order and
// answers the dialogs' Enter and Escape. A failure names each offender: window, objectName,
// class and what is wrong.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include "core/sample_records.h"
#include "gui/about/about_box.h"
#include "gui/link/transfer_dialog.h"
#include "gui/report/comparison_window.h"
#include "gui/report/print_preview.h"
#include "gui/report/report_window.h"
#include "gui_test_support.h"
#include "image/memory_map.h"
#include "sim/radio_simulator.h"

using namespace tpw;
using namespace tpw::test;

namespace {

// "objectName (class)", with the index of a member of a control array.
QString Describe(const QObject* object) {
  QString name = object->objectName();
  // A toolbar's button is known by its command.
  if (const auto* tool = qobject_cast<const QToolButton*>(object); tool && name.isEmpty()) {
    if (tool->defaultAction() != nullptr) name = tool->defaultAction()->objectName();
  }
  if (name.isEmpty()) name = QStringLiteral("(unnamed)");
  const QVariant index = object->property("index");
  if (index.isValid()) name += QStringLiteral("[%1]").arg(index.toInt());
  return name + QStringLiteral(" (") + QString::fromLatin1(object->metaObject()->className()) +
         QStringLiteral(")");
}

// A control the user works with: it takes the focus or it is pressed. Menus are looked at
// through their entries; a viewport or a widget with a focus proxy through the control it
// belongs to.
bool IsControl(QWidget* w) {
  if (!w->isVisible() || qobject_cast<QMenu*>(w) != nullptr ||
      qobject_cast<QMenuBar*>(w) != nullptr)
    return false;
  if (w->focusProxy() != nullptr) return false;
  if (auto* area = qobject_cast<QAbstractScrollArea*>(w->parentWidget())) {
    if (area->viewport() == w) return false;
  }
  return qobject_cast<QAbstractButton*>(w) != nullptr || w->focusPolicy() != Qt::NoFocus;
}

// The rows of a view in the order they are shown: a tree's expanded items top to bottom.
QList<QModelIndex> ShownRows(const QAbstractItemView* view) {
  QList<QModelIndex> rows;
  const QAbstractItemModel* model = view->model();
  if (const auto* tree = qobject_cast<const QTreeView*>(view)) {
    for (QModelIndex i = model->index(0, 0, tree->rootIndex()); i.isValid();
         i = tree->indexBelow(i)) {
      rows << i;
    }
    return rows;
  }
  for (int r = 0; r < model->rowCount(view->rootIndex()); ++r) {
    rows << model->index(r, 0, view->rootIndex());
  }
  return rows;
}

// What assistive tools would stumble over in the windows looked at, one line per fault:
// "where: objectName (class): what is wrong".
class Audit {
 public:
  // The window or page the next faults are found in.
  void at(const QString& where) { where_ = where; }
  // Every visible control, view and menu entry of a window.
  void window(const QString& where, QWidget* window) {
    at(where);
    QCoreApplication::processEvents();  // the views lay out their rows
    for (QWidget* w : window->findChildren<QWidget*>()) {
      if (IsControl(w)) control(w);
    }
    for (QLabel* label : window->findChildren<QLabel*>()) labelled(label);
    for (QMenuBar* bar : window->findChildren<QMenuBar*>()) menuEntries(bar, bar->actions());
    for (QMenu* menu : window->findChildren<QMenu*>()) {
      if (menu->menuAction()->isVisible()) menuEntries(menu, menu->actions());
    }
  }
  // A fault is told once, where it is first found.
  void fault(const QObject* object, const QString& what) {
    const QString fault = Describe(object) + QStringLiteral(": ") + what;
    if (faults_.contains(fault)) return;
    faults_.insert(fault);
    offenders << where_ + QStringLiteral(": ") + fault;
  }
  // True without offenders; otherwise each is logged on a line of its own.
  bool clean() const {
    for (const QString& offender : offenders) qWarning().noquote() << offender;
    return offenders.isEmpty();
  }

  QStringList offenders;
  // What was looked at, so that an audit that saw nothing does not pass.
  int controls = 0;
  int labels = 0;
  int cells = 0;
  int entries = 0;

 private:
  // A control with a label is spoken as the label reads, without its access key's mark. (A
  // view's label is its summary; the view has a name of its own.)
  void labelled(QLabel* label) {
    QWidget* control = label->buddy();
    if (control == nullptr || !control->isVisible() || qobject_cast<QAbstractItemView*>(control)) {
      return;
    }
    ++labels;
    const QString caption = QString(label->text()).remove(QLatin1Char('&')).trimmed();
    if (SpokenName(control) != caption) {
      fault(control, QStringLiteral("it is not spoken as its label \"%1\" reads").arg(caption));
    }
  }
  void control(QWidget* w) {
    ++controls;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    if (face == nullptr) {
      fault(w, QStringLiteral("no accessible interface"));
      return;
    }
    if (SpokenName(w).isEmpty()) fault(w, QStringLiteral("no accessible name"));
    if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->isCheckable()) {
      if (!face->state().checkable || face->state().checked != button->isChecked()) {
        fault(w, QStringLiteral("its check mark is not exposed as its checked state"));
      }
    }
    if (auto* view = qobject_cast<QAbstractItemView*>(w)) rowsAndCells(view, face);
  }

  void rowsAndCells(QAbstractItemView* view, QAccessibleInterface* face) {
    // Without a screen reader Qt does not keep the exposed cells of a view up to date (it
    // does once one runs, and the offscreen platform has none): the rows are read through a
    // fresh interface, as a screen reader starting now reads them.
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
    face = QAccessible::queryAccessibleInterface(view);
    QAccessibleTableInterface* table = face->tableInterface();
    if (table == nullptr) {
      fault(view, QStringLiteral("exposes no rows and cells"));
      return;
    }
    const QList<QModelIndex> rows = ShownRows(view);
    const QAbstractItemModel* model = view->model();
    const int columns = model->columnCount(view->rootIndex());
    if (table->rowCount() != rows.size() || table->columnCount() != columns) {
      fault(view, QStringLiteral("exposes %1 x %2 cells, shows %3 x %4")
                      .arg(table->rowCount())
                      .arg(table->columnCount())
                      .arg(rows.size())
                      .arg(columns));
      return;
    }
    const auto* grid = qobject_cast<const QTableView*>(view);
    for (int c = 0; grid != nullptr && !grid->horizontalHeader()->isHidden() && c < columns; ++c) {
      const QString header = model->headerData(c, Qt::Horizontal).toString();
      if (table->columnDescription(c) != header) {
        fault(view, QStringLiteral("column %1 is \"%2\", exposed as \"%3\"")
                        .arg(c)
                        .arg(header, table->columnDescription(c)));
      }
    }
    for (int r = 0; r < rows.size(); ++r) {
      for (int c = 0; c < columns; ++c) cell(view, table->cellAt(r, c), rows[r].siblingAtColumn(c));
    }
  }

  void cell(QAbstractItemView* view, QAccessibleInterface* cell, const QModelIndex& index) {
    const QString at = QStringLiteral("cell %1,%2").arg(index.row()).arg(index.column());
    if (cell == nullptr) {
      fault(view, at + QStringLiteral(" is not exposed"));
      return;
    }
    ++cells;
    const QString shown = index.data(Qt::DisplayRole).toString();
    if (cell->text(QAccessible::Name) != shown) {
      fault(view, at + QStringLiteral(" shows \"%1\", exposed as \"%2\"")
                           .arg(shown, cell->text(QAccessible::Name)));
    }
    const QVariant mark = index.data(Qt::CheckStateRole);
    if (mark.isValid() && cell->state().checked != (mark.toInt() == Qt::Checked)) {
      fault(view, at + QStringLiteral(": its check mark is not exposed as its checked state"));
    }
    if (cell->state().selected != view->selectionModel()->isSelected(index)) {
      fault(view, at + QStringLiteral(": its selection is not exposed"));
    }
  }

  // Each shown entry of a menu or a menu bar: named, its check mark exposed, its access key
  // its own within the menu.
  void menuEntries(QWidget* menu, const QList<QAction*>& actions) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(menu);
    QHash<QString, const QAction*> accessKeys;
    for (int i = 0; i < actions.size(); ++i) {
      QAction* action = actions[i];
      if (action->isSeparator() || !action->isVisible()) continue;
      ++entries;
      const QString key = QKeySequence::mnemonic(action->text()).toString();
      if (!key.isEmpty() && accessKeys.contains(key)) {
        fault(action, QStringLiteral("shares its access key %1 with %2")
                          .arg(key, Describe(accessKeys.value(key))));
      }
      accessKeys.insert(key, action);
      QAccessibleInterface* entry = face != nullptr ? face->child(i) : nullptr;
      if (entry == nullptr || entry->text(QAccessible::Name).trimmed().isEmpty()) {
        fault(action, QStringLiteral("menu entry without a name"));
      } else if (action->isCheckable() &&
                 (!entry->state().checkable || entry->state().checked != action->isChecked())) {
        fault(action, QStringLiteral("its check mark is not exposed as its checked state"));
      }
    }
  }

  QString where_;
  QSet<QString> faults_;
};

// The rectangle of a widget in the coordinates of an ancestor.
QRect RectIn(const QWidget* w, const QWidget* ancestor) {
  return QRect(w->mapTo(ancestor, QPoint(0, 0)), w->size());
}

// Whether `later` stands before `earlier` in reading order: in a row above it, or in the same
// row to its left. Controls in different frames compare as their frames do, so a column of
// frames beside another reads frame by frame.
bool ReadsBefore(const QWidget* later, const QWidget* earlier) {
  const QWidget* common = earlier->parentWidget();
  while (common != nullptr && (common == later || !common->isAncestorOf(later))) {
    common = common->parentWidget();
  }
  if (common == nullptr) return false;
  auto childOfCommon = [common](const QWidget* w) {
    while (w->parentWidget() != common) w = w->parentWidget();
    return w;
  };
  const QRect a = RectIn(childOfCommon(earlier), common);
  const QRect b = RectIn(childOfCommon(later), common);
  if (b.center().y() < a.top()) return true;
  const bool sameRow = b.top() <= a.bottom() && a.top() <= b.bottom();
  return sameRow && b.center().x() < a.left();
}

// Whether the keyboard alone presses a button: it takes the focus by Tab, or a key runs it.
bool KeyboardPresses(const QAbstractButton* button) {
  if (button->focusPolicy() & Qt::TabFocus) return true;
  const auto* tool = qobject_cast<const QToolButton*>(button);
  return !button->shortcut().isEmpty() || (tool != nullptr && tool->defaultAction() != nullptr &&
                                           !tool->defaultAction()->shortcut().isEmpty());
}

// Presses Tab from `start` until the focus comes back to it, and tells the audit when Tab is
// kept by a control, goes back against the reading order (other than once, from the last
// control to the first), or never reaches a control of `area` that the keyboard should. In the
// main window (`hints`), a control that puts a key hint into the status bar as it gets the
// focus has to carry that hint as its accessible description, for screen readers.
void WalkTabs(Audit& audit, QWidget* start, QWidget* area, gui::MainWindow* hints = nullptr) {
  if (start == nullptr) {
    audit.fault(area, QStringLiteral("no control has the focus"));
    return;
  }
  start->setFocus(Qt::TabFocusReason);
  QList<QWidget*> chain{start};
  constexpr int kMostPresses = 100;
  for (int press = 0; press < kMostPresses; ++press) {
    QWidget* from = QApplication::focusWidget();
    if (hints != nullptr) hints->setHint(QString());
    QTest::keyClick(from, Qt::Key_Tab);
    QWidget* to = QApplication::focusWidget();
    if (hints != nullptr && to != nullptr && !hints->hint().isEmpty() &&
        QAccessible::queryAccessibleInterface(to)->text(QAccessible::Description) !=
            hints->hint()) {
      audit.fault(to, QStringLiteral("its key hint \"%1\" is not its accessible description")
                          .arg(hints->hint()));
    }
    if (to == start) break;
    if (to == from || to == nullptr) {
      audit.fault(from, QStringLiteral("keeps the Tab key: the keyboard cannot leave it"));
      break;
    }
    chain << to;
  }
  // The round starts at the control that reads first; every other step goes forwards.
  const QWidget* first = chain.first();
  for (const QWidget* w : chain) {
    if (ReadsBefore(w, first)) first = w;
  }
  for (qsizetype i = 0; i < chain.size(); ++i) {
    const QWidget* from = chain[i];
    const QWidget* to = chain[(i + 1) % chain.size()];
    if (to != first && ReadsBefore(to, from)) {
      audit.fault(
          to,
          QStringLiteral("Tab comes here from %1, against the reading order").arg(Describe(from)));
    }
  }
  for (QWidget* w : area->findChildren<QWidget*>()) {
    if (!IsControl(w) || !w->isEnabled() || chain.contains(w)) continue;
    if (w->focusPolicy() & Qt::TabFocus) {
      audit.fault(w, QStringLiteral("Tab never reaches it"));
    } else if (auto* button = qobject_cast<QAbstractButton*>(w);
               button && !KeyboardPresses(button)) {
      audit.fault(w, QStringLiteral("neither Tab nor a key reaches it"));
    }
  }
}

// Runs `look` on the next modal dialog of type T once it is open and has the keyboard, then
// closes it if `look` left it open. `look` only looks and records: the test checks once the
// dialog is closed, and finds nothing recorded for a dialog that never got the keyboard.
template <typename T>
void LookAtNextDialog(std::function<void(T&)> look) {
  WhenModalOpens<T>([look](T* dialog) {
    // The offscreen platform does not always activate a dialog as it opens; a desktop does.
    dialog->activateWindow();
    if (QTest::qWaitFor([dialog] { return dialog->isActiveWindow(); })) look(*dialog);
    if (dialog->isVisible()) dialog->done(QDialog::Rejected);
  });
}

// A key as the user gives it: to the control with the focus.
void PressKey(QWidget* dialog, Qt::Key key) {
  QWidget* target = dialog->focusWidget() != nullptr ? dialog->focusWidget() : dialog;
  QTest::keyClick(target, key);
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::unique_ptr<GuiFixture> f;

  gui::MainWindow& window() { return *f->window; }
  gui::EditorPane& editor() { return f->window->editor(); }
  QPushButton* button(const char* name) { return RequiredControl<QPushButton>(window(), name); }
  // Transfer > Compare With Radio, on the simulated radio: the comparison window.
  gui::ComparisonWindow* compareWithRadio() {
    if (window().comparisonWindow() == nullptr) {
      WhenModalOpens<gui::TransferDialog>(PressOk);
      window().compareWithRadio();
    }
    return window().comparisonWindow();
  }
  // Lists with records: the USA list opens its channels in the group form, the RG list in the
  // free form.
  static constexpr const char* kChannelLists[] = {"PU", "PR"};

 private slots:
  void init() {
    dir = std::make_unique<TempDir>();
    // Two models, so that Edit > Model is shown.
    WriteBytes(*dir / "global.ini",
               "[model1]\r\nuse=1\r\natis=1\r\nwx=1\r\n[model2]\r\nuse=1\r\natis=1\r\nwx=1\r\n");
    MemoryImage image = sim::FactoryMemory(ValidImage(1));
    image.set(addr::UsableGroups, 0xF0);  // every group: every list has its node
    WriteBytes(*dir / "QZ815_UK_012D.ini", ImageAsString(image));
    f = std::make_unique<GuiFixture>(dir->path(), true);
    f->ws().options.DebugMode = true;  // the hex dump and the monitor line are shown too
    f->settings.write("Settings", "hexvisible", "1");
    f->ports.entries = {{"/dev/ttyUSB0", "FT232R USB UART"}, {"/dev/ttyS0", ""}};
    QVERIFY(window().load());
    f->ws().caps.ScrambleSupported = true;
    f->ws().model.CHUSA.erase(0);  // room for NEW
    f->ws().model.CHRG.clear();
    f->ws().model.CHRG.append(FreeRecord("16", 156.8, 156.8));
    f->ws().model.CHRG[0].inIntGroup = true;
    // Tall enough for the channel panel above the hex dump.
    window().resize(gui::MainWindowMinimum + QSize(0, 200));
    window().show();
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
  }
  void cleanup() {
    f.reset();
    dir.reset();
  }

  // Each node of the tree, and the channel panel in both forms for NEW and EDIT.
  void everyPageOfTheMainWindowIsExposed() {
    QVERIFY(window().hexView()->isVisible());
    QVERIFY(window().hexView()->count() > 0);
    Audit audit;
    int nodes = 0;
    for (const TreeNode& node : editor().treeData().nodes) {
      editor().selectNodeByKey(QString::fromStdString(node.key));
      audit.window(QStringLiteral("frmMain [%1]").arg(QString::fromStdString(node.text)),
                   &window());
      ++nodes;
    }
    QVERIFY(nodes >= 8);
    for (const char* key : kChannelLists) {
      for (const char* command : {"cmdBEdit", "cmdBNew"}) {
        editor().selectNodeByKey(QString::fromLatin1(key));
        button(command)->click();
        QCOMPARE(editor().panels()->currentWidget()->objectName(), QString("pictC"));
        audit.window(QStringLiteral("frmMain [%1 %2]")
                         .arg(QString::fromLatin1(key), QString::fromLatin1(command)),
                     &window());
        button("cmdCancel")->click();
      }
    }
    QVERIFY(audit.controls > 150 && audit.labels > 25 && audit.cells > 1000 && audit.entries > 40);
    QVERIFY2(audit.clean(), "the offenders are listed above");
  }

  void everyDialogIsExposed() {
    Audit audit;
    const std::pair<TransferMode, const char*> modes[] = {{TransferMode::Read, "read"},
                                                          {TransferMode::Program, "program"},
                                                          {TransferMode::ClearAtis, "clear"}};
    for (const auto& [mode, name] : modes) {
      const QString where = QStringLiteral("frmRadio (%1)").arg(QString::fromLatin1(name));
      LookAtNextDialog<gui::TransferDialog>(
          [&audit, where](gui::TransferDialog& dialog) { audit.window(where, &dialog); });
      window().runTransfer(mode);
    }
    LookAtNextDialog<gui::ReportWindow>(
        [&audit](gui::ReportWindow& report) { audit.window(QStringLiteral("frmPrn"), &report); });
    window().filePrintToFile();
    // The comparison window beside the main window, with the differences from the radio.
    QVERIFY(compareWithRadio() != nullptr);
    QVERIFY(compareWithRadio()->model().rowCount() > 0);
    audit.window(QStringLiteral("frmCompare"), compareWithRadio());
    LookAtNextDialog<gui::PrintPreview>([&audit](gui::PrintPreview& preview) {
      audit.window(QStringLiteral("frmPreview"), &preview);
    });
    window().filePrintPreview();
    LookAtNextDialog<gui::AboutBox>(
        [&audit](gui::AboutBox& about) { audit.window(QStringLiteral("frmAbout"), &about); });
    window().helpAbout();
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(audit.controls > 15 && audit.entries >= 3);
    QVERIFY2(audit.clean(), "the offenders are listed above");
  }

  // From the tree, Tab visits every control of the page in reading order and comes back.
  void theKeyboardReachesEveryControlOfEveryPage() {
    Audit audit;
    for (const TreeNode& node : editor().treeData().nodes) {
      editor().selectNodeByKey(QString::fromStdString(node.key));
      audit.at(QStringLiteral("frmMain [%1]").arg(QString::fromStdString(node.text)));
      WalkTabs(audit, editor().tree(), editor().panels()->currentWidget(), &window());
    }
    for (const char* key : kChannelLists) {
      editor().selectNodeByKey(QString::fromLatin1(key));
      button("cmdBEdit")->click();
      audit.at(QStringLiteral("frmMain [%1 cmdBEdit]").arg(QString::fromLatin1(key)));
      WalkTabs(audit, editor().tree(), editor().panels()->currentWidget(), &window());
      button("cmdCancel")->click();
    }
    QVERIFY2(audit.clean(), "the offenders are listed above");
  }

  // In every dialog Tab goes round its controls, Escape closes it without doing anything, and
  // Enter presses its default button.
  void dialogsAnswerTabEnterAndEscape() {
    Audit audit;
    bool tabbed = false;
    LookAtNextDialog<gui::TransferDialog>([&](gui::TransferDialog& dialog) {
      audit.at(QStringLiteral("frmRadio"));
      WalkTabs(audit, dialog.focusWidget(), &dialog);
      tabbed = true;
      dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->setFocus(Qt::TabFocusReason);
      PressKey(&dialog, Qt::Key_Escape);
    });
    QVERIFY(!window().runTransfer(TransferMode::Program).done());
    QVERIFY(tabbed);
    // Enter on the dialog as it opens reads the simulated radio; all the while its progress
    // is a progress bar with the percentage shown.
    int exposedPercent = 0;
    QStringList progressFaults;
    f->host.onYield = [&] {
      auto* dialog = qobject_cast<gui::TransferDialog*>(QApplication::activeModalWidget());
      auto* progress = dialog != nullptr ? dialog->findChild<gui::TransferProgress*>() : nullptr;
      if (progress == nullptr) return;
      QAccessibleInterface* face = QAccessible::queryAccessibleInterface(progress);
      QAccessibleValueInterface* value = face->valueInterface();
      if (face->role() != QAccessible::ProgressBar || value == nullptr ||
          face->text(QAccessible::Name) != "Progress" ||
          value->currentValue().toInt() != progress->percent() ||
          value->maximumValue().toInt() != 100) {
        progressFaults << QStringLiteral("%1% shown").arg(progress->percent());
        return;
      }
      exposedPercent = std::max(exposedPercent, value->currentValue().toInt());
    };
    LookAtNextDialog<gui::TransferDialog>(
        [](gui::TransferDialog& dialog) { PressKey(&dialog, Qt::Key_Return); });
    QVERIFY(window().runTransfer(TransferMode::Read).done());
    f->host.onYield = nullptr;
    QCOMPARE(f->prompter().texts(), std::vector<std::string>{"Complete!!"});
    QCOMPARE(progressFaults, QStringList());
    QVERIFY(exposedPercent >= 90);

    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
      int result = -1;
      LookAtNextDialog<gui::ReportWindow>([&](gui::ReportWindow& report) {
        audit.at(QStringLiteral("frmPrn"));
        WalkTabs(audit, report.focusWidget(), &report);
        QObject::connect(&report, &QDialog::finished, [&result](int r) { result = r; });
        PressKey(&report, key);
      });
      window().filePrintToFile();
      QCOMPARE(result, key == Qt::Key_Return ? int(QDialog::Accepted) : int(QDialog::Rejected));
    }
    gui::ComparisonWindow* comparison = compareWithRadio();
    QVERIFY(comparison != nullptr);
    comparison->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(comparison));
    audit.at(QStringLiteral("frmCompare"));
    WalkTabs(audit, comparison->table(), comparison);
    QPointer<gui::ComparisonWindow> closing = comparison;
    PressKey(comparison, Qt::Key_Escape);
    QVERIFY(QTest::qWaitFor([&closing] { return closing.isNull(); }));
    bool previewClosed = false;
    LookAtNextDialog<gui::PrintPreview>([&](gui::PrintPreview& preview) {
      audit.at(QStringLiteral("frmPreview"));
      WalkTabs(audit, preview.focusWidget(), &preview);
      PressKey(&preview, Qt::Key_Escape);
      previewClosed = !preview.isVisible();
    });
    window().filePrintPreview();
    QVERIFY(previewClosed);
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
      bool closed = false;
      LookAtNextDialog<gui::AboutBox>([&](gui::AboutBox& about) {
        PressKey(&about, key);
        closed = !about.isVisible();
      });
      window().helpAbout();
      QVERIFY(closed);
    }
    QVERIFY2(audit.clean(), "the offenders are listed above");
  }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
