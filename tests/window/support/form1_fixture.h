#pragma once

#include <gtest/gtest.h>

#include <memory>

#include <QString>
#include <QWidget>

#include "tests/window/support/message_box_recorder.h"
#include "tests/window/support/modal_guard.h"
#include "tests/window/support/qt_printers.h"
#include "window/form1.h"

namespace quarvel::testing {

// A shown, active Form1 per test, driven like a user would: keys go to the
// focused control, clicks to the centre of a control. Message boxes are
// recorded, unexpected modal windows fail the test, and no window outlives it.
class Form1Test : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  template <class Control = QWidget>
  Control* control(const char* name) const {
    auto* found = form_->findChild<Control*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  // The text a control shows: field, label, button or the price's edit field.
  QString text(const char* name) const;
  QString focusedName() const;
  bool isDefault(const char* button) const;
  bool expanded() const;

  void type(const QString& keys);
  void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void click(const char* name);
  // Types each text into the focused field and tabs on, from Text1.
  void fillDimensions(const QString& length, const QString& width, const QString& depth);

  MessageBoxRecorder messageBoxes_;
  ModalGuard modalGuard_;
  std::unique_ptr<Form1> form_;
};

}  // namespace quarvel::testing
