#include "image/translatable.h"

#include <vector>

namespace tpw {

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> names) {
  const std::vector<std::string_view> given(names);
  std::string text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const bool placeholder = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
                             pattern[i + 1] <= '9';
    const std::size_t index = placeholder ? static_cast<std::size_t>(pattern[i + 1] - '1') : 0;
    if (placeholder && index < given.size()) {
      text += given[index];
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace tpw
