#pragma once

#include <QRadioButton>

namespace quarvel {

// An option button whose access key selects it at once. The toolkit's button
// plays a pressed look and clicks about 100 ms later, so a key typed right
// after the access key (Enter, by a fast typist or a macro) would still be
// handled with the old unit, beside captions that already show the new one.
class OptionButton : public QRadioButton {
  Q_OBJECT

 public:
  explicit OptionButton(QWidget* parent = nullptr) : QRadioButton(parent) {}

 protected:
  bool event(QEvent* event) override;
};

}  // namespace quarvel
