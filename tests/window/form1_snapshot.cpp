#include "tests/window/form1_snapshot.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace quarvel::testing {
namespace {

ControlState stateOf(const QWidget& control) {
  ControlState state;
  state.name = control.objectName();
  state.visible = control.isVisible();
  const auto* combo = qobject_cast<const QComboBox*>(&control);
  const auto* label = qobject_cast<const QLabel*>(&control);
  const auto* button = qobject_cast<const QAbstractButton*>(&control);
  if (const auto* edit = combo ? combo->lineEdit() : qobject_cast<const QLineEdit*>(&control)) {
    state.text = edit->text();
    state.selectionStart = edit->selectionStart();
    state.selectionLength = static_cast<int>(edit->selectedText().size());
    state.cursor = edit->cursorPosition();
  } else if (label != nullptr) {
    state.text = label->text();
  } else if (button != nullptr) {
    state.text = button->text();
    state.checked = button->isChecked();
    const auto* push = qobject_cast<const QPushButton*>(&control);
    state.isDefault = push != nullptr && push->isDefault();
  }
  return state;
}

QString nameOf(const QWidget* widget) {
  // The line edit inside the price field has no name of its own.
  while (widget != nullptr && widget->objectName().isEmpty()) {
    widget = widget->parentWidget();
  }
  return widget == nullptr ? QStringLiteral("(none)") : widget->objectName();
}

}  // namespace

Form1Snapshot Form1Snapshot::of(const QWidget& window) {
  Form1Snapshot snapshot;
  for (const QWidget* control :
       window.findChildren<const QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (!control->objectName().isEmpty()) {
      snapshot.controls.push_back(stateOf(*control));
    }
  }
  if (const auto* combo = window.findChild<const QComboBox*>(QStringLiteral("Combo1"))) {
    for (int i = 0; i < combo->count(); ++i) {
      snapshot.priceList.push_back(combo->itemText(i));
    }
    snapshot.priceIndex = combo->currentIndex();
  }
  snapshot.clientWidth = window.width();
  snapshot.clientHeight = window.height();
  snapshot.focus = nameOf(QApplication::focusWidget());
  return snapshot;
}

void PrintTo(const Form1Snapshot& snapshot, std::ostream* out) {
  *out << "client " << snapshot.clientWidth << "x" << snapshot.clientHeight << ", focus "
       << snapshot.focus.toStdString() << ", price list ["
       << snapshot.priceList.join(' ').toStdString() << "] at " << snapshot.priceIndex;
  for (const ControlState& control : snapshot.controls) {
    *out << "\n  " << control.name.toStdString() << " \"" << control.text.toStdString() << "\"";
    if (control.selectionStart >= 0 || control.cursor >= 0) {
      *out << " selection " << control.selectionStart << "+" << control.selectionLength
           << " cursor " << control.cursor;
    }
    *out << (control.checked ? " checked" : "") << (control.isDefault ? " default" : "")
         << (control.visible ? "" : " hidden");
  }
}

}  // namespace quarvel::testing
