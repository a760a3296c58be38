#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "tests/window/form1_snapshot.h"
#include "tests/window/support/form1_fixture.h"

namespace quarvel::testing {
namespace {

// Fields and the texts to put in them.
using Entries = std::vector<std::pair<const char*, const char*>>;

// Each case first shows a volume and a cost from good entries, then changes
// some entries so that the next click of `button` fails with `report`.
struct FailingClick {
  const char* name;
  Entries good;
  Entries bad;
  const char* button;
  const char* report;
};

void PrintTo(const FailingClick& failing, std::ostream* out) {
  *out << failing.name;
}

const Entries kTypicalPour = {{"Text1", "10"}, {"Text2", "10"}, {"Text3", "0.5"}, {"Combo1", "70"}};
const Entries kHugePour = {
    {"Text1", "1E150"}, {"Text2", "1E150"}, {"Text3", "27"}, {"Combo1", "1"}};
constexpr const char* kMismatch = "Error 13: Type mismatch";
constexpr const char* kOverflow = "Error 6: Overflow";

const FailingClick kFailingClicks[] = {
    {"LengthWithUnitName", kTypicalPour, {{"Text1", "7 ft"}}, "Command1", kMismatch},
    {"BlankWidth", kTypicalPour, {{"Text2", " "}}, "Command1", kMismatch},
    {"LettersInDepth", kTypicalPour, {{"Text3", "x"}}, "Command1", kMismatch},
    {"DepthBeyondRange", kTypicalPour, {{"Text3", "1E999"}}, "Command1", kOverflow},
    {"LengthJustBeyondRange", kTypicalPour, {{"Text1", "1E+309"}}, "Command1", kOverflow},
    {"LargestLengthOverflows", kTypicalPour, {{"Text1", "1E+308"}}, "Command1", kOverflow},
    {"AreaOverflows",
     kTypicalPour,
     {{"Text1", "1E200"}, {"Text2", "1E200"}},
     "Command1",
     kOverflow},
    {"VolumeOverflows",
     kTypicalPour,
     {{"Text1", "1E150"}, {"Text2", "1E150"}, {"Text3", "1E10"}},
     "Command1",
     kOverflow},
    {"LettersInPrice", kTypicalPour, {{"Combo1", "seventy"}}, "Command3", kMismatch},
    {"EmptyPrice", kTypicalPour, {{"Combo1", ""}}, "Command3", kMismatch},
    {"BlankPrice", kTypicalPour, {{"Combo1", " "}}, "Command3", kMismatch},
    {"PriceBeyondRange", kTypicalPour, {{"Combo1", "1E999"}}, "Command3", kOverflow},
    {"LargestPriceOverflows", kTypicalPour, {{"Combo1", "1E+308"}}, "Command3", kOverflow},
    {"CostOverflows", kHugePour, {{"Combo1", "1E10"}}, "Command3", kOverflow},
};

enum class Trigger { EnterInField, SpaceOnButton, ClickOnButton };
const char* const kTriggerNames[] = {"_EnterInField", "_SpaceOnButton", "_ClickOnButton"};

class Form1FailureState : public Form1Test,
                          public ::testing::WithParamInterface<std::tuple<FailingClick, Trigger>> {
 protected:
  void enter(const Entries& entries) {
    for (const auto& [field, text] : entries) {
      if (auto* combo = qobject_cast<QComboBox*>(control(field))) {
        combo->setEditText(QString::fromUtf8(text));
      } else {
        control<QLineEdit>(field)->setText(QString::fromUtf8(text));
      }
    }
  }

  // Shows a volume and a cost, so the labels have something to keep.
  void showResults(const FailingClick& failing) {
    enter(failing.good);
    click("Command1");
    click("Command2");  // the cost panel, with Command3 as the default button
    click("Command3");
    ASSERT_FALSE(text("Label1").isEmpty());
    ASSERT_FALSE(text("Label8").isEmpty());
    if (std::string(failing.button) == "Command1") {
      click("Command2");  // collapsed again: Command1 is the default once more
    }
  }
};

TEST_P(Form1FailureState, ResultsShown_FailingClick_ReportsAndLeavesEveryControlAsItWas) {
  const auto& [failing, trigger] = GetParam();
  ASSERT_NO_FATAL_FAILURE(showResults(failing));
  enter(failing.bad);
  // The focus goes where the trigger needs it before anything is recorded.
  const bool onButton = trigger != Trigger::EnterInField;
  control(onButton                                    ? failing.button
          : std::string(failing.button) == "Command1" ? "Text1"
                                                      : "Combo1")
      ->setFocus();
  QApplication::processEvents();
  const size_t boxesBefore = messageBoxes_.boxes().size();
  const Form1Snapshot before = Form1Snapshot::of(*form_);

  if (trigger == Trigger::ClickOnButton) {
    QTest::mouseClick(control(failing.button), Qt::LeftButton);
  } else {
    press(onButton ? Qt::Key_Space : Qt::Key_Return);
  }
  QApplication::processEvents();

  EXPECT_EQ(Form1Snapshot::of(*form_), before);
  ASSERT_EQ(messageBoxes_.boxes().size(), boxesBefore + 1);
  const MessageBoxRequest& box = messageBoxes_.boxes().back();
  EXPECT_EQ(box.title, "quarvel");
  EXPECT_EQ(box.text, failing.report);
  EXPECT_EQ(box.buttons, QMessageBox::Ok);
  EXPECT_TRUE(form_->isVisible());
}

INSTANTIATE_TEST_SUITE_P(EveryFailure, Form1FailureState,
                         ::testing::Combine(::testing::ValuesIn(kFailingClicks),
                                            ::testing::Values(Trigger::EnterInField,
                                                              Trigger::SpaceOnButton,
                                                              Trigger::ClickOnButton)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  kTriggerNames[static_cast<int>(std::get<1>(info.param))];
                         });

}  // namespace
}  // namespace quarvel::testing
