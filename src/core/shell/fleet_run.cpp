#include "shell/fleet_run.h"

#include <algorithm>
#include <thread>

#include "image/encodings.h"
#include "image/memory_map.h"
#include "image/text_values.h"
#include "report/write_review.h"

namespace tpw {

namespace {

// Real time; the fleet's cancel reaches every radio once.
class RadioHost : public SystemHost {
 public:
  explicit RadioHost(const std::atomic<int>& requests) : requests_(requests) {}
  bool cancelled() override {
    const int requested = requests_.load();
    if (requested == seen_) return false;
    seen_ = requested;
    return true;
  }

 private:
  const std::atomic<int>& requests_;
  int seen_ = 0;
};

// Keeps a radio's messages for the end, and asks its questions one radio at a time, each
// headed by the radio it is about.
class RadioPrompter : public Prompter {
 public:
  RadioPrompter(Prompter& questions, std::mutex& lock, std::string radio,
                std::vector<Message>& kept)
      : questions_(questions), lock_(lock), radio_(std::move(radio)), kept_(kept) {}
  void message(Icon icon, std::string_view title, std::string_view text) override {
    kept_.push_back({icon, std::string(title), std::string(text)});
  }
  Answer ask(Icon icon, std::string_view title, std::string_view text, Buttons buttons,
             Answer defaultAnswer) override {
    const std::lock_guard asking(lock_);
    return questions_.ask(icon, title, radio_ + ":\r\n" + std::string(text), buttons,
                          defaultAnswer);
  }

 private:
  Prompter& questions_;
  std::mutex& lock_;
  std::string radio_;
  std::vector<Message>& kept_;
};

class RadioObserver : public SilentTransferObserver {
 public:
  RadioObserver(std::atomic<RadioStage>& stage, std::atomic<int>& percent)
      : stage_(stage), percent_(percent) {}
  void progress(int percent) override {
    // Before the image to write is captured, only the read of a write that reads first moves.
    if (stage_ == RadioStage::Starting) stage_ = RadioStage::ReadingFirst;
    percent_ = percent;
  }
  void verifying() override {
    stage_ = RadioStage::Verifying;
    percent_ = 0;
  }
  bool imageCaptured(CapturedImage image, const MemoryImage&) override {
    if (image == CapturedImage::ToWrite) {
      stage_ = RadioStage::Writing;
      percent_ = 0;
    }
    return true;
  }

 private:
  std::atomic<RadioStage>& stage_;
  std::atomic<int>& percent_;
};

// The code an image holds: its ten digits, or empty when its bytes are blank.
std::string AtisCodeOf(const MemoryImage& image) {
  if (image.allFF(addr::AtisCode, addr::AtisCodeLength)) return {};
  return DecodeDigits(image, addr::AtisCode);
}

// The settings that did not verify, each once, or the address where nobody could name one.
std::vector<std::string> DifferingSettings(const WriteVerification& verification) {
  std::vector<std::string> named;
  for (std::size_t i = 0; i < verification.differing.size(); ++i) {
    const bool known = i < verification.settings.size() && !verification.settings[i].empty();
    const std::string name =
        known ? verification.settings[i] : "0x" + HexPad(verification.differing[i], 3);
    if (std::find(named.begin(), named.end(), name) == named.end()) named.push_back(name);
  }
  return named;
}

RadioEnd EndOfCompletedPlan(const TransferResult& result) {
  switch (result.verification.state) {
    case VerificationState::Verified:
      return RadioEnd::Verified;
    case VerificationState::Differs:
      return RadioEnd::NotVerified;
    case VerificationState::NotChecked:
      break;
  }
  return RadioEnd::Written;
}

void DescribeEnd(RadioReport& report, const TransferResult& result, const Workspace& ws) {
  report.cancelled = result.outcome == Outcome::Cancelled;
  const bool planCompleted = result.step == TransferStep::Finished && result.done();
  if (result.step == TransferStep::NothingToWrite && result.done()) {
    // Read first, the radio held everything already: nothing needed writing or verifying.
    report.end = RadioEnd::Verified;
  } else if (planCompleted || result.step == TransferStep::Verifying) {
    report.end = EndOfCompletedPlan(result);
    report.differences = DifferingSettings(result.verification);
  } else {
    report.end = result.writes.firstSent ? RadioEnd::PartlyWritten : RadioEnd::NothingWritten;
    return;
  }
  report.atisCode = result.keptAtisCode.empty() ? AtisCodeOf(ws.image) : result.keptAtisCode;
}

class StandardThread : public RadioThread {
 public:
  explicit StandardThread(std::function<void()> work) : thread_(std::move(work)) {}

