#pragma once

#include "image/settings_model.h"
#include "session/workspace.h"

// Channel records and model capabilities for tests of the files and the report.
namespace tpw::test {

// An enabled USA/INT/CAN record.
inline ChannelRecord PlanRecord(int position, int duplex, bool tx, bool low, bool up,
                                bool mem = false) {
  ChannelRecord r;
  r.position = static_cast<std::int16_t>(position);
  r.enabled = true;
  r.duplex = static_cast<std::int16_t>(duplex);
  r.txEnabled = tx;
  r.lowPower = low;
  r.powerUp = up;
  r.scanMemory = mem;
  return r;
}

// A plan record with the status its name shows: icon 1 "A", 2 "B", 3 none; number 1 "10", 2 "20".
inline ChannelRecord WithStatus(ChannelRecord record, int icon, int number) {
  record.statusIcon = static_cast<std::int16_t>(icon);
  record.statusNo = static_cast<std::int16_t>(number);
  return record;
}

// An enabled RG/EXP record, transmitting when it has a transmit frequency.
inline ChannelRecord FreeRecord(const char* display, double rx, double tx) {
  ChannelRecord r;
  r.enabled = true;
  r.displayLeft = display;
  r.rxFrequency = rx;
  r.txFrequency = tx;
  r.txEnabled = tx > 0;
  return r;
}

// What a model offers besides its channels: the reports leave out what it lacks.
inline ModelCaps Caps(bool atis, bool wx) {
  ModelCaps caps;
  caps.AtisSupported = atis;
  caps.WxSupported = wx;
  return caps;
}

}  // namespace tpw::test
