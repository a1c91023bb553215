#include "files/section_table.h"

#include <optional>

#include "image/text_values.h"

namespace tpw {

namespace {

constexpr const char* kNoHeader = "not a section header";
constexpr const char* kIndentedHeader =
    "not a section header (a header starts in the first column)";

bool IsBlank(std::string_view line) {
  return Trim(line).empty();
}

// Why a line that was looked at as a header is none.
const char* NotAHeader(std::string_view line) {
  const std::string trimmed = Trim(line);
  return !trimmed.empty() && trimmed.front() == '[' && line.front() != '[' ? kIndentedHeader
                                                                           : kNoHeader;
}

}  // namespace

const SectionTable::Key* SectionTable::find(std::string_view section, std::string_view key) const {
  const std::string wantedSection = NormalisedName(section);
  const std::string wantedKey = NormalisedName(key);
  for (const Section& s : sections) {
    if (s.name != wantedSection) continue;
    for (const Key& k : s.keys) {
      if (k.name != wantedKey) continue;
      k.taken = true;
      return &k;
    }
  }
  return nullptr;
}

std::string SectionTable::value(std::string_view section, std::string_view key) const {
  const Key* found = find(section, key);
  return found ? found->value : std::string();
}

SectionTable ParseSectionTable(std::string_view content) {
  SectionTable table;
  bool inSection = false;
  int number = 0;
  for (std::string_view line : SplitLines(content)) {
    ++number;
    std::optional<std::string> ended;  // the section this line ends, when it ends one
    if (inSection) {
      const std::size_t equals = line.find('=');
      if (equals != std::string_view::npos && equals >= 1) {
        std::string value(line.substr(equals + 1));
        if (!value.empty() && value.front() == '#') value.erase(0, 1);
        table.sections.back().keys.push_back({NormalisedName(line.substr(0, equals)),
                                              Trim(line.substr(0, equals)), std::move(value),
                                              number});
        continue;
      }
      // Free text is skipped; a line with "[" ends the section and may open the next one.
      if (line.find('[') == std::string_view::npos) {
        if (!IsBlank(line)) table.skipped.push_back({number, "not a key line"});
        continue;
      }
      inSection = false;
      ended = table.sections.back().written;
    }
    const std::size_t close = line.find(']');
    if (!line.empty() && line.front() == '[' && close != std::string_view::npos && close >= 2) {
      const std::string_view name = line.substr(1, close - 1);
      table.sections.push_back({NormalisedName(name), Trim(name), number, {}});
      inSection = true;
    } else if (ended) {
      table.skipped.push_back({number, std::string(NotAHeader(line)) + "; it ends [" + *ended +
                                           "], and the lines up to the next header are skipped"});
    } else if (!IsBlank(line)) {
      table.skipped.push_back({number, line.find('[') != std::string_view::npos
                                           ? NotAHeader(line)
                                           : "outside any section"});
    }
  }
  return table;
}

}  // namespace tpw
