#include "gui_test_support.h"

namespace tpw::test {

QString ScriptedFileDialogs::next(const QString& folder) {
  folders << folder;
  return planned.isEmpty() ? QString() : planned.takeFirst();
}

GuiFixture::GuiFixture(std::filesystem::path programFolder)
    : window(std::make_unique<gui::MainWindow>(
          t.ws, gui::MainWindowServices{t.prompter, t.host, t.diagnostics, dialogs, settings,
                                        std::move(programFolder)})) {}

QAction* FindAction(QWidget& window, const QString& name) {
  const QList<QAction*> found = FindActions(window, name);
  return found.isEmpty() ? nullptr : found.constFirst();
}

QList<QAction*> FindActions(QWidget& window, const QString& name) {
  return window.findChildren<QAction*>(name);
}

}  // namespace tpw::test
