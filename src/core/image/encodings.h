#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "image/memory_image.h"

// Conversions between the radio's byte forms and the values of the settings model.
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

// The value on a 5 kHz or 12.5 kHz step: kept when it is on one, otherwise the 5 kHz step
// below it.
double SnapFreq(double value);
// True when the value is on a 25 kHz step.
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

// Rounds to the nearest integer, ties to the even neighbour.
double RoundHalfEven(double value);

}  // namespace tpw
