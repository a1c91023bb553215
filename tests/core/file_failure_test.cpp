#include "files/file_failure.h"

#include <gtest/gtest.h>

#include "files/atomic_file.h"

namespace tpw {
namespace {

// The reasons a test cannot bring about for real everywhere (a full disk, a permission a test
// run as root always has), as the second line of a file message says them: for a file the user
// names, and for a file the program keeps in a folder of its own, whose place cannot be given.
TEST(FileFailure, ReasonsInTheUsersWords) {
  const std::filesystem::path file = "/media/card/boat.dat";
  const struct {
    std::error_code error;
    FileAction action;
    const char* finding;
  } cases[] = {
      {make_error_code(std::errc::no_space_on_device), FileAction::Save,
       "the disk is full. Free some space, or give a path on another disk."},
      {make_error_code(std::errc::no_space_on_device), FileAction::Keep,
       "the disk is full. Free some space."},
      {make_error_code(std::errc::permission_denied), FileAction::Save,
       "permission denied: you may not write in the folder /media/card. Give a path in a "
       "folder you may write in."},
      {make_error_code(std::errc::permission_denied), FileAction::Keep,
       "permission denied: you may not write in the folder /media/card. Make that folder "
       "writable for you."},
      {make_error_code(std::errc::read_only_file_system), FileAction::Save,
       "the disk is read-only. Give a path on another disk."},
      {make_error_code(SaveRefusal::ReadOnly), FileAction::Save,
       "the file is read-only, so it is not replaced. Make it writable first, or give another "
       "file name."},
      {make_error_code(SaveRefusal::Device), FileAction::Save,
       "it is a device, not a file, so it is not replaced. Give the name of a file."},
      {make_error_code(SaveRefusal::Pipe), FileAction::Keep,
       "it is a pipe, not a file, so it is not replaced. Move it out of the way."},
      {make_error_code(std::errc::permission_denied), FileAction::Read,
       "permission denied: you may not read it. Copy it to a folder of yours and open the "
       "copy."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileFailureFinding(file, c.error, c.action), c.finding);
  }
  EXPECT_EQ(FileMessage("FileSave Error!!", file, "the disk is full. Free some space."),
            "FileSave Error!!\r\n/media/card/boat.dat: the disk is full. Free some space.");
  EXPECT_EQ(
      FileFailureFinding("boat.dat", std::make_error_code(std::errc::no_such_file_or_directory),
                         FileAction::Save),
      "the current folder does not exist. Create it, or give a path in another folder.");
}

}  // namespace
}  // namespace tpw
