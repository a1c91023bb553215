// Feeds arbitrary files to the image loader and every image to the decoder, the encoder and
// the write corrections: none of them may fault, whatever the bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "files/hex_image_file.h"
#include "image/image_codec.h"
#include "support/test_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const tpw::test::TempDir folder;
  const std::filesystem::path path = folder / "image.hex";
  tpw::test::WriteBytes(path, std::string(reinterpret_cast<const char*>(data), size));
  tpw::MemoryImage image;
  tpw::ReadImageFile(path, tpw::QZ815ModelType, image);
  if (size >= tpw::ImageSize) {
    tpw::ImageBytes bytes;
    for (std::size_t i = 0; i < tpw::ImageSize; ++i) bytes[i] = data[i];
    image.assign(bytes);
  }
  tpw::SettingsModel model;
  tpw::DecodeImage(image, model, size % 2 == 0);
  tpw::EncodeImage(model, image, size % 2 == 0);
  tpw::SanitiseForWrite(image, model, size % 2 == 0);
  return 0;
}
