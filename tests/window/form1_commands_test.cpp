#include <QComboBox>
#include <QLineEdit>

#include "tests/window/support/form1_fixture.h"

namespace quarvel::testing {
namespace {

using Commands = Form1Test;

constexpr const char* kFields[] = {"Text1", "Text2", "Text3"};

TEST_F(Commands, Collapsed_TypicalRequestByKeyboard_ShowsVolumeThenCost) {
  fillDimensions("10", "10", "0.5");
  press(Qt::Key_Return);
  EXPECT_EQ(text("Label1"), "1.85");

  press(Qt::Key_Tab);  // Command1
  press(Qt::Key_Tab);  // Command2: Enter clicks the focused button, not the default
  press(Qt::Key_Return);
  EXPECT_EQ(form_->height(), 318);
  EXPECT_TRUE(isDefault("Command3"));

  press(Qt::Key_Tab);
  ASSERT_EQ(focusedName(), "Combo1");
  press(Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(text("Label8"), "129.5");
  EXPECT_EQ(text("Label1"), "1.85");

  control("Command2")->setFocus();  // "Cost" a second time
  press(Qt::Key_Space);
  EXPECT_EQ(form_->height(), 206);
  EXPECT_TRUE(isDefault("Command1"));
  EXPECT_FALSE(isDefault("Command3"));
}

TEST_F(Commands, Collapsed_TypicalRequestByMouse_ShowsVolumeThenCost) {
  for (auto [field, value] : {std::pair{"Text1", "10"}, {"Text2", "10"}, {"Text3", "0.5"}}) {
    click(field);
    type(value);
  }
  click("Command1");
  EXPECT_EQ(text("Label1"), "1.85");
  click("Command2");
  click("Command3");
  EXPECT_EQ(text("Label8"), "129.5");
}

TEST_F(Commands, Expanded_EnterInDimensionField_ComputesCostFromShownVolume) {
  fillDimensions("10", "10", "0.5");
  press(Qt::Key_Return);
  click("Command2");
  click("Text3");
  type("1");  // the volume on screen is still 1.85
  press(Qt::Key_Return);
  EXPECT_EQ(text("Label8"), "129.5");
  EXPECT_EQ(text("Label1"), "1.85");
}

TEST_F(Commands, Expanded_EnterOnFocusedCommand1_ComputesVolume) {
  click("Command2");
  click("Text1");
  fillDimensions("10", "10", "0.5");
  press(Qt::Key_Tab);
  ASSERT_EQ(focusedName(), "Command1");
  press(Qt::Key_Return);
  EXPECT_EQ(text("Label1"), "1.85");
  EXPECT_EQ(text("Label8"), "");
  EXPECT_TRUE(isDefault("Command3"));
}

TEST_F(Commands, FocusOnOtherButton_KeepsTheDefaultWhereTheToggleLeftIt) {
  press(Qt::Key_Backtab);  // Option1
  for (const char* focused : {"Text1", "Text2", "Text3", "Command1", "Command2"}) {
    press(Qt::Key_Tab);
    ASSERT_EQ(focusedName(), focused);
    EXPECT_TRUE(isDefault("Command1")) << focused;
    EXPECT_FALSE(isDefault("Command2")) << focused;
  }
}

TEST_F(Commands, TypedPriceAndEnter_IsUsedAsTypedAndNeverAddedToTheList) {
  const struct {
    const char* typed;
    const char* cost;
  } cases[] = {{"65.5", "121.175"}, {"7", "12.95"}, {"1,000", "1850"}};
  fillDimensions("10", "10", "0.5");
  press(Qt::Key_Return);
  click("Command2");
  for (const auto& [typed, cost] : cases) {
    click("Text1");
    click("Combo1");
    type(typed);
    press(Qt::Key_Return);
    EXPECT_EQ(text("Combo1"), typed);
    EXPECT_EQ(text("Label8"), cost) << typed;
    EXPECT_EQ(control<QComboBox>("Combo1")->count(), 25);
  }
}

TEST_F(Commands, AnyDimensionEmpty_EnterChangesNothing) {
  const char* const filled[][3] = {{"", "10", "0.5"}, {"10", "", "0.5"}, {"10", "10", ""}};
  fillDimensions("10", "10", "0.5");
  press(Qt::Key_Return);
  for (const auto& dimensions : filled) {
    for (int i = 0; i < 3; ++i) {
      control<QLineEdit>(kFields[i])->setText(dimensions[i]);
    }
    press(Qt::Key_Return);
    EXPECT_EQ(text("Label1"), "1.85");
  }
  EXPECT_TRUE(messageBoxes_.boxes().empty());
}

TEST_F(Commands, NoVolumeShown_CostChangesNothingEvenForAPriceOfLetters) {
  click("Command2");
  click("Combo1");
  type("abc");
  click("Command3");
  EXPECT_EQ(text("Label8"), "");
  EXPECT_TRUE(messageBoxes_.boxes().empty());
}

}  // namespace
}  // namespace quarvel::testing
