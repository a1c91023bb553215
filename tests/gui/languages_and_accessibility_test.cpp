// Every page and dialog of the desktop application, in each of its languages and as screen
// readers and UI automation tools see them, at the scale the suite runs at (it runs at 1 and at
// QT_SCALE_FACTOR=2). The catalogues are loaded and complete where the user looks (menus,
// messages composed with a port or a code), access keys stay unique per menu, every text shows
// whole in every language, and what is drawn by hand takes its colours from the palette. Each
// control has a name, check marks are checked states, grids, lists and the tree expose their
// rows and cells with the texts shown, and the keyboard alone reaches every control in reading
// order and answers the dialogs' Enter and Escape. A failure names each offender: window,
// objectName, class and what is wrong.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QStyleFactory>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

#include "adapters/translations/qt_translations.h"
#include "core/sample_records.h"
#include "editor/channel_rows_text.h"
#include "files/channel_csv.h"
#include "files/data_file_reader.h"
#include "files/file_failure.h"
#include "files/section_table.h"
#include "gui/about/about_box.h"
#include "gui/editor/connector_line.h"
#include "gui/link/transfer_dialog.h"
#include "gui/link/write_changes_dialog.h"
#include "gui/report/comparison_window.h"
#include "gui/report/print_preview.h"
#include "gui/report/report_window.h"
#include "gui/shell/message_box_prompter.h"
#include "gui/shell/secondary_text.h"
#include "gui_test_support.h"
#include "image/memory_map.h"
#include "image/regions.h"
#include "link/transfer_messages.h"
#include "sim/radio_simulator.h"

using namespace tpw;
using namespace tpw::test;

namespace {

const char* const kLanguages[] = {"en", "de", "nl", "fr"};

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

// The size a text needs beside the size it got, or nothing when it shows whole.
std::optional<std::pair<QSize, QString>> Clipped(QWidget* w) {
  QSize need;
  QString text;
  if (auto* label = qobject_cast<QLabel*>(w)) {
    text = label->text();
    need = label->wordWrap()
               ? QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()))
               : label->sizeHint();
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    text = button->text();
    need = button->sizeHint();
  } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
    text = frame->title();
    need = frame->minimumSizeHint();
  } else if (auto* list = qobject_cast<QComboBox*>(w)) {
    text = list->currentText();
    need = list->sizeHint();
  }
  if (text.isEmpty() || (need.width() <= w->width() && need.height() <= w->height())) return {};
  return std::pair{need, text};
}

// The entries of a menu that share an access key, as "key: first, second".
QStringList SharedAccessKeys(const QString& where, const QList<QAction*>& actions) {
  QHash<QString, QString> taken;
  QStringList shared;
  for (const QAction* action : actions) {
    if (!action->isVisible() || action->isSeparator()) continue;
    const QString key = QKeySequence::mnemonic(action->text()).toString();
    if (key.isEmpty()) continue;
    if (taken.contains(key)) {
      shared << QStringLiteral("%1: %2 shares %3 with %4")
                    .arg(where, action->text(), key, taken.value(key));
    }
    taken.insert(key, action->text());
  }
  return shared;
}

// How far apart two colours are, summed over the channels.
int Distance(QColor a, QColor b) {
  return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
         std::abs(a.blue() - b.blue());
}

// The colour of an image closest to wanted.
QColor Closest(const QImage& image, QColor wanted) {
  QColor best = image.pixelColor(0, 0);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (Distance(image.pixelColor(x, y), wanted) < Distance(best, wanted)) {
        best = image.pixelColor(x, y);
      }
    }
  }
  return best;
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

