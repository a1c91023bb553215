#pragma once

#include <filesystem>
#include <string>

#include "image/settings_model.h"
#include "session/outcome.h"
#include "session/workspace.h"

// The plain-text report of the settings: fixed-width columns, CR LF between lines, ASCII only.
namespace tpw {

// The report of model for a radio with these capabilities. It ends with its last table row,
// or with the line end of the last paragraph when no table follows the settings.
std::string BuildTextReport(const SettingsModel& model, const ModelCaps& caps);

// Saves a report as a text file: the text and one more CR LF, through a temporary file. A
// failure shows the system's description of it, the file and what to do (caption: model
// name, a blank, the main title).
Outcome SaveReportAs(Context& ctx, const std::filesystem::path& path, const std::string& report);

}  // namespace tpw
