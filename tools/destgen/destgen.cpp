// Builds the destination templates (factory images, "QZ815_<NAME>_012D.ini") from the readable
// plan files in data/destinations and the channel plans in data/channel-plans.
//
//   destgen PLAN_FOLDER CHANNEL_PLAN_FOLDER OUTPUT_FOLDER
//
// Every template is checked before it is written: the model words pass the version check,
// every table channel shows the frequencies its plan row gives, and decoding then encoding the
// image changes no byte. Any failure stops the build with a message naming the file.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "adapters/files/native_file_system.h"
#include "files/atomic_file.h"
#include "files/ini_file.h"
#include "image/channel_tables.h"
#include "image/display_text.h"
#include "image/encodings.h"
#include "image/image_codec.h"
#include "image/memory_map.h"
#include "image/model_identity.h"
#include "image/regions.h"
#include "image/text_values.h"
#include "session/workspace.h"
#include "shell/destinations.h"

namespace fs = std::filesystem;
using namespace tpw;

namespace {

constexpr int kPriorityChannel = 16;

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

bool Contains(const std::vector<std::string>& words, const std::string& word) {
  return std::find(words.begin(), words.end(), word) != words.end();
}

std::vector<std::string> CsvFields(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t comma; (comma = line.find(',', start)) != std::string_view::npos;) {
    fields.emplace_back(line.substr(start, comma - start));
    start = comma + 1;
  }
  fields.emplace_back(line.substr(start));
  return fields;
}

// The data rows of a CSV file, without its heading, each with at least `columns` fields.
std::vector<std::vector<std::string>> CsvRows(const fs::path& path, std::size_t columns) {
  std::string content;
  if (ReadWholeFile(path, content, TextFileLimit))
    throw std::runtime_error("cannot read " + path.string());
  std::vector<std::vector<std::string>> rows;
  const auto lines = SplitLines(content);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (lines[i].empty()) continue;
    rows.push_back(CsvFields(lines[i]));
    if (rows.back().size() < columns) {
      throw std::runtime_error(path.string() + ": short row " + std::to_string(i + 1));
    }
  }
  return rows;
}

int Number(const std::string& text, const std::string& where) {
  const auto value = ParseDecimal(text);
  if (!value) throw std::runtime_error(where + ": not a number: " + text);
  return static_cast<int>(*value);
}

double Frequency(const std::string& text, const std::string& where) {
  const auto value = ParseDecimal(text);
  if (!value || *value <= 100 || *value >= 200) {
    throw std::runtime_error(where + ": not a frequency: " + text);
  }
  return *value;
}

bool Flag(const std::string& text, const std::string& where) {
  const auto value = ParseBoolean(text);
  if (!value) throw std::runtime_error(where + ": not true or false: " + text);
  return *value;
}

// A group list from a table-based plan: display_name, position, status_no, status_icon,
// duplex, tx_enable, low_power, note, check_rx_mhz, check_tx_mhz.
ChannelList PlanList(const fs::path& csv, const std::vector<std::string>& drop,
                     const std::vector<std::string>& low) {
  ChannelList list;
  for (const auto& row : CsvRows(csv, 10)) {
    const std::string where = csv.filename().string() + " " + row[0];
    if (Contains(drop, row[0])) continue;
    ChannelRecord r;
    r.enabled = true;
    r.position = static_cast<std::int16_t>(Number(row[1], where));
    r.statusNo = static_cast<std::int16_t>(Number(row[2], where));
    r.statusIcon = static_cast<std::int16_t>(Number(row[3], where));
    r.duplex = static_cast<std::int16_t>(Number(row[4], where));
    r.txEnabled = Flag(row[5], where);
    r.lowPower = r.txEnabled && (Flag(row[6], where) || Contains(low, row[0]));
    // The plans mark the channels where more power may be switched on when needed.
    r.powerUp = r.lowPower && row[7].find("with power-up") != std::string::npos;
    if (ChannelDisplayName(r) != row[0] || RxFreqText(r) != row[8] || TxFreqText(r) != row[9]) {
      throw std::runtime_error(where + ": the channel table gives " + ChannelDisplayName(r) + " " +
                               RxFreqText(r) + " " + TxFreqText(r));
    }
    list.append(r);
  }
  return list;
}

// The national channels of one region from regional.csv: region, display, rx_mhz, tx_mhz,
// tx_enable, low_power, note. They belong to the international and the region's group.
ChannelList RegionalList(const fs::path& csv, const std::string& region) {
  ChannelList list;
  if (region.empty()) return list;
  for (const auto& row : CsvRows(csv, 7)) {
    if (row[0] != region) continue;
    const std::string where = csv.filename().string() + " " + row[0] + " " + row[1];
    ChannelRecord r;
    r.enabled = true;
    r.displayLeft = row[1];
    r.rxFrequency = Frequency(row[2], where);
    r.txFrequency = Frequency(row[3], where);
    r.txEnabled = Flag(row[4], where);
    r.lowPower = Flag(row[5], where);
    r.inIntGroup = true;
    r.inRegionGroup = true;
    list.append(r);
  }
  if (list.isEmpty()) throw std::runtime_error("no regional channels for " + region);
  return list;
}

int GroupIndex(const std::string& name) {
  static const std::vector<std::string> kNames = {"USA", "INT", "GROUP2", "EXP"};
  const auto found = std::find(kNames.begin(), kNames.end(), name);
  if (found == kNames.end()) throw std::runtime_error("unknown group " + name);
  return static_cast<int>(found - kNames.begin());
}

