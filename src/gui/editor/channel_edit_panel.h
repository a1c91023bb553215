#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <string_view>

#include "editor/channel_form.h"
#include "editor/editor_state.h"
#include "gui/editor/editor_page.h"
#include "gui/editor/focus_hints.h"
#include "gui/editor/validating_line_edit.h"
#include "session/prompter.h"
#include "session/workspace.h"

namespace tpw::gui {

class ConnectorLine;

// The channel edit panel (pictC): one record of a channel list in the group form (a channel of
// the marine table, for CHUSA, CHINT, CHCAN) or the free form (a typed name and frequencies,
// for CHRG and CHEXP). The settings change only on SAVE; the rules live in the core
// (editor/channel_form, editor/channel_list_edit), the panel shows and forwards.
class ChannelEditPanel : public EditorPage {
  Q_OBJECT

 public:
  ChannelEditPanel(Workspace& ws, EditorState& state, Prompter& prompter,
                   QWidget* parent = nullptr);

  // Fills the panel with a record of a list (the template for NEW) in the list's form.
  void showChannel(ListId list, const ChannelRecord& record);
  // Puts the focus on the first control the user changes.
  void focusFirstControl();

  // The free form may not be left with an unusable receive frequency or a blank name.
  bool validateBeforeLeave() override;
  // Empty, every box unticked, the list boxes filled with nothing selected.
  void resetPage() override;

 signals:
  // SAVE wrote the record: the list is to be shown again.
  void saved();
  void cancelled();

 private:
  void buildControls();
  QWidget* buildFieldArea();
  QGroupBox* buildModeFrame();
  QGroupBox* buildGroupsFrame();
  QGroupBox* buildTransmitFrame();
  // Shows the group form or the free form: which boxes are locked, which frames are shown.
  void layOutForm(bool freeForm);
  void fillGroupForm(const ChannelRecord& record);
  void fillFreeForm(const ChannelRecord& record);
  void applyEnableRules();
  void rewriteGroupFrequencies();
  GroupFormEntry groupFormEntry() const;
  FreeFormEntry freeFormEntry() const;
  SharedEntry sharedEntry() const;
  void save();
  void cancel();

  // The frequency boxes: select on focus, a typed change, the check before the focus leaves
  // and the rewrite once it has.
  void frequencyGotFocus(ValidatingLineEdit* box, std::string_view hint);
  bool frequencyMayBeLeft(ValidatingLineEdit* box, const char* title);
  void frequencyLostFocus(ValidatingLineEdit* box);
  // The handlers do nothing while the panel is not the enabled one, in front.
  bool idle() const;

  Workspace& ws_;
  EditorState& state_;
  Prompter& prompter_;
  FocusHints* hints_;
  ListId list_ = ListId::CHUSA;
  ChannelRecord shown_;
  bool freeForm_ = false;

  QCheckBox* channelEnabledBox_ = nullptr;
  QLabel* positionLabel_ = nullptr;
  QComboBox* baseChannelList_ = nullptr;
  ValidatingLineEdit* displayNameBox_ = nullptr;
  QLabel* rxLabel_ = nullptr;
  ValidatingLineEdit* rxFrequencyBox_ = nullptr;
  QLabel* rxUnit_ = nullptr;
  QLabel* txLabel_ = nullptr;
  ValidatingLineEdit* txFrequencyBox_ = nullptr;
  QLabel* txUnit_ = nullptr;
  QGroupBox* modeFrame_ = nullptr;
  QComboBox* duplexList_ = nullptr;
  QComboBox* statusIconList_ = nullptr;
  QComboBox* statusNumberList_ = nullptr;
  QGroupBox* groupsFrame_ = nullptr;
  std::array<QCheckBox*, 3> groupBoxes_{};
  QCheckBox* txEnableBox_ = nullptr;
  QCheckBox* lowPowerBox_ = nullptr;
  QCheckBox* powerUpBox_ = nullptr;
  ConnectorLine* lowPowerLine_ = nullptr;
  ConnectorLine* powerUpLine_ = nullptr;
  QCheckBox* scanMemoryBox_ = nullptr;
  QLabel* scramblerLabel_ = nullptr;
  QComboBox* scramblerList_ = nullptr;
  QPushButton* saveButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
};

}  // namespace tpw::gui
