#include "files/file_failure.h"

#include <optional>

#include "files/atomic_file.h"
#include "image/regions.h"
#include "image/translatable.h"

namespace tpw {

namespace fs = std::filesystem;

namespace {

struct Finding {
  std::string reason;
  std::string remedy;
};

// The templates of the findings; the names put in are paths and the words of a kind of file.
namespace text {
constexpr const char* Line = TPW_TEXT("Messages", "%1: %2");
constexpr const char* ReasonAndRemedy = TPW_TEXT("Messages", "%1. %2");
constexpr const char* TheFolder = TPW_TEXT("Messages", "the folder %1");
constexpr const char* NotAFileOfKind = TPW_TEXT("Messages", "it is a %1, not a file");
constexpr const char* LinkToNoFile =
    TPW_TEXT("Messages", "it is a link to %1, which is not a file");
constexpr const char* LinkToKind = TPW_TEXT("Messages", "it is a link to the %1 %2, not to a file");
constexpr const char* LinkToReadOnly =
    TPW_TEXT("Messages", "it is a link to %1, which is read-only");
constexpr const char* NotReplaced = TPW_TEXT("Messages", "%1, so it is not replaced");
constexpr const char* FileInTheWay = TPW_TEXT("Messages", "%1 is a file, not a folder");
constexpr const char* FolderMissing = TPW_TEXT("Messages", "%1 does not exist");
constexpr const char* MayNotWrite =
    TPW_TEXT("Messages", "permission denied: you may not write in %1");
constexpr const char* RegionMismatch =
    TPW_TEXT("Messages",
             "the file is for the region %1 and the data set for %2, and %3, then open the file "
             "again.");
}  // namespace text

// The most particular first: a text is taken as made from the first that fits it.
constexpr const char* kTemplates[] = {
    text::RegionMismatch, text::LinkToKind,     text::LinkToNoFile, text::LinkToReadOnly,
    text::MayNotWrite,    text::NotAFileOfKind, text::FileInTheWay, text::NotReplaced,
    text::FolderMissing,  text::TheFolder,      text::Line,         text::ReasonAndRemedy,
};

// A remedy for a file the program keeps, and the same with the other way out the user has for
// a file of their own.
struct Remedy {
  const char* kept;
  const char* own;
};

// The folder a save to path writes in: the folder of the file its links lead to, followed in
// turn when it is a link itself, so that a message names the place the system refused.
fs::path RealFolder(const fs::path& path) {
  const fs::path folder = FollowLinks(path).parent_path();
  return folder.empty() ? folder : FollowLinks(folder);
}

std::string FolderWords(const fs::path& folder) {
  return folder.empty() ? TPW_TEXT("Messages", "the current folder")
                        : Fill(text::TheFolder, {folder.string()});
}

// The file that stands where the folder, or one of the folders above it, should be.
std::optional<fs::path> FileInTheWay(const fs::path& folder) {
  for (fs::path part = folder; !part.empty(); part = part.parent_path()) {
    std::error_code error;
    const fs::file_status status = fs::status(part, error);
    if (fs::exists(status)) {
      if (fs::is_directory(status)) return std::nullopt;
      return part;
    }
    if (part == part.parent_path()) break;
  }
  return std::nullopt;
}

// "it is a device, not a file", or for a link "it is a link to the device /dev/null, not to a
// file"; without a noun, "it is not a file".
std::string NotAFileReason(const fs::path& path, const char* noun) {
  const fs::path file = FollowLinks(path);
  if (file == path) {
    return noun == nullptr ? TPW_TEXT("Messages", "it is not a file")
                           : Fill(text::NotAFileOfKind, {noun});
  }
  if (noun == nullptr) return Fill(text::LinkToNoFile, {file.string()});
  return Fill(text::LinkToKind, {noun, file.string()});
}

std::string ReadOnlyReason(const fs::path& path) {
  const fs::path file = FollowLinks(path);
  return file == path ? TPW_TEXT("Messages", "the file is read-only")
                      : Fill(text::LinkToReadOnly, {file.string()});
}

// What refused the save of a file that is no regular file the user may write.
Finding RefusalFinding(const fs::path& path, SaveRefusal refusal, bool own) {
  const auto notReplaced = [](const std::string& reason) {
    return Fill(text::NotReplaced, {reason});
  };
  const char* remedy = own ? TPW_TEXT("Messages", "Move it out of the way.")
                           : TPW_TEXT("Messages", "Give the name of a file.");
  switch (refusal) {
    case SaveRefusal::Device:
      return {notReplaced(NotAFileReason(path, TPW_TEXT("Messages", "device"))), remedy};
    case SaveRefusal::Pipe:
      return {notReplaced(NotAFileReason(path, TPW_TEXT("Messages", "pipe"))), remedy};
    case SaveRefusal::Socket:
      return {notReplaced(NotAFileReason(path, TPW_TEXT("Messages", "socket"))), remedy};
    case SaveRefusal::OtherKind:
      break;
    case SaveRefusal::ReadOnly:
      return {notReplaced(ReadOnlyReason(path)),
              own ? TPW_TEXT("Messages", "Make it writable.")
                  : TPW_TEXT("Messages", "Make it writable first, or give another file name.")};
  }
  return {notReplaced(NotAFileReason(path, nullptr)), remedy};
}

// The user gives the path of a file of theirs, and can give another; a file the program keeps
// (a backup, a trace) goes where the program puts it, so only the place itself can be put
// right.
Finding SaveFinding(const fs::path& path, const std::error_code& error, bool own) {
  const auto either = [own](Remedy remedy) { return own ? remedy.kept : remedy.own; };
  if (error.category() == SaveRefusalCategory()) {
    return RefusalFinding(path, static_cast<SaveRefusal>(error.value()), own);
  }
  const fs::path folder = RealFolder(path);
  if (error == std::errc::not_a_directory || error == std::errc::file_exists) {
    if (const auto file = FileInTheWay(folder)) {
      return {Fill(text::FileInTheWay, {file->string()}),
              either({TPW_TEXT("Messages", "Move that file out of the way."),
                      TPW_TEXT("Messages",
                               "Move that file out of the way, or give a path in "
                               "another folder.")})};
    }
  }
  if (error == std::errc::no_such_file_or_directory) {
    return {Fill(text::FolderMissing, {FolderWords(folder)}),
            either({TPW_TEXT("Messages", "Create it."),
                    TPW_TEXT("Messages", "Create it, or give a path in another folder.")})};
  }
  if (error == std::errc::not_a_directory) {
    return {TPW_TEXT("Messages", "a part of its folder is a file, not a folder"),
            either({TPW_TEXT("Messages", "Check the folders of the path."),
                    TPW_TEXT("Messages",
                             "Check the folders of the path, or give a path in "
                             "another folder.")})};
  }
  if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted) {
    return {Fill(text::MayNotWrite, {FolderWords(folder)}),
            own ? TPW_TEXT("Messages", "Make that folder writable for you.")
                : TPW_TEXT("Messages", "Give a path in a folder you may write in.")};
  }
  if (error == std::errc::no_space_on_device) {
    return {TPW_TEXT("Messages", "the disk is full"),
            either({TPW_TEXT("Messages", "Free some space."),
                    TPW_TEXT("Messages", "Free some space, or give a path on another disk.")})};
  }
  if (error == std::errc::read_only_file_system) {
    return {TPW_TEXT("Messages", "the disk is read-only"),
            own ? TPW_TEXT("Messages", "Make the disk writable.")
                : TPW_TEXT("Messages", "Give a path on another disk.")};
  }
  if (error == std::errc::is_a_directory) {
    return {NotAFileReason(path, TPW_TEXT("Messages", "folder")),
            own ? TPW_TEXT("Messages", "Move that folder out of the way.")
                : TPW_TEXT("Messages", "Give the name of a file.")};
  }
  if (error == std::errc::filename_too_long) {
    return {TPW_TEXT("Messages", "its name is longer than the system allows"),
            either({TPW_TEXT("Messages", "Check the path."),
                    TPW_TEXT("Messages", "Check the path, or give a shorter name.")})};
  }
  return {error.message(), TPW_TEXT("Messages", "Check the path and the disk.")};
}

Finding ReadFinding(const std::error_code& error) {
  if (error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory) {
    return {TPW_TEXT("Messages", "the file does not exist"),
            TPW_TEXT("Messages", "Check its name and folder.")};
  }
  if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted) {
    return {TPW_TEXT("Messages", "permission denied: you may not read it"),
            TPW_TEXT("Messages", "Copy it to a folder of yours and open the copy.")};
  }
  if (error == std::errc::is_a_directory) {
    return {TPW_TEXT("Messages", "it is a folder, not a file"),
            TPW_TEXT("Messages", "Give the name of a file.")};
  }
  return {error.message(), TPW_TEXT("Messages", "Check the file and the disk.")};
}

}  // namespace

std::span<const char* const> FileMessageTemplates() {
  return kTemplates;
}

std::string FileMessage(std::string_view firstLine, const fs::path& path,
                        std::string_view finding) {
  return std::string(firstLine) + "\r\n" + Fill(text::Line, {path.string(), finding});
}

std::string FileFailureFinding(const fs::path& path, const std::error_code& error,
                               FileAction action) {
  const Finding finding = action == FileAction::Read
                              ? ReadFinding(error)
                              : SaveFinding(path, error, action == FileAction::Keep);
  return Fill(text::ReasonAndRemedy, {finding.reason, finding.remedy});
}

std::string RegionMismatchFinding(int fileRegion, int dataSetRegion) {
  return Fill(text::RegionMismatch,
              {RegionName(fileRegion), RegionName(dataSetRegion), NeverMixedAdvice(fileRegion)});
}

}  // namespace tpw
