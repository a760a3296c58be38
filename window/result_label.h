#pragma once

#include <QLabel>
#include <QString>

namespace quarvel {

// An output box for a computed value. The whole value is what the window
// works with, what Copy copies and what screen readers read; the box shows
// it whole, in a smaller font if it must, and only when even that does not
// fit, shortened to its leading digits and exponent, so that it never reads
// as a different number. The user can select the value with the mouse or
// copy it from the context menu. The box never takes the keyboard focus, so
// the tab order and what Enter does stay as they are.
class ResultLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ResultLabel(QWidget* parent = nullptr);

  const QString& result() const { return result_; }
  void setResult(const QString& result);
  bool isShortened() const { return text() != result_; }
  // What the user selected; the whole value if the box shows it shortened.
  QString selectedValue() const { return isShortened() ? result_ : selectedText(); }
  void clearSelection() { setSelection(0, 0); }

 signals:
  // The user has selected some or all of the value with the mouse.
  void selectionMade();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void showFitted();
  void selectWhole();

  QString result_;
};

}  // namespace quarvel
