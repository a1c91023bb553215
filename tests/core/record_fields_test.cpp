// The field tables against what the codec really does with the memory, one test per record
// kind: every bit of a record's slot is a field's, a constant's or kept; the codec reads exactly
// the bits its fields declare and writes exactly those and its constants; the shipped templates
// decode and encode to themselves; and every value reads back from its data-file text.
#include "image/record_fields.h"

#include <gtest/gtest.h>

#include <map>

#include "files/field_text.h"
#include "files/hex_image_file.h"
#include "image/field_codec.h"
#include "image/image_codec.h"
#include "image/memory_map.h"
#include "shell/destinations.h"

namespace tpw {
namespace {

// Bits per address.
using BitMap = std::map<int, std::uint8_t>;

struct Kept {
  int offset;
  int count;
  std::uint8_t mask;
};

void Add(BitMap& bits, int address, std::uint8_t mask) {
  if (mask) bits[address] = static_cast<std::uint8_t>(bits[address] | mask);
}

// The bits a field's place names, read from the declaration alone.
void AddPlace(BitMap& bits, const FieldSpec& field, int base) {
  const Place& p = field.place;
  const int entries = std::min(field.entries(), p.entries);
  for (int e = 0; e < entries; ++e) {
    const int address = base + p.offset + p.step * e;
    const int top = p.step == 0 ? p.topBit - p.width * e : p.topBit;
    int length = 0;
    switch (p.form) {
      case Form::Bits:
        Add(bits, address, static_cast<std::uint8_t>(((1 << p.width) - 1) << (top - p.width + 1)));
        break;
      case Form::Word:
        length = 2;
        break;
      case Form::Frequency:
        length = 3;
        break;
      case Form::Text:
        length = p.width;
        break;
      case Form::Digits:
        length = addr::AtisCodeLength;
        break;
      case Form::DataFileOnly:
      case Form::ListBitmap:
        break;
    }
    for (int i = 0; i < length; ++i) Add(bits, address + i, 0xFF);
  }
}

// Bits whose flip, in any of the images, changes the decoded record.
template <typename Owner>
BitMap ReadBits(const RecordLayout<Owner>& layout, int base,
                const std::vector<MemoryImage>& images) {
  BitMap read;
  for (MemoryImage image : images) {
    Owner plain{};
    DecodeRecord(layout, image, base, plain);
    for (int a = 0; a <= ImageLastIndex; ++a) {
      const std::uint8_t byte = image.at(a);
      for (int bit = 0; bit < 8; ++bit) {
        image.set(a, static_cast<std::uint8_t>(byte ^ (1 << bit)));
        Owner decoded{};
        DecodeRecord(layout, image, base, decoded);
        if (!(decoded == plain)) Add(read, a, static_cast<std::uint8_t>(1 << bit));
      }
      image.set(a, byte);
    }
  }
  return read;
}

// Bits the encoding sets the same over an image and over its complement.
template <typename Owner>
BitMap WrittenBits(const RecordLayout<Owner>& layout, int base, const Owner& owner) {
  ImageBytes ones;
  ones.fill(0xFF);
  MemoryImage over0;
  over0.fill(0x00);
  MemoryImage over1(ones);
  EncodeRecord(layout, owner, over0, base);
  EncodeRecord(layout, owner, over1, base);
  BitMap written;
  for (int a = 0; a <= ImageLastIndex; ++a) {
    Add(written, a, static_cast<std::uint8_t>(~(over0.at(a) ^ over1.at(a))));
  }
  return written;
}

std::vector<MemoryImage> Templates() {
  const std::filesystem::path data = TPW52_DATA_DIR;
  std::vector<MemoryImage> images;
  for (const std::string& name : ListDestinationNames(data, QZ815ModelType)) {
    MemoryImage image;
    EXPECT_EQ(ReadImageFile(DestinationPath(data, name, 1), 1, image), ImageFileStatus::Ok);
    images.push_back(image);
  }
  EXPECT_EQ(images.size(), 7u);
  return images;
}

// Bytes of the memory, `count` from `first`.
struct Span {
  int first;
  int count;
};

// `owner` sets every field to a value the radio holds; `owned` are the bytes of the record
// kind (its slot, or the setup's bytes in the memory map), `kept` the bits in them that are the
// radio's; `records` gives the addresses of the records of this kind the templates hold.
template <typename Owner>
void CheckRecordKind(const RecordLayout<Owner>& layout, int base, const std::vector<Span>& owned,
                     const std::vector<Kept>& kept, const Owner& owner,
                     std::vector<int> (*records)(const MemoryImage&)) {
  BitMap fields;
  for (const Field<Owner>& field : layout.fields) AddPlace(fields, field, base);
  BitMap constants;
  for (const SlotConstant& c : layout.constants) Add(constants, base + c.offset, c.mask);
  BitMap keptBits;
  for (const Kept& k : kept) {
    for (int i = 0; i < k.count; ++i) Add(keptBits, base + k.offset + i, k.mask);
  }

  // Every bit of the kind's bytes is a field's, a constant's or kept, and none lies outside.
  BitMap area;
  for (const Span& span : owned) {
    for (int i = 0; i < span.count; ++i) Add(area, span.first + i, 0xFF);
  }
  for (const auto& [address, mask] : fields) EXPECT_TRUE(area.contains(address)) << address;
  for (const auto& [address, mask] : area) {
    SCOPED_TRACE(address);
    const std::uint8_t f = fields.contains(address) ? fields.at(address) : 0;
    const std::uint8_t c = constants.contains(address) ? constants.at(address) : 0;
    const std::uint8_t k = keptBits.contains(address) ? keptBits.at(address) : 0;
    EXPECT_EQ(f | c | k, 0xFF);
    EXPECT_EQ(f & c, 0);
    EXPECT_EQ((f | c) & k, 0);
  }

  // The codec reads exactly the fields' bits and writes exactly those and the constants.
  MemoryImage live;
  live.fill(0x00);
  EncodeRecord(layout, owner, live, base);
  ImageBytes ones;
  ones.fill(0xFF);
  MemoryImage zeros;
  zeros.fill(0x00);
  EXPECT_EQ(ReadBits(layout, base, {live, zeros, MemoryImage(ones)}), fields);
  BitMap written = fields;
  for (const auto& [address, mask] : constants) Add(written, address, mask);
  EXPECT_EQ(WrittenBits(layout, base, owner), written);

  // Decoded and encoded again, each record of the templates is what it was.
  for (const MemoryImage& image : Templates()) {
    for (int address : records(image)) {
      Owner decoded{};
      DecodeRecord(layout, image, address, decoded);
      MemoryImage again = image;
      EncodeRecord(layout, decoded, again, address);
      EXPECT_EQ(again, image) << "record at " << address;
    }
  }

  // Every value comes back from its data-file text, in range.
  for (const Field<Owner>& field : layout.fields) {
    for (int e = 0; e < field.entries(); ++e) {
      SCOPED_TRACE(field.keys[static_cast<std::size_t>(e)]);
      const FieldValue value = field.get(owner, e);
      EXPECT_TRUE(InRange(field, value, e));
      EXPECT_EQ(ParseFieldText(field, FieldFileText(value), e), value);
    }
  }
}

std::vector<int> SetupAt0(const MemoryImage&) {
  return {0};
}

// The slots of every list of a shape that hold a record.
template <RecordShape Shape>
std::vector<int> SlotsOf(const MemoryImage& image) {
  SettingsModel model;
  DecodeImage(image, model, true);
  std::vector<int> slots;
  for (ListId id : AllLists) {
    const ListLayout& list = Layout(id);
    if (list.shape != Shape) continue;
    for (int k = 0; k < model.list(id).size(); ++k) {
      slots.push_back(list.recordsAddress + ChannelRecordLayout(Shape).slotSize * k);
    }
  }
  EXPECT_FALSE(Shape == RecordShape::Plan && slots.empty());
  return slots;
}

TEST(RecordFields, PlanChannelRecordCoversItsShortSlot) {
  const ChannelRecord record = {.position = 88,
                                .enabled = true,
                                .lowPower = true,
                                .powerUp = true,
                                .duplex = 2,
                                .txEnabled = true,
                                .scanMemory = true,
                                .statusIcon = 1,
                                .statusNo = 2};
  CheckRecordKind(ChannelRecordLayout(RecordShape::Plan), addr::IntSlots,
                  {{addr::IntSlots, addr::short_slot::Size}}, {}, record,
                  &SlotsOf<RecordShape::Plan>);
}

TEST(RecordFields, FreeChannelRecordCoversItsLongSlot) {
  const ChannelRecord record = {.enabled = true,
                                .lowPower = false,
                                .powerUp = true,
                                .txEnabled = true,
                                .scanMemory = true,
                                .displayLeft = "L1",
                                .displayRight = "R",
                                .txFrequency = 156.8,
                                .rxFrequency = 161.4125,
                                .inUsaGroup = true,
                                .inRegionGroup = true};
  namespace long_slot = addr::long_slot;
  CheckRecordKind(ChannelRecordLayout(RecordShape::Free), addr::RgSlots,
                  {{addr::RgSlots, long_slot::Size}},
                  {{long_slot::Flags, 1, 1 << long_slot::KeptBit},
                   {long_slot::Kept, long_slot::Size - long_slot::Kept, 0xFF}},
                  record, &SlotsOf<RecordShape::Free>);
}

TEST(RecordFields, ChannelGroupsCoverTheirBits) {
  const ChannelGroups groups = {
      {{true, 12, ""}, {false, 65535, ""}, {true, 96, ""}, {true, -1, ""}}};
  CheckRecordKind(ChannelGroupsLayout(), 0, {{0x09E, 1}, {0x21C, 2}, {0x23C, 2}, {0x25C, 2}},
                  {{0x09E, 1, 0x0F}}, groups, &SetupAt0);
}

TEST(RecordFields, CommonSetupCoversItsBytes) {
  const CommonSetup common = {.txPowerDisplay = 2,
                              .scan = true,
                              .timeDisplay = true,
                              .resumeTime = 5,
                              .pttScanClear = true,
                              .offsetTime = -90,
                              .weatherAlert = 3,
                              .dualWatch = true,
                              .modeSelect = 1};
  CheckRecordKind(CommonSetupLayout(), 0, {{0x08D, 1}, {0x090, 2}, {0x093, 4}}, {{0x091, 1, 0xFE}},
                  common, &SetupAt0);
}

TEST(RecordFields, AtisSetupCoversItsBytes) {
  const AtisSetup atis = {.groups = {true, false, true, true}, .code = "2112345678", .mode = 1};
  CheckRecordKind(AtisSetupLayout(), 0, {{0x280, 7}}, {{0x280, 1, 0x0F}}, atis, &SetupAt0);
}

}  // namespace
}  // namespace tpw
