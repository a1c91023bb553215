#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Where the program's own files are: the read-only data ("global.ini" and the destination
// templates) and the folders its logs may go to. The folders of the system are given by the
// caller (a Qt adapter), so this stays free of any platform library.
namespace tpw {

// The name of the data folder in an installed tree and in the system's data folders.
inline constexpr const char* DataFolderName = "tpw52";

struct ProgramFolders {
  std::filesystem::path program;                // the folder of the running executable
  std::filesystem::path data;                   // where the data was found; empty when nowhere
  std::vector<std::filesystem::path> searched;  // every folder looked in, in order
  std::filesystem::path userData;               // the user's own data folder (writable)

  // True when the program runs from a folder that holds its data too: a build or an unpacked
  // copy. Only then may its logs go beside it; an installed program writes them to the user's
  // data folder and never into a system folder.
  bool runsFromItsOwnFolder() const { return !data.empty() && data == program; }
  // The program's folder when logs may be written there, otherwise empty.
  std::filesystem::path programLogFolder() const {
    return runsFromItsOwnFolder() ? program : std::filesystem::path{};
  }
};

// The folders the data is looked for in, in order and each once: beside the executable, then
// "../share/tpw52" from it, then "tpw52" in each of the system's data folders.
std::vector<std::filesystem::path> DataFolderCandidates(
    const std::filesystem::path& program, const std::vector<std::filesystem::path>& systemData);

// Looks for the first candidate folder that holds "global.ini".
ProgramFolders FindProgramFolders(const std::filesystem::path& program,
                                  const std::vector<std::filesystem::path>& systemData,
                                  std::filesystem::path userData);

// What the user is told when no folder holds the data: every folder looked in, and what to do.
std::string NoDataFolderMessage(const std::vector<std::filesystem::path>& searched);

}  // namespace tpw
