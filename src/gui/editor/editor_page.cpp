#include "gui/editor/editor_page.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tpw::gui {

PlaceholderPage::PlaceholderPage(const QString& objectName, const QString& caption, QWidget* parent)
    : EditorPage(parent) {
  setObjectName(objectName);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Mid);
  auto* layout = new QVBoxLayout(this);
  if (!caption.isEmpty()) {
    auto* label = new QLabel(caption, this);
    label->setAlignment(Qt::AlignCenter);
    label->setForegroundRole(QPalette::BrightText);
    layout->addWidget(label);
  }
}

}  // namespace tpw::gui
