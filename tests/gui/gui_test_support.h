#pragma once

#include <QAction>
#include <QStringList>
#include <memory>

#include "files/settings_store.h"
#include "gui/shell/main_window.h"
#include "support/test_support.h"

namespace tpw::test {

// File dialogs that answer from a script: the next planned path, or cancel when none is left.
class ScriptedFileDialogs : public gui::FileDialogs {
 public:
  QString openDataFile(QWidget*, const QString& folder) override { return next(folder); }
  QString saveDataFile(QWidget*, const QString& folder) override { return next(folder); }

  QStringList planned;
  QStringList folders;  // the folder each dialog opened in

 private:
  QString next(const QString& folder);
};

// A main window over a test workspace, with recorders for the user, time and logs.
struct GuiFixture {
  explicit GuiFixture(std::filesystem::path programFolder = {});

  TestContext t;
  ScriptedFileDialogs dialogs;
  MemorySettingsStore settings;
  std::unique_ptr<gui::MainWindow> window;

  Workspace& ws() { return t.ws; }
  RecordingPrompter& prompter() { return t.prompter; }
};

// The action of the main window with that objectName (the first of a control array).
QAction* FindAction(QWidget& window, const QString& name);
QList<QAction*> FindActions(QWidget& window, const QString& name);

}  // namespace tpw::test
