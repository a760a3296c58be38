#include "tests/window/support/form1_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVariant>

#include "window/layout_table.h"
#include "window/window_metrics.h"

namespace quarvel::testing {

void Form1Test::SetUp() {
  form_ = std::make_unique<Form1>();
  form_->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
}

void Form1Test::TearDown() {
  form_->close();
  form_.reset();
  for (QWidget* window : QApplication::topLevelWidgets()) {
    EXPECT_FALSE(window->isVisible()) << "left open: " << window->windowTitle().toStdString();
  }
}

QString Form1Test::text(const char* name) const {
  QWidget* widget = control(name);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    return combo->currentText();
  }
  // Line edits, labels and buttons all keep what they show in "text".
  const QVariant shown = widget->property("text");
  EXPECT_TRUE(shown.isValid()) << name << " shows no text";
  return shown.toString();
}

QString Form1Test::focusedName() const {
  QWidget* focused = QApplication::focusWidget();
  return focused != nullptr ? focused->objectName() : QString();
}

bool Form1Test::isDefault(const char* button) const {
  return control<QPushButton>(button)->isDefault();
}

bool Form1Test::expanded() const {
  return outerHeightTwips(*form_) == ExpandedHeight;
}

void Form1Test::type(const QString& keys) {
  QTest::keyClicks(QApplication::focusWidget(), keys);
}

void Form1Test::press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

void Form1Test::click(const char* name) {
  QWidget* target = control(name);
  if (auto* combo = qobject_cast<QComboBox*>(target)) {
    target = combo->lineEdit();
  }
  QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
}

void Form1Test::fillDimensions(const QString& length, const QString& width, const QString& depth) {
  EXPECT_EQ(focusedName(), "Text1");
  type(length);
  press(Qt::Key_Tab);
  type(width);
  press(Qt::Key_Tab);
  type(depth);
}

}  // namespace quarvel::testing
