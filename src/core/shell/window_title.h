#pragma once

#include <string>

#include "session/workspace.h"

namespace tpw {

// The main window's caption: the application title, two blanks and the main title, then
// " - " and the document's file name in lower case while a document is open.
std::string WindowTitle(const ModelCaps& caps, const std::string& documentPath);

}  // namespace tpw
