#include "report/report_rows.h"

#include "image/channel_tables.h"
#include "image/display_text.h"

namespace tpw {

namespace {

std::vector<std::string> PlanRowCells(const ChannelRecord& r) {
  return {ChannelDisplayName(r), RxFreqText(r),      TxFreqText(r),         TxLabel(r.txEnabled),
          LowLabel(r.lowPower),  UpLabel(r.powerUp), DuplexLabel(r.duplex), MemLabel(r.scanMemory)};
}

std::vector<std::string> WeatherRowCells(const ChannelRecord& r, int index) {
  const bool known = index >= 0 && index < WxChannelCount;
  return {std::to_string(index + 1), EnableLabel(r.enabled), MemLabel(r.scanMemory),
          known ? WxChannels()[static_cast<std::size_t>(index)].ChName : ""};
}

std::vector<std::string> FreeRowCells(const ChannelRecord& r, const char* prefix, int index) {
  const std::string number = std::to_string(index + 1);
  return {prefix + (number.size() < 2 ? "0" + number : number),
          OnDashLabel(r.inUsaGroup),
          OnDashLabel(r.inIntGroup),
          OnDashLabel(r.inRegionGroup),
          FieldOrDashes(r.displayLeft),
          FormatFreq4(r.rxFrequency),
          FormatFreq4(r.txFrequency),
          LowLabel(r.lowPower),
          UpLabel(r.powerUp),
          MemLabel(r.scanMemory)};
}

}  // namespace

const std::array<ReportTable, 6> ReportTables = {{
    {ListId::CHUSA, TableKind::Plan, "##### Programmable USA Channel #####",
     "##### Programmable USA Channel #####", ""},
    {ListId::CHINT, TableKind::Plan, "##### Programmable International Channel #####",
     "##### Programmable International Channel #####", ""},
    {ListId::CHCAN, TableKind::Plan, "##### Programmable Canada Channel #####",
     "##### Programmable Canada Channel #####", ""},
    {ListId::CHWX, TableKind::Weather, "##### Programmable Wx Channel #####",
     "##### Programable WX Channel #####", ""},
    {ListId::CHRG, TableKind::Free, "##### Programable Region Channel #####",
     "##### Programable REGION Channel #####", "RG"},
    {ListId::CHEXP, TableKind::Free, "##### Programable Exp Channel #####",
     "##### Programmable EXP Channel #####", "EXP"},
}};

std::vector<std::string> GroupUsableTexts(const SettingsModel& model) {
  std::vector<std::string> texts;
  for (const ChannelGroup& group : model.groups) texts.push_back(OnOffLabel(group.usable));
  return texts;
}

std::string PriorityChannelName(const SettingsModel& model, int group) {
  const ChannelList& list = model.list(GroupList(group));
  const long long index = static_cast<long long>(model.groups[group].priorityChannel) - 1;
  if (index < 0 || index >= list.size()) return {};
  return ChannelDisplayName(list[static_cast<int>(index)]);
}

std::vector<std::string> PriorityChannelNames(const SettingsModel& model) {
  return {PriorityChannelName(model, 0), PriorityChannelName(model, 1),
          PriorityChannelName(model, 2)};
}

std::vector<std::string> AtisGroupTexts(const AtisSetup& atis) {
  std::vector<std::string> texts;
  for (bool usable : atis.groups) texts.push_back(OnOffLabel(usable));
  return texts;
}

bool IsTableShown(const ReportTable& table, const SettingsModel& model, const ModelCaps& caps) {
  if (table.kind == TableKind::Weather) return caps.WxSupported;
  return !model.list(table.list).isEmpty();
}

std::vector<std::vector<std::string>> TableRows(const ReportTable& table,
                                                const SettingsModel& model) {
  const ChannelList& list = model.list(table.list);
  std::vector<std::vector<std::string>> rows;
  for (int i = 0; i < list.size(); ++i) {
    switch (table.kind) {
      case TableKind::Plan:
        if (list[i].enabled) rows.push_back(PlanRowCells(list[i]));
        break;
      case TableKind::Weather:
        rows.push_back(WeatherRowCells(list[i], i));
        break;
      case TableKind::Free:
        rows.push_back(FreeRowCells(list[i], table.rowPrefix, i));
        break;
    }
  }
  return rows;
}

}  // namespace tpw
