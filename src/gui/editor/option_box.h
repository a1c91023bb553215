#pragma once

#include <QComboBox>
#include <optional>
#include <string_view>

#include "editor/option_list.h"

// The list boxes of the panels, filled from the core's option lists: a panel shows the entry
// of a stored value and stores the value of the chosen entry.
namespace tpw::gui {

QString FromView(std::string_view text);

// Replaces the entries of a box with those of a list; none is selected afterwards.
void FillOptions(QComboBox* box, const OptionList& list);
// Shows the entry of the list that stores value; a value no entry stores shows none, and
// nothing keeps the selection as it is.
void SelectValue(QComboBox* box, const OptionList& list, std::optional<int> value);
// The value of the selected entry; nothing when none is selected.
std::optional<int> SelectedValue(const QComboBox* box);

// A member of a control array: the shared objectName and its index.
void NameArrayMember(QWidget* widget, const char* objectName, int index);

}  // namespace tpw::gui
