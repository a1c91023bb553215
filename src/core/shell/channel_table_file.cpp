#include "shell/channel_table_file.h"

#include "editor/list_arrangement.h"
#include "files/atomic_file.h"
#include "files/channel_csv.h"
#include "files/file_failure.h"
#include "files/file_save.h"
#include "session/flag_guard.h"

namespace tpw {

namespace {

constexpr const char* kExportLogName = "ExportChannels";
constexpr const char* kImportLogName = "ImportChannels";
constexpr const char* kNotImported = "The channels were not imported.";
// How many refused rows the question lists.
constexpr std::size_t kRefusalsShown = 20;

std::optional<std::string> ReadTable(Context& ctx, const std::filesystem::path& path) {
  std::string content;
  const std::error_code error = ReadWholeFile(path, content, TextFileLimit);
  std::string finding;
  if (error) {
    ctx.diagnostics.errorLog(kImportLogName, NumberedDescription(error));
    finding = FileFailureFinding(path, error, FileAction::Read);
  } else if (content.find('\0') != std::string::npos) {
    finding =
        "it is saved as UTF-16 text. Save it from the spreadsheet as \"CSV UTF-8\" (or plain "
        "CSV), then import it again.";
  } else {
    return content;
  }
  ctx.prompter.message(Icon::Exclamation, MainTitle(ctx.ws.caps),
                       FileMessage("FileRead Error!!", path, finding));
  return std::nullopt;
}

// The refused rows, and whether the others are to be imported all the same.
bool AgreesToImportTheRest(Context& ctx, const std::filesystem::path& path,
                           const ChannelCsvRead& read) {
  const std::size_t refused = read.refused.size();
  std::string text = path.string() + ": " + std::to_string(refused) + " of " +
                     std::to_string(refused + read.channels.size()) + " rows cannot be imported:";
  for (std::size_t i = 0; i < refused && i < kRefusalsShown; ++i) {
    text += "\r\n" + read.refused[i].text;
  }
  if (refused > kRefusalsShown) {
    text += "\r\n... and " + std::to_string(refused - kRefusalsShown) + " more.";
  }
  if (read.channels.empty()) {
    ctx.prompter.message(Icon::Exclamation, MainTitle(ctx.ws.caps),
                         text + "\r\n" + kNotImported + " Correct the rows, then import again.");
    return false;
  }
  text += "\r\n\r\nImport the other " + std::to_string(read.channels.size()) +
          " rows? Each list they belong to is replaced by them; the other lists stay as they "
          "are.";
  return ctx.prompter.ask(Icon::Question, MainTitle(ctx.ws.caps), text, Buttons::YesNo,
                          Answer::No) == Answer::Yes;
}

}  // namespace

Outcome ExportChannelsFile(Context& ctx, const std::filesystem::path& path) {
  return SaveDocument(ctx, path, ChannelsCsv(ctx.ws.model, ctx.ws.caps), kExportLogName);
}

Outcome ImportChannelsFile(Context& ctx, const std::filesystem::path& path) {
  std::optional<ChannelCsvRead> read;
  {
    FlagGuard busy(ctx.ws.flags.TransferBusy, true);
    if (const std::optional<std::string> content = ReadTable(ctx, path)) {
      read = ReadChannelsCsv(*content, ctx.ws.caps);
    }
    ctx.host.settleAfterFile();
  }
  if (!read) return Outcome::Failed;
  if (read->fault) {
    ctx.prompter.message(
        Icon::Exclamation, MainTitle(ctx.ws.caps),
        FileMessage(kNotImported, path,
                    "it is no channel table: " + *read->fault +
                        ". Export the channels once to see the table the program reads."));
    return Outcome::Failed;
  }
  if (read->channels.empty() && read->refused.empty()) {
    ctx.prompter.message(Icon::Exclamation, MainTitle(ctx.ws.caps),
                         FileMessage(kNotImported, path,
                                     "it holds a heading line but no channel under it. Add a row "
                                     "per channel, then import it again."));
    return Outcome::Failed;
  }
  if (!read->refused.empty() && !AgreesToImportTheRest(ctx, path, *read)) {
    return read->channels.empty() ? Outcome::Failed : Outcome::Cancelled;
  }
  ReplaceChannelLists(ctx.ws, "Import " + path.filename().string(), ListsOfRows(read->channels));
  return Outcome::Done;
}

}  // namespace tpw
