#include "image/memory_image.h"

#include <string>

namespace tpw {

ImageAddressFault::ImageAddressFault(int address)
    : std::logic_error("image address out of range: " + std::to_string(address)) {}

void MemoryImage::copyFrom(const MemoryImage& source, int address, int count) {
  for (int a = address; a < address + count; ++a) set(a, source.at(a));
}

bool MemoryImage::allFF(int address, int count) const {
  for (int a = address; a < address + count; ++a) {
    if (at(a) != 0xFF) return false;
  }
  return true;
}

}  // namespace tpw
