#include <iomanip>
#include <iostream>
#include <sstream>

#include "cli/cli_session.h"
#include "files/hex_image_file.h"
#include "image/regions.h"
#include "shell/destinations.h"

namespace tpw::cli {

void AddDestinationsCommand(CLI::App& app, CliSession& session) {
  auto* command = app.add_subcommand(
      "destinations", TPW_TEXT("Cli",
                               "List the destination templates of the program's data folder: "
                               "name, region and file, in the order "
                               "of the destination menu."));
  command->callback([&session] {
    const int model = session.ws.caps.ModelType;
    const std::filesystem::path& data = session.folders.data;
    if (data.empty()) {
      std::cerr << NoDataFolderMessage(session.folders.searched) << '\n';
      session.exitStatus = Failed;
      return;
    }
    const auto names = ListDestinationNames(data, model);
    if (names.empty()) {
      std::cerr << Said(TPW_TEXT("Cli", "No destination template in %1"), {data.string()}) << '\n';
      session.exitStatus = Failed;
      return;
    }
    std::ostringstream list;
    for (const std::string& name : names) {
      const auto path = DestinationPath(data, name, model);
      MemoryImage image;
      const bool good = ReadImageFile(path, model, image) == ImageFileStatus::Ok;
      list << std::left << std::setw(14) << name << std::setw(10)
           << (good ? RegionName(RegionOf(image)) : Said(TPW_TEXT("Cli", "bad file")))
           << path.string() << '\n';
    }
    if (!PrintOut(session, list.str())) session.exitStatus = Failed;
  });
}

}  // namespace tpw::cli
