#pragma once

#include <QObject>
#include <QPointer>

class QComboBox;
class QLineEdit;

namespace quarvel {

// Selects the whole text of a field every time it gains the focus, however
// the focus came, so that what the user types replaces the old value. The
// mouse press that brings the focus keeps that selection; a later press in
// the focused field places the caret as usual.
class SelectOnFocus : public QObject {
  Q_OBJECT

 public:
  explicit SelectOnFocus(QObject* parent) : QObject(parent) {}

  void attach(QLineEdit* field);
  // The combo box takes the focus, its line edit the mouse presses.
  void attach(QComboBox* field);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QLineEdit> focusedByMouse_;
};

}  // namespace quarvel
