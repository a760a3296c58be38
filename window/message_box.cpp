#include "window/message_box.h"

#include <utility>

namespace quarvel {
namespace {

MessageBoxResponder& responder() {
  static MessageBoxResponder installed;
  return installed;
}

}  // namespace

void showMessageBox(QWidget* parent, const MessageBoxRequest& request) {
  if (responder()) {
    responder()(request);
    return;
  }
  buildMessageBox(parent, request)->exec();
}

void setMessageBoxResponder(MessageBoxResponder installed) {
  responder() = std::move(installed);
}

std::unique_ptr<QMessageBox> buildMessageBox(QWidget* parent, const MessageBoxRequest& request) {
  auto box = std::make_unique<QMessageBox>(request.icon, request.title, request.text,
                                           request.buttons, parent);
  // What the user typed is quoted in reports: never read it as markup.
  box->setTextFormat(Qt::PlainText);
  box->setDefaultButton(request.defaultButton);
  box->setWindowModality(Qt::ApplicationModal);
  return box;
}

}  // namespace quarvel
