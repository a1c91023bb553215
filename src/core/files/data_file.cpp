#include "files/data_file.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <exception>
#include <limits>

#include "files/atomic_file.h"
#include "files/file_save.h"
#include "files/ini_file.h"
#include "image/channel_tables.h"
#include "image/encodings.h"
#include "image/memory_map.h"
#include "image/regions.h"
#include "image/text_values.h"
#include "session/flag_guard.h"
#include "session/region_question.h"

namespace tpw {

namespace fs = std::filesystem;

namespace {

constexpr const char* kGroupSection = "Usable CH Group Setup";
constexpr const char* kCommonSection = "Common Setup";
constexpr const char* kAtisSection = "ATIS Setup";
constexpr std::array<const char*, GroupCount> kGroupKeys = {"Group1", "Group2", "Group3", "Exp CH"};
constexpr ListId kPlanLists[] = {ListId::CHUSA, ListId::CHINT, ListId::CHCAN};
constexpr ListId kFreeLists[] = {ListId::CHRG, ListId::CHEXP};
// The names under which failures of opening and saving are written into err.log.
constexpr const char* kOpenLogName = "frmMain.FileRead2";
constexpr const char* kSaveLogName = "frmMain.SaveFileAs";

// ---- writing ----

class TextWriter {
 public:
  void section(std::string_view name) { line("[" + std::string(name) + "]"); }
  void key(std::string_view key, std::string_view value) {
    line(std::string(key) + "=" + std::string(value));
  }
  void flag(std::string_view name, bool value) { key(name, value ? "1" : "0"); }
  void number(std::string_view name, long long value) { key(name, std::to_string(value)); }
  void frequency(std::string_view name, double value) { key(name, FormatFileFrequency(value)); }
  std::string text() && { return std::move(text_); }

 private:
  void line(const std::string& text) { text_ += text + "\r\n"; }
  std::string text_;
};

void WritePlanRecord(TextWriter& out, const ChannelRecord& r, const ModelCaps& caps) {
  out.number("Position", r.Position);
  out.flag("Enable", r.Enable);
  out.flag("LowPower", r.LowPower);
  out.flag("PowUp", r.PowUp);
  out.number("Duplex", r.Duplex);
  out.flag("TxEnable", r.TxEnable);
  out.number("StatusNo", r.StatusNo);
  out.number("StatusIcon", r.StatusIcon);
  out.flag("ScanMemory", r.ScanMemory);
  if (caps.ScrambleSupported) out.number("Scramble", r.Scramble);
}

void WriteFreeRecord(TextWriter& out, const ChannelRecord& r, const ModelCaps& caps) {
  out.flag("Enable", r.Enable);
  out.key("CHDisplayL", r.CHDisplayL);
  out.key("CHDisplayR", r.CHDisplayR);
  out.frequency("Rxfreq", r.Rxfreq);
  out.frequency("Txfreq", r.Txfreq);
  out.flag("LowPower", r.LowPower);
  out.flag("PowUp", r.PowUp);
  out.flag("TxEnable", r.TxEnable);
  out.flag("ScanMemory", r.ScanMemory);
  if (caps.ScrambleSupported) out.number("Scramble", r.Scramble);
  out.flag("ExpCB1", r.ExpCB1);
  out.flag("ExpCB2", r.ExpCB2);
  out.flag("ExpCB3", r.ExpCB3);
}

void WriteHeader(TextWriter& out, const SettingsModel& model, const ModelCaps& caps,
                 int regionCode) {
  out.section("MAIN");
  out.key("MODEL", "#" + caps.ModelName);
  out.key("TYPE", "#KVX");
  out.key("VERSION", "#1.00");
  out.number("MODELTYPE", caps.ModelType);
  out.number("REGION", NormaliseRegion(regionCode));

  out.section(kGroupSection);
  for (int g = 0; g < GroupCount; ++g) out.flag(kGroupKeys[g], model.groups[g].Usable);
  for (int g = 0; g < GroupCount; ++g) {
    out.number("Priority CH" + std::to_string(g), model.groups[g].PriorityCh);
  }

  const CommonSetup& c = model.common;
  out.section(kCommonSection);
  out.number("TX Po Display", c.TxPoDisplay);
  out.flag("SCAN", c.Scan);
  out.number("Resume Time", c.ResumeTime);
  out.flag("PTT SCAN Clear", c.PttScanClear);
  out.flag("DW/TW", c.DwTw);
  out.number("Mode Select", c.ModeSelect);
  out.number("Offset Time", c.OffsetTime);
  out.flag("Time Display", c.TimeDisplay);
  out.number("Weater", c.WeatherAlert);

  if (caps.AtisSupported) {
    out.section(kAtisSection);
    for (int i = 0; i < 4; ++i) {
      out.flag("Usable ATIS CH Group" + std::to_string(i), model.atis.AtisChGroup[i]);
    }
    out.key("Atis Mode", "#" + std::to_string(model.atis.AtisMode));
    out.key("Atis Code", "#" + model.atis.AtisCode);
  }
}

// ---- reading ----

// Reads the keys of one section into fields, leaving a field as it was when its key is
// missing or holds nothing the field can take.
class FieldReader {
 public:
  FieldReader(const SectionTable& table, std::string section)
      : table_(table), section_(std::move(section)) {}

