#pragma once

class QLocale;
class QObject;

namespace quarvel {

// Installs the translation for the first of the interface languages of
// `locale` (the user's is QLocale::system()) that the program can show, and
// then Qt's own for that same language, so that the toolkit's buttons and
// menus speak the language of the captions. English, the language the texts
// are written in, is one of them: when it comes first, nothing is installed.
// The translators are children of `owner`: deleting them removes them.
void installTranslations(QObject& owner, const QLocale& locale);

}  // namespace quarvel
