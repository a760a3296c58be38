#include "tests/window/support/form1_fixture.h"
#include "window/translations.h"

namespace quarvel::testing {
namespace {

// The translations for `locale` installed until the end of the scope.
class Language {
 public:
  explicit Language(const QLocale& locale) { installTranslations(translators_, locale); }

 private:
  QObject translators_;  // removes the translators it holds
};

class TranslationTest : public Form1Test {
 protected:
  // The captions in Spanish, and a field's menu in Qt's own Spanish.
  void expectSpanish() const {
    QStringList captions;
    for (const char* name : {"Option1", "Option2", "Label3", "Label4", "Label5", "Label6", "Label2",
                             "Label7", "Command2"}) {
      captions << text(name);
    }
    EXPECT_EQ(captions.join('|'), QString::fromUtf8("&Pies|P&ulgadas|Largo en pies|Ancho en "
                                                    "pies|Espesor en pies|Yardas cúbicas|Costo "
                                                    "por yarda|Costo total|Costo"));
    const std::unique_ptr<QMenu> menu(control<QLineEdit>("Text1")->createStandardContextMenu());
    EXPECT_EQ(menu->actions().value(0)->text().section('\t', 0, 0), "&Deshacer");
  }
  // Every text the window shows, in the same order in every language: the
  // controls in either unit, the reports and the warranty with their button,
  // and the menus of a field and of a result.
  QStringList shownTexts() {
    QStringList texts{form_->windowTitle()};
    click("Command2");
    for (const char* unit : {"Option2", "Option1"}) {
      control<QRadioButton>(unit)->click();
      for (QWidget* c : form_->findChildren<QWidget*>()) {
        texts << c->property("text").toString() << c->toolTip();
      }
    }
    for (const Texts& request : {Texts{{"Text1", "x"}}, Texts{{"Text2", "-1E999"}},
                                 Texts{{"Text1", "1E200"}, {"Text2", "1E200"}}}) {
      set({{"Text1", "10"}, {"Text2", "10"}, {"Text3", "0.5"}});
      set(request);
      click("Command1");
    }
    set({{"Combo1", "1E200"}, {"Label1", "1E200"}});
    click("Command3");
    click("Label10");
    for (const MessageBoxRequest& box : boxes_) {
      texts << box.title << box.text;
    }
    texts << buildMessageBox(form_.get(), boxes_.back())->button(QMessageBox::Ok)->text();
    const std::unique_ptr<QMenu> fieldMenu(
        control<QLineEdit>("Text1")->createStandardContextMenu());
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, {}, {});
    QApplication::sendEvent(control("Label1"), &rightClick);
    for (QWidget* menu :
         {static_cast<QWidget*>(fieldMenu.get()), QApplication::activePopupWidget()}) {
      for (const QAction* action : menu->actions()) {
        texts << action->text();
      }
    }
    QApplication::activePopupWidget()->close();
    return texts;
  }
};

// Spanish for every text but the names, signs and numbers, with the access
// keys of Spanish; English, exactly as without translations, for every
// language the program has none for, with the toolkit's own menus and buttons
// in that same language. Each language's access keys select their unit.
TEST_F(TranslationTest, Language_EveryTextShown_IsSpanishOrElseTheEnglishOfAlways) {
  const QStringList english = shownTexts();
  const QStringList kept{"Quarvel Calc", "=", "70", "$", "quarvel"};  // in every language
  for (auto [locale, spanish] : {std::pair{QLocale("es_MX"), true},
                                 {QLocale("es_ES"), true},
                                 {QLocale("es_US"), true},
                                 {QLocale("de_DE"), false},
                                 {QLocale("en_US"), false},
                                 {QLocale::c(), false}}) {
    SCOPED_TRACE(locale.name().toStdString());
    const Language language(locale);
    boxes_.clear();
    form_ = std::make_unique<Form1>();
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    QList<QKeySequence> keys;
    for (QWidget* c : form_->findChildren<QWidget*>()) {
      const QKeySequence key = QKeySequence::mnemonic(c->property("text").toString());
      EXPECT_FALSE(!key.isEmpty() && keys.contains(key)) << key.toString().toStdString();
      keys << key;
    }
    for (auto [key, option] : {std::pair{spanish ? Qt::Key_U : Qt::Key_I, "Option2"},
                               {spanish ? Qt::Key_P : Qt::Key_F, "Option1"}}) {
      QCoreApplication::postEvent(form_->windowHandle(),
                                  new QKeyEvent(QEvent::KeyPress, key, Qt::AltModifier));
      QCoreApplication::sendPostedEvents();
      EXPECT_TRUE(control<QRadioButton>(option)->isChecked()) << option;
    }
    const QStringList shown = shownTexts();
    ASSERT_EQ(shown.size(), english.size());
    if (!spanish) {
      EXPECT_EQ(shown, english);
      continue;
    }
    QStringList unchanged;
    for (qsizetype i = 0; i < shown.size(); ++i) {
      if (shown[i] == english[i] && !shown[i].isEmpty()) {
        unchanged << shown[i];
      }
    }
    unchanged.removeDuplicates();
    EXPECT_EQ(unchanged, kept);
    expectSpanish();
    EXPECT_EQ(boxes_[0].text, QString::fromUtf8("Error 13: No coinciden los tipos\n"
                                                "Largo en pies: \"x\" no es un número."));
    EXPECT_EQ(boxes_[1].text, QString::fromUtf8("Error 6: Desbordamiento\n"
                                                "Ancho en pies: \"-1E999\" está fuera de rango."));
    EXPECT_EQ(shown.back(), "&Copiar");
  }
}

// Run by ctest with the variables that choose the language set as a Spanish
// desktop sets them; the others are cleared.
TEST_F(TranslationTest, SpanishDesktop_Started_WindowAndToolkitSpeakSpanish) {
  expectSpanish();
}

}  // namespace
}  // namespace quarvel::testing
