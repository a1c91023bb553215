#include "gui/editor/quiet_controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

namespace tpw::gui {

namespace {

template <typename Control>
void BlockAll(QWidget* page, std::vector<QSignalBlocker>& blockers) {
  for (Control* control : page->findChildren<Control*>()) blockers.emplace_back(control);
}

}  // namespace

QuietControls::QuietControls(QWidget* page) {
  // Only the controls the pages listen to: the inner parts of a list box keep talking to it.
  BlockAll<QAbstractButton>(page, blockers_);
  BlockAll<QComboBox>(page, blockers_);
  BlockAll<QLineEdit>(page, blockers_);
}

}  // namespace tpw::gui
