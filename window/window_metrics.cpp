#include "window/window_metrics.h"

#include <cmath>

#include <QWidget>

#include "window/layout_table.h"

namespace quarvel {
namespace {

int pixels(int twips) {
  return twips / kTwipsPerPixel;
}

int floorPixels(float twips) {
  return static_cast<int>(std::floor(twips / static_cast<float>(kTwipsPerPixel)));
}

}  // namespace

QRect pixelRect(const ControlSpec& control) {
  // A line has no height in twips but needs one pixel to be drawn.
  const int height = control.kind == ControlKind::Line ? 1 : pixels(control.height);
  return {pixels(control.left), pixels(control.top), pixels(control.width), height};
}

int outerWidthTwips(const QWidget& window) {
  return window.width() * kTwipsPerPixel + kFrameWidth;
}

int outerHeightTwips(const QWidget& window) {
  return window.height() * kTwipsPerPixel + kFrameHeight;
}

void setOuterSizeTwips(QWidget& window, int width, int height) {
  window.setFixedSize(pixels(width - kFrameWidth), pixels(height - kFrameHeight));
}

QPoint centredTopLeft(QSize screenPixels, int outerWidthTwips, int outerHeightTwips) {
  const float screenWidth = static_cast<float>(screenPixels.width() * kTwipsPerPixel);
  const float screenHeight = static_cast<float>(screenPixels.height() * kTwipsPerPixel);
  const float left = screenWidth / 2 - static_cast<float>(outerWidthTwips) / 2;
  const float top = screenHeight / 2 - static_cast<float>(outerHeightTwips) / 2;
  return {floorPixels(left), floorPixels(top)};
}

}  // namespace quarvel
