// The field tables and the codec against the memory map: every bit the codec reads or writes
// for a record kind is a bit its table declares, every declared bit is written, and a whole
// image changes only where the map says the codec owns it.
#include "image/record_fields.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <random>
#include <stdexcept>

#include "files/field_text.h"
#include "image/field_codec.h"
#include "image/image_codec.h"
#include "image/memory_map.h"

namespace tpw {
namespace {

namespace long_slot = addr::long_slot;
using BitMask = std::array<std::uint8_t, ImageSize>;

void Own(BitMask& mask, int address, int count, std::uint8_t bits = 0xFF) {
  for (int a = address; a < address + count; ++a) mask[static_cast<std::size_t>(a)] |= bits;
}

// The bits a table says its fields and its slot's constants occupy, for a record at base.
template <typename Owner>
BitMask DeclaredBits(const RecordLayout<Owner>& layout, int base) {
  BitMask mask{};
  for (const Field<Owner>& field : layout.fields) {
    for (int entry = 0; entry < field.entries(); ++entry) {
      if (!HeldAtPlace(field, entry)) continue;
      const HeldBytes held = HeldBytesOf(field, base, entry);
      Own(mask, held.address, held.count, held.mask);
    }
  }
  for (const SlotConstant& constant : layout.constants) {
    Own(mask, base + constant.offset, 1, constant.mask);
  }
  return mask;
}

// A record kind: what the memory map says it occupies and what its table declares, for the
// record at testBase; the codec taking a record from one image into another, and comparing
// the records two images hold.
struct Kind {
  const char* name;
  std::optional<RecordShape> slots;  // the channel records' shape; none for a setup
  int testBase;
  BitMask mapped;
  BitMask declared;
  std::function<void(const MemoryImage& from, MemoryImage& to, int base)> transplant;
  std::function<bool(const MemoryImage& a, const MemoryImage& b, int base)> sameRecord;
};

template <typename Owner>
Kind MakeKind(const char* name, std::optional<RecordShape> slots, int testBase, BitMask mapped,
              const RecordLayout<Owner>& layout) {
  auto decode = [&layout](const MemoryImage& image, int base) {
    Owner owner{};
    DecodeRecord(layout, image, base, owner);
    return owner;
  };
  return {name,
          slots,
          testBase,
          mapped,
          DeclaredBits(layout, testBase),
          [&layout, decode](const MemoryImage& from, MemoryImage& to, int base) {
            EncodeRecord(layout, decode(from, base), to, base);
          },
          [decode](const MemoryImage& a, const MemoryImage& b, int base) {
            return decode(a, base) == decode(b, base);
          }};
}

std::vector<Kind> Kinds() {
  const int plan = Layout(ListId::CHUSA).recordsAddress;
  const int free = Layout(ListId::CHRG).recordsAddress;
  BitMask planSlot{}, freeSlot{}, groups{}, common{}, atis{};
  Own(planSlot, plan, addr::short_slot::Size);
  Own(freeSlot, free + long_slot::Flags, 1, static_cast<std::uint8_t>(~(1 << long_slot::KeptBit)));
  Own(freeSlot, free + 1, long_slot::Kept - 1);
  Own(groups, addr::UsableGroups, 1, 0xF0);
  for (int g = 0; g < addr::PlanGroupCount; ++g) Own(groups, addr::PriorityChOf(g), 2);
  for (int a : {addr::TxPoDisplay, addr::WeatherAlert, addr::PttScanClear, addr::ResumeTime,
                addr::DwTw, addr::ModeSelect}) {
    Own(common, a, 1);
  }
  Own(common, addr::Scan, 1, 1 << addr::ScanBit);
  Own(atis, addr::AtisChGroup, 1, 0xF0);
  Own(atis, addr::AtisMode, 1);
  Own(atis, addr::AtisCode, addr::AtisCodeLength);
  return {
      MakeKind("short slot", RecordShape::Plan, plan, planSlot,
               ChannelRecordLayout(RecordShape::Plan)),
      MakeKind("long slot", RecordShape::Free, free, freeSlot,
               ChannelRecordLayout(RecordShape::Free)),
      MakeKind("channel groups", std::nullopt, 0, groups, ChannelGroupsLayout()),
      MakeKind("common setup", std::nullopt, 0, common, CommonSetupLayout()),
      MakeKind("ATIS setup", std::nullopt, 0, atis, AtisSetupLayout()),
  };
}

MemoryImage RandomImage(std::mt19937& random) {
  ImageBytes bytes;
  const int ffShare = static_cast<int>(random() % 100);
  for (auto& b : bytes) {
    b = static_cast<int>(random() % 100) < ffShare ? 0xFF : static_cast<std::uint8_t>(random());
  }
  return MemoryImage(bytes);
}

TEST(FieldTables, CoverEveryBitTheCodecReadsOrWrites) {
  std::mt19937 random(17);
  for (const Kind& kind : Kinds()) {
    SCOPED_TRACE(kind.name);
    EXPECT_EQ(kind.declared, kind.mapped);
    // Written: a record taken from one image into another changes declared bits only, and
    // each declared bit for some record.
    BitMask written{};
    for (int round = 0; round < 300; ++round) {
      const MemoryImage from = RandomImage(random);
      const MemoryImage before = RandomImage(random);
      MemoryImage to = before;
      kind.transplant(from, to, kind.testBase);
      for (int a = 0; a <= ImageLastIndex; ++a) {
        written[static_cast<std::size_t>(a)] |= static_cast<std::uint8_t>(to.at(a) ^ before.at(a));
      }
    }
    EXPECT_EQ(written, kind.declared);
    // Read: no bit outside the declared ones changes what the record decodes to.
    for (int round = 0; round < 2; ++round) {
      const MemoryImage image = RandomImage(random);
      for (int a = 0; a <= ImageLastIndex; ++a) {
        for (int bit = 0; bit < 8; ++bit) {
          if (kind.declared[static_cast<std::size_t>(a)] & (1 << bit)) continue;
          MemoryImage flipped = image;
          flipped.set(a, static_cast<std::uint8_t>(image.at(a) ^ (1 << bit)));
          ASSERT_TRUE(kind.sameRecord(image, flipped, kind.testBase)) << a << " bit " << bit;
        }
      }
    }
  }
}

// The bits decode-then-encode of a whole image may change: those of the setups, the list
// bitmaps, the records as the memory map has them, and the whole of every slot past the end of
// its list.
BitMask CodecOwnedBits(const std::vector<Kind>& kinds, const SettingsModel& model, bool wx) {
  BitMask mask{};
  for (const Kind& kind : kinds) {
    if (!kind.slots) {
      for (std::size_t a = 0; a < ImageSize; ++a) mask[a] |= kind.mapped[a];
      continue;
    }
    for (ListId id : AllLists) {
      const ListLayout& list = Layout(id);
      if (list.shape != *kind.slots) continue;
      const int size = ChannelRecordLayout(id).slotSize;
      for (int k = 0; k < list.slotCount; ++k) {
        for (int i = 0; i < size; ++i) {
          const auto mapped = kind.mapped[static_cast<std::size_t>(kind.testBase + i)];
          Own(mask, list.recordsAddress + size * k + i, 1,
              k < model.list(id).size() ? mapped : 0xFF);
        }
      }
    }
  }
  for (ListId id : AllLists) {
    if (id == ListId::CHWX && !wx) continue;
    Own(mask, Layout(id).enableAddress, Layout(id).bitmapBytes);
    Own(mask, Layout(id).scanAddress, Layout(id).bitmapBytes);
  }
  return mask;
}

TEST(ImageCodec, RandomImagesRoundTripWithinTheBytesTheCodecOwns) {
  std::mt19937 random(815);
  const std::vector<Kind> kinds = Kinds();
  for (int round = 0; round < 300; ++round) {
    const bool wx = round % 3 != 0;
    const MemoryImage original = RandomImage(random);
    MemoryImage image = original;
    SettingsModel model;
    ASSERT_NO_THROW(DecodeImage(image, model, wx));
    const BitMask owned = CodecOwnedBits(kinds, model, wx);
    EncodeImage(model, image, wx);
    for (int a = 0; a <= ImageLastIndex; ++a) {
      const auto changed = static_cast<std::uint8_t>(image.at(a) ^ original.at(a));
      ASSERT_EQ(changed & ~owned[static_cast<std::size_t>(a)], 0)
          << "round " << round << " address " << a;
    }
    const MemoryImage once = image;
    SettingsModel again;
    DecodeImage(image, again, wx);
    EncodeImage(again, image, wx);
    ASSERT_EQ(image, once) << "round " << round;
    ASSERT_NO_THROW(SanitiseForWrite(image, again, wx));
  }
}

template <typename Owner>
const FieldSpec& Named(const RecordLayout<Owner>& layout, std::string_view key) {
  for (const Field<Owner>& field : layout.fields) {
    if (field.keys[0] == key) return field;
  }
  throw std::invalid_argument(std::string(key));
}

TEST(FieldTables, SingleValuesReadWithTheRangeTheRadioHolds) {
  const auto& plan = ChannelRecordLayout(RecordShape::Plan);
  const auto& free = ChannelRecordLayout(RecordShape::Free);
  const FieldSpec& priority = Named(ChannelGroupsLayout(), "Priority CH0");
  const FieldSpec& code = Named(AtisSetupLayout(), "Atis Code");
  struct Case {
    const FieldSpec& field;
    int entry;
    const char* text;
    std::optional<FieldValue> value;
  };
  const Case cases[] = {
      {Named(plan, "Position"), 0, "119", 119},
      {Named(plan, "Position"), 0, "120", std::nullopt},
      {Named(plan, "Duplex"), 0, "2.5", 2},  // ties to even
      {Named(plan, "Duplex"), 0, "3.5", std::nullopt},
      {Named(plan, "LowPower"), 0, " True ", true},
      {Named(free, "Rxfreq"), 0, "-0", 0.0},
      {Named(free, "CHDisplayL"), 0, "A*", std::string("A*")},
      {priority, 3, "0", 0},  // the EXP group nobody chose a priority for
      {priority, 0, "0", std::nullopt},
      {code, 0, " 9876543210 ", std::string("9876543210")},
      {code, 0, "123", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.field.keys[0]) + "=" + c.text);
    EXPECT_EQ(ParseFieldText(c.field, c.text, c.entry), c.value);
    // What the writer makes of a value reads back as that value.
    if (c.value) {
      EXPECT_EQ(ParseFieldText(c.field, FieldFileText(*c.value), c.entry), c.value);
    }
  }
  EXPECT_EQ(FieldExpectation(priority, 3), "a channel of CHEXP (1 to 30) nor none (-1 or 65535)");
}

}  // namespace
}  // namespace tpw
