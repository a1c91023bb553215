#pragma once

// Addresses of the radio's configuration memory, 2048 bytes addressed as in the radio.
// Multi-byte values are big-endian; a bitmap runs from bit 7 of its first byte (entry 0) to
// bit 0 (entry 7), then on through the next byte. Bytes the program does not interpret travel
// unchanged from radio to file to radio.
//
//   0x000-0x001  the PC's own: a read keeps the PC's bytes (KeptLow)
//   0x002-0x07F  not interpreted; a write sends nothing below 0x080
//   0x080-0x081  model version word, 301 in a radio, 300 in a new image
//   0x082-0x083  not interpreted
//   0x084        not interpreted, 0x00 in a new image
//   0x085        current group: 0 USA, 1 INT, 2 CAN/region
//   0x086        current mode: 0 on a group channel, 1 on a weather channel
//   0x087-0x088  current channel, a channel reference (below)
//   0x089-0x08A  second copy of the current channel, made equal before a write
//   0x08B        current weather channel, 0..9
//   0x08C        not interpreted
//   0x08D        TX power display
//   0x08E        not interpreted, 0x00 in a new image
//   0x08F        not interpreted
//   0x090        weather alert, 0..3
//   0x091        bit 0: scan; bits 7..1 kept
//   0x092        not interpreted
//   0x093        PTT scan clear, 0 or 1
//   0x094        resume time, 0..5
//   0x095        dual/triple watch, 0 or 1
//   0x096        mode select
//   0x097        not interpreted
//   0x098        not interpreted, 0x00 in a new image
//   0x099-0x09D  not interpreted
//   0x09E        usable groups: bit 7 - g for group g (0 USA, 1 INT, 2 CAN/region, 3 EXP);
//                bits 3..0 kept
//   0x09F        never written to the radio
//   0x0A0        region code, 0..5 or 0xFF
//   0x0A1-0x0FF  not interpreted
//   0x100-0x167  enable bitmaps, a record count as a run of 1 bits: CHUSA 0x100, CHINT 0x120,
//                CHCAN 0x140 (12 bytes each), CHWX 0x160 (2), CHEXP 0x162 (4), CHRG 0x166 (2)
//   0x168-0x17F  not interpreted (0x168-0x169 are 0x00 in a new image)
//   0x180-0x1E7  scan-memory bitmaps, entry k for record k: each at its enable bitmap + 0x80
//   0x1E8-0x1FF  not interpreted (0x1E8-0x1E9 are 0x00 in a new image)
//   0x200-0x20F  group 0: eight channel references, checked before a write
//   0x210-0x21B  not interpreted
//   0x21C-0x21D  group 0: priority channel, a record number counted from 1; 0xFFFF none
//   0x21E-0x21F  not interpreted
//   0x220-0x23F  group 1, laid out as group 0
//   0x240-0x25F  group 2, laid out as group 0
//   0x260-0x26F  not interpreted
//   0x270-0x276  product code "TR381K" and the byte read with it
//   0x277-0x27F  not interpreted
//   0x280        bits 7..4: ATIS on groups 0..3; bits 3..0 kept
//   0x281        ATIS mode
//   0x282-0x286  ATIS code, ten decimal digits, high nibble first
//   0x287        ATIS counter: the radio counts every new code
//   0x288-0x28F  not interpreted
//   0x290-0x2FF  the PC's own: a read keeps the PC's bytes, a write never sends them (KeptHigh)
//   0x300-0x3BF  CHUSA records: 96 short (2-byte) slots
//   0x3C0-0x47F  CHINT records: 96 short slots
//   0x480-0x53F  CHCAN records: 96 short slots
//   0x540-0x5FF  CHRG records: 12 long (16-byte) slots
//   0x600-0x7DF  CHEXP records: 30 long slots
//   0x7E0-0x7FD  not interpreted
//   0x7FE-0x7FF  second copy of the model version word
//
// The list layout table, Layout(ListId) in settings_model.h, gathers the addresses of each
// channel list below; the fields of every slot and setting are the field tables of
// record_fields.h. An empty slot of either size is all 0xFF.
namespace tpw::addr {

inline constexpr int ModelVersionWord = 0x080;
inline constexpr int ModelVersionWord2 = 0x7FE;
inline constexpr int Unknown084 = 0x084;
inline constexpr int CurrentGroup = 0x085;
inline constexpr int CurrentMode = 0x086;
inline constexpr int CurrentChannel = 0x087;
inline constexpr int CurrentChannel2 = 0x089;
inline constexpr int CurrentWx = 0x08B;
inline constexpr int TxPoDisplay = 0x08D;
inline constexpr int Unknown08E = 0x08E;
inline constexpr int WeatherAlert = 0x090;
inline constexpr int Scan = 0x091;
inline constexpr int ScanBit = 0;
inline constexpr int PttScanClear = 0x093;
inline constexpr int ResumeTime = 0x094;
inline constexpr int DwTw = 0x095;
inline constexpr int ModeSelect = 0x096;
inline constexpr int Unknown098 = 0x098;
inline constexpr int UsableGroups = 0x09E;
inline constexpr int NotWritten09F = 0x09F;
inline constexpr int RegionCode = 0x0A0;

// The channel lists. Each enable bitmap holds its list's record count as a leading run of 1
// bits; the scan-memory bitmap of the list lies ScanBitmapOffset after it, entry k for record k.
inline constexpr int ScanBitmapOffset = 0x80;
inline constexpr int UsaEnableBitmap = 0x100;
inline constexpr int IntEnableBitmap = 0x120;
inline constexpr int CanEnableBitmap = 0x140;
inline constexpr int WxEnableBitmap = 0x160;
inline constexpr int ExpEnableBitmap = 0x162;
inline constexpr int RgEnableBitmap = 0x166;
inline constexpr int PlanBitmapBytes = 12;  // CHUSA, CHINT, CHCAN
inline constexpr int WxBitmapBytes = 2;
inline constexpr int ExpBitmapBytes = 4;
inline constexpr int RgBitmapBytes = 2;
// The slots of the lists that have records in memory.
inline constexpr int UsaSlots = 0x300;
inline constexpr int IntSlots = 0x3C0;
inline constexpr int CanSlots = 0x480;
inline constexpr int RgSlots = 0x540;
inline constexpr int ExpSlots = 0x600;
inline constexpr int PlanSlotCount = 96;
inline constexpr int RgSlotCount = 12;
inline constexpr int ExpSlotCount = 30;

// Each of the groups 0..2 (USA, INT, CAN/region; the EXP group has none) has a block of
// GroupStride bytes: eight channel references, then the priority channel.
inline constexpr int PlanGroupCount = 3;
inline constexpr int GroupChannelRefs = 0x200;
inline constexpr int GroupStride = 0x20;
inline constexpr int GroupChannelRefCount = 8;
inline constexpr int PriorityCh = 0x21C;

inline constexpr int ProductCode = 0x270;
inline constexpr int ProductCodeLength = 6;

inline constexpr int AtisChGroup = 0x280;
inline constexpr int AtisMode = 0x281;
inline constexpr int AtisCode = 0x282;
inline constexpr int AtisCodeLength = 5;
inline constexpr int AtisCount = 0x287;

// Areas the PC keeps for itself when a read brings the radio's memory in.
inline constexpr int KeptLowFirst = 0x000;
inline constexpr int KeptLowLast = 0x001;
inline constexpr int KeptHighFirst = 0x290;
inline constexpr int KeptHighLast = 0x2FF;

// Bit of group g in UsableGroups, and of ATIS group g in AtisChGroup.
constexpr int UsableGroupBit(int group) {
  return 7 - group;
}
constexpr int AtisChGroupBit(int group) {
  return 7 - group;
}
// The channel reference word i (0..7) of group g (0..2), and the group's priority word.
constexpr int GroupChannelRef(int group, int index) {
  return GroupChannelRefs + GroupStride * group + 2 * index;
}
constexpr int PriorityChOf(int group) {
  return PriorityCh + GroupStride * group;
}

// A short (2-byte) slot of CHUSA, CHINT and CHCAN: the channel position, then a byte of four
// 2-bit fields, each named by its top bit.
namespace short_slot {
inline constexpr int Size = 2;
inline constexpr int Position = 0;
inline constexpr int Flags = 1;
inline constexpr int FieldWidth = 2;
inline constexpr int DuplexTopBit = 7;
inline constexpr int TxModeTopBit = 5;  // 0 off, 1 low, 2 low with power-up, 3 high
inline constexpr int StatusIconTopBit = 3;
inline constexpr int StatusNoTopBit = 1;
}  // namespace short_slot

// A long (16-byte) slot of CHRG and CHEXP. Bytes 10..15 are kept as the radio has them.
namespace long_slot {
inline constexpr int Size = 16;
inline constexpr int Kept = 10;  // the first of the bytes kept
inline constexpr int Flags = 0;
inline constexpr int Display = 1;  // two character codes
inline constexpr int DisplayLength = 2;
inline constexpr int Filler = 3;  // written as 0xFF, ignored when read
inline constexpr int RxFreq = 4;  // three packed-decimal bytes
inline constexpr int TxFreq = 7;  // three packed-decimal bytes
// Bits of the flags byte. Bit 6 is kept as the radio has it; bit 0 is written as 0.
inline constexpr int TxEnableBit = 7;
inline constexpr int KeptBit = 6;
inline constexpr int PowUpBit = 5;
inline constexpr int HighPowerBit = 4;  // set: LowPower false
inline constexpr int NotExpCB1Bit = 3;  // clear: in the USA group
inline constexpr int NotExpCB2Bit = 2;
inline constexpr int NotExpCB3Bit = 1;
inline constexpr int ZeroBit = 0;  // written as 0, ignored when read
}  // namespace long_slot

// Channel references (the current channel and the group channel references). Within a
// group, 0..LastRecordRef is a record of the group's list; FirstExpRef..LastExpRef names entry
// (reference - ExpEntryBase) of the CHEXP enable bitmap, counted only up to LastExpEntry.
// 0xFFFF means none; every other value is invalid.
inline constexpr int LastRecordRef = 113;
inline constexpr int FirstExpRef = 160;
inline constexpr int LastExpRef = 199;
inline constexpr int ExpEntryBase = 159;
inline constexpr int LastExpEntry = 39;

}  // namespace tpw::addr
