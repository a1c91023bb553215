#include "cli/data_set.h"

#include "files/data_file.h"
#include "files/hex_image_file.h"
#include "files/settings_store.h"
#include "image/encodings.h"
#include "image/image_codec.h"
#include "report/text_report.h"
#include "shell/destinations.h"

namespace tpw::cli {

FileKind KindOf(const std::filesystem::path& path) {
  const std::string extension = ToUpper(path.extension().string());
  // A destination template (".ini") is an image under another name.
  if (extension == ".HEX" || extension == ".INI") return FileKind::Image;
  if (extension == ".DAT") return FileKind::DataFile;
  if (extension == ".TXT") return FileKind::Report;
  return FileKind::Unknown;
}

void AddBaseOptions(CLI::App& command, BaseOptions& options) {
  auto* image =
      command.add_option("--base", options.image,
                         "image file (.hex) a data file is read over (default: a destination)");
  command
      .add_option("--destination", options.destination,
                  "destination template a data file is read over, by name (see `destinations`; "
                  "default: the first)")
      ->excludes(image);
}

void AddAnswerOptions(CLI::App& command, CliSession& session) {
  auto* yes = command.add_flag_callback(
      "--yes", [&session] { session.prompter.setPolicy(AnswerPolicy::Yes); },
      "answer every question with Yes/OK (the region question, for one)");
  command
      .add_flag_callback(
          "--no", [&session] { session.prompter.setPolicy(AnswerPolicy::No); },
          "answer every question with No/Cancel (the default without a terminal)")
      ->excludes(yes);
}

// "QZ815_USA" may be given whole, or by its region: "usa".
int FindDestination(const DestinationMenu& menu, const std::string& wanted) {
  const int whole = menu.find(wanted);
  if (whole >= 0) return whole;
  const auto& names = menu.captions();
  const std::string ending = "_" + ToUpper(wanted);
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (ToUpper(names[i]).ends_with(ending)) return static_cast<int>(i);
  }
  return -1;
}

bool LoadBase(CliSession& session, const BaseOptions& options) {
  Context& ctx = session.ctx;
  if (!options.image.empty()) {
    MemoryImage loaded;
    if (!LoadImageFile(ctx, options.image, loaded)) return false;
    ctx.ws.image = loaded;
    DecodeImage(ctx.ws.image, ctx.ws.model, ctx.ws.caps.WxSupported);
    return true;
  }
  const std::filesystem::path& data = session.folders.data;
  if (data.empty()) {
    ctx.prompter.message(Icon::Critical, MainTitle(ctx.ws.caps),
                         NoDataFolderMessage(session.folders.searched) +
                             " Or give the image to start from with --base IMAGE.hex.");
    return false;
  }
  DestinationMenu menu(data);
  menu.scan(ctx.ws.caps.ModelType);
  const auto& names = menu.captions();
  const int index = options.destination.empty() ? 0 : FindDestination(menu, options.destination);
  if (names.empty() || index < 0) {
    std::string list;
    for (const std::string& name : names) list += (list.empty() ? "" : ", ") + name;
    ctx.prompter.message(Icon::Critical, MainTitle(ctx.ws.caps),
                         names.empty() ? "No destination image was found in " + data.string() +
                                             ". Give the image to start from with --base IMAGE.hex."
                                       : "There is no destination \"" + options.destination +
                                             "\". The destinations are: " + list + ".");
    return false;
  }
  // The command line remembers nothing between runs.
  MemorySettingsStore store;
  return NewDataSet(ctx, store, menu, index);
}

bool OpenOverBase(CliSession& session, const std::filesystem::path& path) {
  if (KindOf(path) == FileKind::DataFile) return FileRead2(session.ctx, path);
  return ReadHexFileAs(session.ctx, path).loaded;
}

bool OpenInput(CliSession& session, const std::filesystem::path& in, const BaseOptions& base) {
  Context& ctx = session.ctx;
  switch (KindOf(in)) {
    case FileKind::Image: {
      MemoryImage loaded;
      if (!LoadImageFile(ctx, in, loaded)) return false;
      ctx.ws.image = loaded;
      DecodeImage(ctx.ws.image, ctx.ws.model, ctx.ws.caps.WxSupported);
      return true;
    }
    case FileKind::DataFile:
      return LoadBase(session, base) && FileRead2(ctx, in);
    case FileKind::Report:
    case FileKind::Unknown:
      break;
  }
  ctx.prompter.message(
      Icon::Critical, MainTitle(ctx.ws.caps),
      "Cannot read " + in.string() + ": give an image (.hex) or a data file (.dat).");
  return false;
}

bool SaveOutput(CliSession& session, const std::filesystem::path& out) {
  Context& ctx = session.ctx;
  switch (KindOf(out)) {
    case FileKind::Image:
      return SaveImageFileCommand(ctx, out);
    case FileKind::DataFile:
      return SaveFileAs(ctx, out);
    case FileKind::Report:
      return SaveReportAs(ctx, out, BuildTextReport(ctx.ws.model, ctx.ws.caps));
    case FileKind::Unknown:
      break;
  }
  ctx.prompter.message(Icon::Critical, MainTitle(ctx.ws.caps),
                       "Cannot write " + out.string() +
                           ": give an image (.hex), a data file (.dat) or a report (.txt).");
  return false;
}

}  // namespace tpw::cli
