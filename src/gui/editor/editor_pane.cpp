#include "gui/editor/editor_pane.h"

#include <QEvent>
#include <QHeaderView>
#include <optional>

#include "adapters/translations/qt_translations.h"
#include "editor/channel_form.h"
#include "editor/channel_list_edit.h"
#include "gui/editor/general_page.h"

namespace tpw::gui {

namespace {

QString TreeHintText() {
  return TranslatedText(TreeHint);
}

// A node's text in the user's language; a group's label in brackets ("Group1(USA)") is data and
// stays as it is.
QString NodeText(const std::string& text) {
  const std::size_t bracket = text.find('(');
  if (bracket == std::string::npos) return TranslatedText(text);
  return TranslatedText(text.substr(0, bracket)) + QString::fromStdString(text.substr(bracket));
}

}  // namespace

EditorPane::EditorPane(Workspace& ws, Prompter& prompter, QWidget* parent)
    : QObject(parent),
      ws_(ws),
      prompter_(prompter),
      tree_(new QTreeWidget(parent)),
      panels_(new QStackedWidget(parent)),
      listPanel_(new ChannelListPanel(panels_)),
      channelPanel_(new ChannelEditPanel(ws, state_, prompter, panels_)) {
  tree_->setObjectName(QStringLiteral("tvTreeView"));
  tree_->setAccessibleName(tr("Settings"));
  tree_->setAccessibleDescription(TreeHintText());
  tree_->setHeaderHidden(true);
  tree_->setRootIsDecorated(true);
  tree_->installEventFilter(this);
  panels_->setObjectName(QStringLiteral("panels"));

  addPage(PanelId::General, new GeneralPage(panels_));
  addPage(PanelId::Common,
          new PlaceholderPage(QStringLiteral("pictCommon"), tr("Common Setup"), panels_));
  addPage(PanelId::Grey, new PlaceholderPage(QStringLiteral("pictGrey"), QString(), panels_));
  addPage(PanelId::ChannelList, listPanel_);
  addPage(PanelId::ChannelEdit, channelPanel_);
  addPage(PanelId::Weather, new PlaceholderPage(QStringLiteral("pictD"), tr("Weather"), panels_));
  disableAllPanels();

  connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
    if (selectingByProgram_ || current == nullptr) return;
    const auto found = std::find(treeItems_.begin(), treeItems_.end(), current);
    if (found != treeItems_.end()) nodeClicked(static_cast<int>(found - treeItems_.begin()) + 1);
  });
  connect(tree_, &QTreeWidget::itemClicked, this, [this] { setTreeHint(); });
  connect(listPanel_, &ChannelListPanel::recordChosen, this,
          [this](int record) { state_.currentRow = static_cast<std::int16_t>(record); });
  connect(listPanel_, &ChannelListPanel::editRequested, this,
          [this](int record) { openChannel(record, false); });
  connect(listPanel_, &ChannelListPanel::newRequested, this,
          [this](int record) { openChannel(record, true); });
  connect(listPanel_, &ChannelListPanel::deleteRequested, this, &EditorPane::deleteChannel);
  // Back in the list, the grid has the focus: Enter opens the next channel.
  connect(channelPanel_, &ChannelEditPanel::saved, this, [this] {
    refreshCurrentNode();
    listPanel_->grid()->setFocus();
  });
  connect(channelPanel_, &ChannelEditPanel::cancelled, this, [this] {
    showPanel(PanelId::ChannelList);
    listPanel_->grid()->setFocus();
  });
}

void EditorPane::addPage(PanelId id, EditorPage* page) {
  pages_[id] = page;
  panels_->addWidget(page);
  connect(page, &EditorPage::hintChanged, this, &EditorPane::hintChanged);
}

void EditorPane::setPage(PanelId id, EditorPage* page) {
  EditorPage* old = pages_.at(id);
  panels_->removeWidget(old);
  old->deleteLater();
  addPage(id, page);
  disableAllPanels();
  if (active_ == id) showPanel(id);
}

int EditorPane::selectedNodeIndex() const {
  const auto found = std::find(treeItems_.begin(), treeItems_.end(), tree_->currentItem());
  return found == treeItems_.end() ? 0 : static_cast<int>(found - treeItems_.begin()) + 1;
}

void EditorPane::paintTree() {
  selectingByProgram_ = true;
  tree_->clear();
  treeItems_.clear();
  for (const TreeNode& node : treeData_.nodes) {
    QTreeWidgetItem* item =
        node.parent == 0
            ? new QTreeWidgetItem(tree_)
            : new QTreeWidgetItem(treeItems_[static_cast<std::size_t>(node.parent - 1)]);
    item->setText(0, NodeText(node.text));
    item->setData(0, Qt::UserRole, QString::fromStdString(node.key));
    treeItems_.push_back(item);
  }
  tree_->expandAll();
  selectingByProgram_ = false;
}

void EditorPane::buildTree() {
  dropOpenChannel();
  treeData_ = BuildTree(ws_.model, ws_.caps.WxSupported);
  paintTree();
}

