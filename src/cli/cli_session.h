#pragma once

#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <memory>

#include "adapters/files/native_file_system.h"
#include "adapters/translations/qt_translations.h"
#include "cli/language.h"
#include "cli/terminal_prompter.h"
#include "session/workspace.h"
#include "shell/program_folders.h"

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
  NativeFileSystem files;
  Context ctx{ws, prompter, host, diagnostics, files};
  int exitStatus = Success;
  // Where "global.ini" and the destination templates are, and where logs go.
  ProgramFolders folders;
};

// Takes the model and its capabilities from "global.ini" in the data folder, when it is there.
void LoadModelDefinition(CliSession& session);

// Writes text to the standard output; false, with a message saying why, when it cannot be
// written (a full disk, a closed pipe).
bool PrintOut(CliSession& session, std::string_view text);

// --yes and --no: how the questions of a command are answered without asking.
void AddAnswerOptions(CLI::App& command, CliSession& session);

// Each command adds itself to the application; its callback sets session.exitStatus.
void AddHexdumpCommand(CLI::App& app, CliSession& session);
void AddConvertCommand(CLI::App& app, CliSession& session);
void AddReportCommand(CLI::App& app, CliSession& session);
void AddPrintCommand(CLI::App& app, CliSession& session);
void AddDestinationsCommand(CLI::App& app, CliSession& session);
void AddPortsCommand(CLI::App& app, CliSession& session);
void AddBackupsCommand(CLI::App& app, CliSession& session);
void AddReadCommand(CLI::App& app, CliSession& session);
void AddWriteCommand(CLI::App& app, CliSession& session);
void AddDiffCommand(CLI::App& app, CliSession& session);
void AddClearAtisCommand(CLI::App& app, CliSession& session);
void AddExportCsvCommand(CLI::App& app, CliSession& session);
void AddImportCsvCommand(CLI::App& app, CliSession& session);
void AddCheckPortCommand(CLI::App& app, CliSession& session);
void AddFleetCommand(CLI::App& app, CliSession& session);

}  // namespace tpw::cli
