#pragma once

#include "session/file_system.h"

namespace tpw {

// The file system of the running platform: POSIX calls (fsync, an exclusive open, a link that
// refuses a taken name) or their Windows counterparts (FlushFileBuffers, CREATE_NEW,
// MoveFileEx without replacing).
class NativeFileSystem : public FileSystem {
 public:
  std::error_code createFlushed(const std::filesystem::path& path, std::string_view content,
                                std::filesystem::perms permissions) override;
  std::error_code replace(const std::filesystem::path& from,
                          const std::filesystem::path& to) override;
  std::error_code renameToFreeName(const std::filesystem::path& from,
                                   const std::filesystem::path& to) override;
  bool mayWrite(const std::filesystem::path& path) override;
  void flushFolder(const std::filesystem::path& folder) override;
};

}  // namespace tpw
