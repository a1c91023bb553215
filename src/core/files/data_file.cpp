#include "files/data_file.h"

#include <cstdint>
#include <exception>
#include <new>
#include <optional>

#include "files/atomic_file.h"
#include "files/data_file_completeness.h"
#include "files/data_file_reader.h"
#include "files/field_text.h"
#include "files/file_failure.h"
#include "files/file_save.h"
#include "files/ini_file.h"
#include "image/encodings.h"
#include "image/record_fields.h"
#include "image/regions.h"
#include "image/text_values.h"
#include "image/translatable.h"
#include "session/flag_guard.h"
#include "session/message_texts.h"
#include "session/region_question.h"

namespace tpw {

namespace fs = std::filesystem;

namespace {

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
  std::string text() && { return std::move(text_); }

 private:
  void line(const std::string& text) { text_ += text + "\r\n"; }
  std::string text_;
};

// The fields of a record or setup in their table's order, each entry under its own key.
template <typename Owner>
void WriteFields(TextWriter& out, const RecordLayout<Owner>& layout, const Owner& owner,
                 const ModelCaps& caps) {
  for (const Field<Owner>& field : layout.fields) {
    if (!InDataFile(field, caps)) continue;
    for (int entry = 0; entry < field.entries(); ++entry) {
      out.key(field.keys[static_cast<std::size_t>(entry)],
              (field.hashPrefix ? "#" : "") + FieldFileText(field.get(owner, entry)));
    }
  }
}

template <typename Owner>
void WriteSetup(TextWriter& out, const RecordLayout<Owner>& layout, const Owner& owner,
                const ModelCaps& caps) {
  out.section(layout.section);
  WriteFields(out, layout, owner, caps);
}

void WriteMain(TextWriter& out, const ModelCaps& caps, int regionCode) {
  out.section("MAIN");
  out.key("MODEL", "#" + caps.ModelName);
  out.key("TYPE", "#KVX");
  out.key("VERSION", "#1.00");
  out.key("MODELTYPE", std::to_string(caps.ModelType));
  out.key("REGION", std::to_string(NormaliseRegion(regionCode)));
  out.key(DataFileWriterKey, "#" + std::string(DataFileWriterName));
}

// A section per record, named after the list and numbered from the list's first section.
void WriteList(TextWriter& out, ListId id, const ChannelList& list, const ModelCaps& caps) {
  const RecordLayout<ChannelRecord>& layout = ChannelRecordLayout(id);
  int number = layout.firstSection;
  for (const ChannelRecord& record : list) {
    out.section(Layout(id).name + std::to_string(number++));
    WriteFields(out, layout, record, caps);
  }
}

// ---- checks ----

void Refuse(Context& ctx, std::string_view title, const std::string& text) {
  ctx.prompter.message(Icon::Critical, title, text);
}

// A file that could not be read as a data file at all: "FileRead Error!!", what was found.
void NotRead(Context& ctx, const fs::path& path, const std::string& finding) {
  ctx.prompter.message(Icon::Exclamation, MainTitle(ctx.ws.caps),
                       FileMessage(TPW_TEXT("Messages", "FileRead Error!!"), path, finding));
}

void UnexpectedFailure(Context& ctx, const fs::path& path, const std::string& logged,
                       const std::string& finding) {
  ctx.diagnostics.errorLog(kOpenLogName, logged);
  NotRead(ctx, path, finding);
}

// A text saved as UTF-16 (as some Windows editors offer it): a byte order mark, or the NUL
// bytes beside every character of plain text.
bool IsUtf16Text(std::string_view content) {
  if (content.starts_with("\xFF\xFE") || content.starts_with("\xFE\xFF")) return true;
  return content.size() >= 4 && ((content[0] == '\0' && content[2] == '\0' && content[1] != '\0') ||
                                 (content[1] == '\0' && content[3] == '\0' && content[0] != '\0'));
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

// The [MAIN] checks, the region's only when asked for; on acceptance fileRegion holds the file's
// normalised region. Cancelled when the user declined the file's region.
Outcome MainSectionAccepted(Context& ctx, const fs::path& path, std::string_view content,
                            RegionCheck check, int& fileRegion) {
  const ModelCaps& caps = ctx.ws.caps;
  if (const auto finding = ModelTypeFinding(content, caps)) {
    Refuse(ctx, MainTitle(caps), FileMessage(msg::ModelTypeError, path, *finding));
    return Outcome::Failed;
  }
  const double region =
      RoundHalfEven(LeadingNumber(ReadIniValueFromText(content, "MAIN", "REGION")));
  fileRegion = region >= 0 && region <= 255 ? NormaliseRegion(static_cast<int>(region)) : UsaRegion;
  if (check == RegionCheck::None) return Outcome::Done;
  switch (CompareRegions(fileRegion, RegionOf(ctx.ws.image))) {
    case RegionMatch::Same:
      return Outcome::Done;
    case RegionMatch::Refused:
      Refuse(ctx, "Read Binary Data",
             FileMessage(msg::RegionUnmatched, path,
                         RegionMismatchFinding(fileRegion, RegionOf(ctx.ws.image))));
      return Outcome::Failed;
    case RegionMatch::Question:
      break;
  }
  return AgreesToRegionChange(ctx.prompter, MainTitle(caps)) ? Outcome::Done : Outcome::Cancelled;
}

// Reads the file, or tells why it cannot be (with "FileRead Error!!"): one larger than any
// data file is not read at all, one saved as UTF-16 is named as such, and one the system
// cannot read (it does not exist, say) is logged with the system's reason.
std::optional<std::string> ReadDataFileText(Context& ctx, const fs::path& path) {
  std::string content;
  const std::error_code error = ReadWholeFile(path, content, TextFileLimit);
  std::uintmax_t size = 0;
  if (!error && IsUtf16Text(content)) {
    NotRead(ctx, path,
            "it is saved as UTF-16 text, which is no channel data file. Save it as plain text "
            "(ANSI or UTF-8) in your editor, then open it again.");
  } else if (!error) {
    return content;
  } else if (error == std::errc::file_too_large && !RegularFileSize(path, size)) {
    NotRead(ctx, path,
            "it holds " + std::to_string(size) +
                " bytes, more than any channel data file (at most " +
                std::to_string(TextFileLimit) + "), so it is no channel data file.");
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

std::string DataFileText(const SettingsModel& model, const ModelCaps& caps, int regionCode) {
  TextWriter out;
  WriteMain(out, caps, regionCode);
  WriteSetup(out, ChannelGroupsLayout(), model.groups, caps);
  WriteSetup(out, CommonSetupLayout(), model.common, caps);
  if (caps.AtisSupported) WriteSetup(out, AtisSetupLayout(), model.atis, caps);
  for (ListId id : AllLists) {
    if (id != ListId::CHWX || caps.WxSupported) WriteList(out, id, model.list(id), caps);
  }
  // The last line: a file that ends before it was cut short.
  out.section(DataFileEndSection);
  return std::move(out).text();
}

Outcome OpenDataFile(Context& ctx, const fs::path& path, RegionCheck check) {
  FlagGuard busy(ctx.ws.flags.TransferBusy, true);
  Outcome outcome = Outcome::Failed;
  if (const std::optional<std::string> content = ReadDataFileText(ctx, path)) {
    int fileRegion = UsaRegion;
    outcome = MainSectionAccepted(ctx, path, *content, check, fileRegion);
    if (outcome == Outcome::Done && !TakeDataFile(ctx, path, *content, fileRegion)) {
      outcome = Outcome::Failed;
    }
  }
  ctx.host.settleAfterFile();
  return outcome;
}

Outcome SaveDataFile(Context& ctx, const fs::path& path) {
  const Workspace& ws = ctx.ws;
  return SaveDocument(ctx, path, DataFileText(ws.model, ws.caps, RegionOf(ws.image)), kSaveLogName);
}

}  // namespace tpw
