#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/typed_atis_code.h"

// The plan of a fleet: one radio a row of a CSV file with a heading line, "port" and the
// optional "atis_code" and "label". The whole plan is checked before any radio is touched.
namespace tpw {

inline constexpr const char* PlanPortColumn = "port";
inline constexpr const char* PlanAtisCodeColumn = "atis_code";
inline constexpr const char* PlanLabelColumn = "label";

struct FleetRadio {
  int line = 0;  // the plan's line of the row
  std::string port;
  TypedAtisCode atisCode;  // an empty code: the data's own
  std::string label;       // the port when the row gives none
};

// Why a plan was refused, and the line of the row it concerns (0 for the whole plan, or where
// the detail names it).
enum class PlanFault {
  BrokenCsv,        // a quote not closed, or a quote inside a field
  NoRows,           // only a heading, or nothing
  NoPortColumn,     // the heading has no "port"
  UnknownColumn,    // the heading names a column the plan does not know (detail)
  ColumnTwice,      // the heading names a column twice (detail)
  TooManyFields,    // a row has more fields than the heading
  NoPort,           // a row's port is empty
  PortTwice,        // a row names the port of an earlier row (otherLine)
  AtisCodeRefused,  // a row's code is not ten digits (detail)
  PortMissing,      // there is no such port on this computer
};

struct PlanRefusal {
  PlanFault fault = PlanFault::BrokenCsv;
  int line = 0;
  std::string detail;  // the column, the code or the port concerned
  int otherLine = 0;
};

struct FleetPlan {
  std::vector<FleetRadio> radios;
  std::optional<PlanRefusal> refusal;
};

// What the plan needs to know of the computer's ports: whether one is there, and what it is
// once its other names (a stable by-id link) are followed, so that no port is named twice.
struct PortLookup {
  std::function<bool(const std::string&)> present;
  std::function<std::string(const std::string&)> identity;
};

FleetPlan ReadFleetPlan(std::string_view text, const PortLookup& ports);

// A refusal in the user's words, naming the plan and the row's line.
std::string PlanRefusalText(std::string_view planPath, const PlanRefusal& refusal);

}  // namespace tpw
