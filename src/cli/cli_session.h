#pragma once

#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <memory>

#include "cli/terminal_prompter.h"
#include "session/workspace.h"

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
  // The folder of the executable, where "global.ini" and the destination templates are.
  std::filesystem::path programFolder;
};

// The folder of the running executable; argv0 is the fallback where the system cannot say.
std::filesystem::path ProgramFolder(const char* argv0);
// Takes the model and its capabilities from "global.ini" beside the program, when it is there.
void LoadModelDefinition(CliSession& session);

// --yes and --no: how the questions of a command are answered without asking.
void AddAnswerOptions(CLI::App& command, CliSession& session);

// Each command adds itself to the application; its callback sets session.exitStatus.
void AddHexdumpCommand(CLI::App& app, CliSession& session);
void AddConvertCommand(CLI::App& app, CliSession& session);
void AddReportCommand(CLI::App& app, CliSession& session);
void AddDestinationsCommand(CLI::App& app, CliSession& session);
void AddPortsCommand(CLI::App& app, CliSession& session);
void AddReadCommand(CLI::App& app, CliSession& session);
void AddWriteCommand(CLI::App& app, CliSession& session);
void AddClearAtisCommand(CLI::App& app, CliSession& session);

}  // namespace tpw::cli
