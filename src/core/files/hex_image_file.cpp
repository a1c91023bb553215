#include "files/hex_image_file.h"

#include <string>

#include "files/atomic_file.h"
#include "files/file_failure.h"
#include "files/file_save.h"
#include "image/image_codec.h"
#include "image/memory_map.h"
#include "image/model_identity.h"
#include "image/regions.h"
#include "image/text_values.h"
#include "image/translatable.h"
#include "session/flag_guard.h"
#include "session/region_question.h"

namespace tpw {

namespace fs = std::filesystem;

namespace {

// The names under which failures are written into err.log.
constexpr const char* kOpenLogName = "frmMain.ReadHexFileAs";
constexpr const char* kSaveLogName = "frmMain.SaveHexFileAs";
constexpr const char* kDestinationLogName = "frmMain.FileReadIni";

void Refuse(Context& ctx, const std::string& text) {
  ctx.prompter.message(Icon::Critical, MainTitle(ctx.ws.caps), text);
}

// Region check of a file against the current image: done when the file may be taken, with
// the user's consent to take its region; cancelled when the user declined it.
ImageOpenResult RegionAccepted(Context& ctx, const fs::path& path, int fileRegion) {
  switch (CompareRegions(fileRegion, RegionOf(ctx.ws.image))) {
    case RegionMatch::Same:
      return {Outcome::Done};
    case RegionMatch::Refused:
      Refuse(ctx, FileMessage(TPW_TEXT("Messages", "Region Unmatched !!"), path,
                              RegionMismatchFinding(fileRegion, RegionOf(ctx.ws.image))));
      return {Outcome::Failed};
    case RegionMatch::Question:
      break;
  }
  if (!AgreesToRegionChange(ctx.prompter, MainTitle(ctx.ws.caps))) return {Outcome::Cancelled};
  return {Outcome::Done, true};
}

// Reads a file into scratch with the window marked busy, then lets it settle.
ImageFileStatus ReadWhileBusy(Context& ctx, const fs::path& path, MemoryImage& scratch,
                              ImageFileFinding& finding) {
  Workspace& ws = ctx.ws;
  FlagGuard busy(ws.flags.TransferBusy, true);
  const ImageFileStatus status = ReadImageFile(path, ws.caps.ModelType, scratch, &finding);
  ctx.host.settleAfterFile();
  return status;
}

std::string Word(int value) {
  return "0x" + HexPad(value, 4);
}

// What was found in a file the loaders refuse, as the second line of its message says it.
std::string RefusalFinding(const fs::path& path, ImageFileStatus status,
                           const ImageFileFinding& found, const MemoryImage& scratch,
                           int modelType) {
  switch (status) {
    case ImageFileStatus::BadSize:
      return "expected " + std::to_string(ImageSize) + " bytes and found " +
             std::to_string(found.size) + ", so it is no image of the radio's memory.";
    case ImageFileStatus::Unreadable:
      return FileFailureFinding(path, found.error, FileAction::Read);
    case ImageFileStatus::BadVersion:
      return ModelWordsFinding(scratch, modelType);
    case ImageFileStatus::Ok:
      break;
  }
  return {};
}

}  // namespace

std::string ModelWordsFinding(const MemoryImage& image, int modelType) {
  if (ImageVersionMatches(image, modelType)) return {};
  if (modelType != QZ815ModelType) {
    return "the program is set to the model " + ModelNameOf(modelType) +
           ", which has no image files.";
  }
  return "the model words at 0x080 and 0x7FE hold " + Word(image.word(addr::ModelVersionWord)) +
         " and " + Word(image.word(addr::ModelVersionWord2)) + "; an image of the " +
         ModelNameOf(modelType) + " holds " + Word(ModelVersion) + " in both.";
}

ImageFileStatus ReadImageFile(const fs::path& path, int modelType, MemoryImage& scratch,
                              ImageFileFinding* finding) {
  ImageFileFinding found;
  std::string content;
  found.error = RegularFileSize(path, found.size);
  if (!found.error && found.size == ImageSize)
    found.error = ReadWholeFile(path, content, ImageSize);
  if (finding) *finding = found;
  if (found.error) return ImageFileStatus::Unreadable;
  // The size is checked before anything is read, so no file is ever read whole for nothing.
  if (content.size() != ImageSize) return ImageFileStatus::BadSize;
  ImageBytes bytes;
  for (std::size_t i = 0; i < ImageSize; ++i) bytes[i] = static_cast<std::uint8_t>(content[i]);
  scratch.assign(bytes);
  return ImageVersionMatches(scratch, modelType) ? ImageFileStatus::Ok
                                                 : ImageFileStatus::BadVersion;
}

Outcome LoadImageFile(Context& ctx, const fs::path& path, MemoryImage& scratch, ModelWords words) {
  Workspace& ws = ctx.ws;
  ImageFileFinding found;
  const ImageFileStatus status = ReadWhileBusy(ctx, path, scratch, found);
  const std::string finding = RefusalFinding(path, status, found, scratch, ws.caps.ModelType);
  switch (status) {
    case ImageFileStatus::Ok:
      return Outcome::Done;
    case ImageFileStatus::BadSize:
      ctx.prompter.message(Icon::Critical, MainTitle(ws.caps),
                           FileMessage(TPW_TEXT("Messages", "bad file!!"), path, finding));
      return Outcome::Failed;
    case ImageFileStatus::Unreadable:
      ctx.diagnostics.errorLog(kOpenLogName, NumberedDescription(found.error));
      ctx.prompter.message(Icon::Exclamation, MainTitle(ws.caps),
                           FileMessage(TPW_TEXT("Messages", "FileRead Error!!"), path, finding));
      return Outcome::Failed;
    case ImageFileStatus::BadVersion: {
      const std::string text =
          FileMessage(TPW_TEXT("Messages", "ModelType Error !!"), path, finding);
      if (words == ModelWords::Required) {
        Refuse(ctx, text);
        return Outcome::Failed;
      }
      ctx.prompter.message(Icon::Exclamation, MainTitle(ws.caps), text);
      return Outcome::Done;
    }
  }
  return Outcome::Failed;
}

void TakeImage(Workspace& ws, const MemoryImage& image) {
  ws.image = image;
  DecodeImage(ws.image, ws.model, ws.caps.WxSupported);
}

ImageOpenResult OpenImageFile(Context& ctx, const fs::path& path) {
  Workspace& ws = ctx.ws;
  MemoryImage scratch;
  if (LoadImageFile(ctx, path, scratch) != Outcome::Done) return {Outcome::Failed};
  const ImageOpenResult result = RegionAccepted(ctx, path, scratch.at(addr::RegionCode));
  if (result.outcome != Outcome::Done) return result;
  TakeImage(ws, scratch);
  ws.documentPath = path.string();
  return result;
}

std::string_view ImageFileContent(const MemoryImage& image) {
  const ImageBytes& bytes = image.bytes();
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

Outcome SaveImageBytes(Context& ctx, const fs::path& path) {
  return SaveDocument(ctx, path, ImageFileContent(ctx.ws.image), kSaveLogName);
}

Outcome SaveImageFile(Context& ctx, const fs::path& path) {
  Workspace& ws = ctx.ws;
  EncodeForWrite(ws.model, ws.image, ws.caps.WxSupported);
  return SaveImageBytes(ctx, path);
}

bool LoadDestinationImage(Context& ctx, const fs::path& path, std::string* finding) {
  Workspace& ws = ctx.ws;
  MemoryImage scratch;
  ImageFileFinding found;
  const ImageFileStatus status = ReadWhileBusy(ctx, path, scratch, found);
  if (finding) *finding = RefusalFinding(path, status, found, scratch, ws.caps.ModelType);
  if (status == ImageFileStatus::Unreadable) {
    ctx.diagnostics.errorLog(kDestinationLogName, NumberedDescription(found.error));
  }
  if (status != ImageFileStatus::Ok) return false;
  TakeImage(ws, scratch);
  return true;
}

}  // namespace tpw
