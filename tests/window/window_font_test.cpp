#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>

#include "window/window_font.h"

namespace quarvel::testing {
namespace {

bool everyCaptionFits(const QFont& base, int pixelSize, const std::vector<CaptionBox>& boxes) {
  QFont font = base;
  font.setPixelSize(pixelSize);
  return std::ranges::all_of(boxes, [&](const CaptionBox& box) { return fits(font, box); });
}

// Narrow and wide, serif and sans, bitmap-like and scalable: whatever the
// machine offers, with room to spare, exactly enough and far too little.
TEST(FittingFont, AnyInstalledFamilyAndBaseSize_IsTheLargestSizeAtWhichEveryCaptionFits) {
  const std::vector<CaptionBox> boxes = layoutCaptionBoxes(*QApplication::style());
  for (const QString& family : QFontDatabase::families()) {
    for (int pixelSize : {8, 10, 12, 16, 24}) {
      QFont base(family);
      base.setPixelSize(pixelSize);
      const int top = QFontInfo(base).pixelSize();
      const int chosen = fittingFont(base, boxes).pixelSize();
      SCOPED_TRACE(family.toStdString() + " " + std::to_string(pixelSize) + " px");
      ASSERT_LE(chosen, top);
      EXPECT_TRUE(chosen == 7 || everyCaptionFits(base, chosen, boxes));
      for (int larger = chosen + 1; larger <= top; ++larger) {
        EXPECT_FALSE(everyCaptionFits(base, larger, boxes)) << larger << " px";
      }
    }
  }
}

}  // namespace
}  // namespace quarvel::testing
