#include "link/write_verification.h"

#include <set>

#include "link/clone_read.h"

namespace tpw {

namespace {

constexpr const char* VerifyProcedure = "frmRadio.VerifyData";

std::set<int> BlocksHolding(const std::map<int, std::uint8_t>& sent) {
  std::set<int> blocks;
  for (const auto& [address, byte] : sent) {
    blocks.insert(address - address % RadioLink::BlockSize);
  }
  return blocks;
}

}  // namespace

LinkOutcome VerifyAcknowledgedWrites(RadioLink& link, WriteVerification& verification) {
  const std::map<int, std::uint8_t>& sent = link.acknowledgedBytes();
  if (LinkOutcome opened = link.reopenPort(); !opened.isDone()) return opened;
  link.monitor("radio verifying...");
  link.beginReadBack();
  link.observer().verifying();
  link.observer().progress(0);
  MemoryImage radio;
  for (const int block : BlocksHolding(sent)) {
    if (link.cancelRequested()) return LinkOutcome::cancelled();
    link.observer().progress(BlockProgress(block));
    const LinkOutcome read =
        link.honourCancel(link.readBlock(radio, block, RadioLink::BlockSize, VerifyProcedure));
    if (!read.isDone()) return read;
  }
  verification.differing.clear();
  for (const auto& [address, byte] : sent) {
    if (radio.at(address) != byte) verification.differing.push_back(address);
  }
  verification.state =
      verification.differing.empty() ? VerificationState::Verified : VerificationState::Differs;
  link.observer().progress(100);
  return LinkOutcome::done();
}

}  // namespace tpw
