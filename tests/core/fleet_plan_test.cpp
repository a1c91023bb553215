#include "shell/fleet_plan.h"

#include <gtest/gtest.h>

#include <set>

namespace tpw {
namespace {

// Ports /dev/a to /dev/f; /dev/by-id/boat is another name of /dev/a.
PortLookup FakePorts() {
  const std::set<std::string> ports = {"/dev/a", "/dev/b", "/dev/c", "/dev/by-id/boat"};
  return {[ports](const std::string& name) { return ports.contains(name); },
          [](const std::string& name) { return name == "/dev/by-id/boat" ? "/dev/a" : name; }};
}

TEST(FleetPlan, RowsWithTheirCodesAndLabels) {
  const FleetPlan plan = ReadFleetPlan(
      " Label , PORT,atis_code\r\nBlue,/dev/a, 9211234567 \r\n,/dev/b,\n"
      "\"Red, the big one\",/dev/c,1234567890\n",
      FakePorts());
  ASSERT_FALSE(plan.refusal);
  ASSERT_EQ(plan.radios.size(), 3u);
  EXPECT_EQ(plan.radios[0].label, "Blue");
  EXPECT_EQ(plan.radios[0].atisCode.code, "9211234567");
  EXPECT_EQ(plan.radios[0].atisCode.verdict, TypedAtisCode::Verdict::Accepted);
  // No label: the port; no code: the data's own.
  EXPECT_EQ(plan.radios[1].label, "/dev/b");
  EXPECT_EQ(plan.radios[1].atisCode.code, "");
  EXPECT_EQ(plan.radios[1].line, 3);
  EXPECT_EQ(plan.radios[2].label, "Red, the big one");
  EXPECT_EQ(plan.radios[2].atisCode.verdict, TypedAtisCode::Verdict::Implausible);
}

// Every refusal names the plan and the row's line, and says that no radio was touched.
TEST(FleetPlan, PlansRefusedBeforeAnyRadioIsTouched) {
  const struct {
    const char* text;
    PlanFault fault;
    int line;
  } cases[] = {
      {"port\n/dev/a\n/dev/b\n/dev/a\n", PlanFault::PortTwice, 4},
      {"port\n/dev/by-id/boat\n/dev/a\n", PlanFault::PortTwice, 3},
      {"port,atis_code\n/dev/a,12345\n", PlanFault::AtisCodeRefused, 2},
      {"port\n/dev/a\n/dev/x\n", PlanFault::PortMissing, 3},
      {"port,label\n/dev/a,x,y\n", PlanFault::TooManyFields, 2},
      {"port,label\n,x\n", PlanFault::NoPort, 2},
      {"port,code\n/dev/a,1\n", PlanFault::UnknownColumn, 1},
      {"label\nx\n", PlanFault::NoPortColumn, 1},
      {"port,Port\n/dev/a,/dev/b\n", PlanFault::ColumnTwice, 1},
      {"port\n\"/dev/a\n", PlanFault::BrokenCsv, 0},
      {"port\n", PlanFault::NoRows, 0},
  };
  for (const auto& c : cases) {
    const FleetPlan plan = ReadFleetPlan(c.text, FakePorts());
    ASSERT_TRUE(plan.refusal) << c.text;
    EXPECT_EQ(plan.refusal->fault, c.fault) << c.text;
    EXPECT_EQ(plan.refusal->line, c.line) << c.text;
    EXPECT_TRUE(plan.radios.empty());
    EXPECT_TRUE(PlanRefusalText("plan.csv", *plan.refusal).ends_with(" No radio was touched."));
  }
  EXPECT_EQ(PlanRefusalText("plan.csv", {PlanFault::PortTwice, 4, "/dev/a", 2}),
            "plan.csv, line 4: the port /dev/a is the port of line 2 as well. Each radio needs a "
            "cable and a port of its own. No radio was touched.");
  EXPECT_EQ(
      PlanRefusalText("plan.csv", ReadFleetPlan("port\n\"/dev/a\n", FakePorts()).refusal.value()),
      "plan.csv, line 2: a quoted field is not closed. Put fields that hold commas or quotes "
      "in double quotes, then run the command again. No radio was touched.");
  EXPECT_EQ(PlanRefusalText("plan.csv", {PlanFault::AtisCodeRefused, 2, "12345", 0}),
            "plan.csv, line 2: the ATIS code \"12345\" is not ten digits. Give the ten-digit code "
            "of the boat's licence, or leave the field empty to program the data's own code. No "
            "radio was touched.");
}

}  // namespace
}  // namespace tpw
