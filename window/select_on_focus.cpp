#include "window/select_on_focus.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>

namespace quarvel {
namespace {

QLineEdit* editOf(QObject* watched) {
  if (auto* combo = qobject_cast<QComboBox*>(watched)) {
    return combo->lineEdit();
  }
  return qobject_cast<QLineEdit*>(watched);
}

}  // namespace

void SelectOnFocus::attach(QLineEdit* field) {
  field->installEventFilter(this);
}

void SelectOnFocus::attach(QComboBox* field) {
  field->installEventFilter(this);
  field->lineEdit()->installEventFilter(this);
}

bool SelectOnFocus::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::FocusIn: {
      QLineEdit* edit = editOf(watched);
      if (edit == nullptr) {
        break;
      }
      edit->setSelection(0, static_cast<int>(edit->text().size()));
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      focusedByMouse_ = reason == Qt::MouseFocusReason ? edit : nullptr;
      break;
    }
    case QEvent::FocusOut:
      focusedByMouse_ = nullptr;
      break;
    case QEvent::MouseButtonPress: {
      // Only the press that gave the focus is swallowed, so the selection survives it.
      const bool focusingPress = focusedByMouse_ != nullptr && watched == focusedByMouse_;
      focusedByMouse_ = nullptr;
      return focusingPress;
    }
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace quarvel
