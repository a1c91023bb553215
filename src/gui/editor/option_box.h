#pragma once

#include <QComboBox>
#include <optional>
#include <span>
#include <string_view>

#include "editor/common_options.h"

// Drop-down lists whose entries carry the value they store: the panels select an entry by the
// stored value and store the value of the chosen entry.
namespace tpw::gui {

QString FromView(std::string_view text);

// Replaces the entries of a list; no entry is selected afterwards.
void FillOptions(QComboBox* box, std::span<const OptionEntry> entries);
// Selects the entry whose value is the given one; nothing, or a value without an entry, keeps
// the selection.
void SelectValue(QComboBox* box, std::optional<int> value);
// The value of the selected entry, or -1 when none is selected.
int SelectedValue(const QComboBox* box);

// A member of a control array: the shared objectName and its index.
void NameArrayMember(QWidget* widget, const char* objectName, int index);

}  // namespace tpw::gui
