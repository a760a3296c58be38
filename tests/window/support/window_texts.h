#pragma once

#include <QtWidgets>
#include <memory>

namespace quarvel::testing {

// What a window shows as text: each control's text and tooltip, and, for
// the toolkit's own texts, the first entry of a field's menu.
inline QStringList windowTexts(const QWidget& window) {
  QStringList texts;
  for (const QWidget* c : window.findChildren<QWidget*>()) {
    texts << c->property("text").toString() << c->toolTip();
  }
  const std::unique_ptr<QMenu> menu(window.findChild<QLineEdit*>()->createStandardContextMenu());
  texts << menu->actions().value(0)->text();
  return texts;
}

}  // namespace quarvel::testing
