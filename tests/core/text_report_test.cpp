#include "report/text_report.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "image/channel_tables.h"
#include "report/print_layout.h"
#include "sample_records.h"
#include "support/test_support.h"

namespace tpw {
namespace {

using test::Caps;

SettingsModel Labelled(const char* groupTwo) {
  SettingsModel m;
  m.groups[0].label = "USA";
  m.groups[1].label = "INT";
  m.groups[2].label = groupTwo;
  m.groups[3].label = "EXP";
  return m;
}

constexpr auto Plan = test::PlanRecord;
constexpr auto Free = test::FreeRecord;

// A data set like a US radio's: three plan lists, weather, EXP channels, ATIS.
SettingsModel UsaModel() {
  SettingsModel m = Labelled("CAN");
  m.groups[0] = {true, 2, "USA"};
  m.groups[1] = {true, 65535, "INT"};
  m.groups[2] = {false, 1, "CAN"};
  m.groups[3].usable = true;
  m.common = {0, true, false, 3, true, 0, 1, true, 1};
  m.atis = {{true, false, true, true}, "1234567890123", 1};
  ChannelRecord a1078 = Plan(78, 0, true, false, false, true);
  a1078.statusNo = 1;
  a1078.statusIcon = 1;
  m.CHUSA.append(Plan(6, 0, true, false, false, false));
  m.CHUSA.append(Plan(16, 0, true, false, false, true));
  m.CHUSA.append(a1078);
  ChannelRecord disabled = Plan(9, 0, true, false, false, false);
  disabled.enabled = false;
  m.CHUSA.append(disabled);
  m.CHUSA.append(Plan(13, 0, true, true, true, false));
  m.CHUSA.append(Plan(15, 1, false, false, false, false));
  m.CHINT.append(Plan(1, 2, true, false, false, false));
  m.CHINT.append(Plan(1, 2, false, false, false, false));
  m.CHINT.append(Plan(60, 3, true, true, false, true));
  m.CHINT.append(Plan(200, 0, true, false, false, false));  // not in the channel table
  ChannelRecord b21 = Plan(21, 1, false, false, false, false);
  b21.statusIcon = 2;
  m.CHCAN.append(b21);
  m.CHWX = DefaultWeatherList();
  m.CHWX[1].enabled = false;
  m.CHWX[2].scanMemory = true;
  ChannelRecord e = Free("E1", 157.1, 161.7);
  e.inUsaGroup = true;
  e.inRegionGroup = true;
  e.lowPower = true;
  m.CHEXP.append(e);
  for (int i = 0; i < 10; ++i) m.CHEXP.append(Free("", 155.0 + i * 0.0125, 0));
  return m;
}

// A UK data set without ATIS or weather: international channels and national RG channels.
SettingsModel UkModel() {
  SettingsModel m = Labelled("UK");
  m.groups[1] = {true, 1, "INT"};
  m.groups[2] = {true, 2, "UK"};
  m.common.resumeTime = 9;
  m.common.modeSelect = 4;
  m.CHINT.append(Plan(16, 0, true, false, false, false));
  m.CHCAN.append(Plan(37, 0, true, false, false, true));
  m.CHCAN.append(Plan(80, 2, true, false, false, false));
  ChannelRecord m1 = Free("M1", 157.85, 157.85);
  m1.inIntGroup = true;
  m1.inRegionGroup = true;
  m.CHRG.append(m1);
  m.CHRG.append(Free("7", 161.425, 0));
  m.CHRG.append(Free("", 156.0 + 0.08, 156.0 + 0.08));
  return m;
}

// Compares with the golden file; TPW52_UPDATE_GOLDEN=1 writes it instead (check it by eye).
void ExpectGolden(const std::string& name, const std::string& report) {
  const std::filesystem::path path = std::filesystem::path(TPW52_TEST_DATA) / "report" / name;
  if (std::getenv("TPW52_UPDATE_GOLDEN")) test::WriteBytes(path, report);
  EXPECT_EQ(report, test::ReadBytes(path)) << path;
}

// Byte for byte: the columns, the dashes of empty cells, the disabled records left out, and
// the two empty lines that stand without ATIS between the settings and the first table.
TEST(TextReport, GoldenReports) {
  ExpectGolden("empty.txt", BuildTextReport(Labelled("CAN"), Caps(false, false)));
  ExpectGolden("usa.txt", BuildTextReport(UsaModel(), Caps(true, true)));
  ExpectGolden("uk.txt", BuildTextReport(UkModel(), Caps(false, false)));
  ExpectGolden("uk-atis.txt", BuildTextReport(UkModel(), Caps(true, false)));
}

TEST(TextReport, SavedFileEndsWithOneMoreLineEnd) {
  test::TempDir dir;
  test::TestContext t;
  const std::string report = BuildTextReport(UkModel(), t.ws.caps);
  ASSERT_EQ(SaveReportAs(t.ctx, dir / "r.txt", report), Outcome::Done);
  ASSERT_EQ(SaveReportAs(t.ctx, dir / "r.txt", report), Outcome::Done);
  EXPECT_EQ(test::ReadBytes(dir / "r.txt"), report + "\r\n");

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

// The items of line n (from 0) of a page.
std::vector<PrintItem> Line(const PrintPage& page, int n) {
  std::vector<PrintItem> line;
  int current = 0;
  for (const PrintItem& item : page.items) {
    if (current == n) line.push_back(item);
    if (item.endsLine) ++current;
  }
  return line;
}

std::vector<double> Positions(const std::vector<PrintItem>& line) {
  std::vector<double> x;
  for (const PrintItem& item : line) x.push_back(item.x);
  return x;
}

TEST(PrintLayout, Pages) {
  const auto empty = BuildPrintLayout(Labelled("CAN"), Caps(false, false));
  ASSERT_EQ(empty.size(), 1u);
  const auto& items = empty[0].items;
  ASSERT_GE(items.size(), 9u);
  EXPECT_EQ(items[0], (PrintItem{0, "QZ815 Velstrand", true}));
  EXPECT_EQ(items[1], (PrintItem{0, "", true}));
  EXPECT_EQ(items[2], (PrintItem{0, "", true}));
  EXPECT_EQ(items[3], (PrintItem{0, "##### Common Setup #####", true}));
  EXPECT_EQ(items[5], (PrintItem{50, "USA", false}));
  EXPECT_EQ(items[8], (PrintItem{140, "Exp CH Group", true}));
  EXPECT_EQ(empty[0].lineCount(), 17);
  EXPECT_EQ(empty[0].items.back(), (PrintItem{50, "DW", true}));

  // No weather, RG not empty: the region page follows the last plan page directly.
  const auto uk = BuildPrintLayout(UkModel(), Caps(true, false));
  ASSERT_EQ(uk.size(), 4u);
  ASSERT_GE(uk[1].items.size(), 8u);
  ASSERT_GE(uk[3].items.size(), 3u);
  EXPECT_EQ(uk[1].items[2].text, "##### Programmable International Channel #####");
  EXPECT_EQ(uk[3].items[2].text, "##### Programable REGION Channel #####");
  EXPECT_EQ(uk[0].items.back(), (PrintItem{0, "", true}));
  const std::vector<PrintItem> row(uk[1].items.end() - 8, uk[1].items.end());
  EXPECT_EQ(row[0], (PrintItem{0, "16", false}));
  EXPECT_EQ(row[1], (PrintItem{12, "156.800", false}));
  EXPECT_EQ(row[6], (PrintItem{71, "TX_SIMP", false}));
  EXPECT_EQ(row[7], (PrintItem{91, "---", true}));
  // Plan heads stand at the running sums of 0, 12, 17, 17, 8, 9, 8, 20, 9, 8 millimetres.
  EXPECT_EQ(Positions(Line(uk[1], 3)), (std::vector<double>{0, 12, 29, 46, 54, 63, 71, 91}));
  EXPECT_EQ(Positions(Line(uk[1], 4)), Positions(Line(uk[1], 3)));  // the rules
  // Region heads, rules and rows share one set of columns.
  const std::vector<double> free = {0, 16, 28, 40, 52, 66, 92, 118, 130, 140};
  for (int n = 3; n < uk[3].lineCount(); ++n) EXPECT_EQ(Positions(Line(uk[3], n)), free) << n;
  const std::vector<PrintItem> heads = Line(uk[3], 3);
  ASSERT_EQ(heads.size(), 10u);
  EXPECT_EQ(heads[3].text, "UK");

  // Disabled records are left out of plan pages but printed in the weather page.
  const auto usa = BuildPrintLayout(UsaModel(), Caps(true, true));
  ASSERT_EQ(usa.size(), 6u);
  ASSERT_GE(usa[4].items.size(), 3u);
  ASSERT_GE(usa[5].items.size(), 3u);
  EXPECT_EQ(usa[1].lineCount(), 3 + 2 + 5);
  EXPECT_EQ(usa[4].items[2].text, "##### Programable WX Channel #####");
  EXPECT_EQ(usa[4].lineCount(), 3 + 2 + WxChannelCount);
  EXPECT_EQ(Positions(Line(usa[4], 5)), (std::vector<double>{0, 9, 28}));
  EXPECT_EQ(usa[5].items[2].text, "##### Programmable EXP Channel #####");
  for (const PrintPage& page : usa) {
    double last = -1;
    for (const PrintItem& item : page.items) {
      EXPECT_GT(item.x, last) << item.text;  // items of a line run left to right
      last = item.endsLine ? -1 : item.x;
    }
  }
}

}  // namespace
}  // namespace tpw
