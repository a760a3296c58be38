#include "window/window_metrics.h"

#include <cmath>

#include <QWidget>

namespace quarvel {
namespace {

int designedPixels(int pixels, double scale) {
  return static_cast<int>(std::lround(pixels / scale));
}

int floorPixels(float twips) {
  return static_cast<int>(std::floor(twips / static_cast<float>(kTwipsPerPixel)));
}

}  // namespace

int outerWidthTwips(const QWidget& window, double scale) {
  return designedPixels(window.width(), scale) * kTwipsPerPixel + kFrameWidth;
}

int outerHeightTwips(const QWidget& window, double scale) {
  return designedPixels(window.height(), scale) * kTwipsPerPixel + kFrameHeight;
}

void setOuterHeightTwips(QWidget& window, int twips, double scale) {
  const double designed = static_cast<double>(twips - kFrameHeight) / kTwipsPerPixel;
  window.setFixedSize(window.width(), static_cast<int>(std::lround(designed * scale)));
}

QPoint centredTopLeft(const QRect& screen, int outerWidthTwips, int outerHeightTwips) {
  const float screenWidth = static_cast<float>(screen.width() * kTwipsPerPixel);
  const float screenHeight = static_cast<float>(screen.height() * kTwipsPerPixel);
  const float left = screenWidth / 2 - static_cast<float>(outerWidthTwips) / 2;
  const float top = screenHeight / 2 - static_cast<float>(outerHeightTwips) / 2;
  return screen.topLeft() + QPoint(floorPixels(left), floorPixels(top));
}

}  // namespace quarvel
