#include "editor/channel_rows_text.h"

#include "editor/channel_form.h"
#include "editor/channel_grid.h"
#include "image/display_text.h"
#include "image/text_values.h"
#include "image/translatable.h"

namespace tpw {

namespace {

// Why a row cannot be read; "%1" is the cell as it stands.
namespace text {
constexpr const char* NoChannelName =
    TPW_TEXT("Messages", "its CH \"%1\" is no channel name of the grid");
constexpr const char* NoDuplexMode = TPW_TEXT("Messages", "its DUP \"%1\" is no duplex mode");
constexpr const char* NoGroupMark =
    TPW_TEXT("Messages", "its group mark \"%1\" is neither 1 nor 0");
// "%1" is the switch's label (TX, LOW, UP, MEM), "%2" the cell.
constexpr const char* NoSwitch = TPW_TEXT("Messages", "its %1 \"%2\" is neither %1 nor dashes");
constexpr const char* NoScramblerCode = TPW_TEXT("Messages", "its VS \"%1\" is no scrambler code");
}  // namespace text

constexpr const char* kTemplates[] = {text::NoChannelName, text::NoDuplexMode, text::NoGroupMark,
                                      text::NoSwitch, text::NoScramblerCode};

std::vector<std::string> SplitTabs(std::string_view line) {
  std::vector<std::string> cells;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    cells.emplace_back(line.substr(start, tab - start));
    if (tab == std::string_view::npos) return cells;
    start = tab + 1;
  }
}

// A switch as the grid shows it (its label or dashes), or as a spreadsheet holds one (1, 0,
// True, False, x); nothing for any other text.
std::optional<bool> ReadSwitch(std::string_view cell, std::string_view label) {
  const std::string text = NormalisedName(cell);
  if (text == NormalisedName(label) || text == "X") return true;
  if (text.empty() || text.find_first_not_of('-') == std::string::npos) return false;
  return ParseBoolean(text);
}

// "1078A": status number 1 ("10"), channel 78, status icon 1 ("A"). The channels have two or
// three digits, so a name of four or five digits carries a status number.
std::optional<ChannelRecord> ReadChannelName(std::string_view cell) {
  std::string name = ToUpper(Trim(cell));
  ChannelRecord r = NewChannelTemplate();
  r.statusNo = 0;
  if (!name.empty() && (name.back() == 'A' || name.back() == 'B')) {
    r.statusIcon = name.back() == 'A' ? 1 : 2;
    name.pop_back();
  }
  if (name.size() < 2 || name.size() > 5 ||
      name.find_first_not_of("0123456789") != std::string::npos) {
    return std::nullopt;
  }
  if (name.size() >= 4) {
    if (!name.starts_with("10") && !name.starts_with("20")) return std::nullopt;
    r.statusNo = name[0] == '1' ? 1 : 2;
    name.erase(0, 2);
  }
  r.position = static_cast<std::int16_t>(std::stoi(name));
  return r;
}

std::optional<std::int16_t> ReadDuplex(std::string_view cell) {
  const std::string text = NormalisedName(cell);
  for (int duplex = 0; duplex < DuplexOptions().size(); ++duplex) {
    if (text == NormalisedName(DuplexLabel(duplex)) ||
        text == NormalisedName(DuplexOptions().entries()[static_cast<std::size_t>(duplex)].text)) {
      return static_cast<std::int16_t>(duplex);
    }
  }
  return std::nullopt;
}

std::optional<std::int16_t> ReadScramble(std::string_view cell) {
  const std::string text = Trim(cell);
  if (text.empty() || text.find_first_not_of('-') == std::string::npos) return 0;
  if (text.size() == 1 && text[0] >= '0' && text[0] <= '3') {
    return static_cast<std::int16_t>(4 | (text[0] - '0'));
  }
  return std::nullopt;
}

// Reads one row's cells into a record; why not, otherwise.
class RowReader {
 public:
  RowReader(std::vector<std::string> cells, bool scramble)
      : cells_(std::move(cells)), scramble_(scramble) {}

  std::optional<ChannelRecord> group(std::string& why) {
    std::optional<ChannelRecord> r = ReadChannelName(cell(0));
    if (!r) return fail(why, Fill(text::NoChannelName, {cell(0)}));
    const std::optional<std::int16_t> duplex = ReadDuplex(cell(6));
    if (!duplex) return fail(why, Fill(text::NoDuplexMode, {cell(6)}));
    r->duplex = *duplex;
    if (!switches(*r, 3, why)) return std::nullopt;
    if (!scramble(*r, 8, why)) return std::nullopt;
    return r;
  }

