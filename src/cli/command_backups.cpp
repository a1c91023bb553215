#include "cli/cli_session.h"
#include "files/atomic_file.h"
#include "files/error_log.h"
#include "files/file_failure.h"
#include "files/image_backups.h"

namespace tpw::cli {

void AddBackupsCommand(CLI::App& app, CliSession& session) {
  auto* command = app.add_subcommand(
      "backups",
      TPW_TEXT(
          "Cli",
          "List the backups of radio data that every read and write keeps, oldest first. Each is "
          "an image file (.hex): \"write IN.hex\" programs it back, \"convert\" turns it into a "
          "channel data file."));
  command->callback([&session] {
    const std::filesystem::path folder = BackupFolder(session.folders.userData);
    // A file or a link to nothing where the folder should be holds no backups, and keeps
    // every read and write from keeping one.
    if (const DatedFile state = DatedFolderState(folder); state.error) {
      const std::filesystem::path real = FollowLinks(folder);
      const std::string link = real == folder ? ""
                                              : Said(TPW_TEXT("Cli", "%1 is a link to %2, and "),
                                                     {folder.string(), real.string()});
      session.prompter.message(
          Icon::Critical, AppTitle,
          Said(TPW_TEXT("Cli",
                        "The backups cannot be listed, and no read or write of a radio can keep "
                        "one: %1%2"),
               {link, TranslatedUtf8(FileFailureFinding(folder / "backup.hex", state.error,
                                                        FileAction::Keep))}));
      session.exitStatus = Failed;
      return;
    }
    const auto backups = ImageBackups(session.folders.userData, ErrorLog::LocalNow());
    if (backups.empty()) {
      session.prompter.message(Icon::None, AppTitle,
                               Said(TPW_TEXT("Cli",
                                             "There are no backups yet in %1. Every read and "
                                             "every write of a radio keeps one there."),
                                    {folder.string()}));
      return;
    }
    std::string list;
    for (const auto& backup : backups) list += backup.string() + '\n';
    if (!PrintOut(session, list)) session.exitStatus = Failed;
  });
}

}  // namespace tpw::cli
