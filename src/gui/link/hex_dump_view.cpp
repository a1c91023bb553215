#include "gui/link/hex_dump_view.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include "link/hex_dump.h"

namespace tpw::gui {

HexDumpView::HexDumpView(QWidget* parent) : QListWidget(parent) {
  setObjectName(QStringLiteral("lstHex"));
  // Named as its entry in the Options menu.
  setAccessibleName(tr("Hexdump"));
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::NoSelection);
}

void HexDumpView::refresh(const MemoryImage& image) {
  clear();
  if (isHidden()) return;
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  for (const std::string& line : HexDumpLines(image)) addItem(QString::fromStdString(line));
  QGuiApplication::restoreOverrideCursor();
}

}  // namespace tpw::gui
