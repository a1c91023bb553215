#pragma once

#include <optional>
#include <string>
#include <utility>

#include "image/memory_image.h"

// Which radio an image belongs to: the model number the program serves and the model words
// every QZ815 image carries twice.
namespace tpw {

inline constexpr int QZ815ModelType = 1;
inline constexpr int ModelVersion = 301;  // 0x012D, the model words of a QZ815

std::string ModelNameOf(int modelType);

// The model-word check: both words equal, 301, and the model is a QZ815.
bool VersionMatches(int first, int second, int modelType);
std::pair<int, int> VersionAddresses(int modelType);
bool ImageVersionMatches(const MemoryImage& image, int modelType);

// The product code every QZ815 carries at 0x270-0x275. A radio with another code is refused
// by every read and write, so a write never puts another one into a radio.
inline constexpr const char* ProductCodeText = "TR381K";
// The first address whose byte differs from the product code; none when the image carries it.
std::optional<int> ProductCodeDifference(const MemoryImage& image);

}  // namespace tpw
