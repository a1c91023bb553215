#include "image/encodings.h"

#include <charconv>
#include <cmath>

#include "image/text_values.h"

namespace tpw {

namespace {

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

int TestBit(std::uint8_t byte, int bit) {
  if (bit < 0 || bit > 7) return 0;
  return (byte >> bit) & 1;
}

void SetBit(std::uint8_t& byte, int value, int bit) {
  if (bit < 0 || bit > 7) return;
  const auto mask = static_cast<std::uint8_t>(1u << bit);
  byte =
      value == 1 ? static_cast<std::uint8_t>(byte | mask) : static_cast<std::uint8_t>(byte & ~mask);
}

int GetField(std::uint8_t byte, int width, int topBit) {
  if (width < 1) return 0;
  int value = 0;
  for (int bit = topBit; bit > topBit - width; --bit) value = value * 2 + TestBit(byte, bit);
  return value;
}

void SetField(std::uint8_t& byte, int width, int topBit, int value) {
  if (value < 0 || value > 255) return;
  for (int i = 0; i < width; ++i) SetBit(byte, (value >> i) & 1, topBit - width + 1 + i);
}

bool BitmapEntry(const MemoryImage& image, int address, int index) {
  return TestBit(image.at(address + index / 8), 7 - index % 8) == 1;
}

void WriteWordBE(MemoryImage& image, int address, std::int64_t value) {
  if (value < 0) {
    image.set(address, 0xFF);
    image.set(address + 1, 0xFF);
    return;
  }
  image.set(address, static_cast<std::uint8_t>((value / 256) & 0xFF));
  image.set(address + 1, static_cast<std::uint8_t>(value % 256));
}

void StoreByte(MemoryImage& image, int address, int value) {
  if (value >= 0 && value <= 255) image.set(address, static_cast<std::uint8_t>(value));
}

double DecodeFreq(const FreqBytes& bytes) {
  const std::string text = HexPad(bytes[0], 2) + "." + HexPad(bytes[1], 2) + HexPad(bytes[2], 2);
  const double frequency = LeadingNumber(text) + 100;
  return frequency > 100 && frequency < 200 ? frequency : 0;
}

FreqBytes EncodeFreq(double frequency) {
  if (!(frequency > 100)) return {0, 0, 0};
  // Pattern "00.0000": two integer digits at least, four decimals, rounded.
  char buffer[64];
  auto result =
      std::to_chars(buffer, buffer + sizeof buffer, frequency - 100, std::chars_format::fixed, 4);
  std::string text(buffer, result.ptr);
  if (text.find('.') < 2) text.insert(0, 2 - text.find('.'), '0');
  // Characters 1-2 and 4-7 are the six digits; each is packed as its value in 4 bits.
  const std::string digits = text.substr(0, 2) + text.substr(3, 4);
  auto nibble = [&](std::size_t i) {
    const char c = i < digits.size() ? digits[i] : '0';
    return static_cast<std::uint8_t>((IsDecimalDigit(c) ? c - '0' : 0) & 0x0F);
  };
  FreqBytes bytes{};
  for (std::size_t b = 0; b < 3; ++b) {
    bytes[b] = static_cast<std::uint8_t>(nibble(2 * b) << 4 | nibble(2 * b + 1));
  }
  return bytes;
}

double DecodeFreqAt(const MemoryImage& image, int address) {
  return DecodeFreq({image.at(address), image.at(address + 1), image.at(address + 2)});
}

void EncodeFreqAt(MemoryImage& image, int address, double frequency) {
  const FreqBytes bytes = EncodeFreq(frequency);
  for (int i = 0; i < 3; ++i) image.set(address + i, bytes[static_cast<std::size_t>(i)]);
}

double SnapFreq(double value) {
  const auto n = static_cast<std::int64_t>(RoundHalfEven(value * 10000));
  if (n % 50 == 0 || n % 125 == 0) return value;
  // The largest multiple of 5 kHz not above the value.
  const std::int64_t below = n - ((n % 50) + 50) % 50;
  return static_cast<double>(below) / 10000;
}

bool IsStep25k(double value) {
  return static_cast<std::int64_t>(RoundHalfEven(value * 10000)) % 250 == 0;
}

std::uint8_t CharCode(char c) {
  static constexpr std::string_view kPunctuation = "-+().*/ ,";
  if (IsDecimalDigit(c) || IsLetter(c) || kPunctuation.find(c) != std::string_view::npos) {
    return static_cast<std::uint8_t>(c);
  }
  return 255;
}

std::string CharFromCode(std::uint8_t code) {
  if (code == 255) return " ";
  const auto c = static_cast<char>(code);
  if (IsDecimalDigit(c) || IsLetter(c) || c == ' ') return std::string(1, c);
  return {};
}

void EncodeText(MemoryImage& image, int address, std::string_view text, int width) {
  const std::string padded = PadRight(text, width);
  for (int i = 0; i < width; ++i) {
    image.set(address + i, CharCode(padded[static_cast<std::size_t>(i)]));
  }
}

std::string DecodeText(const MemoryImage& image, int address, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += CharFromCode(image.at(address + i));
  return text;
}

std::string DecodeDigits(const MemoryImage& image, int address) {
  std::string digits;
  for (int i = 0; i < 10; ++i) {
    const std::uint8_t byte = image.at(address + i / 2);
    const int nibble = i % 2 == 0 ? byte >> 4 : byte & 0x0F;
    if (nibble > 9) break;
    digits += static_cast<char>('0' + nibble);
  }
  return digits;
}

void EncodeDigits(MemoryImage& image, int address, std::string_view text) {
  if (Trim(text).empty()) {
    for (int i = 0; i < 5; ++i) image.set(address + i, 0xFF);
    return;
  }
  const std::string padded = std::string(text) + std::string(10, ' ');
  auto nibble = [&](int i) {
    const char c = padded[static_cast<std::size_t>(i)];
    return IsDecimalDigit(c) ? c - '0' : 0x0F;
  };
  for (int i = 0; i < 5; ++i) {
    image.set(address + i, static_cast<std::uint8_t>(nibble(2 * i) << 4 | nibble(2 * i + 1)));
  }
}

double RoundHalfEven(double value) {
  // nearbyint rounds in the current mode; the program never leaves round-to-nearest-even.
  return std::nearbyint(value);
}

}  // namespace tpw
