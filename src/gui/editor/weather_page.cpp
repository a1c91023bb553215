#include "gui/editor/weather_page.h"

#include <QEvent>
#include <QGridLayout>
#include <QVBoxLayout>

#include "editor/editor_state.h"
#include "editor/setup_edits.h"
#include "editor/weather_rows.h"
#include "gui/editor/option_box.h"
#include "gui/editor/quiet_controls.h"

namespace tpw::gui {

namespace {

const QString kFocusMark = QStringLiteral(">");
const QString kNoMark = QStringLiteral(" ");

QCheckBox* MarkedBox(QWidget* parent, const char* objectName, int row, const QString& name) {
  auto* box = new QCheckBox(kNoMark, parent);
  NameArrayMember(box, objectName, row);
  box->setAccessibleName(name);
  return box;
}

}  // namespace

WeatherPage::WeatherPage(Workspace& ws, QWidget* parent)
    : EditorPage(parent), ws_(ws), hints_(new FocusHints(this)) {
  setObjectName(QStringLiteral("pictD"));
  connect(hints_, &FocusHints::hintChanged, this, &EditorPage::hintChanged);
  auto* grid = new QGridLayout;
  auto* enableHeading = new QLabel(tr("Enable"), this);
  enableHeading->setObjectName(QStringLiteral("lblDEnable"));
  auto* scanHeading = new QLabel(tr("Scan"), this);
  scanHeading->setObjectName(QStringLiteral("lblDScan"));
  grid->addWidget(enableHeading, 0, 1, Qt::AlignHCenter);
  grid->addWidget(scanHeading, 0, 2, Qt::AlignHCenter);
  const WeatherRows rows = WeatherRowsOf(ws_.model);
  for (int k = 0; k < WxChannelCount; ++k) {
    const std::size_t i = static_cast<std::size_t>(k);
    const QString name = QString::fromStdString(rows[i].name);
    names_[i] = new QLabel(name, this);
    NameArrayMember(names_[i], "lblWX", k);
    enable_[i] = MarkedBox(this, "chkDEnable", k, name + QLatin1Char(' ') + enableHeading->text());
    scan_[i] = MarkedBox(this, "chkDScan", k, name + QLatin1Char(' ') + scanHeading->text());
    hints_->add(enable_[i], WeatherEnableHint);
    hints_->add(scan_[i], ToggleHint);
    for (QCheckBox* box : {enable_[i], scan_[i]}) box->installEventFilter(this);
    connect(enable_[i], &QCheckBox::clicked, this,
            [this, k](bool ticked) { enableClicked(k, ticked); });
    connect(scan_[i], &QCheckBox::clicked, this,
            [this, k](bool ticked) { scanClicked(k, ticked); });
    grid->addWidget(names_[i], k + 1, 0);
    grid->addWidget(enable_[i], k + 1, 1, Qt::AlignHCenter);
    grid->addWidget(scan_[i], k + 1, 2, Qt::AlignHCenter);
  }
  grid->setColumnMinimumWidth(1, 60);
  grid->setColumnMinimumWidth(2, 60);
  grid->setColumnStretch(3, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addStretch(1);
  resetPage();
}

void WeatherPage::resetPage() {
  QuietControls quiet(this);
  for (int k = 0; k < WxChannelCount; ++k) {
    enable_[static_cast<std::size_t>(k)]->setChecked(false);
    scan_[static_cast<std::size_t>(k)]->setChecked(false);
  }
  fillControls();
}

void WeatherPage::fillControls() {
  const WeatherRows rows = WeatherRowsOf(ws_.model);
  for (int k = 0; k < WxChannelCount; ++k) showRow(k, rows[static_cast<std::size_t>(k)]);
}

void WeatherPage::showRow(int row, const WeatherRow& shown) {
  QuietControls quiet(this);
  const std::size_t i = static_cast<std::size_t>(row);
  names_[i]->setText(QString::fromStdString(shown.name));
  enable_[i]->setChecked(shown.enable);
  enable_[i]->setEnabled(shown.present);
  scan_[i]->setChecked(shown.scan);
  scan_[i]->setEnabled(shown.scanUsable);
}

void WeatherPage::enableClicked(int row, bool ticked) {
  SetWeatherEnable(ws_, row, ticked);
  // The row shows what its record now holds: a row without one stays unticked, and the scan
  // tick stays while the channel is off; it only cannot be changed.
  showRow(row, WeatherRowsOf(ws_.model)[static_cast<std::size_t>(row)]);
}

void WeatherPage::scanClicked(int row, bool ticked) {
  SetWeatherScan(ws_, row, ticked);
  showRow(row, WeatherRowsOf(ws_.model)[static_cast<std::size_t>(row)]);
}

bool WeatherPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
    if (auto* box = qobject_cast<QCheckBox*>(watched)) {
      box->setText(event->type() == QEvent::FocusIn ? kFocusMark : kNoMark);
    }
  }
  return EditorPage::eventFilter(watched, event);
}

}  // namespace tpw::gui
