#pragma once

#include <string>
#include <vector>

#include "shell/fleet_run.h"

// What became of every radio of a fleet, in words: the summary table the command line prints,
// the same as a CSV report, and the messages each radio's transfer had for the user.
namespace tpw {

// "verified", "partly written — program again", ...
std::string RadioEndText(const RadioReport& report);
// The ATIS code the radio holds now: its digits, "none", or "unknown".
std::string RadioAtisCodeText(const RadioReport& report);

// A table with a heading line: label, port, outcome, ATIS code, backup; columns aligned.
std::string FleetSummaryTable(const std::vector<RadioReport>& reports);
// The same rows as CSV with the heading "label,port,outcome,atis_code,backup".
std::string FleetReportCsv(const std::vector<RadioReport>& reports);
// Each radio's messages, every line headed by its label and port; a plain "Complete!!" is
// left out, the table says it.
std::string FleetMessagesText(const std::vector<RadioReport>& reports);

// True when every radio of the fleet verified: the command succeeds only then.
bool EveryRadioVerified(const std::vector<RadioReport>& reports);

}  // namespace tpw
