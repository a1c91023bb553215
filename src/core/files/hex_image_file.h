#pragma once

#include <filesystem>

#include "image/memory_image.h"
#include "session/workspace.h"

// The image file: the radio's 2048 bytes, byte for byte, with no header. The same layout
// under a destination's name is the factory template of that destination.
namespace tpw {

enum class ImageFileStatus { Ok, BadSize, Unreadable, BadVersion };

// Reads and checks a file without telling anyone: its length must be exactly 2048 bytes
// and its two model words must match the current model.
ImageFileStatus ReadImageFile(const std::filesystem::path& path, int modelType,
                              MemoryImage& scratch, std::error_code* ioError = nullptr);

// Reads and checks a file into scratch, telling the user why a file is refused ("bad file!!",
// "ModelType Error !!", "FileRead Error!!"). Nothing but scratch and the flags changes.
bool LoadImageFile(Context& ctx, const std::filesystem::path& path, MemoryImage& scratch);

// The step every loader of an image file ends with (a destination template, an opened file,
// the command line's inputs): the checked image becomes the data set's image and is decoded
// into the settings.
void TakeImage(Workspace& ws, const MemoryImage& image);

struct ImageOpenResult {
  bool loaded = false;
  bool regionChangeAccepted = false;  // the caller moves the destination check mark
};

// Opens an image file over the current data set: length, model words and region are checked,
// with their messages, before anything changes. On success the image is replaced and
// decoded, the document path points at the file and DataChanged is cleared.
ImageOpenResult OpenImageFile(Context& ctx, const std::filesystem::path& path);

// Writes the image, byte for byte. False (with "FileSave Error!!") when it cannot be saved;
// the previous file is then left whole.
bool SaveImageBytes(Context& ctx, const std::filesystem::path& path);

// The File command: encodes the settings into the image and corrects it as before a radio
// write, then saves the image byte for byte.
bool SaveImageFile(Context& ctx, const std::filesystem::path& path);

// The silent loader of destination templates: no region check, no message.
bool LoadDestinationImage(Context& ctx, const std::filesystem::path& path);

}  // namespace tpw
