#include "gui_test_support.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "gui/link/transfer_dialog.h"
#include "link/memory_line.h"

namespace tpw::test {

QString ScriptedFileDialogs::next(const char* dialog, const QString& folder) {
  asked << QString::fromLatin1(dialog);
  folders << folder;
  return planned.isEmpty() ? QString() : planned.takeFirst();
}

std::unique_ptr<QPrinter> ScriptedPrinters::choosePrinter(QWidget*) {
  ++dialogs;
  if (planned.empty()) return nullptr;
  std::unique_ptr<QPrinter> next = std::move(planned.front());
  planned.erase(planned.begin());
  return next;
}

std::unique_ptr<QPrinter> ScriptedPrinters::previewPrinter() {
  return PdfPrinter({});
}

std::unique_ptr<QPrinter> ScriptedPrinters::PdfPrinter(const std::filesystem::path& file) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
  if (!file.empty()) printer->setOutputFileName(QString::fromStdString(file.string()));
  return printer;
}

std::vector<int> Positions(const ChannelList& list) {
  std::vector<int> positions;
  for (const ChannelRecord& r : list) positions.push_back(r.position);
  return positions;
}

QStringList TreeTexts(QTreeWidget* tree) {
  QStringList texts;
  for (QTreeWidgetItemIterator it(tree); *it; ++it) texts << (*it)->text(0);
  return texts;
}

void PressOk(gui::TransferDialog* dialog) {
  for (const char* name : {"cmdOK", "cmdCancel"}) {
    if (!dialog->isVisible()) return;
    if (auto* button = dialog->findChild<QAbstractButton*>(QString::fromLatin1(name))) {
      button->click();
    } else {
      dialog->done(QDialog::Rejected);
    }
  }
}

TransferResult TransferWithOk(gui::MainWindow& window, TransferMode mode) {
  WhenModalOpens<gui::TransferDialog>(PressOk);
  return window.runTransfer(mode);
}

void EventLoopFakeHost::yield() {
  FakeHost::yield();
  // A wait that nobody answers still reaches its deadline.
  pause(std::chrono::milliseconds(1));
  QCoreApplication::processEvents();
  if (onYield) onYield();
}

namespace {

// A port with nothing at the other end: it opens, its waits passing on the clock, or, when its
// device is missing, it fails to open.
class FakePort : public SerialPort {
 public:
  FakePort(std::string device, FakeHost* clock, bool missing) {
    end_.portName = std::move(device);
    if (clock) end_.onWait = [clock](std::chrono::milliseconds d) { clock->advance(d); };
    if (missing) end_.failOpens({2, end_.portName + " does not exist."});
  }
  std::string name() const override { return end_.name(); }
  std::optional<PortFailure> open(std::string_view how) override { return end_.open(how); }
  void close() override { end_.close(); }
  bool isOpen() const override { return end_.isOpen(); }
  std::string settings() const override { return end_.settings(); }
  std::optional<PortFailure> lost() const override { return end_.lost(); }
  int bytesWaiting() override { return end_.bytesWaiting(); }
  std::optional<std::uint8_t> readByte(std::chrono::milliseconds slice) override {
    return end_.readByte(slice);
  }
  bool write(std::span<const std::uint8_t> bytes) override { return end_.write(bytes); }
  void discardInput() override { end_.discardInput(); }

 private:
  MemoryLine line_;
  MemoryLine::End& end_ = line_.pc();
};

}  // namespace

std::unique_ptr<SerialPort> FakePortAccess::make(const std::string& device) {
  made.push_back(device);
  return std::make_unique<FakePort>(device, clock, !silent);
}

GuiFixture::GuiFixture(std::filesystem::path dataFolder, bool offerDemo)
    : window(std::make_unique<gui::MainWindow>(
          workspace, gui::MainWindowServices{recorder, host, diagnostics, files, dialogs, settings,
                                             ports, printers, std::move(dataFolder), offerDemo,
                                             documents.path(), userData.path()})) {
  ports.clock = &host;
}

QAction* FindAction(QWidget& window, const QString& name) {
  const QList<QAction*> found = FindActions(window, name);
  return found.isEmpty() ? new QAction(QStringLiteral("(missing %1)").arg(name), &window)
                         : found.constFirst();
}

QList<QAction*> FindActions(QWidget& window, const QString& name) {
  return window.findChildren<QAction*>(name);
}

const RecordingPrompter::Box& LastBox(const RecordingPrompter& prompter) {
  static const RecordingPrompter::Box none{Icon::None, "(no message box)", ""};
  return prompter.boxes.empty() ? none : prompter.boxes.back();
}

