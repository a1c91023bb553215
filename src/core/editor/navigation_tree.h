#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/editor_state.h"
#include "image/settings_model.h"

namespace tpw {

// One fixed node of the navigation tree; the tree never holds a node per channel.
struct TreeNode {
  std::string key;
  std::string text;
  int parent = 0;  // tree index of the parent, 0 for a root
};

// The tree as data. Tree indexes are 1-based positions in `nodes`, in the order added.
struct NavigationTree {
  std::vector<TreeNode> nodes;
  // Tree index of the node of each channel group (0 USA, 1 INT, 2 CAN/region, 3 EXP), or 0.
  std::array<int, GroupCount> groupNodeIndex{};

  int count() const { return static_cast<int>(nodes.size()); }
  const TreeNode& node(int treeIndex) const {
    return nodes.at(static_cast<std::size_t>(treeIndex - 1));
  }
};

NavigationTree BuildTree(const SettingsModel& model, bool wxSupported);
void UpdateGroupLabels(NavigationTree& tree, const SettingsModel& model);
// BuildTree, then UpdateGroupLabels.
NavigationTree RebuildTree(const SettingsModel& model, bool wxSupported);

// The first node whose key equals the given key exactly (case-sensitive), or 0.
int FindNodeByKey(const NavigationTree& tree, std::string_view key);

// The key and the text of the node that shows a list, the text with its group's label
// ("Group1(USA)", "RG Channel"), whether or not the tree holds the node now.
std::string ListNodeKey(ListId list);
std::string ListNodeText(const SettingsModel& model, ListId list);

// What selecting a node shows: a panel, and for the channel list panel the list.
struct NodeView {
  PanelId panel = PanelId::Grey;
  std::optional<ListId> list;
  bool operator==(const NodeView&) const = default;
};
// The dispatch of a node to its panel; keys are compared upper-cased. Nothing for a node
// the dispatch does not know.
std::optional<NodeView> ViewOfNode(const NavigationTree& tree, int treeIndex);

}  // namespace tpw
