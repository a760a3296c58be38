#include "window/result_label.h"

#include <QLabel>

namespace quarvel {

void showResult(QLabel& label, const QString& text) {
  label.setText(text);
  // Also posts the accessibility name-change event screen readers listen to.
  label.setAccessibleName(text);
}

}  // namespace quarvel
