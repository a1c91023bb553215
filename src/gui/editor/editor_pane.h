#pragma once

#include <QObject>
#include <QStackedWidget>
#include <QTreeWidget>
#include <map>
#include <vector>

#include "editor/editor_state.h"
#include "editor/navigation_tree.h"
#include "gui/editor/channel_edit_panel.h"
#include "gui/editor/channel_list_panel.h"
#include "gui/editor/editor_page.h"
#include "session/workspace.h"

namespace tpw::gui {

// The editor of the main window: the navigation tree (tvTreeView) on the left, the panels
// of the right pane, and the editor's state. One panel is enabled and in front at a time;
// a panel that holds a half-edited value is left only when it accepts the value.
class EditorPane : public QObject {
  Q_OBJECT

 public:
  EditorPane(Workspace& ws, Prompter& prompter, QWidget* parent);

  QTreeWidget* tree() const { return tree_; }
  QStackedWidget* panels() const { return panels_; }
  ChannelListPanel* listPanel() const { return listPanel_; }
  EditorPage* page(PanelId id) const { return pages_.at(id); }
  // Puts the real editor of a panel in place of its empty page.
  void setPage(PanelId id, EditorPage* page);

  EditorState& state() { return state_; }
  const NavigationTree& treeData() const { return treeData_; }
  PanelId activePanel() const { return active_; }
  // The tree index of the selected node, or 0.
  int selectedNodeIndex() const;

  // The nodes of the data set without their group labels, as a reset of the editor first
  // shows them.
  void buildTree();
  // Adds the group labels to the group nodes.
  void updateGroupLabels();
  // The nodes with their labels anew, after a load or a change of the usable groups.
  void rebuildTree();
  // Shows the panel of a node, filled from the settings; filling alone changes no setting.
  void showNode(int treeIndex);
  // Shows the selected node again, after its data changed.
  void refreshCurrentNode();
  // Selects the first node whose key is exactly key and goes there as a click does.
  void selectNodeByKey(const QString& key);
  // Goes to a node as selectNodeByKey does and, when it shows a channel list, selects the
  // record's row. False when the tree holds no such node (its group is not usable) or the
  // shown panel may not be left.
  bool goTo(const QString& key, int row);
  // Disables every panel; the one in front stays in front until another is shown.
  void disableAllPanels();
  // Brings a panel to the front as the only enabled one.
  void showPanel(PanelId id);
  bool validateBeforeLeave();
  // Every panel back to its empty state, none shown.
  void resetPanels();

 signals:
  void hintChanged(const QString& hint);

 private:
  // Shows the nodes of treeData_ as the items of the tree, all expanded.
  void paintTree();
  // A node chosen by the user or the program: shown when the current panel may be left, else
  // the current node is selected again.
  void nodeClicked(int treeIndex);
  void selectTreeItem(int treeIndex);
  void setTreeHint();
  void addPage(PanelId id, EditorPage* page);
  // NEW and EDIT: the channel edit panel shows the record (or the template to insert after
  // it); DELETE: the record goes once the user confirms.
  void openChannel(int record, bool newRecord);
  void deleteChannel(int record);
  // A channel held in the edit panel belongs to the data set it was opened from.
  void dropOpenChannel();
  bool eventFilter(QObject* watched, QEvent* event) override;

  Workspace& ws_;
  Prompter& prompter_;
  EditorState state_;
  NavigationTree treeData_;
  QTreeWidget* tree_;
  QStackedWidget* panels_;
  ChannelListPanel* listPanel_;
  ChannelEditPanel* channelPanel_;
  std::map<PanelId, EditorPage*> pages_;
  std::vector<QTreeWidgetItem*> treeItems_;  // item of tree index i at i - 1
  PanelId active_ = PanelId::Grey;
  bool selectingByProgram_ = false;  // the tree is being built or re-selected by the program
};

}  // namespace tpw::gui
