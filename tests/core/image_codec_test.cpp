// The image codec: the records and headers it decodes and encodes, and what it corrects
// before a write.
#include "image/image_codec.h"

#include <gtest/gtest.h>

#include "image/channel_tables.h"
#include "image/encodings.h"
#include "image/memory_map.h"
#include "sample_records.h"
#include "support/test_support.h"

namespace tpw::test {
namespace {

TEST(DecodeImage, EnableBitmapIsARecordCount) {
  MemoryImage image;
  Fill(image, 0x100, {0xFF, 0xFF, 0x00});
  Fill(image, 0x120, {0x7F});
  Fill(image, 0x166, {0xFF, 0xE0});  // CHRG: eleven records
  Fill(image, 0x1E6, {0x00, 0x3F});  // scan bits of records 10.. only
  SettingsModel model;
  DecodeImage(image, model, true);
  EXPECT_EQ(model.CHUSA.size(), 16);
  EXPECT_TRUE(model.CHINT.isEmpty());
  ASSERT_EQ(model.CHRG.size(), 11);
  EXPECT_FALSE(model.CHRG[9].scanMemory);
  EXPECT_TRUE(model.CHRG[10].scanMemory);
  for (const ChannelRecord& record : model.CHUSA) EXPECT_TRUE(record.enabled);
}

TEST(DecodeImage, ABlankRadioHasNoRecordBeyondItsSlots) {
  // A radio never programmed: every bitmap bit set, the RG bitmap counting sixteen records
  // for twelve slots, the EXP bitmap thirty-two for thirty.
  const MemoryImage blank;
  SettingsModel model;
  DecodeImage(blank, model, true);
  EXPECT_EQ(model.CHUSA.size(), 96);
  EXPECT_EQ(model.CHRG.size(), 12);
  EXPECT_EQ(model.CHEXP.size(), 30);

  // Programmed back, the bitmaps count what the slots hold, and a second round changes
  // nothing.
  MemoryImage encoded = blank;
  EncodeImage(model, encoded, true);
  const std::vector<int> counted = {0xFF, 0xFF, 0xFF, 0xFC, 0xFF, 0xF0};
  EXPECT_EQ(Bytes(encoded, 0x162, 6), counted);  // EXP enable, RG enable
  EXPECT_EQ(Bytes(encoded, 0x1E2, 6), counted);  // EXP scan, RG scan
  SettingsModel again;
  DecodeImage(encoded, again, true);
  EXPECT_EQ(again, model);
  MemoryImage reencoded = encoded;
  EncodeImage(again, reencoded, true);
  EXPECT_EQ(reencoded.bytes(), encoded.bytes());
}

TEST(DecodeImage, AnInvalidPositionEndsTheRecordsButNotTheList) {
  MemoryImage image;
  for (int a = 0x100; a < 0x10C; ++a) image.set(a, 0xFF);
  Fill(image, 0x300, {0xFF, 0x00});
  SettingsModel model;
  DecodeImage(image, model, true);
  ASSERT_EQ(model.CHUSA.size(), 96);
  for (const ChannelRecord& record : model.CHUSA) {
    EXPECT_EQ(record, (ChannelRecord{.enabled = true, .scanMemory = true}));
  }

  Fill(image, 0x300, {16, 0x9D, 17, 0x7E, 120, 0x00, 18, 0x00});
  DecodeImage(image, model, true);
  EXPECT_EQ(model.CHUSA[0], WithStatus(PlanRecord(16, 2, true, true, false, true), 3, 1));
  // Power mode 3 is high power.
  EXPECT_EQ(model.CHUSA[1], WithStatus(PlanRecord(17, 1, true, false, false, true), 3, 2));
  // Slot 2 holds 120: the records from 2 on keep their defaults.
  EXPECT_EQ(model.CHUSA[2], (ChannelRecord{.enabled = true, .scanMemory = true}));
  EXPECT_EQ(model.CHUSA[3], model.CHUSA[2]);
}

TEST(DecodeImage, SixteenByteRecords) {
  MemoryImage image;
  Fill(image, 0x162, {0xC0, 0, 0, 0});
  Fill(image, 0x600, {0xB6, 'A', '*', 0xFF, 0x56, 0x02, 0x50, 0xFF, 0xFF, 0xFF});
  Fill(image, 0x610, {0x4E, 0xFF, '7', 0xFF, 0x00, 0x00, 0x00, 0x60, 0x62, 0x50});
  SettingsModel model;
  DecodeImage(image, model, true);
  ASSERT_EQ(model.CHEXP.size(), 2);
  ChannelRecord first = FreeRecord("A", 156.025, 0);
  first.powerUp = first.txEnabled = first.scanMemory = first.inUsaGroup = true;
  EXPECT_EQ(model.CHEXP[0], first);
  EXPECT_EQ(model.CHEXP[1], (ChannelRecord{.enabled = true,
                                           .lowPower = true,
                                           .scanMemory = true,
                                           .displayLeft = " 7",
                                           .txFrequency = 160.625}));
}

TEST(DecodeImage, WeatherListAndHeader) {
  MemoryImage image;
  Fill(image, 0x160, {0x7F, 0xFF});
  Fill(image, 0x162, {0x80, 0, 0, 0});
  Fill(image, 0x166, {0x80, 0});
  Fill(image, 0x09E, {0xA5});
  Fill(image, 0x21C, {0x00, 0x05});
  Fill(image, 0x0A0, {3});
  Fill(image, 0x08D, {2});
  Fill(image, 0x090, {3, 0xFE, 0xFF, 0x00, 4, 1, 1});
  Fill(image, 0x280, {0x5F, 1, 0x12, 0x34, 0x56, 0x78, 0x90});
  SettingsModel model;
  model.groups[3].priorityChannel = 42;
  DecodeImage(image, model, true);
  ASSERT_EQ(model.CHWX.size(), WxChannelCount);
  EXPECT_FALSE(model.CHWX[0].enabled);
  EXPECT_EQ(model.CHEXP.size(), 1);
  EXPECT_EQ(model.CHRG.size(), 1);
  EXPECT_EQ(model.groups[0], (ChannelGroup{true, 5, "USA"}));
  EXPECT_EQ(model.groups[1], (ChannelGroup{false, 65535, "INT"}));
  EXPECT_EQ(model.groups[2], (ChannelGroup{true, 65535, "NL"}));
  EXPECT_EQ(model.groups[3], (ChannelGroup{false, 42, "EXP"}));  // EXP has no priority word
  EXPECT_EQ(model.common, (CommonSetup{.txPowerDisplay = 2,
                                       .resumeTime = 4,
                                       .weatherAlert = 3,
                                       .dualWatch = true,
                                       .modeSelect = 1}));
  EXPECT_EQ(model.atis, (AtisSetup{{false, true, false, true}, "1234567890", 1}));

  image.set(0x0A0, 0xFF);
  DecodeHeader(image, model);
  EXPECT_EQ(model.groups[2].label, "CAN");
  image.set(0x0A0, 0);
  DecodeHeader(image, model);
  EXPECT_EQ(model.groups[2].label, "CAN");

  // Without weather channels the weather list is neither read nor changed.
  model.CHWX.clear();
  model.CHWX.append({.enabled = true});
  Fill(image, 0x160, {0xFF, 0xFF});
  DecodeImage(image, model, false);
  EXPECT_EQ(model.CHWX.size(), 1);
}

// The two bits of every weather channel, record k from bit k of each bitmap.
std::vector<std::pair<bool, bool>> WeatherBits(const ChannelList& list) {
  std::vector<std::pair<bool, bool>> bits;
  for (const ChannelRecord& r : list) bits.emplace_back(r.enabled, r.scanMemory);
  return bits;
}

TEST(WeatherList, OneRecordPerWeatherChannelFromItsOwnBits) {
  MemoryImage image;
  // WX02 and WX10 off, WX01 and WX03 scanned; bits 10-15 hold noise that is not read.
  Fill(image, 0x160, {0xBF, 0x80 | 0x15});
  Fill(image, 0x1E0, {0xA0, 0x3F});
  SettingsModel model;
  DecodeImage(image, model, true);
  const std::vector<std::pair<bool, bool>> expected = {
      {true, true},  {false, false}, {true, true},  {true, false}, {true, false},
      {true, false}, {true, false},  {true, false}, {true, false}, {false, false}};
  EXPECT_EQ(WeatherBits(model.CHWX), expected);
  // Apart from the two bits each record is that of a new data set.
  ChannelList defaults = DefaultWeatherList();
  for (int k = 0; k < WxChannelCount; ++k) {
    defaults[k].enabled = model.CHWX[k].enabled;
    defaults[k].scanMemory = model.CHWX[k].scanMemory;
  }
  EXPECT_EQ(model.CHWX, defaults);

  // A blank radio has ten channels, not sixteen; a cleared bitmap ten disabled ones.
  Fill(image, 0x160, {0xFF, 0xFF});
  Fill(image, 0x1E0, {0xFF, 0xFF});
  DecodeImage(image, model, true);
  EXPECT_EQ(WeatherBits(model.CHWX),
            (std::vector<std::pair<bool, bool>>(WxChannelCount, {true, true})));
  Fill(image, 0x160, {0x00, 0x00});
  Fill(image, 0x1E0, {0x00, 0x00});
  DecodeImage(image, model, true);
  EXPECT_EQ(WeatherBits(model.CHWX),
            (std::vector<std::pair<bool, bool>>(WxChannelCount, {false, false})));
}

TEST(WeatherList, EncodesTenBitsAndKeepsTheRest) {
  MemoryImage image;
  Fill(image, 0x160, {0x00, 0x2A});
  Fill(image, 0x1E0, {0xFF, 0xFF});
  SettingsModel model;
  model.CHWX = DefaultWeatherList();
  model.CHWX[0].enabled = false;  // WX01 unticked
  model.CHWX[9].scanMemory = true;
  EncodeImage(model, image, true);
  EXPECT_EQ(Bytes(image, 0x160, 2), (std::vector<int>{0x7F, 0xC0 | 0x2A}));
  EXPECT_EQ(Bytes(image, 0x1E0, 2), (std::vector<int>{0x00, 0x40 | 0x3F}));
  // Programmed and read back, the list is the same: the other nine channels stay.
  SettingsModel back;
  DecodeImage(image, back, true);
  EXPECT_EQ(back.CHWX, model.CHWX);

  // Channels the list holds no record for are written as off.
  model.CHWX = DefaultWeatherList();
  while (model.CHWX.size() > 5) model.CHWX.erase(model.CHWX.size() - 1);
  EncodeImage(model, image, true);
  EXPECT_EQ(Bytes(image, 0x160, 2), (std::vector<int>{0xF8, 0x00 | 0x2A}));

  // Without weather channels neither bitmap is touched.
  Fill(image, 0x160, {0x12, 0x34});
  EncodeImage(model, image, false);
  EXPECT_EQ(image.word(0x160), 0x1234);
}

TEST(EncodeImage, ListsBitmapsAndEmptySlots) {
  MemoryImage image;
  SettingsModel model;
  for (int i = 0; i < 3; ++i) model.CHRG.append({.enabled = true, .scanMemory = i == 1});
  EncodeImage(model, image, true);
  EXPECT_EQ(Bytes(image, 0x162, 6), (std::vector<int>{0, 0, 0, 0, 0xE0, 0x00}));
  EXPECT_EQ(Bytes(image, 0x1E2, 5), (std::vector<int>{0, 0, 0, 0, 0x40}));
  EXPECT_EQ(Bytes(image, 0x100, 12), std::vector<int>(12, 0));
  EXPECT_TRUE(image.allFF(0x540 + 3 * 16, 9 * 16));
  EXPECT_TRUE(image.allFF(0x600, 30 * 16));
  EXPECT_TRUE(image.allFF(0x300, 3 * 192));
}

TEST(EncodeImage, TwoByteRecords) {
  MemoryImage image;
  SettingsModel model;
  model.CHINT.append(WithStatus(PlanRecord(16, 2, true, true, false), 1, 2));
  model.CHINT.append({.position = 20, .enabled = false, .txEnabled = true});
  model.CHINT.append(PlanRecord(21, 0, true, true, true, true));
  EncodeImage(model, image, true);
  EXPECT_EQ(Bytes(image, 0x3C0, 6), (std::vector<int>{16, 0x90 | 0x04 | 0x02, 20, 0x30, 21, 0x20}));
  // The disabled record ends the list for the next decode but keeps its slot.
  EXPECT_EQ(image.at(0x120), 0xA0);
  EXPECT_EQ(image.at(0x1A0), 0x20);
  SettingsModel back;
  DecodeImage(image, back, true);
  EXPECT_EQ(back.CHINT.size(), 1);
}

TEST(EncodeImage, SixteenByteRecordKeepsTheRadiosBits) {
  MemoryImage image;
  Fill(image, 0x540, {0x41, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6});
  SettingsModel model;
  ChannelRecord record = FreeRecord("7", 161.4, 156.8);  // high power, not in INT
  record.powerUp = record.inUsaGroup = record.inRegionGroup = true;
  model.CHRG.append(record);
  EncodeImage(model, image, true);
  EXPECT_EQ(Bytes(image, 0x540, 16), (std::vector<int>{0xF4, '7', ' ', 0xFF, 0x61, 0x40, 0x00, 0x56,
                                                       0x80, 0x00, 1, 2, 3, 4, 5, 6}));
}

TEST(EncodeImage, LeavesTheModelAsItWas) {
  SettingsModel model;
  model.groups[0] = {true, -1, "USA"};
  model.common.resumeTime = 300;  // no byte holds it
  model.atis.code = "12a";
  model.CHUSA.append({.position = 200, .enabled = true, .duplex = 7, .statusNo = 9});
  model.CHRG.append(
      {.enabled = true, .displayLeft = "7", .txFrequency = 156.0137, .rxFrequency = 99});
  model.CHEXP.append({.enabled = false, .displayLeft = "", .rxFrequency = 161.97499999});
  model.CHEXP.append({.enabled = true, .displayLeft = "LONG"});
  model.CHWX.append({.enabled = true, .scanMemory = true});
  const SettingsModel before = model;
  MemoryImage image;
  EncodeImage(model, image, true);
  SanitiseForWrite(image, model, true);
  EXPECT_EQ(model, before);
  EXPECT_EQ(image.at(0x541), '7');
  EXPECT_EQ(image.at(0x542), ' ');  // the blank is in the image only
  EXPECT_EQ(image.at(0x601), ' ');
  EXPECT_EQ(image.at(0x612), 'O');
  EXPECT_EQ(image.at(0x613), 0xFF);  // the filler byte, not the third letter
}

TEST(EncodeImage, HeaderAndValuesABytesCannotHold) {
  MemoryImage image;
  image.set(0x09E, 0x0F);
  image.set(0x091, 0xFE);
  image.set(0x280, 0x0A);
  SettingsModel model;
  model.groups[0].usable = true;
  model.groups[3].usable = true;
  model.groups[0].priorityChannel = -1;
  model.groups[1].priorityChannel = 65535;
  model.groups[2].priorityChannel = 12;
  model.common = {.txPowerDisplay = 1,
                  .scan = true,
                  .resumeTime = 300,
                  .pttScanClear = true,
                  .weatherAlert = 2,
                  .dualWatch = true,
                  .modeSelect = 1};
  model.atis = {.groups = {true, false, false, true}, .code = "12345", .mode = 1};
  EncodeHeader(model, image);
  EXPECT_EQ(image.at(0x09E), 0x9F);
  EXPECT_EQ(image.word(0x21C), 0xFFFF);
  EXPECT_EQ(image.word(0x23C), 0xFFFF);
  EXPECT_EQ(image.word(0x25C), 12);
  EXPECT_EQ(image.at(0x08D), 1);
  // Resume time 300 does not fit: its byte (0x094) stays as it was.
  EXPECT_EQ(Bytes(image, 0x090, 7), (std::vector<int>{2, 0xFF, 0xFF, 1, 0xFF, 1, 1}));
  EXPECT_EQ(Bytes(image, 0x280, 5), (std::vector<int>{0x9A, 1, 0x12, 0x34, 0x5F}));
}

// An image and its model with the given records in each group's list, encoded.
struct SanitiseFixture {
  MemoryImage image;
  SettingsModel model;

