#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "files/hex_image_file.h"
#include "image/image_codec.h"
#include "report/report_rows.h"
#include "shell/destinations.h"
#include "support/pdf_text.h"
#include "support/process.h"
#include "support/test_support.h"

namespace tpw {
namespace {

using test::RunCommand;

const std::filesystem::path kBin = std::filesystem::path(TPW52_CLI).parent_path();

std::string Cli(const std::string& arguments) {
  return std::string(TPW52_CLI) + " " + arguments;
}

std::filesystem::path Template(const std::string& name) {
  return DestinationPath(kBin, "QZ815_" + name, QZ815ModelType);
}

// Words separated by single blanks: a printed line as pdftotext gives it, or a row's cells.
std::string Words(const std::string& text) {
  std::istringstream in(text);
  std::string word;
  std::string words;
  while (in >> word) words += (words.empty() ? "" : " ") + word;
  return words;
}

// How often each line of the text occurs, as words.
std::map<std::string, int> LineCounts(const std::string& text) {
  std::map<std::string, int> counts;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) ++counts[Words(line)];
  return counts;
}

// The rows every channel page prints, as words: the plan rows of enabled records, every
// weather record (number, ENABLE, MEM) and every RG and EXP record.
std::map<std::string, int> PrintedRows(const SettingsModel& model, const ModelCaps& caps) {
  std::map<std::string, int> rows;
  for (const ReportTable& table : ReportTables) {
    if (!IsTableShown(table, model, caps)) continue;
    for (std::vector<std::string> cells : TableRows(table, model)) {
      if (table.kind == TableKind::Weather) cells.resize(3);
      std::string joined;
      for (const std::string& cell : cells) joined += cell + " ";
      ++rows[Words(joined)];
    }
  }
  return rows;
}

TEST(CliPrint, EveryTemplateGivesAPdfWithEveryRow) {
  test::TempDir dir;
  const std::filesystem::path pdf = dir / "report.pdf";
  for (const char* name : {"BE", "GRMN", "INTL", "NL", "SW", "UK", "USA"}) {
    SCOPED_TRACE(name);
    const auto run = RunCommand(Cli("print " + Template(name).string() + " --pdf " + pdf.string()));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(test::ReadBytes(pdf).substr(0, 5), "%PDF-");
    const test::PdfText read = test::ReadPdfText(pdf);
    ASSERT_EQ(read.problem, "");

    test::TestContext t;
    MemoryImage image;
    ASSERT_EQ(ReadImageFile(Template(name), QZ815ModelType, image), ImageFileStatus::Ok);
    DecodeImage(image, t.ws.model, true);
    const std::map<std::string, int> printed = LineCounts(read.text);
    const std::map<std::string, int> rows = PrintedRows(t.ws.model, t.ws.caps);
    ASSERT_FALSE(rows.empty());
    for (const auto& [row, count] : rows) {
      const auto found = printed.find(row);
      EXPECT_GE(found == printed.end() ? 0 : found->second, count) << row;
    }
    // Every sheet starts with the page header.
    const auto headers = printed.find("QZ815 Velstrand");
    ASSERT_NE(headers, printed.end());
    EXPECT_EQ(headers->second, read.pages);
    EXPECT_GE(read.pages, 5);  // common setup, three groups, weather
  }
}

TEST(CliPrint, PaperAndRefusals) {
  test::TempDir dir;
  const std::string in = Template("USA").string();
  const std::filesystem::path letter = dir / "letter.pdf";
  ASSERT_EQ(RunCommand(Cli("print " + in + " --paper letter --pdf " + letter.string())).status, 0);
  // 8.5 by 11 inches, in points.
  const auto pageSize = [&letter] { return RunCommand("pdfinfo " + letter.string()).out; };
  EXPECT_NE(pageSize().find("612 x 792 pts (letter)"), std::string::npos) << pageSize();

  const auto txt = RunCommand(Cli("print " + in + " --pdf " + (dir / "r.txt").string()));
  EXPECT_EQ(txt.status, 2);
  EXPECT_EQ(txt.err, "--pdf must name a file ending in .pdf\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "r.txt"));

  const std::filesystem::path missing = dir / "no" / "r.pdf";
  const auto folder = RunCommand(Cli("print " + in + " --pdf " + missing.string()));
  EXPECT_EQ(folder.status, 1);
  EXPECT_EQ(folder.err, "Cannot save " + missing.string() + ": the folder " +
                            (dir / "no").string() +
                            " does not exist. Create it or give a file in another folder.\n");

  // A refused input writes nothing and keeps an older PDF as it was.
  test::WriteBytes(dir / "short.hex", std::string(2047, '\0'));
  const auto refused =
      RunCommand(Cli("print " + (dir / "short.hex").string() + " --pdf " + letter.string()));
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err.rfind("bad file!!", 0), 0u) << refused.err;
  EXPECT_NE(pageSize().find("612 x 792 pts (letter)"), std::string::npos);

  EXPECT_EQ(RunCommand(Cli("print " + in)).status, 2);  // --pdf is required
  EXPECT_EQ(RunCommand(Cli("print " + in + " --paper A3 --pdf " + letter.string())).status, 2);
}

}  // namespace
}  // namespace tpw
