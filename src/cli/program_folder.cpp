#include "cli/cli_session.h"
#include "shell/model_definition.h"

namespace tpw::cli {

std::filesystem::path ProgramFolder(const char* argv0) {
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return self.parent_path();
  return std::filesystem::absolute(argv0, error).parent_path();
}

void LoadModelDefinition(CliSession& session) {
  const auto ini = session.programFolder / ModelDefinitionFile;
  const std::vector<int> offered = OfferedModels(ini);
  if (!offered.empty()) session.ws.caps = LoadModelCaps(ini, StartModel(offered, 1));
}

}  // namespace tpw::cli
