// The command line, run as a user runs it: a real process, its output and its exit status.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "files/data_file.h"
#include "files/hex_image_file.h"
#include "image/image_codec.h"
#include "image/memory_map.h"
#include "link/hex_dump.h"
#include "report/report_rows.h"
#include "shell/destinations.h"
#include "support/command_cases.h"
#include "support/pdf_text.h"
#include "support/process.h"
#include "support/test_support.h"

namespace tpw {
namespace {

namespace fs = std::filesystem;
using test::RunCommand;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

const fs::path kBin = fs::path(TPW52_CLI).parent_path();

test::ProcessResult RunCli(const std::string& arguments) {
  return RunCommand(TPW52_CLI " " + arguments);
}

fs::path Template(const std::string& name) {
  return DestinationPath(kBin, "QZ815_" + name, QZ815ModelType);
}

// Runs the commands of a case file of tests/data/command-cases (see CommandCase).
void ExpectCommandCases(const std::string& file, const std::map<std::string, std::string>& names,
                        const std::string& environment = "") {
  test::ExpectCommandCases(TPW52_CLI, fs::path(TPW52_TEST_DATA) / file, names, environment);
}

TEST(CliDataCommands, DestinationsListsTheSevenTemplates) {
  ExpectCommandCases("destinations.txt", {{"bin", kBin.string()}});
}

// A template converts to a data file and back, and reports the same either way (that every
// template survives a data file is ShippedData.TemplatesSurviveDecodeAndEncodeAndADataFile's).
TEST(CliDataCommands, ConvertAndReportThroughADataFile) {
  test::TempDir dir;
  const std::string in = Template("SW").string();
  const std::string dat = (dir / "t.dat").string();
  const std::string hex = (dir / "t.hex").string();
  ASSERT_EQ(RunCli("convert " + in + " " + dat).status, 0);
  ASSERT_EQ(RunCli("convert " + dat + " " + hex + " --destination QZ815_SW").status, 0);
  EXPECT_EQ(test::ReadBytes(hex), test::ReadBytes(in));
  const auto fromImage = RunCli("report " + in);
  EXPECT_EQ(fromImage.status, 0);
  EXPECT_EQ(fromImage.out, RunCli("report " + dat + " --destination QZ815_SW").out);
  const std::string txt = (dir / "t.txt").string();
  ASSERT_EQ(RunCli("convert " + in + " " + txt).status, 0);
  std::string file = test::ReadBytes(txt);
  std::erase(file, '\r');
  EXPECT_EQ(fromImage.out, file);
  // The report itself: TextReport.GoldenReports owns its text.
  EXPECT_THAT(file, StartsWith("##### Common Setup #####\n"));
}

// Over the first destination (BE) the region question comes; without a terminal the answer is
// No, and --no says so too. Over the USA template there is no question: refused outright.
TEST(CliDataCommands, DataFilesAreCheckedAgainstTheirBase) {
  test::TempDir dir;
  const std::string uk = (dir / "uk.dat").string();
  const std::string out = (dir / "out.hex").string();
  const std::string convert = "convert " + uk + " " + out;
  ASSERT_EQ(RunCli("convert " + Template("UK").string() + " " + uk).status, 0);
  test::WriteBytes(dir / "other.dat", "[MAIN]\r\nMODELTYPE=2\r\n");
  ExpectCommandCases("data-file-refusals.txt", {{"dir", dir.path().string()}});
  EXPECT_FALSE(fs::exists(out));
  // In German the help is the catalogue's too.
  const std::string help = RunCli("--lang de --help").out;
  for (const char* german : {"Aufruf: tpw52-cli [OPTIONEN] BEFEHL", "Befehle:",
                             "Die Kanallisten von DATA (.hex-Image oder .dat-Datendatei)"}) {
    EXPECT_THAT(help, HasSubstr(german));
  }
  ASSERT_EQ(RunCli(convert + " --yes").status, 0);
  const std::string converted = test::ReadBytes(out);
  ASSERT_EQ(converted.size(), 2048u);
  EXPECT_EQ(converted[0xA0], 1);
  // Over an image file of the file's own region.
  EXPECT_EQ(RunCli(convert + " --base " + Template("UK").string()).status, 0);
}

// diff: nothing and 0 for the same data set, a line or an object per difference and 1, 2 and
// the file named for trouble.
TEST(CliDataCommands, DiffTellsTheDifferencesAndExitsAsDiff) {
  test::TempDir dir;
  const std::string dat = (dir / "uk.dat").string();
  ASSERT_EQ(RunCli("convert " + Template("UK").string() + " " + dat).status, 0);
  std::string text = test::ReadBytes(dat);
  text.replace(text.find("Resume Time=3"), 13, "Resume Time=0");
  text.replace(text.find("CHDisplayR=\r\n"), 13, "CHDisplayR=\xE9\"\r\n");
  test::WriteBytes(dir / "edited.dat", text);
  ExpectCommandCases("diff.txt", {{"dir", dir.path().string()}, {"uk", Template("UK").string()}});
  // A line per difference; a text of the radio's own characters is printed as its bytes.
  const auto lines =
      RunCli("diff " + dat + " " + (dir / "edited.dat").string() + " --destination UK");
  EXPECT_EQ(lines.status, 1);
  EXPECT_EQ(lines.out,
            "Common Setup: Resume Time: 3Sec \u2192 Off\n"
            "RG Channel RG01: CH Display (right): (none) \u2192 \xE9\"\n");
  EXPECT_EQ(lines.err, "");
}

// Words separated by single blanks: a printed line as pdftotext gives it, or a row's cells.
std::string Words(const std::string& text) {
  std::istringstream in(text);
  std::string words;
  for (std::string word; in >> word;) words += (words.empty() ? "" : " ") + word;
  return words;
}

// How often each line of the text occurs, as words.
std::map<std::string, int> LineCounts(const std::string& text) {
  std::map<std::string, int> counts;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) ++counts[Words(line)];
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
    const auto run = RunCli("print " + Template(name).string() + " --pdf " + pdf.string());
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
  const fs::path letter = dir / "letter.pdf";
  ASSERT_EQ(RunCli("print " + in + " --paper letter --pdf " + letter.string()).status, 0);
  // 8.5 by 11 inches, in points.
  const auto pageSize = [&letter] { return RunCommand("pdfinfo " + letter.string()).out; };
  EXPECT_THAT(pageSize(), HasSubstr("612 x 792 pts (letter)"));
  test::WriteBytes(dir / "short.hex", std::string(2047, '\0'));
  ExpectCommandCases("print-refusals.txt", {{"dir", dir.path().string()}, {"usa", in}});
  EXPECT_FALSE(fs::exists(dir / "r.txt"));
  EXPECT_THAT(pageSize(), HasSubstr("612 x 792 pts (letter)"));
}

// A hand-edited file opens as before, and each line not taken as written is listed on stderr.
TEST(CliDataCommands, HandEditedFilesListWhatWasNotTaken) {
  test::TempDir dir;
  const std::string edited = (dir / "edited.dat").string();
  test::WriteBytes(edited,
                   "[MAIN]\r\nMODELTYPE=1\r\nREGION=2\r\n"
                   "[CHUSA1]\r\nPosition=200\r\n"
                   "[ATIS Setup]\r\nAtis Code=#12AB\r\n");
  const auto result = RunCli("report " + edited + " --destination be");
  EXPECT_EQ(result.status, 0) << result.err;
  // The notes' wording is DataFileParse.NotesAreShownInOneWarning's; here they reach stderr.
  EXPECT_THAT(result.err, StartsWith(edited + " was opened, but not everything"));
  EXPECT_THAT(result.err, HasSubstr("[ATIS Setup] Atis Code=12AB (line 7)"));
  EXPECT_THAT(result.out, HasSubstr("ATIS"));
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
    const auto result = RunCommand("sh -c '" TPW52_CLI " " + command + " > /dev/full'");
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
  ASSERT_EQ(RunCli("export-csv " + usa + " " + csv).status, 0);
  const std::string same = (dir / "same.hex").string();
  const std::string converted = (dir / "converted.hex").string();
  ASSERT_EQ(RunCli("import-csv " + usa + " " + csv + " " + same).status, 0);
  ASSERT_EQ(RunCli("convert " + usa + " " + converted).status, 0);
  EXPECT_EQ(test::ReadBytes(same), test::ReadBytes(converted));

  test::WriteBytes(dir / "bad.csv", "List;Position\r\nCHUSA;16\r\nCHUSA;300\r\n");
  const std::string bad = (dir / "bad.csv").string();
  const std::string out = (dir / "out.dat").string();
  const auto refused = RunCli("import-csv " + usa + " " + bad + " " + out + " --no");
  EXPECT_EQ(refused.status, 1);
  EXPECT_THAT(refused.err,
              HasSubstr(bad + ": 1 of 2 rows cannot be imported:\nline 3: CHUSA: Position "
                              "\"300\" is not a channel position from 0 to 119"));
  EXPECT_FALSE(std::filesystem::exists(out));
  ASSERT_EQ(RunCli("import-csv " + usa + " " + bad + " " + out + " --yes").status, 0);
  EXPECT_THAT(test::ReadBytes(out), HasSubstr("[CHUSA1]\r\nPosition=16\r\n"));
  EXPECT_THAT(test::ReadBytes(out), Not(HasSubstr("[CHUSA2]")));
  EXPECT_EQ(RunCli("export-csv " + usa + " " + out).status, 2);  // not a .csv
}

TEST(CliImageCommands, ConvertWritesWhatAWriteToTheRadioStartsFrom) {
  test::TempDir dir;
  MemoryImage image = test::ValidImage(1);
  for (int a = 0x100; a < 0x10C; ++a) image.set(a, 0x00);
  image.set(0x100, 0xC0);  // two USA channels, the second past its slots' valid data
  test::Fill(image, 0x300, {16, 0x30});
  image.set(0x09E, 0x80);
  image.set(addr::CurrentMode, 0);
  image.set(addr::CurrentGroup, 0);
  image.set(0x010, 0x42);  // a byte no setting covers travels unchanged
  test::WriteBytes(dir / "in.hex", test::ImageAsString(image));

  const auto result =
      RunCli("convert " + (dir / "in.hex").string() + " " + (dir / "out.hex").string());
  EXPECT_EQ(result.status, 0) << result.err;

  MemoryImage expected = image;
  SettingsModel model;
  DecodeImage(expected, model, true);
  EncodeImage(model, expected, true);
  SanitiseForWrite(expected, model, true);
  EXPECT_EQ(test::ReadBytes(dir / "out.hex"), test::ImageAsString(expected));
  EXPECT_EQ(expected.at(0x010), 0x42);
  EXPECT_EQ(expected.word(addr::CurrentChannel), 0);
}

// Any file of the image's size is dumped; one that holds no image of the QZ815 is named so.
TEST(CliImageCommands, HexdumpShowsAnyFileOfTheImagesSize) {
  test::TempDir dir;
  MemoryImage valid = test::ValidImage(2);
  valid.set(0x010, 'A');
  MemoryImage foreign;  // all 0xFF: no model words at all
  foreign.set(0x020, 'Z');
  const std::string path = (dir / "in.bin").string();
  for (const bool isValid : {true, false}) {
    const MemoryImage& image = isValid ? valid : foreign;
    test::WriteBytes(path, test::ImageAsString(image));
    const auto result = RunCli("hexdump " + path);
    EXPECT_EQ(result.status, 0);
    std::string expected;
    for (const std::string& line : HexDumpLines(image)) expected += line + "\n";
    EXPECT_EQ(result.out, expected);
    EXPECT_EQ(result.err.empty(), isValid) << result.err;  // the warning: OpenImageFile's
    EXPECT_THAT(result.err, StartsWith(isValid ? "" : "ModelType Error !!\n" + path));
  }
}

TEST(CliImageCommands, RefusedFilesAndUsageErrors) {
  test::TempDir dir;
  test::WriteBytes(dir / "short.hex", std::string(2047, '\xFF'));
  test::WriteBytes(dir / "new.hex", test::ImageAsString(MemoryImage{}));
  test::WriteBytes(dir / "in.hex", test::ImageAsString(test::ValidImage(1)));
  // A file where the backups folder should be is what keeps the backups from being listed.
  fs::create_directories(dir / "home" / "TPW52");
  test::WriteBytes(dir / "home" / "TPW52" / "backups", "");
  ExpectCommandCases("image-refusals.txt", {{"dir", dir.path().string()}},
                     "env XDG_DATA_HOME=" + (dir / "home").string() + " ");
  EXPECT_FALSE(fs::exists(dir / "out.hex"));
}

// Every command that reads IN tells its kind by its name, before anything else: a file of
// another kind is refused by name, even one that holds an image, and no port is opened for it,
// no output is written, and the refusal comes before the command's other usage checks.
TEST(CliImageCommands, AnInputOfAnotherKindIsRefusedByItsName) {
  test::TempDir dir;
  for (const char* name : {"boat.txt", "boat", "boat.bin"}) {
    test::WriteBytes(dir / name, test::ImageAsString(test::ValidRadioImage(1)));
  }
  ExpectCommandCases("inputs-of-another-kind.txt", {{"dir", dir.path().string()}});
  EXPECT_FALSE(fs::exists(dir / "out.hex"));
  EXPECT_FALSE(fs::exists(dir / "out.pdf"));
}

// Data without the product code are refused before the port is even opened, whether they come
// as an image or as the base of a data file.
TEST(CliImageCommands, AWriteOfDataWithAnotherProductCodeTouchesNoPort) {
  test::TempDir dir;
  MemoryImage foreign = test::WithRadioListLengths(test::ValidRadioImage(1));
  foreign.set(addr::ProductCode + 5, 'X');
  const std::string image = (dir / "foreign.hex").string();
  const std::string dat = (dir / "boat.dat").string();
  test::WriteBytes(image, test::ImageAsString(foreign));
  ASSERT_EQ(RunCli("convert " + image + " " + dat).status, 0);
  for (const std::string& data : {image, dat + " --base " + image}) {
    const auto result = RunCli("write --port /dev/tpw52-no-such-port " + data);
    EXPECT_EQ(result.status, 1);
    // The refusal's wording is ProductCode's (tests/link); here: before the port is opened.
    EXPECT_THAT(result.err, StartsWith("ModelType Error !!\nThe data to be written do not carry"));
    EXPECT_THAT(result.err, Not(HasSubstr("/dev/tpw52-no-such-port")));  // never opened
  }
}

// Every writer replaces only a regular file the user may write: a device, a pipe or a link to
// either is refused by what it is (for --out before the port is opened), and stays what it
// was; a read-only file, a link into a folder the user may not write or into one that does not
// exist, each say so, tried as an ordinary user. Each writer and each reason is tried once:
// every writer saves through the atomic save, whose refusals its own tests try one by one.
TEST(CliImageCommands, SavesLeaveWhatTheProgramDidNotMake) {
  test::TempDir dir;
  test::WriteBytes(dir / "in.hex", test::ImageAsString(test::ValidImage(1)));
  const bool device = mknod((dir / "dev.dat").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
  ASSERT_EQ(mkfifo((dir / "fifo.hex").c_str(), 0666), 0);
  for (const char* link : {"dev.hex", "dev.txt", "dev.pdf"})
    fs::create_symlink("dev.dat", dir / link);
  fs::create_symlink("fifo.hex", dir / "fifo.dat");
  fs::create_symlink(dir / "no such folder" / "gone.dat", dir / "gone.dat");
  fs::create_directory(dir / "folder.dat");
  fs::create_directory(dir / "mine");
  test::GiveToOrdinaryUser(dir / "mine");
  test::WriteBytes(dir / "mine" / "ro.dat", "old");
  fs::permissions(dir / "mine" / "ro.dat",
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  test::GiveToOrdinaryUser(dir / "mine" / "ro.dat");
  fs::create_symlink("/dev/tpw52-test-no-such-file.dat", dir / "mine" / "in-dev.dat");
  ExpectCommandCases("refused-saves.txt", {{"dir", dir.path().string()}});
  if (device) {  // mknod makes a device only where the tests run as root
    ExpectCommandCases("refused-saves-to-a-device.txt", {{"dir", dir.path().string()}});
    EXPECT_EQ(fs::status(dir / "dev.dat").type(), fs::file_type::character);
  }
  EXPECT_EQ(fs::status(dir / "fifo.hex").type(), fs::file_type::fifo);
  EXPECT_EQ(test::ReadBytes(dir / "mine" / "ro.dat"), "old");
  EXPECT_FALSE(fs::exists("/dev/tpw52-test-no-such-file.dat"));
  EXPECT_EQ(test::FolderNames(dir / "mine"), (std::vector<std::string>{"in-dev.dat", "ro.dat"}));
}

// A full disk, on a small disk of its own where the test may make one: the real reason, and
// the previous file left whole.
TEST(CliImageCommands, AFullDiskIsSaidToBeFull) {
  test::TempDir dir;
  test::WriteBytes(dir / "in.hex", test::ImageAsString(test::ValidImage(1)));
  std::filesystem::create_directory(dir / "disk");
  const std::string disk = (dir / "disk").string();
  const std::string out = disk + "/out.dat";
  // A small disk with the old file, then filled up: the new file has no room.
  const auto result =
      RunCommand("unshare -rm sh -c 'mount -t tmpfs -o size=64k tpw52 " + disk +
                 " || exit 99; echo old > " + out + "; head -c 1048576 /dev/zero > " + disk +
                 "/filler 2>/dev/null; " + TPW52_CLI + " convert " + (dir / "in.hex").string() +
                 " " + out + "; status=$?; cat " + out + "; exit $status'");
  if (result.status == 99 || result.err.find("unshare") != std::string::npos) {
    GTEST_SKIP() << "this system lets no test mount a disk of its own: " << result.err;
  }
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err,
            "FileSave Error!!\n" + out +
                ": the disk is full. Free some space, or give a path on another disk.\n");
  EXPECT_EQ(result.out, "old\n");
}

}  // namespace
}  // namespace tpw
