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

TEST(CliImageCommands, RefusedFilesAndUsageErrors) {
  test::TempDir dir;
  test::WriteBytes(dir / "short.hex", std::string(2047, '\xFF'));
  auto result = RunCommand(Cli("hexdump " + (dir / "short.hex").string()));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "bad file!!\n");
  EXPECT_EQ(result.out, "");

  MemoryImage fresh;
  test::WriteBytes(dir / "new.hex", test::ImageAsString(fresh));
  result =
      RunCommand(Cli("convert " + (dir / "new.hex").string() + " " + (dir / "out.hex").string()));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "ModelType Error !!\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "out.hex"));

  result = RunCommand(
      Cli("convert " + (dir / "missing.hex").string() + " " + (dir / "out.hex").string()));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "FileRead Error!!\n");

  // A save that fails says which file was not saved.
  test::WriteBytes(dir / "in.hex", test::ImageAsString(test::ValidImage(1)));
  const std::string missing = (dir / "missing" / "out.hex").string();
  result = RunCommand(Cli("convert " + (dir / "in.hex").string() + " " + missing));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "FileSave Error!!\nNothing was saved to " + missing +
                            ". Check that its folder can be written, then run the command "
                            "again.\n");

  EXPECT_EQ(RunCommand(Cli("convert only-one-argument")).status, 2);
  EXPECT_EQ(RunCommand(Cli("no-such-command")).status, 2);
  EXPECT_EQ(RunCommand(Cli("")).status, 2);
  // --yes and --no exclude each other on every command that asks questions.
  EXPECT_EQ(RunCommand(Cli("read --port /dev/null --out x.hex --yes --no")).status, 2);
  EXPECT_EQ(RunCommand(Cli("--help")).status, 0);
  EXPECT_EQ(RunCommand(Cli("convert --help")).status, 0);
}

}  // namespace
}  // namespace tpw
