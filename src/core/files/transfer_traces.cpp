#include "files/transfer_traces.h"

namespace tpw {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view TraceExtension = ".txt";

fs::path TraceFolder(const fs::path& userData) {
  return userData / TraceFolderName;
}

}  // namespace

DatedFile SaveTransferTrace(FileSystem& files, const fs::path& userData, const std::tm& time,
                            std::string_view operation, std::string_view text) {
  const DatedFile saved =
      SaveDatedFile(files, TraceFolder(userData), time,
                    "-" + std::string(operation) + std::string(TraceExtension), text);
  PruneDatedFiles(TraceFolder(userData), TraceExtension, TracesKept, {});
  return saved;
}

std::optional<fs::path> LatestTransferTrace(const fs::path& userData) {
  const auto traces = DatedFiles(TraceFolder(userData), TraceExtension);
  if (traces.empty()) return std::nullopt;
  return traces.back();
}

}  // namespace tpw
