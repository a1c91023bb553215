#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "files/settings_store.h"

namespace tpw {

// The channel data files the user opened or saved last, the newest first, remembered per user
// in the section "RecentFiles" under "File1" to "File8". Each change is stored at once.
class RecentFiles {
 public:
  static constexpr int Limit = 8;

  explicit RecentFiles(SettingsStore& store);

  const std::vector<std::string>& paths() const { return paths_; }
  // Puts path first; an entry for the same file moves up instead of appearing twice, and the
  // oldest falls off beyond the limit.
  void add(const std::string& path);
  void remove(const std::string& path);

 private:
  void store();

  SettingsStore& store_;
  std::vector<std::string> paths_;
};

// Where a file dialog opens: the folder of the newest recent file when it still exists and the
// user may write there, otherwise the user's documents folder. A dialog never opens in a
// folder the user cannot write (the program's own folder, once installed).
std::filesystem::path DialogStartFolder(
    const std::vector<std::string>& recent, const std::filesystem::path& documents,
    const std::function<bool(const std::filesystem::path&)>& writableFolder);

}  // namespace tpw
