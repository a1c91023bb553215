#include "gui_test_support.h"

namespace tpw::test {

QString ScriptedFileDialogs::next(const QString& folder) {
  folders << folder;
  return planned.isEmpty() ? QString() : planned.takeFirst();
}

void EventLoopFakeHost::yield() {
  FakeHost::yield();
  // A wait that nobody answers still reaches its deadline.
  pause(std::chrono::milliseconds(1));
  QCoreApplication::processEvents();
  if (onYield) onYield();
}

namespace {

// A port whose device is not there.
class MissingPort : public SerialPort {
 public:
  explicit MissingPort(std::string device) : device_(std::move(device)) {}
  std::string name() const override { return device_; }
  bool open(std::string_view) override { return false; }
  void close() override {}
  bool isOpen() const override { return false; }
  std::string settings() const override { return {}; }
  PortFailure lastFailure() const override { return {2, device_ + " does not exist."}; }
  bool lost() const override { return false; }
  int bytesWaiting() override { return 0; }
  std::optional<std::uint8_t> readByte(std::chrono::milliseconds) override { return {}; }
  bool write(std::span<const std::uint8_t>) override { return false; }
  void discardInput() override {}

 private:
  std::string device_;
};

}  // namespace

std::unique_ptr<SerialPort> FakePortAccess::make(const std::string& device) {
  made.push_back(device);
  return std::make_unique<MissingPort>(device);
}

GuiFixture::GuiFixture(std::filesystem::path dataFolder, bool offerDemo)
    : window(std::make_unique<gui::MainWindow>(
          workspace, gui::MainWindowServices{recorder, host, diagnostics, dialogs, settings, ports,
                                             std::move(dataFolder), offerDemo, documents.path()})) {
}

QAction* FindAction(QWidget& window, const QString& name) {
  const QList<QAction*> found = FindActions(window, name);
  if (!found.isEmpty()) return found.constFirst();
  auto* placeholder =
      new QAction(QStringLiteral("(missing ") + name + QStringLiteral(")"), &window);
  return placeholder;
}

QList<QAction*> FindActions(QWidget& window, const QString& name) {
  return window.findChildren<QAction*>(name);
}

const RecordingPrompter::Box& LastBox(const RecordingPrompter& prompter) {
  static const RecordingPrompter::Box none{Icon::None, "(no message box)", ""};
  return prompter.boxes.empty() ? none : prompter.boxes.back();
}

QString TextOf(const QTreeWidgetItem* item) {
  return item != nullptr ? item->text(0) : QStringLiteral("(none)");
}

QString CellText(const QTableWidget& grid, int row, int column) {
  const QTableWidgetItem* cell = grid.item(row, column);
  return cell != nullptr ? cell->text() : QStringLiteral("(none)");
}

}  // namespace tpw::test
