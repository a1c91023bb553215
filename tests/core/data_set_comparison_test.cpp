// The comparison of two data sets, driven by the field tables: every field of every record kind
// changed once is one difference, named and valued in the user's words, and the images then
// differ only where that setting is held; channels added and removed; the bytes no setting
// shows, one line per run; the PC's own areas never.
#include "report/data_set_comparison.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/sample_records.h"
#include "files/field_text.h"
#include "files/hex_image_file.h"
#include "image/field_codec.h"
#include "image/image_codec.h"
#include "image/memory_map.h"
#include "image/record_fields.h"
#include "image/regions.h"
#include "shell/destinations.h"

namespace tpw {
namespace {

// A value the radio holds that the panels show otherwise.
FieldValue Another(const FieldSpec& field, const FieldValue& value) {
  switch (field.kind) {
    case FieldKind::Flag:
      return !std::get<bool>(value);
    case FieldKind::Number: {
      const int v = std::get<int>(value);
      if (field.limit == Limit::PriorityChannel) return v == 1 ? 2 : 1;
      const int low = BoundsOf(field).low;
      return v == low ? low + 1 : low;
    }
    case FieldKind::Frequency:
      return std::get<double>(value) == 156.8 ? 157.0 : 156.8;
    case FieldKind::Text:
      return std::string(std::get<std::string>(value) == "AC" ? "EF" : "AC");
    case FieldKind::Digits:
      return std::string(std::get<std::string>(value) == "9876543210" ? "2345678901"
                                                                      : "9876543210");
  }
  return value;
}

// Comparisons with a data set of two records at least in every list, their channels of
// different names.
struct DataSetComparison : ::testing::Test {
  MemoryImage baseImage;
  SettingsModel base;
  ModelCaps caps;

  DataSetComparison() {
    const std::filesystem::path data = TPW52_DATA_DIR;
    EXPECT_EQ(ReadImageFile(DestinationPath(data, "QZ815_USA", 1), 1, baseImage),
              ImageFileStatus::Ok);
    DecodeImage(baseImage, base, true);
    for (ListId id : {ListId::CHUSA, ListId::CHINT, ListId::CHCAN}) {
      for (int k = base.list(id).size(); k < 2; ++k)
        base.list(id).append(test::PlanRecord(16 + k, 0, true, false, false));
    }
    for (ListId id : {ListId::CHRG, ListId::CHEXP}) {
      for (int k = base.list(id).size(); k < 2; ++k)
        base.list(id).append(test::FreeRecord("AC", 156.05 + k, 156.05 + k));
    }
    // Known values for the texts below.
    base.CHUSA[0] = test::PlanRecord(16, 0, true, false, false);
    base.CHUSA[1] = test::PlanRecord(78, 0, true, false, false);
    base.CHUSA[1].statusNo = base.CHUSA[1].statusIcon = 1;
    base.groups[0].priorityChannel = 1;
    base.common.resumeTime = 3;
    base.atis.code.clear();
    base.CHRG[0] = test::FreeRecord("AC", 156.05, 156.05);
    base.CHWX[2].scanMemory = false;
    EncodeImage(base, baseImage, true);
  }

