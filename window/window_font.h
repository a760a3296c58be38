#pragma once

#include <span>
#include <vector>

#include <QFont>
#include <QMargins>
#include <QSize>
#include <QString>

class QStyle;

namespace quarvel {

// A text that must show whole inside a box of the layout.
struct CaptionBox {
  QString text;
  QSize size;        // logical pixels
  QMargins padding;  // taken by the control's frame, indicator or button bevel
  bool wrapped = false;
};

// Every caption and a typical value of each output in its box, for both units.
std::vector<CaptionBox> layoutCaptionBoxes(const QStyle& style);

bool fits(const QFont& font, const CaptionBox& box);

// The base font's family at the largest whole pixel size, not above the
// base's own, at which every box holds its text.
QFont fittingFont(const QFont& base, std::span<const CaptionBox> boxes);

}  // namespace quarvel
