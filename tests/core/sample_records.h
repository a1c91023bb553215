#pragma once

#include "image/settings_model.h"

// Channel records for tests of the files and the report.
namespace tpw::test {

// An enabled USA/INT/CAN record.
inline ChannelRecord PlanRecord(int position, int duplex, bool tx, bool low, bool up,
                                bool mem = false) {
  ChannelRecord r;
  r.Position = static_cast<std::int16_t>(position);
  r.Enable = true;
  r.Duplex = static_cast<std::int16_t>(duplex);
  r.TxEnable = tx;
  r.LowPower = low;
  r.PowUp = up;
  r.ScanMemory = mem;
  return r;
}

// An enabled RG/EXP record, transmitting when it has a transmit frequency.
inline ChannelRecord FreeRecord(const char* display, double rx, double tx) {
  ChannelRecord r;
  r.Enable = true;
  r.CHDisplayL = display;
  r.Rxfreq = rx;
  r.Txfreq = tx;
  r.TxEnable = tx > 0;
  return r;
}

}  // namespace tpw::test
