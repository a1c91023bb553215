#include "files/dated_files.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <optional>

#include "files/atomic_file.h"
#include "image/text_values.h"

namespace tpw {

namespace fs = std::filesystem;

namespace {

// "2026-12-07T14-03-22".
constexpr std::size_t StampLength = 19;
// How many names of one second are tried before a save gives up.
constexpr int NamesPerSecond = 1000;
// The files and the folder are their owner's alone: a backup or a trace holds the radio's whole
// memory, ATIS code included.
constexpr fs::perms OwnerFile = fs::perms::owner_read | fs::perms::owner_write;
constexpr fs::perms OwnerFolder = fs::perms::owner_all;
// A stamp this much later than now is still taken as right: the clock goes back by an hour
// when summer time ends.
constexpr int PlausibleHoursAhead = 2;

// The number of two digits at text[at], or -1.
int TwoDigits(std::string_view text, std::size_t at) {
  if (!IsDecimalDigit(text[at]) || !IsDecimalDigit(text[at + 1])) return -1;
  return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// A stamp DatedStamp can give: "YYYY-MM-DDTHH-MM-SS" of a real date and time.
bool IsStamp(std::string_view name) {
  if (name.size() < StampLength) return false;
  for (std::size_t i = 0; i < StampLength; ++i) {
    const char c = name[i];
    const bool separator = i == 4 || i == 7 || i == 13 || i == 16;
    if (i == 10 ? c != 'T' : separator ? c != '-' : !IsDecimalDigit(c)) return false;
  }
  const int year = TwoDigits(name, 0) * 100 + TwoDigits(name, 2);
  const int month = TwoDigits(name, 5);
  const int day = TwoDigits(name, 8);
  static constexpr std::array<int, 12> Days = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 1970 || month < 1 || month > 12 || day < 1) return false;
  if (day > Days[static_cast<std::size_t>(month - 1)]) return false;
  if (month == 2 && day == 29 && !IsLeapYear(year)) return false;
  // A leap second may show as second 60.
  return TwoDigits(name, 11) <= 23 && TwoDigits(name, 14) <= 59 && TwoDigits(name, 17) <= 60;
}

// "STAMP-read-UK.hex", then "STAMP-read-UK-2.hex" and so on.
std::string NumberedName(const std::string& stamp, std::string_view ending, int number) {
  if (number == 1) return stamp + std::string(ending);
  const fs::path plain{std::string(ending)};
  return stamp + plain.stem().string() + "-" + std::to_string(number) + plain.extension().string();
}

// The number NumberedName gave the part of a name after its stamp, or nothing when no ending
// of the kind gives that part.
std::optional<int> NumberOfEnding(std::string_view rest, const DatedKind& kind) {
  for (const std::string& ending : kind.endings) {
    if (rest == ending) return 1;
    const fs::path plain{ending};
    const std::string stem = plain.stem().string() + "-";
    const std::string extension = plain.extension().string();
    if (rest.size() <= stem.size() + extension.size() || !rest.starts_with(stem) ||
        !rest.ends_with(extension)) {
      continue;
    }
    const std::string_view digits =
        rest.substr(stem.size(), rest.size() - stem.size() - extension.size());
    if (digits.size() > 4 || digits.front() == '0' ||
        !std::all_of(digits.begin(), digits.end(), IsDecimalDigit)) {
      continue;
    }
    const int number = std::stoi(std::string(digits));
    if (number >= 2 && number <= NamesPerSecond) return number;
  }
  return std::nullopt;
}

// A regular file (not a link to one) with the size and the opening of the kind.
bool HoldsKind(const fs::directory_entry& entry, const DatedKind& kind) {
  std::error_code error;
  if (!entry.is_regular_file(error) || entry.is_symlink(error)) return false;
  if (kind.size != 0 && entry.file_size(error) != kind.size) return false;
  if (kind.opening.empty()) return true;
  std::ifstream in(entry.path(), std::ios::binary);
  std::string opening(kind.opening.size(), '\0');
  in.read(opening.data(), static_cast<std::streamsize>(opening.size()));
  return in && opening == kind.opening;
}

std::string PlausibleLimit(const std::tm& now) {
  std::tm limit = now;
  limit.tm_hour += PlausibleHoursAhead;
  limit.tm_isdst = -1;
  std::mktime(&limit);
  return DatedStamp(limit);
}

// Makes folder, its own 0700, with the folders above it as they are usually made.
std::error_code MakeFolder(const fs::path& folder) {
  std::error_code error;
  if (folder.has_parent_path()) fs::create_directories(folder.parent_path(), error);
  if (error) return error;
  if (fs::create_directory(folder, error)) fs::permissions(folder, OwnerFolder, error);
  return error;
}

}  // namespace

std::string DatedStamp(const std::tm& time) {
  char buffer[32];
  const std::size_t n = std::strftime(buffer, sizeof buffer, "%Y-%m-%dT%H-%M-%S", &time);
  return std::string(buffer, n);
}

DatedFile DatedFolderState(const fs::path& folder) {
  std::error_code error;
  const fs::file_status link = fs::symlink_status(folder, error);
  if (!fs::exists(link)) return {folder, {}};
  const fs::path real = FollowLinks(folder);
  const fs::file_status status = fs::status(real, error);
  if (fs::is_directory(status)) return {folder, {}};
  if (!fs::exists(status))
    return {real, std::make_error_code(std::errc::no_such_file_or_directory)};
  return {real, std::make_error_code(std::errc::not_a_directory)};
}

DatedFile SaveDatedFile(FileSystem& files, const fs::path& folder, const std::tm& time,
                        std::string_view ending, std::string_view content) {
  const std::string stamp = DatedStamp(time);
  DatedFile saved{folder / NumberedName(stamp, ending, 1), {}};
  if (const DatedFile state = DatedFolderState(folder); state.error) {
    // The file that was tried, in the folder that is missing or in the way.
    return {state.path / saved.path.filename(), state.error};
  }
  if (!fs::exists(fs::symlink_status(folder, saved.error))) saved.error = MakeFolder(folder);
  if (saved.error) return saved;
  for (int number = 1; number <= NamesPerSecond; ++number) {
    saved.path = folder / NumberedName(stamp, ending, number);
    saved.error = CreateFileAtomically(files, saved.path, content, OwnerFile);
    if (saved.error != std::errc::file_exists) return saved;
  }
  return saved;
}

std::vector<fs::path> DatedFiles(const fs::path& folder, const DatedKind& kind,
                                 const std::tm& now) {
  const std::string limit = PlausibleLimit(now);
  // Files of one second are in the order they were saved.
  struct Found {
    bool plausible;
    std::string stamp;
    int number;
    fs::path path;
    auto operator<=>(const Found&) const = default;
  };
  std::vector<Found> found;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (!IsStamp(name)) continue;
    const auto number = NumberOfEnding(std::string_view(name).substr(StampLength), kind);
    if (!number || !HoldsKind(entry, kind)) continue;
    const std::string stamp = name.substr(0, StampLength);
    found.push_back({stamp <= limit, stamp, *number, entry.path()});
  }
  std::sort(found.begin(), found.end());
  std::vector<fs::path> paths;
  for (const Found& file : found) paths.push_back(file.path);
  return paths;
}

void PruneDatedFiles(const fs::path& folder, const DatedKind& kind, std::size_t kept,
                     std::string_view keepFrom, const std::tm& now) {
  std::vector<fs::path> dated = DatedFiles(folder, kind, now);
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
