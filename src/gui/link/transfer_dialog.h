#pragma once

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "gui/link/device_pictures.h"
#include "link/transfer.h"
#include "session/workspace.h"
#include "shell/transfer_safety_net.h"

namespace tpw::gui {

// The progress bar of the transfer dialog: a label (lblPercent) that slides into its frame
// (pictProgress) from the left as the transfer advances. Screen readers see a progress bar
// named "Progress" with the percentage as its value.
class TransferProgress : public QFrame {
  Q_OBJECT

 public:
  explicit TransferProgress(QWidget* parent = nullptr);
  void setPercent(int percent);
  int percent() const { return percent_; }
  QLabel* bar() const { return bar_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void placeBar();

  QLabel* bar_;
  int percent_ = 0;
};

// The window's time, with the dialog's Cancel button as the user's request to stop: the
// transfer asks it on every wait.
class CancelButtonHost : public Host {
 public:
  explicit CancelButtonHost(Host& window) : window_(window) {}
  void pause(std::chrono::milliseconds duration) override { window_.pause(duration); }
  Clock::time_point now() override { return window_.now(); }
  void yield() override { window_.yield(); }
  void settleAfterFile() override { window_.settleAfterFile(); }
  bool cancelled() override;
  void press() { ++presses_; }
  // A press meant for an earlier transfer does not stop the next one.
  void forget() { presses_ = 0; }

 private:
  Host& window_;
  int presses_ = 0;
};

// The modal dialog in which every radio operation runs (frmRadio): how to connect the radio,
// the two pictures with the data flowing left to right, progress, the monitor line in debug
// mode, and OK, Cancel and Help. The operation runs on this thread; its waits run the event
// loop, so Cancel stays live and the dialog repaints.
class TransferDialog : public QDialog, public TransferObserver {
  Q_OBJECT

 public:
  // The transfer runs under the safety net: backups and the trace.
  TransferDialog(Context ctx, SerialPort& port, TransferMode mode, SafetyNet net,
                 QWidget* parent = nullptr);

  // How the last transfer ended.
  TransferResult result() const { return result_; }
  TransferMode mode() const { return mode_; }

  // What the running transfer shows.
  void progress(int percent) override;
  void monitor(std::string_view text) override;
  // The instructions already say what to check while the radio is silent.
  void waiting(std::string_view) override {}

  void pressOk();
  void pressCancel();
  void pressHelp();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void buildPictures(QWidget* row);

  CancelButtonHost host_;
  Context ctx_;
  bool running_ = false;
  SerialPort& port_;
  TransferMode mode_;
  SafetyNet net_;
  // Closed before any transfer ran, the dialog did nothing the user asked for.
  TransferResult result_{.outcome = Outcome::Cancelled};
  QLabel* instructions_;
  TransferProgress* progress_;
  DataFlowArrow* flow_ = nullptr;
  QLabel* monitor_;
  QPushButton* ok_;
  QPushButton* cancel_;
  QPushButton* help_;
};

// The dialog's instructions, one line each, joined by CR LF.
const char* TransferInstructions();

}  // namespace tpw::gui
