#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <sstream>

#include "files/data_file.h"
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

TEST(CliDataCommands, DestinationsListsTheSevenTemplates) {
  const auto result = RunCommand(Cli("destinations"));
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  std::string expected;
  for (const std::string name : {"BE", "GRMN", "INTL", "NL", "SW", "UK", "USA"}) {
    std::string line = "QZ815_" + name;
    line.resize(14, ' ');
    line += name;  // the region of each template is its name
    line.resize(24, ' ');
    expected += line + Template(name).string() + "\n";
  }
  EXPECT_EQ(result.out, expected);
}

// A template converts to a data file and back, and reports the same either way (that every
// template survives a data file is ShippedData.TemplatesSurviveDecodeAndEncodeAndADataFile's).
TEST(CliDataCommands, ConvertAndReportThroughADataFile) {
  test::TempDir dir;
  const std::string in = Template("SW").string();
  const std::string dat = (dir / "t.dat").string();
  const std::string hex = (dir / "t.hex").string();
  ASSERT_EQ(RunCommand(Cli("convert " + in + " " + dat)).status, 0);
  ASSERT_EQ(RunCommand(Cli("convert " + dat + " " + hex + " --destination QZ815_SW")).status, 0);
  EXPECT_EQ(test::ReadBytes(hex), test::ReadBytes(in));
  const auto fromImage = RunCommand(Cli("report " + in));
  EXPECT_EQ(fromImage.status, 0);
  EXPECT_EQ(fromImage.out, RunCommand(Cli("report " + dat + " --destination QZ815_SW")).out);
  const std::string txt = (dir / "t.txt").string();
  ASSERT_EQ(RunCommand(Cli("convert " + in + " " + txt)).status, 0);
  std::string file = test::ReadBytes(txt);
  std::erase(file, '\r');
  EXPECT_EQ(fromImage.out, file);
  // The report itself: TextReport.GoldenReports owns its text.
  EXPECT_TRUE(file.starts_with("##### Common Setup #####\n")) << file;
}

