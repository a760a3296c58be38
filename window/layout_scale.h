#pragma once

#include <span>

#include <QString>

class QWidget;

namespace quarvel {

// A text that must show whole in a control's box as designed.
struct BoxedText {
  const QWidget* control;
  QString text;
};

// The one factor, never below 1, by which the designed layout must grow so
// that every text fits its box in its control's own font, the space the
// control's frame, indicator or bevel takes included. Wrapped labels grow
// until the wrapped text fits.
double layoutScale(std::span<const BoxedText> texts);

// Multiplies the place and size of the window and of each of its controls by `scale`.
void scaleLayout(QWidget& window, double scale);

}  // namespace quarvel
