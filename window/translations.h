#pragma once

class QLocale;
class QObject;

namespace quarvel {

// Installs the program's translation for the first of the interface
// languages of `locale` (the user's is QLocale::system()) that has one, and
// then Qt's own for that same language, so that the toolkit's buttons and
// menus speak the language of the captions. Under English, or a language the
// program has no translation for, nothing is installed. The translators are
// children of `owner`: deleting them removes them.
void installTranslations(QObject& owner, const QLocale& locale);

}  // namespace quarvel
