#include "files/atomic_file.h"

#include <fstream>
#include <iterator>
#include <random>

namespace tpw {

namespace fs = std::filesystem;

namespace {

fs::path TemporaryBeside(const fs::path& target) {
  std::random_device device;
  const auto suffix = std::to_string(device() % 1000000);
  return target.parent_path() / (target.filename().string() + ".tmp" + suffix);
}

}  // namespace

std::error_code WriteFileAtomically(const fs::path& target, std::string_view content) {
  const fs::path temporary = TemporaryBeside(target);
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return std::make_error_code(std::errc::permission_denied);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      fs::remove(temporary, ignored);
      return std::make_error_code(std::errc::io_error);
    }
  }
  std::error_code error;
  fs::rename(temporary, target, error);
  if (error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
  }
  return error;
}

std::error_code ReadWholeFile(const fs::path& path, std::string& content) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (error) return error;
  // A folder named like a file is said to be one, so the log tells what was found.
  if (fs::is_directory(status)) return std::make_error_code(std::errc::is_a_directory);
  if (!fs::is_regular_file(status)) {
    return std::make_error_code(std::errc::no_such_file_or_directory);
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::make_error_code(std::errc::permission_denied);
  content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return std::make_error_code(std::errc::io_error);
  return {};
}

std::string NumberedDescription(const std::error_code& error) {
  return std::to_string(error.value()) + error.message();
}

}  // namespace tpw
