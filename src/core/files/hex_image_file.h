#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "image/memory_image.h"
#include "session/workspace.h"

// The image file: the radio's 2048 bytes, byte for byte, with no header. The same layout
// under a destination's name is the factory template of that destination.
namespace tpw {

enum class ImageFileStatus { Ok, BadSize, Unreadable, BadVersion };

// What was found in a file that was refused: the system's error when it could not be read,
// its size when that was not 2048 bytes.
struct ImageFileFinding {
  std::error_code error;
  std::uintmax_t size = 0;
};

// The content of an image file: the image's 2048 bytes as they are.
std::string_view ImageFileContent(const MemoryImage& image);

// Reads and checks a file without telling anyone: its length must be exactly 2048 bytes
// (checked before anything is read) and its two model words must match the current model.
// A file with other model words is still read into scratch (BadVersion).
ImageFileStatus ReadImageFile(const std::filesystem::path& path, int modelType,
                              MemoryImage& scratch, ImageFileFinding* finding = nullptr);

// Reads and checks a file into scratch, telling the user which file is refused and why
// ("bad file!!", "ModelType Error !!", "FileRead Error!!", each followed by the path and what
// was found). Nothing but scratch and the flags changes. With ModelWords::Shown, an image
// with other model words is taken all the same, with "ModelType Error !!" as a warning (the
// view of a bad image).
enum class ModelWords { Required, Shown };
bool LoadImageFile(Context& ctx, const std::filesystem::path& path, MemoryImage& scratch,
                   ModelWords words = ModelWords::Required);

// Why an image with these bytes is refused by the model check: "the model words at 0x080
// and 0x7FE hold 0x012C and 0x012C; ...". Empty when it passes.
std::string ModelWordsFinding(const MemoryImage& image, int modelType);

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
// decoded and the document path points at the file; the caller reports the new data set as a
// step (DataSetStep).
ImageOpenResult OpenImageFile(Context& ctx, const std::filesystem::path& path);

// Writes the image, byte for byte. False (with "FileSave Error!!") when it cannot be saved;
// the previous file is then left whole.
bool SaveImageBytes(Context& ctx, const std::filesystem::path& path);

// The File command: encodes the settings into the image and corrects it as before a radio
// write, then saves the image byte for byte.
bool SaveImageFile(Context& ctx, const std::filesystem::path& path);

// The silent loader of destination templates: no region check, no message. When it refuses
// a template, finding (if given) says what was found, for the caller's message.
bool LoadDestinationImage(Context& ctx, const std::filesystem::path& path,
                          std::string* finding = nullptr);

}  // namespace tpw
