// The recent files of the File menu and the folder the file dialogs open in.
#include <gtest/gtest.h>

#include "files/recent_files.h"
#include "support/test_support.h"

namespace tpw {
namespace {

namespace fs = std::filesystem;

TEST(RecentFilesTest, NewestFirstOnceEachAtMostEightRemembered) {
  MemorySettingsStore store;
  RecentFiles recent(store);
  EXPECT_TRUE(recent.paths().empty());
  for (int i = 1; i <= 10; ++i) recent.add("/boats/" + std::to_string(i) + ".dat");
  ASSERT_EQ(recent.paths().size(), 8u);
  EXPECT_EQ(recent.paths().front(), "/boats/10.dat");
  EXPECT_EQ(recent.paths().back(), "/boats/3.dat");

  // Opening a listed file again moves it up instead of listing it twice, under any name.
  recent.add("/boats/x/../5.dat");
  EXPECT_EQ(recent.paths().size(), 8u);
  EXPECT_EQ(recent.paths()[0], "/boats/5.dat");
  EXPECT_EQ(recent.paths()[1], "/boats/10.dat");

  // The list comes back in the next run, and a removed file stays removed.
  recent.remove("/boats/10.dat");
  const std::vector<std::string> kept = recent.paths();
  RecentFiles nextRun(store);
  EXPECT_EQ(nextRun.paths(), kept);
  EXPECT_EQ(nextRun.paths().size(), 7u);
  EXPECT_EQ(store.read("RecentFiles", "File8", "unset"), "");
}

TEST(RecentFilesTest, DialogsOpenOnlyInAFolderTheUserMayWrite) {
  test::TempDir dir;
  const fs::path documents = dir / "Documents";
  const auto writable = [&dir](const fs::path& folder) { return folder == dir.path(); };
  EXPECT_EQ(DialogStartFolder({}, documents, writable), documents);
  // The folder of the newest file, while the user may write there.
  const std::string boat = (dir / "boat.dat").string();
  EXPECT_EQ(DialogStartFolder({boat}, documents, writable), dir.path());
  // A folder the user may not write, or one that is gone, gives the documents folder.
  EXPECT_EQ(DialogStartFolder({boat}, documents, [](const fs::path&) { return false; }), documents);
  EXPECT_EQ(DialogStartFolder({(dir / "gone" / "boat.dat").string()}, documents,
                              [](const fs::path&) { return true; }),
            documents);
}

}  // namespace
}  // namespace tpw
