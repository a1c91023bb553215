#pragma once

#include <QPushButton>

#include "editor/channel_grid.h"
#include "editor/editor_state.h"
#include "gui/editor/channel_grid_widget.h"
#include "gui/editor/editor_page.h"
#include "session/workspace.h"

namespace tpw::gui {

// The channel list panel (pictB): the grid of one list with the NEW, EDIT and DELETE buttons.
class ChannelListPanel : public EditorPage {
  Q_OBJECT

 public:
  explicit ChannelListPanel(QWidget* parent = nullptr);

  // Rebuilds the grid from the settings, selects the kept row and enables the buttons. The
  // caption (the text of the list's tree node) names the grid for screen readers.
  void showList(const Workspace& ws, ListId list, EditorState& state, const QString& caption);

  ChannelGridWidget* grid() const { return grid_; }
  ListId list() const { return list_; }

 signals:
  // The buttons, with the record of the selected row (-1 for none).
  void newRequested(int record);
  void editRequested(int record);
  void deleteRequested(int record);
  // The user moved the selection to another record.
  void recordChosen(int record);

 private:
  ChannelGridWidget* grid_;
  QPushButton* newButton_;
  QPushButton* editButton_;
  QPushButton* deleteButton_;
  ListId list_ = ListId::CHUSA;
};

}  // namespace tpw::gui
