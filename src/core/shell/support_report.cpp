#include "shell/support_report.h"

#include "image/encodings.h"
#include "image/memory_map.h"
#include "image/text_values.h"
#include "link/hex_dump.h"
#include "shell/transfer_safety_net.h"

namespace tpw {

namespace {

constexpr const char* Eol = "\r\n";

std::string Section(const std::string& title, const std::string& body) {
  std::string text = "== " + title + " ==" + Eol + body;
  if (!text.ends_with(Eol)) text += Eol;
  return text + Eol;
}

// Lines ended by LF alone (a trace read back, a log) end by CR LF like the rest of the file.
std::string WithCrLf(const std::string& text) {
  std::string result;
  for (const std::string_view line : SplitLines(text)) result += std::string(line) + Eol;
  return result;
}

std::string PortSection(const SupportFacts& facts) {
  if (facts.portName.empty()) return std::string("(no port chosen)") + Eol;
  std::string text = "Name: " + facts.portName + Eol;
  if (!facts.port) return text + "(not present now)" + Eol;
  const PortInfo& port = *facts.port;
  if (!port.description.empty()) text += "Description: " + port.description + Eol;
  if (!port.manufacturer.empty()) text += "Manufacturer: " + port.manufacturer + Eol;
  if (port.vendorId && port.productId) {
    text += "USB vendor:product id: " +
            PortDetails({.vendorId = port.vendorId, .productId = port.productId}) + Eol;
  }
  if (!port.serialNumber.empty()) text += "Serial number: " + port.serialNumber + Eol;
  if (!port.stableName.empty()) text += "Stable name: " + port.stableName + Eol;
  return text;
}

// Without the user's consent to the radio's data, the trace goes without the ATIS code.
std::string TraceSection(const SupportFacts& facts) {
  if (facts.traceName.empty()) return "(no transfer yet)";
  return facts.traceName + Eol +
         WithCrLf(facts.image ? facts.trace : TraceWithoutAtisCode(facts.trace));
}

std::string ImageSection(const std::optional<MemoryImage>& image) {
  if (!image) return std::string("(left out at the user's choice)") + Eol;
  std::string text;
  for (const std::string& line : HexDumpLines(*image)) text += line + Eol;
  return text;
}

}  // namespace

std::string SupportReport(const SupportFacts& facts) {
  std::string logs;
  for (const SupportFacts::Log& log : facts.errorLogs) {
    logs += log.path + ":" + Eol +
            (log.text.empty() ? std::string("(empty)") + Eol : WithCrLf(log.text));
  }
  return Section("Program", facts.program) + Section("System", facts.system) +
         Section("Qt", facts.qtVersion) + Section("Serial port", PortSection(facts)) +
         Section("Last transfer trace", TraceSection(facts)) +
         Section("err.log", logs.empty() ? std::string("(none)") : logs) +
         Section("Radio image", ImageSection(facts.image));
}

std::string IncludeImageQuestion(const MemoryImage& image) {
  const std::string code = image.allFF(addr::AtisCode, addr::AtisCodeLength)
                               ? std::string("no ATIS code")
                               : "the ATIS code " + DecodeDigits(image, addr::AtisCode);
  return "Include the radio's data in the diagnostics?\r\nThey hold the channels and " + code +
         ", which identifies the boat. Include them only when support asks for them.";
}

}  // namespace tpw
