#pragma once

#include <QSignalBlocker>
#include <QWidget>
#include <vector>

namespace tpw::gui {

// Keeps the controls of a page (its buttons, check boxes, list boxes and text boxes) from
// signalling for as long as it lives: a page that fills its controls from the settings, or
// empties them, is no user choosing, so no handler runs and nothing reaches the settings.
class QuietControls {
 public:
  explicit QuietControls(QWidget* page);

 private:
  std::vector<QSignalBlocker> blockers_;
};

}  // namespace tpw::gui