  void add(ListId list, int count, bool enabled = true) {
    for (int i = 0; i < count; ++i) model.list(list).append({.position = 16, .enabled = enabled});
  }
  // The radio's current group, and its mode: 0 a group's channel, 1 weather, 2 neither.
  void encode(std::uint8_t usable, int group = 0, int mode = 0) {
    EncodeImage(model, image, true);
    image.set(addr::UsableGroups, usable);
    image.set(addr::CurrentGroup, static_cast<std::uint8_t>(group));
    image.set(addr::CurrentMode, static_cast<std::uint8_t>(mode));
  }
};

TEST(SanitiseForWrite, CurrentGroupMovesToAUsableGroup) {
  SanitiseFixture f;
  f.add(ListId::CHUSA, 3);
  f.add(ListId::CHINT, 6);
  f.encode(0x40);  // only group 1 usable
  WriteWordBE(f.image, addr::CurrentChannel, 5);
  SanitiseForWrite(f.image, f.model, true);
  EXPECT_EQ(f.image.at(addr::CurrentGroup), 1);
  EXPECT_EQ(f.image.word(addr::CurrentChannel), 5);  // record 5 of group 1 exists
  EXPECT_EQ(f.image.word(addr::CurrentChannel2), 5);

  // Group 2 not usable goes to group 0 when it is usable.
  f.encode(0xC0, 2);
  SanitiseForWrite(f.image, f.model, true);
  EXPECT_EQ(f.image.at(addr::CurrentGroup), 0);
  EXPECT_EQ(f.image.word(addr::CurrentChannel), 0);  // 5 is past CHUSA: its first record
}

TEST(SanitiseForWrite, CurrentGroupCorrectionForEveryUsableSet) {
  struct Case {
    std::uint8_t usable;  // bit 7 group 0, bit 6 group 1, bit 5 group 2
    int group;
    int corrected;
  };
  const Case cases[] = {
      // Group 0: group 1, else group 2, else itself.
      {0x40, 0, 1},
      {0x60, 0, 1},
      {0x20, 0, 2},
      {0x00, 0, 0},
      // Group 1: group 2 if usable, else group 0 whether usable or not.
      {0x20, 1, 2},
      {0xA0, 1, 2},
      {0x80, 1, 0},
      {0x00, 1, 0},
      // Group 2: group 0 if usable, else group 1 whether usable or not.
      {0x80, 2, 0},
      {0xC0, 2, 0},
      {0x40, 2, 1},
      {0x00, 2, 1},
      // A usable group and a value outside 0..2 stay.
      {0x20, 2, 2},
      {0x00, 3, 3},
      {0xE0, 0xFF, 0xFF},
  };
  for (const Case& c : cases) {
    SanitiseFixture f;
    f.encode(c.usable, c.group);
    SanitiseForWrite(f.image, f.model, true);
    EXPECT_EQ(f.image.at(addr::CurrentGroup), c.corrected)
        << "usable " << int{c.usable} << " group " << c.group;
  }
}

TEST(SanitiseForWrite, WithNoGroupUsableTheChannelIsCheckedAgainstTheNewGroup) {
  SanitiseFixture f;
  f.add(ListId::CHUSA, 3);
  f.add(ListId::CHINT, 6, false);
  f.model.CHINT[4].enabled = true;
  f.encode(0x00, 2);
  WriteWordBE(f.image, addr::CurrentChannel, 1);
  SanitiseForWrite(f.image, f.model, true);
  EXPECT_EQ(f.image.at(addr::CurrentGroup), 1);
  // Group 1 is not usable, so no reference into it is valid: its first enabled record.
  EXPECT_EQ(f.image.word(addr::CurrentChannel), 4);
  EXPECT_EQ(f.image.word(addr::CurrentChannel2), 4);

  // Without any enabled record in the group or the EXP list the channel is left alone.
  SanitiseFixture none;
  none.encode(0x00, 1);
  WriteWordBE(none.image, addr::CurrentChannel, 7);
  WriteWordBE(none.image, addr::CurrentChannel2, 9);
  SanitiseForWrite(none.image, none.model, true);
  EXPECT_EQ(none.image.at(addr::CurrentGroup), 0);
  EXPECT_EQ(none.image.word(addr::CurrentChannel), 7);
  EXPECT_EQ(none.image.word(addr::CurrentChannel2), 9);
}

TEST(SanitiseForWrite, FallbackToTheExpListAndExpReferences) {
  SanitiseFixture f;
  f.add(ListId::CHCAN, 2, false);
  f.add(ListId::CHEXP, 4);
  f.encode(0x20, 2);
  WriteWordBE(f.image, addr::CurrentChannel, 1);
  SanitiseForWrite(f.image, f.model, true);
  EXPECT_EQ(f.image.word(addr::CurrentChannel), 0);  // first enabled EXP record, as it is

  WriteWordBE(f.image, addr::CurrentChannel, 163);  // EXP bitmap entry 4 is the fifth: unset
  SanitiseForWrite(f.image, f.model, true);
  EXPECT_EQ(f.image.word(addr::CurrentChannel), 0);
  WriteWordBE(f.image, addr::CurrentChannel, 162);  // entry 3 is set
  SanitiseForWrite(f.image, f.model, true);
  EXPECT_EQ(f.image.word(addr::CurrentChannel), 162);
}

TEST(SanitiseForWrite, WeatherChannel) {
  SanitiseFixture f;
  f.add(ListId::CHWX, 3, false);
  f.model.CHWX[2].enabled = true;
  f.encode(0x80, 0, 1);
  f.image.set(addr::CurrentWx, 1);
  SanitiseForWrite(f.image, f.model, true);
  EXPECT_EQ(f.image.at(addr::CurrentWx), 2);
  EXPECT_EQ(f.image.word(addr::CurrentChannel), 2);

  f.image.set(addr::CurrentWx, 0xFF);
  SanitiseForWrite(f.image, f.model, true);
  EXPECT_EQ(f.image.at(addr::CurrentWx), 0xFF);

  f.image.set(addr::CurrentWx, 1);
  WriteWordBE(f.image, addr::CurrentChannel, 30);
  SanitiseForWrite(f.image, f.model, false);  // without weather channels nothing moves
  EXPECT_EQ(f.image.at(addr::CurrentWx), 1);
  EXPECT_EQ(f.image.word(addr::CurrentChannel), 30);
}

TEST(SanitiseForWrite, GroupChannelReferences) {
  SanitiseFixture f;
  f.add(ListId::CHUSA, 2);
  f.add(ListId::CHEXP, 1);
  f.encode(0x80, 0, 2);  // neither group nor weather: only the references
  const int refs = addr::GroupChannelRefs;
  const struct {
    int offset, written, kept;
  } words[] = {
      {0, 1, 1},           // record 1 of CHUSA: kept
      {2, 2, 0xFFFF},      // no record 2: dropped
      {4, 150, 0xFFFF},    // never valid
      {6, -1, 0xFFFF},     // none stays none
      {8, 160, 0xFFFF},    // EXP entry 1: unset
      {0x20, 0, 0xFFFF},   // group 1 is not usable
      {0x42, 200, 0xFFFF}  // group 2 is not usable either
  };
  for (auto word : words) WriteWordBE(f.image, refs + word.offset, word.written);
  const MemoryImage before = f.image;
  SanitiseForWrite(f.image, f.model, true);
  for (auto word : words) EXPECT_EQ(f.image.word(refs + word.offset), word.kept) << word.offset;
  for (int a = 0; a <= ImageLastIndex; ++a) {
    if (a < refs || a >= refs + 0x60) {
      ASSERT_EQ(f.image.at(a), before.at(a)) << a;
    }
  }
  EXPECT_FALSE(IsValidRef(f.image, 159, 3));
  EXPECT_FALSE(IsValidRef(f.image, 0, 3));  // the EXP group is not usable
  EXPECT_TRUE(IsValidRef(f.image, 0, 0));
}

}  // namespace
}  // namespace tpw::test
