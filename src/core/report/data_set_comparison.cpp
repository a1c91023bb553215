#include "report/data_set_comparison.h"

#include <array>
#include <cstdio>
#include <map>
#include <optional>
#include <utility>

#include "editor/channel_form.h"
#include "editor/channel_grid.h"
#include "editor/common_options.h"
#include "editor/navigation_tree.h"
#include "files/field_text.h"
#include "image/display_text.h"
#include "image/field_codec.h"
#include "image/memory_map.h"
#include "image/record_fields.h"
#include "image/regions.h"
#include "image/translatable.h"
#include "report/report_rows.h"

namespace tpw {

namespace {

// What the tree shows, in its order: the region (General), the groups and the Common Setup,
// ATIS, then the channel lists as their nodes stand.
enum Subject { kRegion, kGroups, kCommon, kAtis, kFirstList };
constexpr std::array<ListId, 6> kTreeLists = {ListId::CHUSA, ListId::CHINT, ListId::CHCAN,
                                              ListId::CHRG,  ListId::CHWX,  ListId::CHEXP};

// One setting in the comparison's order: its subject, the row of a channel, the field of its
// table and the entry of that field.
struct SettingKey {
  int subject = kRegion;
  int row = -1;
  int field = -1;
  int entry = 0;

  auto operator<=>(const SettingKey&) const = default;
};

// One setting of a data set: its name, its value as shown and where the memory holds it.
struct Setting {
  SettingKey key;
  SettingName name;
  std::string shown;
  std::vector<HeldBytes> held;
  std::string channel;  // the name of a channel's row: "16", "RG01"
};

using BitMask = std::array<std::uint8_t, ImageSize>;

// What shows that a side has no value: an empty text, a channel the list does not hold.
constexpr const char* kNone = "(none)";

void Cover(BitMask& mask, const HeldBytes& held) {
  for (int a = held.address; a < held.address + held.count; ++a) {
    mask[static_cast<std::size_t>(a)] |= held.mask;
  }
}

bool IsPcArea(int address) {
  return (address >= addr::KeptLowFirst && address <= addr::KeptLowLast) ||
         (address >= addr::KeptHighFirst && address <= addr::KeptHighLast);
}

// The channel panel's lists, by the key of the field each edits; the Common Setup page's lists
// carry the label of theirs.
const OptionList* OptionsOf(const FieldSpec& field) {
  static const std::pair<std::string_view, const OptionList& (*)()> kChannelLists[] = {
      {"Position", &BaseChannelOptions},
      {"Duplex", &DuplexOptions},
      {"StatusNo", &StatusNoOptions},
      {"StatusIcon", &StatusIconOptions}};
  for (const auto& [key, options] : kChannelLists) {
    if (key == field.keys[0]) return &options();
  }
  for (const CommonOptionBox& box : CommonOptionBoxes()) {
    if (box.label == field.label) return &box.options;
  }
  return nullptr;
}

bool IsPriorityChannel(const FieldSpec& field) {
  return field.limit == Limit::PriorityChannel;
}

std::string NumberShown(const FieldSpec& field, int value, const SettingsModel& model, int entry) {
  if (IsPriorityChannel(field)) {
    if (value < 0 || value == 0xFFFF) return "None";
    const std::string name = entry < addr::PlanGroupCount ? PriorityChannelName(model, entry) : "";
    if (!name.empty()) return name;
  } else if (const OptionList* options = OptionsOf(field)) {
    if (const std::optional<int> index = options->indexOf(value)) {
      return options->entries()[static_cast<std::size_t>(*index)].text;
    }
  }
  return std::to_string(value);
}

// A value as the panels show it.
std::string Shown(const FieldSpec& field, const FieldValue& value, const SettingsModel& model,
                  int entry) {
  if (const bool* flag = std::get_if<bool>(&value)) return OnOffLabel(*flag);
  if (const int* number = std::get_if<int>(&value)) {
    return NumberShown(field, *number, model, entry);
  }
  if (const double* megahertz = std::get_if<double>(&value)) return FormatFreq4(*megahertz);
  const std::string& text = std::get<std::string>(value);
  return text.empty() ? kNone : text;
}

// "Usable CH Group USA" for a field with an entry per group; the label alone otherwise.
std::string SettingLabel(const FieldSpec& field, const SettingsModel& model, int entry) {
  if (field.entries() == 1) return field.label;
  return std::string(field.label) + " " + model.groups[static_cast<std::size_t>(entry)].label;
}

std::string Hex(int value, int digits) {
  char text[8];
  std::snprintf(text, sizeof text, "%0*X", digits, static_cast<unsigned>(value));
  return text;
}

// "0x7A0–0x7AF: 16 bytes that no setting shows", from the first and the last address of a run.
SettingName UnshownBytes(int first, int last) {
  const int count = last - first + 1;
  std::string where = "0x" + Hex(first, 3);
  if (last != first)
    where +=
        "\u2013"
        "0x" +
        Hex(last, 3);
  return {where,
          std::to_string(count) + (count == 1 ? " byte" : " bytes") + " that no setting shows",
          {}};
}

std::string BytesShown(const MemoryImage& image, int first, int last) {
  std::string text;
  for (int a = first; a <= last; ++a) text += (a == first ? "" : " ") + Hex(image.at(a), 2);
  return text;
}

// Every setting of a data set, in the tree's order.
class SettingsOf {
 public:
  SettingsOf(const ComparedSet& set, const ModelCaps& caps) : set_(set), caps_(caps) {
    region();
    setup(kGroups, "Common Setup", "Common", ChannelGroupsLayout(), set.model.groups);
    setup(kCommon, "Common Setup", "Common", CommonSetupLayout(), set.model.common);
    if (caps.AtisSupported) setup(kAtis, "ATIS", "Common", AtisSetupLayout(), set.model.atis);
    for (std::size_t i = 0; i < kTreeLists.size(); ++i) {
      const ListId list = kTreeLists[i];
      if (list == ListId::CHWX && !caps.WxSupported) continue;
      for (int row = 0; row < set.model.list(list).size(); ++row) {
        channel(kFirstList + static_cast<int>(i), list, row);
      }
    }
  }

