#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

// The second line of every file message: which file, and why, in the user's words.
namespace tpw {

// Read and Save: a file the user named. Keep: a file the program keeps by itself in a folder
// of its own (a backup, a trace), whose place the user cannot give.
enum class FileAction { Read, Save, Keep };

// "<first line>\r\n<path>: <what was found>": the program's own message keeps its first line.
std::string FileMessage(std::string_view firstLine, const std::filesystem::path& path,
                        std::string_view finding);

// What the error means for reading or saving path, and what to do about it: "the folder /x
// does not exist. Create it, or give a path in another folder." A save names the place it
// was refused, its links followed.
std::string FileFailureFinding(const std::filesystem::path& path, const std::error_code& error,
                               FileAction action);

// Why a file of one region is refused over a data set of another (one of them the USA).
std::string RegionMismatchFinding(int fileRegion, int dataSetRegion);

// The templates of the messages above, for the programs that show them translated; the most
// general ("%1: %2" of the second line) come last.
std::span<const char* const> FileMessageTemplates();

}  // namespace tpw
