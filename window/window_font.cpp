#include "window/window_font.h"

#include <algorithm>
#include <utility>

#include <QFontInfo>
#include <QFontMetrics>
#include <QStyle>

#include "window/form1_texts.h"
#include "window/layout_table.h"
#include "window/window_metrics.h"

namespace quarvel {
namespace {

constexpr int kSmallestPixelSize = 7;
constexpr int kTallEnoughToMeasure = 1000;
// Pixels a caption may come out narrower than its width scaled from another size.
constexpr qreal kRoundingSlack = 1.0;
// A volume of thousands of cubic yards and a cost of tens of thousands.
constexpr char kTypicalResult[] = "99999.99";

QMargins paddingOf(const ControlSpec& control, const QStyle& style) {
  switch (control.kind) {
    case ControlKind::OptionButton:
      return {style.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                  style.pixelMetric(QStyle::PM_RadioButtonLabelSpacing),
              0, 0, 0};
    case ControlKind::CommandButton: {
      const int bevel = style.pixelMetric(QStyle::PM_DefaultFrameWidth) +
                        style.pixelMetric(QStyle::PM_ButtonMargin) / 2;
      return {bevel, bevel, bevel, bevel};
    }
    case ControlKind::TextBox:
    case ControlKind::ComboBox: {
      // The frame plus the one-pixel margin a line edit keeps around its text.
      const int frame = style.pixelMetric(QStyle::PM_DefaultFrameWidth) + 1;
      return {frame, frame, frame, frame};
    }
    case ControlKind::Label:
      return (control.style & kBorder) != 0 ? QMargins(1, 1, 1, 1) : QMargins();
    case ControlKind::Line:
      break;
  }
  return {};
}

QString shownText(const ControlSpec& control) {
  QString text = QString::fromUtf8(control.text);
  text.remove(QLatin1Char('&'));  // access-key marks are not drawn
  return text;
}

// No size above this one, and not above the measured size, fits every one-line
// caption: advances grow in proportion to the pixel size, give or take the
// rounding that the slack covers. Wrapped texts are left to the check.
int largestSizeByWidths(const QFont& measured, std::span<const CaptionBox> boxes) {
  const QFontMetricsF metrics(measured);
  qreal ratio = 1;
  for (const CaptionBox& box : boxes) {
    if (!box.wrapped) {
      const int width = box.size.width() - box.padding.left() - box.padding.right();
      const qreal advance = metrics.horizontalAdvance(box.text);
      ratio = std::min(ratio, (width + kRoundingSlack) / std::max(advance, kRoundingSlack));
    }
  }
  return static_cast<int>(measured.pixelSize() * ratio);
}

}  // namespace

std::vector<CaptionBox> layoutCaptionBoxes(const QStyle& style) {
  // The dimension captions also read "... in Inches"; they must fit the same boxes.
  const DimensionCaptions feet = captionsFor(estimate::LengthUnit::Feet);
  const DimensionCaptions inches = captionsFor(estimate::LengthUnit::Inches);
  const std::pair<const char*, const char*> inchesFor[] = {
      {feet.length, inches.length}, {feet.width, inches.width}, {feet.depth, inches.depth}};

  std::vector<CaptionBox> boxes;
  for (const ControlSpec& control : layoutTable()) {
    if (control.kind == ControlKind::Line) {
      continue;
    }
    const bool output = control.kind == ControlKind::Label && control.text[0] == '\0';
    const CaptionBox box{.text = output ? QString::fromLatin1(kTypicalResult) : shownText(control),
                         .size = pixelRect(control).size(),
                         .padding = paddingOf(control, style),
                         .wrapped = (control.style & kWrapped) != 0};
    boxes.push_back(box);
    for (auto [fromFeet, toInches] : inchesFor) {
      if (box.text == QLatin1String(fromFeet)) {
        boxes.push_back({QString::fromLatin1(toInches), box.size, box.padding, box.wrapped});
      }
    }
  }
  return boxes;
}

bool fits(const QFont& font, const CaptionBox& box) {
  const QFontMetrics metrics(font);
  const int width = box.size.width() - box.padding.left() - box.padding.right();
  const int height = box.size.height() - box.padding.top() - box.padding.bottom();
  if (box.wrapped) {
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, width, kTallEnoughToMeasure),
                             Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignTop, box.text);
    return needed.width() <= width && needed.height() <= height;
  }
  return metrics.horizontalAdvance(box.text) <= width && metrics.height() <= height;
}

QFont fittingFont(const QFont& base, std::span<const CaptionBox> boxes) {
  // Every size tried loads a font engine and lays out every caption again, so
  // the captions are measured once at the base size and the search starts at
  // the largest size their widths allow.
  const int baseSize = QFontInfo(base).pixelSize();
  QFont font = base;
  font.setPixelSize(baseSize);
  for (int size = largestSizeByWidths(font, boxes); size > kSmallestPixelSize; --size) {
    font.setPixelSize(size);
    if (std::ranges::all_of(boxes, [&](const CaptionBox& box) { return fits(font, box); })) {
      return font;
    }
  }
  font.setPixelSize(kSmallestPixelSize);
  return font;
}

}  // namespace quarvel
