#pragma once

#include <QDialog>
#include <vector>

#include "report/data_set_comparison.h"

namespace tpw::gui {

// What a write would change in the radio, shown before it is programmed (frmWriteChanges): the
// heading, the changes as a table (the radio's value, then the value written), the question,
// and Program or Cancel (the default, as for every question that would change the radio).
class WriteChangesDialog : public QDialog {
  Q_OBJECT

 public:
  WriteChangesDialog(std::vector<Difference> changes, const QString& port,
                     QWidget* parent = nullptr);
};

// Shows the dialog; true when the user chose to program.
bool AgreesToWriteChanges(const std::vector<Difference>& changes, const QString& port,
                          QWidget* parent);

}  // namespace tpw::gui
