#include "window/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quarvel {

void installTranslations(QObject& owner, const QLocale& locale) {
  for (const QString& name : locale.uiLanguages()) {
    const QLocale language(name);
    if (language.language() == QLocale::English) {
      return;
    }
    // Shortens the name as well: es-MX finds the _es translation.
    auto* program = new QTranslator(&owner);
    if (!program->load(language, QStringLiteral("quarvel-calc"), QStringLiteral("_"),
                       QStringLiteral(":/i18n"))) {
      delete program;
      continue;
    }
    QCoreApplication::installTranslator(program);
    auto* toolkit = new QTranslator(&owner);
    if (toolkit->load(QLocale(program->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QCoreApplication::installTranslator(toolkit);
    } else {
      delete toolkit;
    }
    return;
  }
}

}  // namespace quarvel
