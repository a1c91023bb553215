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

}  // namespace tpw
