#include "files/channel_csv.h"

#include <algorithm>

#include "files/csv_text.h"
#include "files/field_text.h"
#include "image/channel_tables.h"
#include "image/record_fields.h"
#include "image/text_values.h"
#include "image/translatable.h"

namespace tpw {

namespace {

using ChannelField = Field<ChannelRecord>;

// Why a table or one of its rows is refused; "%1" is mostly the line.
namespace text {
constexpr const char* UnknownColumn =
    TPW_TEXT("Messages",
             "line %1: the column \"%2\" is no field of a channel; the headings are the keys of a "
             "channel data file: %3");
constexpr const char* ColumnTwice =
    TPW_TEXT("Messages", "line %1: the column \"%2\" comes twice; keep one of them");
constexpr const char* NoListColumn =
    TPW_TEXT("Messages",
             "line %1: there is no column \"List\", which names the list of each row (CHUSA, "
             "CHINT, CHCAN, CHWX, CHRG or CHEXP)");
constexpr const char* Missing = TPW_TEXT("Messages", "it has no %1, which every channel of %2 has");
constexpr const char* NotValue = TPW_TEXT("Messages", "%1 \"%2\" is not %3");
constexpr const char* NotEnabled =
    TPW_TEXT("Messages", "%1 is %2, but the channels of %3 are always enabled");
constexpr const char* Empty = TPW_TEXT("Messages", "it holds no heading line and no channel");
constexpr const char* NoList =
    TPW_TEXT("Messages", "\"%1\" is no channel list (CHUSA, CHINT, CHCAN, CHWX, CHRG, CHEXP)");
constexpr const char* ListFull = TPW_TEXT("Messages", "%1: the list holds at most %2 channels");
constexpr const char* OnLine = TPW_TEXT("Messages", "line %1: %2");
constexpr const char* OnList = "%1: %2";  // the list, then why
}  // namespace text

// The most general last: "line %1: %2" takes every refusal of a row.
constexpr const char* kTemplates[] = {text::UnknownColumn, text::ColumnTwice, text::NoListColumn,
                                      text::Missing,       text::NotEnabled,  text::NotValue,
                                      text::NoList,        text::ListFull,    text::OnLine};

constexpr RecordShape kShapes[] = {RecordShape::Plan, RecordShape::Free, RecordShape::Weather};

std::optional<ListId> ListNamed(std::string_view name) {
  for (ListId id : AllLists) {
    if (NormalisedName(name) == Layout(id).name) return id;
  }
  return std::nullopt;
}

// A value a record of the list cannot hold as anything but on: the records of a list counted
// by its enable bitmap are all enabled.
bool AlwaysOn(const ChannelField& field) {
  return field.rule == FileRule::AlwaysOn || field.endsList == EndsList::WhenMissingOrZero;
}

// The value of a field its row does not give.
FieldValue NewValue(const ChannelField& field) {
  return AlwaysOn(field) ? FieldValue(true) : EmptyValue(field.kind);
}

std::vector<std::string> RowCells(ListId list, const ChannelRecord& record,
                                  const std::vector<std::string>& headings, const ModelCaps& caps) {
  std::vector<std::string> cells(headings.size());
  cells[0] = Layout(list).name;
  for (const ChannelField& field : ChannelRecordLayout(list).fields) {
    if (!InDataFile(field, caps)) continue;
    const auto column = std::find(headings.begin(), headings.end(), field.keys[0]);
    cells[static_cast<std::size_t>(column - headings.begin())] = FieldFileText(field.get(record));
  }
  return cells;
}

// The columns of the heading line: the index of each heading, by its key.
struct Columns {
  int list = -1;
  std::map<std::string, int> fields;  // normalised key -> column
  // Spreadsheets that write semicolons write a decimal comma in numbers too.
  bool decimalComma = false;
};

std::optional<Columns> ReadHeadings(const CsvRow& heading, const ModelCaps& caps,
                                    std::string& fault) {
  const std::vector<std::string> known = ChannelCsvHeadings(caps);
  Columns columns;
  for (int c = 0; c < static_cast<int>(heading.cells.size()); ++c) {
    const std::string name = NormalisedName(heading.cells[static_cast<std::size_t>(c)]);
    const bool isKnown = std::any_of(known.begin(), known.end(), [&](const std::string& k) {
      return NormalisedName(k) == name;
    });
    if (!isKnown) {
      std::string all;
      for (const std::string& k : known) all += (all.empty() ? "" : ", ") + k;
      fault = Fill(text::UnknownColumn,
                   {std::to_string(heading.line), heading.cells[static_cast<std::size_t>(c)], all});
      return std::nullopt;
    }
    if ((name == NormalisedName(ListColumn) && columns.list >= 0) ||
        columns.fields.contains(name)) {
      fault = Fill(text::ColumnTwice,
                   {std::to_string(heading.line), heading.cells[static_cast<std::size_t>(c)]});
      return std::nullopt;
    }
    if (name == NormalisedName(ListColumn)) {
      columns.list = c;
    } else {
      columns.fields[name] = c;
    }
  }
  if (columns.list < 0) {
    fault = Fill(text::NoListColumn, {std::to_string(heading.line)});
    return std::nullopt;
  }
  return columns;
}

// The record of a row, or why it is refused.
std::optional<ChannelRecord> ReadRecord(const CsvRow& row, const Columns& columns, ListId list,
                                        const ModelCaps& caps, std::string& why) {
  ChannelRecord record;
  const std::string listName = Layout(list).name;
  for (const ChannelField& field : ChannelRecordLayout(list).fields) {
    if (!InDataFile(field, caps)) continue;
    const auto column = columns.fields.find(NormalisedName(field.keys[0]));
    const bool given = column != columns.fields.end() &&
                       column->second < static_cast<int>(row.cells.size()) &&
                       !row.cells[static_cast<std::size_t>(column->second)].empty();
    if (!given) {
      if (field.endsList == EndsList::WhenMissing) {
        why = Fill(text::Missing, {field.keys[0], listName});
        return std::nullopt;
      }
      field.set(record, 0, NewValue(field));
      continue;
    }
    std::string text = row.cells[static_cast<std::size_t>(column->second)];
    if (columns.decimalComma && field.kind == FieldKind::Frequency) {
      std::replace(text.begin(), text.end(), ',', '.');
    }
    const std::optional<FieldValue> value = ParseFieldText(field, text, 0);
    if (!value) {
      why = Fill(text::NotValue, {field.keys[0], text, FieldExpectation(field)});
      return std::nullopt;
    }
    if (AlwaysOn(field) && *value != FieldValue(true)) {
      why = Fill(text::NotEnabled, {field.keys[0], text, listName});
      return std::nullopt;
    }
    field.set(record, 0, *value);
  }
  return record;
}

}  // namespace

std::vector<std::string> ChannelCsvHeadings(const ModelCaps& caps) {
  std::vector<std::string> headings = {ListColumn};
  for (RecordShape shape : kShapes) {
    for (const ChannelField& field : ChannelRecordLayout(shape).fields) {
      const std::string key = field.keys[0];
      if (InDataFile(field, caps) &&
          std::find(headings.begin(), headings.end(), key) == headings.end()) {
        headings.push_back(key);
      }
    }
  }
  return headings;
}

std::string ChannelRowsCsv(const SettingsModel& model, ListId list, const std::vector<int>& rows,
                           const ModelCaps& caps) {
  const std::vector<std::string> headings = ChannelCsvHeadings(caps);
  std::string text = CsvLine(headings);
  for (int row : rows) text += CsvLine(RowCells(list, model.list(list)[row], headings, caps));
  return text;
}

std::string ChannelsCsv(const SettingsModel& model, const ModelCaps& caps) {
  const std::vector<std::string> headings = ChannelCsvHeadings(caps);
  std::string text = CsvLine(headings);
  for (ListId list : AllLists) {
    for (const ChannelRecord& record : model.list(list)) {
      text += CsvLine(RowCells(list, record, headings, caps));
    }
  }
  return text;
}

ChannelCsvRead ReadChannelsCsv(std::string_view text, const ModelCaps& caps) {
  ChannelCsvRead read;
  CsvFault fault;
  const std::optional<CsvTable> table = ParseCsv(text, fault);
  if (!table) {
    read.fault = fault.text;
    return read;
  }
  if (table->rows.empty()) {
    read.fault = text::Empty;
    return read;
  }
  std::string why;
  std::optional<Columns> columns = ReadHeadings(table->rows[0], caps, why);
  if (!columns) {
    read.fault = why;
    return read;
  }
  columns->decimalComma = table->separator == ';';
  std::map<ListId, int> taken;
  for (std::size_t r = 1; r < table->rows.size(); ++r) {
    const CsvRow& row = table->rows[r];
    auto refuse = [&](const std::string& reason) {
      read.refused.push_back({row.line, Fill(text::OnLine, {std::to_string(row.line), reason})});
    };
    const std::string listText =
        columns->list < static_cast<int>(row.cells.size()) ? row.cells[columns->list] : "";
    const std::optional<ListId> list = ListNamed(listText);
    if (!list) {
      refuse(Fill(text::NoList, {listText}));
      continue;
    }
    const ListLayout& layout = Layout(*list);
    const int limit = *list == ListId::CHWX ? WxChannelCount : layout.limit;
    if (std::optional<ChannelRecord> record = ReadRecord(row, *columns, *list, caps, why)) {
      if (taken[*list] >= limit) {
        refuse(Fill(text::ListFull, {layout.name, std::to_string(limit)}));
        continue;
      }
      ++taken[*list];
      read.channels.push_back({row.line, *list, *std::move(record)});
    } else {
      refuse(Fill(text::OnList, {layout.name, why}));
    }
  }
  return read;
}

std::map<ListId, ChannelList> ListsOfRows(const std::vector<CsvChannel>& channels) {
  std::map<ListId, ChannelList> lists;
  std::map<ListId, int> weatherRow;
  for (const CsvChannel& channel : channels) {
    if (channel.list != ListId::CHWX) {
      lists[channel.list].append(channel.record);
      continue;
    }
    // A weather channel keeps what the table gives it; the row gives its switches.
    if (!lists.contains(ListId::CHWX)) lists[ListId::CHWX] = DefaultWeatherList();
    ChannelRecord& record = lists[ListId::CHWX][weatherRow[ListId::CHWX]++];
    for (const ChannelField& field : ChannelRecordLayout(ListId::CHWX).fields) {
      field.set(record, 0, field.get(channel.record));
    }
  }
  return lists;
}

std::span<const char* const> ChannelCsvTemplates() {
  return kTemplates;
}

}  // namespace tpw
