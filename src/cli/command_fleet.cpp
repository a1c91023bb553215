// tpw52-cli fleet: one data set into every radio of a plan at once.
#include <chrono>
#include <fstream>
#include <thread>

#include "adapters/serial/port_thread.h"
#include "adapters/serial/qt_serial_port.h"
#include "adapters/serial/serial_port_list.h"
#include "cli/cli_session.h"
#include "cli/console.h"
#include "cli/data_set.h"
#include "cli/fleet_display.h"
#include "cli/transfer_terminal.h"
#include "files/atomic_file.h"
#include "files/file_failure.h"
#include "shell/fleet_summary.h"

namespace tpw::cli {

namespace {

constexpr std::chrono::milliseconds RedrawPeriod{100};
// A plan of many more radios than a computer has ports is no plan.
constexpr std::uintmax_t PlanSizeLimit = 1024 * 1024;

struct FleetOptions {
  TransferOptions transfer;
  BaseOptions base;
  std::string plan;
  std::string data;
  std::string report;
};

void Refuse(CliSession& session, const std::string& text) {
  session.prompter.message(Icon::Critical, MainTitle(session.ws.caps), text);
}

// The plan, checked whole before any radio is touched: every row's port is there and named
// once, every code is ten digits, and a code no administration issues is kept only when the
// user agrees.
std::optional<FleetPlan> CheckedPlan(CliSession& session, const std::string& path) {
  std::string text;
  if (const std::error_code error = ReadWholeFile(path, text, PlanSizeLimit)) {
    Refuse(session,
           Said(TPW_TEXT("Cli", "Cannot read the plan %1: %2 No radio was touched."),
                {path, TranslatedUtf8(FileFailureFinding(path, error, FileAction::Read))}));
    return std::nullopt;
  }
  FleetPlan plan = ReadFleetPlan(text, serial::SystemPortLookup());
  if (plan.refusal) {
    Refuse(session, PlanRefusalText(path, *plan.refusal));
    return std::nullopt;
  }
  for (const FleetRadio& radio : plan.radios) {
    if (!MayKeepTypedAtisCode(session.prompter, radio.atisCode)) {
      Refuse(session, Said(TPW_TEXT("Cli",
                                    "%1, line %2: the ATIS code %3 was not kept. No radio was "
                                    "touched."),
                           {path, std::to_string(radio.line), radio.atisCode.code}));
      return std::nullopt;
    }
  }
  return plan;
}

// Each radio's backups and trace, and the read-back of what was written.
SafetyNet FleetNet(const CliSession& session, const TransferOptions& options) {
  SafetyNet net{session.folders.userData, !options.noBackup, options.readFirst};
  net.verify = !options.noVerify;
  return net;
}

std::vector<std::string> RadioNames(const FleetPlan& plan) {
  std::vector<std::string> names;
  for (const FleetRadio& radio : plan.radios)
    names.push_back(radio.label + " (" + radio.port + ")");
  return names;
}

// Runs every radio, drawing the progress until the last has ended; a stop signal cancels all.
std::vector<RadioReport> RunFleet(CliSession& session, const FleetOptions& options,
                                  const FleetPlan& plan, std::optional<int>& stoppedBy) {
  FleetDisplay display(std::cerr, IsTerminal(2), RadioNames(plan));
  // The radios' questions, asked below the progress block.
  PromptingBelow questions(session.prompter, [&display] { display.interrupted(); });
  FleetRun run(
      plan.radios, session.ws,
      {[](const std::string& port) { return std::make_unique<serial::QtSerialPort>(port); },
       serial::StartPortThread, questions, session.files, session.diagnostics,
       FleetNet(session, options.transfer)});
  InterruptWatch interrupts;
  run.start();
  while (!run.finished()) {
    if (const std::optional<int> signal = interrupts.taken()) {
      if (!stoppedBy) stoppedBy = signal;
      run.cancel();
    }
    {
      const std::lock_guard drawing(run.questionLock());
      display.show(run.progress());
    }
    std::this_thread::sleep_for(RedrawPeriod);
  }
  display.show(run.progress());
  return run.reports();
}

int ReportFleet(CliSession& session, const FleetOptions& options,
                const std::vector<RadioReport>& reports, std::optional<int> stoppedBy) {
  std::cerr << FleetMessagesText(reports) << std::flush;
  bool reported = PrintOut(session, FleetSummaryTable(reports));
  if (!options.report.empty()) {
    if (const std::error_code error =
            WriteFileAtomically(session.files, options.report, FleetReportCsv(reports))) {
      RefuseOutput(session, options.report,
                   FileFailureFinding(options.report, error, FileAction::Save));
      reported = false;
    }
  }
  if (stoppedBy) {
    session.prompter.message(
        Icon::Exclamation, msg::ProgramCaption,
        Said(TPW_TEXT("Cli", "The fleet was cancelled by %1."), {StopSignalName(*stoppedBy)}));
    return Cancelled;
  }
  return reported && EveryRadioVerified(reports) ? Success : Failed;
}

void RunFleetCommand(CliSession& session, const FleetOptions& options) {
  session.exitStatus = Failed;
  const std::optional<FleetPlan> plan = CheckedPlan(session, options.plan);
  if (!plan) return;
  if (!options.report.empty() && !OutputPlaceUsable(session, options.report)) return;
  if (!LoadDataToWrite(session, options.data, options.base)) return;
  ApplyLinkOptions(session.ws, options.transfer);
  std::optional<int> stoppedBy;
  const std::vector<RadioReport> reports = RunFleet(session, options, *plan, stoppedBy);
  session.exitStatus = ReportFleet(session, options, reports, stoppedBy);
}

}  // namespace

void AddFleetCommand(CLI::App& app, CliSession& session) {
  auto* command = app.add_subcommand(
      "fleet",
      TPW_TEXT(
          "Cli",
          "Program every radio of a plan at the same time with one data set, each on its own port "
          "with its own ATIS code, backups and trace. The plan is a CSV file with the heading "
          "port,atis_code,label and one radio a line. Prints one progress line per radio, then a "
          "summary; succeeds only when every radio verified."));
  auto options = std::make_shared<FleetOptions>();
  AddTransferOptions(*command, options->transfer, session, PortOption::None);
  command->add_flag(
      "--read-first", options->transfer.readFirst,
      TPW_TEXT("Cli",
               "read each radio's whole memory before programming it and keep that as its "
               "backup"));
  AddVerifyOption(*command, options->transfer);
  AddBaseOptions(*command, options->base);
  command->add_option("--report", options->report,
                      TPW_TEXT("Cli", "write the summary to this CSV file too"));
  command
      ->add_option("PLAN", options->plan, TPW_TEXT("Cli", "the plan (.csv): port,atis_code,label"))
      ->required();
  command
      ->add_option("DATA", options->data,
                   TPW_TEXT("Cli", "image file (.hex) or channel data file (.dat)"))
      ->required();
  command->callback([&session, options] { RunFleetCommand(session, *options); });
}

}  // namespace tpw::cli
