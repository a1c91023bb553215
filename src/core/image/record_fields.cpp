#include "image/record_fields.h"

#include <stdexcept>

#include "image/memory_map.h"
#include "image/translatable.h"

namespace tpw {

namespace {

namespace short_slot = addr::short_slot;
namespace long_slot = addr::long_slot;
using Channel = Field<ChannelRecord>;

// ---- channel records ----

// The fields every channel list has, placed by each record shape below.
constexpr Channel kEnable = {{.keys = {"Enable"}, .label = TPW_TEXT("Editor", "CH Enable")},
                             MemberOf<&ChannelRecord::enabled>()};
constexpr Channel kLowPower = {
    {.keys = {"LowPower"}, .label = TPW_TEXT("Editor", "Low Power Only")},
    MemberOf<&ChannelRecord::lowPower>()};
constexpr Channel kPowerUp = {{.keys = {"PowUp"}, .label = TPW_TEXT("Editor", "Power Up")},
                              MemberOf<&ChannelRecord::powerUp>()};
constexpr Channel kTxEnable = {{.keys = {"TxEnable"}, .label = TPW_TEXT("Editor", "Tx Enable")},
                               MemberOf<&ChannelRecord::txEnabled>()};
constexpr Channel kScanMemory = {
    {.keys = {"ScanMemory"}, .label = TPW_TEXT("Editor", "Scan Memory")},
    MemberOf<&ChannelRecord::scanMemory>()};
constexpr Channel kScramble = {{.keys = {"Scramble"},
                                .label = TPW_TEXT("Editor", "Scrambler"),
                                .kind = FieldKind::Number,
                                .scrambleOnly = true},
                               MemberOf<&ChannelRecord::scramble>()};

constexpr Channel At(Channel field, Place place, SharedBits<ChannelRecord> shared = {}) {
  field.place = place;
  field.shared = shared;
  return field;
}

// The records of a short slot are enabled whatever a data file says: the enable bitmap counts
// them.
constexpr Channel AlwaysOn(Channel field) {
  field.rule = FileRule::AlwaysOn;
  return field;
}

// The transmit mode of a short slot holds three fields in two bits: 0 off, 1 low power, 2 low
// power with power-up, 3 high power.
constexpr Place kTxMode = Bits(short_slot::Flags, short_slot::TxModeTopBit, short_slot::FieldWidth);
constexpr int kTxOff = 0;
constexpr int kTxLow = 1;
constexpr int kTxLowPowerUp = 2;
constexpr int kTxHigh = 3;

int TxMode(const ChannelRecord& record) {
  if (!record.txEnabled) return kTxOff;
  if (!record.lowPower) return kTxHigh;
  return record.powerUp ? kTxLowPowerUp : kTxLow;
}
constexpr SharedBits<ChannelRecord> kTxEnabledMode = {
    &TxMode, [](ChannelRecord& r, int mode) { r.txEnabled = mode != kTxOff; }};
constexpr SharedBits<ChannelRecord> kLowPowerMode = {
    &TxMode,
    [](ChannelRecord& r, int mode) { r.lowPower = mode == kTxLow || mode == kTxLowPowerUp; }};
constexpr SharedBits<ChannelRecord> kPowerUpMode = {
    &TxMode, [](ChannelRecord& r, int mode) { r.powerUp = mode == kTxLowPowerUp; }};

constexpr Place ShortField(int topBit) {
  return Bits(short_slot::Flags, topBit, short_slot::FieldWidth);
}

constexpr Channel kPlanFields[] = {
    {{.keys = {"Position"},
      .label = TPW_TEXT("Editor", "BASE CH No."),
      .kind = FieldKind::Number,
      .place = Byte(short_slot::Position),
      .limit = Limit::ChannelPosition,
      .endsRecords = true,
      .endsList = EndsList::WhenMissing},
     MemberOf<&ChannelRecord::position>()},
    AlwaysOn(At(kEnable, InBitmap(ListBitmap::Enable))),
    At(kLowPower, kTxMode, kLowPowerMode),
    At(kPowerUp, kTxMode, kPowerUpMode),
    {{.keys = {"Duplex"},
      .label = TPW_TEXT("Editor", "SIMP/DUP"),
      .kind = FieldKind::Number,
      .place = ShortField(short_slot::DuplexTopBit)},
     MemberOf<&ChannelRecord::duplex>()},
    At(kTxEnable, kTxMode, kTxEnabledMode),
    {{.keys = {"StatusNo"},
      .label = TPW_TEXT("Editor", "CH Status No."),
      .kind = FieldKind::Number,
      .place = ShortField(short_slot::StatusNoTopBit)},
     MemberOf<&ChannelRecord::statusNo>()},
    {{.keys = {"StatusIcon"},
      .label = TPW_TEXT("Editor", "Status Icon"),
      .kind = FieldKind::Number,
      .place = ShortField(short_slot::StatusIconTopBit)},
     MemberOf<&ChannelRecord::statusIcon>()},
    At(kScanMemory, InBitmap(ListBitmap::Scan)),
    kScramble,
};

constexpr Channel kWeatherFields[] = {
    At(kEnable, InBitmap(ListBitmap::Enable)),
    At(kScanMemory, InBitmap(ListBitmap::Scan)),
};

// A section whose Enable is 0 ends the list: the enable bitmap counts the records.
constexpr Channel FirstOfList(Channel field) {
  field.endsList = EndsList::WhenMissingOrZero;
  return field;
}

constexpr Channel kFreeFields[] = {
    FirstOfList(At(kEnable, InBitmap(ListBitmap::Enable))),
    {{.keys = {"CHDisplayL"},
      .label = TPW_TEXT("Editor", "CH Display"),
      .kind = FieldKind::Text,
      .place = TextAt(long_slot::Display, long_slot::DisplayLength)},
     MemberOf<&ChannelRecord::displayLeft>()},
    {{.keys = {"CHDisplayR"},
      .label = TPW_TEXT("Editor", "CH Display (right)"),
      .kind = FieldKind::Text},
     MemberOf<&ChannelRecord::displayRight>()},
    {{.keys = {"Rxfreq"},
      .label = TPW_TEXT("Editor", "Rx Frequency"),
      .kind = FieldKind::Frequency,
      .place = FrequencyAt(long_slot::RxFreq)},
     MemberOf<&ChannelRecord::rxFrequency>()},
    {{.keys = {"Txfreq"},
      .label = TPW_TEXT("Editor", "Tx Frequency"),
      .kind = FieldKind::Frequency,
      .place = FrequencyAt(long_slot::TxFreq)},
     MemberOf<&ChannelRecord::txFrequency>()},
    At(kLowPower, InvertedBit(long_slot::Flags, long_slot::HighPowerBit)),
    At(kPowerUp, Bit(long_slot::Flags, long_slot::PowUpBit)),
    At(kTxEnable, Bit(long_slot::Flags, long_slot::TxEnableBit)),
    At(kScanMemory, InBitmap(ListBitmap::Scan)),
    kScramble,
    // A group bit clear puts the channel in the group.
    {{.keys = {"ExpCB1"},
      .label = TPW_TEXT("Editor", "USA Group"),
      .place = InvertedBit(long_slot::Flags, long_slot::NotExpCB1Bit)},
     MemberOf<&ChannelRecord::inUsaGroup>()},
    {{.keys = {"ExpCB2"},
      .label = TPW_TEXT("Editor", "INT Group"),
      .place = InvertedBit(long_slot::Flags, long_slot::NotExpCB2Bit)},
     MemberOf<&ChannelRecord::inIntGroup>()},
    {{.keys = {"ExpCB3"},
      .label = TPW_TEXT("Editor", "Region Group"),
      .place = InvertedBit(long_slot::Flags, long_slot::NotExpCB3Bit)},
     MemberOf<&ChannelRecord::inRegionGroup>()},
};
constexpr SlotConstant kFreeConstants[] = {
    {long_slot::Flags, 1 << long_slot::ZeroBit, 0x00},
    {long_slot::Filler, 0xFF, 0xFF},
};

constexpr RecordLayout<ChannelRecord> kPlanRecord = {"", short_slot::Size, kPlanFields};
// The weather sections are numbered from 0, as the channels' place in the weather table.
constexpr RecordLayout<ChannelRecord> kWeatherRecord = {"", 0, kWeatherFields, {}, 0};
constexpr RecordLayout<ChannelRecord> kFreeRecord = {"", long_slot::Size, kFreeFields,
                                                     kFreeConstants};

// ---- setups ----

constexpr Field<ChannelGroups> kGroupFields[] = {
    {{.keys = {"Group1", "Group2", "Group3", "Exp CH"},
      .label = TPW_TEXT("Editor", "Usable CH Group"),
      .place = Bit(addr::UsableGroups, addr::UsableGroupBit(0))},
     ElementMemberOf<&ChannelGroup::usable, GroupCount>()},
    // The EXP group's priority channel is kept in data files only.
    {{.keys = {"Priority CH0", "Priority CH1", "Priority CH2", "Priority CH3"},
      .label = TPW_TEXT("Editor", "Priority CH"),
      .kind = FieldKind::Number,
      .place = Words(addr::PriorityChOf(0), addr::GroupStride, addr::PlanGroupCount),
      .limit = Limit::PriorityChannel},
     ElementMemberOf<&ChannelGroup::priorityChannel, GroupCount>()},
};

constexpr Field<CommonSetup> kCommonFields[] = {
    {{.keys = {"TX Po Display"},
      .label = TPW_TEXT("Editor", "TX Power Display"),
      .kind = FieldKind::Number,
      .place = Byte(addr::TxPoDisplay)},
     MemberOf<&CommonSetup::txPowerDisplay>()},
    {{.keys = {"SCAN"},
      .label = TPW_TEXT("Editor", "SCAN"),
      .place = Bit(addr::Scan, addr::ScanBit)},
     MemberOf<&CommonSetup::scan>()},
    {{.keys = {"Resume Time"},
      .label = TPW_TEXT("Editor", "Resume Time"),
      .kind = FieldKind::Number,
      .place = Byte(addr::ResumeTime)},
     MemberOf<&CommonSetup::resumeTime>()},
    // A whole byte, 0 or 1; any other value reads as on.
    {{.keys = {"PTT SCAN Clear"},
      .label = TPW_TEXT("Editor", "PTT SCAN Clear"),
      .place = Byte(addr::PttScanClear)},
     MemberOf<&CommonSetup::pttScanClear>()},
    {{.keys = {"DW/TW"}, .label = TPW_TEXT("Editor", "DW/TW"), .place = Byte(addr::DwTw)},
     MemberOf<&CommonSetup::dualWatch>()},
    {{.keys = {"Mode Select"},
      .label = TPW_TEXT("Editor", "Mode Select"),
      .kind = FieldKind::Number,
      .place = Byte(addr::ModeSelect)},
     MemberOf<&CommonSetup::modeSelect>()},
    {{.keys = {"Offset Time"},
      .label = TPW_TEXT("Editor", "Offset Time"),
      .kind = FieldKind::Number},
     MemberOf<&CommonSetup::offsetTime>()},
    {{.keys = {"Time Display"}, .label = TPW_TEXT("Editor", "Time Display")},
     MemberOf<&CommonSetup::timeDisplay>()},
    {{.keys = {"Weater"},
      .label = TPW_TEXT("Editor", "Weather Alert"),
      .kind = FieldKind::Number,
      .place = Byte(addr::WeatherAlert)},
     MemberOf<&CommonSetup::weatherAlert>()},
};

constexpr Field<AtisSetup> kAtisFields[] = {
    {{.keys = {"Usable ATIS CH Group0", "Usable ATIS CH Group1", "Usable ATIS CH Group2",
               "Usable ATIS CH Group3"},
      .label = TPW_TEXT("Editor", "Usable ATIS CH Group"),
      .place = Bit(addr::AtisChGroup, addr::AtisChGroupBit(0)),
      .rule = FileRule::NonZeroNumber},
     EntryOf<&AtisSetup::groups>()},
    {{.keys = {"Atis Mode"},
      .label = TPW_TEXT("Editor", "ATIS Mode"),
      .kind = FieldKind::Number,
      .place = Byte(addr::AtisMode),
      .hashPrefix = true},
     MemberOf<&AtisSetup::mode>()},
    // A code the radio cannot hold would be programmed as garbage that only an ATIS clear
    // removes, and a code kept from before might be programmed for good: neither is kept.
    {{.keys = {"Atis Code"},
      .label = TPW_TEXT("Editor", "ATIS Code"),
      .kind = FieldKind::Digits,
      .place = DigitsAt(addr::AtisCode),
      .rule = FileRule::NoneUnlessTaken,
      .hashPrefix = true,
      .whenRefused = "read as no code, so none is programmed"},
     MemberOf<&AtisSetup::code>()},
};

}  // namespace

const RecordLayout<ChannelRecord>& ChannelRecordLayout(RecordShape shape) {
  switch (shape) {
    case RecordShape::Plan:
      return kPlanRecord;
    case RecordShape::Weather:
      return kWeatherRecord;
    case RecordShape::Free:
      return kFreeRecord;
  }
  throw std::logic_error("unknown record shape");
}

const RecordLayout<ChannelRecord>& ChannelRecordLayout(ListId list) {
  return ChannelRecordLayout(Layout(list).shape);
}

const RecordLayout<ChannelGroups>& ChannelGroupsLayout() {
  static constexpr RecordLayout<ChannelGroups> layout = {"Usable CH Group Setup", 0, kGroupFields};
  return layout;
}

const RecordLayout<CommonSetup>& CommonSetupLayout() {
  static constexpr RecordLayout<CommonSetup> layout = {"Common Setup", 0, kCommonFields};
  return layout;
}

const RecordLayout<AtisSetup>& AtisSetupLayout() {
  static constexpr RecordLayout<AtisSetup> layout = {"ATIS Setup", 0, kAtisFields};
  return layout;
}

int BitmapAddress(const ListLayout& list, ListBitmap bitmap) {
  return bitmap == ListBitmap::Enable ? list.enableAddress : list.scanAddress;
}

}  // namespace tpw
