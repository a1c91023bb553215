#pragma once

#include <optional>
#include <string>
#include <vector>

#include "image/memory_image.h"
#include "link/port_list.h"

// The diagnostics file a user sends with a support request (Help > Save Diagnostics...): what
// the program, the system and the cable are, the last transfer's trace, the error log and,
// only when the user agrees, the radio's data; without that consent the trace shows no byte
// of the ATIS code either.
namespace tpw {

struct SupportFacts {
  std::string program;           // "tpw52 0.1.0"
  std::string system;            // "Debian GNU/Linux 12 (bookworm), linux 6.1.0, x86_64"
  std::string qtVersion;         // the Qt the program runs with (and was built with)
  std::string portName;          // the chosen port
  std::optional<PortInfo> port;  // what the system says of it, when it is present
  std::string traceName;         // the newest transfer trace, empty when there is none
  std::string trace;
  struct Log {
    std::string path;
    std::string text;
  };
  std::vector<Log> errorLogs;        // every err.log found
  std::optional<MemoryImage> image;  // only when the user agreed: it holds the ATIS code
};

// The file's text: a titled section for each fact, lines ended by CR LF.
std::string SupportReport(const SupportFacts& facts);

// Asked before the radio's data go into the diagnostics: the ATIS code identifies the boat.
std::string IncludeImageQuestion(const MemoryImage& image);

}  // namespace tpw
