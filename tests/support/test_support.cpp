#include "support/test_support.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>

#include "image/memory_map.h"

namespace tpw::test {

void RecordingPrompter::message(Icon icon, std::string_view title, std::string_view text) {
  boxes.push_back({icon, std::string(title), std::string(text)});
}

Answer RecordingPrompter::ask(Icon icon, std::string_view title, std::string_view text,
                              Buttons buttons, Answer defaultAnswer) {
  boxes.push_back({icon, std::string(title), std::string(text), true, buttons, defaultAnswer});
  if (planned_.empty()) return unplanned ? unplanned(boxes.back()) : defaultAnswer;
  const Answer answer = planned_.front();
  planned_.pop_front();
  return answer;
}

std::vector<std::string> RecordingPrompter::texts() const {
  std::vector<std::string> result;
  for (const Box& box : boxes) result.push_back(box.text);
  return result;
}

void FakeHost::pause(std::chrono::milliseconds duration) {
  pauses.push_back(duration);
  now_ += duration;
}

bool FakeHost::cancelled() {
  if (cancelRequests_ == 0) return false;
  --cancelRequests_;
  return true;
}

std::error_code FaultyFileSystem::createFlushed(const std::filesystem::path& path,
                                                std::string_view content,
                                                std::filesystem::perms permissions) {
  steps.push_back("create " + path.filename().string());
  if (failing == Step::Write) {
    NativeFileSystem::createFlushed(path, content.substr(0, content.size() / 2), permissions);
    return failure;
  }
  const std::error_code error = NativeFileSystem::createFlushed(path, content, permissions);
  return failing == Step::Flush && !error ? failure : error;
}

std::error_code FaultyFileSystem::replace(const std::filesystem::path& from,
                                          const std::filesystem::path& to) {
  steps.push_back("replace " + from.filename().string() + " " + to.filename().string());
  return failing == Step::Replace ? failure : NativeFileSystem::replace(from, to);
}

std::error_code FaultyFileSystem::renameToFreeName(const std::filesystem::path& from,
                                                   const std::filesystem::path& to) {
  steps.push_back("rename " + from.filename().string() + " " + to.filename().string());
  return failing == Step::RenameToFreeName ? failure : NativeFileSystem::renameToFreeName(from, to);
}

void FaultyFileSystem::flushFolder(const std::filesystem::path& folder) {
  steps.push_back("flush " + folder.string());
  NativeFileSystem::flushFolder(folder);
}

std::vector<std::string> FolderNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    names.push_back(entry.path().filename().string());
  }
  std::ranges::sort(names);
  return names;
}

std::vector<std::string> ChangeLog::steps() const {
  std::vector<std::string> steps;
  for (const ChangeReport& report : reports) steps.push_back(report.step);
  return steps;
}

TempDir::TempDir() {
  std::random_device device;
  path_ = std::filesystem::temp_directory_path() /
          ("tpw52-test-" + std::to_string(device()) + std::to_string(device()));
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::tm LocalTime(int year, int month, int day, int hour, int minute, int second) {
  std::tm time{.tm_sec = second, .tm_min = minute, .tm_hour = hour, .tm_mday = day};
  time.tm_mon = month - 1;
  time.tm_year = year - 1900;
  return time;
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

MemoryImage ValidImage(std::uint8_t region) {
  MemoryImage image;
  Fill(image, addr::ModelVersionWord, {0x01, 0x2D});
  Fill(image, addr::ModelVersionWord2, {0x01, 0x2D});
  image.set(addr::RegionCode, region);
  return image;
}

MemoryImage ValidRadioImage(std::uint8_t region) {
  return WithProductCode(ValidImage(region), "TR381K");
}

MemoryImage WithProductCode(MemoryImage image, const std::string& code) {
  for (int i = 0; i < addr::ProductCodeLength; ++i) {
    image.set(addr::ProductCode + i, static_cast<std::uint8_t>(code[static_cast<std::size_t>(i)]));
  }
  return image;
}

MemoryImage WithRadioListLengths(MemoryImage image) {
  // From 0x160: the CHWX bitmap (2 bytes), CHEXP (4), CHRG (2).
  Fill(image, 0x160, {0xFF, 0xC0, 0, 0, 0, 0, 0, 0});
  return image;
}

std::string ImageAsString(const MemoryImage& image) {
  const ImageBytes& bytes = image.bytes();
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

void Fill(MemoryImage& image, int address, std::initializer_list<int> bytes) {
  for (int b : bytes) image.set(address++, static_cast<std::uint8_t>(b));
}

std::vector<int> Bytes(const MemoryImage& image, int address, int count) {
  std::vector<int> bytes;
  for (int i = 0; i < count; ++i) bytes.push_back(image.at(address + i));
  return bytes;
}

}  // namespace tpw::test
