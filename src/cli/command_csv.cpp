#include "cli/cli_session.h"
#include "cli/data_set.h"
#include "image/text_values.h"
#include "shell/channel_table_file.h"

namespace tpw::cli {

namespace {

bool EndsInCsv(const std::filesystem::path& path) {
  return ToUpper(path.extension().string()) == ".CSV";
}

// The table file a command reads or writes must be named .csv, so that no data file or image
// is taken for one or written over by one.
bool TableNameAccepted(CliSession& session, const std::filesystem::path& path,
                       std::string_view role) {
  if (EndsInCsv(path)) return true;
  session.prompter.message(Icon::Critical, MainTitle(session.ws.caps),
                           Said(TPW_TEXT("Cli",
                                         "%1 %2 must be a table of channels ending in .csv. Give "
                                         "a name ending in .csv."),
                                {role, path.string()}));
  session.exitStatus = UsageError;
  return false;
}

}  // namespace

void AddExportCsvCommand(CLI::App& app, CliSession& session) {
  auto* command = app.add_subcommand(
      "export-csv",
      TPW_TEXT(
          "Cli",
          "Save the channel lists of DATA (.hex image or .dat data file) as OUT.csv: a row per "
          "channel, its list in the column List, a column per field under its data-file key."));
  auto data = std::make_shared<std::string>();
  auto out = std::make_shared<std::string>();
  auto base = std::make_shared<BaseOptions>();
  command->add_option("DATA", *data, TPW_TEXT("Cli", "image file (.hex) or data file (.dat)"))
      ->required();
  command->add_option("OUT", *out, TPW_TEXT("Cli", "the table to save (.csv)"))->required();
  AddBaseOptions(*command, *base);
  AddAnswerOptions(*command, session);
  command->callback([&session, data, out, base] {
    if (!TableNameAccepted(session, *out, "OUT")) return;
    if (!InputKindAccepted(session, *data) || !OutputPlaceUsable(session, *out) ||
        !OpenInputFile(session, *data, *base) ||
        ExportChannelsFile(session.ctx, *out) != Outcome::Done) {
      session.exitStatus = Failed;
    }
  });
}

void AddImportCsvCommand(CLI::App& app, CliSession& session) {
  auto* command = app.add_subcommand(
      "import-csv",
      TPW_TEXT(
          "Cli",
          "Replace the channel lists of DATA (.hex or .dat) that IN.csv holds rows for, and save "
          "the "
          "result as OUT (.hex or .dat). The other lists stay as they are. Refused rows are listed "
          "with their line; then nothing is imported unless --yes imports the other rows."));
  auto data = std::make_shared<std::string>();
  auto in = std::make_shared<std::string>();
  auto out = std::make_shared<std::string>();
  auto base = std::make_shared<BaseOptions>();
  command->add_option("DATA", *data, TPW_TEXT("Cli", "image file (.hex) or data file (.dat)"))
      ->required();
  command->add_option("IN", *in, TPW_TEXT("Cli", "the table of channels (.csv)"))->required();
  command
      ->add_option("OUT", *out,
                   TPW_TEXT("Cli", "where the result goes: image (.hex) or data file (.dat)"))
      ->required();
  AddBaseOptions(*command, *base);
  AddAnswerOptions(*command, session);
  command->callback([&session, data, in, out, base] {
    if (!TableNameAccepted(session, *in, "IN")) return;
    const FileKind kind = FileKindOf(*out);
    if (kind != FileKind::Image && kind != FileKind::DataFile) {
      RefuseOutput(session, *out,
                   Said(TPW_TEXT("Cli", "give an image (.hex) or a data file (.dat).")));
      session.exitStatus = UsageError;
      return;
    }
    if (!InputKindAccepted(session, *data) || !OutputPlaceUsable(session, *out) ||
        !OpenInputFile(session, *data, *base)) {
      session.exitStatus = Failed;
      return;
    }
    // A declined import is refused like a declined question of a write; 130 is kept for
    // a transfer stopped by a signal.
    if (ImportChannelsFile(session.ctx, *in) != Outcome::Done) {
      session.exitStatus = Failed;
      return;
    }
    if (!SaveOutputFile(session, *out)) session.exitStatus = Failed;
  });
}

}  // namespace tpw::cli
