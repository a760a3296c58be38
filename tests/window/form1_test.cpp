#include "tests/window/support/form1_fixture.h"
#include "tests/window/support/window_texts.h"
#include "window/translations.h"
#include "window/window_metrics.h"

namespace quarvel::testing {
namespace {

// Filled before it is shown, each field selects its text when it gains the
// focus, at start or by Tab, so that the typed value replaces it.
TEST_F(Form1Test, TypicalRequest_ByKeyboard_EnterGoesToFocusedButtonElseToTheDefault) {
  reopen({{"Text1", "12.5"}, {"Text2", "12.5"}, {"Text3", "12.5"}});
  type({"10", "\t", "10", "\t", "0.5", "\r"});
  EXPECT_EQ(text("Label1"), "1.85");
  type({"\t", "\t", "\r", "\t", "65.5", "\r"});  // "Cost", then a typed price
  EXPECT_TRUE(costShown());
  EXPECT_EQ(text("Label8"), "121.175");
  EXPECT_EQ(control<QComboBox>("Combo1")->count(), 25);
  set({{"Text1", "20"}});
  control("Command1")->setFocus();  // focused, while Command3 stays the default
  type({"\r"});
  EXPECT_EQ(text("Label1"), "3.7");
  EXPECT_TRUE(control<QPushButton>("Command3")->isDefault());
  type({"\t", "\r", "\x1b"});  // "Cost" a second time, Esc
  form_->reject();             // what every other cancel key of a platform does
  EXPECT_FALSE(costShown());
  EXPECT_TRUE(control<QPushButton>("Command1")->isDefault());
  EXPECT_FALSE(control<QPushButton>("Command3")->isDefault());
  EXPECT_TRUE(form_->isVisible());
}

TEST_F(Form1Test, ResultsShown_FailingOrEmptyRequest_ReportsFirstFailureAndChangesNothing) {
  const QString kMismatch = "Error 13: Type mismatch\n", kOverflow = "Error 6: Overflow\n";
  const struct {
    Texts entries;
    const char* focus;  // Enter on Command1 clicks it, in the price the default Command3
    QString report;     // empty: no result and no box
  } rows[] = {
      {{{"Text1", "7 ft"}}, "Command1", kMismatch + "Length in Inches: \"7 ft\" is not a number."},
      {{{"Text1", "x"}, {"Text2", "-1E999"}},
       "Command1",
       kOverflow + "Width in Inches: \"-1E999\" is out of range."},  // width before length
      {{{"Text1", "1E200"}, {"Text2", "1E200"}, {"Text3", "x"}},
       "Command1",
       kOverflow + "The volume is too large to compute."},  // area before depth
      {{{"Text3", "<b>1</b> 23456789012345678901234567890123"}},
       "Command1",  // 41 characters, shown as 40 and never as markup
       kMismatch +
           "Depth in Inches: \"<b>1</b> 2345678901234567890123456789012\u2026\" is not a number."},
      {{{"Text2", ""}, {"Text3", "x"}}, "Command1", ""},
      {{{"Label1", "1.8.5"}},
       "Combo1",
       kMismatch + "Total Cubic Yards: \"1.8.5\" is not a number."},
      {{{"Combo1", "1E200"}, {"Label1", "1E200"}},
       "Combo1",
       kOverflow + "The cost is too large to compute."},
      {{{"Combo1", "x"}, {"Label1", ""}}, "Combo1", ""},
  };
  type({"10", "\t", "10", "\t", "0.5", "\r"});
  click("Command2");
  click("Command3");
  EXPECT_EQ(text("Label8"), "129.5");
  control<QRadioButton>("Option2")->click();  // the captions as shown go into the report
  for (const auto& [entries, focus, report] : rows) {
    SCOPED_TRACE(entries[0].second);
    set({{"Text1", "10"}, {"Text2", "10"}, {"Text3", "0.5"}, {"Combo1", "70"}, {"Label1", "1.85"}});
    set(entries);
    control(focus)->setFocus();
    const QStringList before = windowTexts(*form_) << focused();
    const std::size_t boxes = boxes_.size();
    type({"\r"});
    EXPECT_EQ(windowTexts(*form_) << focused(), before);
    ASSERT_EQ(boxes_.size(), boxes + (report.isEmpty() ? 0 : 1));
    if (!report.isEmpty()) {
      EXPECT_EQ(boxes_.back().title + ": " + boxes_.back().text, "quarvel: " + report);
      EXPECT_EQ(buildMessageBox(form_.get(), boxes_.back())->textFormat(), Qt::PlainText);
    }
  }
}

// Registered once more under comma-decimal settings, where "," and "." swap roles.
TEST_F(Form1Test, TypicalRequest_ResultSelectedOrCopiedByMouse_GivesTextAsShownAndKeepsFocus) {
  const bool comma = QLocale::system().decimalPoint() == ",";
  ASSERT_EQ(comma, qEnvironmentVariable("LC_ALL").startsWith("de_DE"));
  const QString volume = comma ? "1,85" : "1.85";
  type({"10", "\t", "10", "\t", comma ? "0,5" : "0.5", "\r"});
  auto* box = control<QLabel>("Label1");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);  // selects the width's "10"
  const auto copyKey = [] {
    QGuiApplication::clipboard()->clear();
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::Copy);
    return QGuiApplication::clipboard()->text();
  };
  drag(box, 1);
  EXPECT_EQ(box->selectedText(), volume);
  EXPECT_EQ(copyKey(), volume);  // the newest selection, not the focused field's
  click("Text3");                // the depth field takes the focus and selects its text
  EXPECT_EQ(box->selectedText(), "");
  EXPECT_EQ(copyKey(), comma ? "0,5" : "0.5");
  drag(box, box->width() / 2);
  EXPECT_TRUE(volume.endsWith(box->selectedText()) && box->selectedText() != volume);
  EXPECT_EQ(copyKey(), box->selectedText());
  type({"7"});  // replaces the depth's selected text, leaving none
  EXPECT_EQ(box->selectedText(), "");
  EXPECT_EQ(copyKey(), "");
  drag(box, box->width() / 2);
  EXPECT_TRUE(copyFrom("Label1"));  // the menu copies the whole text
  EXPECT_EQ(QGuiApplication::clipboard()->text(), volume);
  QTest::mouseDClick(box, Qt::LeftButton, {}, QPoint(box->width() - 4, box->height() / 2));
  EXPECT_EQ(box->selectedText(), volume);
  if (QGuiApplication::clipboard()->supportsSelection()) {
    EXPECT_EQ(QGuiApplication::clipboard()->text(QClipboard::Selection), volume);
  }
  EXPECT_FALSE(copyFrom("Label8"));
  EXPECT_EQ(focused(), "Text3");
  for (auto [result, caption] : {std::pair{"Label1", "Label6"}, {"Label8", "Label7"}}) {
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(control(result));
    EXPECT_EQ(shown->role(), QAccessible::StaticText);
    const auto labels = shown->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].first->object(), control(caption));
  }
  EXPECT_EQ(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name), volume);
}

