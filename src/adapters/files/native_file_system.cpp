#include "adapters/files/native_file_system.h"

#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#endif

namespace tpw {

namespace fs = std::filesystem;

#ifdef _WIN32

namespace {

std::error_code LastError() {
  return {static_cast<int>(GetLastError()), std::system_category()};
}

std::error_code Move(const fs::path& from, const fs::path& to, DWORD flags) {
  if (MoveFileExW(from.c_str(), to.c_str(), flags | MOVEFILE_WRITE_THROUGH)) return {};
  return LastError();
}

}  // namespace

std::error_code NativeFileSystem::createFlushed(const fs::path& path, std::string_view content,
                                                fs::perms permissions) {
  // A file the user made read-only stays read-only in its new version.
  const bool readOnly = permissions != fs::perms::unknown &&
                        (permissions & fs::perms::owner_write) == fs::perms::none;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return LastError();
  std::error_code error;
  while (!content.empty() && !error) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size(), 1 << 20));
    DWORD written = 0;
    if (!WriteFile(file, content.data(), chunk, &written, nullptr)) error = LastError();
    content.remove_prefix(written);
  }
  if (!error && !FlushFileBuffers(file)) error = LastError();
  if (!CloseHandle(file) && !error) error = LastError();
  return error;
}

std::error_code NativeFileSystem::replace(const fs::path& from, const fs::path& to) {
  return Move(from, to, MOVEFILE_REPLACE_EXISTING);
}

std::error_code NativeFileSystem::renameToFreeName(const fs::path& from, const fs::path& to) {
  return Move(from, to, 0);
}

bool NativeFileSystem::mayWrite(const fs::path& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) == 0;
}

void NativeFileSystem::flushFolder(const fs::path&) {
  // MOVEFILE_WRITE_THROUGH has already put the rename on the disk.
}

#else

namespace {

std::error_code LastError() {
  return {errno, std::generic_category()};
}

bool Unsupported(int error) {
  return error == EPERM || error == ENOTSUP || error == ENOSYS || error == EXDEV || error == EMLINK;
}

std::error_code FlushToDisk(int descriptor) {
#ifdef __APPLE__
  // On macOS only F_FULLFSYNC reaches the disk itself.
  if (fcntl(descriptor, F_FULLFSYNC) == 0) return {};
#endif
  return fsync(descriptor) == 0 ? std::error_code() : LastError();
}

std::error_code WriteAll(int descriptor, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = ::write(descriptor, content.data(), content.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return LastError();
    content.remove_prefix(static_cast<std::size_t>(written));
  }
  return {};
}

}  // namespace

std::error_code NativeFileSystem::createFlushed(const fs::path& path, std::string_view content,
                                                fs::perms permissions) {
  const bool known = permissions != fs::perms::unknown;
  // A file that replaces another is private until it has that file's permissions.
  const int descriptor =
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, known ? 0600 : 0666);
  if (descriptor < 0) return LastError();
  std::error_code error;
  if (known && fchmod(descriptor, static_cast<mode_t>(permissions & fs::perms::mask)) != 0) {
    error = LastError();
  }
  if (!error) error = WriteAll(descriptor, content);
  if (!error) error = FlushToDisk(descriptor);
  if (::close(descriptor) != 0 && !error) error = LastError();
  return error;
}

std::error_code NativeFileSystem::replace(const fs::path& from, const fs::path& to) {
  return std::rename(from.c_str(), to.c_str()) == 0 ? std::error_code() : LastError();
}

std::error_code NativeFileSystem::renameToFreeName(const fs::path& from, const fs::path& to) {
  // A hard link fails on a taken name; the temporary name then goes.
  if (::link(from.c_str(), to.c_str()) == 0) {
    ::unlink(from.c_str());
    return {};
  }
  if (!Unsupported(errno)) return LastError();
  // A file system without hard links: the name is claimed by an empty file first, which the
  // rename then replaces.
  const int claim = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (claim < 0) return LastError();
  ::close(claim);
  if (std::rename(from.c_str(), to.c_str()) == 0) return {};
  const std::error_code error = LastError();
  ::unlink(to.c_str());
  return error;
}

bool NativeFileSystem::mayWrite(const fs::path& path) {
  // The system's own check for this user. Only a refused permission counts: a read-only disk
  // is said to be one by the save itself.
  return ::access(path.c_str(), W_OK) == 0 || errno != EACCES;
}

void NativeFileSystem::flushFolder(const fs::path& folder) {
  const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return;
  // Some file systems cannot flush a folder; the file itself is on the disk already.
  FlushToDisk(descriptor);
  ::close(descriptor);
}

#endif

}  // namespace tpw
