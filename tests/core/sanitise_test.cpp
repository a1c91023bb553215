#include <gtest/gtest.h>

#include "image/encodings.h"
#include "image/image_codec.h"
#include "image/memory_map.h"

namespace tpw {
namespace {

// An image and its model with the given records in each group's list, encoded.
struct Fixture {
  MemoryImage image;
  SettingsModel model;

  void add(ListId list, int count, bool enabled = true) {
    for (int i = 0; i < count; ++i) model.list(list).append({.position = 16, .enabled = enabled});
  }
  void encode(std::uint8_t usable) {
    EncodeImage(model, image, true);
    image.set(addr::UsableGroups, usable);
  }
};

TEST(SanitiseForWrite, CurrentGroupMovesToAUsableGroup) {
  Fixture f;
  f.add(ListId::CHUSA, 3);
  f.add(ListId::CHINT, 6);
  f.encode(0x40);  // only group 1 usable
  f.image.set(addr::CurrentMode, 0);
  f.image.set(addr::CurrentGroup, 0);
  WriteWordBE(f.image, addr::CurrentChannel, 5);
  SanitiseForWrite(f.image, f.model, true);
  EXPECT_EQ(f.image.at(addr::CurrentGroup), 1);
  EXPECT_EQ(f.image.word(addr::CurrentChannel), 5);  // record 5 of group 1 exists
  EXPECT_EQ(f.image.word(addr::CurrentChannel2), 5);

  // Group 2 not usable goes to group 0 when it is usable.
  f.encode(0xC0);
  f.image.set(addr::CurrentGroup, 2);
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
    Fixture f;
    f.encode(c.usable);
    f.image.set(addr::CurrentMode, 0);
    f.image.set(addr::CurrentGroup, static_cast<std::uint8_t>(c.group));
    SanitiseForWrite(f.image, f.model, true);
    EXPECT_EQ(f.image.at(addr::CurrentGroup), c.corrected)
        << "usable " << int{c.usable} << " group " << c.group;
  }
}

TEST(SanitiseForWrite, WithNoGroupUsableTheChannelIsCheckedAgainstTheNewGroup) {
  Fixture f;
  f.add(ListId::CHUSA, 3);
  f.add(ListId::CHINT, 6, false);
  f.model.CHINT[4].enabled = true;
  f.encode(0x00);
  f.image.set(addr::CurrentMode, 0);
  f.image.set(addr::CurrentGroup, 2);
  WriteWordBE(f.image, addr::CurrentChannel, 1);
  SanitiseForWrite(f.image, f.model, true);
  EXPECT_EQ(f.image.at(addr::CurrentGroup), 1);
  // Group 1 is not usable, so no reference into it is valid: its first enabled record.
  EXPECT_EQ(f.image.word(addr::CurrentChannel), 4);
  EXPECT_EQ(f.image.word(addr::CurrentChannel2), 4);

  // Without any enabled record in the group or the EXP list the channel is left alone.
  Fixture none;
  none.encode(0x00);
  none.image.set(addr::CurrentMode, 0);
  none.image.set(addr::CurrentGroup, 1);
  WriteWordBE(none.image, addr::CurrentChannel, 7);
  WriteWordBE(none.image, addr::CurrentChannel2, 9);
  SanitiseForWrite(none.image, none.model, true);
  EXPECT_EQ(none.image.at(addr::CurrentGroup), 0);
  EXPECT_EQ(none.image.word(addr::CurrentChannel), 7);
  EXPECT_EQ(none.image.word(addr::CurrentChannel2), 9);
}

TEST(SanitiseForWrite, FallbackToTheExpListAndExpReferences) {
  Fixture f;
  f.add(ListId::CHCAN, 2, false);
  f.add(ListId::CHEXP, 4);
  f.encode(0x20);
  f.image.set(addr::CurrentMode, 0);
  f.image.set(addr::CurrentGroup, 2);
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
  Fixture f;
  f.add(ListId::CHWX, 3, false);
  f.model.CHWX[2].enabled = true;
  f.encode(0x80);
  f.image.set(addr::CurrentMode, 1);
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
  Fixture f;
  f.add(ListId::CHUSA, 2);
  f.add(ListId::CHEXP, 1);
  f.encode(0x80);
  f.image.set(addr::CurrentMode, 2);  // neither group nor weather: only the references
  const int refs = addr::GroupChannelRefs;
  WriteWordBE(f.image, refs + 0, 1);     // record 1 of CHUSA: kept
  WriteWordBE(f.image, refs + 2, 2);     // no record 2: dropped
  WriteWordBE(f.image, refs + 4, 150);   // never valid
  WriteWordBE(f.image, refs + 6, -1);    // none stays none
  WriteWordBE(f.image, refs + 8, 160);   // EXP entry 1: unset
  WriteWordBE(f.image, refs + 0x20, 0);  // group 1 is not usable
  WriteWordBE(f.image, refs + 0x40 + 2, 200);
  const MemoryImage before = f.image;
  SanitiseForWrite(f.image, f.model, true);
  EXPECT_EQ(f.image.word(refs + 0), 1);
  EXPECT_EQ(f.image.word(refs + 2), 0xFFFF);
  EXPECT_EQ(f.image.word(refs + 4), 0xFFFF);
  EXPECT_EQ(f.image.word(refs + 6), 0xFFFF);
  EXPECT_EQ(f.image.word(refs + 8), 0xFFFF);
  EXPECT_EQ(f.image.word(refs + 0x20), 0xFFFF);
  EXPECT_EQ(f.image.word(refs + 0x42), 0xFFFF);
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
}  // namespace tpw
