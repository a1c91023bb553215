#pragma once

#include <optional>
#include <string>

#include "link/link_failure.h"
#include "link/transfer.h"
#include "session/workspace.h"

// The test of the cable and the port before a transfer: the port opens, the cable does or does
// not return what it is sent, the radio answers the ping at the start speed, reports its
// status and shows what it is. It reads only the model words, the region and the ATIS bytes,
// writes nothing, asks nothing, and ends as a cancelled read ends: the radio is told to leave
// the transfer.
namespace tpw {

// What the radio showed of itself.
struct RadioIdentity {
  int firstModelWord = 0;   // 0x080-0x081
  int secondModelWord = 0;  // 0x7FE-0x7FF
  bool modelMatches = false;
  int region = 0;  // the byte at 0x0A0
  bool holdsAtisCode = false;
  int atisCount = 0;  // how often an ATIS code was programmed (0x287)
};

struct PortCheckResult {
  enum class Finding {
    PortRefused,  // the port could not be opened (failure says why)
    NoAnswer,     // nothing answered the ping
    NotReady,     // the radio answered but did not report ready (it may be busy)
    LinkFailed,   // the radio answered the ping, then the exchange failed (failure says how)
    Answered,     // the radio answered and showed what it is (radio)
    Cancelled,    // the user stopped the test
  };
  Finding finding = Finding::NoAnswer;
  // The cable returned the byte sent to it: transfers need the echo check.
  bool echoingCable = false;
  std::optional<LinkFailure> failure;
  RadioIdentity radio;
};

// The byte the echo test sends: the ping's follow-up, which the radio never answers alone.
inline constexpr char EchoTestByte = '0';

// Tests the port with the link settings of ctx (its echo check setting is found out, not
// taken); ctx's data set is not touched. The host's cancel stops it at its next wait.
PortCheckResult CheckPort(Context& ctx, SerialPort& port, TransferObserver& observer);

}  // namespace tpw