// What assistive tools would stumble over in the windows looked at, and the texts that do not
// show whole, one line per fault: "where: objectName (class): what is wrong".
class Audit {
 public:
  // The window or page the next faults are found in.
  void at(const QString& where) { where_ = where; }
  // Every visible control, text, view and menu entry of a window.
  void window(const QString& where, QWidget* window) {
    at(where);
    places << where;
    // The layouts settle, those that texts set late asked for included; the views lay out
    // their rows.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    for (QWidget* w : window->findChildren<QWidget*>()) {
      if (IsControl(w)) control(w);
      if (w->isVisible()) shownWhole(w);
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
  QStringList places;
  // What was looked at, so that an audit that saw nothing does not pass.
  int texts = 0;
  int controls = 0;
  int labels = 0;
  int cells = 0;
  int entries = 0;

 private:
  // No label, button, frame title or list needs more room than it got.
  void shownWhole(QWidget* w) {
    ++texts;
    if (const auto clipped = Clipped(w)) {
      fault(w, QStringLiteral("\"%1\" needs %2x%3, has %4x%5")
                   .arg(clipped->second)
                   .arg(clipped->first.width())
                   .arg(clipped->first.height())
                   .arg(w->width())
                   .arg(w->height()));
    }
  }
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

  // Each shown entry of a menu or a menu bar: named, its check mark exposed. (Its access key
  // its own within the menu: everyPageAndDialogInEveryLanguage, in every language.)
  void menuEntries(QWidget* menu, const QList<QAction*>& actions) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(menu);
    for (int i = 0; i < actions.size(); ++i) {
      QAction* action = actions[i];
      if (action->isSeparator() || !action->isVisible()) continue;
      ++entries;
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

// What the user is shown of a page or a dialog: where it is and the window that shows it.
using Look = std::function<void(const QString& where, QWidget* window)>;

}  // namespace

class LanguagesAndAccessibilityTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::unique_ptr<ProgramTranslations> translations;
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

  // The result the next dialog of type T, as command opens it, ends with as key is pressed in
  // it, once Tab has gone round its controls; -1 when the key leaves it open.
  template <typename T>
  int resultOfKey(Audit& audit, Qt::Key key, void (gui::MainWindow::*command)()) {
    int result = -1;
    LookAtNextDialog<T>([&](T& dialog) {
      audit.at(dialog.objectName());
      WalkTabs(audit, dialog.focusWidget(), &dialog);
      PressKey(&dialog, key);
      if (!dialog.isVisible()) result = dialog.result();
    });
    (window().*command)();
    return result;
  }

  // A window of the whole program in language, as `--lang` starts it, with the hex dump and
  // the monitor line of the diagnostic mode shown too.
  void start(const char* language) {
    f.reset();
    translations = std::make_unique<ProgramTranslations>();
    if (std::string_view(language) != "en") {
      QVERIFY2(translations->load(TPW52_DATA_DIR, language), language);
      translations->install();
    }
    f = std::make_unique<GuiFixture>(dir->path(), true);
    f->ws().options.DebugMode = true;
    f->settings.write("Settings", "hexvisible", "1");
    f->ports.entries = {{"/dev/ttyUSB0", "FT232R USB UART"}, {"/dev/ttyS0", ""}};
    QVERIFY(window().load());
    f->ws().caps.ScrambleSupported = true;
    f->ws().model.CHUSA.erase(0);  // room for NEW
    f->ws().model.CHRG.clear();
    f->ws().model.CHRG.append(FreeRecord("16", 156.8, 156.8));
    f->ws().model.CHRG[0].inIntGroup = true;
    // Tall enough for the channel panel above the hex dump.
    window().resize(window().width(), gui::MainWindowMinimum.height() + 200);
    window().show();
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
  }

  // Every page of the main window in turn: each node of the tree, then the channel panel of
  // the USA list (the group form) and the RG list (the free form) as each command opens it.
  void onEveryPage(const Look& look) {
    for (const TreeNode& node : editor().treeData().nodes) {
      editor().selectNodeByKey(QString::fromStdString(node.key));
      look(QStringLiteral("frmMain [%1]").arg(QString::fromStdString(node.text)), &window());
    }
    for (const char* key : {"PU", "PR"}) {
      for (const char* command : {"cmdBEdit", "cmdBNew"}) {
        editor().selectNodeByKey(QString::fromLatin1(key));
        button(command)->click();
        QCOMPARE(editor().panels()->currentWidget()->objectName(), QString("pictC"));
        look(QStringLiteral("frmMain [%1 %2]").arg(QLatin1String(key), QLatin1String(command)),
             &window());
        button("cmdCancel")->click();
      }
    }
  }

  // Every dialog and window beside the main window in turn: the transfer dialog in its three
  // modes, the report, the comparison with the radio, the print preview, About, what a write
  // read first would change before the demo radio is programmed, and Test Connection's answer.
  void onEveryDialog(const Look& look) {
    const std::pair<TransferMode, const char*> modes[] = {{TransferMode::Read, "read"},
                                                          {TransferMode::Program, "program"},
                                                          {TransferMode::ClearAtis, "clear"}};
    for (const auto& [mode, name] : modes) {
      const QString where = QStringLiteral("frmRadio (%1)").arg(QLatin1String(name));
      LookAtNextDialog<gui::TransferDialog>(
          [&look, where](gui::TransferDialog& dialog) { look(where, &dialog); });
      window().runTransfer(mode);
    }
    LookAtNextDialog<gui::ReportWindow>([&look](gui::ReportWindow& w) { look("frmPrn", &w); });
    window().filePrintToFile();
    QVERIFY(compareWithRadio() != nullptr);
    QVERIFY(compareWithRadio()->model().rowCount() > 0);
    look("frmCompare", compareWithRadio());
    LookAtNextDialog<gui::PrintPreview>([&look](gui::PrintPreview& w) { look("frmPreview", &w); });
    window().filePrintPreview();
    LookAtNextDialog<gui::AboutBox>([&look](gui::AboutBox& w) { look("frmAbout", &w); });
    window().helpAbout();
    window().menus().readFirst->setChecked(true);
    f->ws().model.CHWX[3].scanMemory = !f->ws().model.CHWX[3].scanMemory;
    LookAtNextDialog<gui::WriteChangesDialog>(
        [&look](gui::WriteChangesDialog& w) { look("frmWriteChanges", &w); });
    WhenModalOpens<gui::TransferDialog>([](gui::TransferDialog* dialog) {
      RequiredControl<QPushButton>(*dialog, "cmdOK")->click();
      if (dialog->isVisible()) dialog->pressCancel();
    });
    window().transferProgram();
    window().menus().readFirst->setChecked(false);
    window().testConnection();
    LookAtNextDialog<QMessageBox>([&look](QMessageBox& box) { look("Test Connection", &box); });
    const RecordingPrompter::Box answer = f->prompter().boxes.back();
    gui::MessageBoxPrompter().message(answer.icon, answer.title, answer.text);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  // An expected text of tests/data/gui/catalogues.ini, its "\n" and "\r" made line breaks.
  static QString Expected(const std::string& section, const char* key) {
    static const SectionTable table = ParseSectionTable(
        ReadBytes(std::filesystem::path(TPW52_TEST_DATA) / "gui" / "catalogues.ini"));
    return QString::fromStdString(table.value(section, key))
        .replace("\\r", "\r")
        .replace("\\n", "\n");
  }

 private slots:
  void initTestCase() {
    dir = std::make_unique<TempDir>();
    // Two models, so that Edit > Model is shown.
    WriteBytes(*dir / "global.ini",
               "[model1]\r\nuse=1\r\natis=1\r\nwx=1\r\n[model2]\r\nuse=1\r\natis=1\r\nwx=1\r\n");
    MemoryImage image = sim::FactoryMemory(ValidImage(1));
    image.set(addr::UsableGroups, 0xF0);  // every group: every list has its node
    WriteBytes(*dir / "QZ815_UK_012D.ini", ImageAsString(image));
  }
  void init() { start("en"); }
  void cleanup() {
    f.reset();
    translations.reset();
  }

  // Every page and dialog in every language: each node of the tree, the channel panel in both
  // forms for NEW and EDIT, every dialog. Their texts show whole, the window opens wide enough
  // that no page scrolls sideways, where the screen has room, and each menu's access keys are
  // its own: the menu bar's, each menu's, the report's. Their controls are exposed to assistive
  // tools in every language (a toolbar without room for its translated buttons shows its
  // extension button, which is named too). In English, on each page Tab visits every control,
  // from the tree, in reading order and comes back.
  void everyPageAndDialogInEveryLanguage() {
    for (const char* language : kLanguages) {
      start(language);
      QVERIFY(window().hexView()->isVisible());
      QVERIFY(window().hexView()->count() > 0);
      const QString in = QString::fromLatin1(language) + QLatin1Char(' ');
      const bool english = in == "en ";
      Audit pages, dialogs;
      auto* panels = RequiredControl<QScrollArea>(window(), "panelsArea");
      const bool room = window().width() < window().screen()->availableGeometry().width();
      onEveryPage([&](const QString& where, QWidget* w) {
        pages.window(in + where, w);
        if (room && panels->horizontalScrollBar()->maximum() > 0) {
          pages.fault(panels, QStringLiteral("scrolls sideways"));
        }
        if (english)
          WalkTabs(pages, editor().tree(), editor().panels()->currentWidget(), &window());
      });
      QVERIFY(pages.places.size() >= 12);
      onEveryDialog([&](const QString& where, QWidget* w) { dialogs.window(in + where, w); });
      QVERIFY(pages.texts + dialogs.texts > 300);
      QVERIFY(pages.controls > 150 && pages.labels > 25 && pages.cells > 1000 &&
              pages.entries > 40 && dialogs.controls > 15 && dialogs.entries >= 3);
      QVERIFY(dialogs.places.contains(in + "frmWriteChanges") &&
              dialogs.places.contains(in + "Test Connection"));
      pages.offenders << SharedAccessKeys(in + "menu bar", window().menuBar()->actions());
      for (const QMenu* menu : window().findChildren<QMenu*>()) {
        pages.offenders << SharedAccessKeys(in + menu->objectName(), menu->actions());
      }
      gui::ReportWindow report(window().context(), f->dialogs, QString(), &window());
      for (const QMenu* menu : report.findChildren<QMenu*>()) {
        pages.offenders << SharedAccessKeys(in + "frmPrn", menu->actions());
      }
      QVERIFY2(pages.clean() && dialogs.clean(), "the offenders are listed above");
    }
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
      const int ends = key == Qt::Key_Return ? QDialog::Accepted : QDialog::Rejected;
      QCOMPARE(resultOfKey<gui::ReportWindow>(audit, key, &gui::MainWindow::filePrintToFile), ends);
      QCOMPARE(resultOfKey<gui::AboutBox>(audit, key, &gui::MainWindow::helpAbout), ends);
    }
    QCOMPARE(
        resultOfKey<gui::PrintPreview>(audit, Qt::Key_Escape, &gui::MainWindow::filePrintPreview),
        int(QDialog::Rejected));
    gui::ComparisonWindow* comparison = compareWithRadio();
    QVERIFY(comparison != nullptr);
    comparison->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(comparison));
    audit.at(QStringLiteral("frmCompare"));
    WalkTabs(audit, comparison->table(), comparison);
    QPointer<gui::ComparisonWindow> closing = comparison;
    PressKey(comparison, Qt::Key_Escape);
    QVERIFY(QTest::qWaitFor([&closing] { return closing.isNull(); }));
    QVERIFY2(audit.clean(), "the offenders are listed above");
  }