  // The image of a model, encoded over the base image as a write or a save would.
  MemoryImage ImageOf(const SettingsModel& model) const {
    MemoryImage image = baseImage;
    EncodeImage(model, image, true);
    return image;
  }
};

struct FieldChange {
  std::string name;
  std::string label;  // what the setting starts with
  std::function<void(SettingsModel&)> change;
};

template <typename Owner>
void AddSetupChanges(std::vector<FieldChange>& changes, const RecordLayout<Owner>& layout,
                     Owner SettingsModel::*owner, const ModelCaps& caps) {
  for (const Field<Owner>& field : layout.fields) {
    if (!InDataFile(field, caps)) continue;
    for (int entry = 0; entry < field.entries(); ++entry) {
      changes.push_back({field.keys[static_cast<std::size_t>(entry)], field.label,
                         [&field, owner, entry](SettingsModel& model) {
                           Owner& o = model.*owner;
                           field.set(o, entry, Another(field, field.get(o, entry)));
                         }});
    }
  }
}

std::vector<FieldChange> EveryFieldChange(const ModelCaps& caps) {
  std::vector<FieldChange> changes;
  AddSetupChanges(changes, ChannelGroupsLayout(), &SettingsModel::groups, caps);
  AddSetupChanges(changes, CommonSetupLayout(), &SettingsModel::common, caps);
  AddSetupChanges(changes, AtisSetupLayout(), &SettingsModel::atis, caps);
  for (ListId id : AllLists) {
    for (const Field<ChannelRecord>& field : ChannelRecordLayout(id).fields) {
      if (!InDataFile(field, caps)) continue;
      changes.push_back({std::string(Layout(id).name) + " " + field.keys[0], field.label,
                         [&field, id](SettingsModel& model) {
                           ChannelRecord& record = model.list(id)[1];
                           field.set(record, 0, Another(field, field.get(record)));
                         }});
    }
  }
  return changes;
}

TEST_F(DataSetComparison, EveryFieldChangedIsOneDifferenceHeldWhereItsBytesDiffer) {
  const std::vector<FieldChange> changes = EveryFieldChange(caps);
  EXPECT_GT(changes.size(), 50u);
  EXPECT_TRUE(CompareDataSets({baseImage, base}, {baseImage, base}, caps).empty());
  for (const FieldChange& c : changes) {
    SCOPED_TRACE(c.name);
    SettingsModel changed = base;
    c.change(changed);
    ASSERT_NE(changed, base);
    const MemoryImage image = ImageOf(changed);
    const auto found = CompareDataSets({baseImage, base}, {image, changed}, caps);
    ASSERT_EQ(found.size(), 1u) << DifferenceLine(found.back());
    const Difference& d = found[0];
    EXPECT_EQ(d.kind, DifferenceKind::Setting);
    EXPECT_TRUE(d.name.setting.starts_with(c.label)) << d.name.setting;
    EXPECT_NE(d.thisValue, d.otherValue);
    EXPECT_FALSE(d.name.place.nodeKey.empty());
    // The addresses the change reached name the setting.
    std::set<int> addresses;
    for (int a = 0; a <= ImageLastIndex; ++a)
      if (image.at(a) != baseImage.at(a)) addresses.insert(a);
    if (addresses.empty()) continue;  // kept in data files only, or bits the mode masks
    const std::vector<SettingName> names = SettingsAtAddresses({baseImage, base}, caps, addresses);
    EXPECT_NE(std::find(names.begin(), names.end(), d.name), names.end()) << d.name.where;
  }
}

// The texts of a few settings as the panels show them, in their lines, with their places.
TEST_F(DataSetComparison, ValuesReadAsThePanelsShowThem) {
  struct Case {
    std::function<void(SettingsModel&)> change;
    const char* line;
    EditorPlace place;
  };
  const Case cases[] = {
      {[](SettingsModel& m) { m.CHRG[0].rxFrequency = 157.0; },
       "RG Channel RG01: Rx Frequency: 156.0500 \u2192 157.0000",
       {"PR", 0}},
      {[](SettingsModel& m) { m.CHUSA[0].duplex = 2; },
       "Group1(USA) 16: SIMP/DUP: TX_SIMP \u2192 DUPLEX",
       {"PU", 0}},
      {[](SettingsModel& m) { m.CHUSA[1].statusNo = 2; },
       "Group1(USA) 1078A: CH Status No.: 10 \u2192 20",
       {"PU", 1}},
      {[](SettingsModel& m) { m.common.resumeTime = 0; },
       "Common Setup: Resume Time: 3Sec \u2192 Off",
       {"Common"}},
      {[](SettingsModel& m) { m.atis.code = "9876543210"; },
       "ATIS: ATIS Code: (none) \u2192 9876543210",
       {"Common"}},
      {[](SettingsModel& m) { m.groups[0].priorityChannel = 2; },
       "Common Setup: Priority CH USA: 16 \u2192 1078A",
       {"Common"}},
      {[](SettingsModel& m) { m.groups[0].priorityChannel = -1; },
       "Common Setup: Priority CH USA: 16 \u2192 None",
       {"Common"}},
      {[](SettingsModel& m) { m.CHWX[2].scanMemory = true; },
       "Weather WX03[162.475MHz]: Scan Memory: Off \u2192 On",
       {"PW", 2}},
  };
  for (const Case& c : cases) {
    SettingsModel changed = base;
    c.change(changed);
    const auto found = CompareDataSets({baseImage, base}, {ImageOf(changed), changed}, caps);
    ASSERT_EQ(found.size(), 1u) << c.line;
    EXPECT_EQ(DifferenceLine(found[0]), c.line);
    EXPECT_EQ(found[0].name.place, c.place);
  }
}

// Channels only one side has, the region, and the bytes no setting shows, each as its lines:
// the model is changed and encoded, then the image changed beyond the settings.
TEST_F(DataSetComparison, ChannelsOfOneSideRegionAndBytesNoSettingShows) {
  struct Case {
    const char* name;
    std::function<void(SettingsModel&)> settings;
    std::function<void(MemoryImage&)> bytes;
    std::vector<std::string> lines;
  };
  const auto nothing = [](auto&) {};
  const auto fill = [](int first, int last, std::uint8_t value) {
    return [=](MemoryImage& image) {
      for (int a = first; a <= last; ++a) image.set(a, value);
    };
  };
  const Case cases[] = {
      {"a channel removed and one added",
       [](SettingsModel& m) {
         m.CHRG.erase(1);
         m.CHUSA.append(test::PlanRecord(17, 0, true, false, false));
       },
       nothing,
       {"Group1(USA) 17: Channel added", "RG Channel RG02: Channel removed"}},
      {"the region",
       [](SettingsModel&) {},
       [](MemoryImage& image) { SetRegion(image, 1); },
       {"General: Region: USA \u2192 UK"}},
      {"a run of bytes past the slots, and kept bits",
       nothing,
       [&](MemoryImage& image) {
         fill(0x7A0, 0x7AF, 0x12)(image);
         image.set(addr::Scan, static_cast<std::uint8_t>(image.at(addr::Scan) ^ 0x80));
         image.set(addr::RgSlots + addr::long_slot::Kept, 0x00);
       },
       {"0x091: 1 byte that no setting shows", "0x54A: 1 byte that no setting shows",
        "0x7A0\u20130x7AF: 16 bytes that no setting shows"}},
      {"the PC's own areas",
       nothing,
       [&](MemoryImage& image) {
         fill(addr::KeptLowFirst, addr::KeptLowLast, 0x00)(image);
         fill(addr::KeptHighFirst, addr::KeptHighLast, 0x00)(image);
       },
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SettingsModel model = base;
    c.settings(model);
    MemoryImage image = ImageOf(model);
    c.bytes(image);
    std::vector<std::string> lines;
    for (const Difference& d : CompareDataSets({baseImage, base}, {image, model}, caps)) {
      lines.push_back(DifferenceLine(d));
    }
    EXPECT_EQ(lines, c.lines);
  }
  // The bytes themselves, for the table and for scripts.
  MemoryImage image = baseImage;
  fill(0x7A0, 0x7A1, 0x12)(image);
  const std::vector<Difference> bytes = CompareDataSets({baseImage, base}, {image, base}, caps);
  ASSERT_EQ(bytes.size(), 1u);
  EXPECT_EQ(bytes[0].kind, DifferenceKind::Bytes);
  EXPECT_EQ(bytes[0].thisValue, "FF FF");
  EXPECT_EQ(bytes[0].otherValue, "12 12");
  // Addresses named: the settings that hold them, then the runs no setting holds.
  std::vector<std::string> named;
  for (const SettingName& name : SettingsAtAddresses(
           {baseImage, base}, caps, {0x7A0, 0x7A1, 0x7A5, addr::RegionCode, addr::ResumeTime})) {
    named.push_back(name.where + ": " + name.setting);
  }
  EXPECT_EQ(named, (std::vector<std::string>{"General: Region", "Common Setup: Resume Time",
                                             "0x7A0\u20130x7A1: 2 bytes that no setting shows",
                                             "0x7A5: 1 byte that no setting shows"}));
}

}  // namespace
}  // namespace tpw
