#include "files/data_file_reader.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>

#include "files/data_file_completeness.h"
#include "files/field_text.h"
#include "image/channel_tables.h"
#include "image/encodings.h"
#include "image/record_fields.h"
#include "image/text_values.h"
#include "image/translatable.h"

namespace tpw {

namespace {

// The [MAIN] keys: checked before the file is read, or written for whoever reads the file.
constexpr std::array<const char*, 6> kMainKeys = {"MODEL",     "TYPE",   "VERSION",
                                                  "MODELTYPE", "REGION", DataFileWriterKey};
// The notes on what was not taken as written.
namespace text {
constexpr const char* IgnoredOne =
    TPW_TEXT("Messages", "[%1] (line %2): %3; its lines are ignored.");
constexpr const char* IgnoredRun =
    TPW_TEXT("Messages", "[%1] to [%2] (lines %3 to %4): %5; their lines are ignored.");
// "[CHUSA3] RxFreq=abc (line 40): <why>; <outcome>.": the line as the file has it is one name,
// so that no key or value of it is ever taken for a text to translate.
constexpr const char* Refused = TPW_TEXT("Messages", "%1 (line %2): %3; %4.");
constexpr const char* Skipped = TPW_TEXT("Messages", "line %1: skipped, %2.");
constexpr const char* Warning =
    TPW_TEXT("Messages",
             "%1 was opened, but not everything in it was taken as written. Check these settings "
             "before you program the radio:");
constexpr const char* More = TPW_TEXT("Messages", "... and %1 more.");
constexpr const char* AlwaysEnabled = TPW_TEXT("Messages", "the records of %1 are always enabled");
constexpr const char* TakenAsOne = TPW_TEXT("Messages", "taken as 1");
constexpr const char* KeptEmpty = TPW_TEXT("Messages", "kept empty");
constexpr const char* KeptAs = TPW_TEXT("Messages", "kept as %1");
constexpr const char* Ignored = TPW_TEXT("Messages", "ignored");
constexpr const char* NotExpected = TPW_TEXT("Messages", "not %1");
constexpr const char* HasNo = TPW_TEXT("Messages", "it has no %1");
constexpr const char* IsZero = TPW_TEXT("Messages", "its %1 is 0");
constexpr const char* EndsTheList = TPW_TEXT("Messages", "%1, which ends the list %2");
constexpr const char* NoMoreRecords = TPW_TEXT("Messages", "the list %1 holds no more records");
constexpr const char* EndsBefore = TPW_TEXT("Messages", "the list %1 ends before it");
constexpr const char* SameNameFirst =
    TPW_TEXT("Messages", "a section of the same name comes first");
constexpr const char* NoAtis = TPW_TEXT("Messages", "the model %1 has no ATIS");
constexpr const char* NoSuchSection = TPW_TEXT("Messages", "no such section");
constexpr const char* KeyEarlier = TPW_TEXT("Messages", "the same key comes earlier");
constexpr const char* KeyUnknown = TPW_TEXT("Messages", "not a key the program reads here");
}  // namespace text

// The whole notes first; the most general ("not %1") last.
constexpr const char* kTemplates[] = {
    EndSectionMissingNote, SectionsMissingNote, CutInsideNote,
    text::IgnoredRun,      text::IgnoredOne,    text::Refused,
    text::Skipped,         text::Warning,       text::More,
    text::AlwaysEnabled,   text::EndsTheList,   text::NoMoreRecords,
    text::EndsBefore,      text::NoAtis,        text::IsZero,
    text::HasNo,           text::KeptAs,        text::NotExpected};

// How much of a refused value a note repeats.
constexpr std::size_t kValueShown = 40;

std::string Shown(std::string_view value) {
  if (value.size() <= kValueShown) return std::string(value);
  return std::string(value.substr(0, kValueShown)) + "...";
}

class Notes {
 public:
  void add(int line, std::string text) { notes_.push_back({line, std::move(text)}); }
  // A value that was not taken: what it is not, and what the field holds instead.
  void refused(const SectionTable::Key& key, std::string_view section, std::string_view why,
               std::string_view outcome) {
    const std::string written =
        "[" + std::string(section) + "] " + key.written + "=" + Shown(key.value);
    add(key.line, Fill(text::Refused, {written, std::to_string(key.line), why, outcome}));
  }
  std::vector<ReadingNote> take() && {
    std::stable_sort(notes_.begin(), notes_.end(),
                     [](const ReadingNote& a, const ReadingNote& b) { return a.line < b.line; });
    return std::move(notes_);
  }

