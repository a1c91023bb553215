#include "gui/link/transfer_dialog.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "adapters/translations/qt_translations.h"
#include "session/message_texts.h"

namespace tpw::gui {

namespace {

constexpr QSize kDialogSize{465, 290};

// Keeps the wait cursor up for the length of a scope.
class WaitCursor {
 public:
  WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// Screen readers see the progress as a progress bar from 0 to 100 with its percentage, not as
// a label sliding through a frame.
class ProgressAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit ProgressAccessible(TransferProgress* progress)
      : QAccessibleWidget(progress, QAccessible::ProgressBar) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return QStringLiteral("%1%").arg(progress()->percent());
    return QAccessibleWidget::text(t);
  }
  QVariant currentValue() const override { return progress()->percent(); }
  void setCurrentValue(const QVariant&) override {}  // the transfer sets it, never the user
  QVariant maximumValue() const override { return 100; }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }

 private:
  TransferProgress* progress() const { return static_cast<TransferProgress*>(widget()); }
};

QAccessibleInterface* ProgressAccessibleFactory(const QString& className, QObject* object) {
  if (className != QLatin1String(TransferProgress::staticMetaObject.className())) return nullptr;
  return new ProgressAccessible(static_cast<TransferProgress*>(object));
}

}  // namespace

const char* TransferInstructions() {
  return QT_TRANSLATE_NOOP("tpw::gui::TransferDialog",
                           "1.Connect the KVX cable between the PC serial port and the radio.\r\n"
                           "2.On the radio, press and hold [PRESET] keys while\r\n"
                           "   turning the power on.\r\n"
                           "   The Radio display will show PC CONTROL.\r\n"
                           "3.Press the [OK] button to start.");
}

TransferProgress::TransferProgress(QWidget* parent) : QFrame(parent), bar_(new QLabel(this)) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(ProgressAccessibleFactory);
    return true;
  }();
  Q_UNUSED(factoryInstalled);
  setObjectName(QStringLiteral("pictProgress"));
  setAccessibleName(tr("Progress"));
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Sunken);
  setFixedHeight(20);
  bar_->setObjectName(QStringLiteral("lblPercent"));
  bar_->setAutoFillBackground(true);
  bar_->setBackgroundRole(QPalette::Highlight);
  bar_->setForegroundRole(QPalette::HighlightedText);
  bar_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  placeBar();
}

void TransferProgress::setPercent(int percent) {
  const int before = percent_;
  percent_ = qBound(0, percent, 100);
  placeBar();
  if (percent_ != before && QAccessible::isActive()) {
    QAccessibleValueChangeEvent changed(this, percent_);
    QAccessible::updateAccessibility(&changed);
  }
}

void TransferProgress::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  placeBar();
}

void TransferProgress::placeBar() {
  // The label as wide as the frame, its left edge at width / 100 * p - width: it fills the
  // frame from the left.
  const int w = width();
  bar_->setGeometry(w * percent_ / 100 - w, 0, w, height());
  bar_->setText(percent_ > 0 ? QStringLiteral("%1% ").arg(percent_) : QString());
}

bool CancelButtonHost::cancelled() {
  if (presses_ == 0) return false;
  --presses_;
  return true;
}

TransferDialog::TransferDialog(Context ctx, SerialPort& port, TransferMode mode, SafetyNet net,
                               QWidget* parent)
    : QDialog(parent),
      host_(ctx.host),
      ctx_{ctx.ws, ctx.prompter, host_, ctx.diagnostics, ctx.files},
      port_(port),
      mode_(mode),
      net_(std::move(net)),
      instructions_(new QLabel(
          tr(TransferInstructions()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), this)),
      progress_(new TransferProgress(this)),
      monitor_(new QLabel(this)),
      ok_(new QPushButton(tr("OK"), this)),
      cancel_(new QPushButton(tr("Cancel"), this)),
      help_(new QPushButton(tr("Help"), this)) {
  WaitCursor wait;
  setObjectName(QStringLiteral("frmRadio"));
  setWindowTitle(TranslatedText(TransferCaption(mode)));
  instructions_->setObjectName(QStringLiteral("lblmess"));
  monitor_->setObjectName(QStringLiteral("lblmon"));
  monitor_->setVisible(ctx_.ws.options.DebugMode);
  ok_->setObjectName(QStringLiteral("cmdOK"));
  cancel_->setObjectName(QStringLiteral("cmdCancel"));
  help_->setObjectName(QStringLiteral("cmdHelp"));
  ok_->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(instructions_);
  auto* pictures = new QWidget(this);
  buildPictures(pictures);
  layout->addWidget(pictures, 1);
  layout->addWidget(progress_);
  layout->addWidget(monitor_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* button : {ok_, cancel_, help_}) buttons->addWidget(button);
  layout->addLayout(buttons);
  // The dialog keeps its size, grown where a language's instructions need more.
  setFixedSize(kDialogSize.expandedTo(sizeHint()));

  connect(ok_, &QPushButton::clicked, this, &TransferDialog::pressOk);
  connect(cancel_, &QPushButton::clicked, this, &TransferDialog::pressCancel);
  connect(help_, &QPushButton::clicked, this, &TransferDialog::pressHelp);
  Monitor(ctx_, *this, "starting at debug mode..");
}

void TransferDialog::buildPictures(QWidget* row) {
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(20, 0, 20, 0);
  auto* radio = new RadioPicture(row);
  radio->setFixedSize(56, 96);
  auto* pc = new PcPicture(row);
  pc->setFixedSize(96, 96);
  flow_ = new DataFlowArrow(row);
  // The data always flows from left to right: from the radio when reading, to it otherwise.
  QWidget* source = mode_ == TransferMode::Read ? static_cast<QWidget*>(radio) : pc;
  QWidget* target = mode_ == TransferMode::Read ? static_cast<QWidget*>(pc) : radio;
  layout->addStretch(1);
  layout->addWidget(source);
  layout->addWidget(flow_, 2);
  layout->addWidget(target);
  layout->addStretch(1);
}

void TransferDialog::progress(int percent) {
  progress_->setPercent(percent);
  flow_->setPhase(progress_->percent());
}

void TransferDialog::monitor(std::string_view text) {
  monitor_->setText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

void TransferDialog::pressOk() {
  ok_->setEnabled(false);
  help_->setEnabled(false);
  host_.forget();
  running_ = true;
  {
    WaitCursor wait;
    result_ = RunProtectedTransfer(ctx_, port_, *this, mode_, net_);
    progress(0);
  }
  running_ = false;
  if (result_.done()) {
    accept();
    return;
  }
  // A failed start or operation leaves the dialog open: the user may try again or cancel.
  ok_->setEnabled(true);
  help_->setEnabled(true);
}

void TransferDialog::pressCancel() {
  if (running_) {
    host_.press();
    return;
  }
  QDialog::reject();
}

void TransferDialog::pressHelp() {
  ctx_.prompter.message(Icon::Information, TransferCaption(mode_), msg::NoHelp);
}

void TransferDialog::reject() {
  // Escape acts as Cancel: it stops a running transfer instead of leaving it.
  pressCancel();
}

void TransferDialog::closeEvent(QCloseEvent* event) {
  if (running_) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

}  // namespace tpw::gui
