#include "files/hex_image_file.h"

#include <string>

#include "files/atomic_file.h"
#include "files/file_save.h"
#include "image/image_codec.h"
#include "image/memory_map.h"
#include "image/model_identity.h"
#include "image/regions.h"
#include "session/flag_guard.h"
#include "session/region_question.h"

namespace tpw {

namespace fs = std::filesystem;

namespace {

// The names under which failures are written into err.log.
constexpr const char* kOpenLogName = "frmMain.ReadHexFileAs";
constexpr const char* kSaveLogName = "frmMain.SaveHexFileAs";
constexpr const char* kDestinationLogName = "frmMain.FileReadIni";

void Refuse(Context& ctx, const char* text) {
  ctx.prompter.message(Icon::Critical, MainTitle(ctx.ws.caps), text);
  ctx.ws.flags.ErrorFlag = true;
}

// Region check of a file against the current image; true when the file may be taken.
bool RegionAccepted(Context& ctx, int fileRegion, bool& changeAccepted) {
  switch (CompareRegions(fileRegion, RegionOf(ctx.ws.image))) {
    case RegionMatch::Same:
      return true;
    case RegionMatch::Refused:
      Refuse(ctx, "Region Unmatched !!");
      return false;
    case RegionMatch::Question:
      break;
  }
  if (!AgreesToRegionChange(ctx.prompter, MainTitle(ctx.ws.caps))) {
    ctx.ws.flags.ErrorFlag = true;
    return false;
  }
  changeAccepted = true;
  return true;
}

// Reads a file into scratch with the window marked busy, then lets it settle.
ImageFileStatus ReadWhileBusy(Context& ctx, const fs::path& path, MemoryImage& scratch,
                              std::error_code& ioError) {
  Workspace& ws = ctx.ws;
  ws.flags.ErrorFlag = false;
  FlagGuard busy(ws.flags.TransferBusy, true);
  const ImageFileStatus status = ReadImageFile(path, ws.caps.ModelType, scratch, &ioError);
  ctx.host.settleAfterFile();
  return status;
}

}  // namespace

ImageFileStatus ReadImageFile(const fs::path& path, int modelType, MemoryImage& scratch,
                              std::error_code* ioError) {
  std::string content;
  if (const std::error_code error = ReadWholeFile(path, content)) {
    if (ioError) *ioError = error;
    return ImageFileStatus::Unreadable;
  }
  if (content.size() != ImageSize) return ImageFileStatus::BadSize;
  ImageBytes bytes;
  for (std::size_t i = 0; i < ImageSize; ++i) bytes[i] = static_cast<std::uint8_t>(content[i]);
  scratch.assign(bytes);
  return ImageVersionMatches(scratch, modelType) ? ImageFileStatus::Ok
                                                 : ImageFileStatus::BadVersion;
}

bool LoadImageFile(Context& ctx, const fs::path& path, MemoryImage& scratch) {
  Workspace& ws = ctx.ws;
  std::error_code ioError;
  const ImageFileStatus status = ReadWhileBusy(ctx, path, scratch, ioError);
  switch (status) {
    case ImageFileStatus::Ok:
      return true;
    case ImageFileStatus::BadSize:
      ctx.prompter.message(Icon::Critical, MainTitle(ws.caps), "bad file!!");
      return false;
    case ImageFileStatus::Unreadable:
      ctx.diagnostics.errorLog(kOpenLogName, NumberedDescription(ioError));
      ctx.prompter.message(Icon::Exclamation, MainTitle(ws.caps), "FileRead Error!!");
      ws.flags.ErrorFlag = true;
      ws.flags.CancelFlag = true;
      return false;
    case ImageFileStatus::BadVersion:
      Refuse(ctx, "ModelType Error !!");
      return false;
  }
  return false;
}

void TakeImage(Workspace& ws, const MemoryImage& image) {
  ws.image = image;
  DecodeImage(ws.image, ws.model, ws.caps.WxSupported);
}

ImageOpenResult OpenImageFile(Context& ctx, const fs::path& path) {
  Workspace& ws = ctx.ws;
  MemoryImage scratch;
  ImageOpenResult result;
  if (!LoadImageFile(ctx, path, scratch)) return result;
  if (!RegionAccepted(ctx, scratch.at(addr::RegionCode), result.regionChangeAccepted)) {
    result.regionChangeAccepted = false;
    return result;
  }
  TakeImage(ws, scratch);
  ws.documentPath = path.string();
  ws.flags.DataChanged = false;
  result.loaded = true;
  return result;
}

bool SaveImageBytes(Context& ctx, const fs::path& path) {
  const ImageBytes& bytes = ctx.ws.image.bytes();
  return SaveDocument(ctx, path,
                      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                      kSaveLogName);
}

bool SaveImageFile(Context& ctx, const fs::path& path) {
  Workspace& ws = ctx.ws;
  EncodeImage(ws.model, ws.image, ws.caps.WxSupported);
  SanitiseForWrite(ws.image, ws.model, ws.caps.WxSupported);
  return SaveImageBytes(ctx, path);
}

bool LoadDestinationImage(Context& ctx, const fs::path& path) {
  Workspace& ws = ctx.ws;
  MemoryImage scratch;
  std::error_code ioError;
  const ImageFileStatus status = ReadWhileBusy(ctx, path, scratch, ioError);
  if (status == ImageFileStatus::Unreadable) {
    ctx.diagnostics.errorLog(kDestinationLogName, NumberedDescription(ioError));
    ws.flags.CancelFlag = true;
    return false;
  }
  if (status != ImageFileStatus::Ok) {
    ws.flags.ErrorFlag = status == ImageFileStatus::BadVersion;
    return false;
  }
  TakeImage(ws, scratch);
  return true;
}

}  // namespace tpw
