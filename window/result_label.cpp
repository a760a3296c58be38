#include "window/result_label.h"

#include <cstdlib>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QMenu>

#include "window/locale_separators.h"
#include "window/text_views.h"

namespace quarvel {
namespace {

// A result that does not fit is drawn smaller in steps, down to three
// quarters of the window's font; smaller would be hard to read.
constexpr qreal kShrinkStep = 0.05;
constexpr int kShrinkSteps = 5;

QFont scaled(const QFont& base, qreal factor) {
  QFont font = base;
  if (base.pointSizeF() > 0) {
    font.setPointSizeF(base.pointSizeF() * factor);
  } else {
    font.setPixelSize(qMax(1, qRound(base.pixelSize() * factor)));
  }
  return font;
}

// A number as the estimating core writes it ([-]digits[separator digits][E±dd])
// split into what a shortened form needs.
struct NumberParts {
  bool negative = false;
  QString digits;     // significant digits, without leading or trailing zeros; "0" for zero
  int exponent = 0;   // of the first digit, as in d.ddd × 10^exponent
  QString separator;  // the one written, or empty
};

NumberParts numberParts(const QString& number) {
  NumberParts parts;
  parts.negative = number.startsWith(QLatin1Char('-'));
  QString all;
  qsizetype wholeDigits = -1;
  qsizetype i = parts.negative ? 1 : 0;
  for (; i < number.size() && number[i] != QLatin1Char('E'); ++i) {
    if (number[i].isDigit()) {
      all += number[i];
    } else {
      wholeDigits = wholeDigits < 0 ? all.size() : wholeDigits;
      parts.separator += number[i];
    }
  }
  wholeDigits = wholeDigits < 0 ? all.size() : wholeDigits;
  const int written = i < number.size() ? number.mid(i + 1).toInt() : 0;
  qsizetype first = 0;
  while (first + 1 < all.size() && all[first] == QLatin1Char('0')) {
    ++first;
  }
  qsizetype end = all.size();
  while (end > first + 1 && all[end - 1] == QLatin1Char('0')) {
    --end;
  }
  parts.digits = all.mid(first, end - first);
  parts.exponent =
      parts.digits == QLatin1String("0") ? 0 : written + static_cast<int>(wholeDigits - first) - 1;
  return parts;
}

// The number in exponent form with only its first `digits` significant
// digits, cut rather than rounded and followed by "…" when digits are left
// out: "25925925925.9" with 4 digits is "2.592…E+10". `decimal` separates
// the digits when the number itself shows no separator.
QString shortenedNumber(const NumberParts& number, int digits, const QString& decimal) {
  QString text = number.negative ? QStringLiteral("-") : QString();
  text += number.digits.left(1);
  const QString rest = number.digits.mid(1, digits - 1);
  if (!rest.isEmpty()) {
    text += (number.separator.isEmpty() ? decimal : number.separator) + rest;
  }
  if (digits < number.digits.size()) {
    text += QChar(0x2026);  // …
  }
  text += number.exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
  text += QStringLiteral("%1").arg(std::abs(number.exponent), 2, 10, QLatin1Char('0'));
  return text;
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
  for (int step = 1; step <= kShrinkSteps && !fits(font, result_); ++step) {
    font = scaled(base, 1 - step * kShrinkStep);
  }
  QString shown = result_;
  if (!fits(font, shown)) {
    const NumberParts parts = numberParts(result_);
    const QString decimal = toQString(systemSeparators().decimal);
    for (auto digits = parts.digits.size(); digits >= 1; --digits) {
      shown = shortenedNumber(parts, static_cast<int>(digits), decimal);
      if (digits == 1 || fits(font, shown)) {
        break;
      }
    }
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
  if (result_.isEmpty()) {
    return;  // nothing to select, and the primary selection is left as it is
  }
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
