#pragma once

#include <QMenu>

#include "files/settings_store.h"

namespace tpw::gui {

// Options > Language: the system's language or one of the languages the program speaks, kept
// in Settings/Language for the next start. The menu says that a choice takes effect after a
// restart: the texts of a running window are not swapped under the user.
QMenu* AddLanguageMenu(QMenu* options, SettingsStore& settings);

}  // namespace tpw::gui