QString SpokenName(QWidget* control) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
  if (face == nullptr) return {};
  for (const auto& [label, relation] : face->relations(QAccessible::Label)) {
    if (label->role() != QAccessible::StaticText) continue;
    const QString text = label->text(QAccessible::Name).trimmed();
    if (!text.isEmpty()) return text;
  }
  if (face->role() == QAccessible::ComboBox) return {};
  return face->text(QAccessible::Name).trimmed();
}

namespace {

QWidget* NamedControl(QWidget& window, const QString& name) {
  const qsizetype open = name.indexOf(QLatin1Char('['));
  const QByteArray object = name.left(open).toLatin1();
  const int index = open < 0 ? -1 : name.mid(open + 1).chopped(1).toInt();
  return RequiredControl<QWidget>(window, object.constData(), index);
}

QStringList NamesWhere(QWidget& window, const QStringList& names,
                       const std::function<bool(QWidget*)>& holds) {
  QStringList found;
  for (const QString& name : names) {
    if (holds(NamedControl(window, name))) found << name;
  }
  return found;
}

}  // namespace

QStringList Members(const char* name, int count) {
  QStringList names;
  for (int i = 0; i < count; ++i) names << QStringLiteral("%1[%2]").arg(QLatin1String(name)).arg(i);
  return names;
}

QStringList VisibleOf(QWidget& window, const QStringList& names) {
  return NamesWhere(window, names, [](QWidget* w) { return w->isVisible(); });
}

QStringList EnabledOf(QWidget& window, const QStringList& names) {
  return NamesWhere(window, names, [](QWidget* w) { return w->isEnabled(); });
}

QStringList CheckedOf(QWidget& window, const QStringList& names) {
  return NamesWhere(window, names, [](QWidget* w) {
    const auto* button = qobject_cast<QAbstractButton*>(w);
    return button != nullptr && button->isChecked();
  });
}

QStringList TextsOf(QWidget& window, const QStringList& names) {
  QStringList texts;
  for (const QString& name : names) {
    QWidget* w = NamedControl(window, name);
    if (const auto* list = qobject_cast<QComboBox*>(w)) {
      texts << list->currentText();
    } else if (const auto* box = qobject_cast<QLineEdit*>(w)) {
      texts << box->text();
    } else if (const auto* label = qobject_cast<QLabel*>(w)) {
      texts << label->text();
    } else if (const auto* button = qobject_cast<QAbstractButton*>(w)) {
      texts << button->text();
    } else if (const auto* frame = qobject_cast<QGroupBox*>(w)) {
      texts << frame->title();
    } else {
      texts << QStringLiteral("(no text: %1)").arg(name);
    }
  }
  return texts;
}

QString TextOf(const QTreeWidgetItem* item) {
  return item != nullptr ? item->text(0) : QStringLiteral("(none)");
}

QString CellText(const QTableWidget& grid, int row, int column) {
  const QTableWidgetItem* cell = grid.item(row, column);
  return cell != nullptr ? cell->text() : QStringLiteral("(none)");
}

namespace {

QPalette PaletteOf(QColor window, QColor text, QColor base, QColor button, QColor highlight,
                   QColor disabled) {
  QPalette palette;
  palette.setColor(QPalette::Window, window);
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Base, base);
  palette.setColor(QPalette::AlternateBase, button);
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::Button, button);
  palette.setColor(QPalette::ButtonText, text);
  palette.setColor(QPalette::Highlight, highlight);
  palette.setColor(QPalette::HighlightedText, Qt::white);
  palette.setColor(QPalette::ToolTipBase, base);
  palette.setColor(QPalette::ToolTipText, text);
  palette.setColor(QPalette::PlaceholderText, disabled);
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(QPalette::Disabled, role, disabled);
  }
  return palette;
}

}  // namespace

QPalette DarkPalette() {
  return PaletteOf(QColor(0x2b, 0x2b, 0x2b), QColor(0xe6, 0xe6, 0xe6), QColor(0x1e, 0x1e, 0x1e),
                   QColor(0x3a, 0x3a, 0x3a), QColor(0x3d, 0x7a, 0xd6), QColor(0x80, 0x80, 0x80));
}

QPalette HighContrastPalette() {
  return PaletteOf(Qt::black, Qt::white, Qt::black, QColor(0x20, 0x20, 0x20),
                   QColor(0x00, 0x00, 0xc0), QColor(0xa0, 0xa0, 0xa0));
}

}  // namespace tpw::test