  // German menus and messages, the names in them as they came; English exactly as written.
  // A save into a folder that is not there names the path's folder inside the finding, its
  // letters as the system spells them (UTF-8).
  void eachCatalogueIsLoadedWhereTheUserLooks() {
    const std::string code = "1234567890";
    const std::string port = "/dev/ttyUSB0";
    const std::string file = "/no/such/f\xC3\xB6lder/boat.dat";
    const std::string missingFolder = FileMessage(
        "FileSave Error!!", file,
        FileFailureFinding(file, std::make_error_code(std::errc::no_such_file_or_directory),
                           FileAction::Save));
    for (const char* language : {"en", "de"}) {
      start(language);
      QStringList menus;
      for (const QAction* menu : window().menuBar()->actions()) menus << menu->text();
      QCOMPARE(menus, Expected(language, "menus").split('|'));

      gui::MessageBoxPrompter prompter;
      QStringList shown;
      const auto read = [&shown](QMessageBox* box) {
        shown << box->windowTitle() << box->text();
        box->done(QMessageBox::No);
      };
      WhenModalOpens<QMessageBox>(read);
      TransferQuestions(prompter, "Program to Radio", port).programNewAtisCode(code);
      WhenModalOpens<QMessageBox>(read);
      TransferResult refused{Outcome::Failed, TransferStep::Region};
      refused.regions = RegionRefusal{UsaRegion, 1};
      ShowMessages(prompter, TransferEndMessages(refused, {TransferMode::Read, port}));
      WhenModalOpens<QMessageBox>(read);
      prompter.message(Icon::Critical, "PC Program for QZ815", missingFolder);
      QCOMPARE(shown.mid(1, 1), QStringList{Expected(language, "atis question")});
      QCOMPARE(shown.mid(3, 1), QStringList{Expected(language, "region refusal")});
      QCOMPARE(shown.mid(5, 1), QStringList{Expected(language, "file refusal")});
      QCOMPARE(shown.first(), QCoreApplication::translate("Messages", "Program to Radio"));
    }
  }

