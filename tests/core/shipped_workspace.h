#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "files/hex_image_file.h"
#include "image/image_codec.h"
#include "shell/destinations.h"

// The data sets of the seven destination templates shipped beside the programs.
namespace tpw::test {

inline std::vector<std::string> ShippedDestinations() {
  return ListDestinationNames(TPW52_DATA_DIR, QZ815ModelType);
}

// A workspace holding a shipped template, decoded, with nothing to save.
inline Workspace ShippedWorkspace(const std::string& destination) {
  Workspace ws;
  EXPECT_EQ(ReadImageFile(DestinationPath(TPW52_DATA_DIR, destination, 1), 1, ws.image),
            ImageFileStatus::Ok)
      << destination;
  DecodeImage(ws.image, ws.model, true);
  return ws;
}

// The image a write to the radio starts from.
inline MemoryImage Encoded(const Workspace& ws) {
  MemoryImage image = ws.image;
  EncodeForWrite(ws.model, image, true);
  return image;
}

}  // namespace tpw::test
