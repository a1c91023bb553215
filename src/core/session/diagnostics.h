#pragma once

#include <string_view>

namespace tpw {

// The diagnostic logs: an entry per unexpected failure, and the dated trace. Writers decide
// themselves whether anything is written (only in debug mode); a failure inside a log is
// never reported to the caller.
class Diagnostics {
 public:
  virtual ~Diagnostics() = default;
  virtual void errorLog(std::string_view procedure, std::string_view message) = 0;
  virtual void traceLog(std::string_view message) = 0;
};

class NoDiagnostics : public Diagnostics {
 public:
  void errorLog(std::string_view, std::string_view) override {}
  void traceLog(std::string_view) override {}
};

}  // namespace tpw
