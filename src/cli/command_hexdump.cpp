#include <iostream>

#include "cli/cli_session.h"
#include "files/hex_image_file.h"
#include "link/hex_dump.h"

namespace tpw::cli {

void AddHexdumpCommand(CLI::App& app, CliSession& session) {
  auto* command = app.add_subcommand("hexdump", "Print the hex dump of an image file (.hex).");
  auto path = std::make_shared<std::string>();
  command->add_option("IMAGE", *path, "image file of 2048 bytes")->required();
  command->callback([&session, path] {
    MemoryImage image;
    if (!LoadImageFile(session.ctx, *path, image)) {
      session.exitStatus = Failed;
      return;
    }
    for (const std::string& line : HexDumpLines(image)) std::cout << line << '\n';
  });
}

}  // namespace tpw::cli
