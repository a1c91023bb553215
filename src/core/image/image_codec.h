#pragma once

#include "image/memory_image.h"
#include "image/settings_model.h"

namespace tpw {

// Image -> model. DecodeHeader covers the groups, the common setup and ATIS; DecodeImage
// also replaces the channel lists (CHWX only when the model has weather channels). The weather
// list always holds one record per weather channel, enabled and scanned by its own bits.
void DecodeHeader(const MemoryImage& image, SettingsModel& model);
void DecodeImage(const MemoryImage& image, SettingsModel& model, bool wxSupported);

// Model -> image, changing only the bytes and bits the model covers. The model is left as it
// is: a display text is padded to its two characters only in the image.
void EncodeHeader(const SettingsModel& model, MemoryImage& image);
void EncodeImage(const SettingsModel& model, MemoryImage& image, bool wxSupported);

// Corrects the radio's current channel and the group channel references so that none points
// at a channel the image no longer holds. Run after EncodeImage, before the image leaves.
void SanitiseForWrite(MemoryImage& image, const SettingsModel& model, bool wxSupported);
// The image a save or a write sends: the settings encoded, then corrected as above.
void EncodeForWrite(const SettingsModel& model, MemoryImage& image, bool wxSupported);
bool IsValidRef(const MemoryImage& image, int ref, int group);
int FallbackRef(const SettingsModel& model, int group);

// Fills the whole image with 0xFF.
void ClearImage(MemoryImage& image);
// The image of a new data set: for a QZ815 the default bytes over an 0xFF fill; in every case
// the header is decoded again. The channel lists are left to the destination that follows.
void NewDefaultImage(MemoryImage& image, SettingsModel& model, int modelType);

}  // namespace tpw
