#include "image/image_codec.h"

#include <algorithm>

#include "image/channel_tables.h"
#include "image/encodings.h"
#include "image/field_codec.h"
#include "image/memory_map.h"
#include "image/record_fields.h"
#include "image/regions.h"

namespace tpw {

namespace {

constexpr const char* kFixedLabels[4] = {"USA", "INT", nullptr, "EXP"};

// The channel lists in the order they are decoded and encoded.
constexpr ListId kCodecOrder[] = {ListId::CHUSA, ListId::CHINT, ListId::CHCAN,
                                  ListId::CHWX,  ListId::CHEXP, ListId::CHRG};

bool IsBitmapField(const Field<ChannelRecord>& field) {
  return field.place.form == Form::ListBitmap;
}

// Record k takes bit k of each of its list's bitmaps.
void DecodeBitmaps(const MemoryImage& image, const ListLayout& layout,
                   const RecordLayout<ChannelRecord>& record, ChannelList& list) {
  for (const Field<ChannelRecord>& field : record.fields) {
    if (!IsBitmapField(field)) continue;
    const int address = BitmapAddress(layout, field.place.bitmap);
    for (int k = 0; k < list.size(); ++k) field.set(list[k], 0, BitmapEntry(image, address, k));
  }
}

void DecodeList(const MemoryImage& image, const ListLayout& layout, ChannelList& list) {
  const RecordLayout<ChannelRecord>& record = ChannelRecordLayout(layout.shape);
  list.clear();
  // The enable bitmap holds the record count as a leading run of 1 bits. The radio has no
  // record beyond its slots, whatever the bitmap's spare bits say: a blank radio's RG bitmap
  // (0xFF 0xFF) counts sixteen for twelve slots, the EXP bitmap thirty-two for thirty.
  const int countable = std::min(8 * layout.bitmapBytes, layout.slotCount);
  for (int k = 0; k < countable && BitmapEntry(image, layout.enableAddress, k); ++k) {
    list.append(ChannelRecord{});
  }
  if (list.isEmpty()) return;
  DecodeBitmaps(image, layout, record, list);
  for (int k = 0; k < list.size(); ++k) {
    const int address = layout.recordsAddress + record.slotSize * k;
    // A slot that holds no record ends the records; the rest keep their defaults.
    if (!HoldsRecord(record, image, address)) break;
    DecodeRecord(record, image, address, list[k]);
  }
}

// The weather list holds one record per channel of the weather table: record k is enabled and
// scanned when bit k of the two bitmaps is set. The bits after the last channel are not read.
void DecodeWeatherList(const MemoryImage& image, const ListLayout& layout, ChannelList& list) {
  list = DefaultWeatherList();
  DecodeBitmaps(image, layout, ChannelRecordLayout(layout.shape), list);
}

void EncodeBitmap(MemoryImage& image, int address, int bytes, const ChannelList& list,
                  const Field<ChannelRecord>& field) {
  for (int b = 0; b < bytes; ++b) {
    std::uint8_t byte = 0;
    for (int bit = 0; bit < 8; ++bit) {
      const int k = 8 * b + bit;
      if (k < list.size() && std::get<bool>(field.get(list[k]))) {
        byte = static_cast<std::uint8_t>(byte | 0x80 >> bit);
      }
    }
    image.set(address + b, byte);
  }
}

// Bit k of a bitmap for the weather channels, the bits after the last channel kept.
void EncodeWeatherBits(MemoryImage& image, int address, const ChannelList& list,
                       const Field<ChannelRecord>& field) {
  for (int k = 0; k < WxChannelCount; ++k) {
    const int byteAddress = address + k / 8;
    std::uint8_t byte = image.at(byteAddress);
    SetBit(byte, BoolToBit(k < list.size() && std::get<bool>(field.get(list[k]))), 7 - k % 8);
    image.set(byteAddress, byte);
  }
}

void EncodeWeatherList(const ChannelList& list, const ListLayout& layout, MemoryImage& image) {
  for (const Field<ChannelRecord>& field : ChannelRecordLayout(layout.shape).fields) {
    EncodeWeatherBits(image, BitmapAddress(layout, field.place.bitmap), list, field);
  }
}

void EncodeList(const ChannelList& list, const ListLayout& layout, MemoryImage& image) {
  const RecordLayout<ChannelRecord>& record = ChannelRecordLayout(layout.shape);
  for (const Field<ChannelRecord>& field : record.fields) {
    if (!IsBitmapField(field)) continue;
    EncodeBitmap(image, BitmapAddress(layout, field.place.bitmap), layout.bitmapBytes, list, field);
  }
  for (int k = 0; k < layout.slotCount; ++k) {
    const int address = layout.recordsAddress + record.slotSize * k;
    if (k >= list.size()) {
      for (int i = 0; i < record.slotSize; ++i) image.set(address + i, 0xFF);
    } else {
      EncodeRecord(record, list[k], image, address);
    }
  }
}

}  // namespace

void DecodeHeader(const MemoryImage& image, SettingsModel& model) {
  DecodeRecord(ChannelGroupsLayout(), image, 0, model.groups);
  for (int g = 0; g < GroupCount; ++g) {
    model.groups[static_cast<std::size_t>(g)].label =
        g == 2 ? GroupTwoName(image.at(addr::RegionCode)) : kFixedLabels[g];
  }
  DecodeRecord(CommonSetupLayout(), image, 0, model.common);
  DecodeRecord(AtisSetupLayout(), image, 0, model.atis);
}

void DecodeImage(const MemoryImage& image, SettingsModel& model, bool wxSupported) {
  DecodeHeader(image, model);
  for (ListId id : kCodecOrder) {
    if (id != ListId::CHWX) {
      DecodeList(image, Layout(id), model.list(id));
    } else if (wxSupported) {
      DecodeWeatherList(image, Layout(id), model.list(id));
    }
  }
}

void EncodeHeader(const SettingsModel& model, MemoryImage& image) {
  EncodeRecord(ChannelGroupsLayout(), model.groups, image, 0);
  EncodeRecord(CommonSetupLayout(), model.common, image, 0);
  EncodeRecord(AtisSetupLayout(), model.atis, image, 0);
}

void EncodeImage(const SettingsModel& model, MemoryImage& image, bool wxSupported) {
  EncodeHeader(model, image);
  for (ListId id : kCodecOrder) {
    if (id != ListId::CHWX) {
      EncodeList(model.list(id), Layout(id), image);
    } else if (wxSupported) {
      EncodeWeatherList(model.list(id), Layout(id), image);
    }
  }
}

void EncodeForWrite(const SettingsModel& model, MemoryImage& image, bool wxSupported) {
  EncodeImage(model, image, wxSupported);
  SanitiseForWrite(image, model, wxSupported);
}

}  // namespace tpw
