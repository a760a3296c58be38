#include "window/result_copy_key.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "window/result_label.h"

namespace quarvel {

ResultCopyKey::ResultCopyKey(QWidget& window, std::initializer_list<ResultLabel*> boxes)
    : QObject(&window), window_(window), boxes_(boxes) {
  for (ResultLabel* box : boxes_) {
    connect(box, &ResultLabel::selectionMade, this, [this, box] { hold(box); });
  }
  // Keys go to the focused control first; every one of the application's passes by here.
  qApp->installEventFilter(this);
}

bool ResultCopyKey::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (held_.isNull() || widget == nullptr || widget->window() != &window_) {
    return false;
  }
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Copy)) {
      QGuiApplication::clipboard()->setText(
          static_cast<ResultLabel*>(held_.data())->selectedValue());
      return true;
    }
    // Shift, Ctrl, Alt and the like alone type nothing.
    if (key->key() < Qt::Key_Shift || key->key() > Qt::Key_ScrollLock) {
      hold(nullptr);
    }
  } else if (event->type() == QEvent::FocusIn && (qobject_cast<QLineEdit*>(widget) != nullptr ||
                                                  qobject_cast<QComboBox*>(widget) != nullptr)) {
    hold(nullptr);
  }
  return false;
}

void ResultCopyKey::hold(ResultLabel* box) {
  for (ResultLabel* other : boxes_) {
    if (other != box) {
      other->clearSelection();
    }
  }
  held_ = box;
}

}  // namespace quarvel
