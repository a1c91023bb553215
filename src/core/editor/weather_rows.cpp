#include "editor/weather_rows.h"

namespace tpw {

WeatherRows WeatherRowsOf(const SettingsModel& model) {
  WeatherRows rows;
  for (int k = 0; k < WxChannelCount; ++k) {
    WeatherRow& row = rows[static_cast<std::size_t>(k)];
    row.name = WxChannels()[static_cast<std::size_t>(k)].ChName;
    if (k >= model.CHWX.size()) continue;
    const ChannelRecord& record = model.CHWX[k];
    row.present = true;
    row.enable = record.enabled;
    row.scan = record.scanMemory;
    row.scanUsable = record.enabled;
  }
  return rows;
}

}  // namespace tpw
