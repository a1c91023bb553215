#include "gui/shell/toolbar_extension.h"

#include <QToolBar>
#include <QToolButton>

namespace tpw::gui {

void NameExtensionButton(QToolBar& bar) {
  // Qt makes this button with the toolbar's layout and gives it no name of its own.
  auto* extension = bar.findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
  if (extension != nullptr) extension->setAccessibleName(QObject::tr("More Buttons"));
}

}  // namespace tpw::gui
