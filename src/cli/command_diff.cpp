#include <cstdio>
#include <optional>

#include "cli/cli_session.h"
#include "cli/console.h"
#include "cli/data_set.h"
#include "cli/transfer_terminal.h"
#include "files/compared_file.h"
#include "report/data_set_comparison.h"

namespace tpw::cli {

namespace {

// The exit statuses of diff(1).
enum DiffStatus : int { Same = 0, Different = 1, Trouble = 2 };

// Valid UTF-8 is kept as it is, control characters are escaped; a byte that begins no UTF-8
// sequence is taken as the single-byte code page's character of that number, as data files
// write their names.
std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC2 ? 2 : 1;
    bool sequence = byte >= 0xC2 && byte < 0xF5 && i + length <= text.size();
    for (std::size_t k = 1; sequence && k < length; ++k) {
      sequence = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
    }
    if (sequence) {
      out += text.substr(i, length);
      i += length - 1;
    } else if (byte == '"' || byte == '\\') {
      out += '\\';
      out += text[i];
    } else if (byte < 0x20 || byte >= 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += text[i];
    }
  }
  return out + "\"";
}

// A list of objects with the keys where, setting, this and other, one object a line.
std::string JsonList(const std::vector<Difference>& differences) {
  std::string out = "[";
  for (std::size_t i = 0; i < differences.size(); ++i) {
    const Difference& d = differences[i];
    out += std::string(i == 0 ? "\n" : ",\n") + "  {\"where\": " + JsonString(d.name.where) +
           ", \"setting\": " + JsonString(d.name.setting) +
           ", \"this\": " + JsonString(d.thisValue) + ", \"other\": " + JsonString(d.otherValue) +
           "}";
  }
  return out + (differences.empty() ? "]\n" : "\n]\n");
}

// One difference a line; on a terminal, a comparison without any says so.
std::string TextList(const std::vector<Difference>& differences) {
  std::string out;
  for (const Difference& d : differences) out += DifferenceLine(d) + "\n";
  if (differences.empty() && IsTerminal(1)) out = DifferenceCount(0) + "\n";
  return out;
}

// A as the data set: an image as it is, a data file over the base, its region as it says.
bool OpenFirst(CliSession& session, const std::string& path, const BaseOptions& base) {
  if (FileKindOf(path) == FileKind::Image) return LoadBaseDataSet(session, {path, ""});
  return LoadBaseDataSet(session, base) && OpenFileToCompare(session.ctx, path) == Outcome::Done;
}

struct DiffOptions {
  std::string first;
  std::string second;
  bool json = false;
  BaseOptions base;
  TransferOptions transfer;
};

// What A is compared with: B opened over A's data set (a data file keeps A's image), or the
// radio read as the read command reads it, A being the data set the read starts from.
std::optional<Workspace> OpenSecond(CliSession& session, const DiffOptions& options) {
  if (options.transfer.port.empty()) {
    Workspace other = session.ws;
    Context ctx{other, session.prompter, session.host, session.diagnostics, session.files};
    if (OpenFileToCompare(ctx, options.second) != Outcome::Done) return std::nullopt;
    return other;
  }
  const Workspace first = session.ws;
  TransferResult result;
  const int status = RunTerminalTransfer(session, options.transfer, TransferMode::Read, result);
  if (!result.done()) {
    // A stop signal ends diff as it ends every transfer; any other end is trouble.
    if (status == Cancelled) session.exitStatus = Cancelled;
    return std::nullopt;
  }
  Workspace radio = std::move(session.ws);
  session.ws = first;
  return radio;
}

void RunDiff(CliSession& session, const DiffOptions& options) {
  session.exitStatus = Trouble;
  if (options.second.empty() == options.transfer.port.empty()) {
    session.prompter.message(Icon::Critical, "",
                             Said(TPW_TEXT("Cli",
                                           "diff compares A with one other data set: give the "
                                           "file B, or --port PORT to compare A with the radio "
                                           "on that port (see tpw52-cli diff --help).")));
    return;
  }
  if (!InputKindAccepted(session, options.first) ||
      (!options.second.empty() && !InputKindAccepted(session, options.second)) ||
      !OpenFirst(session, options.first, options.base)) {
    return;
  }
  const std::optional<Workspace> other = OpenSecond(session, options);
  if (!other) return;
  const std::vector<Difference> differences = CompareDataSets(
      {session.ws.image, session.ws.model}, {other->image, other->model}, session.ws.caps);
  if (!PrintOut(session, options.json ? JsonList(differences) : TextList(differences))) return;
  session.exitStatus = differences.empty() ? Same : Different;
}

}  // namespace

void AddDiffCommand(CLI::App& app, CliSession& session) {
  auto* command = app.add_subcommand(
      "diff",
      TPW_TEXT(
          "Cli",
          "Compare A with B, or with the radio on --port, setting by setting in the words of the "
          "desktop application: one difference a line (where, setting, A's value and the other's), "
          "channels only one side has, and runs of bytes no setting shows. A and B are image files "
          "(.hex) or channel data files (.dat); a data file A is read over the base, a data file B "
          "over A's image, each with the region it gives. The radio is read as the read command "
          "reads it, with its backup. Exit status 0 the same, 1 different, 2 trouble."));
  auto options = std::make_shared<DiffOptions>();
  command
      ->add_option("A", options->first,
                   TPW_TEXT("Cli", "image file (.hex) or channel data file (.dat)"))
      ->required();
  command->add_option(
      "B", options->second,
      TPW_TEXT("Cli", "image file (.hex) or channel data file (.dat); instead of --port"));
  command->add_flag(
      "--json", options->json,
      TPW_TEXT("Cli", "print a list of objects with the keys where, setting, this and other"));
  AddTransferOptions(*command, options->transfer, session, PortOption::Optional);
  AddBaseOptions(*command, options->base);
  command->callback([&session, options] { RunDiff(session, *options); });
}

}  // namespace tpw::cli