  // The texts the core composes reach the window in German, the names in them as they came: a
  // step to undo, a refused paste and table row, a data file's warning, the window's title.
  void composedTextsAreTranslated() {
    start("de");
    editor().selectNodeByKey(QStringLiteral("Common"));
    auto* resume = RequiredControl<QComboBox>(window(), "cmbCommonResume");
    resume->setCurrentIndex(2);
    emit resume->activated(2);
    const ChannelCsvRead table = ReadChannelsCsv("List\r\nCHXX\r\n", f->ws().caps);
    // A key of the file keeps its name even where the window's label has the same words.
    SettingsModel model = f->ws().model;
    const std::vector<ReadingNote> notes = ReadDataFileSettings(
        ParseSectionTable("[Common Setup]\r\nResume Time=abc\r\n"), f->ws().caps, model);
    QCOMPARE((QStringList{window().editActions().undo->text(),
                          TranslatedText(*ReadGridRowsText("ZZ", ListId::CHUSA, false).refusal),
                          TranslatedText(table.refused.at(0).text),
                          TranslatedText(ReadingWarning("/x/boat.dat", {notes.back()})),
                          window().windowTitle()}),
             (QStringList{Expected("de composed", "undo"), Expected("de composed", "paste"),
                          Expected("de composed", "table row"),
                          Expected("de composed", "reading warning"),
                          Expected("de composed", "title")}));
  }

