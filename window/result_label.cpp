#include "window/result_label.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>

namespace quarvel {

ResultLabel::ResultLabel(QWidget* parent) : QLabel(parent) {
  setTextInteractionFlags(Qt::TextSelectableByMouse);
  // Selecting text would otherwise take the focus from the field being typed in.
  setFocusPolicy(Qt::NoFocus);
}

void ResultLabel::contextMenuEvent(QContextMenuEvent* event) {
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  // The whole text as shown, with the user's decimal separator, whatever part is selected.
  QAction* copy =
      menu->addAction(tr("&Copy"), this, [this] { QGuiApplication::clipboard()->setText(text()); });
  copy->setEnabled(!text().isEmpty());
  menu->popup(event->globalPos());
  event->accept();
}

void showResult(QLabel& label, const QString& text) {
  label.setText(text);
  // Also posts the accessibility name-change event screen readers listen to.
  label.setAccessibleName(text);
}

}  // namespace quarvel
