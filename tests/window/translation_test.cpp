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
  // A window made anew, in the language installed now.
  void reopen() {
    form_ = std::make_unique<Form1>();
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  }
  static QStringList menuTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
      texts << action->text();
    }
    return texts;
  }
  // The captions in Spanish, and a field's menu in Qt's own Spanish.
  void expectSpanish() const {
    for (auto [name, caption] : {std::pair{"Option1", "&Pies"},
                                 {"Option2", "P&ulgadas"},
                                 {"Label3", "Largo en pies"},
                                 {"Label4", "Ancho en pies"},
                                 {"Label5", "Espesor en pies"},
                                 {"Label6", "Yardas cúbicas"},
                                 {"Label2", "Costo por yarda"},
                                 {"Label7", "Costo total"},
                                 {"Command2", "Costo"}}) {
      EXPECT_EQ(text(name), QString::fromUtf8(caption));
    }
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
        for (const char* property : {"text", "toolTip"}) {
          texts << c->property(property).toString();
        }
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
    texts << menuTexts(
        *std::unique_ptr<QMenu>(control<QLineEdit>("Text1")->createStandardContextMenu()));
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, {}, {});
    QApplication::sendEvent(control("Label1"), &rightClick);
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      texts << menuTexts(*menu);
      menu->close();
    }
    return texts;
  }
};

// Spanish for every text but the names, signs and numbers; English, exactly
// as without translations, for every language the program has none for,
// with the toolkit's own menus and buttons in that same language.
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
    reopen();
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

TEST_F(TranslationTest, EachLanguage_AccessKeys_AreDistinctAndEachSelectsItsUnit) {
  for (auto [locale, feet, inches] :
       {std::tuple{QLocale::c(), Qt::Key_F, Qt::Key_I}, {QLocale("es_MX"), Qt::Key_P, Qt::Key_U}}) {
    SCOPED_TRACE(locale.name().toStdString());
    const Language language(locale);
    reopen();
    QList<QKeySequence> keys;
    for (QWidget* c : form_->findChildren<QWidget*>()) {
      const QKeySequence key = QKeySequence::mnemonic(c->property("text").toString());
      if (!key.isEmpty()) {
        EXPECT_FALSE(keys.contains(key)) << key.toString().toStdString();
        keys << key;
      }
    }
    for (auto [key, option] : {std::pair{inches, "Option2"}, {feet, "Option1"}}) {
      QCoreApplication::postEvent(form_->windowHandle(),
                                  new QKeyEvent(QEvent::KeyPress, key, Qt::AltModifier));
      QCoreApplication::sendPostedEvents();
      EXPECT_EQ(focused(), option);
      EXPECT_TRUE(control<QRadioButton>(option)->isChecked());
    }
  }
}

}  // namespace
}  // namespace quarvel::testing
