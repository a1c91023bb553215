#include "files/ini_file.h"

#include "files/atomic_file.h"
#include "image/text_values.h"

namespace tpw {

namespace {

// The value as the system's profile reader returns it into a 128-byte buffer whose default is
// "<NONE>": a missing key and a key holding that very text both read as "".
std::string CleanValue(std::string_view raw) {
  std::string value = Trim(raw.substr(0, raw.find('\0')));
  if (value.size() > IniValueLimit) value.resize(IniValueLimit);
  if (value == "<NONE>") return {};
  if (!value.empty() && value.front() == '#') value.erase(0, 1);
  return value;
}

}  // namespace

std::string ReadIniValueFromText(std::string_view content, std::string_view section,
                                 std::string_view key) {
  const std::string wantedSection = NormalisedName(section);
  const std::string wantedKey = NormalisedName(key);
  bool inSection = false;
  for (std::string_view line : SplitLines(content)) {
    const std::string trimmed = Trim(line);
    if (!trimmed.empty() && trimmed.front() == '[') {
      const std::size_t close = trimmed.find(']');
      inSection = close != std::string::npos &&
                  NormalisedName(std::string_view(trimmed).substr(1, close - 1)) == wantedSection;
      continue;
    }
    if (!inSection || trimmed.empty() || trimmed.front() == ';') continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    if (NormalisedName(line.substr(0, equals)) == wantedKey) {
      return CleanValue(line.substr(equals + 1));
    }
  }
  return {};
}

std::string ReadIniValue(const std::filesystem::path& file, std::string_view section,
                         std::string_view key) {
  std::string content;
  if (ReadWholeFile(file, content, TextFileLimit)) return {};
  return ReadIniValueFromText(content, section, key);
}

}  // namespace tpw
