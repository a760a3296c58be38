#include "window/price_box.h"

#include <QAbstractItemView>

namespace quarvel {

void PriceBox::showPopup() {
  QComboBox::showPopup();
  // A typed price leaves the current entry where it was; the text is what counts.
  const int shown = findText(currentText(), Qt::MatchExactly);
  const QModelIndex entry = shown >= 0 ? model()->index(shown, modelColumn()) : QModelIndex();
  view()->setCurrentIndex(entry);
  view()->scrollTo(entry);
}

}  // namespace quarvel
