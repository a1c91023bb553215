#include "shell/program_folders.h"

#include <algorithm>

#include "shell/model_definition.h"

namespace tpw {

namespace fs = std::filesystem;

std::vector<fs::path> DataFolderCandidates(const fs::path& program,
                                           const std::vector<fs::path>& systemData) {
  std::vector<fs::path> candidates;
  const auto add = [&candidates](const fs::path& folder) {
    const fs::path normal = folder.lexically_normal();
    // "/usr/bin/../share/tpw52" and "/usr/share/tpw52" are one folder, looked in once.
    if (std::find(candidates.begin(), candidates.end(), normal) == candidates.end()) {
      candidates.push_back(normal);
    }
  };
  add(program);
  add(program / ".." / "share" / DataFolderName);
  for (const fs::path& folder : systemData) add(folder / DataFolderName);
  return candidates;
}

ProgramFolders FindProgramFolders(const fs::path& program, const std::vector<fs::path>& systemData,
                                  fs::path userData) {
  ProgramFolders folders;
  folders.program = program.lexically_normal();
  folders.userData = std::move(userData);
  folders.searched = DataFolderCandidates(program, systemData);
  for (const fs::path& folder : folders.searched) {
    std::error_code error;
    if (fs::is_regular_file(folder / ModelDefinitionFile, error)) {
      folders.data = folder;
      break;
    }
  }
  return folders;
}

std::string NoDataFolderMessage(const std::vector<fs::path>& searched) {
  std::string text = "The program's data (\"" + std::string(ModelDefinitionFile) +
                     "\" and the destination templates) was not found. Looked in:\n";
  for (const fs::path& folder : searched) text += "  " + folder.string() + "\n";
  text += "Reinstall the program, or put its data into one of these folders.";
  return text;
}

}  // namespace tpw
