#pragma once

#include <QPalette>
#include <QString>

namespace tpw::gui {

// The colour of text that matters less than its neighbours (a hint under a title): the
// palette's text leaned towards its background, so that it stays readable in a light, a dark
// and a high-contrast palette alike, where a fixed grey would vanish in one of them.
QColor SecondaryTextColour(const QPalette& palette);

// A rich-text paragraph in that colour.
QString SecondaryParagraph(const QPalette& palette, const QString& text);

}  // namespace tpw::gui
