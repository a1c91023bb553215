#include "gui/editor/channel_list_commands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "editor/channel_grid.h"
#include "editor/channel_rows_text.h"
#include "editor/list_arrangement.h"
#include "files/channel_csv.h"

namespace tpw::gui {

namespace {

QString FromStd(const std::string& text) {
  return QString::fromStdString(text);
}

// The channels the clipboard holds for the list: the program's own rows exactly as they were
// copied, else tab-separated text in the grid's columns; why they cannot be read, otherwise.
GridRowsRead ClipboardChannels(const QMimeData& data, ListId list, const ModelCaps& caps) {
  if (!data.hasFormat(ChannelListCommands::MimeType)) {
    return ReadGridRowsText(data.text().toStdString(), list, caps.ScrambleSupported);
  }
  const ChannelCsvRead read =
      ReadChannelsCsv(data.data(ChannelListCommands::MimeType).toStdString(), caps);
  GridRowsRead rows;
  if (read.fault || !read.refused.empty()) {
    rows.refusal =
        Fill(ClipboardNotPastedTemplate, {read.fault ? *read.fault : read.refused.front().text});
    return rows;
  }
  for (const CsvChannel& channel : read.channels) {
    rows.channels.push_back({PastedName(channel.list, channel.record), channel.record});
  }
  return rows;
}

}  // namespace

ChannelListCommands::ChannelListCommands(EditorPane& editor, Workspace& ws, Prompter& prompter,
                                         QObject* parent)
    : QObject(parent), editor_(editor), ws_(ws), prompter_(prompter) {
  connect(editor_.listPanel()->grid(), &ChannelGridWidget::rowsDropped, this,
          &ChannelListCommands::moveBefore);
}

bool ChannelListCommands::listShown() const {
  return editor_.activePanel() == PanelId::ChannelList && editor_.listPanel()->isEnabled();
}

bool ChannelListCommands::movableListShown() const {
  return listShown() && !IsGroupLayout(editor_.listPanel()->list());
}

void ChannelListCommands::copy() {
  const std::vector<int> rows = editor_.listPanel()->grid()->selectedRecords();
  if (!listShown() || rows.empty()) return;
  const ListId list = editor_.listPanel()->list();
  auto* data = new QMimeData;
  data->setText(FromStd(GridRowsText(ws_.model, list, rows, ws_.caps.ScrambleSupported)));
  data->setData(MimeType,
                QByteArray::fromStdString(ChannelRowsCsv(ws_.model, list, rows, ws_.caps)));
  QGuiApplication::clipboard()->setMimeData(data);
}

void ChannelListCommands::cut() {
  const std::vector<int> rows = editor_.listPanel()->grid()->selectedRecords();
  if (!listShown() || rows.empty()) return;
  copy();
  if (CutChannels(ws_, editor_.listPanel()->list(), rows).outcome != ListEdit::Done) return;
  showChanged(std::max(0, rows.front() - 1), 1);
}

void ChannelListCommands::paste() {
  if (!listShown()) return;
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr) return;
  const ListId list = editor_.listPanel()->list();
  const GridRowsRead read = ClipboardChannels(*data, list, ws_.caps);
  const ChannelList& records = ws_.model.list(list);
  const int selected = editor_.listPanel()->grid()->selectedRecord();
  // After the selected row; after the last when none is selected.
  std::int16_t row = static_cast<std::int16_t>(selected >= 0 ? selected : records.size() - 1);
  ListEditResult pasted;
  if (!read.refusal && !read.channels.empty()) {
    pasted = PasteChannels(ws_, list, read.channels, row);
  }
  const std::string refusal = read.refusal ? *read.refusal : pasted.refusal;
  if (!refusal.empty()) {
    prompter_.message(Icon::Exclamation, MainTitle(ws_.caps), refusal);
    return;
  }
  if (pasted.outcome != ListEdit::Done) return;
  const int count = static_cast<int>(read.channels.size());
  showChanged(row - count + 1, count);
}

std::pair<int, int> ChannelListCommands::selectedBlock() const {
  const ChannelGridWidget* grid = editor_.listPanel()->grid();
  const std::vector<int> rows = grid->selectedRecords();
  const bool together =
      !rows.empty() && rows.back() - rows.front() + 1 == static_cast<int>(rows.size());
  if (together) return {rows.front(), static_cast<int>(rows.size())};
  return {grid->selectedRecord(), 1};
}

void ChannelListCommands::moveBy(int rows) {
  if (!movableListShown()) return;
  const auto [first, count] = selectedBlock();
  if (first < 0) return;
  if (MoveChannels(ws_, editor_.listPanel()->list(), first, count, first + rows).outcome ==
      ListEdit::Done) {
    showChanged(first + rows, count);
  }
}

void ChannelListCommands::moveBefore(int before) {
  if (!movableListShown()) return;
  const auto [first, count] = selectedBlock();
  if (first < 0 || (before >= first && before <= first + count)) return;
  const int to = before < first ? before : before - count;
  if (MoveChannels(ws_, editor_.listPanel()->list(), first, count, to).outcome == ListEdit::Done) {
    showChanged(to, count);
  }
}

void ChannelListCommands::showChanged(int first, int count) {
  editor_.state().currentRow = static_cast<std::int16_t>(first + count - 1);
  editor_.refreshCurrentNode();
  editor_.listPanel()->grid()->selectRecords(first, count);
}

}  // namespace tpw::gui
