#include "files/atomic_file.h"

#include <cerrno>
#include <fstream>
#include <random>

namespace tpw {

namespace fs = std::filesystem;

namespace {

fs::path TemporaryBeside(const fs::path& target) {
  std::random_device device;
  const auto suffix = std::to_string(device() % 1000000);
  return target.parent_path() / (target.filename().string() + ".tmp" + suffix);
}

// The system's own reason for the stream operation that just failed (the streams keep it in
// errno), or `otherwise` when the system gave none.
std::error_code LastSystemError(std::errc otherwise) {
  const int number = errno;
  return number != 0 ? std::error_code(number, std::generic_category())
                     : std::make_error_code(otherwise);
}

std::error_code WriteWholeFile(const fs::path& path, std::string_view content) {
  errno = 0;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return LastSystemError(std::errc::io_error);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  out.flush();
  if (!out) return LastSystemError(std::errc::io_error);
  out.close();
  if (!out) return LastSystemError(std::errc::io_error);
  return {};
}

}  // namespace

std::error_code WriteFileAtomically(const fs::path& target, std::string_view content) {
  const fs::path temporary = TemporaryBeside(target);
  std::error_code error = WriteWholeFile(temporary, content);
  if (!error) fs::rename(temporary, target, error);
  if (error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
  }
  return error;
}

std::error_code CheckFileCanBeSaved(const fs::path& target) {
  std::error_code error;
  if (fs::is_directory(target, error)) return std::make_error_code(std::errc::is_a_directory);
  // The way a save starts: a temporary file beside the target.
  const fs::path temporary = TemporaryBeside(target);
  error = WriteWholeFile(temporary, {});
  std::error_code ignored;
  fs::remove(temporary, ignored);
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
