// Temporary: writes a corpus of codec and data-file outputs for before/after comparison.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "files/data_file.h"
#include "files/data_file_reader.h"
#include "files/hex_image_file.h"
#include "files/section_table.h"
#include "image/channel_tables.h"
#include "image/image_codec.h"
#include "shell/destinations.h"
#include "support/test_support.h"

namespace tpw {
namespace {

std::string Hex(const MemoryImage& image) {
  std::ostringstream out;
  for (int a = 0; a <= ImageLastIndex; ++a) {
    char b[4];
    std::snprintf(b, sizeof b, "%02X", image.at(a));
    out << b;
  }
  return out.str();
}

TEST(ZzGolden, Corpus) {
  const char* tag = std::getenv("GOLDEN_TAG");
  if (!tag) GTEST_SKIP();
  std::ofstream out(std::string("/tmp/golden/") + tag + ".txt", std::ios::binary);
  std::mt19937 random(4711);
  std::vector<ModelCaps> capsList(4);
  capsList[1].ScrambleSupported = true;
  capsList[2].AtisSupported = false;
  capsList[3].WxSupported = false;
  std::vector<MemoryImage> bases;
  const std::filesystem::path data = TPW52_DATA_DIR;
  for (const std::string& name : ListDestinationNames(data, QZ815ModelType)) {
    MemoryImage image;
    ReadImageFile(DestinationPath(data, name, 1), 1, image);
    bases.push_back(image);
  }
  for (int round = 0; round < 400; ++round) {
    ImageBytes bytes;
    const int ffShare = static_cast<int>(random() % 100);
    for (auto& b : bytes) {
      b = static_cast<int>(random() % 100) < ffShare ? 0xFF : static_cast<std::uint8_t>(random());
    }
    bases.emplace_back(bytes);
  }
  int index = 0;
  for (const MemoryImage& base : bases) {
    const bool wx = index % 3 != 0;
    const ModelCaps& caps = capsList[static_cast<std::size_t>(index) % capsList.size()];
    ++index;
    SettingsModel model;
    MemoryImage image = base;
    DecodeImage(image, model, wx);
    MemoryImage encoded = image;
    EncodeImage(model, encoded, wx);
    MemoryImage sanitised = encoded;
    SanitiseForWrite(sanitised, model, wx);
    out << "image " << index << "\n" << Hex(encoded) << "\n" << Hex(sanitised) << "\n";
    // Odd model values the editor might hold.
    SettingsModel odd = model;
    if (!odd.CHUSA.isEmpty()) odd.CHUSA[0].duplex = static_cast<std::int16_t>(index % 9);
    if (!odd.CHEXP.isEmpty()) odd.CHEXP[0].displayLeft = "*-";
    odd.common.resumeTime = static_cast<std::int16_t>(index * 7 % 300);
    odd.atis.code = index % 2 ? "12a" : " 123 ";
    odd.groups[1].priorityChannel = index % 5 == 0 ? -1 : index;
    MemoryImage oddImage = base;
    EncodeImage(odd, oddImage, wx);
    out << Hex(oddImage) << "\n";
    const std::string text = DataFileText(model, caps, base.at(0xA0));
    out << text;
    SettingsModel back = model;
    const auto notes = ReadDataFileSettings(ParseSectionTable(text), caps, back);
    out << "notes " << notes.size() << "\n" << DataFileText(back, caps, 1);
  }
  // Hand-edited files.
  const std::vector<std::string> values = {"0", "1", "2.5", "-1", "256", "abc", "", "True", "false",
                                           "156.8", "199.99996", "#12", "65535", "0.4", "yes",
                                           "1234567890", "AB", "A*", " 3 ", "119", "120", "96",
                                           "-32769", "32767", "100.00006", "7", "3", "#"};
  const std::vector<std::pair<std::string, std::vector<std::string>>> sections = {
      {"Usable CH Group Setup",
       {"Group1", "Group2", "Group3", "Exp CH", "Priority CH0", "Priority CH1", "Priority CH2",
        "Priority CH3", "junk"}},
      {"Common Setup",
       {"TX Po Display", "SCAN", "Resume Time", "PTT SCAN Clear", "DW/TW", "Mode Select",
        "Offset Time", "Time Display", "Weater"}},
      {"ATIS Setup",
       {"Usable ATIS CH Group0", "Usable ATIS CH Group1", "Usable ATIS CH Group2",
        "Usable ATIS CH Group3", "Atis Mode", "Atis Code"}},
      {"CHUSA",
       {"Position", "Enable", "LowPower", "PowUp", "Duplex", "TxEnable", "StatusNo", "StatusIcon",
        "ScanMemory", "Scramble", "CHDisplayL"}},
      {"CHINT", {"Position", "Duplex", "StatusNo"}},
      {"CHWX", {"Enable", "ScanMemory"}},
      {"CHRG",
       {"Enable", "CHDisplayL", "CHDisplayR", "Rxfreq", "Txfreq", "LowPower", "PowUp", "TxEnable",
        "ScanMemory", "Scramble", "ExpCB1", "ExpCB2", "ExpCB3", "Position"}},
      {"CHEXP", {"Enable", "CHDisplayL", "Rxfreq", "Txfreq", "ExpCB2"}},
  };
  for (int round = 0; round < 3000; ++round) {
    std::string text = "[MAIN]\r\nMODELTYPE=1\r\nREGION=1\r\n";
    const int count = 1 + static_cast<int>(random() % 12);
    for (int s = 0; s < count; ++s) {
      const auto& [name, keys] = sections[random() % sections.size()];
      std::string header = name;
      if (name.rfind("CH", 0) == 0 && name.size() <= 5) {
        header += std::to_string(random() % 4 + (name == "CHWX" ? 0 : 1));
      }
      text += "[" + header + "]\r\n";
      const int lines = static_cast<int>(random() % 8);
      for (int l = 0; l < lines; ++l) {
        text += keys[random() % keys.size()] + "=" + values[random() % values.size()] + "\r\n";
      }
    }
    const ModelCaps& caps = capsList[static_cast<std::size_t>(round) % capsList.size()];
    SettingsModel model;
    DecodeImage(bases[static_cast<std::size_t>(round) % 7], model, true);
    const auto notes = ReadDataFileSettings(ParseSectionTable(text), caps, model);
    out << "file " << round << "\n";
    for (const auto& n : notes) out << n.line << " " << n.text << "\n";
    out << DataFileText(model, caps, 1);
  }
}

}  // namespace
}  // namespace tpw
