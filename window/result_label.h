#pragma once

#include <QLabel>

class QString;

namespace quarvel {

// An output box whose text the user can select with the mouse or copy whole
// from its context menu, for pasting into a quote. It never takes the
// keyboard focus, so the tab order and what Enter does stay as they are.
class ResultLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ResultLabel(QWidget* parent);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
};

// Writes a computed value into an output label and tells screen readers,
// which read the label's name, that it changed.
void showResult(QLabel& label, const QString& text);

}  // namespace quarvel
