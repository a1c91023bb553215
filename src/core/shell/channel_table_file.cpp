#include "shell/channel_table_file.h"

#include "editor/list_arrangement.h"
#include "files/atomic_file.h"
#include "files/channel_csv.h"
#include "files/file_failure.h"
#include "files/file_save.h"
#include "image/translatable.h"
#include "session/flag_guard.h"

namespace tpw {

namespace {

constexpr const char* kExportLogName = "ExportChannels";
constexpr const char* kImportLogName = "ImportChannels";
constexpr const char* kNotImported = TPW_TEXT("Messages", "The channels were not imported.");

namespace text {
constexpr const char* Utf16 =
    TPW_TEXT("Messages",
             "it is saved as UTF-16 text. Save it from the spreadsheet as \"CSV UTF-8\" (or plain "
             "CSV), then import it again.");
constexpr const char* NoTable = TPW_TEXT(
    "Messages",
    "it is no channel table: %1. Export the channels once to see the table the program reads.");
constexpr const char* NoChannel =
    TPW_TEXT("Messages",
             "it holds a heading line but no channel under it. Add a row per channel, then import "
             "it again.");
// "%1" the table, "%2" the refused rows, "%3" all rows.
constexpr const char* Refused = TPW_TEXT("Messages", "%1: %2 of %3 rows cannot be imported:");
constexpr const char* More = TPW_TEXT("Messages", "... and %1 more.");
constexpr const char* NoneImported =
    TPW_TEXT("Messages", "The channels were not imported. Correct the rows, then import again.");
constexpr const char* ImportTheRest =
    TPW_TEXT("Messages",
             "Import the other %1 rows? Each list they belong to is replaced by them; the other "
             "lists stay as they are.");
constexpr const char* Step = TPW_TEXT("Editor", "Import %1");
}  // namespace text

constexpr const char* kTemplates[] = {text::NoTable, text::Refused, text::More, text::ImportTheRest,
                                      text::Step};
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
    finding = text::Utf16;
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
  std::string text = Fill(text::Refused, {path.string(), std::to_string(refused),
                                          std::to_string(refused + read.channels.size())});
  for (std::size_t i = 0; i < refused && i < kRefusalsShown; ++i) {
    text += "\r\n" + read.refused[i].text;
  }
  if (refused > kRefusalsShown) {
    text += "\r\n" + Fill(text::More, {std::to_string(refused - kRefusalsShown)});
  }
  if (read.channels.empty()) {
    ctx.prompter.message(Icon::Exclamation, MainTitle(ctx.ws.caps),
                         text + "\r\n" + text::NoneImported);
    return false;
  }
  text += "\r\n\r\n" + Fill(text::ImportTheRest, {std::to_string(read.channels.size())});
  return ctx.prompter.ask(Icon::Question, MainTitle(ctx.ws.caps), text, Buttons::YesNo,
                          Answer::No) == Answer::Yes;
}

}  // namespace

std::span<const char* const> ChannelTableTemplates() {
  return kTemplates;
}

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
    ctx.prompter.message(Icon::Exclamation, MainTitle(ctx.ws.caps),
                         FileMessage(kNotImported, path, Fill(text::NoTable, {*read->fault})));
    return Outcome::Failed;
  }
  if (read->channels.empty() && read->refused.empty()) {
    ctx.prompter.message(Icon::Exclamation, MainTitle(ctx.ws.caps),
                         FileMessage(kNotImported, path, text::NoChannel));
    return Outcome::Failed;
  }
  if (!read->refused.empty() && !AgreesToImportTheRest(ctx, path, *read)) {
    return read->channels.empty() ? Outcome::Failed : Outcome::Cancelled;
  }
  ReplaceChannelLists(ctx.ws, Fill(text::Step, {path.filename().string()}),
                      ListsOfRows(read->channels));
  return Outcome::Done;
}

}  // namespace tpw
