#pragma once

#include <initializer_list>
#include <vector>

#include <QObject>
#include <QPointer>

class QWidget;

namespace quarvel {

class ResultLabel;

// Makes the copy key copy what the user last selected in a result box. The
// boxes never take the focus, so the key goes to the focused field, which
// would copy its own text instead. The selection holds until the user types
// or a field gains the focus and selects its own text; either clears it.
class ResultCopyKey : public QObject {
  Q_OBJECT

 public:
  ResultCopyKey(QWidget& window, std::initializer_list<ResultLabel*> boxes);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void hold(ResultLabel* box);

  QWidget& window_;
  std::vector<ResultLabel*> boxes_;
  // Not a pointer to the box's own class: it is read while the window's
  // widgets are being destroyed, when a box is no longer a ResultLabel.
  QPointer<QObject> held_;
};

}  // namespace quarvel
