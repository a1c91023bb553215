#include "files/data_file.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <exception>
#include <limits>
#include <new>
#include <optional>

#include "files/atomic_file.h"
#include "files/data_file_completeness.h"
#include "files/data_file_names.h"
#include "files/data_file_reader.h"
#include "files/file_failure.h"
#include "files/file_save.h"
#include "files/ini_file.h"
#include "image/channel_tables.h"
#include "image/encodings.h"
#include "image/memory_map.h"
#include "image/regions.h"
#include "image/text_values.h"
#include "session/flag_guard.h"
#include "session/message_texts.h"
#include "session/region_question.h"

namespace tpw {

namespace fs = std::filesystem;

namespace {

using namespace datafile;
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
  out.number("Position", r.position);
  out.flag("Enable", r.enabled);
  out.flag("LowPower", r.lowPower);
  out.flag("PowUp", r.powerUp);
  out.number("Duplex", r.duplex);
  out.flag("TxEnable", r.txEnabled);
  out.number("StatusNo", r.statusNo);
  out.number("StatusIcon", r.statusIcon);
  out.flag("ScanMemory", r.scanMemory);
  if (caps.ScrambleSupported) out.number("Scramble", r.scramble);
}

void WriteFreeRecord(TextWriter& out, const ChannelRecord& r, const ModelCaps& caps) {
  out.flag("Enable", r.enabled);
  out.key("CHDisplayL", r.displayLeft);
  out.key("CHDisplayR", r.displayRight);
  out.frequency("Rxfreq", r.rxFrequency);
  out.frequency("Txfreq", r.txFrequency);
  out.flag("LowPower", r.lowPower);
  out.flag("PowUp", r.powerUp);
  out.flag("TxEnable", r.txEnabled);
  out.flag("ScanMemory", r.scanMemory);
  if (caps.ScrambleSupported) out.number("Scramble", r.scramble);
  out.flag("ExpCB1", r.inUsaGroup);
  out.flag("ExpCB2", r.inIntGroup);
  out.flag("ExpCB3", r.inRegionGroup);
}

void WriteHeader(TextWriter& out, const SettingsModel& model, const ModelCaps& caps,
                 int regionCode) {
  out.section("MAIN");
  out.key("MODEL", "#" + caps.ModelName);
  out.key("TYPE", "#KVX");
  out.key("VERSION", "#1.00");
  out.number("MODELTYPE", caps.ModelType);
  out.number("REGION", NormaliseRegion(regionCode));
  out.key(WriterKey, "#" + std::string(WriterName));

  out.section(GroupSection);
  for (int g = 0; g < GroupCount; ++g) out.flag(GroupKeys[g], model.groups[g].usable);
  for (int g = 0; g < GroupCount; ++g) {
    out.number("Priority CH" + std::to_string(g), model.groups[g].priorityChannel);
  }

  const CommonSetup& c = model.common;
  out.section(CommonSection);
  out.number("TX Po Display", c.txPowerDisplay);
  out.flag("SCAN", c.scan);
  out.number("Resume Time", c.resumeTime);
  out.flag("PTT SCAN Clear", c.pttScanClear);
  out.flag("DW/TW", c.dualWatch);
  out.number("Mode Select", c.modeSelect);
  out.number("Offset Time", c.offsetTime);
  out.flag("Time Display", c.timeDisplay);
  out.number("Weater", c.weatherAlert);

  if (caps.AtisSupported) {
    out.section(AtisSection);
    for (int i = 0; i < 4; ++i) {
      out.flag("Usable ATIS CH Group" + std::to_string(i), model.atis.groups[i]);
    }
    out.key("Atis Mode", "#" + std::to_string(model.atis.mode));
    out.key("Atis Code", "#" + model.atis.code);
  }
}

// ---- checks ----

void Refuse(Context& ctx, std::string_view title, const std::string& text) {
  ctx.prompter.message(Icon::Critical, title, text);
  ctx.ws.flags.ErrorFlag = true;
}

void UnexpectedFailure(Context& ctx, const fs::path& path, const std::string& logged,
                       const std::string& finding) {
  ctx.diagnostics.errorLog(kOpenLogName, logged);
  ctx.prompter.message(Icon::Exclamation, MainTitle(ctx.ws.caps),
                       FileMessage("FileRead Error!!", path, finding));
  ctx.ws.flags.ErrorFlag = true;
  ctx.ws.flags.CancelFlag = true;
}

// Why [MAIN] names no model of this program, or none when it names the current one.
std::optional<std::string> ModelTypeFinding(std::string_view content, const ModelCaps& caps) {
  const std::string written = ReadIniValueFromText(content, "MAIN", "MODELTYPE");
  const std::string wanted = "; a data file of the " + caps.ModelName +
                             " has MODELTYPE=" + std::to_string(caps.ModelType) + ".";
  const auto modelType = ParseDecimal(written);
  if (modelType && *modelType == caps.ModelType) return std::nullopt;
  if (written.empty())
    return "it has no MODELTYPE in [MAIN], so it is no channel data file" + wanted;
  return "it has MODELTYPE=" + written + " in [MAIN]" + wanted;
}

// The [MAIN] checks; on acceptance fileRegion holds the file's normalised region.
bool MainSectionAccepted(Context& ctx, const fs::path& path, std::string_view content,
                         int& fileRegion) {
  const ModelCaps& caps = ctx.ws.caps;
  if (const auto finding = ModelTypeFinding(content, caps)) {
    Refuse(ctx, MainTitle(caps), FileMessage(msg::ModelTypeError, path, *finding));
    return false;
  }
  const double region =
      RoundHalfEven(LeadingNumber(ReadIniValueFromText(content, "MAIN", "REGION")));
  fileRegion = region >= 0 && region <= 255 ? NormaliseRegion(static_cast<int>(region)) : UsaRegion;
  switch (CompareRegions(fileRegion, RegionOf(ctx.ws.image))) {
    case RegionMatch::Same:
      return true;
    case RegionMatch::Refused:
      Refuse(ctx, "Read Binary Data",
             FileMessage(msg::RegionUnmatched, path,
                         RegionMismatchFinding(fileRegion, RegionOf(ctx.ws.image))));
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

// Reads the file, or tells why it cannot be: a file that does not exist, or one larger than
// any data file, is refused as no data file (before anything is read); one that cannot be
// read is a read failure.
std::optional<std::string> ReadDataFileText(Context& ctx, const fs::path& path) {
  std::string content;
  const std::error_code error = ReadWholeFile(path, content, TextFileLimit);
  if (!error) return content;
  std::uintmax_t size = 0;
  if (error == std::errc::file_too_large && !RegularFileSize(path, size)) {
    Refuse(ctx, MainTitle(ctx.ws.caps),
           FileMessage(msg::ModelTypeError, path,
                       "it holds " + std::to_string(size) +
                           " bytes, more than any channel data file (at most " +
                           std::to_string(TextFileLimit) + "), so it is no channel data file."));
  } else if (error == std::errc::no_such_file_or_directory) {
    Refuse(
        ctx, MainTitle(ctx.ws.caps),
        FileMessage(msg::ModelTypeError, path, FileFailureFinding(path, error, FileAction::Read)));
  } else {
    UnexpectedFailure(ctx, path, NumberedDescription(error),
                      FileFailureFinding(path, error, FileAction::Read));
  }
  return std::nullopt;
}

// Reads the settings over a copy of the model and takes them with the file's region in one
// step; the notes of what was not taken as written are shown in one warning.
bool TakeDataFile(Context& ctx, const fs::path& path, std::string_view content, int fileRegion) {
  Workspace& ws = ctx.ws;
  try {
    SettingsModel model = ws.model;
    const std::vector<ReadingNote> notes =
        ReadDataFileSettings(ParseSectionTable(content), ws.caps, model);
    model.groups[2].label = GroupTwoName(fileRegion);
    ws.model = std::move(model);
    SetRegion(ws.image, fileRegion);
    ws.documentPath.clear();
    if (!notes.empty()) {
      ctx.prompter.message(Icon::Exclamation, MainTitle(ws.caps), ReadingWarning(path, notes));
    }
    return true;
  } catch (const std::bad_alloc&) {
    UnexpectedFailure(ctx, path, "0out of memory",
                      "there is not enough memory to read it. Close other programs, then open "
                      "it again.");
  } catch (const std::exception& e) {
    UnexpectedFailure(ctx, path, e.what(),
                      std::string(e.what()) + ". Check the file, then open it again.");
  }
  return false;
}

}  // namespace

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
  for (ListId id : PlanLists) {
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
      out.flag("Enable", r.enabled);
      out.flag("ScanMemory", r.scanMemory);
    }
  }
  for (ListId id : FreeLists) {
    int n = 0;
    for (const ChannelRecord& r : model.list(id)) {
      out.section(Layout(id).name + std::to_string(++n));
      WriteFreeRecord(out, r, caps);
    }
  }
  // The last line: a file that ends before it was cut short.
  out.section(EndSection);
  return std::move(out).text();
}

bool OpenDataFile(Context& ctx, const fs::path& path) {
  Workspace& ws = ctx.ws;
  ws.flags.ErrorFlag = false;
  bool loaded = false;
  {
    FlagGuard busy(ws.flags.TransferBusy, true);
    const std::optional<std::string> content = ReadDataFileText(ctx, path);
    int fileRegion = UsaRegion;
    loaded = content && MainSectionAccepted(ctx, path, *content, fileRegion) &&
             TakeDataFile(ctx, path, *content, fileRegion);
    ctx.host.settleAfterFile();
  }
  return loaded;
}

bool SaveDataFile(Context& ctx, const fs::path& path) {
  const Workspace& ws = ctx.ws;
  return SaveDocument(ctx, path, DataFileText(ws.model, ws.caps, RegionOf(ws.image)), kSaveLogName);
}

}  // namespace tpw
