#include "editor/navigation_tree.h"

#include "image/text_values.h"

namespace tpw {

namespace {

int AddNode(NavigationTree& tree, std::string key, std::string text, int parent) {
  tree.nodes.push_back({std::move(key), std::move(text), parent});
  return tree.count();
}

bool Usable(const SettingsModel& model, int group) {
  return model.groups[static_cast<std::size_t>(group)].usable;
}

// The child nodes under "Program" that show a channel list, with the group they belong to.
struct ProgramChild {
  const char* key;
  const char* text;
  int group;
};
constexpr ProgramChild kGroupChildren[] = {
    {"PU", "Group1", 0}, {"PI", "Group2", 1}, {"PC", "Group3", 2}};

std::optional<NodeView> ViewOfProgramChild(const std::string& key) {
  if (key == "PU") return NodeView{PanelId::ChannelList, ListId::CHUSA};
  if (key == "PI") return NodeView{PanelId::ChannelList, ListId::CHINT};
  if (key == "PC") return NodeView{PanelId::ChannelList, ListId::CHCAN};
  if (key == "PR") return NodeView{PanelId::ChannelList, ListId::CHRG};
  if (key == "PW") return NodeView{PanelId::Weather, std::nullopt};
  return std::nullopt;
}

}  // namespace

NavigationTree BuildTree(const SettingsModel& model, bool wxSupported) {
  NavigationTree tree;
  const int general = AddNode(tree, "General", "General", 0);
  AddNode(tree, "Common", "Common Setup", general);
  const int program = AddNode(tree, "Program", "Programmable Channel", 0);
  for (const ProgramChild& child : kGroupChildren) {
    if (!Usable(model, child.group)) continue;
    tree.groupNodeIndex[static_cast<std::size_t>(child.group)] =
        AddNode(tree, child.key, child.text, program);
  }
  AddNode(tree, "PR", "RG Channel", program);
  if (wxSupported) AddNode(tree, "PW", "Weather", program);
  if (Usable(model, 3)) tree.groupNodeIndex[3] = AddNode(tree, "EXPCHANNEL", "EXP Channel", 0);
  return tree;
}

void UpdateGroupLabels(NavigationTree& tree, const SettingsModel& model) {
  for (int g = 0; g < GroupCount; ++g) {
    const int index = tree.groupNodeIndex[static_cast<std::size_t>(g)];
    if (index < 1 || index > tree.count()) continue;
    std::string& text = tree.nodes[static_cast<std::size_t>(index - 1)].text;
    text = text.substr(0, text.find('('));
    const std::string& label = model.groups[static_cast<std::size_t>(g)].label;
    if (!label.empty() && !text.ends_with(')')) text += "(" + label + ")";
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
