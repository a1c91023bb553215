#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "files/settings_store.h"
#include "session/workspace.h"

// Destinations: the factory data sets of the sales regions, stored beside the program as raw
// 2048-byte images named after the destination ("QZ815_USA_012D.ini"), and the menu that
// offers them. No widget here: the desktop application shows `captions()` and `checked()`.
namespace tpw {

inline constexpr int MaxDestinations = 9;

// "_012D" for the QZ815 ("_" and the model words 301 in four hex digits); "" for any other.
std::string VersionSuffix(int modelType);

// The destination names in folder: the part before the version suffix, upper-cased, of the
// first nine files matching "*" + suffix + ".ini" as the file system lists them, sorted
// ascending without regard to case.
std::vector<std::string> ListDestinationNames(const std::filesystem::path& folder, int modelType);

// The file of a caption: upper-cased, less a final "-M", then the suffix and ".ini".
std::filesystem::path DestinationPath(const std::filesystem::path& folder, std::string_view caption,
                                      int modelType);

// The first caption whose last "_"-separated piece names the region of regionCode ("UK" for
// 1, "USA" for 0xFF), without regard to case; -1 when none does.
int DestinationForRegion(const std::vector<std::string>& captions, int regionCode);

// The text of the question asked before another destination replaces the data set.
std::string DestinationQuestion(std::string_view caption);

// The destination menu of one model.
class DestinationMenu {
 public:
  explicit DestinationMenu(std::filesystem::path folder) : folder_(std::move(folder)) {}

  // Lists the destinations of a model without loading any; no entry is checked.
  void scan(int modelType);

  // Lists the destinations of the current model and loads the remembered one (or the first,
  // which then becomes the remembered one). Without a destination file the data set keeps its
  // default image. A remembered template that fails to load leaves no entry checked.
  void build(Context& ctx, SettingsStore& store);

  // Loads entry index into the image and the model. The file is checked (2048 bytes, model
  // words) before anything changes; on success the entry is checked and remembered, on
  // failure "IniFileRead Error!!" is shown and the previous check comes back.
  bool load(Context& ctx, SettingsStore& store, int index);

  // Checks the entry whose name ends with the region of the image; none when no name does.
  void syncToRegion(const MemoryImage& image);

  // The entry whose caption equals name without regard to case, or -1.
  int find(std::string_view name) const;

  const std::vector<std::string>& captions() const { return captions_; }
  std::filesystem::path path(int index, int modelType) const;
  int checked() const { return checked_; }
  bool enabled() const { return enabled_; }
  const std::filesystem::path& folder() const { return folder_; }

 private:
  // Loads the destination; when it is refused, finding (if given) says what was found.
  bool readInto(Context& ctx, SettingsStore& store, int index, std::string* finding = nullptr);

  std::filesystem::path folder_;
  std::vector<std::string> captions_;
  int checked_ = -1;
  bool enabled_ = false;
};

// A new data set for the current model: the default weather list, the default image with its
// header decoded and empty channel lists, then the destination of entry index (none for -1).
// The document path is cleared; the caller reports the new data set as a step (DataSetStep).
// False when the destination did not load.
bool NewDataSet(Context& ctx, SettingsStore& store, DestinationMenu& menu, int index);

}  // namespace tpw
