#include "gui/editor/option_box.h"

namespace tpw::gui {

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void FillOptions(QComboBox* box, std::span<const OptionEntry> entries) {
  box->clear();
  for (const OptionEntry& entry : entries) box->addItem(FromView(entry.text), entry.value);
  box->setCurrentIndex(-1);
}

void SelectValue(QComboBox* box, std::optional<int> value) {
  if (!value) return;
  const int index = box->findData(*value);
  if (index >= 0) box->setCurrentIndex(index);
}

int SelectedValue(const QComboBox* box) {
  return box->currentIndex() < 0 ? -1 : box->currentData().toInt();
}

void NameArrayMember(QWidget* widget, const char* objectName, int index) {
  widget->setObjectName(QString::fromLatin1(objectName));
  widget->setProperty("index", index);
}

}  // namespace tpw::gui
