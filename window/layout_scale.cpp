#include "window/layout_scale.h"

#include <algorithm>
#include <cmath>

#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace quarvel {
namespace {

constexpr double kLargestScale = 8;
constexpr double kWrapStep = 1.0 / 32;
constexpr int kTallEnoughToMeasure = 100000;

// The pixels around the text that a control keeps for itself.
QSizeF padding(const QWidget& control) {
  const QStyle& style = *control.style();
  if (qobject_cast<const QRadioButton*>(&control) != nullptr) {
    return {static_cast<qreal>(style.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                               style.pixelMetric(QStyle::PM_RadioButtonLabelSpacing)),
            0};
  }
  if (qobject_cast<const QPushButton*>(&control) != nullptr) {
    const int bevel = style.pixelMetric(QStyle::PM_DefaultFrameWidth) +
                      style.pixelMetric(QStyle::PM_ButtonMargin) / 2;
    return {2.0 * bevel, 2.0 * bevel};
  }
  // The frame plus the one-pixel margin a line edit keeps around its text.
  const qreal field = 2.0 * (style.pixelMetric(QStyle::PM_DefaultFrameWidth) + 1);
  if (const auto* combo = qobject_cast<const QComboBox*>(&control)) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect edit =
        style.subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    return {static_cast<qreal>(combo->width() - edit.width()) + field, field};
  }
  if (const auto* label = qobject_cast<const QLabel*>(&control)) {
    const qreal frame = 2.0 * (label->frameWidth() + label->margin());
    return {frame, frame};
  }
  return {field, field};
}

bool wrappedFits(const QLabel& label, const QString& text, QSizeF pad, double scale) {
  const QFontMetricsF metrics(label.font());
  const qreal width = label.width() * scale - pad.width();
  const QRectF needed =
      metrics.boundingRect(QRectF(0, 0, width, kTallEnoughToMeasure),
                           Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignTop, text);
  return needed.width() <= width && needed.height() <= label.height() * scale - pad.height();
}

double scaleFor(const BoxedText& boxed) {
  const QWidget& control = *boxed.control;
  const QSizeF pad = padding(control);
  QString text = boxed.text;
  text.remove(QLatin1Char('&'));  // access-key marks are not drawn
  if (const auto* label = qobject_cast<const QLabel*>(&control); label && label->wordWrap()) {
    double scale = 1;
    while (scale < kLargestScale && !wrappedFits(*label, text, pad, scale)) {
      scale += kWrapStep;
    }
    return scale;
  }
  const QFontMetricsF metrics(control.font());
  qreal height = metrics.height();
  if (qobject_cast<const QRadioButton*>(&control) != nullptr) {
    height = std::max<qreal>(height, control.style()->pixelMetric(
                                         QStyle::PM_ExclusiveIndicatorHeight, nullptr, &control));
  }
  return std::max((metrics.horizontalAdvance(text) + pad.width()) / control.width(),
                  (height + pad.height()) / control.height());
}

}  // namespace

double layoutScale(std::span<const BoxedText> texts) {
  double scale = 1;
  for (const BoxedText& boxed : texts) {
    scale = std::max(scale, scaleFor(boxed));
  }
  return std::min(scale, kLargestScale);
}

void scaleLayout(QWidget& window, double scale) {
  const auto place = [scale](int pixels) { return static_cast<int>(std::lround(pixels * scale)); };
  // Sizes round up, so that no box ends up a fraction of a pixel short of its text.
  const auto size = [scale](int pixels) { return static_cast<int>(std::ceil(pixels * scale)); };
  for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const QRect designed = control->geometry();
    control->setGeometry(place(designed.x()), place(designed.y()), size(designed.width()),
                         size(designed.height()));
  }
  window.resize(place(window.width()), place(window.height()));
}

}  // namespace quarvel
