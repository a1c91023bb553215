#include <QApplication>

#include "gui/shell/event_loop_host.h"
#include "gui/shell/main_window.h"
#include "gui/shell/message_box_prompter.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(tpw::AppTitle));
  tpw::Workspace ws;
  tpw::gui::MessageBoxPrompter prompter;
  tpw::gui::EventLoopHost host;
  tpw::NoDiagnostics diagnostics;
  tpw::gui::QtFileDialogs dialogs;
  tpw::gui::MainWindow window(ws, {prompter, host, diagnostics, dialogs,
                                   QCoreApplication::applicationDirPath().toStdString()});
  prompter.setFallbackParent(&window);
  window.resetEditor(-1);
  window.show();
  return QApplication::exec();
}
