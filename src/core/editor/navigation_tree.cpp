#include "editor/navigation_tree.h"

#include "image/text_values.h"
#include "image/translatable.h"

namespace tpw {

namespace {

int AddNode(NavigationTree& tree, std::string key, std::string text, int parent) {
  tree.nodes.push_back({std::move(key), std::move(text), parent});
  return tree.count();
}

bool Usable(const SettingsModel& model, int group) {
  return model.groups[static_cast<std::size_t>(group)].usable;
}

// The nodes that show a channel list, with the channel group whose label they carry (-1 for
// none). The group nodes are under "Program" only while their group is usable.
struct ListNode {
  ListId list;
  const char* key;
  const char* text;
  int group;
};
constexpr ListNode kListNodes[] = {
    {ListId::CHUSA, "PU", TPW_TEXT("Editor", "Group1"), 0},
    {ListId::CHINT, "PI", TPW_TEXT("Editor", "Group2"), 1},
    {ListId::CHCAN, "PC", TPW_TEXT("Editor", "Group3"), 2},
    {ListId::CHRG, "PR", TPW_TEXT("Editor", "RG Channel"), -1},
    {ListId::CHWX, "PW", TPW_TEXT("Editor", "Weather"), -1},
    {ListId::CHEXP, "EXPCHANNEL", TPW_TEXT("Editor", "EXP Channel"), 3},
};

const ListNode& ListNodeOf(ListId list) {
  for (const ListNode& node : kListNodes) {
    if (node.list == list) return node;
  }
  return kListNodes[0];
}

// A group node's text with the group's label: "Group1(USA)"; bare while the label is empty.
std::string Labelled(std::string text, const std::string& label) {
  text = text.substr(0, text.find('('));
  if (!label.empty() && !text.ends_with(')')) text += "(" + label + ")";
  return text;
}

std::optional<NodeView> ViewOfProgramChild(const std::string& key) {
  for (const ListNode& node : kListNodes) {
    if (key != node.key || node.list == ListId::CHEXP) continue;
    if (node.list == ListId::CHWX) return NodeView{PanelId::Weather, std::nullopt};
    return NodeView{PanelId::ChannelList, node.list};
  }
  return std::nullopt;
}

}  // namespace

NavigationTree BuildTree(const SettingsModel& model, bool wxSupported) {
  NavigationTree tree;
  const int general = AddNode(tree, "General", TPW_TEXT("Editor", "General"), 0);
  AddNode(tree, "Common", TPW_TEXT("Editor", "Common Setup"), general);
  const int program = AddNode(tree, "Program", TPW_TEXT("Editor", "Programmable Channel"), 0);
  for (const ListNode& node : kListNodes) {
    if (node.list == ListId::CHEXP) continue;  // a root of its own
    if (node.group >= 0 && !Usable(model, node.group)) continue;
    if (node.list == ListId::CHWX && !wxSupported) continue;
    const int index = AddNode(tree, node.key, node.text, program);
    if (node.group >= 0) tree.groupNodeIndex[static_cast<std::size_t>(node.group)] = index;
  }
  const ListNode& exp = ListNodeOf(ListId::CHEXP);
  if (Usable(model, exp.group)) {
    tree.groupNodeIndex[static_cast<std::size_t>(exp.group)] = AddNode(tree, exp.key, exp.text, 0);
  }
  return tree;
}

void UpdateGroupLabels(NavigationTree& tree, const SettingsModel& model) {
  for (int g = 0; g < GroupCount; ++g) {
    const int index = tree.groupNodeIndex[static_cast<std::size_t>(g)];
    if (index < 1 || index > tree.count()) continue;
    std::string& text = tree.nodes[static_cast<std::size_t>(index - 1)].text;
    text = Labelled(text, model.groups[static_cast<std::size_t>(g)].label);
  }
}

NavigationTree RebuildTree(const SettingsModel& model, bool wxSupported) {
  NavigationTree tree = BuildTree(model, wxSupported);
  UpdateGroupLabels(tree, model);
  return tree;
}

int FindNodeByKey(const NavigationTree& tree, std::string_view key) {
  for (int i = 1; i <= tree.count(); ++i) {
    if (tree.node(i).key == key) return i;
  }
  return 0;
}

std::string ListNodeKey(ListId list) {
  return ListNodeOf(list).key;
}

std::string ListNodeText(const SettingsModel& model, ListId list) {
  const ListNode& node = ListNodeOf(list);
  if (node.group < 0) return node.text;
  return Labelled(node.text, model.groups[static_cast<std::size_t>(node.group)].label);
}

std::optional<NodeView> ViewOfNode(const NavigationTree& tree, int treeIndex) {
  if (treeIndex < 1 || treeIndex > tree.count()) return std::nullopt;
  const TreeNode& node = tree.node(treeIndex);
  const std::string key = ToUpper(node.key);
  if (node.parent == 0) {
    if (key == "GENERAL") return NodeView{PanelId::General, std::nullopt};
    if (key == "PROGRAM") return NodeView{PanelId::Grey, std::nullopt};
    if (key == "EXPCHANNEL") return NodeView{PanelId::ChannelList, ListId::CHEXP};
    return std::nullopt;
  }
  const std::string parentKey = ToUpper(tree.node(node.parent).key);
  if (parentKey == "GENERAL") {
    if (key == "COMMON") return NodeView{PanelId::Common, std::nullopt};
    return std::nullopt;
  }
  if (parentKey == "PROGRAM") return ViewOfProgramChild(key);
  return std::nullopt;
}

}  // namespace tpw
