// Feeds arbitrary text to the data-file reader: the section table, the [MAIN] checks and the
// conversion of every value into a settings model. None of it may fault, whatever the bytes,
// and the model must still encode into an image.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/data_file.h"
#include "files/data_file_reader.h"
#include "files/ini_file.h"
#include "image/image_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  tpw::ModelCaps caps;
  caps.ScrambleSupported = size % 2 == 0;
  tpw::ReadIniValueFromText(text, "MAIN", "MODELTYPE");
  tpw::SettingsModel model;
  tpw::ReadDataFileSettings(tpw::ParseSectionTable(text), caps, model);
  tpw::MemoryImage image;
  tpw::EncodeImage(model, image, caps.WxSupported);
  tpw::SanitiseForWrite(image, model, caps.WxSupported);
  // Writing what was read and reading it again settles after one round: a second round
  // changes nothing (the first may still drop a leading "#" of a display text or digits
  // beyond the fifteenth of a frequency).
  auto round = [&caps](const tpw::SettingsModel& from) {
    tpw::SettingsModel to = from;
    tpw::ReadDataFileSettings(tpw::ParseSectionTable(tpw::DataFileText(from, caps, 0xFF)), caps,
                              to);
    return to;
  };
  const tpw::SettingsModel once = round(model);
  if (!(round(once) == once)) __builtin_trap();
  return 0;
}
