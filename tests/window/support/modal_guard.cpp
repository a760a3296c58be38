#include "tests/window/support/modal_guard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QWidget>

namespace quarvel::testing {
namespace {

constexpr int kPollMilliseconds = 20;

}  // namespace

ModalGuard::ModalGuard() {
  timer_.setInterval(kPollMilliseconds);
  QObject::connect(&timer_, &QTimer::timeout, [] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
      return;
    }
    ADD_FAILURE() << "unexpected modal window \"" << modal->windowTitle().toStdString() << "\"";
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      dialog->reject();
    } else {
      modal->close();
    }
  });
  timer_.start();
}

}  // namespace quarvel::testing
