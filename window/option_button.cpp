#include "window/option_button.h"

#include <QShortcutEvent>

namespace quarvel {

bool OptionButton::event(QEvent* event) {
  // The only shortcut a button receives itself is its access key. An
  // ambiguous one (the same letter elsewhere) keeps the toolkit's way: it
  // only moves the focus.
  if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
    setFocus(Qt::ShortcutFocusReason);
    click();
    return true;
  }
  return QRadioButton::event(event);
}

}  // namespace quarvel
