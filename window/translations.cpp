#include "window/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quarvel {

void installTranslations(QObject& owner, const QLocale& locale) {
  // Shortens each of the languages as well: es-MX finds the _es translation.
  auto* program = new QTranslator(&owner);
  if (!program->load(locale, QStringLiteral("quarvel-calc"), QStringLiteral("_"),
                     QStringLiteral(":/i18n"))) {
    delete program;
    return;
  }
  QCoreApplication::installTranslator(program);
  auto* toolkit = new QTranslator(&owner);
  if (toolkit->load(QLocale(program->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(toolkit);
  } else {
    delete toolkit;
  }
}

}  // namespace quarvel
