#include "window/locale_separators.h"

#include <QLocale>

#include "window/text_views.h"

namespace quarvel {

estimate::Separators systemSeparators() {
  const QLocale locale = QLocale::system();
  return {.decimal = std::u16string(utf16View(locale.decimalPoint())),
          .group = std::u16string(utf16View(locale.groupSeparator()))};
}

}  // namespace quarvel
