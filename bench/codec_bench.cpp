// Decoding and encoding of a full image (every list at its limit), and the comparison of two
// such data sets.
#include <benchmark/benchmark.h>

#include "image/image_codec.h"
#include "image/memory_map.h"
#include "report/data_set_comparison.h"

namespace {

tpw::MemoryImage FullImage() {
  tpw::MemoryImage image;
  for (int a = 0x100; a < 0x10C; ++a) image.set(a, 0xFF);  // CHUSA
  for (int a = 0x120; a < 0x12C; ++a) image.set(a, 0xFF);  // CHINT
  for (int a = 0x140; a < 0x14C; ++a) image.set(a, 0xFF);  // CHCAN
  image.set(0x160, 0xFF);
  image.set(0x161, 0xC0);                                  // ten weather channels
  for (int a = 0x162; a < 0x166; ++a) image.set(a, 0xFF);  // CHEXP
  image.set(0x166, 0xFF);
  image.set(0x167, 0xF0);  // twelve RG channels
  for (int k = 0; k < 96; ++k) {
    for (int list = 0; list < 3; ++list) {
      const int slot = 0x300 + 0xC0 * list + 2 * k;
      image.set(slot, static_cast<std::uint8_t>(k % 120));
      image.set(slot + 1, static_cast<std::uint8_t>(0x90 + k % 16));
    }
  }
  for (int slot = 0x540; slot < 0x7E0; slot += 16) {
    const std::uint8_t bytes[10] = {0xB0, 'A', '1', 0xFF, 0x56, 0x02, 0x50, 0x60, 0x62, 0x50};
    for (int i = 0; i < 10; ++i) image.set(slot + i, bytes[i]);
  }
  return image;
}

void BM_DecodeImage(benchmark::State& state) {
  const tpw::MemoryImage image = FullImage();
  tpw::SettingsModel model;
  for (auto _ : state) {
    tpw::DecodeImage(image, model, true);
    benchmark::DoNotOptimize(model);
  }
}
BENCHMARK(BM_DecodeImage);

void BM_EncodeImage(benchmark::State& state) {
  tpw::MemoryImage image = FullImage();
  tpw::SettingsModel model;
  tpw::DecodeImage(image, model, true);
  for (auto _ : state) {
    tpw::EncodeForWrite(model, image, true);
    benchmark::DoNotOptimize(image);
  }
}
BENCHMARK(BM_EncodeImage);

// The worst case a user meets: two full data sets whose every channel differs, and every byte
// past the slots.
void BM_CompareDataSets(benchmark::State& state) {
  const tpw::MemoryImage image = FullImage();
  tpw::SettingsModel model;
  tpw::DecodeImage(image, model, true);
  tpw::SettingsModel other = model;
  for (tpw::ListId id : tpw::AllLists) {
    for (tpw::ChannelRecord& record : other.list(id)) record.scanMemory = !record.scanMemory;
  }
  tpw::MemoryImage otherImage = image;
  tpw::EncodeImage(other, otherImage, true);
  for (int a = 0x7E0; a < 0x7FE; ++a) otherImage.set(a, static_cast<std::uint8_t>(a));
  const tpw::ModelCaps caps;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tpw::CompareDataSets({image, model}, {otherImage, other}, caps));
  }
}
BENCHMARK(BM_CompareDataSets);

}  // namespace
