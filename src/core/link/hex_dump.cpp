#include "link/hex_dump.h"

#include "image/text_values.h"

namespace tpw {

std::vector<std::string> HexDumpLines(const MemoryImage& image) {
  std::vector<std::string> lines;
  std::string header(6, ' ');
  std::string rule = " ---- ";
  for (int column = 0; column < 16; ++column) {
    header += " " + HexPad(column, 2);
    rule += " --";
  }
  lines.push_back(header);
  lines.push_back(rule);
  for (int row = 0; row <= ImageLastIndex; row += 16) {
    std::string line = " " + HexPad(row, 4) + ":";
    std::string characters;
    for (int a = row; a < row + 16; ++a) {
      const std::uint8_t byte = image.at(a);
      line += " " + HexPad(byte, 2);
      characters += byte >= 32 && byte <= 126 ? static_cast<char>(byte) : '.';
    }
    lines.push_back(line + "     " + characters);
  }
  return lines;
}

}  // namespace tpw
