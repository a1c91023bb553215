#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "adapters/files/native_file_system.h"
#include "adapters/folders/qt_program_folders.h"
#include "adapters/settings/qt_settings_store.h"
#include "adapters/translations/qt_translations.h"
#include "files/error_log.h"
#include "gui/shell/event_loop_host.h"
#include "gui/shell/main_window.h"
#include "gui/shell/message_box_prompter.h"
#include "program_info.h"
#include "shell/command_line.h"
#include "shell/program_language.h"

namespace {

constexpr const char* kHelp = QT_TRANSLATE_NOOP(
    "Startup",
    "Usage: tpw52 [FILE] [/D] [/E] [/NT] [/DEMO] [--lang CODE]\n"
    "The PC programming tool of the QZ815 marine VHF radio: reads the radio's channels and\n"
    "settings over the programming cable, edits them, writes them back, keeps them in channel\n"
    "data files and prints them.\n"
    "\n"
    "  FILE       a channel data file (.dat) to open at start, as File > Open does\n"
    "  /D         diagnostic mode: protocol trace, hex dump, image files, err.log\n"
    "  /E         low speed: the serial port stays at 19200 baud\n"
    "  /NT        check the echo of every byte sent, for cables that return it\n"
    "  /DEMO      offer a simulated radio as a serial port, to try the program\n"
    "  --lang CODE  the language of the window: en, de, nl or fr (Options > Language\n"
    "             remembers one; the system's language otherwise)\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n");

constexpr const char* kNoDesktop = QT_TRANSLATE_NOOP(
    "Startup",
    "tpw52 needs a desktop session to show its window; tpw52-cli does the same work without "
    "one (see tpw52-cli --help).");

// The sentence for a missing desktop in the user's language, made before the window system
// starts (the toolkit's own complaints come while it starts).
QByteArray gNoDesktopLine;

// A window system that needs a display, and none named: the toolkit would end the program
// with its own lines about platform plugins.
bool NoDisplayForThePlatform() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  const bool needsDisplay =
      platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
  return needsDisplay && qEnvironmentVariableIsEmpty("DISPLAY") &&
         qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
  return false;
#endif
}

// Until the window system is up, its complaints are replaced by one sentence: a display that
// is named but cannot be reached ends the program the same way.
void StartUpMessages(QtMsgType type, const QMessageLogContext&, const QString&) {
  if (type != QtFatalMsg) return;
  std::fputs(gNoDesktopLine.constData(), stderr);
  std::_Exit(1);
}

std::vector<std::string> Arguments(const QStringList& arguments) {
  std::vector<std::string> result;
  for (qsizetype i = 1; i < arguments.size(); ++i) result.push_back(arguments[i].toStdString());
  return result;
}

// The icon of the installed theme, or the one built into the program when it runs from its
// own folder.
QIcon ProgramIcon() {
  QIcon builtIn;
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    builtIn.addFile(QStringLiteral(":/icons/%1x%1.png").arg(size), QSize(size, size));
  }
  return QIcon::fromTheme(QString::fromLatin1(tpw::DesktopId), builtIn);
}

// Running out of memory in a command ends that command with a message instead of the
// program: the window stays, so the user can save under a new name.
class Application : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
      QMessageBox::critical(
          activeWindow(), QString::fromLatin1(tpw::AppTitle),
          QCoreApplication::translate("Startup",
                                      "The computer ran out of memory, and the last command "
                                      "was not finished.\nSave your data under a new name, "
                                      "then restart the program."));
      return false;
    }
  }
};

std::filesystem::path DocumentsFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return (QDir(documents).exists() ? documents : QDir::homePath()).toStdU16String();
}

