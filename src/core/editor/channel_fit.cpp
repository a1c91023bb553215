#include "editor/channel_fit.h"

#include <algorithm>

#include "editor/channel_form.h"
#include "editor/channel_grid.h"
#include "image/display_text.h"
#include "image/encodings.h"
#include "image/text_values.h"

namespace tpw {

namespace {

std::optional<std::string> WhyNotInGroup(const ChannelRecord& r) {
  if (!BaseChannelOptions().stores(r.position)) {
    return "the group has no channel " + std::to_string(r.position) + " (it has 00 to 99)";
  }
  if (!DuplexOptions().stores(r.duplex)) return "it has no duplex mode the radio knows";
  if (!StatusNoOptions().stores(r.statusNo)) return "it has no status number the radio knows";
  if (!StatusIconOptions().stores(r.statusIcon)) return "it has no status icon the radio knows";
  return std::nullopt;
}

std::optional<std::string> WhyNotFree(const ChannelRecord& r) {
  const std::string band = " is outside " + FormatFreq4(LowestFrequency) + " to " +
                           FormatFreq4(HighestFrequency) + " MHz or not on a 25 kHz step";
  // A frequency fits when the box of the free form takes it: in the band, on a 25 kHz step,
  // as the radio gives it back.
  auto fits = [](double value) {
    return value >= LowestFrequency && value <= HighestFrequency && IsStep25k(value) &&
           RoundHalfEven(value * 10000) / 10000 == value;
  };
  if (!fits(r.rxFrequency)) return "its Rx frequency " + FormatFreq4(r.rxFrequency) + band;
  if (!fits(r.txFrequency)) return "its Tx frequency " + FormatFreq4(r.txFrequency) + band;
  if (Trim(r.displayLeft).empty()) return "it has no display name";
  const bool shown =
      r.displayLeft.size() <= static_cast<std::size_t>(DisplayNameLength) &&
      std::all_of(r.displayLeft.begin(), r.displayLeft.end(), IsDisplayNameCharacter);
  if (!shown) return "the radio cannot show its display name \"" + r.displayLeft + "\"";
  return std::nullopt;
}

}  // namespace

std::optional<std::string> WhyChannelDoesNotFit(ListId list, const ChannelRecord& record) {
  if (list == ListId::CHWX) return "the weather channels are fixed";
  return IsGroupLayout(list) ? WhyNotInGroup(record) : WhyNotFree(record);
}

}  // namespace tpw
