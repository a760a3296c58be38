#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace quarvel {

struct ControlSpec;

QRect pixelRect(const ControlSpec& control);

// The outer size counts the designed frame rather than the window manager's,
// so the same client area gives the same twips on every platform and scale.
int outerWidthTwips(const QWidget& window);
int outerHeightTwips(const QWidget& window);
// Also fixes the size, so the user cannot drag the window to a height in between.
void setOuterSizeTwips(QWidget& window, int width, int height);

// Half the screen less half the window, in single-precision twips, put on the
// whole pixel at or above and left of it. Not clamped to the screen.
QPoint centredTopLeft(QSize screenPixels, int outerWidthTwips, int outerHeightTwips);

}  // namespace quarvel