  std::optional<ChannelRecord> free(std::string& why) {
    ChannelRecord r = NewChannelTemplate();
    r.statusNo = 0;
    r.duplex = 0;
    bool* groups[] = {&r.inUsaGroup, &r.inIntGroup, &r.inRegionGroup};
    for (int g = 0; g < 3; ++g) {
      const std::optional<bool> in = ReadSwitch(cell(1 + g), "");
      if (!in) return fail(why, Fill(text::NoGroupMark, {cell(1 + g)}));
      *groups[g] = *in;
    }
    r.displayLeft = PadRight(cell(4), DisplayNameLength);
    r.rxFrequency = ReadFrequencyEntry(Trim(cell(5))).stored();
    r.txFrequency = ReadFrequencyEntry(Trim(cell(6))).stored();
    if (!switches(r, -1, why)) return std::nullopt;
    if (!scramble(r, 10, why)) return std::nullopt;
    return r;
  }

 private:
  std::string cell(int column) const {
    return column < static_cast<int>(cells_.size()) ? cells_[static_cast<std::size_t>(column)]
                                                    : std::string();
  }

  std::nullopt_t fail(std::string& why, std::string text) const {
    why = std::move(text);
    return std::nullopt;
  }

  // TX (in a group list, at txColumn), then LOW, UP and MEM, which follow it.
  bool switches(ChannelRecord& r, int txColumn, std::string& why) const {
    struct Switch {
      int column;
      const char* label;
      bool* value;
    };
    const int low = txColumn >= 0 ? txColumn + 1 : 7;
    const int mem = txColumn >= 0 ? txColumn + 4 : 9;
    std::vector<Switch> all = {
        {low, "LOW", &r.lowPower}, {low + 1, "UP", &r.powerUp}, {mem, "MEM", &r.scanMemory}};
    if (txColumn >= 0) all.insert(all.begin(), {txColumn, "TX", &r.txEnabled});
    for (const Switch& s : all) {
      const std::optional<bool> on = ReadSwitch(cell(s.column), s.label);
      if (!on) {
        why = Fill(text::NoSwitch, {s.label, cell(s.column)});
        return false;
      }
      *s.value = *on;
    }
    return true;
  }

  bool scramble(ChannelRecord& r, int column, std::string& why) const {
    if (!scramble_) return true;
    const std::optional<std::int16_t> value = ReadScramble(cell(column));
    if (!value) why = Fill(text::NoScramblerCode, {cell(column)});
    if (value) r.scramble = *value;
    return value.has_value();
  }

  std::vector<std::string> cells_;
  bool scramble_;
};

std::string CellText(const GridCell& cell) {
  return cell.check ? (*cell.check ? "1" : "0") : cell.text;
}

}  // namespace

std::string GridRowsText(const SettingsModel& model, ListId list, const std::vector<int>& rows,
                         bool scrambleSupported) {
  const ChannelGrid grid = BuildChannelGrid(model, list, scrambleSupported);
  std::string text;
  auto line = [&text](const std::vector<std::string>& cells) {
    for (std::size_t c = 0; c < cells.size(); ++c) text += (c ? "\t" : "") + cells[c];
    text += "\r\n";
  };
  std::vector<std::string> headings;
  for (const GridColumn& column : grid.columns) headings.push_back(column.header);
  line(headings);
  for (int row : rows) {
    std::vector<std::string> cells;
    for (const GridCell& cell : grid.rows[static_cast<std::size_t>(row)]) {
      cells.push_back(CellText(cell));
    }
    line(cells);
  }
  return text;
}

GridRowsRead ReadGridRowsText(std::string_view text, ListId list, bool scrambleSupported) {
  GridRowsRead read;
  int row = 0;
  for (std::string_view line : SplitLines(text)) {
    std::vector<std::string> cells = SplitTabs(line);
    if (cells.size() == 1 && Trim(cells[0]).empty()) continue;
    if (row == 0 && read.channels.empty() && NormalisedName(cells[0]) == "CH") continue;
    ++row;
    const std::string shown = Trim(cells[0]);
    RowReader reader(std::move(cells), scrambleSupported);
    std::string why;
    const std::optional<ChannelRecord> record =
        IsGroupLayout(list) ? reader.group(why) : reader.free(why);
    if (!record) {
      read.refusal =
          Fill(RowNotPastedTemplate, {PasteRowName(row - 1, shown), Layout(list).name, why});
      read.channels.clear();
      return read;
    }
    // A channel the tables do not name is named as the text gave it.
    const std::string name = PastedName(list, *record);
    read.channels.push_back({name.empty() ? shown : name, *record});
  }
  return read;
}

std::string PastedName(ListId list, const ChannelRecord& record) {
  return IsGroupLayout(list) ? ChannelDisplayName(record) : Trim(record.displayLeft);
}

std::span<const char* const> GridRowsTextTemplates() {
  return kTemplates;
}

}  // namespace tpw
