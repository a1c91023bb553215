#include "files/recent_files.h"

#include <algorithm>

namespace tpw {

namespace fs = std::filesystem;

namespace {

constexpr const char* kSection = "RecentFiles";

std::string SlotKey(int slot) {
  return "File" + std::to_string(slot + 1);
}

// Two names of one file are one entry: "a/../boat.dat" is "boat.dat".
std::string Normalised(const std::string& path) {
  return fs::path(path).lexically_normal().string();
}

}  // namespace

RecentFiles::RecentFiles(SettingsStore& store) : store_(store) {
  for (int slot = 0; slot < Limit; ++slot) {
    const std::string path = store_.read(kSection, SlotKey(slot), "");
    if (path.empty()) break;
    paths_.push_back(path);
  }
}

void RecentFiles::add(const std::string& path) {
  const std::string entry = Normalised(path);
  std::erase(paths_, entry);
  paths_.insert(paths_.begin(), entry);
  if (paths_.size() > static_cast<std::size_t>(Limit)) paths_.resize(Limit);
  store();
}

void RecentFiles::remove(const std::string& path) {
  std::erase(paths_, Normalised(path));
  store();
}

void RecentFiles::store() {
  // An empty slot ends the list; the slots after it are cleared as well.
  for (int slot = 0; slot < Limit; ++slot) {
    const auto index = static_cast<std::size_t>(slot);
    store_.write(kSection, SlotKey(slot), index < paths_.size() ? paths_[index] : "");
  }
}

fs::path DialogStartFolder(const std::vector<std::string>& recent, const fs::path& documents,
                           const std::function<bool(const fs::path&)>& writableFolder) {
  if (!recent.empty()) {
    const fs::path folder = fs::path(recent.front()).parent_path();
    std::error_code error;
    if (!folder.empty() && fs::is_directory(folder, error) && writableFolder(folder)) {
      return folder;
    }
  }
  return documents;
}

}  // namespace tpw
