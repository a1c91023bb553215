#pragma once

#include <QAction>
#include <QMenu>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "files/settings_store.h"
#include "link/port_list.h"
#include "link/port_selection.h"
#include "session/prompter.h"

namespace tpw::gui {

// The port a transfer goes through: a device of the system, or the built-in simulated radio.
struct PortChoice {
  std::string device;
  bool demo = false;
};

// The Options > SerialPort menu: at most 16 ports, the chosen one checked and remembered.
// On Windows the items read "COM 3" and the number is kept under "ComNum"; elsewhere they are
// the device paths with what is known of the USB adapter (description, vendor:product id,
// serial number), and the port's stable name (/dev/serial/by-id/...), or else its path, is
// kept under "ComPort", so that a remembered cable is found again after it is plugged back in.
// With the demo switch one more item offers the simulated radio.
class SerialPortMenu : public QObject {
  Q_OBJECT

 public:
  // The index of the demo item, after the port items.
  static constexpr int DemoItem = PortMenuSize;

  SerialPortMenu(QMenu* menu, const std::array<QAction*, PortMenuSize>& items,
                 SettingsStore& settings, QObject* parent = nullptr);

  // Fills the items from the system's ports (and the demo item when offered). Without any
  // port the user is told, and the menu is disabled.
  void build(const std::vector<PortInfo>& ports, bool offerDemo, Prompter& prompter);
  // Checks the remembered port, or the demo radio when it is offered.
  void selectAtStart();
  // Checks item index (DemoItem for the demo); saved only when asked (the window is visible).
  void select(int index, bool save);

  // The checked port, or else the remembered one (a port that is not present then fails to
  // open, telling the user why).
  PortChoice choice() const;
  QAction* demoItem() const { return demo_; }
  // The status bar's text for the choice.
  QString caption() const;

 signals:
  void choiceChanged();

 private:
  int checkedIndex() const;

  QMenu* menu_;
  std::array<QAction*, PortMenuSize> items_;
  QAction* demo_ = nullptr;
  SettingsStore& settings_;
  std::vector<PortInfo> ports_;  // the port of item i
};

// The key under which the chosen port's device path is kept outside Windows.
inline constexpr SettingKey ComPortSetting{"ComPath", "ComPort", ""};

}  // namespace tpw::gui
