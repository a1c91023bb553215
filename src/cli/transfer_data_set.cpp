#include "cli/transfer_data_set.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <algorithm>
#include <cctype>
#include <filesystem>

#include "adapters/serial/qt_serial_port.h"
#include "files/data_file.h"
#include "files/hex_image_file.h"
#include "image/encodings.h"
#include "image/image_codec.h"
#include "shell/destinations.h"

namespace tpw::cli {

namespace {

bool LoadImageBase(CliSession& session, const std::string& path) {
  MemoryImage scratch;
  if (!LoadImageFile(session.ctx, path, scratch)) return false;
  session.ws.image = scratch;
  DecodeImage(session.ws.image, session.ws.model, session.ws.caps.WxSupported);
  return true;
}

std::string Joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

bool LoadDestinationBase(CliSession& session, const std::string& wanted) {
  const std::filesystem::path folder = ProgramFolder();
  const int model = session.ws.caps.ModelType;
  const std::vector<std::string> names = ListDestinationNames(folder, model);
  const std::string title = MainTitle(session.ws.caps);
  if (names.empty()) {
    session.prompter.message(Icon::Critical, title,
                             "No destination image was found in " + folder.string() +
                                 ". Give the image to start from with --base IMAGE.hex.");
    return false;
  }
  auto chosen = names.begin();
  if (!wanted.empty()) {
    // "QZ815_USA" may be given whole or by its region, "usa".
    const std::string upper = ToUpper(wanted);
    chosen = std::find_if(names.begin(), names.end(), [&](const std::string& name) {
      const std::string caption = ToUpper(name);
      return caption == upper || caption.ends_with("_" + upper);
    });
    if (chosen == names.end()) {
      session.prompter.message(Icon::Critical, title,
                               "There is no destination \"" + wanted +
                                   "\". The destinations are: " + Joined(names) + ".");
      return false;
    }
  }
  if (FileReadIni(session.ctx, DestinationPath(folder, *chosen, model))) return true;
  session.prompter.message(Icon::Exclamation, title, "IniFileRead Error!!");
  return false;
}

}  // namespace

std::filesystem::path ProgramFolder() {
  serial::QtRuntime qt;
  return QCoreApplication::applicationDirPath().toStdString();
}

std::filesystem::path UserDataFolder() {
  serial::QtRuntime qt;
  QCoreApplication::setApplicationName(AppTitle);
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
}

void AddBaseOptions(CLI::App& command, BaseChoice& choice) {
  auto* image =
      command.add_option("--base", choice.image, "image file (.hex) the PC's data start from");
  auto* destination =
      command.add_option("--destination", choice.destination,
                         "start from this destination's factory image (default: the first)");
  image->excludes(destination);
}

bool LoadBase(CliSession& session, const BaseChoice& choice) {
  return choice.image.empty() ? LoadDestinationBase(session, choice.destination)
                              : LoadImageBase(session, choice.image);
}

bool IsDataFile(const std::string& path) {
  return ToUpper(std::filesystem::path(path).extension().string()) == ".DAT";
}

bool OpenOverBase(CliSession& session, const std::string& path) {
  if (IsDataFile(path)) return FileRead2(session.ctx, path);
  return ReadHexFileAs(session.ctx, path).loaded;
}

}  // namespace tpw::cli
