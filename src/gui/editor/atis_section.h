#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "gui/editor/focus_hints.h"
#include "gui/editor/validating_line_edit.h"
#include "session/workspace.h"

namespace tpw::gui {

// The ATIS section of the Common Setup page (pictATIS_2): the groups the radio sends its ATIS
// identification on, the mode, the ten-digit code, how often a code was programmed, and
// "ATIS Clear".
//
// A typed code is stored once it is accepted: when the user leaves the box towards a control
// that asks for validation (every control of the window except "ATIS Clear"), or when a
// command asks the page. A code that is neither empty nor ten digits is refused there with
// "Data Error!!" and the focus stays in the box (a ValidatingLineEdit); leaving towards
// "ATIS Clear" puts the stored code back silently instead. Ten digits that are no plausible
// ATIS code (9, then a country code from 201 to 775) are kept only when the user says so at a
// warning; otherwise the focus stays in the box.
class AtisSection : public QGroupBox {
  Q_OBJECT

 public:
  AtisSection(Workspace& ws, Prompter& prompter, FocusHints& hints, QWidget* parent = nullptr);

  // Empties every control; the settings stay as they are.
  void clear();
  // Shows the ATIS settings and what the usable groups allow.
  void load();
  // The radio's counter of programmed codes, as the image holds it.
  void showCount();
  // True unless a typed code waits in the focused code box and is refused; the user has then
  // been told.
  bool acceptBeforeLeave();

 signals:
  void clearRequested();

 private:
  void codeEdited();
  void showCode(const std::string& code);
  // Stores a typed code when it is acceptable. A refused code is reported (tellUser) or
  // replaced by the stored one.
  bool takeTypedCode(bool tellUser);
  bool codeHasFocus() const;

  Workspace& ws_;
  Prompter& prompter_;
  std::array<QCheckBox*, GroupCount> groups_{};
  QComboBox* mode_ = nullptr;
  QLabel* codeLabel_ = nullptr;
  ValidatingLineEdit* code_ = nullptr;
  QLineEdit* count_ = nullptr;
  QPushButton* clear_ = nullptr;
  QString shownCode_;       // what the box holds, to tell a real change from a dropped key
  bool codeTyped_ = false;  // typed into since the code was last accepted or shown
};

}  // namespace tpw::gui
