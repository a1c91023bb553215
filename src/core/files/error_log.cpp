#include "files/error_log.h"

#include <cstdio>
#include <fstream>

#include "image/text_values.h"

namespace tpw {

namespace fs = std::filesystem;

namespace {

std::string Format(const char* pattern, const std::tm& t) {
  char buffer[64];
  const std::size_t n = std::strftime(buffer, sizeof buffer, pattern, &t);
  return std::string(buffer, n);
}

}  // namespace

ErrorLog::ErrorLog(bool debugMode, fs::path programFolder, fs::path userDataFolder, Clock clock)
    : debugMode_(debugMode),
      programFolder_(std::move(programFolder)),
      userDataFolder_(std::move(userDataFolder)),
      clock_(std::move(clock)) {}

std::tm ErrorLog::LocalNow() {
  const std::time_t now = std::time(nullptr);
  return *std::localtime(&now);
}

std::error_code ErrorLog::append(const fs::path& relative, std::string_view line) {
  std::error_code error = std::make_error_code(std::errc::permission_denied);
  for (const fs::path& folder : {programFolder_, userDataFolder_}) {
    if (folder.empty()) continue;
    const fs::path target = folder / relative;
    std::error_code ignored;
    fs::create_directories(target.parent_path(), ignored);
    std::ofstream out(target, std::ios::binary | std::ios::app);
    if (!out) continue;
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
    out.flush();
    if (out) return {};
    error = std::make_error_code(std::errc::io_error);
  }
  return error;
}

void ErrorLog::errorLog(std::string_view procedure, std::string_view message) {
  if (!debugMode_) return;
  try {
    const std::tm now = clock_();
    append("err.log", Format("%Y-%m-%d,%H:%M:%S", now) + ":" + std::string(procedure) + " -> " +
                          std::string(message) + "\r\n");
  } catch (...) {
    // A log never disturbs the failure it records.
  }
}

void ErrorLog::traceLog(std::string_view message) {
  if (!debugMode_) return;
  try {
    const std::tm now = clock_();
    const fs::path file = fs::path("log") / ("log_" + Format("%m%d", now) + ".txt");
    const std::error_code error =
        append(file, Format("%Y-%m-%d %H:%M:%S ", now) + Trim(message) + "\r\n");
    if (error) errorLog("function: WriteLogData", error.message());
  } catch (...) {
    // As above.
  }
}

}  // namespace tpw
