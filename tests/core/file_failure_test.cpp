#include "files/file_failure.h"

#include <gtest/gtest.h>

namespace tpw {
namespace {

// The reasons a test cannot bring about for real everywhere (a full disk, a permission a test
// run as root always has), as the second line of a file message says them.
TEST(FileFailure, ReasonsInTheUsersWords) {
  const std::filesystem::path file = "/media/card/boat.dat";
  const auto save = [&](std::errc error) {
    return FileMessage("FileSave Error!!", file,
                       FileFailureFinding(file, std::make_error_code(error), FileAction::Save));
  };
  EXPECT_EQ(save(std::errc::no_space_on_device),
            "FileSave Error!!\r\n/media/card/boat.dat: the disk is full. Free some space or "
            "choose another disk.");
  EXPECT_EQ(save(std::errc::permission_denied),
            "FileSave Error!!\r\n/media/card/boat.dat: permission denied: you may not write in "
            "the folder /media/card. Choose a folder you may write in.");
  EXPECT_EQ(save(std::errc::read_only_file_system),
            "FileSave Error!!\r\n/media/card/boat.dat: the disk is read-only. Choose another "
            "disk.");
  EXPECT_EQ(
      FileFailureFinding("boat.dat", std::make_error_code(std::errc::no_such_file_or_directory),
                         FileAction::Save),
      "the current folder does not exist. Create it or choose another folder.");
  EXPECT_EQ(FileFailureFinding(file, std::make_error_code(std::errc::permission_denied),
                               FileAction::Read),
            "permission denied: you may not read it. Copy it to a folder of yours and open the "
            "copy.");
}

}  // namespace
}  // namespace tpw
