#include "image/image_codec.h"
#include "image/memory_map.h"
#include "image/model_identity.h"

namespace tpw {

void ClearImage(MemoryImage& image) {
  image.fill(0xFF);
}

void NewDefaultImage(MemoryImage& image, SettingsModel& model, int modelType) {
  if (modelType == QZ815ModelType) {
    ClearImage(image);
    struct Default {
      int address;
      std::uint8_t value;
    };
    static constexpr Default kDefaults[] = {
        {0x080, 0x01}, {0x081, 0x2C}, {0x084, 0x00}, {0x08D, 0x00}, {0x08E, 0x00}, {0x085, 0x00},
        {0x086, 0x00}, {0x08B, 0x00}, {0x098, 0x00}, {0x087, 0x00}, {0x088, 30},   {0x089, 0x00},
        {0x08A, 30},   {0x09E, 0x00}, {0x21C, 0x20}, {0x23C, 0x20}, {0x25C, 0x20}, {0x094, 3},
        {0x280, 0xFF}, {0x7FE, 0x01}, {0x7FF, 0x2C},
    };
    for (const Default& d : kDefaults) image.set(d.address, d.value);
    // Empty EXP and RG lists: their enable and scan bitmaps are zero.
    for (int a = 0x162; a <= 0x169; ++a) image.set(a, 0x00);
    for (int a = 0x1E2; a <= 0x1E9; ++a) image.set(a, 0x00);
    for (int a = addr::AtisCode; a < addr::AtisCode + addr::AtisCodeLength; ++a) {
      image.set(a, 0xFF);
    }
  }
  DecodeHeader(image, model);
}

}  // namespace tpw
