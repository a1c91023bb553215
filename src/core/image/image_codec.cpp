#include "image/image_codec.h"

#include "image/channel_tables.h"
#include "image/encodings.h"
#include "image/memory_map.h"

namespace tpw {

namespace {

constexpr int kPriorityAddress[3] = {0x21C, 0x23C, 0x25C};
constexpr const char* kFixedLabels[4] = {"USA", "INT", nullptr, "EXP"};

// The channel lists in the order they are decoded and encoded.
constexpr ListId kCodecOrder[] = {ListId::CHUSA, ListId::CHINT, ListId::CHCAN,
                                  ListId::CHWX,  ListId::CHEXP, ListId::CHRG};

// Transmit mode of a 2-byte record: 0 off, 1 low, 2 low with power-up, 3 high.
void ApplyTxMode(ChannelRecord& record, int mode) {
  record.TxEnable = mode != 0;
  record.LowPower = mode == 1 || mode == 2;
  record.PowUp = mode == 2;
}

int TxMode(const ChannelRecord& record) {
  if (!record.TxEnable) return 0;
  if (!record.LowPower) return 3;
  return record.PowUp ? 2 : 1;
}

void DecodeShortSlot(const MemoryImage& image, int address, ChannelRecord& record) {
  record.Position = image.at(address);
  const std::uint8_t flags = image.at(address + 1);
  record.Duplex = static_cast<std::int16_t>(GetField(flags, 2, 7));
  ApplyTxMode(record, GetField(flags, 2, 5));
  record.StatusIcon = static_cast<std::int16_t>(GetField(flags, 2, 3));
  record.StatusNo = static_cast<std::int16_t>(GetField(flags, 2, 1));
}

void DecodeLongSlot(const MemoryImage& image, int address, ChannelRecord& record) {
  const std::uint8_t flags = image.at(address);
  record.ExpCB1 = TestBit(flags, 3) == 0;
  record.ExpCB2 = TestBit(flags, 2) == 0;
  record.ExpCB3 = TestBit(flags, 1) == 0;
  record.TxEnable = TestBit(flags, 7) == 1;
  record.PowUp = TestBit(flags, 5) == 1;
  record.LowPower = TestBit(flags, 4) == 0;
  record.CHDisplayL = DecodeText(image, address + 1, 2);
  record.Rxfreq = DecodeFreqAt(image, address + 4);
  record.Txfreq = DecodeFreqAt(image, address + 7);
}

void DecodeList(const MemoryImage& image, const ListLayout& layout, ChannelList& list) {
  list.clear();
  // The enable bitmap holds the record count as a leading run of 1 bits.
  for (int k = 0; k < 8 * layout.bitmapBytes && BitmapEntry(image, layout.enableAddress, k); ++k) {
    ChannelRecord record;
    record.Enable = true;
    list.append(record);
  }
  if (list.isEmpty()) return;
  for (int k = 0; k < list.size(); ++k) {
    list[k].ScanMemory = BitmapEntry(image, layout.scanAddress, k);
  }
  for (int k = 0; k < list.size() && k < layout.slotCount; ++k) {
    const int address = layout.recordsAddress + layout.slotSize * k;
    if (layout.slotSize == 2) {
      // A slot without a valid channel position ends the records; the rest keep defaults.
      if (image.at(address) >= MarineChannelCount) break;
      DecodeShortSlot(image, address, list[k]);
    } else {
      DecodeLongSlot(image, address, list[k]);
    }
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
  image.set(address, static_cast<std::uint8_t>(record.Position & 0xFF));
  std::uint8_t flags = image.at(address + 1);
  SetField(flags, 2, 7, record.Duplex);
  SetField(flags, 2, 5, TxMode(record));
  SetField(flags, 2, 3, record.StatusIcon);
  SetField(flags, 2, 1, record.StatusNo);
  image.set(address + 1, flags);
}

void EncodeLongSlot(ChannelRecord& record, MemoryImage& image, int address) {
  std::uint8_t flags = image.at(address) & 0x40;  // bit 6 is the radio's own
  if (!record.ExpCB1) flags |= 0x08;
  if (!record.ExpCB2) flags |= 0x04;
  if (!record.ExpCB3) flags |= 0x02;
  if (record.TxEnable) flags |= 0x80;
  if (record.PowUp) flags |= 0x20;
  if (!record.LowPower) flags |= 0x10;
  image.set(address, flags);
  EncodeText(image, address + 1, record.CHDisplayL, 2);
  image.set(address + 3, 0xFF);
  EncodeFreqAt(image, address + 4, record.Rxfreq);
  EncodeFreqAt(image, address + 7, record.Txfreq);
}

void EncodeList(ChannelList& list, const ListLayout& layout, MemoryImage& image) {
  EncodeBitmap(image, layout.enableAddress, layout.bitmapBytes, list, &ChannelRecord::Enable);
  EncodeBitmap(image, layout.scanAddress, layout.bitmapBytes, list, &ChannelRecord::ScanMemory);
  for (int k = 0; k < layout.slotCount; ++k) {
    const int address = layout.recordsAddress + layout.slotSize * k;
    if (k >= list.size()) {
      for (int i = 0; i < layout.slotSize; ++i) image.set(address + i, 0xFF);
    } else if (layout.slotSize == 2) {
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
    group.Usable = TestBit(usable, 7 - g) == 1;
    if (g < 3) group.PriorityCh = image.word(kPriorityAddress[g]);
    group.GroupLabel = g == 2 ? GroupTwoName(image.at(addr::RegionCode)) : kFixedLabels[g];
  }

  CommonSetup& common = model.common;
  common.TxPoDisplay = image.at(addr::TxPoDisplay);
  common.Scan = TestBit(image.at(addr::Scan), 0) == 1;
  common.PttScanClear = image.at(addr::PttScanClear) != 0;
  common.ResumeTime = image.at(addr::ResumeTime);
  common.DwTw = image.at(addr::DwTw) != 0;
  common.ModeSelect = image.at(addr::ModeSelect);
  common.Weater = image.at(addr::Weater);

  AtisSetup& atis = model.atis;
  for (int i = 0; i < 4; ++i) {
    atis.AtisChGroup[static_cast<std::size_t>(i)] =
        TestBit(image.at(addr::AtisChGroup), 7 - i) == 1;
  }
  atis.AtisMode = image.at(addr::AtisMode);
  atis.AtisCode = DecodeDigits(image, addr::AtisCode);
}

void DecodeImage(const MemoryImage& image, SettingsModel& model, bool wxSupported) {
  DecodeHeader(image, model);
  for (ListId id : kCodecOrder) {
    if (id == ListId::CHWX && !wxSupported) continue;
    DecodeList(image, Layout(id), model.list(id));
  }
}

void EncodeHeader(SettingsModel& model, MemoryImage& image) {
  std::uint8_t usable = image.at(addr::UsableGroups);
  for (int g = 0; g < GroupCount; ++g) {
    const ChannelGroup& group = model.groups[static_cast<std::size_t>(g)];
    SetBit(usable, BoolToBit(group.Usable), 7 - g);
    if (g < 3) WriteWordBE(image, kPriorityAddress[g], group.PriorityCh);
  }
  image.set(addr::UsableGroups, usable);

  const CommonSetup& common = model.common;
  StoreByte(image, addr::TxPoDisplay, common.TxPoDisplay);
  std::uint8_t scan = image.at(addr::Scan);
  SetBit(scan, BoolToBit(common.Scan), 0);
  image.set(addr::Scan, scan);
  StoreByte(image, addr::ResumeTime, common.ResumeTime);
  StoreByte(image, addr::PttScanClear, BoolToBit(common.PttScanClear));
  StoreByte(image, addr::DwTw, BoolToBit(common.DwTw));
  StoreByte(image, addr::ModeSelect, common.ModeSelect);
  StoreByte(image, addr::Weater, common.Weater);

  const AtisSetup& atis = model.atis;
  std::uint8_t groups = image.at(addr::AtisChGroup);
  for (int i = 0; i < 4; ++i) {
    SetBit(groups, BoolToBit(atis.AtisChGroup[static_cast<std::size_t>(i)]), 7 - i);
  }
  image.set(addr::AtisChGroup, groups);
  StoreByte(image, addr::AtisMode, atis.AtisMode);
  EncodeDigits(image, addr::AtisCode, atis.AtisCode);
}

void EncodeImage(SettingsModel& model, MemoryImage& image, bool wxSupported) {
  EncodeHeader(model, image);
  for (ListId id : kCodecOrder) {
    if (id == ListId::CHWX && !wxSupported) continue;
    EncodeList(model.list(id), Layout(id), image);
  }
}

}  // namespace tpw