// The language of the run and its catalogues: --lang, else Options > Language, else the
// system's. Settled before the window system starts, with Qt's core application for the
// program's folders and settings, so that even the missing desktop is told in that language.
void LoadTranslations(int argc, char** argv, const std::string& asked,
                      tpw::ProgramTranslations& translations) {
  const QCoreApplication probe(argc, argv);
  const tpw::ProgramFolders folders = tpw::LocateProgramFolders();
  const tpw::QtSettingsStore settings;
  const std::string language = tpw::ChooseLanguage(
      asked, tpw::ReadSetting(settings, tpw::setting::Language), tpw::SystemLanguages());
  if (language == tpw::Languages().front().code || folders.data.empty()) return;
  if (!translations.load(folders.data, language)) {
    std::fprintf(stderr, "tpw52: the %s texts are missing (%s); the program speaks English.\n",
                 language.c_str(), translations.file().string().c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  const tpw::StartArguments asked =
      tpw::SplitStartArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (asked.language && !tpw::KnownLanguage(*asked.language)) {
    std::fprintf(stderr, "tpw52: %s\n", tpw::UnknownLanguageMessage(*asked.language).c_str());
    return 2;
  }
  tpw::ProgramTranslations translations;
  LoadTranslations(argc, argv, asked.language.value_or(std::string()), translations);
  // Help and version need no window, so they work without a display.
  if (asked.help || asked.version) {
    if (asked.help)
      std::fputs(translations.translate("Startup", kHelp).toLocal8Bit().constData(), stdout);
    if (asked.version) std::printf("tpw52 %s\n", tpw::ProgramVersion);
    return 0;
  }
  gNoDesktopLine = translations.translate("Startup", kNoDesktop).toLocal8Bit() + '\n';
  if (NoDisplayForThePlatform()) {
    std::fputs(gNoDesktopLine.constData(), stderr);
    return 1;
  }
  const QtMessageHandler standardMessages = qInstallMessageHandler(StartUpMessages);
  Application app(argc, argv);
  qInstallMessageHandler(standardMessages);
  translations.install();
  QApplication::setApplicationVersion(QString::fromLatin1(tpw::ProgramVersion));
  QGuiApplication::setDesktopFileName(QString::fromLatin1(tpw::DesktopId));
  QApplication::setWindowIcon(ProgramIcon());
  const tpw::ProgramFolders folders = tpw::LocateProgramFolders();
  const tpw::StartArguments start = tpw::SplitStartArguments(Arguments(QApplication::arguments()));
  for (const std::string& file : start.ignoredFiles) {
    std::fprintf(stderr, "tpw52: opens one file at a time; %s is not opened\n", file.c_str());
  }

  tpw::Workspace ws;
  ws.options = tpw::ParseCommandLine(start.switches);
  tpw::gui::MessageBoxPrompter prompter;
  tpw::gui::EventLoopHost host;
  if (folders.data.empty()) {
    prompter.message(tpw::Icon::Critical, tpw::AppTitle,
                     "Unknown model!!\r\n\r\n" + tpw::NoDataFolderMessage(folders.searched));
    return 1;
  }
  // The logs of debug mode go beside the program when it runs from its own folder, otherwise
  // to the user's data folder; never into a system folder.
  tpw::ErrorLog diagnostics(ws.options.DebugMode, folders.programLogFolder(), folders.userData);
  tpw::NativeFileSystem files;
  tpw::gui::QtFileDialogs dialogs;
  tpw::QtSettingsStore settings;
  tpw::gui::QtPortAccess ports;
  tpw::gui::QtPrinterChoice printers;
  tpw::gui::MainWindow window(
      ws, {prompter, host, diagnostics, files, dialogs, settings, ports, printers, folders.data,
           tpw::HasCommandLineOption(start.switches, "DEMO"), DocumentsFolder(), folders.userData,
           folders.programLogFolder()});
  prompter.setFallbackParent(&window);
  if (!window.load()) return 1;
  window.show();
  if (!start.dataFile.empty()) {
    // After the normal start-up, as the user's own File > Open would.
    const QString file = QString::fromStdString(start.dataFile);
    QTimer::singleShot(0, &window, [&window, file] { window.openFile(file); });
  }
  return QApplication::exec();
}
