#include "files/file_failure.h"

#include <optional>

#include "files/atomic_file.h"
#include "image/regions.h"

namespace tpw {

namespace fs = std::filesystem;

namespace {

struct Finding {
  std::string reason;
  std::string remedy;
};

// The folder a save to path writes in: the folder of the file its links lead to, followed in
// turn when it is a link itself, so that a message names the place the system refused.
fs::path RealFolder(const fs::path& path) {
  const fs::path folder = FollowLinks(path).parent_path();
  return folder.empty() ? folder : FollowLinks(folder);
}

std::string FolderWords(const fs::path& folder) {
  return folder.empty() ? "the current folder" : "the folder " + folder.string();
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
std::string NotAFileReason(const fs::path& path, const std::string& noun) {
  const fs::path file = FollowLinks(path);
  if (file == path) return noun.empty() ? "it is not a file" : "it is a " + noun + ", not a file";
  if (noun.empty()) return "it is a link to " + file.string() + ", which is not a file";
  return "it is a link to the " + noun + " " + file.string() + ", not to a file";
}

std::string ReadOnlyReason(const fs::path& path) {
  const fs::path file = FollowLinks(path);
  return file == path ? "the file is read-only"
                      : "it is a link to " + file.string() + ", which is read-only";
}

// What refused the save of a file that is no regular file the user may write.
Finding RefusalFinding(const fs::path& path, SaveRefusal refusal, bool own) {
  const std::string notReplaced = ", so it is not replaced";
  const std::string remedy = own ? "Move it out of the way." : "Give the name of a file.";
  switch (refusal) {
    case SaveRefusal::Device:
      return {NotAFileReason(path, "device") + notReplaced, remedy};
    case SaveRefusal::Pipe:
      return {NotAFileReason(path, "pipe") + notReplaced, remedy};
    case SaveRefusal::Socket:
      return {NotAFileReason(path, "socket") + notReplaced, remedy};
    case SaveRefusal::OtherKind:
      break;
    case SaveRefusal::ReadOnly:
      return {ReadOnlyReason(path) + notReplaced,
              own ? "Make it writable." : "Make it writable first, or give another file name."};
  }
  return {NotAFileReason(path, "") + notReplaced, remedy};
}

// The user gives the path of a file of theirs, and can give another; a file the program keeps
// (a backup, a trace) goes where the program puts it, so only the place itself can be put
// right.
Finding SaveFinding(const fs::path& path, const std::error_code& error, bool own) {
  const auto either = [own](const std::string& fix, const std::string& elsewhere) {
    return own ? fix + "." : fix + ", or " + elsewhere + ".";
  };
  if (error.category() == SaveRefusalCategory()) {
    return RefusalFinding(path, static_cast<SaveRefusal>(error.value()), own);
  }
  const fs::path folder = RealFolder(path);
  if (error == std::errc::not_a_directory || error == std::errc::file_exists) {
    if (const auto file = FileInTheWay(folder)) {
      return {file->string() + " is a file, not a folder",
              either("Move that file out of the way", "give a path in another folder")};
    }
  }
  if (error == std::errc::no_such_file_or_directory) {
    return {FolderWords(folder) + " does not exist",
            either("Create it", "give a path in another folder")};
  }
  if (error == std::errc::not_a_directory) {
    return {"a part of its folder is a file, not a folder",
            either("Check the folders of the path", "give a path in another folder")};
  }
  if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted) {
    return {
        "permission denied: you may not write in " + FolderWords(folder),
        own ? "Make that folder writable for you." : "Give a path in a folder you may write in."};
  }
  if (error == std::errc::no_space_on_device) {
    return {"the disk is full", either("Free some space", "give a path on another disk")};
  }
  if (error == std::errc::read_only_file_system) {
    return {"the disk is read-only",
            own ? "Make the disk writable." : "Give a path on another disk."};
  }
  if (error == std::errc::is_a_directory) {
    return {NotAFileReason(path, "folder"),
            own ? "Move that folder out of the way." : "Give the name of a file."};
  }
  if (error == std::errc::filename_too_long) {
    return {"its name is longer than the system allows",
            either("Check the path", "give a shorter name")};
  }
  return {error.message(), "Check the path and the disk."};
}

Finding ReadFinding(const std::error_code& error) {
  if (error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory) {
    return {"the file does not exist", "Check its name and folder."};
  }
  if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted) {
    return {"permission denied: you may not read it",
            "Copy it to a folder of yours and open the copy."};
  }
  if (error == std::errc::is_a_directory) {
    return {"it is a folder, not a file", "Give the name of a file."};
  }
  return {error.message(), "Check the file and the disk."};
}

}  // namespace

std::string FileMessage(std::string_view firstLine, const fs::path& path,
                        std::string_view finding) {
  return std::string(firstLine) + "\r\n" + path.string() + ": " + std::string(finding);
}

std::string FileFailureFinding(const fs::path& path, const std::error_code& error,
                               FileAction action) {
  const Finding finding = action == FileAction::Read
                              ? ReadFinding(error)
                              : SaveFinding(path, error, action == FileAction::Keep);
  return finding.reason + ". " + finding.remedy;
}

std::string RegionMismatchFinding(int fileRegion, int dataSetRegion) {
  return "the file is for the region " + RegionName(fileRegion) + " and the data set for " +
         RegionName(dataSetRegion) + ", and " + NeverMixedAdvice(fileRegion) +
         ", then open the file again.";
}

}  // namespace tpw
