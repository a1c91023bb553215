#include "report/text_report.h"

#include <initializer_list>

#include "files/atomic_file.h"
#include "image/display_text.h"
#include "image/text_values.h"
#include "report/report_cells.h"

namespace tpw {

namespace {

constexpr int kLabelWidth = 35;
constexpr int kValueWidth = 18;
constexpr int kPlanWidths[] = {6, 9, 9, 4, 5, 4, 13, 5};
constexpr int kWeatherWidths[] = {4, 8, 5};
constexpr int kFreeWidths[] = {7, 5, 5, 5, 6, 10, 10, 5, 4, 5};

class ReportText {
 public:
  // The first line starts the text; every later one is preceded by CR LF.
  void line(const std::string& text) {
    if (started_) text_ += "\r\n";
    text_ += text;
    started_ = true;
  }
  void endParagraph() { text_ += "\r\n"; }
  // A label cell and value cells.
  void setting(const char* label, std::initializer_list<std::string> values) {
    std::string text = PadRight(label, kLabelWidth);
    for (const std::string& value : values) text += PadRight(value, kValueWidth);
    line(text);
  }
  // Cells of the given widths; a cell without a width (the weather name) is written as it is.
  template <std::size_t N>
  void row(const std::vector<std::string>& cells, const int (&widths)[N]) {
    std::string text;
    for (std::size_t i = 0; i < cells.size(); ++i) {
      text += i < N ? PadRight(cells[i], widths[i]) : cells[i];
    }
    line(text);
  }
  std::string take() { return std::move(text_); }

 private:
  std::string text_;
  bool started_ = false;
};

void CommonSection(ReportText& out, const SettingsModel& m) {
  out.line("##### Common Setup #####");
  out.line("[Usable Channel Groups]");
  out.setting("", {"USA", "INT", m.groups[2].GroupLabel, "EXP CH"});
  out.setting("Enable", {OnOffLabel(m.groups[0].Usable), OnOffLabel(m.groups[1].Usable),
                         OnOffLabel(m.groups[2].Usable), OnOffLabel(m.groups[3].Usable)});
  out.setting("Priority CH",
              {PriorityChannelName(m, 0), PriorityChannelName(m, 1), PriorityChannelName(m, 2)});
  out.endParagraph();
  out.line("[Scanning Function]");
  out.setting("SCAN:", {OnOffLabel(m.common.Scan)});
  out.setting("Resume Time:", {ResumeTimeLabel(m.common.ResumeTime)});
  out.setting("PTT SCAN Clear:", {OnOffLabel(m.common.PttScanClear)});
  out.endParagraph();
  out.line("[DW/TW Function]");
  out.setting("DW/TW:", {OnOffLabel(m.common.DwTw)});
  out.setting("Mode Select:", {ModeSelectLabel(m.common.ModeSelect)});
  out.endParagraph();
}

void AtisSection(ReportText& out, const AtisSetup& atis) {
  out.line("[ATIS Function]");
  out.setting("Usable ATIS CH Group:",
              {OnOffLabel(atis.AtisChGroup[0]), OnOffLabel(atis.AtisChGroup[1]),
               OnOffLabel(atis.AtisChGroup[2]), OnOffLabel(atis.AtisChGroup[3])});
  out.setting("ATIS Mode:", {AtisModeLabel(atis.AtisMode)});
  out.setting("ATIS Code:", {atis.AtisCode});
}

void FreeTable(ReportText& out, const SettingsModel& m, ListId id, const char* title,
               const char* prefix) {
  const ChannelList& list = m.list(id);
  if (list.isEmpty()) return;
  out.endParagraph();
  out.line(title);
  out.line("CH     " + GroupLabelsLine(m) + "DISP  RX(MHz)   TX(MHz)   LOW  UP  MEM");
  out.line("-----  ---  ---  ---  ----  --------  --------  ---  --  ---");
  for (int i = 0; i < list.size(); ++i) out.row(FreeRowCells(list[i], prefix, i), kFreeWidths);
}

}  // namespace

std::string BuildTextReport(const SettingsModel& m, const ModelCaps& caps) {
  ReportText out;
  CommonSection(out, m);
  if (caps.AtisSupported) AtisSection(out, m.atis);
  for (const PlanTable& table : PlanTables) {
    const ChannelList& list = m.list(table.list);
    if (list.isEmpty()) continue;
    out.endParagraph();
    out.line(table.title);
    out.line("CH    RX(MHz)  TX(MHz)  TX  LOW  UP  DUP          MEM");
    out.line("----  -------  -------  --  ---  --  -----------  ---");
    for (const ChannelRecord& r : list) {
      if (r.Enable) out.row(PlanRowCells(r), kPlanWidths);
    }
  }
  if (caps.WxSupported) {
    out.endParagraph();
    out.line("##### Programmable Wx Channel #####");
    out.line("CH  ENABLE  MEM  CH Name");
    out.line("--  ------  ---  ------------");
    for (int i = 0; i < m.CHWX.size(); ++i) out.row(WeatherRowCells(m.CHWX[i], i), kWeatherWidths);
  }
  FreeTable(out, m, ListId::CHRG, "##### Programable Region Channel #####", "RG");
  FreeTable(out, m, ListId::CHEXP, "##### Programable Exp Channel #####", "EXP");
  return out.take();
}

bool SaveReportAs(Context& ctx, const std::filesystem::path& path, const std::string& report) {
  Workspace& ws = ctx.ws;
  ws.flags.ErrorFlag = false;
  const std::error_code error = WriteFileAtomically(path, report + "\r\n");
  ctx.host.settleAfterFile();
  if (!error) return true;
  ctx.prompter.message(Icon::Exclamation, ws.caps.ModelName + " " + MainTitle(ws.caps),
                       error.message());
  ws.flags.ErrorFlag = true;
  ws.flags.CancelFlag = true;
  return false;
}

}  // namespace tpw
