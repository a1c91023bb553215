#include "files/file_failure.h"

#include "image/regions.h"

namespace tpw {

namespace fs = std::filesystem;

namespace {

struct Finding {
  std::string reason;
  std::string remedy;
};

std::string FolderOf(const fs::path& path) {
  return path.parent_path().empty() ? "the current folder"
                                    : "the folder " + path.parent_path().string();
}

Finding SaveFinding(const fs::path& path, const std::error_code& error) {
  const std::string again = ".";
  if (error == std::errc::no_such_file_or_directory) {
    return {FolderOf(path) + " does not exist", "Create it or choose another folder" + again};
  }
  if (error == std::errc::not_a_directory) {
    return {"a part of its folder is a file, not a folder", "Choose another folder" + again};
  }
  if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted) {
    return {"permission denied: you may not write in " + FolderOf(path),
            "Choose a folder you may write in" + again};
  }
  if (error == std::errc::no_space_on_device) {
    return {"the disk is full", "Free some space or choose another disk" + again};
  }
  if (error == std::errc::read_only_file_system) {
    return {"the disk is read-only", "Choose another disk" + again};
  }
  if (error == std::errc::is_a_directory) {
    return {"it is a folder, not a file", "Choose a file name" + again};
  }
  return {error.message(), "Choose another file or folder" + again};
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
    return {"it is a folder, not a file", "Choose a file."};
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
  const Finding finding =
      action == FileAction::Save ? SaveFinding(path, error) : ReadFinding(error);
  return finding.reason + ". " + finding.remedy;
}

std::string RegionMismatchFinding(int fileRegion, int dataSetRegion) {
  return "the file is for the region " + RegionName(fileRegion) + " and the data set for " +
         RegionName(dataSetRegion) + ", and " + NeverMixedAdvice(fileRegion) +
         ", then open the file again.";
}

}  // namespace tpw
