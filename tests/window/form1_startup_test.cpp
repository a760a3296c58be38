#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QStringList>
#include <QStyle>
#include <QTest>

#include "tests/window/support/form1_fixture.h"
#include "window/layout_table.h"
#include "window/window_metrics.h"

namespace quarvel::testing {
namespace {

using StartUp = Form1Test;

TEST_F(StartUp, Shown_IsCollapsedFixedSizeWindowWithCaptionAndIcon) {
  EXPECT_EQ(form_->windowTitle(), "Quarvel Calc");
  EXPECT_FALSE(form_->windowIcon().isNull());
  EXPECT_EQ(form_->size(), QSize(166, 206));
  EXPECT_EQ(form_->minimumSize(), form_->maximumSize());
  EXPECT_EQ(outerHeightTwips(*form_), CollapsedHeight);
  EXPECT_EQ(outerWidthTwips(*form_), 2610);
}

TEST_F(StartUp, OnOffscreenScreen_IsCentredForTheExpandedHeight) {
  ASSERT_EQ(QGuiApplication::primaryScreen()->geometry().size(), QSize(800, 800));
  // Left 400 - 87 = 313; top 400 - 172.5 = 227.5, put on the pixel above. A
  // window centred for its collapsed height would stand at 283.
  EXPECT_EQ(form_->pos(), QPoint(313, 227));
}

TEST(CentredTopLeft, HalfScreenLessHalfWindow_OnTheWholePixelAboveAndLeft) {
  const struct {
    QSize screen;
    QPoint topLeft;
  } cases[] = {{{800, 600}, {313, 127}},  // 300 - 172.5
               {{1024, 768}, {425, 211}},
               {{100, 200}, {-37, -73}}};  // smaller than the window: not clamped
  for (const auto& [screen, topLeft] : cases) {
    EXPECT_EQ(centredTopLeft(screen, 2610, ExpandedHeight), topLeft) << screen.width();
  }
}

TEST_F(StartUp, PriceList_HoldsThe25PricesInOrderAndShows70) {
  auto* combo = control<QComboBox>("Combo1");
  QStringList prices;
  for (int i = 0; i < combo->count(); ++i) {
    prices << combo->itemText(i);
  }
  EXPECT_EQ(prices.join(' '),
            "50 52 54 56 58 60 62 64 68 70 72 74 76 78 80 82 84 86 88 90 92 94 96 98 100");
  EXPECT_EQ(combo->currentText(), "70");
  EXPECT_TRUE(combo->isEditable());
  EXPECT_EQ(combo->toolTip(), "Choose from list or enter manually");
}

TEST_F(StartUp, Controls_ShowDesignedTextsAndPlaces) {
  const struct {
    const char* name;
    const char* text;
    QRect place;
  } expected[] = {
      {"Option1", "&Feet", {16, 8, 57, 13}},
      {"Label3", "Length in Feet", {8, 32, 81, 17}},
      {"Label5", "Depth in Feet", {8, 96, 89, 17}},
      {"Text1", "", {96, 32, 57, 19}},
      {"Command2", "Cost", {16, 136, 57, 25}},
      {"Label6", "Total Cubic Yards", {0, 176, 89, 17}},
      {"Label2", "Current Cost /YD", {0, 216, 81, 17}},
      {"Combo1", "70", {96, 216, 57, 21}},
      {"Label10", "Estimation only. Your actual values may vary slightly...", {0, 240, 89, 41}},
      {"Command3", "=", {96, 248, 57, 25}},
      {"Label9", "$", {88, 288, 9, 17}},
      {"Label8", "", {96, 288, 57, 17}},
  };
  for (const auto& [name, shown, place] : expected) {
    EXPECT_EQ(text(name), shown) << name;
    EXPECT_EQ(control(name)->geometry(), place) << name;
  }
  EXPECT_EQ(control("Line1")->geometry(), QRect(0, 208, 168, 1));
  EXPECT_TRUE(control<QRadioButton>("Option1")->isChecked());
  EXPECT_FALSE(control<QRadioButton>("Option2")->isChecked());
  EXPECT_EQ(control<QLabel>("Label10")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

TEST_F(StartUp, Focus_IsInText1AndCommand1IsTheDefault) {
  EXPECT_EQ(focusedName(), "Text1");
  EXPECT_TRUE(isDefault("Command1"));
  EXPECT_FALSE(isDefault("Command2"));
  EXPECT_FALSE(isDefault("Command3"));
}

TEST_F(StartUp, OpeningWithTextInText1_SelectsAllOfIt) {
  form_->close();
  Form1 opening;
  opening.findChild<QLineEdit*>("Text1")->setText("12.5");
  opening.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&opening));
  const auto* text1 = opening.findChild<QLineEdit*>("Text1");
  EXPECT_TRUE(text1->hasFocus());
  EXPECT_EQ(text1->selectionStart(), 0);
  EXPECT_EQ(text1->selectedText(), "12.5");
}

TEST_F(StartUp, Tab_VisitsFieldsButtonsPriceThenUnitInTabIndexOrder) {
  QStringList visited{focusedName()};
  for (int i = 0; i < 8; ++i) {
    press(Qt::Key_Tab);
    visited << focusedName();
  }
  EXPECT_EQ(visited.join(' '), "Text1 Text2 Text3 Command1 Command2 Combo1 Command3 Option1 Text1");
}

// Qt's own size hints, not the font chooser's arithmetic, decide whether a text is cut.
void expectNothingClipped(QWidget& form) {
  for (QLabel* label : form.findChildren<QLabel*>()) {
    const QString name = label->objectName();
    if (label->wordWrap()) {
      EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name.toStdString();
    } else {
      EXPECT_LE(label->sizeHint().width(), label->width()) << name.toStdString();
      EXPECT_LE(label->fontMetrics().height(), label->height()) << name.toStdString();
    }
  }
  for (QRadioButton* option : form.findChildren<QRadioButton*>()) {
    EXPECT_LE(option->sizeHint().width(), option->width()) << option->objectName().toStdString();
    EXPECT_LE(option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, option),
              option->height());
  }
}

TEST_F(StartUp, EveryCaptionAndTypicalResult_FitsItsBoxInBothUnits) {
  for (const char* output : {"Label1", "Label8"}) {
    control<QLabel>(output)->setText("99999.99");
  }
  expectNothingClipped(*form_);
  control<QRadioButton>("Option2")->click();
  ASSERT_EQ(text("Label3"), "Length in Inches");
  expectNothingClipped(*form_);
}

}  // namespace
}  // namespace quarvel::testing
