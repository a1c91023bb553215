#include "cli/transfer_terminal.h"

#include <ostream>
#include <thread>

#include "adapters/serial/qt_serial_port.h"
#include "adapters/translations/qt_translations.h"
#include "cli/console.h"
#include "cli/language.h"
#include "files/error_log.h"
#include "report/write_review.h"
#include "shell/transfer_safety_net.h"

namespace tpw::cli {

namespace {

constexpr int BarWidth = 40;

}  // namespace

void PromptingBelow::message(Icon icon, std::string_view title, std::string_view text) {
  makeRoom_();
  inner_.message(icon, title, text);
}

Answer PromptingBelow::ask(Icon icon, std::string_view title, std::string_view text,
                           Buttons buttons, Answer defaultAnswer) {
  makeRoom_();
  return inner_.ask(icon, title, text, buttons, defaultAnswer);
}

bool TerminalHost::cancelled() {
  const std::optional<int> signal = interrupts_.taken();
  if (signal && !stoppedBy) stoppedBy = signal;
  return signal.has_value();
}

void AddTransferOptions(CLI::App& command, TransferOptions& options, CliSession& session,
                        PortOption port) {
  if (port != PortOption::None) AddPortOption(command, options, port);
  AddAnswerOptions(command, session);
  command.add_flag("--low-speed", options.lowSpeed, TPW_TEXT("Cli", "stay at 19200 baud (/E)"));
  command.add_flag(
      "--echo-check", options.echoCheck,
      TPW_TEXT("Cli", "verify the echo of every byte sent, for cables that return it (/NT)"));
  command.add_flag("--debug", options.debug,
                   TPW_TEXT("Cli", "show the protocol trace and keep the error log (/D)"));
  command.add_flag("--no-backup", options.noBackup,
                   TPW_TEXT("Cli", "keep no backup of the radio's data for this command"));
}

void AddPortOption(CLI::App& command, TransferOptions& options, PortOption port) {
  command
      .add_option("--port", options.port, TPW_TEXT("Cli", "serial port of the programming cable"))
      ->required(port == PortOption::Required)
      ->check(CLI::Validator(
          [](const std::string& given) {
            return given.empty() ? Said(TPW_TEXT("Cli",
                                                 "no port given: give the serial port of the "
                                                 "programming cable (\"tpw52-cli ports\" lists "
                                                 "them)"))
                                 : std::string();
          },
          "PORT"));
}

void ApplyLinkOptions(Workspace& ws, const TransferOptions& options) {
  ws.options.LowSpeed = options.lowSpeed;
  ws.options.EchoCheckSkip = !options.echoCheck;
  ws.options.DebugMode = options.debug;
}

void AddVerifyOption(CLI::App& command, TransferOptions& options) {
  command.add_flag(
      "--no-verify", options.noVerify,
      TPW_TEXT("Cli", "do not read back what was written to check that the radio holds it"));
}

TerminalObserver::TerminalObserver(std::ostream& err, bool terminal, std::string caption)
    : err_(err), terminal_(terminal), caption_(std::move(caption)) {}

void TerminalObserver::progress(int percent) {
  if (!terminal_) return;
  percent = std::clamp(percent, 0, 100);
  if (percent == shown_) return;
  shown_ = percent;
  const int filled = percent * BarWidth / 100;
  err_ << '\r' << caption_ << " [" << std::string(static_cast<std::size_t>(filled), '#')
       << std::string(static_cast<std::size_t>(BarWidth - filled), '.') << "] " << percent << "%"
       << std::flush;
  barOnLine_ = true;
}

void TerminalObserver::monitor(std::string_view text) {
  breakLine();
  err_ << "monitor: " << text << '\n' << std::flush;
}

void TerminalObserver::waiting(std::string_view text) {
  breakLine();
  err_ << TranslatedUtf8(text) << '\n' << std::flush;
}

// The read-back gets a bar of its own, under the write's full one.
void TerminalObserver::verifying() {
  breakLine();
  caption_ = Said(TPW_TEXT("Cli", "Verifying"));
}

void TerminalObserver::breakLine() {
  if (!barOnLine_) return;
  err_ << '\n';
  barOnLine_ = false;
  shown_ = -1;
}

int RunTerminalTransfer(CliSession& session, const TransferOptions& options, TransferMode mode,
                        TransferResult& result) {
  Workspace& ws = session.ws;
  ApplyLinkOptions(ws, options);

  serial::QtSerialPort port(options.port);
  InterruptWatch interrupts;
  TerminalObserver observer(std::cerr, IsTerminal(2), TranslatedUtf8(TransferCaption(mode)));
  // Keeps the progress bar and the messages on separate lines.
  PromptingBelow prompter(session.prompter, [&observer] { observer.breakLine(); });
  TerminalHost host(interrupts);
  ErrorLog log(options.debug, session.folders.programLogFolder(), session.folders.userData);
  Context ctx{ws, prompter, host, log, session.files};
  // The changes a write read first would make are asked like any other question.
  ComparingWriteReview review(ws.caps, [&](const std::vector<Difference>& changes) {
    return prompter.ask(Icon::Question, TransferCaption(mode),
                        ChangesQuestion(port.name(), changes), Buttons::YesNo,
                        Answer::No) == Answer::Yes;
  });
  SafetyNet net{session.folders.userData, !options.noBackup, options.readFirst};
  net.verify = !options.noVerify;
  net.review = &review;
  result = RunProtectedTransfer(ctx, port, observer, mode, net);
  observer.breakLine();
  if (result.done()) return Success;
  // A question declined (a new ATIS code) ends the transfer as the user wished; they were told.
  if (result.outcome != Outcome::Cancelled || !host.stoppedBy) return Failed;
  // The user learns why it stopped, whatever the transfer had to say about the radio.
  session.prompter.message(Icon::Exclamation, TransferCaption(mode),
                           Said(TPW_TEXT("Cli", "The transfer was cancelled by %1."),
                                {StopSignalName(*host.stoppedBy)}));
  return Cancelled;
}

}  // namespace tpw::cli
