#include "window/notice_label.h"

#include <QMouseEvent>

#include "window/app_icons.h"

namespace quarvel {

NoticeLabel::NoticeLabel(QWidget* parent) : QLabel(parent) {
  setCursor(notePointer(devicePixelRatioF()));
}

void NoticeLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  QLabel::mousePressEvent(event);
}

void NoticeLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  QLabel::mouseReleaseEvent(event);
  if (click) {
    emit clicked();
  }
}

}  // namespace quarvel
