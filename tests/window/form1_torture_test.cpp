#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <deque>
#include <map>
#include <optional>
#include <random>
#include <string>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

#include "estimate/estimate.h"
#include "tests/window/random_typing.h"
#include "tests/window/support/form1_fixture.h"

namespace quarvel::testing {
namespace {

// QUARVEL_TORTURE_SEED and QUARVEL_TORTURE_ACTIONS replay or lengthen a run.
constexpr unsigned long long kDefaultSeed = 20261206;
constexpr int kDefaultActions = 5000;
constexpr int kCollapsedClientHeight = 206;
constexpr int kExpandedClientHeight = 318;

const std::array<const char*, 25> kPrices = {"50", "52", "54", "56", "58", "60", "62", "64", "68",
                                             "70", "72", "74", "76", "78", "80", "82", "84", "86",
                                             "88", "90", "92", "94", "96", "98", "100"};

const std::array<const char*, 19> kClickable = {
    "Text1",    "Text2",    "Text3",  "Combo1", "Option1", "Option2", "Command1",
    "Command2", "Command3", "Label1", "Label2", "Label3",  "Label4",  "Label5",
    "Label6",   "Label7",   "Label8", "Label9", "Label10"};

// Captions no action may change.
const std::map<std::string, QString> kFixedCaptions = {
    {"Label2", "Current Cost /YD"},
    {"Label6", "Total Cubic Yards"},
    {"Label7", "Total Cost"},
    {"Label9", "$"},
    {"Label10", "Estimation only. Your actual values may vary slightly..."},
    {"Command1", "="},
    {"Command2", "Cost"},
    {"Command3", "="},
    {"Option1", "&Feet"},
    {"Option2", "&Inches"}};

const QString kWarranty = QStringLiteral(
    "These programs and their documentation are offered without warranty of any kind. Zandrel, "
    "Dunmaran (QZ9XQ), makes no claim as to it's suitability for any purpose. This program is AS "
    "IS, and changes may be made to it at any time without incurring any obligations to former "
    "users. The entire risk arising from the use of this product remains with the user.");

unsigned long long environmentNumber(const char* name, unsigned long long fallback) {
  bool ok = false;
  const unsigned long long value = qEnvironmentVariable(name).toULongLong(&ok);
  return ok ? value : fallback;
}

std::u16string_view view(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size())};
}

// What a handler computing from the controls now would show: a text, nothing
// (the label keeps its caption), or a failure (reported, the label kept).
struct Computed {
  std::optional<QString> text;
  std::optional<estimate::Failure> failure;
};

template <class Operation>
Computed compute(Operation&& operation) {
  try {
    const std::optional<std::u16string> result = operation();
    if (!result) {
      return {};
    }
    return {QString::fromStdU16String(*result), std::nullopt};
  } catch (const estimate::Failure& failure) {
    return {std::nullopt, failure};
  }
}

class Form1Torture : public Form1Test {
 protected:
  using Action = void (Form1Torture::*)();

  struct WeightedAction {
    int weight;
    Action action;
  };

  void SetUp() override {
    Form1Test::SetUp();
    for (const char* field : {"Text1", "Text2", "Text3"}) {
      typed_[field] = QString();
    }
    typed_["Combo1"] = QStringLiteral("70");
  }

