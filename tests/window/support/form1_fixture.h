#pragma once

#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>
#include <memory>

#include "window/form1.h"
#include "window/message_box.h"
#include "window/result_label.h"

inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace quarvel::testing {

using Texts = std::vector<std::pair<const char*, const char*>>;

// A shown, active Form1 per test, driven as a user would. Message boxes are
// recorded instead of shown; a modal window that appears all the same fails
// the test and is closed, so nothing hangs. No window outlives the test.
class Form1Test : public ::testing::Test {
 protected:
  void SetUp() override {
    setMessageBoxResponder([this](const MessageBoxRequest& box) { boxes_.push_back(box); });
    modalGuard_.callOnTimeout([] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        ADD_FAILURE() << "unexpected modal window " << modal->windowTitle().toStdString();
        modal->close();
      }
    });
    modalGuard_.start(20);
    reopen();
  }
  void TearDown() override {
    form_.reset();
    setMessageBoxResponder({});
    for (QWidget* window : QApplication::topLevelWidgets()) {
      EXPECT_FALSE(window->isVisible()) << "left open: " << window->windowTitle().toStdString();
    }
  }

  // A new window in place of the test's, FILLED before it is first shown.
  void reopen(const Texts& filled = {}) {
    form_ = std::make_unique<Form1>();
    set(filled);
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  }
  template <class Control = QWidget>
  Control* control(const char* name) const {
    return form_->findChild<Control*>(QLatin1String(name));
  }
  // Where a control's text is shown and typed: itself, or the price field's line edit.
  QWidget* shown(const char* name) const {
    auto* combo = qobject_cast<QComboBox*>(control(name));
    return combo != nullptr ? combo->lineEdit() : control(name);
  }
  // A result box's whole value, which it may show shortened.
  QString text(const char* name) const {
    auto* result = qobject_cast<ResultLabel*>(shown(name));
    return result != nullptr ? result->result() : shown(name)->property("text").toString();
  }
  void set(const Texts& texts) const {
    for (auto [name, text] : texts) {
      if (auto* result = qobject_cast<ResultLabel*>(shown(name))) {
        result->setResult(QString::fromUtf8(text));
      } else {
        shown(name)->setProperty("text", QString::fromUtf8(text));
      }
    }
  }
  static QString focused() { return qApp->focusWidget() ? qApp->focusWidget()->objectName() : ""; }
  bool costShown() const { return form_->rect().contains(control("Label8")->geometry()); }

  // Each text to the control focused when it is typed; "\t" is Tab, "\r" Enter.
  static void type(std::initializer_list<const char*> texts) {
    for (const char* keys : texts) {
      QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8(keys));
    }
  }
  void click(const char* name) const {
    QTest::mouseClick(shown(name), Qt::LeftButton, {}, shown(name)->rect().center());
  }
  // Drags the mouse across a box from `from` to its right edge.
  static void drag(QWidget* box, int from) {
    const QPoint start(from, box->height() / 2), end(box->width() - 2, box->height() / 2);
    QTest::mousePress(box, Qt::LeftButton, {}, start);
    QTest::mouseMove(box, end);
    QTest::mouseRelease(box, Qt::LeftButton, {}, end);
  }
  // The menu a right click on a box opens, at its top left corner.
  QWidget* menuOf(const char* box) const {
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, {}, {});
    QApplication::sendEvent(control(box), &rightClick);
    return QApplication::activePopupWidget();
  }
  // Right-clicks a result box and picks Copy from its menu; false if Copy was disabled.
  bool copyFrom(const char* box) const {
    QWidget* menu = menuOf(box);
    QAction* copy = menu != nullptr ? menu->actions().value(0) : nullptr;
    if (copy == nullptr || copy->iconText() != "Copy") {
      ADD_FAILURE() << "no Copy in the menu of " << box;
      return false;
    }
    const bool enabled = copy->isEnabled();
    copy->trigger();
    menu->close();
    return enabled;
  }
  std::vector<MessageBoxRequest> boxes_;
  QTimer modalGuard_;
  std::unique_ptr<Form1> form_;
};

}  // namespace quarvel::testing
