#include <iomanip>
#include <iostream>

#include "adapters/serial/serial_port_list.h"
#include "cli/cli_session.h"
#include "cli/transfer_terminal.h"
#include "files/hex_image_file.h"
#include "image/image_codec.h"

namespace tpw::cli {

namespace {

// The data set a transfer starts from: the image file given as the base, decoded.
bool LoadBase(CliSession& session, const std::string& path) {
  MemoryImage scratch;
  if (!LoadImageFile(session.ctx, path, scratch)) return false;
  session.ws.image = scratch;
  DecodeImage(session.ws.image, session.ws.model, session.ws.caps.WxSupported);
  return true;
}

}  // namespace

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
      "Read the radio's memory and save it as an image file (.hex). Bytes the radio "
      "does not own (0x000-0x001, 0x290-0x2FF) and the region check come from the base.");
  auto options = std::make_shared<TransferOptions>();
  auto out = std::make_shared<std::string>();
  auto base = std::make_shared<std::string>();
  AddTransferOptions(*command, *options);
  command->add_option("--out", *out, "image file to save what was read")->required();
  command->add_option("--base", *base, "image file (.hex) the read starts from")->required();
  command->callback([&session, options, out, base] {
    if (!LoadBase(session, *base)) {
      session.exitStatus = Failed;
      return;
    }
    TransferResult result;
    session.exitStatus = RunTerminalTransfer(session, *options, TransferMode::Read, result);
    if (result.TransferDone && !SaveHexFileAs(session.ctx, *out)) session.exitStatus = Failed;
  });
}

void AddWriteCommand(CLI::App& app, CliSession& session) {
  auto* command = app.add_subcommand(
      "write",
      "Program the radio from an image file (.hex), as the desktop application does "
      "after opening that file and choosing Program to Radio.");
  auto options = std::make_shared<TransferOptions>();
  auto in = std::make_shared<std::string>();
  auto base = std::make_shared<std::string>();
  AddTransferOptions(*command, *options);
  command->add_option("IN", *in, "image file (.hex) to program")->required();
  command->add_option("--base", *base,
                      "image file opened first; IN must then agree with its region");
  command->callback([&session, options, in, base] {
    const bool loaded = base->empty()
                            ? LoadBase(session, *in)
                            : LoadBase(session, *base) && ReadHexFileAs(session.ctx, *in).loaded;
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
      "one. The radio's ATIS counter is set to the base image's.");
  auto options = std::make_shared<TransferOptions>();
  auto base = std::make_shared<std::string>();
  auto out = std::make_shared<std::string>();
  AddTransferOptions(*command, *options);
  command->add_option("--base", *base, "image file (.hex) of the PC's data")->required();
  command->add_option("--out", *out, "save the PC's data, without the code, to this image file");
  command->callback([&session, options, base, out] {
    if (!LoadBase(session, *base)) {
      session.exitStatus = Failed;
      return;
    }
    TransferResult result;
    session.exitStatus = RunTerminalTransfer(session, *options, TransferMode::ClearAtis, result);
    if (result.TransferDone && !out->empty() && !SaveHexFileAs(session.ctx, *out)) {
      session.exitStatus = Failed;
    }
  });
}

}  // namespace tpw::cli