  // Options > Language keeps the choice for the next start and ticks it; the running window
  // keeps its language, as the menu says.
  void theLanguageMenuRemembersTheChoice() {
    const QList<QAction*> entries =
        FindActions(window(), QStringLiteral("mnuOptionsLanguageChild"));
    QStringList captions, ticked;
    for (const QAction* entry : entries) {
      captions << entry->text();
      if (entry->isChecked()) ticked << entry->text();
    }
    QCOMPARE(captions, (QStringList{"&System Language", "English", "Deutsch", "Nederlands",
                                    "Fran\u00e7ais"}));
    QCOMPARE(ticked, QStringList{"&System Language"});
    QCOMPARE(FindAction(window(), QStringLiteral("mnuOptionsLanguageNote"))->text(),
             QString("Takes effect after a restart"));
    entries[2]->trigger();
    QCOMPARE(f->settings.read("Settings", "Language", "?"), std::string("de"));
    QVERIFY(entries[2]->isChecked() && !entries[0]->isChecked());
    QCOMPARE(window().menuBar()->actions().first()->text(), QString("&File"));
    entries[0]->trigger();
    QCOMPARE(f->settings.read("Settings", "Language", "?"), std::string());
  }

  // Under a dark palette the connector lines, the grid's check marks and the softer texts are
  // drawn in the palette's light text, never in a dark fixed colour; toolbar icons have
  // pixels of their own at twice the size.
  void handDrawnItemsTakeThePalettesColours() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QPalette standard = QApplication::palette();
    QApplication::setPalette(DarkPalette());
    start("en");
    editor().selectNodeByKey(QStringLiteral("Common"));
    QCoreApplication::processEvents();
    const QList<gui::ConnectorLine*> lines = window().findChildren<gui::ConnectorLine*>();
    QVERIFY(!lines.isEmpty());
    const QColor ink = DarkPalette().color(QPalette::WindowText);
    for (gui::ConnectorLine* line : lines) {
      if (!line->isVisible()) continue;
      const QColor drawn = Closest(line->grab().toImage(), line->colour());
      QVERIFY2(Distance(drawn, line->colour()) < 30, qPrintable(Describe(line)));
      QVERIFY(Distance(line->colour(), DarkPalette().color(QPalette::Window)) > 150);
    }
    editor().selectNodeByKey(QStringLiteral("PU"));
    QCoreApplication::processEvents();
    const QImage cells = editor().listPanel()->grid()->viewport()->grab().toImage();
    QVERIFY(Distance(Closest(cells, DarkPalette().color(QPalette::Text)), ink) < 30);
    const QColor soft = gui::SecondaryTextColour(DarkPalette());
    QVERIFY(Distance(soft, DarkPalette().color(QPalette::Window)) > 250);
    const auto* toolbar = window().findChild<QToolBar*>(QStringLiteral("tbToolBar"));
    for (QAction* button : toolbar->actions()) {
      if (button->icon().isNull()) continue;
      // A scalable icon lists no sizes; a pixmap icon needs one of twice the size.
      const QSize size = toolbar->iconSize();
      const QList<QSize> drawn = button->icon().availableSizes();
      QVERIFY2(
          drawn.isEmpty() || std::any_of(drawn.begin(), drawn.end(),
                                         [size](QSize s) { return s.width() >= 2 * size.width(); }),
          qPrintable(button->objectName()));
    }
    QApplication::setPalette(standard);
  }
};

QTEST_MAIN(LanguagesAndAccessibilityTest)
#include "languages_and_accessibility_test.moc"
