#pragma once

class QToolBar;

namespace tpw::gui {

// Names the button a toolbar shows when its window is too narrow for all its buttons (the
// translated captions are wider), so that a screen reader can say what it opens.
void NameExtensionButton(QToolBar& bar);

}  // namespace tpw::gui
