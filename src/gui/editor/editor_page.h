#pragma once

#include <QString>
#include <QWidget>

namespace tpw::gui {

// A panel of the right pane. The panels of the setup and channel editors derive from it and
// answer the two questions the editor asks every panel.
class EditorPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;

  // False when a half-edited value must be corrected before the panel may be left; the page
  // has told the user why.
  virtual bool validateBeforeLeave() { return true; }
  // Back to the empty state of a new data set.
  virtual void resetPage() {}
  // Fills the controls from the settings before the page is shown; a setting the page cannot
  // show is corrected through the core's setters, as every change is.
  virtual void fillControls() {}

 signals:
  // The one-line key hint of the focused control.
  void hintChanged(const QString& hint);
};

// A page whose editor comes in a later version: a calm empty page with its name.
class PlaceholderPage : public EditorPage {
  Q_OBJECT

 public:
  PlaceholderPage(const QString& objectName, const QString& caption, QWidget* parent = nullptr);
};

}  // namespace tpw::gui
