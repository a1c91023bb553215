#pragma once

#include <QListWidget>

#include "image/memory_image.h"

namespace tpw::gui {

// The diagnostic hex dump of the image (lstHex): a snapshot, refreshed only when it is
// switched on, so it shows the image of that moment.
class HexDumpView : public QListWidget {
  Q_OBJECT

 public:
  explicit HexDumpView(QWidget* parent = nullptr);
  // Empty while hidden; otherwise the header, the rule and one line per 16 bytes.
  void refresh(const MemoryImage& image);
};

}  // namespace tpw::gui