  std::string raw(std::string_view key) const { return table_.value(section_, key); }

  void flag(std::string_view key, bool& field) const {
    if (const auto value = ParseBoolean(raw(key))) field = *value;
  }

  // A whole number within [low, high] after rounding ties to even.
  template <typename T>
  void number(std::string_view key, T& field, long long low, long long high) const {
    const auto value = ParseDecimal(raw(key));
    if (!value) return;
    const double rounded = RoundHalfEven(*value);
    if (rounded < static_cast<double>(low) || rounded > static_cast<double>(high)) return;
    field = static_cast<T>(rounded);
  }

  // 0 (none), or a frequency the radio can hold: above 100 and below 200 MHz at 100 Hz.
  void frequency(std::string_view key, double& field) const {
    const auto value = ParseDecimal(raw(key));
    if (!value) return;
    const double at100Hz = RoundHalfEven(*value * 10000) / 10000;
    if (*value == 0) {
      field = 0;
    } else if (at100Hz > 100 && at100Hz < 200) {
      field = *value;
    }
  }

  void text(std::string_view key, std::string& field) const { field = raw(key); }

 private:
  const SectionTable& table_;
  std::string section_;
};

constexpr long long kInt16Low = std::numeric_limits<std::int16_t>::min();
constexpr long long kInt16High = std::numeric_limits<std::int16_t>::max();

void ReadGroups(const SectionTable& table, SettingsModel& model) {
  const FieldReader in(table, kGroupSection);
  for (int g = 0; g < GroupCount; ++g) in.flag(kGroupKeys[g], model.groups[g].Usable);
  // -1 and 65535 both mean none; anything else outside a word cannot be stored.
  for (int g = 0; g < GroupCount; ++g) {
    in.number("Priority CH" + std::to_string(g), model.groups[g].PriorityCh, -1, 65535);
  }
}

void ReadCommon(const SectionTable& table, CommonSetup& c) {
  const FieldReader in(table, kCommonSection);
  in.number("TX Po Display", c.TxPoDisplay, 0, 255);
  in.flag("SCAN", c.Scan);
  in.number("Resume Time", c.ResumeTime, 0, 255);
  in.flag("PTT SCAN Clear", c.PttScanClear);
  in.flag("DW/TW", c.DwTw);
  in.number("Mode Select", c.ModeSelect, 0, 255);
  in.number("Offset Time", c.OffsetTime, kInt16Low, kInt16High);
  in.flag("Time Display", c.TimeDisplay);
  in.number("Weater", c.WeatherAlert, 0, 255);
}

void ReadAtis(const SectionTable& table, AtisSetup& atis) {
  const FieldReader in(table, kAtisSection);
  for (int i = 0; i < 4; ++i) {
    atis.AtisChGroup[i] = IsNonZeroText(in.raw("Usable ATIS CH Group" + std::to_string(i)));
  }
  in.number("Atis Mode", atis.AtisMode, 0, 255);
  in.text("Atis Code", atis.AtisCode);
}

void ReadPlanList(const SectionTable& table, ListId id, const ModelCaps& caps, ChannelList& list) {
  const ListLayout& layout = Layout(id);
  list.clear();
  for (int n = 1; n <= layout.limit; ++n) {
    const FieldReader in(table, layout.name + std::to_string(n));
    if (in.raw("Position").empty()) break;
    ChannelRecord r;
    in.number("Position", r.Position, 0, 255);
    r.Enable = true;
    in.flag("LowPower", r.LowPower);
    in.flag("PowUp", r.PowUp);
    // The 2-bit fields of the record hold 0..3.
    in.number("Duplex", r.Duplex, 0, 3);
    in.flag("TxEnable", r.TxEnable);
    in.number("StatusNo", r.StatusNo, 0, 3);
    in.number("StatusIcon", r.StatusIcon, 0, 3);
    in.flag("ScanMemory", r.ScanMemory);
    if (caps.ScrambleSupported) in.number("Scramble", r.Scramble, kInt16Low, kInt16High);
    list.append(r);
  }
}

void ReadWeatherList(const SectionTable& table, ChannelList& list) {
  for (int i = 0; i < list.size(); ++i) {
    const FieldReader in(table, "CHWX" + std::to_string(i));
    in.flag("Enable", list[i].Enable);
    in.flag("ScanMemory", list[i].ScanMemory);
  }
}

void ReadFreeList(const SectionTable& table, ListId id, const ModelCaps& caps, ChannelList& list) {
  const ListLayout& layout = Layout(id);
  list.clear();
  for (int n = 1; n <= layout.limit; ++n) {
    const FieldReader in(table, layout.name + std::to_string(n));
    const std::string enable = in.raw("Enable");
    const auto number = ParseDecimal(enable);
    if (enable.empty() || (number && RoundHalfEven(*number) == 0)) break;
    ChannelRecord r;
    in.flag("Enable", r.Enable);
    in.text("CHDisplayL", r.CHDisplayL);
    in.text("CHDisplayR", r.CHDisplayR);
    in.frequency("Rxfreq", r.Rxfreq);
    in.frequency("Txfreq", r.Txfreq);
    in.flag("TxEnable", r.TxEnable);
    in.flag("LowPower", r.LowPower);
    in.flag("PowUp", r.PowUp);
    in.flag("ScanMemory", r.ScanMemory);
    if (caps.ScrambleSupported) in.number("Scramble", r.Scramble, kInt16Low, kInt16High);
    in.flag("ExpCB1", r.ExpCB1);
    in.flag("ExpCB2", r.ExpCB2);
    in.flag("ExpCB3", r.ExpCB3);
    list.append(r);
  }
}

// ---- checks ----

void Refuse(Context& ctx, std::string_view title, const char* text) {
  ctx.prompter.message(Icon::Critical, title, text);
  ctx.ws.flags.ErrorFlag = true;
}

void UnexpectedFailure(Context& ctx, std::string_view procedure, const std::string& description,
                       const char* text) {
  ctx.diagnostics.errorLog(procedure, description);
  ctx.prompter.message(Icon::Exclamation, MainTitle(ctx.ws.caps), text);
  ctx.ws.flags.ErrorFlag = true;
  ctx.ws.flags.CancelFlag = true;
}

// The [MAIN] checks; on acceptance fileRegion holds the file's normalised region.
bool MainSectionAccepted(Context& ctx, std::string_view content, int& fileRegion) {
  const ModelCaps& caps = ctx.ws.caps;
  const auto modelType = ParseDecimal(ReadIniValueFromText(content, "MAIN", "MODELTYPE"));
  if (!modelType || *modelType != caps.ModelType) {
    Refuse(ctx, MainTitle(caps), "ModelType Error !!");
    return false;
  }
  const double region =
      RoundHalfEven(LeadingNumber(ReadIniValueFromText(content, "MAIN", "REGION")));
  fileRegion = region >= 0 && region <= 255 ? NormaliseRegion(static_cast<int>(region)) : UsaRegion;
  switch (CompareRegions(fileRegion, RegionOf(ctx.ws.image))) {
    case RegionMatch::Same:
      return true;
    case RegionMatch::Refused:
      Refuse(ctx, "Read Binary Data", "Region Unmatched !!");
      return false;
    case RegionMatch::Question:
      break;
  }
  if (!AgreesToRegionChange(ctx.prompter, MainTitle(caps))) {
    ctx.ws.flags.ErrorFlag = true;
    return false;
  }
  return true;
}

}  // namespace

std::string SectionTable::value(std::string_view section, std::string_view key) const {
  const std::string wantedSection = ToUpper(section);
  const std::string wantedKey = ToUpper(key);
  for (const Section& s : sections) {
    if (s.name != wantedSection) continue;
    for (const auto& [k, v] : s.keys) {
      if (k == wantedKey) return v;
    }
  }
  return {};
}

SectionTable ParseSectionTable(std::string_view content) {
  SectionTable table;
  bool inSection = false;
  for (std::string_view line : SplitLines(content)) {
    if (inSection) {
      const std::size_t equals = line.find('=');
      if (equals != std::string_view::npos && equals >= 1) {
        std::string value(line.substr(equals + 1));
        if (!value.empty() && value.front() == '#') value.erase(0, 1);
        table.sections.back().keys.emplace_back(NormalisedName(line.substr(0, equals)),
                                                std::move(value));
        continue;
      }
      // Free text is skipped; a line with "[" ends the section and may open the next one.
      if (line.find('[') == std::string_view::npos) continue;
      inSection = false;
    }
    const std::size_t close = line.find(']');
    if (!line.empty() && line.front() == '[' && close != std::string_view::npos && close >= 2) {
      table.sections.push_back({NormalisedName(line.substr(1, close - 1)), {}});
      inSection = true;
    }
  }
  return table;
}

std::string FormatFileFrequency(double megahertz) {
  if (!std::isfinite(megahertz) || megahertz == 0) return "0";
  // Rounded to 15 significant digits first, so binary noise (156.07999999999998) goes, then
  // written in the shortest plain form that reads back as that value.
  char buffer[400];
  auto rounded =
      std::to_chars(buffer, buffer + sizeof buffer, megahertz, std::chars_format::general, 15);
  double value = 0;
  std::from_chars(buffer, rounded.ptr, value);
  const auto plain = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return std::string(buffer, plain.ptr);
}

std::string DataFileText(const SettingsModel& model, const ModelCaps& caps, int regionCode) {
  TextWriter out;
  WriteHeader(out, model, caps, regionCode);
  for (ListId id : kPlanLists) {
    int n = 0;
    for (const ChannelRecord& r : model.list(id)) {
      out.section(Layout(id).name + std::to_string(++n));
      WritePlanRecord(out, r, caps);
    }
  }
  if (caps.WxSupported) {
    int i = 0;
    for (const ChannelRecord& r : model.CHWX) {
      out.section("CHWX" + std::to_string(i++));
      out.flag("Enable", r.Enable);
      out.flag("ScanMemory", r.ScanMemory);
    }
  }
  for (ListId id : kFreeLists) {
    int n = 0;
    for (const ChannelRecord& r : model.list(id)) {
      out.section(Layout(id).name + std::to_string(++n));
      WriteFreeRecord(out, r, caps);
    }
  }
  return std::move(out).text();
}

void ReadDataFileSettings(const SectionTable& table, const ModelCaps& caps, SettingsModel& model) {
  ReadGroups(table, model);
  ReadCommon(table, model.common);
  if (caps.AtisSupported) ReadAtis(table, model.atis);
  for (ListId id : kPlanLists) ReadPlanList(table, id, caps, model.list(id));
  model.CHWX = DefaultWeatherList();
  ReadWeatherList(table, model.CHWX);
  for (ListId id : kFreeLists) ReadFreeList(table, id, caps, model.list(id));
}

bool OpenDataFile(Context& ctx, const fs::path& path) {
  Workspace& ws = ctx.ws;
  ws.flags.ErrorFlag = false;
  bool loaded = false;
  {
    FlagGuard busy(ws.flags.TransferBusy, true);
    std::string content;
    const std::error_code error = ReadWholeFile(path, content);
    std::error_code ignored;
    if (error && fs::exists(path, ignored)) {
      UnexpectedFailure(ctx, kOpenLogName, NumberedDescription(error), "FileRead Error!!");
    } else {
      // A file that does not exist reads as empty and is refused by the model check.
      int fileRegion = UsaRegion;
      if (MainSectionAccepted(ctx, content, fileRegion)) {
        try {
          SettingsModel model = ws.model;
          ReadDataFileSettings(ParseSectionTable(content), ws.caps, model);
          model.groups[2].GroupLabel = GroupTwoName(fileRegion);
          ws.model = std::move(model);
          SetRegion(ws.image, fileRegion);
          ws.documentPath.clear();
          loaded = true;
        } catch (const std::exception& e) {
          UnexpectedFailure(ctx, kOpenLogName, e.what(), "FileRead Error!!");
        }
      }
    }
    ctx.host.settleAfterFile();
  }
  return loaded;
}

bool SaveDataFile(Context& ctx, const fs::path& path) {
  const Workspace& ws = ctx.ws;
  return SaveDocument(ctx, path, DataFileText(ws.model, ws.caps, RegionOf(ws.image)), kSaveLogName);
}

}  // namespace tpw
