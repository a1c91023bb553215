#include "gui/report/report_window.h"

#include <QEvent>
#include <QVBoxLayout>

#include "adapters/print/report_painter.h"
#include "gui/shell/busy_window.h"
#include "gui/shell/twips.h"
#include "report/text_report.h"

namespace tpw::gui {

namespace {

constexpr QSize kClientSize{558, 409};
constexpr int kTextLeft = PixelsCovering(100);
constexpr int kButtonFromBottom = PixelsCovering(1200);
constexpr auto kBuildDelay = std::chrono::milliseconds(10);
constexpr auto kSettlePause = std::chrono::milliseconds(500);
constexpr qreal kTextPointSize = 10;

}  // namespace

ReportWindow::ReportWindow(Context ctx, FileDialogs& dialogs, QString folder, QWidget* parent)
    : QDialog(parent), ctx_(ctx), dialogs_(dialogs), folder_(std::move(folder)) {
  setObjectName(QStringLiteral("frmPrn"));
  setWindowTitle(tr("Print to File"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* bar = new QMenuBar(this);
  buildMenu(bar);
  layout->setMenuBar(bar);
  client_ = new QWidget(this);
  layout->addWidget(client_);

  text_ = new QPlainTextEdit(client_);
  text_->setObjectName(QStringLiteral("txtPrn"));
  text_->setAccessibleName(tr("Report"));
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(ReportFont(kTextPointSize));
  text_->setPlainText(tr("Now, making text image. Please wait..."));
  ok_ = new QPushButton(tr("OK"), client_);
  ok_->setObjectName(QStringLiteral("cmdOK"));
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  client_->installEventFilter(this);
  client_->setMinimumSize(ok_->sizeHint().width() + 2 * kTextLeft, kButtonFromBottom + 60);
  resize(kClientSize.width(), kClientSize.height() + bar->sizeHint().height());

  // The report is built once the window has been painted with the wait text.
  timer_ = new QTimer(this);
  timer_->setObjectName(QStringLiteral("Timer1"));
  timer_->setSingleShot(true);
  connect(timer_, &QTimer::timeout, this, &ReportWindow::buildReport);
  timer_->start(kBuildDelay);
}

void ReportWindow::buildMenu(QMenuBar* bar) {
  QMenu* file = bar->addMenu(tr("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
  save_ = file->addAction(tr("&Save As..."));
  save_->setObjectName(QStringLiteral("mnuFileSave"));
  // Nothing to save until the report is there.
  save_->setEnabled(false);
  connect(save_, &QAction::triggered, this, &ReportWindow::saveAs);
  QAction* exit = file->addAction(tr("&Exit"));
  exit->setObjectName(QStringLiteral("mnuFileExit"));
  connect(exit, &QAction::triggered, this, &QDialog::accept);
}

void ReportWindow::buildReport() {
  timer_->stop();
  {
    BusyWindow busy(this);
    report_ = BuildTextReport(ctx_.ws.model, ctx_.ws.caps);
    text_->setPlainText(QString::fromStdString(report_).replace(QStringLiteral("\r\n"), "\n"));
    ctx_.host.pause(kSettlePause);
  }
  built_ = true;
  save_->setEnabled(true);
  emit reportBuilt();
}

void ReportWindow::saveAs() {
  // A cancelled dialog answers with no file, and nothing is saved.
  const QString path = dialogs_.saveReportFile(this, folder_);
  if (path.isEmpty()) return;
  BusyWindow busy(this);
  SaveReportAs(ctx_, path.toStdString(), report_);
}

bool ReportWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize) placeControls();
  return QDialog::eventFilter(watched, event);
}

void ReportWindow::placeControls() {
  const QSize area = client_->size();
  const QSize button = ok_->sizeHint();
  const int buttonTop = area.height() - kButtonFromBottom;
  ok_->setGeometry((area.width() - button.width()) / 2, buttonTop, button.width(), button.height());
  text_->setGeometry(kTextLeft, kTextLeft, std::max(0, area.width() - 2 * kTextLeft),
                     std::max(0, buttonTop - 2 * kTextLeft));
}

}  // namespace tpw::gui