 private:
  std::vector<ReadingNote> notes_;
};

// Reads the keys of one section into fields, leaving a field as it was when its key is
// missing or holds nothing the field can take; a value not taken is noted.
class FieldReader {
 public:
  FieldReader(const SectionTable& table, std::string section, Notes& notes)
      : table_(table), section_(std::move(section)), notes_(notes) {}

  const SectionTable::Key* find(std::string_view key) const { return table_.find(section_, key); }
  std::string raw(std::string_view key) const {
    const SectionTable::Key* found = find(key);
    return found ? found->value : std::string();
  }
  void refuse(const SectionTable::Key& key, std::string_view why, std::string_view outcome) const {
    notes_.refused(key, section_, why, outcome);
  }

 private:
  const SectionTable& table_;
  std::string section_;
  Notes& notes_;
};

// What a refused value leaves in its field.
std::string RefusedOutcome(const FieldSpec& field, const FieldValue& kept) {
  if (field.whenRefused) return field.whenRefused;
  const std::string text = FieldFileText(kept);
  return text.empty() ? text::KeptEmpty : Fill(text::KeptAs, {text});
}

// One entry of a field from its key, by the field's rule. `list` names the list of a channel
// record.
template <typename Owner>
void ReadEntry(const FieldReader& in, const Field<Owner>& field, int entry, Owner& owner,
               std::string_view list) {
  const SectionTable::Key* found = in.find(field.keys[static_cast<std::size_t>(entry)]);
  switch (field.rule) {
    case FileRule::NonZeroNumber:
      field.set(owner, entry, found && IsNonZeroText(found->value));
      return;
    case FileRule::AlwaysOn:
      field.set(owner, entry, true);
      if (found && ParseBoolean(found->value) != true) {
        in.refuse(*found, Fill(text::AlwaysEnabled, {list}), text::TakenAsOne);
      }
      return;
    case FileRule::NoneUnlessTaken:
      field.set(owner, entry, EmptyValue(field.kind));
      break;
    case FileRule::Standard:
      break;
  }
  if (!found) return;
  if (const std::optional<FieldValue> value = ParseFieldText(field, found->value, entry)) {
    field.set(owner, entry, *value);
  } else {
    in.refuse(*found, Fill(text::NotExpected, {FieldExpectation(field, entry)}),
              RefusedOutcome(field, field.get(owner, entry)));
  }
}

template <typename Owner>
void ReadFields(const FieldReader& in, const RecordLayout<Owner>& layout, const ModelCaps& caps,
                Owner& owner, std::string_view list = {}) {
  for (const Field<Owner>& field : layout.fields) {
    if (!InDataFile(field, caps)) continue;
    for (int entry = 0; entry < field.entries(); ++entry) {
      ReadEntry(in, field, entry, owner, list);
    }
  }
}

template <typename Owner>
void ReadSetup(const SectionTable& table, const RecordLayout<Owner>& layout, const ModelCaps& caps,
               Owner& owner, Notes& notes) {
  ReadFields(FieldReader(table, layout.section, notes), layout, caps, owner);
}

// Where the reading of a list stopped: the number of the first section it did not read as a
// record, and why.
struct ListEnd {
  int number = 0;
  std::string why;  // what ends a list at that section; empty past the last record it holds
};

// Why a record section ends its list instead of holding a record, or nothing.
std::optional<std::string> EndOfList(const FieldReader& in,
                                     const RecordLayout<ChannelRecord>& layout) {
  for (const Field<ChannelRecord>& field : layout.fields) {
    if (field.endsList == EndsList::No) continue;
    const std::string key = field.keys[0];
    const std::string value = in.raw(key);
    if (value.empty()) return Fill(text::HasNo, {key});
    const auto number = ParseDecimal(value);
    if (field.endsList == EndsList::WhenMissingOrZero && number && RoundHalfEven(*number) == 0) {
      return Fill(text::IsZero, {key});
    }
  }
  return std::nullopt;
}

// A list with slots is rebuilt from its sections up to the first that ends it; the weather
// list keeps its channels, and each reads its own section.
ListEnd ReadList(const SectionTable& table, ListId id, const ModelCaps& caps, ChannelList& list,
                 Notes& notes) {
  const ListLayout& layout = Layout(id);
  const RecordLayout<ChannelRecord>& record = ChannelRecordLayout(id);
  auto in = [&](int number) {
    return FieldReader(table, layout.name + std::to_string(number), notes);
  };
  if (layout.shape == RecordShape::Weather) {
    for (int i = 0; i < list.size(); ++i) {
      ReadFields(in(record.firstSection + i), record, caps, list[i], layout.name);
    }
    return {record.firstSection + list.size()};
  }
  list.clear();
  for (int i = 0; i < layout.limit; ++i) {
    const int number = record.firstSection + i;
    const FieldReader section = in(number);
    if (auto why = EndOfList(section, record)) return {number, *std::move(why)};
    ChannelRecord r;
    ReadFields(section, record, caps, r, layout.name);
    list.append(r);
  }
  return {record.firstSection + layout.limit};
}

// Where the reading of each list stopped.
using ListEnds = std::map<ListId, ListEnd>;

// A section of records: its list and number ("CHUSA3": CHUSA, 3).
struct RecordSection {
  ListId list;
  int number;
};
std::optional<RecordSection> RecordSectionOf(std::string_view name) {
  for (ListId id : AllLists) {
    const std::string_view prefix = Layout(id).name;
    const std::string_view digits = name.substr(std::min(prefix.size(), name.size()));
    if (!name.starts_with(prefix) || digits.empty() || digits.size() > 4 ||
        !std::all_of(digits.begin(), digits.end(), IsDecimalDigit)) {
      continue;
    }
    const int first = ChannelRecordLayout(id).firstSection;
    const int number = std::stoi(std::string(digits));
    if (number >= first) return RecordSection{id, number};
  }
  return std::nullopt;
}

// Why no line of a section was read, or none when it was read.
std::optional<std::string> UnreadSection(const SectionTable& table,
                                         const SectionTable::Section& section,
                                         const ModelCaps& caps, const ListEnds& ends) {
  if (const auto record = RecordSectionOf(section.name)) {
    const ListEnd& end = ends.at(record->list);
    const std::string list = Layout(record->list).name;
    if (record->number == end.number && !end.why.empty()) {
      return Fill(text::EndsTheList, {end.why, list});
    }
    if (record->number >= end.number) {
      return Fill(end.why.empty() ? text::NoMoreRecords : text::EndsBefore, {list});
    }
  }
  if (std::any_of(section.keys.begin(), section.keys.end(),
                  [](const SectionTable::Key& k) { return k.taken; })) {
    return std::nullopt;
  }
  for (const SectionTable::Section& s : table.sections) {
    if (&s == &section) break;
    if (s.name == section.name) return text::SameNameFirst;
  }
  if (section.name == NormalisedName(AtisSetupLayout().section) && !caps.AtisSupported) {
    return Fill(text::NoAtis, {caps.ModelName});
  }
  return text::NoSuchSection;
}

// True when a key of that name was taken before this one (the first of a name wins).
bool TakenBefore(const SectionTable& table, const SectionTable::Section& section,
                 const SectionTable::Key& key) {
  for (const SectionTable::Section& s : table.sections) {
    if (s.name != section.name) continue;
    for (const SectionTable::Key& k : s.keys) {
      if (&k == &key) return false;
      if (k.name == key.name && k.taken) return true;
    }
  }
  return false;
}

// Whole sections not read, one note for a run of them that follows one another for the same
// reason ("[CHRG13] to [CHRG16] (lines 3117 to 3156): ...").
class IgnoredSections {
 public:
  explicit IgnoredSections(Notes& notes) : notes_(notes) {}
  ~IgnoredSections() { flush(); }
  void add(const SectionTable::Section& section, const std::string& why) {
    if (run_ && run_->why == why && run_->next == &section) {
      run_->last = &section;
    } else {
      flush();
      run_ = Run{&section, &section, why, nullptr};
    }
    run_->next = &section + 1;
  }
  // A section that is read ends a run.
  void flush() {
    if (!run_) return;
    const SectionTable::Section& first = *run_->first;
    const SectionTable::Section& last = *run_->last;
    const bool one = &first == &last;
    const std::string firstLine = std::to_string(first.line);
    notes_.add(first.line, one ? Fill(text::IgnoredOne, {first.written, firstLine, run_->why})
                               : Fill(text::IgnoredRun, {first.written, last.written, firstLine,
                                                         std::to_string(last.line), run_->why}));
    run_.reset();
  }

