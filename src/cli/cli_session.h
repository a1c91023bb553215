#pragma once

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "cli/terminal_prompter.h"
#include "shell/workspace.h"

namespace tpw::cli {

// Exit statuses of every command.
enum ExitStatus : int { Success = 0, Failed = 1, UsageError = 2, Cancelled = 130 };

// The state one run of the command line works on: one data set, the terminal as the user.
struct CliSession {
  CliSession();

  Workspace ws;
  TerminalPrompter prompter;
  SystemHost host;
  NoDiagnostics diagnostics;
  Context ctx{ws, prompter, host, diagnostics};
  int exitStatus = Success;
};

// Each command adds itself to the application; its callback sets session.exitStatus.
void AddHexdumpCommand(CLI::App& app, CliSession& session);
void AddConvertCommand(CLI::App& app, CliSession& session);
void AddPortsCommand(CLI::App& app, CliSession& session);
void AddReadCommand(CLI::App& app, CliSession& session);
void AddWriteCommand(CLI::App& app, CliSession& session);
void AddClearAtisCommand(CLI::App& app, CliSession& session);

}  // namespace tpw::cli
