#pragma once

#include <string>

#include "image/memory_image.h"
#include "image/model_identity.h"
#include "image/settings_model.h"
#include "session/change_report.h"
#include "session/diagnostics.h"
#include "session/file_system.h"
#include "session/host.h"
#include "session/prompter.h"
#include "session/undo_history.h"

namespace tpw {

inline constexpr const char* AppTitle = "TPW52";

// The program's state flags. Operations report how they ended by their result (Outcome), not
// through flags.
struct ProgramFlags {
  bool TransferBusy = false;
  bool DataChanged = false;  // unsaved changes: written by session/change_report and undo
};

// Switches of the command line.
struct CommandLineFlags {
  bool DebugMode = false;
  bool LowSpeed = false;
  bool EchoCheckSkip = true;

  bool operator==(const CommandLineFlags&) const = default;
};

// The model the program serves and what it can do.
struct ModelCaps {
  int ModelType = QZ815ModelType;
  std::string ModelName = "QZ815";
  bool AtisSupported = true;
  bool WxSupported = true;
  bool ScrambleSupported = false;
};

// "PC Program for " + model name: the title of the main window's messages.
std::string MainTitle(const ModelCaps& caps);

// Everything one data set is made of, owned in one place and passed by reference.
struct Workspace {
  MemoryImage image;
  SettingsModel model;
  ProgramFlags flags;
  CommandLineFlags options;
  ModelCaps caps;
  std::string documentPath;
  // Every step of the session, for Undo and Redo (CommitChange records them).
  UndoHistory history;
  // Told of every change of the data set (CommitChange): a test, a view of the changes.
  ChangeObserver changeObserver;
};

// What an operation needs besides the data: the user, time, the logs and the disk.
struct Context {
  Workspace& ws;
  Prompter& prompter;
  Host& host;
  Diagnostics& diagnostics;
  FileSystem& files;
};

}  // namespace tpw
