#include "gui/link/demo_radio.h"

#include "image/memory_map.h"
#include "link/radio_checks.h"
#include "shell/workspace.h"

namespace tpw::gui {

namespace {

MemoryImage FactoryMemory(MemoryImage image) {
  for (int a : {addr::ModelVersionWord, addr::ModelVersionWord2}) {
    image.set(a, ModelVersion >> 8);
    image.set(a + 1, ModelVersion & 0xFF);
  }
  for (int i = 0; i < addr::ProductCodeLength; ++i) {
    image.set(addr::ProductCode + i, static_cast<std::uint8_t>(ProductCodeText[i]));
  }
  return image;
}

}  // namespace

DemoRadio::DemoRadio(const MemoryImage& image) : radio_(FactoryMemory(image)) {}

}  // namespace tpw::gui
