#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

// The drop-down lists of the panels: each entry carries the value it stores. A panel shows
// the entry of the value a setting holds and stores the value of the entry the user chooses.
namespace tpw {

struct OptionEntry {
  std::string text;
  int value = 0;
  bool operator==(const OptionEntry&) const = default;
};

class OptionList {
 public:
  OptionList() = default;
  OptionList(std::initializer_list<OptionEntry> entries) : entries_(entries) {}
  explicit OptionList(std::vector<OptionEntry> entries) : entries_(std::move(entries)) {}

  const std::vector<OptionEntry>& entries() const { return entries_; }
  int size() const { return static_cast<int>(entries_.size()); }
  bool empty() const { return entries_.empty(); }

  // The index of the entry that stores value; nothing when no entry does.
  std::optional<int> indexOf(int value) const;
  // The value of the entry at index; nothing when index names no entry (-1: none shown).
  std::optional<int> valueAt(int index) const;
  bool stores(int value) const { return indexOf(value).has_value(); }

  bool operator==(const OptionList&) const = default;

 private:
  std::vector<OptionEntry> entries_;
};

}  // namespace tpw