 private:
  std::jthread thread_;
};

}  // namespace

std::unique_ptr<RadioThread> StartStandardThread(std::function<void()> work) {
  return std::make_unique<StandardThread>(std::move(work));
}

Workspace RadioDataSet(const Workspace& dataSet, const FleetRadio& radio) {
  Workspace ws = dataSet;
  ws.changeObserver = nullptr;
  if (!radio.atisCode.code.empty()) ws.model.atis.code = radio.atisCode.code;
  return ws;
}

// One radio: its data set, its port on its own thread, and what became of it.
class FleetRun::RadioJob {
 public:
  RadioJob(FleetRun& fleet, FleetRadio radio) : fleet_(fleet) { report_.radio = std::move(radio); }

  void run() {
    Workspace ws = RadioDataSet(fleet_.dataSet_, report_.radio);
    const std::unique_ptr<SerialPort> port = fleet_.services_.makePort(report_.radio.port);
    RadioHost host(fleet_.cancels_);
    RadioPrompter prompter(fleet_.services_.questions, fleet_.questionLock_,
                           report_.radio.label + " (" + report_.radio.port + ")", report_.messages);
    RadioObserver observer(stage_, percent_);
    Context ctx{ws, prompter, host, fleet_.services_.diagnostics, fleet_.services_.files};
    SafetyNet net = fleet_.services_.net;
    net.clock = [this, clock = net.clock] {
      const std::lock_guard reading(fleet_.clockLock_);
      return clock();
    };
    net.verify = fleet_.services_.net.verify;
    // Every radio writes the plan's data: the changes are not asked about, only named when a
    // setting does not verify.
    ComparingWriteReview review(ws.caps, [](const std::vector<Difference>&) { return true; });
    net.review = &review;
    net.kept = [this](CapturedImage image, const std::filesystem::path& path) {
      // The radio's own memory before the write is the backup that puts it back.
      if (image == CapturedImage::BeforeWrite || report_.backup.empty()) {
        report_.backup = path.string();
      }
    };
    const TransferResult result =
        RunProtectedTransfer(ctx, *port, observer, TransferMode::Program, net);
    DescribeEnd(report_, result, ws);
    stage_ = RadioStage::Ended;
  }

  RadioProgress progress() const { return {stage_.load(), percent_.load()}; }
  bool ended() const { return stage_ == RadioStage::Ended; }
  const RadioReport& report() const { return report_; }

 private:
  FleetRun& fleet_;
  RadioReport report_;
  std::atomic<RadioStage> stage_{RadioStage::Starting};
  std::atomic<int> percent_{0};
};

FleetRun::FleetRun(std::vector<FleetRadio> radios, const Workspace& dataSet, FleetServices services)
    : dataSet_(dataSet), services_(std::move(services)) {
  for (FleetRadio& radio : radios) {
    jobs_.push_back(std::make_unique<RadioJob>(*this, std::move(radio)));
  }
}

FleetRun::~FleetRun() {
  threads_.clear();  // each waits for its radio
}

void FleetRun::start() {
  for (const auto& job : jobs_) {
    threads_.push_back(services_.startThread([&job = *job] { job.run(); }));
  }
}

bool FleetRun::finished() const {
  for (const auto& job : jobs_) {
    if (!job->ended()) return false;
  }
  return true;
}

void FleetRun::cancel() {
  ++cancels_;
}

std::vector<RadioProgress> FleetRun::progress() const {
  std::vector<RadioProgress> all;
  for (const auto& job : jobs_) all.push_back(job->progress());
  return all;
}

std::vector<RadioReport> FleetRun::reports() {
  threads_.clear();
  std::vector<RadioReport> all;
  for (const auto& job : jobs_) all.push_back(job->report());
  return all;
}

}  // namespace tpw
