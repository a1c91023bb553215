#pragma once

#include "gui/editor/editor_page.h"

namespace tpw::gui {

// The page of the "General" node (pictGeneral): the program's logo and how to begin.
class GeneralPage : public EditorPage {
  Q_OBJECT

 public:
  explicit GeneralPage(QWidget* parent = nullptr);
};

}  // namespace tpw::gui