int IndexOfChannel(const ChannelList& list, int position) {
  for (int i = 0; i < list.size(); ++i) {
    if (list[i].position == position && list[i].statusNo == 0 && list[i].statusIcon == 0) return i;
  }
  throw std::runtime_error("channel " + std::to_string(position) + " missing from a group");
}

class Plan {
 public:
  explicit Plan(const fs::path& path) : path_(path) {
    if (ReadWholeFile(path, text_, TextFileLimit))
      throw std::runtime_error("cannot read " + path.string());
  }
  std::string operator()(const char* section, const char* key) const {
    return ReadIniValueFromText(text_, section, key);
  }
  int number(const char* section, const char* key) const {
    return Number((*this)(section, key), path_.filename().string() + " " + key);
  }

 private:
  fs::path path_;
  std::string text_;
};

MemoryImage BuildTemplate(const Plan& plan, const fs::path& channelPlans) {
  MemoryImage image;
  SettingsModel model;
  NewDefaultImage(image, model, QZ815ModelType);
  for (int address : {addr::ModelVersionWord, addr::ModelVersionWord2}) {
    WriteWordBE(image, address, ModelVersion);
  }
  const std::string product = "TR381K";
  for (int i = 0; i < addr::ProductCodeLength; ++i) {
    image.set(addr::ProductCode + i,
              static_cast<std::uint8_t>(product[static_cast<std::size_t>(i)]));
  }
  SetRegion(image, plan.number("region", "code"));
  DecodeHeader(image, model);

  const auto low = Words(plan("groups", "group2_low"));
  model.CHUSA = PlanList(channelPlans / plan("groups", "usa"), {}, {});
  model.CHINT = PlanList(channelPlans / plan("groups", "int"), {}, {});
  model.CHCAN =
      PlanList(channelPlans / plan("groups", "group2"), Words(plan("groups", "group2_drop")), low);
  model.CHWX = DefaultWeatherList();
  model.CHRG = RegionalList(channelPlans / "regional.csv", plan("regional", "region"));

  for (const std::string& group : Words(plan("groups", "usable"))) {
    model.groups[static_cast<std::size_t>(GroupIndex(group))].usable = true;
  }
  for (int g = 0; g < 3; ++g) {
    model.groups[static_cast<std::size_t>(g)].priorityChannel =
        IndexOfChannel(model.list(static_cast<ListId>(g)), kPriorityChannel) + 1;
  }
  CommonSetup& c = model.common;
  c.txPowerDisplay = static_cast<std::int16_t>(plan.number("common", "txpodisplay"));
  c.scan = plan.number("common", "scan") != 0;
  c.resumeTime = static_cast<std::int16_t>(plan.number("common", "resumetime"));
  c.pttScanClear = plan.number("common", "pttscanclear") != 0;
  c.dualWatch = plan.number("common", "dwtw") != 0;
  c.modeSelect = static_cast<std::int16_t>(plan.number("common", "modeselect"));
  c.weatherAlert = static_cast<std::int16_t>(plan.number("common", "weatheralert"));
  model.atis.groups = {};
  for (const std::string& group : Words(plan("atis", "groups"))) {
    model.atis.groups[static_cast<std::size_t>(GroupIndex(group))] = true;
  }
  model.atis.mode = static_cast<std::int16_t>(plan.number("atis", "mode"));
  model.atis.code.clear();

  EncodeImage(model, image, true);
  // The radio starts on channel 16 of its first group.
  const int current = GroupIndex(plan("groups", "current"));
  image.set(addr::CurrentGroup, static_cast<std::uint8_t>(current));
  image.set(addr::CurrentMode, 0);
  image.set(addr::CurrentWx, 0);
  const int channel = IndexOfChannel(model.list(static_cast<ListId>(current)), kPriorityChannel);
  WriteWordBE(image, addr::CurrentChannel, channel);
  WriteWordBE(image, addr::CurrentChannel2, channel);
  SanitiseForWrite(image, model, true);
  return image;
}

void Check(const MemoryImage& image, const std::string& name) {
  if (!ImageVersionMatches(image, QZ815ModelType)) throw std::runtime_error(name + ": model words");
  MemoryImage again = image;
  SettingsModel model;
  DecodeImage(again, model, true);
  EncodeImage(model, again, true);
  SanitiseForWrite(again, model, true);
  if (!(again == image)) throw std::runtime_error(name + ": decode and encode change the image");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: destgen PLAN_FOLDER CHANNEL_PLAN_FOLDER OUTPUT_FOLDER\n";
    return 2;
  }
  const fs::path plans = argv[1];
  const fs::path channelPlans = argv[2];
  const fs::path output = argv[3];
  try {
    fs::create_directories(output);
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(plans)) {
      if (entry.path().extension() == ".plan") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    NativeFileSystem disk;
    for (const fs::path& file : files) {
      const std::string name = "QZ815_" + file.stem().string();
      const MemoryImage image = BuildTemplate(Plan(file), channelPlans);
      Check(image, name);
      const fs::path target = DestinationPath(output, name, QZ815ModelType);
      const ImageBytes& bytes = image.bytes();
      if (const auto error = WriteFileAtomically(
              disk, target,
              std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))) {
        throw std::runtime_error(target.string() + ": " + error.message());
      }
    }
  } catch (const std::exception& e) {
    std::cerr << "destgen: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
