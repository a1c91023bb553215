#pragma once

#include <QObject>

#include "gui/editor/editor_pane.h"
#include "session/workspace.h"

namespace tpw::gui {

// Copy, Cut and Paste of the rows of the shown channel list, and moving them (Move Up, Move
// Down, a drag in the grid of a free list). The clipboard gets the rows twice: as
// tab-separated text in the grid's columns, which a spreadsheet takes as a table, and in the
// program's own exact format, which another window of the program pastes as it was. Each
// change is one step of the data set; the grid then shows the rows it moved or pasted
// selected.
class ChannelListCommands : public QObject {
  Q_OBJECT

 public:
  static constexpr const char* MimeType = "application/x-tpw52-channels";

  ChannelListCommands(EditorPane& editor, Workspace& ws, Prompter& prompter, QObject* parent);

  // True while a channel list is shown; its rows are then copied, cut and pasted.
  bool listShown() const;
  // True while a list whose order the user sets (RG, EXP) is shown.
  bool movableListShown() const;

  void copy();
  void cut();
  void paste();
  // Moves the selected rows up (-1) or down (1) one row.
  void moveBy(int rows);
  // Moves the selected rows so that they stand before the row `before` (a drop).
  void moveBefore(int before);

 private:
  // The selected rows when they follow one another; else the current row alone.
  std::pair<int, int> selectedBlock() const;
  void showChanged(int first, int count);

  EditorPane& editor_;
  Workspace& ws_;
  Prompter& prompter_;
};

}  // namespace tpw::gui
