#include "shell/destinations.h"

#include <algorithm>

#include "files/file_failure.h"
#include "files/hex_image_file.h"
#include "image/channel_tables.h"
#include "image/image_codec.h"
#include "image/regions.h"
#include "image/text_values.h"
#include "image/translatable.h"

namespace tpw {

namespace fs = std::filesystem;

namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return ToUpper(a) < ToUpper(b);
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

std::string VersionSuffix(int modelType) {
  return modelType == QZ815ModelType ? "_" + HexPad(ModelVersion, 4) : "";
}

std::vector<std::string> ListDestinationNames(const fs::path& folder, int modelType) {
  const std::string ending = ToUpper(VersionSuffix(modelType) + ".ini");
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (names.size() == MaxDestinations) break;
    if (!it->is_regular_file(error)) continue;
    const std::string file = ToUpper(it->path().filename().string());
    if (!EndsWith(file, ending) || file.size() == ending.size()) continue;
    names.push_back(file.substr(0, file.size() - ending.size()));
  }
  std::sort(names.begin(), names.end(), LessIgnoringCase);
  return names;
}

fs::path DestinationPath(const fs::path& folder, std::string_view caption, int modelType) {
  std::string name = ToUpper(caption);
  if (EndsWith(name, "-M")) name.resize(name.size() - 2);
  return folder / (name + VersionSuffix(modelType) + ".ini");
}

int DestinationForRegion(const std::vector<std::string>& captions, int regionCode) {
  const std::string region = ToUpper(RegionName(regionCode));
  for (std::size_t i = 0; i < captions.size(); ++i) {
    const std::string caption = ToUpper(captions[i]);
    const std::size_t underscore = caption.rfind('_');
    const std::string last =
        underscore == std::string::npos ? caption : caption.substr(underscore + 1);
    if (last == region) return static_cast<int>(i);
  }
  return -1;
}

std::string DestinationQuestion(std::string_view caption) {
  return "Do you want to change to " + std::string(caption) + "?";
}

int DestinationMenu::find(std::string_view name) const {
  const std::string wanted = ToUpper(name);
  for (std::size_t i = 0; i < captions_.size(); ++i) {
    if (ToUpper(captions_[i]) == wanted) return static_cast<int>(i);
  }
  return -1;
}

fs::path DestinationMenu::path(int index, int modelType) const {
  return DestinationPath(folder_, captions_.at(static_cast<std::size_t>(index)), modelType);
}

void DestinationMenu::scan(int modelType) {
  checked_ = -1;
  captions_ = ListDestinationNames(folder_, modelType);
  enabled_ = true;
}

void DestinationMenu::build(Context& ctx, SettingsStore& store) {
  const int model = ctx.ws.caps.ModelType;
  scan(model);
  if (captions_.empty()) return;
  const std::string key = DestinationSettingKey(model);
  const std::string remembered = store.read(setting::DestinationSection, key, "");
  int index = remembered.empty() ? -1 : find(remembered);
  std::error_code error;
  if (index < 0 || !fs::exists(path(index, model), error)) {
    index = 0;
    store.write(setting::DestinationSection, key, captions_.front());
  }
  readInto(ctx, store, index);
}

bool DestinationMenu::load(Context& ctx, SettingsStore& store, int index) {
  const int before = checked_;
  checked_ = -1;
  std::string finding;
  if (readInto(ctx, store, index, &finding)) return true;
  const std::string text = finding.empty()
                               ? std::string("IniFileRead Error!!")
                               : FileMessage(TPW_TEXT("Messages", "IniFileRead Error!!"),
                                             path(index, ctx.ws.caps.ModelType), finding);
  ctx.prompter.message(Icon::Exclamation, MainTitle(ctx.ws.caps), text);
  checked_ = before;
  return false;
}

bool DestinationMenu::readInto(Context& ctx, SettingsStore& store, int index,
                               std::string* finding) {
  if (index < 0 || index >= static_cast<int>(captions_.size())) return false;
  const int model = ctx.ws.caps.ModelType;
  if (!LoadDestinationImage(ctx, path(index, model), finding)) return false;
  checked_ = index;
  store.write(setting::DestinationSection, DestinationSettingKey(model),
              captions_[static_cast<std::size_t>(index)]);
  return true;
}

void DestinationMenu::syncToRegion(const MemoryImage& image) {
  if (!enabled_) return;
  checked_ = DestinationForRegion(captions_, RegionOf(image));
}

bool NewDataSet(Context& ctx, SettingsStore& store, DestinationMenu& menu, int index) {
  Workspace& ws = ctx.ws;
  for (ListId id : AllLists) ws.model.list(id).clear();
  ws.model.CHWX = DefaultWeatherList();
  NewDefaultImage(ws.image, ws.model, ws.caps.ModelType);
  const bool loaded = index < 0 || menu.load(ctx, store, index);
  ws.documentPath.clear();
  return loaded;
}

}  // namespace tpw
