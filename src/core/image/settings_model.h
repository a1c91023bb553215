#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tpw {

// One channel of any list.
struct ChannelRecord {
  std::int16_t position = 0;
  bool enabled = false;
  bool lowPower = false;
  bool powerUp = false;
  std::int16_t duplex = 0;
  bool txEnabled = false;
  bool scanMemory = false;
  std::int16_t scramble = 0;
  std::string displayLeft;
  std::string displayRight;
  double txFrequency = 0;
  double rxFrequency = 0;
  bool inUsaGroup = false;
  bool inIntGroup = false;
  bool inRegionGroup = false;
  std::int16_t statusIcon = 0;
  std::int16_t statusNo = 0;

  bool operator==(const ChannelRecord&) const = default;
};

enum class ListId { CHUSA, CHINT, CHCAN, CHWX, CHRG, CHEXP };
inline constexpr std::array<ListId, 6> AllLists = {ListId::CHUSA, ListId::CHINT, ListId::CHCAN,
                                                   ListId::CHWX,  ListId::CHRG,  ListId::CHEXP};

// What the records of a list are: marine channels named by their position in a short
// (2-byte) slot, weather channels known by their bits alone, or free frequencies in a long
// (16-byte) slot. The field tables (record_fields.h) declare each.
enum class RecordShape { Plan, Weather, Free };

// Where a list lives in the radio's memory.
struct ListLayout {
  const char* name;    // section name in the channel data file
  int limit;           // records the editor and the file reader allow
  int enableAddress;   // enable bitmap: the record count as a run of 1 bits
  int scanAddress;     // scan-memory bitmap, bit k for record k
  int bitmapBytes;     // size of each bitmap
  int recordsAddress;  // first slot, or -1 for a list without slots (CHWX)
  int slotCount;
  RecordShape shape;
  int group;  // channel group, or -1
};

const ListLayout& Layout(ListId list);
// The list of channel group 0..3: CHUSA, CHINT, CHCAN, CHEXP.
ListId GroupList(int group);

// A channel list. Empty is a state of its own ("never given a size"), distinct from a list
// whose records are all disabled.
class ChannelList {
 public:
  bool isEmpty() const { return records_.empty(); }
  int size() const { return static_cast<int>(records_.size()); }
  void clear() { records_.clear(); }
  void append(ChannelRecord record) { records_.push_back(std::move(record)); }
  void insert(int index, ChannelRecord record);
  void erase(int index);

  ChannelRecord& operator[](int index) { return records_.at(static_cast<std::size_t>(index)); }
  const ChannelRecord& operator[](int index) const {
    return records_.at(static_cast<std::size_t>(index));
  }
  auto begin() { return records_.begin(); }
  auto end() { return records_.end(); }
  auto begin() const { return records_.begin(); }
  auto end() const { return records_.end(); }

  bool operator==(const ChannelList&) const = default;

 private:
  std::vector<ChannelRecord> records_;
};

struct ChannelGroup {
  bool usable = false;
  // The stored word as read: 65535 means none; the panels may also set -1 (none).
  std::int32_t priorityChannel = 0;
  std::string label;

  bool operator==(const ChannelGroup&) const = default;
};

struct CommonSetup {
  std::int16_t txPowerDisplay = 0;
  bool scan = false;
  bool timeDisplay = false;  // kept in data files only
  std::int16_t resumeTime = 0;
  bool pttScanClear = false;
  std::int16_t offsetTime = 0;  // kept in data files only
  std::int16_t weatherAlert = 0;
  bool dualWatch = false;
  std::int16_t modeSelect = 0;

  bool operator==(const CommonSetup&) const = default;
};

struct AtisSetup {
  std::array<bool, 4> groups{};
  std::string code;
  std::int16_t mode = 0;

  bool operator==(const AtisSetup&) const = default;
};

inline constexpr int GroupCount = 4;  // 0 USA, 1 INT, 2 CAN/region, 3 EXP
using ChannelGroups = std::array<ChannelGroup, GroupCount>;

// The decoded, editable settings of the radio.
struct SettingsModel {
  ChannelList CHUSA, CHINT, CHCAN, CHWX, CHRG, CHEXP;
  ChannelGroups groups;
  CommonSetup common;
  AtisSetup atis;

  ChannelList& list(ListId id);
  const ChannelList& list(ListId id) const;

  bool operator==(const SettingsModel&) const = default;
};

// Index of the first record that is enabled, or -1 (also for an empty list).
int FirstEnabledIndex(const ChannelList& list);
void CopyChannelRecord(ChannelRecord& destination, const ChannelRecord& source);

}  // namespace tpw