void EditorPane::updateGroupLabels() {
  UpdateGroupLabels(treeData_, ws_.model);
  for (int i = 1; i <= treeData_.count(); ++i) {
    treeItems_[static_cast<std::size_t>(i - 1)]->setText(0, NodeText(treeData_.node(i).text));
  }
}

void EditorPane::rebuildTree() {
  // The selected node stays selected when it is still in the tree, at its new index.
  const int selected = selectedNodeIndex();
  const std::string key = selected > 0 ? treeData_.node(selected).key : std::string();
  const bool selectedIsCurrent = selected > 0 && selected == state_.currentNode;
  dropOpenChannel();
  treeData_ = RebuildTree(ws_.model, ws_.caps.WxSupported);
  paintTree();
  const int index = key.empty() ? 0 : FindNodeByKey(treeData_, key);
  if (index == 0) return;
  selectTreeItem(index);
  if (selectedIsCurrent) state_.currentNode = static_cast<std::int16_t>(index);
}

void EditorPane::showNode(int treeIndex) {
  const std::optional<NodeView> view = ViewOfNode(treeData_, treeIndex);
  if (view) {
    if (view->panel == PanelId::ChannelList && view->list) {
      listPanel_->showList(ws_, *view->list, state_, NodeText(treeData_.node(treeIndex).text));
    } else {
      page(view->panel)->fillControls();
    }
    showPanel(view->panel);
  }
  setTreeHint();
}

void EditorPane::refreshCurrentNode() {
  state_.currentNode = static_cast<std::int16_t>(selectedNodeIndex());
  showNode(state_.currentNode);
}

void EditorPane::selectNodeByKey(const QString& key) {
  const int index = FindNodeByKey(treeData_, key.toStdString());
  if (index == 0) return;
  selectTreeItem(index);
  nodeClicked(index);
}

bool EditorPane::goTo(const QString& key, int row) {
  const int index = FindNodeByKey(treeData_, key.toStdString());
  if (index == 0) return false;
  selectTreeItem(index);
  nodeClicked(index);
  if (state_.currentNode != index) return false;
  const std::optional<NodeView> view = ViewOfNode(treeData_, index);
  if (row >= 0 && view && view->list) {
    state_.currentRow = static_cast<std::int16_t>(row);
    refreshCurrentNode();
  }
  return true;
}

void EditorPane::selectTreeItem(int treeIndex) {
  selectingByProgram_ = true;
  tree_->setCurrentItem(treeItems_[static_cast<std::size_t>(treeIndex - 1)]);
  selectingByProgram_ = false;
}

void EditorPane::nodeClicked(int treeIndex) {
  setTreeHint();
  if (treeIndex == state_.currentNode) return;
  if (validateBeforeLeave()) {
    state_.currentNode = static_cast<std::int16_t>(treeIndex);
    showNode(treeIndex);
  } else if (state_.currentNode >= 1 && state_.currentNode <= treeData_.count()) {
    selectTreeItem(state_.currentNode);
  }
}

void EditorPane::disableAllPanels() {
  for (auto& [id, page] : pages_) page->setEnabled(false);
}

void EditorPane::showPanel(PanelId id) {
  disableAllPanels();
  EditorPage* shown = page(id);
  panels_->setCurrentWidget(shown);
  shown->setEnabled(true);
  active_ = id;
}

bool EditorPane::validateBeforeLeave() {
  EditorPage* shown = page(active_);
  return !shown->isEnabled() || shown->validateBeforeLeave();
}

void EditorPane::resetPanels() {
  for (auto& [id, page] : pages_) page->resetPage();
  disableAllPanels();
}

void EditorPane::openChannel(int record, bool newRecord) {
  const ChannelList& list = ws_.model.list(listPanel_->list());
  state_.channelMode = newRecord ? ChannelEditMode::New : ChannelEditMode::Edit;
  const std::optional<std::int16_t> row = RowToOpen(list, record, newRecord);
  if (!row) return;
  state_.currentRow = *row;
  channelPanel_->showChannel(listPanel_->list(), newRecord ? NewChannelTemplate() : list[*row]);
  showPanel(PanelId::ChannelEdit);
  channelPanel_->focusFirstControl();
}

void EditorPane::deleteChannel(int record) {
  if (DeleteChannel(ws_, prompter_, listPanel_->list(), record).outcome != ListEdit::Done) return;
  // The record before the deleted one is selected; the first when the first went.
  state_.currentRow = static_cast<std::int16_t>(record - 1);
  refreshCurrentNode();
}

void EditorPane::dropOpenChannel() {
  // The tree is built anew for a new data set (New, Open, Read, a region) or new groups: a
  // record still in the edit panel would be saved into a list it no longer belongs to.
  channelPanel_->resetPage();
  channelPanel_->setEnabled(false);
}

void EditorPane::setTreeHint() {
  emit hintChanged(TreeHintText());
}

bool EditorPane::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tree_ && event->type() == QEvent::FocusIn) setTreeHint();
  return QObject::eventFilter(watched, event);
}

}  // namespace tpw::gui
