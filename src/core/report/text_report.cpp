#include "report/text_report.h"

#include <array>
#include <span>
#include <string_view>

#include "files/atomic_file.h"
#include "files/file_failure.h"
#include "image/display_text.h"
#include "image/text_values.h"
#include "report/report_rows.h"

namespace tpw {

namespace {

constexpr int kLabelWidth = 35;
constexpr int kValueWidth = 18;
constexpr std::array kPlanWidths = {6, 9, 9, 4, 5, 4, 13, 5};
// The weather name has no width: it is written as it is.
constexpr std::array kWeatherWidths = {4, 8, 5};
constexpr std::array kFreeWidths = {7, 5, 5, 5, 6, 10, 10, 5, 4, 5};

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
  void setting(std::string_view label, const std::vector<std::string>& values) {
    std::string text = PadRight(label, kLabelWidth);
    for (const std::string& value : values) text += PadRight(value, kValueWidth);
    line(text);
  }
  // Cells of the given widths; a cell without a width is written as it is.
  void row(const std::vector<std::string>& cells, std::span<const int> widths) {
    std::string text;
    for (std::size_t i = 0; i < cells.size(); ++i) {
      text += i < widths.size() ? PadRight(cells[i], widths[i]) : cells[i];
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
  out.setting("", {"USA", "INT", m.groups[2].label, "EXP CH"});
  out.setting("Enable", GroupUsableTexts(m));
  out.setting("Priority CH", PriorityChannelNames(m));
  out.endParagraph();
  out.line("[Scanning Function]");
  out.setting("SCAN:", {OnOffLabel(m.common.scan)});
  out.setting("Resume Time:", {ResumeTimeLabel(m.common.resumeTime)});
  out.setting("PTT SCAN Clear:", {OnOffLabel(m.common.pttScanClear)});
  out.endParagraph();
  out.line("[DW/TW Function]");
  out.setting("DW/TW:", {OnOffLabel(m.common.dualWatch)});
  out.setting("Mode Select:", {ModeSelectLabel(m.common.modeSelect)});
  out.endParagraph();
}

void AtisSection(ReportText& out, const AtisSetup& atis) {
  out.line("[ATIS Function]");
  out.setting("Usable ATIS CH Group:", AtisGroupTexts(atis));
  out.setting("ATIS Mode:", {AtisModeLabel(atis.mode)});
  out.setting("ATIS Code:", {atis.code});
}

void ChannelTable(ReportText& out, const SettingsModel& m, const ReportTable& table) {
  out.endParagraph();
  out.line(table.textTitle);
  std::span<const int> widths;
  switch (table.kind) {
    case TableKind::Plan:
      out.line("CH    RX(MHz)  TX(MHz)  TX  LOW  UP  DUP          MEM");
      out.line("----  -------  -------  --  ---  --  -----------  ---");
      widths = kPlanWidths;
      break;
    case TableKind::Weather:
      out.line("CH  ENABLE  MEM  CH Name");
      out.line("--  ------  ---  ------------");
      widths = kWeatherWidths;
      break;
    case TableKind::Free:
      out.line("CH     " + GroupLabelsLine(m) + "DISP  RX(MHz)   TX(MHz)   LOW  UP  MEM");
      out.line("-----  ---  ---  ---  ----  --------  --------  ---  --  ---");
      widths = kFreeWidths;
      break;
  }
  for (const auto& cells : TableRows(table, m)) out.row(cells, widths);
}

}  // namespace

std::string BuildTextReport(const SettingsModel& m, const ModelCaps& caps) {
  ReportText out;
  CommonSection(out, m);
  if (caps.AtisSupported) AtisSection(out, m.atis);
  for (const ReportTable& table : ReportTables) {
    if (IsTableShown(table, m, caps)) ChannelTable(out, m, table);
  }
  return out.take();
}

Outcome SaveReportAs(Context& ctx, const std::filesystem::path& path, const std::string& report) {
  const Workspace& ws = ctx.ws;
  const std::error_code error = WriteFileAtomically(ctx.files, path, report + "\r\n");
  ctx.host.settleAfterFile();
  if (!error) return Outcome::Done;
  ctx.prompter.message(Icon::Exclamation, ws.caps.ModelName + " " + MainTitle(ws.caps),
                       error.message() + "\r\nThe report was not saved to " + path.string() + ": " +
                           FileFailureFinding(path, error, FileAction::Save));
  return Outcome::Failed;
}

}  // namespace tpw
