#include "gui/shell/language_menu.h"

#include <QActionGroup>
#include <QCoreApplication>

#include "shell/program_language.h"

namespace tpw::gui {

namespace {

QAction* AddChoice(QMenu* menu, QActionGroup* group, const QString& caption,
                   const std::string& code, const std::string& remembered) {
  QAction* entry = menu->addAction(caption);
  entry->setObjectName(QStringLiteral("mnuOptionsLanguageChild"));
  entry->setProperty("language", QString::fromStdString(code));
  entry->setCheckable(true);
  entry->setChecked(code == remembered);
  group->addAction(entry);
  return entry;
}

}  // namespace

QMenu* AddLanguageMenu(QMenu* options, SettingsStore& settings) {
  QMenu* menu = options->addMenu(QCoreApplication::translate("LanguageMenu", "&Language"));
  menu->setObjectName(QStringLiteral("mnuOptionsLanguage"));
  menu->menuAction()->setObjectName(QStringLiteral("mnuOptionsLanguage"));
  const std::string remembered =
      KnownLanguage(ReadSetting(settings, setting::Language)).value_or(std::string());
  auto* group = new QActionGroup(menu);
  AddChoice(menu, group, QCoreApplication::translate("LanguageMenu", "&System Language"),
            std::string(), remembered);
  menu->addSeparator();
  // Each language in its own words, so that whoever reads it finds it.
  for (const Language& language : Languages()) {
    AddChoice(menu, group, QString::fromUtf8(language.name), language.code, remembered);
  }
  menu->addSeparator();
  QAction* note =
      menu->addAction(QCoreApplication::translate("LanguageMenu", "Takes effect after a restart"));
  note->setObjectName(QStringLiteral("mnuOptionsLanguageNote"));
  note->setEnabled(false);
  QObject::connect(group, &QActionGroup::triggered, menu, [&settings](QAction* entry) {
    WriteSetting(settings, setting::Language, entry->property("language").toString().toStdString());
  });
  return menu;
}

}  // namespace tpw::gui
