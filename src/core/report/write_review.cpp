#include "report/write_review.h"

#include "image/image_codec.h"

namespace tpw {

namespace {

SettingsModel Decoded(const MemoryImage& image, const ModelCaps& caps) {
  SettingsModel model;
  DecodeImage(image, model, caps.WxSupported);
  return model;
}

}  // namespace

std::string ChangesHeading(std::string_view port, std::size_t count) {
  return "Programming changes what the radio on " + std::string(port) + " holds (" +
         DifferenceCount(count) + "; first the radio's value, then the value written):";
}

std::string ChangesQuestion(std::string_view port, const std::vector<Difference>& changes) {
  std::string text = ChangesHeading(port, changes.size()) + "\r\n";
  for (const Difference& change : changes) text += DifferenceLine(change) + "\r\n";
  return text + ChangesConfirmation;
}

ComparingWriteReview::ComparingWriteReview(const ModelCaps& caps, Confirm confirm)
    : caps_(caps), confirm_(std::move(confirm)) {}

bool ComparingWriteReview::agreesToChanges(const MemoryImage& radio, const MemoryImage& written) {
  const SettingsModel radioModel = Decoded(radio, caps_);
  const SettingsModel writtenModel = Decoded(written, caps_);
  return confirm_(CompareDataSets({radio, radioModel}, {written, writtenModel}, caps_));
}

std::string ComparingWriteReview::settingsAt(const MemoryImage& written, int address) {
  const SettingsModel model = Decoded(written, caps_);
  std::string names;
  for (const SettingName& name : SettingsAtAddresses({written, model}, caps_, {address})) {
    // Bytes no setting shows are named by their address alone.
    if (name.place.nodeKey.empty()) continue;
    if (!names.empty()) names += "; ";
    names += name.where + ": " + name.setting;
  }
  return names;
}

}  // namespace tpw
