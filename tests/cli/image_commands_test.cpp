#include <gtest/gtest.h>

#include "image/image_codec.h"
#include "image/memory_map.h"
#include "link/hex_dump.h"
#include "support/child_process.h"
#include "support/process.h"
#include "support/test_support.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace tpw {
namespace {

namespace fs = std::filesystem;
using test::RunCommand;

std::string Cli(const std::string& arguments) {
  return std::string(TPW52_CLI) + " " + arguments;
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
    const auto result = RunCommand(Cli("hexdump " + path));
    EXPECT_EQ(result.status, 0);
    std::string expected;
    for (const std::string& line : HexDumpLines(image)) expected += line + "\n";
    EXPECT_EQ(result.out, expected);
    EXPECT_EQ(result.err.empty(), isValid) << result.err;  // the warning: OpenImageFile's
    EXPECT_TRUE(result.err.starts_with(isValid ? "" : "ModelType Error !!\n" + path));
  }
}

TEST(CliImageCommands, RefusedFilesAndUsageErrors) {
  test::TempDir dir;
  const auto file = [&dir](const std::string& name) { return (dir / name).string(); };
  test::WriteBytes(file("short.hex"), std::string(2047, '\xFF'));
  test::WriteBytes(file("new.hex"), test::ImageAsString(MemoryImage{}));
  test::WriteBytes(file("in.hex"), test::ImageAsString(test::ValidImage(1)));
  // A file where the backups folder should be is what keeps the backups from being listed.
  const fs::path backups = dir / "home" / "TPW52" / "backups";
  fs::create_directories(backups.parent_path());
  test::WriteBytes(backups, "");
  const struct {
    std::string command;
    int status;
    std::string err;  // how it begins
  } cases[] = {
      // The refusals' wording is OpenImageFile.RefusedFilesChangeNothing's.
      {"hexdump " + file("short.hex"), 1, "bad file!!\n" + file("short.hex") + ": expected"},
      {"convert " + file("new.hex") + " " + file("out.hex"), 1, "ModelType Error !!\n"},
      {"convert " + file("missing.hex") + " " + file("out.hex"), 1, "FileRead Error!!\n"},
      {"backups", 1,
       "The backups cannot be listed, and no read or write of a radio can keep one: " +
           backups.string() + " is a file, not a folder. Move that file out of the way.\n"},
      {"convert only-one-argument", 2, ""},
      {"no-such-command", 2, ""},
      {"", 2, ""},
      // --yes and --no exclude each other on every command that asks questions.
      {"read --port /dev/null --out x.hex --yes --no", 2, ""},
      {"--help", 0, ""},
      {"convert --help", 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    const auto result =
        RunCommand("env XDG_DATA_HOME=" + (dir / "home").string() + " " + Cli(c.command));
    EXPECT_EQ(result.status, c.status);
    EXPECT_TRUE(result.err.starts_with(c.err)) << result.err;
    EXPECT_EQ(result.out, c.status == 1 ? "" : result.out);  // a refusal prints nothing else
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "out.hex"));
  // A file name that begins with a dash reads as an option: how to give it.
  const auto dashed = RunCommand(Cli("convert " + file("in.hex") + " -x.dat"));
  EXPECT_EQ(dashed.status, 2);
  EXPECT_TRUE(dashed.err.ends_with(
      "tpw52-cli: -x.dat reads as an option. A file name that begins with a dash is given as "
      "./-x.dat, or after -- (tpw52-cli convert ... -- -x.dat).\n"))
      << dashed.err;
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
  // The refusal's wording is ProductCode's (tests/link); here: before the port is opened.
  const std::string expected = "ModelType Error !!\nThe data to be written do not carry";
  const std::string port = " --port /dev/tpw52-no-such-port ";
  auto result = RunCommand(Cli("write" + port + (dir / "foreign.hex").string()));
  EXPECT_EQ(result.status, 1);
  EXPECT_TRUE(result.err.starts_with(expected)) << result.err;
  EXPECT_EQ(result.err.find("/dev/tpw52-no-such-port"), std::string::npos);  // never opened

  ASSERT_EQ(RunCommand(Cli("convert " + (dir / "foreign.hex").string() + " " +
                           (dir / "boat.dat").string()))
                .status,
            0);
  result = RunCommand(Cli("write" + port + (dir / "boat.dat").string() + " --base " +
                          (dir / "foreign.hex").string()));
  EXPECT_EQ(result.status, 1);
  EXPECT_TRUE(result.err.starts_with(expected)) << result.err;
}

