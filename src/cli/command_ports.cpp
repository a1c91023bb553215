#include "adapters/serial/serial_port_list.h"
#include "cli/cli_session.h"
#include "link/port_help.h"

namespace tpw::cli {

void AddPortsCommand(CLI::App& app, CliSession& session) {
  auto* command = app.add_subcommand(
      "ports", TPW_TEXT("Cli", "List the serial ports a programming cable can use."));
  command->callback([&session] {
    const auto ports = serial::ListSerialPorts();
    if (ports.empty()) {
      session.prompter.message(Icon::None, AppTitle, NoPortText(ThisPlatform()));
      session.exitStatus = Failed;
      return;
    }
    if (!PrintOut(session, PortListing(ports, TranslatedUtf8))) session.exitStatus = Failed;
  });
}

}  // namespace tpw::cli
