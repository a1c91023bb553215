#include <gtest/gtest.h>

#include "image/image_codec.h"
#include "image/memory_map.h"
#include "link/hex_dump.h"
#include "support/process.h"
#include "support/test_support.h"

namespace tpw {
namespace {

using test::RunCommand;

std::string Cli(const std::string& arguments) {
  return std::string(TPW52_CLI) + " " + arguments;
}

TEST(CliImageCommands, HexdumpPrintsTheDump) {
  test::TempDir dir;
  MemoryImage image = test::ValidImage(2);
  image.set(0x010, 'A');
  test::WriteBytes(dir / "in.hex", test::ImageAsString(image));
  const auto result = RunCommand(Cli("hexdump " + (dir / "in.hex").string()));
  EXPECT_EQ(result.status, 0);
  std::string expected;
  for (const std::string& line : HexDumpLines(image)) expected += line + "\n";
  EXPECT_EQ(result.out, expected);
  EXPECT_EQ(result.err, "");
}

TEST(CliImageCommands, ConvertWritesWhatAWriteToTheRadioStartsFrom) {
  test::TempDir dir;
  MemoryImage image = test::ValidImage(1);
  for (int a = 0x100; a < 0x10C; ++a) image.set(a, 0x00);
  image.set(0x100, 0xC0);  // two USA channels, the second past its slots' valid data
  image.set(0x300, 16);
  image.set(0x301, 0x30);
  image.set(0x09E, 0x80);
  image.set(addr::CurrentMode, 0);
  image.set(addr::CurrentGroup, 0);
  image.set(0x010, 0x42);  // a byte no setting covers travels unchanged
  test::WriteBytes(dir / "in.hex", test::ImageAsString(image));

  const auto result =
      RunCommand(Cli("convert " + (dir / "in.hex").string() + " " + (dir / "out.hex").string()));
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

TEST(CliImageCommands, HexdumpShowsAnyFileOfTheImagesSize) {
  test::TempDir dir;
  MemoryImage foreign;  // all 0xFF: no model words at all
  foreign.set(0x020, 'Z');
  test::WriteBytes(dir / "foreign.bin", test::ImageAsString(foreign));
  const auto result = RunCommand(Cli("hexdump " + (dir / "foreign.bin").string()));
  EXPECT_EQ(result.status, 0);
  std::string expected;
  for (const std::string& line : HexDumpLines(foreign)) expected += line + "\n";
  EXPECT_EQ(result.out, expected);
  EXPECT_EQ(result.err, "ModelType Error !!\n" + (dir / "foreign.bin").string() +
                            ": the model words at 0x080 and 0x7FE hold 0xFFFF and 0xFFFF; an "
                            "image of the QZ815 holds 0x012D in both.\n");
}

TEST(CliImageCommands, RefusedFilesAndUsageErrors) {
  test::TempDir dir;
  test::WriteBytes(dir / "short.hex", std::string(2047, '\xFF'));
  auto result = RunCommand(Cli("hexdump " + (dir / "short.hex").string()));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "bad file!!\n" + (dir / "short.hex").string() +
                            ": expected 2048 bytes and found 2047, so it is no image of the "
                            "radio's memory.\n");
  EXPECT_EQ(result.out, "");

  MemoryImage fresh;
  test::WriteBytes(dir / "new.hex", test::ImageAsString(fresh));
  result =
      RunCommand(Cli("convert " + (dir / "new.hex").string() + " " + (dir / "out.hex").string()));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "ModelType Error !!\n" + (dir / "new.hex").string() +
                            ": the model words at 0x080 and 0x7FE hold 0xFFFF and 0xFFFF; an "
                            "image of the QZ815 holds 0x012D in both.\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "out.hex"));

  result = RunCommand(
      Cli("convert " + (dir / "missing.hex").string() + " " + (dir / "out.hex").string()));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "FileRead Error!!\n" + (dir / "missing.hex").string() +
                            ": the file does not exist. Check its name and folder.\n");

