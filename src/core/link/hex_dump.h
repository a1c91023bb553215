#pragma once

#include <string>
#include <vector>

#include "image/memory_image.h"

namespace tpw {

// The diagnostic dump of the whole image: a header, a rule and one line per 16 bytes with
// the hexadecimal bytes and their printable characters.
std::vector<std::string> HexDumpLines(const MemoryImage& image);

}  // namespace tpw
