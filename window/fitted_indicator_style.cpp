#include "window/fitted_indicator_style.h"

#include <algorithm>

namespace quarvel {

int FittedIndicatorStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                      const QWidget* widget) const {
  const int size = QProxyStyle::pixelMetric(metric, option, widget);
  if (metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight) {
    return std::min(size, largestIndicator_);
  }
  return size;
}

}  // namespace quarvel
