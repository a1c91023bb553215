#include "image/model_identity.h"

#include "image/memory_map.h"

namespace tpw {

std::string ModelNameOf(int modelType) {
  return modelType == QZ815ModelType ? "QZ815" : "Unknown model";
}

bool VersionMatches(int first, int second, int modelType) {
  return first == second && modelType == QZ815ModelType && first == ModelVersion;
}

std::pair<int, int> VersionAddresses(int modelType) {
  return {modelType == QZ815ModelType ? addr::ModelVersionWord : 0, addr::ModelVersionWord2};
}

bool ImageVersionMatches(const MemoryImage& image, int modelType) {
  const auto [first, second] = VersionAddresses(modelType);
  return VersionMatches(image.word(first), image.word(second), modelType);
}

std::optional<int> ProductCodeDifference(const MemoryImage& image) {
  for (int i = 0; i < addr::ProductCodeLength; ++i) {
    const int address = addr::ProductCode + i;
    if (image.at(address) != static_cast<std::uint8_t>(ProductCodeText[i])) return address;
  }
  return std::nullopt;
}

}  // namespace tpw
