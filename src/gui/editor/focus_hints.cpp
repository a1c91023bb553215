#include "gui/editor/focus_hints.h"

#include <QEvent>

#include "adapters/translations/qt_translations.h"
#include "gui/editor/option_box.h"

namespace tpw::gui {

void FocusHints::add(QWidget* control, std::string_view hint) {
  hints_.insert(control, TranslatedText(hint));
  // Screen readers read the hint with the control, as the status bar shows it.
  control->setAccessibleDescription(TranslatedText(hint));
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
