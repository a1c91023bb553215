#include <iomanip>
#include <iostream>

#include "adapters/serial/serial_port_list.h"
#include "cli/cli_session.h"
#include "cli/data_set.h"
#include "cli/transfer_terminal.h"
#include "files/data_file.h"
#include "files/hex_image_file.h"

namespace tpw::cli {

void AddPortsCommand(CLI::App& app, CliSession& session) {
  auto* command = app.add_subcommand("ports", "List the serial ports a programming cable can use.");
  command->callback([&session] {
    const auto ports = serial::ListSerialPorts();
    if (ports.empty()) {
      session.prompter.message(Icon::None, AppTitle, "There is no port that can be used!!");
      session.exitStatus = Failed;
      return;
    }
    for (const auto& port : ports) {
      std::cout << std::left << std::setw(16) << port.name << ' ' << port.description << '\n';
    }
  });
}

void AddReadCommand(CLI::App& app, CliSession& session) {
  auto* command = app.add_subcommand(
      "read",
      "Read the radio's memory into the PC's data set and save it as an image file "
      "(.hex), a channel data file (.dat), or both. The bytes the radio does not own "
      "(0x000-0x001, 0x290-0x2FF) and the region check come from the base.");
  auto options = std::make_shared<TransferOptions>();
  auto base = std::make_shared<BaseOptions>();
  auto out = std::make_shared<std::string>();
  auto dat = std::make_shared<std::string>();
  AddTransferOptions(*command, *options);
  AddBaseOptions(*command, *base);
  command->add_option("--out", *out, "image file (.hex) to save what was read");
  command->add_option("--dat", *dat, "channel data file (.dat) to save what was read");
  command->callback([&session, options, base, out, dat] {
    if (out->empty() && dat->empty())
      throw CLI::ValidationError("read", "--out or --dat is needed");
    if (!LoadBase(session, *base)) {
      session.exitStatus = Failed;
      return;
    }
    TransferResult result;
    session.exitStatus = RunTerminalTransfer(session, *options, TransferMode::Read, result);
    if (!result.TransferDone) return;
    if (!out->empty() && !SaveImageBytes(session.ctx, *out)) session.exitStatus = Failed;
    if (!dat->empty() && !SaveDataFile(session.ctx, *dat)) session.exitStatus = Failed;
  });
}

void AddWriteCommand(CLI::App& app, CliSession& session) {
  auto* command = app.add_subcommand(
      "write",
      "Program the radio from an image file (.hex) or a channel data file (.dat), as "
      "the desktop application does after opening that file and choosing Program to "
      "Radio. A data file is opened over the base (default: the first destination); "
      "an image file is its own base unless --base or --destination is given.");
  auto options = std::make_shared<TransferOptions>();
  auto base = std::make_shared<BaseOptions>();
  auto in = std::make_shared<std::string>();
  AddTransferOptions(*command, *options);
  AddBaseOptions(*command, *base);
  command->add_option("IN", *in, "image file (.hex) or channel data file (.dat)")->required();
  command->callback([&session, options, base, in] {
    const bool ownBase =
        KindOf(*in) != FileKind::DataFile && base->image.empty() && base->destination.empty();
    const bool loaded = ownBase ? LoadBase(session, {*in, ""})
                                : LoadBase(session, *base) && OpenOverBase(session, *in);
    if (!loaded) {
      session.exitStatus = Failed;
      return;
    }
    TransferResult result;
    session.exitStatus = RunTerminalTransfer(session, *options, TransferMode::Program, result);
  });
}

void AddClearAtisCommand(CLI::App& app, CliSession& session) {
  auto* command = app.add_subcommand(
      "clear-atis",
      "Erase the ATIS code in the radio, so that the next write can program a new "
      "one. The radio's ATIS counter takes the base's value.");
  auto options = std::make_shared<TransferOptions>();
  auto base = std::make_shared<BaseOptions>();
  auto out = std::make_shared<std::string>();
  AddTransferOptions(*command, *options);
  AddBaseOptions(*command, *base);
  command->add_option("--out", *out, "save the PC's data, without the code, to this image file");
  command->callback([&session, options, base, out] {
    if (!LoadBase(session, *base)) {
      session.exitStatus = Failed;
      return;
    }
    TransferResult result;
    session.exitStatus = RunTerminalTransfer(session, *options, TransferMode::ClearAtis, result);
    if (result.TransferDone && !out->empty() && !SaveImageBytes(session.ctx, *out)) {
      session.exitStatus = Failed;
    }
  });
}

}  // namespace tpw::cli
