#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/option_list.h"
#include "image/settings_model.h"
#include "image/translatable.h"

// The rules of the channel edit panel: the record NEW starts from, the option lists of its
// list boxes, which boxes are enabled, the frequencies and names the boxes accept, and the
// record SAVE writes. The panel has two forms: the group form for the short-slot lists
// (CHUSA, CHINT, CHCAN), whose channel comes from the marine table, and the free form for
// CHRG and CHEXP, whose name and frequencies are typed in.
namespace tpw {

// The template's status number matches no item of the status list on purpose: the list keeps
// the item it showed, so a run of new channels shares one status number.
inline constexpr std::int16_t TemplateStatusNo = 127;

// The record NEW shows, for both forms.
ChannelRecord NewChannelTemplate();

// "00" to "99": the channels of the marine table a short slot can be given.
const OptionList& BaseChannelOptions();
const OptionList& DuplexOptions();
const OptionList& StatusNoOptions();
const OptionList& StatusIconOptions();
const OptionList& ScramblerOptions();

// The status number the status list shows for a record's. The template's keeps the value the
// list showed (shownValue), or "None" when it showed none.
int ShownStatusNo(int statusNo, std::optional<int> shownValue);
// The scrambler value the free form shows: "Off" while the scrambler bit (value 4) is clear,
// otherwise the entry of the code in bits 1..0.
int FreeFormScramblerValue(int scramble);

// Which controls are enabled, from the ticks of the three boxes that govern them.
struct ChannelEnables {
  bool channelControls = false;  // name, frequencies, Tx Enable, Scan Memory, group boxes
  bool lowPowerOnly = false;
  bool powerUp = false;
  bool operator==(const ChannelEnables&) const = default;
};
ChannelEnables EnablesFor(bool channelEnabled, bool txEnableTicked, bool lowPowerTicked);

// The receive and transmit texts of the group form: the table's frequencies of a base channel
// in a duplex mode; the transmit text is dashes while masked.
struct FrequencyTexts {
  std::string rx;
  std::string tx;
  bool operator==(const FrequencyTexts&) const = default;
};
FrequencyTexts GroupFormFrequencies(int position, int duplex, bool maskTx);

// The band of the free channels, in MHz.
inline constexpr double LowestFrequency = 137.0;
inline constexpr double HighestFrequency = 174.0;

// A frequency as typed into a box of the free form.
struct FrequencyEntry {
  double value = 0;       // the text's leading number; 0 for an empty text
  bool accepted = false;  // empty (no frequency), or in the band on a 25 kHz step
  std::string shown;      // how the box is rewritten: FormatFreq4 of the value

  // The frequency the record gets: an accepted value exactly as the radio gives it back, or
  // 0 (none) for an empty or refused text.
  double stored() const;
};
FrequencyEntry ReadFrequencyEntry(std::string_view text);

// A typed frequency is checked as the focus leaves its box, except in the EXP list, whose
// channels are checked by SAVE only.
bool ChecksFrequencyOnLeave(ListId list);

// The characters the boxes accept, as typed, pasted or dropped.
bool IsFrequencyCharacter(char c);
bool IsDisplayNameCharacter(char c);
inline constexpr int FrequencyLength = 8;
inline constexpr int DisplayNameLength = 2;

// The boxes both forms share, as ticked, and the scrambler item (-1 for none, and while the
// model has no scrambler). Items are indexes into the option lists above.
struct SharedEntry {
  bool txEnable = false;
  bool lowPower = false;
  bool powUp = false;
  bool scanMemory = false;
  int scramblerItem = -1;
};

// What the group form holds when SAVE is pressed. An item of -1 means the box shows no item.
struct GroupFormEntry {
  int positionItem = -1;
  int duplexItem = -1;
  int statusNoItem = -1;
  int statusIconItem = -1;
  SharedEntry shared;
};
// The record SAVE writes from the group form, starting from the record shown. A box without
// an item keeps the record's own value (the template's status number is "None" then). A short
// slot holds one transmit mode, so a tick in a disabled box does not count.
ChannelRecord GroupFormRecord(const ChannelRecord& shown, const GroupFormEntry& entry);
// The frequency texts while the user chooses: those of the base channel and duplex mode SAVE
// would store, the transmit text masked while Tx Enable is unticked.
FrequencyTexts ChosenFrequencies(const ChannelRecord& shown, const GroupFormEntry& entry);

// What the free form holds when SAVE is pressed.
struct FreeFormEntry {
  std::string name;
  std::string rxText;
  std::string txText;
  std::array<bool, 3> groups{};
  SharedEntry shared;
};
struct FreeFormSave {
  ChannelRecord record;
  std::string rxShown;  // the frequency boxes rewritten
  std::string txShown;
  // Both frequencies in the band and a name that is not blank: only then is it written.
  bool complete = false;
};
// The record SAVE writes from the free form, starting from the record shown. The name is kept
// padded to the two characters the radio holds, the frequencies as the radio gives them back.
FreeFormSave FreeFormRecord(const ChannelRecord& shown, const FreeFormEntry& entry);

// What keeps the free form from being left: a blank name or an unusable receive frequency.
enum class MissingEntry { None, Name, RxFrequency };
MissingEntry FreeFormMissing(std::string_view rxText, std::string_view name);

// The titles of a refused frequency.
inline constexpr const char* RxFrequencyTitle = TPW_TEXT("Editor", "Rx frequency");
inline constexpr const char* TxFrequencyTitle = TPW_TEXT("Editor", "Tx frequency");

// The one-line hints of the panel's own controls; its check and list boxes show the toggle
// and selection hints of every panel.
inline constexpr std::string_view DisplayNameHint = TPW_TEXT("Editor", "Indispensable 2 figures.");
inline constexpr std::string_view RxFrequencyHint = TPW_TEXT("Editor", "Rx frequency");
inline constexpr std::string_view TxFrequencyHint = TPW_TEXT("Editor", "Tx frequency");
inline constexpr std::string_view SaveHint =
    TPW_TEXT("Editor", "SAVE: write this channel into the list.");
inline constexpr std::string_view CancelHint =
    TPW_TEXT("Editor", "CANCEL: back to the list without writing.");

}  // namespace tpw
