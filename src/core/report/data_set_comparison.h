#pragma once

#include <set>
#include <string>
#include <vector>

#include "image/memory_image.h"
#include "image/settings_model.h"
#include "session/workspace.h"

// Two data sets compared in the user's words: every setting of the field tables that differs,
// named where the editor shows it ("Group1(USA) 16", "Common Setup", "ATIS") by its label, with
// both values as the panels show them; channels only one side has; and the bytes of the images
// that no setting shows, one run of addresses at a time. The same names tell which settings
// hold a given set of addresses.
namespace tpw {

// A data set: an image and the settings decoded from it or laid over it. Settings that were
// edited, or read from a data file, are compared with the image they would be written as
// (EncodeForWrite); an image as it came from the radio or a file is compared as it is.
struct ComparedSet {
  const MemoryImage& image;
  const SettingsModel& model;
};

// Where the editor shows a setting: the tree node and, in a channel list, the record's row.
// Bytes that no setting shows have no node.
struct EditorPlace {
  std::string nodeKey;  // "Common", "PU", "EXPCHANNEL", ...; empty for none
  int row = -1;

  bool operator==(const EditorPlace&) const = default;
};

struct SettingName {
  std::string where;    // "Group1(USA) 16", "Common Setup", "ATIS", "0x7A0–0x7AF"
  std::string setting;  // "Rx Frequency", "Channel added", "16 bytes that no setting shows"
  EditorPlace place;

  bool operator==(const SettingName&) const = default;
};

enum class DifferenceKind {
  Setting,         // a setting both sides have, with another value
  ChannelAdded,    // a channel only the other side has
  ChannelRemoved,  // a channel only this side has
  Bytes,           // bytes of the images that no setting shows
};

struct Difference {
  DifferenceKind kind = DifferenceKind::Setting;
  SettingName name;
  // The values as the panels show them ("156.8000", "On", "DUPLEX", the ATIS digits, "(none)"
  // for an empty text); for a channel only one side has, its name on that side and "(none)"
  // on the other; the bytes in hexadecimal for bytes no setting shows.
  std::string thisValue;
  std::string otherValue;
  // The place of the difference in the comparison's order: the tree's order of the settings,
  // the rows of a list in order, the bytes last.
  int order = 0;

  bool operator==(const Difference&) const = default;
};

// How `other` differs from `thisSet`, in the tree's order. A channel only `other` has is
// added, one only `thisSet` has is removed; rows are compared by their place in the list, as
// the radio's slots hold them. Region, groups, Common Setup, ATIS (with AtisSupported), the
// channel lists (the weather channels with WxSupported), then the bytes. The PC's own areas of
// the image (which a read keeps and a write never sends) are not compared. Nothing for two
// equal data sets.
std::vector<Difference> CompareDataSets(const ComparedSet& thisSet, const ComparedSet& other,
                                        const ModelCaps& caps);

// The settings of a data set that the radio holds at any of these addresses, each once, in the
// tree's order; then the addresses that no setting holds, one line per run.
std::vector<SettingName> SettingsAtAddresses(const ComparedSet& set, const ModelCaps& caps,
                                             const std::set<int>& addresses);

// One difference on a line: "Group1(USA) 16: Tx Enable: On → Off"; a channel only one side
// has and bytes no setting shows without their values ("0x7A0–0x7AF: 16 bytes that no setting
// shows").
std::string DifferenceLine(const Difference& difference);

// The summary of a comparison: "No differences", "1 difference", "12 differences".
std::string DifferenceCount(std::size_t count);

}  // namespace tpw