 private:
  struct Run {
    const SectionTable::Section* first;
    const SectionTable::Section* last;
    std::string why;
    const SectionTable::Section* next;  // the section that would continue the run
  };
  Notes& notes_;
  std::optional<Run> run_;
};

// Sections and keys the reader did not take, each noted with why.
void NoteWhatWasNotRead(const SectionTable& table, const ModelCaps& caps, const ListEnds& ends,
                        Notes& notes) {
  IgnoredSections ignored(notes);
  for (const SectionTable::Section& section : table.sections) {
    if (section.keys.empty()) continue;
    if (const auto why = UnreadSection(table, section, caps, ends)) {
      ignored.add(section, *why);
      continue;
    }
    ignored.flush();
    for (const SectionTable::Key& key : section.keys) {
      if (key.taken) continue;
      notes.refused(key, section.written,
                    TakenBefore(table, section, key) ? text::KeyEarlier : text::KeyUnknown,
                    text::Ignored);
    }
  }
}

}  // namespace

std::vector<ReadingNote> ReadDataFileSettings(const SectionTable& table, const ModelCaps& caps,
                                              SettingsModel& model) {
  Notes notes;
  for (const char* key : kMainKeys) table.find("MAIN", key);
  ReadSetup(table, ChannelGroupsLayout(), caps, model.groups, notes);
  ReadSetup(table, CommonSetupLayout(), caps, model.common, notes);
  if (caps.AtisSupported) ReadSetup(table, AtisSetupLayout(), caps, model.atis, notes);
  model.CHWX = DefaultWeatherList();
  ListEnds ends;
  for (ListId id : AllLists) ends[id] = ReadList(table, id, caps, model.list(id), notes);
  for (const SectionTable::Skipped& line : table.skipped) {
    notes.add(line.line, Fill(text::Skipped, {std::to_string(line.line), line.why}));
  }
  NoteWhatWasNotRead(table, caps, ends, notes);
  for (ReadingNote& note : CompletenessNotes(table, caps)) notes.add(note.line, note.text);
  return std::move(notes).take();
}

std::string ReadingWarning(const std::filesystem::path& path,
                           const std::vector<ReadingNote>& notes) {
  std::string text = Fill(text::Warning, {path.string()});
  for (std::size_t i = 0; i < notes.size() && i < NotesShown; ++i) {
    text += "\r\n" + notes[i].text;
  }
  if (notes.size() > NotesShown) {
    text += "\r\n" + Fill(text::More, {std::to_string(notes.size() - NotesShown)});
  }
  return text;
}

std::span<const char* const> DataFileNoteTemplates() {
  return kTemplates;
}

}  // namespace tpw
