#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QWidget>
#include <string_view>

namespace tpw::gui {

// The status-bar hint of each control of a panel, announced when the control gets the focus;
// it is the control's accessible description too.
class FocusHints : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;
  void add(QWidget* control, std::string_view hint);

 signals:
  void hintChanged(const QString& hint);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QHash<QObject*, QString> hints_;
};

}  // namespace tpw::gui
