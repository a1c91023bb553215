#include "files/transfer_traces.h"

namespace tpw {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view TraceExtension = ".txt";

fs::path TraceFolder(const fs::path& userData) {
  return userData / TraceFolderName;
}

std::string TraceEnding(std::string_view operation) {
  return "-" + std::string(operation) + std::string(TraceExtension);
}

const DatedKind& Traces() {
  static const DatedKind kind = [] {
    DatedKind traces;
    for (const char* operation : TraceOperations) traces.endings.push_back(TraceEnding(operation));
    traces.opening = TraceOpening;
    return traces;
  }();
  return kind;
}

}  // namespace

DatedFile SaveTransferTrace(FileSystem& files, const fs::path& userData, const std::tm& time,
                            std::string_view operation, std::string_view text) {
  return SaveDatedFile(files, TraceFolder(userData), time, TraceEnding(operation), text);
}

void PruneTransferTraces(const fs::path& userData, const std::tm& now) {
  PruneDatedFiles(TraceFolder(userData), Traces(), TracesKept, {}, now);
}

std::optional<fs::path> LatestTransferTrace(const fs::path& userData, const std::tm& now) {
  const auto traces = DatedFiles(TraceFolder(userData), Traces(), now);
  if (traces.empty()) return std::nullopt;
  return traces.back();
}

}  // namespace tpw
