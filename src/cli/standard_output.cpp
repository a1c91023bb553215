#include <cerrno>
#include <iostream>
#include <system_error>

#include "cli/cli_session.h"

namespace tpw::cli {

bool PrintOut(CliSession& session, std::string_view text) {
  errno = 0;
  std::cout << text << std::flush;
  if (std::cout) return true;
  const int number = errno;
  session.prompter.message(
      Icon::Critical, MainTitle(session.ws.caps),
      Said(TPW_TEXT("Cli",
                    "Cannot write to the standard output: %1. Check where the output goes (a "
                    "full disk, a closed pipe), then run the command again."),
           {number != 0 ? std::generic_category().message(number)
                        : Said(TPW_TEXT("Cli", "write error"))}));
  return false;
}

}  // namespace tpw::cli
