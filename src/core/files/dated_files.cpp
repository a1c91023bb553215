#include "files/dated_files.h"

#include <algorithm>

#include "files/atomic_file.h"
#include "image/text_values.h"

namespace tpw {

namespace fs = std::filesystem;

namespace {

// "2026-12-07T14-03-22".
constexpr std::size_t StampLength = 19;
// How many names of one second are tried before a save gives up.
constexpr int NamesPerSecond = 1000;

bool IsStamp(std::string_view name) {
  if (name.size() < StampLength) return false;
  for (std::size_t i = 0; i < StampLength; ++i) {
    const char c = name[i];
    const bool separator = i == 4 || i == 7 || i == 13 || i == 16;
    if (i == 10 ? c != 'T' : separator ? c != '-' : !IsDecimalDigit(c)) return false;
  }
  return true;
}

// "STAMP-read-UK.hex", then "STAMP-read-UK-2.hex" and so on.
std::string NumberedName(const std::string& stamp, std::string_view ending, int number) {
  if (number == 1) return stamp + std::string(ending);
  const fs::path plain{std::string(ending)};
  return stamp + plain.stem().string() + "-" + std::to_string(number) + plain.extension().string();
}

// The number NumberedName gave a name: 1 for none, else the digits after its last "-".
int NumberOf(const fs::path& path) {
  const std::string stem = path.stem().string();
  const std::size_t dash = stem.rfind('-');
  const std::string digits = dash == std::string::npos ? "" : stem.substr(dash + 1);
  if (digits.empty() || digits.size() > 4 ||
      !std::all_of(digits.begin(), digits.end(), IsDecimalDigit)) {
    return 1;
  }
  return std::stoi(digits);
}

}  // namespace

std::string DatedStamp(const std::tm& time) {
  char buffer[32];
  const std::size_t n = std::strftime(buffer, sizeof buffer, "%Y-%m-%dT%H-%M-%S", &time);
  return std::string(buffer, n);
}

DatedFile SaveDatedFile(FileSystem& files, const fs::path& folder, const std::tm& time,
                        std::string_view ending, std::string_view content) {
  const std::string stamp = DatedStamp(time);
  DatedFile saved{folder / NumberedName(stamp, ending, 1), {}};
  fs::create_directories(folder, saved.error);
  if (saved.error) return saved;
  for (int number = 1; number <= NamesPerSecond; ++number) {
    saved.path = folder / NumberedName(stamp, ending, number);
    saved.error = CreateFileAtomically(files, saved.path, content);
    if (saved.error != std::errc::file_exists) return saved;
  }
  return saved;
}

std::vector<fs::path> DatedFiles(const fs::path& folder, std::string_view extension) {
  // Files of one second are in the order they were saved.
  struct Found {
    std::string stamp;
    int number;
    fs::path path;
    auto operator<=>(const Found&) const = default;
  };
  std::vector<Found> found;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (IsStamp(name) && entry.path().extension() == extension && entry.is_regular_file(error)) {
      found.push_back({name.substr(0, StampLength), NumberOf(entry.path()), entry.path()});
    }
  }
  std::sort(found.begin(), found.end());
  std::vector<fs::path> paths;
  for (const Found& file : found) paths.push_back(file.path);
  return paths;
}

void PruneDatedFiles(const fs::path& folder, std::string_view extension, std::size_t kept,
                     std::string_view keepFrom) {
  std::vector<fs::path> dated = DatedFiles(folder, extension);
  if (dated.size() <= kept) return;
  dated.resize(dated.size() - kept);  // all but the newest
  for (const fs::path& file : dated) {
    if (!keepFrom.empty() && file.filename().string().substr(0, StampLength) >= keepFrom) {
      continue;
    }
    std::error_code ignored;
    fs::remove(file, ignored);
  }
}

}  // namespace tpw
