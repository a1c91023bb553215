#include "shell/workspace.h"

#include <thread>

namespace tpw {

void SystemHost::pause(std::chrono::milliseconds duration) {
  std::this_thread::sleep_for(duration);
}

std::string ModelNameOf(int modelType) {
  return modelType == QZ815ModelType ? "QZ815" : "Unknown model";
}

std::string MainTitle(const ModelCaps& caps) {
  return "PC Program for " + caps.ModelName;
}

}  // namespace tpw
