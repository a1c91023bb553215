#pragma once

#include <QAction>

#include "gui/shell/main_menus.h"
#include "session/undo_history.h"

namespace tpw::gui {

// The entries of the Edit menu above the model menu (Undo, Redo, Cut, Copy, Paste, Move Up,
// Move Down), the two of the File menu for tables of channels, and the Undo and Redo buttons
// of the toolbar. Undo and Redo name the step they take back or make again.
struct EditActions {
  QAction* undo = nullptr;
  QAction* redo = nullptr;
  QAction* cut = nullptr;
  QAction* copy = nullptr;
  QAction* paste = nullptr;
  QAction* moveUp = nullptr;
  QAction* moveDown = nullptr;
  QAction* exportChannels = nullptr;
  QAction* importChannels = nullptr;
  QAction* undoButton = nullptr;
  QAction* redoButton = nullptr;

  static EditActions Build(const MainMenus& menus);
  // "Undo Delete channel 72", "Redo Change Resume Time"; plain and disabled when there is none.
  void nameSteps(const UndoHistory& history);
};

}  // namespace tpw::gui
