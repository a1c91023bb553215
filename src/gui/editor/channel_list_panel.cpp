#include "gui/editor/channel_list_panel.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tpw::gui {

namespace {

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

ChannelListPanel::ChannelListPanel(QWidget* parent)
    : EditorPage(parent),
      grid_(new ChannelGridWidget(this)),
      newButton_(MakeButton(QStringLiteral("cmdBNew"), tr("NEW"), this)),
      editButton_(MakeButton(QStringLiteral("cmdBEdit"), tr("EDIT"), this)),
      deleteButton_(MakeButton(QStringLiteral("cmdBDELETE"), tr("DELETE"), this)) {
  setObjectName(QStringLiteral("pictB"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(grid_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* button : {newButton_, editButton_, deleteButton_}) {
    button->setMinimumWidth(80);
    buttons->addWidget(button);
  }
  layout->addLayout(buttons);

  connect(newButton_, &QPushButton::clicked, this,
          [this] { emit newRequested(grid_->selectedRecord()); });
  connect(editButton_, &QPushButton::clicked, this,
          [this] { emit editRequested(grid_->selectedRecord()); });
  connect(deleteButton_, &QPushButton::clicked, this,
          [this] { emit deleteRequested(grid_->selectedRecord()); });
  // Enter and a double click act exactly as EDIT, and only while EDIT is offered.
  connect(grid_, &ChannelGridWidget::editRequested, this, [this] {
    if (editButton_->isEnabled()) emit editRequested(grid_->selectedRecord());
  });
  connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row) {
    if (row >= 0) emit recordChosen(row);
  });
  connect(grid_, &ChannelGridWidget::hintRequested, this, &EditorPage::hintChanged);
}

void ChannelListPanel::showList(const Workspace& ws, ListId list, EditorState& state,
                                const QString& caption) {
  list_ = list;
  grid_->setAccessibleName(caption);
  const ChannelList& records = ws.model.list(list);
  grid_->setOneLineWheel(!ws.options.DebugMode);
  grid_->setRowsMovable(!IsGroupLayout(list));
  const GridSelection selection = SelectInShownList(state, list, records.size());
  {
    // Showing the list is no choice of a record: the state already holds the selection.
    const QSignalBlocker quiet(grid_);
    grid_->fill(BuildChannelGrid(ws.model, list, ws.caps.ScrambleSupported));
    grid_->selectRecord(selection.selectedRecord, selection.scrollToTop);
  }
  newButton_->setEnabled(selection.newEnabled);
  editButton_->setEnabled(selection.editEnabled);
  deleteButton_->setEnabled(selection.deleteEnabled);
}

}  // namespace tpw::gui
