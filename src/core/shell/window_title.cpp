#include "shell/window_title.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace tpw {

std::string WindowTitle(const ModelCaps& caps, const std::string& documentPath,
                        std::string (*shown)(std::string_view)) {
  const std::string mainTitle = MainTitle(caps);
  std::string title = std::string(AppTitle) + "  " + (shown ? shown(mainTitle) : mainTitle);
  if (documentPath.empty()) return title;
  std::string name = std::filesystem::path(documentPath).filename().string();
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return title + " - " + name;
}

}  // namespace tpw
