#include "report/report_cells.h"

#include "image/channel_tables.h"
#include "image/display_text.h"

namespace tpw {

const PlanTable PlanTables[3] = {
    {ListId::CHUSA, "##### Programmable USA Channel #####"},
    {ListId::CHINT, "##### Programmable International Channel #####"},
    {ListId::CHCAN, "##### Programmable Canada Channel #####"},
};

std::vector<std::string> PlanRowCells(const ChannelRecord& r) {
  return {ChannelDisplayName(r), RxFreqText(r),    TxFreqText(r),         TxLabel(r.TxEnable),
          LowLabel(r.LowPower),  UpLabel(r.PowUp), DuplexLabel(r.Duplex), MemLabel(r.ScanMemory)};
}

std::vector<std::string> WeatherRowCells(const ChannelRecord& r, int index) {
  const bool known = index >= 0 && index < WxChannelCount;
  return {std::to_string(index + 1), EnableLabel(r.Enable), MemLabel(r.ScanMemory),
          known ? WxChannels()[static_cast<std::size_t>(index)].ChName : ""};
}

std::vector<std::string> FreeRowCells(const ChannelRecord& r, const char* prefix, int index) {
  const std::string number = std::to_string(index + 1);
  return {prefix + (number.size() < 2 ? "0" + number : number),
          OnDashLabel(r.ExpCB1),
          OnDashLabel(r.ExpCB2),
          OnDashLabel(r.ExpCB3),
          FieldOrDashes(r.CHDisplayL),
          FormatFreq4(r.Rxfreq),
          FormatFreq4(r.Txfreq),
          LowLabel(r.LowPower),
          UpLabel(r.PowUp),
          MemLabel(r.ScanMemory)};
}

std::string PriorityChannelName(const SettingsModel& model, int group) {
  const ChannelList& list = model.list(PlanTables[group].list);
  const long long index = static_cast<long long>(model.groups[group].PriorityCh) - 1;
  if (index < 0 || index >= list.size()) return {};
  return ChannelDisplayName(list[static_cast<int>(index)]);
}

}  // namespace tpw
