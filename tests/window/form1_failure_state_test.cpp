#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "tests/window/form1_snapshot.h"
#include "tests/window/support/form1_fixture.h"

namespace quarvel::testing {
namespace {

// A field and the text to put in it.
struct Entry {
  const char* field;
  const char* text;
};

// Each case first shows a volume and a cost from good entries, then changes
// some entries so that the next click of `button` fails.
struct FailingClick {
  const char* name;
  std::vector<Entry> good;
  std::vector<Entry> bad;
  const char* button;
  int number;
  const char* description;
};

const std::vector<Entry> kTypicalPour = {
    {"Text1", "10"}, {"Text2", "10"}, {"Text3", "0.5"}, {"Combo1", "70"}};
const std::vector<Entry> kHugePour = {
    {"Text1", "1E150"}, {"Text2", "1E150"}, {"Text3", "27"}, {"Combo1", "1"}};

const FailingClick kFailingClicks[] = {
    {"LengthWithUnitName", kTypicalPour, {{"Text1", "7 ft"}}, "Command1", 13, "Type mismatch"},
    {"BlankWidth", kTypicalPour, {{"Text2", " "}}, "Command1", 13, "Type mismatch"},
    {"LettersInDepth", kTypicalPour, {{"Text3", "x"}}, "Command1", 13, "Type mismatch"},
    {"DepthBeyondRange", kTypicalPour, {{"Text3", "1E999"}}, "Command1", 6, "Overflow"},
    {"AreaOverflows",
     kTypicalPour,
     {{"Text1", "1E200"}, {"Text2", "1E200"}},
     "Command1",
     6,
     "Overflow"},
    {"VolumeOverflows",
     kTypicalPour,
     {{"Text1", "1E150"}, {"Text2", "1E150"}, {"Text3", "1E10"}},
     "Command1",
     6,
     "Overflow"},
    {"LettersInPrice", kTypicalPour, {{"Combo1", "x"}}, "Command3", 13, "Type mismatch"},
    {"EmptyPrice", kTypicalPour, {{"Combo1", ""}}, "Command3", 13, "Type mismatch"},
    {"BlankPrice", kTypicalPour, {{"Combo1", " "}}, "Command3", 13, "Type mismatch"},
    {"PriceBeyondRange", kTypicalPour, {{"Combo1", "1E999"}}, "Command3", 6, "Overflow"},
    {"CostOverflows", kHugePour, {{"Combo1", "1E10"}}, "Command3", 6, "Overflow"},
};

enum class Trigger { EnterInField, SpaceOnButton };

class Form1FailureState : public Form1Test,
                          public ::testing::WithParamInterface<std::tuple<FailingClick, Trigger>> {
 protected:
  void enter(const std::vector<Entry>& entries) {
    for (const Entry& entry : entries) {
      const QString text = QString::fromUtf8(entry.text);
      if (std::string(entry.field) == "Combo1") {
        control<QComboBox>("Combo1")->setEditText(text);
      } else {
        control<QLineEdit>(entry.field)->setText(text);
      }
    }
  }

  // Shows a volume and a cost, so the labels have something to keep.
  void showResults(const std::vector<Entry>& good) {
    enter(good);
    click("Command1");
    click("Command2");  // the cost panel, with Command3 as the default button
    click("Command3");
    ASSERT_FALSE(control<QLabel>("Label1")->text().isEmpty());
    ASSERT_FALSE(control<QLabel>("Label8")->text().isEmpty());
    if (std::string(std::get<0>(GetParam()).button) == "Command1") {
      click("Command2");  // collapsed again: Command1 is the default once more
    }
  }

  // Puts the focus where the trigger needs it before anything is recorded.
  void prepare(const FailingClick& failing, Trigger trigger) {
    if (trigger == Trigger::SpaceOnButton) {
      control<QPushButton>(failing.button)->setFocus();
    } else {
      QWidget* field = std::string(failing.button) == "Command1"
                           ? static_cast<QWidget*>(control<QLineEdit>("Text1"))
                           : control<QComboBox>("Combo1");
      field->setFocus();
    }
    QApplication::processEvents();
  }

  static void pull(Trigger trigger) {
    QTest::keyClick(QApplication::focusWidget(),
                    trigger == Trigger::SpaceOnButton ? Qt::Key_Space : Qt::Key_Return);
    QApplication::processEvents();
  }
};

TEST_P(Form1FailureState, ResultsShown_FailingClick_ReportsAndLeavesEveryControlAsItWas) {
  const auto& [failing, trigger] = GetParam();
  ASSERT_NO_FATAL_FAILURE(showResults(failing.good));
  enter(failing.bad);
  prepare(failing, trigger);
  const size_t boxesBefore = messageBoxes_.boxes().size();
  const Form1Snapshot before = Form1Snapshot::of(*form_);

  pull(trigger);

  EXPECT_EQ(Form1Snapshot::of(*form_), before);
  ASSERT_EQ(messageBoxes_.boxes().size(), boxesBefore + 1);
  const MessageBoxRequest& box = messageBoxes_.boxes().back();
  EXPECT_EQ(box.title, QStringLiteral("quarvel"));
  EXPECT_TRUE(box.text.contains(QString::number(failing.number))) << box.text.toStdString();
  EXPECT_TRUE(box.text.contains(QLatin1String(failing.description))) << box.text.toStdString();
  EXPECT_TRUE(form_->isVisible());
}

INSTANTIATE_TEST_SUITE_P(EveryFailure, Form1FailureState,
                         ::testing::Combine(::testing::ValuesIn(kFailingClicks),
                                            ::testing::Values(Trigger::EnterInField,
                                                              Trigger::SpaceOnButton)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) == Trigger::EnterInField
                                       ? "_EnterInField"
                                       : "_SpaceOnButton");
                         });

}  // namespace
}  // namespace quarvel::testing
