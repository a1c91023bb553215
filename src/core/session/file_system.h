#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace tpw {

// The steps of a save that only the platform can take: creating a file that did not exist with
// its content flushed to the disk before it is closed, renaming it into place, telling whether
// the user may write a file, and flushing a folder so that the rename survives a power cut.
// Everything else of a save (where the temporary file goes, which permissions it takes, what is
// cleaned up after a failure) is the program's own, in files/atomic_file. Tests put failing steps
// in between.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Creates path, which must not exist yet (file_exists otherwise), writes content, flushes it
  // to the disk and closes it. The file takes `permissions`, or a new file's usual ones when
  // they are std::filesystem::perms::unknown. After a failure a created file is left in place.
  virtual std::error_code createFlushed(const std::filesystem::path& path, std::string_view content,
                                        std::filesystem::perms permissions) = 0;
  // Renames from to to, replacing a file at to.
  virtual std::error_code replace(const std::filesystem::path& from,
                                  const std::filesystem::path& to) = 0;
  // Renames from to to in one step only when nothing is at to (file_exists otherwise), so two
  // programs saving at the same moment never take the same name.
  virtual std::error_code renameToFreeName(const std::filesystem::path& from,
                                           const std::filesystem::path& to) = 0;
  // False when the user may not write the existing file at path (its own mode, or its
  // read-only attribute on Windows), which a rename in a writable folder would ignore.
  virtual bool mayWrite(const std::filesystem::path& path) = 0;
  // Flushes the entries of a folder (a rename in it) to the disk, where the system can.
  virtual void flushFolder(const std::filesystem::path& folder) = 0;
};

}  // namespace tpw
