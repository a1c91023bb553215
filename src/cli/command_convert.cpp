#include "cli/cli_session.h"
#include "files/hex_image_file.h"
#include "image/image_codec.h"

namespace tpw::cli {

void AddConvertCommand(CLI::App& app, CliSession& session) {
  auto* command = app.add_subcommand(
      "convert",
      "Convert IN to OUT. An image is decoded, encoded and corrected as before a write to the "
      "radio, so OUT holds exactly the bytes a write starts from.");
  auto in = std::make_shared<std::string>();
  auto out = std::make_shared<std::string>();
  command->add_option("IN", *in, "input image file (.hex)")->required();
  command->add_option("OUT", *out, "output image file (.hex)")->required();
  command->callback([&session, in, out] {
    Context& ctx = session.ctx;
    MemoryImage loaded;
    if (!LoadImageFile(ctx, *in, loaded)) {
      session.exitStatus = Failed;
      return;
    }
    ctx.ws.image = loaded;
    DecodeImage(ctx.ws.image, ctx.ws.model, ctx.ws.caps.WxSupported);
    if (!SaveImageFileCommand(ctx, *out)) session.exitStatus = Failed;
  });
}

}  // namespace tpw::cli
