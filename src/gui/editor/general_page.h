#pragma once

#include "gui/editor/editor_page.h"

class QBoxLayout;

namespace tpw::gui {

// The page of the "General" node (pictGeneral): the program's logo and how to begin. Its text
// wraps to the page's width; on a page too narrow for the text beside the radio picture, the
// text goes below it.
class GeneralPage : public EditorPage {
  Q_OBJECT

 public:
  explicit GeneralPage(QWidget* parent = nullptr);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QBoxLayout* row_;
};

}  // namespace tpw::gui
