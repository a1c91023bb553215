#include <gtest/gtest.h>

#include "files/data_file.h"
#include "files/hex_image_file.h"
#include "image/image_codec.h"
#include "report/text_report.h"
#include "shell/destinations.h"
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
  for (const auto& [name, region] :
       std::vector<std::pair<std::string, std::string>>{{"BE", "BE"},
                                                        {"GRMN", "GRMN"},
                                                        {"INTL", "INTL"},
                                                        {"NL", "NL"},
                                                        {"SW", "SW"},
                                                        {"UK", "UK"},
                                                        {"USA", "USA"}}) {
    std::string line = "QZ815_" + name;
    line.resize(14, ' ');
    line += region;
    line.resize(24, ' ');
    expected += line + Template(name).string() + "\n";
  }
  EXPECT_EQ(result.out, expected);
}

// Every template converts to a data file and back, and reports the same either way.
TEST(CliDataCommands, ConvertAndReportOnEveryTemplate) {
  test::TempDir dir;
  for (const char* name : {"BE", "GRMN", "INTL", "NL", "SW", "UK", "USA"}) {
    SCOPED_TRACE(name);
    const std::string in = Template(name).string();
    const std::string dat = (dir / "t.dat").string();
    const std::string hex = (dir / "t.hex").string();
    const std::string base = std::string(" --destination QZ815_") + name;
    ASSERT_EQ(RunCommand(Cli("convert " + in + " " + dat)).status, 0);
    ASSERT_EQ(RunCommand(Cli("convert " + dat + " " + hex + base)).status, 0);
    // A template is already what a write starts from: through a data file it comes back whole.
    EXPECT_EQ(test::ReadBytes(hex), test::ReadBytes(in));
    const auto fromImage = RunCommand(Cli("report " + in));
    const auto fromData = RunCommand(Cli("report " + dat + base));
    EXPECT_EQ(fromImage.status, 0);
    EXPECT_EQ(fromImage.out, fromData.out);
  }
  const std::string txt = (dir / "t.txt").string();
  ASSERT_EQ(RunCommand(Cli("convert " + Template("SW").string() + " " + txt)).status, 0);
  std::string file = test::ReadBytes(txt);
  std::erase(file, '\r');
  EXPECT_EQ(RunCommand(Cli("report " + Template("SW").string())).out, file);
  // The report is the report of the decoded template.
  test::TestContext t;
  MemoryImage image;
  ASSERT_EQ(ReadImageFile(Template("UK"), 1, image), ImageFileStatus::Ok);
  DecodeImage(image, t.ws.model, true);
  std::string expected = BuildTextReport(t.ws.model, t.ws.caps) + "\n";
  std::erase(expected, '\r');
  EXPECT_EQ(RunCommand(Cli("report " + Template("UK").string())).out, expected);
}

TEST(CliDataCommands, DataFilesAreCheckedAgainstTheirBase) {
  test::TempDir dir;
  const std::string uk = (dir / "uk.dat").string();
  const std::string out = (dir / "out.hex").string();
  ASSERT_EQ(RunCommand(Cli("convert " + Template("UK").string() + " " + uk)).status, 0);

  // Over the first destination (BE) the region question comes; without a terminal the answer
  // is No, and --no says so too.
  for (const char* answer : {"", " --no"}) {
    const auto refused = RunCommand(Cli("convert " + uk + " " + out + answer));
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err,
              "The region is unmatched.\nDo you want to change the region?\n-> refused\n");
    EXPECT_FALSE(std::filesystem::exists(out));
  }
  const auto accepted = RunCommand(Cli("convert " + uk + " " + out + " --yes"));
  EXPECT_EQ(accepted.status, 0);
  const std::string converted = test::ReadBytes(out);
  ASSERT_EQ(converted.size(), 2048u);
  EXPECT_EQ(converted[0xA0], 1);

  // Over an image file, and over the USA template (no question: refused outright).
  EXPECT_EQ(
      RunCommand(Cli("convert " + uk + " " + out + " --base " + Template("UK").string())).status,
      0);
  const auto usa = RunCommand(Cli("convert " + uk + " " + out + " --destination qz815_usa"));
  EXPECT_EQ(usa.status, 1);
  EXPECT_EQ(usa.err, "Region Unmatched !!\n" + uk +
                         ": the file is for the region UK and the data set for USA, and the USA "
                         "region is never mixed with another.\n");

  const auto unknown = RunCommand(Cli("convert " + uk + " " + out + " --destination MARS"));
  EXPECT_EQ(unknown.status, 1);
  EXPECT_EQ(unknown.err,
            "There is no destination \"MARS\". The destinations are: QZ815_BE, QZ815_GRMN, "
            "QZ815_INTL, QZ815_NL, QZ815_SW, QZ815_UK, QZ815_USA.\n");

  EXPECT_EQ(RunCommand(Cli("convert " + uk + " " + (dir / "out.bin").string())).status, 2);
  EXPECT_EQ(RunCommand(Cli("convert " + uk + " " + out + " --yes --no")).status, 2);
  EXPECT_EQ(RunCommand(Cli("report")).status, 2);

  test::WriteBytes(dir / "other.dat", "[MAIN]\r\nMODELTYPE=2\r\n");
  const auto model = RunCommand(Cli("report " + (dir / "other.dat").string()));
  EXPECT_EQ(model.status, 1);
  EXPECT_EQ(model.err, "ModelType Error !!\n" + (dir / "other.dat").string() +
                           ": it has MODELTYPE=2 in [MAIN]; a data file of the QZ815 has "
                           "MODELTYPE=1.\n");
  EXPECT_EQ(model.out, "");
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
  EXPECT_EQ(result.err,
            edited +
                " was opened, but not everything in it was taken as written. Check these "
                "settings before you program the radio:\n"
                "[CHUSA1] Position=200 (line 5): not a channel position from 0 to 119; kept as "
                "0.\n"
                "[ATIS Setup] Atis Code=12AB (line 7): not an ATIS code (empty or ten digits); "
                "read as no code, so none is programmed.\n");
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

}  // namespace
}  // namespace tpw
