#include "cli/cli_session.h"
#include "files/image_backups.h"

namespace tpw::cli {

void AddBackupsCommand(CLI::App& app, CliSession& session) {
  auto* command = app.add_subcommand(
      "backups",
      "List the backups of radio data that every read and write keeps, oldest first. Each is "
      "an image file (.hex): \"write IN.hex\" programs it back, \"convert\" turns it into a "
      "channel data file.");
  command->callback([&session] {
    const auto backups = ImageBackups(session.folders.userData);
    if (backups.empty()) {
      session.prompter.message(Icon::None, AppTitle,
                               "There are no backups yet in " +
                                   BackupFolder(session.folders.userData).string() +
                                   ". Every read and every write of a radio keeps one there.");
      return;
    }
    std::string list;
    for (const auto& backup : backups) list += backup.string() + '\n';
    if (!PrintOut(session, list)) session.exitStatus = Failed;
  });
}

}  // namespace tpw::cli
