#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>

namespace tpw {

// The last valid address of the radio's configuration memory.
inline constexpr int ImageLastIndex = 2047;
inline constexpr std::size_t ImageSize = ImageLastIndex + 1;

using ImageBytes = std::array<std::uint8_t, ImageSize>;

// An address outside the radio's memory is a fault of the program, never of the data:
// it is thrown, so that it stops the program (and fails a test) instead of corrupting memory.
class ImageAddressFault : public std::logic_error {
 public:
  explicit ImageAddressFault(int address);
};

// Byte-exact copy of the radio's 2048-byte configuration memory, addressed as in the radio.
class MemoryImage {
 public:
  MemoryImage() { bytes_.fill(0xFF); }
  explicit MemoryImage(const ImageBytes& bytes) : bytes_(bytes) {}

  std::uint8_t at(int address) const { return bytes_[checked(address)]; }
  void set(int address, std::uint8_t value) { bytes_[checked(address)] = value; }

  // Big-endian 16-bit word at address and address + 1.
  int word(int address) const { return at(address) * 256 + at(address + 1); }

  // Copies count bytes starting at address; both ends are checked.
  void copyFrom(const MemoryImage& source, int address, int count);
  bool allFF(int address, int count) const;

  const ImageBytes& bytes() const { return bytes_; }
  void assign(const ImageBytes& bytes) { bytes_ = bytes; }
  void fill(std::uint8_t value) { bytes_.fill(value); }

  bool operator==(const MemoryImage&) const = default;

 private:
  static std::size_t checked(int address) {
    if (address < 0 || address > ImageLastIndex) throw ImageAddressFault(address);
    return static_cast<std::size_t>(address);
  }

  ImageBytes bytes_;
};

}  // namespace tpw