  bool showsCostPanel() const { return form_->height() == kExpandedClientHeight; }
  int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }

  // The user acts where the keyboard focus is.
  QWidget* keyTarget() {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus : form_.get();
  }

  // The entry field the focus is in, by name, or nothing.
  std::optional<std::string> focusedField() {
    QWidget* focus = QApplication::focusWidget();
    for (const auto& [name, text] : typed_) {
      QWidget* field = control(name.c_str());
      if (focus != nullptr && (focus == field || focus->parentWidget() == field)) {
        return name;
      }
    }
    return std::nullopt;
  }

  QLineEdit* editOf(const std::string& field) {
    return field == "Combo1" ? control<QComboBox>("Combo1")->lineEdit()
                             : control<QLineEdit>(field.c_str());
  }

  // Keys, one key event per character as a keyboard sends them; a character
  // beyond the BMP arrives as one event carrying its surrogate pair.
  static void typeInto(QWidget* target, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
      const QChar c = text[i];
      if (c.unicode() < 0x80) {
        QTest::keyClick(target, static_cast<char>(c.unicode()));
        continue;
      }
      const qsizetype length = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
      QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, text.mid(i, length),
                          Qt::NoModifier);
      i += length - 1;
    }
  }

  void typeText() {
    const QString text = typing_.next();
    const std::optional<std::string> field = focusedField();
    describe("type \"" + text.toStdString() + "\" into " + field.value_or("a non-field"));
    if (field) {
      ++seen_.typedInFields;
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

  void clearField() {
    const std::optional<std::string> field = focusedField();
    describe("Ctrl+A, Backspace in " + field.value_or("a non-field"));
    if (field) {
      typed_[*field].clear();
    }
    QTest::keyClick(keyTarget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(keyTarget(), Qt::Key_Backspace);
  }

  void key(const char* name, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    describe(std::string(name) + " on " + keyTarget()->objectName().toStdString());
    QTest::keyClick(keyTarget(), key, modifiers);
  }

  void tab() { key("Tab", Qt::Key_Tab); }
  void backTab() { key("Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier); }
  void enter() { key("Enter", Qt::Key_Return); }
  void keypadEnter() { key("keypad Enter", Qt::Key_Enter, Qt::KeypadModifier); }
  void escape() { key("Esc", Qt::Key_Escape); }
  // An access key clicks its button the toolkit's way, pressed for a moment
  // and clicked by a timer; the click lands before the user's next action.
  void accessKey(const char* name, Qt::Key letter) {
    key(name, letter, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([this] {
      return !control<QRadioButton>("Option1")->isDown() &&
             !control<QRadioButton>("Option2")->isDown();
    }));
  }

  void altF() { accessKey("Alt+F", Qt::Key_F); }
  void altI() { accessKey("Alt+I", Qt::Key_I); }

  // A click anywhere on a control the user can see; the cost panel's
  // controls only while it is shown.
  void clickControl() {
    const std::string name = kClickable[below(static_cast<int>(kClickable.size()))];
    QWidget* target = control(name.c_str());
    if (auto* combo = qobject_cast<QComboBox*>(target)) {
      target = combo->lineEdit();
    }
    const QRect inWindow(target->mapTo(form_.get(), QPoint(0, 0)), target->size());
    if (!form_->rect().contains(inWindow.center())) {
      return toggleCost();
    }
    const QPoint at(below(target->width()), below(target->height()));
    describe("click " + name + " at " + std::to_string(at.x()) + "," + std::to_string(at.y()));
    warrantyExpected_ = name == "Label10";
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
  }

  // A click in the middle of an entry field, the way a user starts typing.
  void clickField() {
    const char* fields[] = {"Text1", "Text2", "Text3", "Combo1"};
    const char* name = fields[below(showsCostPanel() ? 4 : 3)];
    describe(std::string("click ") + name);
    QWidget* target =
        name == std::string("Combo1") ? control<QComboBox>(name)->lineEdit() : control(name);
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
  }

  // What users mostly do: click into a field, select all, type a number.
  void enterNumber() {
    clickField();
    clearField();
    const QString text = typing_.number();
    describe("type \"" + text.toStdString() + "\"");
    if (const std::optional<std::string> field = focusedField()) {
      typed_[*field] = text;
      ++seen_.typedInFields;
    }
    typeInto(keyTarget(), text);
  }

  void toggleCost() {
    describe("click Command2");
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
  }

  void clickNotice() {
    if (!showsCostPanel()) {
      return toggleCost();
    }
    describe("click Label10");
    warrantyExpected_ = true;
    QTest::mouseClick(control<QLabel>("Label10"), Qt::LeftButton);
  }

  // Opens the price list with its arrow and picks one of the prices with
  // the keys. (A click in the list right after it opened is ignored as the
  // end of the click that opened it.)
  void pickPrice() {
    if (!showsCostPanel()) {
      return toggleCost();
    }
    auto* combo = control<QComboBox>("Combo1");
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    const QRect arrow = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxArrow, combo);
    const int index = below(static_cast<int>(kPrices.size()));
    describe(std::string("pick ") + kPrices[index] + " from the price list");
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
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  }

  void describe(std::string what) {
    std::printf("%d %s [active %s]\n", step_, what.c_str(),
                QApplication::activeWindow()
                    ? qPrintable(QApplication::activeWindow()->objectName() +
                                 QApplication::activeWindow()->metaObject()->className())
                    : "none");
    history_.push_back(std::to_string(step_) + ": " + std::move(what));
    if (history_.size() > 8) {
      history_.pop_front();
    }
  }

  std::string history() const {
    std::string text;
    for (const std::string& line : history_) {
      text += "\n  " + line;
    }
    return text;
  }

  estimate::Separators separators() const {
    const QLocale locale = QLocale::system();
    return {std::u16string(view(locale.decimalPoint())),
            std::u16string(view(locale.groupSeparator()))};
  }

  Computed volumeNow() {
    std::optional<estimate::LengthUnit> unit;
    if (control<QRadioButton>("Option2")->isChecked()) {
      unit = estimate::LengthUnit::Inches;
    } else if (control<QRadioButton>("Option1")->isChecked()) {
      unit = estimate::LengthUnit::Feet;
    }
    const QString length = control<QLineEdit>("Text1")->text();
    const QString width = control<QLineEdit>("Text2")->text();
    const QString depth = control<QLineEdit>("Text3")->text();
    return compute([&] {
      return estimate::VolumeEstimate(view(length), view(width), view(depth), unit, separators());
    });
  }

  Computed costNow() {
    const QString volume = control<QLabel>("Label1")->text();
    const QString price = control<QComboBox>("Combo1")->currentText();
    return compute([&] { return estimate::CostEstimate(view(price), view(volume), separators()); });
  }

  static std::string describe(const Computed& computed) {
    if (computed.failure) {
      return computed.failure->what();
    }
    return computed.text ? "\"" + computed.text->toStdString() + "\"" : "no result";
  }

  std::string fieldsNow() {
    std::string text = control<QRadioButton>("Option2")->isChecked() ? "Inches" : "Feet";
    for (const char* name : {"Text1", "Text2", "Text3", "Combo1"}) {
      text += std::string(", ") + name + " \"" + editOf(name)->text().toStdString() + "\"";
    }
    return text;
  }

  void checkShape() {
    EXPECT_TRUE(form_->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    ASSERT_TRUE(form_->height() == kCollapsedClientHeight ||
                form_->height() == kExpandedClientHeight)
        << form_->height();
    EXPECT_EQ(control<QPushButton>("Command1")->isDefault(), !showsCostPanel());
    EXPECT_FALSE(control<QPushButton>("Command2")->isDefault());
    EXPECT_EQ(control<QPushButton>("Command3")->isDefault(), showsCostPanel());

    auto* combo = control<QComboBox>("Combo1");
    ASSERT_EQ(combo->count(), static_cast<int>(kPrices.size()));
    for (int i = 0; i < combo->count(); ++i) {
      EXPECT_EQ(combo->itemText(i), QLatin1String(kPrices[i])) << "price " << i;
    }
  }

  void checkCaptions() {
    const bool feet = control<QRadioButton>("Option1")->isChecked();
    EXPECT_NE(feet, control<QRadioButton>("Option2")->isChecked()) << "exactly one unit";
    const QString unit = feet ? QStringLiteral("Feet") : QStringLiteral("Inches");
    EXPECT_EQ(control<QLabel>("Label3")->text(), "Length in " + unit);
    EXPECT_EQ(control<QLabel>("Label4")->text(), "Width in " + unit);
    EXPECT_EQ(control<QLabel>("Label5")->text(), "Depth in " + unit);
    for (const auto& [name, caption] : kFixedCaptions) {
      QWidget* widget = control(name.c_str());
      const auto* label = qobject_cast<QLabel*>(widget);
      EXPECT_EQ(label != nullptr ? label->text() : qobject_cast<QAbstractButton*>(widget)->text(),
                caption)
          << name;
    }
  }

  void checkTexts() {
    for (const auto& [field, text] : typed_) {
      EXPECT_EQ(editOf(field)->text(), text) << field << " holds what was typed";
    }
  }

  // Each result label holds its previous caption or what its handler computes
  // now; every box is the warranty after a click on the notice, or the report
  // of a failure the core gives for the controls now.
  void checkResults(const QString& volumeBefore, const QString& costBefore) {
    const Computed volume = volumeNow();
    const Computed cost = costNow();
    const QString volumeShown = control<QLabel>("Label1")->text();
    const QString costShown = control<QLabel>("Label8")->text();
    seen_.volumes += volumeShown != volumeBefore;
    seen_.costs += costShown != costBefore;
    EXPECT_TRUE(volumeShown == volumeBefore || volumeShown == volume.text)
        << "Label1 \"" << volumeShown.toStdString() << "\", was \"" << volumeBefore.toStdString()
        << "\", the core gives " << describe(volume) << " for " << fieldsNow();
    EXPECT_TRUE(costShown == costBefore || costShown == cost.text)
        << "Label8 \"" << costShown.toStdString() << "\", was \"" << costBefore.toStdString()
        << "\", the core gives " << describe(cost) << " for " << fieldsNow();

    const auto& boxes = messageBoxes_.boxes();
    for (; boxesSeen_ < boxes.size(); ++boxesSeen_) {
      const MessageBoxRequest& box = boxes[boxesSeen_];
      EXPECT_EQ(box.title, QStringLiteral("quarvel"));
      if (box.text == kWarranty) {
        ++seen_.warranties;
        EXPECT_TRUE(warrantyExpected_) << "warranty box without a click on the notice";
        continue;
      }
      const auto reports = [&](const Computed& computed) {
        return computed.failure && box.text.contains(QString::number(computed.failure->number())) &&
               box.text.contains(QLatin1String(computed.failure->what()));
      };
      ++seen_.failures;
      EXPECT_TRUE(reports(volume) || reports(cost)) << "box \"" << box.text.toStdString() << "\"";
    }
  }

  void act() {
    static const std::array<WeightedAction, 15> kActions = {{
        {30, &Form1Torture::typeText},
        {5, &Form1Torture::clearField},
        {10, &Form1Torture::tab},
        {6, &Form1Torture::backTab},
        {10, &Form1Torture::enter},
        {2, &Form1Torture::keypadEnter},
        {3, &Form1Torture::escape},
        {2, &Form1Torture::altF},
        {2, &Form1Torture::altI},
        {15, &Form1Torture::clickControl},
        {6, &Form1Torture::clickField},
        {25, &Form1Torture::enterNumber},
        {5, &Form1Torture::toggleCost},
        {2, &Form1Torture::clickNotice},
        {3, &Form1Torture::pickPrice},
    }};
    int roll = below(totalWeight(kActions));
    for (const WeightedAction& candidate : kActions) {
      if ((roll -= candidate.weight) < 0) {
        (this->*candidate.action)();
        return;
      }
    }
  }

  template <size_t N>
  static int totalWeight(const std::array<WeightedAction, N>& actions) {
    int total = 0;
    for (const WeightedAction& action : actions) {
      total += action.weight;
    }
    return total;
  }

  const unsigned long long seed_ = environmentNumber("QUARVEL_TORTURE_SEED", kDefaultSeed);
  std::mt19937_64 random_{seed_};
  RandomTyping typing_{random_};
  std::map<std::string, QString> typed_;  // what each entry field must hold
  std::deque<std::string> history_;
  size_t boxesSeen_ = 0;
  // How often the run reached each outcome, so that it cannot pass idly.
  struct {
    int volumes = 0;
    int costs = 0;
    int failures = 0;
    int warranties = 0;
    int typedInFields = 0;
  } seen_;
  bool warrantyExpected_ = false;
  int step_ = 0;
};

TEST_F(Form1Torture, StartedWindow_ThousandsOfRandomActions_StaysConsistentAndKeepsTypedTexts) {
  const int actions =
      static_cast<int>(environmentNumber("QUARVEL_TORTURE_ACTIONS", kDefaultActions));
  SCOPED_TRACE("seed " + std::to_string(seed_) + " (QUARVEL_TORTURE_SEED replays it)");
  for (step_ = 1; step_ <= actions; ++step_) {
    const QString volumeBefore = control<QLabel>("Label1")->text();
    const QString costBefore = control<QLabel>("Label8")->text();
    warrantyExpected_ = false;
    act();
    QApplication::processEvents();

    SCOPED_TRACE("last actions:" + history());
    checkShape();
    checkCaptions();
    checkTexts();
    checkResults(volumeBefore, costBefore);
    if (HasFailure()) {
      return;
    }
  }
  std::printf(
      "%d actions: %d texts typed into fields, %d volumes and %d costs shown, "
      "%d failures reported, %d warranty boxes\n",
      actions, seen_.typedInFields, seen_.volumes, seen_.costs, seen_.failures, seen_.warranties);
  EXPECT_GT(seen_.volumes, 0);
  EXPECT_GT(seen_.costs, 0);
  EXPECT_GT(seen_.failures, 0);
  EXPECT_GT(seen_.warranties, 0);
}

}  // namespace
}  // namespace quarvel::testing
