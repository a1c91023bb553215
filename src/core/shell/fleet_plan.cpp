#include "shell/fleet_plan.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <variant>

#include "files/csv_text.h"
#include "image/text_values.h"

namespace tpw {

namespace {

constexpr std::array<const char*, 3> PlanColumns = {PlanPortColumn, PlanAtisCodeColumn,
                                                    PlanLabelColumn};

std::string Lowered(std::string_view text) {
  std::string lowered = Trim(text);
  std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lowered;
}

// Where each known column stands in the heading, or why the heading is refused.
struct Heading {
  std::map<std::string, std::size_t, std::less<>> columns;
  std::optional<PlanRefusal> refusal;
};

Heading ReadHeading(const CsvRow& row) {
  Heading heading;
  for (std::size_t i = 0; i < row.cells.size(); ++i) {
    const std::string name = Lowered(row.cells[i]);
    if (std::find(PlanColumns.begin(), PlanColumns.end(), name) == PlanColumns.end()) {
      heading.refusal = PlanRefusal{PlanFault::UnknownColumn, row.line, Trim(row.cells[i])};
      return heading;
    }
    if (!heading.columns.emplace(name, i).second) {
      heading.refusal = PlanRefusal{PlanFault::ColumnTwice, row.line, name};
      return heading;
    }
  }
  if (!heading.columns.contains(PlanPortColumn)) {
    heading.refusal = PlanRefusal{PlanFault::NoPortColumn, row.line, {}};
  }
  return heading;
}

std::string Cell(const Heading& heading, const CsvRow& row, std::string_view column) {
  const auto found = heading.columns.find(column);
  if (found == heading.columns.end() || found->second >= row.cells.size()) return {};
  return Trim(row.cells[found->second]);
}

// One row as a radio, or why it is refused; `seen` holds the ports of the rows before it.
std::variant<FleetRadio, PlanRefusal> ReadRadio(const Heading& heading, const CsvRow& row,
                                                const PortLookup& ports,
                                                std::map<std::string, int>& seen) {
  if (row.cells.size() > heading.columns.size()) {
    return PlanRefusal{PlanFault::TooManyFields, row.line, {}};
  }
  FleetRadio radio{row.line, Cell(heading, row, PlanPortColumn),
                   CheckTypedAtisCode(Cell(heading, row, PlanAtisCodeColumn)),
                   Cell(heading, row, PlanLabelColumn)};
  if (radio.port.empty()) return PlanRefusal{PlanFault::NoPort, row.line, {}};
  if (radio.atisCode.verdict == TypedAtisCode::Verdict::Refused) {
    return PlanRefusal{PlanFault::AtisCodeRefused, row.line, radio.atisCode.code};
  }
  if (!ports.present(radio.port)) return PlanRefusal{PlanFault::PortMissing, row.line, radio.port};
  const auto [earlier, isNew] = seen.emplace(ports.identity(radio.port), row.line);
  if (!isNew) return PlanRefusal{PlanFault::PortTwice, row.line, radio.port, earlier->second};
  if (radio.label.empty()) radio.label = radio.port;
  return radio;
}

}  // namespace

FleetPlan ReadFleetPlan(std::string_view text, const PortLookup& ports) {
  CsvFault fault;
  const std::optional<CsvTable> csv = ParseCsv(text, fault);
  if (!csv) return {{}, PlanRefusal{PlanFault::BrokenCsv, 0, fault.text}};
  if (csv->rows.size() < 2) return {{}, PlanRefusal{PlanFault::NoRows, 0, {}}};
  const Heading heading = ReadHeading(csv->rows.front());
  if (heading.refusal) return {{}, heading.refusal};
  FleetPlan plan;
  std::map<std::string, int> seen;
  for (std::size_t i = 1; i < csv->rows.size(); ++i) {
    auto radio = ReadRadio(heading, csv->rows[i], ports, seen);
    if (auto* refusal = std::get_if<PlanRefusal>(&radio)) return {{}, *refusal};
    plan.radios.push_back(std::get<FleetRadio>(std::move(radio)));
  }
  return plan;
}

std::string PlanRefusalText(std::string_view planPath, const PlanRefusal& refusal) {
  const std::string plan(planPath);
  const std::string at = plan + ", line " + std::to_string(refusal.line) + ": ";
  const std::string untouched = " No radio was touched.";
  switch (refusal.fault) {
    case PlanFault::BrokenCsv:
      // The reader names the line: "line 4: a quoted field is not closed".
      return plan + ", " + refusal.detail + ". Put fields that hold commas or quotes in double " +
             "quotes, then run the command again." + untouched;
    case PlanFault::NoRows:
      return "The plan " + plan + " names no radio: it needs a heading line (port,atis_code," +
             "label) and one line a radio." + untouched;
    case PlanFault::NoPortColumn:
      return at + "the heading has no column \"port\". The heading names the columns port, " +
             "atis_code and label, for example: port,atis_code,label" + untouched;
    case PlanFault::UnknownColumn:
      return at + "the heading names the column \"" + refusal.detail + "\", which a plan " +
             "does not have. The columns are port, atis_code and label." + untouched;
    case PlanFault::ColumnTwice:
      return at + "the heading names the column \"" + refusal.detail + "\" twice." + untouched;
    case PlanFault::TooManyFields:
      return at + "the row has more fields than the heading has columns. Put a field that " +
             "holds a comma in double quotes." + untouched;
    case PlanFault::NoPort:
      return at + "the row names no port. Give the serial port of the radio's cable " +
             "(\"tpw52-cli ports\" lists them)." + untouched;
    case PlanFault::PortTwice:
      return at + "the port " + refusal.detail + " is the port of line " +
             std::to_string(refusal.otherLine) + " as well. Each radio needs a cable and a " +
             "port of its own." + untouched;
    case PlanFault::AtisCodeRefused:
      return at + "the ATIS code \"" + refusal.detail + "\" is not ten digits. Give the " +
             "ten-digit code of the boat's licence, or leave the field empty to program " +
             "the data's own code." + untouched;
    case PlanFault::PortMissing:
      return at + "the port " + refusal.detail + " does not exist. Check that the radio's " +
             "cable is plugged in (\"tpw52-cli ports\" lists the ports)." + untouched;
  }
  return at + untouched;
}

}  // namespace tpw
