#include "gui/shell/secondary_text.h"

namespace tpw::gui {

QColor SecondaryTextColour(const QPalette& palette) {
  const QColor text = palette.color(QPalette::WindowText);
  const QColor back = palette.color(QPalette::Window);
  // A third of the way to the background: softer than the text, far from the background.
  constexpr float kLean = 1.0F / 3.0F;
  return QColor::fromRgbF(text.redF() + (back.redF() - text.redF()) * kLean,
                          text.greenF() + (back.greenF() - text.greenF()) * kLean,
                          text.blueF() + (back.blueF() - text.blueF()) * kLean);
}

QString SecondaryParagraph(const QPalette& palette, const QString& text) {
  return QStringLiteral("<p style='color:%1'>%2</p>")
      .arg(SecondaryTextColour(palette).name(), text);
}

}  // namespace tpw::gui
