#include "shell/model_definition.h"

#include <algorithm>

#include "files/ini_file.h"
#include "image/text_values.h"

namespace tpw {

namespace {

std::string ModelSection(int modelType) {
  return "model" + std::to_string(modelType);
}

}  // namespace

std::vector<int> OfferedModels(const std::filesystem::path& globalIni) {
  std::vector<int> offered;
  for (int i = 1; i <= ModelMenuEntries; ++i) {
    const std::string use = ReadIniValue(globalIni, ModelSection(i), "use");
    if (use.empty()) break;
    if (ParseDecimal(use) == 1.0) offered.push_back(i);
  }
  return offered;
}

int StartModel(const std::vector<int>& offered, int remembered) {
  if (offered.empty()) return 0;
  const bool rememberedOffered =
      std::find(offered.begin(), offered.end(), remembered) != offered.end();
  return remembered < ModelMenuEntries && rememberedOffered ? remembered : offered.back();
}

void ApplyModel(const std::filesystem::path& globalIni, int modelType, ModelCaps& caps) {
  caps.ModelType = modelType;
  caps.ModelName = ModelNameOf(modelType);
  const std::string section = ModelSection(modelType);
  if (const auto atis = ParseBoolean(ReadIniValue(globalIni, section, "atis"))) {
    caps.AtisSupported = *atis;
  }
  if (const auto wx = ParseBoolean(ReadIniValue(globalIni, section, "wx"))) {
    caps.WxSupported = *wx;
  }
}

ModelCaps LoadModelCaps(const std::filesystem::path& globalIni, int modelType) {
  ModelCaps caps;
  caps.AtisSupported = false;
  caps.WxSupported = false;
  caps.ScrambleSupported = false;
  ApplyModel(globalIni, modelType, caps);
  return caps;
}

}  // namespace tpw
