// The Help commands for when something goes wrong: the backups folder and the diagnostics
// file for a support request.
#include <QSysInfo>

#include "adapters/translations/qt_translations.h"
#include "files/atomic_file.h"
#include "files/error_log.h"
#include "files/file_failure.h"
#include "files/image_backups.h"
#include "files/transfer_traces.h"
#include "gui/shell/main_window.h"
#include "program_info.h"
#include "shell/support_report.h"

namespace tpw::gui {

namespace fs = std::filesystem;

namespace {

QString FromPath(const fs::path& path) {
  return QString::fromStdU16String(path.u16string());
}

std::string SystemDescription() {
  return (QSysInfo::prettyProductName() + QStringLiteral(", ") + QSysInfo::kernelType() +
          QStringLiteral(" ") + QSysInfo::kernelVersion() + QStringLiteral(", ") +
          QSysInfo::currentCpuArchitecture())
      .toStdString();
}

// A text file as it is, or what kept it from being read.
std::string TextOf(const fs::path& path) {
  std::string text;
  if (const std::error_code error = ReadWholeFile(path, text, TextFileLimit)) {
    return "(not read: " + FileFailureFinding(path, error, FileAction::Read) + ")";
  }
  return text;
}

}  // namespace

void MainWindow::helpShowBackups() {
  const fs::path folder = BackupFolder(services_.userDataFolder);
  std::error_code error;
  fs::create_directories(folder, error);
  if (!error && services_.dialogs.showFolder(FromPath(folder))) return;
  services_.prompter.message(
      Icon::Exclamation, MainTitle(ws_.caps),
      tr("The backups folder could not be shown.\r\n%1: %2")
          .arg(FromPath(folder),
               error ? TranslatedText(
                           FileFailureFinding(folder / "backup.hex", error, FileAction::Keep))
                     : tr("no file manager opened it. Open it in your file manager; every read "
                          "and write of a radio keeps its backup there."))
          .toStdString());
}

void MainWindow::helpSaveDiagnostics() {
  const QString chosen = services_.dialogs.saveDiagnosticsFile(this, dialogFolder());
  if (chosen.isEmpty()) return;
  const fs::path path = chosen.toStdU16String();

  SupportFacts facts;
  facts.program = std::string("tpw52 ") + ProgramVersion;
  facts.system = SystemDescription();
  facts.qtVersion = std::string(qVersion()) + " (built with " + QT_VERSION_STR + ")";
  const PortChoice port = portMenu_->choice();
  facts.portName = port.demo ? "Simulated radio (demo)" : port.device;
  for (const PortInfo& present : services_.ports.list()) {
    if (NamesPort(present, port.device)) facts.port = present;
  }
  if (const auto trace = LatestTransferTrace(services_.userDataFolder, ErrorLog::LocalNow())) {
    facts.traceName = trace->string();
    facts.trace = TextOf(*trace);
  }
  for (const fs::path& folder : {services_.programLogFolder, services_.userDataFolder}) {
    std::error_code missing;
    if (folder.empty() || !fs::exists(folder / "err.log", missing)) continue;
    facts.errorLogs.push_back({(folder / "err.log").string(), TextOf(folder / "err.log")});
  }
  if (services_.prompter.ask(Icon::Question, MainTitle(ws_.caps), IncludeImageQuestion(ws_.image),
                             Buttons::YesNo, Answer::No) == Answer::Yes) {
    facts.image = ws_.image;
  }

  if (const std::error_code error =
          WriteFileAtomically(services_.files, path, SupportReport(facts))) {
    services_.prompter.message(
        Icon::Exclamation, MainTitle(ws_.caps),
        FileMessage(QT_TRANSLATE_NOOP("Messages", "The diagnostics were not saved."), path,
                    FileFailureFinding(path, error, FileAction::Save)));
  }
}

}  // namespace tpw::gui
