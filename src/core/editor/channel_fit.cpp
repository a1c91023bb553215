#include "editor/channel_fit.h"

#include <algorithm>

#include "editor/channel_form.h"
#include "editor/channel_grid.h"
#include "image/display_text.h"
#include "image/encodings.h"
#include "image/text_values.h"
#include "image/translatable.h"

namespace tpw {

namespace {

namespace text {
constexpr const char* NoSuchChannel =
    TPW_TEXT("Messages", "the group has no channel %1 (it has 00 to 99)");
constexpr const char* NoDuplexMode = TPW_TEXT("Messages", "it has no duplex mode the radio knows");
constexpr const char* NoStatusNumber =
    TPW_TEXT("Messages", "it has no status number the radio knows");
constexpr const char* NoStatusIcon = TPW_TEXT("Messages", "it has no status icon the radio knows");
// "%1" the frequency, "%2" and "%3" the band's ends.
constexpr const char* RxOutside =
    TPW_TEXT("Messages", "its Rx frequency %1 is outside %2 to %3 MHz or not on a 25 kHz step");
constexpr const char* TxOutside =
    TPW_TEXT("Messages", "its Tx frequency %1 is outside %2 to %3 MHz or not on a 25 kHz step");
constexpr const char* NoDisplayName = TPW_TEXT("Messages", "it has no display name");
constexpr const char* NameNotShown =
    TPW_TEXT("Messages", "the radio cannot show its display name \"%1\"");
constexpr const char* WeatherFixed = TPW_TEXT("Messages", "the weather channels are fixed");
}  // namespace text

constexpr const char* kTemplates[] = {text::NoSuchChannel, text::RxOutside, text::TxOutside,
                                      text::NameNotShown};

std::optional<std::string> WhyNotInGroup(const ChannelRecord& r) {
  if (!BaseChannelOptions().stores(r.position)) {
    return Fill(text::NoSuchChannel, {std::to_string(r.position)});
  }
  if (!DuplexOptions().stores(r.duplex)) return text::NoDuplexMode;
  if (!StatusNoOptions().stores(r.statusNo)) return text::NoStatusNumber;
  if (!StatusIconOptions().stores(r.statusIcon)) return text::NoStatusIcon;
  return std::nullopt;
}

std::optional<std::string> WhyNotFree(const ChannelRecord& r) {
  // A frequency fits when the box of the free form takes it: in the band, on a 25 kHz step,
  // as the radio gives it back.
  auto fits = [](double value) {
    return value >= LowestFrequency && value <= HighestFrequency && IsStep25k(value) &&
           RoundHalfEven(value * 10000) / 10000 == value;
  };
  auto outside = [](const char* pattern, double value) {
    return Fill(pattern,
                {FormatFreq4(value), FormatFreq4(LowestFrequency), FormatFreq4(HighestFrequency)});
  };
  if (!fits(r.rxFrequency)) return outside(text::RxOutside, r.rxFrequency);
  if (!fits(r.txFrequency)) return outside(text::TxOutside, r.txFrequency);
  if (Trim(r.displayLeft).empty()) return text::NoDisplayName;
  const bool shown =
      r.displayLeft.size() <= static_cast<std::size_t>(DisplayNameLength) &&
      std::all_of(r.displayLeft.begin(), r.displayLeft.end(), IsDisplayNameCharacter);
  if (!shown) return Fill(text::NameNotShown, {r.displayLeft});
  return std::nullopt;
}

}  // namespace

std::optional<std::string> WhyChannelDoesNotFit(ListId list, const ChannelRecord& record) {
  if (list == ListId::CHWX) return text::WeatherFixed;
  return IsGroupLayout(list) ? WhyNotInGroup(record) : WhyNotFree(record);
}

std::span<const char* const> ChannelFitTemplates() {
  return kTemplates;
}

}  // namespace tpw
