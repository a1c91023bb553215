#include "session/workspace.h"

#include <thread>

namespace tpw {

void SystemHost::pause(std::chrono::milliseconds duration) {
  std::this_thread::sleep_for(duration);
}

std::string MainTitle(const ModelCaps& caps) {
  return Fill(MainTitleTemplate, {caps.ModelName});
}

}  // namespace tpw
