#include <QApplication>
#include <QStandardPaths>

#include "adapters/settings/qt_settings_store.h"
#include "files/error_log.h"
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
  // The logs of debug mode go beside the program, or to the user's data folder when the
  // program's folder is not writable.
  tpw::ErrorLog diagnostics(
      ws.options.DebugMode, QCoreApplication::applicationDirPath().toStdString(),
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
  tpw::gui::QtFileDialogs dialogs;
  tpw::QtSettingsStore settings;
  tpw::gui::QtPortAccess ports;
  tpw::gui::MainWindow window(ws, {prompter, host, diagnostics, dialogs, settings, ports,
                                   QCoreApplication::applicationDirPath().toStdString(),
                                   tpw::HasCommandLineOption(arguments, "DEMO")});
  prompter.setFallbackParent(&window);
  if (!window.load()) return 1;
  window.show();
  return QApplication::exec();
}
