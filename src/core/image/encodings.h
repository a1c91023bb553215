#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "image/memory_image.h"

// Conversions between the radio's byte forms and the values of the settings model, and the
// text forms in which frequencies are shown.
namespace tpw {

// Bits and small fields. Bits are numbered 7 (most significant) to 0.
int TestBit(std::uint8_t byte, int bit);
void SetBit(std::uint8_t& byte, int value, int bit);
int GetField(std::uint8_t byte, int width, int topBit);
void SetField(std::uint8_t& byte, int width, int topBit, int value);
inline int BoolToBit(bool value) {
  return value ? 1 : 0;
}

// Bit `index` of a bitmap that starts at address, most significant bit first.
bool BitmapEntry(const MemoryImage& image, int address, int index);

// A big-endian word; a negative value (none) gives 0xFF 0xFF. MemoryImage::word reads one.
void WriteWordBE(MemoryImage& image, int address, std::int64_t value);

// Stores a model value in a byte; values outside 0..255 leave the byte as it was.
void StoreByte(MemoryImage& image, int address, int value);

// Frequencies: three packed-decimal bytes holding the frequency minus 100 MHz as DD.dddd.
using FreqBytes = std::array<std::uint8_t, 3>;
double DecodeFreq(const FreqBytes& bytes);
FreqBytes EncodeFreq(double frequency);
double DecodeFreqAt(const MemoryImage& image, int address);
void EncodeFreqAt(MemoryImage& image, int address, double frequency);

// Frequency display.
std::string FormatFreq3(double value);
std::string FormatFreq3Masked(double value, bool mask);
// The value on a 5 kHz or 12.5 kHz step: kept when it is on one, otherwise the 5 kHz step
// below it.
double SnapFreq(double value);
std::string FormatFreq4(double value);
bool IsStep25k(double value);

// Channel display characters. The encoder accepts some punctuation the decoder drops.
std::uint8_t CharCode(char c);
std::string CharFromCode(std::uint8_t code);
// Writes the text padded with blanks and cut to width characters.
void EncodeText(MemoryImage& image, int address, std::string_view text, int width);
std::string DecodeText(const MemoryImage& image, int address, int count);

// ATIS digit strings: ten digits in five bytes, high nibble first.
std::string DecodeDigits(const MemoryImage& image, int address);
void EncodeDigits(MemoryImage& image, int address, std::string_view text);

// Text helpers.
std::string HexPad(std::int64_t number, int width);
std::string PadRight(std::string_view text, int width);
std::string FieldOrDashes(std::string_view text);
bool IsNonZeroText(std::string_view text);
std::string Trim(std::string_view text);
std::string ToUpper(std::string_view text);

// The leading decimal number of a text, read the way a lenient numeric parser does: blanks
// are skipped, then an optional sign, digits and one point; the first other character ends
// the number. A text without digits reads as 0.
double LeadingNumber(std::string_view text);

// Rounds to the nearest integer, ties to the even neighbour.
double RoundHalfEven(double value);

}  // namespace tpw
