#include "cli/cli_session.h"
#include "shell/model_definition.h"

namespace tpw::cli {

void LoadModelDefinition(CliSession& session) {
  if (session.folders.data.empty()) return;
  const auto ini = session.folders.data / ModelDefinitionFile;
  const std::vector<int> offered = OfferedModels(ini);
  if (!offered.empty()) session.ws.caps = LoadModelCaps(ini, StartModel(offered, 1));
}

}  // namespace tpw::cli
