#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "link/port_check.h"
#include "link/transfer_messages.h"

namespace tpw {

// What the test of a port found, in the user's words, titled "Test Connection": an echoing
// cable first, then what answered and what to do next. A refused port is explained as every
// transfer explains it.
std::vector<Message> PortCheckMessages(const PortCheckResult& result, std::string_view port,
                                       std::string_view modelName);

// The templates of those messages, for the programs that show them translated.
std::span<const char* const> PortCheckMessageTemplates();

}  // namespace tpw
