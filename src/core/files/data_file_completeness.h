#pragma once

#include <vector>

#include "files/data_file_reader.h"
#include "files/section_table.h"
#include "image/translatable.h"
#include "session/workspace.h"

// Whether a channel data file is whole: a file cut short (a copy that stopped, a disk that
// filled up) would otherwise program a radio with the lists it happens to end in.
//
// This program marks its own files at both ends: [MAIN] names it ("PROGRAM=#tpw52") and the
// file's last line is the header [END]; the original program and other readers ignore both.
// A file so named that lacks [END] was cut short. For every data file, whoever wrote it, the
// sections every writer writes (the groups, the common setup, the ATIS setup and the weather
// channels, as the model has them) must be there, and the last section must end with its last
// key.
namespace tpw {

inline constexpr const char* DataFileWriterKey = "PROGRAM";
inline constexpr const char* DataFileWriterName = "tpw52";
inline constexpr const char* DataFileEndSection = "END";

// The notes' templates.
inline constexpr const char* EndSectionMissingNote =
    TPW_TEXT("Messages",
             "The file ends without the [%1] line this program writes last in every data file: it "
             "was cut short, so lists may be missing channels.");
inline constexpr const char* SectionsMissingNote =
    TPW_TEXT("Messages",
             "The file has no %1, which every data file holds: it may have been cut short, and "
             "those settings were not read from it.");
inline constexpr const char* CutInsideNote = TPW_TEXT(
    "Messages",
    "The file ends inside [%1] (line %2), before its %3 line: it may have been cut short.");

// One note for each sign that the file was cut short, before the reader's other notes (line
// 0); none for a whole file.
std::vector<ReadingNote> CompletenessNotes(const SectionTable& table, const ModelCaps& caps);

}  // namespace tpw
