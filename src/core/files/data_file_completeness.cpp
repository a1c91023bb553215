#include "files/data_file_completeness.h"

#include <algorithm>
#include <optional>
#include <string>

#include "files/data_file_names.h"
#include "image/channel_tables.h"
#include "image/text_values.h"

namespace tpw::datafile {

namespace {

const SectionTable::Section* FindSection(const SectionTable& table, std::string_view name) {
  const std::string wanted = NormalisedName(name);
  for (const SectionTable::Section& section : table.sections) {
    if (section.name == wanted) return &section;
  }
  return nullptr;
}

bool HasKey(const SectionTable::Section& section, std::string_view key) {
  const std::string wanted = NormalisedName(key);
  return std::any_of(section.keys.begin(), section.keys.end(),
                     [&wanted](const SectionTable::Key& k) { return k.name == wanted; });
}

// "[CHWX0]", or "[CHWX0] to [CHWX9]" for a run of record sections.
std::string SectionRun(const std::string& prefix, int first, int last) {
  const std::string one = "[" + prefix + std::to_string(first) + "]";
  return first == last ? one : one + " to [" + prefix + std::to_string(last) + "]";
}

// The sections every writer writes for this model that the file does not have.
std::vector<std::string> MissingSections(const SectionTable& table, const ModelCaps& caps) {
  std::vector<std::string> missing;
  std::vector<const char*> setups = {GroupSection, CommonSection};
  if (caps.AtisSupported) setups.push_back(AtisSection);
  for (const char* name : setups) {
    if (!FindSection(table, name)) missing.push_back("[" + std::string(name) + "]");
  }
  if (!caps.WxSupported) return missing;
  const int weather = DefaultWeatherList().size();
  for (int first = 0; first < weather; ++first) {
    if (FindSection(table, "CHWX" + std::to_string(first))) continue;
    int last = first;
    while (last + 1 < weather && !FindSection(table, "CHWX" + std::to_string(last + 1))) ++last;
    missing.push_back(SectionRun("CHWX", first, last));
    first = last;
  }
  return missing;
}

// The key every writer writes last in a section of this name, when it is one it writes.
std::optional<std::string> LastKeyOf(std::string_view name) {
  const std::string section = NormalisedName(name);
  if (section == "MAIN") return "REGION";
  if (section == NormalisedName(GroupSection)) return "Priority CH3";
  if (section == NormalisedName(CommonSection)) return "Weater";
  if (section == NormalisedName(AtisSection)) return "Atis Code";
  for (const ListId id : AllLists) {
    const std::string list = Layout(id).name;
    if (!section.starts_with(list) || section.size() == list.size() ||
        !std::all_of(section.begin() + static_cast<std::ptrdiff_t>(list.size()), section.end(),
                     IsDecimalDigit)) {
      continue;
    }
    if (id == ListId::CHRG || id == ListId::CHEXP) return "ExpCB3";
    return "ScanMemory";
  }
  return std::nullopt;
}

std::string AndList(const std::vector<std::string>& items) {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) {
    text += i == 0 ? "" : i + 1 == items.size() ? " and " : ", ";
    text += items[i];
  }
  return text;
}

}  // namespace

std::vector<ReadingNote> CompletenessNotes(const SectionTable& table, const ModelCaps& caps) {
  std::vector<ReadingNote> notes;
  const SectionTable::Section* main = FindSection(table, "MAIN");
  const SectionTable::Section* end = FindSection(table, EndSection);
  if (main && HasKey(*main, WriterKey) && !end) {
    notes.push_back({0, "The file ends without the [" + std::string(EndSection) +
                            "] line this program writes last in every data file: it was cut "
                            "short, so lists may be missing channels."});
  }
  const std::vector<std::string> missing = MissingSections(table, caps);
  if (!missing.empty()) {
    notes.push_back({0, "The file has no " + AndList(missing) +
                            ", which every data file holds: it may have been cut short, and "
                            "those settings were not read from it."});
  }
  // The last section a writer wrote, cut before its last key.
  const SectionTable::Section* last = nullptr;
  for (const SectionTable::Section& section : table.sections) {
    if (&section != end) last = &section;
  }
  const std::optional<std::string> lastKey = last ? LastKeyOf(last->name) : std::nullopt;
  if (lastKey && !HasKey(*last, *lastKey)) {
    notes.push_back({0, "The file ends inside [" + last->written + "] (line " +
                            std::to_string(last->line) + "), before its " + *lastKey +
                            " line: it may have been cut short."});
  }
  return notes;
}

}  // namespace tpw::datafile
