#include "files/atomic_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "files/file_save.h"
#include "support/test_support.h"

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

TEST_F(AtomicSave, ReplacesTheFileFromAFlushedTemporaryAndFlushesTheFolder) {
  ASSERT_FALSE(WriteFileAtomically(t.files, target, "new channels\r\n"));
  EXPECT_EQ(ReadBytes(target), "new channels\r\n");
  EXPECT_EQ(FolderNames(dir.path()), std::vector<std::string>{"boat.dat"});
  ASSERT_EQ(t.files.steps.size(), 3u);
  const std::string temporary = t.files.steps[0].substr(std::string("create ").size());
  EXPECT_TRUE(temporary.starts_with("boat.dat.tmp")) << temporary;
  EXPECT_EQ(t.files.steps[1], "replace " + temporary + " boat.dat");
  EXPECT_EQ(t.files.steps[2], "flush " + dir.path().string());
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
                                            ": the disk is full. Free some space or choose "
                                            "another disk.");
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