  std::vector<Setting> settings;

 private:
  void region() {
    settings.push_back({{kRegion},
                        {"General", "Region", {"General"}},
                        RegionName(RegionOf(set_.image)),
                        {{addr::RegionCode, 1}}});
  }

  template <typename Owner>
  void setup(int subject, const char* where, const char* node, const RecordLayout<Owner>& layout,
             const Owner& owner) {
    for (std::size_t f = 0; f < layout.fields.size(); ++f) {
      const Field<Owner>& field = layout.fields[f];
      if (!InDataFile(field, caps_)) continue;
      for (int entry = 0; entry < field.entries(); ++entry) {
        std::vector<HeldBytes> held;
        if (HeldAtPlace(field, entry)) held.push_back(HeldBytesOf(field, 0, entry));
        settings.push_back({{subject, -1, static_cast<int>(f), entry},
                            {where, SettingLabel(field, set_.model, entry), {node}},
                            Shown(field, field.get(owner, entry), set_.model, entry),
                            std::move(held)});
      }
    }
  }

  void channel(int subject, ListId list, int row) {
    const ListLayout& layout = Layout(list);
    const RecordLayout<ChannelRecord>& record = ChannelRecordLayout(list);
    const ChannelRecord& channel = set_.model.list(list)[row];
    const std::string rowName = RowName(set_.model, list, row);
    const SettingName name{
        ListNodeText(set_.model, list) + " " + rowName, "", {ListNodeKey(list), row}};
    for (std::size_t f = 0; f < record.fields.size(); ++f) {
      const Field<ChannelRecord>& field = record.fields[f];
      if (!InDataFile(field, caps_)) continue;
      std::vector<HeldBytes> held;
      if (field.place.form == Form::ListBitmap) {
        held.push_back({BitmapAddress(layout, field.place.bitmap) + row / 8, 1,
                        static_cast<std::uint8_t>(0x80 >> (row % 8))});
      } else if (HeldAtPlace(field, 0)) {
        held.push_back(HeldBytesOf(field, layout.recordsAddress + record.slotSize * row, 0));
      }
      SettingName setting = name;
      setting.setting = field.label;
      settings.push_back({{subject, row, static_cast<int>(f)},
                          std::move(setting),
                          Shown(field, field.get(channel), set_.model, 0),
                          std::move(held),
                          rowName});
    }
  }

