#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <thread>

#include "cli/cli_session.h"
#include "cli/console.h"
#include "link/transfer.h"

namespace tpw::cli {

// Options every transfer command shares, --yes and --no among them.
struct TransferOptions {
  std::string port;
  bool lowSpeed = false;
  bool echoCheck = false;
  bool debug = false;
  bool noBackup = false;   // --no-backup: no backup of the radio's images for this command
  bool readFirst = false;  // --read-first (write): the radio is read and kept before it is written
  bool noVerify = false;   // --no-verify (write, clear-atis): nothing is read back afterwards
};
// A command that may work without the radio takes --port as an option; one that names its
// ports otherwise has none.
enum class PortOption { Required, Optional, None };
void AddTransferOptions(CLI::App& command, TransferOptions& options, CliSession& session,
                        PortOption port = PortOption::Required);
void AddPortOption(CLI::App& command, TransferOptions& options, PortOption port);
// The link's switches of the options: low speed, echo check, debug mode.
void ApplyLinkOptions(Workspace& ws, const TransferOptions& options);

// Messages and questions below what shows the progress, which first makes room for them.
class PromptingBelow : public Prompter {
 public:
  PromptingBelow(Prompter& inner, std::function<void()> makeRoom)
      : inner_(inner), makeRoom_(std::move(makeRoom)) {}
  void message(Icon icon, std::string_view title, std::string_view text) override;
  Answer ask(Icon icon, std::string_view title, std::string_view text, Buttons buttons,
             Answer defaultAnswer) override;

 private:
  Prompter& inner_;
  std::function<void()> makeRoom_;
};

// Real time; a stop signal (Ctrl-C, SIGTERM, SIGHUP) is the transfer's cancel, and the first
// one is remembered to tell why the transfer stopped.
class TerminalHost : public Host {
 public:
  explicit TerminalHost(InterruptWatch& interrupts) : interrupts_(interrupts) {}
  void pause(std::chrono::milliseconds duration) override { std::this_thread::sleep_for(duration); }
  Clock::time_point now() override { return Clock::now(); }
  void yield() override {}
  void settleAfterFile() override {}
  bool cancelled() override;

  std::optional<int> stoppedBy;

 private:
  InterruptWatch& interrupts_;
};

// --no-verify, for the commands that write.
void AddVerifyOption(CLI::App& command, TransferOptions& options);

// Progress as a bar on a terminal (nothing when stderr is not one), monitor texts in debug
// mode, each on a line of its own.
class TerminalObserver : public TransferObserver {
 public:
  TerminalObserver(std::ostream& err, bool terminal, std::string caption);
  void progress(int percent) override;
  void monitor(std::string_view text) override;
  void waiting(std::string_view text) override;
  void verifying() override;
  // Ends the bar's line so that the next text starts on its own line.
  void breakLine();

 private:
  std::ostream& err_;
  bool terminal_;
  std::string caption_;
  int shown_ = -1;
  bool barOnLine_ = false;
};

// Runs a transfer on the named port with the terminal as the dialog, under the safety net
// (backups and the trace in the user's data folder): Ctrl-C is its Cancel button. Returns the
// exit status; result gets what the transfer reported.
int RunTerminalTransfer(CliSession& session, const TransferOptions& options, TransferMode mode,
                        TransferResult& result);

}  // namespace tpw::cli
