#include "cli/data_set.h"

#include "files/atomic_file.h"
#include "files/data_file.h"
#include "files/file_failure.h"
#include "files/hex_image_file.h"
#include "files/settings_store.h"
#include "image/text_values.h"
#include "report/text_report.h"
#include "shell/destinations.h"

namespace tpw::cli {

namespace fs = std::filesystem;

namespace {

// Reads and checks an image file, telling the user why it is refused, and takes it as the
// data set.
bool TakeImageFile(CliSession& session, const fs::path& path) {
  MemoryImage loaded;
  if (LoadImageFile(session.ctx, path, loaded) != Outcome::Done) return false;
  TakeImage(session.ws, loaded);
  return true;
}

}  // namespace

FileKind FileKindOf(const fs::path& path) {
  const std::string extension = ToUpper(path.extension().string());
  // A destination template (".ini") is an image under another name.
  if (extension == ".HEX" || extension == ".INI") return FileKind::Image;
  if (extension == ".DAT") return FileKind::DataFile;
  if (extension == ".TXT") return FileKind::Report;
  return FileKind::Unknown;
}

void AddBaseOptions(CLI::App& command, BaseOptions& options) {
  auto* image = command.add_option(
      "--base", options.image,
      TPW_TEXT("Cli", "image file (.hex) a data file is read over (default: a destination)"));
  command
      .add_option(
          "--destination", options.destination,
          TPW_TEXT("Cli",
                   "destination template a data file is read over, by name (see `destinations`; "
                   "default: the first)"))
      ->excludes(image);
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

bool LoadBaseDataSet(CliSession& session, const BaseOptions& options) {
  Context& ctx = session.ctx;
  if (!options.image.empty()) return TakeImageFile(session, options.image);
  const std::filesystem::path& data = session.folders.data;
  if (data.empty()) {
    ctx.prompter.message(Icon::Critical, MainTitle(ctx.ws.caps),
                         TranslatedUtf8(NoDataFolderMessage(session.folders.searched)) +
                             Said(TPW_TEXT("Cli",
                                           " Or give the image to start from with --base "
                                           "IMAGE.hex.")));
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
                         names.empty()
                             ? Said(TPW_TEXT("Cli",
                                             "No destination image was found in %1. Give the "
                                             "image to start from with --base IMAGE.hex."),
                                    {data.string()})
                             : Said(TPW_TEXT("Cli",
                                             "There is no destination \"%1\". The destinations "
                                             "are: %2."),
                                    {options.destination, list}));
    return false;
  }
  // The command line remembers nothing between runs.
  MemorySettingsStore store;
  return NewDataSet(ctx, store, menu, index);
}

bool OpenFileOverBase(CliSession& session, const fs::path& path) {
  if (FileKindOf(path) == FileKind::DataFile) {
    return OpenDataFile(session.ctx, path) == Outcome::Done;
  }
  return OpenImageFile(session.ctx, path).outcome == Outcome::Done;
}

bool InputKindAccepted(CliSession& session, const fs::path& in) {
  const FileKind kind = FileKindOf(in);
  if (kind == FileKind::Image || kind == FileKind::DataFile) return true;
  session.prompter.message(
      Icon::Critical, MainTitle(session.ws.caps),
      Said(TPW_TEXT("Cli",
                    "Cannot read %1: by its name it is neither an image (.hex) nor a channel "
                    "data file (.dat). Give one of those, or rename the file if it is one."),
           {in.string()}));
  return false;
}

bool OpenInputFile(CliSession& session, const fs::path& in, const BaseOptions& base) {
  if (FileKindOf(in) == FileKind::DataFile) {
    return LoadBaseDataSet(session, base) && OpenDataFile(session.ctx, in) == Outcome::Done;
  }
  return TakeImageFile(session, in);
}

bool LoadDataToWrite(CliSession& session, const std::string& in, const BaseOptions& base) {
  if (!InputKindAccepted(session, in)) return false;
  const bool ownBase =
      FileKindOf(in) != FileKind::DataFile && base.image.empty() && base.destination.empty();
  return ownBase ? LoadBaseDataSet(session, {in, ""})
                 : LoadBaseDataSet(session, base) && OpenFileOverBase(session, in);
}

bool SaveOutputFile(CliSession& session, const fs::path& out) {
  Context& ctx = session.ctx;
  switch (FileKindOf(out)) {
    case FileKind::Image:
      return SaveImageFile(ctx, out) == Outcome::Done;
    case FileKind::DataFile:
      return SaveDataFile(ctx, out) == Outcome::Done;
    case FileKind::Report:
      return SaveReportAs(ctx, out, BuildTextReport(ctx.ws.model, ctx.ws.caps)) == Outcome::Done;
    case FileKind::Unknown:
      break;
  }
  ctx.prompter.message(Icon::Critical, MainTitle(ctx.ws.caps),
                       Said(TPW_TEXT("Cli",
                                     "Cannot write %1: give an image (.hex), a data file (.dat) "
                                     "or a report (.txt)."),
                            {out.string()}));
  return false;
}

void RefuseOutput(CliSession& session, const fs::path& out, const std::string& problem) {
  session.prompter.message(
      Icon::Critical, MainTitle(session.ws.caps),
      Said(TPW_TEXT("Cli", "Cannot save %1: %2"), {out.string(), TranslatedUtf8(problem)}));
}

bool OutputPlaceUsable(CliSession& session, const fs::path& out) {
  const std::error_code error = CheckFileCanBeSaved(session.files, out);
  if (error) RefuseOutput(session, out, FileFailureFinding(out, error, FileAction::Save));
  return !error;
}

bool OutputCanBeSaved(CliSession& session, const fs::path& out, FileKind kind,
                      std::string_view option) {
  if (FileKindOf(out) != kind) {
    const bool image = kind == FileKind::Image;
    RefuseOutput(
        session, out,
        Said(image ? TPW_TEXT("Cli", "%1 takes an image file (.hex). Give a name ending in .hex.")
                   : TPW_TEXT("Cli",
                              "%1 takes a channel data file (.dat). Give a name ending "
                              "in .dat."),
             {option}));
    return false;
  }
  return OutputPlaceUsable(session, out);
}

bool SavedAfterTransfer(CliSession& session, Outcome saved, const fs::path& path) {
  if (saved != Outcome::Done) {
    session.prompter.message(Icon::Critical, MainTitle(session.ws.caps),
                             Said(TPW_TEXT("Cli",
                                           "The radio's data were not saved to %1; run the "
                                           "command again once that file can be saved."),
                                  {path.string()}));
  }
  return saved == Outcome::Done;
}

}  // namespace tpw::cli
