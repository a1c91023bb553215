// Feeds arbitrary bytes to the PC as the radio's answers to a block read and a status request:
// nothing may fault, and a block read stores bytes only at the addresses it asked for.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "link/memory_line.h"
#include "link/protocol.h"
#include "link/radio_checks.h"
#include "link/radio_link.h"
#include "support/test_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Every question gets its default answer; time moves only when the PC waits.
  tpw::test::TestContext test;
  tpw::Context& ctx = test.ctx;
  tpw::test::FakeHost& host = test.host;
  tpw::MemoryLine line;
  line.pc().open(tpw::LineSettings(tpw::protocol::WorkingBaud));
  line.radio().open(tpw::LineSettings(tpw::protocol::WorkingBaud));
  // The radio answers each of the PC's first messages with a slice of the input.
  std::size_t offset = 0;
  line.pc().onIdle = [&] {
    if (offset >= size || line.radio().bytesWaiting() == 0) return;
    const std::size_t length = std::min<std::size_t>(size - offset, 1 + data[offset] % 96);
    line.radio().write({data + offset, length});
    line.radio().discardInput();
    offset += length;
  };
  line.pc().onWait = [&](std::chrono::milliseconds slice) { host.advance(slice); };
  tpw::SilentTransferObserver observer;
  tpw::RadioLink link(ctx, line.pc(), observer, "Read from Radio");

  tpw::MemoryImage buffer;
  const tpw::MemoryImage before = buffer;
  link.readBlock(buffer, 0x100, 16, "frmRadio.ReadData");
  for (int a = 0; a <= tpw::ImageLastIndex; ++a) {
    if ((a < 0x100 || a >= 0x110) && buffer.at(a) != before.at(a)) std::abort();
  }
  tpw::CheckStatus(link);
  return 0;
}
