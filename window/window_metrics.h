#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

namespace quarvel {

// Places and sizes are designed in twips, mapped to logical pixels at this
// ratio (96 dots per inch) and then grown by the window's layout scale.
inline constexpr int kTwipsPerPixel = 15;

// The designed frame: 60 twips left, right and bottom, 345 at the top.
inline constexpr int kFrameWidth = 120;
inline constexpr int kFrameHeight = 405;

// Outer heights of the window as designed: collapsed hides everything below y = 3090.
inline constexpr int CollapsedHeight = 3495;
inline constexpr int ExpandedHeight = 5175;

// The outer size in twips of the window as designed: its client area taken
// back by `scale` to designed pixels, plus the designed frame rather than the
// window manager's, so that the same client area gives the same twips on
// every platform, font and screen. With scale 1, the size as it stands.
int outerWidthTwips(const QWidget& window, double scale = 1);
int outerHeightTwips(const QWidget& window, double scale = 1);
// Also fixes the height, so the user cannot drag the window to one in between.
void setOuterHeightTwips(QWidget& window, int twips, double scale);

// Half the screen less half the window, in single-precision twips, put on the
// whole pixel at or above and left of it and moved to the screen's origin.
// Not clamped to the screen.
QPoint centredTopLeft(const QRect& screen, int outerWidthTwips, int outerHeightTwips);

}  // namespace quarvel
