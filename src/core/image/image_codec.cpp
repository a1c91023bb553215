#include "image/image_codec.h"

#include <algorithm>

#include "image/channel_tables.h"
#include "image/encodings.h"
#include "image/memory_map.h"
#include "image/regions.h"

namespace tpw {

namespace {

using addr::AtisChGroupBit;
using addr::PriorityChOf;
using addr::UsableGroupBit;
namespace long_slot = addr::long_slot;
namespace short_slot = addr::short_slot;

constexpr const char* kFixedLabels[4] = {"USA", "INT", nullptr, "EXP"};

// The channel lists in the order they are decoded and encoded.
constexpr ListId kCodecOrder[] = {ListId::CHUSA, ListId::CHINT, ListId::CHCAN,
                                  ListId::CHWX,  ListId::CHEXP, ListId::CHRG};

// Transmit mode of a 2-byte record: 0 off, 1 low, 2 low with power-up, 3 high.
void ApplyTxMode(ChannelRecord& record, int mode) {
  record.txEnabled = mode != 0;
  record.lowPower = mode == 1 || mode == 2;
  record.powerUp = mode == 2;
}

int TxMode(const ChannelRecord& record) {
  if (!record.txEnabled) return 0;
  if (!record.lowPower) return 3;
  return record.powerUp ? 2 : 1;
}

// A 2-bit field of a short slot's flags byte.
std::int16_t ShortField(std::uint8_t flags, int topBit) {
  return static_cast<std::int16_t>(GetField(flags, short_slot::FieldWidth, topBit));
}

void DecodeShortSlot(const MemoryImage& image, int address, ChannelRecord& record) {
  record.position = image.at(address + short_slot::Position);
  const std::uint8_t flags = image.at(address + short_slot::Flags);
  record.duplex = ShortField(flags, short_slot::DuplexTopBit);
  ApplyTxMode(record, ShortField(flags, short_slot::TxModeTopBit));
  record.statusIcon = ShortField(flags, short_slot::StatusIconTopBit);
  record.statusNo = ShortField(flags, short_slot::StatusNoTopBit);
}

void DecodeLongSlot(const MemoryImage& image, int address, ChannelRecord& record) {
  const std::uint8_t flags = image.at(address + long_slot::Flags);
  record.inUsaGroup = TestBit(flags, long_slot::NotExpCB1Bit) == 0;
  record.inIntGroup = TestBit(flags, long_slot::NotExpCB2Bit) == 0;
  record.inRegionGroup = TestBit(flags, long_slot::NotExpCB3Bit) == 0;
  record.txEnabled = TestBit(flags, long_slot::TxEnableBit) == 1;
  record.powerUp = TestBit(flags, long_slot::PowUpBit) == 1;
  record.lowPower = TestBit(flags, long_slot::HighPowerBit) == 0;
  record.displayLeft = DecodeText(image, address + long_slot::Display, long_slot::DisplayLength);
  record.rxFrequency = DecodeFreqAt(image, address + long_slot::RxFreq);
  record.txFrequency = DecodeFreqAt(image, address + long_slot::TxFreq);
}

void DecodeList(const MemoryImage& image, const ListLayout& layout, ChannelList& list) {
  list.clear();
  // The enable bitmap holds the record count as a leading run of 1 bits. The radio has no
  // record beyond its slots, whatever the bitmap's spare bits say: a blank radio's RG bitmap
  // (0xFF 0xFF) counts sixteen for twelve slots, the EXP bitmap thirty-two for thirty.
  const int countable = std::min(8 * layout.bitmapBytes, layout.slotCount);
  for (int k = 0; k < countable && BitmapEntry(image, layout.enableAddress, k); ++k) {
    ChannelRecord record;
    record.enabled = true;
    list.append(record);
  }
  if (list.isEmpty()) return;
  for (int k = 0; k < list.size(); ++k) {
    list[k].scanMemory = BitmapEntry(image, layout.scanAddress, k);
  }
  for (int k = 0; k < list.size(); ++k) {
    const int address = layout.recordsAddress + layout.slotSize * k;
    if (layout.slotSize == short_slot::Size) {
      // A slot without a valid channel position ends the records; the rest keep defaults.
      if (image.at(address + short_slot::Position) >= MarineChannelCount) break;
      DecodeShortSlot(image, address, list[k]);
    } else {
      DecodeLongSlot(image, address, list[k]);
    }
  }
}

// The weather list holds one record per channel of the weather table: record k is enabled and
// scanned when bit k of the two bitmaps is set. The bits after the last channel are not read.
void DecodeWeatherList(const MemoryImage& image, const ListLayout& layout, ChannelList& list) {
  list = DefaultWeatherList();
  for (int k = 0; k < list.size(); ++k) {
    list[k].enabled = BitmapEntry(image, layout.enableAddress, k);
    list[k].scanMemory = BitmapEntry(image, layout.scanAddress, k);
  }
}

void EncodeBitmap(MemoryImage& image, int address, int bytes, const ChannelList& list,
                  bool ChannelRecord::*flag) {
  for (int b = 0; b < bytes; ++b) {
    std::uint8_t byte = 0;
    for (int bit = 0; bit < 8; ++bit) {
      const int k = 8 * b + bit;
      if (k < list.size() && list[k].*flag) byte = static_cast<std::uint8_t>(byte | 0x80 >> bit);
    }
    image.set(address + b, byte);
  }
}

void EncodeShortSlot(const ChannelRecord& record, MemoryImage& image, int address) {
  image.set(address + short_slot::Position, static_cast<std::uint8_t>(record.position & 0xFF));
  std::uint8_t flags = image.at(address + short_slot::Flags);
  SetField(flags, short_slot::FieldWidth, short_slot::DuplexTopBit, record.duplex);
  SetField(flags, short_slot::FieldWidth, short_slot::TxModeTopBit, TxMode(record));
  SetField(flags, short_slot::FieldWidth, short_slot::StatusIconTopBit, record.statusIcon);
  SetField(flags, short_slot::FieldWidth, short_slot::StatusNoTopBit, record.statusNo);
  image.set(address + short_slot::Flags, flags);
}

void EncodeLongSlot(const ChannelRecord& record, MemoryImage& image, int address) {
  std::uint8_t flags = 0;
  SetBit(flags, TestBit(image.at(address + long_slot::Flags), long_slot::KeptBit),
         long_slot::KeptBit);
  SetBit(flags, BoolToBit(!record.inUsaGroup), long_slot::NotExpCB1Bit);
  SetBit(flags, BoolToBit(!record.inIntGroup), long_slot::NotExpCB2Bit);
  SetBit(flags, BoolToBit(!record.inRegionGroup), long_slot::NotExpCB3Bit);
  SetBit(flags, BoolToBit(record.txEnabled), long_slot::TxEnableBit);
  SetBit(flags, BoolToBit(record.powerUp), long_slot::PowUpBit);
  SetBit(flags, BoolToBit(!record.lowPower), long_slot::HighPowerBit);
  image.set(address + long_slot::Flags, flags);
  EncodeText(image, address + long_slot::Display, record.displayLeft, long_slot::DisplayLength);
  image.set(address + long_slot::Filler, 0xFF);
  EncodeFreqAt(image, address + long_slot::RxFreq, record.rxFrequency);
  EncodeFreqAt(image, address + long_slot::TxFreq, record.txFrequency);
}

// Bit k of a bitmap for the weather channels, the bits after the last channel kept.
void EncodeWeatherBits(MemoryImage& image, int address, const ChannelList& list,
                       bool ChannelRecord::*flag) {
  for (int k = 0; k < WxChannelCount; ++k) {
    const int byteAddress = address + k / 8;
    std::uint8_t byte = image.at(byteAddress);
    SetBit(byte, BoolToBit(k < list.size() && list[k].*flag), 7 - k % 8);
    image.set(byteAddress, byte);
  }
}

void EncodeWeatherList(const ChannelList& list, const ListLayout& layout, MemoryImage& image) {
  EncodeWeatherBits(image, layout.enableAddress, list, &ChannelRecord::enabled);
  EncodeWeatherBits(image, layout.scanAddress, list, &ChannelRecord::scanMemory);
}

void EncodeList(const ChannelList& list, const ListLayout& layout, MemoryImage& image) {
  EncodeBitmap(image, layout.enableAddress, layout.bitmapBytes, list, &ChannelRecord::enabled);
  EncodeBitmap(image, layout.scanAddress, layout.bitmapBytes, list, &ChannelRecord::scanMemory);
  for (int k = 0; k < layout.slotCount; ++k) {
    const int address = layout.recordsAddress + layout.slotSize * k;
    if (k >= list.size()) {
      for (int i = 0; i < layout.slotSize; ++i) image.set(address + i, 0xFF);
    } else if (layout.slotSize == short_slot::Size) {
      EncodeShortSlot(list[k], image, address);
    } else {
      EncodeLongSlot(list[k], image, address);
    }
  }
}

}  // namespace

void DecodeHeader(const MemoryImage& image, SettingsModel& model) {
  const std::uint8_t usable = image.at(addr::UsableGroups);
  for (int g = 0; g < GroupCount; ++g) {
    ChannelGroup& group = model.groups[static_cast<std::size_t>(g)];
    group.usable = TestBit(usable, UsableGroupBit(g)) == 1;
    if (g < addr::PlanGroupCount) group.priorityChannel = image.word(PriorityChOf(g));
    group.label = g == 2 ? GroupTwoName(image.at(addr::RegionCode)) : kFixedLabels[g];
  }

  CommonSetup& common = model.common;
  common.txPowerDisplay = image.at(addr::TxPoDisplay);
  common.scan = TestBit(image.at(addr::Scan), addr::ScanBit) == 1;
  common.pttScanClear = image.at(addr::PttScanClear) != 0;
  common.resumeTime = image.at(addr::ResumeTime);
  common.dualWatch = image.at(addr::DwTw) != 0;
  common.modeSelect = image.at(addr::ModeSelect);
  common.weatherAlert = image.at(addr::WeatherAlert);

  AtisSetup& atis = model.atis;
  for (int i = 0; i < 4; ++i) {
    atis.groups[static_cast<std::size_t>(i)] =
        TestBit(image.at(addr::AtisChGroup), AtisChGroupBit(i)) == 1;
  }
  atis.mode = image.at(addr::AtisMode);
  atis.code = DecodeDigits(image, addr::AtisCode);
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
  std::uint8_t usable = image.at(addr::UsableGroups);
  for (int g = 0; g < GroupCount; ++g) {
    const ChannelGroup& group = model.groups[static_cast<std::size_t>(g)];
    SetBit(usable, BoolToBit(group.usable), UsableGroupBit(g));
    if (g < addr::PlanGroupCount) WriteWordBE(image, PriorityChOf(g), group.priorityChannel);
  }
  image.set(addr::UsableGroups, usable);

  const CommonSetup& common = model.common;
  StoreByte(image, addr::TxPoDisplay, common.txPowerDisplay);
  std::uint8_t scan = image.at(addr::Scan);
  SetBit(scan, BoolToBit(common.scan), addr::ScanBit);
  image.set(addr::Scan, scan);
  StoreByte(image, addr::ResumeTime, common.resumeTime);
  StoreByte(image, addr::PttScanClear, BoolToBit(common.pttScanClear));
  StoreByte(image, addr::DwTw, BoolToBit(common.dualWatch));
  StoreByte(image, addr::ModeSelect, common.modeSelect);
  StoreByte(image, addr::WeatherAlert, common.weatherAlert);

  const AtisSetup& atis = model.atis;
  std::uint8_t groups = image.at(addr::AtisChGroup);
  for (int i = 0; i < 4; ++i) {
    SetBit(groups, BoolToBit(atis.groups[static_cast<std::size_t>(i)]), AtisChGroupBit(i));
  }
  image.set(addr::AtisChGroup, groups);
  StoreByte(image, addr::AtisMode, atis.mode);
  EncodeDigits(image, addr::AtisCode, atis.code);
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

}  // namespace tpw
