#include "files/compared_file.h"

#include "files/data_file.h"
#include "files/hex_image_file.h"
#include "image/image_codec.h"
#include "image/text_values.h"

namespace tpw {

bool OpenFileToCompare(Context& ctx, const std::filesystem::path& path) {
  const std::string extension = ToUpper(path.extension().string());
  if (extension != ".HEX" && extension != ".INI") {
    if (!OpenDataFile(ctx, path, RegionCheck::None)) return false;
    EncodeForWrite(ctx.ws.model, ctx.ws.image, ctx.ws.caps.WxSupported);
    return true;
  }
  MemoryImage image;
  if (!LoadImageFile(ctx, path, image)) return false;
  TakeImage(ctx.ws, image);
  return true;
}

}  // namespace tpw
