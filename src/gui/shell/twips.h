#pragma once

namespace tpw::gui {

// The window's layout sizes and the stored window placement are given in twips, at 15 twips
// per pixel.
inline constexpr int TwipsPerPixel = 15;

// The whole pixels within a width in twips (the grid's column widths).
constexpr int TwipsToPixels(int twips) {
  return twips / TwipsPerPixel;
}

// The fewest pixels that cover a length in twips (the smallest sizes of the window).
constexpr int PixelsCovering(int twips) {
  return (twips + TwipsPerPixel - 1) / TwipsPerPixel;
}

}  // namespace tpw::gui
