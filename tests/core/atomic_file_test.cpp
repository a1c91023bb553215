#include "files/atomic_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "files/file_save.h"
#include "support/child_process.h"
#include "support/test_support.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

namespace tpw::test {
namespace {

namespace fs = std::filesystem;
using Step = FaultyFileSystem::Step;

struct AtomicSave : ::testing::Test {
  TestContext t;
  TempDir dir;
  fs::path target = dir / "boat.dat";
  void SetUp() override { WriteBytes(target, "old channels\r\n"); }
};

TEST_F(AtomicSave, ReplacesTheFileFromAFlushedTemporaryAndFlushesTheFolderWhateverItsName) {
  ASSERT_FALSE(WriteFileAtomically(t.files, target, "new channels\r\n"));
  EXPECT_EQ(ReadBytes(target), "new channels\r\n");
  EXPECT_EQ(FolderNames(dir.path()), std::vector<std::string>{"boat.dat"});
  ASSERT_EQ(t.files.steps.size(), 3u);
  const std::string temporary = t.files.steps[0].substr(std::string("create ").size());
  // A short hidden name, which fits beside a target whose name takes all a name may have.
  EXPECT_TRUE(temporary.starts_with(".tpw52-") && temporary.size() == 19) << temporary;
  EXPECT_EQ(t.files.steps[1], "replace " + temporary + " boat.dat");
  EXPECT_EQ(t.files.steps[2], "flush " + dir.path().string());

  // A name that takes all the 255 bytes a name may have is saved like any other, and a failed
  // save of it leaves no temporary file.
  const std::string longest = std::string(251, 'n') + ".dat";
  ASSERT_FALSE(WriteFileAtomically(t.files, dir / longest, "first"));
  t.files.failing = Step::Replace;
  EXPECT_TRUE(WriteFileAtomically(t.files, dir / longest, "second"));
  EXPECT_EQ(ReadBytes(dir / longest), "first");
  EXPECT_EQ(FolderNames(dir.path()), (std::vector<std::string>{"boat.dat", longest}));
}

// A save that stops before its rename (a write or a flush that fails, a rename refused) leaves
// the previous file byte for byte, no temporary file, and says what the system said; the user
// reads it as the save's message.
TEST_F(AtomicSave, AnInterruptedSaveLeavesTheOldFileAndNoTemporaryFile) {
  for (const Step step : {Step::Write, Step::Flush, Step::Replace}) {
    SCOPED_TRACE(static_cast<int>(step));
    t.files.failing = step;
    t.files.failure = std::make_error_code(std::errc::no_space_on_device);
    t.prompter.boxes.clear();
    EXPECT_EQ(SaveDocument(t.ctx, target, std::string(4096, 'x'), "frmMain.SaveFileAs"),
              Outcome::Failed);
    EXPECT_EQ(ReadBytes(target), "old channels\r\n");
    EXPECT_EQ(FolderNames(dir.path()), std::vector<std::string>{"boat.dat"});
    ASSERT_EQ(t.prompter.boxes.size(), 1u);
    EXPECT_EQ(t.prompter.boxes[0].text, "FileSave Error!!\r\n" + target.string() +
                                            ": the disk is full. Free some space, or give a "
                                            "path on another disk.");
  }
}

TEST_F(AtomicSave, ALinkStaysALinkAndTheFileKeepsItsPermissions) {
#ifdef _WIN32
  GTEST_SKIP() << "symbolic links and POSIX permissions";
#else
  fs::create_directory(dir / "real");
  const fs::path real = dir / "real" / "boat.dat";
  WriteBytes(real, "old");
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const fs::path link = dir / "link.dat";
  fs::create_symlink(fs::path("real") / "boat.dat", link);

  ASSERT_FALSE(WriteFileAtomically(t.files, link, "new"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(fs::read_symlink(link), fs::path("real") / "boat.dat");
  EXPECT_EQ(ReadBytes(real), "new");
  EXPECT_EQ(fs::status(real).permissions() & fs::perms::mask,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(FolderNames(dir / "real"), std::vector<std::string>{"boat.dat"});
#endif
}

#ifndef _WIN32
// A save follows a link only to a regular file: a device, a pipe, a folder, or a link to one of
// them is refused by what it is before anything is written, and stays what it was.
TEST_F(AtomicSave, OnlyARegularFileIsReplaced) {
  const bool device = mknod((dir / "null.dat").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
  ASSERT_EQ(mkfifo((dir / "pipe.dat").c_str(), 0666), 0);
  fs::create_directory(dir / "folder.dat");
  for (const char* name : {"null.dat", "pipe.dat", "folder.dat"}) {
    fs::create_symlink(name, dir / ("to-" + std::string(name)));
  }
  const std::vector<std::string> before = FolderNames(dir.path());
  const struct {
    const char* name;
    std::error_code refusal;
    fs::file_type type;
  } cases[] = {
      {"null.dat", SaveRefusal::Device, fs::file_type::character},
      {"to-null.dat", SaveRefusal::Device, fs::file_type::character},
      {"pipe.dat", SaveRefusal::Pipe, fs::file_type::fifo},
      {"to-pipe.dat", SaveRefusal::Pipe, fs::file_type::fifo},
      {"folder.dat", make_error_code(std::errc::is_a_directory), fs::file_type::directory},
      {"to-folder.dat", make_error_code(std::errc::is_a_directory), fs::file_type::directory},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (!device && std::string(c.name).ends_with("null.dat")) continue;  // no mknod here
    EXPECT_EQ(WriteFileAtomically(t.files, dir / c.name, "x"), c.refusal);
    EXPECT_EQ(CheckFileCanBeSaved(t.files, dir / c.name), c.refusal);
    EXPECT_EQ(fs::status(dir / c.name).type(), c.type);
  }
  EXPECT_EQ(FolderNames(dir.path()), before);
}

// A file of mode 0444 is not replaced, as cp does not replace it, even in a folder the user
// may write: tried as an ordinary user, since the superuser may write every file.
TEST_F(AtomicSave, AReadOnlyFileIsNotReplaced) {
  GiveToOrdinaryUser(dir.path());
  GiveToOrdinaryUser(target);
  fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const auto outcome = RunAsOrdinaryUser([this] {
    FaultyFileSystem files;
    if (WriteFileAtomically(files, target, "new") != SaveRefusal::ReadOnly) return 1;
    if (CheckFileCanBeSaved(files, target) != SaveRefusal::ReadOnly) return 2;
    return ReadBytes(target) == "old channels\r\n" ? 0 : 3;
  });
  if (!outcome) GTEST_SKIP() << "no ordinary user to try it as";
  EXPECT_EQ(*outcome, 0);
  EXPECT_EQ(FolderNames(dir.path()), std::vector<std::string>{"boat.dat"});
}
#endif

TEST_F(AtomicSave, AMissingFolderOrAFolderInThePlaceIsRefusedWithItsOwnReason) {
  const fs::path missing = dir / "no such folder" / "boat.dat";
  EXPECT_EQ(WriteFileAtomically(t.files, missing, "x"), std::errc::no_such_file_or_directory);
  EXPECT_EQ(CheckFileCanBeSaved(t.files, missing), std::errc::no_such_file_or_directory);
  fs::create_directory(dir / "folder.dat");
  EXPECT_EQ(WriteFileAtomically(t.files, dir / "folder.dat", "x"), std::errc::is_a_directory);
  EXPECT_FALSE(CheckFileCanBeSaved(t.files, target));
  EXPECT_EQ(ReadBytes(target), "old channels\r\n");
  EXPECT_EQ(FolderNames(dir.path()), (std::vector<std::string>{"boat.dat", "folder.dat"}));
}

TEST_F(AtomicSave, ANewFileNeverTakesAUsedName) {
  EXPECT_EQ(CreateFileAtomically(t.files, target, "second"), std::errc::file_exists);
  EXPECT_EQ(ReadBytes(target), "old channels\r\n");
  const fs::path fresh = dir / "fresh.hex";
  ASSERT_FALSE(CreateFileAtomically(t.files, fresh, "first"));
  EXPECT_EQ(ReadBytes(fresh), "first");
  // Another program took the name between the look and the rename.
  t.files.failing = Step::RenameToFreeName;
  t.files.failure = std::make_error_code(std::errc::file_exists);
  EXPECT_EQ(CreateFileAtomically(t.files, dir / "late.hex", "x"), std::errc::file_exists);
  EXPECT_EQ(FolderNames(dir.path()), (std::vector<std::string>{"boat.dat", "fresh.hex"}));
}

#ifdef __linux__
// A real full disk: a small tmpfs, where the test may mount one (as root).
TEST_F(AtomicSave, AFullDiskKeepsTheOldFile) {
  const fs::path mount = dir / "small";
  fs::create_directory(mount);
  const std::string command =
      "mount -t tmpfs -o size=16k tmpfs '" + mount.string() + "' 2>/dev/null";
  if (std::system(command.c_str()) != 0) GTEST_SKIP() << "no tmpfs can be mounted here";
  // Unmounted however the test ends.
  const std::unique_ptr<const fs::path, void (*)(const fs::path*)> mounted(
      &mount, [](auto* m) { std::system(("umount '" + m->string() + "'").c_str()); });
  const fs::path file = mount / "boat.dat";
  WriteBytes(file, "old");
  const std::error_code error = WriteFileAtomically(t.files, file, std::string(64 * 1024, 'x'));
  EXPECT_EQ(error, std::errc::no_space_on_device) << error.message();
  EXPECT_EQ(ReadBytes(file), "old");
  EXPECT_EQ(FolderNames(mount), std::vector<std::string>{"boat.dat"});
}
#endif

}  // namespace
}  // namespace tpw::test
