#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <optional>
#include <string>

#include <QApplication>
#include <QComboBox>
#include <QLocale>
#include <QRadioButton>
#include <QStringList>

#include "estimate/estimate.h"
#include "tests/window/random_user.h"
#include "tests/window/support/form1_fixture.h"
#include "tests/window/warranty_text.h"

namespace quarvel::testing {
namespace {

// QUARVEL_TORTURE_SEED and QUARVEL_TORTURE_ACTIONS replay or lengthen a run.
constexpr unsigned long long kDefaultSeed = 20261206;
constexpr int kDefaultActions = 5000;
constexpr int kCollapsedClientHeight = 206;
constexpr int kExpandedClientHeight = 318;

const QString kPrices =
    "50 52 54 56 58 60 62 64 68 70 72 74 76 78 80 82 84 86 88 90 92 94 96 98 100";

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
    return {result ? std::optional(QString::fromStdU16String(*result)) : std::nullopt, {}};
  } catch (const estimate::Failure& failure) {
    return {std::nullopt, failure};
  }
}

std::string describe(const Computed& computed) {
  if (computed.failure) {
    return computed.failure->what();
  }
  return computed.text ? "\"" + computed.text->toStdString() + "\"" : "no result";
}

// The window after every action of a random user: alive, in one of its two
// shapes with the matching default button, 25 prices, captions of the chosen
// unit, the typed texts untouched, and results that are either the previous
// ones or what the core computes from the controls now.
class Form1Torture : public Form1Test {
 protected:
  void SetUp() override {
    Form1Test::SetUp();
    user_.emplace(*form_, seed_);
  }

  static estimate::Separators separators() {
    const QLocale locale = QLocale::system();
    return {std::u16string(view(locale.decimalPoint())),
            std::u16string(view(locale.groupSeparator()))};
  }

  // What Command1 would show now: the unit is read as the handler reads it.
  Computed volumeNow() const {
    std::optional<estimate::LengthUnit> unit;
    if (control<QRadioButton>("Option2")->isChecked()) {
      unit = estimate::LengthUnit::Inches;
    } else if (control<QRadioButton>("Option1")->isChecked()) {
      unit = estimate::LengthUnit::Feet;
    }
    const QString length = text("Text1"), width = text("Text2"), depth = text("Text3");
    return compute([&] {
      return estimate::VolumeEstimate(view(length), view(width), view(depth), unit, separators());
    });
  }

  Computed costNow() const {
    const QString volume = text("Label1"), price = text("Combo1");
    return compute([&] { return estimate::CostEstimate(view(price), view(volume), separators()); });
  }

  std::string fieldsNow() const {
    std::string fields = control<QRadioButton>("Option2")->isChecked() ? "Inches" : "Feet";
    for (const char* name : {"Text1", "Text2", "Text3", "Combo1"}) {
      fields += std::string(", ") + name + " \"" + text(name).toStdString() + "\"";
    }
    return fields;
  }

  bool showsCostPanel() const { return form_->height() == kExpandedClientHeight; }

  void checkShape() const {
    EXPECT_TRUE(form_->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    ASSERT_TRUE(form_->height() == kCollapsedClientHeight || showsCostPanel()) << form_->height();
    EXPECT_EQ(isDefault("Command1"), !showsCostPanel());
    EXPECT_FALSE(isDefault("Command2"));
    EXPECT_EQ(isDefault("Command3"), showsCostPanel());

    const auto* combo = control<QComboBox>("Combo1");
    QStringList prices;
    for (int i = 0; i < combo->count(); ++i) {
      prices << combo->itemText(i);
    }
    EXPECT_EQ(prices.join(' '), kPrices);
  }

  void checkCaptions() const {
    const bool feet = control<QRadioButton>("Option1")->isChecked();
    EXPECT_NE(feet, control<QRadioButton>("Option2")->isChecked()) << "exactly one unit";
    const QString unit = feet ? QStringLiteral("Feet") : QStringLiteral("Inches");
    EXPECT_EQ(text("Label3"), "Length in " + unit);
    EXPECT_EQ(text("Label4"), "Width in " + unit);
    EXPECT_EQ(text("Label5"), "Depth in " + unit);
    for (const auto& [name, caption] : kFixedCaptions) {
      EXPECT_EQ(text(name.c_str()), caption) << name;
    }
  }

  void checkTexts() const {
    for (const auto& [field, text] : user_->typed()) {
      EXPECT_EQ(this->text(field.c_str()), text) << field << " holds what was typed";
    }
  }

  // A result label holds its previous caption or what its handler computes now.
  void checkResult(const char* label, const QString& before, const Computed& now, int& changes) {
    const QString shown = text(label);
    changes += shown != before;
    EXPECT_TRUE(shown == before || shown == now.text)
        << label << " \"" << shown.toStdString() << "\", was \"" << before.toStdString()
        << "\", the core gives " << describe(now) << " for " << fieldsNow();
  }

  // Every box is the warranty after a click on the notice, or the report of a
  // failure the core gives for the controls now.
  void checkResults(const QString& volumeBefore, const QString& costBefore) {
    const Computed volume = volumeNow();
    const Computed cost = costNow();
    checkResult("Label1", volumeBefore, volume, seen_.volumes);
    checkResult("Label8", costBefore, cost, seen_.costs);
    const auto& boxes = messageBoxes_.boxes();
    for (; boxesSeen_ < boxes.size(); ++boxesSeen_) {
      const MessageBoxRequest& box = boxes[boxesSeen_];
      EXPECT_EQ(box.title, QStringLiteral("quarvel"));
      if (box.text == kWarranty) {
        ++seen_.warranties;
        EXPECT_TRUE(user_->clickedNotice()) << "warranty box without a click on the notice";
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

  const unsigned long long seed_ = environmentNumber("QUARVEL_TORTURE_SEED", kDefaultSeed);
  std::optional<RandomUser> user_;
  size_t boxesSeen_ = 0;
  // How often the run reached each outcome, so that it cannot pass idly.
  struct {
    int volumes = 0, costs = 0, failures = 0, warranties = 0;
  } seen_;
};

TEST_F(Form1Torture, StartedWindow_ThousandsOfRandomActions_StaysConsistentAndKeepsTypedTexts) {
  const int actions =
      static_cast<int>(environmentNumber("QUARVEL_TORTURE_ACTIONS", kDefaultActions));
  SCOPED_TRACE("seed " + std::to_string(seed_) + " (QUARVEL_TORTURE_SEED replays it)");
  for (int step = 1; step <= actions; ++step) {
    const QString volumeBefore = text("Label1");
    const QString costBefore = text("Label8");
    user_->act();
    QApplication::processEvents();

    SCOPED_TRACE("last actions:" + user_->recentActions());
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
      actions, user_->textsTypedInFields(), seen_.volumes, seen_.costs, seen_.failures,
      seen_.warranties);
  EXPECT_GT(seen_.volumes, 0);
  EXPECT_GT(seen_.costs, 0);
  EXPECT_GT(seen_.failures, 0);
  EXPECT_GT(seen_.warranties, 0);
}

}  // namespace
}  // namespace quarvel::testing
