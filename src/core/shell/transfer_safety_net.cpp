#include "shell/transfer_safety_net.h"

#include <cstdio>
#include <vector>

#include "files/file_failure.h"
#include "files/image_backups.h"
#include "files/transfer_traces.h"
#include "image/text_values.h"
#include "link/transfer_messages.h"

namespace tpw {

namespace fs = std::filesystem;

namespace {

// What a backup holds, in the message that says it could not be saved.
const char* BackupContent(CapturedImage image) {
  switch (image) {
    case CapturedImage::Read:
      return "the data read from the radio";
    case CapturedImage::BeforeWrite:
      return "the radio's data as they were before programming";
    case CapturedImage::ToWrite:
      return "the data written to the radio";
  }
  return "";
}

// How the transfer ended, in the trace's header: a failure with its reason.
std::string EndText(const TransferResult& result) {
  switch (result.outcome) {
    case Outcome::Done:
      return "completed";
    case Outcome::Cancelled:
      return "cancelled";
    case Outcome::Failed:
      break;
  }
  if (result.unexpected) return "failed (" + result.unexpected->description + ")";
  return result.failure ? "failed (" + FailureLogText(*result.failure) + ")" : "failed";
}

// Bytes as the trace shows them: printable characters as they are, the rest escaped.
std::string Printable(std::string_view bytes) {
  if (bytes.empty()) return "(nothing)";
  std::string text;
  for (const char c : bytes) {
    switch (c) {
      case '\t':
        text += "\\t";
        break;
      case '\r':
        text += "\\r";
        break;
      case '\n':
        text += "\\n";
        break;
      case '\\':
        text += "\\\\";
        break;
      default:
        if (c >= 0x20 && c < 0x7F) {
          text += c;
        } else {
          text += "\\x" + HexPad(static_cast<unsigned char>(c), 2);
        }
    }
  }
  return text;
}

// The transfer trace as it is written: one line per send, one per run of waits that heard
// the radio; time in seconds since the transfer started.
class TraceLines {
 public:
  explicit TraceLines(Host::Clock::time_point start) : start_(start) {}

  void add(Host::Clock::time_point at, Traffic direction, std::string_view bytes,
           std::string_view result) {
    // Waits that follow one another while the radio answers make one line.
    if (direction == Traffic::Received && !lines_.empty() &&
        lines_.back().direction == Traffic::Received && lines_.back().result == "ok") {
      lines_.back().bytes += bytes;
      lines_.back().result = result;
      return;
    }
    lines_.push_back({at - start_, direction, std::string(bytes), std::string(result)});
  }

  std::string text() const {
    std::string text;
    for (const Line& line : lines_) {
      char time[32];
      std::snprintf(time, sizeof time, "%9.3f",
                    std::chrono::duration<double>(line.elapsed).count());
      text += std::string(time) + (line.direction == Traffic::Sent ? " > " : " < ") +
              Printable(line.bytes) + "  (" + line.result + ")\r\n";
    }
    return text;
  }

 private:
  struct Line {
    Host::Clock::duration elapsed;
    Traffic direction;
    std::string bytes;
    std::string result;
  };
  Host::Clock::time_point start_;
  std::vector<Line> lines_;
};

// Passes everything on to the observer that shows the transfer, and keeps the record: the
// trace, and a backup of every image at an end point.
class SafetyNetObserver : public TransferObserver {
 public:
  SafetyNetObserver(Context& ctx, TransferObserver& shown, const SafetyNet& net)
      : ctx_(ctx), shown_(shown), net_(net), trace_(ctx.host.now()) {}

  void progress(int percent) override { shown_.progress(percent); }
  void monitor(std::string_view text) override { shown_.monitor(text); }
  void waiting(std::string_view text) override { shown_.waiting(text); }
  void traffic(Traffic direction, std::string_view bytes, std::string_view result) override {
    trace_.add(ctx_.host.now(), direction, bytes, result);
    shown_.traffic(direction, bytes, result);
  }
  void imageCaptured(CapturedImage kind, const MemoryImage& image) override {
    shown_.imageCaptured(kind, image);
    if (!net_.backups || net_.userData.empty()) return;
    const DatedFile saved =
        SaveImageBackup(ctx_.files, net_.userData, net_.clock(), BackupOperationName(kind), image);
    if (saved.error) failures_.push_back({kind, saved});
  }

  // After the transfer: the trace is saved, the backups pruned, a failed backup reported.
  void finish(TransferMode mode, const std::string& port, const std::tm& started,
              const TransferResult& ended) {
    if (net_.userData.empty()) return;
    SaveTransferTrace(ctx_.files, net_.userData, started, TraceOperationName(mode),
                      header(mode, port, started, ended) + trace_.text());
    if (net_.backups) PruneImageBackups(net_.userData, net_.clock());
    for (const Failure& failure : failures_) {
      ctx_.prompter.message(
          Icon::Exclamation, TransferCaption(mode),
          "No backup was kept of " + std::string(BackupContent(failure.kind)) +
              "; the transfer went on without it.\r\n" + failure.file.path.string() + ": " +
              FileFailureFinding(failure.file.path, failure.file.error, FileAction::Save));
    }
  }

 private:
  struct Failure {
    CapturedImage kind;
    DatedFile file;
  };

  static std::string header(TransferMode mode, const std::string& port, const std::tm& started,
                            const TransferResult& ended) {
    return "Transfer: " + std::string(TransferCaption(mode)) + "\r\nPort: " + port +
           "\r\nStarted: " + DatedStamp(started) + "\r\nEnded: " + EndText(ended) +
           "\r\nSeconds since the start, > to the radio, < from the radio, (how it ended):\r\n";
  }

  Context& ctx_;
  TransferObserver& shown_;
  const SafetyNet& net_;
  TraceLines trace_;
  std::vector<Failure> failures_;
};

}  // namespace

const char* BackupOperationName(CapturedImage image) {
  switch (image) {
    case CapturedImage::Read:
      return "read";
    case CapturedImage::BeforeWrite:
      return "before-write";
    case CapturedImage::ToWrite:
      return "write";
  }
  return "";
}

const char* TraceOperationName(TransferMode mode) {
  switch (mode) {
    case TransferMode::Read:
      return "read";
    case TransferMode::Program:
      return "write";
    case TransferMode::ClearAtis:
      return "clear-atis";
  }
  return "";
}

TransferResult RunProtectedTransfer(Context& ctx, SerialPort& port, TransferObserver& observer,
                                    TransferMode mode, const SafetyNet& net) {
  const std::tm started = net.clock();
  SafetyNetObserver recorder(ctx, observer, net);
  const TransferResult result =
      RunTransfer(ctx, port, recorder, mode, net.readFirst && mode == TransferMode::Program);
  recorder.finish(mode, port.name(), started, result);
  return result;
}

}  // namespace tpw