// Every writer replaces only a regular file the user may write: a device, a pipe or a link to
// either is refused by what it is (for --out before the port is opened), and stays what it
// was; a read-only file, a link into a folder the user may not write or into one that does not
// exist, each say so, tried as an ordinary user. Each writer and each reason is tried once:
// every writer saves through the atomic save, whose refusals its own tests try one by one.
TEST(CliImageCommands, SavesLeaveWhatTheProgramDidNotMake) {
  test::TempDir dir;
  const std::string in = (dir / "in.hex").string();
  test::WriteBytes(in, test::ImageAsString(test::ValidImage(1)));
  const auto file = [&dir](const std::string& name) { return (dir / name).string(); };
  const bool device = mknod(file("dev.dat").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
  ASSERT_EQ(mkfifo(file("fifo.hex").c_str(), 0666), 0);
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

  const std::string linkToDevice =
      "it is a link to the device " + file("dev.dat") +
      ", not to a file, so it is not replaced. Give the name of a file.";
  const std::string linkToPipe = "it is a link to the pipe " + file("fifo.hex") +
                                 ", not to a file, so it is not replaced. Give the name of a file.";
  const struct {
    std::string command;
    std::string err;
    bool asOrdinaryUser = false;
  } cases[] = {
      {"convert " + in + " " + file("dev.dat"),
       "FileSave Error!!\n" + file("dev.dat") + ": it is a device, not a file"},
      {"convert " + in + " " + file("dev.hex"),
       "FileSave Error!!\n" + file("dev.hex") + ": " + linkToDevice + "\n"},
      {"convert " + in + " " + file("dev.txt"),
       "Is a device\nThe report was not saved to " + file("dev.txt") + ": " + linkToDevice + "\n"},
      {"print " + in + " --pdf " + file("dev.pdf"),
       "Cannot save " + file("dev.pdf") + ": " + linkToDevice + "\n"},
      {"convert " + in + " " + file("fifo.hex"),
       "FileSave Error!!\n" + file("fifo.hex") +
           ": it is a pipe, not a file, so it is not replaced. Give the name of a file.\n"},
      {"convert " + in + " " + file("fifo.dat"),
       "FileSave Error!!\n" + file("fifo.dat") + ": " + linkToPipe + "\n"},
      {"read --port /dev/tpw52-no-such-port --out " + file("fifo.hex"),
       "Cannot save " + file("fifo.hex") + ": it is a pipe, not a file"},
      {"convert " + in + " " + file("no/out.hex"),
       "FileSave Error!!\n" + file("no/out.hex") + ": the folder " + file("no") + " does not"},
      {"convert " + in + " " + file("folder.dat"),
       "FileSave Error!!\n" + file("folder.dat") + ": it is a folder, not a file."},
      {"convert " + in + " " + file("gone.dat"),
       "FileSave Error!!\n" + file("gone.dat") + ": the folder " + file("no such folder")},
      {"convert " + in + " " + file("mine/ro.dat"),
       "FileSave Error!!\n" + file("mine/ro.dat") + ": the file is read-only", true},
      {"convert " + in + " " + file("mine/in-dev.dat"),
       "FileSave Error!!\n" + file("mine/in-dev.dat") +
           ": permission denied: you may not write "
           "in the folder /dev.",
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    if (!device && c.command.find("dev.") != std::string::npos) continue;  // no mknod here
    const auto result =
        RunCommand(c.asOrdinaryUser ? test::AsOrdinaryUser(Cli(c.command)) : Cli(c.command));
    EXPECT_EQ(result.status, 1);
    // How each writer words a refusal; the reasons' words are FileFailure's and AtomicSave's.
    EXPECT_TRUE(result.err.starts_with(c.err)) << result.err;
  }
  if (device) {
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
