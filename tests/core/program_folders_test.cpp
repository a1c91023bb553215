// Where the programs find their data: beside the executable, in ../share/tpw52, or in the
// system's data folders, and what the user is told when it is nowhere.
#include <gtest/gtest.h>

#include "shell/program_folders.h"
#include "support/test_support.h"

namespace tpw {
namespace {

namespace fs = std::filesystem;

void MakeData(const fs::path& folder) {
  fs::create_directories(folder);
  test::WriteBytes(folder / "global.ini", "[model1]\r\nuse=1\r\n");
}

TEST(ProgramFolders, FirstFolderWithTheDataInOrder) {
  test::TempDir root;
  const fs::path bin = root / "usr" / "bin";
  const fs::path shared = root / "usr" / "share";
  const fs::path home = root / "home-data";
  fs::create_directories(bin);
  const std::vector<fs::path> system{home, shared, root / "opt"};

  // Nowhere: every folder is named once, "../share/tpw52" and the system's copy of it included.
  ProgramFolders found = FindProgramFolders(bin, system, root / "user");
  EXPECT_TRUE(found.data.empty());
  EXPECT_EQ(found.searched,
            (std::vector<fs::path>{bin, shared / "tpw52", home / "tpw52", root / "opt" / "tpw52"}));
  const std::string message = NoDataFolderMessage(found.searched);
  for (const fs::path& folder : found.searched) {
    EXPECT_NE(message.find(folder.string()), std::string::npos) << message;
  }
  EXPECT_NE(message.find("\"global.ini\""), std::string::npos);
  EXPECT_EQ(found.programLogFolder(), fs::path());
  EXPECT_EQ(found.userData, root / "user");

  // A system data folder is the last resort; the installed tree wins over it.
  MakeData(root / "opt" / "tpw52");
  EXPECT_EQ(FindProgramFolders(bin, system, {}).data, root / "opt" / "tpw52");
  MakeData(shared / "tpw52");
  found = FindProgramFolders(bin, system, {});
  EXPECT_EQ(found.data, shared / "tpw52");
  EXPECT_FALSE(found.runsFromItsOwnFolder());
  EXPECT_EQ(found.programLogFolder(), fs::path());  // never the installed bin/ folder

  // Data beside the executable (a build, an unpacked copy) comes first; logs may go there.
  MakeData(bin);
  found = FindProgramFolders(bin, system, {});
  EXPECT_EQ(found.data, bin);
  EXPECT_EQ(found.programLogFolder(), bin);

  // A folder without "global.ini" does not count, whatever else it holds.
  test::TempDir other;
  test::WriteBytes(other / "QZ815_UK_012D.ini", "");
  EXPECT_TRUE(FindProgramFolders(other.path(), {}, {}).data.empty());
}

}  // namespace
}  // namespace tpw
