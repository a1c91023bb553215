#include "editor/channel_groups.h"

#include <gtest/gtest.h>

namespace tpw {
namespace {

ChannelRecord Channel(int position, bool enable, int statusNo = 0, int statusIcon = 0) {
  return {.position = static_cast<std::int16_t>(position),
          .enabled = enable,
          .statusIcon = static_cast<std::int16_t>(statusIcon),
          .statusNo = static_cast<std::int16_t>(statusNo)};
}

TEST(PriorityChannels, EntriesAreTheEnabledRecordsNumberedFromOne) {
  SettingsModel model;
  model.CHUSA.append(Channel(6, true));
  model.CHUSA.append(Channel(16, false));
  model.CHUSA.append(Channel(78, true, 1, 1));
  model.CHEXP.append({.enabled = true});
  EXPECT_EQ(PriorityEntries(model, 0), (OptionList{{"06", 1}, {"1078A", 3}}));
  EXPECT_TRUE(PriorityEntries(model, 1).empty());  // a list without records
  EXPECT_TRUE(PriorityEntries(model, 3).empty());  // the EXP group has no priority channel
  EXPECT_FALSE(HasPriorityChannel(3));
  EXPECT_TRUE(HasPriorityChannel(2));
}

TEST(PriorityChannels, ANameOfNoEnabledRecordBecomesTheFirstEntry) {
  SettingsModel model;
  model.CHUSA.append(Channel(6, true));
  model.CHUSA.append(Channel(16, true));
  model.CHINT.append(Channel(9, false));  // no enabled record: the priority is kept
  model.CHCAN.append(Channel(9, true));
  EXPECT_EQ(ShownPriority(PriorityEntries(model, 0), 2), 2);
  EXPECT_EQ(ShownPriority(PriorityEntries(model, 0), 3), 1);
  EXPECT_EQ(ShownPriority(PriorityEntries(model, 1), 1), std::nullopt);
  EXPECT_EQ(ShownPriority(PriorityEntries(model, 2), 65535), 1);
}

}  // namespace
}  // namespace tpw
