#include "cli/fleet_display.h"

#include <algorithm>
#include <ostream>

#include "cli/language.h"

namespace tpw::cli {

namespace {

constexpr int FleetBarWidth = 20;
// Moves the cursor up a number of lines; clears a line.
std::string Up(std::size_t lines) {
  return "\x1b[" + std::to_string(lines) + "A";
}
constexpr const char* ClearLine = "\r\x1b[K";

}  // namespace

std::string RadioStageName(RadioStage stage) {
  switch (stage) {
    case RadioStage::Starting:
      return Said(TPW_TEXT("Cli", "starting"));
    case RadioStage::ReadingFirst:
      return Said(TPW_TEXT("Cli", "reading first"));
    case RadioStage::Writing:
      return Said(TPW_TEXT("Cli", "writing"));
    case RadioStage::Verifying:
      return Said(TPW_TEXT("Cli", "verifying"));
    case RadioStage::Ended:
      return Said(TPW_TEXT("Cli", "ended"));
  }
  return {};
}

FleetDisplay::FleetDisplay(std::ostream& err, bool terminal, std::vector<std::string> names)
    : err_(err), terminal_(terminal), names_(std::move(names)) {
  for (const std::string& name : names_) nameWidth_ = std::max(nameWidth_, name.size());
}

std::string FleetDisplay::line(std::size_t radio, const RadioProgress& progress) const {
  const std::string& name = names_[radio];
  std::string text =
      name + std::string(nameWidth_ - name.size(), ' ') + "  " + RadioStageName(progress.stage);
  if (!terminal_ || progress.stage == RadioStage::Starting || progress.stage == RadioStage::Ended) {
    return text;
  }
  const int percent = std::clamp(progress.percent, 0, 100);
  const int filled = percent * FleetBarWidth / 100;
  return text + " [" + std::string(static_cast<std::size_t>(filled), '#') +
         std::string(static_cast<std::size_t>(FleetBarWidth - filled), '.') + "] " +
         std::to_string(percent) + "%";
}

void FleetDisplay::show(const std::vector<RadioProgress>& progress) {
  if (!terminal_) {
    shown_.resize(progress.size(), {RadioStage::Ended, -1});
    for (std::size_t i = 0; i < progress.size(); ++i) {
      if (shown_[i].stage == progress[i].stage && shown_[i].percent >= 0) continue;
      shown_[i] = progress[i];
      err_ << line(i, progress[i]) << '\n';
    }
    err_ << std::flush;
    return;
  }
  if (drawn_) err_ << Up(progress.size());
  for (std::size_t i = 0; i < progress.size(); ++i)
    err_ << ClearLine << line(i, progress[i]) << '\n';
  err_ << std::flush;
  drawn_ = true;
}

}  // namespace tpw::cli
