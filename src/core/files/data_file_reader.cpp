#include "files/data_file_reader.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>

#include "files/data_file.h"
#include "files/data_file_completeness.h"
#include "files/data_file_names.h"
#include "image/atis_code.h"
#include "image/channel_tables.h"
#include "image/encodings.h"
#include "image/memory_map.h"
#include "image/text_values.h"

namespace tpw {

namespace {

using namespace datafile;

// The [MAIN] keys: checked before the file is read, or written for whoever reads the file.
constexpr std::array<const char*, 6> kMainKeys = {"MODEL",     "TYPE",   "VERSION",
                                                  "MODELTYPE", "REGION", WriterKey};
constexpr long long kInt16Low = std::numeric_limits<std::int16_t>::min();
constexpr long long kInt16High = std::numeric_limits<std::int16_t>::max();
// How much of a refused value a note repeats.
constexpr std::size_t kValueShown = 40;

std::string Shown(std::string_view value) {
  if (value.size() <= kValueShown) return std::string(value);
  return std::string(value.substr(0, kValueShown)) + "...";
}

std::string FlagText(bool value) {
  return value ? "1" : "0";
}

class Notes {
 public:
  void add(int line, std::string text) { notes_.push_back({line, std::move(text)}); }
  // A value that was not taken: what it is not, and what the field holds instead.
  void refused(const SectionTable::Key& key, std::string_view section, std::string_view why,
               std::string_view outcome) {
    add(key.line, "[" + std::string(section) + "] " + key.written + "=" + Shown(key.value) +
                      " (line " + std::to_string(key.line) + "): " + std::string(why) + "; " +
                      std::string(outcome) + ".");
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

  void flag(std::string_view key, bool& field) const {
    const SectionTable::Key* found = find(key);
    if (!found) return;
    if (const auto value = ParseBoolean(found->value)) {
      field = *value;
    } else {
      refuse(*found, "not 0, 1, True or False", "kept as " + FlagText(field));
    }
  }

  // A whole number within [low, high] after rounding ties to even; what it must be is named
  // by `expected` ("a whole number from 0 to 3").
  template <typename T>
  void number(std::string_view key, T& field, long long low, long long high,
              std::string expected = {}) const {
    const SectionTable::Key* found = find(key);
    if (!found) return;
    if (const auto value = WholeNumber(found->value, low, high)) {
      field = static_cast<T>(*value);
      return;
    }
    if (expected.empty()) {
      expected = "a whole number from " + std::to_string(low) + " to " + std::to_string(high);
    }
    refuse(*found, "not " + expected, "kept as " + std::to_string(field));
  }

  // 0 (none), or a frequency the radio can hold: above 100 and below 200 MHz at 100 Hz.
  void frequency(std::string_view key, double& field) const {
    const SectionTable::Key* found = find(key);
    if (!found) return;
    const auto value = ParseDecimal(found->value);
    const double at100Hz = value ? RoundHalfEven(*value * 10000) / 10000 : 0;
    if (value && *value == 0) {
      field = 0;
    } else if (value && at100Hz > 100 && at100Hz < 200) {
      field = *value;
    } else {
      refuse(*found, "not 0 nor a frequency above 100 and below 200 MHz",
             "kept as " + FormatFileFrequency(field));
    }
  }

  void text(std::string_view key, std::string& field) const { field = raw(key); }

  static std::optional<long long> WholeNumber(std::string_view text, long long low,
                                              long long high) {
    const auto value = ParseDecimal(text);
    if (!value) return std::nullopt;
    const double rounded = RoundHalfEven(*value);
    if (rounded < static_cast<double>(low) || rounded > static_cast<double>(high)) {
      return std::nullopt;
    }
    return static_cast<long long>(rounded);
  }

 private:
  const SectionTable& table_;
  std::string section_;
  Notes& notes_;
};

void ReadGroupsUsable(const SectionTable& table, SettingsModel& model, Notes& notes) {
  const FieldReader in(table, GroupSection, notes);
  for (int g = 0; g < GroupCount; ++g) in.flag(GroupKeys[g], model.groups[g].usable);
}

// None (-1 or 65535) or the number, counted from 1, of a record its group's list can hold; a
// priority that names a record the list does not have at the moment is the panel's to
// correct, as after a channel was deleted. The EXP group's priority never reaches the radio,
// and the 0 of a group nobody chose one for is kept.
bool IsPriorityChannel(long long value, int group) {
  if (value == -1 || value == 65535) return true;
  if (group == addr::PlanGroupCount && value == 0) return true;
  return value >= 1 && value <= Layout(GroupList(group)).limit;
}

void ReadPriorities(const SectionTable& table, SettingsModel& model, Notes& notes) {
  const FieldReader in(table, GroupSection, notes);
  for (int g = 0; g < GroupCount; ++g) {
    const SectionTable::Key* found = in.find("Priority CH" + std::to_string(g));
    if (!found) continue;
    std::int32_t& field = model.groups[g].priorityChannel;
    const auto value = FieldReader::WholeNumber(found->value, -1, 65535);
    if (value && IsPriorityChannel(*value, g)) {
      field = static_cast<std::int32_t>(*value);
      continue;
    }
    const ListLayout& list = Layout(GroupList(g));
    in.refuse(*found,
              "not a channel of " + std::string(list.name) + " (1 to " +
                  std::to_string(list.limit) + ") nor none (-1 or 65535)",
              "kept as " + std::to_string(field));
  }
}

void ReadCommon(const SectionTable& table, CommonSetup& c, Notes& notes) {
  const FieldReader in(table, CommonSection, notes);
  in.number("TX Po Display", c.txPowerDisplay, 0, 255);
  in.flag("SCAN", c.scan);
  in.number("Resume Time", c.resumeTime, 0, 255);
  in.flag("PTT SCAN Clear", c.pttScanClear);
  in.flag("DW/TW", c.dualWatch);
  in.number("Mode Select", c.modeSelect, 0, 255);
  in.number("Offset Time", c.offsetTime, kInt16Low, kInt16High);
  in.flag("Time Display", c.timeDisplay);
  in.number("Weater", c.weatherAlert, 0, 255);
}

void ReadAtis(const SectionTable& table, AtisSetup& atis, Notes& notes) {
  const FieldReader in(table, AtisSection, notes);
  for (int i = 0; i < 4; ++i) {
    atis.groups[i] = IsNonZeroText(in.raw("Usable ATIS CH Group" + std::to_string(i)));
  }
  in.number("Atis Mode", atis.mode, 0, 255);
  atis.code.clear();
  const SectionTable::Key* code = in.find("Atis Code");
  if (!code) return;
  if (const std::optional<std::string> accepted = AcceptedAtisCode(code->value)) {
    atis.code = *accepted;
  } else {
    // A code the radio cannot hold would be programmed as garbage that only an ATIS clear
    // removes, and any other code might be programmed for good: none is taken.
    in.refuse(*code, "not an ATIS code (empty or ten digits)",
              "read as no code, so none is programmed");
  }
}

// A channel name the radio can show: at most two characters it has.
bool IsDisplayName(std::string_view text) {
  return text.size() <= static_cast<std::size_t>(addr::long_slot::DisplayLength) &&
         std::all_of(text.begin(), text.end(),
                     [](char c) { return c == ' ' || CharCode(c) != 255; });
}

// Where the reading of a list stopped: the number of the first section it did not read as a
// record, and why.
struct ListEnd {
  int number = 0;
  const char* why = nullptr;  // what ends a list at that section; none past the limit
};

ListEnd ReadPlanList(const SectionTable& table, ListId id, const ModelCaps& caps, ChannelList& list,
                     Notes& notes) {
  const ListLayout& layout = Layout(id);
  list.clear();
  for (int n = 1; n <= layout.limit; ++n) {
    const FieldReader in(table, layout.name + std::to_string(n), notes);
    if (in.raw("Position").empty()) return {n, "it has no Position"};
    ChannelRecord r;
    in.number("Position", r.position, 0, MarineChannelCount - 1,
              "a channel position from 0 to " + std::to_string(MarineChannelCount - 1));
    // The records of these lists are enabled whatever the file says.
    r.enabled = true;
    if (const SectionTable::Key* enable = in.find("Enable")) {
      if (ParseBoolean(enable->value) != true) {
        in.refuse(*enable, std::string("the records of ") + layout.name + " are always enabled",
                  "taken as 1");
      }
    }
    in.flag("LowPower", r.lowPower);
    in.flag("PowUp", r.powerUp);
    // The 2-bit fields of the record hold 0..3.
    in.number("Duplex", r.duplex, 0, 3);
    in.flag("TxEnable", r.txEnabled);
    in.number("StatusNo", r.statusNo, 0, 3);
    in.number("StatusIcon", r.statusIcon, 0, 3);
    in.flag("ScanMemory", r.scanMemory);
    if (caps.ScrambleSupported) in.number("Scramble", r.scramble, kInt16Low, kInt16High);
    list.append(r);
  }
  return {layout.limit + 1};
}

ListEnd ReadWeatherList(const SectionTable& table, ChannelList& list, Notes& notes) {
  for (int i = 0; i < list.size(); ++i) {
    const FieldReader in(table, "CHWX" + std::to_string(i), notes);
    in.flag("Enable", list[i].enabled);
    in.flag("ScanMemory", list[i].scanMemory);
  }
  return {list.size()};
}

ListEnd ReadFreeList(const SectionTable& table, ListId id, const ModelCaps& caps, ChannelList& list,
                     Notes& notes) {
  const ListLayout& layout = Layout(id);
  list.clear();
  for (int n = 1; n <= layout.limit; ++n) {
    const FieldReader in(table, layout.name + std::to_string(n), notes);
    const std::string enable = in.raw("Enable");
    const auto number = ParseDecimal(enable);
    if (enable.empty()) return {n, "it has no Enable"};
    if (number && RoundHalfEven(*number) == 0) return {n, "its Enable is 0"};
    ChannelRecord r;
    in.flag("Enable", r.enabled);
    if (const SectionTable::Key* name = in.find("CHDisplayL")) {
      if (IsDisplayName(name->value)) {
        r.displayLeft = name->value;
      } else {
        in.refuse(*name, "not a channel name the radio can show (two letters, digits or -+().*/,)",
                  "kept empty");
      }
    }
    in.text("CHDisplayR", r.displayRight);
    in.frequency("Rxfreq", r.rxFrequency);
    in.frequency("Txfreq", r.txFrequency);
    in.flag("TxEnable", r.txEnabled);
    in.flag("LowPower", r.lowPower);
    in.flag("PowUp", r.powerUp);
    in.flag("ScanMemory", r.scanMemory);
    if (caps.ScrambleSupported) in.number("Scramble", r.scramble, kInt16Low, kInt16High);
    in.flag("ExpCB1", r.inUsaGroup);
    in.flag("ExpCB2", r.inIntGroup);
    in.flag("ExpCB3", r.inRegionGroup);
    list.append(r);
  }
  return {layout.limit + 1};
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
    const int first = id == ListId::CHWX ? 0 : 1;
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
    if (record->number == end.number && end.why) {
      return std::string(end.why) + ", which ends the list " + list;
    }
    if (record->number > end.number || (record->number == end.number && !end.why)) {
      return end.why ? "the list " + list + " ends before it"
                     : "the list " + list + " holds no more records";
    }
  }
  if (std::any_of(section.keys.begin(), section.keys.end(),
                  [](const SectionTable::Key& k) { return k.taken; })) {
    return std::nullopt;
  }
  for (const SectionTable::Section& s : table.sections) {
    if (&s == &section) break;
    if (s.name == section.name) return "a section of the same name comes first";
  }
  if (section.name == NormalisedName(AtisSection) && !caps.AtisSupported) {
    return "the model " + caps.ModelName + " has no ATIS";
  }
  return "no such section";
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
    notes_.add(first.line,
               "[" + first.written + "]" +
                   (one ? " (line " + std::to_string(first.line)
                        : " to [" + last.written + "] (lines " + std::to_string(first.line) +
                              " to " + std::to_string(last.line)) +
                   "): " + run_->why + (one ? "; its" : "; their") + " lines are ignored.");
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
                    TakenBefore(table, section, key) ? "the same key comes earlier"
                                                     : "not a key the program reads here",
                    "ignored");
    }
  }
}

}  // namespace