  // A save that fails says which file was not saved and why: a missing folder, a folder in
  // the way.
  test::WriteBytes(dir / "in.hex", test::ImageAsString(test::ValidImage(1)));
  const std::string missing = (dir / "missing" / "out.hex").string();
  result = RunCommand(Cli("convert " + (dir / "in.hex").string() + " " + missing));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "FileSave Error!!\n" + missing + ": the folder " +
                            (dir / "missing").string() +
                            " does not exist. Create it, or give a path in another folder.\n");
  std::filesystem::create_directory(dir / "taken.dat");
  result =
      RunCommand(Cli("convert " + (dir / "in.hex").string() + " " + (dir / "taken.dat").string()));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "FileSave Error!!\n" + (dir / "taken.dat").string() +
                            ": it is a folder, not a file. Give the name of a file.\n");

  EXPECT_EQ(RunCommand(Cli("convert only-one-argument")).status, 2);
  EXPECT_EQ(RunCommand(Cli("no-such-command")).status, 2);
  EXPECT_EQ(RunCommand(Cli("")).status, 2);
  // --yes and --no exclude each other on every command that asks questions.
  EXPECT_EQ(RunCommand(Cli("read --port /dev/null --out x.hex --yes --no")).status, 2);
  EXPECT_EQ(RunCommand(Cli("--help")).status, 0);
  EXPECT_EQ(RunCommand(Cli("convert --help")).status, 0);
}

// Every command that reads IN tells its kind by its name, before anything else: a file of
// another kind is refused by name, even one that holds an image, and no port is opened for it,
// no output is written, and the refusal comes before the command's other usage checks.
TEST(CliImageCommands, AnInputOfAnotherKindIsRefusedByItsName) {
  test::TempDir dir;
  const auto refusal = [](const std::string& in) {
    return "Cannot read " + in +
           ": by its name it is neither an image (.hex) nor a channel data file (.dat). Give "
           "one of those, or rename the file if it is one.\n";
  };
  const auto refused = [&](const std::string& in, const std::string& command) {
    const auto result = RunCommand(Cli(command));
    EXPECT_EQ(result.status, 1) << command;
    EXPECT_EQ(result.err, refusal(in)) << command;  // nothing about the port, never opened
    EXPECT_EQ(result.out, "") << command;
  };
  const std::string image = test::ImageAsString(test::ValidRadioImage(1));
  for (const std::string name : {"boat.txt", "boat", "boat.bin"}) {
    const std::string in = (dir / name).string();
    test::WriteBytes(in, image);
    refused(in, "write --port /dev/tpw52-no-such-port " + in);
  }
  const std::string in = (dir / "boat.txt").string();
  const std::string pdf = (dir / "out.pdf").string();
  refused(in, "write --port /dev/tpw52-no-such-port --base " + in + " " + in);
  refused(in, "convert " + in + " " + (dir / "out.hex").string());
  refused(in, "convert " + in + " " + (dir / "out.unknown").string());
  refused(in, "report " + in);
  refused(in, "print " + in + " --pdf " + pdf);
  refused(in, "print " + in + " --pdf " + (dir / "out.txt").string());
  EXPECT_FALSE(std::filesystem::exists(dir / "out.hex"));
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

// Data without the product code are refused before the port is even opened, whether they come
// as an image or as the base of a data file.
TEST(CliImageCommands, AWriteOfDataWithAnotherProductCodeTouchesNoPort) {
  test::TempDir dir;
  MemoryImage foreign = test::WithRadioListLengths(test::ValidRadioImage(1));
  foreign.set(addr::ProductCode + 5, 'X');
  test::WriteBytes(dir / "foreign.hex", test::ImageAsString(foreign));
  const std::string expected =
      "ModelType Error !!\nThe data to be written do not carry the product code TR381K at "
      "0x270-0x275, and a radio that took them would refuse every later read and write. "
      "Nothing was written. Start from the radio's own data or from a destination, then "
      "program again.\n";
  const std::string port = " --port /dev/tpw52-no-such-port ";
  auto result = RunCommand(Cli("write" + port + (dir / "foreign.hex").string()));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, expected);  // and nothing about the port, which was never opened

  ASSERT_EQ(RunCommand(Cli("convert " + (dir / "foreign.hex").string() + " " +
                           (dir / "boat.dat").string()))
                .status,
            0);
  result = RunCommand(Cli("write" + port + (dir / "boat.dat").string() + " --base " +
                          (dir / "foreign.hex").string()));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, expected);
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
  EXPECT_EQ(result.err, "FileSave Error!!\n" + out +
                            ": the disk is full. Free some space, or give a path on another disk.\n");
  EXPECT_EQ(result.out, "old\n");
}

}  // namespace
}  // namespace tpw
