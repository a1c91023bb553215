#include "report/print_layout.h"

#include <array>
#include <span>

#include "image/display_text.h"
#include "report/report_rows.h"

namespace tpw {

namespace {

// Column positions in millimetres: the running sums of a list of widths.
template <std::size_t N>
constexpr std::array<double, N> RunningSums(const std::array<double, N>& widths) {
  std::array<double, N> sums{};
  double sum = 0;
  for (std::size_t i = 0; i < N; ++i) sums[i] = sum += widths[i];
  return sums;
}

constexpr auto kPlanColumns = RunningSums(std::array<double, 10>{0, 12, 17, 17, 8, 9, 8, 20, 9, 8});
constexpr std::array<double, 3> kWeatherColumns = {0, 9, 28};
// The region and EXP rows: name, three group flags, display, receive, transmit, LOW, UP, MEM,
// spaced so that the frequencies do not run into their neighbours.
constexpr auto kFreeColumns =
    RunningSums(std::array<double, 10>{0, 16, 12, 12, 12, 14, 26, 26, 12, 10});
constexpr std::array<double, 4> kValueColumns = {50, 80, 110, 140};

class PageBuilder {
 public:
  explicit PageBuilder(const ModelCaps& caps) {
    line({{0, caps.ModelName + " Velstrand"}});
    empty();
    endHead();
  }
  // The lines so far are the head of the page.
  void endHead() { page_.headLines = page_.lineCount(); }
  // Items of one line, the last one ending it.
  void line(const std::vector<std::pair<double, std::string>>& items) {
    for (std::size_t i = 0; i < items.size(); ++i) {
      page_.items.push_back({items[i].first, items[i].second, i + 1 == items.size()});
    }
  }
  void empty() { line({{0, ""}}); }
  // A label at 0 and values at the value columns.
  void setting(const std::string& label, const std::vector<std::string>& values) {
    std::vector<std::pair<double, std::string>> items = {{0, label}};
    for (std::size_t i = 0; i < values.size() && i < kValueColumns.size(); ++i) {
      items.emplace_back(kValueColumns[i], values[i]);
    }
    line(items);
  }
  // Cells at the given positions; cells beyond the last position are not printed.
  void cells(std::span<const double> positions, const std::vector<std::string>& texts) {
    std::vector<std::pair<double, std::string>> items;
    for (std::size_t i = 0; i < texts.size() && i < positions.size(); ++i) {
      items.emplace_back(positions[i], texts[i]);
    }
    line(items);
  }
  PrintPage take() { return std::move(page_); }

 private:
  PrintPage page_;
};

std::vector<std::string> Rules(std::initializer_list<int> lengths) {
  std::vector<std::string> rules;
  for (int n : lengths) rules.emplace_back(static_cast<std::size_t>(n), '-');
  return rules;
}

PrintPage CommonPage(const SettingsModel& m, const ModelCaps& caps) {
  PageBuilder page(caps);
  page.empty();
  page.line({{0, "##### Common Setup #####"}});
  page.line({{0, "[Usable Channel Groups]"}});
  page.line({{50, "USA"}, {80, "INT"}, {110, m.groups[2].label}, {140, "Exp CH Group"}});
  page.setting("Enable", GroupUsableTexts(m));
  page.setting("Priority CH", PriorityChannelNames(m));
  page.empty();
  page.line({{0, "[Scanning Function]"}});
  page.setting("SCAN:", {OnOffLabel(m.common.scan)});
  page.setting("Resume Time:", {ResumeTimeLabel(m.common.resumeTime)});
  page.setting("PTT SCAN Clear:", {OnOffLabel(m.common.pttScanClear)});
  page.empty();
  page.line({{0, "[DW/TW Function]"}});
  page.setting("DW/TW:", {OnOffLabel(m.common.dualWatch)});
  page.setting("ModeSelect:", {ModeSelectLabel(m.common.modeSelect)});
  if (caps.AtisSupported) {
    page.empty();
    page.line({{0, "[ATIS Function]"}});
    page.setting("Usable ATIS CH Group:", AtisGroupTexts(m.atis));
    page.setting("ATIS Mode:", {AtisModeLabel(m.atis.mode)});
    page.setting("ATIS Code:", {m.atis.code});
    page.empty();
  }
  return page.take();
}

PrintPage TablePage(const SettingsModel& m, const ReportTable& table, const ModelCaps& caps) {
  PageBuilder page(caps);
  page.line({{0, table.printTitle}});
  std::span<const double> x;
  switch (table.kind) {
    case TableKind::Plan:
      x = kPlanColumns;
      page.cells(x, {"CH", "RX(MHz)", "TX(MHz)", "TX", "LOW", "UP", "DUP", "MEM"});
      page.cells(x, Rules({4, 7, 7, 2, 3, 2, 11, 3}));
      break;
    case TableKind::Weather:
      x = kWeatherColumns;
      page.cells(x, {"CH", "ENABLE", "MEM"});
      page.cells(x, Rules({2, 5, 3}));
      break;
    case TableKind::Free:
      x = kFreeColumns;
      page.cells(x, {"CH", m.groups[0].label, m.groups[1].label, m.groups[2].label, "DISP",
                     "RX(MHz)", "TX(MHz)", "LOW", "UP", "MEM"});
      page.cells(x, Rules({4, 3, 3, 3, 4, 8, 8, 3, 2, 3}));
      break;
  }
  page.endHead();
  for (const auto& cells : TableRows(table, m)) page.cells(x, cells);
  return page.take();
}

}  // namespace

int PrintPage::lineCount() const {
  int lines = 0;
  for (const PrintItem& item : items) lines += item.endsLine ? 1 : 0;
  return lines;
}

std::vector<PrintPage> BuildPrintLayout(const SettingsModel& m, const ModelCaps& caps) {
  std::vector<PrintPage> pages = {CommonPage(m, caps)};
  for (const ReportTable& table : ReportTables) {
    if (IsTableShown(table, m, caps)) pages.push_back(TablePage(m, table, caps));
  }
  return pages;
}

}  // namespace tpw
