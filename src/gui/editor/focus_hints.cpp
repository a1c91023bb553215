#include "gui/editor/focus_hints.h"

#include <QEvent>

#include "gui/editor/option_box.h"

namespace tpw::gui {

void FocusHints::add(QWidget* control, std::string_view hint) {
  hints_.insert(control, FromView(hint));
  // Screen readers read the hint with the control, as the status bar shows it.
  control->setAccessibleDescription(FromView(hint));
  control->installEventFilter(this);
}

bool FocusHints::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    const auto found = hints_.constFind(watched);
    if (found != hints_.constEnd()) emit hintChanged(*found);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tpw::gui
