#include "tests/window/random_user.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <numeric>

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
const std::array<const char*, 4> kFields = {"Text1", "Text2", "Text3", "Combo1"};
const std::array<const char*, 19> kControls = {
    "Text1",    "Text2",    "Text3",  "Combo1", "Option1", "Option2", "Command1",
    "Command2", "Command3", "Label1", "Label2", "Label3",  "Label4",  "Label5",
    "Label6",   "Label7",   "Label8", "Label9", "Label10"};

// The user acts where the keyboard focus is.
QWidget* keyTarget(QWidget& window) {
  QWidget* focus = QApplication::focusWidget();
  return focus != nullptr ? focus : &window;
}

// One key event per character as a keyboard sends them; a character beyond
// the BMP arrives as one event carrying its surrogate pair.
void typeInto(QWidget* target, const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i].unicode() < 0x80) {
      QTest::keyClick(target, static_cast<char>(text[i].unicode()));
      continue;
    }
    const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, text.mid(i, length), Qt::NoModifier);
    i += length - 1;
  }
}

}  // namespace

RandomUser::RandomUser(QWidget& window, unsigned long long seed) : window_(window), random_(seed) {
  for (const char* field : kFields) {
    typed_[field] = editOf(field)->text();
  }
}

void RandomUser::act() {
  using Action = std::function<void(RandomUser&)>;
  static const std::array<std::pair<int, Action>, 15> kActions = {{
      {30, &RandomUser::typeText},
      {25, &RandomUser::typeNumber},
      {5, &RandomUser::clearField},
      {10, [](RandomUser& u) { u.key("Tab", Qt::Key_Tab); }},
      {6, [](RandomUser& u) { u.key("Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier); }},
      {10, [](RandomUser& u) { u.key("Enter", Qt::Key_Return); }},
      {2, [](RandomUser& u) { u.key("keypad Enter", Qt::Key_Enter, Qt::KeypadModifier); }},
      {3, [](RandomUser& u) { u.key("Esc", Qt::Key_Escape); }},
      {2, [](RandomUser& u) { u.accessKey("Alt+F", Qt::Key_F); }},
      {2, [](RandomUser& u) { u.accessKey("Alt+I", Qt::Key_I); }},
      {15, &RandomUser::clickControl},
      {6, &RandomUser::clickField},
      {5, &RandomUser::toggleCost},
      {2, &RandomUser::clickNotice},
      {3, &RandomUser::pickPrice},
  }};
  ++actions_;
  clickedNotice_ = false;
  static const int kTotalWeight = std::accumulate(
      kActions.begin(), kActions.end(), 0, [](int sum, const auto& a) { return sum + a.first; });
  int roll = below(kTotalWeight);
  for (const auto& [weight, action] : kActions) {
    if ((roll -= weight) < 0) {
      return action(*this);
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

QWidget* RandomUser::control(const std::string& name) const {
  return window_.findChild<QWidget*>(QString::fromStdString(name));
}

QWidget* RandomUser::target(const std::string& name) const {
  return name == "Combo1" ? editOf(name) : control(name);
}

QLineEdit* RandomUser::editOf(const std::string& field) const {
  QWidget* widget = control(field);
  auto* combo = qobject_cast<QComboBox*>(widget);
  return combo != nullptr ? combo->lineEdit() : qobject_cast<QLineEdit*>(widget);
}

std::optional<std::string> RandomUser::focusedField() const {
  const QWidget* focus = QApplication::focusWidget();
  for (const char* name : kFields) {
    if (focus != nullptr && (focus == control(name) || focus->parentWidget() == control(name))) {
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
    const bool selected = edit->hasSelectedText();
    typed_[*field] =
        edit->text().replace(selected ? edit->selectionStart() : edit->cursorPosition(),
                             selected ? edit->selectedText().size() : 0, text);
  }
  typeInto(keyTarget(window_), text);
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
  typeInto(keyTarget(window_), text);
}

void RandomUser::clearField() {
  const std::optional<std::string> field = focusedField();
  note("Ctrl+A, Backspace in " + field.value_or("a non-field"));
  if (field) {
    typed_[*field].clear();
  }
  QTest::keyClick(keyTarget(window_), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(keyTarget(window_), Qt::Key_Backspace);
}

void RandomUser::key(const char* name, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  note(std::string(name) + " on " + keyTarget(window_)->objectName().toStdString());
  QTest::keyClick(keyTarget(window_), key, modifiers);
}

// An access key clicks its button the toolkit's way, held down for a moment
// and clicked by a timer; the click lands before the user's next action.
void RandomUser::accessKey(const char* name, Qt::Key letter) {
  key(name, letter, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([this] {
    return !qobject_cast<QRadioButton*>(control("Option1"))->isDown() &&
           !qobject_cast<QRadioButton*>(control("Option2"))->isDown();
  }));
}

// A click anywhere on a control the user can see; the cost panel's controls
// only while it is shown.
void RandomUser::clickControl() {
  const std::string name = kControls[below(static_cast<int>(kControls.size()))];
  QWidget* widget = target(name);
  if (!window_.rect().contains(widget->mapTo(&window_, widget->rect().center()))) {
    return toggleCost();
  }
  const QPoint at(below(widget->width()), below(widget->height()));
  note("click " + name + " at " + std::to_string(at.x()) + "," + std::to_string(at.y()));
  clickedNotice_ = name == "Label10";
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
}

// A click in the middle of an entry field, the way a user starts typing.
void RandomUser::clickField() {
  const std::string name = kFields[below(showsCostPanel() ? 4 : 3)];
  note("click " + name);
  QTest::mouseClick(target(name), Qt::LeftButton, Qt::NoModifier, target(name)->rect().center());
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
  auto* combo = qobject_cast<QComboBox*>(control("Combo1"));
  QStyleOptionComboBox option;
  option.initFrom(combo);
  option.editable = true;
  option.subControls = QStyle::SC_All;
  const QRect arrow =
      combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo);
  const int index = below(combo->count());
  const QString price = combo->itemText(index);
  note("pick " + price.toStdString() + " from the price list");
  QTest::mouseClick(combo, Qt::LeftButton, Qt::NoModifier, arrow.center());
  QAbstractItemView* list = combo->view();
  ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }));
  QTest::keyClick(list, Qt::Key_Home);
  for (int i = 0; i < index; ++i) {
    QTest::keyClick(list, Qt::Key_Down);
  }
  QTest::keyClick(list, Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !list->isVisible(); }));
  typed_["Combo1"] = price;
  // A window manager gives the window back its activation when the list
  // closes; the offscreen platform leaves that to the caller.
  window_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
}

}  // namespace quarvel::testing