// The toolkit's own size hints tell whether a text is cut.
TEST_F(Form1Test, ApplicationFont_WindowBuilt_KeepsTheFontAndShapeAndCutsNoTextInEitherUnit) {
  const struct Restore {
    QFont font = QApplication::font();
    ~Restore() { QApplication::setFont(font); }
  } restore;  // also when an assertion ends the test early
  for (auto [family, points] : {std::pair{"DejaVu Sans", 6},
                                {"DejaVu Sans", 11},
                                {"DejaVu Sans Mono", 16}}) {  // a wide font
    SCOPED_TRACE(::testing::Message() << family << " " << points);
    QApplication::setFont(QFont(family, points));
    // The family too: a font that was not found at all, as where no font is
    // installed, would leave nothing here to measure.
    ASSERT_EQ(QFontInfo(QApplication::font()).family(), family);
    reopen();
    set({{"Label1", "9999999.99"}, {"Label8", "-999999.99"}});
    click("Command2");
    ASSERT_TRUE(costShown());  // the exact-height test of "Cost" holds at every scale
    EXPECT_EQ(QFontInfo(form_->font()).pointSize(), points);  // grown to the font, not shrunk
    EXPECT_NEAR(form_->width() * 318.0 / form_->height(), 166, 1);
    double crowded = 0;  // the largest share of a control's box its text needs
    for (const char* option : {"Option2", "Option1"}) {
      control<QRadioButton>(option)->click();
      for (QWidget* c : form_->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(c);
        const int indicator = c->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, {}, c);
        const QSize needed =
            label && label->wordWrap()             ? QSize(0, label->heightForWidth(c->width()))
            : label || qobject_cast<QLineEdit*>(c) ? c->minimumSizeHint()
            : qobject_cast<QRadioButton*>(c)
                ? QSize(c->sizeHint().width(), std::max(indicator, c->fontMetrics().height()))
                : QSize();
        EXPECT_TRUE(needed.width() <= c->width() && needed.height() <= c->height())
            << option << " " << c->objectName().toStdString();
        crowded = std::max(
            {crowded, double(needed.width()) / c->width(), double(needed.height()) / c->height()});
      }
    }
    EXPECT_TRUE(form_->width() == 166 || crowded > 0.9);  // grown no more than a text needs
    click("Command2");
    EXPECT_FALSE(costShown());
  }
}

