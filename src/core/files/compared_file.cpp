#include "files/compared_file.h"

#include "files/data_file.h"
#include "files/hex_image_file.h"
#include "image/image_codec.h"
#include "image/text_values.h"

namespace tpw {

Outcome OpenFileToCompare(Context& ctx, const std::filesystem::path& path) {
  const std::string extension = ToUpper(path.extension().string());
  if (extension != ".HEX" && extension != ".INI") {
    const Outcome opened = OpenDataFile(ctx, path, RegionCheck::None);
    if (opened == Outcome::Done)
      EncodeForWrite(ctx.ws.model, ctx.ws.image, ctx.ws.caps.WxSupported);
    return opened;
  }
  MemoryImage image;
  const Outcome loaded = LoadImageFile(ctx, path, image);
  if (loaded == Outcome::Done) TakeImage(ctx.ws, image);
  return loaded;
}

}  // namespace tpw
