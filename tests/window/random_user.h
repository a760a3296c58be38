#pragma once

#include <deque>
#include <map>
#include <optional>
#include <random>
#include <string>

#include <QtCore/qnamespace.h>
#include <QString>

#include "tests/window/random_typing.h"

class QLineEdit;
class QWidget;

namespace quarvel::testing {

// Works a shown Form1 the way a careless user would, one random action at a
// time, by keys and clicks only: typing anything, clearing fields, Tab and
// Shift+Tab, Enter, Esc, access keys, clicks on whatever can be seen, "Cost",
// the notice, prices picked from the list. Remembers what each entry field
// must hold after what it typed there.
class RandomUser {
 public:
  RandomUser(QWidget& window, unsigned long long seed);

  void act();

  const std::map<std::string, QString>& typed() const { return typed_; }
  bool clickedNotice() const { return clickedNotice_; }
  int textsTypedInFields() const { return textsTypedInFields_; }
  // The last few actions, one per line, to say how a failure came about.
  std::string recentActions() const;

 private:
  QWidget* control(const std::string& name) const;
  // The price field's line edit stands for the price field.
  QWidget* target(const std::string& name) const;
  QLineEdit* editOf(const std::string& field) const;
  std::optional<std::string> focusedField() const;
  bool showsCostPanel() const;
  int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }
  void note(std::string action);

  void typeText();
  void typeNumber();
  void clearField();
  void key(const char* name, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void accessKey(const char* name, Qt::Key letter);
  void clickControl();
  void clickField();
  void toggleCost();
  void clickNotice();
  void pickPrice();

  QWidget& window_;
  std::mt19937_64 random_;
  RandomTyping typing_{random_};
  std::map<std::string, QString> typed_;
  std::deque<std::string> recent_;
  int actions_ = 0;
  int textsTypedInFields_ = 0;
  bool clickedNotice_ = false;
};

}  // namespace quarvel::testing
