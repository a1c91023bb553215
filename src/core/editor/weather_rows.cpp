#include "editor/weather_rows.h"

namespace tpw {

namespace {

ChannelRecord* RecordOfRow(SettingsModel& model, int row) {
  if (row < 0 || row >= WxChannelCount || row >= model.CHWX.size()) return nullptr;
  return &model.CHWX[row];
}

}  // namespace

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

bool SetWeatherEnable(SettingsModel& model, int row, bool enable) {
  ChannelRecord* record = RecordOfRow(model, row);
  if (record == nullptr) return false;
  record->enabled = enable;
  return true;
}

bool SetWeatherScan(SettingsModel& model, int row, bool scan) {
  ChannelRecord* record = RecordOfRow(model, row);
  if (record == nullptr) return false;
  record->scanMemory = scan;
  return true;
}

}  // namespace tpw