std::vector<ReadingNote> ReadDataFileSettings(const SectionTable& table, const ModelCaps& caps,
                                              SettingsModel& model) {
  Notes notes;
  for (const char* key : kMainKeys) table.find("MAIN", key);
  ReadGroupsUsable(table, model, notes);
  ReadCommon(table, model.common, notes);
  if (caps.AtisSupported) ReadAtis(table, model.atis, notes);
  ListEnds ends;
  for (ListId id : PlanLists) ends[id] = ReadPlanList(table, id, caps, model.list(id), notes);
  model.CHWX = DefaultWeatherList();
  ends[ListId::CHWX] = ReadWeatherList(table, model.CHWX, notes);
  for (ListId id : FreeLists) ends[id] = ReadFreeList(table, id, caps, model.list(id), notes);
  ReadPriorities(table, model, notes);
  for (const SectionTable::Skipped& line : table.skipped) {
    notes.add(line.line, "line " + std::to_string(line.line) + ": skipped, " + line.why + ".");
  }
  NoteWhatWasNotRead(table, caps, ends, notes);
  for (ReadingNote& note : CompletenessNotes(table, caps)) notes.add(note.line, note.text);
  return std::move(notes).take();
}

std::string ReadingWarning(const std::filesystem::path& path,
                           const std::vector<ReadingNote>& notes) {
  std::string text = path.string() +
                     " was opened, but not everything in it was taken as written. Check these "
                     "settings before you program the radio:";
  for (std::size_t i = 0; i < notes.size() && i < NotesShown; ++i) {
    text += "\r\n" + notes[i].text;
  }
  if (notes.size() > NotesShown) {
    text += "\r\n... and " + std::to_string(notes.size() - NotesShown) + " more.";
  }
  return text;
}

}  // namespace tpw
