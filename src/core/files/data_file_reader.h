#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "files/section_table.h"
#include "image/settings_model.h"
#include "session/workspace.h"

// Reading the settings of a parsed channel data file, with the ranges of the radio.
namespace tpw {

// Something the reader did not take as written: a value it could not convert, a line it
// skipped, a section or key it never read. The line it stands on orders the notes.
struct ReadingNote {
  int line = 0;
  std::string text;
};

// Reads the settings of a parsed data file over model. Lists are rebuilt from the file; a
// missing key leaves its field as it was. A value the radio cannot hold (a channel position
// outside 0-119, an ATIS code that is not empty or ten digits, a priority channel that is
// neither none nor a record of its list, ...) is not taken, and neither are skipped lines and
// sections or keys the reader does not use: each is noted, in file order. A file the program
// wrote has no notes.
std::vector<ReadingNote> ReadDataFileSettings(const SectionTable& table, const ModelCaps& caps,
                                              SettingsModel& model);

// The one warning that lists the notes of an opened file ("[CHUSA3] Position=200 (line 25):
// ..."), at most NotesShown of them.
inline constexpr std::size_t NotesShown = 20;
std::string ReadingWarning(const std::filesystem::path& path,
                           const std::vector<ReadingNote>& notes);

// The templates of the notes and of the warning, for the programs that show them translated.
std::span<const char* const> DataFileNoteTemplates();

}  // namespace tpw
