#include "link_test_support.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include "image/image_codec.h"
#include "image/memory_map.h"
#include "link/frame.h"
#include "link/protocol.h"
#include "link/radio_checks.h"

namespace tpw {

void PrintTo(const Message& box, std::ostream* out) {
  *out << "{" << static_cast<int>(box.icon) << ", \"" << box.title << "\", \"" << box.text << "\"}";
}

}  // namespace tpw

namespace tpw::test {

ScriptedRadio::ScriptedRadio(MemoryLine& line, FakeHost& clock) : line_(line), clock_(clock) {
  line_.pc().onIdle = [this] { answerPending(); };
  line_.radio().anySpeed = true;
}

void ScriptedRadio::answerPending() {
  MemoryLine::End& end = line_.radio();
  while (end.bytesWaiting() > 0) {
    pending_ += static_cast<char>(*end.readByte(std::chrono::milliseconds(0)));
    const bool single = pending_.size() == 1 &&
                        (pending_[0] == protocol::Ping || pending_[0] == protocol::PingFollowUp ||
                         pending_[0] == protocol::Abort);
    const bool line = pending_.size() >= 2 && pending_.ends_with(CrLf);
    if (!single && !line) continue;
    received_.push_back(std::exchange(pending_, {}));
    receivedAt_.push_back(clock_.now());
    if (answers_.empty()) continue;
    const std::string answer = answers_.front();
    answers_.pop_front();
    end.write({reinterpret_cast<const std::uint8_t*>(answer.data()), answer.size()});
  }
}

std::vector<Message> FailureMessages(const LinkOutcome& outcome) {
  if (!outcome.failure) return {};
  return LinkFailureMessages(*outcome.failure, {TransferMode::Read, TestPort, "QZ815", "", false});
}

std::vector<std::string> FailureTexts(const LinkOutcome& outcome) {
  std::vector<std::string> texts;
  for (const Message& message : FailureMessages(outcome)) texts.push_back(message.text);
  return texts;
}

std::vector<Box> Boxes(const RecordingPrompter& prompter) {
  std::vector<Box> boxes;
  for (const auto& b : prompter.boxes) boxes.push_back({b.icon, b.title, b.text});
  return boxes;
}

std::string ShownText(std::string_view name) {
  std::istringstream texts(
      ReadBytes(std::filesystem::path(TPW52_TEST_DATA) / "link" / "shown-texts.txt"));
  const std::string heading = "[" + std::string(name) + "]";
  std::string text;
  bool found = false;
  for (std::string line; std::getline(texts, line);) {
    if (line.starts_with('[') && found) break;
    if (line == heading) found = true;
    if (found && !line.starts_with('[') && !line.starts_with('#') && !line.empty()) {
      text += (text.empty() ? "" : CrLf) + line;
    }
  }
  if (!found) throw std::invalid_argument("no text named " + heading + " in shown-texts.txt");
  return text;
}

std::string KeptAtisCodeNote(const std::string& radioCode) {
  std::string note = CrLf + ShownText("kept-atis-code");
  return note.replace(note.find("{radio's code}"), 14, radioCode);
}

void RefuseUnplannedQuestions(RecordingPrompter& prompter) {
  prompter.unplanned = [](const RecordingPrompter::Box& box) {
    ADD_FAILURE() << "a question no answer was planned for: " << box.text;
    return box.buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
  };
}

LinkBench::LinkBench() {
  RefuseUnplannedQuestions(t.prompter);
  line.pc().portName = TestPort;
  line.pc().onWait = [this](std::chrono::milliseconds d) { t.host.advance(d); };
  line.pc().open(LineSettings(protocol::WorkingBaud));
  line.radio().open(LineSettings(protocol::WorkingBaud));
}

MemoryImage RadioMemory(std::uint8_t region, std::uint8_t seed) {
  MemoryImage image = ValidRadioImage(region);
  for (int a = 0; a <= ImageLastIndex; ++a) {
    const bool identity = (a >= addr::ModelVersionWord && a <= addr::ModelVersionWord + 1) ||
                          a >= addr::ModelVersionWord2 || a == addr::RegionCode ||
                          (a >= addr::ProductCode && a < addr::ProductCode + 6);
    if (!identity) image.set(a, static_cast<std::uint8_t>(a * 7 + seed));
  }
  return image;
}

MemoryImage WithAtisCode(MemoryImage image, std::uint8_t first) {
  const std::uint8_t code[] = {first, 0x11, 0x23, 0x45, 0x67};
  for (int i = 0; i < addr::AtisCodeLength; ++i) image.set(addr::AtisCode + i, code[i]);
  return image;
}

MemoryImage WithoutAtisCode(MemoryImage image) {
  for (int i = 0; i < addr::AtisCodeLength; ++i) image.set(addr::AtisCode + i, 0xFF);
  return image;
}

SimBench::SimBench(const MemoryImage& radioMemory, sim::SimFaults faults)
    : SimBench(radioMemory, RadioMemory(0xFF, 0x55), std::move(faults)) {}

SimBench::SimBench(const MemoryImage& radioMemory, const MemoryImage& pc, sim::SimFaults faults)
    : radio(radioMemory, std::move(faults)) {
  RefuseUnplannedQuestions(t.prompter);
  usePcImage(pc);
  line.pc().portName = TestPort;
  line.pc().onWait = [this](std::chrono::milliseconds d) { t.host.advance(d); };
}

void SimBench::usePcImage(const MemoryImage& image) {
  t.ws.image = image;
  DecodeImage(t.ws.image, t.ws.model, t.ws.caps.WxSupported);
  pcImage = t.ws.image;
}

void SimBench::cancelWhenRadioSees(std::string text) {
  radio.log = [this, text](std::string_view from, std::string_view bytes) {
    if (from == "pc" && bytes.starts_with(text)) t.host.requestCancel();
  };
}

TransferResult SimBench::run(TransferMode mode, const WriteChecks& checks) {
  return RunTransfer(t.ctx, line.pc(), observer, mode, checks);
}

TransferResult SimBench::runProtected(TransferMode mode, const SafetyNet& net) {
  return RunProtectedTransfer(t.ctx, line.pc(), observer, mode, net);
}

}  // namespace tpw::test