// Over the first destination (BE) the region question comes; without a terminal the answer is
// No, and --no says so too. Over the USA template there is no question: refused outright.
TEST(CliDataCommands, DataFilesAreCheckedAgainstTheirBase) {
  test::TempDir dir;
  const std::string uk = (dir / "uk.dat").string();
  const std::string out = (dir / "out.hex").string();
  ASSERT_EQ(RunCommand(Cli("convert " + Template("UK").string() + " " + uk)).status, 0);
  test::WriteBytes(dir / "other.dat", "[MAIN]\r\nMODELTYPE=2\r\n");
  const std::string refused =
      "The region is unmatched.\nDo you want to change the region?\n-> refused\n";
  const std::string convert = "convert " + uk + " " + out;
  const struct {
    std::string arguments;
    int status;
    std::optional<std::string> err;  // none: only the status counts
  } cases[] = {
      {convert, 1, refused},
      {convert + " --no", 1, refused},
      // In German the question and the answer are the catalogue's; a language without a
      // catalogue is refused.
      {"--lang de " + convert, 1,
       "Die Region passt nicht.\nM\u00f6chten Sie die Region wechseln?\n-> abgelehnt\n"},
      {convert + " --lang tlh", 2, "tpw52-cli: --lang tlh: there is no such language"},
      // The refusals' wording is DataFileRefusal.ModelAndRegionChecksComeFirst's.
      {convert + " --destination qz815_usa", 1, "Region Unmatched !!\n" + uk + ": the file is"},
      {convert + " --destination MARS", 1,
       "There is no destination \"MARS\". The destinations are: QZ815_BE, QZ815_GRMN, "
       "QZ815_INTL, QZ815_NL, QZ815_SW, QZ815_UK, QZ815_USA.\n"},
      {"report " + (dir / "other.dat").string(), 1, "ModelType Error !!\n"},
      {"convert " + uk + " " + (dir / "out.bin").string(), 2, std::nullopt},
      {convert + " --yes --no", 2, std::nullopt},
      {"report", 2, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    const auto result = RunCommand(Cli(c.arguments));
    EXPECT_EQ(result.status, c.status);
    EXPECT_TRUE(result.err.starts_with(c.err.value_or(""))) << result.err;
    EXPECT_EQ(result.out, c.status == 1 ? "" : result.out);  // a refusal prints nothing else
    EXPECT_FALSE(std::filesystem::exists(out));
  }
  // In German the help is the catalogue's too.
  const std::string help = RunCommand(Cli("--lang de --help")).out;
  for (const char* german : {"Aufruf: tpw52-cli [OPTIONEN] BEFEHL", "Befehle:",
                             "Die Kanallisten von DATA (.hex-Image oder .dat-Datendatei)"}) {
    EXPECT_NE(help.find(german), std::string::npos) << help;
  }
  ASSERT_EQ(RunCommand(Cli(convert + " --yes")).status, 0);
  const std::string converted = test::ReadBytes(out);
  ASSERT_EQ(converted.size(), 2048u);
  EXPECT_EQ(converted[0xA0], 1);
  // Over an image file of the file's own region.
  EXPECT_EQ(RunCommand(Cli(convert + " --base " + Template("UK").string())).status, 0);
}

// diff: nothing and 0 for the same data set, a line or an object per difference and 1, 2 and
// the file named for trouble.
TEST(CliDataCommands, DiffTellsTheDifferencesAndExitsAsDiff) {
  test::TempDir dir;
  const std::string uk = Template("UK").string();
  const std::string dat = (dir / "uk.dat").string();
  const std::string edited = (dir / "edited.dat").string();
  ASSERT_EQ(RunCommand(Cli("convert " + uk + " " + dat)).status, 0);
  std::string text = test::ReadBytes(dat);
  text.replace(text.find("Resume Time=3"), 13, "Resume Time=0");
  text.replace(text.find("CHDisplayR=\r\n"), 13, "CHDisplayR=\xE9\"\r\n");
  test::WriteBytes(edited, text);
  const std::string missing = (dir / "missing.dat").string();
  const std::string oneOther =
      "diff compares A with one other data set: give the file B, or --port PORT to compare A "
      "with the radio on that port (see tpw52-cli diff --help).\n";
  struct Case {
    std::string arguments;
    int status;
    std::string out;
    std::string err;
  };
  const Case cases[] = {
      {"diff " + uk + " " + uk, 0, "", ""},
      // A data file B is read over A's image, whatever the base.
      {"diff " + uk + " " + dat, 0, "", ""},
      {"diff " + dat + " " + edited + " --destination UK", 1,
       "Common Setup: Resume Time: 3Sec \u2192 Off\n"
       "RG Channel RG01: CH Display (right): (none) \u2192 \xE9\"\n",
       ""},
      {"diff " + dat + " " + edited + " --destination UK --json", 1,
       "[\n"
       "  {\"where\": \"Common Setup\", \"setting\": \"Resume Time\", \"this\": \"3Sec\", "
       "\"other\": \"Off\"},\n"
       "  {\"where\": \"RG Channel RG01\", \"setting\": \"CH Display (right)\", \"this\": "
       "\"(none)\", \"other\": \"\\u00e9\\\"\"}\n"
       "]\n",
       ""},
      {"diff " + uk + " " + uk + " --json", 0, "[]\n", ""},
      // The refusals' wording: OpenImageFile's and AnInputOfAnotherKindIsRefusedByItsName's.
      {"diff " + uk + " " + missing, 2, "", "FileRead Error!!\n" + missing + ": "},
      {"diff " + uk, 2, "", oneOther},
      {"diff " + uk + " " + uk + " --port /dev/ttyUSB0", 2, "", oneOther},
      {"diff " + uk + " " + (dir / "b.txt").string(), 2, "",
       "Cannot read " + (dir / "b.txt").string() + ": by its name"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const auto result = RunCommand(Cli(c.arguments));
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.out, c.out);
    EXPECT_TRUE(c.err.empty() ? result.err.empty() : result.err.starts_with(c.err)) << result.err;
  }
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
  EXPECT_TRUE(folder.err.starts_with("Cannot save " + missing.string() + ": the folder "))
      << folder.err;  // the reason's words: FileFailure's

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

// A hand-edited file opens as before, and each line not taken as written is listed on stderr.
TEST(CliDataCommands, HandEditedFilesListWhatWasNotTaken) {
  test::TempDir dir;
  const std::string edited = (dir / "edited.dat").string();
  test::WriteBytes(edited,
                   "[MAIN]\r\nMODELTYPE=1\r\nREGION=2\r\n"
                   "[CHUSA1]\r\nPosition=200\r\n"
                   "[ATIS Setup]\r\nAtis Code=#12AB\r\n");
  const auto result = RunCommand(Cli("report " + edited + " --destination be"));
  EXPECT_EQ(result.status, 0) << result.err;
  // The notes' wording is DataFileParse.NotesAreShownInOneWarning's; here they reach stderr.
  EXPECT_TRUE(result.err.starts_with(edited + " was opened, but not everything")) << result.err;
  EXPECT_NE(result.err.find("[ATIS Setup] Atis Code=12AB (line 7)"), std::string::npos);
  EXPECT_NE(result.out.find("ATIS"), std::string::npos);
}

// What a command prints on the standard output must arrive: a full disk is a failure.
TEST(CliDataCommands, OutputThatCannotBeWrittenFails) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  const std::string message =
      "Cannot write to the standard output: No space left on device. Check where the output "
      "goes (a full disk, a closed pipe), then run the command again.\n";
  const std::string uk = Template("UK").string();
  for (const std::string& command :
       std::vector<std::string>{"destinations", "report " + uk, "hexdump " + uk}) {
    const auto result = RunCommand("sh -c '" + Cli(command) + " > /dev/full'");
    EXPECT_EQ(result.status, 1) << command;
    EXPECT_EQ(result.err, message) << command;
  }
}

// A table exported from a template imports back into the same image; refused rows are listed
// with their lines, and only --yes imports the others.
TEST(CliDataCommands, ExportCsvThenImportCsvAndTheRefusedRows) {
  test::TempDir dir;
  const std::string usa = Template("USA").string();
  const std::string csv = (dir / "plan.csv").string();
  ASSERT_EQ(RunCommand(Cli("export-csv " + usa + " " + csv)).status, 0);
  const std::string same = (dir / "same.hex").string();
  const std::string converted = (dir / "converted.hex").string();
  ASSERT_EQ(RunCommand(Cli("import-csv " + usa + " " + csv + " " + same)).status, 0);
  ASSERT_EQ(RunCommand(Cli("convert " + usa + " " + converted)).status, 0);
  EXPECT_EQ(test::ReadBytes(same), test::ReadBytes(converted));

  test::WriteBytes(dir / "bad.csv", "List;Position\r\nCHUSA;16\r\nCHUSA;300\r\n");
  const std::string bad = (dir / "bad.csv").string();
  const std::string out = (dir / "out.dat").string();
  const auto refused = RunCommand(Cli("import-csv " + usa + " " + bad + " " + out + " --no"));
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find(bad + ": 1 of 2 rows cannot be imported:\nline 3: CHUSA: Position "
                                   "\"300\" is not a channel position from 0 to 119"),
            std::string::npos)
      << refused.err;
  EXPECT_FALSE(std::filesystem::exists(out));
  ASSERT_EQ(RunCommand(Cli("import-csv " + usa + " " + bad + " " + out + " --yes")).status, 0);
  EXPECT_NE(test::ReadBytes(out).find("[CHUSA1]\r\nPosition=16\r\n"), std::string::npos);
  EXPECT_EQ(test::ReadBytes(out).find("[CHUSA2]"), std::string::npos);
  EXPECT_EQ(RunCommand(Cli("export-csv " + usa + " " + out)).status, 2);  // not a .csv
}

}  // namespace
}  // namespace tpw
