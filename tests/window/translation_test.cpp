#include "tests/window/support/form1_fixture.h"
#include "tests/window/support/window_texts.h"
#include "window/translations.h"

namespace quarvel::testing {
namespace {

class TranslationTest : public Form1Test {
 protected:
  // Every text the window shows, in the same order in every language: the
  // controls in either unit, the reports and the warranty (with no icon, in
  // a box with its OK button), and the menu of a result. In each unit, each
  // dimension caption names that unit as its button does, and the other unit
  // not at all, and names its field to screen readers.
  QStringList shownTexts() {
    QStringList texts{form_->windowTitle()};
    click("Command2");
    for (auto [unit, other] : {std::pair{"Option2", "Option1"}, {"Option1", "Option2"}}) {
      control<QRadioButton>(unit)->click();
      texts << windowTexts(*form_);
      const QString named = text(unit).remove('&'), notNamed = text(other).remove('&');
      for (const char* caption : {"Label3", "Label4", "Label5"}) {
        EXPECT_TRUE(text(caption).contains(named, Qt::CaseInsensitive) &&
                    !text(caption).contains(notNamed, Qt::CaseInsensitive))
            << caption << " in " << unit;
        EXPECT_EQ(control<QLabel>(caption)->buddy()->accessibleName(), text(caption));
      }
    }
    // A report quotes the caption of the field as shown, and what it holds.
    for (auto [field, typed, button, caption] : {std::tuple{"Text1", "x9", "Command1", "Label3"},
                                                 {"Text2", "-1E999", "Command1", "Label4"},
                                                 {"Combo1", "zz", "Command3", "Label2"}}) {
      set({{"Text1", "10"}, {"Text2", "10"}, {"Text3", "0.5"}, {"Label1", "1"}, {field, typed}});
      click(button);
      const QString& report = boxes_.back().text;
      EXPECT_TRUE(report.contains(text(caption)) && report.contains(typed)) << report.toStdString();
    }
    click("Label10");
    for (const MessageBoxRequest& box : boxes_) {
      texts << box.title << box.text;
    }
    EXPECT_EQ(boxes_.back().icon, QMessageBox::NoIcon);
    texts << buildMessageBox(form_.get(), boxes_.back())->button(QMessageBox::Ok)->text();
    QWidget* menu = menuOf("Label1");
    for (const QAction* action : menu->actions()) {
      texts << action->text();
    }
    menu->close();
    return texts;
  }
};

// Spanish for every text but the names, signs and numbers, the toolkit's
// own included; each unit's access key selects it, which a key shared would not.
// Other languages get English: the program is started under them elsewhere.
TEST_F(TranslationTest, Spanish_EveryTextShown_TranslatedOrKeptOnPurpose) {
  const QStringList english = shownTexts();
  QObject translators;  // removes the Spanish translations at the end
  installTranslations(translators, QLocale("es_MX"));
  boxes_.clear();
  reopen();
  for (const char* option : {"Option2", "Option1"}) {
    const QKeySequence key = QKeySequence::mnemonic(text(option));
    QCoreApplication::postEvent(form_->windowHandle(),
                                new QKeyEvent(QEvent::KeyPress, key[0].key(), Qt::AltModifier));
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(control<QRadioButton>(option)->isChecked()) << option;
  }
  const QStringList shown = shownTexts();
  ASSERT_EQ(shown.size(), english.size());
  QStringList unchanged;
  for (qsizetype i = 0; i < shown.size(); ++i) {
    if (shown[i] == english[i] && !shown[i].isEmpty()) {
      unchanged << shown[i];
    }
  }
  unchanged.removeDuplicates();
  EXPECT_EQ(unchanged, QStringList({"Quarvel Calc", "=", "70", "$", "quarvel"}));
}

}  // namespace
}  // namespace quarvel::testing
