#pragma once

#include <filesystem>
#include <string_view>

#include "session/outcome.h"
#include "session/workspace.h"

namespace tpw {

// Saves a document the way every File command does: TransferBusy set while the file is written
// through a temporary file beside it, the short rest after the file. A failure is logged under
// procedure and shown as "FileSave Error!!"; the previous file is then left whole.
Outcome SaveDocument(Context& ctx, const std::filesystem::path& path, std::string_view content,
                     std::string_view procedure);

}  // namespace tpw
