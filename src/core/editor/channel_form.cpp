#include "editor/channel_form.h"

#include <algorithm>
#include <cstdint>

#include "image/channel_tables.h"
#include "image/display_text.h"
#include "image/encodings.h"
#include "image/text_values.h"
#include "image/translatable.h"

namespace tpw {

namespace {

// The highest table index the base channel list offers.
constexpr int kLastBaseChannel = 99;
constexpr int kScramblerBit = 4;
constexpr int kScramblerCodeMask = 3;
constexpr int kScramblerOff = 0;
constexpr int kNoStatus = 0;  // "None"

OptionList BuildBaseChannelOptions() {
  std::vector<OptionEntry> entries;
  const int last = std::min(kLastBaseChannel, MarineChannelCount - 1);
  for (int n = 0; n <= last; ++n) {
    entries.push_back({MarineChannels()[static_cast<std::size_t>(n)].ChName, n});
  }
  return OptionList(std::move(entries));
}

// The value of the selected item, or the record's own when the box shows none.
std::int16_t ChosenValue(const OptionList& options, int item, std::int16_t own) {
  return static_cast<std::int16_t>(options.valueAt(item).value_or(own));
}

// The ticks as they stand and the scrambler item over the record (a hidden or empty scrambler
// list keeps its value).
void ApplySharedEntry(const SharedEntry& entry, ChannelRecord& r) {
  r.txEnabled = entry.txEnable;
  r.lowPower = entry.lowPower;
  r.powerUp = entry.powUp;
  r.scanMemory = entry.scanMemory;
  r.scramble = ChosenValue(ScramblerOptions(), entry.scramblerItem, r.scramble);
}

}  // namespace

ChannelRecord NewChannelTemplate() {
  ChannelRecord r;
  r.position = 0;
  r.enabled = true;
  r.txEnabled = true;
  r.scanMemory = false;
  r.duplex = 2;
  r.statusIcon = 0;
  r.statusNo = TemplateStatusNo;
  r.displayRight.clear();
  return r;
}

const OptionList& BaseChannelOptions() {
  static const OptionList options = BuildBaseChannelOptions();
  return options;
}

const OptionList& DuplexOptions() {
  static const OptionList options = {
      {"TX_SIMP", 0}, {"RX_SIMP", 1}, {"DUPLEX", 2}, {TPW_TEXT("Editor", "Reverse DUP"), 3}};
  return options;
}

const OptionList& StatusNoOptions() {
  static const OptionList options = {{TPW_TEXT("Editor", "None"), 0}, {"10", 1}, {"20", 2}};
  return options;
}

const OptionList& StatusIconOptions() {
  static const OptionList options = {{"-", 0}, {"A", 1}, {"B", 2}};
  return options;
}

const OptionList& ScramblerOptions() {
  static const OptionList options = {
      {TPW_TEXT("Editor", "Off"), 0}, {"0", 4}, {"1", 5}, {"2", 6}, {"3", 7}};
  return options;
}

int ShownStatusNo(int statusNo, std::optional<int> shownValue) {
  if (statusNo != TemplateStatusNo) return statusNo;
  return shownValue.value_or(kNoStatus);
}

int FreeFormScramblerValue(int scramble) {
  if ((scramble & kScramblerBit) == 0) return kScramblerOff;
  return kScramblerBit | (scramble & kScramblerCodeMask);
}

ChannelEnables EnablesFor(bool channelEnabled, bool txEnableTicked, bool lowPowerTicked) {
  ChannelEnables enables;
  enables.channelControls = channelEnabled;
  // Each box of the chain is usable only while the box above it is ticked and usable.
  enables.lowPowerOnly = txEnableTicked && enables.channelControls;
  enables.powerUp = lowPowerTicked && enables.lowPowerOnly;
  return enables;
}

FrequencyTexts GroupFormFrequencies(int position, int duplex, bool maskTx) {
  ChannelRecord r;
  r.position = static_cast<std::int16_t>(position);
  r.duplex = static_cast<std::int16_t>(duplex);
  r.txEnabled = !maskTx;
  return {RxFreqText(r), TxFreqText(r)};
}

double FrequencyEntry::stored() const {
  if (!accepted || !(value > 0)) return 0;
  // The packed digits keep 100 Hz; the quotient of the whole count is the value that reading
  // those digits back gives, so the record equals the radio's own.
  return RoundHalfEven(value * 10000) / 10000;
}

FrequencyEntry ReadFrequencyEntry(std::string_view text) {
  FrequencyEntry entry;
  entry.value = LeadingNumber(text);
  entry.accepted = text.empty() || (entry.value >= LowestFrequency &&
                                    entry.value <= HighestFrequency && IsStep25k(entry.value));
  entry.shown = FormatFreq4(entry.value);
  return entry;
}

bool ChecksFrequencyOnLeave(ListId list) {
  return list != ListId::CHEXP;
}

bool IsFrequencyCharacter(char c) {
  return IsDecimalDigit(c) || c == '.';
}

bool IsDisplayNameCharacter(char c) {
  // The characters the radio's two-character display can show.
  static constexpr std::string_view kLetters = "ACEFHIJKLMPQSbdnorty ";
  return IsDecimalDigit(c) || (c != '\0' && kLetters.find(c) != std::string_view::npos);
}

ChannelRecord GroupFormRecord(const ChannelRecord& shown, const GroupFormEntry& entry) {
  ChannelRecord r = shown;
  r.enabled = true;
  r.position = ChosenValue(BaseChannelOptions(), entry.positionItem, shown.position);
  r.duplex = ChosenValue(DuplexOptions(), entry.duplexItem, shown.duplex);
  r.statusIcon = ChosenValue(StatusIconOptions(), entry.statusIconItem, shown.statusIcon);
  r.statusNo = ChosenValue(StatusNoOptions(), entry.statusNoItem,
                           static_cast<std::int16_t>(ShownStatusNo(shown.statusNo, {})));
  ApplySharedEntry(entry.shared, r);
  const ChannelEnables enables = EnablesFor(true, r.txEnabled, r.lowPower);
  r.lowPower = r.lowPower && enables.lowPowerOnly;
  r.powerUp = r.powerUp && enables.powerUp;
  return r;
}

FrequencyTexts ChosenFrequencies(const ChannelRecord& shown, const GroupFormEntry& entry) {
  const ChannelRecord chosen = GroupFormRecord(shown, entry);
  return GroupFormFrequencies(chosen.position, chosen.duplex, !entry.shared.txEnable);
}

FreeFormSave FreeFormRecord(const ChannelRecord& shown, const FreeFormEntry& entry) {
  FreeFormSave save;
  ChannelRecord& r = save.record;
  r = shown;
  // A free channel has no table position, duplex mode or status codes: the radio and the
  // channel data file give them back as 0, whatever the template held.
  r.position = r.duplex = r.statusNo = r.statusIcon = 0;
  r.enabled = true;
  r.inUsaGroup = entry.groups[0];
  r.inIntGroup = entry.groups[1];
  r.inRegionGroup = entry.groups[2];
  r.displayLeft = PadRight(entry.name, DisplayNameLength);
  const FrequencyEntry rx = ReadFrequencyEntry(entry.rxText);
  const FrequencyEntry tx = ReadFrequencyEntry(entry.txText);
  r.rxFrequency = rx.stored();
  r.txFrequency = tx.stored();
  save.rxShown = rx.shown;
  save.txShown = tx.shown;
  ApplySharedEntry(entry.shared, r);
  save.complete = r.rxFrequency > 0 && r.txFrequency > 0 && !Trim(entry.name).empty();
  return save;
}

MissingEntry FreeFormMissing(std::string_view rxText, std::string_view name) {
  if (Trim(name).empty()) return MissingEntry::Name;
  if (!(ReadFrequencyEntry(rxText).stored() > 0)) return MissingEntry::RxFrequency;
  return MissingEntry::None;
}

}  // namespace tpw
