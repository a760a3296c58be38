#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "tests/window/support/form1_fixture.h"

namespace quarvel::testing {
namespace {

class UnitSelection : public Form1Test, public ::testing::WithParamInterface<bool> {
 protected:
  // By mouse or by access key (which clicks after a short press animation).
  void choose(const char* option, Qt::Key accessKey) {
    if (GetParam()) {
      click(option);
    } else {
      press(accessKey, Qt::AltModifier);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return control<QRadioButton>(option)->isChecked(); }));
  }
  void expectCaptions(const char* length, const char* width, const char* depth) {
    EXPECT_EQ(text("Label3"), length);
    EXPECT_EQ(text("Label4"), width);
    EXPECT_EQ(text("Label5"), depth);
    EXPECT_EQ(control("Text1")->accessibleName(), length);
    EXPECT_EQ(control("Text3")->accessibleName(), depth);
  }
};

TEST_P(UnitSelection, ChooseInchesThenFeet_RelabelsWithoutTouchingTextsOrVolume) {
  fillDimensions("10", "10", "0.5");
  press(Qt::Key_Return);

  choose("Option2", Qt::Key_I);
  expectCaptions("Length in Inches", "Width in Inches", "Depth in Inches");
  EXPECT_FALSE(control<QRadioButton>("Option1")->isChecked());
  EXPECT_EQ(text("Label1"), "1.85");
  EXPECT_EQ(text("Text3"), "0.5");

  choose("Option1", Qt::Key_F);
  expectCaptions("Length in Feet", "Width in Feet", "Depth in Feet");
  EXPECT_EQ(text("Label1"), "1.85");
}

INSTANTIATE_TEST_SUITE_P(ByMouseAndByAccessKey, UnitSelection, ::testing::Bool());

TEST_F(Form1Test, InchesChosenAndFocused_Enter_ClicksTheDefaultForTheInchVolume) {
  fillDimensions("10", "10", "0.5");
  click("Option2");
  ASSERT_EQ(focusedName(), "Option2");
  press(Qt::Key_Return);
  EXPECT_EQ(text("Label1"), "0");  // 50 cubic inches
}

struct FocusCase {
  const char* label;
  bool expand;
  const char* from;  // focused before
  Qt::Key key;       // Tab or Backtab; none means a click into `to`
  const char* to;
};

class SelectOnFocus : public Form1Test, public ::testing::WithParamInterface<FocusCase> {};

QLineEdit* editOf(QWidget* field) {
  auto* combo = qobject_cast<QComboBox*>(field);
  return combo != nullptr ? combo->lineEdit() : qobject_cast<QLineEdit*>(field);
}

TEST_P(SelectOnFocus, FieldGainsFocus_SelectsAllSoTypingReplacesIt) {
  const FocusCase& focus = GetParam();
  if (focus.expand) {
    click("Command2");
  }
  for (const char* field : {"Text1", "Text2", "Text3"}) {
    editOf(control(field))->setText("12.5");
  }
  control(focus.from)->setFocus(Qt::OtherFocusReason);
  if (focus.key != Qt::Key_unknown) {
    press(focus.key);
  } else {
    click(focus.to);
  }
  ASSERT_EQ(focusedName(), focus.to);
  QLineEdit* edit = editOf(control(focus.to));
  EXPECT_EQ(edit->selectionStart(), 0);
  EXPECT_EQ(edit->selectedText(), edit->text());

  type("3");
  EXPECT_EQ(edit->text(), "3");
}

INSTANTIATE_TEST_SUITE_P(
    Form1, SelectOnFocus,
    ::testing::Values(FocusCase{"TabIntoText2", false, "Text1", Qt::Key_Tab, "Text2"},
                      FocusCase{"BacktabIntoText2", false, "Text3", Qt::Key_Backtab, "Text2"},
                      FocusCase{"ClickIntoText3", false, "Text1", Qt::Key_unknown, "Text3"},
                      FocusCase{"TabIntoHiddenCombo1", false, "Command2", Qt::Key_Tab, "Combo1"},
                      FocusCase{"ClickIntoCombo1", true, "Text1", Qt::Key_unknown, "Combo1"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(Form1Test, FieldAlreadyFocused_SecondClickPlacesTheCaret) {
  click("Text2");
  type("12.5");
  click("Text1");
  click("Text2");
  ASSERT_TRUE(control<QLineEdit>("Text2")->hasSelectedText());
  click("Text2");
  EXPECT_FALSE(control<QLineEdit>("Text2")->hasSelectedText());
}

}  // namespace
}  // namespace quarvel::testing
