#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "link/transfer.h"
#include "report/data_set_comparison.h"

namespace tpw {

// The question before a write that changes the radio: the heading, the changes one a line (the
// radio's value, then the value written), and the question itself.
std::string ChangesHeading(std::string_view port, std::size_t count);
inline constexpr const char* ChangesConfirmation = "Program the radio with these changes?";
std::string ChangesQuestion(std::string_view port, const std::vector<Difference>& changes);

// A write's review in the comparison's words: what the radio holds against what it would hold
// after the write, for the user to confirm; and the settings a radio holds at an address.
class ComparingWriteReview : public WriteReview {
 public:
  // Shows the changes (the radio's value as this, the written one as other); true to write.
  using Confirm = std::function<bool(const std::vector<Difference>&)>;

  ComparingWriteReview(const ModelCaps& caps, Confirm confirm);

  bool agreesToChanges(const MemoryImage& radio, const MemoryImage& written) override;
  // "Group1(USA) 16: Rx Frequency"; several settings joined by "; ".
  std::string settingsAt(const MemoryImage& written, int address) override;

 private:
  ModelCaps caps_;
  Confirm confirm_;
};

}  // namespace tpw
