#include "editor/navigation_tree.h"

#include <gtest/gtest.h>

namespace tpw {
namespace {

std::vector<std::string> Texts(const NavigationTree& tree) {
  std::vector<std::string> texts;
  for (const TreeNode& node : tree.nodes) texts.push_back(node.text);
  return texts;
}

SettingsModel ModelWithGroups(bool usa, bool intl, bool can, bool exp) {
  SettingsModel model;
  model.groups[0] = {usa, 0, "USA"};
  model.groups[1] = {intl, 0, "INT"};
  model.groups[2] = {can, 0, "UK"};
  model.groups[3] = {exp, 0, "EXP"};
  return model;
}

TEST(NavigationTree, NodesFollowTheUsableGroupsAndWeather) {
  const NavigationTree bare = RebuildTree(ModelWithGroups(false, false, false, false), false);
  EXPECT_EQ(Texts(bare), (std::vector<std::string>{"General", "Common Setup",
                                                   "Programmable Channel", "RG Channel"}));
  EXPECT_EQ(bare.groupNodeIndex, (std::array<int, 4>{0, 0, 0, 0}));

  const NavigationTree full = RebuildTree(ModelWithGroups(true, true, true, true), true);
  EXPECT_EQ(Texts(full),
            (std::vector<std::string>{"General", "Common Setup", "Programmable Channel",
                                      "Group1(USA)", "Group2(INT)", "Group3(UK)", "RG Channel",
                                      "Weather", "EXP Channel(EXP)"}));
  EXPECT_EQ(full.groupNodeIndex, (std::array<int, 4>{4, 5, 6, 9}));
  EXPECT_EQ(full.node(4).parent, 3);
  EXPECT_EQ(full.node(9).parent, 0);

  // Making group 1 usable inserts its node between Group1 and the RG node.
  const NavigationTree usaOnly = RebuildTree(ModelWithGroups(true, false, false, false), true);
  EXPECT_EQ(usaOnly.node(5).key, "PR");
  const NavigationTree withInt = RebuildTree(ModelWithGroups(true, true, false, false), true);
  EXPECT_EQ(withInt.node(5).text, "Group2(INT)");
  EXPECT_EQ(withInt.node(6).key, "PR");
  EXPECT_EQ(withInt.groupNodeIndex, (std::array<int, 4>{4, 5, 0, 0}));
}

TEST(NavigationTree, GroupLabelsAreAddedOnceAndLeftOffWhenEmpty) {
  SettingsModel model = ModelWithGroups(true, false, true, false);
  model.groups[2].label.clear();
  NavigationTree tree = RebuildTree(model, false);
  EXPECT_EQ(tree.node(4).text, "Group1(USA)");
  EXPECT_EQ(tree.node(5).text, "Group3");

  UpdateGroupLabels(tree, model);  // already labelled: unchanged
  EXPECT_EQ(tree.node(4).text, "Group1(USA)");

  model.groups[0].label = "CAN";  // a new label replaces the old one
  UpdateGroupLabels(tree, model);
  EXPECT_EQ(tree.node(4).text, "Group1(CAN)");

  ASSERT_EQ(tree.count(), 6);
  tree.nodes[4].text = "Group3(x)";  // a text ending with ")" after the cut keeps its label
  model.groups[2].label = "GRMN";
  UpdateGroupLabels(tree, model);
  EXPECT_EQ(tree.node(5).text, "Group3(GRMN)");
}

TEST(NavigationTree, KeysAreFoundExactlyAndDispatchedUpperCased) {
  NavigationTree tree = RebuildTree(ModelWithGroups(true, true, true, true), true);
  EXPECT_EQ(FindNodeByKey(tree, "General"), 1);
  EXPECT_EQ(FindNodeByKey(tree, "general"), 0);
  EXPECT_EQ(FindNodeByKey(tree, "PW"), 8);

  EXPECT_EQ(ViewOfNode(tree, 1), (NodeView{PanelId::General, std::nullopt}));
  EXPECT_EQ(ViewOfNode(tree, 2), (NodeView{PanelId::Common, std::nullopt}));
  EXPECT_EQ(ViewOfNode(tree, 3), (NodeView{PanelId::Grey, std::nullopt}));
  EXPECT_EQ(ViewOfNode(tree, 4), (NodeView{PanelId::ChannelList, ListId::CHUSA}));
  EXPECT_EQ(ViewOfNode(tree, 5), (NodeView{PanelId::ChannelList, ListId::CHINT}));
  EXPECT_EQ(ViewOfNode(tree, 6), (NodeView{PanelId::ChannelList, ListId::CHCAN}));
  EXPECT_EQ(ViewOfNode(tree, 7), (NodeView{PanelId::ChannelList, ListId::CHRG}));
  EXPECT_EQ(ViewOfNode(tree, 8), (NodeView{PanelId::Weather, std::nullopt}));
  EXPECT_EQ(ViewOfNode(tree, 9), (NodeView{PanelId::ChannelList, ListId::CHEXP}));
  EXPECT_FALSE(ViewOfNode(tree, 0));
  EXPECT_FALSE(ViewOfNode(tree, 10));

  ASSERT_EQ(tree.count(), 9);
  tree.nodes[0].key = "gEnErAl";  // the dispatch ignores case
  EXPECT_EQ(ViewOfNode(tree, 2), (NodeView{PanelId::Common, std::nullopt}));
}

}  // namespace
}  // namespace tpw
