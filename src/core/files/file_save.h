#pragma once

#include <filesystem>
#include <string_view>

#include "session/workspace.h"

namespace tpw {

// Saves a document the way every File command does: ErrorFlag cleared, TransferBusy set while
// the file is written through a temporary file beside it, the short rest after the file. A
// failure is logged under procedure, shown as "FileSave Error!!" and sets ErrorFlag and
// CancelFlag; the previous file is then left whole.
bool SaveDocument(Context& ctx, const std::filesystem::path& path, std::string_view content,
                  std::string_view procedure);

}  // namespace tpw
