#include "tests/window/random_user.h"

#include <gtest/gtest.h>

#include <array>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QWidget>

namespace quarvel::testing {
namespace {

constexpr int kExpandedClientHeight = 318;
constexpr size_t kRecentActions = 8;

const std::array<const char*, 25> kPrices = {"50", "52", "54", "56", "58", "60", "62", "64", "68",
                                             "70", "72", "74", "76", "78", "80", "82", "84", "86",
                                             "88", "90", "92", "94", "96", "98", "100"};

const std::array<const char*, 19> kControls = {
    "Text1",    "Text2",    "Text3",  "Combo1", "Option1", "Option2", "Command1",
    "Command2", "Command3", "Label1", "Label2", "Label3",  "Label4",  "Label5",
    "Label6",   "Label7",   "Label8", "Label9", "Label10"};

struct WeightedAction {
  int weight;
  void (RandomUser::*action)();
};

// Keys, one key event per character as a keyboard sends them; a character
// beyond the BMP arrives as one event carrying its surrogate pair.
void typeInto(QWidget* target, const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.unicode() < 0x80) {
      QTest::keyClick(target, static_cast<char>(c.unicode()));
      continue;
    }
    const qsizetype length = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, text.mid(i, length), Qt::NoModifier);
    i += length - 1;
  }
}

}  // namespace

RandomUser::RandomUser(QWidget& window, unsigned long long seed) : window_(window), random_(seed) {
  for (const char* field : {"Text1", "Text2", "Text3", "Combo1"}) {
    typed_[field] = editOf(field)->text();
  }
}

void RandomUser::act() {
  static const std::array<WeightedAction, 15> kActions = {{
      {30, &RandomUser::typeText},
      {25, &RandomUser::typeNumber},
      {5, &RandomUser::clearField},
      {10, &RandomUser::tab},
      {6, &RandomUser::backTab},
      {10, &RandomUser::enter},
      {2, &RandomUser::keypadEnter},
      {3, &RandomUser::escape},
      {2, &RandomUser::altF},
      {2, &RandomUser::altI},
      {15, &RandomUser::clickControl},
      {6, &RandomUser::clickField},
      {5, &RandomUser::toggleCost},
      {2, &RandomUser::clickNotice},
      {3, &RandomUser::pickPrice},
  }};
  static const int kTotalWeight = [] {
    int total = 0;
    for (const WeightedAction& candidate : kActions) {
      total += candidate.weight;
    }
    return total;
  }();

  ++actions_;
  clickedNotice_ = false;
  int roll = below(kTotalWeight);
  for (const WeightedAction& candidate : kActions) {
    if ((roll -= candidate.weight) < 0) {
      (this->*candidate.action)();
      return;
    }
  }
}

std::string RandomUser::recentActions() const {
  std::string text;
  for (const std::string& line : recent_) {
    text += "\n  " + line;
  }
  return text;
}

template <class Control>
Control* RandomUser::control(const std::string& name) const {
  return window_.findChild<Control*>(QString::fromStdString(name));
}

QLineEdit* RandomUser::editOf(const std::string& field) const {
  return field == "Combo1" ? control<QComboBox>(field)->lineEdit() : control<QLineEdit>(field);
}

// The user acts where the keyboard focus is.
QWidget* RandomUser::keyTarget() const {
  QWidget* focus = QApplication::focusWidget();
  return focus != nullptr ? focus : &window_;
}

std::optional<std::string> RandomUser::focusedField() const {
  const QWidget* focus = QApplication::focusWidget();
  for (const auto& [name, text] : typed_) {
    const QWidget* field = control(name);
    if (focus != nullptr && (focus == field || focus->parentWidget() == field)) {
      return name;
    }
  }
  return std::nullopt;
}

bool RandomUser::showsCostPanel() const {
  return window_.height() == kExpandedClientHeight;
}

void RandomUser::note(std::string action) {
  recent_.push_back(std::to_string(actions_) + ": " + std::move(action));
  if (recent_.size() > kRecentActions) {
    recent_.pop_front();
  }
}

void RandomUser::typeText() {
  const QString text = typing_.next();
  const std::optional<std::string> field = focusedField();
  note("type \"" + text.toStdString() + "\" into " + field.value_or("a non-field"));
  if (field) {
    ++textsTypedInFields_;
    // Typing replaces the selection, or goes in at the caret.
    const QLineEdit* edit = editOf(*field);
    const QString before = edit->text();
    const qsizetype start =
        edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const qsizetype replaced = edit->hasSelectedText() ? edit->selectedText().size() : 0;
    typed_[*field] = before.left(start) + text + before.mid(start + replaced);
  }
  typeInto(keyTarget(), text);
}

