#include "window/result_label.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QMenu>

#include "window/locale_separators.h"
#include "window/result_text.h"
#include "window/text_views.h"

namespace quarvel {
namespace {

// A result that does not fit is drawn smaller, but not below this share of
// the window's font, where it would be hard to read.
constexpr qreal kSmallestScale = 0.75;
constexpr qreal kScaleStep = 0.05;

QFont scaled(const QFont& base, qreal factor) {
  QFont font = base;
  if (base.pointSizeF() > 0) {
    font.setPointSizeF(base.pointSizeF() * factor);
  } else {
    font.setPixelSize(qMax(1, qRound(base.pixelSize() * factor)));
  }
  return font;
}

}  // namespace

ResultLabel::ResultLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setTextInteractionFlags(Qt::TextSelectableByMouse);
  // Selecting text would otherwise take the focus from the field being typed in.
  setFocusPolicy(Qt::NoFocus);
}

void ResultLabel::setResult(const QString& result) {
  result_ = result;
  showFitted();
  // Also posts the accessibility name-change event screen readers listen to.
  setAccessibleName(result_);
}

void ResultLabel::showFitted() {
  const QFont base = parentWidget() != nullptr ? parentWidget()->font() : QApplication::font();
  const qreal room = contentsRect().width() - 2 * margin();
  const auto fits = [room](const QFont& font, const QString& text) {
    return QFontMetricsF(font).horizontalAdvance(text) <= room;
  };
  QFont font = base;
  QString shown = result_;
  for (qreal factor = 1; !fits(font, shown); factor -= kScaleStep) {
    if (factor - kScaleStep < kSmallestScale) {
      font = scaled(base, kSmallestScale);
      const NumberParts parts = numberParts(result_);
      const QString decimal = toQString(systemSeparators().decimal);
      for (auto digits = parts.digits.size(); digits >= 1; --digits) {
        shown = shortenedNumber(parts, static_cast<int>(digits), decimal);
        if (digits == 1 || fits(font, shown)) {
          break;
        }
      }
      break;
    }
    font = scaled(base, factor - kScaleStep);
  }
  // An unset font follows the window's, also when the user changes it.
  setFont(font == base ? QFont() : font);
  setText(shown);
  setToolTip(shown != result_ ? result_ : QString());
}

void ResultLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  if (!result_.isEmpty()) {
    showFitted();
  }
}

void ResultLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  // Part of a shortened number would read as another number: all or nothing.
  if (isShortened() && hasSelectedText()) {
    selectWhole();
  }
  if (hasSelectedText()) {
    emit selectionMade();
  }
}

void ResultLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  // A double click selects a word, which in "1.85" would be "85".
  QLabel::mouseDoubleClickEvent(event);
  selectWhole();
}

void ResultLabel::selectWhole() {
  setSelection(0, static_cast<int>(text().size()));
  // Only a selection made with the mouse reaches the primary selection by itself.
  if (QGuiApplication::clipboard()->supportsSelection()) {
    QGuiApplication::clipboard()->setText(result_, QClipboard::Selection);
  }
}

void ResultLabel::contextMenuEvent(QContextMenuEvent* event) {
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  // The whole value with the user's decimal separator, whatever part is selected or shown.
  QAction* copy = menu->addAction(tr("&Copy"), this,
                                  [this] { QGuiApplication::clipboard()->setText(result_); });
  copy->setEnabled(!result_.isEmpty());
  menu->popup(event->globalPos());
  event->accept();
}

}  // namespace quarvel
