#include "report/print_pagination.h"

#include <gtest/gtest.h>

#include "image/channel_tables.h"
#include "sample_records.h"

namespace tpw {
namespace {

using Lines = std::vector<std::vector<PrintItem>>;

Lines LinesOf(const PrintPage& page) {
  Lines lines(1);
  for (const PrintItem& item : page.items) {
    lines.back().push_back(item);
    if (item.endsLine) lines.emplace_back();
  }
  lines.pop_back();
  return lines;
}

Lines Head(const PrintPage& page) {
  Lines lines = LinesOf(page);
  lines.resize(static_cast<std::size_t>(page.headLines));
  return lines;
}

Lines Body(const PrintPage& page) {
  Lines lines = LinesOf(page);
  lines.erase(lines.begin(), lines.begin() + page.headLines);
  return lines;
}

// Every page of the layout comes out as sheets that repeat its head, hold at most
// linesPerSheet lines, and together carry the page's body once, in order. Returns the sheets
// each page took.
std::vector<int> ExpectWholePages(const std::vector<PrintPage>& pages, int linesPerSheet) {
  const std::vector<PrintPage> sheets = PaginatePrintLayout(pages, linesPerSheet);
  std::vector<int> sheetsPerPage;
  std::size_t sheet = 0;
  for (const PrintPage& page : pages) {
    Lines body;
    int taken = 0;
    while (body.size() < Body(page).size() || taken == 0) {
      if (sheet >= sheets.size()) {
        ADD_FAILURE() << "the sheets end inside a page";
        return sheetsPerPage;
      }
      const PrintPage& s = sheets[sheet++];
      EXPECT_LE(s.lineCount(), linesPerSheet) << "sheet " << sheet;
      EXPECT_EQ(Head(s), Head(page)) << "sheet " << sheet;
      const Lines part = Body(s);
      EXPECT_FALSE(part.empty() && !Body(page).empty()) << "sheet " << sheet;
      body.insert(body.end(), part.begin(), part.end());
      ++taken;
    }
    EXPECT_EQ(body, Body(page));
    sheetsPerPage.push_back(taken);
  }
  EXPECT_EQ(sheet, sheets.size()) << "sheets left after the last page";
  return sheetsPerPage;
}

using test::Caps;

SettingsModel FullModel() {
  SettingsModel m;
  for (ListId id : {ListId::CHUSA, ListId::CHINT, ListId::CHCAN}) {
    for (int i = 0; i < 96; ++i) {
      m.list(id).append(test::PlanRecord(i % MarineChannelCount, i % 4, true, false, false));
    }
  }
  m.CHWX = DefaultWeatherList();
  for (int i = 0; i < 12; ++i) m.CHRG.append(test::FreeRecord("R", 156.0 + i * 0.025, 0));
  for (int i = 0; i < 30; ++i) m.CHEXP.append(test::FreeRecord("E", 157.0, 161.6));
  return m;
}

TEST(PrintPagination, LinesPerSheet) {
  EXPECT_EQ(LinesPerSheet(100, 5, 5), 19);
  EXPECT_EQ(LinesPerSheet(15, 5, 5), 2);  // the second line ends exactly on the bottom
  EXPECT_EQ(LinesPerSheet(14.9, 5, 5), 1);
  EXPECT_EQ(LinesPerSheet(9, 5, 5), 0);
  EXPECT_EQ(LinesPerSheet(100, 5, 0), 0);
  // An A4 sheet with 5 mm unprintable at each edge, 4.23 mm lines (12 points).
  EXPECT_EQ(LinesPerSheet(287, 5, 4.23), 66);
}

TEST(PrintPagination, SheetsOfWholeDataSets) {
  // All lists empty, no weather: the common setup on one sheet.
  const auto empty = BuildPrintLayout(SettingsModel{}, Caps(false, false));
  EXPECT_EQ(ExpectWholePages(empty, 60), std::vector<int>{1});
  EXPECT_EQ(PaginatePrintLayout(empty, 60), empty);

  // A 96-channel group is 101 lines: 55 and 41 rows under the same head.
  SettingsModel group;
  for (int i = 0; i < 96; ++i) group.CHUSA.append(test::PlanRecord(i, 0, true, false, false));
  const auto groupLayout = BuildPrintLayout(group, Caps(false, false));
  ASSERT_EQ(groupLayout.size(), 2u);
  EXPECT_EQ(groupLayout[1].headLines, 5);
  EXPECT_EQ(ExpectWholePages(groupLayout, 60), (std::vector<int>{1, 2}));
  const auto sheets = PaginatePrintLayout(groupLayout, 60);
  ASSERT_EQ(sheets.size(), 3u);
  EXPECT_EQ(sheets[1].lineCount(), 60);
  EXPECT_EQ(sheets[2].lineCount(), 5 + 41);
  EXPECT_EQ(sheets[2].items[2].text, "##### Programmable USA Channel #####");

  // Every list full: common setup, two sheets per group, weather, RG and EXP.
  const auto full = BuildPrintLayout(FullModel(), Caps(true, true));
  EXPECT_EQ(ExpectWholePages(full, 60), (std::vector<int>{1, 2, 2, 2, 1, 1, 1}));
  // The same on a short sheet: 15 lines hold 10 rows under the head.
  EXPECT_EQ(ExpectWholePages(full, 15), (std::vector<int>{2, 10, 10, 10, 1, 2, 3}));
}

TEST(PrintPagination, ShortSheetsStillEnd) {
  SettingsModel m;
  for (int i = 0; i < 3; ++i) m.CHRG.append(test::FreeRecord("R", 156.0, 0));
  const auto layout = BuildPrintLayout(m, Caps(false, false));
  ASSERT_EQ(layout.size(), 2u);
  // The region page's head is 5 lines: on sheets of 4 lines each sheet carries one row.
  const auto sheets = PaginatePrintLayout({layout[1]}, 4);
  ASSERT_EQ(sheets.size(), 3u);
  for (const PrintPage& sheet : sheets) EXPECT_EQ(sheet.lineCount(), 6);
  EXPECT_EQ(PaginatePrintLayout({layout[1]}, 0).size(), 3u);
}

TEST(PrintPagination, EmptyLinesAtThePageEndStartNoSheet) {
  // With ATIS the common page ends with an empty line.
  const auto layout = BuildPrintLayout(SettingsModel{}, Caps(true, false));
  ASSERT_EQ(layout.size(), 1u);
  const int lines = layout[0].lineCount();
  ASSERT_EQ(LinesOf(layout[0]).back(), (std::vector<PrintItem>{{0, "", true}}));
  const auto sheets = PaginatePrintLayout(layout, lines - 1);
  ASSERT_EQ(sheets.size(), 1u);
  EXPECT_EQ(sheets[0].lineCount(), lines - 1);
}

}  // namespace
}  // namespace tpw
