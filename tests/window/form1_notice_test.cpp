#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "estimate/failure.h"
#include "tests/window/support/form1_fixture.h"
#include "tests/window/warranty_text.h"

namespace quarvel::testing {
namespace {

using Notice = Form1Test;

TEST_F(Notice, Click_OpensTheWarrantyBoxAndChangesNothing) {
  fillDimensions("10", "10", "0.5");
  press(Qt::Key_Return);
  click("Command2");

  click("Label10");
  click("Label10");

  ASSERT_EQ(messageBoxes_.boxes().size(), 2u);
  const MessageBoxRequest& box = messageBoxes_.boxes().front();
  EXPECT_EQ(box.title, "quarvel");
  EXPECT_EQ(box.text, kWarranty);
  EXPECT_EQ(box.icon, QMessageBox::NoIcon);
  EXPECT_EQ(box.buttons, QMessageBox::Ok);
  EXPECT_EQ(box.defaultButton, QMessageBox::Ok);
  EXPECT_EQ(text("Label1"), "1.85");
  EXPECT_EQ(text("Text3"), "0.5");
  EXPECT_TRUE(expanded());
  EXPECT_EQ(focusedName(), "Command2");
}

TEST_F(Notice, Pointer_IsTheNoteSheetImage) {
  const QCursor pointer = control("Label10")->cursor();
  EXPECT_EQ(pointer.shape(), Qt::BitmapCursor);
  EXPECT_EQ(pointer.pixmap().deviceIndependentSize(), QSizeF(32, 32));
  EXPECT_EQ(pointer.hotSpot(), QPoint(0, 0));
}

TEST(MessageBoxSeam, RealBox_HasTitleTextOneDefaultOkAndNoIcon) {
  const auto box = buildMessageBox(nullptr, {.title = "quarvel", .text = kWarranty});
  EXPECT_EQ(box->windowTitle(), "quarvel");
  EXPECT_EQ(box->text(), kWarranty);
  EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
  ASSERT_EQ(box->buttons().size(), 1);
  EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Ok));
  EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
}

TEST_F(Form1Test, EscapeInFieldAndOnButton_KeepsTheWindowOpen) {
  for (const char* focused : {"Text1", "Command2"}) {
    control(focused)->setFocus();
    press(Qt::Key_Escape);
    ASSERT_TRUE(form_->isVisible()) << focused;
  }
  EXPECT_FALSE(expanded());
}

TEST_F(Form1Test, Close_EndsTheProgramsEventLoopWithStatusZero) {
  QTimer::singleShot(0, form_.get(), [this] { form_->close(); });
  QTimer stillRunning;  // ends a loop that closing failed to end
  stillRunning.callOnTimeout([] { QApplication::exit(2); });
  stillRunning.start(10000);
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(form_->isVisible());
}

TEST_F(Form1Test, ScreenReaders_HearResultsWithWhatTheyHoldAndFieldsByCaption) {
  fillDimensions("10", "10", "0.5");
  press(Qt::Key_Return);
  const char* const readOut[][3] = {{"Label1", "1.85", "Total cubic yards"},
                                    {"Label8", "", "Total cost"},
                                    {"Text1", "Length in Feet", ""}};
  for (const auto& [name, heard, description] : readOut) {
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(control(name));
    EXPECT_EQ(reader->text(QAccessible::Name), heard) << name;
    EXPECT_EQ(reader->text(QAccessible::Description), description) << name;
  }
  // A combo box reads out its value; its caption comes from the label relation.
  const auto labels =
      QAccessible::queryAccessibleInterface(control("Combo1"))->relations(QAccessible::Label);
  ASSERT_EQ(labels.size(), 1);
  EXPECT_EQ(labels.front().first->text(QAccessible::Name), "Current Cost /YD");
}

TEST_F(Form1Test, DoRound_OffersTheCoreOperationUnchanged) {
  const struct {
    const char* mode;
    double value, step, result, valueAfter;
  } cases[] = {
      {"DN", 12, 5, 10, 12}, {"UP", 12, -5, 10, 12}, {"NE", 12, 5, 10, 14.5}, {"dn", 12, 5, 0, 12}};
  for (const auto& c : cases) {
    double value = c.value;
    EXPECT_EQ(form_->doRound(value, c.step, c.mode), c.result) << c.mode;
    EXPECT_EQ(value, c.valueAfter) << c.mode;
  }
  double value = 12;
  EXPECT_THROW(form_->doRound(value, 0.5, "UP"), estimate::Failure);
}

}  // namespace
}  // namespace quarvel::testing
