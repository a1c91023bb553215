#pragma once

#include "shell/program_folders.h"

namespace tpw {

// The folders of the running program: its executable's folder, the data folder found beside
// it, in "../share/tpw52" or in the system's data folders, and the user's data folder (named
// after the application title, which it sets as the application name). Call it while the
// program's QCoreApplication exists.
ProgramFolders LocateProgramFolders();

}  // namespace tpw
