// tpw52-cli check-port: the test of the cable and the port.
#include "adapters/serial/qt_serial_port.h"
#include "cli/cli_session.h"
#include "cli/console.h"
#include "cli/transfer_terminal.h"
#include "link/port_check_messages.h"

namespace tpw::cli {

namespace {

int ExitStatusOf(const PortCheckResult& result) {
  switch (result.finding) {
    case PortCheckResult::Finding::Answered:
      return result.radio.modelMatches ? Success : Failed;
    case PortCheckResult::Finding::Cancelled:
      return Cancelled;
    default:
      return Failed;
  }
}

}  // namespace

void AddCheckPortCommand(CLI::App& app, CliSession& session) {
  auto* command = app.add_subcommand(
      "check-port",
      TPW_TEXT(
          "Cli",
          "Test the cable and the port: open PORT, see whether the cable returns what it is sent, "
          "ping the radio and ask what it is (model, region, ATIS code). Reads nothing else and "
          "writes nothing."));
  auto port = std::make_shared<std::string>();
  auto options = std::make_shared<TransferOptions>();
  command->add_option("PORT", *port, TPW_TEXT("Cli", "serial port of the programming cable"))
      ->required();
  command->add_flag("--low-speed", options->lowSpeed, TPW_TEXT("Cli", "stay at 19200 baud (/E)"));
  command->callback([&session, port, options] {
    ApplyLinkOptions(session.ws, *options);
    serial::QtSerialPort device(*port);
    InterruptWatch interrupts;
    TerminalHost host(interrupts);
    SilentTransferObserver observer;
    Context ctx{session.ws, session.prompter, host, session.diagnostics, session.files};
    const PortCheckResult result = CheckPort(ctx, device, observer);
    ShowMessages(session.prompter, PortCheckMessages(result, *port, session.ws.caps.ModelName));
    session.exitStatus = ExitStatusOf(result);
  });
}

}  // namespace tpw::cli
