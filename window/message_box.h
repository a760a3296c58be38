#pragma once

#include <functional>
#include <memory>

#include <QMessageBox>
#include <QString>

class QWidget;

namespace quarvel {

// Every message box of the window goes through here, so tests can answer
// boxes instead of running a modal loop.
struct MessageBoxRequest {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
  QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
};

using MessageBoxResponder = std::function<void(const MessageBoxRequest&)>;

// Shows the box modally, or hands it to the installed responder.
void showMessageBox(QWidget* parent, const MessageBoxRequest& request);

// An empty responder restores the real, modal box.
void setMessageBoxResponder(MessageBoxResponder responder);

std::unique_ptr<QMessageBox> buildMessageBox(QWidget* parent, const MessageBoxRequest& request);

}  // namespace quarvel
