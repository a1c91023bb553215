#include "report/print_layout.h"

#include <sstream>

#include "image/display_text.h"
#include "report/report_cells.h"

namespace tpw {

namespace {

constexpr const char* kPlanWidths = "0, 12, 17, 17, 8, 9, 8, 20, 9, 8";
// The region and EXP rows: name, three group flags, display, receive, transmit, LOW, UP, MEM,
// spaced so that the frequencies do not run into their neighbours.
constexpr const char* kFreeWidths = "0, 16, 12, 12, 12, 14, 26, 26, 12, 10";
constexpr double kValueColumns[] = {50, 80, 110, 140};

class PageBuilder {
 public:
  explicit PageBuilder(const ModelCaps& caps) {
    line({{0, caps.ModelName + " Velstrand"}});
    empty();
  }
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
    for (std::size_t i = 0; i < values.size(); ++i) items.emplace_back(kValueColumns[i], values[i]);
    line(items);
  }
  void cells(const std::vector<double>& positions, const std::vector<std::string>& texts) {
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
  page.line({{50, "USA"}, {80, "INT"}, {110, m.groups[2].GroupLabel}, {140, "Exp CH Group"}});
  page.setting("Enable", {OnOffLabel(m.groups[0].Usable), OnOffLabel(m.groups[1].Usable),
                          OnOffLabel(m.groups[2].Usable), OnOffLabel(m.groups[3].Usable)});
  page.setting("Priority CH",
               {PriorityChannelName(m, 0), PriorityChannelName(m, 1), PriorityChannelName(m, 2)});
  page.empty();
  page.line({{0, "[Scanning Function]"}});
  page.setting("SCAN:", {OnOffLabel(m.common.Scan)});
  page.setting("Resume Time:", {ResumeTimeLabel(m.common.ResumeTime)});
  page.setting("PTT SCAN Clear:", {OnOffLabel(m.common.PttScanClear)});
  page.empty();
  page.line({{0, "[DW/TW Function]"}});
  page.setting("DW/TW:", {OnOffLabel(m.common.DwTw)});
  page.setting("ModeSelect:", {ModeSelectLabel(m.common.ModeSelect)});
  if (caps.AtisSupported) {
    const AtisSetup& atis = m.atis;
    page.empty();
    page.line({{0, "[ATIS Function]"}});
    page.setting("Usable ATIS CH Group:",
                 {OnOffLabel(atis.AtisChGroup[0]), OnOffLabel(atis.AtisChGroup[1]),
                  OnOffLabel(atis.AtisChGroup[2]), OnOffLabel(atis.AtisChGroup[3])});
    page.setting("ATIS Mode:", {AtisModeLabel(atis.AtisMode)});
    page.setting("ATIS Code:", {atis.AtisCode});
    page.empty();
  }
  return page.take();
}

PrintPage PlanPage(const ChannelList& list, const char* title, const ModelCaps& caps) {
  const std::vector<double> x = ColumnPositions(kPlanWidths);
  PageBuilder page(caps);
  page.line({{0, title}});
  page.cells(x, {"CH", "RX(MHz)", "TX(MHz)", "TX", "LOW", "UP", "DUP", "MEM"});
  page.cells(x, Rules({4, 7, 7, 2, 3, 2, 11, 3}));
  for (const ChannelRecord& r : list) {
    if (r.Enable) page.cells(x, PlanRowCells(r));
  }
  return page.take();
}

PrintPage WeatherPage(const ChannelList& list, const ModelCaps& caps) {
  const std::vector<double> x = {0, 9, 28};
  PageBuilder page(caps);
  page.line({{0, "##### Programable WX Channel #####"}});
  page.cells(x, {"CH", "ENABLE", "MEM"});
  page.cells(x, {"--", "-----", "---"});
  for (int i = 0; i < list.size(); ++i) page.cells(x, WeatherRowCells(list[i], i));
  return page.take();
}

PrintPage FreePage(const SettingsModel& m, ListId id, const char* title, const char* prefix,
                   const ModelCaps& caps) {
  const std::vector<double> x = ColumnPositions(kFreeWidths);
  const ChannelList& list = m.list(id);
  PageBuilder page(caps);
  page.line({{0, title}});
  page.cells(x, {"CH", m.groups[0].GroupLabel, m.groups[1].GroupLabel, m.groups[2].GroupLabel,
                 "DISP", "RX(MHz)", "TX(MHz)", "LOW", "UP", "MEM"});
  page.cells(x, Rules({4, 3, 3, 3, 4, 8, 8, 3, 2, 3}));
  for (int i = 0; i < list.size(); ++i) page.cells(x, FreeRowCells(list[i], prefix, i));
  return page.take();
}

}  // namespace

int PrintPage::lineCount() const {
  int lines = 0;
  for (const PrintItem& item : items) lines += item.endsLine ? 1 : 0;
  return lines;
}

std::vector<double> ColumnPositions(const char* widths) {
  std::vector<double> positions;
  std::istringstream in(widths);
  double sum = 0;
  double width = 0;
  char comma = 0;
  while (in >> width) {
    sum += width;
    positions.push_back(sum);
    in >> comma;
  }
  return positions;
}

std::vector<PrintPage> BuildPrintLayout(const SettingsModel& m, const ModelCaps& caps) {
  std::vector<PrintPage> pages = {CommonPage(m, caps)};
  for (const PlanTable& table : PlanTables) {
    if (!m.list(table.list).isEmpty())
      pages.push_back(PlanPage(m.list(table.list), table.title, caps));
  }
  if (caps.WxSupported) pages.push_back(WeatherPage(m.CHWX, caps));
  if (!m.CHRG.isEmpty()) {
    pages.push_back(
        FreePage(m, ListId::CHRG, "##### Programable REGION Channel #####", "RG", caps));
  }
  if (!m.CHEXP.isEmpty()) {
    pages.push_back(
        FreePage(m, ListId::CHEXP, "##### Programmable EXP Channel #####", "EXP", caps));
  }
  return pages;
}

}  // namespace tpw
