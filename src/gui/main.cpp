#include <QApplication>

#include "files/settings_store.h"
#include "gui/shell/event_loop_host.h"
#include "gui/shell/main_window.h"
#include "gui/shell/message_box_prompter.h"
#include "shell/command_line.h"

namespace {

std::vector<std::string> Arguments(const QStringList& arguments) {
  std::vector<std::string> result;
  for (qsizetype i = 1; i < arguments.size(); ++i) result.push_back(arguments[i].toStdString());
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(tpw::AppTitle));
  const std::vector<std::string> arguments = Arguments(QApplication::arguments());

  tpw::Workspace ws;
  ws.options = tpw::ParseCommandLine(arguments);
  tpw::gui::MessageBoxPrompter prompter;
  tpw::gui::EventLoopHost host;
  tpw::NoDiagnostics diagnostics;
  tpw::gui::QtFileDialogs dialogs;
  tpw::MemorySettingsStore settings;
  tpw::gui::QtPortAccess ports;
  tpw::gui::MainWindow window(ws, {prompter, host, diagnostics, dialogs, settings, ports,
                                   QCoreApplication::applicationDirPath().toStdString(),
                                   tpw::HasCommandLineOption(arguments, "DEMO")});
  prompter.setFallbackParent(&window);
  if (!window.load()) return 1;
  window.show();
  return QApplication::exec();
}
