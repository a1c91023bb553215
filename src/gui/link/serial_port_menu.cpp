#include "gui/link/serial_port_menu.h"

#include "adapters/translations/qt_translations.h"
#include "link/port_help.h"
#include "session/workspace.h"

namespace tpw::gui {

namespace {

#ifdef Q_OS_WIN
constexpr bool kNumberedPorts = true;
#else
constexpr bool kNumberedPorts = false;
#endif

// "COM12" -> 12; 0 for a name without a number.
int ComNumber(const std::string& device) {
  if (device.rfind("COM", 0) != 0) return 0;
  try {
    return std::stoi(device.substr(3));
  } catch (...) {
    return 0;
  }
}

QString ItemCaption(const PortInfo& port) {
  if (kNumberedPorts) return QStringLiteral("COM %1").arg(ComNumber(port.name));
  QString caption = QString::fromStdString(port.name);
  const std::string details = PortDetails(port, TranslatedUtf8);
  if (!details.empty()) caption += QStringLiteral("  ") + QString::fromStdString(details);
  return caption;
}

// The name a port is remembered by: the one that survives plugging the cable in again.
const std::string& RememberedName(const PortInfo& port) {
  return port.stableName.empty() ? port.name : port.stableName;
}

}  // namespace

SerialPortMenu::SerialPortMenu(QMenu* menu, const std::array<QAction*, PortMenuSize>& items,
                               SettingsStore& settings, QObject* parent)
    : QObject(parent), menu_(menu), items_(items), settings_(settings) {
  for (int i = 0; i < PortMenuSize; ++i) {
    connect(items_[static_cast<std::size_t>(i)], &QAction::triggered, this,
            [this, i] { select(i, true); });
  }
}

void SerialPortMenu::build(const std::vector<PortInfo>& ports, bool offerDemo, Prompter& prompter) {
  ports_.clear();
  for (int i = 0; i < PortMenuSize; ++i) {
    QAction* item = items_[static_cast<std::size_t>(i)];
    const bool used = i < static_cast<int>(ports.size());
    item->setChecked(false);
    item->setVisible(used);
    item->setEnabled(used);
    if (!used) continue;
    const PortInfo& port = ports[static_cast<std::size_t>(i)];
    item->setText(ItemCaption(port));
    item->setToolTip(QString::fromStdString(port.stableName));
    ports_.push_back(port);
  }
  menu_->setToolTipsVisible(true);
  if (offerDemo && demo_ == nullptr) {
    menu_->addSeparator();
    demo_ = menu_->addAction(tr("Simulated radio (demo)"));
    demo_->setObjectName(QStringLiteral("mnuOptionsSerialPortDemo"));
    demo_->setCheckable(true);
    connect(demo_, &QAction::triggered, this, [this] { select(DemoItem, true); });
  }
  menu_->setEnabled(!ports_.empty() || demo_ != nullptr);
  // With the simulated radio offered there is always a port to use.
  if (ports_.empty() && demo_ == nullptr) {
    prompter.message(Icon::None, AppTitle, NoPortText(ThisPlatform()));
  }
}

void SerialPortMenu::selectAtStart() {
  if (demo_ != nullptr) {
    select(DemoItem, false);
    return;
  }
  for (int i = 0; i < static_cast<int>(ports_.size()); ++i) {
    const PortInfo& port = ports_[static_cast<std::size_t>(i)];
    const bool remembered =
        kNumberedPorts ? ComNumber(port.name) == ReadNumberSetting(settings_, setting::ComNum)
                       : NamesPort(port, ReadSetting(settings_, ComPortSetting));
    if (remembered) {
      select(i, false);
      return;
    }
  }
}

void SerialPortMenu::select(int index, bool save) {
  for (QAction* item : items_) item->setChecked(false);
  if (demo_ != nullptr) demo_->setChecked(index == DemoItem);
  if (index >= 0 && index < static_cast<int>(ports_.size())) {
    items_[static_cast<std::size_t>(index)]->setChecked(true);
    const PortInfo& port = ports_[static_cast<std::size_t>(index)];
    if (save && kNumberedPorts)
      WriteSetting(settings_, setting::ComNum, std::to_string(ComNumber(port.name)));
    if (save && !kNumberedPorts) WriteSetting(settings_, ComPortSetting, RememberedName(port));
  }
  emit choiceChanged();
}

int SerialPortMenu::checkedIndex() const {
  for (int i = 0; i < static_cast<int>(ports_.size()); ++i) {
    if (items_[static_cast<std::size_t>(i)]->isChecked()) return i;
  }
  return -1;
}

PortChoice SerialPortMenu::choice() const {
  if (demo_ != nullptr && demo_->isChecked()) return {{}, true};
  const int index = checkedIndex();
  if (index >= 0) return {ports_[static_cast<std::size_t>(index)].name, false};
  if (kNumberedPorts)
    return {"COM" + std::to_string(ReadNumberSetting(settings_, setting::ComNum)), false};
  const std::string remembered = ReadSetting(settings_, ComPortSetting);
  if (remembered.empty() && !ports_.empty()) return {ports_.front().name, false};
  return {remembered, false};
}

QString SerialPortMenu::caption() const {
  const PortChoice chosen = choice();
  if (chosen.demo) return tr("Simulated radio");
  return QString::fromStdString(chosen.device);
}

}  // namespace tpw::gui
