#include "shell/transfer_safety_net.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

#include "files/file_failure.h"
#include "files/image_backups.h"
#include "files/transfer_traces.h"
#include "image/memory_map.h"
#include "image/text_values.h"
#include "link/frame.h"
#include "link/protocol.h"
#include "link/transfer_messages.h"
#include "session/message_texts.h"

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

// Masks the ATIS code in the frame whose word starts at `at`, a frame that carries data
// ("#CEPDT\\t0280\\t10\\t<32 hex digits>\\t<checksum>" as the trace writes it); returns where
// the frame ends, or where the trace stops being one.
std::size_t MaskAtisCodeInFrame(std::string& text, std::size_t at) {
  constexpr std::string_view Tab = "\\t";  // a TAB as the trace writes it
  std::size_t next = at + protocol::WordLength;
  // Where the next field of `width` characters starts, when a TAB comes first.
  const auto field = [&](std::size_t width) -> std::optional<std::size_t> {
    if (text.compare(next, Tab.size(), Tab) != 0) return std::nullopt;
    const std::size_t start = next + Tab.size();
    next = std::min(start + width, text.size());
    return start;
  };
  const auto address = field(4);
  const auto count = address ? field(2) : std::nullopt;
  const auto first = address ? HexNumber(text.substr(*address, 4)) : std::nullopt;
  const auto length = count ? HexNumber(text.substr(*count, 2)) : std::nullopt;
  const auto data = first && length ? field(2 * static_cast<std::size_t>(*length)) : std::nullopt;
  if (!data) return next;
  bool masked = false;
  for (int i = 0; i < *length && *data + 2 * static_cast<std::size_t>(i) + 2 <= next; ++i) {
    const int byte = *first + i;
    if (byte >= addr::AtisCode && byte < addr::AtisCode + addr::AtisCodeLength) {
      text.replace(*data + 2 * static_cast<std::size_t>(i), 2, "**");
      masked = true;
    }
  }
  const auto checksum = field(2);
  if (masked && checksum && *checksum + 2 <= text.size()) text.replace(*checksum, 2, "**");
  return next;
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

// The finding of a backup that could not be saved: its folder is the program's own, so only
// the place itself can be put right.
std::string BackupFailure(const DatedFile& file) {
  return file.path.string() + ": " + FileFailureFinding(file.path, file.error, FileAction::Keep);
}

// Passes everything on to the observer that shows the transfer, and keeps the record: the
// trace, and a backup of every image at an end point.
class SafetyNetObserver : public TransferObserver {
 public:
  SafetyNetObserver(Context& ctx, TransferObserver& shown, const SafetyNet& net, std::string port)
      : ctx_(ctx), shown_(shown), net_(net), port_(std::move(port)), trace_(ctx.host.now()) {}

  void progress(int percent) override { shown_.progress(percent); }
  void monitor(std::string_view text) override { shown_.monitor(text); }
  void waiting(std::string_view text) override { shown_.waiting(text); }
  void verifying() override { shown_.verifying(); }
  void traffic(Traffic direction, std::string_view bytes, std::string_view result) override {
    trace_.add(ctx_.host.now(), direction, bytes, result);
    shown_.traffic(direction, bytes, result);
  }
  // The radio's memory read before a write is kept before anything is written: a write that
  // reads the radio first goes on only once its backup is saved.
  bool imageCaptured(CapturedImage kind, const MemoryImage& image) override {
    if (!shown_.imageCaptured(kind, image)) return false;
    if (!net_.backups || net_.userData.empty()) return true;
    const DatedFile saved =
        SaveImageBackup(ctx_.files, net_.userData, net_.clock(), BackupOperationName(kind), image);
    if (!saved.error) {
      if (net_.kept) net_.kept(kind, saved.path);
      return true;
    }
    if (kind != CapturedImage::BeforeWrite) {
      failures_.push_back({kind, saved});
      return true;
    }
    ctx_.prompter.message(Icon::Critical, msg::ProgramCaption,
                          "Nothing was written: the radio's data as they were before programming "
                          "could not be kept, and reading the radio first is for keeping them. "
                          "The radio on " +
                              port_ + " is as it was.\r\n" + BackupFailure(saved));
    return false;
  }

  // After the transfer: the trace is saved, the oldest traces and backups pruned, a failed
  // backup reported.
  void finish(TransferMode mode, const std::tm& started, const TransferResult& ended) {
    if (net_.userData.empty()) return;
    SaveTransferTrace(ctx_.files, net_.userData, started, TraceOperationName(mode),
                      header(mode, started, ended) + trace_.text());
    const std::tm now = net_.clock();
    PruneTransferTraces(net_.userData, now);
    if (net_.backups) PruneImageBackups(net_.userData, now);
    for (const Failure& failure : failures_) {
      ctx_.prompter.message(Icon::Exclamation, TransferCaption(mode),
                            "No backup was kept of " + std::string(BackupContent(failure.kind)) +
                                "; the transfer went on without it.\r\n" +
                                BackupFailure(failure.file));
    }
  }

 private:
  struct Failure {
    CapturedImage kind;
    DatedFile file;
  };

  std::string header(TransferMode mode, const std::tm& started, const TransferResult& ended) const {
    return TraceOpening + std::string(TransferCaption(mode)) + "\r\nPort: " + port_ +
           "\r\nStarted: " + DatedStamp(started) + "\r\nEnded: " + EndText(ended) +
           "\r\nSeconds since the start, > to the radio, < from the radio, (how it ended):\r\n";
  }

  Context& ctx_;
  TransferObserver& shown_;
  const SafetyNet& net_;
  std::string port_;
  TraceLines trace_;
  std::vector<Failure> failures_;
};

}  // namespace

const char* BackupOperationName(CapturedImage image) {
  switch (image) {
    case CapturedImage::Read:
      return BackupOperations[0];
    case CapturedImage::BeforeWrite:
      return BackupOperations[1];
    case CapturedImage::ToWrite:
      return BackupOperations[2];
  }
  return "";
}

const char* TraceOperationName(TransferMode mode) {
  switch (mode) {
    case TransferMode::Read:
      return TraceOperations[0];
    case TransferMode::Program:
      return TraceOperations[1];
    case TransferMode::ClearAtis:
      return TraceOperations[2];
  }
  return "";
}

std::string TraceWithoutAtisCode(std::string_view trace) {
  std::string text(trace);
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t reply = text.find(protocol::DataReply, at);
    const std::size_t write = text.find(protocol::WriteRequest, at);
    const std::size_t frame = std::min(reply, write);
    if (frame == std::string::npos) break;
    at = MaskAtisCodeInFrame(text, frame);
  }
  return text;
}

TransferResult RunProtectedTransfer(Context& ctx, SerialPort& port, TransferObserver& observer,
                                    TransferMode mode, const SafetyNet& net) {
  const std::tm started = net.clock();
  SafetyNetObserver recorder(ctx, observer, net, port.name());
  const WriteChecks checks{net.readFirst && mode == TransferMode::Program, net.verify, net.review};
  const TransferResult result = RunTransfer(ctx, port, recorder, mode, checks);
  recorder.finish(mode, started, result);
  return result;
}

}  // namespace tpw
