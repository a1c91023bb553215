#pragma once

#include <ctime>
#include <filesystem>
#include <functional>
#include <string_view>

#include "session/diagnostics.h"

namespace tpw {

// The diagnostic logs of debug mode, beside the program when its folder is writable and in
// the user's data folder otherwise:
// - "err.log": one line per unexpected failure, "date,time:procedure -> message" + CR LF;
// - "log/log_MMDD.txt": the day's trace, "YYYY-MM-DD HH:mm:ss message" + CR LF.
// Outside debug mode nothing is written and no folder is created. A failure inside a log is
// swallowed; a trace line that cannot be written is reported to the error log instead.
class ErrorLog : public Diagnostics {
 public:
  using Clock = std::function<std::tm()>;  // the local date and time

  ErrorLog(bool debugMode, std::filesystem::path programFolder,
           std::filesystem::path userDataFolder, Clock clock = LocalNow);

  void errorLog(std::string_view procedure, std::string_view message) override;
  void traceLog(std::string_view message) override;

  static std::tm LocalNow();

 private:
  // Appends a line to the file at relative in the first folder that takes it; the error of the
  // last attempt when none does.
  std::error_code append(const std::filesystem::path& relative, std::string_view line);

  bool debugMode_;
  std::filesystem::path programFolder_;
  std::filesystem::path userDataFolder_;
  Clock clock_;
};

}  // namespace tpw