// A shortened result keeps its sign, leading digits and exponent: the
// magnitude of the whole value lies at or above what is shown and below its
// next digit.
TEST_F(Form1Test, LongResults_Shown_FitTheirBoxAndKeepTheWholeValueBehindThem) {
  const struct {
    Texts dimensions;
    const char *volume, *cost;
  } rows[] = {
      {{{"Text1", "1e9"}, {"Text2", "10"}, {"Text3", "1"}, {"Combo1", "70"}},
       "370370370.37",
       "25925925925.9"},
      {{{"Text1", "1e20"}, {"Text2", "10"}, {"Text3", "100"}},
       "3.7037037037037E+21",
       "2.59259259259259E+23"},
      {{{"Text1", "0.27"}, {"Text2", "1"}, {"Text3", "1"}, {"Combo1", "-0.0123456789012345"}},
       "0.01",
       "-0.000123456789012345"},
  };
  click("Command2");
  for (const auto& [dimensions, volume, cost] : rows) {
    set(dimensions);
    click("Command1");
    click("Command3");
    for (auto [name, whole] : {std::pair{"Label1", volume}, {"Label8", cost}}) {
      SCOPED_TRACE(whole);
      auto* box = control<ResultLabel>(name);
      EXPECT_EQ(text(name), whole);
      EXPECT_EQ(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name), whole);
      EXPECT_TRUE(copyFrom(name));
      EXPECT_EQ(QGuiApplication::clipboard()->text(), whole);
      EXPECT_LE(box->minimumSizeHint().width(), box->width());
      EXPECT_GE(QFontInfo(box->font()).pointSizeF(), 0.75 * QFontInfo(form_->font()).pointSizeF());
      if (box->text() == whole) {
        EXPECT_EQ(box->toolTip(), "");
        continue;
      }
      EXPECT_EQ(box->toolTip(), whole);
      const QRegularExpression shortened("^(-?\\d(?:\\.(\\d+))?)\u2026E([-+]\\d\\d+)$");
      const QRegularExpressionMatch parts = shortened.match(box->text());
      ASSERT_TRUE(parts.hasMatch()) << box->text().toStdString();
      const double shown = std::abs((parts.captured(1) + "E" + parts.captured(3)).toDouble());
      const double next = std::pow(10, parts.captured(3).toInt() - parts.captured(2).size());
      const double value = std::abs(QString(whole).toDouble());
      EXPECT_TRUE(value >= shown && value < shown + next) << box->text().toStdString();
      drag(box, box->width() / 2);
      EXPECT_EQ(box->selectedText(), box->text());
    }
  }
}

TEST_F(Form1Test, Shown_QuitOrCloseKey_EndsTheEventLoopWithStatusZero) {
  for (const char* key : {"Ctrl+Q", "Ctrl+W"}) {
    reopen();
    QTimer::singleShot(
        0, [key] { QTest::keySequence(QApplication::focusWidget(), QKeySequence(key)); });
    const QObject test;  // ends, with the test, a timer for a loop that closing failed to end
    QTimer::singleShot(10000, &test, [] { QApplication::exit(2); });
    EXPECT_EQ(QApplication::exec(), 0) << key;
  }
}

// Dropped down after a click into the price and typing, which replaces the
// price, the list shows the entry of the price typed, if it has one.
TEST_F(Form1Test, PriceShown_ListDropsDown_HighlightsTheEntryOfThatPriceIfAny) {
  auto* prices = control<QComboBox>("Combo1");
  for (auto [typed, highlighted] : {std::pair{"", "70"}, {"84", "84"}, {"65", ""}}) {
    click("Command2");  // expanded, then collapsed again: the list drops down either way
    click("Combo1");
    type({typed});
    prices->showPopup();
    EXPECT_EQ(prices->view()->currentIndex().data().toString(), highlighted);
    prices->hidePopup();
  }
}

TEST_F(Form1Test, DoRound_NearestMode_PassesValueAndStepThroughToTheCore) {
  double value = 12;
  EXPECT_EQ(form_->doRound(value, 5, "NE"), 10);
  EXPECT_EQ(value, 14.5);
}

// The arithmetic in twips of the designed window, 174 by 345 pixels outside.
TEST(CentredTopLeft, ScreenAnywhere_IsHalfTheScreenLessHalfTheWindowFromItsOrigin) {
  EXPECT_EQ(centredTopLeft({0, 0, 800, 600}, 2610, 5175), QPoint(313, 127));
  EXPECT_EQ(centredTopLeft({-1024, 100, 800, 600}, 2610, 5175), QPoint(-711, 227));
  EXPECT_EQ(centredTopLeft({0, 0, 100, 100}, 2610, 5175), QPoint(-37, -123));  // not clamped
}

}  // namespace
}  // namespace quarvel::testing

// Window tests run headless unless the caller chose a platform.
int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  // As the program does: the Spanish runs get the window in Spanish.
  quarvel::installTranslations(application, QLocale::system());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
