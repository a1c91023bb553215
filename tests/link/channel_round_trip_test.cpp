// Every channel the channel edit panel can produce is programmed into the simulated radio,
// read back and decoded unchanged: what the user saw in the grid is what the radio holds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/channel_form.h"
#include "link_test_support.h"

namespace tpw::test {
namespace {

// The group-form records of every choice the panel offers: each mode, status number, status
// icon, the ticks of the four boxes, and every base channel.
std::vector<ChannelRecord> GroupFormRecords() {
  std::vector<ChannelRecord> records;
  int k = 0;
  for (int duplex = 0; duplex < static_cast<int>(DuplexOptions().size()); ++duplex) {
    for (int statusNo = 0; statusNo < static_cast<int>(StatusNoOptions().size()); ++statusNo) {
      for (int icon = 0; icon < static_cast<int>(StatusIconOptions().size()); ++icon) {
        for (int ticks = 0; ticks < 16; ++ticks, ++k) {
          GroupFormEntry entry;
          entry.positionItem = k % static_cast<int>(BaseChannelOptions().size());
          entry.duplexItem = duplex;
          entry.statusNoItem = statusNo;
          entry.statusIconItem = icon;
          entry.shared = {(ticks & 1) != 0, (ticks & 2) != 0, (ticks & 4) != 0, (ticks & 8) != 0};
          records.push_back(GroupFormRecord(NewChannelTemplate(), entry));
        }
      }
    }
  }
  return records;
}

// Free-form records: every character the name box takes in either place (a single character
// is padded), frequencies across the band, every combination of ticks and groups.
std::vector<ChannelRecord> FreeFormRecords() {
  const std::string characters = "0123456789ACEFHIJKLMPQSbdnorty ";
  const std::vector<std::string> frequencies = {"137",     "137.025", "156.05",  "156.8",
                                                "161.975", "162.55",  "173.975", "174"};
  std::vector<ChannelRecord> records;
  for (std::size_t k = 0; k < 2 * characters.size(); ++k) {
    FreeFormEntry entry;
    const char c = characters[k % characters.size()];
    const char other = characters[(k * 7 + 3) % characters.size()];
    entry.name = k < characters.size() ? std::string{c, other} : std::string{other, c};
    if (k % 5 == 0) entry.name = std::string(1, c);
    if (entry.name.find_first_not_of(' ') == std::string::npos) entry.name = "1 ";
    entry.rxText = frequencies[k % frequencies.size()];
    entry.txText = frequencies[(k + 3) % frequencies.size()];
    entry.groups = {(k & 1) != 0, (k & 2) != 0, (k & 4) != 0};
    entry.shared = {(k & 8) != 0, (k & 16) != 0, (k & 32) != 0, (k % 3) == 0};
    const FreeFormSave save = FreeFormRecord(NewChannelTemplate(), entry);
    EXPECT_TRUE(save.complete) << entry.name;
    records.push_back(save.record);
  }
  return records;
}

// Takes the next records for a list, at most its slots.
ChannelList Take(const std::vector<ChannelRecord>& records, std::size_t& next, ListId list) {
  ChannelList taken;
  while (next < records.size() && taken.size() < Layout(list).slotCount) {
    taken.append(records[next++]);
  }
  return taken;
}

TEST(ChannelRoundTrip, EveryChannelOfThePanelSurvivesTheRadio) {
  const std::vector<ChannelRecord> group = GroupFormRecords();
  const std::vector<ChannelRecord> free = FreeFormRecords();
  ASSERT_EQ(group.size(), 576u);
  const ListId lists[] = {ListId::CHUSA, ListId::CHINT, ListId::CHCAN, ListId::CHRG, ListId::CHEXP};
  std::size_t nextGroup = 0;
  std::size_t nextFree = 0;
  while (nextGroup < group.size() || nextFree < free.size()) {
    SimBench bench(RadioMemory(), RadioMemory(0xFF, 0x33));
    SettingsModel& model = bench.t.ws.model;
    for (ListId list : {ListId::CHUSA, ListId::CHINT, ListId::CHCAN}) {
      model.list(list) = Take(group, nextGroup, list);
    }
    for (ListId list : {ListId::CHRG, ListId::CHEXP}) {
      model.list(list) = Take(free, nextFree, list);
    }
    const SettingsModel programmed = model;
    ASSERT_TRUE(bench.run(TransferMode::Program).done());
    for (ListId list : lists) model.list(list).clear();
    ASSERT_TRUE(bench.run(TransferMode::Read).done());
    for (ListId list : lists) {
      const ChannelList& read = model.list(list);
      const ChannelList& sent = programmed.list(list);
      ASSERT_EQ(read.size(), sent.size()) << Layout(list).name;
      for (int k = 0; k < sent.size(); ++k) {
        ASSERT_EQ(read[k], sent[k]) << Layout(list).name << " record " << k;
      }
    }
  }
}

}  // namespace
}  // namespace tpw::test
