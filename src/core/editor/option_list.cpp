#include "editor/option_list.h"

#include <algorithm>

namespace tpw {

std::optional<int> OptionList::indexOf(int value) const {
  const auto found = std::find_if(entries_.begin(), entries_.end(),
                                  [value](const OptionEntry& e) { return e.value == value; });
  if (found == entries_.end()) return std::nullopt;
  return static_cast<int>(found - entries_.begin());
}

std::optional<int> OptionList::valueAt(int index) const {
  if (index < 0 || index >= size()) return std::nullopt;
  return entries_[static_cast<std::size_t>(index)].value;
}

}  // namespace tpw
