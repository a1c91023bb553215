// The report of a data set: as text, and as the pages and sheets of a print.
#include "report/text_report.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "image/channel_tables.h"
#include "report/print_layout.h"
#include "report/print_pagination.h"
#include "sample_records.h"
#include "support/test_support.h"

namespace tpw::test {
namespace {

SettingsModel Labelled(const char* groupTwo) {
  SettingsModel m;
  const char* labels[] = {"USA", "INT", groupTwo, "EXP"};
  for (int g = 0; g < GroupCount; ++g) m.groups[g].label = labels[g];
  return m;
}

// A data set like a US radio's: three plan lists, weather, EXP channels, ATIS.
SettingsModel UsaModel() {
  SettingsModel m = Labelled("CAN");
  m.groups[0] = {true, 2, "USA"};
  m.groups[1] = {true, 65535, "INT"};
  m.groups[2] = {false, 1, "CAN"};
  m.groups[3].usable = true;
  m.common = {0, true, false, 3, true, 0, 1, true, 1};
  m.atis = {{true, false, true, true}, "1234567890123", 1};
  m.CHUSA.append(PlanRecord(6, 0, true, false, false, false));
  m.CHUSA.append(PlanRecord(16, 0, true, false, false, true));
  m.CHUSA.append(WithStatus(PlanRecord(78, 0, true, false, false, true), 1, 1));
  m.CHUSA.append({.position = 9, .txEnabled = true});  // disabled
  m.CHUSA.append(PlanRecord(13, 0, true, true, true, false));
  m.CHUSA.append(PlanRecord(15, 1, false, false, false, false));
  m.CHINT.append(PlanRecord(1, 2, true, false, false, false));
  m.CHINT.append(PlanRecord(1, 2, false, false, false, false));
  m.CHINT.append(PlanRecord(60, 3, true, true, false, true));
  m.CHINT.append(PlanRecord(200, 0, true, false, false, false));  // not in the channel table
  m.CHCAN.append(WithStatus(PlanRecord(21, 1, false, false, false, false), 2, 0));
  m.CHWX = DefaultWeatherList();
  m.CHWX[1].enabled = false;
  m.CHWX[2].scanMemory = true;
  ChannelRecord e = FreeRecord("E1", 157.1, 161.7);
  e.inUsaGroup = e.inRegionGroup = e.lowPower = true;
  m.CHEXP.append(e);
  for (int i = 0; i < 10; ++i) m.CHEXP.append(FreeRecord("", 155.0 + i * 0.0125, 0));
  return m;
}

// A UK data set without ATIS or weather: international channels and national RG channels.
SettingsModel UkModel() {
  SettingsModel m = Labelled("UK");
  m.groups[1] = {true, 1, "INT"};
  m.groups[2] = {true, 2, "UK"};
  m.common.resumeTime = 9;
  m.common.modeSelect = 4;
  m.CHINT.append(PlanRecord(16, 0, true, false, false, false));
  m.CHCAN.append(PlanRecord(37, 0, true, false, false, true));
  m.CHCAN.append(PlanRecord(80, 2, true, false, false, false));
  ChannelRecord m1 = FreeRecord("M1", 157.85, 157.85);
  m1.inIntGroup = m1.inRegionGroup = true;
  m.CHRG.append(m1);
  m.CHRG.append(FreeRecord("7", 161.425, 0));
  m.CHRG.append(FreeRecord("", 156.0 + 0.08, 156.0 + 0.08));
  return m;
}

// Compares with the golden file; TPW52_UPDATE_GOLDEN=1 writes it instead (check it by eye).
void ExpectGolden(const std::string& name, const std::string& report) {
  const std::filesystem::path path = std::filesystem::path(TPW52_TEST_DATA) / name;
  if (std::getenv("TPW52_UPDATE_GOLDEN")) WriteBytes(path, report);
  EXPECT_EQ(report, ReadBytes(path)) << path;
}

// Byte for byte: the columns, the dashes of empty cells, the disabled records left out, and
// the two empty lines that stand without ATIS between the settings and the first table.
TEST(TextReport, GoldenReports) {
  ExpectGolden("report/empty.txt", BuildTextReport(Labelled("CAN"), Caps(false, false)));
  ExpectGolden("report/usa.txt", BuildTextReport(UsaModel(), Caps(true, true)));
  ExpectGolden("report/uk.txt", BuildTextReport(UkModel(), Caps(false, false)));
  ExpectGolden("report/uk-atis.txt", BuildTextReport(UkModel(), Caps(true, false)));
}

TEST(TextReport, SavedFileEndsWithOneMoreLineEnd) {
  TempDir dir;
  TestContext t;
  const std::string report = BuildTextReport(UkModel(), t.ws.caps);
  ASSERT_EQ(SaveReportAs(t.ctx, dir / "r.txt", report), Outcome::Done);
  ASSERT_EQ(SaveReportAs(t.ctx, dir / "r.txt", report), Outcome::Done);
  EXPECT_EQ(ReadBytes(dir / "r.txt"), report + "\r\n");

  EXPECT_EQ(SaveReportAs(t.ctx, dir / "no" / "r.txt", report), Outcome::Failed);
  ASSERT_EQ(t.prompter.boxes.size(), 1u);
  EXPECT_EQ(t.prompter.boxes[0].title, "QZ815 PC Program for QZ815");
  EXPECT_EQ(t.prompter.boxes[0].icon, Icon::Exclamation);
  // The system's description first, then the file and what to do.
  const std::string& text = t.prompter.boxes[0].text;
  const std::string rest = "\r\nThe report was not saved to " + (dir / "no" / "r.txt").string() +
                           ": the folder " + (dir / "no").string() +
                           " does not exist. Create it, or give a path in another folder.";
  ASSERT_GT(text.size(), rest.size());
  EXPECT_EQ(text.substr(text.size() - rest.size()), rest);
  EXPECT_EQ(text.find("\r\n"), text.size() - rest.size());
  EXPECT_TRUE(t.diagnostics.errors.empty());
}

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

// A page's lines: those of its head, and those of its body.
std::pair<Lines, Lines> HeadAndBody(const PrintPage& page) {
  const Lines lines = LinesOf(page);
  const auto cut = lines.begin() + page.headLines;
  return {Lines(lines.begin(), cut), Lines(cut, lines.end())};
}

// Every page of the layout comes out as sheets that repeat its head, hold at most
// linesPerSheet lines, and together carry the page's body once, in order. Returns the sheets
// each page took.
std::vector<int> ExpectWholePages(const std::vector<PrintPage>& pages, int linesPerSheet) {
  const std::vector<PrintPage> sheets = PaginatePrintLayout(pages, linesPerSheet);
  std::vector<int> sheetsPerPage;
  std::size_t sheet = 0;
  for (const PrintPage& page : pages) {
    const auto [head, body] = HeadAndBody(page);
    Lines printed;
    int taken = 0;
    while (printed.size() < body.size() || taken == 0) {
      if (sheet >= sheets.size()) {
        ADD_FAILURE() << "the sheets end inside a page";
        return sheetsPerPage;
      }
      const PrintPage& s = sheets[sheet++];
      const auto [sheetHead, part] = HeadAndBody(s);
      EXPECT_LE(s.lineCount(), linesPerSheet) << "sheet " << sheet;
      EXPECT_EQ(sheetHead, head) << "sheet " << sheet;
      EXPECT_FALSE(part.empty() && !body.empty()) << "sheet " << sheet;
      printed.insert(printed.end(), part.begin(), part.end());
      ++taken;
    }
    EXPECT_EQ(printed, body);
    sheetsPerPage.push_back(taken);
  }
  EXPECT_EQ(sheet, sheets.size()) << "sheets left after the last page";
  return sheetsPerPage;
}

// A layout as text: each page under its number and the lines of its head, each item as [x]text
// and a line end after each item that ends a line.
std::string LayoutText(const std::vector<PrintPage>& pages) {
  std::ostringstream text;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    text << "== page " << p + 1 << ", " << pages[p].headLines << " head lines\n";
    for (const PrintItem& item : pages[p].items) {
      text << '[' << item.x << ']' << item.text << (item.endsLine ? "\n" : " ");
    }
  }
  return text.str();
}

// Byte for byte, every item where it stands. Plan heads stand at the running sums of 0, 12, 17,
// 17, 8, 9, 8, 20, 9, 8 millimetres; region heads, rules and rows share one set of columns.
// Without weather and with RG channels the region page follows the last plan page directly;
// disabled records are left out of plan pages but printed in the weather page.
TEST(PrintLayout, Pages) {
  const std::pair<const char*, std::vector<PrintPage>> layouts[] = {
      {"empty.txt", BuildPrintLayout(Labelled("CAN"), Caps(false, false))},
      {"uk.txt", BuildPrintLayout(UkModel(), Caps(true, false))},
      {"usa.txt", BuildPrintLayout(UsaModel(), Caps(true, true))}};
  for (const auto& [name, layout] : layouts) {
    ExpectGolden(std::string("print/") + name, LayoutText(layout));
  }
}

SettingsModel FullModel() {
  SettingsModel m;
  for (ListId id : {ListId::CHUSA, ListId::CHINT, ListId::CHCAN}) {
    for (int i = 0; i < 96; ++i) {
      m.list(id).append(PlanRecord(i % MarineChannelCount, i % 4, true, false, false));
    }
  }
  m.CHWX = DefaultWeatherList();
  for (int i = 0; i < 12; ++i) m.CHRG.append(FreeRecord("R", 156.0 + i * 0.025, 0));
  for (int i = 0; i < 30; ++i) m.CHEXP.append(FreeRecord("E", 157.0, 161.6));
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
  for (int i = 0; i < 96; ++i) group.CHUSA.append(PlanRecord(i, 0, true, false, false));
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

TEST(PrintPagination, ShortSheetsStillEndAndEmptyLinesStartNone) {
  SettingsModel m;
  for (int i = 0; i < 3; ++i) m.CHRG.append(FreeRecord("R", 156.0, 0));
  const auto layout = BuildPrintLayout(m, Caps(false, false));
  ASSERT_EQ(layout.size(), 2u);
  // The region page's head is 5 lines: on sheets of 4 lines each sheet carries one row.
  const auto sheets = PaginatePrintLayout({layout[1]}, 4);
  ASSERT_EQ(sheets.size(), 3u);
  for (const PrintPage& sheet : sheets) EXPECT_EQ(sheet.lineCount(), 6);
  EXPECT_EQ(PaginatePrintLayout({layout[1]}, 0).size(), 3u);

  // Empty lines at a page's end start no sheet: with ATIS the common page ends with one.
  const auto common = BuildPrintLayout(SettingsModel{}, Caps(true, false));
  ASSERT_EQ(common.size(), 1u);
  const int lines = common[0].lineCount();
  ASSERT_EQ(LinesOf(common[0]).back(), (std::vector<PrintItem>{{0, "", true}}));
  const auto one = PaginatePrintLayout(common, lines - 1);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].lineCount(), lines - 1);
}

}  // namespace
}  // namespace tpw::test