// What users mostly do: click into a field, select all, type a number.
void RandomUser::typeNumber() {
  clickField();
  clearField();
  const QString text = typing_.number();
  note("type \"" + text.toStdString() + "\"");
  if (const std::optional<std::string> field = focusedField()) {
    ++textsTypedInFields_;
    typed_[*field] = text;
  }
  typeInto(keyTarget(), text);
}

void RandomUser::clearField() {
  const std::optional<std::string> field = focusedField();
  note("Ctrl+A, Backspace in " + field.value_or("a non-field"));
  if (field) {
    typed_[*field].clear();
  }
  QTest::keyClick(keyTarget(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(keyTarget(), Qt::Key_Backspace);
}

void RandomUser::key(const char* name, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  note(std::string(name) + " on " + keyTarget()->objectName().toStdString());
  QTest::keyClick(keyTarget(), key, modifiers);
}

void RandomUser::tab() {
  key("Tab", Qt::Key_Tab);
}
void RandomUser::backTab() {
  key("Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier);
}
void RandomUser::enter() {
  key("Enter", Qt::Key_Return);
}
void RandomUser::keypadEnter() {
  key("keypad Enter", Qt::Key_Enter, Qt::KeypadModifier);
}
void RandomUser::escape() {
  key("Esc", Qt::Key_Escape);
}

// An access key clicks its button the toolkit's way, held down for a moment
// and clicked by a timer; the click lands before the user's next action.
void RandomUser::accessKey(const char* name, Qt::Key letter) {
  key(name, letter, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([this] {
    return !control<QRadioButton>("Option1")->isDown() &&
           !control<QRadioButton>("Option2")->isDown();
  }));
}

void RandomUser::altF() {
  accessKey("Alt+F", Qt::Key_F);
}
void RandomUser::altI() {
  accessKey("Alt+I", Qt::Key_I);
}

// A click anywhere on a control the user can see; the cost panel's controls
// only while it is shown.
void RandomUser::clickControl() {
  const std::string name = kControls[below(static_cast<int>(kControls.size()))];
  QWidget* target = name == "Combo1" ? editOf(name) : control(name);
  const QPoint centre = target->mapTo(&window_, target->rect().center());
  if (!window_.rect().contains(centre)) {
    return toggleCost();
  }
  const QPoint at(below(target->width()), below(target->height()));
  note("click " + name + " at " + std::to_string(at.x()) + "," + std::to_string(at.y()));
  clickedNotice_ = name == "Label10";
  QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
}

// A click in the middle of an entry field, the way a user starts typing.
void RandomUser::clickField() {
  const std::array<const char*, 4> fields = {"Text1", "Text2", "Text3", "Combo1"};
  const std::string name = fields[below(showsCostPanel() ? 4 : 3)];
  note("click " + name);
  QWidget* target = name == "Combo1" ? editOf(name) : control(name);
  QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
}

void RandomUser::toggleCost() {
  note("click Command2");
  QTest::mouseClick(control("Command2"), Qt::LeftButton);
}

void RandomUser::clickNotice() {
  if (!showsCostPanel()) {
    return toggleCost();
  }
  note("click Label10");
  clickedNotice_ = true;
  QTest::mouseClick(control("Label10"), Qt::LeftButton);
}

// Opens the price list with its arrow and picks a price with the keys (a
// click in the list right after it opened would count as the end of the
// click that opened it, and be ignored).
void RandomUser::pickPrice() {
  if (!showsCostPanel()) {
    return toggleCost();
  }
  auto* combo = control<QComboBox>("Combo1");
  QStyleOptionComboBox option;
  option.initFrom(combo);
  option.editable = true;
  option.subControls = QStyle::SC_All;
  const QRect arrow =
      combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo);
  const int index = below(static_cast<int>(kPrices.size()));
  note(std::string("pick ") + kPrices[index] + " from the price list");
  QTest::mouseClick(combo, Qt::LeftButton, Qt::NoModifier, arrow.center());
  QAbstractItemView* list = combo->view();
  ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }));
  QTest::keyClick(list, Qt::Key_Home);
  for (int i = 0; i < index; ++i) {
    QTest::keyClick(list, Qt::Key_Down);
  }
  QTest::keyClick(list, Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !list->isVisible(); }));
  typed_["Combo1"] = QString::fromLatin1(kPrices[index]);
  // A window manager gives the window back its activation when the list
  // closes; the offscreen platform leaves that to the caller.
  window_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
}

}  // namespace quarvel::testing