  const ComparedSet& set_;
  const ModelCaps& caps_;
};

// The slot of a channel row, for a row only one side has: every byte of it differs as the row.
std::optional<HeldBytes> SlotOf(const SettingKey& key) {
  if (key.subject < kFirstList) return std::nullopt;
  const ListLayout& layout = Layout(kTreeLists[static_cast<std::size_t>(key.subject - kFirstList)]);
  if (layout.recordsAddress < 0) return std::nullopt;
  const int size = ChannelRecordLayout(layout.shape).slotSize;
  return HeldBytes{layout.recordsAddress + size * key.row, size};
}

// A channel only one side has, once per row; the whole of its slot differs with it.
void AddRow(std::map<SettingKey, Difference>& found, const Setting& setting, DifferenceKind kind,
            BitMask& covered) {
  const SettingKey row{setting.key.subject, setting.key.row};
  if (found.contains(row)) return;
  const bool added = kind == DifferenceKind::ChannelAdded;
  SettingName name = setting.name;
  name.setting =
      added ? TPW_TEXT("Editor", "Channel added") : TPW_TEXT("Editor", "Channel removed");
  found[row] = {kind, std::move(name), added ? kNone : setting.channel,
                added ? setting.channel : kNone};
  if (const std::optional<HeldBytes> slot = SlotOf(row)) Cover(covered, *slot);
}

// The runs of addresses whose bits differ where no setting holds them.
void AddUnshownBytes(const ComparedSet& thisSet, const ComparedSet& other, const BitMask& covered,
                     std::vector<Difference>& differences) {
  const auto unshown = [&](int address) {
    const int changed = thisSet.image.at(address) ^ other.image.at(address);
    return !IsPcArea(address) && (changed & ~covered[static_cast<std::size_t>(address)]) != 0;
  };
  for (int first = 0; first <= ImageLastIndex; ++first) {
    if (!unshown(first)) continue;
    int last = first;
    while (last < ImageLastIndex && unshown(last + 1)) ++last;
    differences.push_back({DifferenceKind::Bytes, UnshownBytes(first, last),
                           BytesShown(thisSet.image, first, last),
                           BytesShown(other.image, first, last)});
    first = last;
  }
}

}  // namespace

std::vector<Difference> CompareDataSets(const ComparedSet& thisSet, const ComparedSet& other,
                                        const ModelCaps& caps) {
  const std::vector<Setting> mine = SettingsOf(thisSet, caps).settings;
  const std::vector<Setting> theirs = SettingsOf(other, caps).settings;
  std::map<SettingKey, const Setting*> theirsByKey;
  for (const Setting& setting : theirs) theirsByKey[setting.key] = &setting;
  std::set<SettingKey> mineKeys;

  std::map<SettingKey, Difference> found;
  BitMask covered{};
  for (const Setting& setting : mine) {
    mineKeys.insert(setting.key);
    for (const HeldBytes& held : setting.held) Cover(covered, held);
    const auto match = theirsByKey.find(setting.key);
    if (match == theirsByKey.end()) {
      AddRow(found, setting, DifferenceKind::ChannelRemoved, covered);
    } else if (match->second->shown != setting.shown) {
      found[setting.key] = {DifferenceKind::Setting, setting.name, setting.shown,
                            match->second->shown};
    }
  }
  for (const Setting& setting : theirs) {
    for (const HeldBytes& held : setting.held) Cover(covered, held);
    if (!mineKeys.contains(setting.key)) {
      AddRow(found, setting, DifferenceKind::ChannelAdded, covered);
    }
  }

  std::vector<Difference> differences;
  for (auto& [key, difference] : found) differences.push_back(std::move(difference));
  AddUnshownBytes(thisSet, other, covered, differences);
  for (std::size_t i = 0; i < differences.size(); ++i) differences[i].order = static_cast<int>(i);
  return differences;
}

std::vector<SettingName> SettingsAtAddresses(const ComparedSet& set, const ModelCaps& caps,
                                             const std::set<int>& addresses) {
  std::vector<SettingName> names;
  std::set<int> unnamed = addresses;
  for (const Setting& setting : SettingsOf(set, caps).settings) {
    bool holds = false;
    for (const HeldBytes& held : setting.held) {
      for (int a = held.address; a < held.address + held.count; ++a) {
        holds = holds || addresses.contains(a);
        unnamed.erase(a);
      }
    }
    if (holds) names.push_back(setting.name);
  }
  for (auto a = unnamed.begin(); a != unnamed.end();) {
    int last = *a;
    auto next = std::next(a);
    while (next != unnamed.end() && *next == last + 1) last = *next++;
    names.push_back(UnshownBytes(*a, last));
    a = next;
  }
  return names;
}

std::string DifferenceLine(const Difference& difference) {
  std::string line = difference.name.where + ": " + difference.name.setting;
  if (difference.kind == DifferenceKind::Setting) {
    line += ": " + difference.thisValue + " \u2192 " + difference.otherValue;
  }
  return line;
}

std::string DifferenceCount(std::size_t count) {
  if (count == 0) return "No differences";
  return std::to_string(count) + (count == 1 ? " difference" : " differences");
}

}  // namespace tpw
