#pragma once

#include <string>
#include <string_view>

#include "session/workspace.h"

namespace tpw {

// The main window's caption: the application title, two blanks and the main title, then
// " - " and the document's file name in lower case while a document is open. The main title is
// shown through `shown` (the user's language) where one is given.
std::string WindowTitle(const ModelCaps& caps, const std::string& documentPath,
                        std::string (*shown)(std::string_view) = nullptr);

}  // namespace tpw
