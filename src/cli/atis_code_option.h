#pragma once

#include <optional>
#include <string>

#include "cli/cli_session.h"

// --atis-code CODE: the data set is programmed with this ATIS code instead of its own, checked
// as the ATIS box checks a typed code.
namespace tpw::cli {

void AddAtisCodeOption(CLI::App& command, std::optional<std::string>& code);

// True when no code was given, or the code is ten digits and, when no administration issues
// such a code, the user agreed to keep it. A code that is no ATIS code is a usage error; the
// user is told why either way.
bool TypedAtisCodeAccepted(CliSession& session, const std::optional<std::string>& code);

// Puts an accepted code into the loaded data set.
void TakeAtisCodeOption(CliSession& session, const std::optional<std::string>& code);

}  // namespace tpw::cli
