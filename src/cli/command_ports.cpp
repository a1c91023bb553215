#include <iomanip>
#include <sstream>

#include "adapters/serial/serial_port_list.h"
#include "cli/cli_session.h"
#include "session/message_texts.h"

namespace tpw::cli {

void AddPortsCommand(CLI::App& app, CliSession& session) {
  auto* command = app.add_subcommand("ports", "List the serial ports a programming cable can use.");
  command->callback([&session] {
    const auto ports = serial::ListSerialPorts();
    if (ports.empty()) {
      session.prompter.message(Icon::None, AppTitle, msg::NoPort);
      session.exitStatus = Failed;
      return;
    }
    std::ostringstream list;
    for (const auto& port : ports) {
      list << std::left << std::setw(16) << port.name << ' ' << port.description << '\n';
    }
    if (!PrintOut(session, list.str())) session.exitStatus = Failed;
  });
}

}  // namespace tpw::cli
