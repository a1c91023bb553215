#include "shell/fleet_summary.h"

#include <algorithm>
#include <array>

#include "files/csv_text.h"
#include "session/message_texts.h"

namespace tpw {

namespace {

constexpr std::array<const char*, 5> Headings = {"Label", "Port", "Outcome", "ATIS code", "Backup"};
constexpr const char* ColumnGap = "  ";

std::string Joined(const std::vector<std::string>& parts, std::string_view separator) {
  std::string text;
  for (const std::string& part : parts) {
    if (!text.empty()) text += separator;
    text += part;
  }
  return text;
}

// The characters a text takes on a terminal: UTF-8 continuation bytes take none.
std::size_t Width(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::vector<std::string> Row(const RadioReport& report) {
  return {report.radio.label, report.radio.port, RadioEndText(report), RadioAtisCodeText(report),
          report.backup.empty() ? "none" : report.backup};
}

// Every line of a message headed by its radio, so that the radios' messages can be told apart.
std::string HeadedLines(std::string_view heading, std::string_view text) {
  std::string lines;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines += std::string(heading) + std::string(line) + "\n";
    start = end + 1;
  }
  return lines;
}

}  // namespace

std::string RadioEndText(const RadioReport& report) {
  const std::string cancelled = report.cancelled ? "cancelled, " : "";
  switch (report.end) {
    case RadioEnd::Verified:
      return "verified";
    case RadioEnd::NotVerified:
      return "not verified: " + Joined(report.differences, "; ");
    case RadioEnd::Written:
      return cancelled + "written, not read back";
    case RadioEnd::NothingWritten:
      return report.cancelled ? "cancelled before anything was written"
                              : "failed before anything was written";
    case RadioEnd::PartlyWritten:
      return cancelled + "partly written \u2014 program again";
  }
  return {};
}

std::string RadioAtisCodeText(const RadioReport& report) {
  if (!report.atisCode) {
    return report.end == RadioEnd::NothingWritten ? "as before" : "unknown";
  }
  return report.atisCode->empty() ? "none" : *report.atisCode;
}

std::string FleetSummaryTable(const std::vector<RadioReport>& reports) {
  std::vector<std::vector<std::string>> rows = {{Headings.begin(), Headings.end()}};
  for (const RadioReport& report : reports) rows.push_back(Row(report));
  std::array<std::size_t, Headings.size()> widths{};
  for (const auto& row : rows) {
    for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], Width(row[i]));
  }
  std::string table;
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i) {
      line += row[i];
      if (i + 1 < row.size()) line += std::string(widths[i] - Width(row[i]), ' ') + ColumnGap;
    }
    table += line + "\n";
  }
  return table;
}

std::string FleetReportCsv(const std::vector<RadioReport>& reports) {
  std::string csv = CsvLine({"label", "port", "outcome", "atis_code", "backup"});
  for (const RadioReport& report : reports) {
    std::vector<std::string> row = Row(report);
    if (report.backup.empty()) row.back().clear();
    csv += CsvLine(row);
  }
  return csv;
}

std::string FleetMessagesText(const std::vector<RadioReport>& reports) {
  std::string text;
  for (const RadioReport& report : reports) {
    const std::string heading = report.radio.label + " (" + report.radio.port + "): ";
    for (const Message& message : report.messages) {
      // The table says a radio completed; a completion with more to tell (a kept ATIS code)
      // carries a warning icon and is shown.
      if (message.icon == Icon::Information && message.text.starts_with(msg::Complete)) continue;
      text += HeadedLines(heading, message.text);
    }
  }
  return text;
}

bool EveryRadioVerified(const std::vector<RadioReport>& reports) {
  return std::all_of(reports.begin(), reports.end(),
                     [](const RadioReport& report) { return report.end == RadioEnd::Verified; });
}

}  // namespace tpw
