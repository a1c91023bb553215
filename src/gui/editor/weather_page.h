#pragma once

#include <QCheckBox>
#include <QLabel>
#include <array>

#include "editor/weather_rows.h"
#include "gui/editor/editor_page.h"
#include "gui/editor/focus_hints.h"
#include "image/channel_tables.h"
#include "session/workspace.h"

namespace tpw::gui {

// The page of the "Weather" node (pictD): one row per weather channel, with its name, whether
// the radio may use it (Enable) and whether it is scanned (Scan, usable while the channel is
// enabled). A box with the focus shows ">". Rows the weather list holds no record for are
// unticked and take no click.
class WeatherPage : public EditorPage {
  Q_OBJECT

 public:
  explicit WeatherPage(Workspace& ws, QWidget* parent = nullptr);

  // Unticks every box, then shows the weather list.
  void resetPage() override;
  void fillControls() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showRow(int row, const WeatherRow& shown);
  void enableClicked(int row, bool ticked);
  void scanClicked(int row, bool ticked);

  Workspace& ws_;
  FocusHints* hints_;
  std::array<QLabel*, WxChannelCount> names_{};
  std::array<QCheckBox*, WxChannelCount> enable_{};
  std::array<QCheckBox*, WxChannelCount> scan_{};
};

}  // namespace tpw::gui
