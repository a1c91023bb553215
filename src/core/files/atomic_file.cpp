#include "files/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <random>

namespace tpw {

namespace fs = std::filesystem;

namespace {

// How many links are followed to the file a path names, as the systems themselves allow.
constexpr int LinkDepth = 40;
// How many temporary names are tried before a save gives up.
constexpr int TemporaryNameAttempts = 100;

// A short hidden name in the target's folder: the target's own name may already take all the
// 255 bytes a name can have.
fs::path TemporaryBeside(const fs::path& target) {
  static thread_local std::mt19937 numbers{std::random_device{}()};
  char suffix[16];
  std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(numbers()));
  return target.parent_path() / (".tpw52-" + std::string(suffix) + ".tmp");
}

// The system's own reason for the stream operation that just failed (the streams keep it in
// errno), or `otherwise` when the system gave none.
std::error_code LastSystemError(std::errc otherwise) {
  const int number = errno;
  return number != 0 ? std::error_code(number, std::generic_category())
                     : std::make_error_code(otherwise);
}

// The refusals in the words the system gives its own errors, for err.log and the report window.
class SaveRefusalWords : public std::error_category {
 public:
  const char* name() const noexcept override { return "save refusal"; }
  std::string message(int value) const override {
    switch (static_cast<SaveRefusal>(value)) {
      case SaveRefusal::Device:
        return "Is a device";
      case SaveRefusal::Pipe:
        return "Is a named pipe";
      case SaveRefusal::Socket:
        return "Is a socket";
      case SaveRefusal::OtherKind:
        return "Is not a regular file";
      case SaveRefusal::ReadOnly:
        return "File is read-only";
    }
    return "Cannot be replaced";
  }
};

// What stands at the file a save would replace, when the save must leave it: anything but a
// regular file the user may write, or nothing at all.
std::error_code RefusedTarget(FileSystem& files, const fs::path& file,
                              const fs::file_status& status) {
  switch (status.type()) {
    case fs::file_type::not_found:
      return {};
    case fs::file_type::regular:
      return files.mayWrite(file) ? std::error_code() : make_error_code(SaveRefusal::ReadOnly);
    case fs::file_type::directory:
      return std::make_error_code(std::errc::is_a_directory);
    case fs::file_type::block:
    case fs::file_type::character:
      return make_error_code(SaveRefusal::Device);
    case fs::file_type::fifo:
      return make_error_code(SaveRefusal::Pipe);
    case fs::file_type::socket:
      return make_error_code(SaveRefusal::Socket);
    default:
      return make_error_code(SaveRefusal::OtherKind);
  }
}

// Writes content to a new temporary file beside file (a path whose links are followed), flushed
// to the disk and with the permissions of the file it will replace, or `permissions` for a new
// one. On success `temporary` names it; after a failure nothing of it is left.
std::error_code WriteTemporary(FileSystem& files, const fs::path& file, std::string_view content,
                               fs::perms permissions, fs::path& temporary) {
  std::error_code error;
  const fs::file_status status = fs::status(file, error);
  if (const std::error_code refused = RefusedTarget(files, file, status)) return refused;
  if (fs::exists(status)) permissions = status.permissions();
  for (int attempt = 0; attempt < TemporaryNameAttempts; ++attempt) {
    temporary = TemporaryBeside(file);
    error = files.createFlushed(temporary, content, permissions);
    // A name another save holds at this moment is left to it.
    if (error == std::errc::file_exists) continue;
    if (error) {
      std::error_code ignored;
      fs::remove(temporary, ignored);
    }
    return error;
  }
  return error;
}

// Puts a flushed temporary file in place by `move` and flushes the folder; a temporary file
// that could not be moved is removed.
template <typename Move>
std::error_code PutInPlace(FileSystem& files, const fs::path& temporary, const fs::path& target,
                           Move move) {
  if (const std::error_code error = move(temporary, target)) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return error;
  }
  // A folder that cannot be flushed does not undo a save that is in place.
  files.flushFolder(target.parent_path());
  return {};
}

}  // namespace

const std::error_category& SaveRefusalCategory() {
  static const SaveRefusalWords category;
  return category;
}

std::error_code make_error_code(SaveRefusal refusal) {
  return {static_cast<int>(refusal), SaveRefusalCategory()};
}

fs::path FollowLinks(const fs::path& target) {
  fs::path path = target;
  for (int depth = 0; depth < LinkDepth; ++depth) {
    std::error_code error;
    if (!fs::is_symlink(path, error)) return path;
    const fs::path next = fs::read_symlink(path, error);
    if (error) return path;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return path;
}

std::error_code WriteFileAtomically(FileSystem& files, const fs::path& target,
                                    std::string_view content) {
  const fs::path file = FollowLinks(target);
  fs::path temporary;
  if (const std::error_code error =
          WriteTemporary(files, file, content, fs::perms::unknown, temporary)) {
    return error;
  }
  return PutInPlace(files, temporary, file, [&files](const fs::path& from, const fs::path& to) {
    return files.replace(from, to);
  });
}

std::error_code CreateFileAtomically(FileSystem& files, const fs::path& target,
                                     std::string_view content, fs::perms permissions) {
  std::error_code error;
  if (fs::exists(fs::symlink_status(target, error))) {
    return std::make_error_code(std::errc::file_exists);
  }
  fs::path temporary;
  if ((error = WriteTemporary(files, target, content, permissions, temporary))) return error;
  return PutInPlace(files, temporary, target, [&files](const fs::path& from, const fs::path& to) {
    return files.renameToFreeName(from, to);
  });
}

std::error_code CheckFileCanBeSaved(FileSystem& files, const fs::path& target) {
  // The way a save starts: a temporary file beside the file it will replace.
  fs::path temporary;
  const std::error_code error =
      WriteTemporary(files, FollowLinks(target), {}, fs::perms::unknown, temporary);
  std::error_code ignored;
  if (!error) fs::remove(temporary, ignored);
  return error;
}

std::error_code RegularFileSize(const fs::path& path, std::uintmax_t& size) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (error) return error;
  // A folder named like a file is said to be one, so the user learns what was found.
  if (fs::is_directory(status)) return std::make_error_code(std::errc::is_a_directory);
  if (!fs::is_regular_file(status)) {
    return std::make_error_code(std::errc::no_such_file_or_directory);
  }
  size = fs::file_size(path, error);
  return error;
}

std::error_code ReadWholeFile(const fs::path& path, std::string& content, std::uintmax_t limit) {
  std::uintmax_t size = 0;
  if (const std::error_code error = RegularFileSize(path, size)) return error;
  if (size > limit) return std::make_error_code(std::errc::file_too_large);
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) return LastSystemError(std::errc::io_error);
  content.resize(static_cast<std::size_t>(size));
  in.read(content.data(), static_cast<std::streamsize>(size));
  // A file that shrank meanwhile is read as far as it goes.
  content.resize(static_cast<std::size_t>(in.gcount()));
  if (in.bad()) return LastSystemError(std::errc::io_error);
  return {};
}

std::string NumberedDescription(const std::error_code& error) {
  return std::to_string(error.value()) + error.message();
}

}  // namespace tpw
