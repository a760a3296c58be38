#pragma once

#include <QProxyStyle>

namespace quarvel {

// The application's style with the option buttons' round indicator no
// taller than their designed box, which is a pixel lower than some styles'
// indicator.
class FittedIndicatorStyle : public QProxyStyle {
  Q_OBJECT

 public:
  explicit FittedIndicatorStyle(int largestIndicator) : largestIndicator_(largestIndicator) {}

  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;

 private:
  int largestIndicator_;
};

}  // namespace quarvel
