#include "gui/editor/option_box.h"
#include "adapters/translations/qt_translations.h"

namespace tpw::gui {

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void FillOptions(QComboBox* box, const OptionList& list) {
  box->clear();
  for (const OptionEntry& entry : list.entries()) {
    box->addItem(TranslatedText(entry.text), entry.value);
  }
  box->setCurrentIndex(-1);
}

void SelectValue(QComboBox* box, const OptionList& list, std::optional<int> value) {
  if (value) box->setCurrentIndex(list.indexOf(*value).value_or(-1));
}

std::optional<int> SelectedValue(const QComboBox* box) {
  if (box->currentIndex() < 0) return std::nullopt;
  return box->currentData().toInt();
}

void NameArrayMember(QWidget* widget, const char* objectName, int index) {
  widget->setObjectName(QString::fromLatin1(objectName));
  widget->setProperty("index", index);
}

}  // namespace tpw::gui
