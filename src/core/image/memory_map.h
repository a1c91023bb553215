#pragma once

// Addresses of the radio's configuration memory. Multi-byte values are big-endian and
// bitmaps run from bit 7 of their first byte.
namespace tpw::addr {

inline constexpr int ModelVersionWord = 0x080;  // second copy at ImageLastIndex - 1
inline constexpr int ModelVersionWord2 = 0x7FE;
inline constexpr int Unknown084 = 0x084;
inline constexpr int CurrentGroup = 0x085;
inline constexpr int CurrentMode = 0x086;
inline constexpr int CurrentChannel = 0x087;
inline constexpr int CurrentChannel2 = 0x089;
inline constexpr int CurrentWx = 0x08B;
inline constexpr int TxPoDisplay = 0x08D;
inline constexpr int Unknown08E = 0x08E;
inline constexpr int Weater = 0x090;
inline constexpr int Scan = 0x091;  // bit 0
inline constexpr int PttScanClear = 0x093;
inline constexpr int ResumeTime = 0x094;
inline constexpr int DwTw = 0x095;
inline constexpr int ModeSelect = 0x096;
inline constexpr int Unknown098 = 0x098;
inline constexpr int UsableGroups = 0x09E;  // bit 7 - g for group g
inline constexpr int NotWritten09F = 0x09F;
inline constexpr int RegionCode = 0x0A0;

inline constexpr int GroupChannelRefs = 0x200;  // + 0x20 * group, eight words
inline constexpr int GroupStride = 0x20;
inline constexpr int GroupChannelRefCount = 8;
inline constexpr int PriorityCh = 0x21C;  // + 0x20 * group, groups 0..2

inline constexpr int ProductCode = 0x270;  // "TR381K", then one byte read with it
inline constexpr int ProductCodeLength = 6;

inline constexpr int AtisChGroup = 0x280;  // bits 7..4
inline constexpr int AtisMode = 0x281;
inline constexpr int AtisCode = 0x282;  // five bytes, ten digits
inline constexpr int AtisCodeLength = 5;
inline constexpr int AtisCount = 0x287;

// Areas the PC keeps for itself when a read brings the radio's memory in.
inline constexpr int KeptLowFirst = 0x000;
inline constexpr int KeptLowLast = 0x001;
inline constexpr int KeptHighFirst = 0x290;
inline constexpr int KeptHighLast = 0x2FF;

}  // namespace tpw::addr
