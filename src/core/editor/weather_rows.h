#pragma once

#include <array>
#include <string>

#include "image/channel_tables.h"
#include "image/settings_model.h"

// The rows of the Weather page: one per channel of the weather table, record k of CHWX being
// weather channel k + 1. A row whose record the list does not hold shows nothing and takes no
// click.
namespace tpw {

struct WeatherRow {
  std::string name;      // "WX01[162.550MHz]"
  bool present = false;  // the list holds the row's record
  bool enable = false;
  bool scan = false;
  bool scanUsable = false;  // the Scan box is usable while its channel is enabled

  bool operator==(const WeatherRow&) const = default;
};

using WeatherRows = std::array<WeatherRow, WxChannelCount>;

WeatherRows WeatherRowsOf(const SettingsModel& model);

}  // namespace tpw
