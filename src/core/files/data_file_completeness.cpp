#include "files/data_file_completeness.h"

#include <algorithm>
#include <optional>
#include <string>

#include "files/field_text.h"
#include "image/channel_tables.h"
#include "image/record_fields.h"
#include "image/text_values.h"

namespace tpw {

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

// The key a writer writes last for a record of this layout.
template <typename Owner>
std::string LastKey(const RecordLayout<Owner>& layout, const ModelCaps& caps) {
  std::string last;
  for (const Field<Owner>& field : layout.fields) {
    if (InDataFile(field, caps)) last = field.keys[static_cast<std::size_t>(field.entries() - 1)];
  }
  return last;
}

// The number of a record section of the list ("CHUSA3": 3), when the name is one.
std::optional<int> RecordNumber(std::string_view section, ListId id) {
  const std::string_view list = Layout(id).name;
  const std::string_view digits = section.substr(std::min(list.size(), section.size()));
  if (!section.starts_with(list) || digits.empty() || digits.size() > 4 ||
      !std::all_of(digits.begin(), digits.end(), IsDecimalDigit)) {
    return std::nullopt;
  }
  const int number = std::stoi(std::string(digits));
  if (number < ChannelRecordLayout(id).firstSection) return std::nullopt;
  return number;
}

// The key every writer writes last in a section of this name, when it is one it writes.
std::optional<std::string> LastKeyOf(std::string_view name, const ModelCaps& caps) {
  const std::string section = NormalisedName(name);
  if (section == "MAIN") return "REGION";
  if (section == NormalisedName(ChannelGroupsLayout().section)) {
    return LastKey(ChannelGroupsLayout(), caps);
  }
  if (section == NormalisedName(CommonSetupLayout().section)) {
    return LastKey(CommonSetupLayout(), caps);
  }
  if (section == NormalisedName(AtisSetupLayout().section)) return LastKey(AtisSetupLayout(), caps);
  for (const ListId id : AllLists) {
    if (RecordNumber(section, id)) return LastKey(ChannelRecordLayout(id), caps);
  }
  return std::nullopt;
}

// "[CHWX0]", or "[CHWX0] to [CHWX9]" for a run of record sections.
std::string SectionRun(std::string_view list, int first, int last) {
  const std::string one = "[" + std::string(list) + std::to_string(first) + "]";
  return first == last ? one : one + " to [" + std::string(list) + std::to_string(last) + "]";
}

// The sections every writer writes for this model that the file does not have.
std::vector<std::string> MissingSections(const SectionTable& table, const ModelCaps& caps) {
  std::vector<std::string> missing;
  std::vector<const char*> setups = {ChannelGroupsLayout().section, CommonSetupLayout().section};
  if (caps.AtisSupported) setups.push_back(AtisSetupLayout().section);
  for (const char* name : setups) {
    if (!FindSection(table, name)) missing.push_back("[" + std::string(name) + "]");
  }
  if (!caps.WxSupported) return missing;
  const std::string_view list = Layout(ListId::CHWX).name;
  const int first = ChannelRecordLayout(ListId::CHWX).firstSection;
  const int end = first + DefaultWeatherList().size();
  const auto absent = [&](int number) {
    return !FindSection(table, std::string(list) + std::to_string(number));
  };
  for (int number = first; number < end; ++number) {
    if (!absent(number)) continue;
    int last = number;
    while (last + 1 < end && absent(last + 1)) ++last;
    missing.push_back(SectionRun(list, number, last));
    number = last;
  }
  return missing;
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
  const SectionTable::Section* end = FindSection(table, DataFileEndSection);
  if (main && HasKey(*main, DataFileWriterKey) && !end) {
    notes.push_back({0, Fill(EndSectionMissingNote, {DataFileEndSection})});
  }
  const std::vector<std::string> missing = MissingSections(table, caps);
  if (!missing.empty()) {
    notes.push_back({0, Fill(SectionsMissingNote, {AndList(missing)})});
  }
  // The last section a writer wrote, cut before its last key.
  const SectionTable::Section* last = nullptr;
  for (const SectionTable::Section& section : table.sections) {
    if (&section != end) last = &section;
  }
  const std::optional<std::string> lastKey = last ? LastKeyOf(last->name, caps) : std::nullopt;
  if (lastKey && !HasKey(*last, *lastKey)) {
    notes.push_back(
        {0, Fill(CutInsideNote, {last->written, std::to_string(last->line), *lastKey})});
  }
  return notes;
}

}  // namespace tpw
