#include "cli/cli_session.h"
#include "files/hex_image_file.h"
#include "link/hex_dump.h"

namespace tpw::cli {

void AddHexdumpCommand(CLI::App& app, CliSession& session) {
  auto* command = app.add_subcommand(
      "hexdump",
      TPW_TEXT(
          "Cli",
          "Print the hex dump of any file of 2048 bytes, an image file (.hex) or not; model words "
          "that are not those of a QZ815 are reported, and the dump is printed all the same."));
  auto path = std::make_shared<std::string>();
  command->add_option("IMAGE", *path, TPW_TEXT("Cli", "file of 2048 bytes"))->required();
  command->callback([&session, path] {
    MemoryImage image;
    if (LoadImageFile(session.ctx, *path, image, ModelWords::Shown) != Outcome::Done) {
      session.exitStatus = Failed;
      return;
    }
    std::string dump;
    for (const std::string& line : HexDumpLines(image)) dump += line + '\n';
    if (!PrintOut(session, dump)) session.exitStatus = Failed;
  });
}

}  // namespace tpw::cli
