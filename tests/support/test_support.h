#pragma once

#include <chrono>
#include <ctime>
#include <deque>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "adapters/files/native_file_system.h"
#include "session/workspace.h"

namespace tpw::test {

// Records every message box and question and answers from a script.
class RecordingPrompter : public Prompter {
 public:
  struct Box {
    Icon icon;
    std::string title;
    std::string text;
    bool question = false;
    Buttons buttons = Buttons::Ok;
    Answer defaultAnswer = Answer::Ok;
  };

  void message(Icon icon, std::string_view title, std::string_view text) override;
  Answer ask(Icon icon, std::string_view title, std::string_view text, Buttons buttons,
             Answer defaultAnswer) override;

  // Answers the next questions in order; with none planned, a question gets its default, or
  // the answer of `unplanned` when it is set.
  void plan(Answer answer) { planned_.push_back(answer); }
  std::vector<std::string> texts() const;

  std::vector<Box> boxes;
  // Answers a question no answer was planned for; tests set it when a default answer could
  // keep a faulty program asking for ever.
  std::function<Answer(const Box&)> unplanned;

 private:
  std::deque<Answer> planned_;
};

// Virtual time: pauses advance the clock instantly and are recorded.
class FakeHost : public Host {
 public:
  void pause(std::chrono::milliseconds duration) override;
  Clock::time_point now() override { return now_; }
  void yield() override { ++yields; }
  void settleAfterFile() override { ++fileSettles; }
  // Lets time pass without a recorded pause, as a wait on a port does.
  void advance(std::chrono::milliseconds duration) { now_ += duration; }
  // The user asks to stop, as with the dialog's Cancel button; each request is told once.
  bool cancelled() override;
  void requestCancel() { ++cancelRequests_; }

  std::vector<std::chrono::milliseconds> pauses;
  int yields = 0;
  int fileSettles = 0;

 private:
  Clock::time_point now_{};
  int cancelRequests_ = 0;
};

class RecordingDiagnostics : public Diagnostics {
 public:
  void errorLog(std::string_view procedure, std::string_view message) override {
    errors.push_back(std::string(procedure) + " -> " + std::string(message));
  }
  void traceLog(std::string_view message) override { traces.emplace_back(message); }

  std::vector<std::string> errors;
  std::vector<std::string> traces;
};

// The platform's file system with one step of a save made to fail, as a full disk, a failing
// flush or a pulled USB stick make it fail; every step is recorded with the file's name.
class FaultyFileSystem : public NativeFileSystem {
 public:
  // Write: the file is created and half written; Flush: written whole, not flushed.
  enum class Step { None, Write, Flush, Replace, RenameToFreeName };

  std::error_code createFlushed(const std::filesystem::path& path, std::string_view content,
                                std::filesystem::perms permissions) override;
  std::error_code replace(const std::filesystem::path& from,
                          const std::filesystem::path& to) override;
  std::error_code renameToFreeName(const std::filesystem::path& from,
                                   const std::filesystem::path& to) override;
  void flushFolder(const std::filesystem::path& folder) override;

  Step failing = Step::None;
  std::error_code failure = std::make_error_code(std::errc::no_space_on_device);
  // "create boat.dat.tmp123", "replace boat.dat.tmp123 boat.dat", "flush FOLDER".
  std::vector<std::string> steps;
};

// The names in a folder, sorted.
std::vector<std::string> FolderNames(const std::filesystem::path& folder);

// A workspace with the recorders that tests look at.
struct TestContext {
  Workspace ws;
  RecordingPrompter prompter;
  FakeHost host;
  RecordingDiagnostics diagnostics;
  FaultyFileSystem files;  // the platform's own until a step is made to fail
  Context ctx{ws, prompter, host, diagnostics, files};
};

// Keeps every change of the data set the workspace reports, in order; it must outlive the
// workspace's use.
struct ChangeLog {
  explicit ChangeLog(Workspace& ws) {
    ws.changeObserver = [this](const ChangeReport& report) { reports.push_back(report); };
  }
  // The step of each report: "New channel 16".
  std::vector<std::string> steps() const;

  std::vector<ChangeReport> reports;
};

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// A local time, as the program's clock gives it to what it dates.
std::tm LocalTime(int year, int month, int day, int hour, int minute, int second);

void WriteBytes(const std::filesystem::path& path, const std::string& bytes);
std::string ReadBytes(const std::filesystem::path& path);

// A valid QZ815 image (model words 301 at both ends) with the given region byte.
MemoryImage ValidImage(std::uint8_t region = 0xFF);
std::string ImageAsString(const MemoryImage& image);
// Writes bytes into an image from an address on, and reads count of them back, so that a run
// of bytes is set and compared at once.
void Fill(MemoryImage& image, int address, std::initializer_list<int> bytes);
std::vector<int> Bytes(const MemoryImage& image, int address, int count);
// A valid image that also carries the product code "TR381K": what a radio holds.
MemoryImage ValidRadioImage(std::uint8_t region = 0xFF);
// The image with another product code of six characters.
MemoryImage WithProductCode(MemoryImage image, const std::string& code);
// The image with lists no longer than a radio holds (ten weather channels, no RG and no EXP
// channels), where a blank image's bitmaps claim more records than the radio has room for.
MemoryImage WithRadioListLengths(MemoryImage image);

}  // namespace tpw::test
