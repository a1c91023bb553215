#include "image/encodings.h"
#include "image/image_codec.h"
#include "image/memory_map.h"
#include "image/model_identity.h"

namespace tpw {

namespace {

// The model words of a new image: 300, one below a radio's, which the identity check refuses.
constexpr int kNewImageModelVersion = ModelVersion - 1;
constexpr int kNewImageCurrentChannel = 30;
// Only the high byte of each priority word is set; the low byte stays 0xFF.
constexpr std::uint8_t kNewImagePriorityHighByte = 0x20;
constexpr std::uint8_t kNewImageResumeTime = 3;
// The CHEXP bitmap (4 bytes), the CHRG bitmap (2) and the two bytes after them, for both the
// enable and the scan bitmaps.
constexpr int kZeroedBitmapBytes = 8;

void FillBytes(MemoryImage& image, int address, int count, std::uint8_t value) {
  for (int a = address; a < address + count; ++a) image.set(a, value);
}

}  // namespace

void ClearImage(MemoryImage& image) {
  image.fill(0xFF);
}

void NewDefaultImage(MemoryImage& image, SettingsModel& model, int modelType) {
  if (modelType == QZ815ModelType) {
    ClearImage(image);
    WriteWordBE(image, addr::ModelVersionWord, kNewImageModelVersion);
    WriteWordBE(image, addr::ModelVersionWord2, kNewImageModelVersion);
    for (int address : {addr::Unknown084, addr::TxPoDisplay, addr::Unknown08E, addr::CurrentGroup,
                        addr::CurrentMode, addr::CurrentWx, addr::Unknown098, addr::UsableGroups}) {
      image.set(address, 0x00);
    }
    WriteWordBE(image, addr::CurrentChannel, kNewImageCurrentChannel);
    WriteWordBE(image, addr::CurrentChannel2, kNewImageCurrentChannel);
    for (int g = 0; g < addr::PlanGroupCount; ++g) {
      image.set(addr::PriorityChOf(g), kNewImagePriorityHighByte);
    }
    image.set(addr::ResumeTime, kNewImageResumeTime);
    image.set(addr::AtisChGroup, 0xFF);
    // Empty EXP and RG lists. The ATIS code stays 0xFF: no code.
    const ListLayout& exp = Layout(ListId::CHEXP);
    FillBytes(image, exp.enableAddress, kZeroedBitmapBytes, 0x00);
    FillBytes(image, exp.scanAddress, kZeroedBitmapBytes, 0x00);
  }
  DecodeHeader(image, model);
}

}  // namespace tpw
