#include "link_test_support.h"

#include "image/image_codec.h"
#include "image/memory_map.h"
#include "link/frame.h"
#include "link/radio_checks.h"

namespace tpw::test {

ScriptedRadio::ScriptedRadio(MemoryLine& line) : line_(line) {
  line_.pc().onIdle = [this] { pump(); };
  line_.radio().anySpeed = true;
}

void ScriptedRadio::pump() {
  MemoryLine::End& end = line_.radio();
  while (end.bytesWaiting() > 0) {
    pending_ += static_cast<char>(*end.readByte(std::chrono::milliseconds(0)));
    const bool single =
        pending_.size() == 1 && (pending_ == "P" || pending_ == "0" || pending_[0] == Can);
    const bool line = pending_.size() >= 2 && pending_.ends_with(CrLf);
    if (!single && !line) continue;
    received_.push_back(std::exchange(pending_, {}));
    if (answers_.empty()) continue;
    const std::string answer = answers_.front();
    answers_.pop_front();
    end.write({reinterpret_cast<const std::uint8_t*>(answer.data()), answer.size()});
  }
}

LinkBench::LinkBench() {
  line.pc().onWait = [this](std::chrono::milliseconds d) { t.host.advance(d); };
  line.pc().open(RadioLink::HighSpeedSettings);
  line.radio().open(RadioLink::HighSpeedSettings);
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

SimBench::SimBench(const MemoryImage& radioMemory, sim::SimFaults faults)
    : radio(radioMemory, std::move(faults)) {
  line.pc().onWait = [this](std::chrono::milliseconds d) { t.host.advance(d); };
}

void SimBench::usePcImage(const MemoryImage& image) {
  t.ws.image = image;
  DecodeImage(t.ws.image, t.ws.model, t.ws.caps.WxSupported);
}

TransferResult SimBench::run(TransferMode mode) {
  return RunTransfer(t.ctx, line.pc(), observer, mode);
}

}  // namespace tpw::test
